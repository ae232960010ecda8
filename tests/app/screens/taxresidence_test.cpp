#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

#include "app/taxopt/taxbracketpane.h"
#include "app/taxopt/taxresidenceview.h"
#include "result/calc/yearbalance.h"
#include "screentest.h"

namespace {

constexpr UINT IDC_UPPER = 10005;
constexpr UINT IDC_RATE = 10015;
constexpr UINT IDC_LAST_RATE = 10019;
constexpr UINT IDC_REDUCTION_RATE = 1019;
constexpr UINT IDC_REDUCTION_YEAR = 1021;
constexpr UINT IDC_PREFECTURAL_RATE = 10000;
constexpr UINT IDC_VILLAGE_RATE = 10001;

class TaxResidenceTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        Open(20211);
        Pump();
        view = ActiveViewAs<CTaxResidenceView>();
        ASSERT_NE(view, nullptr);
    }
    void ClickTab(int n)
    {
        view->TabCtrl()->TabBar()->setCurrentIndex(n);
        Pump();
    }
    void TabFrom(CFormWidget* pForm, UINT nID, bool bBack = false)
    {
        QWidget* item = pForm->GetDlgItem(nID);
        item->setFocus(Qt::TabFocusReason);
        Pump();
        QTest::keyClick(item, bBack ? Qt::Key_Backtab : Qt::Key_Tab, bBack ? Qt::ShiftModifier : Qt::NoModifier);
        Pump();
    }

    CTaxResidenceView* view = nullptr;
};

} // namespace

TEST_F(TaxResidenceTest, ThreeTabs)
{
    EXPECT_EQ(Caption(), "税率－住民税");
    CTaxBracketPane* prefectural = view->BracketPane(0);
    ASSERT_NE(prefectural, nullptr);
    EXPECT_EQ(view->BracketPane(1), nullptr) << "panes are made when first shown";
    EXPECT_EQ(prefectural->GetDlgItemText(IDC_RATE),
              FormatNumber(-1, m_pDoc->GetTaxPrefectural()->m_aStep[0].m_dRate, TRUE));
    EXPECT_EQ(prefectural->GetDlgItemText(IDC_REDUCTION_RATE),
              FormatNumber(-1, m_pDoc->GetTaxIncome()->m_adReduction[2], TRUE));
    EXPECT_TRUE(prefectural->GetDlgItem(IDC_REDUCTION_YEAR)->isVisible());
    Shot("screen_taxresidence_prefectural");
    ClickTab(1);
    ASSERT_NE(view->BracketPane(1), nullptr);
    EXPECT_EQ(view->BracketPane(1)->GetDlgItemText(IDC_RATE),
              FormatNumber(-1, m_pDoc->GetTaxVillage()->m_aStep[0].m_dRate, TRUE));
    EXPECT_FALSE(view->BracketPane(1)->GetDlgItem(IDC_REDUCTION_YEAR)->isVisible());
    Shot("screen_taxresidence_village");
    ClickTab(2);
    ASSERT_NE(view->CorporationPane(), nullptr);
    EXPECT_EQ(view->CorporationPane()->GetDlgItemText(IDC_PREFECTURAL_RATE),
              FormatNumber(-1, m_pDoc->GetTaxResidentCorporation()->m_dPrefecturalRate, TRUE));
    Shot("screen_taxresidence_corporation");
}

// A pane holding a non-number keeps its tab.
TEST_F(TaxResidenceTest, RefusingPaneKeepsItsTab)
{
    Type(view->BracketPane(0), IDC_RATE + 1, "x");
    ClickTab(2);
    EXPECT_EQ(view->TabCtrl()->GetCurSel(), 0);
    EXPECT_EQ(view->CorporationPane(), nullptr);
    ASSERT_EQ(m_boxes.m_texts.size(), 1u);
    EXPECT_EQ(m_boxes.m_texts[0], "数値を入力してください。");
    EXPECT_EQ(FocusedId(), IDC_RATE + 1);
}

