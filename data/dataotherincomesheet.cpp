// Sheets of the other incomes and of the money lines outside the project:
// one block per item, stacked on two pages by the holders.
#include "data/dataotherincome.h"

#include "data/datasheetparts.h"

namespace {

constexpr UINT kSurplusTitleID = 20300;
constexpr UINT kIncomeTitleID = 20301;
constexpr UINT kMoneyTitleID = 20400;
constexpr int kIncomeRows = 8;
constexpr int kMoneyRows = 9;
constexpr int kIncomeAdvance = 8; // rows the holder moves on after an income block
constexpr int kMoneyAdvance = 11; // the same after a money line
constexpr int kSteps = CDataRateClass::kStepCount;
constexpr int kStepCells = 6;

// The frame, the rules under every row but the last and the label column rule.
CSheetTables BlockFrame(int nRows)
{
    CSheetTables l;
    l.frame.Frame(0, 0, 45, nRows);
    for (int r = 1; r < nRows; ++r) l.wline.HLine(r, 0, 45);
    l.hline.VLine(8, 0, nRows);
    return l;
}

// Name, amount, booking years, the schedule heads and the four steps, from
// row r0 to the block's last row. The rate head ends at nRateHeadEnd.
void AddScheduleRows(CSheetTables& l, int r0, int nRateHeadEnd)
{
    const int rEnd = r0 + kIncomeRows;
    l.hline.VLine(23, r0 + 1, rEnd).VLine(15, r0 + 2, rEnd).VLine(11, r0 + 2, r0 + 3).VLine(18, r0 + 2, r0 + 3);
    l.hline.VLine(30, r0 + 3, rEnd).VLine(37, r0 + 3, rEnd);
    for (int c : {11, 18, 26, 36, 38, 41, 42}) l.hline.VLine(c, r0 + 4, rEnd);

    l.item.Boxes(0, r0, 8, 1, kIncomeRows, true);
    l.item.Box(8, r0 + 3, 7).Box(15, r0 + 3, 8).Box(23, r0 + 3, 7);
    l.item.Box(30, r0 + 3, nRateHeadEnd - 30).Box(37, r0 + 3, 8);

    l.subitem.Box(23, r0 + 1, 22).Box(11, r0 + 2, 4).Box(18, r0 + 2, 5);
    l.data.Box(8, r0, 37).Box(8, r0 + 1, 15).Box(8, r0 + 2, 3).Box(15, r0 + 2, 3);
    for (int r = r0 + 4; r < rEnd; ++r) {
        l.subitem.Box(11, r, 4).Box(18, r, 5).Box(26, r, 4).Box(36, r, 1).Box(38, r, 3).Box(42, r, 3);
        l.data.Box(8, r, 3).Box(15, r, 3).Box(23, r, 3).Box(30, r, 6).Box(37, r, 1).Box(41, r, 1);
    }
}

const CSheetTables& IncomeLayout()
{
    static const CSheetTables layout = [] {
        CSheetTables l = BlockFrame(kIncomeRows);
        AddScheduleRows(l, 0, 37);
        return l;
    }();
    return layout;
}

// The kind row with its three check cells above the other-income rows.
const CSheetTables& MoneyLayout()
{
    static const CSheetTables layout = [] {
        CSheetTables l = BlockFrame(kMoneyRows);
        for (int c : {9, 20, 21, 32, 33}) l.hline.VLine(c, 0, 1);
        l.item.Box(0, 0, 8);
        l.subitem.Box(9, 0, 11).Box(21, 0, 11).Box(33, 0, 12);
        l.data.Box(8, 0, 1).Box(20, 0, 1).Box(32, 0, 1);
        AddScheduleRows(l, 1, 36);
        return l;
    }();
    return layout;
}

// Surplus-fund rate and minimum cash on one row.
const CSheetTables& SurplusLayout()
{
    static const CSheetTables layout = [] {
        CSheetTables l;
        l.frame.Frame(0, 0, 45, 1);
        for (int c : {12, 22, 24, 36, 42}) l.hline.VLine(c, 0, 1);
        l.item.Box(0, 0, 12).Box(24, 0, 12);
        l.subitem.Box(22, 0, 2).Box(42, 0, 3);
        l.data.Box(12, 0, 10).Box(36, 0, 6);
        return l;
    }();
    return layout;
}

// The units of the four step rows: strings nFirstID to nFirstID + 5 in each.
BOOL SetStepSubItems(CObArray* pArray, int nFirst, UINT nFirstID, int nAlign)
{
    for (int s = 0; s < kSteps; ++s)
        if (!CDataClass::SetStringCells(pArray, nFirst + s * kStepCells, nFirstID, kStepCells, nAlign)) return FALSE;
    return TRUE;
}

// The item's name, or the default title of its position.
CString ItemTitle(const CString& strName, UINT nFirstTitleID, int nIndex)
{
    return strName.IsEmpty() ? LoadDataString(nFirstTitleID + nIndex) : strName;
}

} // namespace

