// Basic conditions and planned building outline pages.
#pragma once

#include "result/pages/resultbase.h"

// Page 3: basic conditions.
class CResultBasicDataClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};

// Page 4: planned building outline.
class CResultOutlineDataClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};
