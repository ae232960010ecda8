// The yearly-expense window: ten running costs (management fee, land rent,
// repairs, fire insurance, six other expenses), one tab each, with their
// input method, amount, booking years and change schedule.
#pragma once

#include <memory>

#include "app/data/dataparentframe.h"
#include "app/data/dataratepage.h"
#include "data/datacost.h"

class CDataCostView;

// What distinguishes the pages of the ten items.
struct CCostPageKind;

// The page of one item: it keeps its own copy of the item and of its
// consumption-tax flag, written to the document only by the window's store.
class CDataCostItemPage : public CDataRatePage {
public:
    CDataCostItemPage(CDataCostView* pView, int nItemIndex, const CCostPageKind& kind, QWidget* pParent);

    BOOL CheckPage() override;
    // The controls from the page's copy; pItem (may be null) is copied in first.
    void SetPageData(const CDataCostItemClass* pItem);
    void SetPageData() override { SetPageData(nullptr); }
    void OnControlNotify(UINT nID, UINT nCode) override;

    // The item's name, or the tab's default label when it has none.
    CString Label() const;

    const int m_nItemIndex;
    CDataCostItemClass m_objCostItem;
    int m_nTaxFlag = 0;  // 0 taxable, 1 not

protected:
    // The amount's label, unit and slot by the input method; the management
    // fee's ratio methods hide the years and the schedule.
    void ApplyMethod();

    const CCostPageKind& m_kind;
    CDataCostView* m_pView;
    BOOL m_bAmountChanged = FALSE;
    int m_nToUpper = 0;
};

class CDataCostManageFeePage : public CDataCostItemPage {
public:
    CDataCostManageFeePage(CDataCostView* pView, QWidget* pParent);
};
class CDataCostLandRentPage : public CDataCostItemPage {
public:
    CDataCostLandRentPage(CDataCostView* pView, QWidget* pParent);
    void OnControlNotify(UINT nID, UINT nCode) override;
};
class CDataCostRepairPage : public CDataCostItemPage {
public:
    CDataCostRepairPage(CDataCostView* pView, QWidget* pParent);
};
class CDataCostInsurancePage : public CDataCostItemPage {
public:
    CDataCostInsurancePage(CDataCostView* pView, QWidget* pParent);
};
class CDataCostOtherPage : public CDataCostItemPage {
public:
    CDataCostOtherPage(CDataCostView* pView, int nOtherNo, QWidget* pParent);
    BOOL CheckPage() override;
};

class CDataCostView : public CDataParentView {
public:
    static constexpr int kItems = CDataCostClass::kItemCount;

    CDataCostView();

    void OnInitialUpdate() override;
    BOOL CheckData(int nPage) override;
    // The items of the pages made, their tax flags, and the ten names.
    BOOL StoreData() override;
    // The page shown from the document's item.
    void CancelData() override;
    void ReloadData() override;
    void OnUpdateTitle() override;

    CDataCostItemPage* Page(int nIndex) const;
    CPageTabCtrl* TabCtrl() const { return m_pTab; }

private:
    CPageTabCtrl* m_pTab;
    std::unique_ptr<CPageSet> m_pPages;
};
