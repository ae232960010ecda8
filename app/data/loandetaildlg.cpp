#include "app/data/loandetaildlg.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/common/formfields.h"
#include "app/common/numbertext.h"
#include "app/shell/tavrinapp.h"
#include "platform/qtstring.h"
#include "platform/msgbox.h"

namespace {

using K = FormControlKind;
using F = FieldKind;
using R = CDataLoanClass;

constexpr UINT IDC_BANK_NAME = 10040;
constexpr UINT IDC_MORTGAGE_FEE = 1299;
constexpr UINT IDC_AMOUNT = 10043;
constexpr UINT IDC_METHOD = 10044;
constexpr UINT IDC_SPECIAL_FROM = 10045;
constexpr UINT IDC_SPECIAL_TO = 10046;
constexpr UINT IDC_SPECIAL_AMOUNT = 10047;
constexpr UINT IDC_SPECIAL_SOURCE = 10048;
constexpr UINT IDC_GRACE_MONTHS = 10049;
constexpr UINT IDC_GRACE_RATE = 10050;
constexpr UINT IDC_TOTAL_YEARS = 10051;
constexpr UINT IDC_HELP_TOPIC = 1020;
constexpr int kSurplusMethod = 2;
constexpr int kPeriods = 4;

// Per repayment period: start static, end edit, years static, rate edit.
constexpr UINT kStartIDs[kPeriods] = {10000, 1052, 1053, 1054};
constexpr UINT kEndIDs[kPeriods] = {10001, 10006, 10011, 10016};
constexpr UINT kYearIDs[kPeriods] = {20047, 20050, 20053, 20056};
constexpr UINT kRateIDs[kPeriods] = {10003, 10008, 10013, 10018};

// Hidden with the surplus method: the extra repayment and the grace period.
constexpr UINT kMethodControls[] = {20063, 20064, 20065, 20066, 20067, 20068, 20077, IDC_SPECIAL_FROM,
                                    IDC_SPECIAL_TO, IDC_SPECIAL_AMOUNT, IDC_SPECIAL_SOURCE, 20069, 20070,
                                    20071, 20072, IDC_GRACE_MONTHS, IDC_GRACE_RATE};

const CFormControl kUpperControls[] = {
    {0, K::Label, 0, 0, 1, "金融機関名："},
    {IDC_BANK_NAME, K::Edit, 0, 1, 4, "", 40},
    {IDC_MORTGAGE_FEE, K::Check, 1, 1, 4, "抵当権設定登記料"},
    {20060, K::Label, 2, 0, 1, "借入金額："},
    {IDC_AMOUNT, K::Number, 2, 1, 1, "", 14},
    {20076, K::Unit, 2, 2, 1, "千円"},
    {0, K::Label, 3, 0, 1, "返済方法："},
    {IDC_METHOD, K::Combo, 3, 1, 2, "元利均等\n元金均等", 14},
    {20068, K::Group, 4, 0, 5, "特別返済"},
    {20063, K::Label, 0, 0, 1, "返済期間："},
    {IDC_SPECIAL_FROM, K::Number, 0, 1, 1, "", 4},
    {20064, K::Unit, 0, 2, 1, "年目から"},
    {IDC_SPECIAL_TO, K::Number, 0, 3, 1, "", 4},
    {20065, K::Unit, 0, 4, 1, "年目まで"},
    {20066, K::Label, 1, 0, 1, "返済額："},
    {IDC_SPECIAL_AMOUNT, K::Number, 1, 1, 2, "", 14},
    {20077, K::Unit, 1, 3, 1, "千円"},
    {20067, K::Label, 2, 0, 1, "返済原資："},
    {IDC_SPECIAL_SOURCE, K::Combo, 2, 1, 2, "事業収入\n追加自己資金", 14},
    {0, K::GroupEnd},
    {20069, K::Group, 5, 0, 5, "据置期間"},
    {20070, K::Label, 0, 0, 1, "据置期間："},
    {IDC_GRACE_MONTHS, K::Number, 0, 1, 1, "", 4},
    {20071, K::Unit, 0, 2, 1, "ヶ月"},
    {20072, K::Label, 0, 3, 1, "金利："},
    {IDC_GRACE_RATE, K::Number, 0, 4, 1, "", 8},
    {0, K::Unit, 0, 5, 1, "％"},
    {0, K::GroupEnd},
    {0, K::Group, 6, 0, 5, "返済期間"},
};

const CFormControl kLowerControls[] = {
    {0, K::Label, 4, 4, 1, "合計："},
    {IDC_TOTAL_YEARS, K::Unit, 4, 5, 1, "0"},
    {0, K::Unit, 4, 6, 1, "年間"},
    {0, K::GroupEnd},
    {IDOK, K::Button, 7, 2, 1, "OK"},
    {IDCANCEL, K::Button, 7, 3, 1, "キャンセル"},
    {IDC_HELP_TOPIC, K::Button, 7, 4, 1, "ヘルプ"},
};

const char* const kPeriodLabels[kPeriods] = {"第１期：", "第２期：", "第３期：", "第４期："};

// The fixed parts and a row per repayment period.
std::vector<CFormControl> Controls()
{
    std::vector<CFormControl> controls(std::begin(kUpperControls), std::end(kUpperControls));
    for (int n = 0; n < kPeriods; ++n) {
        const CFormControl row[] = {
            {0, K::Label, n, 0, 1, kPeriodLabels[n]},  {kStartIDs[n], K::Unit, n, 1, 1, "0"},
            {0, K::Unit, n, 2, 1, "年目から"},         {kEndIDs[n], K::Number, n, 3, 1, "", 4},
            {0, K::Unit, n, 4, 1, "年目まで"},         {kYearIDs[n], K::Unit, n, 5, 1, "0"},
            {0, K::Unit, n, 6, 1, "年間　金利："},     {kRateIDs[n], K::Number, n, 7, 1, "", 8},
            {0, K::Unit, n, 8, 1, "％"},
        };
        controls.insert(controls.end(), std::begin(row), std::end(row));
    }
    controls.insert(controls.end(), std::begin(kLowerControls), std::end(kLowerControls));
    return controls;
}

template <auto pMember>
CFieldRef Period(R& r, int nRow)
{
    return &(r.m_aRepay[nRow + 1].*pMember);
}

const int kMortgageValues[] = {1, 0}; // ticked: charged (0)

// In the order of the exchange.
const CFormField<R> kFields[] = {
    {{.nID = IDC_BANK_NAME, .kind = F::Text}, Member<&R::m_strBankName>},
    {{.nID = IDC_MORTGAGE_FEE, .kind = F::Check, .values = kMortgageValues}, Member<&R::nMortgageFee>},
    {{.nID = IDC_AMOUNT, .kind = F::Number}, Member<&R::dAmount>},
    {{.nID = IDC_METHOD, .kind = F::Choice}, Member<&R::nRepayMethod>},
    {{.nID = IDC_SPECIAL_FROM, .kind = F::Integer, .style = NumberStyle::Count}, Member<&R::nSpecialFromYear>},
    {{.nID = IDC_SPECIAL_TO, .kind = F::Integer, .style = NumberStyle::Count}, Member<&R::nSpecialToYear>},
    {{.nID = IDC_SPECIAL_AMOUNT, .kind = F::Number}, Member<&R::dSpecialAmount>},
    {{.nID = IDC_SPECIAL_SOURCE, .kind = F::Choice}, Member<&R::nSpecialSource>},
    {{.nID = IDC_GRACE_RATE, .kind = F::Number}, Path<&R::m_aRepay, 0, &tagDATAREPAY::dRate>},
    {{.nID = IDC_GRACE_MONTHS, .kind = F::Integer, .style = NumberStyle::Count},
     Path<&R::m_aRepay, 0, &tagDATAREPAY::nEndYear>},
    {{.nID = kEndIDs[0], .kind = F::Integer, .style = NumberStyle::Count}, Period<&tagDATAREPAY::nEndYear>, kPeriods,
     1, kEndIDs},
    {{.nID = kRateIDs[0], .kind = F::Number, .dMin = 0, .dMax = 100}, Period<&tagDATAREPAY::dRate>, kPeriods, 1,
     kRateIDs},
};

const CFormFields<R> kForm(kFields);

// The years from start to end, none when the end comes first or both are 0.
int PeriodYears(int nStart, int nEnd)
{
    if (nStart == 0 && nEnd == 0) return 0;
    return std::max(0, nEnd - std::abs(nStart) + 1);
}

CString IntText(int n)
{
    CString str;
    str.Format("%d", n);
    return str;
}

} // namespace

