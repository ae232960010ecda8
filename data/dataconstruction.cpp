#include "data/dataconstruction.h"

#include "data/costsheet.h"
#include "sheet/numberformat.h"

namespace {

constexpr int kLabelColumns = 11;
constexpr int kNoChoice = -1;

// Depreciation item: four rows, plus the name row of a named item.
constexpr int kDepreciationRows = 4;
constexpr UINT kMainBuildingTitleId = 20820;
constexpr UINT kOtherItemTitleId = 20822;

// Capital expenditure: six framed rows and a note row below them.
constexpr int kCapitalPayRows = 6;
constexpr int kCapitalPayBlockHeight = (kCapitalPayRows + 1) * kSheetRow;
constexpr int kFirstItemChoiceCell = 2;
constexpr int kFirstSourceCell = 8;
constexpr int kSourceChoices = 3;
constexpr UINT kCapitalPayTitleId = 20840;
constexpr UINT kFirstLoanNoteId = 2830;

// Construction-cost block: nine framed rows and three note rows.
constexpr int kCostRows = 9;
constexpr int kCostBlockHeight = (kCostRows + 3) * kSheetRow;
constexpr UINT kCostTitleId = 20800;
enum CostCell {
    kAmountInputCell = 0,
    kCostCell = 2,
    kUnitCell = 3,
    kCompressionCell = 5,
    kBookValueCell = 7,
    kAccountingCell = 8,
    kPaymentCell = 13,
};
constexpr int kAccountingChoices = 5;
constexpr int kPaymentChoices = 4;
constexpr int kRatioTotalInput = 2;

struct CRecordSheet {
    CSheetTables tables;
    CIdList labels;
};

CSheetTables DepreciationTables(bool bNamed)
{
    const int top = bNamed ? 1 : 0;
    const int rows = top + kDepreciationRows;
    CSheetTables t;
    t.frame.Frame(0, 0, kSheetColumns, rows);
    for (int row = 1; row < rows; ++row) t.wline.HLine(row, 0, kSheetColumns);
    t.item.Boxes(0, 0, kLabelColumns, 1, rows, true);
    t.hline.VLine(kLabelColumns, 0, rows);
    if (bNamed) t.data.Box(11, 0, 34);
    // Amount with its unit, useful life, method and extra depreciation.
    t.data.Box(11, top, 17);
    AddOptionCells(t, top, {28, 36});
    for (int col : {28, 29, 36}) t.hline.VLine(col, top, top + 1);
    t.data.Box(11, top + 1, 17);
    t.subitem.Box(28, top + 1, 17);
    AddOptionCells(t, top + 2, {11, 28});
    AddOptionCells(t, top + 3, {11, 28});
    for (int row = top + 1; row < rows; ++row) t.hline.VLine(28, row, row + 1);
    return t;
}

const CRecordSheet& DepreciationSheet(bool bNamed)
{
    static const CRecordSheet named{DepreciationTables(true), CIdList().Run(2700, 2704)};
    static const CRecordSheet unnamed{DepreciationTables(false), CIdList().Run(2701, 2704)};
    return bNamed ? named : unnamed;
}

const CSheetTables& CapitalPayTables()
{
    static const CSheetTables tables = [] {
        CSheetTables t;
        t.frame.Frame(0, 0, kSheetColumns, kCapitalPayRows);
        for (int row : {1, 2, 5}) t.wline.HLine(row, 0, kSheetColumns);
        for (int row : {3, 4}) t.wline.HLine(row, kLabelColumns, kSheetColumns);
        t.item.Box(0, 0, kLabelColumns).Box(0, 1, kLabelColumns).Box(0, 2, kLabelColumns, 3).Box(0, 5, kLabelColumns);
        t.hline.VLine(kLabelColumns, 0, kCapitalPayRows);
        for (int row = 0; row < 5; ++row) t.hline.VLine(28, row, row + 1);
        for (int col : {22, 33}) t.hline.VLine(col, 5, 6);
        // Year and amount with their units, the item choices, the source.
        t.data.Box(11, 0, 17).Box(11, 1, 17);
        t.subitem.Box(28, 0, 17).Box(28, 1, 17);
        for (int row = 2; row < 5; ++row) AddOptionCells(t, row, {11, 28});
        AddOptionCells(t, 5, {11, 22, 33});
        t.subitem.Box(0, kCapitalPayRows, kSheetColumns);
        return t;
    }();
    return tables;
}

// Accounting cells are fitted to their labels so that each of the five has a
// cell of its own; the payment cells keep their even columns.
const CRecordSheet& CostSheet()
{
    static const CRecordSheet sheet{[] {
        CSheetTables t;
        t.frame.Frame(0, 0, kSheetColumns, kCostRows);
        for (int row = 1; row < kCostRows; ++row) t.wline.HLine(row, 0, kSheetColumns);
        for (int row = 0; row < kCostRows; ++row) {
            const bool bHeading = row == 3 || row == 6;
            t.item.Box(0, row, bHeading ? kSheetColumns : kLabelColumns);
            if (!bHeading) t.hline.VLine(kLabelColumns, row, row + 1);
        }
        for (int row : {0, 1, 2, 4, 5}) t.hline.VLine(28, row, row + 1);
        AddOptionCells(t, 0, {11, 28});
        t.data.Box(11, 1, 17);
        t.subitem.Box(28, 1, 17);
        AddOptionCells(t, 2, {11, 28});
        AddOptionCells(t, 4, {11, 28});
        t.data.Box(11, 5, 17);
        t.subitem.Box(28, 5, 17);
        AddOptionCells(t, 7, {11, 18, 25, 28, 35});
        AddOptionCells(t, 8, {11, 19, 28, 36});
        for (int col : {18, 25, 35}) t.hline.VLine(col, 7, 8);
        for (int col : {19, 36}) t.hline.VLine(col, 8, 9);
        t.hline.VLine(28, 7, 9);
        t.subitem.Boxes(0, kCostRows, kSheetColumns, 1, 3, true);
        return t;
    }(), CIdList().Run(2600, 2608)};
    return sheet;
}

const CIdList& CostSubLabels()
{
    static const CIdList ids =
        CIdList{2620, 2621, 10005, 2622, 2623, 2624, 2625, 10005}.Run(1510, 1518).Run(2630, 2632);
    return ids;
}

} // namespace

