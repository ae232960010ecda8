// A loan's block on the funding sheet, in the ordinary and the
// automatic-loan variant.
#include "data/dataloan.h"

#include <vector>

#include "data/datasheetparts.h"
#include "sheet/numberformat.h"

namespace {

constexpr int kLabelColumns = 12;
constexpr int kOrdinaryRows = 14;
constexpr int kAutoRows = 13;
constexpr int kLandPurchaseIndex = 5;
constexpr int kCapitalIndex1 = 6;
constexpr int kCapitalIndex2 = 7;
constexpr int kPeriods = CDataLoanClass::kRepayCount - 1;

// W-lines under every row of the ordinary block; the automatic block uses the first 12.
CLayoutTable LoanWLines()
{
    CLayoutTable t;
    for (int r = 1; r < kOrdinaryRows; ++r) t.HLine(r, 0, 45);
    return t;
}

// The rows both variants share, from the heading "臨時返済" at row b to the
// last repayment period: extra repayment years, amount and source, the table
// heads, the grace period and the four periods, with "開始年" 12-20,
// "終了年" 20-28, "金利" 28-37 and "返済年数" 37-45.
void AddRepayRows(CSheetTables& l, int b)
{
    const int rEnd = b + 10;
    l.hline.VLine(kLabelColumns, b + 1, rEnd);
    l.hline.VLine(16, b + 1, b + 2).VLine(20, b + 1, b + 2).VLine(28, b + 1, b + 2).VLine(24, b + 1, b + 4);
    l.hline.VLine(13, b + 3, b + 4).VLine(25, b + 3, b + 4);
    l.hline.VLine(20, b + 4, rEnd).VLine(28, b + 4, rEnd).VLine(37, b + 4, rEnd);
    l.hline.VLine(24, b + 5, rEnd).VLine(35, b + 5, rEnd).VLine(16, b + 6, rEnd).VLine(43, b + 6, rEnd);

    l.item.Box(0, b, 45);
    for (int r = b + 1; r < rEnd; ++r) l.item.Box(0, r, kLabelColumns);
    l.item.Box(12, b + 4, 8).Box(20, b + 4, 8).Box(28, b + 4, 9).Box(37, b + 4, 8);

    l.subitem.Box(16, b + 1, 4).Box(24, b + 1, 4).Box(24, b + 2, 21).Box(13, b + 3, 11).Box(25, b + 3, 20);
    l.subitem.Box(24, b + 5, 4).Box(35, b + 5, 2);
    l.data.Box(12, b + 1, 4).Box(20, b + 1, 4).Box(12, b + 2, 12).Box(12, b + 3, 1).Box(24, b + 3, 1);
    l.data.Box(20, b + 5, 4).Box(28, b + 5, 7);
    for (int r = b + 6; r < rEnd; ++r) {
        l.subitem.Box(16, r, 4).Box(24, r, 4).Box(35, r, 2).Box(43, r, 2);
        l.data.Box(12, r, 4).Box(20, r, 4).Box(28, r, 7).Box(37, r, 6);
    }
    // The notes below the frame.
    l.subitem.Box(0, rEnd, 45).Box(0, rEnd + 1, 45);
}

// Lender, amount, repayment method and mortgage fee above the shared rows.
CSheetTables OrdinaryLayout()
{
    CSheetTables l;
    l.frame.Frame(0, 0, 45, kOrdinaryRows);
    l.wline = LoanWLines();
    l.hline.VLine(kLabelColumns, 0, 4).VLine(24, 1, 4).VLine(13, 2, 4).VLine(25, 2, 4).VLine(28, 1, 2);
    l.item.Boxes(0, 0, kLabelColumns, 1, 4, true);
    l.subitem.Box(24, 1, 4).Box(13, 2, 11).Box(25, 2, 20).Box(13, 3, 11).Box(25, 3, 20);
    l.data.Box(12, 0, 33).Box(12, 1, 12).Box(12, 2, 1).Box(24, 2, 1).Box(12, 3, 1).Box(24, 3, 1);
    AddRepayRows(l, 4);
    return l;
}

// Use, three repayment methods and mortgage fee above the shared rows.
CSheetTables AutoLayout()
{
    CSheetTables l;
    l.frame.Frame(0, 0, 45, kAutoRows);
    l.wline = LoanWLines();
    l.hline.VLine(kLabelColumns, 0, 3).VLine(13, 0, 3);
    l.hline.VLine(24, 0, 1).VLine(25, 0, 1).VLine(36, 0, 1);
    l.hline.VLine(22, 1, 2).VLine(23, 1, 2).VLine(32, 1, 2).VLine(33, 1, 2);
    l.hline.VLine(24, 2, 3).VLine(25, 2, 3);
    l.item.Boxes(0, 0, kLabelColumns, 1, 3, true);
    l.subitem.Box(13, 0, 11).Box(25, 0, 11).Box(13, 1, 9).Box(23, 1, 9).Box(33, 1, 12);
    l.subitem.Box(13, 2, 11).Box(25, 2, 20);
    l.data.Box(12, 0, 1).Box(24, 0, 1).Box(12, 1, 1).Box(22, 1, 1).Box(32, 1, 1).Box(12, 2, 1).Box(24, 2, 1);
    AddRepayRows(l, 3);
    return l;
}

const CSheetTables& LoanLayout(bool bAuto)
{
    static const CSheetTables ordinary = OrdinaryLayout(), automatic = AutoLayout();
    return bAuto ? automatic : ordinary;
}

// The notes of a loan by its position.
std::vector<UINT> NoteIDs(int nIndex)
{
    switch (nIndex) {
    case kLandPurchaseIndex: return {2566, 2567};
    case kCapitalIndex1: return {2560};
    case kCapitalIndex2: return {2562};
    case CDataLoanClass::kAutoLoanIndex: return {2571};
    default: return {};
    }
}

} // namespace

