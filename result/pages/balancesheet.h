// Condensed balance sheet page.
#pragma once

#include "result/pages/resultbase.h"

// Page 14: condensed balance sheet.
class CResultBalanceSummaryClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};
