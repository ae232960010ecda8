#include "app/taxopt/taxresidenceview.h"

#include <QLineEdit>
#include <QTabBar>
#include <algorithm>

#include "app/common/numbertext.h"
#include "app/shell/tavrinprojectdoc.h"
#include "app/taxopt/taxbracketpane.h"

namespace {

using K = FormControlKind;

constexpr UINT IDS_RESIDENCE_TAX = 261;
constexpr UINT IDC_TAB = 10000;
constexpr UINT IDC_PREFECTURAL_RATE = 10000;
constexpr UINT IDC_VILLAGE_RATE = 10001;
constexpr UINT IDC_FIRST_UPPER = 10005;
constexpr UINT IDC_LAST_RATE = 10019;

const CFormControl kViewControls[] = {
    {0, K::Unit, 0, 0, 1, "住民税の税率について設定します。"},
    {IDC_TAB, K::Tab, 1, 0, 1, "道府県民税\n市町村民税\n法人－住民税"},
};

const CFormControl kCorporationControls[] = {
    {0, K::Unit, 0, 0, 2, "法人の住民税の税率のついて設定します。"},
    {20300, K::Group, 1, 0, 1, "道府県民税について"},
    {0, K::Label, 0, 0, 1, "税率："},
    {IDC_PREFECTURAL_RATE, K::Number, 0, 1, 1, "", 8},
    {0, K::Unit, 0, 1, 1, "％"},
    {0, K::GroupEnd},
    {20301, K::Group, 1, 1, 1, "市町村民税について"},
    {0, K::Label, 0, 0, 1, "税率："},
    {IDC_VILLAGE_RATE, K::Number, 0, 1, 1, "", 8},
    {0, K::Unit, 0, 1, 1, "％"},
    {0, K::GroupEnd},
};

// Where the inhabitant-tax reduction sits in the income record.
constexpr int kReduction = 2;
constexpr int kReductionYear = 1;

} // namespace

CTaxResidentCorporationPane::CTaxResidentCorporationPane(QWidget* pParent, QWidget* pEndFocus)
    : CFormPage(pParent), m_pEndFocus(pEndFocus)
{
    CreateControls(kCorporationControls);
}

void CTaxResidentCorporationPane::Load(const CTaxResidentCorporationClass& record)
{
    m_objRecord = record;
    SetPageData();
}

void CTaxResidentCorporationPane::SetPageData()
{
    SetDlgItemText(IDC_PREFECTURAL_RATE, FormatNumber(-1, m_objRecord.m_dPrefecturalRate, TRUE));
    SetDlgItemText(IDC_VILLAGE_RATE, FormatNumber(-1, m_objRecord.m_dVillageRate, TRUE));
}

BOOL CTaxResidentCorporationPane::CheckPage()
{
    double dPrefectural = 0, dVillage = 0;
    CDataExchange dx(this, TRUE);
    DDX_TextNumber(&dx, IDC_PREFECTURAL_RATE, dPrefectural);
    if (!dx.m_bFailed) DDX_TextNumber(&dx, IDC_VILLAGE_RATE, dVillage);
    if (dx.m_bFailed) return FALSE;
    m_objRecord.m_dPrefecturalRate = dPrefectural;
    m_objRecord.m_dVillageRate = dVillage;
    return TRUE;
}

void CTaxResidentCorporationPane::OnControlNotify(UINT nID, UINT nCode)
{
    auto* edit = qobject_cast<QLineEdit*>(GetDlgItem(nID));
    if (!edit) return;
    if (nCode == EN_SETFOCUS) SetImeOpenStatus(edit, FALSE);
    if (nCode == EN_KILLFOCUS) FormatEditNumberIfEmpty(edit, 0.0);
}

