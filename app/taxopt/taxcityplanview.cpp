#include "app/taxopt/taxcityplanview.h"

namespace {

using K = FormControlKind;
using S = NumberStyle;
using R = CTaxCityPlanClass;

constexpr int kW = 12;
constexpr UINT IDC_NUMERATOR = 10002;
constexpr UINT IDC_DENOMINATOR = 10003;

const CFormControl kControls[] = {
    {20000, K::Title, 0, 0, 2, "都市計画税の税率について設定します。"},
    {20300, K::Group, 1, 0, 2, "土地について"},
    {0, K::Label, 0, 0, 1, "税率："},
    {10000, K::Number, 0, 1, 1, "", kW},
    {0, K::Unit, 0, 1, 1, "％"},
    {0, K::Label, 1, 0, 1, "住宅用地の特例：　分子："},
    {IDC_NUMERATOR, K::Number, 1, 1, 1, "", kW},
    {0, K::Label, 2, 0, 1, "分母："},
    {IDC_DENOMINATOR, K::Number, 2, 1, 1, "", kW},
    {0, K::GroupEnd},
    {20301, K::Group, 2, 0, 2, "建物について"},
    {0, K::Label, 0, 0, 1, "税率："},
    {10005, K::Number, 0, 1, 1, "", kW},
    {0, K::Unit, 0, 1, 1, "％"},
    {0, K::GroupEnd},
};

// An empty fraction part becomes 1, an empty rate 0.
const CFormField<R> kFields[] = {
    {TaxNumber(10000, S::Count), Member<&R::m_dLandRate>},
    {{.nID = IDC_NUMERATOR, .kind = FieldKind::Number, .style = S::Plain, .dEmpty = 1},
     Member<&R::m_dHouseLandNumerator>},
    {{.nID = IDC_DENOMINATOR, .kind = FieldKind::Number, .style = S::Plain, .dEmpty = 1},
     Member<&R::m_dHouseLandDenominator>},
    {TaxNumber(10005, S::Count), Member<&R::m_dBuildingRate>},
};
const CFormFields<R> kForm(kFields);

} // namespace

CTaxCityPlanView::CTaxCityPlanView()
    : CTaxFormView({302, 251, kControls, kForm, &CTavrinProjectDoc::GetTaxCityPlan})
{
}

BOOL CTaxCityPlanView::CheckRules()
{
    return ConfirmTaxFraction(this, IDC_NUMERATOR, IDC_DENOMINATOR, 10018);
}
