#include "app/data/dataexpenseview.h"

#include <algorithm>
#include <tuple>

#include "app/common/formfields.h"
#include "app/common/numbertext.h"
#include "app/data/dataexpensepages.h"
#include "app/shell/tavrinprojectdoc.h"
#include "option/optionbusiness.h"
#include "option/optionmanage.h"
#include "platform/resource.h"

namespace {

using K = FormControlKind;
using F = FieldKind;
using R = CDataExpenseClass;
using C = tagDATAEXPENSEMONEY;
using B = tagDATACOMPRESSION;

constexpr UINT IDC_INPUT_METHOD = 10000;
constexpr UINT IDC_COST_KIND = 10001;
constexpr UINT IDC_COST = 10002;
constexpr UINT IDC_BOOK_VALUE = 10004;
constexpr UINT IDC_ACCOUNTING = 10005;
constexpr UINT IDC_PAYMENT = 10006;
constexpr UINT IDC_COMPRESSION = 1287;
constexpr UINT IDC_TSUBO_PRINT = 1457;
constexpr UINT IDC_TAB = 1166;
constexpr UINT IDS_FIRST_TAB = 3100;
constexpr int kFirstCapitalLoan = 6;
constexpr int kFirstOtherItem = 2;

const CFormControl kControls[] = {
    {20000, K::Unit, 0, 0, 3, "◆建設にかかる工事費と減価償却について入力します。"},
    {20097, K::Group, 1, 0, 1, "工事費"},
    {0, K::Label, 0, 0, 1, "工事費入力方法："},
    {IDC_INPUT_METHOD, K::Combo, 0, 1, 2, "金額入力\n割合入力", 12},
    {20022, K::Label, 1, 0, 1, "工事費："},
    {IDC_COST_KIND, K::Combo, 1, 1, 1, "総額：\n坪あたり：", 12},
    {IDC_COST, K::Number, 1, 2, 1, "", 14},
    {20024, K::Unit, 1, 2, 1, "千円"},
    {IDC_TSUBO_PRINT, K::Check, 2, 1, 2, "帳票への坪単価印刷"},
    {0, K::GroupEnd},
    {20096, K::Group, 1, 1, 1, "簿価について"},
    {IDC_COMPRESSION, K::Check, 0, 0, 2, "圧縮記帳する"},
    {20026, K::Label, 1, 0, 1, "圧縮簿価："},
    {IDC_BOOK_VALUE, K::Number, 1, 1, 1, "", 14},
    {20027, K::Unit, 1, 1, 1, "千円"},
    {0, K::GroupEnd},
    {1160, K::Group, 1, 2, 1, "経理処理と支払時期について"},
    {0, K::Label, 0, 0, 1, "経理処理方法："},
    {IDC_ACCOUNTING, K::Combo, 0, 1, 1, "建物簿価\n経　費\n創業償却費\n事業外支出", 14},
    {0, K::Label, 1, 0, 1, "支払時期："},
    {IDC_PAYMENT, K::Combo, 1, 1, 1, "着工時払\n中間時払\n竣工時払\n３期分割払\n各月均等", 14},
    {0, K::GroupEnd},
    {IDC_TAB, K::Tab, 2, 0, 3, "1\n2"},
};

// The record's accounting treatment is 1-4 (the box's index + 1).
const CFormField<R> kFields[] = {
    {{.nID = IDC_ACCOUNTING, .kind = F::Choice, .nOffset = 1}, Path<&R::m_objConstructionCost, &C::nAccounting>},
    {{.nID = IDC_PAYMENT, .kind = F::Choice}, Path<&R::m_objConstructionCost, &C::nPayment>},
    {{.nID = IDC_COMPRESSION, .kind = F::Check}, Path<&R::m_objCompression, &B::nCompression>},
};
// Shown and checked only for ratio input, the book value only with a compression entry.
const CFormField<R> kCostFields[] = {
    {{.nID = IDC_COST, .kind = F::Number}, Path<&R::m_objConstructionCost, &C::dAmount>},
};
const CFormField<R> kBookFields[] = {
    {{.nID = IDC_BOOK_VALUE, .kind = F::Number}, Path<&R::m_objCompression, &B::dBookValue>},
};
const CFormFields<R> kForm(kFields);
const CFormFields<R> kCostForm(kCostFields);
const CFormFields<R> kBookForm(kBookFields);

// The fields this window edits, record by record.
auto Tie(tagDATAEXPENSEMONEY& r)
{
    return std::tie(r.nInputMethod, r.dAmount, r.nAccounting, r.nPayment);
}
auto Tie(CDataDepreciationClass& r)
{
    return std::tie(r.dAmount, r.nLife, r.nMethod, r.nExtra, r.nRetireYear, r.m_strName);
}
auto Tie(tagDATACAPITALPAY& r)
{
    return std::tie(r.nYear, r.dAmount, r.nSource, r.nItem);
}
auto Tie(tagDATACOMPRESSION& r)
{
    return std::tie(r.nCompression, r.dBookValue);
}

// TRUE when a value changed.
template <class T>
BOOL CopyTied(T& from, T& to)
{
    if (Tie(from) == Tie(to)) return FALSE;
    Tie(to) = Tie(from);
    return TRUE;
}

// The number a hidden edit holds, or dOld when its text is none.
double HiddenNumber(const CFormWidget* pForm, UINT nID, double dOld)
{
    CString str = pForm->GetDlgItemText(nID);
    DeleteComma(str);
    double dValue = 0;
    return ParseNumber(str, dValue) ? dValue : dOld;
}

} // namespace

