#include "app/data/datacostview.h"

#include <QLineEdit>
#include <cstdlib>

#include "app/common/formfields.h"
#include "app/common/numbertext.h"
#include "app/shell/tavrinprojectdoc.h"
#include "result/pages/resultformat.h"

namespace {

using K = FormControlKind;
using F = FieldKind;
using M = CDataCostItemClass;

constexpr UINT IDC_TAB = 1031;
constexpr UINT IDC_METHOD = 1432;
constexpr UINT IDC_TAXABLE = 1433;
constexpr UINT IDC_NAME = 10037;
constexpr UINT IDC_AMOUNT = 10030;
constexpr UINT IDC_AMOUNT_LABEL = 20055;
constexpr UINT IDC_AMOUNT_UNIT = 20051;
constexpr UINT IDC_FROM_YEAR = 10033;
constexpr UINT IDC_FROM_SPIN = 10034;
constexpr UINT IDC_TO_YEAR = 10035;
constexpr UINT IDC_TO_SPIN = 10036;
constexpr UINT IDC_BOOK_INTERVAL = 10038;
constexpr UINT IDC_BOOK_SPIN = 10039;
constexpr UINT IDC_LAND_RENT_RATIO = 1019;
constexpr UINT kYearIDs[] = {20052, 20053, 20054, IDC_FROM_YEAR, IDC_FROM_SPIN, IDC_TO_YEAR, IDC_TO_SPIN, 20041};

} // namespace

// One input method: its entry, the amount's label and unit, the slot of adAmount.
struct CCostMethod {
    const char* pszChoice;
    const char* pszLabel;
    const char* pszUnit;
    int nSlot;
    bool bYears;
};

struct CCostPageKind {
    const char* pszLabel;  // the default tab label (other expenses: with their number)
    std::span<const CCostMethod> methods;  // empty: no choice, the amount in slot 0
    std::span<const CFormControl> extra;   // controls of the page's own row
};

