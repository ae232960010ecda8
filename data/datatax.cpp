#include "data/datatax.h"

std::array<CDataTaxClass::Block, 9> CDataTaxClass::Blocks()
{
    return {{
        {&m_aAppraised[0], 1, 8},
        {&m_aAppraised[1], 1, 7},
        {&m_objSpecialHouse, 1, 2},
        {&m_objRealtyGet, 1, 3},
        {&m_objMunicipal, 1, 6},
        {&m_objCityPlan, 1, 3},
        {&m_objBusinessPlace, 1, 4},
        {&m_objTaxBusiness, 1, 1},
        {&m_objTaxLand, 2, 0},
    }};
}

void CDataTaxClass::ReportDraw(CDC* pDC)
{
    for (const Block& block : Blocks()) {
        if (block.nPage != m_nPage) continue;
        block.pRecord->SetPrintFlag(4, m_anPrintFlag[0][4]);
        block.pRecord->ReportDraw(pDC);
        MoveOriginDown(pDC, block.nRows * kSheetRow);
    }
}

BOOL CDataTaxClass::SetDataData(int nPage)
{
    for (const Block& block : Blocks()) block.pRecord->SetDataData(nPage);
    return TRUE;
}

void CDataTaxClass::CreatePrintArray(int)
{
    m_aAppraised[0].m_nKind = 0;
    m_aAppraised[1].m_nKind = 1;
    for (const Block& block : Blocks()) block.pRecord->CreatePrintArray(1);
}

void CDataTaxClass::DestroyPrintArray()
{
    for (const Block& block : Blocks()) block.pRecord->DestroyPrintArray();
}
