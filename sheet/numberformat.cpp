#include "sheet/numberformat.h"

CString FormatDecimalText(int nDecimals, double dValue, BOOL bTrimZeros)
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
    CString text = FormatDecimalText(nDecimals, dValue, bTrimZeros);
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
