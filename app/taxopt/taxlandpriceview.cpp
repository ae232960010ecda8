#include "app/taxopt/taxlandpriceview.h"

namespace {

using K = FormControlKind;
using S = NumberStyle;
using R = CTaxLandPriceClass;

constexpr int kW = 12;

const CFormControl kControls[] = {
    {20000, K::Title, 0, 0, 2, "地価税の税率について設定します。"},
    {0, K::Label, 1, 0, 1, "税率："},
    {10000, K::Number, 1, 1, 1, "", kW},
    {0, K::Unit, 1, 1, 1, "％"},
    {20300, K::Group, 2, 0, 2, "個人の控除額について"},
    {0, K::Label, 0, 0, 1, "控除額："},
    {10001, K::Number, 0, 1, 1, "", kW},
    {0, K::Unit, 0, 1, 1, "千円"},
    {0, K::GroupEnd},
    {20301, K::Group, 3, 0, 2, "法人の控除額について"},
    {0, K::Label, 0, 0, 1, "資本金："},
    {0, K::Unit, 0, 1, 1, ""},
    {10002, K::Number, 0, 2, 1, "", kW},
    {0, K::Unit, 0, 2, 1, "千円以下"},
    {0, K::Label, 0, 3, 1, "控除額："},
    {10003, K::Number, 0, 4, 1, "", kW},
    {0, K::Unit, 0, 4, 1, "千円"},
    {0, K::Label, 1, 0, 1, "資本金："},
    {10004, K::ReadOnly, 1, 1, 1, "", kW},
    {0, K::Unit, 1, 1, 1, "千円超～"},
    {10005, K::Number, 1, 2, 1, "", kW},
    {0, K::Unit, 1, 2, 1, "千円以下"},
    {0, K::Label, 1, 3, 1, "控除額："},
    {10006, K::Number, 1, 4, 1, "", kW},
    {0, K::Unit, 1, 4, 1, "千円"},
    {0, K::Label, 2, 0, 1, "資本金："},
    {10007, K::ReadOnly, 2, 1, 1, "", kW},
    {0, K::Unit, 2, 1, 1, "千円超～"},
    {0, K::Label, 2, 3, 1, "控除額："},
    {10009, K::Number, 2, 4, 1, "", kW},
    {0, K::Unit, 2, 4, 1, "千円"},
    {0, K::GroupEnd},
};

// The lower bounds of brackets 1 and 2 are the statics that mirror the upper
// bound above them.
const CFormField<R> kFields[] = {
    {TaxNumber(10000, S::Comma), Member<&R::m_dRate>},
    {TaxNumber(10001, S::Comma), Member<&R::m_dPersonalDeduction>},
    {TaxNumber(10002, S::Comma), Path<&R::m_aCapitalStep, 0, &CTaxExtentClass::m_dUpper>},
    {TaxNumber(10005, S::Comma), Path<&R::m_aCapitalStep, 1, &CTaxExtentClass::m_dUpper>},
    {TaxNumber(10003, S::Comma), Path<&R::m_aCapitalStep, 0, &CTaxExtentClass::m_dValue>},
    {TaxNumber(10006, S::Comma), Path<&R::m_aCapitalStep, 1, &CTaxExtentClass::m_dValue>},
    {TaxNumber(10009, S::Comma), Path<&R::m_aCapitalStep, 2, &CTaxExtentClass::m_dValue>},
    {TaxNumber(10004, S::Comma), Path<&R::m_aCapitalStep, 1, &CTaxExtentClass::m_dLower>},
    {TaxNumber(10007, S::Comma), Path<&R::m_aCapitalStep, 2, &CTaxExtentClass::m_dLower>},
};
const CFormFields<R> kForm(kFields);
const CTaxMirror kMirrors[] = {{10002, 10004}, {10005, 10007}};

} // namespace

CTaxLandPriceView::CTaxLandPriceView()
    : CTaxFormView({308, 257, kControls, kForm, &CTavrinProjectDoc::GetTaxLandPrice, kMirrors})
{
}

BOOL CTaxLandPriceView::StoreDerived(CTaxLandPriceClass& record)
{
    BOOL bChanged = AssignTaxValue(record.m_aCapitalStep[0].m_dLower, 0.0);
    bChanged |= AssignTaxValue(record.m_aCapitalStep[R::kStepCount - 1].m_dUpper, -1.0);
    return bChanged;
}
