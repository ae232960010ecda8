// A device context that keeps every primitive for geometry tests, with the
// fixed-pitch metrics of the base and one device unit per 0.01 mm.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/cdc.h"

struct CDrawRecord {
    enum Kind { Line, Rectangle, Ellipse, Polyline, Polygon, FillRect, Text, Image };
    Kind kind = Line;
    CRect rc;                  // line ends, shape box, or the text's left/top in left and top
    std::vector<POINT> points; // polylines and polygons
    CPoint origin;             // window origin when drawn
    std::string text;          // UTF-8
    std::vector<int> advances;
    std::optional<CRect> clip;
    LOGFONT font;
    LOGPEN pen;
    COLORREF color = 0;        // text or fill colour
    int hatch = -1;            // hatch pattern of a rectangle's fill, -1 for a solid one
    CSize image;               // pixel size of a stretched picture
};

class CRecordDC : public CDC {
public:
    CRecordDC();
    const std::vector<CDrawRecord>& Records() const { return m_records; }
    void ClearRecords() { m_records.clear(); }
    std::vector<CDrawRecord> RecordsOf(CDrawRecord::Kind kind) const;
    // Texts in drawing order.
    std::vector<std::string> Texts() const;
    // Visible area, in logical coordinates less the window origin; none means all.
    void SetVisibleRect(const CRect& rc) { m_visible = rc; }
    int GetDeviceCaps(int nIndex) const override;

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
    CDrawRecord& Add(CDrawRecord::Kind kind);

    std::vector<CDrawRecord> m_records;
    std::optional<CRect> m_visible;
};
