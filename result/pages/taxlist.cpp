#include "result/pages/taxlist.h"

#include "result/pages/yeartable.h"

namespace {

const int kGridRows = 32;
const int kLines = 18;
// The first line of the business-tax breakdown.
const int kBreakdownLine = 15;

CYearTablePlan MakePlan()
{
    CYearTablePlan plan;
    plan.nGridRows = kGridRows;
    plan.nLines = kLines;
    plan.strTitle = "税金一覧表";
    // Property taxes and consumption tax; income and profit taxes.
    plan.groups = {{0, 8}, {9, 17}};
    plan.bands = {{0, 8}, {9, 17}};
    plan.captions = {{"公", 2}, {"租", 3}, {"公", 4}, {"課", 5}, {"税", 11}, {"金", 13}};
    plan.rules = {{kBreakdownLine, TRUE}};
    return plan;
}

} // namespace

void CResultBalanceTaxClass::ReportDraw(CDC* pDC)
{
    DrawYearTable(pDC, *this, MakePlan());
}
