#include "data/datacost.h"

#include "data/costsheet.h"
#include "data/datasheetparts.h"
#include "sheet/numberformat.h"

namespace {

constexpr int kItemRows = 8;
constexpr int kLabelColumns = 8;
constexpr int kItemBlockHeight = kItemRows * kSheetRow;
constexpr int kItemsPerPage = 5;
constexpr UINT kFirstTitleId = 20200;

struct CCostItemSheet {
    CSheetTables tables;
    CIdList labels;
    CIdList subLabels;
};

// The booking span (grid row 2), the column heads (row 3) and the four
// schedule steps below them.
void AddScheduleRows(CSheetTables& t)
{
    t.subitem.Box(11, 2, 4).Box(18, 2, 5);
    t.data.Box(8, 2, 3).Box(15, 2, 3);
    for (int col : {11, 15, 18, 23}) t.hline.VLine(col, 2, 3);

    t.item.Box(8, 3, 7).Box(15, 3, 8).Box(23, 3, 7).Box(30, 3, 7).Box(37, 3, 8);
    for (int col : {15, 23, 30, 37}) t.hline.VLine(col, 3, kItemRows);
    for (int col : {11, 18, 26, 36}) t.hline.VLine(col, 4, kItemRows);
    for (int row = 4; row < kItemRows; ++row) {
        t.subitem.Box(11, row, 4).Box(18, row, 5).Box(26, row, 4).Box(36, row, 1);
        t.data.Box(8, row, 3).Box(15, row, 3).Box(23, row, 3).Box(30, row, 6);
        AddOptionCells(t, row, {37, 41});
    }
}

CSheetTables ItemTables(void (*addTopRows)(CSheetTables&))
{
    CSheetTables t;
    t.frame.Frame(0, 0, kSheetColumns, kItemRows);
    for (int row = 1; row < kItemRows; ++row) t.wline.HLine(row, 0, kSheetColumns);
    t.item.Boxes(0, 0, kLabelColumns, 1, kItemRows, true);
    t.hline.VLine(kLabelColumns, 0, kItemRows);
    addTopRows(t);
    AddScheduleRows(t);
    return t;
}

// Amount and unit, then the input method (total or per tsubo).
void AddPerTsuboRows(CSheetTables& t)
{
    t.data.Box(8, 0, 15);
    t.subitem.Box(23, 0, 22);
    t.hline.VLine(23, 0, 1);
    AddOptionCells(t, 1, {8, 23});
    for (int col : {9, 23}) t.hline.VLine(col, 1, 2);
}

// Amount with its unit choice (thousand yen or percent), then the input method.
void AddConstructionShareRows(CSheetTables& t)
{
    t.data.Box(8, 0, 15);
    AddOptionCells(t, 0, {23, 34});
    for (int col : {23, 24, 34}) t.hline.VLine(col, 0, 1);
    AddOptionCells(t, 1, {8, 23});
    for (int col : {9, 23}) t.hline.VLine(col, 1, 2);
}

// Name, then amount and unit.
void AddOtherExpenseRows(CSheetTables& t)
{
    t.data.Box(8, 0, 37).Box(8, 1, 15);
    t.subitem.Box(23, 1, 22);
    t.hline.VLine(23, 1, 2);
}

const CCostItemSheet& Sheet(int nVariant)
{
    static const CCostItemSheet sheets[] = {
        {ItemTables(AddPerTsuboRows), CIdList().Run(800, 812),
         CIdList{10005, 850, 851, 852, 853}.Run(852, 857, 4)},
        {ItemTables(AddConstructionShareRows), CIdList().Run(800, 812),
         CIdList{10005, 10000, 860, 861, 852, 853}.Run(852, 857, 4)},
        {ItemTables(AddOtherExpenseRows), CIdList{820, 800}.Run(802, 812),
         CIdList{10005, 852, 853}.Run(852, 857, 4)},
    };
    return sheets[nVariant];
}

} // namespace

CDataCostItemClass::CDataCostItemClass() : tagDATACOSTITEM{}
{
    InitData();
}

CDataCostItemClass::Variant CDataCostItemClass::GetVariant() const
{
    if (m_nIndex == 2 || m_nIndex == 3) return kConstructionShare;
    if (m_nIndex >= 4 && m_nIndex <= 9) return kOtherExpense;
    return kPerTsubo;
}

void CDataCostItemClass::InitData()
{
    CDataClass::InitData();
    adAmount[0] = adAmount[1] = 0.0;
    nInputMethod = 0;
    nFromYear = 0;
    nToYear = 0;
    m_strOtherName.Empty();
    m_nIndex = -1;
}

void CDataCostItemClass::DestroyData()
{
    CDataClass::InitData();
}

void CDataCostItemClass::ReportDraw(CDC* pDC)
{
    DrawPrintPage(pDC, 0, 0);
}

void CDataCostItemClass::CreatePrintArray(int)
{
    CDataClass::CreatePrintArray(1);
    BuildPrintPage(0, Sheet(GetVariant()).tables);
}

BOOL CDataCostItemClass::SetFramePoint(int)
{
    return PlacePageItems(m_apFrame, 0, Sheet(GetVariant()).tables.frame);
}

BOOL CDataCostItemClass::SetWLinePoint(int)
{
    return PlacePageItems(m_apWLine, 0, Sheet(GetVariant()).tables.wline);
}

