#include "option/optionconsumption.h"

namespace {

constexpr int kCostItems = 13;
constexpr int kFundItems = 17;
constexpr int kFundNamedItems = 9; // items with a fixed name; the other costs follow
constexpr int kFundBlockRows = 4;
constexpr int kOtherIncomes = 6;
constexpr int kIncomeItems = 7;
constexpr int kRentalItems = 6;
constexpr int kCategories = 8;

const CSheetTables& CostLayout()
{
    static const CSheetTables l = TwoChoiceLayout(12, 7, 6, false);
    return l;
}

const CSheetTables& IncomeLayout()
{
    static const CSheetTables l = TwoChoiceLayout(12, 4, 3, false);
    return l;
}

const CSheetTables& RentalLayout()
{
    static const CSheetTables l = TwoChoiceLayout(12, 3, 3, true);
    return l;
}

// One block of the construction funds: the name, the tax class, five bookings.
const CSheetTables& FundBlockLayout()
{
    static const CSheetTables l = [] {
        CSheetTables t;
        t.frame.Frame(0, 0, kSheetColumns, kFundBlockRows);
        t.wline.HLine(1, 0, kSheetColumns).HLine(2, 0, kSheetColumns).HLine(3, 5, kSheetColumns);
        t.hline.VLine(5, 1, 4).VLine(6, 1, 4).VLine(25, 1, 2).VLine(26, 1, 2);
        t.hline.VLine(19, 2, 4).VLine(20, 2, 4).VLine(32, 2, 3).VLine(33, 2, 3);
        t.item.Box(0, 1, 5).Box(0, 2, 5, 2);
        t.subitem.Box(6, 1, 19).Box(26, 1, 19);
        t.subitem.Box(6, 2, 13).Box(20, 2, 12).Box(33, 2, 12).Box(6, 3, 13).Box(20, 3, 12);
        t.data.Box(0, 0, kSheetColumns).Box(5, 1, 1).Box(25, 1, 1);
        t.data.Box(5, 2, 1).Box(19, 2, 1).Box(32, 2, 1).Box(5, 3, 1).Box(19, 3, 1);
        return t;
    }();
    return l;
}

} // namespace

// Costs.

void COptionConsumptionCostClass::InitData()
{
    COptionClass::InitData();
    for (int& n : m_anTax) n = 0;
    for (CString& str : m_astrItemName) str.Empty();
}

void COptionConsumptionCostClass::ReportDraw(CDC* pDC) { DrawStackedSheet(pDC, 8); }

BOOL COptionConsumptionCostClass::SetFramePoint(int nPage) { return PlacePageItems(m_apFrame, nPage, CostLayout().frame); }
BOOL COptionConsumptionCostClass::SetWLinePoint(int nPage) { return PlacePageItems(m_apWLine, nPage, CostLayout().wline); }
BOOL COptionConsumptionCostClass::SetHLinePoint(int nPage) { return PlacePageItems(m_apHLine, nPage, CostLayout().hline); }
BOOL COptionConsumptionCostClass::SetItemPoint(int nPage) { return PlacePageItems(m_apItem, nPage, CostLayout().item); }
BOOL COptionConsumptionCostClass::SetSubItemPoint(int nPage) { return PlacePageItems(m_apSubItem, nPage, CostLayout().subitem); }
BOOL COptionConsumptionCostClass::SetDataPoint(int nPage) { return PlacePageItems(m_apData, nPage, CostLayout().data); }

BOOL COptionConsumptionCostClass::SetItemData(int nPage)
{
    return SetStringCells(PageArray(m_apItem, nPage), 0, 600, 4, 1);
}

BOOL COptionConsumptionCostClass::SetSubItemData(int nPage)
{
    return SetTwoChoiceLabels(PageArray(m_apSubItem, nPage), kCostItems, 650);
}

BOOL COptionConsumptionCostClass::SetDataData(int nPage)
{
    SetTitle(20004u);
    CObArray* pData = PageArray(m_apData, nPage);
    for (int j = 0; j < kCostItems; ++j) {
        // Items 5 to 10 are the project's other expenses, named at their item; the rest fixed labels.
        const CString name = (j >= 5 && j <= 10) ? m_astrItemName[j] : LoadOptionString(700 + j);
        if (!SetCellText(pData, j, name, 1)) return FALSE;
    }
    return SetTwoChoiceChecks(pData, kCostItems, m_anTax, kCostItems);
}

