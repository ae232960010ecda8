#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "app/data/dataloanview.h"
#include "result/calc/calcseries.h"
#include "result/calc/consumption.h"
#include "../screentest.h"

namespace {

// The funding window over the sample's funding record.
class DataLoanTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        OpenScreen();
    }
    void OpenScreen()
    {
        Open(20005);
        m_view = ActiveViewAs<CDataLoanView>();
        ASSERT_NE(m_view, nullptr);
        m_boxes.m_texts.clear();
        m_boxes.m_shown.clear();
        m_boxes.m_types.clear();
    }
    CDataSupplyClass& Record() const { return *m_pDoc->GetDataSupply(); }
    // Clicks a detail button; the steps run inside the dialog, which is then
    // cancelled unless they confirmed it (they return whether they clicked OK)
    // without a message.
    void RunDetail(UINT nButton, const std::function<bool(CLoanDetailDlg&)>& steps)
    {
        CLoanDetailDlg& dlg = m_view->LoanDetailDlg();
        const size_t nMessages = m_boxes.m_texts.size();
        QTimer::singleShot(0, &dlg, [&] {
            if (!steps(dlg) || m_boxes.m_texts.size() != nMessages) dlg.EndDialog(IDCANCEL);
        });
        Click(m_view, nButton);
    }
    static UINT DialogFocus(CLoanDetailDlg& dlg) { return dlg.focusWidget() ? GetDlgCtrlID(dlg.focusWidget()) : 0; }

    CDataLoanView* m_view = nullptr;
};

// Loan 1's dialog: one case of typed fields and whether OK is accepted.
struct DetailCase {
    const char* name;
    std::vector<std::pair<UINT, const char*>> typed;
    UINT nMessageID; // 0: accepted
    UINT nFocus;
};

TEST_F(DataLoanTest, LoanPeriodsRefusedAndAccepted)
{
    const DetailCase cases[] = {
        {"an amount without years", {{10043, "1000"}, {10001, "0"}, {10006, "0"}, {10011, "0"}, {10016, "0"}}, 10010, 10001},
        {"ends before starts", {{10043, "1000"}, {10049, "0"}, {10001, "0"}, {10006, "-5"}, {10011, "0"}, {10016, "0"}},
         10010, 10001},
        {"a negative amount", {{10043, "-1"}}, 10011, 10043},
        {"a rate above 100", {{10003, "100.5"}}, AFX_IDP_PARSE_REAL_RANGE, 10003},
        {"no amount and no years", {{10043, "0"}, {10001, "0"}, {10006, "0"}, {10011, "0"}, {10016, "0"}}, 0, 0},
        {"a rate of 100", {{10043, "500"}, {10049, "0"}, {10001, "10"}, {10003, "100"}}, 0, 0},
    };
    for (const DetailCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_boxes.m_texts.clear();
        RunDetail(1020, [&](CLoanDetailDlg& dlg) {
            for (const auto& [nID, text] : c.typed) Type(&dlg, nID, text);
            Click(&dlg, IDOK);
            if (c.nMessageID) {
                EXPECT_EQ(DialogFocus(dlg), c.nFocus);
            }
            return true;
        });
        if (c.nMessageID == AFX_IDP_PARSE_REAL_RANGE) {
            ASSERT_EQ(m_boxes.m_texts.size(), 1u);
        } else if (c.nMessageID) {
            ASSERT_EQ(m_boxes.m_texts.size(), 1u);
            EXPECT_EQ(m_boxes.m_texts[0], LoadText(c.nMessageID));
        } else {
            EXPECT_TRUE(m_boxes.m_texts.empty());
        }
    }
    EXPECT_EQ(m_view->Supply().m_aLoan[0].dAmount, 500);
    EXPECT_EQ(m_view->Supply().m_aLoan[0].m_aRepay[1].dRate, 100);
}

