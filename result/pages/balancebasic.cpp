#include "result/pages/balancebasic.h"

#include "result/pages/yeartable.h"

namespace {

const int kGridRows = 67;
const int kLines = 64;
const UINT kTitleId = 18000;
const int kYieldNoteRow = 66;
const UINT kYieldHeadId = 200;
const UINT kYieldFormulaId = 201;
const int kYieldFormulas = 5;
const UINT kYieldTailId = 206;

// "・投資利回り＝", the numerator the option names, "÷（当初自己資金＋当初借入金）...".
// A formula outside the five names none.
CString YieldNote(int nYieldFormula)
{
    CString note = LoadResultString(kYieldHeadId);
    if (nYieldFormula >= 0 && nYieldFormula < kYieldFormulas)
        note += LoadResultString(kYieldFormulaId + nYieldFormula);
    return note + LoadResultString(kYieldTailId);
}

CYearTablePlan MakePlan(int nYieldFormula)
{
    CYearTablePlan plan;
    plan.nGridRows = kGridRows;
    plan.nLines = kLines;
    plan.strTitle = LoadResultString(kTitleId);
    // Income, expenses, profit, cash, balances for reference.
    plan.groups = {{0, 7}, {8, 16}, {17, 25}, {26, 44}, {45, 63}};
    plan.bands = {{0, 7}, {8, 16}, {45, 63}};
    const struct {
        UINT nID;
        int nLine;
    } captions[] = {{210, 1}, {211, 6}, {213, 9}, {214, 15}, {215, 49}, {216, 57}};
    for (const auto& caption : captions) plan.captions.push_back({LoadResultString(caption.nID), caption.nLine});
    // Profit after depreciation and after tax, surplus, cash on hand.
    plan.highlights = {21, 24, 42, 43};
    // Above the income total and the expense total.
    plan.rules = {{7, TRUE}, {16, TRUE}};
    plan.notes = {{YieldNote(nYieldFormula), kYieldNoteRow, FALSE}};
    return plan;
}

} // namespace

CResultBalanceBasicClass::CResultBalanceBasicClass()
{
    InitData();
}

void CResultBalanceBasicClass::InitData()
{
    CResultBaseClass::InitData();
    m_nYieldFormula = 0;
}

void CResultBalanceBasicClass::ReportDraw(CDC* pDC)
{
    DrawYearTable(pDC, *this, MakePlan(m_nYieldFormula));
}
