// The option dialogs that data windows open. Each edits the document's
// option records, marks them edited when a value changed and returns IDOK or
// IDCANCEL (cancel writes nothing).
#pragma once

class QWidget;
class CTavrinProjectDoc;
class CDataExpenseOtherClass;

// Advance-receipt rates of deposits and guarantee money (funding window).
int RunAdvanceRateDialog(CTavrinProjectDoc* pDoc, QWidget* pParent);
// Which expense items the business ratio divides (basic-conditions window).
int RunBusinessRateDialog(CTavrinProjectDoc* pDoc, QWidget* pParent);
// Consumption tax of the construction period (other-costs window); the rows
// of the other costs are labelled with the names of the window's working
// record.
int RunConstructionTaxDialog(CTavrinProjectDoc* pDoc, const CDataExpenseOtherClass& names, QWidget* pParent);
