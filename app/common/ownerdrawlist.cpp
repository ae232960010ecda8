#include "app/common/ownerdrawlist.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "platform/qtstring.h"

namespace {

constexpr int kFirstColumnInset = 2;
constexpr int kColumnInset = 6;
constexpr int kHeadingMargin = 15;

Qt::Alignment AlignmentOf(int nFormat)
{
    switch (nFormat) {
    case LVCFMT_RIGHT: return Qt::AlignRight;
    case LVCFMT_CENTER: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

COLORREF ToColorRef(const QColor& color)
{
    return RGB(color.red(), color.green(), color.blue());
}

QColor ToQColor(COLORREF color)
{
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

// One cell: the row's colours, the text fitted and aligned as its column says;
// a text that had to be cut is drawn left-aligned (first column excepted).
class CListItemDelegate : public QStyledItemDelegate {
public:
    explicit CListItemDelegate(CTavrinListCtrl* pList) : QStyledItemDelegate(pList), m_pList(pList) {}

    void paint(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool bSelected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        pPainter->save();
        pPainter->fillRect(option.rect, bSelected ? palette.color(QPalette::Highlight) : ToQColor(m_pList->m_clrBk));
        pPainter->setPen(bSelected ? palette.color(QPalette::HighlightedText) : ToQColor(m_pList->m_clrText));
        const int nCol = index.column();
        const int nInset = nCol == 0 ? kFirstColumnInset : kColumnInset;
        const QRect rect = option.rect.adjusted(nInset, 0, -nInset, 0);
        const QString text = index.data().toString();
        const QString fitted = FitText(option.fontMetrics, text, rect.width());
        Qt::Alignment align = AlignmentOf(m_pList->GetColumnFormat(nCol));
        if (nCol > 0 && fitted != text) align = Qt::AlignLeft;
        pPainter->drawText(rect, int(align | Qt::AlignVCenter | Qt::TextSingleLine), fitted);
        pPainter->restore();
    }

private:
    CTavrinListCtrl* m_pList;
};

} // namespace

QString FitText(const QFontMetrics& metrics, const QString& strText, int nWidth)
{
    if (metrics.horizontalAdvance(strText) <= nWidth) return strText;
    const QString dots = QStringLiteral("...");
    QString rest = strText;
    while (!rest.isEmpty() && metrics.horizontalAdvance(rest + dots) > nWidth) rest.chop(1);
    return rest + dots;
}

CTavrinListCtrl::CTavrinListCtrl(QWidget* pParent)
    : QTreeWidget(pParent), m_clrText(ToColorRef(palette().color(QPalette::Text))),
      m_clrBk(ToColorRef(palette().color(QPalette::Base))), m_clrBk2(m_clrBk)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setColumnCount(0);
    setItemDelegate(new CListItemDelegate(this));
}

void CTavrinListCtrl::SetItem(LPCTSTR pszText, int nItem, int nSubItem)
{
    if (nSubItem == 0) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, ToQString(pszText));
        insertTopLevelItem(std::clamp(nItem, 0, GetItemCount()), item);
    } else if (QTreeWidgetItem* item = topLevelItem(nItem)) {
        item->setText(nSubItem, ToQString(pszText));
    }
}

int CTavrinListCtrl::InsertColumn(int nCol, LPCTSTR pszHeading, int nFormat, int nWidth)
{
    nCol = std::clamp(nCol, 0, int(m_anFormat.size()));
    m_anFormat.insert(m_anFormat.begin() + nCol, nFormat);
    setColumnCount(int(m_anFormat.size()));
    QTreeWidgetItem* header = headerItem();
    for (int i = int(m_anFormat.size()) - 1; i > nCol; --i) header->setText(i, header->text(i - 1));
    header->setText(nCol, ToQString(pszHeading));
    header->setTextAlignment(nCol, AlignmentOf(nFormat) | Qt::AlignVCenter);
    setColumnWidth(nCol, nWidth >= 0 ? nWidth : fontMetrics().horizontalAdvance(ToQString(pszHeading)) + kHeadingMargin);
    return nCol;
}

CString CTavrinListCtrl::GetItemText(int nItem, int nSubItem) const
{
    const QTreeWidgetItem* item = topLevelItem(nItem);
    return item ? FromQString(item->text(nSubItem)) : CString();
}

int CTavrinListCtrl::GetColumnFormat(int nCol) const
{
    return nCol >= 0 && nCol < int(m_anFormat.size()) ? m_anFormat[size_t(nCol)] : LVCFMT_LEFT;
}

