// Recurring expenses page.
#pragma once

#include "result/pages/resultbase.h"

// Page 16: recurring expenses.
class CResultCurrentExpenseClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};
