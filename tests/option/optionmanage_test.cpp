#include "option/optionmanage.h"
#include "tests/option/optionsamples.h"
#include "tests/option/optiontest.h"
#include "tests/support/utf8.h"

namespace {

bool SameExpense(const COptionExpenseManageClass& a, const COptionExpenseManageClass& b)
{
    for (int i = 0; i < 24; ++i)
        if (a.m_aManage[i].nManage != b.m_aManage[i].nManage || a.m_aManage[i].nPayment != b.m_aManage[i].nPayment)
            return false;
    return true;
}

bool SameOther(const COptionOtherManageClass& a, const COptionOtherManageClass& b)
{
    return a.m_nStartupYear == b.m_nStartupYear && SameArray(a.m_anProrate, b.m_anProrate, 4) &&
           a.m_nYieldFormula == b.m_nYieldFormula && SameArray(a.m_astrAmortizeName, b.m_astrAmortizeName, 4) &&
           a.m_nMinusSurplus == b.m_nMinusSurplus && a.m_nOwnFundTime == b.m_nOwnFundTime;
}

using ManageSheetTest = OptionSheetTest;

} // namespace

TEST(OptionManage, CopiesKeepEveryValue)
{
    COptionExpenseManageClass expense;
    FillSample(expense);
    expense.m_nPage = 1;
    ExpectCopiesKeepValues(expense, SameExpense);

    COptionOtherManageClass other;
    FillSample(other);
    other.SetTitle("x");
    ExpectCopiesKeepValues(other, SameOther);
}

TEST(OptionManage, InitDataPaysTheMortgageFeeAtCompletion)
{
    COptionExpenseManageClass expense;
    FillSample(expense);
    expense.InitData();
    for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(expense.m_aManage[i].nManage, 0) << i;
        EXPECT_EQ(expense.m_aManage[i].nPayment, i == 21 ? 2 : 0) << i;
    }
    COptionOtherManageClass other;
    FillSample(other);
    other.DestroyData();
    EXPECT_TRUE(SameOther(other, COptionOtherManageClass()));
    EXPECT_EQ(other.m_nStartupYear, 0);
    EXPECT_TRUE(other.m_astrAmortizeName[3].IsEmpty());
}

TEST_F(ManageSheetTest, ExpenseBlocksPrintRowsFifteenToTwentyThree)
{
    COptionExpenseManageClass r;
    r.m_aManage[16].nPayment = 3;
    r.m_aManage[17] = {3, 1};
    r.m_aManage[18].nManage = 4; // no such booking: ticks none
    r.CreatePrintArray(1);
    // A new record: every row at "土地価格算入" and "着工時払", the mortgage fee at "竣工時払".
    struct Case { int n; std::vector<int> ticked; };
    const Case cases[] = {{15, {0, 4}}, {16, {0, 7}}, {17, {3, 5}}, {18, {4}}, {21, {0, 6}}, {23, {0, 4}}};
    for (const Case& c : cases) EXPECT_EQ(Ticked(r.m_apData[c.n]), c.ticked) << c.n;
    EXPECT_EQ(ItemAt(r.m_apSubItem[16], 7)->m_strText, "3期分割払");
    EXPECT_EQ(ItemAt(r.m_apData[16], 7)->m_nX1, 36 * 400);
    EXPECT_EQ(ItemAt(r.m_apSubItem[21], 6)->m_strText, "竣工時払");
    EXPECT_EQ(ItemAt(r.m_apData[21], 6)->m_nX1, 27 * 400);
    EXPECT_EQ(ItemAt(r.m_apData[21], 6)->m_nY1, -1000);

    // Pages outside 15 to 23 have no block.
    for (int n : {0, 14, 24, 29, 30, -1}) {
        EXPECT_FALSE(r.SetDataData(n)) << n;
        EXPECT_FALSE(r.SetItemData(n)) << n;
    }
    r.m_aManage[15].nManage = 2;
    EXPECT_TRUE(r.SetDataData(15));
    EXPECT_EQ(Ticked(r.m_apData[15]), (std::vector<int>{2, 4}));

    r.m_anPrintFlag[0][0] = 1; // no title
    r.m_anPrintFlag[20][2] = 1; // block 20 without labels
    r.ReportDraw(&m_dc);
    const char* labels[] = {"建設期間中地代", "固定資産税・都市計画税", "不動産取得税（土地）", "登録免許税（土地）",
                            "不動産取得税（建物）", "登録免許税（建物）", "抵当権設定登記料", "事業所税", "地価税"};
    for (int n = 15; n <= 23; ++n) {
        SCOPED_TRACE(n);
        auto found = TextsOf(m_dc, CP932ToUtf8(labels[n - 15]));
        if (n == 20) {
            EXPECT_TRUE(found.empty());
        } else {
            ASSERT_EQ(found.size(), 1u);
            EXPECT_EQ(found[0].origin.y, 1500 * (n - 15));
        }
    }
    EXPECT_TRUE(TextsOf(m_dc, U8(u8"工事費")).empty());
    EXPECT_EQ(TextsOf(m_dc, U8(u8"経理処理方法")).size(), 8u);
    EXPECT_EQ(m_dc.GetWindowOrg(), CPoint(0, 8 * 1500 + 2000));
    r.DestroyPrintArray();
}

