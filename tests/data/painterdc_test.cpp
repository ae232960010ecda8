#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

#include "platform/painterdc.h"
#include "tests/data/testsheet.h"

namespace {

// Counts the pixels of a region that are not white.
int InkIn(const QImage& image, const QRect& rc)
{
    int n = 0;
    for (int y = rc.top(); y <= rc.bottom(); ++y)
        for (int x = rc.left(); x <= rc.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++n;
    return n;
}

} // namespace

TEST(PainterDC, JapaneseFontsAreTheIpaFaces)
{
    LOGFONT mincho;
    std::snprintf(mincho.lfFaceName, LF_FACESIZE, "%s", "ＭＳ 明朝");
    LOGFONT gothic;
    std::snprintf(gothic.lfFaceName, LF_FACESIZE, "%s", "ＭＳ ゴシック");
    EXPECT_EQ(QFontInfo(CPainterDC::MakeFont(mincho, 20)).family(), "IPAMincho");
    EXPECT_EQ(QFontInfo(CPainterDC::MakeFont(gothic, 20)).family(), "IPAGothic");
}

TEST(PainterDC, SheetRendersToPngWithJapaneseLabels)
{
    LOGFONT body, title;
    body.lfHeight = 388;
    std::snprintf(body.lfFaceName, LF_FACESIZE, "%s", "ＭＳ 明朝");
    title.lfHeight = 423;
    std::snprintf(title.lfFaceName, LF_FACESIZE, "%s", "ＭＳ ゴシック");
    SetDataPrintFont(&body);
    SetDataPrintTitleFont(&title);
    LOGPEN pen, frame;
    frame.lopnWidth.x = 30;
    SetDataPrintPen(&pen);
    SetDataPrintFramePen(&frame);

    CTestSheetRecord record;
    record.m_dAmount = 1234567;
    record.m_nChoice = 0;
    record.SetTitle("プロジェクト概要");
    record.CreatePrintArray(1);

    // 200 dpi, a strip 190 mm by 25 mm.
    QImage image(1496, 197, QImage::Format_RGB32);
    image.setDotsPerMeterX(7874);
    image.setDotsPerMeterY(7874);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        CPainterDC dc(&painter);
        dc.SetMapMode(MM_HIMETRIC);
        dc.SetWindowOrg(-500, 200);
        record.ReportDraw(&dc);
    }
    record.DestroyPrintArray();
    if (const char* dir = std::getenv("TAV_ARTIFACT_DIR"))
        image.save(QString::fromLocal8Bit(dir) + "/data_sheet.png");

    // Title, labels and frame are drawn: ink in the title band and in the label cell.
    const double dpmm = 200 / 25.4;
    EXPECT_GT(InkIn(image, QRect(int(5 * dpmm), 0, int(40 * dpmm), int(8 * dpmm))), 50);
    const QRect labelCell(int(5.5 * dpmm), int(10 * dpmm), int(38 * dpmm), int(4 * dpmm));
    EXPECT_GT(InkIn(image, labelCell), 50);
    // A missing glyph is drawn as a box whose ink fills its outline; real kanji do not
    // look alike, so compare the two label glyph images.
    QImage first = image.copy(QRect(int(10 * dpmm), int(10 * dpmm), int(4 * dpmm), int(4 * dpmm)));
    QImage second = image.copy(QRect(int(14 * dpmm), int(10 * dpmm), int(4 * dpmm), int(4 * dpmm)));
    EXPECT_NE(first, second);
}
