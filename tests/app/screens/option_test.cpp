#include <QTabBar>
#include <gtest/gtest.h>

#include "app/taxopt/advanceratedlg.h"
#include "app/taxopt/businessratedlg.h"
#include "app/taxopt/constructiontaxdlg.h"
#include "app/taxopt/optionadvanceview.h"
#include "app/taxopt/optionconsumptionincomeview.h"
#include "app/taxopt/optiondialogs.h"
#include "app/taxopt/optionexpensemanageview.h"
#include "app/taxopt/optionothermanageview.h"
#include "data/databasic.h"
#include "data/datacost.h"
#include "data/datarentalbasic.h"
#include "option/optionbusiness.h"
#include "option/optionconsumption.h"
#include "option/optionmanage.h"
#include "projectdoctest.h"
#include "result/calc/yearbalance.h"
#include "screentest.h"

namespace {

class OptionTest : public ScreenTest {
protected:
    COptionFormView* OpenOption(UINT nID)
    {
        Open(nID);
        Pump();
        return ActiveViewAs<COptionFormView>();
    }
    BOOL Edited(UINT nID) const { return m_pDoc->m_abOptionModified[nID - 20300]; }
};

} // namespace

// Every option window opens through its command with its caption, and a
// store without changes marks nothing and closes the window.
TEST_F(OptionTest, EveryWindowOpensAndStoresUnchanged)
{
    const struct {
        UINT nID;
        const char* pszCaption;
        const char* pszShot; // empty: the shot is taken with the pages
    } cases[] = {
        {20300, "オプション－事業割合", "screen_option_businessrate"},
        {20301, "オプション－建設所要資金にかかる消費税", "screen_option_consumptionexpense"},
        {20302, "オプション－経理処理方法", "screen_option_expensemanage"},
        {20303, "オプション－前受率", "screen_option_advance"},
        {20304, "オプション－仕入にかかる消費税", "screen_option_consumptioncost"},
        {20305, "オプション－売上にかかる消費税", ""},
        {20306, "オプション－創業償却・按分方法", "screen_option_othermanage"},
    };
    for (const auto& c : cases) {
        ASSERT_NE(OpenOption(c.nID), nullptr) << c.nID;
        EXPECT_EQ(Caption(), c.pszCaption);
        if (*c.pszShot) Shot(c.pszShot);
        Toolbar(ID_DATA_SAVE);
        EXPECT_EQ(Active()->m_nCommandID, 20000) << c.nID << " stays open";
        EXPECT_FALSE(Edited(c.nID)) << c.nID;
    }
    EXPECT_TRUE(m_boxes.m_texts.empty());
}

// One choice on each window reaches its record and marks the window edited.
TEST_F(OptionTest, ChoicesReachTheRecords)
{
    COptionBusinessRateClass& business = *m_pDoc->GetOptionBusinessRate();
    COptionConsumptionExpenseClass& expense = *m_pDoc->GetOptionConsumptionExpense();
    COptionExpenseManageClass& manage = *m_pDoc->GetOptionExpenseManage();
    COptionConsumptionCostClass& cost = *m_pDoc->GetOptionConsumptionCost();
    COptionOtherManageClass& other = *m_pDoc->GetOptionOtherManage();
    business.m_anApply[20] = 0;
    expense.m_aItem[16].nManage = 0;
    manage.m_aManage[23].nPayment = 0;
    cost.m_anTax[12] = 0;
    other.m_nOwnFundTime = 0;
    const struct {
        UINT nWindow;
        UINT nBox;
        int nIndex;
        const int* pnField;
        int nExpected;
    } cases[] = {
        {20300, 10021, 1, &business.m_anApply[20], 1},
        {20301, 10034, 4, &expense.m_aItem[16].nManage, 4},
        {20302, 10048, 3, &manage.m_aManage[23].nPayment, 3},
        {20304, 10013, 1, &cost.m_anTax[12], 1},
        {20306, 10008, 1, &other.m_nOwnFundTime, 1},
    };
    for (const auto& c : cases) {
        COptionFormView* view = OpenOption(c.nWindow);
        ASSERT_NE(view, nullptr) << c.nWindow;
        Choose(view, c.nBox, c.nIndex);
        Toolbar(ID_DATA_SAVE);
        EXPECT_EQ(*c.pnField, c.nExpected) << c.nWindow;
        EXPECT_TRUE(Edited(c.nWindow)) << c.nWindow;
    }
}

