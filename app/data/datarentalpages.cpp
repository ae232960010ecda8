#include "app/data/datarentalpages.h"

#include <cstdlib>

#include "app/common/formfields.h"
#include "app/data/datarentalbasicview.h"

namespace {

using K = FormControlKind;
using F = FieldKind;
using B = CDataRentalBasicClass;
using NumberStyle::Count;
using NumberStyle::Plain;

constexpr UINT IDC_COMMON_FEE_FIXED = 1287;

constexpr UINT IDC_DEPOSIT_AMORTIZE = 10032;
constexpr UINT IDC_DEPOSIT_CHANGE = 10033;
constexpr UINT IDC_DEPOSIT_ADVANCE = 1019;
constexpr UINT IDC_SECURITY_AMORTIZE = 10034;
constexpr UINT IDC_SECURITY_CHANGE = 10035;
constexpr UINT IDC_SECURITY_ADVANCE = 1020;
constexpr UINT IDC_REPAY_METHOD = 10038;
constexpr UINT IDC_GRACE_MONTHS = 10036;
constexpr UINT IDC_GRACE_RATE = 10037;
constexpr UINT IDC_REPAY_START = 10000;
constexpr UINT IDC_REPAY_END = 10001;
constexpr UINT IDC_REPAY_RATE = 10003;
constexpr int kLumpSum = 2;

constexpr UINT IDC_FIRST_TAX = 1434;
constexpr int kTaxCount = 6;
constexpr int kTicked[] = {1, 0};  // unticked 1, ticked 0 (taxable)

const CFormControl kRentControls[] = {
    {IDC_COMMON_FEE_FIXED, K::Check, 0, 0, 6, "共益費は連動しない"},
};

const CFormControl kDepositControls[] = {
    {20010, K::Group, 0, 0, 4, "敷　金"},
    {0, K::Label, 0, 0, 1, "償却率："},
    {IDC_DEPOSIT_AMORTIZE, K::Number, 0, 1, 1, "", 7},
    {0, K::Unit, 0, 1, 1, "％"},
    {0, K::Label, 0, 2, 1, "変動："},
    {IDC_DEPOSIT_CHANGE, K::Combo, 0, 3, 1, "賃料の変動に合わせる\n変動しない", 18},
    {0, K::Label, 1, 0, 1, "前受率："},
    {IDC_DEPOSIT_ADVANCE, K::Number, 1, 1, 1, "", 7},
    {0, K::Unit, 1, 1, 1, "％"},
    {0, K::GroupEnd},
    {20011, K::Group, 1, 0, 4, "保証金"},
    {0, K::Label, 0, 0, 1, "償却率："},
    {IDC_SECURITY_AMORTIZE, K::Number, 0, 1, 1, "", 7},
    {0, K::Unit, 0, 1, 1, "％"},
    {0, K::Label, 0, 2, 1, "変動："},
    {IDC_SECURITY_CHANGE, K::Combo, 0, 3, 1, "賃料の変動に合わせる\n変動しない", 18},
    {0, K::Label, 1, 0, 1, "前受率："},
    {IDC_SECURITY_ADVANCE, K::Number, 1, 1, 1, "", 7},
    {0, K::Unit, 1, 1, 1, "％"},
    {0, K::Label, 2, 0, 1, "返済方法："},
    {IDC_REPAY_METHOD, K::Combo, 2, 1, 1, "元利均等\n元金均等\n一括返済", 10},
    {20031, K::Label, 3, 0, 1, "据置期間："},
    {IDC_GRACE_MONTHS, K::Number, 3, 1, 1, "", 4},
    {20033, K::Unit, 3, 1, 1, "ヵ月"},
    {20032, K::Label, 3, 2, 1, "金利："},
    {IDC_GRACE_RATE, K::Number, 3, 3, 1, "", 7},
    {20034, K::Unit, 3, 3, 1, "％"},
    {20024, K::Label, 4, 0, 1, "返済期間："},
    {IDC_REPAY_START, K::ReadOnly, 4, 1, 1, "", 4},
    {20020, K::Unit, 4, 1, 1, "年目 ～ "},
    {IDC_REPAY_END, K::Number, 4, 1, 1, "", 4},
    {20021, K::Unit, 4, 1, 1, "年目まで"},
    {20023, K::Label, 4, 2, 1, "金利："},
    {IDC_REPAY_RATE, K::Number, 4, 3, 1, "", 7},
    {20078, K::Unit, 4, 3, 1, "％"},
    {20079, K::Unit, 5, 0, 4, "返済は退去時に一括で行います。"},
    {0, K::GroupEnd},
    {0, K::Unit, 2, 0, 4, "※償却率が ０％ の場合は預り金の全額返済を意味します。"},
    {0, K::Unit, 3, 0, 4, "※前受率は初年度入居予定者から先に預かるもので、工事資金に流用します。"},
};

// Hidden for a lump-sum repayment.
const UINT kRepayIDs[] = {20031, 20032, 20033, 20034, IDC_GRACE_MONTHS, IDC_GRACE_RATE, 20024, IDC_REPAY_START,
                          20020, IDC_REPAY_END,     20021, 20078, IDC_REPAY_RATE, 20023};

const CFormField<B> kDepositFields[] = {
    {{.nID = IDC_DEPOSIT_AMORTIZE, .kind = F::Number, .style = Plain}, Member<&B::dDepositAmortizeRatio>},
    {{.nID = IDC_DEPOSIT_CHANGE, .kind = F::Choice}, Member<&B::nDepositChange>},
    {{.nID = IDC_SECURITY_AMORTIZE, .kind = F::Number, .style = Plain}, Member<&B::dSecurityAmortizeRatio>},
    {{.nID = IDC_SECURITY_CHANGE, .kind = F::Choice}, Member<&B::nSecurityChange>},
    {{.nID = IDC_REPAY_METHOD, .kind = F::Choice}, Path<&B::m_objSecurityLoan, &tagDATALOAN::nRepayMethod>},
};
const CFormFields<B> kDepositForm(kDepositFields);

const CFormField<tagADVANCERATE> kAdvanceFields[] = {
    {{.nID = IDC_DEPOSIT_ADVANCE, .kind = F::Number, .dMin = 0, .dMax = 100, .style = Plain},
     Member<&tagADVANCERATE::dDepositRate>},
    {{.nID = IDC_SECURITY_ADVANCE, .kind = F::Number, .dMin = 0, .dMax = 100, .style = Plain},
     Member<&tagADVANCERATE::dSecurityRate>},
};
const CFormFields<tagADVANCERATE> kAdvanceForm(kAdvanceFields);

const CFormField<B> kRepayFields[] = {
    {{.nID = IDC_GRACE_MONTHS, .kind = F::Integer, .style = Count},
     Path<&B::m_objSecurityLoan, &CDataLoanClass::m_aRepay, 0, &tagDATAREPAY::nEndYear>},
    {{.nID = IDC_GRACE_RATE, .kind = F::Number, .dMin = 0, .dMax = 100, .style = Plain},
     Path<&B::m_objSecurityLoan, &CDataLoanClass::m_aRepay, 0, &tagDATAREPAY::dRate>},
    {{.nID = IDC_REPAY_END, .kind = F::Integer, .style = Count},
     Path<&B::m_objSecurityLoan, &CDataLoanClass::m_aRepay, 1, &tagDATAREPAY::nEndYear>},
    {{.nID = IDC_REPAY_RATE, .kind = F::Number, .dMin = 0, .dMax = 100, .style = Plain},
     Path<&B::m_objSecurityLoan, &CDataLoanClass::m_aRepay, 1, &tagDATAREPAY::dRate>},
};
const CFormFields<B> kRepayForm(kRepayFields);

const CFormControl kConsumptionControls[] = {
    {0, K::Unit, 0, 0, 2, "課税売上として売上消費税の処理を行うものにチェックを入れて下さい。"},
    {IDC_FIRST_TAX, K::Check, 1, 0, 1, "賃　料"},
    {IDC_FIRST_TAX + 1, K::Check, 1, 1, 1, "共益費"},
    {IDC_FIRST_TAX + 2, K::Check, 2, 0, 1, "礼　金"},
    {IDC_FIRST_TAX + 3, K::Check, 2, 1, 1, "敷金償却益"},
    {IDC_FIRST_TAX + 4, K::Check, 3, 0, 1, "保証金償却益"},
    {IDC_FIRST_TAX + 5, K::Check, 3, 1, 1, "更新料"},
};

const CFormField<COptionConsumptionRentalClass> kConsumptionFields[] = {
    {{.nID = IDC_FIRST_TAX, .kind = F::Check, .values = kTicked}, Path<&COptionConsumptionRentalClass::m_anTax, kRow>,
     kTaxCount},
};
const CFormFields<COptionConsumptionRentalClass> kConsumptionForm(kConsumptionFields);

// The three schedule pages in tab order.
struct CRatePageKind {
    int nSchedule;
    const char* pszCaption;
    std::span<const CFormControl> controls;
    BOOL bLevels;
};
const CRatePageKind kRateKinds[] = {
    {CDataRentalBasicClass::kRateLive, "入居率の変動", {}, TRUE},
    {CDataRentalBasicClass::kRateTurnover, "入替率の変動", {}, TRUE},
    {CDataRentalBasicClass::kRateRent, "賃料の変動", kRentControls, FALSE},
};

CString YearText(int nYear)
{
    CString str;
    str.Format("%d", nYear);
    return str;
}

} // namespace

