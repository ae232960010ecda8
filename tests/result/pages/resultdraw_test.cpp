#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

#include "result/pages/resultdraw.h"
#include "tests/result/pages/resultpagetest.h"
#include "tests/support/utf8.h"

TEST(ResultPrintSettings, SettersCopyTheWholeStructureAndIgnoreNull)
{
    LOGFONT body;
    body.lfHeight = 28;
    std::strcpy(body.lfFaceName, "ＭＳ 明朝");
    SetResultPrintFont(&body);
    body.lfHeight = 99;
    EXPECT_EQ(GetResultPrintFont()->lfHeight, 28);
    EXPECT_STREQ(GetResultPrintFont()->lfFaceName, "ＭＳ 明朝");
    SetResultPrintFont(nullptr);
    EXPECT_EQ(GetResultPrintFont()->lfHeight, 28);

    LOGFONT title;
    title.lfHeight = 39;
    SetResultPrintTitleFont(&title);
    EXPECT_EQ(GetResultPrintTitleFont()->lfHeight, 39);

    LOGPEN line, frame;
    line.lopnStyle = PS_DOT;
    frame.lopnWidth.x = 3;
    frame.lopnColor = RGB(1, 2, 3);
    SetResultPrintPen(&line);
    SetResultPrintFramePen(&frame);
    SetResultPrintFramePen(nullptr);
    EXPECT_EQ(GetResultPrintPen()->lopnStyle, PS_DOT);
    EXPECT_EQ(GetResultPrintFramePen()->lopnWidth.x, 3);
    EXPECT_EQ(GetResultPrintFramePen()->lopnColor, RGB(1, 2, 3));

    SetPaperSize(12);
    EXPECT_EQ(TavrinResultDLL.m_nPaperSize, 12);
}

TEST(ResultPrintSettings, FontsAndPensAreCreatedFromTheSettingsOrNotAtAll)
{
    SetTestPrintSettings();
    CFont body, title;
    ASSERT_TRUE(CreateResultPrintFont(&body, &title));
    EXPECT_EQ(body.GetLogFont().lfHeight, 40);
    EXPECT_EQ(title.GetLogFont().lfHeight, 48);
    CPen line, frame;
    ASSERT_TRUE(CreateResultPrintPen(&line, &frame));
    EXPECT_EQ(frame.GetLogPen().lopnWidth.x, 3);

    // The second object cannot be made (it already holds one): the first is deleted again.
    CFont body2;
    EXPECT_FALSE(CreateResultPrintFont(&body2, &title));
    EXPECT_FALSE(body2.IsCreated());
    CPen line2;
    EXPECT_FALSE(CreateResultPrintPen(&line2, &frame));
    EXPECT_FALSE(line2.IsCreated());
}

TEST(ResultPrimitives, LinePenKeepsTheStyleInDarkBlueAndReturnsTheOldWidth)
{
    CLometricRecordDC dc;
    CPen dotted(PS_DOT, 7, RGB(0, 0, 0));
    dc.SelectObject(&dotted);
    CPen thick, thin;
    EXPECT_EQ(SelectResultLinePen(&dc, FALSE, &thick), 7);
    EXPECT_EQ(dc.GetCurrentLogPen().lopnStyle, PS_DOT);
    EXPECT_EQ(dc.GetCurrentLogPen().lopnWidth.x, 2);
    EXPECT_EQ(dc.GetCurrentLogPen().lopnColor, RGB(0, 0, 150));
    EXPECT_EQ(SelectResultLinePen(&dc, TRUE, &thin), 2);
    EXPECT_EQ(dc.GetCurrentLogPen().lopnWidth.x, 0);
    EXPECT_EQ(dc.SelectObject(&dotted), &thin);
}

TEST(ResultPrimitives, FillTakesBothXFirstDrawsNoOutlineAndRestoresPenAndBrush)
{
    CLometricRecordDC dc;
    CPen pen(PS_SOLID, 0, RGB(0, 0, 0));
    CBrush brush(RGB(9, 9, 9));
    dc.SelectObject(&pen);
    dc.SelectObject(&brush);
    FillResultRect(&dc, 10, 200, -30, -80, TRUE);
    FillResultRect(&dc, 0, 5, 0, -5, FALSE);

    const auto rects = dc.RecordsOf(CDrawRecord::Rectangle);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].rc, CRect(10, -30, 200, -80));
    EXPECT_EQ(rects[0].color, RGB(200, 235, 235));
    EXPECT_EQ(rects[0].pen.lopnStyle, PS_NULL);
    EXPECT_EQ(rects[1].color, RGB(255, 255, 225));
    EXPECT_EQ(dc.SelectObject(static_cast<CPen*>(nullptr)), &pen);
    EXPECT_EQ(dc.SelectObject(static_cast<CBrush*>(nullptr)), &brush);
}

TEST(ResultPrimitives, BracketDrawsTopLeftAndBottomInThatOrder)
{
    CLometricRecordDC dc;
    const CRect rc(100, -50, 400, -250);
    DrawResultBracket(&dc, &rc);
    const auto lines = dc.RecordsOf(CDrawRecord::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rc, CRect(100, -50, 400, -50));
    EXPECT_EQ(lines[1].rc, CRect(100, -50, 100, -250));
    EXPECT_EQ(lines[2].rc, CRect(100, -250, 400, -250));
}

