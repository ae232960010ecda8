#include "sheet/numberformat.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "platform/cruntime.h"

namespace {

// Decimals of the "%f" form.
constexpr int kPlaces = 6;
constexpr uint64_t kPowersOfTen[kPlaces + 1] = {1, 10, 100, 1000, 10000, 100000, 1000000};
// Below this magnitude the millionths fit in 53 bits: the digits are worked
// out exactly in integers and a cut text reads back with one exact division.
constexpr double kFastLimit = 1e9;
// Every double of at least this magnitude is a whole number.
constexpr double kWholeFrom = 0x1p53;

// The digits of 000 to 999.
constexpr std::array<char, 3000> kThreeDigits = [] {
    std::array<char, 3000> digits{};
    for (int i = 0; i < 1000; ++i) {
        digits[3 * i] = char('0' + i / 100);
        digits[3 * i + 1] = char('0' + i / 10 % 10);
        digits[3 * i + 2] = char('0' + i % 10);
    }
    return digits;
}();

// The "%f" form of |dValue|, cut at nPlaces decimals, as an integer of that
// many decimal places.
struct CutNumber {
    bool bNegative;
    uint64_t nScaled; // |dValue| × 10^nPlaces, cut
    int nPlaces;
};

// n / 10^nPower for nPower 0 to kPlaces; constant divisors compile to multiplications.
uint64_t DropDigits(uint64_t n, int nPower)
{
    switch (nPower) {
    case 0: return n;
    case 1: return n / 10;
    case 2: return n / 100;
    case 3: return n / 1000;
    case 4: return n / 10000;
    case 5: return n / 100000;
    default: return n / 1000000;
    }
}

// v × 10^6 rounded half to even, worked out exactly in integers.
uint64_t ExactMillionths(double v)
{
    const uint64_t bits = std::bit_cast<uint64_t>(v);
    const int exponent = int(bits >> 52);
    const uint64_t mantissa = (bits & ((uint64_t(1) << 52) - 1)) | (exponent ? uint64_t(1) << 52 : 0);
    // v = mantissa / 2^shift, and shift >= 23 below kFastLimit.
    const int shift = 1075 - std::max(exponent, 1);
    // The product stays below 2^73, so a larger shift leaves less than a half.
    if (shift > 74) return 0;
    using Wide = unsigned __int128;
    const Wide product = Wide(mantissa) * kPowersOfTen[kPlaces];
    const Wide half = Wide(1) << (shift - 1);
    const Wide rest = product & (2 * half - 1);
    const uint64_t units = uint64_t(product >> shift);
    return units + (rest > half || (rest == half && (units & 1)));
}

// v × 10^6 rounded half to even, as "%f" rounds; 0 <= v < kFastLimit.
uint64_t Millionths(double v)
{
    // Whole amounts are the common case.
    const int64_t whole = int64_t(v);
    if (double(whole) == v) return uint64_t(whole) * kPowersOfTen[kPlaces];
    // The product in doubles is off by less than product × 2^-53; farther
    // than that from a half it rounds the way the exact one does.
    const double product = v * double(kPowersOfTen[kPlaces]);
    const int64_t units = int64_t(product);
    const double rest = product - double(units);
    if (std::fabs(rest - 0.5) > product * 0x1p-53) return uint64_t(units) + (rest > 0.5);
    return ExactMillionths(v);
}

// FALSE for a value too large or not finite, which takes the printed way.
bool CutDecimal(int nDecimals, double dValue, CutNumber& cut)
{
    const double magnitude = std::fabs(dValue);
    if (!(magnitude < kFastLimit)) return false;
    cut.bNegative = !(dValue >= 0);
    cut.nPlaces = nDecimals < 0 ? kPlaces : std::min(nDecimals, kPlaces);
    cut.nScaled = DropDigits(Millionths(magnitude), kPlaces - cut.nPlaces);
    return true;
}

CString CutText(CutNumber cut, BOOL bTrimZeros, bool bSeparators)
{
    if (bTrimZeros) {
        while (cut.nPlaces > 0 && cut.nScaled % 10 == 0) {
            cut.nScaled /= 10;
            --cut.nPlaces;
        }
    }
    char buffer[40];
    char* p = std::end(buffer);
    for (int i = 0; i < cut.nPlaces; ++i, cut.nScaled /= 10) *--p = char('0' + cut.nScaled % 10);
    if (cut.nPlaces > 0) *--p = '.';
    // Whole groups of three from the table, then the leading digits.
    for (; cut.nScaled >= 1000; cut.nScaled /= 1000) {
        p -= 3;
        std::memcpy(p, &kThreeDigits[3 * (cut.nScaled % 1000)], 3);
        if (bSeparators) *--p = ',';
    }
    do {
        *--p = char('0' + cut.nScaled % 10);
        cut.nScaled /= 10;
    } while (cut.nScaled > 0);
    if (cut.bNegative) *--p = '-';
    return CString(p, int(std::end(buffer) - p));
}

// Both operands are exact, so the quotient is the double nearest to the
// text, which is what strtod reads.
double CutValue(const CutNumber& cut)
{
    const double scaled = double(cut.nScaled);
    const double value = cut.nPlaces > 0 ? scaled / double(kPowersOfTen[cut.nPlaces]) : scaled;
    return cut.bNegative ? -value : value;
}

CString PrintedDecimalText(int nDecimals, double dValue, BOOL bTrimZeros)
{
    const bool negative = !(dValue >= 0);
    // The magnitude; adding 0.0 makes a negative zero print without its sign.
    dValue = negative ? -dValue : dValue + 0.0;
    CString text;
    text.Format("%f", dValue);
    const int dot = text.Find('.');
    const CString integer = dot < 0 ? text : text.Left(dot);
    CString fraction = dot < 0 ? CString() : text.Mid(dot + 1);
    if (nDecimals >= 0) fraction = fraction.Left(nDecimals);
    if (bTrimZeros) fraction.TrimRight('0');
    text = fraction.IsEmpty() ? integer : integer + "." + fraction;
    return negative ? "-" + text : text;
}

} // namespace

