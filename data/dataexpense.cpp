#include "data/dataexpense.h"

#include "data/costsheet.h"

namespace {

constexpr int kLineRows = 4;
constexpr int kLabelColumns = 9;
constexpr int kLineBlockHeight = kLineRows * kSheetRow;
constexpr int kFirstPageLines = 6;
constexpr int kAccountingChoices = 5;
constexpr int kPaymentChoices = 4;
constexpr UINT kFirstTitleId = 20500;
constexpr UINT kInterestNoteId = 1520;

struct CExpenseLineSheet {
    CSheetTables tables;
    CIdList labels;
    CIdList subLabels;
};

// Rows 3 and 4: each of the five accounting choices and each of the four
// payment choices has a cell of its own; the payment cells share the
// accounting cells' column rules.
void AddBookingRows(CSheetTables& t)
{
    AddOptionCells(t, 2, {9, 16, 23, 30, 37});
    AddOptionCells(t, 3, {9, 16, 23, 30});
    for (int col : {kLabelColumns, 16, 23, 30}) t.hline.VLine(col, 2, 4);
    t.hline.VLine(37, 2, 3);
}

// Row 3 with the accounting choices, row 4 a note instead of the payment
// choices.
void AddInterestRows(CSheetTables& t)
{
    AddOptionCells(t, 2, {9, 16, 23, 30, 37});
    for (int col : {kLabelColumns, 16, 23, 30, 37}) t.hline.VLine(col, 2, 3);
    t.subitem.Box(0, 3, kSheetColumns);
}

// Amount and unit in row 1.
void AddAmountRow(CSheetTables& t)
{
    t.data.Box(9, 0, 18);
    t.subitem.Box(27, 0, 18);
    for (int col : {kLabelColumns, 27}) t.hline.VLine(col, 0, 1);
}

// Amount with its unit choice (thousand yen or percent) in row 1, the input
// method in row 2.
void AddShareRows(CSheetTables& t)
{
    t.data.Box(9, 0, 18);
    AddOptionCells(t, 0, {27, 36});
    AddOptionCells(t, 1, {9, 27});
    for (int col : {kLabelColumns, 27, 28, 36}) t.hline.VLine(col, 0, 1);
    t.hline.VLine(kLabelColumns, 1, 2);
}

void AddTotalOrTsuboRows(CSheetTables& t)
{
    AddAmountRow(t);
    AddOptionCells(t, 1, {9, 27});
    t.hline.VLine(kLabelColumns, 1, 2);
    AddBookingRows(t);
}

void AddConstructionShareRows(CSheetTables& t)
{
    AddShareRows(t);
    AddBookingRows(t);
}

void AddInterestSheetRows(CSheetTables& t)
{
    AddShareRows(t);
    AddInterestRows(t);
}

// The only input method printed as a plain label.
void AddTotalOnlyRows(CSheetTables& t)
{
    AddAmountRow(t);
    t.subitem.Box(10, 1, 35);
    for (int col : {kLabelColumns, 27}) t.hline.VLine(col, 1, 2);
    AddBookingRows(t);
}

// Name in row 1, amount and unit in row 2.
void AddNamedRows(CSheetTables& t)
{
    t.data.Box(9, 0, 36).Box(9, 1, 18);
    t.subitem.Box(27, 1, 18);
    t.hline.VLine(kLabelColumns, 0, 1);
    for (int col : {kLabelColumns, 27}) t.hline.VLine(col, 1, 2);
    AddBookingRows(t);
}

CSheetTables LineTables(int nLabelRows, void (*addRows)(CSheetTables&))
{
    CSheetTables t;
    t.frame.Frame(0, 0, kSheetColumns, kLineRows);
    for (int row = 1; row < kLineRows; ++row) t.wline.HLine(row, 0, kSheetColumns);
    t.item.Boxes(0, 0, kLabelColumns, 1, nLabelRows, true);
    addRows(t);
    return t;
}

const CExpenseLineSheet& Sheet(int nVariant)
{
    static const CExpenseLineSheet sheets[] = {
        {LineTables(4, AddTotalOrTsuboRows), CIdList().Run(1400, 1403), CIdList{10005, 1500, 1501}.Run(1510, 1518)},
        {LineTables(4, AddConstructionShareRows), CIdList().Run(1400, 1403),
         CIdList{10005, 10000, 1500, 1502}.Run(1510, 1518)},
        {LineTables(3, AddInterestSheetRows), CIdList().Run(1400, 1402),
         CIdList{10005, 10000, 1500, 1503}.Run(1510, 1514)},
        {LineTables(4, AddTotalOnlyRows), CIdList().Run(1400, 1403), CIdList{10005, 1500}.Run(1510, 1518)},
        {LineTables(4, AddNamedRows), CIdList().Run(1410, 1413), CIdList{10005}.Run(1510, 1518)},
    };
    return sheets[nVariant];
}

} // namespace

