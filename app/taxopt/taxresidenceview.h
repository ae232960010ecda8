// The inhabitant-tax window: the prefectural and the municipal scales on
// bracket panes (the first with the inhabitant-tax part of the fixed-rate
// reduction) and the corporate inhabitant-tax rates, one tab each.
#pragma once

#include <memory>

#include "app/common/formpages.h"
#include "app/taxopt/taxparentframe.h"
#include "tax/taxcorporation.h"
#include "tax/taxpersonal.h"

class CTaxBracketPane;

// The corporate rates; its copy changes only on a successful check.
class CTaxResidentCorporationPane : public CFormPage {
public:
    CTaxResidentCorporationPane(QWidget* pParent, QWidget* pEndFocus);

    void Load(const CTaxResidentCorporationClass& record);
    void SetPageData() override;
    BOOL CheckPage() override;
    void OnControlNotify(UINT nID, UINT nCode) override;
    LRESULT OnControlKey(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM lParam) override;

    CTaxResidentCorporationClass m_objRecord;

private:
    QWidget* m_pEndFocus;
};

class CTaxResidenceView : public CTaxParentView {
public:
    enum { kPrefecturalTab, kVillageTab, kCorporationTab };

    CTaxResidenceView();

    void OnInitialUpdate() override;
    // The page shown (a page not made yet passes).
    BOOL CheckData(int nPage) override;
    // The three records, and the inhabitant-tax reduction onto the income
    // record (its other fields stay as they are).
    BOOL StoreData() override;
    void CancelData() override;
    void ReloadData() override;
    void OnUpdateTitle() override;
    LRESULT OnControlKey(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM lParam) override;

    CPageTabCtrl* TabCtrl() const { return m_pTab; }
    CTaxBracketPane* BracketPane(int nTab) const;
    CTaxResidentCorporationPane* CorporationPane() const;

    CTaxPrefecturalClass m_Prefectural;
    CTaxVillageClass m_Village;
    CTaxResidentCorporationClass m_ResidentCorporation;
    // Working copy of the income record; only its inhabitant-tax reduction is edited here.
    CTaxIncomeClass m_Income;

private:
    CFormPage* MakePage(int nTab, QWidget* pParent);
    // Every made page from the working copies.
    void LoadPages();
    // The validated data of every made page into the working copies.
    void TakePages();

    CPageTabCtrl* m_pTab;
    std::unique_ptr<CPageSet> m_pPages;
};
