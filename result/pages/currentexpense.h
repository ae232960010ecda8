// Recurring expenses page.
#pragma once

#include "platform/cstring.h"
#include "result/pages/resultbase.h"

// Page 16: recurring expenses, fifteen blocks of item, content and amount.
class CResultCurrentExpenseClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};

// Line n (from 1) of a text of "\n"-separated lines, the last line when it
// has fewer; the whole text for n = 0.
CString GetResultTextLine(CString strText, int n);
