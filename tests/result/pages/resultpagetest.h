// Shared set-up of the result page tests: a recording device context in
// MM_LOMETRIC, print settings whose body font gives H = 40 and A = 20, and
// rendering of a report through QPainter.
#pragma once

#include <QImage>

#include "platform/recorddc.h"
#include "result/pages/resultobject.h"
#include "result/pages/resultprint.h"
#include "result/pages/tavresult.h"
#include "tests/support/render.h"

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

// The sheet fonts with body 28 high and title 32, the sheet line pen, a 0.3 mm frame pen.
inline void UseResultSheetSettings()
{
    LOGFONT body = SheetBodyFont(), title = SheetTitleFont();
    body.lfHeight = 28;
    title.lfHeight = 32;
    LOGPEN line = SheetLinePen(), frame = SheetFramePen();
    frame.lopnWidth.x = 3;
    SetResultPrintFont(&body);
    SetResultPrintTitleFont(&title);
    SetResultPrintPen(&line);
    SetResultPrintFramePen(&frame);
}

// Report nKind of years 0 to 10 on the result's paper with 15 mm margins.
inline QImage RenderReport(CTavResultClass& result, int nKind)
{
    for (int s = 0; s < 11; ++s) result.SetYear(s, s);
    result.SetItemFlag(nKind);
    return RenderLometric([&](CDC* pDC) { result.ReportDraw(pDC, 1); },
                          result.m_sizePaper.cx / 10.0 + 30, result.m_sizePaper.cy / 10.0 + 30);
}

// A row that counts how many of its kind are destroyed.
class CCountedRow : public CResultObjectClass {
public:
    ~CCountedRow() override { ++s_nDestroyed; }
    static inline int s_nDestroyed = 0;
};
