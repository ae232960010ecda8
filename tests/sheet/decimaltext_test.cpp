// The number texts against the "%f" and strtod forms they are defined by.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "sheet/numberformat.h"
#include "tests/sheet/printednumber.h"

namespace {

// Values of every kind the engine meets: amounts with a few decimals, exact
// binary fractions whose seventh decimal is a tie, values next to a cut, tiny,
// huge and non-finite ones, each with both signs.
std::vector<double> SeededValues()
{
    std::mt19937_64 rng(20261210);
    std::vector<double> values = {0.0, 0.5, 1.249, 1.25, 1e15, 999999999.9999995, 1e9, 1e9 - 1e-7, 4294967296.5,
                                  0.0000005, 0.0000015, 0.0000025, 0.9999995, 2.675, 1e-300, 5e-324,
                                  std::numeric_limits<double>::max(), std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN()};
    for (int i = 0; i < 4000; ++i) {
        const double cents = double(rng() % 100000000000ull);
        values.push_back(cents / std::pow(10.0, double(rng() % 8)));
        values.push_back(std::ldexp(double(rng() % (uint64_t(1) << 40)), -int(rng() % 60)));
        values.push_back(std::bit_cast<double>(rng()));
        const double step = std::pow(10.0, -double(rng() % 7));
        const double boundary = double(rng() % 10000000) * step + step / 2;
        values.push_back(std::nextafter(boundary, double(rng() % 2 ? 0 : 1e300)));
    }
    const size_t n = values.size();
    for (size_t i = 0; i < n; ++i) values.push_back(-values[i]);
    return values;
}

} // namespace

TEST(DecimalText, TextsAndValuesMatchThePrintedForm)
{
    int checked = 0;
    for (double v : SeededValues()) {
        for (int nDecimals = -1; nDecimals <= 7; ++nDecimals) {
            for (BOOL bTrim : {FALSE, TRUE}) {
                const std::string expected = PrintedText(nDecimals, v, bTrim);
                CString grouped(expected);
                InsertThousandsSeparator(grouped);
                ASSERT_EQ(FormatDecimalText(nDecimals, v, bTrim).str(), expected) << v << " at " << nDecimals;
                ASSERT_EQ(FormatNumberText(nDecimals, v, bTrim), grouped) << v << " at " << nDecimals;
                ++checked;
            }
            const double read = ReadPrinted(nDecimals, v);
            ASSERT_TRUE(SameBits(ReadDecimalText(nDecimals, v), read)) << v << " at " << nDecimals;
        }
    }
    EXPECT_GT(checked, 500000);
}

// "%f" rounds the exact binary value at the sixth place, a tie to even.
TEST(DecimalText, SixthPlaceRoundsTheBinaryValue)
{
    const std::pair<double, const char*> cases[] = {
        {0.0078125, "0.007812"},           {0.0234375, "0.023438"},      {-0.0078125, "-0.007812"},
        {0.9999995, "1.000000"},           // stored a little above the tie
        {999999.9999995, "999999.999999"}, // stored a little below it
    };
    for (auto [v, text] : cases) EXPECT_EQ(FormatDecimalText(-1, v, FALSE), CString(text)) << v;
}

TEST(DecimalText, ReadBackKeepsTheSignOfACutZero)
{
    EXPECT_TRUE(SameBits(ReadDecimalText(2, -0.004), -0.0));
    EXPECT_TRUE(SameBits(ReadDecimalText(2, -0.0), 0.0));
    EXPECT_EQ(ReadDecimalText(0, -1e15), -1e15);
    EXPECT_EQ(ReadDecimalText(1, 1.25), 1.2);
    EXPECT_EQ(ReadDecimalText(3, 1.25), 1.25);
}

// Values near 1e300 are whole numbers: reading them back takes no printing of
// hundreds of digits, which once made a project take seconds to round.
TEST(DecimalText, HugeValuesReadBackAtOnce)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 100000; ++i) {
        const double v = (i % 2 ? -1e300 : 1e300) * (1 + i * 1e-9);
        ASSERT_EQ(ReadDecimalText(i % 8 - 1, v), v);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
}

// Next to a tie at the sixth place the product in doubles cannot decide the
// rounding; every magnitude, a step either side, must still match "%f".
TEST(DecimalText, ValuesNextToASixthPlaceTieMatchThePrintedForm)
{
    for (double whole : {0.0, 1.0, 12345.0, 999999.0, 123456789.0, 999999999.0}) {
        for (double millionths : {0.0, 1.0, 499999.0, 999998.0}) {
            double v = whole + (millionths + 0.5) * 1e-6;
            for (int i = 0; i < 8; ++i) v = std::nextafter(v, 0.0);
            for (int i = 0; i < 16; ++i, v = std::nextafter(v, 1e300)) {
                for (double signed_v : {v, -v}) {
                    ASSERT_EQ(FormatDecimalText(-1, signed_v, FALSE).str(), PrintedText(-1, signed_v, false)) << signed_v;
                    ASSERT_TRUE(SameBits(ReadDecimalText(6, signed_v), ReadPrinted(6, signed_v))) << signed_v;
                }
            }
        }
    }
}
