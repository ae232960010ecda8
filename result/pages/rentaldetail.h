// Rental conditions detail page.
#pragma once

#include "result/pages/resultbase.h"

// Page 18: rental conditions detail.
class CResultRentalTypeClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};
