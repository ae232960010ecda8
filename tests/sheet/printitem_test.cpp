#include <gtest/gtest.h>

#include "platform/recorddc.h"
#include "sheet/printitem.h"

namespace {

// A 400-high font: cell height 400, average width 200.
class PrintItemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        LOGFONT lf;
        lf.lfHeight = 400;
        m_font.CreateFontIndirect(&lf);
        m_dc.SelectObject(&m_font);
    }
    std::vector<CDrawRecord> Texts() const { return m_dc.RecordsOf(CDrawRecord::Text); }

    CFont m_font;
    CRecordDC m_dc;
};

} // namespace

TEST_F(PrintItemTest, OneLineIsCentredVertically)
{
    // Box two rows high (1000); spare height 600, so the text top is 300 down.
    DrawMultiLineText(&m_dc, "ABC", RECT{0, 0, 4000, -1000}, 200, 0);
    auto texts = Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].rc.left, 0);
    EXPECT_EQ(texts[0].rc.top, -300);
    EXPECT_EQ(texts[0].advances, (std::vector<int>{200, 200, 200}));
    ASSERT_TRUE(texts[0].clip);
    EXPECT_EQ(*texts[0].clip, CRect(0, -300, 4000, -700));
}

TEST_F(PrintItemTest, TwoLinesShareTheBox)
{
    // Slot height 500, spare 100: first line 50 down, second 50 below the first's bottom.
    DrawMultiLineText(&m_dc, "AB\nCD", RECT{0, 0, 4000, -1000}, 200, 0);
    auto texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "AB");
    EXPECT_EQ(texts[0].rc.top, -50);
    EXPECT_EQ(texts[1].text, "CD");
    EXPECT_EQ(texts[1].rc.top, -500);
}

TEST_F(PrintItemTest, HorizontalAlignment)
{
    // "金額" is four bytes: advances 400, 0, 400, 0, width 800; free space 3200.
    DrawMultiLineText(&m_dc, "金額", RECT{0, 0, 4000, -500}, 200, 1);
    DrawMultiLineText(&m_dc, "金額", RECT{0, 0, 4000, -500}, 200, 2);
    auto texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].advances, (std::vector<int>{400, 0, 400, 0}));
    EXPECT_EQ(texts[0].rc.left, 1600);
    // Right alignment leaves half an average width free at the right edge.
    EXPECT_EQ(texts[1].rc.left, 3200 - 100);
}

TEST_F(PrintItemTest, TooWideLineIsLeftAlignedAndClipped)
{
    DrawMultiLineText(&m_dc, "ABCDEFGHIJ", RECT{400, 0, 1200, -500}, 200, 2);
    auto texts = Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].rc.left, 400);
    EXPECT_EQ(texts[0].clip->right, 1200);
}

TEST_F(PrintItemTest, InvisibleBoxDrawsNothing)
{
    m_dc.SetVisibleRect(CRect(0, 0, 18000, -26000));
    DrawMultiLineText(&m_dc, "ABC", RECT{0, -30000, 4000, -31000}, 200, 0);
    EXPECT_TRUE(Texts().empty());
    DrawMultiLineText(&m_dc, "ABC", RECT{0, -25800, 4000, -26800}, 200, 0);
    EXPECT_EQ(Texts().size(), 1u);
}

TEST_F(PrintItemTest, CheckMarkIsATickWithItsOwnPen)
{
    CPen pen(PS_SOLID, 5, RGB(0, 0, 255));
    m_dc.SelectObject(&pen);
    CPrintItemClass item;
    item.m_nX1 = 0;
    item.m_nY1 = 0;
    item.m_nX2 = 400;
    item.m_nY2 = -500;
    item.m_nCheck = 1;
    item.DrawData(&m_dc);
    auto lines = m_dc.RecordsOf(CDrawRecord::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rc, CRect(100, -250, 200, -375));
    EXPECT_EQ(lines[1].rc, CRect(200, -375, 300, -125));
    EXPECT_EQ(lines[0].pen.lopnWidth.x, 20);
    EXPECT_EQ(lines[0].pen.lopnColor, RGB(0, 0, 0));
    // The caller's pen is selected again.
    EXPECT_EQ(m_dc.GetCurrentLogPen().lopnColor, RGB(0, 0, 255));
}

TEST_F(PrintItemTest, ValueCellDrawsTextOrTick)
{
    const struct { const char* text; int check; size_t lines; size_t texts; } cases[] = {
        {"", 1, 2, 0}, {"", 2, 0, 0}, {"", 0, 0, 0}, {"12", 1, 0, 1}, {"12", 0, 0, 1},
    };
    for (auto c : cases) {
        m_dc.ClearRecords();
        CPrintItemClass item;
        item.m_nX2 = 2000;
        item.m_nY2 = -500;
        item.m_strText = c.text;
        item.m_nCheck = c.check;
        item.DrawData(&m_dc);
        EXPECT_EQ(m_dc.RecordsOf(CDrawRecord::Line).size(), c.lines) << c.text << c.check;
        EXPECT_EQ(Texts().size(), c.texts) << c.text << c.check;
    }
}

TEST(PrintItemText, LinesAndByteClasses)
{
    EXPECT_EQ(CountTextLines(""), 1);
    EXPECT_EQ(CountTextLines("a\nb\n"), 3);
    EXPECT_EQ(GetTextLine("a\nbc", 2), CString("bc"));
    EXPECT_EQ(GetTextLine("a\nbc", 5), CString("bc"));
    int widths[8] = {};
    ClassifyMbcsChars("aｱ金", widths);
    EXPECT_EQ(widths[0], 1);
    EXPECT_EQ(widths[1], 1); // half-width kana is one byte
    EXPECT_EQ(widths[2], 2);
    EXPECT_EQ(widths[3], 0);
}
