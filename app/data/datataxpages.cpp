#include "app/data/datataxpages.h"

#include "app/common/numbertext.h"
#include "app/data/datataxview.h"
#include "app/data/landvaluebackcalcdlg.h"
#include "app/shell/tavrinprojectdoc.h"
#include "platform/msgbox.h"
#include "platform/resource.h"

namespace {

using K = FormControlKind;
using F = FieldKind;
using R = CDataTaxClass;
using C = CDataTaxConsumptionClass;

constexpr UINT IDS_PERCENT_RANGE = 10013;
constexpr UINT IDC_BACK_CALC = 1020;
constexpr int kAmountWidth = 14;
constexpr int kPercentWidth = 8;
constexpr int kYearWidth = 5;

// A box ticked when the rule applies stores 0, unticked 1.
constexpr int kApplied[] = {1, 0};

CString Number(double dValue)
{
    return FormatNumber(-1, dValue, TRUE);
}

CString Fraction(double dNumerator, double dDenominator)
{
    return Number(dNumerator) + "/" + Number(dDenominator);
}

CString OutlineHouseRatio(const CTavrinProjectDoc& doc, const R&)
{
    return Number(doc.GetDataOutline()->dHouseRatio);
}

CString SpecialHouseRatio(const CTavrinProjectDoc&, const R& tax)
{
    return Number(tax.m_objSpecialHouse.dHouseRatio);
}

CString NewHouseReduction(const CTavrinProjectDoc& doc, const R&)
{
    return Number(doc.GetTaxRealtyGet()->m_dNewHouseReduction);
}

// --- Tab 2: housing special rules

const CFormControl kSpecialHouseControls[] = {
    {0, K::Label, 0, 0, 1, "◆建築形態："},
    {10032, K::Combo, 0, 1, 1, "中高層耐火住宅でない\n中高層耐火住宅\n5階建て以上の中高層耐火住宅", 34},
    {0, K::Label, 1, 0, 1, "◆特例を受ける住宅割合："},
    {10030, K::Number, 1, 1, 1, "", kPercentWidth},
    {0, K::Unit, 1, 1, 1, "％"},
    {1413, K::Unit, 2, 1, 1, ""},
    {0, K::Unit, 2, 1, 1, "％　　（「建物概要」画面で入力された値です。）"},
    {0, K::Label, 3, 0, 1, "◆新築特例の住宅戸数："},
    {10031, K::Number, 3, 1, 1, "", 6},
    {0, K::Unit, 3, 1, 1, "戸"},
    {20004, K::Unit, 3, 1, 1, ""},
};
const CFormField<R> kSpecialHouseFields[] = {
    {{.nID = 10032, .kind = F::Choice}, Path<&R::m_objMunicipal, &tagDATAMUNICIPAL::nBuildingType>},
    {{.nID = 10030, .kind = F::Number, .dMin = 0, .dMax = 100, .style = NumberStyle::Plain},
     Path<&R::m_objSpecialHouse, &tagDATASPECIALHOUSE::dHouseRatio>},
    {{.nID = 10031, .kind = F::Integer}, Path<&R::m_objSpecialHouse, &tagDATASPECIALHOUSE::nHouseUnits>},
};
const CFormFields<R> kSpecialHouseForm(kSpecialHouseFields);
const CRateHint kSpecialHouseHints[] = {
    {1413, "", &OutlineHouseRatio, ""},
    {20004, "（ 控除額 ", &NewHouseReduction, "千円／戸）"},
};

// --- Tab 3: acquisition tax

const CFormControl kRealtyGetControls[] = {
    {0, K::Group, 0, 0, 1, "建物"},
    {1414, K::Check, 0, 0, 2, "新築住宅の特例"},
    {1417, K::Unit, 0, 2, 1, ""},
    {1418, K::Unit, 0, 3, 1, ""},
    {1415, K::Check, 1, 0, 2, "住宅部分の特例"},
    {1419, K::Unit, 1, 2, 1, ""},
    {1420, K::Unit, 1, 3, 1, ""},
    {1288, K::Check, 2, 0, 4, "評価額から計算ではなく、直接税額を入力"},
    {0, K::Label, 3, 0, 1, "税額："},
    {1020, K::Number, 3, 1, 1, "", kAmountWidth},
    {0, K::Unit, 3, 1, 1, "千円"},
    {0, K::GroupEnd},
    {0, K::Group, 1, 0, 1, "土地"},
    {1416, K::Check, 0, 0, 2, "住宅部分の特例"},
    {1421, K::Unit, 0, 2, 1, ""},
    {1422, K::Unit, 0, 3, 1, ""},
    {1287, K::Check, 1, 0, 4, "評価額から計算ではなく、直接税額を入力"},
    {0, K::Label, 2, 0, 1, "税額："},
    {1019, K::Number, 2, 1, 1, "", kAmountWidth},
    {0, K::Unit, 2, 1, 1, "千円"},
    {0, K::GroupEnd},
};
using RG = tagDATAREALTYGET;
const CFormField<R> kRealtyGetFields[] = {
    {{.nID = 1414, .kind = F::Check, .values = kApplied}, Path<&R::m_objRealtyGet, &RG::nNewHouseSpecial>},
    {{.nID = 1415, .kind = F::Check, .values = kApplied}, Path<&R::m_objRealtyGet, &RG::nBuildingHouseSpecial>},
    {{.nID = 1288, .kind = F::Check}, Path<&R::m_objRealtyGet, &RG::nBuildingDirect>},
    {{.nID = 1020, .kind = F::Number}, Path<&R::m_objRealtyGet, &RG::dBuildingTax>},
    {{.nID = 1416, .kind = F::Check, .values = kApplied}, Path<&R::m_objRealtyGet, &RG::nLandHouseSpecial>},
    {{.nID = 1287, .kind = F::Check}, Path<&R::m_objRealtyGet, &RG::nLandDirect>},
    {{.nID = 1019, .kind = F::Number}, Path<&R::m_objRealtyGet, &RG::dLandTax>},
};
const CFormFields<R> kRealtyGetForm(kRealtyGetFields);
const CRateHint kRealtyGetHints[] = {
    {1417, "（控除額:", &NewHouseReduction, "千円／戸）"},
    {1418, "→現在は", [](const CTavrinProjectDoc&, const R& tax) { return Number(tax.m_objSpecialHouse.nHouseUnits); },
     "戸"},
    {1419, "（特例税率:",
     [](const CTavrinProjectDoc& doc, const R&) { return Number(doc.GetTaxRealtyGet()->m_dBuildingHouseRate); }, "％）"},
    {1420, "→現在は住宅割合", &SpecialHouseRatio, "％"},
    {1421, "（特例税率:",
     [](const CTavrinProjectDoc& doc, const R&) { return Number(doc.GetTaxRealtyGet()->m_dLandHouseRate); }, "％）"},
    {1422, "→現在は住宅割合", &OutlineHouseRatio, "％"},
};

// --- Tab 4: fixed-asset and city-planning tax

const char kTaxBaseChoices[] = "固定資産税評価額を使用する\n負担調整措置を適用する";
const CFormControl kMunicipalControls[] = {
    {0, K::Group, 0, 0, 1, "固定資産税"},
    {0, K::Label, 0, 0, 1, "土地："},
    {1424, K::Check, 0, 1, 1, "住宅特例"},
    {1427, K::Unit, 1, 1, 1, ""},
    {1428, K::Unit, 1, 1, 1, ""},
    {0, K::Label, 2, 0, 1, "建物："},
    {1425, K::Check, 2, 1, 1, "住宅特例"},
    {1429, K::Unit, 3, 1, 1, ""},
    {1430, K::Unit, 3, 1, 1, ""},
    {0, K::Label, 4, 0, 1, "課税標準額："},
    {1215, K::Combo, 4, 1, 1, kTaxBaseChoices, 28},
    {0, K::Label, 5, 0, 1, "当初課税標準額割合："},
    {10032, K::Number, 5, 1, 1, "", kPercentWidth},
    {0, K::Unit, 5, 1, 1, "％"},
    {0, K::GroupEnd},
    {0, K::Group, 0, 1, 1, "都市計画税"},
    {0, K::Label, 0, 0, 1, "土地："},
    {1426, K::Check, 0, 1, 1, "住宅特例"},
    {1431, K::Unit, 1, 1, 1, ""},
    {1432, K::Unit, 1, 1, 1, ""},
    {0, K::Label, 2, 0, 1, "課税標準額："},
    {1216, K::Combo, 2, 1, 1, kTaxBaseChoices, 28},
    {0, K::Label, 3, 0, 1, "当初課税標準額割合："},
    {10033, K::Number, 3, 1, 1, "", kPercentWidth},
    {0, K::Unit, 3, 1, 1, "％"},
    {0, K::GroupEnd},
};
using MU = tagDATAMUNICIPAL;
using CP = tagDATACITYPLAN;
using AP = tagDATAAPPRAISED;
const CFormField<R> kMunicipalFields[] = {
    {{.nID = 1424, .kind = F::Check, .values = kApplied}, Path<&R::m_objMunicipal, &MU::nLandHouseSpecial>},
    {{.nID = 1425, .kind = F::Check, .values = kApplied}, Path<&R::m_objMunicipal, &MU::nBuildingHouseSpecial>},
    {{.nID = 1215, .kind = F::Choice}, Path<&R::m_objMunicipal, &MU::nLandTaxBase>},
    {{.nID = 10032, .kind = F::Number, .dMin = 0, .dMax = 100}, Path<&R::m_aAppraised, 0, &AP::dAssetBaseRatio>},
    {{.nID = 1426, .kind = F::Check, .values = kApplied}, Path<&R::m_objCityPlan, &CP::nLandHouseSpecial>},
    {{.nID = 1216, .kind = F::Choice}, Path<&R::m_objCityPlan, &CP::nLandTaxBase>},
    {{.nID = 10033, .kind = F::Number, .dMin = 0, .dMax = 100}, Path<&R::m_aAppraised, 0, &AP::dCityBaseRatio>},
};
const CFormFields<R> kMunicipalForm(kMunicipalFields);
const CRateHint kMunicipalHints[] = {
    {1427, "（減税率 ",
     [](const CTavrinProjectDoc& doc, const R&) {
         const CTaxMunicipalClass& m = *doc.GetTaxMunicipal();
         return Fraction(m.m_dHouseLandNumerator, m.m_dHouseLandDenominator);
     },
     "）"},
    {1428, "→現在は住宅割合", &OutlineHouseRatio, "％"},
    {1429, "（減税率 ",
     [](const CTavrinProjectDoc& doc, const R&) {
         const CTaxMunicipalClass& m = *doc.GetTaxMunicipal();
         return Fraction(m.m_dNewHouseNumerator, m.m_dNewHouseDenominator);
     },
     "）"},
    {1430, "→現在は住宅割合", &SpecialHouseRatio, "％"},
    {1431, "（減税率 ",
     [](const CTavrinProjectDoc& doc, const R&) {
         const CTaxCityPlanClass& c = *doc.GetTaxCityPlan();
         return Fraction(c.m_dHouseLandNumerator, c.m_dHouseLandDenominator);
     },
     "）"},
    {1432, "→現在は住宅割合", &OutlineHouseRatio, "％"},
};

// --- Tab 7: stepwise consumption-tax rates

const CFormControl kConsumptionControls[] = {
    {0, K::Group, 0, 0, 1, "工事期間"},
    {0, K::Label, 0, 0, 1, "１段階："},
    {10000, K::Number, 0, 1, 1, "", kYearWidth},
    {0, K::Unit, 0, 1, 1, "年目 ～"},
    {10001, K::Number, 0, 2, 1, "", kYearWidth},
    {0, K::Unit, 0, 2, 1, "年目まで"},
    {10003, K::Number, 0, 3, 1, "", kPercentWidth},
    {0, K::Unit, 0, 3, 1, "％"},
    {0, K::Label, 1, 0, 1, "２段階："},
    {1052, K::ReadOnly, 1, 1, 1, "", kYearWidth},
    {0, K::Unit, 1, 1, 1, "年目 ～"},
    {10006, K::Number, 1, 2, 1, "", kYearWidth},
    {0, K::Unit, 1, 2, 1, "年目まで"},
    {10008, K::Number, 1, 3, 1, "", kPercentWidth},
    {0, K::Unit, 1, 3, 1, "％"},
    {0, K::GroupEnd},
    {0, K::Group, 1, 0, 1, "事業開始後"},
    {0, K::Label, 0, 0, 1, "１段階："},
    {1053, K::Number, 0, 1, 1, "", kYearWidth},
    {0, K::Unit, 0, 1, 1, "年目 ～"},
    {10011, K::Number, 0, 2, 1, "", kYearWidth},
    {0, K::Unit, 0, 2, 1, "年目まで"},
    {10013, K::Number, 0, 3, 1, "", kPercentWidth},
    {0, K::Unit, 0, 3, 1, "％"},
    {0, K::Label, 1, 0, 1, "２段階："},
    {1054, K::ReadOnly, 1, 1, 1, "", kYearWidth},
    {0, K::Unit, 1, 1, 1, "年目 ～"},
    {10016, K::Number, 1, 2, 1, "", kYearWidth},
    {0, K::Unit, 1, 2, 1, "年目まで"},
    {10018, K::Number, 1, 3, 1, "", kPercentWidth},
    {0, K::Unit, 1, 3, 1, "％"},
    {0, K::GroupEnd},
    {1417, K::Unit, 2, 0, 1, ""},
};
// Rows: stage 1 and stage 2 of each period.
const UINT kConstructFromIDs[] = {10000, 1052};
const UINT kConstructToIDs[] = {10001, 10006};
const UINT kConstructRateIDs[] = {10003, 10008};
const UINT kBusinessFromIDs[] = {1053, 1054};
const UINT kBusinessToIDs[] = {10011, 10016};
const UINT kBusinessRateIDs[] = {10013, 10018};
const CFormField<R> kConsumptionFields[] = {
    {{.nID = 10000, .kind = F::Integer, .style = NumberStyle::Count},
     Path<&R::m_objConsumption, &C::m_anConstructFromYear, kRow>, 2, 1, kConstructFromIDs},
    {{.nID = 10001, .kind = F::Integer}, Path<&R::m_objConsumption, &C::m_anConstructToYear, kRow>, 2, 1,
     kConstructToIDs},
    {{.nID = 10003, .kind = F::Number, .dMin = 0, .dMax = 100},
     Path<&R::m_objConsumption, &C::m_adConstructRate, kRow>, 2, 1, kConstructRateIDs},
    {{.nID = 1053, .kind = F::Integer, .style = NumberStyle::Count},
     Path<&R::m_objConsumption, &C::m_anBusinessFromYear, kRow>, 2, 1, kBusinessFromIDs},
    {{.nID = 10011, .kind = F::Integer}, Path<&R::m_objConsumption, &C::m_anBusinessToYear, kRow>, 2, 1,
     kBusinessToIDs},
    {{.nID = 10013, .kind = F::Number, .dMin = 0, .dMax = 100},
     Path<&R::m_objConsumption, &C::m_adBusinessRate, kRow>, 2, 1, kBusinessRateIDs},
};
const CFormFields<R> kConsumptionForm(kConsumptionFields);
const CRateHint kConsumptionHints[] = {
    {1417, "指定しない部分は税率 ",
     [](const CTavrinProjectDoc& doc, const R&) { return Number(doc.GetTaxConsumption()->m_dRate); }, "％で計算します。"},
};
const CNextStart kConsumptionNextStarts[] = {{10001, 1052}, {10011, 1054}};

const CTaxPageKind kSpecialHousePage{kSpecialHouseControls, kSpecialHouseForm, kSpecialHouseHints, {}};
const CTaxPageKind kRealtyGetPage{kRealtyGetControls, kRealtyGetForm, kRealtyGetHints, {}};
const CTaxPageKind kMunicipalPage{kMunicipalControls, kMunicipalForm, kMunicipalHints, {}};
const CTaxPageKind kConsumptionPage{kConsumptionControls, kConsumptionForm, kConsumptionHints,
                                    kConsumptionNextStarts};

// --- Tabs 0 and 1: assessed values of the land and of the building

const UINT kAppraisedLabels[] = {3032, 3033, 3034};
const UINT kAppraisedUnits[] = {3035, 3036, 3037};
const CTaxAmountInput kAppraisedAmount{10030, 10031, 20052, 20053, kAppraisedLabels, kAppraisedUnits, 2};

const CFormControl kLandValueControls[] = {
    {0, K::Label, 0, 0, 1, "入力方法："},
    {10030, K::Combo, 0, 1, 1, "総額入力する\n坪当たり入力する", 24},
    {20052, K::Label, 1, 0, 1, "総額："},
    {10031, K::Number, 1, 1, 1, "", kAmountWidth},
    {20053, K::Unit, 1, 1, 1, "千円"},
    {IDC_BACK_CALC, K::Button, 2, 1, 1, "税額から評価額を逆算"},
};
const CFormControl kBuildingValueControls[] = {
    {0, K::Label, 0, 0, 1, "入力方法："},
    {10030, K::Combo, 0, 1, 1, "総額入力する\n坪当たり入力する\n工事費割合入力する", 24},
    {20052, K::Label, 1, 0, 1, "総額："},
    {10031, K::Number, 1, 1, 1, "", kAmountWidth},
    {20053, K::Unit, 1, 1, 1, "千円"},
};
template <int nKind>
const CFormField<R> kAppraisedFields[2] = {
    {{.nID = 10030, .kind = F::Choice}, Path<&R::m_aAppraised, nKind, &AP::nInputMethod>},
    {{.nID = 10031, .kind = F::Number}, Path<&R::m_aAppraised, nKind, &AP::dAmount>},
};
const CFormFields<R> kLandValueForm(kAppraisedFields<0>);
const CFormFields<R> kBuildingValueForm(kAppraisedFields<1>);

const CTaxSchedulePageKind kLandValuePage{kLandValueControls, 3, kLandValueForm,
                                          [](R& tax) -> CDataRateClass& { return tax.m_aAppraised[0]; },
                                          &kAppraisedAmount};
const CTaxSchedulePageKind kBuildingValuePage{kBuildingValueControls, 2, kBuildingValueForm,
                                              [](R& tax) -> CDataRateClass& { return tax.m_aAppraised[1]; },
                                              &kAppraisedAmount};

// --- Tab 5: owner's income and business taxes

const CFormControl kBusinessControls[] = {
    {1430, K::Check, 0, 0, 2, "プロジェクト以外の所得に対する課税"},
    {0, K::Unit, 0, 0, 2, "※課税方法が個人の場合のみ"},
    {0, K::Group, 1, 0, 2, "外形標準課税"},
    {1464, K::Check, 0, 0, 2, "外形標準課税の適用"},
    {0, K::Label, 1, 0, 1, "課税対象資本金額："},
    {1459, K::Number, 1, 1, 1, "", kAmountWidth},
    {0, K::Unit, 1, 1, 1, "千円"},
    {1431, K::Check, 2, 0, 2, "徴収猶予の対象"},
    {0, K::Label, 3, 0, 1, "報酬給与額："},
    {1460, K::Number, 3, 1, 1, "", kAmountWidth},
    {0, K::Unit, 3, 1, 1, "千円"},
    {0, K::GroupEnd},
};
using TB = tagDATATAXBUSINESS;
const CFormField<R> kBusinessFields[] = {
    {{.nID = 1430, .kind = F::Check, .values = kApplied}, Path<&R::m_objTaxBusiness, &TB::nOutsideIncome>},
    {{.nID = 1464, .kind = F::Check, .values = kApplied}, Path<&R::m_objTaxBusiness, &TB::nStandardTax>},
    {{.nID = 1459, .kind = F::Number}, Path<&R::m_objTaxBusiness, &TB::dCapital>},
    {{.nID = 1431, .kind = F::Check, .values = kApplied}, Path<&R::m_objTaxBusiness, &TB::nDeferral>},
    {{.nID = 1460, .kind = F::Number}, Path<&R::m_objTaxBusiness, &TB::dSalary>},
};
const CFormFields<R> kBusinessForm(kBusinessFields);
const CTaxSchedulePageKind kBusinessPage{kBusinessControls, 2, kBusinessForm,
                                         [](R& tax) -> CDataRateClass& { return tax.m_objTaxBusiness; }, nullptr};

// --- Tab 6: land valuation

const UINT kTaxLandLabels[] = {3038, 3039};
const UINT kTaxLandUnits[] = {3035, 3037};
const CTaxAmountInput kTaxLandAmount{10032, 10033, 1127, 20055, kTaxLandLabels, kTaxLandUnits, 1};
const CFormControl kTaxLandControls[] = {
    {0, K::Label, 0, 0, 1, "相続税評価額 総額："},
    {10034, K::Number, 0, 1, 1, "", kAmountWidth},
    {0, K::Unit, 0, 1, 1, "千円"},
    {0, K::Label, 1, 0, 1, "入力方法："},
    {10032, K::Combo, 1, 1, 1, "金額入力する\n割合入力する", 24},
    {0, K::Unit, 2, 0, 2, "プロジェクトで使用する部分の相続税評価額："},
    {1127, K::Label, 3, 0, 1, "金額："},
    {10033, K::Number, 3, 1, 1, "", kAmountWidth},
    {20055, K::Unit, 3, 1, 1, "千円"},
};
using TL = tagDATATAXLAND;
const CFormField<R> kTaxLandFields[] = {
    {{.nID = 10034, .kind = F::Number}, Path<&R::m_objTaxLand, &TL::dTotalValue>},
    {{.nID = 10032, .kind = F::Choice}, Path<&R::m_objTaxLand, &TL::nInputMethod>},
    {{.nID = 10033, .kind = F::Number}, Path<&R::m_objTaxLand, &TL::dProjectValue>},
};
const CFormFields<R> kTaxLandForm(kTaxLandFields);
const CTaxSchedulePageKind kTaxLandPage{kTaxLandControls, 4, kTaxLandForm,
                                        [](R& tax) -> CDataRateClass& { return tax.m_objTaxLand; }, &kTaxLandAmount};

} // namespace

