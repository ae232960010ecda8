// Cash-flow table page.
#pragma once

#include "result/pages/resultbase.h"

// Page 13: cash flow.
class CResultBalanceCapitalClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};
