// Shared set-up of the result page tests: a recording device context in
// MM_LOMETRIC and print settings whose body font gives H = 40 and A = 20.
#pragma once

#include "platform/recorddc.h"
#include "result/pages/resultobject.h"
#include "result/pages/resultprint.h"

class CLometricRecordDC : public CRecordDC {
public:
    CLometricRecordDC() { SetMapMode(MM_LOMETRIC); }
};

// Body font 40 high (average width 20), title font 48, thin line pen, 0.3 mm frame pen.
inline void SetTestPrintSettings(int nBodyHeight = 40)
{
    LOGFONT body, title;
    body.lfHeight = nBodyHeight;
    title.lfHeight = 48;
    LOGPEN line, frame;
    frame.lopnWidth.x = 3;
    SetResultPrintFont(&body);
    SetResultPrintTitleFont(&title);
    SetResultPrintPen(&line);
    SetResultPrintFramePen(&frame);
}

// A row that counts how many of its kind are destroyed.
class CCountedRow : public CResultObjectClass {
public:
    ~CCountedRow() override { ++s_nDestroyed; }
    static inline int s_nDestroyed = 0;
};
