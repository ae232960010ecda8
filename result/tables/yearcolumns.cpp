#include "result/tables/yearcolumns.h"

#include <new>

BOOL CreateYearColumns(CTavCalcClass& calc, CResultBaseClass& page, int nLines)
{
    page.DestroyData();
    page.CreateData();
    if (!page.m_pItemArray) return calc.FailCalc(CALC_OUT_OF_MEMORY);
    for (int k = 0; k <= calc.m_objCalcYear.nCalcYear + 1; ++k) {
        auto* pColumn = new (std::nothrow) CResultStringArrayClass;
        // A column without cells would leave the table blank.
        if (!pColumn || !pColumn->CreateData(nLines)) {
            delete pColumn;
            return calc.FailCalc(CALC_OUT_OF_MEMORY);
        }
        page.m_pItemArray->Add(pColumn);
    }
    return TRUE;
}

CResultStringArrayClass* YearTableColumn(const CResultBaseClass& page, int nIndex)
{
    return page.m_pItemArray ? ResultItemCast<CResultStringArrayClass>(page.m_pItemArray->GetAt(nIndex)) : nullptr;
}
