#include <gtest/gtest.h>

#include "app/data/dataoutlineview.h"
#include "../screentest.h"
#include "tax/taxbusiness.h"

namespace {

constexpr double kFactor = 3.30578;

// The outline window over a record of known areas in tsubo, every part entered as an area.
class DataOutlineTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        m_pDoc->GetTaxBusinessPlace()->m_dSquareMeterPerTsubo = kFactor;
        CDataOutlineClass& r = *m_pDoc->GetDataOutline();
        r.nAreaUnit = 0;
        r.nLeasedLandInput = r.nBuyLandInput = r.nUseBuildInput = r.nHouseInput = 0;
        r.nConstructMonths = 12;
        r.aLand[0] = {100, 20, 30};
        r.aBuilding[0] = {0, 200, 150};
        r.aHouse[0].dHouse = 100;
        r.dLeasedLandRatio = 20;
        r.dBuyLandRatio = 30;
        r.dUseBuildRatio = 75;
        r.dHouseRatio = 50;
        r.nHouseCount = 10;
        r.m_dSquareMeterPerTsubo = kFactor;
        r.TuboToHeibei(nullptr, nullptr, nullptr);
        Open(20001);
        m_view = ActiveViewAs<CDataOutlineView>();
        ASSERT_NE(m_view, nullptr);
        m_boxes.m_texts.clear();
        m_boxes.m_types.clear();
    }
    const CDataOutlineClass& Record() const { return *m_pDoc->GetDataOutline(); }

    CDataOutlineView* m_view = nullptr;
};

struct RuleCase {
    const char* name;
    UINT nModeRadio; // 0: every part stays in area mode
    std::vector<std::pair<UINT, const char*>> typed;
    UINT nMessageID; // 0: the months message
    UINT nFocus;
};

// The eight checks of a store, each with its message and the field it focuses.
TEST_F(DataOutlineTest, EachRuleRefusesTheStoreWithItsMessageAndFocus)
{
    const RuleCase cases[] = {
        {"leased ratio above 100", 10015, {{10003, "100.01"}}, 10003, 10003},
        {"leased ratio below 0", 10015, {{10003, "-1"}}, 10003, 10003},
        {"leased ratio of no site", 10015, {{10002, "0"}, {10003, "10"}}, 10002, 10003},
        {"leased area above the site", 0, {{10003, "100.5"}}, 10002, 10003},
        {"bought ratio above 100", 10017, {{10004, "101"}}, 10005, 10004},
        {"bought area above the site", 0, {{10004, "101"}}, 10004, 10004},
        {"exclusive ratio above 100", 10009, {{10007, "101"}}, 10007, 10007},
        {"exclusive area above the building", 0, {{10007, "201"}}, 10006, 10007},
        {"housing ratio above 100", 10011, {{10012, "101"}}, 10009, 10012},
        {"housing area above the building", 0, {{10012, "201"}}, 10008, 10012},
        {"months above 120", 0, {{1019, "121"}}, 0, 1019},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_view->ReloadData();
        if (c.nModeRadio) Click(m_view, c.nModeRadio);
        for (const auto& [nID, text] : c.typed) Type(m_view, nID, text);
        m_boxes.m_texts.clear();
        m_boxes.m_types.clear();
        Toolbar(ID_DATA_SAVE);
        ASSERT_EQ(m_boxes.m_texts.size(), 1u);
        EXPECT_EQ(m_boxes.m_texts[0], c.nMessageID ? LoadText(c.nMessageID) : CString("工事期間は 120ヶ月までです。"));
        EXPECT_EQ(m_boxes.m_types[0], UINT(MB_ICONSTOP));
        EXPECT_EQ(FocusedId(), c.nFocus);
        EXPECT_EQ(ActiveViewAs<CDataOutlineView>(), m_view);
        EXPECT_FALSE(m_pDoc->m_abDataModified[1]);
    }
}

// The bounds themselves pass: a ratio of 100, no site with a ratio of 0, 120 months.
TEST_F(DataOutlineTest, BoundsAreAccepted)
{
    Click(m_view, 10015);
    Type(m_view, 10003, "100");
    Click(m_view, 10017);
    Type(m_view, 10004, "0");
    Type(m_view, 1019, "120");
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(std::count(m_boxes.m_types.begin(), m_boxes.m_types.end(), UINT(MB_ICONSTOP)), 0);
    EXPECT_EQ(Record().aLand[0].dLeasedLand, 100);
    EXPECT_EQ(Record().nConstructMonths, 120);
    EXPECT_EQ(ActiveViewAs<CDataOutlineView>(), nullptr);
}

// A percentage becomes an area of its reference at the store and back in area mode.
TEST_F(DataOutlineTest, PercentModeStoresTheAreaAndSwitchesBack)
{
    Click(m_view, 10015);
    EXPECT_EQ(m_view->GetDlgItemText(10003), "20");
    EXPECT_EQ(m_view->GetDlgItemText(20032), "％");
    Type(m_view, 10003, "50");
    Click(m_view, 10014);
    EXPECT_EQ(m_view->GetDlgItemText(10003), "50");
    EXPECT_EQ(m_view->GetDlgItemText(20032), "坪");
    Click(m_view, 10015);
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(Record().nLeasedLandInput, 1);
    EXPECT_EQ(Record().dLeasedLandRatio, 50);
    EXPECT_EQ(Record().aLand[0].dLeasedLand, 50);
    EXPECT_EQ(Record().aLand[1].dLeasedLand, 165.29);
    EXPECT_TRUE(m_pDoc->m_abDataModified[1]);
    EXPECT_EQ(ActiveViewAs<CDataOutlineView>(), nullptr);
}

