// Construction financing page.
#pragma once

#include "result/pages/resultbase.h"

// Page 2: construction financing.
class CResultSupplyDataClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};
