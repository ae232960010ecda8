// Rental basic items page.
#pragma once

#include "result/pages/resultbase.h"

// Page 19: rental basic items of the eight rental categories; row c of the
// page holds column c of the table, cell j the entry of category j.
class CResultRentalBasicClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};