CDataTaxPage::CDataTaxPage(CDataTaxView* pView, const CTaxPageKind& kind, QWidget* pParent)
    : CFormPage(pParent), m_kind(kind), m_pView(pView)
{
    CreateControls(kind.controls);
    SetPageData();
    ShowRateHints();
}

BOOL CDataTaxPage::CheckPage()
{
    if (!m_kind.form.Check(this)) return FALSE;
    m_kind.form.Store(this, m_pView->m_objTax);
    return TRUE;
}

void CDataTaxPage::SetPageData()
{
    m_kind.form.Load(this, m_pView->m_objTax);
}

void CDataTaxPage::OnControlNotify(UINT nID, UINT nCode)
{
    m_kind.form.Notify(this, nID, nCode);
    if (nCode != EN_KILLFOCUS) return;
    for (const CNextStart& next : m_kind.nextStarts) {
        if (nID != next.nEndID) continue;
        CString str = GetDlgItemText(nID);
        DeleteComma(str);
        long lEnd = 0;
        ParseWholeNumber(str, lEnd);
        str.Format("%ld", lEnd + 1);
        SetDlgItemText(next.nStartID, str);
    }
}

void CDataTaxPage::ShowRateHints()
{
    const CTavrinProjectDoc* doc = m_pView->GetDocument();
    if (!doc) return;
    for (const CRateHint& hint : m_kind.hints)
        SetDlgItemText(hint.nID, hint.pszBefore + hint.pfnValue(*doc, m_pView->m_objTax) + hint.pszAfter);
}

