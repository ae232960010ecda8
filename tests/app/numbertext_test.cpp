#include <QLineEdit>
#include <gtest/gtest.h>

#include "app/common/formkit.h"
#include "app/common/numbertext.h"
#include "formtest.h"

TEST(NumberText, InsertAndDeleteComma)
{
    const struct {
        const char* pszIn;
        const char* pszWith;
        const char* pszWithout;
    } cases[] = {
        {"1234567.891", "1,234,567.891", "1234567.891"},
        {"-1234", "-1,234", "-1234"},
        {"12", "12", "12"},
        {"1,2,3", "123", "123"},
        {"123456", "123,456", "123456"},
        {"-0.5", "-0.5", "-0.5"},
    };
    for (const auto& c : cases) {
        CString with = c.pszIn;
        InsertComma(with);
        EXPECT_EQ(with, c.pszWith) << c.pszIn;
        CString without = with;
        DeleteComma(without);
        EXPECT_EQ(without, c.pszWithout) << c.pszIn;
    }
}

TEST(NumberText, NumbersToTextAndBack)
{
    const struct {
        int nDecimals;
        double dValue;
        BOOL bTrim;
        const char* pszPlain;
        const char* pszFormatted;
    } cases[] = {
        {2, 1.239, FALSE, "1.23", "1.23"},
        {-1, 2.5, TRUE, "2.5", "2.5"},
        {0, 3.7, FALSE, "3", "3"},
        {2, -0.001, FALSE, "-0.00", "-0.00"},
        {-1, 1234567.25, TRUE, "1234567.25", "1,234,567.25"},
        {-1, 100, TRUE, "100", "100"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DoubleToStr(c.nDecimals, c.dValue, c.bTrim), c.pszPlain) << c.dValue;
        EXPECT_EQ(FormatNumber(c.nDecimals, c.dValue, c.bTrim), c.pszFormatted) << c.dValue;
    }
    EXPECT_DOUBLE_EQ(CommaStrToDouble("1,234,567.25"), 1234567.25);
    EXPECT_DOUBLE_EQ(CommaStrToDouble("-1,000"), -1000);
    EXPECT_DOUBLE_EQ(CommaStrToDouble("abc"), 0);
}

TEST(NumberText, FullWidthDigitsAndDates)
{
    EXPECT_EQ(NumberToFullWidth(1005), "１００５");
    EXPECT_EQ(NumberToFullWidth(57), "５７");
    EXPECT_EQ(NumberToFullWidth(0), "０");
    EXPECT_EQ(FormatDateFullWidth(22, 4, 1), "２２年４月１日");
}

TEST(NumberText, SafeFileNames)
{
    const struct {
        const char* pszIn;
        const char* pszOut;
    } cases[] = {
        {"a/b:c.prj", "a_b_c"},
        {"x.y.z", "x_y"},
        {"", ""},
        {".prj", ""},
        {"a\"b*c?d\\e|f", "a_b_c_d_e_f"},
        // The second byte of 表 and ソ is a backslash: the characters stay whole.
        {"表ソ計画.PRJ", "表ソ計画"},
    };
    for (const auto& c : cases) EXPECT_EQ(MakeSafeFileName(c.pszIn), c.pszOut) << c.pszOut;
}

TEST(NumberText, KillFocusFormatting)
{
    const struct {
        const char* pszText;
        double dEmpty;
        const char* pszAll;
        const char* pszIfEmpty;
    } cases[] = {
        {"", 0, "0", "0"},
        {"", 1500, "1,500", "1,500"},
        {"1234567", 0, "1,234,567", "1234567"},
        {"1,2345", 0, "12,345", "1,2345"},
    };
    for (const auto& c : cases) {
        QLineEdit all;
        QLineEdit ifEmpty;
        SetWindowText(&all, c.pszText);
        SetWindowText(&ifEmpty, c.pszText);
        FormatEditNumber(&all, c.dEmpty);
        FormatEditNumberIfEmpty(&ifEmpty, c.dEmpty);
        EXPECT_EQ(GetWindowText(&all), c.pszAll) << c.pszText;
        EXPECT_EQ(GetWindowText(&ifEmpty), c.pszIfEmpty) << c.pszText;
    }
    QLineEdit edit;
    SetWindowText(&edit, "1,234.5");
    EXPECT_EQ(GetWindowTextNoComma(&edit), "1,234.5");
    EXPECT_EQ(GetWindowText(&edit), "1234.5");
}

// The range check of a decimal shows the decimal prompt with its bounds as
// they are, and fails only while saving.
TEST(NumberText, RangeChecksOfTheValueExchange)
{
    ScriptedMessageBoxes boxes;
    CFormWidget form;
    const struct {
        double dValue;
        double dMin;
        double dMax;
        const char* pszPrompt;
    } cases[] = {
        {100.5, 0, 100, "0 から 100 までの数値を入力してください。"},
        {-0.1, 0.5, 99.9, "0.5 から 99.9 までの数値を入力してください。"},
        {50, 0, 100, nullptr},
        {100, 0, 100, nullptr},
    };
    for (const auto& c : cases) {
        boxes.m_texts.clear();
        CDataExchange save(&form, TRUE);
        DDV_DoubleRange(&save, c.dValue, c.dMin, c.dMax);
        EXPECT_EQ(save.m_bFailed, c.pszPrompt != nullptr) << c.dValue;
        if (c.pszPrompt) {
            ASSERT_EQ(boxes.m_texts.size(), 1u);
            EXPECT_EQ(boxes.m_texts[0], c.pszPrompt);
            EXPECT_EQ(boxes.m_types[0], MB_ICONEXCLAMATION);
        }
        CDataExchange load(&form, FALSE);
        DDV_DoubleRange(&load, c.dValue, c.dMin, c.dMax);
        EXPECT_FALSE(load.m_bFailed);
    }
    boxes.m_texts.clear();
    CDataExchange save(&form, TRUE);
    DDV_LongRange(&save, 51, 1, 50);
    EXPECT_TRUE(save.m_bFailed);
    ASSERT_EQ(boxes.m_texts.size(), 1u);
    EXPECT_EQ(boxes.m_texts[0], "1 から 50 までの整数を入力してください。");
}