// --- Depreciation item ---

CDataDepreciationClass::CDataDepreciationClass() : tagDATADEPRECIATION{}
{
    InitData();
}

void CDataDepreciationClass::InitData()
{
    CDataClass::InitData();
    dAmount = 0.0;
    nLife = 0;
    nMethod = 0;
    nExtra = 0;
    m_strName.Empty();
    m_nIndex = 0;
}

void CDataDepreciationClass::ReportDraw(CDC* pDC)
{
    DrawPrintPage(pDC, 0, 0);
}

void CDataDepreciationClass::CreatePrintArray(int)
{
    CDataClass::CreatePrintArray(1);
    BuildPrintPage(0, DepreciationSheet(IsNamed()).tables);
}

BOOL CDataDepreciationClass::SetFramePoint(int)
{
    return PlacePageItems(m_apFrame, 0, DepreciationSheet(IsNamed()).tables.frame);
}

BOOL CDataDepreciationClass::SetWLinePoint(int)
{
    return PlacePageItems(m_apWLine, 0, DepreciationSheet(IsNamed()).tables.wline);
}

BOOL CDataDepreciationClass::SetHLinePoint(int)
{
    return PlacePageItems(m_apHLine, 0, DepreciationSheet(IsNamed()).tables.hline);
}

BOOL CDataDepreciationClass::SetItemPoint(int)
{
    return PlacePageItems(m_apItem, 0, DepreciationSheet(IsNamed()).tables.item);
}

BOOL CDataDepreciationClass::SetSubItemPoint(int)
{
    return PlacePageItems(m_apSubItem, 0, DepreciationSheet(IsNamed()).tables.subitem);
}

BOOL CDataDepreciationClass::SetDataPoint(int)
{
    return PlacePageItems(m_apData, 0, DepreciationSheet(IsNamed()).tables.data);
}

BOOL CDataDepreciationClass::SetItemData(int)
{
    return SetStringCells(m_apItem[0], 0, DepreciationSheet(IsNamed()).labels.Ids(), kAlignCentre);
}

BOOL CDataDepreciationClass::SetSubItemData(int)
{
    return SetStringCells(m_apSubItem[0], 0, CIdList{10005, 10000, 10006}.Run(2720, 2723).Ids(), kAlignLeft);
}

BOOL CDataDepreciationClass::SetDataData(int)
{
    const int n = FirstAmountCell();
    CObArray* pData = m_apData[0];
    const BOOL bFilled = (!IsNamed() || SetCellText(pData, 0, m_strName, kAlignLeft)) &&
                         SetNumberCell(pData, n, dAmount) &&
                         SetNumberCell(pData, n + 3, double(nLife)) &&
                         SetCheckGroup(pData, n + 4, 2, nMethod) && SetCheckGroup(pData, n + 6, 2, nExtra);
    if (!IsNamed())
        SetTitle(LoadDataString(kMainBuildingTitleId + m_nIndex));
    else if (!m_strName.IsEmpty())
        SetTitle(m_strName);
    else
        SetTitle(LoadDataString(kOtherItemTitleId) + FormatFullWidthNumber(m_nIndex - 1));
    return bFilled;
}

