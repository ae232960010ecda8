#include "result/pages/fundingplan.h"

#include "result/pages/yeartable.h"

namespace {

// Rows are 1.5 / 33 of the page height, that is 1 / 22: the unit line, the
// header row and 30 lines reach below the page, which is half a sheet.
const int kGridRows = 22;
const int kLines = 30;
const UINT kTitleId = 18004;

CYearTablePlan MakePlan()
{
    CYearTablePlan plan;
    plan.nGridRows = kGridRows;
    plan.nLines = kLines;
    plan.strTitle = LoadResultString(kTitleId);
    // Income, expenditure, balance with outside items and taxes, surplus and
    // cash, balances owed.
    plan.groups = {{0, 9}, {10, 19}, {20, 23}, {24, 25}, {26, 29}};
    plan.bands = {{0, 9}, {10, 19}, {26, 29}};
    const struct {
        UINT nID;
        int nLine;
    } captions[] = {{220, 1}, {221, 8}, {225, 11}, {226, 18}, {230, 27}, {231, 28}};
    for (const auto& caption : captions) plan.captions.push_back({LoadResultString(caption.nID), caption.nLine});
    // Above the income total and the expenditure total.
    plan.rules = {{9, TRUE}, {19, TRUE}};
    return plan;
}

} // namespace

void CResultBalanceCapitalPlanClass::ReportDraw(CDC* pDC)
{
    DrawYearTable(pDC, *this, MakePlan());
}
