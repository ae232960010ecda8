#include <QLabel>

#include "app/common/formkit.h"
#include "app/shell/reversecalcdlg.h"
#include "projectdoctest.h"

namespace {

using Dlg = CReverseCalcDlg;

// What the user enters in the reverse-calculation dialog.
struct Entry {
    int nYear;
    int nTarget;
    double dValue;
    int nVariable;
    double dStep;
};

void Fill(CReverseCalcDlg* dlg, const Entry& e)
{
    CFormWidget* form = dlg->GetForm();
    CString str;
    str.Format("%d", e.nYear);
    form->SetDlgItemText(Dlg::IDC_TARGET_YEAR, str);
    str.Format("%.17g", e.dValue); // every digit: a target equal to the figure stays equal
    form->SetDlgItemText(Dlg::IDC_TARGET_VALUE, str);
    str.Format("%.3f", e.dStep);
    form->SetDlgItemText(Dlg::IDC_STEP, str);
    form->SetCurSel(Dlg::IDC_TARGET_ITEM, e.nTarget);
    form->SetCurSel(Dlg::IDC_VARIABLE_ITEM, e.nVariable);
}

std::string UnitText(const CReverseCalcDlg& dlg, UINT nID)
{
    return qobject_cast<QLabel*>(dlg.GetForm()->GetDlgItem(nID))->text().toStdString();
}

class ReverseCalcTest : public ProjectDocTest {
protected:
    // Runs the command with the entry; the count of calculation runs.
    int Run(ExampleDoc* doc, const Entry& e)
    {
        WhenShown<CReverseCalcDlg>([e](CReverseCalcDlg* dlg) {
            Fill(dlg, e);
            dlg->accept();
        });
        doc->m_steps.clear();
        m_boxes.m_shown.clear();
        m_boxes.m_texts.clear();
        doc->OnCmdMsg(ID_REVERSE_CALC, nullptr);
        return int(doc->m_steps.size()) / (CTavCalcClass::kLastStep + 1);
    }
    static const CYearBalanceClass* Year(const CTavrinProjectDoc* doc, int nYear)
    {
        return dynamic_cast<const CYearBalanceClass*>(doc->m_objCalc.m_pYearArray->GetAt(nYear));
    }
};

TEST_F(ReverseCalcTest, GoalSeekStopsAtTheTargetOrAfterElevenRuns)
{
    ExampleDoc* base = OpenExample(m_strPath);
    ASSERT_NE(base, nullptr);
    base->OnCalcStart();
    ASSERT_NE(base->m_nCalcResult, 0);
    ASSERT_EQ(base->m_objCalc.m_pYearArray->GetSize(), kExampleYears + 1);
    const double dIncome = Year(base, 10)->m_dIncomeTotal;
    const double dRent = base->GetDataRentalType()->GetTerm(0)->m_dRent;
    ASSERT_GT(dRent, 0.0);

    struct Case {
        const char* pszName;
        Entry entry;
        int nRuns;
        const char* pszMessage;
        int nSheet; // edited data sheet, -1 none
        std::function<void(ExampleDoc*)> check;
    } cases[] = {
        {"met at once", {10, 5, dIncome - 1.0, 2, 10.0}, 1, "目標値に達しました", -1,
         [&](ExampleDoc* doc) { EXPECT_EQ(doc->GetDataRentalType()->GetTerm(0)->m_dRent, dRent); }},
        {"met exactly", {10, 5, dIncome, 2, 10.0}, 1, "目標値に達しました", -1,
         [&](ExampleDoc* doc) { EXPECT_EQ(doc->GetDataRentalType()->GetTerm(0)->m_dRent, dRent); }},
        {"rent up one step", {10, 5, dIncome + 1.0, 2, 10.0}, 2, "目標値に達しました", 8,
         [&](ExampleDoc* doc) {
             EXPECT_DOUBLE_EQ(doc->GetDataRentalType()->GetTerm(0)->m_dRent, dRent * 1.1);
             EXPECT_GE(Year(doc, 10)->m_dIncomeTotal, dIncome + 1.0);
         }},
        {"own funds driven to 0", {10, 0, 1e15, 1, -1e12}, 11, "目標値に達しませんでした", 5,
         [](ExampleDoc* doc) { EXPECT_EQ(doc->m_objDataClass.m_pDataSupply->m_objFund.dOwnFund, 0.0); }},
        {"other expense 1", {3, 4, 1e15, 3, 5.0}, 11, "目標値に達しませんでした", 6, [](ExampleDoc*) {}},
    };
    for (const Case& c : cases) {
        ExampleDoc* doc = OpenExample(m_strPath);
        ASSERT_NE(doc, nullptr);
        const double dExpense = doc->m_objDataClass.m_pDataCost->m_aCostItem[4].adAmount[0];
        auto* rentalTypes = new ReloadCountingFrame(doc, 20008);
        m_frame.AddChildFrame(rentalTypes);
        EXPECT_EQ(Run(doc, c.entry), c.nRuns) << c.pszName;
        EXPECT_EQ(rentalTypes->Reloads() > 0, c.nSheet == 8) << c.pszName;
        ASSERT_EQ(m_boxes.m_shown.size(), 1u) << c.pszName;
        EXPECT_EQ(m_boxes.m_shown[0], Utf8("逆算結果:") + Utf8(c.pszMessage)) << c.pszName;
        EXPECT_NE(doc->m_nCalcResult, 0) << c.pszName;
        // (The open basic-conditions window stores its sheet before the runs.)
        for (int i = 1; i < CTavrinProjectDoc::kDataWindows; ++i)
            EXPECT_EQ(doc->m_abDataModified[i], i == c.nSheet) << c.pszName << i;
        if (c.entry.nVariable == 3) {
            EXPECT_DOUBLE_EQ(doc->m_objDataClass.m_pDataCost->m_aCostItem[4].adAmount[0], dExpense + 50.0);
        }
        c.check(doc);
    }
}

TEST_F(ReverseCalcTest, TargetYearPastTheCalculatedYearsIsRefused)
{
    ExampleDoc* doc = OpenExample(m_strPath);
    ASSERT_NE(doc, nullptr);
    bool bStayed = false;
    WhenShown<CReverseCalcDlg>([&](CReverseCalcDlg* dlg) {
        Fill(dlg, {kExampleYears + 1, 0, 1.0, 0, 1.0});
        dlg->accept();
        bStayed = dlg->isVisible();
        dlg->reject();
    });
    m_boxes.m_texts.clear();
    m_frame.OpenBasicConditions(doc);
    m_frame.SendCommand(ID_REVERSE_CALC);
    EXPECT_TRUE(bStayed);
    EXPECT_TRUE(doc->m_steps.empty());
    ASSERT_EQ(m_boxes.m_texts.size(), 1u);
    CString expected;
    expected.Format("1 から %d までの整数を入力してください。", kExampleYears);
    EXPECT_EQ(m_boxes.m_texts[0], expected);
}

TEST_F(ReverseCalcTest, CancelOrFailureStopsWithoutTheResultMessage)
{
    for (bool bCancel : {true, false}) {
        ExampleDoc* doc = OpenExample(m_strPath);
        ASSERT_NE(doc, nullptr);
        int nSteps = 0;
        doc->m_onStep = [&](int) {
            // The second run is cancelled or fails at its step 5.
            if (++nSteps != 27 + 6) return;
            if (bCancel)
                doc->GetProgressDlg()->OnCancel();
            else
                doc->m_nFailStep = 5;
        };
        EXPECT_EQ(Run(doc, {10, 0, 1e15, 1, 100.0}), 1) << bCancel;
        EXPECT_EQ(doc->m_nCalcResult, 0);
        EXPECT_TRUE(doc->m_abDataModified[5]); // the changed input stays and is marked
        ExpectRunMessage(bCancel);
    }
}

TEST(ReverseCalcDlgTest, ZeroStepAndYearBecomeOneAndUnitsFollowTheItems)
{
    CProjectInMemory project;
    project.m_data.m_pDataCost->m_aCostItem[4].m_strOtherName = "広告費";
    CReverseCalcDlg dlg;
    dlg.SetDataClass(&project.m_data);
    dlg.m_nLastYear = 30;
    dlg.m_nTargetYear = 10;
    dlg.m_dTargetValue = 1234.5;
    dlg.m_dStep = 10.0;
    dlg.m_nTargetItem = 6;
    dlg.m_nVariableItem = 2;
    dlg.OnInitDialog();
    CFormWidget* form = dlg.GetForm();
    EXPECT_EQ(form->GetDlgItemText(Dlg::IDC_TARGET_VALUE), CString("1,234.5"));
    EXPECT_EQ(UnitText(dlg, Dlg::IDC_TARGET_UNIT), Utf8("％"));
    EXPECT_EQ(UnitText(dlg, Dlg::IDC_STEP_UNIT), Utf8("％"));
    auto* variable = qobject_cast<QComboBox*>(form->GetDlgItem(Dlg::IDC_VARIABLE_ITEM));
    ASSERT_EQ(variable->count(), 9);
    EXPECT_EQ(variable->itemText(3).toStdString(), Utf8("広告費"));
    form->SetCurSel(Dlg::IDC_VARIABLE_ITEM, 1);
    EXPECT_EQ(UnitText(dlg, Dlg::IDC_STEP_UNIT), Utf8("千円"));

    Fill(&dlg, {0, 3, 5.0, 4, 0.0});
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_nTargetYear, 1);
    EXPECT_EQ(dlg.m_dStep, 1.0);
    EXPECT_EQ(dlg.m_nTargetItem, 3);
    EXPECT_EQ(dlg.m_nVariableItem, 4);
    EXPECT_EQ(dlg.m_dTargetValue, 5.0);
}

} // namespace
