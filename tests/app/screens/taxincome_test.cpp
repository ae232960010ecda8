#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "app/taxopt/taxbracketpane.h"
#include "app/taxopt/taxincomeview.h"
#include "result/calc/yearbalance.h"
#include "screentest.h"

namespace {

constexpr UINT IDC_LOWER = 10000;
constexpr UINT IDC_UPPER = 10005;
constexpr UINT IDC_DEDUCTION = 10010;
constexpr UINT IDC_RATE = 10015;
constexpr UINT IDC_LAST_RATE = 10019;
constexpr UINT IDC_SCROLL = 1220;
constexpr UINT IDC_REDUCTION_RATE = 1019;
constexpr UINT IDC_REDUCTION_LIMIT = 1020;
constexpr UINT IDC_REDUCTION_YEAR = 1021;

class TaxIncomeTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        OpenWindow();
    }
    void OpenWindow()
    {
        Open(20212);
        Pump();
        view = ActiveViewAs<CTaxIncomeView>();
        ASSERT_NE(view, nullptr);
        pane = view->Pane();
        ASSERT_NE(pane, nullptr);
    }
    CTaxIncomeClass& Record() const { return *m_pDoc->GetTaxIncome(); }
    // Tab (or Shift+Tab) pressed in control nID of the pane.
    void TabFrom(UINT nID, bool bBack = false)
    {
        QWidget* item = pane->GetDlgItem(nID);
        item->setFocus(Qt::TabFocusReason);
        Pump();
        QTest::keyClick(item, bBack ? Qt::Key_Backtab : Qt::Key_Tab, bBack ? Qt::ShiftModifier : Qt::NoModifier);
        Pump();
    }
    void Scroll(QAbstractSlider::SliderAction action)
    {
        qobject_cast<QScrollBar*>(pane->GetDlgItem(IDC_SCROLL))->triggerAction(action);
        Pump();
    }
    // The document's table: n rows of 1,000 thousand yen each, rate 10 + row,
    // deduction 100 x row, the last one open upwards; the rest empty.
    void SetTable(int n)
    {
        for (int i = 0; i < CTaxIncomeClass::kStepCount; ++i) {
            CTaxPersonalClass& step = Record().m_aStep[i];
            const bool bUsed = i < n;
            step.m_dLower = bUsed ? 1000.0 * i : 0;
            step.m_dUpper = bUsed && i < n - 1 ? 1000.0 * (i + 1) : 0;
            step.m_dRate = bUsed ? 10 + i : 0;
            step.m_dDeduction = bUsed ? 100.0 * i : 0;
        }
    }

    CTaxIncomeView* view = nullptr;
    CTaxBracketPane* pane = nullptr;
};

} // namespace

TEST_F(TaxIncomeTest, OpensWithTheFirstFiveRows)
{
    EXPECT_EQ(Caption(), "税率－所得税");
    EXPECT_EQ(pane->GetTop(), 0);
    for (int i = 0; i < 5; ++i) {
        const CTaxPersonalClass& step = Record().m_aStep[i];
        EXPECT_EQ(pane->GetDlgItemText(IDC_LOWER + UINT(i)), FormatNumber(-1, step.m_dLower, TRUE)) << i;
        EXPECT_EQ(pane->GetDlgItemText(IDC_UPPER + UINT(i)), FormatNumber(-1, step.m_dUpper, TRUE)) << i;
        EXPECT_EQ(pane->GetDlgItemText(IDC_RATE + UINT(i)), FormatNumber(-1, step.m_dRate, TRUE)) << i;
    }
    EXPECT_EQ(pane->GetDlgItemText(IDC_REDUCTION_RATE), FormatNumber(-1, Record().m_adReduction[0], TRUE));
    EXPECT_EQ(pane->GetDlgItemText(IDC_REDUCTION_YEAR), FormatNumber(-1, Record().m_anReductionYear[0], TRUE));
    EXPECT_TRUE(pane->GetDlgItem(IDC_REDUCTION_LIMIT)->isVisible());
    Shot("screen_taxincome");
}

