#include <gtest/gtest.h>
#include <memory>

#include "data/datacost.h"
#include "tests/data/costtest.h"
#include "tests/support/utf8.h"

namespace {

void FillItem(CDataCostItemClass& item, int nSeed)
{
    item.adAmount[0] = 1200 + nSeed;
    item.adAmount[1] = 3.5;
    item.nInputMethod = 1;
    item.nFromYear = 1;
    item.nToYear = 30;
    item.nExtra1 = 5;
    item.nExtra2 = 7;
    item.m_aDataRate[0] = {1, 10, 3, 2.5, 1};
    item.m_aDataRate[3] = {11, 0, 2, 1.25, 0};
}

void ExpectSameItem(const CDataCostItemClass& a, const CDataCostItemClass& b)
{
    EXPECT_EQ(a.adAmount[0], b.adAmount[0]);
    EXPECT_EQ(a.adAmount[1], b.adAmount[1]);
    EXPECT_EQ(a.nInputMethod, b.nInputMethod);
    EXPECT_EQ(a.nFromYear, b.nFromYear);
    EXPECT_EQ(a.nToYear, b.nToYear);
    EXPECT_EQ(a.nExtra1, b.nExtra1);
    EXPECT_EQ(a.nExtra2, b.nExtra2);
    EXPECT_EQ(a.m_strOtherName, b.m_strOtherName);
    EXPECT_EQ(a.m_nIndex, b.m_nIndex);
    for (int s = 0; s < CDataRateClass::kStepCount; ++s) {
        EXPECT_EQ(a.m_aDataRate[s].nStartYear, b.m_aDataRate[s].nStartYear);
        EXPECT_EQ(a.m_aDataRate[s].dRate, b.m_aDataRate[s].dRate);
        EXPECT_EQ(a.m_aDataRate[s].bDecrease, b.m_aDataRate[s].bDecrease);
    }
}

class CostSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseSheetPrintSettings();
        for (int i = 0; i < CDataCostClass::kItemCount; ++i) FillItem(m_record.m_aCostItem[i], i);
        m_record.m_aCostItem[4].nInputMethod = 0;
        m_record.m_aCostItem[5].SetOtherName("清掃費");
        m_record.CreatePrintArray(1);
    }
    void TearDown() override { m_record.DestroyPrintArray(); }

    CDataCostItemClass& Item(int i) { return m_record.m_aCostItem[i]; }
    std::unique_ptr<CRecordDC> DrawPage(int nPage)
    {
        auto dc = std::make_unique<CRecordDC>();
        m_record.SetPage(nPage);
        m_record.ReportDraw(dc.get());
        return dc;
    }

    CDataCostClass m_record;
};

} // namespace

TEST(CostItem, NewItemsAndInitData)
{
    CDataCostItemClass item;
    EXPECT_EQ(item.m_nIndex, -1);
    EXPECT_EQ(item.nExtra1, 0);
    EXPECT_EQ(item.nExtra2, 0);
    EXPECT_EQ(item.m_aDataRate[2].dRate, 0.0);

    FillItem(item, 0);
    item.SetOtherName("清掃費");
    item.m_nIndex = 6;
    item.SetPrintFlag(4, 1);
    item.InitData();
    EXPECT_EQ(item.adAmount[0], 0.0);
    EXPECT_EQ(item.adAmount[1], 0.0);
    EXPECT_EQ(item.nInputMethod, 0);
    EXPECT_EQ(item.nToYear, 0);
    EXPECT_TRUE(item.GetOtherName().IsEmpty());
    EXPECT_EQ(item.m_nIndex, -1);
    EXPECT_EQ(item.m_anPrintFlag[0][4], 0);
    // The schedule and the two carried values stay.
    EXPECT_EQ(item.nExtra1, 5);
    EXPECT_EQ(item.nExtra2, 7);
    EXPECT_EQ(item.m_aDataRate[0].dRate, 2.5);

    // Destroying the data resets only the sheet state.
    FillItem(item, 0);
    item.SetPage(2);
    item.DestroyData();
    EXPECT_EQ(item.GetPage(), 0);
    EXPECT_EQ(item.nToYear, 30);
}

TEST(CostItem, CopiesCarryEveryValue)
{
    CDataCostItemClass item;
    FillItem(item, 3);
    item.SetOtherName("清掃費");
    item.m_nIndex = 7;
    CDataCostItemClass copy(item);
    ExpectSameItem(copy, item);
    CDataCostItemClass assigned;
    assigned = item;
    ExpectSameItem(assigned, item);
    // The schedule base keeps working on a copy.
    EXPECT_DOUBLE_EQ(copy.CalcChangeMoney(100.0, 4), 97.5);
}

