// The rental-basics window: for each of the eight rental categories its
// name, contract period and, on five pages, occupancy, turnover and rent
// changes, deposits and guarantee money, and consumption tax on income.
#pragma once

#include <memory>

#include "app/data/dataparentframe.h"
#include "data/datarentalbasic.h"
#include "option/optionbusiness.h"
#include "option/optionconsumption.h"

class CPageSet;
class CPageTabCtrl;

class CDataRentalBasicView : public CDataParentView {
public:
    static constexpr int kCategoryCount = 8;

    CDataRentalBasicView();
    ~CDataRentalBasicView() override;

    void OnInitialUpdate() override;
    // The page shown, the contract period, then the derived schedules of
    // deposits and guarantee money of every category.
    BOOL CheckData(int nPage) override;
    // What this window edits, onto the document's records.
    BOOL StoreData() override;
    // The working copies from the document; every page made is refilled.
    void ReloadData() override;
    void OnUpdateTitle() override;
    void OnControlNotify(UINT nID, UINT nCode) override;
    // WM_SELECT_RENTAL_CATEGORY: shows that category, focus on its contract period.
    LRESULT OnViewMessage(UINT nMessage, WPARAM wParam) override;

    // Shows category nCategory on every page; FALSE (the box put back) when
    // the page shown or the contract period refuses.
    BOOL SelectCategory(int nCategory);
    CDataRentalBasicClass& Current() { return m_aRentalBasic[m_nCategory]; }
    CPageTabCtrl* TabCtrl() const { return m_pTab; }
    CFormWidget* Page(int nIndex) const;

    int m_nCategory = 0;
    CDataRentalBasicClass m_aRentalBasic[kCategoryCount];
    COptionAdvanceClass m_objAdvance;
    COptionConsumptionIncomeClass m_objConsumptionIncome;

private:
    void FillCategories();
    void TakeCategoryName();

    CPageTabCtrl* m_pTab;
    std::unique_ptr<CPageSet> m_pPages;
};
