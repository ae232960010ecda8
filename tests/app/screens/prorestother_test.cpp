#include <QTabBar>
#include <gtest/gtest.h>

#include "app/common/numbertext.h"
#include "app/data/dataprorestotherview.h"
#include "result/calc/yearbalance.h"
#include "screentest.h"

namespace {

class ProRestOtherTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        CDataProRestOtherClass& record = *m_pDoc->GetDataProRestOther();
        record.m_aOtherIncome[0].m_strName = "駐車場";
        record.m_aOtherIncome[1].m_strName = "";
        OpenWindow();
    }
    void OpenWindow()
    {
        Open(20009);
        view = ActiveViewAs<CDataProRestOtherView>();
        ASSERT_NE(view, nullptr);
        Pump();
    }
    CDataOtherIncomePage* Page(int n) const { return view->Page(n); }
    void ClickTab(int n)
    {
        view->TabCtrl()->TabBar()->setCurrentIndex(n);
        Pump();
    }
    CString TabText(int n) const { return view->TabCtrl()->GetItemText(n); }

    CDataProRestOtherView* view = nullptr;
};

} // namespace

TEST_F(ProRestOtherTest, OpensOnTheFirstIncome)
{
    EXPECT_EQ(Caption(), m_pDoc->GetTitle() + "－その他の条件");
    ASSERT_NE(Page(0), nullptr);
    EXPECT_EQ(Page(1), nullptr) << "pages are made when first shown";
    EXPECT_EQ(TabText(0), "駐車場");
    EXPECT_EQ(TabText(1), "その他の収入２");
    EXPECT_EQ(FocusedId(), 10030u);
    Shot("screen_prorestother");
}

// Leaving the fields of the view and of a page.
TEST_F(ProRestOtherTest, LeavingTheFields)
{
    const struct {
        bool bPage;
        UINT nID;
        const char* pszTyped;
        UINT nShownID;
        const char* pszShown;
    } cases[] = {
        {false, 10031, "1234567", 10031, "1,234,567"},
        {false, 10031, "", 10031, "0"},
        {false, 10030, "", 10030, "0"},
        {true, 1086, "24000", 1086, "24,000"},
        {true, 1086, "", 1086, "0"},
        {true, 1089, "", 1089, "1"},
        {true, 10001, "5", 1052, "6"},
    };
    for (const auto& c : cases) {
        CFormWidget* form = c.bPage ? static_cast<CFormWidget*>(Page(0)) : view;
        Type(form, c.nID, c.pszTyped);
        EXPECT_EQ(form->GetDlgItemText(c.nShownID), c.pszShown) << c.nID << " " << c.pszTyped;
    }
    Type(Page(0), 1084, "看板");
    EXPECT_EQ(TabText(0), "看板");
    Type(Page(0), 1084, "");
    EXPECT_EQ(TabText(0), "その他の収入１");
}

// A page holding a value that is no number keeps its tab and refuses the store.
TEST_F(ProRestOtherTest, RefusingPageKeepsItsTab)
{
    Type(Page(0), 1086, "12a");
    ClickTab(1);
    EXPECT_EQ(view->TabCtrl()->GetCurSel(), 0);
    EXPECT_EQ(Page(1), nullptr);
    ASSERT_EQ(m_boxes.m_texts.size(), 1u);
    EXPECT_EQ(m_boxes.m_texts[0], "数値を入力してください。");
    Toolbar(ID_DATA_SAVE);
    EXPECT_NE(ActiveViewAs<CDataProRestOtherView>(), nullptr) << "the window stays";
    EXPECT_FALSE(m_pDoc->m_abDataModified[9]);
}

