#include <clocale>
#include <gtest/gtest.h>

#include "platform/cstring.h"

TEST(CString, FormatUsesCNumericRulesWhateverTheLocale)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    CString s;
    s.Format("%f|%d|%.2f", 1234.5, -7, 0.125);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_STREQ(s, "1234.500000|-7|0.12");
}

TEST(CString, ByteIndexedOperations)
{
    CString s("プロジェクト名");
    // Seven double-byte characters.
    EXPECT_EQ(s.GetLength(), 14);
    EXPECT_EQ(s.Left(4), CString("プロ"));
    EXPECT_EQ(s.Mid(12), CString("名"));
    EXPECT_EQ(s.Right(2), CString("名"));
    EXPECT_EQ(s.Mid(100), CString(""));
    EXPECT_EQ(s.Left(-1), CString(""));

    CString t("a,b,,c");
    EXPECT_EQ(t.Find(','), 1);
    EXPECT_EQ(t.Find(",,"), 3);
    EXPECT_EQ(t.Find('z'), -1);
    EXPECT_EQ(t.ReverseFind(','), 4);
    EXPECT_EQ(t.Remove(','), 3);
    EXPECT_EQ(t, "abc");
    t.Insert(1, "xy");
    EXPECT_EQ(t, "axybc");
    EXPECT_EQ(t.Replace("xy", "-"), 1);
    EXPECT_EQ(t, "a-bc");
    t.Delete(0, 2);
    EXPECT_EQ(t, "bc");
}

TEST(CString, TrimAndCompare)
{
    CString s("  12.30  ");
    s.Trim();
    EXPECT_EQ(s, "12.30");
    s.TrimRight('0');
    EXPECT_EQ(s, "12.3");
    EXPECT_EQ(CString("abc").CompareNoCase("ABC"), 0);
    EXPECT_LT(CString("abc").Compare("abd"), 0);
    EXPECT_TRUE(CString("b") > CString("a"));
    EXPECT_EQ(CString("x") + "y" + CString('z'), CString("xyz"));
}

TEST(CString, BufferAccess)
{
    CString s;
    char* p = s.GetBuffer(16);
    std::snprintf(p, 16, "%s", "abc");
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), 3);
    EXPECT_EQ(s, "abc");
}

#include "platform/cobject.h"
#include "platform/cruntime.h"

TEST(CObArray, BoundsAndGrowth)
{
    CObject a, b;
    CObArray array;
    EXPECT_EQ(array.GetAt(0), nullptr);
    array.SetAtGrow(2, &a);
    EXPECT_EQ(array.GetSize(), 3);
    EXPECT_EQ(array.GetAt(1), nullptr);
    EXPECT_EQ(array.GetAt(2), &a);
    array.SetAtGrow(-1, &b);
    EXPECT_EQ(array.GetSize(), 3);
    array.InsertAt(0, &b);
    EXPECT_EQ(array.GetAt(3), &a);
    array.RemoveAt(0, 10);
    EXPECT_TRUE(array.IsEmpty());
    EXPECT_EQ(array.GetAt(-1), nullptr);
}

TEST(CRuntime, ParseDoubleReadsTheCNumberWhateverTheLocale)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    const double value = ParseDouble("1234.5abc");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(value, 1234.5);
    EXPECT_EQ(ParseDouble(""), 0.0);
    EXPECT_EQ(ParseDouble(nullptr), 0.0);
    EXPECT_EQ(ParseDouble("-0.25"), -0.25);
}
