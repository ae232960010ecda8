#include <gtest/gtest.h>

#include <memory>

#include "data/dataotherincome.h"
#include "platform/codepage.h"
#include "tests/data/drawnsheet.h"
#include "tests/data/sheetrecords.h"
#include "tests/support/utf8.h"

namespace {

class OtherIncomeSheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseSheetPrintSettings();
        FillProRestOther(m_income);
        FillRestOther(m_outside);
        m_income.CreatePrintArray(1);
        m_outside.CreatePrintArray(1);
    }
    void TearDown() override
    {
        m_income.DestroyPrintArray();
        m_outside.DestroyPrintArray();
    }

    static std::unique_ptr<CRecordDC> Draw(CDataClass& record, int nPage)
    {
        auto dc = std::make_unique<CRecordDC>();
        record.SetPage(nPage);
        record.ReportDraw(dc.get());
        return dc;
    }
    CDataOtherIncomeClass& Item(int i) { return m_income.m_aOtherIncome[i]; }
    CDataRestOtherMoneyClass& Line(int i) { return m_outside.m_aRestOtherMoney[i]; }

    CDataProRestOtherClass m_income;
    CDataRestOtherClass m_outside;
};

} // namespace

TEST_F(OtherIncomeSheet, BlocksHaveTheirItems)
{
    EXPECT_EQ(PageCounts(m_income, 0), (std::array<int, 6>{4, 0, 5, 2, 2, 2}));
    EXPECT_EQ(PageCounts(Item(5), 0), (std::array<int, 6>{4, 7, 14, 13, 27, 28}));
    EXPECT_EQ(PageCounts(m_outside, 0), (std::array<int, 6>{-1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(PageCounts(Line(7), 0), (std::array<int, 6>{4, 8, 19, 14, 30, 31}));
}

TEST_F(OtherIncomeSheet, TitlesComeFromTheNameOrThePosition)
{
    EXPECT_EQ(Item(2).m_strTitle, "その他の収入３");
    EXPECT_EQ(Item(1).m_strTitle, "駐輪場1");
    Item(2).m_strName = "看板";
    m_income.SetDataData(2);
    EXPECT_EQ(Item(2).m_strTitle, "看板");
    Item(2).m_strName = "自販機";
    m_income.SetDataData(-1);
    EXPECT_EQ(Item(2).m_strTitle, "自販機");
    EXPECT_EQ(Line(0).m_strTitle, "プロジェクト以外の項目１");
    EXPECT_EQ(Line(1).m_strTitle, "給与所得1");
}

TEST_F(OtherIncomeSheet, ValueCellsFormatAndTick)
{
    CDataOtherIncomeClass& item = Item(0);
    item.dAmount = 1234567.5;
    item.nFromYear = 0;
    item.m_aDataRate[2].bDecrease = 1;
    item.m_aDataRate[3].dRate = 3.0;
    m_income.SetDataData(0);
    EXPECT_EQ(Cell(item, 1)->m_strText, "1,234,567.5");
    EXPECT_EQ(Cell(item, 2)->m_strText, "0");
    EXPECT_EQ(Cell(item, 4 + 18 + 3)->m_strText, "3");
    EXPECT_EQ(Ticks(item, 4 + 12 + 4, 2), std::vector<int>{1});

    // A new record ticks every step's rise cell and the money line's first kind.
    CDataProRestOtherClass fresh;
    CDataRestOtherClass freshOutside;
    fresh.CreatePrintArray(1);
    freshOutside.CreatePrintArray(1);
    for (int s = 0; s < 4; ++s) EXPECT_EQ(Ticks(fresh.m_aOtherIncome[4], 8 + 6 * s, 2), std::vector<int>{0});
    EXPECT_EQ(Ticks(freshOutside.m_aRestOtherMoney[3], 0, 3), std::vector<int>{0});
    EXPECT_EQ(Ticks(freshOutside.m_aRestOtherMoney[3], 11, 2), std::vector<int>{0});
    fresh.DestroyPrintArray();
    freshOutside.DestroyPrintArray();

    Line(2).nKind = 3; // outside the group: nothing ticked
    m_outside.SetDataData(2);
    EXPECT_TRUE(Ticks(Line(2), 0, 3).empty());
    EXPECT_EQ(Cell(Line(2), 3)->m_strText, "給与所得2");
}

TEST_F(OtherIncomeSheet, IncomePagesStackTheBlocks)
{
    const auto first = Draw(m_income, 1);
    EXPECT_EQ(LocateDrawnText(*first, U8(u8"剰余金と手元資金")).origin, CPoint(0, 0));
    EXPECT_EQ(LocateDrawnText(*first, U8(u8"最低確保する手元資金")).origin, CPoint(0, 750));
    EXPECT_EQ(LocateDrawnText(*first, "0.25").nRow, 0);
    const char8_t* titles[] = {u8"その他の収入１", u8"駐輪場1", u8"その他の収入３", u8"駐輪場3"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(LocateDrawnText(*first, U8(titles[i])).origin, CPoint(0, 1250 + i * 4750)) << U8(titles[i]);
    CDrawnText label = LocateDrawnText(*first, U8(u8"上昇/下降の設定"), 1);
    EXPECT_EQ(label.nRow, 3);
    EXPECT_EQ(label.origin, CPoint(0, 1250 + 4750 + 750));
    EXPECT_EQ(first->GetWindowOrg(), CPoint(0, 1250 + 4 * 4750));

    const auto second = Draw(m_income, 2);
    EXPECT_EQ(LocateDrawnText(*second, U8(u8"その他の収入５")).origin, CPoint(0, 0));
    EXPECT_EQ(LocateDrawnText(*second, U8(u8"駐輪場5")).origin, CPoint(0, 4750));
    EXPECT_EQ(CountDrawnText(*second, U8(u8"剰余金と手元資金")), 0);
    EXPECT_EQ(CountDrawnText(*second, U8(u8"項目名")), 2);
    EXPECT_EQ(second->GetWindowOrg(), CPoint(0, 2 * 4750));

    for (int nPage : {0, 3}) {
        EXPECT_TRUE(Draw(m_income, nPage)->Records().empty()) << "page " << nPage;
        EXPECT_TRUE(Draw(m_outside, nPage)->Records().empty()) << "page " << nPage;
    }
}

TEST_F(OtherIncomeSheet, OutsidePagesStackTheLines)
{
    for (int nPage : {1, 2}) {
        const auto dc = Draw(m_outside, nPage);
        for (int i = 0; i < 4; ++i) {
            const CString title = Line(4 * (nPage - 1) + i).m_strTitle;
            CDrawnText t = LocateDrawnText(*dc, CP932ToUtf8(title));
            EXPECT_EQ(t.origin, CPoint(0, i * 6250)) << "line " << 4 * (nPage - 1) + i;
        }
        CDrawnText kind = LocateDrawnText(*dc, U8(u8"種類"), 3);
        EXPECT_EQ(kind.nRow, 0);
        EXPECT_EQ(kind.origin, CPoint(0, 3 * 6250 + 750));
        EXPECT_EQ(LocateDrawnText(*dc, U8(u8"上昇/下降の設定")).nRow, 4);
        EXPECT_EQ(LocateDrawnText(*dc, U8(u8"４段階")).nRow, 8);
        EXPECT_EQ(dc->GetWindowOrg(), CPoint(0, 4 * 6250));
    }
}

TEST_F(OtherIncomeSheet, HolderBlankFlagReachesEveryItem)
{
    m_income.SetPrintFlag(4, 1);
    m_outside.SetPrintFlag(4, 1);
    for (CDataClass* pHolder : std::initializer_list<CDataClass*>{&m_income, &m_outside}) {
        for (int nPage : {1, 2}) {
            const auto dc = Draw(*pHolder, nPage);
            EXPECT_EQ(CountDrawnTicks(*dc), 0);
            EXPECT_EQ(CountDrawnText(*dc, "30"), 0);
            EXPECT_EQ(CountDrawnText(*dc, "20"), 0);
            EXPECT_GT(CountDrawnText(*dc, U8(u8"年目まで")), 0);
        }
    }
    EXPECT_EQ(Item(5).m_anPrintFlag[0][4], 1);
    EXPECT_EQ(Line(7).m_anPrintFlag[0][4], 1);
}

TEST(OtherIncomeSheetless, HolderCellsMissingTouchNoItem)
{
    CDataProRestOtherClass record;
    record.m_aOtherIncome[0].m_strName = "看板";
    EXPECT_FALSE(record.SetDataData(-1));
    EXPECT_TRUE(record.m_aOtherIncome[0].m_strTitle.IsEmpty());
    CRecordDC dc;
    record.SetPage(1);
    record.ReportDraw(&dc);
    EXPECT_TRUE(dc.Records().empty());
}