// Leaving an edit: amounts get separators, rates and the year only lose an
// empty text; an upper bound shows at once as the next row's lower bound.
TEST_F(TaxIncomeTest, LeavingTheEdits)
{
    const struct {
        UINT nID;
        const char* pszTyped;
        UINT nShownID;
        const char* pszShown;
    } cases[] = {
        {IDC_UPPER + 2, "1234567", IDC_UPPER + 2, "1,234,567"},
        {IDC_UPPER + 2, "1234567", IDC_LOWER + 3, "1,234,567"},
        {IDC_UPPER + 0, "", IDC_LOWER + 1, "0"},
        {IDC_DEDUCTION + 1, "25000", IDC_DEDUCTION + 1, "25,000"},
        {IDC_DEDUCTION + 1, "", IDC_DEDUCTION + 1, "0"},
        {IDC_RATE + 3, "1234.5", IDC_RATE + 3, "1234.5"},
        {IDC_RATE + 3, "", IDC_RATE + 3, "0"},
        {IDC_REDUCTION_LIMIT, "", IDC_REDUCTION_LIMIT, "0"},
        {IDC_REDUCTION_YEAR, "", IDC_REDUCTION_YEAR, "0"},
    };
    for (const auto& c : cases) {
        Type(pane, c.nID, c.pszTyped);
        EXPECT_EQ(pane->GetDlgItemText(c.nShownID), c.pszShown) << c.nID << " " << c.pszTyped;
    }
}

// The scroll bar's moves and where the shown rows start.
TEST_F(TaxIncomeTest, Scrolling)
{
    const struct {
        QAbstractSlider::SliderAction action;
        int nTop;
    } cases[] = {
        {QAbstractSlider::SliderSingleStepSub, 0}, {QAbstractSlider::SliderSingleStepAdd, 1},
        {QAbstractSlider::SliderPageStepAdd, 6},   {QAbstractSlider::SliderToMaximum, 15},
        {QAbstractSlider::SliderSingleStepAdd, 15}, {QAbstractSlider::SliderPageStepSub, 10},
        {QAbstractSlider::SliderToMinimum, 0},
    };
    for (const auto& c : cases) {
        Scroll(c.action);
        EXPECT_EQ(pane->GetTop(), c.nTop) << c.action;
        EXPECT_EQ(pane->GetScrollPos(IDC_SCROLL), c.nTop) << c.action;
        EXPECT_EQ(pane->GetDlgItemText(IDC_UPPER), FormatNumber(-1, Record().m_aStep[c.nTop].m_dUpper, TRUE));
    }
    Scroll(QAbstractSlider::SliderToMaximum);
    Shot("screen_taxincome_bottom");
}

// Tab past the last rate shows the next five rows, wrapping from the last
// to the first; Shift+Tab on the first upper bound goes back.
TEST_F(TaxIncomeTest, TabPaging)
{
    const struct {
        bool bBack;
        int nTop;
    } cases[] = {{false, 5}, {false, 10}, {false, 15}, {false, 0}, {true, 15}, {true, 10}};
    for (const auto& c : cases) {
        TabFrom(c.bBack ? IDC_UPPER : IDC_LAST_RATE, c.bBack);
        EXPECT_EQ(pane->GetTop(), c.nTop) << c.bBack;
        EXPECT_EQ(FocusedId(), c.bBack ? IDC_LAST_RATE : IDC_UPPER);
        auto* edit = qobject_cast<QLineEdit*>(pane->GetDlgItem(FocusedId()));
        EXPECT_EQ(edit->selectedText(), edit->text());
    }
}