CDataExpenseView::CDataExpenseView() : CDataParentView(220)
{
    CreateControls(kControls);
    m_pTab = dynamic_cast<CPageTabCtrl*>(GetDlgItem(IDC_TAB));
    for (int i = 0; i < kPages; ++i) {
        CString strLabel = LoadText(IDS_FIRST_TAB + UINT(i));
        strLabel.TrimRight();
        m_pTab->SetItemText(i, strLabel);
    }
    m_pPages = std::make_unique<CPageSet>(
        m_pTab, [this](int nPage, QWidget* pParent) { return CreateDataExpensePage(this, nPage, pParent); });
}

void CDataExpenseView::OnInitialUpdate()
{
    ReloadData();
    PostUpdateTitle();
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_pPages->CreatePage();
            GotoDlgCtrl(IDC_INPUT_METHOD);
        },
        Qt::QueuedConnection);
}

void CDataExpenseView::OnUpdateTitle()
{
    SetFrameCaption(152);
}

BOOL CDataExpenseView::IsRatioInput() const
{
    return GetCurSel(IDC_INPUT_METHOD) == 1;
}

int CDataExpenseView::CostSlot() const
{
    return std::clamp(GetCurSel(IDC_COST_KIND), 0, 1);
}

void CDataExpenseView::ReloadData()
{
    const CDataExpenseClass* record = GetDocument() ? GetDocument()->GetDataExpense() : nullptr;
    if (!record) return;
    m_objExpense = *record;
    SetViewData();
    m_pPages->SetPagesData();
}

// A stored accounting treatment 0 is shown and kept as 1; the amounts of the
// depreciation items start as the column of the stored input method.
void CDataExpenseView::SetViewData()
{
    CDataExpenseMoneyClass& cost = m_objExpense.m_objConstructionCost;
    if (cost.nAccounting == 0) cost.nAccounting = 1;
    const int nMethod = cost.nInputMethod != 0 ? 1 : 0;
    SetCurSel(IDC_INPUT_METHOD, nMethod);
    SetCurSel(IDC_COST_KIND, nMethod ? cost.nInputMethod - 2 : 0);
    kForm.Load(this, m_objExpense);
    kCostForm.Load(this, m_objExpense);
    kBookForm.Load(this, m_objExpense);
    m_adCost[0] = m_adCost[1] = 0;
    m_adCost[CostSlot()] = cost.dAmount;
    for (int i = 0; i < kItems; ++i) {
        m_aadAmount[i][0] = m_aadAmount[i][1] = 0;
        m_aadAmount[i][nMethod] = m_objExpense.m_aDepreciation[i].dAmount;
    }
    CheckDlgButton(IDC_TSUBO_PRINT, GetDocument()->GetDataBasic()->bNoTsuboPricePrint == 0);
    ShowInputMethod();
}

void CDataExpenseView::ShowInputMethod()
{
    const BOOL bRatio = IsRatioInput();
    for (const UINT nID : {20022u, IDC_COST_KIND, IDC_COST, 20024u, IDC_COMPRESSION, 20096u}) ShowDlgItem(nID, bRatio);
    const BOOL bBookValue = bRatio && IsDlgButtonChecked(IDC_COMPRESSION);
    for (const UINT nID : {20026u, IDC_BOOK_VALUE, 20027u}) ShowDlgItem(nID, bBookValue);
}

