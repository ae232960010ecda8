// The funding form: own funds, subsidies, the fund-shortage loan, the
// automatic loan and the list of loans 1 to 8, each edited in its detail dialog.
#pragma once

#include <array>

#include "app/data/dataparentframe.h"
#include "app/data/loandetaildlg.h"
#include "data/datasupply.h"

class CDataLoanView : public CDataParentView {
public:
    CDataLoanView();

    void OnInitialUpdate() override;
    BOOL CheckData(int nPage) override;
    // The fields of the form and the loans edited in the detail dialog onto
    // the document's record; what other screens own is left as it is.
    BOOL StoreData() override;
    void ReloadData() override;
    void OnUpdateTitle() override;
    void OnControlNotify(UINT nID, UINT nCode) override;

    // The working copy the form and the detail dialog edit.
    const CDataSupplyClass& Supply() const { return m_objSupply; }
    CLoanDetailDlg& LoanDetailDlg() { return m_objLoanDetailDlg; }

private:
    void FillLoanList();
    void ShowShortLoan();
    void OpenLoanDetail(int nIndex);
    BOOL StoreLoans(CDataSupplyClass& supply) const;

    CDataSupplyClass m_objSupply;
    CLoanDetailDlg m_objLoanDetailDlg;
    // Loans confirmed in the detail dialog since the record was loaded.
    std::array<BOOL, CDataSupplyClass::kLoanCount> m_abLoanEdited = {};
};
