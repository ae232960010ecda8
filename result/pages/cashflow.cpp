#include "result/pages/cashflow.h"

#include "result/pages/yeartable.h"

namespace {

const int kGridRows = 31;
const int kLines = 29;
const UINT kTitleId = 18002;

CYearTablePlan MakePlan()
{
    CYearTablePlan plan;
    plan.nGridRows = kGridRows;
    plan.nLines = kLines;
    plan.strTitle = LoadResultString(kTitleId);
    plan.groups = {{0, kLines - 1}};
    // Under the carried-in line and above the carried-forward line.
    plan.rules = {{1, FALSE}, {kLines - 1, FALSE}};
    return plan;
}

} // namespace

void CResultBalanceCapitalClass::ReportDraw(CDC* pDC)
{
    DrawYearTable(pDC, *this, MakePlan());
}