CDataTaxSchedulePage::CDataTaxSchedulePage(CDataTaxView* pView, const CTaxSchedulePageKind& kind, QWidget* pParent)
    : CDataRatePage(kind.controls, kind.nRateRow, pParent), m_kind(kind), m_pView(pView)
{
    SetPageData();
}

// The fields, the schedule, then the share of a share method.
BOOL CDataTaxSchedulePage::CheckPage()
{
    if (!m_kind.form.Check(this) || !CDataRatePage::CheckPage()) return FALSE;
    if (const CTaxAmountInput* amount = m_kind.pAmount; amount && GetCurSel(amount->nMethodID) == amount->nShareMethod) {
        const double dShare = CommaStrToDouble(GetDlgItemText(amount->nAmountID));
        if (!(dShare >= 0 && dShare <= 100)) {
            AfxMessageBox(IDS_PERCENT_RANGE, MB_ICONSTOP);
            GotoDlgCtrl(amount->nAmountID);
            return FALSE;
        }
    }
    m_kind.form.Store(this, m_pView->m_objTax);
    StoreSteps(m_kind.pfnRate(m_pView->m_objTax));
    return TRUE;
}

void CDataTaxSchedulePage::SetPageData()
{
    m_kind.form.Load(this, m_pView->m_objTax);
    LoadSteps(m_kind.pfnRate(m_pView->m_objTax));
    if (const CTaxAmountInput* amount = m_kind.pAmount) {
        const int nMethod = GetCurSel(amount->nMethodID);
        if (nMethod < 0) return;
        m_adAmount[nMethod] = CommaStrToDouble(GetDlgItemText(amount->nAmountID));
        ShowMethod(nMethod);
    }
}

