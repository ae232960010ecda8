#include "app/data/dataexpensepages.h"

#include <algorithm>
#include <vector>

#include "app/common/formfields.h"
#include "app/common/numbertext.h"
#include "app/data/dataexpenseview.h"
#include "app/data/runloandetail.h"
#include "app/shell/tavrinprojectdoc.h"
#include "option/optionmanage.h"
#include "platform/msgbox.h"
#include "platform/resource.h"

namespace {

using K = FormControlKind;
using F = FieldKind;
using R = CDataExpenseClass;
using D = tagDATADEPRECIATION;
using P = tagDATACAPITALPAY;
using O = COptionOtherManageClass;

constexpr int kItems = CDataExpenseView::kItems;
constexpr int kOtherItems = 4;
constexpr int kPays = CDataExpenseClass::kCapitalPayCount;
constexpr int kFirstCapitalLoan = 6;
constexpr int kLoanSource = 1;
// The project file keeps 29 bytes of the names of the first two items.
constexpr int kNameBytes = 29;
// Shares that add up to 100 within rounding pass.
constexpr double kShareSlack = 1e-9;
constexpr UINT IDS_THOUSAND_YEN = 3062;
constexpr UINT IDS_PERCENT = 3063;
constexpr UINT IDP_SHARE_RANGE = 10015;
constexpr UINT IDP_SHARE_TOTAL = 10016;

// --- The depreciation page

constexpr UINT IDC_AMOUNT_HEADER = 1151;
constexpr UINT IDC_TOTAL = 1156;
constexpr UINT IDC_FIRST_EXTRA = 1288;
constexpr UINT IDC_FIRST_RETIRE = 1463;
constexpr UINT IDC_FIRST_PRORATE = 1294;
constexpr UINT kNameIDs[kItems] = {1019, 1020, 10022, 10027, 10032, 10037};
constexpr UINT kAmountIDs[kItems] = {10010, 10014, 10018, 10023, 10028, 10033};
constexpr UINT kLifeIDs[kItems] = {10011, 10015, 10019, 10024, 10029, 10034};
constexpr UINT kMethodIDs[kItems] = {10012, 10016, 10020, 10025, 10030, 10035};
// The units of the six amounts and of the total.
constexpr UINT kUnitIDs[kItems + 1] = {20042, 20051, 20060, 20069, 20078, 20087, 1157};

const CFormControl kHeader[] = {
    {1150, K::Unit, 0, 0, 1, "償却項目名"},
    {IDC_AMOUNT_HEADER, K::Unit, 0, 1, 1, "金額"},
    {1152, K::Unit, 0, 2, 1, "耐用年数"},
    {1153, K::Unit, 0, 3, 1, "償却方法"},
    {1154, K::Unit, 0, 4, 1, "割増償却"},
    {0, K::Unit, 0, 5, 1, "除却年"},
    {0, K::Unit, 0, 6, 1, "建物簿価での\n　　按分"},
};

// The header, a row per item (the other items with their proration box) and the total.
std::vector<CFormControl> DepreciationControls()
{
    std::vector<CFormControl> controls(std::begin(kHeader), std::end(kHeader));
    for (int i = 0; i < kItems; ++i) {
        const int nRow = 1 + i;
        const CFormControl row[] = {
            {kNameIDs[i], K::Edit, nRow, 0, 1, "", 30},
            {kAmountIDs[i], K::Number, nRow, 1, 1, "", 14},
            {kUnitIDs[i], K::Unit, nRow, 1, 1, "千円"},
            {kLifeIDs[i], K::Number, nRow, 2, 1, "", 4},
            {0, K::Unit, nRow, 2, 1, "年"},
            {kMethodIDs[i], K::Combo, nRow, 3, 1, "定額法\n定率法", 10},
            {IDC_FIRST_EXTRA + UINT(i), K::Check, nRow, 4, 1, ""},
            {IDC_FIRST_RETIRE + UINT(i), K::Number, nRow, 5, 1, "", 4},
            {0, K::Unit, nRow, 5, 1, "年目"},
        };
        controls.insert(controls.end(), std::begin(row), std::end(row));
        if (i >= kItems - kOtherItems)
            controls.push_back({IDC_FIRST_PRORATE + UINT(i - (kItems - kOtherItems)), K::Check, nRow, 6, 1, ""});
    }
    controls.insert(controls.end(), {
        {1155, K::Label, kItems + 1, 0, 1, "合計："},
        {IDC_TOTAL, K::ReadOnly, kItems + 1, 1, 1, "", 14},
        {kUnitIDs[kItems], K::Unit, kItems + 1, 1, 1, "千円"},
    });
    return controls;
}

const CFormField<R> kItemFields[] = {
    {{.nID = kNameIDs[0], .kind = F::Text, .nMaxChars = kNameBytes},
     Path<&R::m_aDepreciation, kRow, &CDataDepreciationClass::m_strName>, kItems, 1, kNameIDs},
    {{.nID = kLifeIDs[0], .kind = F::Integer, .style = NumberStyle::Count}, Path<&R::m_aDepreciation, kRow, &D::nLife>,
     kItems, 1, kLifeIDs},
    {{.nID = kMethodIDs[0], .kind = F::Choice}, Path<&R::m_aDepreciation, kRow, &D::nMethod>, kItems, 1, kMethodIDs},
    {{.nID = IDC_FIRST_EXTRA, .kind = F::Check}, Path<&R::m_aDepreciation, kRow, &D::nExtra>, kItems},
    {{.nID = IDC_FIRST_RETIRE, .kind = F::Integer, .style = NumberStyle::Count},
     Path<&R::m_aDepreciation, kRow, &D::nRetireYear>, kItems},
};
// Amounts in thousand yen, or shares of the construction cost (0-100 each).
const CFormField<R> kAmountFields[] = {
    {{.nID = kAmountIDs[0], .kind = F::Number}, Path<&R::m_aDepreciation, kRow, &D::dAmount>, kItems, 1, kAmountIDs},
};
const CFormField<R> kShareFields[] = {
    {{.nID = kAmountIDs[0], .kind = F::Number, .dMin = 0, .dMax = 100, .nMessageID = IDP_SHARE_RANGE},
     Path<&R::m_aDepreciation, kRow, &D::dAmount>, kItems, 1, kAmountIDs},
};
const int kProrated[] = {1, 0};  // ticked: pro-rated (0)
const CFormField<O> kProrateFields[] = {
    {{.nID = IDC_FIRST_PRORATE, .kind = F::Check, .values = kProrated}, Path<&O::m_anProrate, kRow>, kOtherItems},
};
const CFormFields<R> kItemForm(kItemFields);
const CFormFields<R> kAmountForm(kAmountFields);
const CFormFields<R> kShareForm(kShareFields);
const CFormFields<O> kProrateForm(kProrateFields);

// --- The capital-expenditure page: block k has ids 10000 + 4k to 10003 + 4k.

constexpr UINT IDC_FIRST_LOAN_BUTTON = 1020;
constexpr UINT YearID(int k) { return 10000 + 4 * UINT(k); }
constexpr UINT ItemID(int k) { return 10002 + 4 * UINT(k); }
constexpr UINT SourceID(int k) { return 10003 + 4 * UINT(k); }

struct CPayBlock {
    UINT nGroupID;
    const char* pszCaption;
    UINT nNoteID;
    const char* pszNote;
};
const CPayBlock kPayBlocks[kPays] = {
    {20026, "資本的支出１", 20001, "支払原資を「借入金」にした場合、借入金７を使用します。"},
    {20033, "資本的支出２", 20002, "支払原資を「借入金」にした場合、借入金８を使用します。"},
};

std::vector<CFormControl> CapitalPayControls()
{
    std::vector<CFormControl> controls;
    for (int k = 0; k < kPays; ++k) {
        const CPayBlock& block = kPayBlocks[k];
        const CFormControl group[] = {
            {block.nGroupID, K::Group, 0, k, 1, block.pszCaption},
            {0, K::Label, 0, 0, 1, "支出を行う年："},
            {YearID(k), K::Number, 0, 1, 1, "", 4},
            {0, K::Unit, 0, 1, 1, "年"},
            {0, K::Label, 1, 0, 1, "金額："},
            {YearID(k) + 1, K::Number, 1, 1, 1, "", 14},
            {0, K::Unit, 1, 1, 1, "千円"},
            {0, K::Label, 2, 0, 1, "償却対象項目："},
            {ItemID(k), K::Combo, 2, 1, 1, "", 30},
            {0, K::Label, 3, 0, 1, "支払の原資："},
            {SourceID(k), K::Combo, 3, 1, 1, "事業収入\n借入金\n追加自己資金", 14},
            {IDC_FIRST_LOAN_BUTTON + UINT(k), K::Button, 3, 1, 1, "借入金設定"},
            {block.nNoteID, K::Unit, 4, 0, 2, block.pszNote},
            {0, K::GroupEnd},
        };
        controls.insert(controls.end(), std::begin(group), std::end(group));
    }
    return controls;
}

const CFormField<R> kPayFields[] = {
    {{.nID = YearID(0), .kind = F::Integer, .style = NumberStyle::Count}, Path<&R::m_aCapitalPay, kRow, &P::nYear>,
     kPays, 4},
    {{.nID = YearID(0) + 1, .kind = F::Number}, Path<&R::m_aCapitalPay, kRow, &P::dAmount>, kPays, 4},
    {{.nID = ItemID(0), .kind = F::Choice}, Path<&R::m_aCapitalPay, kRow, &P::nItem>, kPays, 4},
    {{.nID = SourceID(0), .kind = F::Choice}, Path<&R::m_aCapitalPay, kRow, &P::nSource>, kPays, 4},
};
const CFormFields<R> kPayForm(kPayFields);

} // namespace