CDataExpenseMoneyClass::CDataExpenseMoneyClass() : tagDATAEXPENSEMONEY{}
{
    InitData();
}

CDataExpenseMoneyClass::Variant CDataExpenseMoneyClass::GetVariant() const
{
    switch (m_nIndex) {
    case 0:
    case 1: return kTotalOrTsubo;
    case 2: return kConstructionShare;
    case 3: return kInterest;
    case 4:
    case 5: return kTotalOnly;
    default: return kNamed;
    }
}

void CDataExpenseMoneyClass::InitData()
{
    CDataClass::InitData();
    nInputMethod = 0;
    dAmount = 0.0;
    nAccounting = 0;
    nPayment = 0;
    m_strName.Empty();
}

void CDataExpenseMoneyClass::ReportDraw(CDC* pDC)
{
    DrawPrintPage(pDC, 0, 0);
}

void CDataExpenseMoneyClass::CreateVariantPage(Variant variant)
{
    BuildPrintPage(0, Sheet(variant).tables);
}

void CDataExpenseMoneyClass::CreatePrintArray1() { CreateVariantPage(kTotalOrTsubo); }
void CDataExpenseMoneyClass::CreatePrintArray2() { CreateVariantPage(kConstructionShare); }
void CDataExpenseMoneyClass::CreatePrintArray3() { CreateVariantPage(kInterest); }
void CDataExpenseMoneyClass::CreatePrintArray4() { CreateVariantPage(kTotalOnly); }
void CDataExpenseMoneyClass::CreatePrintArray5() { CreateVariantPage(kNamed); }

void CDataExpenseMoneyClass::CreatePrintArray(int)
{
    static constexpr void (CDataExpenseMoneyClass::*kCreators[])() = {
        &CDataExpenseMoneyClass::CreatePrintArray1, &CDataExpenseMoneyClass::CreatePrintArray2,
        &CDataExpenseMoneyClass::CreatePrintArray3, &CDataExpenseMoneyClass::CreatePrintArray4,
        &CDataExpenseMoneyClass::CreatePrintArray5,
    };
    CDataClass::CreatePrintArray(1);
    (this->*kCreators[GetVariant()])();
}

BOOL CDataExpenseMoneyClass::SetFramePoint(int)
{
    return PlacePageItems(m_apFrame, 0, Sheet(GetVariant()).tables.frame);
}

BOOL CDataExpenseMoneyClass::SetWLinePoint(int)
{
    return PlacePageItems(m_apWLine, 0, Sheet(GetVariant()).tables.wline);
}

BOOL CDataExpenseMoneyClass::SetHLinePoint(int)
{
    return PlacePageItems(m_apHLine, 0, Sheet(GetVariant()).tables.hline);
}

BOOL CDataExpenseMoneyClass::SetItemPoint(int)
{
    return PlacePageItems(m_apItem, 0, Sheet(GetVariant()).tables.item);
}

BOOL CDataExpenseMoneyClass::SetSubItemPoint(int)
{
    return PlacePageItems(m_apSubItem, 0, Sheet(GetVariant()).tables.subitem);
}

BOOL CDataExpenseMoneyClass::SetDataPoint(int)
{
    return PlacePageItems(m_apData, 0, Sheet(GetVariant()).tables.data);
}

BOOL CDataExpenseMoneyClass::SetItemData(int)
{
    return SetStringCells(m_apItem[0], 0, Sheet(GetVariant()).labels.Ids(), kAlignCentre);
}

BOOL CDataExpenseMoneyClass::SetSubItemData1()
{
    return SetStringCells(m_apSubItem[0], 0, Sheet(kTotalOrTsubo).subLabels.Ids(), kAlignLeft);
}

BOOL CDataExpenseMoneyClass::SetSubItemData2()
{
    if (GetVariant() != kInterest)
        return SetStringCells(m_apSubItem[0], 0, Sheet(kConstructionShare).subLabels.Ids(), kAlignLeft);
    const CIdList& ids = Sheet(kInterest).subLabels;
    return SetStringCells(m_apSubItem[0], 0, ids.Ids(), kAlignLeft) &&
           SetStringCells(m_apSubItem[0], int(ids.Ids().size()), {kInterestNoteId}, kAlignCentre);
}