// Values the boxes do not list are kept unless the user picks an entry; the
// yield formula box lists all five formulas.
TEST_F(OptionTest, UnlistedValuesAreKept)
{
    m_pDoc->GetOptionConsumptionExpense()->m_aItem[3].nManage = 5;
    m_pDoc->GetOptionExpenseManage()->m_aManage[16].nManage = 7;
    m_pDoc->GetOptionOtherManage()->m_nYieldFormula = 4;
    for (const UINT nID : {20301, 20302}) {
        OpenOption(nID);
        Toolbar(ID_DATA_SAVE);
        EXPECT_FALSE(Edited(nID));
    }
    EXPECT_EQ(m_pDoc->GetOptionConsumptionExpense()->m_aItem[3].nManage, 5);
    EXPECT_EQ(m_pDoc->GetOptionExpenseManage()->m_aManage[16].nManage, 7);
    COptionFormView* view = OpenOption(20306);
    EXPECT_EQ(view->GetCurSel(10006), 4);
    Choose(view, 10006, 3);
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(m_pDoc->GetOptionOtherManage()->m_nYieldFormula, 3);
}

// Range checks of the numbers: the prompt with the bounds, nothing stored,
// the focus on the field; the bound itself is accepted.
TEST_F(OptionTest, NumberRanges)
{
    const struct {
        UINT nWindow;
        UINT nEdit;
        const char* pszBad;
        const char* pszPrompt;
        const char* pszGood;
    } cases[] = {
        {20303, 10012, "100.5", "0 から 100 までの数値を入力してください。", "100"},
        {20306, 10001, "51", "0 から 50 までの整数を入力してください。", "50"},
    };
    for (const auto& c : cases) {
        COptionFormView* view = OpenOption(c.nWindow);
        m_boxes.m_texts.clear();
        Type(view, c.nEdit, c.pszBad);
        Toolbar(ID_DATA_SAVE);
        ASSERT_EQ(m_boxes.m_texts.size(), 1u) << c.nWindow;
        EXPECT_EQ(m_boxes.m_texts[0], c.pszPrompt);
        EXPECT_EQ(FocusedId(), c.nEdit);
        EXPECT_FALSE(Edited(c.nWindow));
        Type(view, c.nEdit, c.pszGood);
        Toolbar(ID_DATA_SAVE);
        EXPECT_TRUE(Edited(c.nWindow)) << c.nWindow;
    }
    EXPECT_EQ(m_pDoc->GetOptionAdvance()->m_aRate[3].dDepositRate, 100);
    EXPECT_EQ(m_pDoc->GetOptionOtherManage()->m_nStartupYear, 50);
}

TEST_F(OptionTest, EmptiedNumberBecomesZero)
{
    COptionFormView* view = OpenOption(20306);
    Type(view, 10001, "");
    EXPECT_EQ(view->GetDlgItemText(10001), "0");
}

// Row labels follow the data windows' names each time the window is activated.
TEST_F(OptionTest, LabelsFollowTheDataNames)
{
    COptionFormView* view = OpenOption(20300);
    m_pDoc->GetDataCost()->m_aCostItem[6].m_strOtherName = "清掃費";
    Command(20000);
    Command(20300);
    EXPECT_EQ(view->GetDlgItemText(20108), "清掃費：");
    m_pDoc->GetDataCost()->m_aCostItem[6].m_strOtherName = "";
    Command(20000);
    Command(20300);
    EXPECT_EQ(view->GetDlgItemText(20108), "その他の経費３：");

    m_pDoc->GetDataRentalBasic(2)->m_strName = "";
    view = OpenOption(20303);
    EXPECT_EQ(view->GetDlgItemText(20103), "事務所：");
}

