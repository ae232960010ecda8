#include "app/taxopt/taxsingleviews.h"

namespace {

using K = FormControlKind;
using S = NumberStyle;

constexpr int kW = 12;

// Fixed-asset tax.
const CFormControl kMunicipalControls[] = {
    {20000, K::Title, 0, 0, 2, "固定資産税の税率について設定します。"},
    {20300, K::Group, 1, 0, 2, "土地について"},
    {0, K::Label, 0, 0, 1, "税率："},
    {10000, K::Number, 0, 1, 1, "", kW},
    {0, K::Unit, 0, 1, 1, "％"},
    {0, K::Label, 1, 0, 1, "住宅用地の特例：　分子："},
    {10002, K::Number, 1, 1, 1, "", kW},
    {0, K::Label, 2, 0, 1, "分母："},
    {10003, K::Number, 2, 1, 1, "", kW},
    {0, K::GroupEnd},
    {20301, K::Group, 2, 0, 2, "建物について"},
    {0, K::Label, 0, 0, 1, "税率："},
    {10005, K::Number, 0, 1, 1, "", kW},
    {0, K::Unit, 0, 1, 1, "％"},
    {0, K::Label, 1, 0, 1, "新築住宅の特例：　分子："},
    {10007, K::Number, 1, 1, 1, "", kW},
    {0, K::Label, 2, 0, 1, "分母："},
    {10008, K::Number, 2, 1, 1, "", kW},
    {0, K::Label, 3, 0, 1, "新築中高層耐火住宅　年数："},
    {10009, K::Number, 3, 1, 1, "", kW},
    {0, K::Unit, 3, 1, 1, "年"},
    {0, K::Label, 4, 0, 1, "新築住宅－年数："},
    {10010, K::Number, 4, 1, 1, "", kW},
    {0, K::Unit, 4, 1, 1, "年"},
    {0, K::GroupEnd},
};

using RM = CTaxMunicipalClass;
const CFormField<RM> kMunicipalFields[] = {
    {TaxNumber(10000, S::Count), Member<&RM::m_dLandRate>},
    {TaxNumber(10002, S::Count), Member<&RM::m_dHouseLandNumerator>},
    {TaxNumber(10003, S::Count), Member<&RM::m_dHouseLandDenominator>},
    {TaxNumber(10005, S::Count), Member<&RM::m_dBuildingRate>},
    {TaxNumber(10007, S::Count), Member<&RM::m_dNewHouseNumerator>},
    {TaxNumber(10008, S::Count), Member<&RM::m_dNewHouseDenominator>},
    {TaxInteger(10009, S::Count), Member<&RM::m_nFireproofHouseYear>},
    {TaxInteger(10010, S::Count), Member<&RM::m_nNewHouseYear>},
};
const CFormFields<RM> kMunicipalForm(kMunicipalFields);

// Depreciation: 10005 shows the life year of 10000 as the lower bound of the
// second multiplier.
constexpr UINT IDC_LIFE_YEAR = 10000;
constexpr UINT IDC_LIFE_YEAR_OVER = 10005;

const CFormControl kDepreciationControls[] = {
    {20000, K::Title, 0, 0, 2, "減価償却について設定します。"},
    {20300, K::Group, 1, 0, 2, "割増償却について"},
    {0, K::Label, 0, 0, 1, "耐用年数："},
    {IDC_LIFE_YEAR, K::Number, 0, 1, 1, "", kW},
    {0, K::Unit, 0, 1, 1, "年 未満"},
    {0, K::Label, 0, 2, 1, "倍率："},
    {10001, K::Number, 0, 3, 1, "", kW},
    {0, K::Unit, 0, 3, 1, "倍"},
    {0, K::Label, 1, 0, 1, "耐用年数："},
    {IDC_LIFE_YEAR_OVER, K::ReadOnly, 1, 1, 1, "", kW},
    {0, K::Unit, 1, 1, 1, "年 以上"},
    {0, K::Label, 1, 2, 1, "倍率："},
    {10002, K::Number, 1, 3, 1, "", kW},
    {0, K::Unit, 1, 3, 1, "倍"},
    {0, K::Label, 2, 0, 1, "割増償却期間："},
    {10003, K::Number, 2, 1, 1, "", kW},
    {0, K::Unit, 2, 1, 1, "年"},
    {0, K::GroupEnd},
    {20301, K::Group, 2, 0, 2, "残存簿価について"},
    {0, K::Label, 0, 0, 1, "最終残存簿価比率："},
    {10004, K::Number, 0, 1, 1, "", kW},
    {0, K::Unit, 0, 1, 1, "％"},
    {0, K::GroupEnd},
};

using RD = CTaxDepreciationClass;
// In the order of the checks.
const CFormField<RD> kDepreciationFields[] = {
    {TaxInteger(IDC_LIFE_YEAR, S::Count, 0, 100), Member<&RD::m_nLifeYear>},
    {TaxInteger(10003, S::Count, 0, 100), Member<&RD::m_nExtraYear>},
    {TaxNumber(10004, S::Count, 0, 100), Member<&RD::m_dResidualRatio>},
    {TaxNumber(10001, S::Comma), Member<&RD::m_dShortLifeRatio>},
    {TaxNumber(10002, S::Comma), Member<&RD::m_dLongLifeRatio>},
};
const CFormFields<RD> kDepreciationForm(kDepreciationFields);
const CTaxMirror kDepreciationMirrors[] = {{IDC_LIFE_YEAR, IDC_LIFE_YEAR_OVER}};

// Registration and licence tax.
const CFormControl kLicenseControls[] = {
    {20000, K::Title, 0, 0, 2, "登録免許税の税率について設定します。"},
    {20300, K::Group, 1, 0, 2, "土地について"},
    {0, K::Label, 0, 0, 1, "税率："},
    {10000, K::Number, 0, 1, 1, "", kW},
    {0, K::Unit, 0, 1, 1, "％"},
    {0, K::Label, 1, 0, 1, "課税標準額：　固定資産税評価額の"},
    {10001, K::Number, 1, 1, 1, "", kW},
    {0, K::Unit, 1, 1, 1, "％"},
    {0, K::GroupEnd},
    {20301, K::Group, 2, 0, 2, "建物について"},
    {0, K::Label, 0, 0, 1, "税率："},
    {10002, K::Number, 0, 1, 1, "", kW},
    {0, K::Unit, 0, 1, 1, "％"},
    {0, K::GroupEnd},
    {20302, K::Group, 3, 0, 2, "抵当権設定登記料について"},
    {0, K::Label, 0, 0, 1, "税率："},
    {10003, K::Number, 0, 1, 1, "", kW},
    {0, K::Unit, 0, 1, 1, "％"},
    {0, K::GroupEnd},
};

using RL = CTaxLicenseClass;
const CFormField<RL> kLicenseFields[] = {
    {TaxNumber(10000, S::Comma), Member<&RL::m_dLandRate>},
    {TaxNumber(10001, S::Count, 0, 100), Member<&RL::m_dStandardRatio>},
    {TaxNumber(10002, S::Count), Member<&RL::m_dBuildingRate>},
    {TaxNumber(10003, S::Count), Member<&RL::m_dMortgageRate>},
};
const CFormFields<RL> kLicenseForm(kLicenseFields);

// Real property acquisition tax.
const CFormControl kRealtyGetControls[] = {
    {20000, K::Title, 0, 0, 2, "不動産取得税の税率について設定します。"},
    {20300, K::Group, 1, 0, 2, "土地について"},
    {0, K::Label, 0, 0, 1, "税率："},
    {10000, K::Number, 0, 1, 1, "", kW},
    {0, K::Unit, 0, 1, 1, "％"},
    {0, K::Label, 1, 0, 1, "住宅部分の税率："},
    {10002, K::Number, 1, 1, 1, "", kW},
    {0, K::Unit, 1, 1, 1, "％"},
    {0, K::Label, 2, 0, 1, "課税標準額：　固定資産税評価額の"},
    {10003, K::Number, 2, 1, 1, "", kW},
    {0, K::Unit, 2, 1, 1, "％"},
    {0, K::GroupEnd},
    {20301, K::Group, 2, 0, 2, "建物について"},
    {0, K::Label, 0, 0, 1, "税率："},
    {10004, K::Number, 0, 1, 1, "", kW},
    {0, K::Unit, 0, 1, 1, "％"},
    {0, K::Label, 1, 0, 1, "住宅部分の税率："},
    {10006, K::Number, 1, 1, 1, "", kW},
    {0, K::Unit, 1, 1, 1, "％"},
    {0, K::Label, 2, 0, 1, "新築住宅特例　減額："},
    {10008, K::Number, 2, 1, 1, "", kW},
    {0, K::Unit, 2, 1, 1, "千円"},
    {0, K::GroupEnd},
};

using RR = CTaxRealtyGetClass;
const CFormField<RR> kRealtyGetFields[] = {
    {TaxNumber(10000, S::Count), Member<&RR::m_dLandRate>},
    {TaxNumber(10002, S::Count), Member<&RR::m_dLandHouseRate>},
    {TaxNumber(10003, S::Count, 0, 100), Member<&RR::m_dStandardRatio>},
    {TaxNumber(10004, S::Count), Member<&RR::m_dBuildingRate>},
    {TaxNumber(10006, S::Count), Member<&RR::m_dBuildingHouseRate>},
    {TaxNumber(10008, S::Comma), Member<&RR::m_dNewHouseReduction>},
};
const CFormFields<RR> kRealtyGetForm(kRealtyGetFields);

// Loss carry-forward.
const CFormControl kTransferControls[] = {
    {20000, K::Title, 0, 0, 2, "繰越欠損について設定します。"},
    {20301, K::Group, 1, 0, 2, "個人について"},
    {0, K::Label, 0, 0, 1, "繰越欠損できる年数："},
    {10001, K::Number, 0, 1, 1, "", kW},
    {0, K::Unit, 0, 1, 1, "年"},
    {0, K::GroupEnd},
    {20300, K::Group, 2, 0, 2, "法人について"},
    {0, K::Label, 0, 0, 1, "繰越欠損できる年数："},
    {10000, K::Number, 0, 1, 1, "", kW},
    {0, K::Unit, 0, 1, 1, "年"},
    {0, K::GroupEnd},
};

using RT = CTaxTransferClass;
const CFormField<RT> kTransferFields[] = {
    {TaxInteger(10001, S::Count, 0, 100), Member<&RT::m_nPersonalYear>},
    {TaxInteger(10000, S::Count, 0, 100), Member<&RT::m_nCorporateYear>},
};
const CFormFields<RT> kTransferForm(kTransferFields);

} // namespace

