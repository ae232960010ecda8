#include <gtest/gtest.h>
#include <memory>

#include "data/dataconstruction.h"
#include "tests/data/costtest.h"
#include "tests/support/utf8.h"

namespace {

// Value cells of the construction-cost block.
enum { kAmountInput = 0, kRatioInput = 1, kCost = 2, kTotalUnit = 3, kTsuboUnit = 4, kNoCompression = 5,
       kCompression = 6, kBookValue = 7, kAccounting = 8, kPayment = 13 };

class ConstructionSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseSheetPrintSettings();
        CDataExpenseMoneyClass& cost = m_record.m_objConstructionCost;
        cost.dAmount = 150000;
        cost.nAccounting = 1;
        cost.nPayment = 3;
        m_record.m_objCompression = {1, 120000};
        for (int i = 0; i < CDataExpenseClass::kDepreciationCount; ++i) {
            Item(i).dAmount = 10 * (i + 1);
            Item(i).nLife = 47 - i;
            Item(i).nMethod = i % 2;
            Item(i).nExtra = 1;
        }
        Item(2).m_strName = "外構";
        Item(4).m_strName = "駐車場";
        Pay(1).nYear = 15;
        Pay(1).dAmount = 8000;
        Pay(1).nSource = 1;
        Pay(1).nItem = 4;
        m_record.CreatePrintArray(1);
    }
    void TearDown() override { m_record.DestroyPrintArray(); }

    CDataDepreciationClass& Item(int i) { return m_record.m_aDepreciation[i]; }
    CDataCapitalPayClass& Pay(int i) { return m_record.m_aCapitalPay[i]; }
    CObArray* Data() { return m_record.m_apData[0]; }
    // The cell of an item's unit pair that is ticked (1 thousand yen, 2 percent), after the name row.
    int TickedUnit(int i)
    {
        std::vector<int> ticks = Ticks(Item(i).m_apData[0]);
        const int offset = i >= 2 ? 1 : 0;
        for (int t : ticks)
            if (t == offset + 1 || t == offset + 2) return t - offset;
        return 0;
    }
    std::unique_ptr<CRecordDC> DrawPage(int nPage)
    {
        auto dc = std::make_unique<CRecordDC>();
        m_record.SetPage(nPage);
        m_record.ReportDraw(dc.get());
        return dc;
    }

    CDataExpenseClass m_record;
};

} // namespace

TEST(Construction, InitDataResetsWhatEachRecordOwns)
{
    CDataDepreciationClass item;
    item.dAmount = 5;
    item.nLife = 22;
    item.nMethod = 1;
    item.nExtra = 1;
    item.nRetireYear = 30;
    item.m_strName = "外構";
    item.m_nIndex = 4;
    item.DestroyData(); // does not reset an item
    EXPECT_EQ(item.nLife, 22);
    item.InitData();
    EXPECT_EQ(item.dAmount, 0.0);
    EXPECT_EQ(item.nLife, 0);
    EXPECT_EQ(item.nMethod, 0);
    EXPECT_EQ(item.nExtra, 0);
    EXPECT_TRUE(item.m_strName.IsEmpty());
    EXPECT_EQ(item.m_nIndex, 0);
    EXPECT_EQ(item.nRetireYear, 30);

    CDataCapitalPayClass pay;
    pay.nYear = 3;
    pay.dAmount = 4;
    pay.nSource = 2;
    pay.nItem = 5;
    pay.m_nIndex = 1;
    pay.InitData();
    EXPECT_EQ(pay.nYear + pay.nSource + pay.nItem + pay.m_nIndex, 0);
    EXPECT_EQ(pay.dAmount, 0.0);

    CDataExpenseClass record;
    record.m_objCompression = {1, 500};
    record.m_aDepreciation[1].nLife = 15;
    record.m_objConstructionCost.dAmount = 9;
    record.m_aCapitalPay[0].nYear = 8;
    record.DestroyData();
    EXPECT_EQ(record.m_objCompression.nCompression, 0);
    EXPECT_EQ(record.m_objCompression.dBookValue, 0.0);
    EXPECT_EQ(record.m_aDepreciation[1].nLife, 15);
    EXPECT_EQ(record.m_objConstructionCost.dAmount, 9);
    EXPECT_EQ(record.m_aCapitalPay[0].nYear, 8);
}

