#include "platform/recorddc.h"

#include <QImage>
#include <algorithm>

#include "platform/codepage.h"

CRecordDC::CRecordDC()
{
    SetMapMode(MM_HIMETRIC);
}

std::vector<CDrawRecord> CRecordDC::RecordsOf(CDrawRecord::Kind kind) const
{
    std::vector<CDrawRecord> out;
    std::copy_if(m_records.begin(), m_records.end(), std::back_inserter(out),
                 [kind](const CDrawRecord& r) { return r.kind == kind; });
    return out;
}

std::vector<std::string> CRecordDC::Texts() const
{
    std::vector<std::string> out;
    for (const CDrawRecord& r : m_records)
        if (r.kind == CDrawRecord::Text) out.push_back(r.text);
    return out;
}

int CRecordDC::GetDeviceCaps(int nIndex) const
{
    switch (nIndex) {
    case LOGPIXELSX:
    case LOGPIXELSY: return 2540; // one device unit per 0.01 mm
    case HORZSIZE: return 210;
    case VERTSIZE: return 297;
    case HORZRES: return 21000;
    case VERTRES: return 29700;
    default: return 0;
    }
}

CDrawRecord& CRecordDC::Add(CDrawRecord::Kind kind)
{
    CDrawRecord& r = m_records.emplace_back();
    r.kind = kind;
    r.origin = GetWindowOrg();
    r.font = GetCurrentLogFont();
    r.pen = GetCurrentLogPen();
    r.color = GetTextColor();
    return r;
}

BOOL CRecordDC::DoLine(POINT from, POINT to)
{
    Add(CDrawRecord::Line).rc = CRect(from.x, from.y, to.x, to.y);
    return TRUE;
}

BOOL CRecordDC::DoRectangle(const RECT& rc, bool bFill, bool)
{
    CDrawRecord& r = Add(CDrawRecord::Rectangle);
    r.rc = rc;
    if (bFill) r.color = GetCurrentBrush().GetColor();
    if (bFill && GetCurrentBrush().GetStyle() == BS_HATCHED) r.hatch = GetCurrentBrush().GetHatch();
    return TRUE;
}

BOOL CRecordDC::DoEllipse(const RECT& rc)
{
    Add(CDrawRecord::Ellipse).rc = rc;
    return TRUE;
}

BOOL CRecordDC::DoPolyline(const std::vector<POINT>& pts, bool bClosed)
{
    Add(bClosed ? CDrawRecord::Polygon : CDrawRecord::Polyline).points = pts;
    return TRUE;
}

void CRecordDC::DoFillRect(const RECT& rc, COLORREF crColor)
{
    CDrawRecord& r = Add(CDrawRecord::FillRect);
    r.rc = rc;
    r.color = crColor;
}

BOOL CRecordDC::DoImage(const RECT& rc, const QImage& image)
{
    CDrawRecord& r = Add(CDrawRecord::Image);
    r.rc = rc;
    r.image = CSize(image.width(), image.height());
    return TRUE;
}

BOOL CRecordDC::DoText(int x, int y, const char* pch, int nCount, const std::vector<int>& advances,
                       const RECT* pClip)
{
    CDrawRecord& r = Add(CDrawRecord::Text);
    r.rc = CRect(x, y, x, y);
    r.text = CP932ToUtf8(pch, size_t(nCount));
    r.advances = advances;
    if (pClip) r.clip = CRect(*pClip);
    return TRUE;
}

BOOL CRecordDC::DoRectVisible(const RECT& rc) const
{
    if (!m_visible) return TRUE;
    CRect r = CRect(rc).Normalized();
    r.OffsetRect(-GetWindowOrg().x, -GetWindowOrg().y);
    CRect v = m_visible->Normalized();
    return r.left < v.right && v.left < r.right && r.top < v.bottom && v.top < r.bottom;
}
