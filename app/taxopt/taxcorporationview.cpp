#include "app/taxopt/taxcorporationview.h"

#include "app/common/numbertext.h"

namespace {

using K = FormControlKind;
using S = NumberStyle;
using R = CTaxCorporationClass;

constexpr int kW = 12;
constexpr UINT IDC_CAPITAL = 10000;
constexpr UINT IDC_INCOME = 10001;

const CFormControl kControls[] = {
    {20000, K::Title, 0, 0, 4, "法人税の税率について設定します。"},
    {0, K::Label, 1, 0, 1, "資本金"},
    {0, K::Label, 1, 1, 1, "課税所得"},
    {0, K::Label, 1, 2, 1, "税率"},
    {IDC_CAPITAL, K::Number, 2, 0, 1, "", kW},
    {0, K::Unit, 2, 0, 1, "千円以下"},
    {IDC_INCOME, K::Number, 2, 1, 1, "", kW},
    {0, K::Unit, 2, 1, 1, "千円以下"},
    {10002, K::Number, 2, 2, 1, "", kW},
    {0, K::Unit, 2, 2, 1, "％"},
    {10003, K::ReadOnly, 3, 0, 1, "", kW},
    {0, K::Unit, 3, 0, 1, "千円以下"},
    {10004, K::ReadOnly, 3, 1, 1, "", kW},
    {0, K::Unit, 3, 1, 1, "千円超　"},
    {10005, K::Number, 3, 2, 1, "", kW},
    {0, K::Unit, 3, 2, 1, "％"},
    {10006, K::ReadOnly, 4, 0, 1, "", kW},
    {0, K::Unit, 4, 0, 1, "千円超～"},
    {10007, K::Number, 4, 2, 1, "", kW},
    {0, K::Unit, 4, 2, 1, "％"},
};

// Tier t, value v of the record.
template <int t, int v>
CFieldRef Tier(R& record, int nRow)
{
    return Path<&R::m_adCapitalStep, t, v>(record, nRow);
}

const CFormField<R> kFields[] = {
    {TaxNumber(IDC_CAPITAL, S::Comma), Tier<0, 2>},
    {TaxNumber(IDC_INCOME, S::Comma), Tier<0, 5>},
    {TaxNumber(10002, S::Plain), Tier<0, 0>},
    {TaxNumber(10005, S::Plain), Tier<1, 0>},
    {TaxNumber(10007, S::Plain), Tier<2, 0>},
};
const CFormFields<R> kForm(kFields);
const CTaxMirror kMirrors[] = {{IDC_CAPITAL, 10003}, {IDC_CAPITAL, 10006}, {IDC_INCOME, 10004}};

} // namespace

CTaxCorporationView::CTaxCorporationView()
    : CTaxFormView({311, 260, kControls, kForm, &CTavrinProjectDoc::GetTaxCorporation, kMirrors})
{
}

void CTaxCorporationView::ShowDerived(const CTaxCorporationClass& record)
{
    SetDlgItemText(10003, FormatNumber(-1, record.m_adCapitalStep[1][2], TRUE));
    SetDlgItemText(10004, FormatNumber(-1, record.m_adCapitalStep[1][4], TRUE));
    SetDlgItemText(10006, FormatNumber(-1, record.m_adCapitalStep[2][1], TRUE));
}

// Tier 0: capital and income up to the limits; tier 1: capital up to the
// limit, income above it; tier 2: capital above the limit. -1: no bound.
BOOL CTaxCorporationView::StoreDerived(CTaxCorporationClass& record)
{
    const double c = record.m_adCapitalStep[0][2];
    const double i = record.m_adCapitalStep[0][5];
    struct CBound {
        int nTier;
        int nValue;
        double dValue;
    };
    const CBound bounds[] = {
        {0, 1, 0}, {1, 1, 0}, {1, 2, c}, {1, 4, i}, {1, 5, -1}, {0, 4, 0}, {2, 1, c}, {2, 2, -1}, {2, 4, -1}, {2, 5, -1},
    };
    BOOL bChanged = FALSE;
    for (const CBound& b : bounds) bChanged |= AssignTaxValue(record.m_adCapitalStep[b.nTier][b.nValue], b.dValue);
    return bChanged;
}
