// The funding sheet: own funds and the fund-shortage loan, then the loans'
// blocks over four pages.
#include "data/datasupply.h"

#include "data/datasheetparts.h"

namespace {

constexpr UINT kTitleID = 20700;
constexpr UINT kLandPurchaseTitleID = 20740;
constexpr int kLabelColumns = 12;
constexpr int kRowsBeforeLoan1 = 8;
constexpr int kRowsBeforeLoan2 = 14;

// Loans of pages 2 to 4 and the rows the origin moves after each.
struct CLaterLoan {
    int nPage, nLoan, nRowsAfter;
};
constexpr CLaterLoan kLaterLoans[] = {
    {2, 2, 14}, {2, 3, 14}, {2, 4, 14}, {3, 5, 16}, {3, 6, 16}, {4, 7, 16}, {4, 8, 0},
};

// Heading, own funds and land own funds; heading, use, rate and mortgage fee
// of the fund-shortage loan; the note below the frame.
const CSheetTables& FundLayout()
{
    static const CSheetTables layout = [] {
        CSheetTables l;
        l.frame.Frame(0, 0, 45, 7);
        for (int r = 1; r < 7; ++r) l.wline.HLine(r, 0, 45);
        l.hline.VLine(kLabelColumns, 1, 3).VLine(kLabelColumns, 4, 7).VLine(24, 1, 3).VLine(24, 4, 7);
        l.hline.VLine(13, 4, 5).VLine(25, 4, 5).VLine(13, 6, 7).VLine(25, 6, 7);
        l.item.Box(0, 0, 45).Box(0, 1, kLabelColumns).Box(0, 2, kLabelColumns).Box(0, 3, 45);
        l.item.Boxes(0, 4, kLabelColumns, 1, 3, true);
        l.subitem.Box(24, 1, 21).Box(24, 2, 21).Box(13, 4, 11).Box(25, 4, 20).Box(24, 5, 21);
        l.subitem.Box(13, 6, 11).Box(25, 6, 20).Box(0, 7, 45);
        l.data.Box(12, 1, 12).Box(12, 2, 12).Box(12, 4, 1).Box(24, 4, 1).Box(12, 5, 12);
        l.data.Box(12, 6, 1).Box(24, 6, 1);
        return l;
    }();
    return layout;
}

} // namespace

void CDataSupplyClass::CreatePrintArray(int)
{
    for (int i = 0; i < kLoanCount; ++i) {
        m_aLoan[i].m_nIndex = i;
        m_aLoan[i].CreatePrintArray(1);
    }
    CDataClass::CreatePrintArray(1);
    BuildPrintPage(0, FundLayout());
}

void CDataSupplyClass::DestroyPrintArray()
{
    for (CDataLoanClass& loan : m_aLoan) loan.DestroyPrintArray();
    CDataClass::DestroyPrintArray();
}

void CDataSupplyClass::ReportDraw(CDC* pDC)
{
    if (m_nPage == 1)
        ReportDraw1(pDC);
    else if (m_nPage >= 2 && m_nPage <= 4)
        ReportDraw2(pDC);
}

void CDataSupplyClass::ReportDraw1(CDC* pDC)
{
    if (!DrawPrintPage(pDC, 0, kTitleID)) return;
    MoveOriginDown(pDC, kRowsBeforeLoan1 * kSheetRow);
    DrawSubRecord(pDC, m_aLoan[0], m_anPrintFlag[0][4]);
    MoveOriginDown(pDC, kRowsBeforeLoan2 * kSheetRow);
    DrawSubRecord(pDC, m_aLoan[1], m_anPrintFlag[0][4]);
}

void CDataSupplyClass::ReportDraw2(CDC* pDC)
{
    for (const CLaterLoan& later : kLaterLoans) {
        if (later.nPage != m_nPage) continue;
        DrawSubRecord(pDC, m_aLoan[later.nLoan], m_anPrintFlag[0][4]);
        MoveOriginDown(pDC, later.nRowsAfter * kSheetRow);
    }
}

BOOL CDataSupplyClass::SetFramePoint(int)
{
    return PlacePageItems(m_apFrame, 0, FundLayout().frame);
}

BOOL CDataSupplyClass::SetWLinePoint(int)
{
    return PlacePageItems(m_apWLine, 0, FundLayout().wline);
}

BOOL CDataSupplyClass::SetHLinePoint(int)
{
    return PlacePageItems(m_apHLine, 0, FundLayout().hline);
}

BOOL CDataSupplyClass::SetItemPoint(int)
{
    return PlacePageItems(m_apItem, 0, FundLayout().item);
}

BOOL CDataSupplyClass::SetSubItemPoint(int)
{
    return PlacePageItems(m_apSubItem, 0, FundLayout().subitem);
}

BOOL CDataSupplyClass::SetDataPoint(int)
{
    return PlacePageItems(m_apData, 0, FundLayout().data);
}

BOOL CDataSupplyClass::SetItemData(int)
{
    return SetStringCells(m_apItem[0], 0, {2400, 2400, 2401, 2402, 2403, 2404, 2405}, 1);
}

BOOL CDataSupplyClass::SetSubItemData(int)
{
    return SetStringCells(m_apSubItem[0], 0, {10005, 10005, 2420, 2421, 10000, 2422, 2423, 2424}, 0);
}

BOOL CDataSupplyClass::SetDataData(int)
{
    CObArray* p = m_apData[0];
    BOOL bOK = SetNumberCell(p, 0, m_objFund.dOwnFund) && SetNumberCell(p, 1, m_objFund.dLandOwnFund) &&
               SetCheckGroup(p, 2, 2, m_objShortLoan.nUse);
    if (m_objShortLoan.nUse != 0)
        bOK = bOK && SetNumberCell(p, 4, m_objShortLoan.dRate) && SetCheckGroup(p, 5, 2, m_objShortLoan.nMortgageFee);
    else
        bOK = bOK && ClearCells(p, 4, 3);

    for (CDataLoanClass& loan : m_aLoan) loan.SetDataData(0);
    if (m_nLandPurchaseLoan == 1) m_aLoan[kLandPurchaseLoan].SetTitle(kLandPurchaseTitleID);
    CDataLoanClass& autoLoan = m_aLoan[kAutoLoan];
    if (m_nAutoLoan == 1) {
        autoLoan.CreateDataData();
        autoLoan.SetUseData(1);
    } else {
        autoLoan.SetUseData(0);
    }
    return bOK;
}
