// Profit and loss page.
#pragma once

#include "result/pages/resultbase.h"

// Page 12: profit and loss.
class CResultBalanceProfitClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};
