// The item box docked at the left of the main frame: four tabs (file, data,
// reports, tax rates), each a column of large icons that give the menu commands.
#pragma once

#include <QDockWidget>
#include <functional>

#include "platform/afxtypes.h"

class QListWidget;
class QListWidgetItem;
class QTabWidget;

class CItemBoxBar : public QDockWidget {
    Q_OBJECT
public:
    explicit CItemBoxBar(QWidget* pParent);

    int GetCurTab() const { return m_nCurTab; }
    // Shows tab nTab, as a click on it does.
    void SelectTab(int nTab);
    // Highlights item nItem of the current page and scrolls it to the top.
    void SelectItem(int nItem);
    // The icon list of tab nTab.
    QListWidget* GetPage(int nTab) const;
    // Items of the commands isPending names look disabled and say in their
    // status text that their window is not there yet.
    void ShowPendingItems(const std::function<bool(UINT nID)>& isPending);

signals:
    // After every tab change: the new and the previous tab.
    void TabChanged(int nNewTab, int nOldTab);
    // An item was clicked: its command, to be posted to the main window.
    void ItemClicked(UINT nID);

private:
    void OnTabChange(int nTab);
    void OnItemClicked(QListWidgetItem* pItem);

    QTabWidget* m_pTab;
    int m_nCurTab = 0;
    int m_nPrevTab = 0;
};
