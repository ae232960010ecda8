// The other-costs window: the fourteen construction-phase costs besides the
// construction cost, with the cost-accounting dialog.
#pragma once

#include <memory>

#include "app/data/costaccountingdlg.h"
#include "app/data/dataparentframe.h"
#include "data/dataexpense.h"

class CDataExpenseOtherView : public CDataParentView {
public:
    static constexpr int kMethodLines = 4;

    CDataExpenseOtherView();

    void OnInitialUpdate() override;
    BOOL CheckData(int nPage) override;
    BOOL StoreData() override;
    void ReloadData() override;
    void OnUpdateTitle() override;
    void OnControlNotify(UINT nID, UINT nCode) override;

    CCostAccountingDlg* AccountingDlg() const { return m_pAccountingDlg.get(); }
    const CDataExpenseOtherClass& WorkingCopy() const { return m_objExpenseOther; }

private:
    // The amount of line i (0-3) under its input method just chosen.
    void ShowMethod(int nLine);
    void OnAccounting();

    // Per line 0-3 the amount held for each input method.
    double m_aadScratch[kMethodLines][2] = {};
    CDataExpenseOtherClass m_objExpenseOther;
    std::unique_ptr<CCostAccountingDlg> m_pAccountingDlg;
};