CString FormatDecimalText(int nDecimals, double dValue, BOOL bTrimZeros)
{
    CutNumber cut;
    return CutDecimal(nDecimals, dValue, cut) ? CutText(cut, bTrimZeros, false)
                                               : PrintedDecimalText(nDecimals, dValue, bTrimZeros);
}

double ReadDecimalText(int nDecimals, double dValue)
{
    // A whole amount reads back as itself; adding 0.0 drops the sign of a zero.
    if (std::fabs(dValue) < kFastLimit && dValue == double(int64_t(dValue))) return dValue + 0.0;
    // From 2^53 up every double is whole, so its text reads back as itself;
    // printing and reading hundreds of digits would take long.
    if (std::isfinite(dValue) && std::fabs(dValue) >= kWholeFrom) return dValue;
    CutNumber cut;
    return CutDecimal(nDecimals, dValue, cut) ? CutValue(cut)
                                               : ParseDouble(PrintedDecimalText(nDecimals, dValue, FALSE));
}

void InsertThousandsSeparator(CString& str)
{
    CString sign;
    CString rest = str;
    if (rest.GetAt(0) == '-') {
        sign = "-";
        rest = rest.Mid(1);
    }
    const int dot = rest.Find('.');
    CString integer = dot < 0 ? rest : rest.Left(dot);
    CString fraction = dot < 0 ? CString() : rest.Mid(dot);
    integer.Remove(',');
    fraction.Remove(',');
    const int n = integer.GetLength();
    CString grouped;
    for (int i = 0; i < n; ++i) {
        grouped += integer[i];
        const int remaining = n - 1 - i;
        if (n >= 3 && remaining > 0 && remaining % 3 == 0) grouped += ',';
    }
    str = sign + grouped + fraction;
}

CString FormatNumberText(int nDecimals, double dValue, BOOL bTrimZeros)
{
    CutNumber cut;
    if (CutDecimal(nDecimals, dValue, cut)) return CutText(cut, bTrimZeros, true);
    CString text = PrintedDecimalText(nDecimals, dValue, bTrimZeros);
    InsertThousandsSeparator(text);
    return text;
}

CString FormatFullWidthNumber(int n)
{
    static const char kDigits[] = "０１２３４５６７８９";
    if (n < 0 || n > 9999) {
        CString text;
        text.Format("%d", n);
        return text;
    }
    const int digits[4] = {n / 1000, n / 100 % 10, n / 10 % 10, n % 10};
    CString text;
    bool started = false;
    for (int i = 0; i < 4; ++i) {
        started = started || digits[i] != 0 || i == 3;
        if (started) text += CString(kDigits + 2 * digits[i], 2);
    }
    return text;
}
