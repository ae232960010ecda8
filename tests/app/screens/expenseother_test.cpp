#include <gtest/gtest.h>

#include "app/data/dataexpenseotherview.h"
#include "screentest.h"

namespace {

class ExpenseOtherTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        CDataExpenseOtherClass& record = *m_pDoc->GetDataExpenseOther();
        for (int i = 0; i < 4; ++i) {
            record.m_aExpenseMoney[i].nInputMethod = 0;
            record.m_aExpenseMoney[i].dAmount = 1000 * (i + 1);
        }
        record.m_aExpenseMoney[6].m_strName = "地盤調査";
        OpenWindow();
    }
    void OpenWindow()
    {
        Open(20003);
        view = ActiveViewAs<CDataExpenseOtherView>();
        ASSERT_NE(view, nullptr);
        Pump();
    }
    // Runs the accounting dialog: pfnWhile acts on it while it is shown.
    template <class Fn>
    void RunAccounting(Fn fnWhile)
    {
        QMetaObject::invokeMethod(view, [this, fnWhile] { fnWhile(view->AccountingDlg()); }, Qt::QueuedConnection);
        Click(view, 1374);
    }

    CDataExpenseOtherView* view = nullptr;
};

} // namespace

TEST_F(ExpenseOtherTest, OpensWithTheLines)
{
    EXPECT_EQ(Caption(), m_pDoc->GetTitle() + "－工事費以外");
    EXPECT_EQ(view->GetDlgItemText(10002), "1,000");
    EXPECT_EQ(view->GetDlgItemText(10030), "地盤調査");
    EXPECT_EQ(view->GetDlgItemText(20030), "千円");
    EXPECT_TRUE(ClickOpensDialog(view, 1375)) << "the construction-period consumption tax";
    Shot("screen_expenseother");
}

// Each input method of lines 0-3 keeps its own amount while the user switches.
TEST_F(ExpenseOtherTest, AmountPerInputMethod)
{
    const struct {
        int nLine;
        const char* pszUnit;  // of the second method
    } cases[] = {{0, "千円"}, {1, "千円"}, {2, "％"}, {3, "％"}};
    for (const auto& c : cases) {
        const UINT nMethod = 10001 + 5 * c.nLine;
        const UINT nAmount = 10002 + 5 * c.nLine;
        const UINT nUnit = 20026 + 2 * c.nLine;
        Choose(view, nMethod, 1);
        EXPECT_EQ(view->GetDlgItemText(nAmount), "0") << c.nLine;
        EXPECT_EQ(view->GetDlgItemText(nUnit), c.pszUnit) << c.nLine;
        Type(view, nAmount, "12.5");
        Choose(view, nMethod, 0);
        EXPECT_EQ(view->GetDlgItemText(nAmount), ::FormatNumber(-1, 1000.0 * (c.nLine + 1), TRUE)) << c.nLine;
        EXPECT_EQ(view->GetDlgItemText(nUnit), "千円") << c.nLine;
        Choose(view, nMethod, 1);
        EXPECT_EQ(view->GetDlgItemText(nAmount), "12.5") << c.nLine;
    }
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(m_pDoc->GetDataExpenseOther()->m_aExpenseMoney[3].nInputMethod, 1);
    EXPECT_EQ(m_pDoc->GetDataExpenseOther()->m_aExpenseMoney[3].dAmount, 12.5);
}

// The percentages of lines 2 and 3 stay within 0-100; amounts have no range.
TEST_F(ExpenseOtherTest, PercentRange)
{
    const struct {
        int nLine;
        int nMethod;
        const char* pszValue;
        bool bRefused;
    } cases[] = {
        {2, 1, "120", true}, {2, 1, "100", false}, {3, 1, "-1", true},
        {3, 1, "0", false}, {2, 0, "120", false}, {3, 0, "5000", false},
    };
    for (const auto& c : cases) {
        m_boxes.m_texts.clear();
        m_boxes.m_types.clear();
        Choose(view, 10001 + 5 * c.nLine, c.nMethod);
        Type(view, 10002 + 5 * c.nLine, c.pszValue);
        EXPECT_EQ(!view->CheckData(-1), c.bRefused) << c.nLine << " " << c.pszValue;
        if (c.bRefused) {
            ASSERT_EQ(m_boxes.m_texts.size(), 1u);
            EXPECT_EQ(m_boxes.m_texts[0], "0 ～ 100の数値を入力してください。");
            EXPECT_EQ(m_boxes.m_types[0] & MB_ICONSTOP, UINT(MB_ICONSTOP));
            EXPECT_EQ(FocusedId(), 10002 + 5 * c.nLine);
        }
        Type(view, 10002 + 5 * c.nLine, "0");
    }
}

TEST_F(ExpenseOtherTest, StoreWritesLinesNamesAndComments)
{
    Type(view, 10022, "350");
    Type(view, 1019, "説明会");
    Type(view, 10035, "測量費");
    Type(view, 1022, "境界確定");
    Toolbar(ID_DATA_SAVE);
    const CDataExpenseOtherClass& record = *m_pDoc->GetDataExpenseOther();
    EXPECT_EQ(record.m_aExpenseMoney[4].dAmount, 350);
    EXPECT_EQ(record.m_aExpenseMoney[7].m_strName, "測量費");
    EXPECT_EQ(record.m_aExpenseMoney[7].m_strComment, "境界確定");
    EXPECT_EQ(m_pDoc->GetDataRestOther()->m_astrComment[0], "説明会");
    EXPECT_EQ(m_pDoc->GetOptionConsumptionExpense()->m_astrCostName[1], "測量費");
    EXPECT_TRUE(m_pDoc->m_abDataModified[3]);
    EXPECT_TRUE(m_pDoc->m_abDataModified[10]);
    EXPECT_EQ(ActiveViewAs<CDataExpenseOtherView>(), nullptr) << "the window closed";
}