BOOL CDataCostItemClass::SetHLinePoint(int)
{
    return PlacePageItems(m_apHLine, 0, Sheet(GetVariant()).tables.hline);
}

BOOL CDataCostItemClass::SetItemPoint(int)
{
    return PlacePageItems(m_apItem, 0, Sheet(GetVariant()).tables.item);
}

BOOL CDataCostItemClass::SetSubItemPoint(int)
{
    return PlacePageItems(m_apSubItem, 0, Sheet(GetVariant()).tables.subitem);
}

BOOL CDataCostItemClass::SetDataPoint(int)
{
    return PlacePageItems(m_apData, 0, Sheet(GetVariant()).tables.data);
}

BOOL CDataCostItemClass::SetItemData1()
{
    return SetStringCells(m_apItem[0], 0, Sheet(kPerTsubo).labels.Ids(), kAlignCentre);
}

BOOL CDataCostItemClass::SetItemData2()
{
    return SetStringCells(m_apItem[0], 0, Sheet(kOtherExpense).labels.Ids(), kAlignCentre);
}

BOOL CDataCostItemClass::SetSubItemData1()
{
    return SetStringCells(m_apSubItem[0], 0, Sheet(kPerTsubo).subLabels.Ids(), kAlignLeft);
}

BOOL CDataCostItemClass::SetSubItemData2()
{
    return SetStringCells(m_apSubItem[0], 0, Sheet(kConstructionShare).subLabels.Ids(), kAlignLeft);
}

BOOL CDataCostItemClass::SetSubItemData3()
{
    return SetStringCells(m_apSubItem[0], 0, Sheet(kOtherExpense).subLabels.Ids(), kAlignLeft);
}

BOOL CDataCostItemClass::SetItemData(int)
{
    return GetVariant() == kOtherExpense ? SetItemData2() : SetItemData1();
}

BOOL CDataCostItemClass::SetSubItemData(int)
{
    switch (GetVariant()) {
    case kConstructionShare: return SetSubItemData2();
    case kOtherExpense: return SetSubItemData3();
    default: return SetSubItemData1();
    }
}

CString CDataCostItemClass::SelectedAmountText() const
{
    if (nInputMethod != 0 && nInputMethod != 1) return CString();
    return FormatNumberText(-1, adAmount[nInputMethod], TRUE);
}

BOOL CDataCostItemClass::SetScheduleData(int nFirst)
{
    CObArray* pData = m_apData[0];
    return SetIntegerCell(pData, nFirst, nFromYear) && SetIntegerCell(pData, nFirst + 1, nToYear) &&
           SetScheduleCells(pData, nFirst + 2, *this);
}

BOOL CDataCostItemClass::SetDataData1()
{
    return SetCellText(m_apData[0], 0, SelectedAmountText(), kAlignRight) &&
           SetCheckGroup(m_apData[0], 1, 2, nInputMethod) && SetScheduleData(3);
}

BOOL CDataCostItemClass::SetDataData2()
{
    return SetCellText(m_apData[0], 0, SelectedAmountText(), kAlignRight) &&
           SetCheckGroup(m_apData[0], 1, 2, nInputMethod) && SetCheckGroup(m_apData[0], 3, 2, nInputMethod) &&
           SetScheduleData(5);
}

BOOL CDataCostItemClass::SetDataData3()
{
    return SetCellText(m_apData[0], 0, m_strOtherName, kAlignLeft) &&
           SetNumberCell(m_apData[0], 1, adAmount[0]) && SetScheduleData(2);
}

BOOL CDataCostItemClass::SetDataData(int)
{
    const Variant variant = GetVariant();
    BOOL bFilled;
    switch (variant) {
    case kConstructionShare: bFilled = SetDataData2(); break;
    case kOtherExpense: bFilled = SetDataData3(); break;
    default: bFilled = SetDataData1(); break;
    }
    if (variant == kOtherExpense && !m_strOtherName.IsEmpty())
        SetTitle(m_strOtherName);
    else if (m_nIndex >= 0 && m_nIndex < CDataCostClass::kItemCount)
        SetTitle(LoadDataString(kFirstTitleId + m_nIndex));
    else
        SetTitle(CString());
    return bFilled;
}

void CDataCostClass::ReportDraw(CDC* pDC)
{
    if (m_nPage != 1 && m_nPage != 2) return;
    const int nFirst = (m_nPage - 1) * kItemsPerPage;
    for (int i = nFirst; i < nFirst + kItemsPerPage; ++i) {
        DrawSubRecord(pDC, m_aCostItem[i], m_anPrintFlag[0][4]);
        MoveOriginDown(pDC, kItemBlockHeight);
    }
}

BOOL CDataCostClass::SetDataData(int)
{
    for (int i = 0; i < kItemCount; ++i) {
        m_aCostItem[i].m_nIndex = i;
        m_aCostItem[i].SetDataData(0);
    }
    return TRUE;
}

void CDataCostClass::CreatePrintArray(int)
{
    for (int i = 0; i < kItemCount; ++i) {
        m_aCostItem[i].m_nIndex = i;
        m_aCostItem[i].CreatePrintArray(1);
    }
}

void CDataCostClass::DestroyPrintArray()
{
    for (CDataCostItemClass& item : m_aCostItem) item.DestroyPrintArray();
    CDataClass::DestroyPrintArray();
}
