#include "app/taxopt/taxstandardmoneyview.h"

#include "app/shell/tavrinprojectdoc.h"
#include "app/common/formfields.h"
#include "app/taxopt/taxburdenpane.h"

namespace {

using K = FormControlKind;

constexpr UINT IDS_STANDARD_MONEY = 252;
constexpr UINT IDC_TAB = 10000;

const CFormControl kViewControls[] = {
    {0, K::Unit, 0, 0, 1, "標準課税額について設定します。"},
    {IDC_TAB, K::Tab, 1, 0, 1, "住宅部分負担調整率\n非住宅部分負担調整率\n価格下落率"},
};

// Rows 0 .. nRows-1 onto the record's; TRUE when a value changed.
BOOL StoreLevels(const CTaxBurdenLevelClass* aFrom, CTaxBurdenLevelClass* aTo, int nRows)
{
    BOOL bChanged = FALSE;
    for (int k = 0; k < nRows; ++k) {
        bChanged |= CopyField(aFrom[k].m_dLower, aTo[k].m_dLower);
        bChanged |= CopyField(aFrom[k].m_nLowerExclusive, aTo[k].m_nLowerExclusive);
        bChanged |= CopyField(aFrom[k].m_dUpper, aTo[k].m_dUpper);
        bChanged |= CopyField(aFrom[k].m_nUpperInclusive, aTo[k].m_nUpperInclusive);
        bChanged |= CopyField(aFrom[k].m_dRate, aTo[k].m_dRate);
    }
    return bChanged;
}

BOOL StorePriceDrop(const CTaxPriceDropClass& from, CTaxPriceDropClass& to)
{
    BOOL bChanged = CopyField(from.m_nPriceDropUse, to.m_nPriceDropUse);
    bChanged |= CopyField(from.m_dPriceDropRate, to.m_dPriceDropRate);
    bChanged |= CopyField(from.m_nPriceDropExclusive, to.m_nPriceDropExclusive);
    bChanged |= CopyField(from.m_dHouseLevel, to.m_dHouseLevel);
    bChanged |= CopyField(from.m_nHouseLevelExclusive, to.m_nHouseLevelExclusive);
    bChanged |= CopyField(from.m_dBusinessLevel, to.m_dBusinessLevel);
    bChanged |= CopyField(from.m_nBusinessLevelExclusive, to.m_nBusinessLevelExclusive);
    bChanged |= CopyField(from.m_dAdjustRate, to.m_dAdjustRate);
    return bChanged;
}

} // namespace

CTaxStandardMoneyView::CTaxStandardMoneyView() : CTaxParentView(303)
{
    CreateControls(kViewControls);
    m_pTab = dynamic_cast<CPageTabCtrl*>(GetDlgItem(IDC_TAB));
    m_pPages = std::make_unique<CPageSet>(m_pTab,
                                          [this](int nTab, QWidget* pParent) { return MakePane(nTab, pParent); });
}

CFormPage* CTaxStandardMoneyView::MakePane(int nTab, QWidget* pParent)
{
    QWidget* tabRow = m_pTab->TabBar();
    CFormPage* pane = nullptr;
    switch (nTab) {
    case kHouseTab: pane = new CTaxBurdenHousePane(pParent, tabRow, m_StandardMoney); break;
    case kNonHouseTab: pane = new CTaxBurdenNonHousePane(pParent, tabRow, m_StandardMoney); break;
    default: pane = new CTaxPriceFallPane(pParent, tabRow, m_StandardMoney.m_objPriceDrop); break;
    }
    pane->SetPageData();
    return pane;
}

void CTaxStandardMoneyView::OnInitialUpdate()
{
    PostUpdateTitle();
    ReloadData();
    QMetaObject::invokeMethod(this, [this] { m_pPages->CreatePage(); }, Qt::QueuedConnection);
}

void CTaxStandardMoneyView::OnUpdateTitle()
{
    SetFrameCaption(IDS_STANDARD_MONEY);
}

BOOL CTaxStandardMoneyView::CheckData(int)
{
    return !m_pPages->CurrentPage() || m_pPages->CheckData(m_pPages->GetCurPage());
}

BOOL CTaxStandardMoneyView::StoreData()
{
    CTaxStandardMoneyClass* record = GetDocument() ? GetDocument()->GetTaxStandardMoney() : nullptr;
    if (!record) return FALSE;
    BOOL bChanged = StoreLevels(m_StandardMoney.m_aHouseLevel, record->m_aHouseLevel, CTaxStandardMoneyClass::kHouseRows);
    bChanged |= StoreLevels(m_StandardMoney.m_aBusinessLevel, record->m_aBusinessLevel,
                            CTaxStandardMoneyClass::kBusinessRows);
    bChanged |= StorePriceDrop(m_StandardMoney.m_objPriceDrop, record->m_objPriceDrop);
    record->SetDataData(0);
    return bChanged;
}

void CTaxStandardMoneyView::ReloadData()
{
    const CTaxStandardMoneyClass* record = GetDocument() ? GetDocument()->GetTaxStandardMoney() : nullptr;
    if (!record) return;
    m_StandardMoney = *record;
    m_pPages->SetPagesData();
}

// Tab on the tab row goes to the shown pane's first control, Shift+Tab to its last.
LRESULT CTaxStandardMoneyView::OnControlKey(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    CFormPage* page = m_pPages->CurrentPage();
    if (nMessage != WM_TAB_KEY || pControl != m_pTab->TabBar() || !page)
        return CTaxParentView::OnControlKey(pControl, nMessage, wParam, lParam);
    if (auto* fall = dynamic_cast<CTaxPriceFallPane*>(page)) {
        fall->GotoDlgCtrl(lParam && fall->IsConsidered() ? CTaxPriceFallPane::kAdjustRateID : CTaxPriceFallPane::kUseID);
    } else {
        auto* table = static_cast<CTaxBurdenLevelPane*>(page);
        table->GotoDlgCtrl(lParam ? table->LastRateID() : CTaxBurdenLevelPane::LowerID(0));
    }
    return 1;
}
