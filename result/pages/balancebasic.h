// Basic balance table page.
#pragma once

#include "result/pages/resultbase.h"

// Page 11: basic balance table.
class CResultBalanceBasicClass : public CResultBaseClass {
public:
    CResultBalanceBasicClass();
    void InitData() override;
    void ReportDraw(CDC* pDC) override;

    // Numerator named by the investment-yield note (0 to 4).
    int m_nYieldFormula;
};
