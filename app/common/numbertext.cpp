#include "app/common/numbertext.h"

#include <QCoreApplication>
#include <QLineEdit>

#include "platform/qtstring.h"
#include "platform/cruntime.h"

void InsertComma(CString& str)
{
    InsertNumberComma(str);
}

void DeleteComma(CString& str)
{
    str.Remove(',');
}

double CommaStrToDouble(CString str)
{
    DeleteComma(str);
    return ParseDouble(str);
}

CString DoubleToStr(int nDecimals, double dValue, BOOL bTrimZeros)
{
    return FormatDecimalString(nDecimals, dValue, bTrimZeros);
}

CString FormatNumber(int nDecimals, double dValue, BOOL bTrimZeros)
{
    CString str = DoubleToStr(nDecimals, dValue, bTrimZeros);
    InsertComma(str);
    return str;
}

CString FormatDateFullWidth(int nYear, int nMonth, int nDay)
{
    return NumberToFullWidth(nYear) + "年" + NumberToFullWidth(nMonth) + "月" + NumberToFullWidth(nDay) + "日";
}

// Only single-byte characters are replaced: the second byte of a two-byte
// character may equal "\" or "|" and must stay.
CString MakeSafeFileName(CString strName)
{
    if (strName.IsEmpty()) return strName;
    const int nDot = strName.ReverseFind('.');
    if (nDot >= 0) strName = strName.Left(nDot);
    static const char kUnsafe[] = "./:\"*?\\|";
    for (int i = 0; i < strName.GetLength(); ++i) {
        const char ch = strName[i];
        if (IsCP932LeadByte(static_cast<unsigned char>(ch))) {
            ++i;
            continue;
        }
        for (const char* p = kUnsafe; *p; ++p) {
            if (ch == *p) strName.SetAt(i, '_');
        }
    }
    return strName;
}

CString GetProgramDirectory()
{
    return FromQString(QCoreApplication::applicationDirPath());
}

void SetImeOpenStatus(QWidget* pWnd, BOOL bOpen)
{
    if (pWnd) pWnd->setAttribute(Qt::WA_InputMethodEnabled, bOpen != FALSE);
}

CString GetWindowText(const QLineEdit* pWnd)
{
    return FromQString(pWnd->text());
}

void SetWindowText(QLineEdit* pWnd, const CString& str)
{
    pWnd->setText(ToQString(str));
}

CString GetWindowTextNoComma(QLineEdit* pWnd)
{
    const CString strShown = GetWindowText(pWnd);
    CString strPlain = strShown;
    DeleteComma(strPlain);
    SetWindowText(pWnd, strPlain);
    return strShown;
}

namespace {

void FormatEdit(QLineEdit* pEdit, double dEmpty, bool bOnlyEmpty)
{
    CString str = GetWindowText(pEdit);
    DeleteComma(str);
    if (!str.IsEmpty()) {
        if (bOnlyEmpty) return;
    } else {
        str = FormatNumber(-1, dEmpty, TRUE);
    }
    InsertComma(str);
    SetWindowText(pEdit, str);
}

} // namespace

void FormatEditNumber(QLineEdit* pEdit, double dEmpty)
{
    FormatEdit(pEdit, dEmpty, false);
}

void FormatEditNumberIfEmpty(QLineEdit* pEdit, double dEmpty)
{
    FormatEdit(pEdit, dEmpty, true);
}