BOOL CDataExpenseMoneyClass::SetSubItemData3()
{
    return SetStringCells(m_apSubItem[0], 0, Sheet(kTotalOnly).subLabels.Ids(), kAlignLeft);
}

BOOL CDataExpenseMoneyClass::SetSubItemData4()
{
    return SetStringCells(m_apSubItem[0], 0, Sheet(kNamed).subLabels.Ids(), kAlignLeft);
}

BOOL CDataExpenseMoneyClass::SetSubItemData(int)
{
    switch (GetVariant()) {
    case kTotalOrTsubo: return SetSubItemData1();
    case kTotalOnly: return SetSubItemData3();
    case kNamed: return SetSubItemData4();
    default: return SetSubItemData2();
    }
}

BOOL CDataExpenseMoneyClass::SetAmountData(int nCell)
{
    return SetNumberCell(m_apData[0], nCell, dAmount);
}

BOOL CDataExpenseMoneyClass::SetBookingData(int nFirst, BOOL bPayment)
{
    return SetCheckGroup(m_apData[0], nFirst, kAccountingChoices, nAccounting) &&
           (!bPayment || SetCheckGroup(m_apData[0], nFirst + kAccountingChoices, kPaymentChoices, nPayment));
}

BOOL CDataExpenseMoneyClass::SetDataData1()
{
    return SetAmountData(0) && SetCheckGroup(m_apData[0], 1, 2, nInputMethod) && SetBookingData(3, TRUE);
}

BOOL CDataExpenseMoneyClass::SetDataData2()
{
    return SetAmountData(0) && SetCheckGroup(m_apData[0], 1, 2, nInputMethod) &&
           SetCheckGroup(m_apData[0], 3, 2, nInputMethod) && SetBookingData(5, GetVariant() != kInterest);
}

BOOL CDataExpenseMoneyClass::SetDataData3()
{
    return SetAmountData(0) && SetBookingData(1, TRUE);
}

BOOL CDataExpenseMoneyClass::SetDataData4()
{
    return SetCellText(m_apData[0], 0, m_strName, kAlignLeft) && SetAmountData(1) && SetBookingData(2, TRUE);
}

BOOL CDataExpenseMoneyClass::SetDataData(int)
{
    const Variant variant = GetVariant();
    BOOL bFilled;
    switch (variant) {
    case kTotalOrTsubo: bFilled = SetDataData1(); break;
    case kTotalOnly: bFilled = SetDataData3(); break;
    case kNamed: bFilled = SetDataData4(); break;
    default: bFilled = SetDataData2(); break;
    }
    if (variant == kNamed && !m_strName.IsEmpty())
        SetTitle(m_strName);
    else if (m_nIndex >= 0 && m_nIndex < CDataExpenseOtherClass::kLineCount)
        SetTitle(LoadDataString(kFirstTitleId + m_nIndex));
    else
        SetTitle(CString());
    return bFilled;
}

void CDataExpenseOtherClass::InitData()
{
    CDataClass::InitData();
    for (int i = 0; i < kLineCount; ++i) m_aExpenseMoney[i].m_nIndex = i;
}

void CDataExpenseOtherClass::ReportDraw(CDC* pDC)
{
    int nFirst, nLast;
    if (m_nPage == 1) {
        nFirst = 0;
        nLast = kFirstPageLines;
    } else if (m_nPage == 2) {
        nFirst = kFirstPageLines;
        nLast = kLineCount;
    } else {
        return;
    }
    for (int i = nFirst; i < nLast; ++i) {
        DrawSubRecord(pDC, m_aExpenseMoney[i], m_anPrintFlag[0][4]);
        MoveOriginDown(pDC, kLineBlockHeight);
    }
}

BOOL CDataExpenseOtherClass::SetDataData(int)
{
    for (int i = 0; i < kLineCount; ++i) {
        m_aExpenseMoney[i].m_nIndex = i;
        m_aExpenseMoney[i].SetDataData(0);
    }
    return TRUE;
}

void CDataExpenseOtherClass::CreatePrintArray(int)
{
    for (int i = 0; i < kLineCount; ++i) {
        m_aExpenseMoney[i].m_nIndex = i;
        m_aExpenseMoney[i].CreatePrintArray(1);
    }
}

void CDataExpenseOtherClass::DestroyPrintArray()
{
    for (CDataExpenseMoneyClass& line : m_aExpenseMoney) line.DestroyPrintArray();
    CDataClass::DestroyPrintArray();
}
