#include "tests/support/render.h"

#include <QPainter>
#include <cstdio>
#include <cstdlib>

#include "platform/painterdc.h"

namespace {

LOGFONT MakeFont(int nPoints, const char* pszFace)
{
    LOGFONT lf;
    lf.lfHeight = MulDiv(nPoints, 2540, 72);
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    std::snprintf(lf.lfFaceName, LF_FACESIZE, "%s", pszFace);
    return lf;
}

} // namespace

LOGFONT SheetBodyFont() { return MakeFont(11, "ＭＳ 明朝"); }
LOGFONT SheetTitleFont() { return MakeFont(12, "ＭＳ ゴシック"); }

LOGPEN SheetLinePen()
{
    return LOGPEN{};
}

LOGPEN SheetFramePen()
{
    LOGPEN lp;
    lp.lopnWidth.x = 30;
    return lp;
}

namespace {

// A white page of the given size at 150 dpi, drawn in the map mode with the window origin.
QImage Render(const std::function<void(CDC*)>& draw, double dWidthMm, double dHeightMm, int nMapMode, CPoint ptOrg)
{
    const double dpmm = 150 / 25.4;
    QImage image(int(dWidthMm * dpmm), int(dHeightMm * dpmm), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(dpmm * 1000 + 0.5));
    image.setDotsPerMeterY(int(dpmm * 1000 + 0.5));
    image.fill(Qt::white);
    QPainter painter(&image);
    CPainterDC dc(&painter);
    dc.SetMapMode(nMapMode);
    dc.SetWindowOrg(ptOrg);
    draw(&dc);
    return image;
}

} // namespace

QImage RenderSheet(const std::function<void(CDC*)>& draw, double dWidthMm, double dHeightMm)
{
    return Render(draw, dWidthMm, dHeightMm, MM_HIMETRIC, CPoint(-1500, 1500));
}

QImage RenderLometric(const std::function<void(CDC*)>& draw, double dWidthMm, double dHeightMm)
{
    return Render(draw, dWidthMm, dHeightMm, MM_LOMETRIC, CPoint(-150, 150));
}

void SaveArtifact(const QImage& image, const std::string& name)
{
    const char* dir = std::getenv("TAV_ARTIFACT_DIR");
    image.save(QString::fromStdString(std::string(dir ? dir : TAV_ARTIFACT_DIR) + "/" + name + ".png"));
}

int CountInk(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++n;
    return n;
}

int CountRed(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) > 180 && qGreen(p) < 100 && qBlue(p) < 100) ++n;
        }
    return n;
}

void UseSheetPrintSettings(void (*pfnFont)(LOGFONT*), void (*pfnTitleFont)(LOGFONT*), void (*pfnPen)(LOGPEN*),
                           void (*pfnFramePen)(LOGPEN*))
{
    LOGFONT body = SheetBodyFont(), title = SheetTitleFont();
    LOGPEN pen = SheetLinePen(), frame = SheetFramePen();
    pfnFont(&body);
    pfnTitleFont(&title);
    pfnPen(&pen);
    pfnFramePen(&frame);
}