// The periods follow the grace months and each other's ends.
TEST_F(DataLoanTest, DetailDialogComputesStartsYearsAndTotal)
{
    RunDetail(1020, [&](CLoanDetailDlg& dlg) {
        Type(&dlg, 10049, "11");
        EXPECT_EQ(dlg.GetDlgItemText(10000), "1");
        Type(&dlg, 10049, "12");
        EXPECT_EQ(dlg.GetDlgItemText(10000), "2");
        Type(&dlg, 10001, "10");
        EXPECT_EQ(dlg.GetDlgItemText(20047), "9");
        EXPECT_EQ(dlg.GetDlgItemText(1052), "11");
        Type(&dlg, 10006, "20");
        Type(&dlg, 10011, "0");
        Type(&dlg, 10016, "0");
        EXPECT_EQ(dlg.GetDlgItemText(20050), "10");
        EXPECT_EQ(dlg.GetDlgItemText(20053), "0");
        EXPECT_EQ(dlg.GetDlgItemText(10051), "19");
        Type(&dlg, 10043, "12000");
        EXPECT_EQ(dlg.GetDlgItemText(10043), "12,000");
        Type(&dlg, 10040, "みなと銀行");
        SaveArtifact(dlg.grab().toImage(), "screen_dataloan_detail");
        Click(&dlg, IDOK);
        return true;
    });
    const CDataLoanClass& loan = m_view->Supply().m_aLoan[0];
    EXPECT_EQ(loan.m_strBankName, "みなと銀行");
    EXPECT_EQ(loan.dAmount, 12000);
    EXPECT_EQ(loan.m_aRepay[0].nEndYear, 12);
    EXPECT_EQ(loan.m_aRepay[1].nStartYear, 2);
    EXPECT_EQ(loan.m_aRepay[2].nStartYear, 11);
    EXPECT_EQ(loan.GetRepayPeriod(-1), 19);
    EXPECT_EQ(m_view->GetDlgItemText(10040), "みなと銀行");
    EXPECT_EQ(m_view->GetDlgItemText(10043), "12,000");
    EXPECT_EQ(Record().m_aLoan[0].m_strBankName == "みなと銀行", false);
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(Record().m_aLoan[0].dAmount, 12000);
    EXPECT_TRUE(m_pDoc->m_abDataModified[5]);
}

// Loans 7 and 8 while they finance a capital expenditure: the construction-cost
// form's year and amount survive a store of this form, edits of the loan's other fields are kept.
TEST_F(DataLoanTest, StoreKeepsTheCapitalExpenditureLink)
{
    Record().m_aLoan[6].m_nCapitalPayYear = 3;
    Record().m_aLoan[6].dAmount = 5000;
    Record().m_aLoan[7].m_nCapitalPayYear = 0;
    m_view->ReloadData();
    EXPECT_EQ(m_view->GetDlgItemText(10053), "資本的支出１");
    RunDetail(1033, [&](CLoanDetailDlg& dlg) {
        EXPECT_FALSE(dlg.GetDlgItem(10043)->isEnabled() && dlg.GetDlgItem(10043)->focusPolicy() != Qt::NoFocus);
        Type(&dlg, 10040, "設備銀行");
        Type(&dlg, 10001, "10");
        Click(&dlg, IDOK);
        return true;
    });
    RunDetail(1035, [&](CLoanDetailDlg& dlg) {
        Type(&dlg, 10043, "300");
        Type(&dlg, 10049, "0");
        Type(&dlg, 10001, "5");
        Click(&dlg, IDOK);
        return true;
    });
    // Meanwhile the construction-cost form moves the expenditure.
    Record().m_aLoan[6].m_nCapitalPayYear = 4;
    Record().m_aLoan[6].dAmount = 7000;
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(Record().m_aLoan[6].m_nCapitalPayYear, 4);
    EXPECT_EQ(Record().m_aLoan[6].dAmount, 7000);
    EXPECT_EQ(Record().m_aLoan[6].m_strBankName, "設備銀行");
    EXPECT_EQ(Record().m_aLoan[7].m_nCapitalPayYear, 0);
    EXPECT_EQ(Record().m_aLoan[7].dAmount, 300);
}