void CDataTaxSchedulePage::ShowMethod(int nMethod)
{
    const CTaxAmountInput& amount = *m_kind.pAmount;
    if (nMethod < 0 || size_t(nMethod) >= amount.labelStrings.size()) return;
    SetDlgItemText(amount.nLabelID, LoadText(amount.labelStrings[size_t(nMethod)]));
    SetDlgItemText(amount.nUnitID, LoadText(amount.unitStrings[size_t(nMethod)]));
    SetDlgItemText(amount.nAmountID, Number(m_adAmount[nMethod]));
}

void CDataTaxSchedulePage::OnControlNotify(UINT nID, UINT nCode)
{
    m_kind.form.Notify(this, nID, nCode);
    CDataRatePage::OnControlNotify(nID, nCode);
    const CTaxAmountInput* amount = m_kind.pAmount;
    if (!amount) return;
    const int nMethod = GetCurSel(amount->nMethodID);
    if (nID == amount->nAmountID && nCode == EN_KILLFOCUS && nMethod >= 0) {
        m_adAmount[nMethod] = CommaStrToDouble(GetDlgItemText(nID));
    } else if (nID == amount->nMethodID && nCode == CBN_SELCHANGE) {
        ShowMethod(nMethod);
    }
}

CDataTaxAppraisedPage::CDataTaxAppraisedPage(CDataTaxView* pView, int nPageIndex, QWidget* pParent)
    : CDataTaxSchedulePage(pView, nPageIndex == 0 ? kLandValuePage : kBuildingValuePage, pParent),
      m_nPageIndex(nPageIndex)
{
}

