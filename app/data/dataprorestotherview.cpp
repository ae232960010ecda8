#include "app/data/dataprorestotherview.h"

#include <QLineEdit>
#include <algorithm>
#include <cstdlib>

#include "app/common/formfields.h"
#include "app/shell/tavrinprojectdoc.h"
#include "platform/resource.h"
#include "result/pages/resultformat.h"

namespace {

using K = FormControlKind;
using F = FieldKind;
using V = CDataProRestOtherView;
using I = CDataOtherIncomeClass;

constexpr UINT IDC_SURPLUS_RATE = 10030;
constexpr UINT IDC_MINIMUM_CASH = 10031;
constexpr UINT IDC_INTEREST_TAX = 1435;
constexpr UINT IDC_YIELD_FORMULA = 1436;
constexpr UINT IDC_MINUS_SURPLUS = 1437;
constexpr UINT IDC_TAB = 1096;
constexpr UINT IDC_NAME = 1084;
constexpr UINT IDC_AMOUNT = 1086;
constexpr UINT IDC_FROM_YEAR = 1089;
constexpr UINT IDC_FROM_SPIN = 1090;
constexpr UINT IDC_TO_YEAR = 1092;
constexpr UINT IDC_TO_SPIN = 1093;
constexpr UINT IDC_OTHER_TAX = 1438;
constexpr UINT IDS_NO_NAME = 5060;

const CFormControl kViewControls[] = {
    {0, K::Label, 0, 0, 1, "手元資金の運用金利："},
    {IDC_SURPLUS_RATE, K::Number, 0, 1, 1, "", 8},
    {0, K::Unit, 0, 1, 1, "％"},
    {IDC_INTEREST_TAX, K::Check, 0, 1, 1, "売上消費税の処理"},
    {0, K::Label, 1, 0, 1, "最低確保する手元残高："},
    {IDC_MINIMUM_CASH, K::Number, 1, 1, 1, "", 14},
    {0, K::Unit, 1, 1, 1, "千円"},
    {0, K::Label, 2, 0, 1, "投資利回り計算式："},
    {IDC_YIELD_FORMULA, K::Combo, 2, 1, 1, "償却前利益\n剰余金\n税引後利益\n償却後利益\n収入合計", 14},
    {0, K::Unit, 2, 1, 1, "÷ （当初自己資金 ＋ 当初借入金）"},
    {0, K::Label, 3, 0, 1, "単年度剰余金のマイナス表示："},
    {IDC_MINUS_SURPLUS, K::Combo, 3, 1, 1, "マイナスにしない\nマイナス表示", 14},
    {IDC_TAB, K::Tab, 4, 0, 2, "1\n2\n3\n4\n5\n6"},
};

constexpr int kTicked[] = {1, 0};  // unticked 1, ticked 0 (taxable)

const CFormField<V> kViewFields[] = {
    {{.nID = IDC_SURPLUS_RATE, .kind = F::Number, .style = NumberStyle::Plain},
     Path<&V::m_objProRestOther, &tagDATAPRORESTOTHER::dSurplusRate>},
    {{.nID = IDC_MINIMUM_CASH, .kind = F::Number}, Path<&V::m_objProRestOther, &tagDATAPRORESTOTHER::dMinimumCash>},
    {{.nID = IDC_INTEREST_TAX, .kind = F::Check, .values = kTicked},
     Path<&V::m_objConsumptionIncome, &COptionConsumptionIncomeClass::m_nInterestTax>},
    {{.nID = IDC_YIELD_FORMULA, .kind = F::Choice}, Path<&V::m_objOtherManage, &COptionOtherManageClass::m_nYieldFormula>},
    {{.nID = IDC_MINUS_SURPLUS, .kind = F::Choice}, Path<&V::m_objOtherManage, &COptionOtherManageClass::m_nMinusSurplus>},
};
const CFormFields<V> kViewForm(kViewFields);

const CFormControl kPageControls[] = {
    {0, K::Label, 0, 0, 1, "名称："},
    {IDC_NAME, K::Edit, 0, 1, 1, "", 40},
    {0, K::Label, 1, 0, 1, "金額："},
    {IDC_AMOUNT, K::Number, 1, 1, 1, "", 14},
    {0, K::Unit, 1, 1, 1, "千円"},
    {IDC_OTHER_TAX, K::Check, 1, 1, 1, "売上消費税の処理"},
    {0, K::Label, 2, 0, 1, "計上年："},
    {IDC_FROM_YEAR, K::Number, 2, 1, 1, "", 4},
    {IDC_FROM_SPIN, K::Spin, 2, 1},
    {0, K::Unit, 2, 1, 1, "年目 ～ "},
    {IDC_TO_YEAR, K::Number, 2, 1, 1, "", 4},
    {IDC_TO_SPIN, K::Spin, 2, 1},
    {0, K::Unit, 2, 1, 1, "年目まで計上する"},
};

// The income's own fields; its schedule goes through the rate page.
const CFormField<I> kPageFields[] = {
    {{.nID = IDC_NAME, .kind = F::Text}, Member<&I::m_strName>},
    {{.nID = IDC_AMOUNT, .kind = F::Number}, Member<&I::dAmount>},
    {{.nID = IDC_FROM_YEAR, .kind = F::Integer, .style = NumberStyle::Count, .dEmpty = 1}, Member<&I::nFromYear>},
    {{.nID = IDC_TO_YEAR, .kind = F::Integer, .style = NumberStyle::Count}, Member<&I::nToYear>},
};
const CFormFields<I> kPageForm(kPageFields);

// What this window edits of an income: values, name and schedule; TRUE when one changed.
BOOL CopyIncome(const I& from, I& to)
{
    BOOL bChanged = CopyField(from.dAmount, to.dAmount);
    bChanged |= CopyField(from.nFromYear, to.nFromYear);
    bChanged |= CopyField(from.nToYear, to.nToYear);
    bChanged |= CopyField(from.m_strName, to.m_strName);
    return bChanged | CopySteps(from, to);
}

// A name of blanks only (a cleared field holds an ideographic space) gets
// the default label with the income's number.
CString IncomeLabel(int nIndex, const CString& strName)
{
    CString str = strName;
    str.Replace("　", "");
    str.Trim();
    return str.IsEmpty() ? LoadText(IDS_NO_NAME) + NumberToFullWidth(nIndex + 1) : strName;
}

} // namespace