void CDataExpenseView::OnControlNotify(UINT nID, UINT nCode)
{
    kForm.Notify(this, nID, nCode);
    kCostForm.Notify(this, nID, nCode);
    kBookForm.Notify(this, nID, nCode);
    if (nID == IDC_INPUT_METHOD && nCode == CBN_SELCHANGE) {
        ShowInputMethod();
        // A page made earlier shows the new method's amounts at once, also
        // while hidden, so that its check never stores the other column.
        if (auto* page = dynamic_cast<CDataDepreciationPage*>(Page(0))) page->ShowMethod();
    } else if (nID == IDC_COST_KIND && nCode == CBN_SELCHANGE) {
        SetDlgItemText(IDC_COST, FormatNumber(-1, m_adCost[CostSlot()], TRUE));
    } else if (nID == IDC_COST && nCode == EN_KILLFOCUS) {
        m_adCost[CostSlot()] = CommaStrToDouble(GetDlgItemText(IDC_COST));
    } else if (nID == IDC_COMPRESSION && nCode == BN_CLICKED) {
        ShowInputMethod();
    }
}

BOOL CDataExpenseView::CheckData(int)
{
    CTavrinProjectDoc* doc = GetDocument();
    if (!doc || !m_pPages->CheckData(-1)) return FALSE;
    const BOOL bRatio = IsRatioInput();
    const BOOL bBookValue = bRatio && IsDlgButtonChecked(IDC_COMPRESSION);
    if ((bRatio && !kCostForm.Check(this)) || (bBookValue && !kBookForm.Check(this))) return FALSE;
    StoreConstructionCost();
    kForm.Store(this, m_objExpense);
    for (int i = 0; i < kItems; ++i) m_objExpense.m_aDepreciation[i].dAmount = m_aadAmount[i][bRatio ? 1 : 0];
    CDataBasicClass basic = *doc->GetDataBasic();
    if (CopyField(IsDlgButtonChecked(IDC_TSUBO_PRINT) ? 0 : 1, basic.bNoTsuboPricePrint)) {
        doc->SetDataBasic(basic);
        doc->m_abDataModified[CTavrinProjectDoc::kBasicSheet] = TRUE;
    }
    return TRUE;
}

// Ratio input: the method of the total / per-tsubo box (a stored method the
// box does not list is kept) and the cost typed; amount input keeps what the
// hidden edits hold. The book value is typed only with a compression entry.
void CDataExpenseView::StoreConstructionCost()
{
    tagDATAEXPENSEMONEY& cost = m_objExpense.m_objConstructionCost;
    tagDATACOMPRESSION& compression = m_objExpense.m_objCompression;
    if (!IsRatioInput()) {
        cost.nInputMethod = 0;
        cost.dAmount = HiddenNumber(this, IDC_COST, cost.dAmount);
    } else {
        if (const int nSel = GetCurSel(IDC_COST_KIND); nSel >= 0) cost.nInputMethod = 2 + nSel;
        kCostForm.Store(this, m_objExpense);
    }
    if (IsRatioInput() && IsDlgButtonChecked(IDC_COMPRESSION))
        kBookForm.Store(this, m_objExpense);
    else
        compression.dBookValue = HiddenNumber(this, IDC_BOOK_VALUE, compression.dBookValue);
}

BOOL CDataExpenseView::StoreData()
{
    CTavrinProjectDoc* doc = GetDocument();
    CDataExpenseClass* record = doc ? doc->GetDataExpense() : nullptr;
    if (!record) return FALSE;
    BOOL bChanged = CopyTied<tagDATAEXPENSEMONEY>(m_objExpense.m_objConstructionCost, record->m_objConstructionCost);
    bChanged |= CopyTied(m_objExpense.m_objCompression, record->m_objCompression);
    for (int i = 0; i < kItems; ++i) bChanged |= CopyTied(m_objExpense.m_aDepreciation[i], record->m_aDepreciation[i]);
    BOOL bLoans = FALSE;
    for (int k = 0; k < CDataExpenseClass::kCapitalPayCount; ++k) {
        bChanged |= CopyTied<tagDATACAPITALPAY>(m_objExpense.m_aCapitalPay[k], record->m_aCapitalPay[k]);
        bLoans |= LinkCapitalLoan(record->m_aCapitalPay[k], doc->GetDataSupply()->m_aLoan[kFirstCapitalLoan + k]);
    }
    if (bLoans) doc->m_abDataModified[CTavrinProjectDoc::kFundingSheet] = TRUE;
    for (int j = 0; j < kItems - kFirstOtherItem; ++j) {
        const CString& strName = record->m_aDepreciation[kFirstOtherItem + j].m_strName;
        if (CopyField(strName, doc->GetOptionBusinessRate()->m_astrAmortizeName[j]))
            doc->m_abOptionModified[CTavrinProjectDoc::kBusinessRateOption] = TRUE;
        if (CopyField(strName, doc->GetOptionOtherManage()->m_astrAmortizeName[j]))
            doc->m_abOptionModified[CTavrinProjectDoc::kOtherManageOption] = TRUE;
    }
    return bChanged;
}