int CTavrinListCtrl::GetSelectedItem() const
{
    for (int i = 0; i < GetItemCount(); ++i)
        if (topLevelItem(i)->isSelected()) return i;
    return -1;
}

void CTavrinListCtrl::SelectItem(int nItem)
{
    if (QTreeWidgetItem* item = topLevelItem(nItem)) {
        item->setSelected(true);
        selectionModel()->setCurrentIndex(indexFromItem(item), QItemSelectionModel::NoUpdate);
    }
}

void CTavrinListCtrl::DeselectItem(int nItem)
{
    if (QTreeWidgetItem* item = topLevelItem(nItem)) {
        item->setSelected(false);
        if (currentItem() == item) selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

void CTavrinListCtrl::PostToParent(UINT nID)
{
    QMetaObject::invokeMethod(
        this,
        [this, nID] {
            if (CControlParent* parent = FindControlParent(this)) parent->OnControlNotify(nID, 0);
        },
        Qt::QueuedConnection);
}

bool CTavrinListCtrl::event(QEvent* pEvent)
{
    // Without "all keys" Tab moves the focus as in any dialog.
    if (m_bWantAllKeys && pEvent->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(pEvent);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QTreeWidget::event(pEvent);
}

void CTavrinListCtrl::resizeEvent(QResizeEvent* pEvent)
{
    QTreeWidget::resizeEvent(pEvent);
    m_nClientWidth = viewport()->width();
}

void CTavrinListCtrl::keyPressEvent(QKeyEvent* pEvent)
{
    if (m_bWantAllKeys && (pEvent->key() == Qt::Key_Tab || pEvent->key() == Qt::Key_Backtab)) {
        SendKeyToParent(this, WM_TAB_KEY, 1);
        pEvent->accept();
        return;
    }
    QTreeWidget::keyPressEvent(pEvent);
}

void CTavrinListCtrl::keyReleaseEvent(QKeyEvent* pEvent)
{
    if (!pEvent->isAutoRepeat() && GetSelectedItem() >= 0) {
        if (pEvent->key() == Qt::Key_Up || pEvent->key() == Qt::Key_Down) PostToParent(ID_LIST_SELECT);
        if (pEvent->key() == Qt::Key_Delete) PostToParent(ID_LIST_DELETE);
    }
    QTreeWidget::keyReleaseEvent(pEvent);
}

void CTavrinListCtrl::mousePressEvent(QMouseEvent* pEvent)
{
    QTreeWidget::mousePressEvent(pEvent);
    m_bPressed = pEvent->button() == Qt::LeftButton;
    m_ptPress = pEvent->position().toPoint();
}

void CTavrinListCtrl::BeginDrag()
{
    m_bDragging = TRUE;
    m_nDragItem = GetSelectedItem();
    viewport()->setCursor(Qt::DragMoveCursor);
    grabMouse();
}

void CTavrinListCtrl::FocusRowAt(int y)
{
    for (int i = 0; i < std::min(kDropRows, GetItemCount()); ++i) {
        const QRect row = visualItemRect(topLevelItem(i));
        if (y >= row.top() && y <= row.bottom()) {
            selectionModel()->setCurrentIndex(indexFromItem(topLevelItem(i)), QItemSelectionModel::NoUpdate);
            return;
        }
    }
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void CTavrinListCtrl::mouseMoveEvent(QMouseEvent* pEvent)
{
    const QPoint pt = pEvent->position().toPoint();
    if (!m_bDragging && m_bPressed && m_bDragEnabled && GetSelectedItem() >= 0 &&
        (pt - m_ptPress).manhattanLength() >= QApplication::startDragDistance())
        BeginDrag();
    if (m_bDragging) {
        FocusRowAt(pt.y());
        return;
    }
    QTreeWidget::mouseMoveEvent(pEvent);
}

void CTavrinListCtrl::mouseReleaseEvent(QMouseEvent* pEvent)
{
    m_bPressed = false;
    if (m_bDragging) {
        m_bDragging = FALSE;
        releaseMouse();
        viewport()->unsetCursor();
        const QModelIndex focus = currentIndex();
        const int nDrop = focus.isValid() ? focus.row() : GetItemCount();
        if (CControlParent* parent = FindControlParent(this)) parent->OnControlKey(this, WM_LIST_ITEM_MOVED, WPARAM(m_nDragItem), nDrop);
        QTreeWidget::mouseReleaseEvent(pEvent);
        return;
    }
    QTreeWidget::mouseReleaseEvent(pEvent);
    if (GetSelectedItem() >= 0) PostToParent(ID_LIST_SELECT);
}
