#include "result/pages/resultformat.h"

#include "sheet/numberformat.h"

// The printed sheets write their numbers by the same rules, except that they
// keep the sign of a negative zero: a zero is written unsigned here.
CString FormatDecimalString(int nDecimals, double dValue, BOOL bTrimZeros)
{
    return FormatDecimalText(nDecimals, dValue == 0.0 ? 0.0 : dValue, bTrimZeros);
}

void InsertNumberComma(CString& str)
{
    InsertThousandsSeparator(str);
}

CString FormatResultNumber(int nDecimals, double dValue, BOOL bTrimZeros)
{
    CString text = FormatDecimalString(nDecimals, dValue, bTrimZeros);
    InsertNumberComma(text);
    return text;
}

CString NumberToFullWidth(int n)
{
    return FormatFullWidthNumber(n);
}