TEST(CostRecord, CopiesAndAssignmentsCarryTheItemsAndKeepTheOwnersSheets)
{
    CDataCostClass record;
    for (int i = 0; i < CDataCostClass::kItemCount; ++i) FillItem(record.m_aCostItem[i], i);
    record.m_aCostItem[9].SetOtherName("警備費");
    record.CreatePrintArray(1);
    {
        CDataCostClass copy(record);
        for (int i = 0; i < CDataCostClass::kItemCount; ++i) {
            ExpectSameItem(copy.m_aCostItem[i], record.m_aCostItem[i]);
            EXPECT_EQ(copy.m_aCostItem[i].m_apData[0], record.m_aCostItem[i].m_apData[0]);
        }
        copy.m_aCostItem[9].SetOtherName("保守費");
        copy.m_aCostItem[2].adAmount[0] = 99;
        CObArray* own = record.m_aCostItem[2].m_apData[0];
        record = copy;
        EXPECT_EQ(record.m_aCostItem[9].GetOtherName(), "保守費");
        EXPECT_EQ(record.m_aCostItem[2].adAmount[0], 99);
        EXPECT_EQ(record.m_aCostItem[2].m_apData[0], own);
    }
    // The copy is gone; the owner's sheets are intact and print the new values.
    record.SetDataData(0);
    EXPECT_EQ(record.m_aCostItem[9].m_strTitle, "保守費");
    record.m_aCostItem[3].InitData();
    record.InitData(); // the record's own reset keeps the items
    EXPECT_EQ(record.m_aCostItem[9].GetOtherName(), "保守費");
    record.DestroyPrintArray();
    EXPECT_EQ(record.m_aCostItem[0].m_apData[0], nullptr);
}

TEST_F(CostSheetTest, EachPositionGetsItsVariant)
{
    const ArraySizes perTsubo{4, 7, 16, 13, 29, 29};
    const ArraySizes share{4, 7, 18, 13, 30, 31};
    const ArraySizes other{4, 7, 14, 13, 27, 28};
    for (int i = 0; i < CDataCostClass::kItemCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Item(i).m_nIndex, i);
        EXPECT_EQ(PageCounts(Item(i)), i < 2 ? perTsubo : i < 4 ? share : other);
        // Eight rows of 500 under the full-width frame.
        EXPECT_EQ(Cell(Item(i).m_apFrame[0], 1).m_nY1, -4000);
        EXPECT_EQ(Cell(Item(i).m_apFrame[0], 1).m_nX2, 18000);
    }
    EXPECT_EQ(CellText(Item(0).m_apItem[0], 0), U8(u8"金額"));
    EXPECT_EQ(CellText(Item(0).m_apItem[0], 12), U8(u8"上昇/下降"));
    EXPECT_EQ(CellText(Item(4).m_apItem[0], 0), U8(u8"経費名"));
    EXPECT_EQ(CellText(Item(4).m_apItem[0], 1), U8(u8"金額"));
    EXPECT_EQ(CellText(Item(4).m_apItem[0], 2), U8(u8"計上年"));
    EXPECT_EQ(CellText(Item(1).m_apSubItem[0], 2), U8(u8"坪あたりを入力する"));
    EXPECT_EQ(CellText(Item(2).m_apSubItem[0], 1), U8(u8"％"));
    EXPECT_EQ(CellText(Item(2).m_apSubItem[0], 3), U8(u8"工事費割合を入力する"));
    EXPECT_EQ(CellText(Item(7).m_apSubItem[0], 26), U8(u8"下降"));
}

TEST_F(CostSheetTest, ValuesFollowTheInputMethodAndSchedule)
{
    // Management fee per tsubo: the second amount, the second method ticked.
    CObArray* fee = Item(0).m_apData[0];
    EXPECT_EQ(CellText(fee, 0), "3.5");
    EXPECT_EQ(Cell(fee, 0).m_nAlign, 2);
    EXPECT_EQ(CellText(fee, 3), "1");
    EXPECT_EQ(CellText(fee, 4), "30");
    // Step 1 (cells 5-10) falls 2.5 % every 3 years; step 4 rises.
    EXPECT_EQ(CellText(fee, 5), "1");
    EXPECT_EQ(CellText(fee, 6), "10");
    EXPECT_EQ(CellText(fee, 7), "3");
    EXPECT_EQ(CellText(fee, 8), "2.5");
    EXPECT_EQ(CellText(fee, 26), "1.25");
    EXPECT_EQ(Ticks(fee), (std::vector<int>{2, 10, 15, 21, 27}));

    // Repairs as a share of the construction cost: percent and both second checks.
    CObArray* repairs = Item(2).m_apData[0];
    EXPECT_EQ(CellText(repairs, 0), "3.5");
    EXPECT_EQ(Ticks(repairs), (std::vector<int>{2, 4, 12, 17, 23, 29}));

    // An other expense by total amount, first value its name.
    Item(5).adAmount[0] = 1234567.5;
    m_record.SetDataData(0);
    CObArray* other = Item(5).m_apData[0];
    EXPECT_EQ(CellText(other, 0), U8(u8"清掃費"));
    EXPECT_EQ(Cell(other, 0).m_nAlign, 0);
    EXPECT_EQ(CellText(other, 1), "1,234,567.5");
}