namespace {

const CCostMethod kManageFee[] = {
    {"総額入力", "総額(月額):", "千円", 0, true},
    {"坪当り入力", "坪当り(月額):", "千円", 1, true},
    {"賃料収入比率", "賃料収入比率:", "％", 1, false},
    {"共益費収入比率", "共益費収入比率:", "％", 1, false},
};
const CCostMethod kLandRent[] = {
    {"総額入力", "総額(月額):", "千円", 0, true},
    {"坪当り入力", "坪当り(月額):", "千円", 1, true},
};
const CCostMethod kShareOfCost[] = {
    {"総額入力", "総　額:", "千円", 0, true},
    {"工事費割合入力", "工事費割合:", "％", 1, true},
};

const CFormControl kLandRentRow[] = {
    {1454, K::Label, 5, 0, 1, "建設期間中："},
    {IDC_LAND_RENT_RATIO, K::Number, 5, 1, 1, "", 6},
    {1455, K::Unit, 5, 1, 1, "％"},
    {1456, K::Unit, 5, 1, 1, "※ゼロ％とすれば建設期間中に\n　地代は発生しません。"},
};
const CFormControl kIntervalRow[] = {
    {IDC_BOOK_INTERVAL, K::Number, 5, 1, 1, "", 4},
    {IDC_BOOK_SPIN, K::Spin, 5, 1},
    {0, K::Unit, 5, 1, 1, "年ごとに"},
};

const CCostPageKind kKinds[] = {
    {"管理費", kManageFee, {}},
    {"地代", kLandRent, kLandRentRow},
    {"修理費", kShareOfCost, {}},
    {"火災保険料", kShareOfCost, {}},
    {"その他の経費", {}, kIntervalRow},
};
const CCostPageKind& KindOf(int nItem)
{
    return kKinds[std::min(nItem, 4)];
}

// The controls of a page: the method (when it has a choice), name, amount,
// tax, years, its own row, then the schedule.
std::vector<CFormControl> PageControls(const CCostPageKind& kind)
{
    std::vector<CFormControl> controls;
    if (!kind.methods.empty()) {
        controls.push_back({0, K::Label, 0, 0, 1, "入力方法："});
        controls.push_back({IDC_METHOD, K::Combo, 0, 1, 1, "", 18});
    }
    const char* pszAmountLabel = kind.methods.empty() ? "金額：" : kind.methods[0].pszLabel;
    controls.insert(controls.end(), {
        {20056, K::Label, 1, 0, 1, "名称："},
        {IDC_NAME, K::Edit, 1, 1, 1, "", 24},
        {IDC_AMOUNT_LABEL, K::Label, 2, 0, 1, pszAmountLabel},
        {IDC_AMOUNT, K::Number, 2, 1, 1, "", 14},
        {IDC_AMOUNT_UNIT, K::Unit, 2, 1, 1, "千円"},
        {IDC_TAXABLE, K::Check, 3, 1, 1, "仕入消費税処理"},
        {20052, K::Label, 4, 0, 1, "計上年："},
        {IDC_FROM_YEAR, K::Number, 4, 1, 1, "", 4},
        {IDC_FROM_SPIN, K::Spin, 4, 1},
        {20053, K::Unit, 4, 1, 1, "年 ～ "},
        {IDC_TO_YEAR, K::Number, 4, 1, 1, "", 4},
        {IDC_TO_SPIN, K::Spin, 4, 1},
        {20054, K::Unit, 4, 1, 1, "年目まで計上"},
    });
    controls.insert(controls.end(), kind.extra.begin(), kind.extra.end());
    return controls;
}

int Slot(const M& item)
{
    return item.nInputMethod > 0 ? 1 : 0;
}

const CFormField<M> kItemFields[] = {
    {{.nID = IDC_AMOUNT, .kind = F::Number}, [](M& r, int) { return CFieldRef(&r.adAmount[Slot(r)]); }},
    {{.nID = IDC_FROM_YEAR, .kind = F::Integer, .style = NumberStyle::Count, .dEmpty = 1}, Member<&M::nFromYear>},
    {{.nID = IDC_TO_YEAR, .kind = F::Integer, .style = NumberStyle::Count}, Member<&M::nToYear>},
    {{.nID = IDC_NAME, .kind = F::Text, .nMaxChars = 20}, Member<&M::m_strOtherName>},
};
const CFormFields<M> kItemForm(kItemFields);
const CFormField<M> kMethodFields[] = {{{.nID = IDC_METHOD, .kind = F::Choice}, Member<&M::nInputMethod>}};
const CFormFields<M> kMethodForm(kMethodFields);
const CFormField<M> kIntervalFields[] = {
    {{.nID = IDC_BOOK_INTERVAL, .kind = F::Integer, .style = NumberStyle::Count, .dEmpty = 1}, Member<&M::nExtra1>}};
const CFormFields<M> kIntervalForm(kIntervalFields);

// The values, name and schedule of an item; TRUE when one changed.
BOOL CopyItem(const M& from, M& to)
{
    BOOL bChanged = CopyField(from.adAmount[0], to.adAmount[0]);
    bChanged |= CopyField(from.adAmount[1], to.adAmount[1]);
    bChanged |= CopyField(from.nInputMethod, to.nInputMethod);
    bChanged |= CopyField(from.nFromYear, to.nFromYear);
    bChanged |= CopyField(from.nToYear, to.nToYear);
    bChanged |= CopyField(from.nExtra1, to.nExtra1);
    bChanged |= CopyField(from.m_strOtherName, to.m_strOtherName);
    return bChanged | CopySteps(from, to);
}

// A name of blanks only (a cleared field holds an ideographic space) counts as none.
BOOL IsBlank(CString str)
{
    str.Replace("　", "");
    str.Trim();
    return str.IsEmpty();
}

CString DefaultLabel(int nItem)
{
    CString str = KindOf(nItem).pszLabel;
    if (nItem >= 4) str += NumberToFullWidth(nItem - 3);
    return str;
}

} // namespace