LRESULT CTaxResidentCorporationPane::OnControlKey(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    const UINT nFrom = GetDlgCtrlID(pControl);
    if (nMessage == WM_TAB_KEY && (lParam ? nFrom == IDC_PREFECTURAL_RATE : nFrom == IDC_VILLAGE_RATE)) {
        m_pEndFocus->setFocus(lParam ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return 1;
    }
    return CFormPage::OnControlKey(pControl, nMessage, wParam, lParam);
}

CTaxResidenceView::CTaxResidenceView() : CTaxParentView(312)
{
    CreateControls(kViewControls);
    m_pTab = dynamic_cast<CPageTabCtrl*>(GetDlgItem(IDC_TAB));
    m_pPages = std::make_unique<CPageSet>(m_pTab,
                                          [this](int nTab, QWidget* pParent) { return MakePage(nTab, pParent); });
}

CFormPage* CTaxResidenceView::MakePage(int nTab, QWidget* pParent)
{
    if (nTab == kCorporationTab) {
        auto* pane = new CTaxResidentCorporationPane(pParent, m_pTab->TabBar());
        pane->Load(m_ResidentCorporation);
        return pane;
    }
    auto* pane = new CTaxBracketPane(pParent, m_pTab->TabBar());
    if (nTab == kPrefecturalTab) {
        pane->LoadRows(m_Prefectural.m_aStep);
        pane->SetReduction(&m_Income.m_adReduction[kReduction], &m_Income.m_anReductionYear[kReductionYear]);
    } else {
        pane->LoadRows(m_Village.m_aStep);
        pane->HideReduction();
    }
    return pane;
}

CTaxBracketPane* CTaxResidenceView::BracketPane(int nTab) const
{
    return nTab == kCorporationTab ? nullptr : static_cast<CTaxBracketPane*>(m_pPages->Page(nTab));
}

CTaxResidentCorporationPane* CTaxResidenceView::CorporationPane() const
{
    return static_cast<CTaxResidentCorporationPane*>(m_pPages->Page(kCorporationTab));
}

void CTaxResidenceView::OnInitialUpdate()
{
    PostUpdateTitle();
    ReloadData();
    QMetaObject::invokeMethod(this, [this] { m_pPages->CreatePage(); }, Qt::QueuedConnection);
}

void CTaxResidenceView::OnUpdateTitle()
{
    SetFrameCaption(IDS_RESIDENCE_TAX);
}

BOOL CTaxResidenceView::CheckData(int)
{
    return !m_pPages->CurrentPage() || m_pPages->CheckData(m_pPages->GetCurPage());
}

void CTaxResidenceView::TakePages()
{
    if (CTaxBracketPane* pane = BracketPane(kPrefecturalTab)) pane->StoreRows(m_Prefectural.m_aStep);
    if (CTaxBracketPane* pane = BracketPane(kVillageTab)) pane->StoreRows(m_Village.m_aStep);
    if (CTaxResidentCorporationPane* pane = CorporationPane()) m_ResidentCorporation = pane->m_objRecord;
}

BOOL CTaxResidenceView::StoreData()
{
    CTavrinProjectDoc* doc = GetDocument();
    if (!doc) return FALSE;
    TakePages();
    *doc->GetTaxPrefectural() = m_Prefectural;
    *doc->GetTaxVillage() = m_Village;
    *doc->GetTaxResidentCorporation() = m_ResidentCorporation;
    CTaxIncomeClass* income = doc->GetTaxIncome();
    income->m_adReduction[kReduction] = m_Income.m_adReduction[kReduction];
    income->m_adReduction[kReduction + 1] = m_Income.m_adReduction[kReduction + 1];
    income->m_anReductionYear[kReductionYear] = m_Income.m_anReductionYear[kReductionYear];
    doc->GetTaxPrefectural()->SetDataData(0);
    doc->GetTaxVillage()->SetDataData(0);
    return TRUE;
}

void CTaxResidenceView::CancelData()
{
    CTavrinProjectDoc* doc = GetDocument();
    if (!doc) return;
    m_Prefectural = *doc->GetTaxPrefectural();
    m_Village = *doc->GetTaxVillage();
    m_ResidentCorporation = *doc->GetTaxResidentCorporation();
    m_Income = *doc->GetTaxIncome();
}

void CTaxResidenceView::ReloadData()
{
    CancelData();
    LoadPages();
}

void CTaxResidenceView::LoadPages()
{
    if (CTaxBracketPane* pane = BracketPane(kPrefecturalTab)) {
        pane->LoadRows(m_Prefectural.m_aStep);
        pane->SetReduction(&m_Income.m_adReduction[kReduction], &m_Income.m_anReductionYear[kReductionYear]);
    }
    if (CTaxBracketPane* pane = BracketPane(kVillageTab)) pane->LoadRows(m_Village.m_aStep);
    if (CTaxResidentCorporationPane* pane = CorporationPane()) pane->Load(m_ResidentCorporation);
}

// Tab on the tab row goes to the shown page's first edit, Shift+Tab to its last.
LRESULT CTaxResidenceView::OnControlKey(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    CFormPage* page = m_pPages->CurrentPage();
    if (nMessage == WM_TAB_KEY && pControl == m_pTab->TabBar() && page) {
        const bool bCorporation = m_pPages->GetCurPage() == kCorporationTab;
        page->GotoDlgCtrl(lParam ? (bCorporation ? IDC_VILLAGE_RATE : IDC_LAST_RATE)
                                 : (bCorporation ? IDC_PREFECTURAL_RATE : IDC_FIRST_UPPER));
        return 1;
    }
    return CTaxParentView::OnControlKey(pControl, nMessage, wParam, lParam);
}
