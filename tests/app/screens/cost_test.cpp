#include <QTabBar>
#include <gtest/gtest.h>

#include "app/data/datacostview.h"
#include "option/optionbusiness.h"
#include "option/optionconsumption.h"
#include "result/calc/yearbalance.h"
#include "screentest.h"

namespace {

class CostTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        CDataCostClass& cost = *m_pDoc->GetDataCost();
        cost.m_aCostItem[0].m_strOtherName = "";
        cost.m_aCostItem[0].nInputMethod = 0;
        cost.m_aCostItem[0].adAmount[0] = 120;
        cost.m_aCostItem[0].adAmount[1] = 5;
        cost.m_aCostItem[6].m_strOtherName = "広告費";
        Reopen();
    }
    void Reopen()
    {
        Open(20006);
        view = ActiveViewAs<CDataCostView>();
        ASSERT_NE(view, nullptr);
        Pump();
    }
    CDataCostItemPage* ShowTab(int n)
    {
        view->TabCtrl()->TabBar()->setCurrentIndex(n);
        Pump();
        EXPECT_EQ(view->TabCtrl()->GetCurSel(), n) << FocusedId() << " " << (m_boxes.m_shown.empty() ? "" : m_boxes.m_shown.back());
        return view->Page(n);
    }
    CString TabText(int n) const { return view->TabCtrl()->GetItemText(n); }
    bool Visible(CFormWidget* pForm, UINT nID) const { return pForm->GetDlgItem(nID)->isVisibleTo(pForm); }

    CDataCostView* view = nullptr;
};

} // namespace

TEST_F(CostTest, OpensWithTheItemsOnTheirTabs)
{
    EXPECT_EQ(Caption(), m_pDoc->GetTitle() + "－各年の経費");
    EXPECT_EQ(TabText(0), "管理費");
    EXPECT_EQ(TabText(6), "広告費");
    ASSERT_NE(view->Page(0), nullptr);
    EXPECT_EQ(view->Page(1), nullptr);
    EXPECT_EQ(view->Page(0)->GetDlgItemText(10037), "管理費");
    Shot("screen_cost_managefee");
    ShowTab(1);
    Shot("screen_cost_landrent");
    ShowTab(5);
    Shot("screen_cost_other");
}

// The input method sets the amount's label, unit and slot; the management
// fee's ratio methods hide the years and the schedule.
TEST_F(CostTest, InputMethods)
{
    CDataCostItemPage* page = view->Page(0);
    const struct {
        int nMethod;
        const char* pszLabel;
        const char* pszUnit;
        const char* pszAmount;
        bool bYears;
    } cases[] = {
        {2, "賃料収入比率:", "％", "5", false},
        {0, "総額(月額):", "千円", "120", true},
        {3, "共益費収入比率:", "％", "5", false},
        {1, "坪当り(月額):", "千円", "5", true},
    };
    for (const auto& c : cases) {
        Choose(page, 1432, c.nMethod);
        EXPECT_EQ(page->GetDlgItemText(20055), c.pszLabel) << c.nMethod;
        EXPECT_EQ(page->GetDlgItemText(20051), c.pszUnit) << c.nMethod;
        EXPECT_EQ(page->GetDlgItemText(10030), c.pszAmount) << c.nMethod;
        EXPECT_EQ(Visible(page, 10033), c.bYears) << c.nMethod;
        EXPECT_EQ(Visible(page, 20041), c.bYears) << c.nMethod;
    }
    // A value typed under one method stays with it.
    Choose(page, 1432, 0);
    Type(page, 10030, "150");
    Choose(page, 1432, 2);
    EXPECT_EQ(page->GetDlgItemText(10030), "5");
    Choose(page, 1432, 0);
    EXPECT_EQ(page->GetDlgItemText(10030), "150");

    CDataCostItemPage* repair = ShowTab(2);
    Choose(repair, 1432, 1);
    EXPECT_EQ(repair->GetDlgItemText(20055), "工事費割合:");
    EXPECT_TRUE(Visible(repair, 10033));
}

