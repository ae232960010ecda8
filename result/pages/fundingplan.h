// Funding plan page.
#pragma once

#include "result/pages/resultbase.h"

// Page 15: funding plan.
class CResultBalanceCapitalPlanClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};
