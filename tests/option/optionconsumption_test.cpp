#include "option/optionconsumption.h"
#include "tests/option/optionsamples.h"
#include "tests/option/optiontest.h"
#include "tests/support/utf8.h"

namespace {

bool SameCost(const COptionConsumptionCostClass& a, const COptionConsumptionCostClass& b)
{
    return SameArray(a.m_anTax, b.m_anTax, 13) && SameArray(a.m_astrItemName, b.m_astrItemName, 13);
}

bool SameFunds(const COptionConsumptionExpenseClass& a, const COptionConsumptionExpenseClass& b)
{
    for (int i = 0; i < 17; ++i)
        if (a.m_aItem[i].nTax != b.m_aItem[i].nTax || a.m_aItem[i].nManage != b.m_aItem[i].nManage ||
            a.m_aItem[i].bStartRate != b.m_aItem[i].bStartRate)
            return false;
    return SameArray(a.m_astrCostName, b.m_astrCostName, 8);
}

bool SameRental(const COptionConsumptionRentalClass& a, const COptionConsumptionRentalClass& b)
{
    return SameArray(a.m_anTax, b.m_anTax, 6) && a.m_strTypeName == b.m_strTypeName;
}

bool SameIncome(const COptionConsumptionIncomeClass& a, const COptionConsumptionIncomeClass& b)
{
    for (int k = 0; k < 8; ++k)
        if (!SameRental(a.m_aRental[k], b.m_aRental[k])) return false;
    return SameArray(a.m_anOtherTax, b.m_anOtherTax, 6) && a.m_nInterestTax == b.m_nInterestTax &&
           SameArray(a.m_astrIncomeName, b.m_astrIncomeName, 6) && SameArray(a.m_astrTypeName, b.m_astrTypeName, 8);
}

// The construction-funds record with its sheet, as the option holder keeps it.
class FundsSheetTest : public OptionSheetTest {
protected:
    void SetUp() override
    {
        OptionSheetTest::SetUp();
        FillSample(m_funds);
        m_funds.CreatePrintArray(1);
    }
    void TearDown() override { m_funds.DestroyPrintArray(); }

    // Window origin y at which each block's name was drawn, by block.
    std::map<int, int> BlockOrigins() const
    {
        std::map<int, int> origins;
        for (int i = 0; i < 17; ++i) {
            const CString name = i < 9 ? LoadOptionString(350 + i) : m_funds.m_astrCostName[i - 9];
            for (const CDrawRecord& r : TextsOf(m_dc, CP932ToUtf8(name))) origins[i] = r.origin.y;
        }
        return origins;
    }

    COptionConsumptionExpenseClass m_funds;
};

using ConsumptionSheetTest = OptionSheetTest;

} // namespace

TEST(OptionConsumption, CopiesKeepEveryValue)
{
    COptionConsumptionCostClass cost;
    FillSample(cost);
    cost.m_nPage = 1;
    ExpectCopiesKeepValues(cost, SameCost);

    COptionConsumptionExpenseClass funds;
    FillSample(funds);
    funds.m_nPage = 2;
    ExpectCopiesKeepValues(funds, SameFunds);

    COptionConsumptionRentalClass rental;
    FillSample(rental, 1);
    rental.SetTitle("x");
    ExpectCopiesKeepValues(rental, SameRental);

    COptionConsumptionIncomeClass income;
    FillSample(income);
    income.m_anPrintFlag[0][3] = 1;
    ExpectCopiesKeepValues(income, SameIncome);
}

