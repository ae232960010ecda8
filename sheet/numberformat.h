// Number texts of the printed sheets.
#pragma once

#include "platform/cstring.h"

// "%f" cut (not rounded) at nDecimals places (-1: all six), trailing zeros
// dropped when bTrimZeros is set; a negative value keeps its sign.
CString FormatDecimalText(int nDecimals, double dValue, BOOL bTrimZeros);
// The value of that text read back as ParseDouble reads it, without writing it.
double ReadDecimalText(int nDecimals, double dValue);
// Groups the integer digits by three; idempotent.
void InsertThousandsSeparator(CString& str);
CString FormatNumberText(int nDecimals, double dValue, BOOL bTrimZeros);
// Full-width digits for 0 to 9999; half-width digits outside that range.
CString FormatFullWidthNumber(int n);
