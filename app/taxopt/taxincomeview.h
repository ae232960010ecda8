// The income-tax window: the income-tax scale and the income-tax part of
// the fixed-rate reduction on one bracket pane.
#pragma once

#include "app/taxopt/taxparentframe.h"
#include "tax/taxpersonal.h"

class CTaxBracketPane;

class CTaxIncomeView : public CTaxParentView {
public:
    CTaxIncomeView();

    void OnInitialUpdate() override;
    // The pane's check; its rows then into the working copy.
    BOOL CheckData(int nPage) override;
    // The scale and the income-tax reduction onto the document's record; the
    // inhabitant-tax reduction there stays as it is.
    BOOL StoreData() override;
    void CancelData() override;
    void ReloadData() override;
    void OnUpdateTitle() override;

    CTaxBracketPane* Pane() const { return m_pPane; }

    CTaxIncomeClass m_Income;

private:
    void CreatePane();

    CTaxBracketPane* m_pPane = nullptr;
};
