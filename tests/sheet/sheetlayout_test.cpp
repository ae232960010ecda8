#include <gtest/gtest.h>

#include "sheet/printitem.h"
#include "sheet/sheetlayout.h"

TEST(SheetLayout, GridRectangles)
{
    RECT rc = GridRect(2, 3, 4, 2);
    EXPECT_EQ(rc.left, 800);
    EXPECT_EQ(rc.top, -1500);
    EXPECT_EQ(rc.right, 2400);
    EXPECT_EQ(rc.bottom, -2500);

    CLayoutTable table;
    table.Box(0, 0, 45).Boxes(0, 1, 5, 1, 3).HLine(4, 0, 45).VLine(10, 0, 4);
    ASSERT_EQ(table.Count(), 6);
    const int* v = table.Data();
    EXPECT_EQ(v[2], 18000);
    EXPECT_EQ(v[4 * 3 + 0], 4000); // third box of the row starts at column 10
    EXPECT_EQ(v[4 * 3 + 1], -500);
    EXPECT_EQ(v[4 * 4 + 1], -2000); // line at the top of row 4
    EXPECT_EQ(v[4 * 5 + 0], 4000);
    EXPECT_EQ(v[4 * 5 + 3], -2000);
}

TEST(SheetLayout, CopyLayoutStopsAtMissingItemsAndShortTables)
{
    CPrintItemArray items;
    for (int i = 0; i < 2; ++i) items.Add(new CPrintItemClass);
    CLayoutTable table;
    table.Box(0, 0, 1).Box(1, 1, 1);
    EXPECT_TRUE(CopyLayoutToPrintArray(&items, table, 0));
    EXPECT_EQ(items.GetItem(1)->m_nX1, 400);
    EXPECT_EQ(items.GetItem(1)->m_nY2, -1000);
    EXPECT_FALSE(CopyLayoutToPrintArray(&items, table, 4)); // one rectangle short
    EXPECT_FALSE(CopyLayoutToPrintArray(nullptr, table, 0));
    items.Add(nullptr);
    EXPECT_FALSE(CopyLayoutToPrintArray(&items, table.Data(), 0));
}

TEST(SheetLayout, CheckGroupTicksOnlyValuesInsideTheGroup)
{
    CPrintItemArray cells;
    for (int i = 0; i < 10; ++i) cells.Add(new CPrintItemClass);
    const struct { int value; int ticked; } cases[] = {{0, 2}, {3, 5}, {7, 9}, {8, -1}, {-1, -1}, {100, -1}};
    for (auto c : cases) {
        ASSERT_TRUE(SetCheckGroup(&cells, 2, 8, c.value));
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(cells.GetItem(i)->m_nCheck, i == c.ticked ? 1 : 0) << "value " << c.value << " cell " << i;
    }
    EXPECT_FALSE(SetCheckGroup(&cells, 5, 8, 0)); // the group runs past the array
    EXPECT_TRUE(SetCellText(&cells, 0, "x", 2));
    EXPECT_FALSE(SetCellText(&cells, 10, "x", 2));
}

TEST(SheetLayout, NumberAndClearedCells)
{
    CPrintItemArray cells;
    for (int i = 0; i < 4; ++i) cells.Add(new CPrintItemClass);
    EXPECT_TRUE(SetNumberCell(&cells, 0, 1234567.25));
    EXPECT_EQ(cells.GetItem(0)->m_strText, "1,234,567.25");
    EXPECT_EQ(cells.GetItem(0)->m_nAlign, kAlignRight);
    EXPECT_TRUE(SetIntegerCell(&cells, 1, 12345));
    EXPECT_EQ(cells.GetItem(1)->m_strText, "12345");
    EXPECT_FALSE(SetNumberCells(&cells, 2, {0.5, -3.0, 7.0}, kAlignLeft)); // one cell short
    EXPECT_EQ(cells.GetItem(2)->m_strText, "0.5");
    EXPECT_EQ(cells.GetItem(3)->m_strText, "-3");
    EXPECT_EQ(cells.GetItem(3)->m_nAlign, kAlignLeft);
    cells.GetItem(2)->m_nCheck = 1;
    EXPECT_TRUE(ClearCells(&cells, 1, 3));
    EXPECT_EQ(cells.GetItem(0)->m_strText, "1,234,567.25");
    for (int i = 1; i < 4; ++i) {
        EXPECT_TRUE(cells.GetItem(i)->m_strText.IsEmpty());
        EXPECT_EQ(cells.GetItem(i)->m_nCheck, 0);
    }
    EXPECT_FALSE(SetNumberCell(&cells, 4, 1.0));
    EXPECT_FALSE(ClearCells(nullptr, 0, 1));
}
