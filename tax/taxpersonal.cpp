#include "tax/taxpersonal.h"

#include "sheet/sheetlayout.h"

void CTaxPersonalClass::InitData()
{
    CTaxClass::InitData();
    m_nSpare = 0;
    m_dRate = 0;
    m_dLower = 0;
    m_dUpper = 0;
    m_dDeduction = 0;
}

namespace {

constexpr int kRows = CTaxIncomeClass::kStepCount + 1; // the heading row and the brackets

// Columns of a bracket row: lower value, "over", upper value, "at most",
// deduction, unit, rate, unit.
constexpr int kLowerCol = 0, kOverCol = 6, kUpperCol = 11, kAtMostCol = 17;
constexpr int kDeductionCol = 22, kYenCol = 28, kRateCol = 33, kPercentCol = 39;
constexpr int kValueSpan = 6;
constexpr int kWordSpan = 5;
constexpr UINT kPercentID = 0, kYenID = 3;

const CSheetTables& Layout()
{
    static const CSheetTables t = [] {
        CSheetTables l;
        l.frame.Frame(0, 0, kSheetColumns, kRows);
        for (int row = 1; row < kRows; ++row) l.wline.HLine(row, 0, kSheetColumns);
        for (int col : {kDeductionCol, kRateCol}) l.hline.VLine(col, 0, kRows);
        for (int col : {kOverCol, kUpperCol, kAtMostCol, kYenCol, kPercentCol}) l.hline.VLine(col, 1, kRows);
        l.item.Box(0, 0, kDeductionCol).Box(kDeductionCol, 0, kRateCol - kDeductionCol).Box(kRateCol, 0, 7);
        for (int row = 1; row < kRows; ++row) {
            l.subitem.Box(kOverCol, row, kWordSpan).Box(kAtMostCol, row, kWordSpan);
            l.subitem.Box(kYenCol, row, kWordSpan).Box(kPercentCol, row, kSheetColumns - kPercentCol);
            for (int col : {kLowerCol, kUpperCol, kDeductionCol, kRateCol}) l.data.Box(col, row, kValueSpan);
        }
        return l;
    }();
    return t;
}

} // namespace

template <class TRecord>
int TTaxStepTable<TRecord>::GetCheckStep(double dIncome)
{
    const CTaxPersonalClass* aStep = static_cast<TRecord*>(this)->m_aStep;
    for (int i = 0; i < kStepCount; ++i) {
        const CTaxPersonalClass& step = aStep[i];
        if (step.m_dLower == 0 && step.m_dUpper == 0) return i;
        if (step.m_dLower < dIncome && dIncome <= step.m_dUpper) return i;
        if (step.m_dLower > step.m_dUpper) return i;
    }
    return kStepCount - 1;
}

template <class TRecord>
void TTaxStepTable<TRecord>::ReportDraw(CDC* pDC)
{
    DrawStackedSheet(pDC, kRows);
}

template <class TRecord>
void TTaxStepTable<TRecord>::CreatePrintArray(int)
{
    CTaxClass::CreatePrintArray(1);
    BuildPrintPage(0, Layout());
}

template <class TRecord>
BOOL TTaxStepTable<TRecord>::SetFramePoint(int)
{
    return PlacePageItems(m_apFrame, 0, Layout().frame);
}

template <class TRecord>
BOOL TTaxStepTable<TRecord>::SetWLinePoint(int)
{
    return PlacePageItems(m_apWLine, 0, Layout().wline);
}

template <class TRecord>
BOOL TTaxStepTable<TRecord>::SetHLinePoint(int)
{
    return PlacePageItems(m_apHLine, 0, Layout().hline);
}

template <class TRecord>
BOOL TTaxStepTable<TRecord>::SetItemPoint(int)
{
    return PlacePageItems(m_apItem, 0, Layout().item);
}

template <class TRecord>
BOOL TTaxStepTable<TRecord>::SetSubItemPoint(int)
{
    return PlacePageItems(m_apSubItem, 0, Layout().subitem);
}

template <class TRecord>
BOOL TTaxStepTable<TRecord>::SetDataPoint(int)
{
    return PlacePageItems(m_apData, 0, Layout().data);
}

template <class TRecord>
BOOL TTaxStepTable<TRecord>::SetItemData(int)
{
    constexpr UINT id = TRecord::kLabelID;
    return SetStringCells(m_apItem[0], 0, id, 3, 1);
}

template <class TRecord>
BOOL TTaxStepTable<TRecord>::SetSubItemData(int)
{
    constexpr UINT id = TRecord::kBoundID;
    for (int k = 0; k < kStepCount; ++k)
        if (!SetStringCells(m_apSubItem[0], 4 * k, {id, id + 1, kYenID, kPercentID}, 0)) return FALSE;
    return TRUE;
}

template <class TRecord>
BOOL TTaxStepTable<TRecord>::SetDataData(int)
{
    SetTitle(TRecord::kTitleID);
    const CTaxPersonalClass* aStep = static_cast<TRecord*>(this)->m_aStep;
    for (int k = 0; k < kStepCount; ++k) {
        const CTaxPersonalClass& s = aStep[k];
        if (!SetNumberCells(m_apData[0], 4 * k, {s.m_dLower, s.m_dUpper, s.m_dDeduction, s.m_dRate})) return FALSE;
    }
    return TRUE;
}

template class TTaxStepTable<CTaxIncomeClass>;
template class TTaxStepTable<CTaxPrefecturalClass>;
template class TTaxStepTable<CTaxVillageClass>;