// Row 21's payment is always written as at completion.
TEST_F(OptionTest, RegistrationPaidAtCompletion)
{
    m_pDoc->GetOptionExpenseManage()->m_aManage[21].nPayment = 0;
    COptionFormView* view = OpenOption(20302);
    EXPECT_FALSE(view->GetDlgItem(10046)->isVisible());
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(m_pDoc->GetOptionExpenseManage()->m_aManage[21].nPayment, 2);
}

TEST_F(OptionTest, CancelKeepsTheRecord)
{
    const int nBefore = m_pDoc->GetOptionBusinessRate()->m_anApply[0];
    COptionFormView* view = OpenOption(20300);
    Choose(view, 10001, 1 - nBefore);
    Toolbar(ID_DATA_CANCEL);
    EXPECT_EQ(m_pDoc->GetOptionBusinessRate()->m_anApply[0], nBefore);
    EXPECT_FALSE(Edited(20300));
    EXPECT_EQ(Active()->m_nCommandID, 20000);
}

// Next on the last window does nothing; previous stores and opens the one before.
TEST_F(OptionTest, FamilyEnds)
{
    COptionFormView* view = OpenOption(20306);
    Choose(view, 10007, 1 - m_pDoc->GetOptionOtherManage()->m_nMinusSurplus);
    Toolbar(ID_DATA_NEXT);
    EXPECT_EQ(Active()->m_nCommandID, 20306);
    EXPECT_FALSE(Edited(20306));
    Toolbar(ID_DATA_PREV);
    Pump();
    EXPECT_EQ(Active()->m_nCommandID, 20305);
    EXPECT_TRUE(Edited(20306));
}

// The consumption tax on income: tabs named after the rental categories; a
// choice on a page left earlier is stored with the page shown.
TEST_F(OptionTest, IncomeTabsAndPages)
{
    m_pDoc->GetDataRentalBasic(1)->m_strName = "";
    m_pDoc->GetOptionConsumptionIncome()->m_aRental[2].m_anTax[0] = 0;
    OpenOption(20305);
    auto* view = ActiveViewAs<COptionConsumptionIncomeView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->TabCtrl()->GetItemText(0), "その他の収入");
    EXPECT_EQ(view->TabCtrl()->GetItemText(2), "マンション");
    ASSERT_NE(view->Page(0), nullptr);
    EXPECT_EQ(view->Page(0)->GetDlgItemText(20107), "手元残高運用利息：");
    Shot("screen_option_consumptionincome");
    view->TabCtrl()->TabBar()->setCurrentIndex(3);
    Pump();
    ASSERT_NE(view->Page(3), nullptr);
    Shot("screen_option_consumptionincome_rental");
    Choose(view->Page(3), 10001, 1);
    view->TabCtrl()->TabBar()->setCurrentIndex(0);
    Pump();
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(m_pDoc->GetOptionConsumptionIncome()->m_aRental[2].m_anTax[0], 1);
    EXPECT_TRUE(Edited(20305));
}

// The yield formula chosen here changes the yield the calculation gives.
TEST_F(OptionTest, YieldFormulaReachesTheCalculation)
{
    m_pDoc->GetOptionOtherManage()->m_nYieldFormula = 0;
    Calculate();
    const double dBefore = m_pDoc->m_objCalc.GetYearRecord(3)->m_dYield;
    COptionFormView* view = OpenOption(20306);
    Choose(view, 10006, 2);
    Toolbar(ID_DATA_SAVE);
    Calculate();
    EXPECT_NE(m_pDoc->m_objCalc.GetYearRecord(3)->m_dYield, dBefore);
}

