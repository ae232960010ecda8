// A device context that draws through QPainter: window, preview, printer, PDF, PNG.
#pragma once

#include <QRect>

#include "platform/cdc.h"

class QFont;
class QPainter;
class QPainterPath;
class QPen;

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
    // A printer or a PDF file rather than the screen or a picture.
    bool IsPaper() const;
    // On paper no line is thinner than a hairline of a quarter point.
    void WidenForPaper(QPen& pen) const;
    // The current font; on paper its glyphs fill the advance the layout gives
    // a character, so that viewers read the gapless runs as words.
    QFont TextFont(const TEXTMETRIC& tm) const;
    void ApplyPen(bool bOutline);
    // On paper a hatch fills the shape at once, with the screen's pattern size.
    void ApplyBrush(bool bFill, const QPainterPath& shape);
    // The lines of a hatch, as the screen's pattern draws them, within the shape.
    void DrawPaperHatch(const QPainterPath& shape, const CBrush& brush);

    QPainter* m_pPainter;
    QRect m_rcVisible;
};
