#include "app/data/dataexpenseotherview.h"

#include "app/common/formfields.h"
#include "app/common/numbertext.h"
#include "app/shell/tavrinprojectdoc.h"
#include "app/taxopt/optiondialogs.h"
#include "platform/msgbox.h"
#include "platform/resource.h"

namespace {

using K = FormControlKind;
using F = FieldKind;
using R = CDataExpenseOtherClass;

constexpr int kLines = R::kLineCount;
constexpr int kFirstNamed = 6;
constexpr int kNamedLines = kLines - kFirstNamed;
constexpr UINT IDC_ACCOUNTING = 1374;
constexpr UINT IDC_CONSTRUCTION_TAX = 1375;
constexpr UINT IDS_THOUSAND_YEN = 3048;
constexpr UINT IDS_PERCENT = 3049;
constexpr UINT IDP_PERCENT_RANGE = 10014;

// Line i: name 10000 + 5i, input method 10001 + 5i, amount 10002 + 5i, unit
// 20026 + 2i; comments 1019 + (i - 4) from line 4.
constexpr UINT NameID(int i) { return 10000 + 5 * i; }
constexpr UINT MethodID(int i) { return 10001 + 5 * i; }
constexpr UINT AmountID(int i) { return 10002 + 5 * i; }
constexpr UINT UnitID(int i) { return 20026 + 2 * i; }
constexpr UINT CommentID(int i) { return 1019 + (i - 4); }

struct CFixedLine {
    const char* pszName;
    const char* pszMethods;  // null: a total only
};
const CFixedLine kFixedLines[kFirstNamed] = {
    {"購入した部分の土地代", "総額：\n坪あたり："},
    {"既存建物の取壊費", "総額：\n坪あたり："},
    {"設計監理費", "総額：\n工事費割合："},
    {"建設期間中利息", "総額：\n金利："},
    {"近隣対策費", nullptr},
    {"不動産手数料", nullptr},
};
// Lines whose second method is a percentage.
constexpr bool IsPercentLine(int i) { return i == 2 || i == 3; }

std::vector<CFormControl> ViewControls()
{
    std::vector<CFormControl> controls = {
        {20000, K::Unit, 0, 0, 4, "◆工事費以外の建設所要資金を入力します。"},
        {20020, K::Label, 1, 0, 1, "項目名"},
        {20021, K::Label, 1, 1, 1, "入力方法"},
        {20022, K::Label, 1, 2, 1, "金額（割合）"},
        {1373, K::Unit, 1, 3, 1, "コメント（内容欄）"},
    };
    for (int i = 0; i < kLines; ++i) {
        const int nRow = 2 + i;
        if (i < kFirstNamed) {
            controls.push_back({NameID(i), K::Label, nRow, 0, 1, kFixedLines[i].pszName});
            if (kFixedLines[i].pszMethods)
                controls.push_back({MethodID(i), K::Combo, nRow, 1, 1, kFixedLines[i].pszMethods, 14});
        } else {
            controls.push_back({NameID(i), K::Edit, nRow, 0, 1, "", 24});
        }
        controls.push_back({AmountID(i), K::Number, nRow, 2, 1, "", 14});
        controls.push_back({UnitID(i), K::Unit, nRow, 2, 1, "千円"});
        if (i >= 4) controls.push_back({CommentID(i), K::Edit, nRow, 3, 1, "", 40});
    }
    controls.push_back({IDC_ACCOUNTING, K::Button, 2 + kLines, 2, 1, "経理処理・支払時期"});
    controls.push_back({IDC_CONSTRUCTION_TAX, K::Button, 2 + kLines, 3, 1, "工事期間の消費税"});
    return controls;
}

using L = tagDATAEXPENSEMONEY;
const CFormField<R> kFields[] = {
    {{.nID = AmountID(0), .kind = F::Number}, Path<&R::m_aExpenseMoney, kRow, &L::dAmount>, kLines, 5},
    {{.nID = MethodID(0), .kind = F::Choice}, Path<&R::m_aExpenseMoney, kRow, &L::nInputMethod>,
     CDataExpenseOtherView::kMethodLines, 5},
    {{.nID = NameID(kFirstNamed), .kind = F::Text, .nMaxChars = 30},
     [](R& r, int n) { return CFieldRef(&r.m_aExpenseMoney[kFirstNamed + n].m_strName); }, kNamedLines, 5},
    {{.nID = CommentID(kFirstNamed), .kind = F::Text, .nMaxChars = 60},
     [](R& r, int n) { return CFieldRef(&r.m_aExpenseMoney[kFirstNamed + n].m_strComment); }, kNamedLines, 1},
};
const CFormFields<R> kForm(kFields);

// The comments of lines 4 and 5 belong to the outside-project record.
using C = CDataRestOtherClass;
const CFormField<C> kCommentFields[] = {
    {{.nID = CommentID(4), .kind = F::Text, .nMaxChars = 60}, Path<&C::m_astrComment, kRow>, 2, 1},
};
const CFormFields<C> kCommentForm(kCommentFields);

// The values, name and comment of a line; TRUE when one changed.
BOOL CopyLine(const CDataExpenseMoneyClass& from, CDataExpenseMoneyClass& to)
{
    BOOL bChanged = CopyField(from.nInputMethod, to.nInputMethod);
    bChanged |= CopyField(from.dAmount, to.dAmount);
    bChanged |= CopyField(from.nAccounting, to.nAccounting);
    bChanged |= CopyField(from.nPayment, to.nPayment);
    bChanged |= CopyField(from.m_strName, to.m_strName);
    bChanged |= CopyField(from.m_strComment, to.m_strComment);
    return bChanged;
}

} // namespace

