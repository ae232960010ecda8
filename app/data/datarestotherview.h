// The outside-project conditions window: eight money lines (income,
// deductions, spending outside the project), one tab each, with their
// years and change schedules.
#pragma once

#include <memory>

#include "app/data/dataparentframe.h"
#include "app/data/dataratepage.h"
#include "data/dataotherincome.h"

class CDataRestOtherView;

// The page of one line: kind, name, yearly amount, years and schedule. It
// keeps its own copy of the line, written to the view's working record
// when the page is left or stored.
class CDataRestOtherMoneyPage : public CDataRatePage {
public:
    CDataRestOtherMoneyPage(CDataRestOtherView* pView, int nIndex, QWidget* pParent);

    BOOL CheckPage() override;
    void SetPageData() override;
    void OnControlNotify(UINT nID, UINT nCode) override;
    // The page's copy from the view's working record again.
    void ReloadLine();

    const int m_nIndex;
    CDataRestOtherMoneyClass m_objMoney;

private:
    CDataRestOtherView* m_pView;
};

class CDataRestOtherView : public CDataParentView {
public:
    CDataRestOtherView();

    void OnInitialUpdate() override;
    // The page shown; FALSE when it does not exist.
    BOOL CheckData(int nPage) override;
    // The eight lines into the document's record (its comments stay as they are).
    BOOL StoreData() override;
    // The working record from the document; only the page shown is refilled.
    void CancelData() override;
    void ReloadData() override;
    void OnUpdateTitle() override;

    // A line's tab label: its name, or the default label with its number.
    void SetTabLabel(int nIndex, const CString& strName);
    CPageTabCtrl* TabCtrl() const { return m_pTab; }
    CDataRestOtherMoneyPage* Page(int nIndex) const;

    CDataRestOtherClass m_objRestOther;

private:
    CPageTabCtrl* m_pTab;
    std::unique_ptr<CPageSet> m_pPages;
};