void CopyLoanData(CDataLoanClass& target, const CDataLoanClass& source)
{
    static_cast<tagDATALOAN&>(target) = source;
    std::copy(std::begin(source.m_aRepay), std::end(source.m_aRepay), std::begin(target.m_aRepay));
    target.m_strBankName = source.m_strBankName;
    target.m_nCapitalPayYear = source.m_nCapitalPayYear;
}

CLoanDetailDlg::CLoanDetailDlg(QWidget* pParent) : CFormDialog(pParent)
{
    CreateControls(Controls());
}

BOOL CLoanDetailDlg::IsAmountLocked(const CDataSupplyClass& supply, int nIndex)
{
    if (nIndex == CDataSupplyClass::kLandPurchaseLoan) return supply.m_nLandPurchaseLoan == 1;
    if (nIndex == 6 || nIndex == 7) return supply.m_aLoan[nIndex].m_nCapitalPayYear >= 1;
    return FALSE;
}

BOOL CLoanDetailDlg::OnInitDialog()
{
    if (!m_pSupply || m_nLoanIndex < 0 || m_nLoanIndex >= CDataSupplyClass::kLoanCount) return FALSE;
    CopyLoanData(m_objLoan, m_pSupply->m_aLoan[m_nLoanIndex]);
    const BOOL bAuto = m_nLoanIndex == CDataSupplyClass::kAutoLoan;
    SetComboEntries(IDC_METHOD, bAuto ? std::vector<CString>{"元利均等", "元金均等", "剰余金返済"}
                                      : std::vector<CString>{"元利均等", "元金均等"});
    for (const UINT nID : {20060u, IDC_AMOUNT, 20076u}) ShowDlgItem(nID, !bAuto);
    setWindowTitle(ToQString(bAuto ? CString("自動借入金")
                                             : CString("借入金－") + NumberToFullWidth(m_nLoanIndex + 1)));
    SetReadOnly(IDC_AMOUNT, IsAmountLocked(*m_pSupply, m_nLoanIndex));
    kForm.Load(this, m_objLoan);
    for (int n = 0; n < kPeriods; ++n) SetDlgItemText(kStartIDs[n], IntText(m_objLoan.m_aRepay[n + 1].nStartYear));
    ShowYears();
    ShowMethodControls();
    return TRUE;
}