CTaxMunicipalView::CTaxMunicipalView()
    : CTaxFormView({301, 250, kMunicipalControls, kMunicipalForm, &CTavrinProjectDoc::GetTaxMunicipal})
{
}

BOOL CTaxMunicipalView::CheckRules()
{
    return ConfirmTaxFraction(this, 10002, 10003, 10018) && ConfirmTaxFraction(this, 10007, 10008, 10019);
}

CTaxDepreciationView::CTaxDepreciationView()
    : CTaxFormView({306, 255, kDepreciationControls, kDepreciationForm, &CTavrinProjectDoc::GetTaxDepreciation,
                    kDepreciationMirrors})
{
}

void CTaxDepreciationView::ShowDerived(const CTaxDepreciationClass&)
{
    SetDlgItemText(IDC_LIFE_YEAR_OVER, GetDlgItemText(IDC_LIFE_YEAR));
}

CTaxLicenseView::CTaxLicenseView()
    : CTaxFormView({309, 258, kLicenseControls, kLicenseForm, &CTavrinProjectDoc::GetTaxLicense})
{
}

CTaxRealtyGetView::CTaxRealtyGetView()
    : CTaxFormView({310, 259, kRealtyGetControls, kRealtyGetForm, &CTavrinProjectDoc::GetTaxRealtyGet})
{
}

CTaxTransferView::CTaxTransferView()
    : CTaxFormView({315, 263, kTransferControls, kTransferForm, &CTavrinProjectDoc::GetTaxTransfer})
{
}