BOOL LinkCapitalLoan(const tagDATACAPITALPAY& pay, CDataLoanClass& loan)
{
    const bool bLinked = pay.nYear > 0 && pay.dAmount > 0 && pay.nSource == kLoanSource;
    if (!bLinked && loan.m_nCapitalPayYear == 0) return FALSE;
    BOOL bChanged = CopyField(bLinked ? pay.dAmount : 0.0, loan.dAmount);
    bChanged |= CopyField(bLinked ? pay.nYear : 0, loan.m_nCapitalPayYear);
    return bChanged;
}

CDataExpensePage::CDataExpensePage(CDataExpenseView* pView, std::span<const CFormControl> controls, QWidget* pParent)
    : CFormPage(pParent), m_pView(pView)
{
    CreateControls(controls);
}

CFormPage* CreateDataExpensePage(CDataExpenseView* pView, int nPage, QWidget* pParent)
{
    if (nPage == 0) return new CDataDepreciationPage(pView, pParent);
    return new CDataCapitalPayPage(pView, pParent);
}

CDataDepreciationPage::CDataDepreciationPage(CDataExpenseView* pView, QWidget* pParent)
    : CDataExpensePage(pView, DepreciationControls(), pParent)
{
    SetPageData();
}

void CDataDepreciationPage::SetPageData()
{
    kItemForm.Load(this, m_pView->m_objExpense);
    if (CTavrinProjectDoc* doc = m_pView->GetDocument()) kProrateForm.Load(this, *doc->GetOptionOtherManage());
    ShowMethod();
}

