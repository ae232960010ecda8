// The owner-drawn list: full-row selection, texts cut with "..." to fit their
// column, and clicks, arrow keys, Delete and drag-and-drop turned into
// commands for the window that holds it.
#pragma once

#include <QTreeWidget>
#include <vector>

#include "app/common/focuscontrols.h"
#include "platform/cstring.h"

// To the parent: WM_COMMAND ID_LIST_SELECT / ID_LIST_DELETE (posted, as
// OnControlNotify with code 0) and WM_LIST_ITEM_MOVED (sent, as
// OnControlKey with wParam = dragged item, lParam = drop item).
constexpr UINT ID_LIST_SELECT = 800;
constexpr UINT ID_LIST_DELETE = 801;
constexpr UINT WM_LIST_ITEM_MOVED = WM_USER + 6;

// Column formats.
constexpr int LVCFMT_LEFT = 0;
constexpr int LVCFMT_RIGHT = 1;
constexpr int LVCFMT_CENTER = 2;

// The text as it is when it fits nWidth pixels; otherwise characters are
// taken off its end until the rest followed by "..." fits.
QString FitText(const QFontMetrics& metrics, const QString& strText, int nWidth);

class CTavrinListCtrl : public QTreeWidget {
public:
    // Rows among which a drag can drop.
    static constexpr int kDropRows = 20;

    explicit CTavrinListCtrl(QWidget* pParent = nullptr);

    // nSubItem 0 inserts a new item at nItem; otherwise sets the text of that subitem.
    void SetItem(LPCTSTR pszText, int nItem, int nSubItem);
    // A width of -1 is the heading's text width + 15.
    int InsertColumn(int nCol, LPCTSTR pszHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1);
    int GetItemCount() const { return topLevelItemCount(); }
    CString GetItemText(int nItem, int nSubItem) const;
    int GetColumnFormat(int nCol) const;
    // The first selected item, -1 when none.
    int GetSelectedItem() const;
    void SelectItem(int nItem);
    void DeselectItem(int nItem);

    int m_nClientWidth = 0;
    COLORREF m_clrText;
    COLORREF m_clrBk;
    COLORREF m_clrBk2;
    BOOL m_bDragging = FALSE;
    int m_nDragItem = -1;
    BOOL m_bDragEnabled = TRUE;
    // TRUE: Tab reaches the control (and its parent) instead of moving the focus.
    BOOL m_bWantAllKeys = FALSE;

protected:
    bool event(QEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void keyReleaseEvent(QKeyEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;

private:
    void PostToParent(UINT nID);
    void BeginDrag();
    // The row among the first kDropRows whose height holds y gets the focus; none outside them.
    void FocusRowAt(int y);

    std::vector<int> m_anFormat;
    QPoint m_ptPress;
    bool m_bPressed = false;
};
