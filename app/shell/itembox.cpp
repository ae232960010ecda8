#include "app/shell/itembox.h"

#include <QListWidget>
#include <QTabWidget>

#include "app/shell/commandids.h"
#include "platform/qtstring.h"

namespace {

// Tab text and its status text / tip, by tab.
constexpr UINT kTabText = 1;
constexpr UINT kTabTip = 61;
constexpr UINT kItemBoxTip = ID_VIEW_ITEMBOX;

} // namespace

CItemBoxBar::CItemBoxBar(QWidget* pParent) : QDockWidget(pParent), m_pTab(new QTabWidget(this))
{
    setObjectName(QStringLiteral("ItemBox"));
    setWindowTitle(LoadQString(kItemBoxTip).section(QLatin1Char('\n'), 1));
    setTitleBarWidget(new QWidget(this));
    setFeatures(QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    m_pTab->setTabPosition(QTabWidget::North);
    for (int i = 0; i < ITEMBOX_TABS; ++i) {
        auto* page = new QListWidget(m_pTab);
        page->setViewMode(QListView::IconMode);
        const QString tip = LoadQString(kTabTip + i);
        m_pTab->addTab(page, LoadQString(kTabText + i).trimmed());
        m_pTab->setTabToolTip(i, tip.section(QLatin1Char('\n'), 1));
        m_pTab->widget(i)->setStatusTip(tip.section(QLatin1Char('\n'), 0, 0));
    }
    setWidget(m_pTab);
    connect(m_pTab, &QTabWidget::currentChanged, this, &CItemBoxBar::OnTabChange);
}

void CItemBoxBar::SelectTab(int nTab)
{
    if (nTab >= 0 && nTab < ITEMBOX_TABS) m_pTab->setCurrentIndex(nTab);
}

void CItemBoxBar::SelectItem(int nItem)
{
    auto* page = qobject_cast<QListWidget*>(m_pTab->currentWidget());
    if (page && nItem >= 0 && nItem < page->count()) page->setCurrentRow(nItem);
}

void CItemBoxBar::OnTabChange(int nTab)
{
    m_nPrevTab = m_nCurTab;
    m_nCurTab = nTab;
    emit TabChanged(m_nCurTab, m_nPrevTab);
}
