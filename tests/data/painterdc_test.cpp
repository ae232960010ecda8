#include <QFontInfo>
#include <QImage>
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
    LOGFONT body = SheetBodyFont(), title = SheetTitleFont();
    LOGPEN pen = SheetLinePen(), frame = SheetFramePen();
    SetDataPrintFont(&body);
    SetDataPrintTitleFont(&title);
    SetDataPrintPen(&pen);
    SetDataPrintFramePen(&frame);

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
