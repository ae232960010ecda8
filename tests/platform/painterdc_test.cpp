#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <utility>
#include <cstdio>
#include <gtest/gtest.h>

#include "platform/painterdc.h"
#include "tests/data/testsheet.h"
#include "tests/support/render.h"

TEST(PainterDC, JapaneseFontsAreTheIpaFaces)
{
    EXPECT_EQ(QFontInfo(CPainterDC::MakeFont(SheetBodyFont(), 20)).family(), "IPAMincho");
    EXPECT_EQ(QFontInfo(CPainterDC::MakeFont(SheetTitleFont(), 20)).family(), "IPAGothic");
}

TEST(PainterDC, SheetRendersToPngWithJapaneseLabels)
{
    UseSheetPrintSettings(SetDataPrintFont, SetDataPrintTitleFont, SetDataPrintPen, SetDataPrintFramePen);

    CTestSheetRecord record;
    record.m_dAmount = 1234567;
    record.SetTitle("プロジェクト概要");
    record.CreatePrintArray(1);
    QImage image = RenderSheet([&](CDC* pDC) { record.ReportDraw(pDC); }, 210, 40);
    record.DestroyPrintArray();
    SaveArtifact(image, "data_test_sheet");

    // Title, labels and frame are drawn: ink in the title band and in the label cell.
    const double dpmm = 150 / 25.4;
    EXPECT_GT(CountInk(image.copy(QRect(int(15 * dpmm), int(15 * dpmm), int(40 * dpmm), int(8 * dpmm)))), 50);
    const QRect label(int(15.5 * dpmm), int(23 * dpmm), int(38 * dpmm), int(4 * dpmm));
    EXPECT_GT(CountInk(image.copy(label)), 50);
    // A missing glyph is drawn as the same box each time; two different kanji are not alike.
    QImage first = image.copy(QRect(int(20 * dpmm), int(23 * dpmm), int(4 * dpmm), int(4 * dpmm)));
    QImage second = image.copy(QRect(int(24 * dpmm), int(23 * dpmm), int(4 * dpmm), int(4 * dpmm)));
    EXPECT_NE(first, second);
}

namespace {

// Rows [first, last] of an image that hold ink; (-1, -1) when none.
std::pair<int, int> InkRows(const QImage& image)
{
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0) first = y;
                last = y;
                break;
            }
    return {first, last};
}

} // namespace

// A positive height is the cell: ascent and descent with the face's internal
// leading, so the glyphs are smaller and stay clear of rules at the cell's
// edges. A negative height is the glyphs' em.
TEST(PainterDC, APositiveFontHeightIsTheCellAndANegativeOneTheEm)
{
    struct Case {
        LOGFONT lf;
        int nHeight;
    } cases[] = {{SheetBodyFont(), 100}, {SheetTitleFont(), 100}, {SheetBodyFont(), 28}};
    for (const Case& c : cases) {
        LOGFONT cell = c.lf, em = c.lf;
        cell.lfHeight = c.nHeight;
        em.lfHeight = -c.nHeight;
        const int cellEm = CPainterDC::MakeFont(cell, c.nHeight).pixelSize();
        EXPECT_LT(cellEm, c.nHeight * 0.95) << c.nHeight;
        EXPECT_GT(cellEm, c.nHeight * 0.8) << c.nHeight;
        EXPECT_EQ(CPainterDC::MakeFont(em, c.nHeight).pixelSize(), c.nHeight);
    }

    // Kanji drawn at the top of a 100-pixel cell keep inside it with room below.
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CPainterDC dc(&painter);
    LOGFONT lf = SheetBodyFont();
    lf.lfHeight = 100;
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    dc.SelectObject(&font);
    dc.TextOut(10, 100, "漢字費");
    painter.end();
    const auto [first, last] = InkRows(image);
    EXPECT_GE(first, 100);
    EXPECT_LT(last, 100 + 95);
}
