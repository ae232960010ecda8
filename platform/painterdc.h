// A device context that draws through QPainter: window, preview, printer, PDF, PNG.
#pragma once

#include <QRect>

#include "platform/cdc.h"

class QFont;
class QPainter;

class CPainterDC : public CDC {
public:
    // The painter's device gives the resolution; the visible area is its whole
    // surface unless SetDeviceClip narrows it.
    explicit CPainterDC(QPainter* pPainter);
    void SetDeviceClip(const QRect& rc) { m_rcVisible = rc; }
    int GetDeviceCaps(int nIndex) const override;

    // The Qt font that a LOGFONT becomes when |lfHeight| is dPixelHeight
    // pixels: a positive height is the cell (ascent and descent with the
    // internal leading), so the glyphs' em is smaller; a negative one is the em.
    static QFont MakeFont(const LOGFONT& lf, double dPixelHeight);

protected:
    BOOL DoLine(POINT from, POINT to) override;
    BOOL DoRectangle(const RECT& rc, bool bFill, bool bOutline) override;
    BOOL DoEllipse(const RECT& rc) override;
    BOOL DoPolyline(const std::vector<POINT>& pts, bool bClosed) override;
    void DoFillRect(const RECT& rc, COLORREF crColor) override;
    BOOL DoImage(const RECT& rc, const QImage& image) override;
    BOOL DoText(int x, int y, const char* pch, int nCount, const std::vector<int>& advances,
                const RECT* pClip) override;
    BOOL DoRectVisible(const RECT& rc) const override;

private:
    QRect DeviceRect(const RECT& rc) const;
    void ApplyPen(bool bOutline);
    void ApplyBrush(bool bFill);

    QPainter* m_pPainter;
    QRect m_rcVisible;
};
