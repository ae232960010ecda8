#include <gtest/gtest.h>

#include <climits>

#include "data/dataloan.h"

namespace {

struct Period {
    int nStart, nEnd;
};

// The plain values before the periods are set too, so that a read outside
// the periods shows.
void SetPeriods(CDataLoanClass& loan, const Period (&periods)[CDataLoanClass::kRepayCount])
{
    loan.dAmount = 5000;
    loan.nMortgageFee = 1;
    loan.nRepayMethod = 2;
    loan.nSpecialFromYear = 3;
    loan.nSpecialToYear = 9;
    loan.dSpecialAmount = 100;
    loan.nSpecialSource = 1;
    for (int i = 0; i < CDataLoanClass::kRepayCount; ++i) loan.m_aRepay[i] = {periods[i].nStart, periods[i].nEnd, 1.5};
}

} // namespace

TEST(DataLoan, RepayPeriodCountsInclusiveYears)
{
    // Element 0 is the grace period; -1 sums periods 1 to 4.
    const struct {
        const char* what;
        Period periods[CDataLoanClass::kRepayCount];
        int i;
        int expected;
    } cases[] = {
        {"two periods, total", {{0, 0}, {1, 10}, {11, 20}}, -1, 20},
        {"two periods, first", {{0, 0}, {1, 10}, {11, 20}}, 1, 10},
        {"two periods, unused third", {{0, 0}, {1, 10}, {11, 20}}, 3, 0},
        {"one-year period", {{0, 0}, {5, 5}}, 1, 1},
        {"end before start", {{0, 0}, {6, 5}}, 1, 0},
        {"start 0", {{0, 0}, {0, 3}}, 1, 4},
        {"total skips empty and reversed periods", {{0, 0}, {1, 10}, {6, 5}, {0, 3}, {0, 0}}, -1, 14},
        {"grace period by the same rule", {{0, 6}, {1, 10}}, 0, 7},
        {"total leaves the grace period out", {{0, 6}, {1, 10}}, -1, 10},
        {"index past the periods", {{0, 6}, {1, 10}, {11, 20}, {21, 25}, {26, 30}}, 5, 0},
        // Indexes below -1 used to read before the periods.
        {"index -2", {{0, 6}, {1, 10}, {11, 20}, {21, 25}, {26, 30}}, -2, 0},
        {"lowest index", {{0, 6}, {1, 10}, {11, 20}, {21, 25}, {26, 30}}, INT_MIN, 0},
        {"highest index", {{0, 6}, {1, 10}, {11, 20}, {21, 25}, {26, 30}}, INT_MAX, 0},
    };
    for (const auto& c : cases) {
        CDataLoanClass loan;
        SetPeriods(loan, c.periods);
        EXPECT_EQ(loan.GetRepayPeriod(c.i), c.expected) << c.what;
    }
}

TEST(DataLoan, ExtraRepaymentChecks)
{
    // CheckSpecialLoanYear does not require CheckSpecialLoan.
    const struct {
        int nFrom, nTo;
        BOOL bSet;
        int nYear;
        BOOL bDue;
    } cases[] = {
        {0, 5, 0, 3, 1},  // from 0 is not an extra repayment, yet year 3 is in range
        {0, 5, 0, 0, 1},
        {0, 5, 0, 6, 0},
        {3, 2, 0, 2, 0},  // reversed: never due
        {3, 2, 0, 3, 0},
        {1, 1, 1, 1, 1},
        {1, 1, 1, 2, 0},
        {2, 5, 1, 1, 0},
        {2, 5, 1, 2, 1},
        {2, 5, 1, 5, 1},
        {2, 5, 1, 6, 0},
        {-3, 5, 0, -1, 1},
    };
    for (const auto& c : cases) {
        CDataLoanClass loan;
        loan.nSpecialFromYear = c.nFrom;
        loan.nSpecialToYear = c.nTo;
        EXPECT_EQ(loan.CheckSpecialLoan(), c.bSet) << c.nFrom << " to " << c.nTo;
        EXPECT_EQ(loan.CheckSpecialLoanYear(c.nYear), c.bDue) << c.nFrom << " to " << c.nTo << ", year " << c.nYear;
    }
}