// Leaving fields: years, interval and the other expense's name and tab.
TEST_F(CostTest, LeavingTheFields)
{
    CDataCostItemPage* other = ShowTab(6);
    ASSERT_NE(other, nullptr);
    const struct {
        UINT nID;
        const char* pszTyped;
        const char* pszShown;
    } cases[] = {{10033, "", "1"}, {10038, "", "1"}, {10038, "3", "3"}, {10037, "", "　"}};
    for (const auto& c : cases) {
        Type(other, c.nID, c.pszTyped);
        EXPECT_EQ(other->GetDlgItemText(c.nID), c.pszShown) << c.nID;
    }
    EXPECT_EQ(TabText(6), "その他の経費３");
    Type(other, 10037, "清掃費");
    EXPECT_EQ(TabText(6), "清掃費");
}

// A store writes the items of the pages shown and their tax flags, every
// name into the business-rate list, and leaves the other items alone.
TEST_F(CostTest, StoreWritesOnlyThePagesShown)
{
    CDataCostClass& cost = *m_pDoc->GetDataCost();
    COptionConsumptionCostClass& tax = *m_pDoc->GetOptionConsumptionCost();
    tax.m_anTax[3] = 0;
    tax.m_anTax[4] = 1;
    const double dInsurance = cost.m_aCostItem[3].adAmount[0];
    CDataCostItemPage* repair = ShowTab(2);
    Choose(repair, 1432, 0);
    Type(repair, 10030, "800");
    Click(repair, 1433);
    m_pDoc->GetDataCost()->m_aCostItem[3].adAmount[0] = dInsurance + 1;  // changed elsewhere meanwhile
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(ActiveViewAs<CDataCostView>(), nullptr);
    EXPECT_EQ(cost.m_aCostItem[2].adAmount[0], 800);
    EXPECT_EQ(tax.m_anTax[3], 1);
    EXPECT_EQ(tax.m_anTax[4], 1) << "the insurance page was never shown";
    EXPECT_EQ(cost.m_aCostItem[3].adAmount[0], dInsurance + 1);
    EXPECT_EQ(cost.m_aCostItem[0].m_strOtherName, "管理費") << "the default label is stored as the name";
    EXPECT_EQ(m_pDoc->GetOptionBusinessRate()->m_astrExpenseName[6], "広告費");
    EXPECT_TRUE(m_pDoc->m_abDataModified[6]);
}

TEST_F(CostTest, UnchangedStoreMarksNothing)
{
    m_pDoc->GetDataCost()->m_aCostItem[0].m_strOtherName = "管理費";
    for (int i = 0; i < 10; ++i)
        m_pDoc->GetOptionBusinessRate()->m_astrExpenseName[i] = m_pDoc->GetDataCost()->m_aCostItem[i].m_strOtherName;
    Toolbar(ID_DATA_CANCEL);
    Reopen();
    Toolbar(ID_DATA_SAVE);
    EXPECT_FALSE(m_pDoc->m_abDataModified[6]);
}

// The construction period's land rent is the basic record's, written when
// the field is left: cancel keeps it and the basic sheet is marked.
TEST_F(CostTest, LandRentOfTheConstructionPeriodIsWrittenAtOnce)
{
    CDataCostItemPage* rent = ShowTab(1);
    Type(rent, 1019, "50");
    Toolbar(ID_DATA_CANCEL);
    EXPECT_EQ(m_pDoc->GetDataBasic()->nLandRentConstructRatio, 50);
    EXPECT_TRUE(m_pDoc->m_abDataModified[0]);
}

// A repair cost entered here moves the calculated repair cost.
TEST_F(CostTest, RepairCostReachesTheCalculation)
{
    Calculate();
    const double dBefore = m_pDoc->m_objCalc.GetYearRecord(3)->m_dRepairCost;
    Open(20006);
    view = ActiveViewAs<CDataCostView>();
    CDataCostItemPage* repair = ShowTab(2);
    Choose(repair, 1432, 0);
    Type(repair, 10030, "2000");
    Type(repair, 10033, "1");
    Type(repair, 10035, "30");
    Toolbar(ID_DATA_SAVE);
    Calculate();
    EXPECT_NE(m_pDoc->m_objCalc.GetYearRecord(3)->m_dRepairCost, dBefore);
}
