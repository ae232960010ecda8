// Tab pages of the tabbed screens: the row of tabs over the page area, the
// page base and the set of pages a view keeps. Pages are made the first time
// their tab is shown; leaving a page can be refused by its check.
#pragma once

#include <QTabBar>
#include <functional>
#include <vector>

#include "app/common/formkit.h"

// The tab control: a row of tabs with the area below it that the pages take.
// Tab on the row goes to the parent as WM_TAB_KEY (wParam 1).
class CPageTabCtrl : public QWidget {
public:
    explicit CPageTabCtrl(QWidget* pParent = nullptr);

    void AddTab(const QString& strLabel);
    int GetItemCount() const;
    void SetItemText(int nItem, const CString& strText);
    CString GetItemText(int nItem) const;
    int GetCurSel() const;
    // Selects a tab without telling anyone.
    void SetCurSel(int nItem);
    QTabBar* TabBar() const { return m_pBar; }
    // Where the pages go.
    QWidget* PageArea() const { return m_pArea; }

    // Called after the user selected another tab.
    std::function<void()> m_onSelChange;

private:
    QTabBar* m_pBar;
    QWidget* m_pArea;
};

// A page: a child form with its own check and its fill from the view's
// working copy. Esc inside a page does nothing.
class CFormPage : public CFormWidget {
public:
    explicit CFormPage(QWidget* pParent = nullptr) : CFormWidget(pParent) {}

    // FALSE when the user must correct something (the message is shown and
    // the field focused).
    virtual BOOL CheckPage() { return TRUE; }
    // The controls from the view's working copy.
    virtual void SetPageData() {}

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
};

// The pages of one tab control: one slot per tab, null until the page is
// first shown, and the current index.
class CPageSet {
public:
    using CFactory = std::function<CFormPage*(int nPage, QWidget* pParent)>;

    // The tabs' change goes through ChangePage; onChanged (may be empty) is
    // told after every change that happened.
    CPageSet(CPageTabCtrl* pTab, CFactory make, std::function<void()> onChanged = {});

    int GetCurPage() const { return m_nCurPage; }
    CFormPage* Page(int nPage) const;
    CFormPage* CurrentPage() const { return Page(m_nCurPage); }
    int PageCount() const { return int(m_apPage.size()); }

    // Makes the current page when it does not exist yet.
    void CreatePage();
    // The tab control's selection becomes the current page, unless the current
    // page refuses to be left: then the selection is put back. TRUE when the
    // page changed or stayed.
    BOOL ChangePage();
    // nPage -1: every page made so far, in tab order; otherwise that page (a
    // page not made yet fails). A refusing page is shown and made current.
    BOOL CheckData(int nPage);
    // Shows page nPage and selects its tab, making the page when needed.
    void ShowPage(int nPage);
    // SetPageData of every page made so far.
    void SetPagesData();

private:
    void MakeChain(CFormPage* pPage);

    CPageTabCtrl* m_pTab;
    CFactory m_make;
    std::function<void()> m_onChanged;
    std::vector<CFormPage*> m_apPage;
    int m_nCurPage = 0;
};
