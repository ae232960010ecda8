#include "app/data/dataloanview.h"

#include <algorithm>
#include <vector>

#include "app/common/formfields.h"
#include "app/common/numbertext.h"
#include "app/shell/tavrinprojectdoc.h"
#include "app/taxopt/optiondialogs.h"
#include "option/optionmanage.h"
#include "platform/msgbox.h"
#include "platform/resource.h"

namespace {

using K = FormControlKind;
using F = FieldKind;
using R = CDataSupplyClass;

constexpr UINT IDC_OWN_FUND = 10030;
constexpr UINT IDC_LAND_OWN_FUND = 10031;
constexpr UINT IDC_SUBSIDY = 1283;
constexpr UINT IDC_OWN_FUND_TIME = 1285;
constexpr UINT IDC_SHORT_USE = 1301;
constexpr UINT IDC_SHORT_RATE = 10034;
constexpr UINT IDC_SHORT_FEE = 1300;
constexpr UINT IDC_AUTO_USE = 1282;
constexpr UINT IDC_AUTO_DETAIL = 1037;
constexpr UINT IDC_ADVANCE_RATE = 1286;
constexpr UINT IDS_LAND_PURCHASE_LOAN = 3500;
constexpr UINT IDS_CAPITAL_PAY = 3101;

constexpr int kListLoans = 8;
constexpr UINT kNameIDs[kListLoans] = {10040, 10042, 10045, 10047, 10049, 10051, 10053, 10055};
constexpr UINT kAmountIDs[kListLoans] = {10043, 10044, 10046, 10048, 10050, 10052, 10054, 10056};
constexpr UINT kDetailIDs[kListLoans] = {1020, 1023, 1025, 1027, 1029, 1031, 1033, 1035};
const char* const kLoanLabels[kListLoans] = {"借入金１：", "借入金２：", "借入金３：", "借入金４：",
                                             "借入金５：", "借入金６：", "借入金７：", "借入金８："};

const CFormControl kUpperControls[] = {
    {0, K::Title, 0, 0, 2, "◆建設資金の調達方法について入力します。"},
    {0, K::Group, 1, 0, 1, "自己資金等"},
    {0, K::Label, 0, 0, 1, "自己資金："},
    {IDC_OWN_FUND, K::Number, 0, 1, 1, "", 14},
    {0, K::Unit, 0, 2, 1, "千円"},
    {20051, K::Label, 1, 0, 1, "土地購入用自己資金："},
    {IDC_LAND_OWN_FUND, K::Number, 1, 1, 1, "", 14},
    {20054, K::Unit, 1, 2, 1, "千円"},
    {0, K::Label, 2, 0, 1, "補助金等："},
    {IDC_SUBSIDY, K::Number, 2, 1, 1, "", 14},
    {0, K::Unit, 2, 2, 1, "千円"},
    {0, K::Label, 3, 0, 1, "自己資金の利用時期："},
    {IDC_OWN_FUND_TIME, K::Combo, 3, 1, 2, "着工時から\n竣工時", 14},
    {0, K::GroupEnd},
    {0, K::Group, 1, 1, 1, "資金ショート時借入金"},
    {IDC_SHORT_USE, K::Check, 0, 1, 2, "利用"},
    {20056, K::Label, 1, 0, 1, "借入金 金利："},
    {IDC_SHORT_RATE, K::Number, 1, 1, 1, "", 8},
    {20057, K::Unit, 1, 2, 1, "％"},
    {IDC_SHORT_FEE, K::Check, 2, 1, 2, "抵当権設定登記料"},
    {0, K::GroupEnd},
    {0, K::Group, 2, 0, 2, "借入金"},
};

const CFormControl kLowerControls[] = {
    {0, K::GroupEnd},
    {0, K::Group, 3, 0, 1, "自動借入金"},
    {IDC_AUTO_USE, K::Check, 0, 0, 1, "利用"},
    {IDC_AUTO_DETAIL, K::Button, 0, 1, 1, "詳細"},
    {0, K::GroupEnd},
    {IDC_ADVANCE_RATE, K::Button, 3, 1, 1, "敷金・保証金の前受"},
};

// The two fixed parts and a row per listed loan: label, name, amount, unit, detail button.
std::vector<CFormControl> Controls()
{
    std::vector<CFormControl> controls(std::begin(kUpperControls), std::end(kUpperControls));
    for (int i = 0; i < kListLoans; ++i) {
        controls.push_back({0, K::Label, i, 0, 1, kLoanLabels[i]});
        controls.push_back({kNameIDs[i], K::Edit, i, 1, 1, "", 30});
        controls.push_back({kAmountIDs[i], K::ReadOnly, i, 2, 1, "", 14});
        controls.push_back({0, K::Unit, i, 3, 1, "千円"});
        controls.push_back({kDetailIDs[i], K::Button, i, 4, 1, "詳細"});
    }
    controls.insert(controls.end(), std::begin(kLowerControls), std::end(kLowerControls));
    return controls;
}

const int kChargedValues[] = {1, 0}; // ticked: charged (0)
const int kUsedValues[] = {1, 0};    // ticked: used (0)

const CFormField<R> kFields[] = {
    {{.nID = IDC_OWN_FUND, .kind = F::Number}, Path<&R::m_objFund, &tagDATAFUND::dOwnFund>},
    {{.nID = IDC_SUBSIDY, .kind = F::Number}, Path<&R::m_objFund, &tagDATAFUND::dSubsidy>},
    {{.nID = IDC_SHORT_USE, .kind = F::Check}, Path<&R::m_objShortLoan, &tagDATASHORTLOAN::nUse>},
    {{.nID = IDC_AUTO_USE, .kind = F::Check, .values = kUsedValues}, Member<&R::m_nAutoLoan>},
};
// Only while loan 6 is the land-purchase loan.
const CFormField<R> kLandFields[] = {
    {{.nID = IDC_LAND_OWN_FUND, .kind = F::Number}, Path<&R::m_objFund, &tagDATAFUND::dLandOwnFund>},
};
// Only while the shortage loan is used: otherwise rate and fee keep their values.
const CFormField<R> kShortLoanFields[] = {
    {{.nID = IDC_SHORT_RATE, .kind = F::Number}, Path<&R::m_objShortLoan, &tagDATASHORTLOAN::dRate>},
    {{.nID = IDC_SHORT_FEE, .kind = F::Check, .values = kChargedValues},
     Path<&R::m_objShortLoan, &tagDATASHORTLOAN::nMortgageFee>},
};

const CFormFields<R> kForm(kFields);
const CFormFields<R> kLandForm(kLandFields);
const CFormFields<R> kShortLoanForm(kShortLoanFields);

bool SameLoan(const CDataLoanClass& a, const CDataLoanClass& b)
{
    for (int n = 0; n < CDataLoanClass::kRepayCount; ++n) {
        const tagDATAREPAY &x = a.m_aRepay[n], &y = b.m_aRepay[n];
        if (x.nStartYear != y.nStartYear || x.nEndYear != y.nEndYear || x.dRate != y.dRate) return false;
    }
    return a.dAmount == b.dAmount && a.nMortgageFee == b.nMortgageFee && a.nRepayMethod == b.nRepayMethod &&
           a.nSpecialFromYear == b.nSpecialFromYear && a.nSpecialToYear == b.nSpecialToYear &&
           a.dSpecialAmount == b.dSpecialAmount && a.nSpecialSource == b.nSpecialSource &&
           a.m_strBankName == b.m_strBankName && a.m_nCapitalPayYear == b.m_nCapitalPayYear;
}

BOOL IsCapitalLoan(int nIndex)
{
    return nIndex == 6 || nIndex == 7;
}

} // namespace