CDataOtherIncomePage::CDataOtherIncomePage(CDataProRestOtherView* pView, int nIndex, QWidget* pParent)
    : CDataRatePage(kPageControls, 3, pParent), m_nIndex(nIndex), m_pView(pView)
{
    SetSpinBuddy(IDC_FROM_SPIN, IDC_FROM_YEAR);
    SetSpinBuddy(IDC_TO_SPIN, IDC_TO_YEAR);
    ReloadIncome();
}

void CDataOtherIncomePage::ReloadIncome()
{
    m_objOtherIncome = m_pView->m_objProRestOther.m_aOtherIncome[m_nIndex];
    m_nOtherTax = m_pView->m_objConsumptionIncome.m_anOtherTax[m_nIndex];
    SetPageData();
}

void CDataOtherIncomePage::SetPageData()
{
    kPageForm.Load(this, m_objOtherIncome);
    CheckDlgButton(IDC_OTHER_TAX, m_nOtherTax == 0);
    m_nToUpper = std::max(m_objOtherIncome.nFromYear, m_objOtherIncome.nToYear);
    for (const UINT nSpin : {IDC_FROM_SPIN, IDC_TO_SPIN}) SetSpinRange(nSpin, m_objOtherIncome.nFromYear, m_nToUpper);
    SetSpinPos(IDC_FROM_SPIN, m_objOtherIncome.nFromYear);
    SetSpinPos(IDC_TO_SPIN, m_objOtherIncome.nToYear);
    LoadSteps(m_objOtherIncome);
}

// The income's fields and steps; on success the page's copies and the
// view's working copies hold them.
BOOL CDataOtherIncomePage::CheckPage()
{
    if (!kPageForm.Check(this) || !CDataRatePage::CheckPage()) {
        for (const UINT nID : {IDC_NAME, IDC_FROM_YEAR, IDC_TO_YEAR}) {
            if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItem(nID))) edit->selectAll();
        }
        return FALSE;
    }
    kPageForm.Store(this, m_objOtherIncome);
    StoreSteps(m_objOtherIncome);
    m_nOtherTax = IsDlgButtonChecked(IDC_OTHER_TAX) ? 0 : 1;
    CopyIncome(m_objOtherIncome, m_pView->m_objProRestOther.m_aOtherIncome[m_nIndex]);
    m_pView->m_objConsumptionIncome.m_anOtherTax[m_nIndex] = m_nOtherTax;
    return TRUE;
}