// Tab at the ends of the municipal table goes back to the tab row; from the
// tab row to the pane's first or last edit.
TEST_F(TaxResidenceTest, TabAtTheEndsOfThePanes)
{
    ClickTab(1);
    CTaxBracketPane* pane = view->BracketPane(1);
    for (int page = 0; page < 3; ++page) TabFrom(pane, IDC_LAST_RATE);
    EXPECT_EQ(pane->GetTop(), 15);
    TabFrom(pane, IDC_LAST_RATE);
    EXPECT_EQ(pane->GetTop(), 15) << "no wrap here";
    EXPECT_EQ(QApplication::focusWidget(), view->TabCtrl()->TabBar());
    QTest::keyClick(view->TabCtrl()->TabBar(), Qt::Key_Tab);
    Pump();
    EXPECT_EQ(FocusedId(), IDC_UPPER);
    ClickTab(2);
    TabFrom(view->CorporationPane(), IDC_VILLAGE_RATE);
    EXPECT_EQ(QApplication::focusWidget(), view->TabCtrl()->TabBar());
    QTest::keyClick(view->TabCtrl()->TabBar(), Qt::Key_Backtab, Qt::ShiftModifier);
    Pump();
    EXPECT_EQ(FocusedId(), IDC_VILLAGE_RATE);
}

// The store writes the three records and the inhabitant-tax reduction; the
// income-tax fields of the income record stay as they are.
TEST_F(TaxResidenceTest, StoreWritesEveryPane)
{
    m_pDoc->GetTaxIncome()->m_adReduction[0] = 11;
    Type(view->BracketPane(0), IDC_UPPER + 4, "43210");
    Type(view->BracketPane(0), IDC_REDUCTION_RATE, "15");
    ClickTab(1);
    Type(view->BracketPane(1), IDC_RATE, "6.5");
    ClickTab(2);
    Type(view->CorporationPane(), IDC_VILLAGE_RATE, "12.3");
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(ActiveViewAs<CTaxResidenceView>(), nullptr);
    EXPECT_EQ(m_pDoc->GetTaxPrefectural()->m_aStep[4].m_dUpper, 43210);
    EXPECT_EQ(m_pDoc->GetTaxPrefectural()->m_aStep[5].m_dLower, 43210);
    EXPECT_EQ(m_pDoc->GetTaxVillage()->m_aStep[0].m_dRate, 6.5);
    EXPECT_EQ(m_pDoc->GetTaxResidentCorporation()->m_dVillageRate, 12.3);
    EXPECT_EQ(m_pDoc->GetTaxIncome()->m_adReduction[2], 15);
    EXPECT_EQ(m_pDoc->GetTaxIncome()->m_adReduction[0], 11);
}

// Cancel drops every edit, the reduction of a pane already left included.
TEST_F(TaxResidenceTest, CancelDropsEveryEdit)
{
    const double dReduction = m_pDoc->GetTaxIncome()->m_adReduction[2];
    const double dRate = m_pDoc->GetTaxPrefectural()->m_aStep[0].m_dRate;
    Type(view->BracketPane(0), IDC_REDUCTION_RATE, "42");
    Type(view->BracketPane(0), IDC_RATE, "42");
    ClickTab(2);
    Toolbar(ID_DATA_CANCEL);
    EXPECT_EQ(ActiveViewAs<CTaxResidenceView>(), nullptr);
    EXPECT_EQ(m_pDoc->GetTaxIncome()->m_adReduction[2], dReduction);
    EXPECT_EQ(m_pDoc->GetTaxPrefectural()->m_aStep[0].m_dRate, dRate);
}

// A lower deduction on the municipal row that taxes a year lowers that
// year's municipal tax by the same amount.
TEST_F(TaxResidenceTest, DeductionReachesTheCalculation)
{
    Toolbar(ID_DATA_CANCEL);
    m_pDoc->GetDataBasic()->nTaxMethod = 0;
    Calculate();
    int nYear = 1;
    while (m_pDoc->m_objCalc.GetYearRecord(nYear) && m_pDoc->m_objCalc.GetYearRecord(nYear)->m_dTaxableAmount <= 0)
        ++nYear;
    ASSERT_NE(m_pDoc->m_objCalc.GetYearRecord(nYear), nullptr);
    const CYearBalanceClass before = *m_pDoc->m_objCalc.GetYearRecord(nYear);
    const int nRow = m_pDoc->GetTaxVillage()->GetCheckStep(before.m_dTaxableAmount);
    ASSERT_LT(nRow, 5) << "a row of the first page";
    Open(20211);
    Pump();
    view = ActiveViewAs<CTaxResidenceView>();
    ClickTab(1);
    const double dDeduction = m_pDoc->GetTaxVillage()->m_aStep[nRow].m_dDeduction;
    Type(view->BracketPane(1), 10010 + UINT(nRow), FormatNumber(-1, dDeduction + 100, TRUE));
    Toolbar(ID_DATA_SAVE);
    Calculate();
    EXPECT_NEAR(m_pDoc->m_objCalc.GetYearRecord(nYear)->m_dMunicipalTax, before.m_dMunicipalTax - 100, 1e-6);
}
