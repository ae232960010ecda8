#include "app/data/datarestotherview.h"

#include <QLineEdit>

#include "app/common/formfields.h"
#include "app/shell/tavrinprojectdoc.h"
#include "platform/resource.h"
#include "result/pages/resultformat.h"

namespace {

using K = FormControlKind;
using F = FieldKind;
using M = CDataRestOtherMoneyClass;

constexpr UINT IDC_TAB = 10030;
constexpr UINT IDC_KIND = 10030;
constexpr UINT IDC_NAME = 10031;
constexpr UINT IDC_AMOUNT = 10032;
constexpr UINT IDC_FROM_YEAR = 10033;
constexpr UINT IDC_FROM_SPIN = 10034;
constexpr UINT IDC_TO_YEAR = 10035;
constexpr UINT IDC_TO_SPIN = 10036;
constexpr UINT IDS_NO_NAME = 5090;
constexpr int kLastSpinYear = 50;

const CFormControl kViewControls[] = {
    {0, K::Unit, 0, 0, 1, "プロジェクト以外の所得・控除・事業外支出（生活費）などを設定します。"},
    {IDC_TAB, K::Tab, 1, 0, 1, "1\n2\n3\n4\n5\n6\n7\n8"},
};

const CFormControl kPageControls[] = {
    {0, K::Label, 0, 0, 1, "金額の種類："},
    {IDC_KIND, K::Combo, 0, 1, 1, "所得金額\n控除金額\n事業外支出", 16},
    {0, K::Label, 1, 0, 1, "名称："},
    {IDC_NAME, K::Edit, 1, 1, 1, "", 40},
    {0, K::Label, 2, 0, 1, "金額（年間）："},
    {IDC_AMOUNT, K::Number, 2, 1, 1, "", 14},
    {0, K::Unit, 2, 1, 1, "千円"},
    {0, K::Label, 3, 0, 1, "計上年："},
    {IDC_FROM_YEAR, K::Number, 3, 1, 1, "", 4},
    {IDC_FROM_SPIN, K::Spin, 3, 1},
    {0, K::Unit, 3, 1, 1, "年目 ～ "},
    {IDC_TO_YEAR, K::Number, 3, 1, 1, "", 4},
    {IDC_TO_SPIN, K::Spin, 3, 1},
    {0, K::Unit, 3, 1, 1, "年目まで計上する"},
};

// The line's own fields; its schedule goes through the rate page.
const CFormField<M> kFields[] = {
    {{.nID = IDC_AMOUNT, .kind = F::Number}, Member<&M::dAmount>},
    {{.nID = IDC_NAME, .kind = F::Text}, Member<&M::m_strName>},
    {{.nID = IDC_TO_YEAR, .kind = F::Integer, .style = NumberStyle::Count, .nEmptyFromID = IDC_FROM_YEAR},
     Member<&M::nToYear>},
    {{.nID = IDC_FROM_YEAR, .kind = F::Integer, .style = NumberStyle::Count, .dEmpty = 1}, Member<&M::nFromYear>},
    {{.nID = IDC_KIND, .kind = F::Choice}, Member<&M::nKind>},
};
const CFormFields<M> kForm(kFields);

template <class T>
BOOL CopyField(const T& from, T& to)
{
    if (to == from) return FALSE;
    to = from;
    return TRUE;
}

// What this window edits of a line: values, name and schedule; TRUE when one changed.
BOOL CopyLine(const M& from, M& to)
{
    BOOL bChanged = CopyField(from.dAmount, to.dAmount);
    bChanged |= CopyField(from.nKind, to.nKind);
    bChanged |= CopyField(from.nFromYear, to.nFromYear);
    bChanged |= CopyField(from.nToYear, to.nToYear);
    bChanged |= CopyField(from.m_strName, to.m_strName);
    for (int i = 0; i < CDataRateClass::kStepCount; ++i) {
        const tagDATARATE& a = from.m_aDataRate[i];
        tagDATARATE& b = to.m_aDataRate[i];
        bChanged |= CopyField(a.nStartYear, b.nStartYear);
        bChanged |= CopyField(a.nEndYear, b.nEndYear);
        bChanged |= CopyField(a.nInterval, b.nInterval);
        bChanged |= CopyField(a.dRate, b.dRate);
        bChanged |= CopyField(a.bDecrease, b.bDecrease);
    }
    return bChanged;
}

// A line's name, or for a name of blanks only (a cleared field holds an
// ideographic space) the default label with the line's number.
CString LineLabel(int nIndex, CString strName)
{
    CString str = strName;
    str.Replace("　", "");
    str.Trim();
    return str.IsEmpty() ? LoadText(IDS_NO_NAME) + NumberToFullWidth(nIndex + 1) : strName;
}

} // namespace

