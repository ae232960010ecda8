#include "platform/painterdc.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QRawFont>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <mutex>

#include "platform/codepage.h"

namespace {

QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

Qt::BrushStyle ToQtHatch(int nHatch)
{
    switch (nHatch) {
    case HS_CROSS: return Qt::CrossPattern;
    case HS_DIAGCROSS: return Qt::DiagCrossPattern;
    default: return Qt::BDiagPattern;
    }
}

Qt::PenStyle ToQtPenStyle(UINT nStyle)
{
    switch (nStyle) {
    case PS_DASH: return Qt::DashLine;
    case PS_DOT: return Qt::DotLine;
    case PS_DASHDOT: return Qt::DashDotLine;
    case PS_DASHDOTDOT: return Qt::DashDotDotLine;
    case PS_NULL: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

// The system's Japanese faces are served by the IPA fonts.
QString ToQtFamily(const char* pszFace)
{
    const QString face = QString::fromStdString(CP932ToUtf8(pszFace, std::strlen(pszFace)));
    const bool proportional = face.contains(QStringLiteral(u"Ｐ"));
    if (face.contains(QStringLiteral(u"ゴシック")))
        return proportional ? QStringLiteral("IPAPGothic") : QStringLiteral("IPAGothic");
    if (face.isEmpty() || face.contains(QStringLiteral(u"明朝")))
        return proportional ? QStringLiteral("IPAPMincho") : QStringLiteral("IPAMincho");
    return face;
}

// The cell of a face per em: its Windows ascent and descent, internal
// leading included; a face without them gives its own ascent and descent.
double MeasureCellPerEm(const QFont& font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.fontTable("OS/2");
    const double em = raw.unitsPerEm();
    if (os2.size() >= 78 && em > 0) {
        const auto* p = reinterpret_cast<const uchar*>(os2.constData());
        const double cell = qFromBigEndian<quint16>(p + 74) + qFromBigEndian<quint16>(p + 76);
        if (cell > 0) return cell / em;
    }
    const QFontMetricsF metrics(font);
    return (metrics.ascent() + metrics.descent()) / std::max(1, font.pixelSize());
}

double CellPerEm(const QFont& font)
{
    static std::mutex mutex;
    static std::map<QString, double> cells;
    const std::lock_guard<std::mutex> lock(mutex);
    const QString key = font.family() + QString::number(font.weight()) + (font.italic() ? "i" : "");
    auto it = cells.find(key);
    if (it == cells.end()) it = cells.emplace(key, MeasureCellPerEm(font)).first;
    return it->second;
}

// Paper has no pixel: a pen of width 0, one pixel on the screen, is drawn
// this wide there (points); dashes and hatches take the size of a 96 dpi
// screen's pixels.
constexpr double kPaperHairlinePt = 0.25;
constexpr double kScreenPixelPt = 0.75;
// A hatch's lines are this many pixels apart.
constexpr int kHatchStep = 8;

} // namespace

CPainterDC::CPainterDC(QPainter* pPainter) : m_pPainter(pPainter)
{
    if (QPaintDevice* device = pPainter->device())
        m_rcVisible = QRect(0, 0, device->width(), device->height());
}

int CPainterDC::GetDeviceCaps(int nIndex) const
{
    const QPaintDevice* device = m_pPainter->device();
    switch (nIndex) {
    case LOGPIXELSX: return device->logicalDpiX();
    case LOGPIXELSY: return device->logicalDpiY();
    case HORZRES: return device->width();
    case VERTRES: return device->height();
    case HORZSIZE: return device->widthMM();
    case VERTSIZE: return device->heightMM();
    default: return 0;
    }
}

QFont CPainterDC::MakeFont(const LOGFONT& lf, double dPixelHeight)
{
    QFont font(ToQtFamily(lf.lfFaceName));
    font.setPixelSize(100);
    if (lf.lfWeight > 0) font.setWeight(QFont::Weight(std::clamp<int>(lf.lfWeight, 100, 900)));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    font.setHintingPreference(QFont::PreferNoHinting);
    const double em = lf.lfHeight < 0 ? dPixelHeight : dPixelHeight / CellPerEm(font);
    font.setPixelSize(std::max(1, int(std::lround(em))));
    if (lf.lfWidth > 0 && lf.lfHeight != 0)
        font.setStretch(std::clamp(int(std::lround(200.0 * lf.lfWidth / std::abs(lf.lfHeight))), 1, 4000));
    return font;
}

QRect CPainterDC::DeviceRect(const RECT& rc) const
{
    POINT pts[2] = {{rc.left, rc.top}, {rc.right, rc.bottom}};
    LPtoDP(pts, 2);
    return QRect(QPoint(std::min(pts[0].x, pts[1].x), std::min(pts[0].y, pts[1].y)),
                 QPoint(std::max(pts[0].x, pts[1].x) - 1, std::max(pts[0].y, pts[1].y) - 1));
}

void CPainterDC::ApplyPen(bool bOutline)
{
    const LOGPEN& lp = GetCurrentLogPen();
    if (!bOutline || lp.lopnStyle == PS_NULL) {
        m_pPainter->setPen(Qt::NoPen);
        return;
    }
    QPen pen(ToQColor(lp.lopnColor));
    pen.setStyle(ToQtPenStyle(lp.lopnStyle));
    pen.setWidthF(lp.lopnWidth.x > 0 ? lp.lopnWidth.x * std::abs(ScaleX()) : 0.0);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (IsPaper()) WidenForPaper(pen);
    m_pPainter->setPen(pen);
}

bool CPainterDC::IsPaper() const
{
    const QPaintEngine* engine = m_pPainter->paintEngine();
    return m_pPainter->device()->devType() == QInternal::Printer || (engine && engine->type() == QPaintEngine::Pdf);
}

void CPainterDC::WidenForPaper(QPen& pen) const
{
    if (pen.widthF() == 0 && pen.style() != Qt::SolidLine && pen.style() != Qt::NoPen) {
        QList<qreal> dashes = pen.dashPattern();
        for (qreal& d : dashes) d *= kScreenPixelPt / kPaperHairlinePt;
        pen.setDashPattern(dashes);
    }
    pen.setWidthF(std::max(pen.widthF(), kPaperHairlinePt * GetDeviceCaps(LOGPIXELSX) / 72));
}

QFont CPainterDC::TextFont(const TEXTMETRIC& tm) const
{
    QFont font = MakeFont(GetCurrentLogFont(), tm.tmHeight * std::abs(ScaleY()));
    if (!IsPaper()) return font;
    const double own = QFontMetricsF(font, m_pPainter->device()).horizontalAdvance(QChar(0x3000));
    const double cell = 2 * tm.tmAveCharWidth * std::abs(ScaleX());
    const int stretch = font.stretch() > 0 ? font.stretch() : 100;
    if (own > 0) font.setStretch(std::clamp(int(std::lround(stretch * cell / own)), 1, 4000));
    return font;
}

void CPainterDC::ApplyBrush(bool bFill, const QPainterPath& shape)
{
    const CBrush& brush = GetCurrentBrush();
    if (!bFill || brush.GetStyle() == BS_NULL) {
        m_pPainter->setBrush(Qt::NoBrush);
    } else if (brush.GetStyle() != BS_HATCHED) {
        m_pPainter->setBrush(ToQColor(brush.GetColor()));
    } else if (!IsPaper()) {
        m_pPainter->setBrush(QBrush(ToQColor(brush.GetColor()), ToQtHatch(brush.GetHatch())));
    } else {
        DrawPaperHatch(shape, brush);
        m_pPainter->setBrush(Qt::NoBrush);
    }
}

void CPainterDC::DrawPaperHatch(const QPainterPath& shape, const CBrush& brush)
{
    const double pixel = GetDeviceCaps(LOGPIXELSX) * kScreenPixelPt / 72;
    const double step = kHatchStep * pixel;
    const QRectF box = shape.boundingRect();
    // Lines y = c, x = c, x + y = c and x - y = c at whole steps of c over the box.
    QPainterPath lines;
    auto add = [&](double from, double to, const std::function<QLineF(double)>& line) {
        for (double c = std::floor(from / step) * step; c <= to; c += step) {
            lines.moveTo(line(c).p1());
            lines.lineTo(line(c).p2());
        }
    };
    const int hatch = brush.GetHatch();
    if (hatch == HS_CROSS) {
        add(box.top(), box.bottom(), [&](double c) { return QLineF(box.left(), c, box.right(), c); });
        add(box.left(), box.right(), [&](double c) { return QLineF(c, box.top(), c, box.bottom()); });
    } else {
        add(box.left() + box.top(), box.right() + box.bottom(),
            [&](double c) { return QLineF(c - box.top(), box.top(), c - box.bottom(), box.bottom()); });
        if (hatch == HS_DIAGCROSS)
            add(box.left() - box.bottom(), box.right() - box.top(),
                [&](double c) { return QLineF(c + box.top(), box.top(), c + box.bottom(), box.bottom()); });
    }
    m_pPainter->save();
    m_pPainter->setClipPath(shape, Qt::IntersectClip);
    m_pPainter->strokePath(lines, QPen(ToQColor(brush.GetColor()), pixel));
    m_pPainter->restore();
}

BOOL CPainterDC::DoLine(POINT from, POINT to)
{
    POINT pts[2] = {from, to};
    LPtoDP(pts, 2);
    ApplyPen(true);
    m_pPainter->drawLine(QPoint(pts[0].x, pts[0].y), QPoint(pts[1].x, pts[1].y));
    return TRUE;
}

BOOL CPainterDC::DoRectangle(const RECT& rc, bool bFill, bool bOutline)
{
    const QRect rect = DeviceRect(rc);
    QPainterPath shape;
    shape.addRect(rect);
    ApplyPen(bOutline);
    ApplyBrush(bFill, shape);
    m_pPainter->drawRect(rect);
    return TRUE;
}

BOOL CPainterDC::DoEllipse(const RECT& rc)
{
    const QRect rect = DeviceRect(rc);
    QPainterPath shape;
    shape.addEllipse(rect);
    ApplyPen(true);
    ApplyBrush(true, shape);
    m_pPainter->drawEllipse(rect);
    return TRUE;
}

BOOL CPainterDC::DoPolyline(const std::vector<POINT>& pts, bool bClosed)
{
    QPolygon polygon;
    for (POINT pt : pts) {
        LPtoDP(&pt);
        polygon << QPoint(pt.x, pt.y);
    }
    QPainterPath shape;
    shape.addPolygon(polygon);
    ApplyPen(true);
    ApplyBrush(bClosed, shape);
    if (bClosed) m_pPainter->drawPolygon(polygon);
    else m_pPainter->drawPolyline(polygon);
    return TRUE;
}

void CPainterDC::DoFillRect(const RECT& rc, COLORREF crColor)
{
    m_pPainter->fillRect(DeviceRect(rc), ToQColor(crColor));
}

BOOL CPainterDC::DoImage(const RECT& rc, const QImage& image)
{
    if (image.isNull()) return FALSE;
    m_pPainter->drawImage(DeviceRect(rc), image);
    return TRUE;
}

BOOL CPainterDC::DoText(int x, int y, const char* pch, int nCount, const std::vector<int>& advances,
                        const RECT* pClip)
{
    TEXTMETRIC tm;
    DoTextMetrics(&tm);
    const QFont font = TextFont(tm);
    m_pPainter->save();
    m_pPainter->setFont(font);
    m_pPainter->setPen(ToQColor(GetTextColor()));
    if (pClip) m_pPainter->setClipRect(DeviceRect(*pClip), Qt::IntersectClip);
    // The glyphs' box is centred in the cell.
    const QFontMetricsF metrics(font, m_pPainter->device());
    const double cell = font.pixelSize() * CellPerEm(font);
    const double ascent = (cell - metrics.ascent() - metrics.descent()) / 2 + metrics.ascent();
    int advance = 0;
    for (int i = 0; i < nCount;) {
        const int len = (IsCP932LeadByte((unsigned char)pch[i]) && i + 1 < nCount) ? 2 : 1;
        POINT pt{x + advance, y};
        LPtoDP(&pt);
        const QString glyph = QString::fromStdString(CP932ToUtf8(pch + i, size_t(len)));
        m_pPainter->drawText(QPointF(pt.x, pt.y + ascent), glyph);
        for (int k = 0; k < len; ++k) advance += advances[size_t(i + k)];
        i += len;
    }
    m_pPainter->restore();
    return TRUE;
}

BOOL CPainterDC::DoRectVisible(const RECT& rc) const
{
    return DeviceRect(rc).intersects(m_rcVisible);
}
