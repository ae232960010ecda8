// Page base of the result object's pages, and the graph base with its value axis.
#pragma once

#include "platform/cdc.h"
#include "result/pages/resultobject.h"

// A result page: the rows a table step appends, the extent it draws into and
// its year columns (element 0 the construction period, 1 to 10 the years of
// one sheet; a calculation year or -1 for an empty column).
class CResultBaseClass {
public:
    CResultBaseClass();
    ~CResultBaseClass();
    // A copy holds no rows, and an assigned page drops its own: rows belong to one page.
    CResultBaseClass(const CResultBaseClass& other);
    CResultBaseClass& operator=(const CResultBaseClass& other);

    // Empties the page without freeing its rows.
    virtual void InitData();
    // A new, empty row array, NULL when out of memory; callers run DestroyData first.
    virtual void CreateData();
    // Frees the row array with every row in it, then InitData.
    virtual void DestroyData();
    // Draws the page into m_sizePage; the base draws nothing.
    virtual void ReportDraw(CDC* pDC);

    CDeleteObArray* m_pItemArray;
    CSize m_sizePage;
    int m_anYear[11];
};

// A graph page: the page base and its value axis in million yen.
class CResultGraphClass : public CResultBaseClass {
public:
    CResultGraphClass();
    void InitData() override;

    // Splits an amount in thousand yen for plotting: whole axis steps in it and
    // the whole million yen left over, and 1 when it is not negative.
    void SplitAxisValue(double dValue, int* pnSteps, int* pnRest, int* pbPositive) const;

    int m_nAxisMin;
    int m_nAxisMax;
    int m_nAxisStep;
    int m_nYearCount;
};
