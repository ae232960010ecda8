// The item box docked at the left of the main frame: four tabs (file, data,
// reports, tax rates). Only the tabs exist so far; their icon pages come later.
#pragma once

#include <QDockWidget>

class QTabWidget;

class CItemBoxBar : public QDockWidget {
    Q_OBJECT
public:
    explicit CItemBoxBar(QWidget* pParent);

    int GetCurTab() const { return m_nCurTab; }
    // Shows tab nTab, as a click on it does.
    void SelectTab(int nTab);
    // Highlights item nItem of the current page.
    void SelectItem(int nItem);

signals:
    // After every tab change: the new and the previous tab.
    void TabChanged(int nNewTab, int nOldTab);

private:
    void OnTabChange(int nTab);

    QTabWidget* m_pTab;
    int m_nCurTab = 0;
    int m_nPrevTab = 0;
};