// Other income

void CDataOtherIncomeClass::CreatePrintArray(int)
{
    CDataClass::CreatePrintArray(1);
    BuildPrintPage(0, IncomeLayout());
}

void CDataOtherIncomeClass::ReportDraw(CDC* pDC)
{
    DrawPrintPage(pDC, 0, 0);
}

BOOL CDataOtherIncomeClass::SetFramePoint(int)
{
    return PlacePageItems(m_apFrame, 0, IncomeLayout().frame);
}

BOOL CDataOtherIncomeClass::SetWLinePoint(int)
{
    return PlacePageItems(m_apWLine, 0, IncomeLayout().wline);
}

BOOL CDataOtherIncomeClass::SetHLinePoint(int)
{
    return PlacePageItems(m_apHLine, 0, IncomeLayout().hline);
}

BOOL CDataOtherIncomeClass::SetItemPoint(int)
{
    return PlacePageItems(m_apItem, 0, IncomeLayout().item);
}

BOOL CDataOtherIncomeClass::SetSubItemPoint(int)
{
    return PlacePageItems(m_apSubItem, 0, IncomeLayout().subitem);
}

BOOL CDataOtherIncomeClass::SetDataPoint(int)
{
    return PlacePageItems(m_apData, 0, IncomeLayout().data);
}

BOOL CDataOtherIncomeClass::SetItemData(int)
{
    return SetStringCells(m_apItem[0], 1000, 1);
}

BOOL CDataOtherIncomeClass::SetSubItemData(int)
{
    return SetStringCells(m_apSubItem[0], 0, {10005, 1100, 1101}, 0) && SetStepSubItems(m_apSubItem[0], 3, 1100, 0);
}

BOOL CDataOtherIncomeClass::SetDataData(int)
{
    SetTitle(ItemTitle(m_strName, kIncomeTitleID, m_nIndex));
    CObArray* p = m_apData[0];
    return SetCellText(p, 0, m_strName, 0) && SetNumberCell(p, 1, dAmount) && SetIntegerCell(p, 2, nFromYear) &&
           SetIntegerCell(p, 3, nToYear) && SetScheduleCells(p, 4, *this);
}

// Surplus funds and the six other incomes

void CDataProRestOtherClass::CreatePrintArray(int)
{
    for (CDataOtherIncomeClass& item : m_aOtherIncome) item.CreatePrintArray(1);
    CDataClass::CreatePrintArray(1);
    BuildPrintPage(0, SurplusLayout());
}

void CDataProRestOtherClass::DestroyPrintArray()
{
    CDataClass::DestroyPrintArray();
    for (CDataOtherIncomeClass& item : m_aOtherIncome) item.DestroyPrintArray();
}

void CDataProRestOtherClass::ReportDraw(CDC* pDC)
{
    if (m_nPage == 1)
        ReportDraw1(pDC);
    else if (m_nPage == 2)
        ReportDraw2(pDC);
}

void CDataProRestOtherClass::ReportDraw1(CDC* pDC)
{
    if (!DrawPrintPage(pDC, 0, kSurplusTitleID)) return;
    MoveOriginDown(pDC, kSheetRow);
    for (int i = 0; i < 4; ++i) {
        DrawSubRecord(pDC, m_aOtherIncome[i], m_anPrintFlag[0][4]);
        MoveOriginDown(pDC, kIncomeAdvance * kSheetRow);
    }
}

void CDataProRestOtherClass::ReportDraw2(CDC* pDC)
{
    for (int i = 4; i < kIncomeCount; ++i) {
        DrawSubRecord(pDC, m_aOtherIncome[i], m_anPrintFlag[0][4]);
        MoveOriginDown(pDC, kIncomeAdvance * kSheetRow);
    }
}

BOOL CDataProRestOtherClass::SetFramePoint(int)
{
    return PlacePageItems(m_apFrame, 0, SurplusLayout().frame);
}

BOOL CDataProRestOtherClass::SetWLinePoint(int)
{
    return PlacePageItems(m_apWLine, 0, SurplusLayout().wline);
}

BOOL CDataProRestOtherClass::SetHLinePoint(int)
{
    return PlacePageItems(m_apHLine, 0, SurplusLayout().hline);
}

BOOL CDataProRestOtherClass::SetItemPoint(int)
{
    return PlacePageItems(m_apItem, 0, SurplusLayout().item);
}