CDataCostItemPage::CDataCostItemPage(CDataCostView* pView, int nItemIndex, const CCostPageKind& kind, QWidget* pParent)
    : CDataRatePage(PageControls(kind), 6, pParent), m_nItemIndex(nItemIndex), m_kind(kind), m_pView(pView)
{
    SetSpinBuddy(IDC_FROM_SPIN, IDC_FROM_YEAR);
    SetSpinBuddy(IDC_TO_SPIN, IDC_TO_YEAR);
    std::vector<CString> entries;
    for (const CCostMethod& method : kind.methods) entries.push_back(method.pszChoice);
    SetComboEntries(IDC_METHOD, entries);
    if (CTavrinProjectDoc* doc = pView->GetDocument()) {
        m_objCostItem = doc->GetDataCost()->m_aCostItem[nItemIndex];
        m_nTaxFlag = doc->GetOptionConsumptionCost()->m_anTax[nItemIndex + 1];
    }
}

CString CDataCostItemPage::Label() const
{
    return IsBlank(m_objCostItem.m_strOtherName) ? DefaultLabel(m_nItemIndex) : m_objCostItem.m_strOtherName;
}

void CDataCostItemPage::SetPageData(const CDataCostItemClass* pItem)
{
    if (pItem) CopyItem(*pItem, m_objCostItem);
    kItemForm.Load(this, m_objCostItem);
    kMethodForm.Load(this, m_objCostItem);
    SetDlgItemText(IDC_NAME, Label());
    CheckDlgButton(IDC_TAXABLE, m_nTaxFlag == 0);
    m_nToUpper = m_objCostItem.nToYear;
    for (const UINT nSpin : {IDC_FROM_SPIN, IDC_TO_SPIN}) SetSpinRange(nSpin, m_objCostItem.nFromYear, m_nToUpper);
    SetSpinPos(IDC_FROM_SPIN, m_objCostItem.nFromYear);
    SetSpinPos(IDC_TO_SPIN, m_objCostItem.nToYear);
    LoadSteps(m_objCostItem);
    ApplyMethod();
    m_bAmountChanged = FALSE;
}

void CDataCostItemPage::ApplyMethod()
{
    if (m_kind.methods.empty()) return;
    const int nMethod = m_objCostItem.nInputMethod;
    if (nMethod < 0 || nMethod >= int(m_kind.methods.size())) return;
    const CCostMethod& method = m_kind.methods[size_t(nMethod)];
    SetDlgItemText(IDC_AMOUNT_LABEL, method.pszLabel);
    SetDlgItemText(IDC_AMOUNT_UNIT, method.pszUnit);
    SetDlgItemText(IDC_AMOUNT, FormatNumber(-1, m_objCostItem.adAmount[method.nSlot], TRUE));
    for (const UINT nID : kYearIDs) ShowDlgItem(nID, method.bYears);
}

void CDataCostItemPage::OnControlNotify(UINT nID, UINT nCode)
{
    kItemForm.Notify(this, nID, nCode);
    kIntervalForm.Notify(this, nID, nCode);
    CDataRatePage::OnControlNotify(nID, nCode);
    if (nID == IDC_AMOUNT && nCode == EN_CHANGE) {
        m_bAmountChanged = TRUE;
    } else if (nID == IDC_AMOUNT && nCode == EN_KILLFOCUS && m_bAmountChanged) {
        m_bAmountChanged = FALSE;
        m_objCostItem.adAmount[Slot(m_objCostItem)] = CommaStrToDouble(GetDlgItemText(IDC_AMOUNT));
    } else if (nID == IDC_METHOD && nCode == CBN_SELCHANGE) {
        if (const int nSel = GetCurSel(IDC_METHOD); nSel >= 0) m_objCostItem.nInputMethod = nSel;
        ApplyMethod();
    } else if (nID == IDC_FROM_YEAR && nCode == EN_KILLFOCUS) {
        SetSpinRange(IDC_TO_SPIN, std::atoi(GetDlgItemTextNoComma(this, IDC_FROM_YEAR)), m_nToUpper);
    } else if (nID == IDC_TO_YEAR && nCode == EN_KILLFOCUS && IsBlank(GetDlgItemText(IDC_TO_YEAR))) {
        CString str;
        str.Format("%d", m_nToUpper);
        SetDlgItemText(IDC_TO_YEAR, str);
    } else if (nID == IDC_NAME && nCode == EN_KILLFOCUS) {
        const CString strName = GetDlgItemText(IDC_NAME);
        m_pView->TabCtrl()->SetItemText(m_nItemIndex, IsBlank(strName) ? DefaultLabel(m_nItemIndex) : strName);
    }
}

