// Row labels of the option windows and dialogs that show names the user gave
// on the data windows, with their default texts when a name is empty.
#pragma once

#include "platform/cstring.h"

class CTavrinProjectDoc;
class CDataExpenseOtherClass;

// Other expense k (1..6) of the yearly expenses.
CString OtherExpenseLabel(const CTavrinProjectDoc& doc, int k);
// Yearly-expense item n (0..3: management, land rent, repairs, fire insurance).
CString CostItemLabel(const CTavrinProjectDoc& doc, int n);
// Other depreciation item k (1..4) of the construction cost.
CString OtherAmortizeLabel(const CTavrinProjectDoc& doc, int k);
// Other cost k (1..8) of the other costs.
CString OtherCostLabel(const CDataExpenseOtherClass& record, int k);
// Rental category i (0..7); empty when the project has no such category.
CString RentalCategoryLabel(const CTavrinProjectDoc& doc, int i);
// Other income k (1..6) of the other conditions.
CString OtherIncomeLabel(const CTavrinProjectDoc& doc, int k);
// The colon that ends a row label.
CString LabelColon();
