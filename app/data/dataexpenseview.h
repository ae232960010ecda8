// The construction-cost window: how the construction cost is entered, its
// accounting treatment and payment timing and the compression entry, with
// the depreciation items and the capital expenditures on two pages.
#pragma once

#include <memory>

#include "app/common/formpages.h"
#include "app/data/dataparentframe.h"
#include "data/dataconstruction.h"

class CDataExpenseView : public CDataParentView {
public:
    static constexpr int kItems = CDataExpenseClass::kDepreciationCount;
    static constexpr int kPages = 2;

    CDataExpenseView();

    void OnInitialUpdate() override;
    // The pages made so far, then the construction-cost fields into the
    // working copy; the price-per-tsubo print flag goes to the document at once.
    BOOL CheckData(int nPage) override;
    // The working copy, the names of the other items and the loans of the
    // capital expenditures onto the document's records.
    BOOL StoreData() override;
    void ReloadData() override;
    void OnUpdateTitle() override;
    void OnControlNotify(UINT nID, UINT nCode) override;

    // Ratio input: the depreciation amounts are percentages of the construction cost.
    BOOL IsRatioInput() const;
    CPageTabCtrl* TabCtrl() const { return m_pTab; }
    CFormPage* Page(int nPage) const { return m_pPages->Page(nPage); }
    int GetCurPage() const { return m_pPages->GetCurPage(); }

    // The working copy both pages fill and store.
    CDataExpenseClass m_objExpense;
    // Per depreciation item the amount typed under each input method
    // ([0] amount, [1] percent); the working copy takes the column in use.
    double m_aadAmount[kItems][2] = {};

private:
    void SetViewData();
    // Cost, compression and book value are shown only for ratio input.
    void ShowInputMethod();
    // The slot of m_adCost the total / per-tsubo box selects.
    int CostSlot() const;
    void StoreConstructionCost();

    // The construction cost typed as a total [0] and per tsubo [1].
    double m_adCost[2] = {};
    CPageTabCtrl* m_pTab;
    std::unique_ptr<CPageSet> m_pPages;
};
