// The other-conditions window: surplus funds, two display settings of the
// results, and six other incomes, one tab each, with their years and
// change schedules.
#pragma once

#include <memory>

#include "app/data/dataparentframe.h"
#include "app/data/dataratepage.h"
#include "data/dataotherincome.h"
#include "option/optionconsumption.h"
#include "option/optionmanage.h"

class CDataProRestOtherView;

// The page of one other income. It keeps its own copy of the income and of
// its consumption-tax flag, written to the view's working copies when the
// page is left or stored.
class CDataOtherIncomePage : public CDataRatePage {
public:
    CDataOtherIncomePage(CDataProRestOtherView* pView, int nIndex, QWidget* pParent);

    BOOL CheckPage() override;
    void SetPageData() override;
    void OnControlNotify(UINT nID, UINT nCode) override;
    // The page's copies from the view's working copies again.
    void ReloadIncome();

    const int m_nIndex;
    CDataOtherIncomeClass m_objOtherIncome;
    int m_nOtherTax = 0;  // 0 taxable, 1 not

private:
    CDataProRestOtherView* m_pView;
    int m_nToUpper = 0;
};

class CDataProRestOtherView : public CDataParentView {
public:
    CDataProRestOtherView();

    void OnInitialUpdate() override;
    // The view's fields, then the page shown.
    BOOL CheckData(int nPage) override;
    // Only the fields this window edits, onto the document's records.
    BOOL StoreData() override;
    // The working copies from the document; every page made is refilled.
    void ReloadData() override;
    void OnUpdateTitle() override;
    void OnControlNotify(UINT nID, UINT nCode) override;

    // An income's tab label: its name, or the default label with its number.
    void SetTabLabel(int nIndex, const CString& strName);
    CPageTabCtrl* TabCtrl() const { return m_pTab; }
    CDataOtherIncomePage* Page(int nIndex) const;

    CDataProRestOtherClass m_objProRestOther;
    COptionOtherManageClass m_objOtherManage;
    COptionConsumptionIncomeClass m_objConsumptionIncome;

private:
    CPageTabCtrl* m_pTab;
    std::unique_ptr<CPageSet> m_pPages;
};
