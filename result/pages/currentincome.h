// Recurring income page.
#pragma once

#include "result/pages/resultbase.h"

// Page 17: recurring income.
class CResultCurrentIncomeClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};