TEST(OptionConsumption, InitDataKeepsStartRatesAndRentalRecords)
{
    COptionConsumptionExpenseClass funds;
    FillSample(funds);
    funds.InitData();
    for (int i = 0; i < 17; ++i) {
        EXPECT_EQ(funds.m_aItem[i].nTax, 0);
        EXPECT_EQ(funds.m_aItem[i].nManage, 0);
        EXPECT_EQ(funds.m_aItem[i].bStartRate, i % 3 == 0) << i;
    }
    for (const CString& name : funds.m_astrCostName) EXPECT_TRUE(name.IsEmpty());
    EXPECT_FALSE(COptionConsumptionExpenseClass().m_aItem[16].bStartRate);

    COptionConsumptionIncomeClass income;
    FillSample(income);
    const COptionConsumptionIncomeClass before(income);
    income.DestroyData();
    for (int k = 0; k < 8; ++k) EXPECT_TRUE(SameRental(income.m_aRental[k], before.m_aRental[k])) << k;
    for (int n : income.m_anOtherTax) EXPECT_EQ(n, 0);
    EXPECT_EQ(income.m_nInterestTax, 0);
    for (const CString& name : income.m_astrIncomeName) EXPECT_TRUE(name.IsEmpty());
    for (const CString& name : income.m_astrTypeName) EXPECT_TRUE(name.IsEmpty());

    COptionConsumptionCostClass cost;
    FillSample(cost);
    cost.InitData();
    EXPECT_TRUE(SameCost(cost, COptionConsumptionCostClass()));
}

TEST_F(FundsSheetTest, FirstPagePrintsBlocksZeroToElevenEachFourRowsBelowTheLast)
{
    m_funds.m_nPage = 1;
    m_funds.ReportDraw(&m_dc);
    ASSERT_EQ(TextsOf(m_dc, U8(u8"建設所要資金の消費税")).size(), 1u);
    const std::map<int, int> origins = BlockOrigins();
    ASSERT_EQ(origins.size(), 12u);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(origins.at(i), 750 + 2000 * i) << i;
    EXPECT_EQ(m_dc.GetWindowOrg(), CPoint(0, 750 + 12 * 2000));
    EXPECT_EQ(TextsOf(m_dc, U8(u8"経理処理")).size(), 12u);
}

TEST_F(FundsSheetTest, SecondPagePrintsOnlyOtherCostsFourToEightBelowTheTitle)
{
    m_funds.m_nPage = 2;
    m_funds.ReportDraw(&m_dc);
    EXPECT_EQ(m_dc.Texts()[0], U8(u8"建設所要資金の消費税"));
    const std::map<int, int> origins = BlockOrigins();
    ASSERT_EQ(origins.size(), 5u);
    for (int i = 12; i < 17; ++i) EXPECT_EQ(origins.at(i), 750 + 2000 * (i - 12)) << i;
    EXPECT_TRUE(TextsOf(m_dc, U8(u8"工事費")).empty());
    EXPECT_EQ(m_dc.GetWindowOrg(), CPoint(0, 750 + 5 * 2000));
}

TEST_F(FundsSheetTest, AnyOtherPageDrawsTheTitleOnly)
{
    for (int nPage : {0, 3, -1}) {
        SCOPED_TRACE(nPage);
        CRecordDC dc;
        m_funds.m_nPage = nPage;
        m_funds.ReportDraw(&dc);
        EXPECT_EQ(dc.Texts(), std::vector<std::string>{U8(u8"建設所要資金の消費税")});
        EXPECT_TRUE(dc.RecordsOf(CDrawRecord::Line).empty());
        EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 750));
    }
}

TEST_F(FundsSheetTest, EachBlockDrawsWithItsOwnPageFlags)
{
    m_funds.m_nPage = 1;
    m_funds.m_anPrintFlag[0][0] = 1; // no title: the blocks start at the top
    m_funds.m_anPrintFlag[3][2] = 1; // block 3 without labels
    m_funds.m_anPrintFlag[5][1] = 1; // block 5 without lines and values
    m_funds.m_anPrintFlag[5][4] = 1;
    m_funds.ReportDraw(&m_dc);
    EXPECT_TRUE(TextsOf(m_dc, U8(u8"建設所要資金の消費税")).empty());
    EXPECT_EQ(TextsOf(m_dc, U8(u8"経理処理")).size(), 11u);
    int nBlock5Lines = 0, nBlock6Lines = 0;
    for (const CDrawRecord& r : m_dc.RecordsOf(CDrawRecord::Line)) {
        nBlock5Lines += r.origin.y == 5 * 2000;
        nBlock6Lines += r.origin.y == 6 * 2000;
    }
    EXPECT_EQ(nBlock5Lines, 0);
    EXPECT_GE(nBlock6Lines, 15); // 4 + 3 + 8 lines and the ticks
    EXPECT_EQ(BlockOrigins().count(5), 0u);
    EXPECT_EQ(m_dc.GetWindowOrg(), CPoint(0, 12 * 2000));
    // The title flag of a block page hides nothing else.
    EXPECT_EQ(m_funds.m_anPrintFlag[4][0], 0);
}

