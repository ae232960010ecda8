#include <gtest/gtest.h>

#include "app/common/ownerdrawlist.h"
#include "app/data/datarentaltypeview.h"
#include "result/calc/yearbalance.h"
#include "screentest.h"

namespace {

class RentalTypeTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        const CDataRentalTypeClass& record = *m_pDoc->GetDataRentalType();
        for (int i = 0; i < 3; ++i) {
            CDataRentalTermClass& term = *record.GetTerm(i);
            term.m_nCategory = 0;
            term.m_strName.Format("タイプ%d", i + 1);
            term.m_nInputMethod = 1;
            term.m_dCount = 4;
            term.m_dRent = 100 + i;
        }
        Reopen();
    }
    void Reopen()
    {
        Open(20008);
        view = ActiveViewAs<CDataRentalTypeView>();
        ASSERT_NE(view, nullptr);
        Pump();
    }
    // The user clicks row nRow.
    void Select(int nRow)
    {
        view->List()->clearSelection();
        view->List()->SelectItem(nRow);
        view->OnControlNotify(ID_LIST_SELECT, 0);
        Pump();
    }
    CString Cell(int nRow, int nCol) const { return view->List()->GetItemText(nRow, nCol); }

    CDataRentalTypeView* view = nullptr;
};

} // namespace

TEST_F(RentalTypeTest, ListsTheLines)
{
    EXPECT_EQ(Caption(), m_pDoc->GetTitle() + "－タイプ別賃貸条件");
    EXPECT_EQ(Cell(0, 0), " 1");
    EXPECT_EQ(Cell(1, 2), "タイプ2");
    EXPECT_EQ(Cell(1, 3), "一戸あたり");
    EXPECT_EQ(Cell(1, 4), "101");
    EXPECT_EQ(view->GetDlgItemText(10003), "タイプ1");
    EXPECT_EQ(view->GetDlgItemText(20024), "戸数：");
    Shot("screen_rentaltype");
}

// The method decides whether a count is asked and how it is shown; the
// total method stores no count.
TEST_F(RentalTypeTest, InputMethods)
{
    const struct {
        int nMethod;
        bool bCount;
        const char* pszLabel;
        const char* pszUnit;
    } cases[] = {{2, true, "面積：", "坪"}, {3, true, "台数：", "台"}, {0, false, "", ""}, {1, true, "戸数：", "戸"}};
    for (const auto& c : cases) {
        Choose(view, 10004, c.nMethod);
        EXPECT_EQ(view->GetDlgItem(10005)->isVisibleTo(view), c.bCount) << c.nMethod;
        if (c.bCount) {
            EXPECT_EQ(view->GetDlgItemText(20024), c.pszLabel);
            EXPECT_EQ(view->GetDlgItemText(20025), c.pszUnit);
        }
        EXPECT_EQ(Cell(0, 3), CString(c.nMethod == 0 ? "総額" : c.nMethod == 1 ? "一戸あたり" : c.nMethod == 2 ? "一坪あたり" : "一台あたり"));
    }
    Choose(view, 10004, 0);
    EXPECT_TRUE(view->CheckData(-1));
    EXPECT_EQ(view->m_aLines[0].dCount, 0);
}

// "なし" blanks the row and keeps the values; choosing the category again shows them.
TEST_F(RentalTypeTest, NoCategoryKeepsTheValues)
{
    Choose(view, 10002, 0);
    EXPECT_EQ(Cell(0, 1), "なし");
    EXPECT_EQ(Cell(0, 2), "");
    Choose(view, 10002, 1);
    EXPECT_EQ(Cell(0, 2), "タイプ1");
    EXPECT_EQ(Cell(0, 4), "100");
}

// Rows move with the lines between them shifting; a drop past the last row lands on it.
TEST_F(RentalTypeTest, MovingRows)
{
    view->MoveLine(2, 0);
    EXPECT_EQ(Cell(0, 2), "タイプ3");
    EXPECT_EQ(Cell(1, 2), "タイプ1");
    EXPECT_EQ(Cell(2, 2), "タイプ2");
    EXPECT_EQ(view->m_nCurSel, 0);
    view->MoveLine(0, 25);
    EXPECT_EQ(view->m_aLines[19].strName, "タイプ3");
    EXPECT_EQ(Cell(0, 2), "タイプ1");
    EXPECT_EQ(view->m_nCurSel, 19);
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(m_pDoc->GetDataRentalType()->GetTerm(19)->m_strName, "タイプ3");
    EXPECT_EQ(m_pDoc->GetDataRentalType()->GetTerm(0)->m_strName, "タイプ1");
}

// A deleted line is stored as a line not in use, and every line stays in the record.
TEST_F(RentalTypeTest, DeleteAndCancel)
{
    Select(1);
    view->OnControlNotify(ID_LIST_DELETE, 0);
    EXPECT_EQ(Cell(1, 1), "なし");
    EXPECT_EQ(Cell(1, 2), "");
    view->CancelData();
    EXPECT_EQ(Cell(1, 2), "タイプ2");
    view->OnControlNotify(ID_LIST_DELETE, 0);
    Toolbar(ID_DATA_SAVE);
    const CDataRentalTypeClass& record = *m_pDoc->GetDataRentalType();
    ASSERT_NE(record.GetTerm(1), nullptr);
    EXPECT_EQ(record.GetTerm(1)->m_nCategory, -1);
    EXPECT_EQ(record.GetTerm(1)->m_dRent, 0);
    EXPECT_NE(record.GetTerm(19), nullptr);
    EXPECT_TRUE(m_pDoc->m_abDataModified[8]);
}

// A malformed amount keeps the row and refuses the store; an empty one becomes 0.
TEST_F(RentalTypeTest, AmountsAreChecked)
{
    Type(view, 10006, "");
    EXPECT_EQ(view->GetDlgItemText(10006), "0");
    Type(view, 10006, "1２");
    Select(2);
    EXPECT_EQ(view->m_nCurSel, 0);
    EXPECT_EQ(view->List()->GetSelectedItem(), 0);
    ASSERT_FALSE(m_boxes.m_texts.empty());
    EXPECT_EQ(m_boxes.m_texts.back(), "数値を入力してください。");
    Toolbar(ID_DATA_SAVE);
    EXPECT_NE(ActiveViewAs<CDataRentalTypeView>(), nullptr);
    EXPECT_FALSE(m_pDoc->m_abDataModified[8]);
}

TEST_F(RentalTypeTest, UnchangedStoreMarksNothing)
{
    Select(2);
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(ActiveViewAs<CDataRentalTypeView>(), nullptr);
    EXPECT_FALSE(m_pDoc->m_abDataModified[8]);
}

// A rent entered here moves the calculated income.
TEST_F(RentalTypeTest, RentReachesTheCalculation)
{
    Toolbar(ID_DATA_SAVE);
    Calculate();
    const double dBefore = m_pDoc->m_objCalc.GetYearRecord(2)->m_dIncomeTotal;
    Reopen();
    Type(view, 10006, "500");
    Toolbar(ID_DATA_SAVE);
    Calculate();
    EXPECT_NE(m_pDoc->m_objCalc.GetYearRecord(2)->m_dIncomeTotal, dBefore);
}