CDataLoanView::CDataLoanView() : CDataParentView(240)
{
    CreateControls(Controls());
    for (const UINT nID : kNameIDs) SetReadOnly(nID, TRUE);
}

void CDataLoanView::OnInitialUpdate()
{
    ReloadData();
    PostUpdateTitle();
    GotoDlgCtrl(IDC_OWN_FUND);
}

void CDataLoanView::OnUpdateTitle()
{
    CTavrinProjectDoc* doc = GetDocument();
    CString strName = LoadText(155);
    strName.Remove('\n');
    if (doc) SetCaption(doc->GetTitle() + LoadText(161) + strName);
}

void CDataLoanView::ReloadData()
{
    CTavrinProjectDoc* doc = GetDocument();
    const CDataSupplyClass* supply = doc ? doc->GetDataSupply() : nullptr;
    if (!supply) return;
    m_objSupply.m_objFund = supply->m_objFund;
    m_objSupply.m_objShortLoan = supply->m_objShortLoan;
    m_objSupply.m_nAutoLoan = supply->m_nAutoLoan;
    m_objSupply.m_nLandPurchaseLoan = supply->m_nLandPurchaseLoan;
    for (int i = 0; i < CDataSupplyClass::kLoanCount; ++i) CopyLoanData(m_objSupply.m_aLoan[i], supply->m_aLoan[i]);
    m_abLoanEdited.fill(FALSE);
    kForm.Load(this, m_objSupply);
    kLandForm.Load(this, m_objSupply);
    kShortLoanForm.Load(this, m_objSupply);
    if (const COptionOtherManageClass* option = doc->GetOptionOtherManage())
        SetCurSel(IDC_OWN_FUND_TIME, option->m_nOwnFundTime);
    const BOOL bLand = m_objSupply.m_nLandPurchaseLoan == 1;
    for (const UINT nID : {20051u, IDC_LAND_OWN_FUND, 20054u}) ShowDlgItem(nID, bLand);
    ShowShortLoan();
    FillLoanList();
}

void CDataLoanView::ShowShortLoan()
{
    const BOOL bUse = IsDlgButtonChecked(IDC_SHORT_USE);
    for (const UINT nID : {IDC_SHORT_RATE, 20056u, 20057u, IDC_SHORT_FEE}) ShowDlgItem(nID, bUse);
}