TEST(Construction, CopiesCarryEveryMember)
{
    CDataExpenseClass record;
    record.m_objCompression = {1, 500};
    record.m_objConstructionCost.nInputMethod = 3;
    record.m_objConstructionCost.dAmount = 850;
    record.m_objConstructionCost.nAccounting = 2;
    record.m_objConstructionCost.nPayment = 4;
    record.m_objConstructionCost.m_strComment = "本体工事";
    for (int i = 0; i < CDataExpenseClass::kDepreciationCount; ++i) {
        record.m_aDepreciation[i].dAmount = 10.5 * i;
        record.m_aDepreciation[i].nLife = 10 + i;
        record.m_aDepreciation[i].nRetireYear = 20 + i;
        record.m_aDepreciation[i].m_nIndex = i;
    }
    record.m_aDepreciation[5].m_strName = "看板";
    record.m_aCapitalPay[1] = CDataCapitalPayClass();
    record.m_aCapitalPay[1].nYear = 12;
    record.m_aCapitalPay[1].dAmount = 3000;
    record.m_aCapitalPay[1].nSource = 2;
    record.m_aCapitalPay[1].nItem = 5;
    record.m_aCapitalPay[1].m_nIndex = 1;

    CDataExpenseClass copy(record);
    CDataExpenseClass assigned;
    assigned = record;
    for (const CDataExpenseClass* r : {&copy, &assigned}) {
        EXPECT_EQ(r->m_objCompression.nCompression, 1);
        EXPECT_EQ(r->m_objCompression.dBookValue, 500);
        EXPECT_EQ(r->m_objConstructionCost.nInputMethod, 3);
        EXPECT_EQ(r->m_objConstructionCost.dAmount, 850);
        EXPECT_EQ(r->m_objConstructionCost.nPayment, 4);
        EXPECT_EQ(r->m_objConstructionCost.m_strComment, "本体工事");
        for (int i = 0; i < CDataExpenseClass::kDepreciationCount; ++i) {
            EXPECT_EQ(r->m_aDepreciation[i].dAmount, 10.5 * i);
            EXPECT_EQ(r->m_aDepreciation[i].nLife, 10 + i);
            EXPECT_EQ(r->m_aDepreciation[i].nRetireYear, 20 + i);
            EXPECT_EQ(r->m_aDepreciation[i].m_nIndex, i);
        }
        EXPECT_EQ(r->m_aDepreciation[5].m_strName, "看板");
        const CDataCapitalPayClass& pay = r->m_aCapitalPay[1];
        EXPECT_EQ(pay.nYear, 12);
        EXPECT_EQ(pay.dAmount, 3000);
        EXPECT_EQ(pay.nSource, 2);
        EXPECT_EQ(pay.nItem, 5);
        EXPECT_EQ(pay.m_nIndex, 1);
    }
}

TEST_F(ConstructionSheetTest, SheetsHaveTheirElementCounts)
{
    EXPECT_EQ(PageCounts(m_record), (ArraySizes{4, 8, 18, 9, 20, 17}));
    for (int i = 0; i < CDataExpenseClass::kDepreciationCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Item(i).m_nIndex, i);
        EXPECT_EQ(PageCounts(Item(i)), i < 2 ? (ArraySizes{4, 3, 7, 4, 7, 8}) : (ArraySizes{4, 4, 7, 5, 7, 9}));
        EXPECT_EQ(Cell(Item(i).m_apFrame[0], 1).m_nY1, i < 2 ? -2000 : -2500);
    }
    for (int i = 0; i < CDataExpenseClass::kCapitalPayCount; ++i) {
        EXPECT_EQ(Pay(i).m_nIndex, i);
        EXPECT_EQ(PageCounts(Pay(i)), (ArraySizes{4, 5, 8, 4, 12, 11}));
    }
    EXPECT_EQ(Cell(m_record.m_apFrame[0], 1).m_nY1, -4500); // nine framed rows
    EXPECT_EQ(CellText(m_record.m_apItem[0], 6), U8(u8"経理処理方法と支払方法について"));
    EXPECT_EQ(Cell(m_record.m_apItem[0], 6).m_nX2, 18000);
    EXPECT_EQ(CellText(m_record.m_apSubItem[0], 19), U8(u8"計算します。"));
    EXPECT_EQ(CellText(Item(2).m_apItem[0], 0), U8(u8"項目名"));
    EXPECT_EQ(CellText(Item(0).m_apItem[0], 0), U8(u8"金額（割合）"));
    EXPECT_EQ(CellText(Pay(0).m_apSubItem[0], 10), U8(u8"追加自己資金"));
}