// The advance-rate dialog refuses a rate over 100 and stays; cancel keeps the rates.
TEST_F(OptionTest, AdvanceRateDialog)
{
    const double dBefore = m_pDoc->GetOptionAdvance()->m_aRate[0].dDepositRate;
    WhenShown<CAdvanceRateDlg>([this](CAdvanceRateDlg* dlg) {
        EXPECT_EQ(FocusedId(), 10009u);
        dlg->SetDlgItemText(10009, "120");
        dlg->OnOK();
        EXPECT_TRUE(dlg->IsModalRunning());
        EXPECT_EQ(m_boxes.m_texts.size(), 1u);
        SaveArtifact(dlg->grab().toImage(), "dialog_advancerate");
        dlg->OnCancel();
    });
    EXPECT_EQ(RunAdvanceRateDialog(m_pDoc, nullptr), IDCANCEL);
    EXPECT_EQ(m_pDoc->GetOptionAdvance()->m_aRate[0].dDepositRate, dBefore);
    EXPECT_FALSE(Edited(20303));

    WhenShown<CAdvanceRateDlg>([](CAdvanceRateDlg* dlg) {
        dlg->SetDlgItemText(10009, "35");
        dlg->OnOK();
    });
    EXPECT_EQ(RunAdvanceRateDialog(m_pDoc, nullptr), IDOK);
    EXPECT_EQ(m_pDoc->GetOptionAdvance()->m_aRate[0].dDepositRate, 35);
    EXPECT_TRUE(Edited(20303));
}

// The business-ratio dialog: unticking 修理費 stores 1 for item 3.
TEST_F(OptionTest, BusinessRateDialog)
{
    m_pDoc->GetOptionBusinessRate()->m_anApply[3] = 0;
    WhenShown<CBusinessRateDlg>([](CBusinessRateDlg* dlg) {
        EXPECT_TRUE(dlg->IsDlgButtonChecked(1301));
        SaveArtifact(dlg->grab().toImage(), "dialog_businessrate");
        dlg->CheckDlgButton(1301, FALSE);
        dlg->OnOK();
    });
    EXPECT_EQ(RunBusinessRateDialog(m_pDoc, nullptr), IDOK);
    EXPECT_EQ(m_pDoc->GetOptionBusinessRate()->m_anApply[3], 1);
    EXPECT_TRUE(Edited(20300));
}

// The construction-tax dialog: bookings 1 and 2 show "as the item" and are
// kept; an untaxed row hides its boxes; the taxes row is never touched; the
// report mode marks the basic data edited.
TEST_F(OptionTest, ConstructionTaxDialog)
{
    COptionConsumptionExpenseClass& record = *m_pDoc->GetOptionConsumptionExpense();
    for (auto& item : record.m_aItem) item = {0, 0, FALSE};
    record.m_aItem[0].nManage = 1;
    record.m_aItem[1].nManage = 2;
    record.m_aItem[8] = {1, 2, TRUE};
    m_pDoc->GetDataBasic()->nFundReportMode = 0;
    WhenShown<CConstructionTaxDlg>([](CConstructionTaxDlg* dlg) {
        EXPECT_EQ(dlg->GetCurSel(1379), 0);
        SaveArtifact(dlg->grab().toImage(), "dialog_constructiontax");
        dlg->CheckDlgButton(1382, FALSE);
        dlg->ShowRows();
        EXPECT_FALSE(dlg->GetDlgItem(1383)->isVisible());
        EXPECT_FALSE(dlg->GetDlgItem(1475)->isVisible());
        dlg->SetCurSel(1379 + 2 * 9, 3); // other cost 2: record row 10
        dlg->SetCurSel(1414, 2);
        dlg->OnOK();
    });
    EXPECT_EQ(RunConstructionTaxDialog(m_pDoc, *m_pDoc->GetDataExpenseOther(), nullptr), IDOK);
    EXPECT_EQ(record.m_aItem[0].nManage, 1);
    EXPECT_EQ(record.m_aItem[1].nManage, 2);
    EXPECT_EQ(record.m_aItem[2].nTax, 1);
    EXPECT_EQ(record.m_aItem[10].nManage, 5);
    EXPECT_EQ(record.m_aItem[8].nTax, 1);
    EXPECT_EQ(record.m_aItem[8].nManage, 2);
    EXPECT_EQ(m_pDoc->GetDataBasic()->nFundReportMode, 2);
    EXPECT_TRUE(Edited(20301));
    EXPECT_TRUE(m_pDoc->m_abDataModified[0]);
}