// The fields and the schedule into the page's copy.
BOOL CDataCostItemPage::CheckPage()
{
    const BOOL bInterval = GetDlgItem(IDC_BOOK_INTERVAL) != nullptr;
    if (!kItemForm.Check(this) || (bInterval && !kIntervalForm.Check(this)) || !CDataRatePage::CheckPage())
        return FALSE;
    kItemForm.Store(this, m_objCostItem);
    kMethodForm.Store(this, m_objCostItem);
    if (bInterval) kIntervalForm.Store(this, m_objCostItem);
    m_nTaxFlag = IsDlgButtonChecked(IDC_TAXABLE) ? 0 : 1;
    StoreSteps(m_objCostItem);
    return TRUE;
}

CDataCostManageFeePage::CDataCostManageFeePage(CDataCostView* pView, QWidget* pParent)
    : CDataCostItemPage(pView, 0, kKinds[0], pParent)
{
    SetPageData(nullptr);
}

// The land rent of the construction period is the basic record's; it is
// stored at once when the field is left.
CDataCostLandRentPage::CDataCostLandRentPage(CDataCostView* pView, QWidget* pParent)
    : CDataCostItemPage(pView, 1, kKinds[1], pParent)
{
    SetPageData(nullptr);
    if (CTavrinProjectDoc* doc = pView->GetDocument()) {
        CString str;
        str.Format("%d", doc->GetDataBasic()->nLandRentConstructRatio);
        SetDlgItemText(IDC_LAND_RENT_RATIO, str);
    }
}

void CDataCostLandRentPage::OnControlNotify(UINT nID, UINT nCode)
{
    CDataCostItemPage::OnControlNotify(nID, nCode);
    if (nID != IDC_LAND_RENT_RATIO || nCode != EN_KILLFOCUS) return;
    CString str = GetDlgItemTextNoComma(this, IDC_LAND_RENT_RATIO);
    if (IsBlank(str)) str = "0";
    SetDlgItemText(IDC_LAND_RENT_RATIO, str);
    CTavrinProjectDoc* doc = m_pView->GetDocument();
    if (!doc) return;
    CDataBasicClass basic = *doc->GetDataBasic();
    const int nRatio = std::atoi(str);
    if (basic.nLandRentConstructRatio == nRatio) return;
    basic.nLandRentConstructRatio = nRatio;
    doc->SetDataBasic(basic);
    doc->m_abDataModified[CTavrinProjectDoc::kBasicSheet] = TRUE;
}

CDataCostRepairPage::CDataCostRepairPage(CDataCostView* pView, QWidget* pParent)
    : CDataCostItemPage(pView, 2, kKinds[2], pParent)
{
    SetPageData(nullptr);
}

CDataCostInsurancePage::CDataCostInsurancePage(CDataCostView* pView, QWidget* pParent)
    : CDataCostItemPage(pView, 3, kKinds[3], pParent)
{
    SetPageData(nullptr);
}

CDataCostOtherPage::CDataCostOtherPage(CDataCostView* pView, int nOtherNo, QWidget* pParent)
    : CDataCostItemPage(pView, 4 + nOtherNo, kKinds[4], pParent)
{
    SetSpinBuddy(IDC_BOOK_SPIN, IDC_BOOK_INTERVAL);
    SetSpinRange(IDC_BOOK_SPIN, 1, 50);
    SetPageData(nullptr);
    kIntervalForm.Load(this, m_objCostItem);
    SetSpinPos(IDC_BOOK_SPIN, m_objCostItem.nExtra1);
}