TEST_F(FundsSheetTest, BookingsTickTheirBoxAndNonBusinessExpenditureTicksNone)
{
    struct Case { int nManage; std::vector<int> ticked; };
    const Case cases[] = {{0, {3}}, {1, {4}}, {2, {5}}, {3, {6}}, {4, {7}}, {5, {}}, {-1, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nManage);
        m_funds.m_aItem[9] = {1, c.nManage, FALSE};
        EXPECT_TRUE(m_funds.SetDataData(0));
        std::vector<int> expected{2};
        expected.insert(expected.end(), c.ticked.begin(), c.ticked.end());
        EXPECT_EQ(Ticked(m_funds.m_apData[9]), expected);
    }
    // The name of item 9 is other cost 1, centred across the block.
    EXPECT_EQ(ItemAt(m_funds.m_apData[9], 0)->m_strText, "その他費用1");
    EXPECT_EQ(ItemAt(m_funds.m_apData[9], 0)->m_nX2, 18000);
    EXPECT_EQ(ItemAt(m_funds.m_apData[7], 0)->m_strText, "建設期間中 地代");
}

TEST_F(ConsumptionSheetTest, CostItemsTakeFixedAndProjectNames)
{
    COptionConsumptionCostClass r;
    FillSample(r);
    r.m_anTax[12] = 1;
    r.m_anTax[0] = 0;
    r.CreatePrintArray(1);
    const CObArray* pData = r.m_apData[0];
    struct Name { int j; const char* text; int x1, row; };
    const Name names[] = {{0, "公租公課", 0, 1},         {5, "経費6", 0, 6},      {6, "経費7", 0, 7},
                          {7, "経費8", 8800, 1},         {10, "経費11", 8800, 4},  {11, "保証金支払利息", 8800, 5},
                          {12, "借入金支払利息", 8800, 6}};
    for (const Name& n : names) {
        SCOPED_TRACE(n.j);
        EXPECT_EQ(ItemAt(pData, n.j)->m_strText, n.text);
        EXPECT_EQ(ItemAt(pData, n.j)->m_nX1, n.x1);
        EXPECT_EQ(ItemAt(pData, n.j)->m_nY1, -500 * n.row);
    }
    const std::vector<int> ticked = Ticked(pData);
    EXPECT_NE(std::find(ticked.begin(), ticked.end(), 13), ticked.end());
    EXPECT_NE(std::find(ticked.begin(), ticked.end(), 13 + 2 * 12 + 1), ticked.end());
    // The check of item 12 sits before "非課税" in the right half.
    EXPECT_EQ(ItemAt(pData, 38)->m_nX1, 40 * 400);
    EXPECT_EQ(ItemAt(r.m_apSubItem[0], 25)->m_strText, "非課税");
    EXPECT_EQ(ItemAt(r.m_apSubItem[0], 25)->m_nX1, 41 * 400);
    r.DestroyPrintArray();
}

