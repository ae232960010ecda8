#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "tests/support/utf8.h"

TEST(CodePage, RoundTripOfJapaneseText)
{
    // Kanji, hiragana, full-width and half-width kana, and the characters
    // where code page 932 and JIS Shift_JIS differ.
    const std::string utf8 = U8(u8"賃貸住宅 あいう アイウ ｱｲｳ ～ － ① ㎡ ￥ 表");
    CString cp = Utf8ToCP932(utf8);
    EXPECT_EQ(CP932ToUtf8(cp), utf8);
}

TEST(CodePage, LiteralsAreCodePage932Bytes)
{
    CString wave("～");
    ASSERT_EQ(wave.GetLength(), 2);
    EXPECT_EQ((unsigned char)wave[0], 0x81);
    EXPECT_EQ((unsigned char)wave[1], 0x60);
    CString sqm("㎡");
    EXPECT_EQ((unsigned char)sqm[0], 0x87);
    EXPECT_EQ((unsigned char)sqm[1], 0x75);
    CString minus("－");
    EXPECT_EQ((unsigned char)minus[0], 0x81);
    EXPECT_EQ((unsigned char)minus[1], 0x7C);
}

TEST(CodePage, LeadBytes)
{
    struct { unsigned char c; bool lead; } cases[] = {
        {0x41, false}, {0x80, false}, {0x81, true}, {0x9F, true}, {0xA0, false},
        {0xB1, false}, {0xDF, false}, {0xE0, true}, {0xFC, true}, {0xFD, false},
    };
    for (auto c : cases) EXPECT_EQ(IsCP932LeadByte(c.c), c.lead) << int(c.c);
}
