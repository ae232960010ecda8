#include "option/optionbusiness.h"
#include "tests/option/optionsamples.h"
#include "tests/option/optiontest.h"
#include "tests/support/utf8.h"

namespace {

bool SameBusiness(const COptionBusinessRateClass& a, const COptionBusinessRateClass& b)
{
    return SameArray(a.m_anApply, b.m_anApply, 21) && SameArray(a.m_astrExpenseName, b.m_astrExpenseName, 10) &&
           SameArray(a.m_astrAmortizeName, b.m_astrAmortizeName, 4);
}

bool SameAdvance(const COptionAdvanceClass& a, const COptionAdvanceClass& b)
{
    for (int k = 0; k < 8; ++k)
        if (a.m_aRate[k].dSecurityRate != b.m_aRate[k].dSecurityRate ||
            a.m_aRate[k].dDepositRate != b.m_aRate[k].dDepositRate)
            return false;
    return SameArray(a.m_astrTypeName, b.m_astrTypeName, 8);
}

using BusinessSheetTest = OptionSheetTest;

} // namespace

TEST(OptionBusiness, CopiesKeepEveryValue)
{
    COptionBusinessRateClass business;
    FillSample(business);
    business.SetTitle("事業割合");
    business.m_nPage = 1;
    business.m_anPrintFlag[0][3] = 1;
    ExpectCopiesKeepValues(business, SameBusiness);

    COptionAdvanceClass advance;
    FillSample(advance);
    advance.m_nPage = 1;
    ExpectCopiesKeepValues(advance, SameAdvance);
}

TEST(OptionBusiness, InitDataKeepsTheItemNamesButNotTheCategoryNames)
{
    COptionBusinessRateClass business;
    FillSample(business);
    business.m_nPage = 1;
    business.m_anPrintFlag[0][2] = 1;
    business.SetTitle("x");
    business.InitData();
    for (int n : business.m_anApply) EXPECT_EQ(n, 0);
    EXPECT_EQ(business.m_astrExpenseName[9], "その他経費10");
    EXPECT_EQ(business.m_astrAmortizeName[0], "繰延資産1");
    EXPECT_EQ(business.m_nPage, 0);
    EXPECT_EQ(business.m_anPrintFlag[0][2], 0);
    EXPECT_TRUE(business.m_strTitle.IsEmpty());

    COptionAdvanceClass advance;
    FillSample(advance);
    advance.DestroyData(); // resets like InitData
    for (const tagADVANCERATE& rate : advance.m_aRate) {
        EXPECT_EQ(rate.dSecurityRate, 0.0);
        EXPECT_EQ(rate.dDepositRate, 0.0);
    }
    for (const CString& name : advance.m_astrTypeName) EXPECT_TRUE(name.IsEmpty());
}

TEST_F(BusinessSheetTest, ItemsPrintTheirNamesAndTheirChoice)
{
    COptionBusinessRateClass r;
    FillSample(r);
    r.m_anApply[0] = 0;
    r.m_anApply[7] = 1;
    r.m_anApply[20] = 2; // not a choice: ticks neither cell
    r.CreatePrintArray(1);
    const CObArray* pData = r.m_apData[0];

    // Cells 21 + 2j ("設定") and 22 + 2j ("非設定").
    const std::vector<int> ticked = Ticked(pData);
    auto isTicked = [&](int i) { return std::find(ticked.begin(), ticked.end(), i) != ticked.end(); };
    EXPECT_TRUE(isTicked(21) && !isTicked(22));
    EXPECT_TRUE(!isTicked(35) && isTicked(36));
    EXPECT_TRUE(!isTicked(61) && !isTicked(62));
    EXPECT_EQ(ticked.size(), 20u);

    struct Name { int j; const char* text; int x1, row; };
    const Name names[] = {
        {0, "公租公課", 0, 1},    {4, "火災保険料", 0, 5},       {5, "その他経費5", 0, 6},
        {10, "その他経費10", 0, 11}, {11, "保証金支払利息", 9200, 1}, {14, "減価償却－附帯", 9200, 4},
        {15, "繰延資産1", 9200, 5}, {18, "繰延資産4", 9200, 8},      {19, "創業費", 9200, 9},
        {20, "工事中の経費", 9200, 10},
    };
    for (const Name& n : names) {
        SCOPED_TRACE(n.j);
        const CPrintItemClass* cell = ItemAt(pData, n.j);
        EXPECT_EQ(cell->m_strText, n.text);
        EXPECT_EQ(cell->m_nAlign, 1);
        EXPECT_EQ(cell->m_nX1, n.x1);
        EXPECT_EQ(cell->m_nY1, -500 * n.row);
    }
    // The names of items 1 to 4 are stored but never printed: those rows have their own labels.
    r.ReportDraw(&m_dc);
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(TextsOf(m_dc, CP932ToUtf8(Numbered("その他経費", i))).empty());
    EXPECT_EQ(TextsOf(m_dc, U8(u8"設定")).size(), 21u);
    EXPECT_EQ(TextsOf(m_dc, U8(u8"非設定")).size(), 21u);
    r.DestroyPrintArray();
}

TEST_F(BusinessSheetTest, AdvanceRatesPrintEveryDecimalDepositsFirst)
{
    COptionAdvanceClass r;
    FillSample(r);
    r.m_aRate[0] = {100.0, 12.5}; // guarantee money 100, deposits 12.5
    r.m_aRate[1] = {0.0, 33.25};
    r.CreatePrintArray(1);
    const CObArray* pData = r.m_apData[0];
    struct Cell { int i; const char* text; int align; int x1; };
    const Cell cells[] = {
        {0, "住宅", 1, 0},     {7, "その他", 1, 0},   {8, "12.5", 2, 6000},
        {9, "100", 2, 8400},   {10, "33.25", 2, 6000}, {11, "0", 2, 8400},
    };
    for (const Cell& c : cells) {
        SCOPED_TRACE(c.i);
        EXPECT_EQ(ItemAt(pData, c.i)->m_strText, c.text);
        EXPECT_EQ(ItemAt(pData, c.i)->m_nAlign, c.align);
        EXPECT_EQ(ItemAt(pData, c.i)->m_nX1, c.x1);
    }
    // "％" after each rate, deposits in column 20, guarantee money in 26.
    EXPECT_EQ(ItemAt(r.m_apSubItem[0], 0)->m_strText, "％");
    EXPECT_EQ(ItemAt(r.m_apSubItem[0], 0)->m_nX1, 8000);
    EXPECT_EQ(ItemAt(r.m_apSubItem[0], 15)->m_nX1, 10400);
    EXPECT_EQ(ItemAt(r.m_apSubItem[0], 15)->m_nY1, -4000);
    r.ReportDraw(&m_dc);
    EXPECT_EQ(TextsOf(m_dc, U8(u8"％")).size(), 16u);
    EXPECT_EQ(m_dc.Texts()[1], U8(u8"項目名"));
    r.DestroyPrintArray();
}
