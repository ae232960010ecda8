#include "app/taxopt/taxincomeview.h"

#include <QGridLayout>
#include <algorithm>

#include "app/shell/tavrinprojectdoc.h"
#include "app/taxopt/taxbracketpane.h"

namespace {

constexpr UINT IDS_INCOME_TAX = 262;

} // namespace

CTaxIncomeView::CTaxIncomeView() : CTaxParentView(314) {}

void CTaxIncomeView::OnInitialUpdate()
{
    PostUpdateTitle();
    ReloadData();
    QMetaObject::invokeMethod(this, [this] { CreatePane(); }, Qt::QueuedConnection);
}

void CTaxIncomeView::OnUpdateTitle()
{
    SetFrameCaption(IDS_INCOME_TAX);
}

void CTaxIncomeView::CreatePane()
{
    if (m_pPane) return;
    m_pPane = new CTaxBracketPane(this);
    m_pPane->LoadRows(m_Income.m_aStep);
    m_pPane->SetReduction(&m_Income.m_adReduction[0], &m_Income.m_anReductionYear[0]);
    m_pGrid->addWidget(m_pPane, 0, 0);
    m_pPane->show();
}

BOOL CTaxIncomeView::CheckData(int)
{
    if (!m_pPane || !m_pPane->CheckPage()) return FALSE;
    m_pPane->StoreRows(m_Income.m_aStep);
    return TRUE;
}

BOOL CTaxIncomeView::StoreData()
{
    CTaxIncomeClass* record = GetDocument() ? GetDocument()->GetTaxIncome() : nullptr;
    if (!record) return FALSE;
    std::copy(std::begin(m_Income.m_aStep), std::end(m_Income.m_aStep), record->m_aStep);
    record->m_adReduction[0] = m_Income.m_adReduction[0];
    record->m_adReduction[1] = m_Income.m_adReduction[1];
    record->m_anReductionYear[0] = m_Income.m_anReductionYear[0];
    record->SetDataData(0);
    return TRUE;
}

void CTaxIncomeView::CancelData()
{
    if (const CTaxIncomeClass* record = GetDocument() ? GetDocument()->GetTaxIncome() : nullptr) m_Income = *record;
}

void CTaxIncomeView::ReloadData()
{
    CancelData();
    if (!m_pPane) return;
    m_pPane->LoadRows(m_Income.m_aStep);
    m_pPane->SetReduction(&m_Income.m_adReduction[0], &m_Income.m_anReductionYear[0]);
}