void CDataDepreciationPage::ShowMethod()
{
    const int nMethod = m_pView->IsRatioInput() ? 1 : 0;
    SetDlgItemText(IDC_AMOUNT_HEADER, nMethod ? "割合" : "金額");
    for (const UINT nID : kUnitIDs) SetDlgItemText(nID, LoadText(nMethod ? IDS_PERCENT : IDS_THOUSAND_YEN));
    for (int i = 0; i < kItems; ++i)
        SetDlgItemText(kAmountIDs[i], FormatNumber(-1, m_pView->m_aadAmount[i][nMethod], TRUE));
    ShowTotal();
}

void CDataDepreciationPage::ShowTotal()
{
    SetDlgItemText(IDC_TOTAL, FormatNumber(-1, FieldTotal(this, kAmountIDs), TRUE));
}

void CDataDepreciationPage::OnControlNotify(UINT nID, UINT nCode)
{
    kItemForm.Notify(this, nID, nCode);
    kAmountForm.Notify(this, nID, nCode);
    const UINT* pAmount = std::find(std::begin(kAmountIDs), std::end(kAmountIDs), nID);
    if (pAmount == std::end(kAmountIDs) || nCode != EN_KILLFOCUS) return;
    m_pView->m_aadAmount[pAmount - kAmountIDs][m_pView->IsRatioInput() ? 1 : 0] = CommaStrToDouble(GetDlgItemText(nID));
    ShowTotal();
}

