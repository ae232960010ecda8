// The taxable-standard window: the burden adjustment of the land standard on
// three panes (residential levels, non-residential levels, price fall), all
// on one working copy of the record.
#pragma once

#include <memory>

#include "app/common/formpages.h"
#include "app/taxopt/taxparentframe.h"
#include "tax/taxstandardmoney.h"

class CTaxStandardMoneyView : public CTaxParentView {
public:
    enum { kHouseTab, kNonHouseTab, kPriceFallTab };

    CTaxStandardMoneyView();

    void OnInitialUpdate() override;
    // The pane shown (a pane not made yet passes).
    BOOL CheckData(int nPage) override;
    // The shown rows of both tables and the price-fall conditions onto the
    // document's record; TRUE when one of them changed.
    BOOL StoreData() override;
    BOOL ChecksBeforeCancel() const override { return TRUE; }
    void ReloadData() override;
    void OnUpdateTitle() override;
    LRESULT OnControlKey(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM lParam) override;

    CPageTabCtrl* TabCtrl() const { return m_pTab; }
    CFormPage* Pane(int nTab) const { return m_pPages->Page(nTab); }

    CTaxStandardMoneyClass m_StandardMoney;

private:
    CFormPage* MakePane(int nTab, QWidget* pParent);

    CPageTabCtrl* m_pTab;
    std::unique_ptr<CPageSet> m_pPages;
};
