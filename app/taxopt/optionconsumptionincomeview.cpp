#include "app/taxopt/optionconsumptionincomeview.h"

#include "app/shell/tavrinprojectdoc.h"
#include "app/taxopt/optionlabels.h"
#include "option/optionconsumption.h"
#include "platform/resource.h"

namespace {

using K = FormControlKind;
using V = COptionIncomeTax;
using RentalTax = COptionIncomeTax::CRental;

constexpr UINT IDC_TAB = 10001;
constexpr UINT IDS_OTHER_INCOME_TAB = 3370;
constexpr int kRentalCategories = 8;
constexpr char kTaxed[] = "課税する\n課税しない";

const CFormControl kViewControls[] = {
    {0, K::Unit, 0, 0, 1, "売上（賃料など）にかかる消費税について設定します。"},
    {IDC_TAB, K::Tab, 1, 0, 1, "1\n2\n3\n4\n5\n6\n7\n8\n9"},
};

const CFormControl kOtherControls[] = {
    {20101, K::Label, 0, 0}, {10001, K::Combo, 0, 1, 1, kTaxed, 12},
    {20102, K::Label, 1, 0}, {10002, K::Combo, 1, 1, 1, kTaxed, 12},
    {20103, K::Label, 2, 0}, {10003, K::Combo, 2, 1, 1, kTaxed, 12},
    {20104, K::Label, 3, 0}, {10004, K::Combo, 3, 1, 1, kTaxed, 12},
    {20105, K::Label, 4, 0}, {10005, K::Combo, 4, 1, 1, kTaxed, 12},
    {20106, K::Label, 5, 0}, {10006, K::Combo, 5, 1, 1, kTaxed, 12},
    {20107, K::Label, 6, 0, 1, "手元残高運用利息："}, {10007, K::Combo, 6, 1, 1, kTaxed, 12},
};
const CFormField<V> kOtherFields[] = {
    {{.nID = 10001, .kind = FieldKind::Choice}, Path<&V::m_anOtherTax, kRow>, 6},
    {{.nID = 10007, .kind = FieldKind::Choice}, Member<&V::m_nInterestTax>},
};
const CFormFields<V> kOtherForm(kOtherFields);

const CFormControl kRentalControls[] = {
    {0, K::Label, 0, 0, 1, "賃料："},         {10001, K::Combo, 0, 1, 1, kTaxed, 12},
    {0, K::Label, 1, 0, 1, "共益費："},       {10002, K::Combo, 1, 1, 1, kTaxed, 12},
    {0, K::Label, 2, 0, 1, "礼金："},         {10003, K::Combo, 2, 1, 1, kTaxed, 12},
    {0, K::Label, 3, 0, 1, "敷金償却益："},   {10005, K::Combo, 3, 1, 1, kTaxed, 12},
    {0, K::Label, 4, 0, 1, "保証金償却益："}, {10006, K::Combo, 4, 1, 1, kTaxed, 12},
    {0, K::Label, 5, 0, 1, "更新料："},       {10007, K::Combo, 5, 1, 1, kTaxed, 12},
};
constexpr UINT kRentalIDs[] = {10001, 10002, 10003, 10005, 10006, 10007};
const CFormField<RentalTax> kRentalFields[] = {
    {{.nID = 10001, .kind = FieldKind::Choice}, Path<&RentalTax::m_anTax, kRow>, 6, 1, kRentalIDs},
};
const CFormFields<RentalTax> kRentalForm(kRentalFields);

template <class T>
BOOL CopyValue(const T& from, T& to)
{
    if (to == from) return FALSE;
    to = from;
    return TRUE;
}

} // namespace

COptionOtherIncomePage::COptionOtherIncomePage(COptionConsumptionIncomeView* pView, QWidget* pParent)
    : COptionIncomePage(pView, pParent)
{
    CreateControls(kOtherControls);
    ReloadLabels();
    SetPageData();
}

void COptionOtherIncomePage::ReloadLabels()
{
    const CTavrinProjectDoc* doc = m_pView->GetDocument();
    if (!doc) return;
    for (int k = 1; k <= 6; ++k) SetDlgItemText(20100 + k, OtherIncomeLabel(*doc, k) + LabelColon());
}

