// Number texts of the result tables, the result pages and the text export.
#pragma once

#include "platform/cstring.h"

// "%f" of the magnitude cut (not rounded) at nDecimals places (-1: all six),
// trailing zeros dropped when bTrimZeros is set, "-" in front of a negative value.
CString FormatDecimalString(int nDecimals, double dValue, BOOL bTrimZeros);
// Groups the integer digits by three from the right; commas already there are removed first.
void InsertNumberComma(CString& str);
// Mark of a figure too large to show: what lies beyond the int range would
// pass for the limit of a conversion, never a result.
extern const char kFigureTooLargeMark[];
// The cell text of an amount: FormatDecimalString with thousands separators;
// empty for a value that is not finite, the mark for one too large to show.
CString FormatResultNumber(int nDecimals, double dValue, BOOL bTrimZeros);
// Full-width digits without leading zeros, for 0 to 9999.
CString NumberToFullWidth(int n);

// A yield in percent at two places, rounded half away from zero whatever the
// rounding settings (adding 0.005 before the cut would round negatives up).
CString FormatYieldText(double dYield);