// Shares stay within 0-100 each and 100 together; the proration boxes go to
// the option record at once.
BOOL CDataDepreciationPage::CheckPage()
{
    const BOOL bRatio = m_pView->IsRatioInput();
    const CFormFields<R>& amounts = bRatio ? kShareForm : kAmountForm;
    if (!amounts.Check(this) || !kItemForm.Check(this)) return FALSE;
    if (bRatio && FieldTotal(this, kAmountIDs) > 100 + kShareSlack) {
        AfxMessageBox(IDP_SHARE_TOTAL, MB_ICONSTOP);
        GotoDlgCtrl(kAmountIDs[0]);
        return FALSE;
    }
    CDataExpenseClass& expense = m_pView->m_objExpense;
    amounts.Store(this, expense);
    kItemForm.Store(this, expense);
    for (int i = 0; i < kItems; ++i) m_pView->m_aadAmount[i][bRatio ? 1 : 0] = expense.m_aDepreciation[i].dAmount;
    CTavrinProjectDoc* doc = m_pView->GetDocument();
    if (doc && kProrateForm.Store(this, *doc->GetOptionOtherManage())) doc->m_abOptionModified[CTavrinProjectDoc::kOtherManageOption] = TRUE;
    return TRUE;
}

CDataCapitalPayPage::CDataCapitalPayPage(CDataExpenseView* pView, QWidget* pParent)
    : CDataExpensePage(pView, CapitalPayControls(), pParent)
{
    SetPageData();
}

// The item boxes list the six names of the working copy as they are.
void CDataCapitalPayPage::SetPageData()
{
    std::vector<CString> names;
    for (const CDataDepreciationClass& item : m_pView->m_objExpense.m_aDepreciation) names.push_back(item.m_strName);
    for (int k = 0; k < kPays; ++k) SetComboEntries(ItemID(k), names);
    kPayForm.Load(this, m_pView->m_objExpense);
    ShowLoanButtons();
}

void CDataCapitalPayPage::ShowLoanButtons()
{
    for (int k = 0; k < kPays; ++k)
        ShowDlgItem(IDC_FIRST_LOAN_BUTTON + UINT(k), GetCurSel(SourceID(k)) == kLoanSource);
}

void CDataCapitalPayPage::OnControlNotify(UINT nID, UINT nCode)
{
    kPayForm.Notify(this, nID, nCode);
    if (nCode == CBN_SELCHANGE && (nID == SourceID(0) || nID == SourceID(1))) ShowLoanButtons();
    if (nCode == BN_CLICKED && nID >= IDC_FIRST_LOAN_BUTTON && nID < IDC_FIRST_LOAN_BUTTON + kPays)
        OnLoanButton(int(nID - IDC_FIRST_LOAN_BUTTON));
}

BOOL CDataCapitalPayPage::CheckPage()
{
    if (!kPayForm.Check(this)) return FALSE;
    kPayForm.Store(this, m_pView->m_objExpense);
    return TRUE;
}

// The loan is linked to the expenditure as it stands, then edited in the
// funding window's dialog, which writes it to the document; on OK the
// expenditure takes the loan's amount, and its year when the loan has one.
void CDataCapitalPayPage::OnLoanButton(int nPay)
{
    CTavrinProjectDoc* doc = m_pView->GetDocument();
    if (!doc || !CheckPage()) return;
    CDataSupplyClass* supply = doc->GetDataSupply();
    CDataLoanClass& loan = supply->m_aLoan[kFirstCapitalLoan + nPay];
    tagDATACAPITALPAY& pay = m_pView->m_objExpense.m_aCapitalPay[nPay];
    BOOL bChanged = LinkCapitalLoan(pay, loan);
    if (RunLoanDetailDialog(supply, kFirstCapitalLoan + nPay, this) == IDOK) {
        bChanged = TRUE;
        pay.dAmount = loan.dAmount;
        if (loan.m_nCapitalPayYear != 0) pay.nYear = loan.m_nCapitalPayYear;
        SetPageData();
    }
    if (bChanged) doc->m_abDataModified[CTavrinProjectDoc::kFundingSheet] = TRUE;
}