CDataRentalRatePage::CDataRentalRatePage(CDataRentalBasicView* pView, int nPage, QWidget* pParent)
    : CDataRatePage(kRateKinds[nPage].controls, int(kRateKinds[nPage].controls.size()), pParent,
                    kRateKinds[nPage].pszCaption, kRateKinds[nPage].bLevels),
      m_pView(pView), m_nSchedule(kRateKinds[nPage].nSchedule)
{
    SetPageData();
}

void CDataRentalRatePage::SetPageData()
{
    LoadSteps(m_pView->Current().m_aRate[m_nSchedule]);
    if (m_nSchedule == CDataRentalBasicClass::kRateRent)
        CheckDlgButton(IDC_COMMON_FEE_FIXED, m_pView->Current().bCommonFeeFixed != 0);
}

BOOL CDataRentalRatePage::CheckPage()
{
    if (!CDataRatePage::CheckPage()) return FALSE;
    StoreSteps(m_pView->Current().m_aRate[m_nSchedule]);
    if (m_nSchedule == CDataRentalBasicClass::kRateRent)
        m_pView->Current().bCommonFeeFixed = IsDlgButtonChecked(IDC_COMMON_FEE_FIXED) ? 1 : 0;
    return TRUE;
}

CDataRentalDepositPage::CDataRentalDepositPage(CDataRentalBasicView* pView, QWidget* pParent)
    : CFormPage(pParent), m_pView(pView)
{
    CreateControls(kDepositControls);
    SetPageData();
}