TEST_F(ConstructionSheetTest, EveryAccountingAndPaymentChoiceHasItsOwnCell)
{
    ExpectOptionCells(Data(), kAccounting, m_record.m_apSubItem[0], 8, 5, -3500);
    ExpectOptionCells(Data(), kPayment, m_record.m_apSubItem[0], 13, 4, -4000);
    EXPECT_EQ(CellText(m_record.m_apSubItem[0], 12), U8(u8"事業外支出"));
    EXPECT_EQ(CellText(m_record.m_apSubItem[0], 16), U8(u8"３期分割払"));
}

TEST_F(ConstructionSheetTest, AmountInputLeavesTheRatioCellsEmpty)
{
    m_record.SetDataData(0);
    EXPECT_EQ(Ticks(Data()), (std::vector<int>{kAmountInput, kAccounting + 1, kPayment + 3}));
    EXPECT_EQ(CellText(Data(), kCost), "");
    EXPECT_EQ(CellText(Data(), kBookValue), "");
    for (int i = 0; i < CDataExpenseClass::kDepreciationCount; ++i) EXPECT_EQ(TickedUnit(i), 1) << i;
}

TEST_F(ConstructionSheetTest, RatioInputPrintsCostUnitAndCompression)
{
    const struct { int input, compression; std::vector<int> ticks; const char* bookValue; } cases[] = {
        {2, 1, {kRatioInput, kTotalUnit, kCompression, kAccounting + 1, kPayment + 3}, "120,000"},
        {3, 0, {kRatioInput, kTsuboUnit, kNoCompression, kAccounting + 1, kPayment + 3}, ""},
        {1, 2, {kRatioInput, kAccounting + 1, kPayment + 3}, "120,000"}, // unknown codes tick nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        m_record.m_objConstructionCost.nInputMethod = c.input;
        m_record.m_objCompression.nCompression = c.compression;
        m_record.SetDataData(0);
        EXPECT_EQ(Ticks(Data()), c.ticks);
        EXPECT_EQ(CellText(Data(), kCost), "150,000");
        EXPECT_EQ(CellText(Data(), kBookValue), c.bookValue);
        for (int i = 0; i < CDataExpenseClass::kDepreciationCount; ++i) EXPECT_EQ(TickedUnit(i), 2) << i;
    }
}

TEST_F(ConstructionSheetTest, PaymentsBeyondThePrintedFourTickNothing)
{
    m_record.m_objConstructionCost.nAccounting = 4;
    m_record.m_objConstructionCost.nPayment = 4; // equal monthly instalments
    m_record.SetDataData(0);
    EXPECT_EQ(Ticks(Data()), (std::vector<int>{kAmountInput, kAccounting + 4}));
}