// Other expenses have no input method: the amount is always the total.
BOOL CDataCostOtherPage::CheckPage()
{
    if (!CDataCostItemPage::CheckPage()) {
        if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItem(IDC_NAME))) edit->selectAll();
        return FALSE;
    }
    m_objCostItem.nInputMethod = 0;
    return TRUE;
}

CDataCostView::CDataCostView() : CDataParentView(250)
{
    static const CFormControl controls[] = {
        {20000, K::Unit, 0, 0, 1, "◆毎年支出する費用を入力します。ここで入力した金額は会計上の支出（経費）になります。"},
        {IDC_TAB, K::Tab, 1, 0, 1, "1\n2\n3\n4\n5\n6\n7\n8\n9\n10"},
    };
    CreateControls(controls);
    m_pTab = dynamic_cast<CPageTabCtrl*>(GetDlgItem(IDC_TAB));
    m_pPages = std::make_unique<CPageSet>(m_pTab, [this](int nPage, QWidget* pParent) -> CFormPage* {
        switch (nPage) {
        case 0: return new CDataCostManageFeePage(this, pParent);
        case 1: return new CDataCostLandRentPage(this, pParent);
        case 2: return new CDataCostRepairPage(this, pParent);
        case 3: return new CDataCostInsurancePage(this, pParent);
        default: return new CDataCostOtherPage(this, nPage - 4, pParent);
        }
    });
}

CDataCostItemPage* CDataCostView::Page(int nIndex) const
{
    return static_cast<CDataCostItemPage*>(m_pPages->Page(nIndex));
}

void CDataCostView::OnInitialUpdate()
{
    PostUpdateTitle();
    ReloadData();
    QMetaObject::invokeMethod(this, [this] { m_pPages->CreatePage(); }, Qt::QueuedConnection);
}

BOOL CDataCostView::CheckData(int nPage)
{
    return m_pPages->CheckData(nPage);
}

BOOL CDataCostView::StoreData()
{
    CTavrinProjectDoc* doc = GetDocument();
    if (!doc) return FALSE;
    CDataCostClass& cost = *doc->GetDataCost();
    BOOL bChanged = FALSE;
    for (int i = 0; i < kItems; ++i) {
        if (const CDataCostItemPage* page = Page(i)) {
            bChanged |= CopyItem(page->m_objCostItem, cost.m_aCostItem[i]);
            bChanged |= CopyField(page->m_nTaxFlag, doc->GetOptionConsumptionCost()->m_anTax[i + 1]);
        }
    }
    for (int i = 0; i < kItems; ++i)
        bChanged |= CopyField(cost.m_aCostItem[i].m_strOtherName, doc->GetOptionBusinessRate()->m_astrExpenseName[i]);
    return bChanged;
}

void CDataCostView::CancelData()
{
    CTavrinProjectDoc* doc = GetDocument();
    CDataCostItemPage* page = Page(m_pPages->GetCurPage());
    if (!doc || !page) return;
    page->SetPageData(&doc->GetDataCost()->m_aCostItem[page->m_nItemIndex]);
    m_pTab->SetItemText(page->m_nItemIndex, page->Label());
}

void CDataCostView::ReloadData()
{
    CTavrinProjectDoc* doc = GetDocument();
    if (!doc) return;
    for (int i = 0; i < kItems; ++i) {
        const CDataCostItemClass& item = doc->GetDataCost()->m_aCostItem[i];
        m_pTab->SetItemText(i, IsBlank(item.m_strOtherName) ? DefaultLabel(i) : item.m_strOtherName);
        if (CDataCostItemPage* page = Page(i)) {
            page->m_nTaxFlag = doc->GetOptionConsumptionCost()->m_anTax[i + 1];
            page->SetPageData(&item);
        }
    }
}

void CDataCostView::OnUpdateTitle()
{
    SetFrameCaption(156);
}