// Store writes the fields of the view and of the pages left or shown, the
// names into the consumption-tax option's list, and marks the sheet; what
// the option windows changed meanwhile stays.
TEST_F(ProRestOtherTest, StoreWritesOnlyItsFields)
{
    Toolbar(ID_DATA_SAVE);
    m_pDoc->m_abDataModified[9] = FALSE;
    OpenWindow();
    Toolbar(ID_DATA_SAVE);
    EXPECT_FALSE(m_pDoc->m_abDataModified[9]) << "nothing changed";
    OpenWindow();
    Type(view, 10030, "1.5");
    Type(view, 10031, "5000");
    Choose(view, 1436, 4);
    Choose(view, 1437, 1);
    Click(view, 1435);
    const BOOL bInterestTicked = view->IsDlgButtonChecked(1435);
    ClickTab(2);
    ASSERT_NE(Page(2), nullptr);
    Type(Page(2), 1084, "自販機");
    Type(Page(2), 1086, "360");
    Type(Page(2), 10003, "2.5");
    Page(2)->CheckDlgButton(1438, FALSE);
    m_pDoc->GetOptionOtherManage()->m_nOwnFundTime = 1;
    m_pDoc->GetOptionOtherManage()->m_nStartupYear = 7;
    m_pDoc->GetOptionConsumptionIncome()->m_aRental[3].m_anTax[2] = 1;
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(ActiveViewAs<CDataProRestOtherView>(), nullptr) << "the window closed";
    const CDataProRestOtherClass& record = *m_pDoc->GetDataProRestOther();
    EXPECT_EQ(record.dSurplusRate, 1.5);
    EXPECT_EQ(record.dMinimumCash, 5000);
    EXPECT_EQ(record.m_aOtherIncome[2].m_strName, "自販機");
    EXPECT_EQ(record.m_aOtherIncome[2].dAmount, 360);
    EXPECT_EQ(record.m_aOtherIncome[2].m_aDataRate[0].dRate, 2.5);
    const COptionOtherManageClass& manage = *m_pDoc->GetOptionOtherManage();
    EXPECT_EQ(manage.m_nYieldFormula, 4);
    EXPECT_EQ(manage.m_nMinusSurplus, 1);
    EXPECT_EQ(manage.m_nOwnFundTime, 1);
    EXPECT_EQ(manage.m_nStartupYear, 7);
    const COptionConsumptionIncomeClass& income = *m_pDoc->GetOptionConsumptionIncome();
    EXPECT_EQ(income.m_nInterestTax, bInterestTicked ? 0 : 1);
    EXPECT_EQ(income.m_anOtherTax[2], 1);
    EXPECT_EQ(income.m_astrIncomeName[0], "駐車場");
    EXPECT_EQ(income.m_astrIncomeName[2], "自販機");
    EXPECT_EQ(income.m_aRental[3].m_anTax[2], 1);
    EXPECT_TRUE(m_pDoc->m_abDataModified[9]);
}

// Cancel and reload read every page again from the document.
TEST_F(ProRestOtherTest, CancelRefillsThePages)
{
    Type(view, 10031, "777");
    Type(Page(0), 1084, "看板");
    ClickTab(1);
    view->CancelData();
    EXPECT_EQ(view->GetDlgItemText(10031), FormatNumber(-1, m_pDoc->GetDataProRestOther()->dMinimumCash, TRUE));
    EXPECT_EQ(Page(0)->GetDlgItemText(1084), "駐車場");
    EXPECT_EQ(TabText(0), "駐車場");
}

// An other income entered here reaches the calculation.
TEST_F(ProRestOtherTest, IncomeReachesTheCalculation)
{
    Toolbar(ID_DATA_SAVE);
    Calculate();
    const double dBefore = m_pDoc->m_objCalc.GetYearRecord(2)->m_adOtherIncome[5];
    OpenWindow();
    ClickTab(5);
    ASSERT_NE(Page(5), nullptr);
    Type(Page(5), 1086, "1200");
    Type(Page(5), 1089, "1");
    Type(Page(5), 1092, "30");
    Page(5)->CheckDlgButton(1438, FALSE);
    for (const UINT nID : {10001u, 10006u, 10011u, 10016u}) Type(Page(5), nID, "30");
    for (const UINT nID : {10003u, 10008u, 10013u, 10018u}) Type(Page(5), nID, "0");
    Toolbar(ID_DATA_SAVE);
    Calculate();
    EXPECT_NEAR(m_pDoc->m_objCalc.GetYearRecord(2)->m_adOtherIncome[5], dBefore + 1200, 1e-6);
}