BOOL COptionOtherIncomePage::CheckPage()
{
    kOtherForm.Store(this, m_pView->m_objTax);
    return TRUE;
}

void COptionOtherIncomePage::SetPageData()
{
    kOtherForm.Load(this, m_pView->m_objTax);
}

COptionRentalIncomePage::COptionRentalIncomePage(COptionConsumptionIncomeView* pView, int nRentalIndex,
                                                 QWidget* pParent)
    : COptionIncomePage(pView, pParent), m_nRentalIndex(nRentalIndex)
{
    CreateControls(kRentalControls);
    SetPageData();
}

BOOL COptionRentalIncomePage::CheckPage()
{
    kRentalForm.Store(this, m_pView->m_objTax.m_aRental[m_nRentalIndex]);
    return TRUE;
}

void COptionRentalIncomePage::SetPageData()
{
    kRentalForm.Load(this, m_pView->m_objTax.m_aRental[m_nRentalIndex]);
}

COptionConsumptionIncomeView::COptionConsumptionIncomeView() : COptionFormView(406, 310, {})
{
    CreateControls(kViewControls);
    m_pTab = dynamic_cast<CPageTabCtrl*>(GetDlgItem(IDC_TAB));
    for (int i = 0; i <= kRentalCategories; ++i) m_pTab->SetItemText(i, LoadText(IDS_OTHER_INCOME_TAB));
    m_pPages = std::make_unique<CPageSet>(m_pTab, [this](int nPage, QWidget* pParent) -> CFormPage* {
        if (nPage == 0) return new COptionOtherIncomePage(this, pParent);
        return new COptionRentalIncomePage(this, nPage - 1, pParent);
    });
}

void COptionConsumptionIncomeView::OnInitialUpdate()
{
    COptionFormView::OnInitialUpdate();
    QMetaObject::invokeMethod(this, [this] { m_pPages->CreatePage(); }, Qt::QueuedConnection);
}

void COptionConsumptionIncomeView::SetViewData()
{
    const COptionConsumptionIncomeClass* record = GetDocument() ? GetDocument()->GetOptionConsumptionIncome() : nullptr;
    if (!record) return;
    std::copy(std::begin(record->m_anOtherTax), std::end(record->m_anOtherTax), m_objTax.m_anOtherTax);
    m_objTax.m_nInterestTax = record->m_nInterestTax;
    for (int i = 0; i < kRentalCategories; ++i) {
        const int* anTax = record->m_aRental[i].m_anTax;
        std::copy(anTax, anTax + 6, m_objTax.m_aRental[i].m_anTax);
    }
    m_pPages->SetPagesData();
}

void COptionConsumptionIncomeView::ReloadLabels()
{
    const CTavrinProjectDoc* doc = GetDocument();
    if (!doc) return;
    for (int i = 0; i < kRentalCategories; ++i) {
        const CString strName = RentalCategoryLabel(*doc, i);
        if (!strName.IsEmpty()) m_pTab->SetItemText(i + 1, strName);
    }
    if (auto* page = dynamic_cast<COptionOtherIncomePage*>(Page(0))) page->ReloadLabels();
}

BOOL COptionConsumptionIncomeView::CheckData(int)
{
    return m_pPages->CurrentPage() && m_pPages->CheckData(m_pPages->GetCurPage());
}

// Only the taxation fields reach the document's record.
BOOL COptionConsumptionIncomeView::StoreData()
{
    COptionConsumptionIncomeClass* record = GetDocument() ? GetDocument()->GetOptionConsumptionIncome() : nullptr;
    if (!record) return FALSE;
    BOOL bChanged = CopyValue(m_objTax.m_nInterestTax, record->m_nInterestTax);
    for (int k = 0; k < 6; ++k) bChanged |= CopyValue(m_objTax.m_anOtherTax[k], record->m_anOtherTax[k]);
    for (int i = 0; i < kRentalCategories; ++i) {
        for (int k = 0; k < 6; ++k) bChanged |= CopyValue(m_objTax.m_aRental[i].m_anTax[k], record->m_aRental[i].m_anTax[k]);
    }
    return bChanged;
}
