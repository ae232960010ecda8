// The detail of one loan of the funding form: lender, amount, repayment
// method, extra repayment, grace period and four repayment periods.
#pragma once

#include "app/common/formdialog.h"
#include "data/datasupply.h"

// The loan's data without its print state.
void CopyLoanData(CDataLoanClass& target, const CDataLoanClass& source);

class CLoanDetailDlg : public CFormDialog {
public:
    explicit CLoanDetailDlg(QWidget* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnHelp() override;
    void OnControlNotify(UINT nID, UINT nCode) override;

    // Whether the amount of loan nIndex is set elsewhere and only shown here.
    static BOOL IsAmountLocked(const CDataSupplyClass& supply, int nIndex);

    int m_nLoanIndex = 0;
    CDataSupplyClass* m_pSupply = nullptr;
    CDataLoanClass m_objLoan;

private:
    // A whole number shown by an edit or a static text.
    int ShownInt(UINT nID) const;
    // The years of each period and their total.
    void ShowYears();
    // The extra-repayment and grace controls: hidden for the surplus method of the automatic loan.
    void ShowMethodControls();
};
