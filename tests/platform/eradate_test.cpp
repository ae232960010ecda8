#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "platform/eradate.h"

namespace {

struct EraCase {
    const char* pszChosen;
    int nChosenDiff;
    int nYear, nMonth, nDay;
    const char* pszEra;
    int nEraYear;
};

const EraCase kCases[] = {
    // The chosen era from its first day on, the era of the date before it.
    {"令和", 2018, 2026, 12, 11, "令和", 8},
    {"令和", 2018, 2019, 5, 1, "令和", 1},
    {"令和", 2018, 2019, 4, 30, "平成", 31},
    {"令和", 2018, 1989, 1, 8, "平成", 1},
    {"令和", 2018, 1989, 1, 7, "昭和", 64},
    {"令和", 2018, 1926, 12, 25, "昭和", 1},
    {"令和", 2018, 1926, 12, 24, "大正", 15},
    {"令和", 2018, 1900, 1, 1, "大正", -11},
    // A profile that chose the era before.
    {"平成", 1988, 2019, 4, 30, "平成", 31},
    {"平成", 1988, 1989, 1, 7, "昭和", 64},
    {"平成", 1988, 2026, 12, 11, "平成", 38},
    // An era the program does not know begins after the newest known one.
    {"新元号", 2030, 2031, 1, 1, "新元号", 1},
    {"新元号", 2030, 2019, 4, 30, "平成", 31},
};

TEST(EraYearOfDate, TakesTheChosenEraFromItsStartAndTheDatesEraBefore)
{
    for (const EraCase& c : kCases) {
        const CEraYear era = EraYearOfDate(c.pszChosen, c.nChosenDiff, c.nYear, c.nMonth, c.nDay);
        EXPECT_EQ(CP932ToUtf8(era.strName), CP932ToUtf8(c.pszEra))
            << CP932ToUtf8(c.pszChosen) << " " << c.nYear << "-" << c.nMonth << "-" << c.nDay;
        EXPECT_EQ(era.nYear, c.nEraYear) << CP932ToUtf8(c.pszChosen) << " " << c.nYear << "-" << c.nMonth << "-" << c.nDay;
    }
}

} // namespace