TEST_F(ConsumptionSheetTest, IncomeSheetIsFollowedByTheEightRentalSheets)
{
    COptionConsumptionIncomeClass r;
    FillSample(r);
    r.CreatePrintArray(1);
    // Building the sheet names the rental records and builds theirs.
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(r.m_aRental[k].m_strTypeName, Numbered("種別", k + 1));
        EXPECT_EQ(PageCounts(r.m_aRental[k], 0)[5], 12);
    }
    EXPECT_EQ(ItemAt(r.m_apData[0], 6)->m_strText, "手許残高運用利息");
    EXPECT_EQ(ItemAt(r.m_apData[0], 6)->m_nX1, 22 * 400);
    EXPECT_EQ(ItemAt(r.m_apData[0], 6)->m_nY1, -1500);
    const std::vector<int> ticked = Ticked(r.m_apData[0]);
    EXPECT_EQ(ticked.back(), 20); // the interest is non-taxable

    r.ReportDraw(&m_dc);
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE(k);
        auto titles = TextsOf(m_dc, CP932ToUtf8(LoadOptionString(20006) + Numbered("種別", k + 1)));
        ASSERT_EQ(titles.size(), 1u);
        EXPECT_EQ(titles[0].origin.y, 750 + 2500 + k * 2750);
    }

    // Refilling carries new category names into the rental sheets.
    r.m_astrTypeName[2] = "店舗";
    EXPECT_TRUE(r.SetDataData(0));
    EXPECT_EQ(r.m_aRental[2].m_strTitle, "消費税売上（収入）課税区分－店舗");

    r.DestroyPrintArray();
    for (int k = 0; k < 8; ++k) EXPECT_EQ(PageCounts(r.m_aRental[k], 0)[0], -1);
}

TEST_F(ConsumptionSheetTest, CopiesShareTheIncomeSheetsAndAssignmentKeepsTheOwners)
{
    COptionConsumptionIncomeClass holder;
    FillSample(holder);
    holder.CreatePrintArray(1);
    {
        COptionConsumptionIncomeClass screen(holder);
        EXPECT_EQ(screen.m_aRental[4].m_apData[0], holder.m_aRental[4].m_apData[0]);
        screen.m_aRental[4].m_anTax[0] = 1 - holder.m_aRental[4].m_anTax[0];
        screen.m_astrIncomeName[0] = "駐車場収入";
        holder = screen;
        screen.DestroyPrintArray(); // a copy never frees the holder's sheet
    }
    ASSERT_NE(holder.m_aRental[4].m_apData[0], nullptr);
    EXPECT_TRUE(holder.m_aRental[4].OwnsPrintArray());
    EXPECT_TRUE(holder.SetDataData(0));
    EXPECT_EQ(ItemAt(holder.m_apData[0], 0)->m_strText, "駐車場収入");
    EXPECT_EQ(Ticked(holder.m_aRental[4].m_apData[0])[0], holder.m_aRental[4].m_anTax[0]);
    holder.ReportDraw(&m_dc);
    EXPECT_EQ(m_dc.GetWindowOrg(), CPoint(0, 750 + 2500 + 8 * 2750));
    holder.DestroyPrintArray();
}

TEST_F(ConsumptionSheetTest, RentalSheetNamesItsItemsAsLabels)
{
    COptionConsumptionRentalClass r;
    r.m_anTax[0] = 1;
    r.m_anTax[5] = 1;
    r.CreatePrintArray(1);
    EXPECT_EQ(r.m_strTitle, "消費税売上（収入）課税区分－"); // an empty category name
    EXPECT_EQ(Ticked(r.m_apData[0]), (std::vector<int>{1, 2, 4, 6, 8, 11}));
    struct Label { int i; const char* text; int x1, row; };
    const Label labels[] = {{0, "項目名", 0, 0},     {3, "課税", 14000, 0}, {4, "賃料", 0, 1},
                            {6, "礼金", 0, 3},        {7, "敷金償却益", 8800, 1}, {9, "更新料", 8800, 3}};
    for (const Label& l : labels) {
        SCOPED_TRACE(l.i);
        EXPECT_EQ(ItemAt(r.m_apItem[0], l.i)->m_strText, l.text);
        EXPECT_EQ(ItemAt(r.m_apItem[0], l.i)->m_nX1, l.x1);
        EXPECT_EQ(ItemAt(r.m_apItem[0], l.i)->m_nY1, -500 * l.row);
    }
    r.ReportDraw(&m_dc);
    EXPECT_EQ(m_dc.Texts()[0], U8(u8"消費税売上（収入）課税区分－"));
    r.DestroyPrintArray();
}
