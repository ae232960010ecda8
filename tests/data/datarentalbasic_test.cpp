#include <gtest/gtest.h>

#include "data/datarentalbasic.h"

namespace {

using Steps = tagDATARATE[CDataRateClass::kStepCount];

void SetSchedule(CDataRateClass& schedule, const Steps& steps)
{
    for (int i = 0; i < CDataRateClass::kStepCount; ++i) schedule.m_aDataRate[i] = steps[i];
}

// A record whose carried schedules 3 and 4 hold every year at 99 %, which
// no lookup may read.
void SetCarriedSchedules(CDataRentalBasicClass& r)
{
    const Steps open = {{1, 0, 1, 99.0, 0}};
    SetSchedule(r.m_aRate[3], open);
    SetSchedule(r.m_aRate[4], open);
}

} // namespace

TEST(DataRentalBasic, OccupancyAndTurnoverAreLevelsOfTheFirstMatchingStep)
{
    // Steps: start, end, interval, level in percent, fall flag.
    const struct {
        const char* what;
        Steps steps;
        int nYear;
        double dRate;    // occupancy or turnover of the year
        double dLive;    // CalcChangeLive(1000, year)
    } cases[] = {
        {"all zero, year 0 is step 0's", {}, 0, 0.0, 0.0},
        {"all zero, year 1 falls back", {}, 1, 0.0, 0.0},
        {"no match falls back to step 3", {{}, {}, {}, {50, 60, 0, 80.0, 0}}, 1, 80.0, 0.0},
        {"step 3 matching", {{}, {}, {}, {50, 60, 0, 80.0, 0}}, 55, 80.0, 800.0},
        {"end year of a step", {{1, 10, 0, 95.0, 0}, {11, 20, 0, 90.0, 0}}, 10, 95.0, 950.0},
        {"start year of the next", {{1, 10, 0, 95.0, 0}, {11, 20, 0, 90.0, 0}}, 11, 90.0, 900.0},
        {"past every step", {{1, 10, 0, 95.0, 0}, {11, 20, 0, 90.0, 0}}, 21, 0.0, 0.0},
        {"past every step, step 3 set",
         {{1, 10, 0, 95.0, 0}, {11, 20, 0, 90.0, 0}, {}, {30, 40, 0, 70.0, 0}}, 21, 70.0, 0.0},
        {"year 0 matches a zero step", {{1, 10, 0, 95.0, 0}, {11, 20, 0, 90.0, 0}}, 0, 0.0, 0.0},
        {"open step takes later years", {{1, 10, 0, 95.0, 0}, {11, 0, 0, 90.0, 0}}, 30, 90.0, 900.0},
        {"open step takes earlier years", {{1, 10, 0, 95.0, 0}, {11, 0, 0, 90.0, 0}}, 0, 90.0, 900.0},
        {"earlier step wins", {{1, 10, 0, 95.0, 0}, {11, 0, 0, 90.0, 0}}, 4, 95.0, 950.0},
        {"open first step takes every year", {{5, 1, 0, 70.0, 0}, {1, 10, 0, 95.0, 0}}, 3, 70.0, 700.0},
        {"fall flag and interval play no part", {{1, 10, 3, 95.0, 1}}, 2, 95.0, 950.0},
    };
    for (const auto& c : cases) {
        CDataRentalBasicClass occupancy;
        SetCarriedSchedules(occupancy);
        SetSchedule(occupancy.m_aRate[CDataRentalBasicClass::kRateLive], c.steps);
        EXPECT_DOUBLE_EQ(occupancy.GetChangeLiveRate(c.nYear), c.dRate) << c.what;
        EXPECT_DOUBLE_EQ(occupancy.CalcChangeLive(1000, c.nYear), c.dLive) << c.what;

        // Turnover reads its own schedule only.
        CDataRentalBasicClass turnover;
        SetCarriedSchedules(turnover);
        SetSchedule(turnover.m_aRate[CDataRentalBasicClass::kRateTurnover], c.steps);
        SetSchedule(turnover.m_aRate[CDataRentalBasicClass::kRateLive], {{1, 0, 0, 55.0, 0}});
        EXPECT_DOUBLE_EQ(turnover.GetChangeChangeRate(c.nYear), c.dRate) << c.what;
        EXPECT_DOUBLE_EQ(turnover.GetChangeLiveRate(c.nYear), 55.0) << c.what;
    }
}

TEST(DataRentalBasic, RentCompoundsTheScheduleFromYearZero)
{
    const struct {
        const char* what;
        Steps steps;
        int nYear;
        double expected;
    } cases[] = {
        {"negative year leaves the amount", {{5, 0, 1, 10.0, 0}}, -1, 1000.0},
        {"far negative year", {{5, 0, 1, 10.0, 0}}, -5, 1000.0},
        {"year 0 alone", {{5, 0, 1, 10.0, 0}}, 0, 1100.0},
        {"first step's start is the base", {{1, 10, 1, 10.0, 0}}, 1, 1000.0},
        {"one rise", {{1, 10, 1, 10.0, 0}}, 2, 1100.0},
        {"rises compound", {{1, 10, 1, 10.0, 0}}, 3, 1210.0},
        // Years 1, 3 and 7 rise: before the start the difference is negative
        // and its remainder truncates; year 5 is the base year.
        {"open step every 2 years", {{5, 0, 2, 10.0, 0}}, 7, 1331.0},
        {"falls compound", {{1, 2, 0, 0.0, 0}, {3, 10, 2, 10.0, 1}}, 6, 810.0},
    };
    for (const auto& c : cases) {
        CDataRentalBasicClass r;
        SetCarriedSchedules(r);
        SetSchedule(r.m_aRate[CDataRentalBasicClass::kRateRent], c.steps);
        EXPECT_DOUBLE_EQ(r.CalcChangeRentalMoney(1000, c.nYear), c.expected) << c.what;

        // The same as feeding each year's result into the next.
        CDataRateClass rent = r.m_aRate[CDataRentalBasicClass::kRateRent];
        double money = 1000;
        for (int t = 0; t <= c.nYear; ++t) money = rent.CalcChangeMoney(money, t);
        EXPECT_EQ(r.CalcChangeRentalMoney(1000, c.nYear), money) << c.what;
    }
}