void CDataDepreciationClass::SetUnit(int nUnit)
{
    SetCheckGroup(m_apData[0], FirstAmountCell() + 1, 2, nUnit);
}

// --- Capital expenditure ---

CDataCapitalPayClass::CDataCapitalPayClass() : tagDATACAPITALPAY{}
{
    InitData();
}

void CDataCapitalPayClass::InitData()
{
    CDataClass::InitData();
    nYear = 0;
    dAmount = 0.0;
    nSource = 0;
    nItem = 0;
    m_nIndex = 0;
}

void CDataCapitalPayClass::ReportDraw(CDC* pDC)
{
    DrawPrintPage(pDC, 0, 0);
}

void CDataCapitalPayClass::CreatePrintArray(int)
{
    CDataClass::CreatePrintArray(1);
    BuildPrintPage(0, CapitalPayTables());
}

BOOL CDataCapitalPayClass::SetFramePoint(int)
{
    return PlacePageItems(m_apFrame, 0, CapitalPayTables().frame);
}

BOOL CDataCapitalPayClass::SetWLinePoint(int)
{
    return PlacePageItems(m_apWLine, 0, CapitalPayTables().wline);
}

BOOL CDataCapitalPayClass::SetHLinePoint(int)
{
    return PlacePageItems(m_apHLine, 0, CapitalPayTables().hline);
}

BOOL CDataCapitalPayClass::SetItemPoint(int)
{
    return PlacePageItems(m_apItem, 0, CapitalPayTables().item);
}

BOOL CDataCapitalPayClass::SetSubItemPoint(int)
{
    return PlacePageItems(m_apSubItem, 0, CapitalPayTables().subitem);
}

BOOL CDataCapitalPayClass::SetDataPoint(int)
{
    return PlacePageItems(m_apData, 0, CapitalPayTables().data);
}

BOOL CDataCapitalPayClass::SetItemData(int)
{
    return SetStringCells(m_apItem[0], 0, 2800, 4, kAlignCentre);
}

// The six item choices are labelled by SetItemName.
BOOL CDataCapitalPayClass::SetSubItemData(int)
{
    return SetStringCells(m_apSubItem[0], 0, {10006, 10005}, kAlignLeft) &&
           SetStringCells(m_apSubItem[0], kFirstSourceCell,
                          CIdList().Run(2820, 2822).Add({kFirstLoanNoteId + m_nIndex}).Ids(), kAlignLeft);
}

BOOL CDataCapitalPayClass::SetDataData(int)
{
    CObArray* pData = m_apData[0];
    const BOOL bFilled = SetIntegerCell(pData, 0, nYear) &&
                         SetNumberCell(pData, 1, dAmount) &&
                         SetCheckGroup(pData, kFirstItemChoiceCell, CDataExpenseClass::kDepreciationCount, nItem) &&
                         SetCheckGroup(pData, kFirstSourceCell, kSourceChoices, nSource);
    SetTitle(LoadDataString(kCapitalPayTitleId) + FormatFullWidthNumber(m_nIndex + 1));
    return bFilled;
}

void CDataCapitalPayClass::SetItemName(CString* pNames)
{
    if (!pNames) return;
    CObArray* pSubItem = m_apSubItem[0];
    SetStringCells(pSubItem, kFirstItemChoiceCell, kMainBuildingTitleId, 2, kAlignLeft);
    for (int i = 2; i < CDataExpenseClass::kDepreciationCount; ++i)
        SetCellText(pSubItem, kFirstItemChoiceCell + i, pNames[i], kAlignLeft);
}

// --- Construction cost ---

void CDataExpenseClass::InitData()
{
    CDataClass::InitData();
    m_objCompression = tagDATACOMPRESSION{};
}

void CDataExpenseClass::CreatePrintArray(int)
{
    for (int i = 0; i < kDepreciationCount; ++i) {
        m_aDepreciation[i].m_nIndex = i;
        m_aDepreciation[i].CreatePrintArray(1);
    }
    for (int i = 0; i < kCapitalPayCount; ++i) {
        m_aCapitalPay[i].m_nIndex = i;
        m_aCapitalPay[i].CreatePrintArray(1);
    }
    CDataClass::CreatePrintArray(1);
    BuildPrintPage(0, CostSheet().tables);
}

void CDataExpenseClass::DestroyPrintArray()
{
    for (CDataDepreciationClass& item : m_aDepreciation) item.DestroyPrintArray();
    for (CDataCapitalPayClass& pay : m_aCapitalPay) pay.DestroyPrintArray();
    CDataClass::DestroyPrintArray();
}

