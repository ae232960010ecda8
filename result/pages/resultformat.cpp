#include "result/pages/resultformat.h"

#include <cmath>

#include "sheet/numberformat.h"

namespace {

// Figures from this magnitude up are not shown.
constexpr double kLargestShown = 2147483647.0;

} // namespace

const char kFigureTooLargeMark[] = "####";

// The result pages write their numbers by the rules of the printed sheets.
CString FormatDecimalString(int nDecimals, double dValue, BOOL bTrimZeros)
{
    return FormatDecimalText(nDecimals, dValue, bTrimZeros);
}

void InsertNumberComma(CString& str)
{
    InsertThousandsSeparator(str);
}

CString FormatResultNumber(int nDecimals, double dValue, BOOL bTrimZeros)
{
    // A damaged record field the steps never read shows as an empty cell.
    if (!std::isfinite(dValue)) return CString();
    if (!(std::fabs(dValue) < kLargestShown)) return kFigureTooLargeMark;
    return FormatNumberText(nDecimals, dValue, bTrimZeros);
}

CString NumberToFullWidth(int n)
{
    return FormatFullWidthNumber(n);
}

CString FormatYieldText(double dYield)
{
    return FormatResultNumber(2, dYield < 0 ? dYield - 0.005 : dYield + 0.005, FALSE);
}
