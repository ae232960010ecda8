#include "option/optionmanage.h"

#include "sheet/numberformat.h"

namespace {

constexpr int kFirstBlock = 15;
constexpr int kLastBlock = 23;
constexpr int kMortgageFee = 21;
constexpr int kChoices = 4;
constexpr int kAmortizeItems = 4;

bool IsBlockPage(int nPage) { return nPage >= kFirstBlock && nPage <= kLastBlock; }

// One block: the row label, then the booking and the payment choices.
const CSheetTables& ManageBlockLayout()
{
    static const CSheetTables l = [] {
        CSheetTables t;
        t.frame.Frame(0, 0, kSheetColumns, 3);
        t.wline.HLine(1, 0, kSheetColumns).HLine(2, 0, kSheetColumns);
        for (int c : {9, 10, 18, 19, 27, 28, 36, 37}) t.hline.VLine(c, 1, 3);
        t.item.Box(0, 0, kSheetColumns).Box(0, 1, 9).Box(0, 2, 9);
        // Each choice: a check cell, then its label up to the next check cell.
        for (int r : {1, 2})
            for (int c : {9, 18, 27, 36}) t.subitem.Box(c + 1, r, 8);
        for (int r : {1, 2})
            for (int c : {9, 18, 27, 36}) t.data.Box(c, r, 1);
        return t;
    }();
    return l;
}

const CSheetTables& OtherManageLayout()
{
    static const CSheetTables l = [] {
        CSheetTables t;
        t.frame.Frame(0, 0, kSheetColumns, 10);
        for (int r = 1; r <= 9; ++r) t.wline.HLine(r, 0, kSheetColumns);
        t.hline.VLine(12, 1, 2).VLine(28, 1, 2);
        for (int c : {12, 22, 35}) t.hline.VLine(c, 3, 6);
        for (int c : {13, 17, 18, 36, 40, 41}) t.hline.VLine(c, 4, 6);
        for (int c : {1, 7, 8, 14, 15, 21}) t.hline.VLine(c, 7, 8);
        for (int c : {12, 13, 22, 23, 35}) t.hline.VLine(c, 8, 10);
        t.item.Box(0, 0, kSheetColumns).Box(0, 1, 12).Box(0, 2, kSheetColumns);
        t.item.Box(0, 3, 12).Box(12, 3, 10).Box(22, 3, 13).Box(35, 3, 10);
        t.item.Box(0, 6, kSheetColumns).Box(0, 8, 12).Box(0, 9, 12);
        // Amortisation items 0 and 1 in the left half, 2 and 3 in the right.
        auto left = [](int j) { return j < 2 ? 0 : 22; };
        auto check = [](int j) { return j < 2 ? 12 : 35; };
        auto row = [](int j) { return 4 + j % 2; };
        t.subitem.Box(28, 1, 17);
        for (int k = 0; k < 2; ++k)
            for (int j = 0; j < kAmortizeItems; ++j) t.subitem.Box(check(j) + 1 + 5 * k, row(j), 4);
        t.subitem.Box(1, 7, 6).Box(8, 7, 6).Box(15, 7, 6).Box(21, 7, 24);
        t.subitem.Box(13, 8, 9).Box(23, 8, 12).Box(13, 9, 9).Box(23, 9, 12);
        t.data.Box(12, 1, 16);
        for (int j = 0; j < kAmortizeItems; ++j) t.data.Box(left(j), row(j), check(j) - left(j));
        for (int j = 0; j < kAmortizeItems; ++j) t.data.Box(check(j), row(j), 1).Box(check(j) + 5, row(j), 1);
        t.data.Box(0, 7, 1).Box(7, 7, 1).Box(14, 7, 1);
        t.data.Box(12, 8, 1).Box(22, 8, 1).Box(12, 9, 1).Box(22, 9, 1);
        return t;
    }();
    return l;
}

} // namespace

// Construction-period costs.

void COptionExpenseManageClass::InitData()
{
    COptionClass::InitData();
    for (tagEXPENSEMANAGE& row : m_aManage) row = {0, 0};
    m_aManage[kMortgageFee].nPayment = 2;
}

void COptionExpenseManageClass::ReportDraw(CDC* pDC)
{
    if (!DrawBlockTitle(pDC)) return;
    for (int n = kFirstBlock; n <= kLastBlock; ++n)
        if (DrawPrintBlock(pDC, n)) MoveOriginDown(pDC, (n == kLastBlock ? 4 : 3) * kSheetRow);
}

BOOL COptionExpenseManageClass::SetFramePoint(int nPage)
{
    return IsBlockPage(nPage) && PlacePageItems(m_apFrame, nPage, ManageBlockLayout().frame);
}

BOOL COptionExpenseManageClass::SetWLinePoint(int nPage)
{
    return IsBlockPage(nPage) && PlacePageItems(m_apWLine, nPage, ManageBlockLayout().wline);
}

BOOL COptionExpenseManageClass::SetHLinePoint(int nPage)
{
    return IsBlockPage(nPage) && PlacePageItems(m_apHLine, nPage, ManageBlockLayout().hline);
}

