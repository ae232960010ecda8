#include "app/data/datarentalbasicview.h"

#include <cmath>

#include "app/common/formfields.h"
#include "app/common/formpages.h"
#include "app/data/datarentalpages.h"
#include "app/shell/tavrinprojectdoc.h"
#include "data/datarentaltype.h"

namespace {

using K = FormControlKind;
using F = FieldKind;
using B = CDataRentalBasicClass;

constexpr UINT IDC_CATEGORY = 10030;
constexpr UINT IDC_CONTRACT_YEARS = 10031;
constexpr UINT IDC_TAB = 10039;
constexpr double kMaxYears = 1e6;

const CFormControl kViewControls[] = {
    {0, K::Label, 0, 0, 1, "種別："},
    {IDC_CATEGORY, K::ComboEdit, 0, 1, 1, "", 16},
    {0, K::Unit, 0, 1, 1, "種別の名称はここで直接変更できます。"},
    {0, K::Label, 1, 0, 1, "契約期間："},
    {IDC_CONTRACT_YEARS, K::Number, 1, 1, 1, "", 4},
    {0, K::Unit, 1, 1, 1, "年"},
    {IDC_TAB, K::Tab, 2, 0, 2, "入居率\n入替率\n賃料の変動\n敷金・保証金\n消費税"},
};

const CFormField<B> kContractFields[] = {
    {{.nID = IDC_CONTRACT_YEARS, .kind = F::Integer, .style = NumberStyle::Count}, Member<&B::nContractYears>},
};
const CFormFields<B> kContractForm(kContractFields);

// The deposits' or the guarantee money's schedule: the rent's when it
// follows the rent, else no change.
void DeriveSchedule(int nChange, const CDataRateClass& rent, CDataRateClass& derived)
{
    derived = nChange == 0 ? rent : CDataRateClass();
}

// What this window edits of a category; TRUE when one value changed.
BOOL CopyCategory(const B& from, B& to)
{
    BOOL bChanged = CopyField(from.nContractYears, to.nContractYears);
    bChanged |= CopyField(from.dDepositAmortizeRatio, to.dDepositAmortizeRatio);
    bChanged |= CopyField(from.nDepositChange, to.nDepositChange);
    bChanged |= CopyField(from.dSecurityAmortizeRatio, to.dSecurityAmortizeRatio);
    bChanged |= CopyField(from.nSecurityChange, to.nSecurityChange);
    bChanged |= CopyField(from.bCommonFeeFixed, to.bCommonFeeFixed);
    bChanged |= CopyField(from.m_strName, to.m_strName);
    for (int r = 0; r < B::kRateCount; ++r) bChanged |= CopySteps(from.m_aRate[r], to.m_aRate[r]);
    bChanged |= CopyField(from.m_objSecurityLoan.nRepayMethod, to.m_objSecurityLoan.nRepayMethod);
    for (int r = 0; r < 2; ++r) {
        const tagDATAREPAY& a = from.m_objSecurityLoan.m_aRepay[r];
        tagDATAREPAY& b = to.m_objSecurityLoan.m_aRepay[r];
        bChanged |= CopyField(a.nStartYear, b.nStartYear) | CopyField(a.nEndYear, b.nEndYear) |
                    CopyField(a.dRate, b.dRate);
    }
    return bChanged;
}

} // namespace

CDataRentalBasicView::CDataRentalBasicView() : CDataParentView(260)
{
    CreateControls(kViewControls);
    m_pTab = dynamic_cast<CPageTabCtrl*>(GetDlgItem(IDC_TAB));
    m_pPages = std::make_unique<CPageSet>(
        m_pTab, [this](int nPage, QWidget* pParent) { return CreateRentalPage(this, nPage, pParent); });
}

CDataRentalBasicView::~CDataRentalBasicView() = default;

CFormWidget* CDataRentalBasicView::Page(int nIndex) const
{
    return m_pPages->Page(nIndex);
}

void CDataRentalBasicView::OnInitialUpdate()
{
    ReloadData();
    PostUpdateTitle();
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_pPages->CreatePage();
            GotoDlgCtrl(IDC_CATEGORY);
        },
        Qt::QueuedConnection);
}

void CDataRentalBasicView::FillCategories()
{
    std::vector<CString> names;
    for (const B& basic : m_aRentalBasic) names.push_back(basic.m_strName);
    SetComboEntries(IDC_CATEGORY, names);
    SetCurSel(IDC_CATEGORY, m_nCategory);
}

// The box's text, when edited, names the current category (an ideographic
// space when cleared).
void CDataRentalBasicView::TakeCategoryName()
{
    const CString strText = GetDlgItemText(IDC_CATEGORY);
    if (strText == Current().m_strName) return;
    CString str = strText;
    str.Trim();
    Current().m_strName = str.IsEmpty() ? CString("　") : strText;
    FillCategories();
}