CDataRestOtherMoneyPage::CDataRestOtherMoneyPage(CDataRestOtherView* pView, int nIndex, QWidget* pParent)
    : CDataRatePage(kPageControls, 4, pParent), m_nIndex(nIndex), m_pView(pView)
{
    SetSpinBuddy(IDC_FROM_SPIN, IDC_FROM_YEAR);
    SetSpinBuddy(IDC_TO_SPIN, IDC_TO_YEAR);
    ReloadLine();
}

void CDataRestOtherMoneyPage::ReloadLine()
{
    m_objMoney = m_pView->m_objRestOther.m_aRestOtherMoney[m_nIndex];
    SetPageData();
}

void CDataRestOtherMoneyPage::SetPageData()
{
    kForm.Load(this, m_objMoney);
    LoadSteps(m_objMoney);
    for (const UINT nSpin : {IDC_FROM_SPIN, IDC_TO_SPIN}) SetSpinRange(nSpin, m_objMoney.nFromYear, kLastSpinYear);
    SetSpinPos(IDC_FROM_SPIN, m_objMoney.nFromYear);
    SetSpinPos(IDC_TO_SPIN, m_objMoney.nToYear);
}

// The line's fields and the steps; on success the page's copy and the
// view's working record hold them.
BOOL CDataRestOtherMoneyPage::CheckPage()
{
    if (!kForm.Check(this) || !CDataRatePage::CheckPage()) {
        for (const UINT nID : {IDC_AMOUNT, IDC_FROM_YEAR, IDC_TO_YEAR}) {
            if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItem(nID))) edit->selectAll();
        }
        return FALSE;
    }
    kForm.Store(this, m_objMoney);
    StoreSteps(m_objMoney);
    CopyLine(m_objMoney, m_pView->m_objRestOther.m_aRestOtherMoney[m_nIndex]);
    return TRUE;
}

void CDataRestOtherMoneyPage::OnControlNotify(UINT nID, UINT nCode)
{
    kForm.Notify(this, nID, nCode);
    CDataRatePage::OnControlNotify(nID, nCode);
    if (nID == IDC_NAME && nCode == EN_KILLFOCUS) m_pView->SetTabLabel(m_nIndex, GetDlgItemText(IDC_NAME));
}

CDataRestOtherView::CDataRestOtherView() : CDataParentView(290)
{
    CreateControls(kViewControls);
    m_pTab = dynamic_cast<CPageTabCtrl*>(GetDlgItem(IDC_TAB));
    m_pPages = std::make_unique<CPageSet>(
        m_pTab, [this](int nPage, QWidget* pParent) { return new CDataRestOtherMoneyPage(this, nPage, pParent); });
}

CDataRestOtherMoneyPage* CDataRestOtherView::Page(int nIndex) const
{
    return static_cast<CDataRestOtherMoneyPage*>(m_pPages->Page(nIndex));
}

void CDataRestOtherView::OnInitialUpdate()
{
    ReloadData();
    PostUpdateTitle();
    QMetaObject::invokeMethod(this, [this] { m_pPages->CreatePage(); }, Qt::QueuedConnection);
}

void CDataRestOtherView::SetTabLabel(int nIndex, const CString& strName)
{
    m_pTab->SetItemText(nIndex, LineLabel(nIndex, strName));
}

BOOL CDataRestOtherView::CheckData(int)
{
    return m_pPages->CurrentPage() && m_pPages->CheckData(m_pPages->GetCurPage());
}

BOOL CDataRestOtherView::StoreData()
{
    CDataRestOtherClass* record = GetDocument() ? GetDocument()->GetDataRestOther() : nullptr;
    if (!record) return FALSE;
    BOOL bChanged = FALSE;
    for (int i = 0; i < CDataRestOtherClass::kMoneyCount; ++i)
        bChanged |= CopyLine(m_objRestOther.m_aRestOtherMoney[i], record->m_aRestOtherMoney[i]);
    return bChanged;
}

void CDataRestOtherView::CancelData()
{
    const CDataRestOtherClass* record = GetDocument() ? GetDocument()->GetDataRestOther() : nullptr;
    if (!record) return;
    m_objRestOther = *record;
    if (CDataRestOtherMoneyPage* page = Page(m_pPages->GetCurPage())) page->ReloadLine();
}

void CDataRestOtherView::ReloadData()
{
    const CDataRestOtherClass* record = GetDocument() ? GetDocument()->GetDataRestOther() : nullptr;
    if (!record) return;
    m_objRestOther = *record;
    for (int i = 0; i < CDataRestOtherClass::kMoneyCount; ++i) {
        SetTabLabel(i, m_objRestOther.m_aRestOtherMoney[i].m_strName);
        if (CDataRestOtherMoneyPage* page = Page(i)) page->ReloadLine();
    }
}

void CDataRestOtherView::OnUpdateTitle()
{
    SetFrameCaption(164);
}
