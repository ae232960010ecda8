#include <QTabBar>
#include <gtest/gtest.h>

#include "app/data/datarestotherview.h"
#include "result/calc/yearbalance.h"
#include "screentest.h"

namespace {

class RestOtherTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        CDataRestOtherClass& record = *m_pDoc->GetDataRestOther();
        record.m_aRestOtherMoney[0].m_strName = "給与所得";
        record.m_aRestOtherMoney[1].m_strName = "";
        Open(20010);
        view = ActiveViewAs<CDataRestOtherView>();
        ASSERT_NE(view, nullptr);
        Pump();
    }
    CDataRestOtherMoneyPage* Page(int n) const { return view->Page(n); }
    void ClickTab(int n)
    {
        view->TabCtrl()->TabBar()->setCurrentIndex(n);
        Pump();
    }
    CString TabText(int n) const { return view->TabCtrl()->GetItemText(n); }

    CDataRestOtherView* view = nullptr;
};

} // namespace

TEST_F(RestOtherTest, OpensOnTheFirstLine)
{
    EXPECT_EQ(Caption(), m_pDoc->GetTitle() + "－プロジェクト以外の条件");
    ASSERT_NE(Page(0), nullptr);
    EXPECT_EQ(Page(1), nullptr) << "pages are made when first shown";
    EXPECT_EQ(TabText(0), "給与所得");
    EXPECT_EQ(TabText(1), "ﾌﾟﾛｼﾞｪｸﾄ外の項目２");
    EXPECT_EQ(Page(0)->GetDlgItemText(10031), "給与所得");
    Shot("screen_restother");
}

// Leaving the page's fields.
TEST_F(RestOtherTest, LeavingTheFields)
{
    const struct {
        UINT nID;
        const char* pszTyped;
        UINT nShownID;
        const char* pszShown;
    } cases[] = {
        {10032, "1234567", 10032, "1,234,567"},
        {10032, "", 10032, "0"},
        {10033, "", 10033, "1"},
        {10033, "3", 10033, "3"},
        {10035, "", 10035, "3"},
        {10001, "7", 1052, "8"},
    };
    for (const auto& c : cases) {
        Type(Page(0), c.nID, c.pszTyped);
        EXPECT_EQ(Page(0)->GetDlgItemText(c.nShownID), c.pszShown) << c.nID << " " << c.pszTyped;
    }
    Type(Page(0), 10031, "年金");
    EXPECT_EQ(TabText(0), "年金");
    Type(Page(0), 10031, "");
    EXPECT_EQ(TabText(0), "ﾌﾟﾛｼﾞｪｸﾄ外の項目１");
}

// A page holding a value that is no number keeps its tab and refuses the store.
TEST_F(RestOtherTest, RefusingPageKeepsItsTab)
{
    Type(Page(0), 10032, "12a");
    ClickTab(1);
    EXPECT_EQ(view->TabCtrl()->GetCurSel(), 0);
    ASSERT_EQ(m_boxes.m_texts.size(), 1u) << m_boxes.m_texts.back();
    EXPECT_EQ(m_boxes.m_texts[0], "数値を入力してください。");
    EXPECT_EQ(Page(1), nullptr);
    Toolbar(ID_DATA_SAVE);
    EXPECT_NE(ActiveViewAs<CDataRestOtherView>(), nullptr) << "the window stays";
    EXPECT_FALSE(m_pDoc->m_abDataModified[10]);
}

// Store writes the lines of every page left or shown, keeps the comments the
// document holds and marks the sheet; a store without change marks nothing.
TEST_F(RestOtherTest, StoreWritesTheLines)
{
    Toolbar(ID_DATA_SAVE);
    EXPECT_FALSE(m_pDoc->m_abDataModified[10]);
    Open(20010);
    view = ActiveViewAs<CDataRestOtherView>();
    Pump();
    Type(Page(0), 10032, "2400");
    Choose(Page(0), 10030, 2);
    ClickTab(3);
    ASSERT_NE(Page(3), nullptr);
    Type(Page(3), 10031, "生活費");
    Type(Page(3), 10003, "2.5");
    Page(3)->CheckRadioButton(10004, 10005, 10005);
    m_pDoc->GetDataRestOther()->m_astrComment[2] = "他の画面の注記";
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(ActiveViewAs<CDataRestOtherView>(), nullptr) << "the window closed";
    const CDataRestOtherClass& record = *m_pDoc->GetDataRestOther();
    EXPECT_EQ(record.m_aRestOtherMoney[0].dAmount, 2400);
    EXPECT_EQ(record.m_aRestOtherMoney[0].nKind, 2);
    EXPECT_EQ(record.m_aRestOtherMoney[3].m_strName, "生活費");
    EXPECT_EQ(record.m_aRestOtherMoney[3].m_aDataRate[0].dRate, 2.5);
    EXPECT_EQ(record.m_aRestOtherMoney[3].m_aDataRate[0].bDecrease, 1);
    EXPECT_EQ(record.m_astrComment[2], "他の画面の注記");
    EXPECT_TRUE(m_pDoc->m_abDataModified[10]);
}

// Cancel refreshes the page shown; a page left keeps what was typed on it.
// A reload from the document refreshes every page.
TEST_F(RestOtherTest, CancelAndReload)
{
    Type(Page(0), 10031, "年金");
    ClickTab(1);
    Type(Page(1), 10031, "配当");
    view->CancelData();
    EXPECT_EQ(Page(1)->GetDlgItemText(10031), "");
    EXPECT_EQ(Page(0)->GetDlgItemText(10031), "年金");
    m_pDoc->GetDataRestOther()->m_aRestOtherMoney[0].m_strName = "不動産所得";
    m_pDoc->ReloadDataWindow(10);
    EXPECT_EQ(Page(0)->GetDlgItemText(10031), "不動産所得");
    EXPECT_EQ(TabText(0), "不動産所得");
}

// Spending outside the project entered here reaches the calculation.
TEST_F(RestOtherTest, SpendingReachesTheCalculation)
{
    Calculate();
    const double dBefore = m_pDoc->m_objCalc.GetYearRecord(2)->m_dOutsideExpense;
    Open(20010);
    view = ActiveViewAs<CDataRestOtherView>();
    ClickTab(7);
    ASSERT_NE(Page(7), nullptr);
    Choose(Page(7), 10030, 2);
    Type(Page(7), 10032, "1200");
    Type(Page(7), 10033, "1");
    Type(Page(7), 10035, "30");
    Toolbar(ID_DATA_SAVE);
    Calculate();
    EXPECT_NEAR(m_pDoc->m_objCalc.GetYearRecord(2)->m_dOutsideExpense, dBefore + 1200, 1e-6);
}