// The page shown and the contract period are checked before the switch, so
// the pages never show one category while the view holds another.
BOOL CDataRentalBasicView::SelectCategory(int nCategory)
{
    if (nCategory < 0 || nCategory >= kCategoryCount || nCategory == m_nCategory) return TRUE;
    CFormPage* page = m_pPages->CurrentPage();
    if ((page && !page->CheckPage()) || !kContractForm.Check(this)) {
        SetCurSel(IDC_CATEGORY, m_nCategory);
        return FALSE;
    }
    kContractForm.Store(this, Current());
    m_nCategory = nCategory;
    SetCurSel(IDC_CATEGORY, m_nCategory);
    kContractForm.Load(this, Current());
    m_pPages->SetPagesData();
    return TRUE;
}

LRESULT CDataRentalBasicView::OnViewMessage(UINT nMessage, WPARAM wParam)
{
    if (nMessage != WM_SELECT_RENTAL_CATEGORY) return 0;
    if (SelectCategory(int(wParam))) GotoDlgCtrl(IDC_CONTRACT_YEARS);
    return 0;
}

BOOL CDataRentalBasicView::CheckData(int)
{
    CFormPage* page = m_pPages->CurrentPage();
    if (!page || !page->CheckPage() || !kContractForm.Check(this)) return FALSE;
    TakeCategoryName();
    kContractForm.Store(this, Current());
    for (B& basic : m_aRentalBasic) {
        DeriveSchedule(basic.nDepositChange, basic.m_aRate[B::kRateRent], basic.m_aRate[3]);
        DeriveSchedule(basic.nSecurityChange, basic.m_aRate[B::kRateRent], basic.m_aRate[4]);
    }
    return TRUE;
}

// The categories, their names in the rental-type and option records, their
// advance rates and consumption-tax flags; nothing else of those records.
BOOL CDataRentalBasicView::StoreData()
{
    CTavrinProjectDoc* doc = GetDocument();
    CDataRentalTypeClass* type = doc ? doc->GetDataRentalType() : nullptr;
    COptionAdvanceClass* advance = doc ? doc->GetOptionAdvance() : nullptr;
    COptionConsumptionIncomeClass* income = doc ? doc->GetOptionConsumptionIncome() : nullptr;
    if (!type || !advance || !income) return FALSE;
    BOOL bChanged = FALSE;
    for (int i = 0; i < kCategoryCount; ++i) {
        B* record = doc->GetDataRentalBasic(i);
        if (!record) continue;
        const B& basic = m_aRentalBasic[i];
        bChanged |= CopyCategory(basic, *record);
        bChanged |= CopyField(basic.m_strName, type->m_astrName[i]);
        bChanged |= CopyField(basic.m_strName, advance->m_astrTypeName[i]);
        bChanged |= CopyField(basic.m_strName, income->m_astrTypeName[i]);
        bChanged |= CopyField(m_objAdvance.m_aRate[i].dDepositRate, advance->m_aRate[i].dDepositRate);
        bChanged |= CopyField(m_objAdvance.m_aRate[i].dSecurityRate, advance->m_aRate[i].dSecurityRate);
        for (int t = 0; t < 6; ++t)
            bChanged |= CopyField(m_objConsumptionIncome.m_aRental[i].m_anTax[t], income->m_aRental[i].m_anTax[t]);
    }
    return bChanged;
}

void CDataRentalBasicView::ReloadData()
{
    CTavrinProjectDoc* doc = GetDocument();
    if (!doc || !doc->GetOptionAdvance() || !doc->GetOptionConsumptionIncome()) return;
    m_objAdvance = *doc->GetOptionAdvance();
    m_objConsumptionIncome = *doc->GetOptionConsumptionIncome();
    for (int i = 0; i < kCategoryCount; ++i) {
        if (const B* record = doc->GetDataRentalBasic(i)) m_aRentalBasic[i] = *record;
    }
    FillCategories();
    kContractForm.Load(this, Current());
    m_pPages->SetPagesData();
}

void CDataRentalBasicView::OnUpdateTitle()
{
    SetFrameCaption(163);
}

void CDataRentalBasicView::OnControlNotify(UINT nID, UINT nCode)
{
    kContractForm.Notify(this, nID, nCode);
    if (nID == IDC_CATEGORY && nCode == CBN_SELCHANGE) {
        SelectCategory(GetCurSel(IDC_CATEGORY));
    } else if (nID == IDC_CATEGORY && (nCode == CBN_DROPDOWN || nCode == CBN_KILLFOCUS)) {
        TakeCategoryName();
    } else if (nID == IDC_CONTRACT_YEARS && nCode == EN_KILLFOCUS) {
        double dYears = 0;
        if (ParseNumber(GetDlgItemTextNoComma(this, IDC_CONTRACT_YEARS), dYears) && std::abs(dYears) < kMaxYears)
            Current().nContractYears = int(dYears);
    }
}
