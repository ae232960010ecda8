#include "app/data/costaccountingdlg.h"

#include <array>

#include "app/common/formfields.h"
#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinprojectdoc.h"
#include "platform/qtstring.h"

namespace {

using K = FormControlKind;
using F = FieldKind;

constexpr int kLines = CDataExpenseOtherClass::kLineCount;
constexpr int kManageRows = 9;
constexpr int kFirstManage = 15;  // rows 14-22 edit the option record's rows 15-23
constexpr UINT IDC_STARTUP_YEAR = 1019;
constexpr UINT IDC_HELP_BUTTON = 1020;
constexpr UINT IDC_NOTE = 1378;

// Row r: label 1302 + 3r, accounting 1303 + 3r, payment 1304 + 3r; row 0 has its own ids.
constexpr UINT LabelID(int r) { return r == 0 ? 1304 : 1302 + 3 * r; }
constexpr UINT AccountID(int r) { return r == 0 ? 1302 : 1303 + 3 * r; }
constexpr UINT PaymentID(int r) { return r == 0 ? 1303 : 1304 + 3 * r; }

template <UINT (*pfnID)(int), int nFirst, int nCount>
constexpr auto RowIDs()
{
    std::array<UINT, nCount> ids{};
    for (int i = 0; i < nCount; ++i) ids[size_t(i)] = pfnID(nFirst + i);
    return ids;
}
constexpr auto kLineAccountIDs = RowIDs<AccountID, 0, kLines>();
constexpr auto kLinePaymentIDs = RowIDs<PaymentID, 0, kLines>();
constexpr auto kManageAccountIDs = RowIDs<AccountID, kLines, kManageRows>();
constexpr auto kManagePaymentIDs = RowIDs<PaymentID, kLines, kManageRows>();

constexpr int kInterestRow = 3;
constexpr int kMortgageRow = 20;

const char* const kRowLabels[] = {
    "購入した土地代", "既存建物の取壊費", "設計監理費", "建設期間中利息", "近隣対策費", "不動産手数料",
    "１", "２", "３", "４", "５", "６", "７", "８",
    "建設期間中地代", "固定資産・都市計画税", "不動産取得税（土地）", "登録免許税（土地）",
    "不動産取得税（建物）", "登録免許税（建物）", "抵当権設定登記料", "事業所税", "地価税",
};
const char* const kAccounting[] = {"土地簿価算入", "建物簿価按分", "経　費", "創業償却費", "事業外支出"};
const char* const kPayment[] = {"着工時払", "中間時払", "竣工時払", "３期分割払", "各月均等"};
// The option record keeps treatments and timings 0-3 only.
constexpr int kManageChoices = 4;

using L = CDataExpenseOtherClass;
const CFormField<L> kLineFields[] = {
    {{.nID = kLineAccountIDs[0], .kind = F::Choice},
     Path<&L::m_aExpenseMoney, kRow, &tagDATAEXPENSEMONEY::nAccounting>, kLines, 0, kLineAccountIDs.data()},
    {{.nID = kLinePaymentIDs[0], .kind = F::Choice},
     Path<&L::m_aExpenseMoney, kRow, &tagDATAEXPENSEMONEY::nPayment>, kLines, 0, kLinePaymentIDs.data()},
};
const CFormFields<L> kLineForm(kLineFields);

using O = COptionExpenseManageClass;
const CFormField<O> kManageFields[] = {
    {{.nID = kManageAccountIDs[0], .kind = F::Choice},
     [](O& r, int n) { return CFieldRef(&r.m_aManage[kFirstManage + n].nManage); }, kManageRows, 0,
     kManageAccountIDs.data()},
    {{.nID = kManagePaymentIDs[0], .kind = F::Choice},
     [](O& r, int n) { return CFieldRef(&r.m_aManage[kFirstManage + n].nPayment); }, kManageRows, 0,
     kManagePaymentIDs.data()},
};
const CFormFields<O> kManageForm(kManageFields);

using S = COptionOtherManageClass;
const CFormField<S> kStartupFields[] = {
    {{.nID = IDC_STARTUP_YEAR, .kind = F::Integer, .dMin = 0, .dMax = 50}, Member<&S::m_nStartupYear>},
};
const CFormFields<S> kStartupForm(kStartupFields);

// Rows 0-13 on the left, 14-22 on the right, each block under its column heads.
std::vector<CFormControl> DialogControls()
{
    std::vector<CFormControl> controls = {
        {0, K::Label, 0, 1, 1, "経理処理方法"}, {1371, K::Label, 0, 2, 1, "支払時期"},
        {0, K::Label, 0, 4, 1, "経理処理方法"}, {1372, K::Label, 0, 5, 1, "支払時期"},
    };
    for (int r = 0; r < kLines + kManageRows; ++r) {
        const bool bLeft = r < kLines;
        const int nRow = 1 + (bLeft ? r : r - kLines);
        const int nCol = bLeft ? 0 : 3;
        controls.push_back({LabelID(r), K::Label, nRow, nCol, 1, kRowLabels[r]});
        controls.push_back({AccountID(r), K::Combo, nRow, nCol + 1, 1, "", 20});
        controls.push_back({PaymentID(r), K::Combo, nRow, nCol + 2, 1, "", 12});
    }
    const int nRow = 1 + kLines;
    controls.insert(controls.end(), {
        {1376, K::Label, nRow - 3, 3, 1, "創業償却年数："},
        {IDC_STARTUP_YEAR, K::Number, nRow - 3, 4, 1, "", 4},
        {1377, K::Unit, nRow - 3, 4, 1, "年"},
        {IDC_NOTE, K::Unit, nRow, 0, 4, "建設期間中利息が「総額」で入力されている場合、\n支払時期の入力は行いません。"},
        {IDOK, K::Button, nRow, 4, 1, "OK"},
        {IDCANCEL, K::Button, nRow, 5, 1, "キャンセル"},
        {IDC_HELP_BUTTON, K::Button, nRow + 1, 5, 1, "ヘルプ"},
    });
    return controls;
}

std::vector<CString> Entries(const char* const* ppsz, int nCount)
{
    return std::vector<CString>(ppsz, ppsz + nCount);
}

} // namespace

