// Rounding of amounts and their cell texts against the text round trip that
// defines them: "%f" cut one place past the kept ones, read back, the addend
// put on the magnitude, cut again and read back.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "result/calc/tavcalc.h"
#include "result/pages/resultformat.h"
#include "tests/sheet/printednumber.h"

namespace {

double ExactFractionManage(const tagSETDECIMAL& decimal, double dValue)
{
    double x = ReadPrinted(decimal.nDecimalNum + 1, dValue);
    const double s = x < 0 ? -1.0 : 1.0;
    if (decimal.nDecimalFlag == 0 || decimal.nDecimalFlag == 2)
        x = s * (std::abs(x) + decimal.dDecimalVal);
    else if (decimal.nDecimalFlag != 1)
        x = 0.0;
    const double result = ReadPrinted(decimal.nDecimalNum, x);
    return result == 0.0 ? 0.0 : result;
}

struct EdgeCase {
    double dValue;
    int nDecimals;
    int nMode;
    double dExpected;
};

// The addend is half a unit of the last kept place; mode 1 cuts, 0 and 2 round half up, others give 0.
const EdgeCase kEdgeCases[] = {
    {0.5, 0, 0, 1},          {0.5, 0, 1, 0},          {0.5, 0, 2, 1},          {0.5, 0, 3, 0},
    {-0.5, 0, 0, -1},        {-0.5, 0, 1, 0},         {0.5, 1, 0, 0.5},        {0.5, 3, 1, 0.5},
    {1.249, 0, 0, 1},        {1.249, 1, 0, 1.2},      {1.249, 2, 0, 1.25},     {1.249, 2, 1, 1.24},
    {1.25, 1, 0, 1.3},       {1.25, 1, 1, 1.2},       {1.25, 1, 2, 1.3},       {-1.25, 1, 0, -1.3},
    {-1.25, 1, 1, -1.2},     {1.25, 0, 0, 1},         {1.25, 2, 0, 1.25},      {1.25, 1, 9, 0},
    {-0.0, 0, 0, 0},         {-0.0, 2, 1, 0},         {-0.0, 3, 2, 0},         {0.0, 1, 0, 0},
    {-0.04, 0, 0, 0},        {-0.004, 2, 0, 0},    {-0.004, 2, 1, 0},       {-0.05, 1, 0, -0.1},
    {1e15, 0, 0, 1e15},      {1e15, 2, 0, 1e15},      {-1e15, 0, 1, -1e15},    {1e15 + 0.5, 0, 0, 1e15 + 1},
    {999999999.5, 0, 0, 1e9}, {999999999.49, 0, 0, 999999999}, {2.675, 2, 0, 2.68}, {1234.5675, 3, 0, 1234.568},
    {0.9999996, 0, 1, 1},    {0.0000005, 6, 1, 0},    {12.345, 6, 1, 12.345},  {12.345, 5, 0, 12.345},
};

} // namespace

TEST(FractionManage, EdgeValuesInEveryMode)
{
    CTavCalcClass calc;
    for (const EdgeCase& c : kEdgeCases) {
        calc.m_objDecimal = tagSETDECIMAL{c.nDecimals, 0.5 * std::pow(10.0, -c.nDecimals), c.nMode, 0};
        const double got = calc.FractionManage(c.dValue);
        EXPECT_EQ(got, c.dExpected) << c.dValue << " places " << c.nDecimals << " mode " << c.nMode;
        EXPECT_TRUE(SameBits(got, ExactFractionManage(calc.m_objDecimal, c.dValue))) << c.dValue;
    }
}

// Every mode, number of places and zero flag over seeded amounts: the rounded
// value and the cell text are those of the text round trip, bit for bit.
TEST(FractionManage, MatchesTheTextRoundTrip)
{
    std::mt19937_64 rng(4242);
    CTavCalcClass calc;
    int checked = 0;
    for (int i = 0; i < 20000; ++i) {
        double v = double(int64_t(rng() % 2000000000000ull) - 1000000000000ll) / std::pow(10.0, double(rng() % 8));
        if (i % 5 == 0) v = std::ldexp(double(int64_t(rng() >> 11)) - 4.5e15, -int(rng() % 80));
        if (i % 97 == 0) v = std::bit_cast<double>(rng());
        for (int nDecimals = -1; nDecimals <= 6; ++nDecimals) {
            const double addends[] = {0.0, 0.5 * std::pow(10.0, -nDecimals), 0.9 * std::pow(10.0, -nDecimals)};
            const tagSETDECIMAL decimal{nDecimals, addends[rng() % 3], int(rng() % 4), int(rng() % 2)};
            calc.m_objDecimal = decimal;
            const double expected = ExactFractionManage(decimal, v);
            ASSERT_TRUE(SameBits(calc.FractionManage(v), expected))
                << v << " places " << nDecimals << " mode " << decimal.nDecimalFlag;
            CString cell(PrintedText(nDecimals, expected, decimal.nDecimalZero != 0));
            InsertNumberComma(cell);
            if (!std::isfinite(expected)) cell.Empty();
            else if (!(std::fabs(expected) < 2147483647.0)) cell = kFigureTooLargeMark;
            ASSERT_EQ(calc.FormatAmount(v), cell) << v << " places " << nDecimals;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 160000);
}

// Cell texts are kept by value: over more values than are kept, drawn again
// and again, each text is the one made afresh, and a change of any setting
// (the addend by its bits, a NaN one too) makes new ones.
TEST(FractionManage, RepeatedAmountsGetTheTextsMadeAfresh)
{
    std::vector<double> values = {0.0, -0.0, std::numeric_limits<double>::quiet_NaN(),
                                  std::numeric_limits<double>::infinity(), 3e12, -2.5};
    for (int i = 0; i < 9000; ++i) values.push_back(i * 0.37 - 1000.0);
    const tagSETDECIMAL settings[] = {{0, 0.5, 0, 1}, {1, 0.05, 0, 0}, {1, 0.05, 0, 1},
                                      {1, 0.05, 1, 1}, {1, 0.5, 1, 1},  {1, std::nan(""), 2, 1}};
    std::mt19937_64 rng(7);
    CTavCalcClass calc;
    for (const tagSETDECIMAL& decimal : settings) {
        calc.m_objDecimal = decimal;
        for (int i = 0; i < 30000; ++i) {
            const double v = values[rng() % values.size()];
            ASSERT_EQ(calc.FormatAmount(v),
                      FormatResultNumber(decimal.nDecimalNum, calc.FractionManage(v), decimal.nDecimalZero))
                << v << " places " << decimal.nDecimalNum << " mode " << decimal.nDecimalFlag;
        }
    }
}