// Every one of the eight flagged fields is read when it is left: the dwelling count too.
TEST_F(DataOutlineTest, LeavingAFieldReadsItIntoTheWorkingCopy)
{
    const struct {
        UINT nID;
        const char* typed;
        const char* shown;
    } cases[] = {
        {10002, "1234.5", "1,234.5"}, {10003, "", "0"},   {10004, "12", "12"},  {10005, "7", "7"},
        {10006, "300", "300"},        {10007, "250", "250"}, {10012, "99", "99"}, {10013, "1,200", "1,200"},
        {1019, "", "0"},
    };
    for (const auto& c : cases) {
        Type(m_view, c.nID, c.typed);
        EXPECT_EQ(m_view->GetDlgItemText(c.nID), c.shown) << c.nID;
    }
    const CDataOutlineClass& copy = m_view->Outline();
    EXPECT_EQ(copy.aLand[0].dTotalLand, 1234.5);
    EXPECT_EQ(copy.aLand[0].dLeasedLand, 0);
    EXPECT_EQ(copy.aBuilding[0].dUseBuild, 250);
    EXPECT_EQ(copy.aHouse[0].dHouse, 99);
    EXPECT_EQ(copy.nHouseCount, 1200);
    EXPECT_EQ(copy.nConstructMonths, 0);
}

// Tsubo to square metres and back, repeatedly: entered areas convert once and never drift.
TEST_F(DataOutlineTest, UnitSwitchConvertsEveryAreaWithoutDrift)
{
    Type(m_view, 10002, "100");
    Click(m_view, 10001);
    EXPECT_EQ(m_view->GetDlgItemText(10002), "330.58");
    EXPECT_EQ(m_view->GetDlgItemText(20031), "㎡");
    EXPECT_EQ(m_view->GetDlgItemText(10006), "661.16");
    Type(m_view, 10005, "10");
    for (int i = 0; i < 3; ++i) {
        Click(m_view, 10000);
        EXPECT_EQ(m_view->GetDlgItemText(10005), "3.03");
        EXPECT_EQ(m_view->GetDlgItemText(10002), "100");
        Click(m_view, 10001);
        EXPECT_EQ(m_view->GetDlgItemText(10005), "10");
        EXPECT_EQ(m_view->GetDlgItemText(10002), "330.58");
    }
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(Record().nAreaUnit, 1);
    EXPECT_EQ(Record().aBuilding[1].dDemolishBuild, 10);
    EXPECT_DOUBLE_EQ(Record().aBuilding[0].dDemolishBuild, 3.03);
}

// A unit switch over a field that does not parse is refused and the radio put back.
TEST_F(DataOutlineTest, UnitSwitchOverAMalformedNumberIsRefused)
{
    Type(m_view, 10006, "abc");
    Click(m_view, 10001);
    EXPECT_EQ(m_boxes.m_texts.size(), 1u);
    EXPECT_TRUE(m_view->IsDlgButtonChecked(10000));
    EXPECT_FALSE(m_view->IsDlgButtonChecked(10001));
    EXPECT_EQ(m_view->Outline().nAreaUnit, 0);
    EXPECT_EQ(m_view->GetDlgItemText(20031), "坪");
}

// Cancel drops the edits; a store without a change sets no flag.
TEST_F(DataOutlineTest, CancelDropsEditsAndAnUnchangedStoreSetsNoFlag)
{
    Type(m_view, 10002, "500");
    Click(m_view, 10001);
    Toolbar(ID_DATA_CANCEL);
    EXPECT_EQ(ActiveViewAs<CDataOutlineView>(), nullptr);
    EXPECT_EQ(Record().aLand[0].dTotalLand, 100);
    Open(20001);
    m_view = ActiveViewAs<CDataOutlineView>();
    ASSERT_NE(m_view, nullptr);
    EXPECT_EQ(m_view->GetDlgItemText(10002), "100");
    EXPECT_TRUE(m_view->IsDlgButtonChecked(10000));
    Toolbar(ID_DATA_SAVE);
    EXPECT_FALSE(m_pDoc->m_abDataModified[1]);
    EXPECT_EQ(ActiveViewAs<CDataOutlineView>(), nullptr);
}

TEST_F(DataOutlineTest, CaptionAndPicture)
{
    Pump();
    EXPECT_EQ(Caption(), m_pDoc->GetTitle() + "－建物の概要");
    Click(m_view, 10011);
    Shot("screen_dataoutline");
}

// From the menu to the calculation: the housing share of the building moves the engine's ratio.
TEST_F(DataOutlineTest, StoredHousingAreaReachesTheCalculation)
{
    Calculate();
    EXPECT_DOUBLE_EQ(m_pDoc->m_objCalc.m_dHouseUseRatio, 0.5);
    Open(20001);
    Type(ActiveViewAs<CDataOutlineView>(), 10012, "150");
    Toolbar(ID_DATA_SAVE);
    Calculate();
    EXPECT_DOUBLE_EQ(m_pDoc->m_objCalc.m_dHouseUseRatio, 0.75);
}

} // namespace