TEST(ResultPrimitives, AnEmptyCellTextIsDrawnAsAFullWidthSpaceWithTheSameFlags)
{
    SetTestPrintSettings();
    CFont font;
    font.CreateFontIndirect(GetResultPrintFont());
    const CRect rc(0, 0, 200, -100);
    const UINT nFormat = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
    CLometricRecordDC empty, space;
    empty.SelectObject(&font);
    space.SelectObject(&font);
    DrawResultCellText(&empty, "", &rc, nFormat);
    DrawResultCellText(&space, "　", &rc, nFormat);
    const auto a = empty.RecordsOf(CDrawRecord::Text), b = space.RecordsOf(CDrawRecord::Text);
    ASSERT_EQ(a.size(), 1u);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(a[0].text, U8(u8"　"));
    // Centred: a full-width space is 40 wide and 40 high in a 200 x 100 cell.
    EXPECT_EQ(CPoint(a[0].rc.left, a[0].rc.top), CPoint(80, -30));
    EXPECT_EQ(a[0].rc, b[0].rc);
}

TEST(ResultPrimitives, SpreadingPutsHalfWidthSpacesBetweenCharactersFromTheFirstGap)
{
    const struct {
        const char* pszText;
        int nWidth;
        int nUnit;
        const char* pszSpread;
    } cases[] = {
        {"abc", 100, 20, "a b c"},  // 40 / 20 + 0.5 = 2.5: two spaces
        {"abc", 110, 20, "a  b c"}, // 50 / 20 + 0.5 = 3.0: three, the first gap gets two
        {"abc", 40, 20, "abc"},     // wider than the cell
        {"abc", 65, 20, "abc"},     // 5 / 20 + 0.5 cuts to 0
        {"千円", 120, 20, "千  円"},
        {"a", 500, 20, "a"},
        {"・項目", 400, 20, "・項目"},
        {"　項目", 400, 20, "　項目"},
        {"", 400, 20, "　"},
        // No character width: nothing to divide by, the text stays.
        {"abc", 100, 0, "abc"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DrawResultMultiLineText(0, 0, c.nWidth, -40, c.pszText, c.nUnit), c.pszSpread)
            << c.pszText << " in " << c.nWidth;
        // A rectangle given right to left is normalised first.
        EXPECT_EQ(DrawResultMultiLineText(c.nWidth, -40, 0, 0, c.pszText, c.nUnit), c.pszSpread);
    }
}

TEST(ResultPrimitives, FittedLinesShareTheBoxAndSitOnTheCharacterGrid)
{
    CFont font;
    LOGFONT lf;
    lf.lfHeight = 50;
    font.CreateFontIndirect(&lf);
    const CRect rc(0, 0, 200, -200);
    const struct {
        int nAlign;
        int nLeft;
    } cases[] = {{0, 0}, {1, 80}, {2, 150}};
    for (const auto& c : cases) {
        CLometricRecordDC dc;
        dc.SelectObject(&font);
        DrawResultFitText(&dc, "ab\ncd", rc, 20, c.nAlign);
        const auto texts = dc.RecordsOf(CDrawRecord::Text);
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(CPoint(texts[0].rc.left, texts[0].rc.top), CPoint(c.nLeft, -25)) << "align " << c.nAlign;
        EXPECT_EQ(CPoint(texts[1].rc.left, texts[1].rc.top), CPoint(c.nLeft, -100)) << "align " << c.nAlign;
        EXPECT_EQ(texts[1].text, "cd");
        EXPECT_EQ(texts[0].advances, (std::vector<int>{20, 20}));
        ASSERT_TRUE(texts[0].clip.has_value());
        EXPECT_EQ(*texts[0].clip, CRect(c.nLeft, -25, 200, -75));
    }

    CLometricRecordDC dc;
    dc.SelectObject(&font);
    DrawResultFitText(&dc, "千\n\nb", rc, 20, 0);
    const auto texts = dc.RecordsOf(CDrawRecord::Text);
    ASSERT_EQ(texts.size(), 2u); // the empty middle line draws nothing but keeps its place
    EXPECT_EQ(texts[0].advances, (std::vector<int>{40, 0}));

    CLometricRecordDC hidden;
    hidden.SetVisibleRect(CRect(1000, -1000, 2000, -2000));
    DrawResultFitText(&hidden, "ab", rc, 20, 0);
    EXPECT_TRUE(hidden.Records().empty());
}

TEST(ResultPrimitives, LayoutRectAndModuleFolder)
{
    const RECT table[] = {{0, 0, 10, -10}, {5, -10, 20, -30}};
    EXPECT_EQ(CRect(GetResultLayoutRect(1, table)), CRect(5, -10, 20, -30));

    const CString folder = GetModulePath();
    ASSERT_FALSE(folder.IsEmpty());
    EXPECT_NE(folder[folder.GetLength() - 1], '/');
    EXPECT_TRUE(std::filesystem::exists(std::string(folder) + "/libTavResultClass.so"));
}
