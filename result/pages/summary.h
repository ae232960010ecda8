// Summary table page.
#pragma once

#include "platform/cstring.h"
#include "result/pages/resultbase.h"

// Page 20: summary table.
class CResultBalanceOutlineClass : public CResultBaseClass {
public:
    CResultBalanceOutlineClass();
    void InitData() override;
    void ReportDraw(CDC* pDC) override;

    // [0][i] caption of milestone i, [1][i] its year text.
    CString m_aastrMilestone[2][5];
};