void COptionConsumptionCostClass::CreatePrintArray(int)
{
    COptionClass::CreatePrintArray(1);
    BuildPrintPage(0, CostLayout());
}

// Construction funds.

void COptionConsumptionExpenseClass::InitData()
{
    COptionClass::InitData();
    for (tagCONSUMPTIONEXPENSE& item : m_aItem) item.nTax = item.nManage = 0;
    for (CString& str : m_astrCostName) str.Empty();
}

void COptionConsumptionExpenseClass::ReportDraw(CDC* pDC)
{
    if (!DrawBlockTitle(pDC)) return;
    int nFirst, nLast;
    if (m_nPage == 1) nFirst = 0, nLast = 11;
    else if (m_nPage == 2) nFirst = 12, nLast = 16;
    else return; // any other page: the title only
    for (int p = nFirst; p <= nLast; ++p)
        if (DrawPrintBlock(pDC, p)) MoveOriginDown(pDC, kFundBlockRows * kSheetRow);
}

BOOL COptionConsumptionExpenseClass::SetFramePoint(int nPage) { return PlacePageItems(m_apFrame, nPage, FundBlockLayout().frame); }
BOOL COptionConsumptionExpenseClass::SetWLinePoint(int nPage) { return PlacePageItems(m_apWLine, nPage, FundBlockLayout().wline); }
BOOL COptionConsumptionExpenseClass::SetHLinePoint(int nPage) { return PlacePageItems(m_apHLine, nPage, FundBlockLayout().hline); }
BOOL COptionConsumptionExpenseClass::SetItemPoint(int nPage) { return PlacePageItems(m_apItem, nPage, FundBlockLayout().item); }
BOOL COptionConsumptionExpenseClass::SetSubItemPoint(int nPage) { return PlacePageItems(m_apSubItem, nPage, FundBlockLayout().subitem); }
BOOL COptionConsumptionExpenseClass::SetDataPoint(int nPage) { return PlacePageItems(m_apData, nPage, FundBlockLayout().data); }

BOOL COptionConsumptionExpenseClass::SetItemData(int nPage)
{
    return SetStringCells(PageArray(m_apItem, nPage), 0, 250, 2, 1);
}

BOOL COptionConsumptionExpenseClass::SetSubItemData(int nPage)
{
    return SetStringCells(PageArray(m_apSubItem, nPage), 0, 300, 7, 0);
}

BOOL COptionConsumptionExpenseClass::SetDataData(int)
{
    SetTitle(20001u);
    BOOL bAll = TRUE;
    for (int i = 0; i < kFundItems; ++i) {
        CObArray* pData = PageArray(m_apData, i);
        const CString name = i < kFundNamedItems ? LoadOptionString(350 + i) : m_astrCostName[i - kFundNamedItems];
        // Only bookings 0 to 4 have a box; 5 (non-business expenditure) ticks none.
        if (!SetCellText(pData, 0, name, 1) || !SetCheckGroup(pData, 1, 2, m_aItem[i].nTax) ||
            !SetCheckGroup(pData, 3, 5, m_aItem[i].nManage))
            bAll = FALSE;
    }
    return bAll;
}

void COptionConsumptionExpenseClass::CreatePrintArray(int)
{
    COptionClass::CreatePrintArray(kFundItems);
    for (int p = 0; p < kFundItems; ++p) BuildPrintPage(p, FundBlockLayout());
}

// One rental category.

void COptionConsumptionRentalClass::InitData()
{
    COptionClass::InitData();
    for (int& n : m_anTax) n = 0;
    m_strTypeName.Empty();
}

void COptionConsumptionRentalClass::ReportDraw(CDC* pDC) { DrawStackedSheet(pDC, 4); }

BOOL COptionConsumptionRentalClass::SetFramePoint(int nPage) { return PlacePageItems(m_apFrame, nPage, RentalLayout().frame); }
BOOL COptionConsumptionRentalClass::SetWLinePoint(int nPage) { return PlacePageItems(m_apWLine, nPage, RentalLayout().wline); }
BOOL COptionConsumptionRentalClass::SetHLinePoint(int nPage) { return PlacePageItems(m_apHLine, nPage, RentalLayout().hline); }
BOOL COptionConsumptionRentalClass::SetItemPoint(int nPage) { return PlacePageItems(m_apItem, nPage, RentalLayout().item); }
BOOL COptionConsumptionRentalClass::SetSubItemPoint(int nPage) { return PlacePageItems(m_apSubItem, nPage, RentalLayout().subitem); }
BOOL COptionConsumptionRentalClass::SetDataPoint(int nPage) { return PlacePageItems(m_apData, nPage, RentalLayout().data); }