TEST_F(ConstructionSheetTest, SubRecordsGetTitlesValuesAndChoiceNames)
{
    m_record.SetDataData(0);
    const char8_t* titles[] = {u8"本体償却", u8"附帯償却", u8"外構", u8"その他の償却２", u8"駐車場",
                               u8"その他の償却４"};
    for (int i = 0; i < CDataExpenseClass::kDepreciationCount; ++i)
        EXPECT_EQ(CP932ToUtf8(Item(i).m_strTitle), U8(titles[i])) << i;
    CObArray* main = Item(0).m_apData[0];
    EXPECT_EQ(CellText(main, 0), "10");
    EXPECT_EQ(CellText(main, 3), "47");
    EXPECT_EQ(Ticks(main), (std::vector<int>{1, 4, 7}));
    CObArray* named = Item(3).m_apData[0];
    EXPECT_EQ(CellText(named, 0), "");
    EXPECT_EQ(CellText(named, 1), "40");
    EXPECT_EQ(Ticks(named), (std::vector<int>{2, 6, 8}));

    // The capital expenditures name their item choices after the items.
    const char8_t* choices[] = {u8"本体償却", u8"附帯償却", u8"外構", u8"", u8"駐車場", u8""};
    for (int c = 0; c < 6; ++c) EXPECT_EQ(CellText(Pay(0).m_apSubItem[0], 2 + c), U8(choices[c])) << c;
    EXPECT_EQ(CP932ToUtf8(Pay(0).m_strTitle), U8(u8"資本的支出１"));
    EXPECT_EQ(CP932ToUtf8(Pay(1).m_strTitle), U8(u8"資本的支出２"));
    EXPECT_EQ(CellText(Pay(1).m_apSubItem[0], 11),
              U8(u8"※支払原資が「借入金」の場合、資金調達の借入金８の項目を使用します。"));
    EXPECT_EQ(CellText(Pay(1).m_apData[0], 0), "15");
    EXPECT_EQ(CellText(Pay(1).m_apData[0], 1), "8,000");
    EXPECT_EQ(Ticks(Pay(1).m_apData[0]), (std::vector<int>{2 + 4, 8 + 1}));
    Pay(1).nItem = 6;
    Pay(1).nSource = 3;
    m_record.SetDataData(0);
    EXPECT_TRUE(Ticks(Pay(1).m_apData[0]).empty());
}

TEST_F(ConstructionSheetTest, PageOneStacksTheItemsBelowTheCostBlock)
{
    m_record.SetDataData(0);
    auto dc = DrawPage(1);
    auto titles = Titles(*dc);
    ASSERT_EQ(titles.size(), 7u);
    EXPECT_EQ(titles[0].text, U8(u8"工事費 基礎設定"));
    EXPECT_EQ(titles[0].origin, CPoint(0, 0));
    // Each item moves down by the block above it, then by its own title.
    const int origins[] = {6750, 9500, 12250, 15500, 18750, 22000};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(titles[i + 1].origin, CPoint(0, origins[i])) << i;
    EXPECT_EQ(dc->GetWindowOrg(), CPoint(0, 22750));
    ExpectTextsFit(*dc);
}

TEST_F(ConstructionSheetTest, PageTwoStacksTheCapitalExpenditures)
{
    m_record.SetDataData(0);
    auto dc = DrawPage(2);
    auto titles = Titles(*dc);
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[0].origin, CPoint(0, 0));
    EXPECT_EQ(titles[1].origin, CPoint(0, 4250)); // title, six rows and the note row
    EXPECT_EQ(dc->GetWindowOrg(), CPoint(0, 8500));
    ExpectTextsFit(*dc);
    for (int page : {0, 3}) EXPECT_TRUE(DrawPage(page)->Records().empty()) << page;
}

TEST_F(ConstructionSheetTest, ValuesFlagPrintsBlankForms)
{
    m_record.SetDataData(0);
    EXPECT_GT(CountTicks(*DrawPage(1)), 0);
    m_record.SetPrintFlag(4, 1);
    for (int page : {1, 2}) {
        auto dc = DrawPage(page);
        EXPECT_EQ(CountTicks(*dc), 0) << page;
        for (const std::string& text : dc->Texts()) {
            EXPECT_NE(text, "47");
            EXPECT_NE(text, "8,000");
        }
        EXPECT_EQ(Titles(*dc).size(), page == 1 ? 7u : 2u);
    }
}

TEST_F(ConstructionSheetTest, PictureOfThePages)
{
    m_record.m_objConstructionCost.nInputMethod = 2;
    m_record.SetDataData(0);
    for (int page : {1, 2}) {
        m_record.SetPage(page);
        QImage image = RenderSheet([&](CDC* pDC) { m_record.ReportDraw(pDC); });
        SaveArtifact(image, "cost_construction_page" + std::to_string(page));
        EXPECT_GT(CountInk(image), 20000);
    }
}
