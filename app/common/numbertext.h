// Number texts of the input screens (thousands separators, full-width digits),
// safe file names, the program folder and the input-method switch.
#pragma once

#include "platform/cstring.h"
#include "result/pages/resultformat.h"  // NumberToFullWidth

class QWidget;
class QLineEdit;

// Inserts thousands separators in place; separators already there are dropped first.
void InsertComma(CString& str);
// Removes every "," in place.
void DeleteComma(CString& str);
// The text without separators read as a number; 0 for a non-number.
double CommaStrToDouble(CString str);
// "%f" cut (not rounded) at nDecimals places (-1: all six), trailing zeros
// dropped when bTrimZeros is set; no separators.
CString DoubleToStr(int nDecimals, double dValue, BOOL bTrimZeros);
// DoubleToStr with thousands separators.
CString FormatNumber(int nDecimals, double dValue, BOOL bTrimZeros);
// Year, month and day in full-width digits, each followed by 年, 月, 日.
CString FormatDateFullWidth(int nYear, int nMonth, int nDay);
// The name without its extension, each of . / : " * ? \ | replaced by "_".
CString MakeSafeFileName(CString strName);
// The folder of the running program, without a trailing separator.
CString GetProgramDirectory();

// Opens (name fields) or closes (numeric fields) the input method of a window.
void SetImeOpenStatus(QWidget* pWnd, BOOL bOpen);

// Returns the edit's text as shown and writes it back without separators.
CString GetWindowTextNoComma(QLineEdit* pWnd);
// Kill-focus formatting: separators removed, an empty text becomes the
// formatted dEmpty, separators inserted, written back.
void FormatEditNumber(QLineEdit* pEdit, double dEmpty);
// Only an empty text (after separator removal) becomes the formatted dEmpty.
void FormatEditNumberIfEmpty(QLineEdit* pEdit, double dEmpty);

// Code page 932 text of an edit and back.
CString GetWindowText(const QLineEdit* pWnd);
void SetWindowText(QLineEdit* pWnd, const CString& str);
