// Rental conditions detail page.
#pragma once

#include "result/pages/resultbase.h"

// Page 18: rental conditions detail, twenty rental lines by ten attributes;
// row r of the page holds attribute r of every line.
class CResultRentalTypeClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};
