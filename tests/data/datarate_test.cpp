#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "data/datarate.h"

namespace {

// The amounts of years 1..n when each year's result feeds the next.
std::vector<double> Series(CDataRateClass& rate, double dStart, int nYears)
{
    std::vector<double> out;
    double money = dStart;
    for (int y = 1; y <= nYears; ++y) out.push_back(money = rate.CalcChangeMoney(money, y));
    return out;
}

CDataRateClass Schedule(std::initializer_list<tagDATARATE> steps)
{
    CDataRateClass rate;
    int i = 0;
    for (tagDATARATE step : steps) rate.SetDataRate(i++, &step);
    return rate;
}

} // namespace

TEST(DataRate, StepsCompoundYearByYear)
{
    CDataRateClass rate = Schedule({{1, 10, 2, 3.0, 0}, {11, 20, 1, 1.0, 1}});
    std::vector<double> s = Series(rate, 1000, 12);
    const double expected[] = {1000, 1000, 1030, 1030, 1060.9, 1060.9, 1092.727, 1092.727,
                               1125.50881, 1125.50881, 1125.50881 * 0.99, 1125.50881 * 0.99 * 0.99};
    for (int i = 0; i < 12; ++i) EXPECT_NEAR(s[i], expected[i], 1e-9) << "year " << i + 1;
}

TEST(DataRate, MatchingRules)
{
    const struct {
        const char* what;
        CDataRateClass rate;
        int year;
        double expected;
    } cases[] = {
        {"all zero", Schedule({}), 1, 100},
        {"all zero, later year", Schedule({}), 30, 100},
        {"open step before its start, even difference", Schedule({{5, 0, 2, 10, 0}}), 3, 110},
        {"open step before its start, odd difference", Schedule({{5, 0, 2, 10, 0}}), 4, 100},
        {"first step's start is the base year", Schedule({{3, 9, 1, 10, 0}}), 3, 100},
        {"second step's start is a change year", Schedule({{1, 2, 1, 10, 0}, {3, 9, 2, 10, 0}}), 3, 110},
        {"earlier step wins an overlap", Schedule({{1, 9, 1, 10, 0}, {1, 9, 1, 50, 0}}), 2, 110},
        {"interval 0 changes nothing", Schedule({{1, 9, 0, 10, 0}}), 4, 100},
        {"year after every step", Schedule({{1, 9, 1, 10, 0}}), 10, 100},
        {"full fall", Schedule({{1, 9, 1, 100, 1}}), 2, 0},
        {"years counted from the lowest start", Schedule({{INT_MIN, INT_MAX, 3, 10, 0}}), 1, 110},
        {"negative interval from the lowest start", Schedule({{INT_MIN, INT_MAX, -1, 10, 0}}), 0, 110},
    };
    for (auto c : cases) EXPECT_DOUBLE_EQ(c.rate.CalcChangeMoney(100, c.year), c.expected) << c.what;
}

TEST(DataRate, StepsAreCopiedWholeAndOutOfRangeIndexesIgnored)
{
    tagDATARATE step{2, 8, 3, 1.5, 1};
    CDataRateClass rate;
    rate.SetDataRate(2, &step);
    rate.SetDataRate(4, &step);
    rate.SetDataRate(-1, &step);
    CDataRateClass copy(rate);
    tagDATARATE got = copy.GetDataRate(2);
    EXPECT_EQ(got.nStartYear, 2);
    EXPECT_EQ(got.nEndYear, 8);
    EXPECT_EQ(got.nInterval, 3);
    EXPECT_EQ(got.dRate, 1.5);
    EXPECT_EQ(got.bDecrease, 1);
    EXPECT_EQ(copy.GetDataRate(7).nInterval, 0);
    copy.InitData();
    EXPECT_EQ(copy.GetDataRate(2).dRate, 0);
}
