// The funding window's loan-detail dialog, for the windows that finance
// something with one of the loans.
#pragma once

class CDataSupplyClass;
class QWidget;

// Edits loan nLoanIndex of pSupply, which the dialog writes on OK; IDOK or IDCANCEL.
int RunLoanDetailDialog(CDataSupplyClass* pSupply, int nLoanIndex, QWidget* pParent);