BOOL CDataProRestOtherClass::SetSubItemPoint(int)
{
    return PlacePageItems(m_apSubItem, 0, SurplusLayout().subitem);
}

BOOL CDataProRestOtherClass::SetDataPoint(int)
{
    return PlacePageItems(m_apData, 0, SurplusLayout().data);
}

BOOL CDataProRestOtherClass::SetItemData(int)
{
    return SetStringCells(m_apItem[0], 900, 1);
}

BOOL CDataProRestOtherClass::SetSubItemData(int)
{
    return SetStringCells(m_apSubItem[0], 0, {10000, 10005}, 0);
}

BOOL CDataProRestOtherClass::SetDataData(int n)
{
    if (!SetNumberCell(m_apData[0], 0, dSurplusRate) || !SetNumberCell(m_apData[0], 1, dMinimumCash)) return FALSE;
    if (n == -1)
        for (CDataOtherIncomeClass& item : m_aOtherIncome) item.SetDataData(0);
    else if (n >= 0 && n < kIncomeCount)
        m_aOtherIncome[n].SetDataData(0);
    return TRUE;
}

// Money line outside the project

void CDataRestOtherMoneyClass::CreatePrintArray(int)
{
    CDataClass::CreatePrintArray(1);
    BuildPrintPage(0, MoneyLayout());
}

void CDataRestOtherMoneyClass::ReportDraw(CDC* pDC)
{
    DrawPrintPage(pDC, 0, 0);
}

BOOL CDataRestOtherMoneyClass::SetFramePoint(int)
{
    return PlacePageItems(m_apFrame, 0, MoneyLayout().frame);
}

BOOL CDataRestOtherMoneyClass::SetWLinePoint(int)
{
    return PlacePageItems(m_apWLine, 0, MoneyLayout().wline);
}

BOOL CDataRestOtherMoneyClass::SetHLinePoint(int)
{
    return PlacePageItems(m_apHLine, 0, MoneyLayout().hline);
}

BOOL CDataRestOtherMoneyClass::SetItemPoint(int)
{
    return PlacePageItems(m_apItem, 0, MoneyLayout().item);
}

BOOL CDataRestOtherMoneyClass::SetSubItemPoint(int)
{
    return PlacePageItems(m_apSubItem, 0, MoneyLayout().subitem);
}

BOOL CDataRestOtherMoneyClass::SetDataPoint(int)
{
    return PlacePageItems(m_apData, 0, MoneyLayout().data);
}

BOOL CDataRestOtherMoneyClass::SetItemData(int)
{
    return SetStringCells(m_apItem[0], 1200, 1);
}

BOOL CDataRestOtherMoneyClass::SetSubItemData(int)
{
    return SetStringCells(m_apSubItem[0], 0, {1300, 1301, 1302, 10005, 1303, 1304}, 0) &&
           SetStepSubItems(m_apSubItem[0], 6, 1303, 1);
}

BOOL CDataRestOtherMoneyClass::SetDataData(int)
{
    SetTitle(ItemTitle(m_strName, kMoneyTitleID, m_nIndex));
    CObArray* p = m_apData[0];
    return SetCheckGroup(p, 0, 3, nKind) && SetCellText(p, 3, m_strName, 0) && SetNumberCell(p, 4, dAmount) &&
           SetIntegerCell(p, 5, nFromYear) && SetIntegerCell(p, 6, nToYear) && SetScheduleCells(p, 7, *this);
}

// Conditions outside the project

void CDataRestOtherClass::CreatePrintArray(int)
{
    for (CDataRestOtherMoneyClass& line : m_aRestOtherMoney) line.CreatePrintArray(1);
}

void CDataRestOtherClass::DestroyPrintArray()
{
    for (CDataRestOtherMoneyClass& line : m_aRestOtherMoney) line.DestroyPrintArray();
}

void CDataRestOtherClass::ReportDraw(CDC* pDC)
{
    if (m_nPage != 1 && m_nPage != 2) return;
    const int nFirst = (m_nPage - 1) * 4;
    for (int i = nFirst; i < nFirst + 4; ++i) {
        DrawSubRecord(pDC, m_aRestOtherMoney[i], m_anPrintFlag[0][4]);
        MoveOriginDown(pDC, kMoneyAdvance * kSheetRow);
    }
}

BOOL CDataRestOtherClass::SetDataData(int n)
{
    if (n == -1)
        for (CDataRestOtherMoneyClass& line : m_aRestOtherMoney) line.SetDataData(0);
    else if (n >= 0 && n < kMoneyCount)
        m_aRestOtherMoney[n].SetDataData(0);
    return TRUE;
}