TEST_F(ManageSheetTest, OtherManagementPrintsYearsAndChoices)
{
    COptionOtherManageClass r;
    FillSample(r);
    r.m_nYieldFormula = 3; // stored by the data screen; no box on the sheet
    r.CreatePrintArray(1);
    const CObArray* pData = r.m_apData[0];
    EXPECT_EQ(ItemAt(pData, 0)->m_strText, "5");
    EXPECT_EQ(ItemAt(pData, 0)->m_nAlign, 2);
    EXPECT_EQ(ItemAt(r.m_apSubItem[0], 0)->m_strText, "年");
    EXPECT_EQ(ItemAt(r.m_apSubItem[0], 0)->m_nX1, 28 * 400);
    // Prorating 0,1,0,1; own funds at completion, negative surplus shown; no yield box.
    EXPECT_EQ(Ticked(pData), (std::vector<int>{5, 8, 9, 12, 17, 19}));
    EXPECT_EQ(ItemAt(r.m_apSubItem[0], 14)->m_strText, "マイナス表示");
    EXPECT_EQ(ItemAt(pData, 17)->m_nX2, ItemAt(r.m_apSubItem[0], 14)->m_nX1);
    EXPECT_EQ(ItemAt(r.m_apSubItem[0], 16)->m_strText, "竣工時");
    EXPECT_EQ(ItemAt(pData, 19)->m_nX2, ItemAt(r.m_apSubItem[0], 16)->m_nX1);
    // Amortisation items 2 and 3 sit in the right half.
    EXPECT_EQ(ItemAt(pData, 3)->m_strText, "償却項目3");
    EXPECT_EQ(ItemAt(pData, 3)->m_nX1, 22 * 400);
    EXPECT_EQ(ItemAt(pData, 3)->m_nY1, -2000);

    for (int v = 0; v < 3; ++v) {
        r.m_nYieldFormula = v;
        EXPECT_TRUE(r.SetDataData(0));
        const std::vector<int> ticked = Ticked(pData);
        EXPECT_EQ(std::count_if(ticked.begin(), ticked.end(), [](int i) { return i >= 13 && i <= 15; }), 1);
        EXPECT_NE(std::find(ticked.begin(), ticked.end(), 13 + v), ticked.end());
    }
    EXPECT_FALSE(r.SetDataData(1));

    r.ReportDraw(&m_dc);
    EXPECT_EQ(TextsOf(m_dc, U8(u8"÷（当初自己資金 ＋ 当初借入金）")).size(), 1u);
    EXPECT_EQ(TextsOf(m_dc, U8(u8"創業償却年数")).size(), 2u);
    r.DestroyPrintArray();
}