CCostAccountingDlg::CCostAccountingDlg()
{
    setWindowTitle(ToQString("建設所要資金の経理処理と支払時期"));
    CreateControls(DialogControls());
}

void CCostAccountingDlg::SetData(CDataExpenseOtherClass* pExpenseOther, CTavrinProjectDoc* pDoc, int nInterestMethod)
{
    m_pExpenseOther = pExpenseOther;
    m_pDocument = pDoc;
    m_nInterestMethod = nInterestMethod;
}

BOOL CCostAccountingDlg::OnInitDialog()
{
    if (!m_pExpenseOther || !m_pDocument) return FALSE;
    // The treatments of the data lines add one entry per depreciation item.
    std::vector<CString> accounting = Entries(kAccounting, 5);
    const CDataExpenseClass& expense = *m_pDocument->GetDataExpense();
    for (int j = 0; j < CDataExpenseClass::kDepreciationCount; ++j) {
        const CString& strName = expense.m_aDepreciation[j].m_strName;
        accounting.push_back(j < 2 ? "建物" + strName + "算入" : strName + "算入");
    }
    for (const UINT nID : kLineAccountIDs) SetComboEntries(nID, accounting);
    for (const UINT nID : kLinePaymentIDs) SetComboEntries(nID, Entries(kPayment, 5));
    for (const UINT nID : kManageAccountIDs) SetComboEntries(nID, Entries(kAccounting, kManageChoices));
    for (const UINT nID : kManagePaymentIDs) SetComboEntries(nID, Entries(kPayment, kManageChoices));
    for (int r = 0; r < kLines + kManageRows; ++r)
        ShowDlgItem(PaymentID(r), m_nInterestMethod != 0 && r != kInterestRow && r != kMortgageRow);
    ShowDlgItem(1371, m_nInterestMethod != 0);
    ShowDlgItem(1372, m_nInterestMethod != 0);
    for (int i = 6; i < kLines; ++i) SetDlgItemText(LabelID(i), m_pExpenseOther->m_aExpenseMoney[i].m_strName);
    kLineForm.Load(this, *m_pExpenseOther);
    kManageForm.Load(this, *m_pDocument->GetOptionExpenseManage());
    kStartupForm.Load(this, *m_pDocument->GetOptionOtherManage());
    return TRUE;
}

void CCostAccountingDlg::OnControlNotify(UINT nID, UINT nCode)
{
    if (kStartupForm.Notify(this, nID, nCode)) return;
    if (nID == IDC_HELP_BUTTON && nCode == BN_CLICKED) {
        OnHelp();
        return;
    }
    CFormDialog::OnControlNotify(nID, nCode);
}

// The years and rows 14-22 go to the document at once; rows 0-13 to the
// window's working copy.
void CCostAccountingDlg::OnOK()
{
    if (!m_pExpenseOther || !m_pDocument || !kStartupForm.Check(this)) return;
    if (kStartupForm.Store(this, *m_pDocument->GetOptionOtherManage())) m_pDocument->m_abOptionModified[CTavrinProjectDoc::kOtherManageOption] = TRUE;
    if (kManageForm.Store(this, *m_pDocument->GetOptionExpenseManage())) m_pDocument->m_abOptionModified[CTavrinProjectDoc::kExpenseManageOption] = TRUE;
    kLineForm.Store(this, *m_pExpenseOther);
    EndDialog(IDOK);
}

void CCostAccountingDlg::OnHelp()
{
    if (CTavrinApp* pApp = GetTavrinApp()) pApp->ShowHelpTopic("tavrinapp.chm::/tavrinapp00000024.htm");
}
