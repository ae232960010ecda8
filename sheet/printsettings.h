// The four print settings a record library keeps for its sheets.
#pragma once

#include "platform/cdc.h"

struct CSheetPrintSettings {
    LOGFONT m_lfFont;
    LOGFONT m_lfTitleFont;
    LOGPEN m_lpPen;
    LOGPEN m_lpFramePen;

    // Body and title font from copies of the settings; on failure nothing stays created.
    BOOL CreateFonts(CFont& font, CFont& titleFont) const
    {
        LOGFONT lf = m_lfFont, lfTitle = m_lfTitleFont;
        if (!font.CreateFontIndirect(&lf)) return FALSE;
        if (titleFont.CreateFontIndirect(&lfTitle)) return TRUE;
        font.DeleteObject();
        return FALSE;
    }
    // Line pen and frame pen, likewise.
    BOOL CreatePens(CPen& pen, CPen& framePen) const
    {
        LOGPEN lp = m_lpPen, lpFrame = m_lpFramePen;
        if (!pen.CreatePenIndirect(&lp)) return FALSE;
        if (framePen.CreatePenIndirect(&lpFrame)) return TRUE;
        pen.DeleteObject();
        return FALSE;
    }
};
