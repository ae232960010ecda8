// The taxes window: the project's tax conditions on eight pages (assessed
// values of land and building, housing special rules, acquisition tax,
// fixed-asset and city-planning tax, business tax, land valuation and the
// stepwise consumption-tax rates), and the name of the tax-rate file in use.
#pragma once

#include <memory>

#include "app/common/formpages.h"
#include "app/data/dataparentframe.h"
#include "data/datatax.h"

class CDataTaxView : public CDataParentView {
public:
    static constexpr int kPages = 8;

    CDataTaxView();

    void OnInitialUpdate() override;
    // Activation also refreshes the hints of the page shown.
    void OnActivateView(BOOL bActivate) override;
    // The page shown; every other page was checked when it was left.
    BOOL CheckData(int nPage) override;
    // The working copy into the document's record.
    BOOL StoreData() override;
    // The working copy, every page made so far and the hints from the document.
    void ReloadData() override;
    void ReloadTaxFileName() override;
    void OnUpdateTitle() override;

    CPageTabCtrl* TabCtrl() const { return m_pTab; }
    CFormPage* Page(int nPage) const { return m_pPages->Page(nPage); }
    int GetCurPage() const { return m_pPages->GetCurPage(); }

    // The working copy the pages fill and store.
    CDataTaxClass m_objTax;

private:
    void ShowRateHints(int nPage);

    CPageTabCtrl* m_pTab;
    std::unique_ptr<CPageSet> m_pPages;
};
