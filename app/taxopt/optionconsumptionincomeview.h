// The option window of the consumption tax on income: a tab for the other
// incomes and one per rental category, each a page of taxed/untaxed boxes.
#pragma once

#include <memory>

#include "app/common/formpages.h"
#include "app/taxopt/optionformview.h"

class COptionConsumptionIncomeView;

// The incomes' taxation the window edits (0 taxed, 1 not).
struct COptionIncomeTax {
    struct CRental {
        int m_anTax[6]; // rent, common charge, key money, deposit and guarantee gains, renewal fee
    };
    int m_anOtherTax[6];
    int m_nInterestTax;
    CRental m_aRental[8];
};

// A page: its boxes from and into the view's working values.
class COptionIncomePage : public CFormPage {
public:
    COptionIncomePage(COptionConsumptionIncomeView* pView, QWidget* pParent) : CFormPage(pParent), m_pView(pView) {}

protected:
    COptionConsumptionIncomeView* m_pView;
};

// Tab 0: the six other incomes and the interest on the cash balance.
class COptionOtherIncomePage : public COptionIncomePage {
public:
    COptionOtherIncomePage(COptionConsumptionIncomeView* pView, QWidget* pParent);
    BOOL CheckPage() override;
    void SetPageData() override;
    // The other incomes' names as row labels.
    void ReloadLabels();
};

// Tabs 1-8: the incomes of one rental category.
class COptionRentalIncomePage : public COptionIncomePage {
public:
    COptionRentalIncomePage(COptionConsumptionIncomeView* pView, int nRentalIndex, QWidget* pParent);
    BOOL CheckPage() override;
    void SetPageData() override;

    const int m_nRentalIndex;
};

class COptionConsumptionIncomeView : public COptionFormView {
public:
    COptionConsumptionIncomeView();

    void OnInitialUpdate() override;
    void SetViewData() override;
    // The page shown.
    BOOL CheckData(int nPage) override;
    BOOL StoreData() override;
    // Tab names of the rental categories and the other incomes' labels.
    void ReloadLabels() override;

    CPageTabCtrl* TabCtrl() const { return m_pTab; }
    CFormPage* Page(int nPage) const { return m_pPages->Page(nPage); }

    COptionIncomeTax m_objTax = {};

private:
    CPageTabCtrl* m_pTab;
    std::unique_ptr<CPageSet> m_pPages;
};