void CDataLoanClass::CreatePrintArray(int)
{
    CDataClass::CreatePrintArray(1);
    if (IsAutoLoan())
        BuildPrintPage(0, {4, 12, 25, 17, 32, 30});
    else
        BuildPrintPage(0, {4, 13, 19, 18, 30, 29});
}

void CDataLoanClass::ReportDraw(CDC* pDC)
{
    DrawPrintPage(pDC, 0, 0);
}

BOOL CDataLoanClass::SetFramePoint(int)
{
    return PlacePageItems(m_apFrame, 0, LoanLayout(IsAutoLoan()).frame);
}

BOOL CDataLoanClass::SetWLinePoint(int)
{
    return PlacePageItems(m_apWLine, 0, LoanLayout(IsAutoLoan()).wline);
}

BOOL CDataLoanClass::SetHLinePoint(int)
{
    return PlacePageItems(m_apHLine, 0, LoanLayout(IsAutoLoan()).hline);
}

BOOL CDataLoanClass::SetItemPoint(int)
{
    return PlacePageItems(m_apItem, 0, LoanLayout(IsAutoLoan()).item);
}

BOOL CDataLoanClass::SetSubItemPoint(int)
{
    return PlacePageItems(m_apSubItem, 0, LoanLayout(IsAutoLoan()).subitem);
}

BOOL CDataLoanClass::SetDataPoint(int)
{
    return PlacePageItems(m_apData, 0, LoanLayout(IsAutoLoan()).data);
}

BOOL CDataLoanClass::SetItemData(int)
{
    // The automatic loan's first label replaces the lender and amount rows.
    if (IsAutoLoan()) return SetStringCells(m_apItem[0], 2501, 1) && SetStringCells(m_apItem[0], 0, 2518, 1, 1);
    return SetStringCells(m_apItem[0], 2500, 1);
}

BOOL CDataLoanClass::SetSubItemData(int)
{
    std::vector<CString> texts;
    auto add = [&texts](std::initializer_list<UINT> ids) {
        for (UINT nID : ids) texts.push_back(LoadDataString(nID));
    };
    if (IsAutoLoan()) add({2542, 2543, 2530, 2531, 2544});
    else add({10005, 2530, 2531});
    add({2532, 2533, 2537, 2538});
    texts.push_back(LoadDataString(10005) + LoadDataString(2534));
    add({2535, 2536, 2541, 2539});
    for (int p = 0; p < kPeriods; ++p) add({2537, 2538, 2539, 2540});
    for (UINT nID : NoteIDs(m_nIndex)) add({nID});

    CObArray* pArray = m_apSubItem[0];
    if (!pArray) return FALSE;
    for (int i = 0; i < pArray->GetSize(); ++i)
        if (!SetCellText(pArray, i, i < int(texts.size()) ? texts[i] : CString(), 0)) return FALSE;
    return TRUE;
}

void CDataLoanClass::SetLoanTitle()
{
    if (IsAutoLoan())
        SetTitle(20730u);
    else if ((m_nIndex == kCapitalIndex1 || m_nIndex == kCapitalIndex2) && m_nCapitalPayYear > 0)
        SetTitle(LoadDataString(20720) + FormatFullWidthNumber(m_nIndex - 5));
    else if (!m_strBankName.IsEmpty())
        SetTitle(m_strBankName);
    else
        SetTitle(LoadDataString(20710) + FormatFullWidthNumber(m_nIndex + 1));
}

BOOL CDataLoanClass::SetDataData(int)
{
    SetLoanTitle();
    CObArray* p = m_apData[0];
    // k: the number of repayment methods; the automatic loan's use cells are
    // set by the funding record.
    const int k = IsAutoLoan() ? 3 : 2;
    BOOL bOK = IsAutoLoan() || (SetCellText(p, 0, m_strBankName, 0) && SetNumberCell(p, 1, dAmount));
    bOK = bOK && SetCheckGroup(p, 2, k, nRepayMethod) && SetCheckGroup(p, k + 2, 2, nMortgageFee) &&
          SetIntegerCell(p, k + 4, nSpecialFromYear) && SetIntegerCell(p, k + 5, nSpecialToYear) &&
          SetNumberCell(p, k + 6, dSpecialAmount) && SetCheckGroup(p, k + 7, 2, nSpecialSource) &&
          SetIntegerCell(p, k + 9, m_aRepay[0].nEndYear) && SetNumberCell(p, k + 10, m_aRepay[0].dRate);
    for (int period = 1; bOK && period <= kPeriods; ++period) {
        const tagDATAREPAY& r = m_aRepay[period];
        const int c = k + 11 + 4 * (period - 1);
        bOK = SetIntegerCell(p, c, r.nStartYear) && SetIntegerCell(p, c + 1, r.nEndYear) &&
              SetNumberCell(p, c + 2, r.dRate) && SetIntegerCell(p, c + 3, GetRepayPeriod(period));
    }
    return bOK;
}

void CDataLoanClass::CreateDataData()
{
    if (m_apData[0]) ClearCells(m_apData[0], 0, m_apData[0]->GetSize());
}

void CDataLoanClass::SetUseData(int n)
{
    if (IsAutoLoan()) SetCheckGroup(m_apData[0], 0, 2, n);
}
