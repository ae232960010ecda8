#include "app/taxopt/taxbusinessview.h"

namespace {

using K = FormControlKind;
using S = NumberStyle;
using R = CTaxBusinessClass;
using E = CTaxExtentClass;

constexpr int kW = 12;

// One bracket row: label, lower-bound static, upper-bound edit (0: none), value edit.
#define BRACKET_ROW(row, label, lower, upper, value, valueLabel)                                 \
    {0, K::Label, row, 0, 1, label}, {lower, K::ReadOnly, row, 1, 1, "", kW},                    \
        {0, K::Unit, row, 1, 1, "千円超 ～"}, {upper, K::Number, row, 2, 1, "", kW},              \
        {0, K::Unit, row, 2, 1, "千円以下"}, {0, K::Label, row, 3, 1, valueLabel},                \
        {value, K::Number, row, 4, 1, "", kW}, {0, K::Unit, row, 4, 1, "％"}

const CFormControl kControls[] = {
    {20000, K::Title, 0, 0, 2, "事業税の税率について設定します。"},
    {20300, K::Group, 1, 0, 2, "個人事業税について"},
    {0, K::Label, 0, 0, 1, "税率："},
    {10000, K::Number, 0, 1, 1, "", kW},
    {0, K::Unit, 0, 1, 1, "％"},
    {0, K::Label, 0, 2, 1, "控除額："},
    {10001, K::Number, 0, 3, 1, "", kW},
    {0, K::Unit, 0, 3, 1, "千円"},
    {0, K::GroupEnd},
    {20301, K::Group, 2, 0, 2, "法人事業税について"},
    BRACKET_ROW(0, "課税所得額：", 10002, 10003, 10004, "税率："),
    BRACKET_ROW(1, "課税所得額：", 10005, 10006, 10007, "税率："),
    {0, K::Label, 2, 0, 1, "課税所得額："},
    {10008, K::ReadOnly, 2, 1, 1, "", kW},
    {0, K::Unit, 2, 1, 1, "千円超 ～"},
    {0, K::Label, 2, 3, 1, "税率："},
    {10009, K::Number, 2, 4, 1, "", kW},
    {0, K::Unit, 2, 4, 1, "％"},
    {0, K::GroupEnd},
    {20302, K::Group, 3, 0, 2, "外形標準課税について"},
    {0, K::Label, 0, 0, 1, "外形標準割合："},
    {10010, K::Number, 0, 1, 1, "", kW},
    {0, K::Unit, 0, 1, 1, "％"},
    {0, K::Label, 0, 2, 1, "付加価値割の税率："},
    {10011, K::Number, 0, 3, 1, "", kW},
    {0, K::Unit, 0, 3, 1, "％"},
    {0, K::Label, 1, 0, 1, "報酬給与額の控除割合："},
    {10012, K::Number, 1, 1, 1, "", kW},
    {0, K::Unit, 1, 1, 1, "％"},
    {0, K::Label, 1, 2, 1, "資本割の税率："},
    {10013, K::Number, 1, 3, 1, "", kW},
    {0, K::Unit, 1, 3, 1, "％"},
    BRACKET_ROW(2, "資本金区分－１：", 10014, 10015, 10016, "比率："),
    BRACKET_ROW(3, "資本金区分－２：", 10017, 10018, 10019, "比率："),
    BRACKET_ROW(4, "資本金区分－３：", 10020, 10021, 10022, "比率："),
    {0, K::GroupEnd},
    {0, K::Label, 4, 0, 1, "徴収猶予期間："},
    {10023, K::Number, 4, 1, 1, "", kW},
    {0, K::Unit, 4, 1, 1, "年"},
};
#undef BRACKET_ROW

const UINT kIncomeLowerIDs[] = {10002, 10005, 10008};
const UINT kIncomeUpperIDs[] = {10003, 10006};
const UINT kIncomeRateIDs[] = {10004, 10007, 10009};
const UINT kCapitalLowerIDs[] = {10014, 10017, 10020};
const UINT kCapitalUpperIDs[] = {10015, 10018, 10021};
const UINT kCapitalRatioIDs[] = {10016, 10019, 10022};

// The edits in control order, then the lower-bound statics that the store reads.
const CFormField<R> kFields[] = {
    {TaxNumber(10000, S::Count), Member<&R::m_dPersonalRate>},
    {TaxNumber(10001, S::Comma), Member<&R::m_dPersonalDeduction>},
    {TaxNumber(10003, S::Comma), Path<&R::m_aIncomeStep, kRow, &E::m_dUpper>, 2, 0, kIncomeUpperIDs},
    {TaxNumber(10004, S::Count), Path<&R::m_aIncomeStep, kRow, &E::m_dValue>, 3, 0, kIncomeRateIDs},
    {TaxNumber(10010, S::Comma), Member<&R::m_dScaleRatio>},
    {TaxNumber(10011, S::Comma), Member<&R::m_dAddedValueRate>},
    {TaxNumber(10012, S::Comma), Member<&R::m_dSalaryDeductionRatio>},
    {TaxNumber(10013, S::Comma), Member<&R::m_dCapitalRate>},
    {TaxNumber(10015, S::Comma), Path<&R::m_aCapitalStep, kRow, &E::m_dUpper>, 3, 0, kCapitalUpperIDs},
    {TaxNumber(10016, S::Comma), Path<&R::m_aCapitalStep, kRow, &E::m_dValue>, 3, 0, kCapitalRatioIDs},
    {TaxInteger(10023, S::Comma), Member<&R::m_nDeferYear>},
    {TaxNumber(10002, S::Comma), Path<&R::m_aIncomeStep, kRow, &E::m_dLower>, 3, 0, kIncomeLowerIDs},
    {TaxNumber(10014, S::Comma), Path<&R::m_aCapitalStep, kRow, &E::m_dLower>, 3, 0, kCapitalLowerIDs},
};
const CFormFields<R> kForm(kFields);
const CTaxMirror kMirrors[] = {{10003, 10005}, {10006, 10008}, {10015, 10017}, {10018, 10020}};

} // namespace

CTaxBusinessView::CTaxBusinessView()
    : CTaxFormView({304, 253, kControls, kForm, &CTavrinProjectDoc::GetTaxBusiness, kMirrors})
{
}

BOOL CTaxBusinessView::StoreDerived(CTaxBusinessClass& record)
{
    return AssignTaxValue(record.m_aIncomeStep[R::kStepCount - 1].m_dUpper, -1.0);
}
