// Tax list page.
#pragma once

#include "result/pages/resultbase.h"

// Page 24: tax list.
class CResultBalanceTaxClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};
