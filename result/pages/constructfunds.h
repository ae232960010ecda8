// Construction funds required page.
#pragma once

#include "result/pages/resultbase.h"

// Page 1: construction funds required, in two tables side by side.
class CResultExpenseMoneyDataClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;

    // The project's report mode (0 amounts with tax, 1 with the tax total as
    // a note, 2 without tax and the tax in a row of its own), copied by the
    // table step before it refills the page; InitData keeps it.
    int m_nFundReportMode = 0;
};