CDataExpenseOtherView::CDataExpenseOtherView()
    : CDataParentView(230), m_pAccountingDlg(std::make_unique<CCostAccountingDlg>())
{
    CreateControls(ViewControls());
}

void CDataExpenseOtherView::OnInitialUpdate()
{
    PostUpdateTitle();
    ReloadData();
}

void CDataExpenseOtherView::ReloadData()
{
    CTavrinProjectDoc* doc = GetDocument();
    if (!doc) return;
    m_objExpenseOther = *doc->GetDataExpenseOther();
    kForm.Load(this, m_objExpenseOther);
    kCommentForm.Load(this, *doc->GetDataRestOther());
    for (int i = 0; i < kMethodLines; ++i) {
        const tagDATAEXPENSEMONEY& line = m_objExpenseOther.m_aExpenseMoney[i];
        m_aadScratch[i][0] = m_aadScratch[i][1] = 0;
        if (line.nInputMethod == 0 || line.nInputMethod == 1) m_aadScratch[i][line.nInputMethod] = line.dAmount;
        if (IsPercentLine(i))
            SetDlgItemText(UnitID(i), LoadText(line.nInputMethod == 1 ? IDS_PERCENT : IDS_THOUSAND_YEN));
    }
}

void CDataExpenseOtherView::ShowMethod(int nLine)
{
    const int nMethod = GetCurSel(MethodID(nLine));
    if (nMethod < 0) return;
    SetDlgItemText(AmountID(nLine), FormatNumber(-1, m_aadScratch[nLine][nMethod], TRUE));
    if (IsPercentLine(nLine)) SetDlgItemText(UnitID(nLine), LoadText(nMethod == 1 ? IDS_PERCENT : IDS_THOUSAND_YEN));
}

void CDataExpenseOtherView::OnControlNotify(UINT nID, UINT nCode)
{
    kForm.Notify(this, nID, nCode);
    kCommentForm.Notify(this, nID, nCode);
    for (int i = 0; i < kMethodLines; ++i) {
        if (nID == MethodID(i) && nCode == CBN_SELCHANGE) ShowMethod(i);
        if (nID == AmountID(i) && nCode == EN_KILLFOCUS) {
            if (const int nMethod = GetCurSel(MethodID(i)); nMethod >= 0)
                m_aadScratch[i][nMethod] = CommaStrToDouble(GetDlgItemText(AmountID(i)));
        }
    }
    if (nID == IDC_ACCOUNTING && nCode == BN_CLICKED) OnAccounting();
    if (nID == IDC_CONSTRUCTION_TAX && nCode == BN_CLICKED && CheckData(0))
        RunConstructionTaxDialog(GetDocument(), m_objExpenseOther, this);
}

void CDataExpenseOtherView::OnAccounting()
{
    if (!CheckData(0)) return;
    m_pAccountingDlg->SetData(&m_objExpenseOther, GetDocument(), GetCurSel(MethodID(3)));
    m_pAccountingDlg->DoModal();
}

// The fields into the working copy; the comments of lines 4 and 5 to the
// document at once.
BOOL CDataExpenseOtherView::CheckData(int)
{
    CTavrinProjectDoc* doc = GetDocument();
    if (!doc || !kForm.Check(this) || !kCommentForm.Check(this)) return FALSE;
    for (const int i : {2, 3}) {
        if (GetCurSel(MethodID(i)) != 1) continue;
        const double dValue = CommaStrToDouble(GetDlgItemText(AmountID(i)));
        if (dValue < 0 || dValue > 100) {
            AfxMessageBox(IDP_PERCENT_RANGE, MB_ICONSTOP);
            GotoDlgCtrl(AmountID(i));
            return FALSE;
        }
    }
    kForm.Store(this, m_objExpenseOther);
    if (kCommentForm.Store(this, *doc->GetDataRestOther())) doc->m_abDataModified[CTavrinProjectDoc::kRestOtherSheet] = TRUE;
    return TRUE;
}

// The working copy's lines and the other costs' names of the consumption-tax option.
BOOL CDataExpenseOtherView::StoreData()
{
    CTavrinProjectDoc* doc = GetDocument();
    if (!doc) return FALSE;
    CDataExpenseOtherClass& record = *doc->GetDataExpenseOther();
    BOOL bChanged = FALSE;
    for (int i = 0; i < kLines; ++i) bChanged |= CopyLine(m_objExpenseOther.m_aExpenseMoney[i], record.m_aExpenseMoney[i]);
    BOOL bNames = FALSE;
    for (int k = 0; k < kNamedLines; ++k)
        bNames |= CopyField(record.m_aExpenseMoney[kFirstNamed + k].m_strName,
                            doc->GetOptionConsumptionExpense()->m_astrCostName[k]);
    if (bNames) doc->m_abOptionModified[CTavrinProjectDoc::kConsumptionExpenseOption] = TRUE;
    return bChanged;
}

void CDataExpenseOtherView::OnUpdateTitle()
{
    SetFrameCaption(153);
}
