#include "app/taxopt/taxconsumptionview.h"

namespace {

using K = FormControlKind;
using S = NumberStyle;
using R = CTaxConsumptionClass;

constexpr int kW = 12;

const CFormControl kControls[] = {
    {20000, K::Title, 0, 0, 2, "消費税の税率について設定します。"},
    {0, K::Label, 1, 0, 1, "税率："},
    {10000, K::Number, 1, 1, 1, "", kW},
    {0, K::Unit, 1, 1, 1, "％"},
    {0, K::Label, 2, 0, 1, "免税売上高："},
    {10001, K::Number, 2, 1, 1, "", kW},
    {0, K::Unit, 2, 1, 1, "千円"},
    {20300, K::Group, 3, 0, 2, "簡易課税方式について"},
    {0, K::Label, 0, 0, 1, "適用可能課税売上高："},
    {10002, K::Number, 0, 1, 1, "", kW},
    {0, K::Unit, 0, 1, 1, "千円以下"},
    {0, K::Label, 1, 0, 1, "みなしマージン率："},
    {10003, K::Number, 1, 1, 1, "", kW},
    {0, K::Unit, 1, 1, 1, "％"},
    {0, K::GroupEnd},
};

const CFormField<R> kFields[] = {
    {TaxNumber(10000, S::Plain), Member<&R::m_dRate>},
    {TaxNumber(10001, S::Comma), Member<&R::m_dExemptSales>},
    {TaxNumber(10002, S::Comma), Member<&R::m_dSimpleSalesLimit>},
    {TaxNumber(10003, S::Comma), Member<&R::m_dMarginRate>},
};
const CFormFields<R> kForm(kFields);

} // namespace

CTaxConsumptionView::CTaxConsumptionView()
    : CTaxFormView({307, 256, kControls, kForm, &CTavrinProjectDoc::GetTaxConsumption})
{
}