void CDataOtherIncomePage::OnControlNotify(UINT nID, UINT nCode)
{
    kPageForm.Notify(this, nID, nCode);
    CDataRatePage::OnControlNotify(nID, nCode);
    if (nCode != EN_KILLFOCUS) return;
    if (nID == IDC_NAME) {
        m_pView->SetTabLabel(m_nIndex, GetDlgItemText(IDC_NAME));
    } else if (nID == IDC_FROM_YEAR) {
        SetSpinRange(IDC_TO_SPIN, std::atoi(GetDlgItemTextNoComma(this, IDC_FROM_YEAR)), m_nToUpper);
    } else if (nID == IDC_TO_YEAR) {
        CString str = GetDlgItemText(IDC_TO_YEAR);
        str.Trim();
        if (!str.IsEmpty()) return;
        str.Format("%d", m_nToUpper);
        SetDlgItemText(IDC_TO_YEAR, str);
    }
}

CDataProRestOtherView::CDataProRestOtherView() : CDataParentView(280)
{
    CreateControls(kViewControls);
    m_pTab = dynamic_cast<CPageTabCtrl*>(GetDlgItem(IDC_TAB));
    m_pPages = std::make_unique<CPageSet>(
        m_pTab, [this](int nPage, QWidget* pParent) { return new CDataOtherIncomePage(this, nPage, pParent); });
}

CDataOtherIncomePage* CDataProRestOtherView::Page(int nIndex) const
{
    return static_cast<CDataOtherIncomePage*>(m_pPages->Page(nIndex));
}

void CDataProRestOtherView::OnInitialUpdate()
{
    ReloadData();
    PostUpdateTitle();
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_pPages->CreatePage();
            GotoDlgCtrl(IDC_SURPLUS_RATE);
        },
        Qt::QueuedConnection);
}

void CDataProRestOtherView::SetTabLabel(int nIndex, const CString& strName)
{
    m_pTab->SetItemText(nIndex, IncomeLabel(nIndex, strName));
}

BOOL CDataProRestOtherView::CheckData(int)
{
    if (!kViewForm.Check(this)) return FALSE;
    if (!m_pPages->CurrentPage() || !m_pPages->CheckData(m_pPages->GetCurPage())) return FALSE;
    kViewForm.Store(this, *this);
    return TRUE;
}

// The document's records get only what this window edits, so changes made
// meanwhile in the option windows stay.
BOOL CDataProRestOtherView::StoreData()
{
    CTavrinProjectDoc* doc = GetDocument();
    CDataProRestOtherClass* record = doc ? doc->GetDataProRestOther() : nullptr;
    COptionOtherManageClass* manage = doc ? doc->GetOptionOtherManage() : nullptr;
    COptionConsumptionIncomeClass* income = doc ? doc->GetOptionConsumptionIncome() : nullptr;
    if (!record || !manage || !income) return FALSE;
    BOOL bChanged = CopyField(m_objProRestOther.dSurplusRate, record->dSurplusRate);
    bChanged |= CopyField(m_objProRestOther.dMinimumCash, record->dMinimumCash);
    bChanged |= CopyField(m_objOtherManage.m_nYieldFormula, manage->m_nYieldFormula);
    bChanged |= CopyField(m_objOtherManage.m_nMinusSurplus, manage->m_nMinusSurplus);
    bChanged |= CopyField(m_objConsumptionIncome.m_nInterestTax, income->m_nInterestTax);
    for (int i = 0; i < CDataProRestOtherClass::kIncomeCount; ++i) {
        bChanged |= CopyIncome(m_objProRestOther.m_aOtherIncome[i], record->m_aOtherIncome[i]);
        bChanged |= CopyField(m_objConsumptionIncome.m_anOtherTax[i], income->m_anOtherTax[i]);
        bChanged |= CopyField(record->m_aOtherIncome[i].m_strName, income->m_astrIncomeName[i]);
    }
    record->SetDataData(-1);
    return bChanged;
}

void CDataProRestOtherView::ReloadData()
{
    CTavrinProjectDoc* doc = GetDocument();
    if (!doc || !doc->GetDataProRestOther() || !doc->GetOptionOtherManage() || !doc->GetOptionConsumptionIncome())
        return;
    m_objProRestOther = *doc->GetDataProRestOther();
    m_objOtherManage = *doc->GetOptionOtherManage();
    m_objConsumptionIncome = *doc->GetOptionConsumptionIncome();
    kViewForm.Load(this, *this);
    for (int i = 0; i < CDataProRestOtherClass::kIncomeCount; ++i) {
        SetTabLabel(i, m_objProRestOther.m_aOtherIncome[i].m_strName);
        if (CDataOtherIncomePage* page = Page(i)) page->ReloadIncome();
    }
}

void CDataProRestOtherView::OnUpdateTitle()
{
    SetFrameCaption(159);
}

void CDataProRestOtherView::OnControlNotify(UINT nID, UINT nCode)
{
    kViewForm.Notify(this, nID, nCode);
}
