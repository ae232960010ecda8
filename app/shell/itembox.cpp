#include "app/shell/itembox.h"

#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QTabWidget>
#include <algorithm>
#include <utility>

#include "app/shell/commandids.h"
#include "app/shell/windowcommands.h"
#include "platform/qtstring.h"

namespace {

// Tab text and its status text / tip, by tab.
constexpr UINT kTabText = 1;
constexpr UINT kTabTip = 61;
constexpr UINT kItemBoxTip = ID_VIEW_ITEMBOX;
constexpr UINT IDS_WINDOW_PENDING = 20500;
constexpr int kIconSize = 32;

struct ItemRange {
    UINT nFirstLabel; // label strings from here
    UINT nFirstCommand;
    int nCount;
};

// The items of the data, report and tax pages: label n → command n.
constexpr ItemRange kPageItems[ITEMBOX_TABS] = {
    {0, 0, 0}, {150, ID_DATA_BASIC, 11}, {200, ID_RESULT_BASIC1, 16}, {250, ID_TAX_MUNICIPAL, 14}};

// The file page: label string → command.
constexpr std::pair<UINT, UINT> kFileItems[] = {
    {102, ID_FILE_NEW}, {103, ID_FILE_OPEN}, {105, ID_FILE_CLOSE}, {106, ID_FILE_SAVE}, {107, ID_FILE_SAVE_AS}};

// Icon colours of the four pages.
const QColor kPageColours[ITEMBOX_TABS] = {QColor(70, 110, 170), QColor(60, 140, 90), QColor(180, 100, 40),
                                           QColor(140, 70, 140)};

// A sheet with a coloured band and the label's first character.
QIcon ItemIcon(int nTab, const QString& label)
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath sheet;
    sheet.addRoundedRect(QRectF(3.5, 1.5, 25, 29), 3, 3);
    painter.fillPath(sheet, Qt::white);
    painter.setPen(QPen(kPageColours[nTab].darker(130), 1));
    painter.drawPath(sheet);
    painter.fillRect(QRectF(4, 2, 24, 9), kPageColours[nTab]);
    QFont font = painter.font();
    font.setPixelSize(15);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kPageColours[nTab].darker(150));
    painter.drawText(QRectF(3, 11, 26, 19), Qt::AlignCenter, label.left(1));
    return QIcon(pixmap);
}

// A page of the item box: one column of items across its whole width.
class CItemBoxPage : public QListWidget {
public:
    using QListWidget::QListWidget;

    int MinimumItemWidth() const { return fontMetrics().horizontalAdvance(QStringLiteral("借入・手元")) + 16; }

protected:
    void resizeEvent(QResizeEvent* pEvent) override
    {
        QListWidget::resizeEvent(pEvent);
        // Items as wide as the page, so that icon and label stand in the middle.
        const QSize cell(std::max(viewport()->width(), MinimumItemWidth()), gridSize().height());
        setGridSize(cell);
        for (int i = 0; i < count(); ++i) item(i)->setSizeHint(cell);
    }
};

void AddItem(QListWidget* pPage, int nTab, UINT nLabel, UINT nCommand)
{
    const QString label = LoadQString(nLabel);
    const QString prompt = LoadQString(nCommand);
    auto* item = new QListWidgetItem(ItemIcon(nTab, label), label, pPage);
    item->setData(Qt::UserRole, nCommand);
    item->setToolTip(prompt.section(QLatin1Char('\n'), 1));
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

QListWidget* CreatePage(QWidget* pParent, int nTab)
{
    auto* page = new CItemBoxPage(pParent);
    page->setViewMode(QListView::IconMode);
    page->setFlow(QListView::TopToBottom);
    page->setWrapping(false);
    page->setMovement(QListView::Static);
    page->setResizeMode(QListView::Adjust);
    page->setSelectionMode(QAbstractItemView::SingleSelection);
    page->setIconSize(QSize(kIconSize, kIconSize));
    page->setWordWrap(true);
    page->setSpacing(4);
    page->setGridSize(QSize(page->MinimumItemWidth(), kIconSize + 3 * page->fontMetrics().height()));
    page->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The status text of the item under the mouse.
    page->setMouseTracking(true);
    if (nTab == ITEMBOX_FILE) {
        for (const auto& [nLabel, nCommand] : kFileItems) AddItem(page, nTab, nLabel, nCommand);
    } else {
        const ItemRange& items = kPageItems[nTab];
        for (int i = 0; i < items.nCount; ++i) AddItem(page, nTab, items.nFirstLabel + i, items.nFirstCommand + i);
    }
    return page;
}

} // namespace

