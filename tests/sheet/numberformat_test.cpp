#include <gtest/gtest.h>

#include "sheet/numberformat.h"

namespace {

struct DecimalCase {
    int nDecimals;
    double dValue;
    BOOL bTrim;
    const char* pszDecimal; // FormatDecimalText
    const char* pszNumber;  // FormatNumberText
};

const DecimalCase kDecimalCases[] = {
    {2, 1234.5678, FALSE, "1234.56", "1,234.56"},
    {-1, 12.5, TRUE, "12.5", "12.5"},
    {0, 7.9, FALSE, "7", "7"},
    {2, 3.0, TRUE, "3", "3"},
    {0, 1234567.0, FALSE, "1234567", "1,234,567"},
    {1, -9876.54, FALSE, "-9876.5", "-9,876.5"},
    {0, -0.4, FALSE, "-0", "-0"},
    {8, 1.5, FALSE, "1.500000", "1.500000"},
    {-1, 0.0, FALSE, "0.000000", "0.000000"},
    {-1, 100.0, TRUE, "100", "100"},
    {3, 999.9999999, FALSE, "1000.000", "1,000.000"},
    {2, 0.005, FALSE, "0.00", "0.00"},
    {2, -0.0, FALSE, "0.00", "0.00"},
};

} // namespace

TEST(NumberFormat, DecimalAndNumberTexts)
{
    for (const DecimalCase& c : kDecimalCases) {
        EXPECT_EQ(FormatDecimalText(c.nDecimals, c.dValue, c.bTrim), CString(c.pszDecimal))
            << c.nDecimals << " " << c.dValue;
        EXPECT_EQ(FormatNumberText(c.nDecimals, c.dValue, c.bTrim), CString(c.pszNumber))
            << c.nDecimals << " " << c.dValue;
    }
}

TEST(NumberFormat, ThousandsSeparatorIsIdempotent)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""}, {"999", "999"}, {"1000", "1,000"}, {"-1234.5", "-1,234.5"}, {"-1,234.5", "-1,234.5"},
        {"12,34567", "1,234,567"}, {"100000", "100,000"}, {"-12", "-12"}, {".5", ".5"},
    };
    for (auto [in, out] : cases) {
        CString s(in);
        InsertThousandsSeparator(s);
        EXPECT_EQ(s, CString(out)) << in;
        InsertThousandsSeparator(s);
        EXPECT_EQ(s, CString(out)) << in << " twice";
    }
}

TEST(NumberFormat, FullWidthDigits)
{
    const std::pair<int, const char*> cases[] = {
        {0, "０"}, {7, "７"}, {10, "１０"}, {1205, "１２０５"}, {9999, "９９９９"}, {10000, "10000"}, {-1, "-1"},
    };
    for (auto [n, text] : cases) EXPECT_EQ(FormatFullWidthNumber(n), CString(text)) << n;
}