TEST_F(ExpenseOtherTest, UnchangedStoreMarksNothing)
{
    m_pDoc->GetOptionConsumptionExpense()->m_astrCostName[0] = "地盤調査";
    for (int k = 1; k < 8; ++k)
        m_pDoc->GetOptionConsumptionExpense()->m_astrCostName[k] = m_pDoc->GetDataExpenseOther()->m_aExpenseMoney[6 + k].m_strName;
    Toolbar(ID_DATA_SAVE);
    EXPECT_FALSE(m_pDoc->m_abDataModified[3]);
    EXPECT_FALSE(m_pDoc->m_abDataModified[10]);
    EXPECT_FALSE(m_pDoc->m_abOptionModified[1]);
}

// Interest as a total: no payment column; as a rate: all but rows 3 and 20.
TEST_F(ExpenseOtherTest, AccountingDialogPaymentColumn)
{
    for (const int nMethod : {0, 1}) {
        Choose(view, 10016, nMethod);
        Type(view, 10017, "1");
        std::vector<bool> shown;
        RunAccounting([&](CCostAccountingDlg* dlg) {
            for (int r = 0; r < 23; ++r) shown.push_back(!dlg->GetDlgItem(r == 0 ? 1303 : 1304 + 3 * r)->isHidden());
            if (nMethod == 1) SaveArtifact(dlg->grab().toImage(), "dialog_costaccounting");
            dlg->OnCancel();
        });
        ASSERT_EQ(shown.size(), 23u);
        for (int r = 0; r < 23; ++r) EXPECT_EQ(shown[size_t(r)], nMethod == 1 && r != 3 && r != 20) << nMethod << " " << r;
    }
}

// OK: the years and rows 14-22 go to the document at once, rows 0-13 to the
// window's copy, which a cancel of the window drops.
TEST_F(ExpenseOtherTest, AccountingDialogOk)
{
    COptionExpenseManageClass& manage = *m_pDoc->GetOptionExpenseManage();
    manage.m_aManage[16].nManage = 5;  // outside what the record allows
    const int nAccounting = m_pDoc->GetDataExpenseOther()->m_aExpenseMoney[1].nAccounting;
    CString strLabel;
    RunAccounting([&](CCostAccountingDlg* dlg) {
        strLabel = dlg->GetDlgItemText(1320);
        dlg->SetCurSel(1306, 2);   // row 1: expense
        dlg->SetCurSel(1345, 3);   // row 14 (option row 15): start-up
        Type(dlg, 1019, "7");
        dlg->OnOK();
    });
    EXPECT_EQ(strLabel, "地盤調査");
    EXPECT_EQ(m_pDoc->GetOptionOtherManage()->m_nStartupYear, 7);
    EXPECT_EQ(manage.m_aManage[15].nManage, 3);
    EXPECT_EQ(manage.m_aManage[16].nManage, 5) << "a value the list lacks is kept";
    EXPECT_TRUE(m_pDoc->m_abOptionModified[2]);
    EXPECT_TRUE(m_pDoc->m_abOptionModified[6]);
    EXPECT_EQ(view->WorkingCopy().m_aExpenseMoney[1].nAccounting, 2);
    Toolbar(ID_DATA_CANCEL);
    EXPECT_EQ(m_pDoc->GetDataExpenseOther()->m_aExpenseMoney[1].nAccounting, nAccounting);
    EXPECT_EQ(m_pDoc->GetOptionOtherManage()->m_nStartupYear, 7);
}

// The start-up years stay within 0-50; a refused OK keeps the dialog open.
TEST_F(ExpenseOtherTest, AccountingDialogYearsRange)
{
    const int nYears = m_pDoc->GetOptionOtherManage()->m_nStartupYear;
    bool bOpen = false;
    RunAccounting([&](CCostAccountingDlg* dlg) {
        Type(dlg, 1019, "51");
        dlg->OnOK();
        bOpen = dlg->IsModalRunning();
        dlg->OnCancel();
    });
    EXPECT_TRUE(bOpen);
    ASSERT_EQ(m_boxes.m_texts.size(), 1u);
    EXPECT_EQ(m_boxes.m_texts[0], "0 から 50 までの整数を入力してください。");
    EXPECT_EQ(m_pDoc->GetOptionOtherManage()->m_nStartupYear, nYears);
}

// A refused check does not open the dialog.
TEST_F(ExpenseOtherTest, AccountingDialogNeedsValidInput)
{
    Type(view, 10002, "abc");
    bool bOpened = false;
    RunAccounting([&](CCostAccountingDlg* dlg) {
        bOpened = dlg->IsModalRunning();
        if (bOpened) dlg->OnCancel();
    });
    EXPECT_FALSE(bOpened);
    EXPECT_EQ(m_boxes.m_texts.size(), 1u);
}

// A cost entered here moves the non-business or booked totals of the calculation.
TEST_F(ExpenseOtherTest, CostReachesTheCalculation)
{
    Toolbar(ID_DATA_CANCEL);
    Calculate();
    const auto total = [this] {
        const CTavCalcClass& calc = m_pDoc->m_objCalc;
        return calc.m_adManageMoney[0] + calc.m_adManageMoney[1] + calc.m_adManageMoney[2] + calc.m_adManageMoney[3] +
               calc.m_dNonBusinessExpend;
    };
    const double dBefore = total();
    OpenWindow();
    Type(view, 10022, "5000");
    Toolbar(ID_DATA_SAVE);
    Calculate();
    EXPECT_NE(total(), dBefore);
}
