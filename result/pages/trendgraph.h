// Trend graph pages.
#pragma once

#include "result/pages/resultbase.h"

// Page 21: profit and surplus graph.
class CResultGraphOutlineClass : public CResultGraphClass {
public:
    virtual void DrawGraph(CDC* pDC, int nColor);
};

// Page 22: loan and cash-on-hand graph.
class CResultGraphLoanClass : public CResultGraphClass {
public:
    virtual void DrawGraph(CDC* pDC, int nColor);
};

// Page 23: funding-plan graph.
class CResultGraphCapitalClass : public CResultGraphClass {
public:
    virtual void DrawGraph(CDC* pDC, int nColor);
};