BOOL COptionConsumptionRentalClass::SetItemData(int nPage)
{
    // Four headings, then the six item names.
    return SetStringCells(PageArray(m_apItem, nPage), 0, 850, 4 + kRentalItems, 1);
}

BOOL COptionConsumptionRentalClass::SetSubItemData(int nPage)
{
    return SetTwoChoiceLabels(PageArray(m_apSubItem, nPage), kRentalItems, 900);
}

BOOL COptionConsumptionRentalClass::SetDataData(int nPage)
{
    SetTitle(LoadOptionString(20006) + m_strTypeName);
    return SetTwoChoiceChecks(PageArray(m_apData, nPage), 0, m_anTax, kRentalItems);
}

void COptionConsumptionRentalClass::CreatePrintArray(int)
{
    COptionClass::CreatePrintArray(1);
    BuildPrintPage(0, RentalLayout());
}

// Other incomes.

void COptionConsumptionIncomeClass::InitData()
{
    COptionClass::InitData();
    for (int& n : m_anOtherTax) n = 0;
    m_nInterestTax = 0;
    for (CString& str : m_astrIncomeName) str.Empty();
    for (CString& str : m_astrTypeName) str.Empty();
}

void COptionConsumptionIncomeClass::ReportDraw(CDC* pDC)
{
    DrawStackedSheet(pDC, 5);
    for (COptionConsumptionRentalClass& rental : m_aRental) rental.ReportDraw(pDC);
}

BOOL COptionConsumptionIncomeClass::SetFramePoint(int nPage) { return PlacePageItems(m_apFrame, nPage, IncomeLayout().frame); }
BOOL COptionConsumptionIncomeClass::SetWLinePoint(int nPage) { return PlacePageItems(m_apWLine, nPage, IncomeLayout().wline); }
BOOL COptionConsumptionIncomeClass::SetHLinePoint(int nPage) { return PlacePageItems(m_apHLine, nPage, IncomeLayout().hline); }
BOOL COptionConsumptionIncomeClass::SetItemPoint(int nPage) { return PlacePageItems(m_apItem, nPage, IncomeLayout().item); }
BOOL COptionConsumptionIncomeClass::SetSubItemPoint(int nPage) { return PlacePageItems(m_apSubItem, nPage, IncomeLayout().subitem); }
BOOL COptionConsumptionIncomeClass::SetDataPoint(int nPage) { return PlacePageItems(m_apData, nPage, IncomeLayout().data); }

BOOL COptionConsumptionIncomeClass::SetItemData(int nPage)
{
    return SetStringCells(PageArray(m_apItem, nPage), 0, 750, 4, 1);
}

BOOL COptionConsumptionIncomeClass::SetSubItemData(int nPage)
{
    return SetTwoChoiceLabels(PageArray(m_apSubItem, nPage), kIncomeItems, 800);
}

BOOL COptionConsumptionIncomeClass::SetDataData(int nPage)
{
    SetTitle(20005u);
    CObArray* pData = PageArray(m_apData, nPage);
    // Other incomes 1 to 6, then the cash-balance interest as item 6.
    BOOL bOk = SetStringCells(pData, kOtherIncomes, 808, 1, 1) &&
               SetTwoChoiceChecks(pData, kIncomeItems, m_anOtherTax, kOtherIncomes) &&
               SetCheckGroup(pData, kIncomeItems + 2 * kOtherIncomes, 2, m_nInterestTax);
    for (int j = 0; j < kOtherIncomes; ++j) bOk = SetCellText(pData, j, m_astrIncomeName[j], 1) && bOk;
    for (int k = 0; k < kCategories; ++k) {
        m_aRental[k].m_strTypeName = m_astrTypeName[k];
        if (!m_aRental[k].SetDataData(0)) bOk = FALSE;
    }
    return bOk;
}

void COptionConsumptionIncomeClass::CreatePrintArray(int)
{
    for (int k = 0; k < kCategories; ++k) {
        m_aRental[k].m_strTypeName = m_astrTypeName[k];
        m_aRental[k].CreatePrintArray(1);
    }
    COptionClass::CreatePrintArray(1);
    BuildPrintPage(0, IncomeLayout());
}

void COptionConsumptionIncomeClass::DestroyPrintArray()
{
    for (COptionConsumptionRentalClass& rental : m_aRental) rental.DestroyPrintArray();
    COptionClass::DestroyPrintArray();
}