BOOL CDataExpenseClass::SetFramePoint(int)
{
    return PlacePageItems(m_apFrame, 0, CostSheet().tables.frame);
}

BOOL CDataExpenseClass::SetWLinePoint(int)
{
    return PlacePageItems(m_apWLine, 0, CostSheet().tables.wline);
}

BOOL CDataExpenseClass::SetHLinePoint(int)
{
    return PlacePageItems(m_apHLine, 0, CostSheet().tables.hline);
}

BOOL CDataExpenseClass::SetItemPoint(int)
{
    return PlacePageItems(m_apItem, 0, CostSheet().tables.item);
}

BOOL CDataExpenseClass::SetSubItemPoint(int)
{
    return PlacePageItems(m_apSubItem, 0, CostSheet().tables.subitem);
}

BOOL CDataExpenseClass::SetDataPoint(int)
{
    return PlacePageItems(m_apData, 0, CostSheet().tables.data);
}

BOOL CDataExpenseClass::SetItemData(int)
{
    return SetStringCells(m_apItem[0], 0, CostSheet().labels.Ids(), kAlignCentre);
}

BOOL CDataExpenseClass::SetSubItemData(int)
{
    return SetStringCells(m_apSubItem[0], 0, CostSubLabels().Ids(), kAlignLeft);
}

BOOL CDataExpenseClass::SetCostData()
{
    const CDataExpenseMoneyClass& cost = m_objConstructionCost;
    const tagDATACOMPRESSION& compression = m_objCompression;
    const BOOL bRatio = cost.nInputMethod != 0;
    const BOOL bBookValue = bRatio && compression.nCompression != 0;
    CObArray* pData = m_apData[0];
    return SetCheckGroup(pData, kAmountInputCell, 2, bRatio ? 1 : 0) &&
           SetCellText(pData, kCostCell, bRatio ? FormatNumberText(-1, cost.dAmount, TRUE) : CString(), kAlignRight) &&
           SetCheckGroup(pData, kUnitCell, 2, bRatio ? cost.nInputMethod - kRatioTotalInput : kNoChoice) &&
           SetCheckGroup(pData, kCompressionCell, 2, bRatio ? compression.nCompression : kNoChoice) &&
           SetCellText(pData, kBookValueCell,
                       bBookValue ? FormatNumberText(-1, compression.dBookValue, TRUE) : CString(), kAlignRight) &&
           SetCheckGroup(pData, kAccountingCell, kAccountingChoices, cost.nAccounting) &&
           SetCheckGroup(pData, kPaymentCell, kPaymentChoices, cost.nPayment);
}

// Fills the cost block, then refreshes the depreciation items (values,
// titles and units) and the capital expenditures (values, titles and the
// names of their item choices).
BOOL CDataExpenseClass::SetDataData(int)
{
    const BOOL bFilled = SetCostData();
    const int nUnit = m_objConstructionCost.nInputMethod != 0 ? 1 : 0;
    CString astrNames[kDepreciationCount];
    for (int i = 0; i < kDepreciationCount; ++i) {
        CDataDepreciationClass& item = m_aDepreciation[i];
        item.m_nIndex = i;
        astrNames[i] = item.m_strName;
        item.SetDataData(0);
        item.SetUnit(nUnit);
    }
    for (int i = 0; i < kCapitalPayCount; ++i) {
        m_aCapitalPay[i].m_nIndex = i;
        m_aCapitalPay[i].SetDataData(0);
        m_aCapitalPay[i].SetItemName(astrNames);
    }
    return bFilled;
}

void CDataExpenseClass::ReportDraw(CDC* pDC)
{
    if (m_nPage == 1)
        ReportDraw1(pDC);
    else if (m_nPage == 2)
        ReportDraw2(pDC);
}

// The cost block, then each depreciation item below the block before it.
void CDataExpenseClass::ReportDraw1(CDC* pDC)
{
    DrawPrintPage(pDC, 0, kCostTitleId);
    int nHeight = kCostBlockHeight;
    for (int i = 0; i < kDepreciationCount; ++i) {
        MoveOriginDown(pDC, nHeight);
        DrawSubRecord(pDC, m_aDepreciation[i], m_anPrintFlag[0][4]);
        nHeight = (kDepreciationRows + (i >= 2 ? 1 : 0)) * kSheetRow;
    }
}

void CDataExpenseClass::ReportDraw2(CDC* pDC)
{
    for (CDataCapitalPayClass& pay : m_aCapitalPay) {
        DrawSubRecord(pDC, pay, m_anPrintFlag[0][4]);
        MoveOriginDown(pDC, kCapitalPayBlockHeight);
    }
}