TEST_F(CostSheetTest, ChoicesOutsideTheirGroupsTickNothing)
{
    Item(0).nInputMethod = 2;
    Item(2).nInputMethod = -1;
    Item(0).m_aDataRate[0].bDecrease = 2;
    m_record.SetDataData(0);
    // No amount is read for an unknown input method.
    EXPECT_EQ(CellText(Item(0).m_apData[0], 0), "");
    EXPECT_EQ(Ticks(Item(0).m_apData[0]), (std::vector<int>{15, 21, 27}));
    EXPECT_EQ(CellText(Item(2).m_apData[0], 0), "");
    EXPECT_EQ(Ticks(Item(2).m_apData[0]), (std::vector<int>{12, 17, 23, 29}));
}

TEST_F(CostSheetTest, TitlesComeFromThePositionOrTheName)
{
    m_record.SetDataData(0);
    const char8_t* titles[] = {u8"管理費", u8"地代", u8"修理費", u8"火災保険料", u8"その他の経費１",
                               u8"清掃費", u8"その他の経費３", u8"その他の経費４", u8"その他の経費５",
                               u8"その他の経費６"};
    for (int i = 0; i < CDataCostClass::kItemCount; ++i)
        EXPECT_EQ(CP932ToUtf8(Item(i).m_strTitle), U8(titles[i])) << i;
    // An unnamed other expense prints an empty name cell.
    EXPECT_EQ(CellText(Item(6).m_apData[0], 0), "");
}

TEST_F(CostSheetTest, RecordRenumbersItemsBeforeFillingThem)
{
    // A screen resets an item and assigns it back: its position is lost.
    CDataCostClass edited(m_record);
    edited.m_aCostItem[6].InitData();
    edited.m_aCostItem[6].SetOtherName("植栽管理費");
    m_record = edited;
    EXPECT_EQ(Item(6).m_nIndex, -1);
    EXPECT_TRUE(m_record.SetDataData(0));
    EXPECT_EQ(Item(6).m_nIndex, 6);
    EXPECT_EQ(CP932ToUtf8(Item(6).m_strTitle), U8(u8"植栽管理費"));
    EXPECT_EQ(CellText(Item(6).m_apData[0], 0), U8(u8"植栽管理費"));
}

TEST_F(CostSheetTest, PagesStackFiveItemsBelowTheirTitles)
{
    m_record.SetDataData(0);
    struct { int page; std::vector<const char8_t*> titles; } cases[] = {
        {1, {u8"管理費", u8"地代", u8"修理費", u8"火災保険料", u8"その他の経費１"}},
        {2, {u8"清掃費", u8"その他の経費３", u8"その他の経費４", u8"その他の経費５", u8"その他の経費６"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        auto dc = DrawPage(c.page);
        auto titles = Titles(*dc);
        ASSERT_EQ(titles.size(), 5u);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(titles[i].text, U8(c.titles[i]));
            EXPECT_EQ(titles[i].origin, CPoint(0, i * 4750)); // title 750 plus eight rows
        }
        EXPECT_EQ(dc->GetWindowOrg(), CPoint(0, 5 * 4750));
        // Each block's frame is drawn 750 below its title.
        auto lines = dc->RecordsOf(CDrawRecord::Line);
        EXPECT_EQ(lines[0].origin, CPoint(0, 750));
        ExpectTextsFit(*dc);
    }
    for (int page : {0, 3}) {
        auto dc = DrawPage(page);
        EXPECT_TRUE(dc->Records().empty()) << page;
        EXPECT_EQ(dc->GetWindowOrg(), CPoint(0, 0));
    }
}

TEST_F(CostSheetTest, ValuesFlagPrintsBlankForms)
{
    m_record.SetDataData(0);
    const size_t filled = DrawPage(1)->Texts().size();
    EXPECT_GT(CountTicks(*DrawPage(1)), 0);
    m_record.SetPrintFlag(4, 1);
    auto dc = DrawPage(1);
    EXPECT_EQ(CountTicks(*dc), 0);
    for (const std::string& text : dc->Texts()) EXPECT_NE(text, "3.5");
    // Titles, labels and units all stay.
    EXPECT_EQ(Titles(*dc).size(), 5u);
    EXPECT_EQ(dc->Texts().size(), filled - 5 * 19); // nineteen value texts per block
    EXPECT_EQ(dc->GetWindowOrg(), CPoint(0, 5 * 4750));
}

TEST_F(CostSheetTest, PictureOfThePages)
{
    Item(3).nInputMethod = 0;
    m_record.SetDataData(0);
    for (int page : {1, 2}) {
        m_record.SetPage(page);
        QImage image = RenderSheet([&](CDC* pDC) { m_record.ReportDraw(pDC); });
        SaveArtifact(image, "cost_running_page" + std::to_string(page));
        EXPECT_GT(CountInk(image), 20000);
    }
}
