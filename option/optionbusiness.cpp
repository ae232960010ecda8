#include "option/optionbusiness.h"

#include "option/optionsheet.h"
#include "sheet/numberformat.h"

namespace {

constexpr int kApplyItems = 21;
constexpr int kCategories = 8;

const CSheetTables& BusinessLayout()
{
    static const CSheetTables l = TwoChoiceLayout(13, 11, 10, false);
    return l;
}

// Row label of item j: a fixed label (string 200 + j) or one of the project's names.
CString BusinessItemName(const COptionBusinessRateClass& r, int j)
{
    if (j >= 5 && j <= 10) return r.m_astrExpenseName[j - 1]; // names by expense item, 0 the management fee
    if (j >= 15 && j <= 18) return r.m_astrAmortizeName[j - 15];
    return LoadOptionString(200 + j);
}

const CSheetTables& AdvanceLayout()
{
    static const CSheetTables l = [] {
        CSheetTables t;
        t.frame.Frame(0, 0, kSheetColumns, 9);
        for (int r = 1; r <= 8; ++r) t.wline.HLine(r, 0, kSheetColumns);
        t.hline.VLine(15, 0, 9).VLine(21, 0, 9).VLine(20, 1, 9).VLine(26, 1, 9);
        t.item.Box(0, 0, 15).Box(15, 0, 6).Box(21, 0, 7);
        t.subitem.Boxes(20, 1, 1, 1, kCategories, true).Boxes(26, 1, 1, 1, kCategories, true);
        t.data.Boxes(0, 1, 15, 1, kCategories, true);
        for (int k = 0; k < kCategories; ++k) t.data.Box(15, 1 + k, 5).Box(21, 1 + k, 5);
        return t;
    }();
    return l;
}

} // namespace

void COptionBusinessRateClass::InitData()
{
    COptionClass::InitData();
    for (int& n : m_anApply) n = 0;
}

void COptionBusinessRateClass::ReportDraw(CDC* pDC) { DrawStackedSheet(pDC, 12); }

BOOL COptionBusinessRateClass::SetFramePoint(int nPage) { return PlacePageItems(m_apFrame, nPage, BusinessLayout().frame); }
BOOL COptionBusinessRateClass::SetWLinePoint(int nPage) { return PlacePageItems(m_apWLine, nPage, BusinessLayout().wline); }
BOOL COptionBusinessRateClass::SetHLinePoint(int nPage) { return PlacePageItems(m_apHLine, nPage, BusinessLayout().hline); }
BOOL COptionBusinessRateClass::SetItemPoint(int nPage) { return PlacePageItems(m_apItem, nPage, BusinessLayout().item); }
BOOL COptionBusinessRateClass::SetSubItemPoint(int nPage) { return PlacePageItems(m_apSubItem, nPage, BusinessLayout().subitem); }
BOOL COptionBusinessRateClass::SetDataPoint(int nPage) { return PlacePageItems(m_apData, nPage, BusinessLayout().data); }

BOOL COptionBusinessRateClass::SetItemData(int nPage)
{
    return SetStringCells(PageArray(m_apItem, nPage), 0, 100, 4, 1);
}

BOOL COptionBusinessRateClass::SetSubItemData(int nPage)
{
    return SetTwoChoiceLabels(PageArray(m_apSubItem, nPage), kApplyItems, 150);
}

BOOL COptionBusinessRateClass::SetDataData(int nPage)
{
    SetTitle(20000u);
    CObArray* pData = PageArray(m_apData, nPage);
    for (int j = 0; j < kApplyItems; ++j)
        if (!SetCellText(pData, j, BusinessItemName(*this, j), 1)) return FALSE;
    return SetTwoChoiceChecks(pData, kApplyItems, m_anApply, kApplyItems);
}

void COptionBusinessRateClass::CreatePrintArray(int)
{
    COptionClass::CreatePrintArray(1);
    BuildPrintPage(0, BusinessLayout());
}

void COptionAdvanceClass::InitData()
{
    COptionClass::InitData();
    for (tagADVANCERATE& rate : m_aRate) rate = {0.0, 0.0};
    for (CString& str : m_astrTypeName) str.Empty();
}

void COptionAdvanceClass::ReportDraw(CDC* pDC) { DrawStackedSheet(pDC, 9); }

BOOL COptionAdvanceClass::SetFramePoint(int nPage) { return PlacePageItems(m_apFrame, nPage, AdvanceLayout().frame); }
BOOL COptionAdvanceClass::SetWLinePoint(int nPage) { return PlacePageItems(m_apWLine, nPage, AdvanceLayout().wline); }
BOOL COptionAdvanceClass::SetHLinePoint(int nPage) { return PlacePageItems(m_apHLine, nPage, AdvanceLayout().hline); }
BOOL COptionAdvanceClass::SetItemPoint(int nPage) { return PlacePageItems(m_apItem, nPage, AdvanceLayout().item); }
BOOL COptionAdvanceClass::SetSubItemPoint(int nPage) { return PlacePageItems(m_apSubItem, nPage, AdvanceLayout().subitem); }
BOOL COptionAdvanceClass::SetDataPoint(int nPage) { return PlacePageItems(m_apData, nPage, AdvanceLayout().data); }

BOOL COptionAdvanceClass::SetItemData(int nPage)
{
    return SetStringCells(PageArray(m_apItem, nPage), 0, 500, 3, 1);
}

BOOL COptionAdvanceClass::SetSubItemData(int nPage)
{
    CObArray* pUnits = PageArray(m_apSubItem, nPage);
    const CString percent = LoadOptionString(0);
    for (int i = 0; i < 2 * kCategories; ++i)
        if (!SetCellText(pUnits, i, percent, 0)) return FALSE;
    return TRUE;
}

BOOL COptionAdvanceClass::SetDataData(int nPage)
{
    SetTitle(20003u);
    CObArray* pData = PageArray(m_apData, nPage);
    for (int k = 0; k < kCategories; ++k) {
        // The deposit rate prints first although it is stored second.
        if (!SetCellText(pData, k, m_astrTypeName[k], 1) ||
            !SetNumberCell(pData, 8 + 2 * k, m_aRate[k].dDepositRate) ||
            !SetNumberCell(pData, 9 + 2 * k, m_aRate[k].dSecurityRate))
            return FALSE;
    }
    return TRUE;
}

void COptionAdvanceClass::CreatePrintArray(int)
{
    COptionClass::CreatePrintArray(1);
    BuildPrintPage(0, AdvanceLayout());
}
