// Rental basic items page.
#pragma once

#include "result/pages/resultbase.h"

// Page 19: rental basic items.
class CResultRentalBasicClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};