int CLoanDetailDlg::ShownInt(UINT nID) const
{
    return int(std::clamp(CommaStrToDouble(GetDlgItemText(nID)), -1e9, 1e9));
}

void CLoanDetailDlg::ShowYears()
{
    int nTotal = 0;
    for (int n = 0; n < kPeriods; ++n) {
        const int nYears = PeriodYears(ShownInt(kStartIDs[n]), ShownInt(kEndIDs[n]));
        SetDlgItemText(kYearIDs[n], IntText(nYears));
        nTotal += nYears;
    }
    SetDlgItemText(IDC_TOTAL_YEARS, IntText(std::max(0, nTotal)));
}

void CLoanDetailDlg::ShowMethodControls()
{
    const BOOL bShow = m_nLoanIndex != CDataSupplyClass::kAutoLoan || GetCurSel(IDC_METHOD) != kSurplusMethod;
    for (const UINT nID : kMethodControls) ShowDlgItem(nID, bShow);
}

void CLoanDetailDlg::OnControlNotify(UINT nID, UINT nCode)
{
    kForm.Notify(this, nID, nCode);
    if (nCode == EN_KILLFOCUS) {
        if (nID == IDC_GRACE_MONTHS) SetDlgItemText(kStartIDs[0], IntText(ShownInt(IDC_GRACE_MONTHS) / 12 + 1));
        const UINT* pEnd = std::find(std::begin(kEndIDs), std::end(kEndIDs) - 1, nID);
        if (pEnd != std::end(kEndIDs) - 1) SetDlgItemText(kStartIDs[pEnd - kEndIDs + 1], IntText(ShownInt(nID) + 1));
        ShowYears();
    } else if (nID == IDC_METHOD && nCode == CBN_SELCHANGE) {
        ShowMethodControls();
    } else if (nID == IDC_HELP_TOPIC && nCode == BN_CLICKED) {
        OnHelp();
    }
    CFormDialog::OnControlNotify(nID, nCode);
}

void CLoanDetailDlg::OnHelp()
{
    if (CTavrinApp* app = GetTavrinApp()) app->ShowHelpTopic("tavrinapp.chm::/tavrinapp00000029.htm");
}

void CLoanDetailDlg::OnOK()
{
    if (!kForm.Check(this)) return;
    const BOOL bAuto = m_nLoanIndex == CDataSupplyClass::kAutoLoan;
    ShowYears();
    if (!bAuto) {
        const double dAmount = CommaStrToDouble(GetDlgItemText(IDC_AMOUNT));
        UINT nMessage = 0;
        UINT nFocus = 0;
        if (dAmount < 0) {
            nMessage = 10011;
            nFocus = IDC_AMOUNT;
        } else if (dAmount != 0 && ShownInt(IDC_TOTAL_YEARS) == 0) {
            nMessage = 10010;
            nFocus = kEndIDs[0];
        }
        if (nMessage) {
            AfxMessageBox(nMessage, MB_ICONSTOP);
            GotoDlgCtrl(nFocus);
            return;
        }
    } else if (GetCurSel(IDC_METHOD) == kSurplusMethod) {
        SetDlgItemText(IDC_SPECIAL_AMOUNT, "0");
        SetDlgItemText(IDC_GRACE_MONTHS, "0");
        SetDlgItemText(kStartIDs[0], "1");
        ShowYears();
    }
    kForm.Store(this, m_objLoan);
    m_objLoan.m_aRepay[0].nStartYear = 0;
    for (int n = 0; n < kPeriods; ++n) m_objLoan.m_aRepay[n + 1].nStartYear = ShownInt(kStartIDs[n]);
    CopyLoanData(m_pSupply->m_aLoan[m_nLoanIndex], m_objLoan);
    EndDialog(IDOK);
}