CItemBoxBar::CItemBoxBar(QWidget* pParent) : QDockWidget(pParent), m_pTab(new QTabWidget(this))
{
    setObjectName(QStringLiteral("ItemBox"));
    setWindowTitle(LoadQString(kItemBoxTip).section(QLatin1Char('\n'), 1));
    setTitleBarWidget(new QWidget(this));
    setFeatures(QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    m_pTab->setTabPosition(QTabWidget::North);
    m_pTab->setUsesScrollButtons(true);
    for (int i = 0; i < ITEMBOX_TABS; ++i) {
        QListWidget* page = CreatePage(m_pTab, i);
        connect(page, &QListWidget::itemClicked, this, &CItemBoxBar::OnItemClicked);
        const QString tip = LoadQString(kTabTip + i);
        m_pTab->addTab(page, LoadQString(kTabText + i).trimmed());
        m_pTab->setTabToolTip(i, tip.section(QLatin1Char('\n'), 1));
        page->setStatusTip(tip.section(QLatin1Char('\n'), 0, 0));
    }
    setWidget(m_pTab);
    connect(m_pTab, &QTabWidget::currentChanged, this, &CItemBoxBar::OnTabChange);
    ShowPendingItems(IsPendingWindowCommand);
}

void CItemBoxBar::ShowPendingItems(const std::function<bool(UINT nID)>& isPending)
{
    for (int tab = 0; tab < ITEMBOX_TABS; ++tab) {
        QListWidget* page = GetPage(tab);
        for (int i = 0; i < page->count(); ++i) {
            QListWidgetItem* item = page->item(i);
            const UINT nID = item->data(Qt::UserRole).toUInt();
            const bool bPending = isPending(nID);
            item->setFlags(bPending ? item->flags() & ~Qt::ItemIsEnabled : item->flags() | Qt::ItemIsEnabled);
            const QString status = LoadQString(nID).section(QLatin1Char('\n'), 0, 0);
            item->setStatusTip(bPending ? status + LoadQString(IDS_WINDOW_PENDING) : status);
        }
    }
}

QListWidget* CItemBoxBar::GetPage(int nTab) const
{
    return qobject_cast<QListWidget*>(m_pTab->widget(nTab));
}

void CItemBoxBar::SelectTab(int nTab)
{
    if (nTab >= 0 && nTab < ITEMBOX_TABS) m_pTab->setCurrentIndex(nTab);
}

void CItemBoxBar::SelectItem(int nItem)
{
    QListWidget* page = GetPage(m_nCurTab);
    if (!page || nItem < 0 || nItem >= page->count() || page->item(nItem)->isSelected()) return;
    page->setCurrentRow(nItem);
    page->scrollToItem(page->item(nItem), QAbstractItemView::PositionAtTop);
}

void CItemBoxBar::OnTabChange(int nTab)
{
    m_nPrevTab = m_nCurTab;
    m_nCurTab = nTab;
    emit TabChanged(m_nCurTab, m_nPrevTab);
}

void CItemBoxBar::OnItemClicked(QListWidgetItem* pItem)
{
    if (pItem && (pItem->flags() & Qt::ItemIsEnabled)) emit ItemClicked(pItem->data(Qt::UserRole).toUInt());
}
