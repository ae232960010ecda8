#include "result/pages/balancesheet.h"

#include "result/pages/yeartable.h"

namespace {

const int kGridRows = 31;
const int kLines = 29;
const UINT kTitleId = 18003;

CYearTablePlan MakePlan()
{
    CYearTablePlan plan;
    plan.nGridRows = kGridRows;
    plan.nLines = kLines;
    plan.strTitle = LoadResultString(kTitleId);
    // Assets and their total; capital and liabilities and their total.
    plan.groups = {{0, 9}, {10, 10}, {11, 27}, {28, 28}};
    plan.bands = {{0, 10}, {11, 28}};
    const struct {
        UINT nID;
        int nLine;
    } captions[] = {{638, 2}, {639, 6}, {640, 14}, {641, 17}, {642, 18}, {643, 19}, {644, 22}};
    for (const auto& caption : captions) plan.captions.push_back({LoadResultString(caption.nID), caption.nLine});
    plan.bCentredCaptions = TRUE;
    return plan;
}

} // namespace

void CResultBalanceSummaryClass::ReportDraw(CDC* pDC)
{
    DrawYearTable(pDC, *this, MakePlan());
}