// A text that is no number stops paging, scrolling and the store.
TEST_F(TaxIncomeTest, NonNumberRefuses)
{
    const CTaxIncomeClass before = Record();
    Type(pane, IDC_DEDUCTION + 2, "12a");
    TabFrom(IDC_LAST_RATE);
    EXPECT_EQ(pane->GetTop(), 0);
    EXPECT_EQ(FocusedId(), IDC_DEDUCTION + 2);
    Scroll(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(pane->GetTop(), 0);
    EXPECT_EQ(pane->GetScrollPos(IDC_SCROLL), 0);
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(ActiveViewAs<CTaxIncomeView>(), view) << "the window stays";
    ASSERT_EQ(m_boxes.m_texts.size(), 3u);
    EXPECT_EQ(m_boxes.m_texts[2], "数値を入力してください。");
    EXPECT_EQ(Record().m_aStep[2].m_dDeduction, before.m_aStep[2].m_dDeduction);
}

// Tables of 1, 5, 7 and 20 rows: paged through, an upper bound changed on
// the first page, stored. Every lower bound follows the upper bound above it,
// the open last row still takes any income, the empty rows stay empty.
TEST_F(TaxIncomeTest, TablesOfSeveralSizes)
{
    for (const int n : {1, 5, 7, 20}) {
        Toolbar(ID_DATA_CANCEL);
        SetTable(n);
        OpenWindow();
        const int nChanged = std::min(n - 2, 4);
        const double dNewUpper = 1000.0 * nChanged + 1500;
        if (nChanged >= 0) Type(pane, IDC_UPPER + UINT(nChanged), FormatNumber(-1, dNewUpper, TRUE));
        for (int page = 0; page < 4; ++page) TabFrom(IDC_LAST_RATE);
        EXPECT_EQ(pane->GetTop(), 0) << n;
        Toolbar(ID_DATA_SAVE);
        EXPECT_EQ(ActiveViewAs<CTaxIncomeView>(), nullptr) << n;
        for (int i = 1; i < CTaxIncomeClass::kStepCount; ++i)
            EXPECT_EQ(Record().m_aStep[i].m_dLower, Record().m_aStep[i - 1].m_dUpper) << n << " row " << i;
        if (nChanged >= 0) {
            EXPECT_EQ(Record().m_aStep[nChanged + 1].m_dLower, dNewUpper) << n;
        }
        EXPECT_EQ(Record().GetCheckStep(1e9), n - 1) << n;
        if (n < CTaxIncomeClass::kStepCount) {
            EXPECT_EQ(Record().m_aStep[n].m_dUpper, 0) << n;
        }
    }
}

// The row below the shown five starts where the last shown row now ends,
// though it was never shown.
TEST_F(TaxIncomeTest, LowerBoundBelowTheWindowFollows)
{
    Type(pane, IDC_UPPER + 4, "98765");
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(Record().m_aStep[4].m_dUpper, 98765);
    EXPECT_EQ(Record().m_aStep[5].m_dLower, 98765);
}

// The store writes the scale and the income-tax reduction; the inhabitant-tax
// reduction edited meanwhile on the inhabitant-tax window stays.
TEST_F(TaxIncomeTest, StoreKeepsTheInhabitantReduction)
{
    Record().m_adReduction[2] = 15;
    Record().m_adReduction[3] = 40;
    Record().m_anReductionYear[1] = 3;
    Type(pane, IDC_REDUCTION_RATE, "20");
    Type(pane, IDC_REDUCTION_LIMIT, "250");
    Type(pane, IDC_REDUCTION_YEAR, "2");
    Type(pane, IDC_RATE + 1, "33");
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(ActiveViewAs<CTaxIncomeView>(), nullptr);
    EXPECT_EQ(Record().m_adReduction[0], 20);
    EXPECT_EQ(Record().m_adReduction[1], 250);
    EXPECT_EQ(Record().m_anReductionYear[0], 2);
    EXPECT_EQ(Record().m_aStep[1].m_dRate, 33);
    EXPECT_EQ(Record().m_adReduction[2], 15);
    EXPECT_EQ(Record().m_adReduction[3], 40);
    EXPECT_EQ(Record().m_anReductionYear[1], 3);
}

TEST_F(TaxIncomeTest, CancelDropsTheEdits)
{
    const double dRate = Record().m_aStep[0].m_dRate;
    Type(pane, IDC_RATE, "77");
    TabFrom(IDC_LAST_RATE);
    Toolbar(ID_DATA_CANCEL);
    EXPECT_EQ(ActiveViewAs<CTaxIncomeView>(), nullptr);
    EXPECT_EQ(Record().m_aStep[0].m_dRate, dRate);
}

// One more percent on the row that taxes a year's income raises that year's
// income tax by one percent of the income.
TEST_F(TaxIncomeTest, RateReachesTheCalculation)
{
    Toolbar(ID_DATA_CANCEL);
    m_pDoc->GetDataBasic()->nTaxMethod = 0;
    Calculate();
    int nYear = 1;
    while (m_pDoc->m_objCalc.GetYearRecord(nYear) && m_pDoc->m_objCalc.GetYearRecord(nYear)->m_dTaxableAmount <= 0)
        ++nYear;
    ASSERT_NE(m_pDoc->m_objCalc.GetYearRecord(nYear), nullptr) << "a year with taxable income";
    const CYearBalanceClass before = *m_pDoc->m_objCalc.GetYearRecord(nYear);
    const int nRow = Record().GetCheckStep(before.m_dTaxableAmount);
    OpenWindow();
    Scroll(QAbstractSlider::SliderToMaximum);
    Scroll(QAbstractSlider::SliderToMinimum);
    for (int i = 0; i < nRow; ++i) Scroll(QAbstractSlider::SliderSingleStepAdd);
    const int nShown = nRow - pane->GetTop();
    Type(pane, IDC_RATE + UINT(nShown), FormatNumber(-1, Record().m_aStep[nRow].m_dRate + 1, TRUE));
    Toolbar(ID_DATA_SAVE);
    Calculate();
    const CYearBalanceClass* after = m_pDoc->m_objCalc.GetYearRecord(nYear);
    EXPECT_NEAR(after->m_dIncomeTax, before.m_dIncomeTax + before.m_dTaxableAmount * 0.01, 1e-6);
}