BOOL CDataRentalDepositPage::IsLumpSum() const
{
    return GetCurSel(IDC_REPAY_METHOD) == kLumpSum;
}

void CDataRentalDepositPage::ApplyMethod()
{
    for (const UINT nID : kRepayIDs) ShowDlgItem(nID, !IsLumpSum());
    ShowDlgItem(20079, IsLumpSum());
}

void CDataRentalDepositPage::SetPageData()
{
    B& basic = m_pView->Current();
    kDepositForm.Load(this, basic);
    kAdvanceForm.Load(this, m_pView->m_objAdvance.m_aRate[m_pView->m_nCategory]);
    kRepayForm.Load(this, basic);
    SetDlgItemText(IDC_REPAY_START, YearText(basic.m_objSecurityLoan.m_aRepay[1].nStartYear));
    ApplyMethod();
}

// With a lump-sum repayment the hidden grace and repayment values are not
// checked; they are kept as typed when they are numbers.
BOOL CDataRentalDepositPage::CheckPage()
{
    const BOOL bLumpSum = IsLumpSum();
    if (!kDepositForm.Check(this) || !kAdvanceForm.Check(this) || (!bLumpSum && !kRepayForm.Check(this))) return FALSE;
    B& basic = m_pView->Current();
    kDepositForm.Store(this, basic);
    kAdvanceForm.Store(this, m_pView->m_objAdvance.m_aRate[m_pView->m_nCategory]);
    BOOL bNumbers = TRUE;
    for (const CFieldDesc& field : kRepayForm.Fields()) {
        double dValue = 0;
        bNumbers &= ParseNumber(GetDlgItemTextNoComma(this, field.nID), dValue);
    }
    if (bNumbers) kRepayForm.Store(this, basic);
    tagDATAREPAY* repay = basic.m_objSecurityLoan.m_aRepay;
    repay[0].nStartYear = 0;
    repay[1].nStartYear = std::atoi(GetDlgItemText(IDC_REPAY_START));
    return TRUE;
}

void CDataRentalDepositPage::OnControlNotify(UINT nID, UINT nCode)
{
    kDepositForm.Notify(this, nID, nCode);
    kAdvanceForm.Notify(this, nID, nCode);
    kRepayForm.Notify(this, nID, nCode);
    if (nID == IDC_REPAY_METHOD && nCode == CBN_SELCHANGE) {
        ApplyMethod();
    } else if (nID == IDC_GRACE_MONTHS && nCode == EN_KILLFOCUS) {
        SetDlgItemText(IDC_REPAY_START, YearText(std::atoi(GetDlgItemTextNoComma(this, IDC_GRACE_MONTHS)) / 12 + 1));
    }
}

CDataRentalConsumptionPage::CDataRentalConsumptionPage(CDataRentalBasicView* pView, QWidget* pParent)
    : CFormPage(pParent), m_pView(pView)
{
    CreateControls(kConsumptionControls);
    SetPageData();
}

void CDataRentalConsumptionPage::SetPageData()
{
    kConsumptionForm.Load(this, m_pView->m_objConsumptionIncome.m_aRental[m_pView->m_nCategory]);
}

BOOL CDataRentalConsumptionPage::CheckPage()
{
    kConsumptionForm.Store(this, m_pView->m_objConsumptionIncome.m_aRental[m_pView->m_nCategory]);
    return TRUE;
}

CFormPage* CreateRentalPage(CDataRentalBasicView* pView, int nPage, QWidget* pParent)
{
    if (nPage < 3) return new CDataRentalRatePage(pView, nPage, pParent);
    if (nPage == 3) return new CDataRentalDepositPage(pView, pParent);
    return new CDataRentalConsumptionPage(pView, pParent);
}
