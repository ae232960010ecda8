#include <gtest/gtest.h>

#include <limits>

#include "result/pages/resultformat.h"

namespace {

struct NumberCase {
    int nDecimals;
    double dValue;
    BOOL bTrim;
    const char* pszDecimal; // FormatDecimalString
    const char* pszResult;  // FormatResultNumber
};

const NumberCase kNumberCases[] = {
    {0, 1234567.8, FALSE, "1234567", "1,234,567"},    // cut, not rounded
    {2, -1234.5, FALSE, "-1234.50", "-1,234.50"},
    {2, -1234.5, TRUE, "-1234.5", "-1,234.5"},
    {1, 100.0, TRUE, "100", "100"},                   // the point goes with the trimmed fraction
    {0, -0.4, FALSE, "-0", "-0"},                     // the sign comes from the value before the cut
    {-1, 2.5, FALSE, "2.500000", "2.500000"},
    {-1, 2.5, TRUE, "2.5", "2.5"},
    {9, 2.5, FALSE, "2.500000", "2.500000"},          // never more than six places
    {2, -0.0, FALSE, "0.00", "0.00"},                 // negative zero is not negative
    {3, 0.0, TRUE, "0", "0"},
    {3, -999999.9999999, FALSE, "-1000000.000", "-1,000,000.000"}, // "%f" rounds at the sixth place
    {2, -1.239, FALSE, "-1.23", "-1.23"},
    {4, 12345.06, TRUE, "12345.06", "12,345.06"},
    {1, -12.04, TRUE, "-12", "-12"},
};

} // namespace

TEST(ResultFormat, DecimalStringAndResultNumber)
{
    for (const NumberCase& c : kNumberCases) {
        EXPECT_EQ(FormatDecimalString(c.nDecimals, c.dValue, c.bTrim), CString(c.pszDecimal))
            << c.nDecimals << " " << c.dValue << " trim " << c.bTrim;
        EXPECT_EQ(FormatResultNumber(c.nDecimals, c.dValue, c.bTrim), CString(c.pszResult))
            << c.nDecimals << " " << c.dValue << " trim " << c.bTrim;
    }
}

// A damaged record field reaches a page or the export as an empty cell, not as "nan" or "inf".
TEST(ResultFormat, NonFiniteNumberIsEmpty)
{
    for (double v : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity()})
        for (int nDecimals : {-1, 0, 2}) {
            EXPECT_EQ(FormatResultNumber(nDecimals, v, TRUE), CString()) << v;
            EXPECT_EQ(FormatResultNumber(nDecimals, v, FALSE), CString()) << v;
        }
    EXPECT_EQ(FormatYieldText(std::numeric_limits<double>::quiet_NaN()), CString());
}

// A figure beyond the int range shows the mark: its text would read as the
// limit of a conversion.
TEST(ResultFormat, FigureTooLargeShowsTheMark)
{
    const std::pair<double, const char*> cases[] = {
        {2147483646.0, "2,147,483,646"}, {-2147483646.5, "-2,147,483,646"}, {2147483647.0, kFigureTooLargeMark},
        {-2147483648.0, kFigureTooLargeMark}, {-9223372036854775808.0, kFigureTooLargeMark}, {1e300, kFigureTooLargeMark},
    };
    for (auto [v, text] : cases) EXPECT_EQ(FormatResultNumber(0, v, FALSE), CString(text)) << v;
    EXPECT_EQ(FormatYieldText(3e9), CString(kFigureTooLargeMark));
}

TEST(ResultFormat, NumberComma)
{
    const std::pair<const char*, const char*> cases[] = {
        {"123", "123"}, {"123456", "123,456"}, {"-1234.5678", "-1,234.5678"}, {"1,2345", "12,345"},
        {"", ""}, {"12", "12"}, {"-12", "-12"}, {"1234567890", "1,234,567,890"}, {"-0.50", "-0.50"},
        {"abcd", "a,bcd"}, {"1,234.5,6", "1,234.56"},
    };
    for (auto [in, out] : cases) {
        CString text(in);
        InsertNumberComma(text);
        EXPECT_EQ(text, CString(out)) << in;
    }
}

TEST(ResultFormat, FullWidthNumbers)
{
    const std::pair<int, const char*> cases[] = {
        {0, "０"}, {7, "７"}, {10, "１０"}, {305, "３０５"}, {1000, "１０００"}, {2024, "２０２４"}, {9999, "９９９９"},
    };
    for (auto [n, text] : cases) EXPECT_EQ(NumberToFullWidth(n), CString(text)) << n;
}

TEST(ResultFormat, YieldRoundsHalfAwayFromZero)
{
    const std::pair<double, const char*> cases[] = {
        {12.346, "12.35"}, {12.344, "12.34"}, {7.0, "7.00"}, {-1.231, "-1.23"}, {-1.236, "-1.24"}, {0.0, "0.00"},
    };
    for (auto [yield, text] : cases) EXPECT_EQ(FormatYieldText(yield), CString(text)) << yield;
}