void CDataTaxAppraisedPage::OnControlNotify(UINT nID, UINT nCode)
{
    CDataTaxSchedulePage::OnControlNotify(nID, nCode);
    if (nID == IDC_BACK_CALC && nCode == BN_CLICKED) OnBackCalc();
}

// The result becomes the total, shown without decimals.
void CDataTaxAppraisedPage::OnBackCalc()
{
    CLandValueBackCalcDlg dlg(this);
    dlg.SetDocument(m_pView->GetDocument());
    if (dlg.DoModal() != IDOK) return;
    const CTaxAmountInput& amount = *m_kind.pAmount;
    SetCurSel(amount.nMethodID, 0);
    SetDlgItemText(amount.nAmountID, FormatNumber(0, dlg.m_dValue, FALSE));
    m_adAmount[0] = CommaStrToDouble(GetDlgItemText(amount.nAmountID));
    ShowMethod(0);
}

CFormPage* CreateDataTaxPage(CDataTaxView* pView, int nPage, QWidget* pParent)
{
    switch (nPage) {
    case 0:
    case 1: return new CDataTaxAppraisedPage(pView, nPage, pParent);
    case 2: return new CDataTaxPage(pView, kSpecialHousePage, pParent);
    case 3: return new CDataTaxPage(pView, kRealtyGetPage, pParent);
    case 4: return new CDataTaxPage(pView, kMunicipalPage, pParent);
    case 5: return new CDataTaxSchedulePage(pView, kBusinessPage, pParent);
    case 6: return new CDataTaxSchedulePage(pView, kTaxLandPage, pParent);
    default: return new CDataTaxPage(pView, kConsumptionPage, pParent);
    }
}
