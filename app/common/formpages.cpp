#include "app/common/formpages.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include "platform/qtstring.h"

namespace {

// The tab row wants Tab: it goes to the parent first.
class CTabRow : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    bool event(QEvent* pEvent) override
    {
        if (HandTabToParent(this, pEvent, 1)) return true;
        return QTabBar::event(pEvent);
    }
};

// The controls of a page that Tab reaches, in the order they were made.
std::vector<QWidget*> TabStops(QWidget* pPage)
{
    std::vector<QWidget*> stops;
    for (QWidget* child : pPage->findChildren<QWidget*>()) {
        if (child->focusPolicy() & Qt::TabFocus) stops.push_back(child);
    }
    return stops;
}

} // namespace

CPageTabCtrl::CPageTabCtrl(QWidget* pParent) : QWidget(pParent), m_pBar(new CTabRow(this)), m_pArea(new QWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_pBar->setExpanding(false);
    m_pBar->setUsesScrollButtons(true);
    layout->addWidget(m_pBar);
    m_pArea->setObjectName(QStringLiteral("pagearea"));
    auto* area = new QVBoxLayout(m_pArea);
    area->setContentsMargins(8, 8, 8, 8);
    m_pArea->setAutoFillBackground(true);
    layout->addWidget(m_pArea, 1);
    connect(m_pBar, &QTabBar::currentChanged, this, [this] {
        if (m_onSelChange) m_onSelChange();
    });
}

void CPageTabCtrl::AddTab(const QString& strLabel)
{
    const QSignalBlocker block(m_pBar);
    m_pBar->addTab(strLabel);
}

int CPageTabCtrl::GetItemCount() const
{
    return m_pBar->count();
}

void CPageTabCtrl::SetItemText(int nItem, const CString& strText)
{
    m_pBar->setTabText(nItem, ToQString(strText));
}

CString CPageTabCtrl::GetItemText(int nItem) const
{
    return FromQString(m_pBar->tabText(nItem));
}

int CPageTabCtrl::GetCurSel() const
{
    return m_pBar->currentIndex();
}

void CPageTabCtrl::SetCurSel(int nItem)
{
    const QSignalBlocker block(m_pBar);
    m_pBar->setCurrentIndex(nItem);
}

void CFormPage::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Escape) {
        pEvent->accept();
        return;
    }
    CFormWidget::keyPressEvent(pEvent);
}

CPageSet::CPageSet(CPageTabCtrl* pTab, CFactory make, std::function<void()> onChanged)
    : m_pTab(pTab), m_make(std::move(make)), m_onChanged(std::move(onChanged)),
      m_apPage(size_t(pTab->GetItemCount()), nullptr)
{
    m_pTab->m_onSelChange = [this] { ChangePage(); };
}

CFormPage* CPageSet::Page(int nPage) const
{
    return nPage >= 0 && nPage < PageCount() ? m_apPage[size_t(nPage)] : nullptr;
}

void CPageSet::CreatePage()
{
    if (m_nCurPage < 0 || m_nCurPage >= PageCount() || m_apPage[size_t(m_nCurPage)]) return;
    CFormPage* page = m_make(m_nCurPage, m_pTab->PageArea());
    m_apPage[size_t(m_nCurPage)] = page;
    m_pTab->PageArea()->layout()->addWidget(page);
    MakeChain(page);
    page->show();
    m_pTab->TabBar()->setFocus(Qt::OtherFocusReason);
}

// Tab goes from the tab row through the page's controls, then on to what
// followed the tab row.
void CPageSet::MakeChain(CFormPage* pPage)
{
    QWidget* previous = m_pTab->TabBar();
    for (QWidget* stop : TabStops(pPage)) {
        QWidget::setTabOrder(previous, stop);
        previous = stop;
    }
}

BOOL CPageSet::ChangePage()
{
    const int nNew = m_pTab->GetCurSel();
    if (nNew == m_nCurPage) return TRUE;
    if (CFormPage* current = CurrentPage(); current && !current->CheckPage()) {
        m_pTab->SetCurSel(m_nCurPage);
        return FALSE;
    }
    if (CFormPage* current = CurrentPage()) current->hide();
    m_nCurPage = nNew;
    if (CFormPage* page = CurrentPage()) {
        page->show();
        page->SetPageData();
    } else {
        CreatePage();
    }
    m_pTab->TabBar()->setFocus(Qt::OtherFocusReason);
    if (m_onChanged) m_onChanged();
    return TRUE;
}

void CPageSet::ShowPage(int nPage)
{
    if (nPage < 0 || nPage >= PageCount()) return;
    if (nPage != m_nCurPage) {
        if (CFormPage* current = CurrentPage()) current->hide();
        m_nCurPage = nPage;
    }
    m_pTab->SetCurSel(nPage);
    if (CFormPage* page = CurrentPage())
        page->show();
    else
        CreatePage();
    if (m_onChanged) m_onChanged();
}

BOOL CPageSet::CheckData(int nPage)
{
    if (nPage >= 0) {
        CFormPage* page = Page(nPage);
        if (!page) return FALSE;
        if (page->CheckPage()) return TRUE;
        ShowPage(nPage);
        return FALSE;
    }
    for (int i = 0; i < PageCount(); ++i) {
        if (m_apPage[size_t(i)] && !m_apPage[size_t(i)]->CheckPage()) {
            ShowPage(i);
            return FALSE;
        }
    }
    return TRUE;
}

void CPageSet::SetPagesData()
{
    for (CFormPage* page : m_apPage) {
        if (page) page->SetPageData();
    }
}
