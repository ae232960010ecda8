// Construction funds required page.
#pragma once

#include "result/pages/resultbase.h"

// Page 1: construction funds required.
class CResultExpenseMoneyDataClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;

    // Display mode, copied from the project's basic record by the table step; InitData keeps it.
    int m_nReportMode = 0;
};