BOOL COptionExpenseManageClass::SetItemPoint(int nPage)
{
    return IsBlockPage(nPage) && PlacePageItems(m_apItem, nPage, ManageBlockLayout().item);
}

BOOL COptionExpenseManageClass::SetSubItemPoint(int nPage)
{
    return IsBlockPage(nPage) && PlacePageItems(m_apSubItem, nPage, ManageBlockLayout().subitem);
}

BOOL COptionExpenseManageClass::SetDataPoint(int nPage)
{
    return IsBlockPage(nPage) && PlacePageItems(m_apData, nPage, ManageBlockLayout().data);
}

BOOL COptionExpenseManageClass::SetItemData(int nPage)
{
    if (!IsBlockPage(nPage)) return FALSE;
    CObArray* pItems = m_apItem[nPage];
    return SetStringCells(pItems, 0, 400 + nPage, 1, 1) && SetStringCells(pItems, 1, 430, 2, 1);
}

BOOL COptionExpenseManageClass::SetSubItemData(int nPage)
{
    return IsBlockPage(nPage) && SetStringCells(m_apSubItem[nPage], 0, 450, 2 * kChoices, 0);
}

BOOL COptionExpenseManageClass::SetDataData(int nPage)
{
    SetTitle(20002u);
    if (!IsBlockPage(nPage)) return FALSE;
    const tagEXPENSEMANAGE& row = m_aManage[nPage];
    return SetCheckGroup(m_apData[nPage], 0, kChoices, row.nManage) &&
           SetCheckGroup(m_apData[nPage], kChoices, kChoices, row.nPayment);
}

void COptionExpenseManageClass::CreatePrintArray(int)
{
    COptionClass::CreatePrintArray(kLastBlock + 1);
    for (int n = kFirstBlock; n <= kLastBlock; ++n) BuildPrintPage(n, ManageBlockLayout());
}

// Other processing methods.

void COptionOtherManageClass::InitData()
{
    COptionClass::InitData();
    m_nStartupYear = 0;
    for (int& n : m_anProrate) n = 0;
    m_nYieldFormula = 0;
    for (CString& str : m_astrAmortizeName) str.Empty();
    m_nMinusSurplus = 0;
    m_nOwnFundTime = 0;
}

void COptionOtherManageClass::ReportDraw(CDC* pDC) { DrawStackedSheet(pDC, 10); }

BOOL COptionOtherManageClass::SetFramePoint(int nPage) { return PlacePageItems(m_apFrame, nPage, OtherManageLayout().frame); }
BOOL COptionOtherManageClass::SetWLinePoint(int nPage) { return PlacePageItems(m_apWLine, nPage, OtherManageLayout().wline); }
BOOL COptionOtherManageClass::SetHLinePoint(int nPage) { return PlacePageItems(m_apHLine, nPage, OtherManageLayout().hline); }
BOOL COptionOtherManageClass::SetItemPoint(int nPage) { return PlacePageItems(m_apItem, nPage, OtherManageLayout().item); }
BOOL COptionOtherManageClass::SetSubItemPoint(int nPage) { return PlacePageItems(m_apSubItem, nPage, OtherManageLayout().subitem); }
BOOL COptionOtherManageClass::SetDataPoint(int nPage) { return PlacePageItems(m_apData, nPage, OtherManageLayout().data); }

BOOL COptionOtherManageClass::SetItemData(int nPage)
{
    return SetStringCells(PageArray(m_apItem, nPage), 0, 1000, 10, 1);
}

BOOL COptionOtherManageClass::SetSubItemData(int nPage)
{
    CObArray* pSub = PageArray(m_apSubItem, nPage);
    if (!SetStringCells(pSub, 0, 2, 1, 0)) return FALSE;
    for (int j = 0; j < kAmortizeItems; ++j)
        if (!SetCellText(pSub, 1 + j, LoadOptionString(1050), 0) ||
            !SetCellText(pSub, 1 + kAmortizeItems + j, LoadOptionString(1051), 0))
            return FALSE;
    return SetStringCells(pSub, 1 + 2 * kAmortizeItems, 1052, 8, 0);
}

BOOL COptionOtherManageClass::SetDataData(int nPage)
{
    SetTitle(20007u);
    CObArray* pData = PageArray(m_apData, nPage);
    if (!SetNumberCell(pData, 0, double(m_nStartupYear))) return FALSE;
    for (int j = 0; j < kAmortizeItems; ++j)
        if (!SetCellText(pData, 1 + j, m_astrAmortizeName[j], 1)) return FALSE;
    // Yield formulas 3 and 4 have no box and tick none.
    return SetTwoChoiceChecks(pData, 1 + kAmortizeItems, m_anProrate, kAmortizeItems) &&
           SetCheckGroup(pData, 13, 3, m_nYieldFormula) && SetCheckGroup(pData, 16, 2, m_nMinusSurplus) &&
           SetCheckGroup(pData, 18, 2, m_nOwnFundTime);
}

void COptionOtherManageClass::CreatePrintArray(int)
{
    COptionClass::CreatePrintArray(1);
    BuildPrintPage(0, OtherManageLayout());
}