void CDataLoanView::FillLoanList()
{
    for (int i = 0; i < kListLoans; ++i) {
        const CDataLoanClass& loan = m_objSupply.m_aLoan[i];
        CString strName = loan.m_strBankName;
        if (i == CDataSupplyClass::kLandPurchaseLoan && m_objSupply.m_nLandPurchaseLoan == 1) {
            strName = LoadText(IDS_LAND_PURCHASE_LOAN);
        } else if (IsCapitalLoan(i) && loan.m_nCapitalPayYear > 0) {
            strName = LoadText(IDS_CAPITAL_PAY);
            strName.TrimRight();
            strName += NumberToFullWidth(i - 5);
        }
        SetDlgItemText(kNameIDs[i], strName);
        SetDlgItemText(kAmountIDs[i], FormatNumber(-1, loan.dAmount, TRUE));
    }
}

void CDataLoanView::OpenLoanDetail(int nIndex)
{
    if (nIndex == CDataSupplyClass::kAutoLoan && !IsDlgButtonChecked(IDC_AUTO_USE)) {
        MessageBoxWithCaption("自動借入金の利用にチェックを入れて下さい", "注意", MB_ICONEXCLAMATION);
        return;
    }
    m_objLoanDetailDlg.m_pSupply = &m_objSupply;
    m_objLoanDetailDlg.m_nLoanIndex = nIndex;
    if (m_objLoanDetailDlg.DoModal() == IDCANCEL) return;
    m_abLoanEdited[size_t(nIndex)] = TRUE;
    FillLoanList();
}

BOOL CDataLoanView::CheckData(int)
{
    if (!kForm.Check(this)) return FALSE;
    if (m_objSupply.m_nLandPurchaseLoan == 1 && !kLandForm.Check(this)) return FALSE;
    if (IsDlgButtonChecked(IDC_SHORT_USE) && !kShortLoanForm.Check(this)) return FALSE;
    CTavrinProjectDoc* doc = GetDocument();
    COptionOtherManageClass* option = doc ? doc->GetOptionOtherManage() : nullptr;
    if (const int nSel = GetCurSel(IDC_OWN_FUND_TIME); option && nSel >= 0 && option->m_nOwnFundTime != nSel) {
        option->m_nOwnFundTime = nSel;
        doc->m_abOptionModified[CTavrinProjectDoc::kOtherManageOption] = TRUE;
    }
    return TRUE;
}

// Loans confirmed in the dialog. The capital-expenditure year is the
// construction-cost form's, and so is the amount while it finances one; the
// land-purchase loan's amount is derived by the document.
BOOL CDataLoanView::StoreLoans(CDataSupplyClass& supply) const
{
    BOOL bChanged = FALSE;
    for (int i = 0; i < CDataSupplyClass::kLoanCount; ++i) {
        if (!m_abLoanEdited[size_t(i)]) continue;
        CDataLoanClass& loan = supply.m_aLoan[i];
        const CDataLoanClass& edited = m_objSupply.m_aLoan[i];
        const BOOL bLocked = CLoanDetailDlg::IsAmountLocked(supply, i) ||
                             (IsCapitalLoan(i) && edited.m_nCapitalPayYear >= 1);
        CDataLoanClass before;
        CopyLoanData(before, loan);
        CopyLoanData(loan, edited);
        loan.m_nCapitalPayYear = before.m_nCapitalPayYear;
        if (bLocked) loan.dAmount = before.dAmount;
        bChanged |= !SameLoan(before, loan);
    }
    return bChanged;
}

BOOL CDataLoanView::StoreData()
{
    CTavrinProjectDoc* doc = GetDocument();
    CDataSupplyClass* supply = doc ? doc->GetDataSupply() : nullptr;
    if (!supply) return FALSE;
    BOOL bChanged = kForm.Store(this, *supply);
    if (supply->m_nLandPurchaseLoan == 1) bChanged |= kLandForm.Store(this, *supply);
    if (supply->m_objShortLoan.nUse == 1) bChanged |= kShortLoanForm.Store(this, *supply);
    bChanged |= StoreLoans(*supply);
    return bChanged;
}

void CDataLoanView::OnControlNotify(UINT nID, UINT nCode)
{
    if (!kForm.Notify(this, nID, nCode) && !kLandForm.Notify(this, nID, nCode))
        kShortLoanForm.Notify(this, nID, nCode);
    if (nCode != BN_CLICKED) return;
    if (nID == IDC_SHORT_USE) {
        ShowShortLoan();
    } else if (nID == IDC_ADVANCE_RATE) {
        RunAdvanceRateDialog(GetDocument(), this);
    } else if (nID == IDC_AUTO_DETAIL) {
        OpenLoanDetail(CDataSupplyClass::kAutoLoan);
    } else if (const UINT* p = std::find(std::begin(kDetailIDs), std::end(kDetailIDs), nID); p != std::end(kDetailIDs)) {
        OpenLoanDetail(int(p - kDetailIDs));
    }
}