// The form's own fields: visibility of the shortage loan, its values kept while unused, the store.
TEST_F(DataLoanTest, FormFieldsStoreAndShortLoanVisibility)
{
    Record().m_objShortLoan = {1, 2.5, 0};
    m_view->ReloadData();
    EXPECT_TRUE(m_view->GetDlgItem(10034)->isVisibleTo(m_view));
    Click(m_view, 1301);
    EXPECT_FALSE(m_view->GetDlgItem(10034)->isVisibleTo(m_view));
    EXPECT_FALSE(m_view->GetDlgItem(1300)->isVisibleTo(m_view));
    Type(m_view, 10034, "abc"); // hidden: never checked
    Type(m_view, 10030, "12345.5");
    EXPECT_EQ(m_view->GetDlgItemText(10030), "12,345.5");
    Type(m_view, 1283, "");
    EXPECT_EQ(m_view->GetDlgItemText(1283), "0");
    Choose(m_view, 1285, 1);
    Toolbar(ID_DATA_SAVE);
    EXPECT_TRUE(m_boxes.m_texts.empty());
    EXPECT_EQ(Record().m_objFund.dOwnFund, 12345.5);
    EXPECT_EQ(Record().m_objFund.dSubsidy, 0);
    EXPECT_EQ(Record().m_objShortLoan.nUse, 0);
    EXPECT_EQ(Record().m_objShortLoan.dRate, 2.5);
    EXPECT_EQ(m_pDoc->GetOptionOtherManage()->m_nOwnFundTime, 1);
    EXPECT_TRUE(m_pDoc->m_abOptionModified[6]);
    EXPECT_TRUE(m_pDoc->m_abDataModified[5]);
    EXPECT_EQ(ActiveViewAs<CDataLoanView>(), nullptr);
}

// The automatic loan: refused while not used; its dialog has no amount, and its surplus method no grace period.
TEST_F(DataLoanTest, AutomaticLoanDetail)
{
    m_view->CheckDlgButton(1282, FALSE);
    Click(m_view, 1037);
    ASSERT_EQ(m_boxes.m_shown.size(), 1u);
    EXPECT_EQ(m_boxes.m_shown[0], CP932ToUtf8("注意:自動借入金の利用にチェックを入れて下さい"));
    EXPECT_EQ(m_boxes.m_types[0], UINT(MB_ICONEXCLAMATION));
    m_view->CheckDlgButton(1282, TRUE);
    RunDetail(1037, [&](CLoanDetailDlg& dlg) {
        EXPECT_EQ(FromQString(dlg.windowTitle()), "自動借入金");
        EXPECT_FALSE(dlg.GetDlgItem(10043)->isVisibleTo(&dlg));
        Choose(&dlg, 10044, 2);
        EXPECT_FALSE(dlg.GetDlgItem(10049)->isVisibleTo(&dlg));
        Choose(&dlg, 10044, 0);
        EXPECT_TRUE(dlg.GetDlgItem(10049)->isVisibleTo(&dlg));
        return false;
    });
    EXPECT_TRUE(ClickOpensDialog(m_view, 1286)) << "the advance-receipt rates";
}

TEST_F(DataLoanTest, CaptionAndPicture)
{
    Pump();
    EXPECT_EQ(Caption(), m_pDoc->GetTitle() + "－建設資金調達");
    Shot("screen_dataloan");
}

double TotalInterest(const CObArray* pSeries)
{
    double dTotal = 0;
    for (int i = 0; pSeries && i < pSeries->GetSize(); ++i) dTotal += SeriesMoney(pSeries, i);
    return dTotal;
}

// From the menu to the calculation: a higher rate of loan 1 raises its interest.
TEST_F(DataLoanTest, ChangedRateMovesTheInterest)
{
    Calculate();
    const double dBefore = TotalInterest(m_pDoc->m_objCalc.m_apLoanArray[0]);
    ASSERT_GT(dBefore, 0);
    Open(20005);
    RunDetail(1020, [&](CLoanDetailDlg& dlg) {
        Type(&dlg, 10003, "9");
        Click(&dlg, IDOK);
        return true;
    });
    Toolbar(ID_DATA_SAVE);
    Calculate();
    EXPECT_GT(TotalInterest(m_pDoc->m_objCalc.m_apLoanArray[0]), dBefore);
}

} // namespace
