#include "result/pages/profit.h"

#include "result/pages/yeartable.h"

namespace {

const int kGridRows = 56;
const int kLines = 53;
const UINT kTitleId = 18001;
const UINT kNoteId = 439;
const int kNoteRow = 55;

CYearTablePlan MakePlan()
{
    CYearTablePlan plan;
    plan.nGridRows = kGridRows;
    plan.nLines = kLines;
    plan.strTitle = LoadResultString(kTitleId);
    // Revenues, losses, profit: each its own band.
    plan.groups = {{0, 13}, {14, 48}, {49, 52}};
    plan.bands = {{0, 13}, {14, 48}, {49, 52}};
    const struct {
        UINT nID;
        int nLine;
    } captions[] = {{390, 3}, {391, 10}, {392, 23}, {393, 39}, {394, 50}, {395, 51}};
    for (const auto& caption : captions) plan.captions.push_back({LoadResultString(caption.nID), caption.nLine});
    // Above the revenue total and the loss total.
    plan.rules = {{13, TRUE}, {48, TRUE}};
    // What the construction-period cell of the start-up amortisation holds.
    plan.notes = {{LoadResultString(kNoteId), kNoteRow, TRUE}};
    return plan;
}

} // namespace

void CResultBalanceProfitClass::ReportDraw(CDC* pDC)
{
    DrawYearTable(pDC, *this, MakePlan());
}
