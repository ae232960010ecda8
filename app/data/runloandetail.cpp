#include "app/data/runloandetail.h"

#include "app/data/loandetaildlg.h"

int RunLoanDetailDialog(CDataSupplyClass* pSupply, int nLoanIndex, QWidget* pParent)
{
    CLoanDetailDlg dlg(pParent);
    dlg.m_pSupply = pSupply;
    dlg.m_nLoanIndex = nLoanIndex;
    return dlg.DoModal();
}
