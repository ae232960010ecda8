#include <QTabBar>
#include <gtest/gtest.h>

#include "app/common/formpages.h"
#include "app/data/datarentalbasicview.h"
#include "data/datarentaltype.h"
#include "result/calc/yearbalance.h"
#include "screentest.h"

namespace {

class RentalBasicTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        for (int i = 0; i < 8; ++i) m_pDoc->GetDataRentalBasic(i)->nContractYears = 2 + i;
        m_pDoc->GetDataRentalBasic(1)->m_aRate[CDataRentalBasicClass::kRateLive].m_aDataRate[0].dRate = 80;
        OpenWindow();
    }
    void OpenWindow()
    {
        Open(20007);
        view = ActiveViewAs<CDataRentalBasicView>();
        ASSERT_NE(view, nullptr);
        Pump();
    }
    CFormWidget* Page(int n) const { return view->Page(n); }
    void ClickTab(int n)
    {
        view->TabCtrl()->TabBar()->setCurrentIndex(n);
        Pump();
    }
    // The first rental line in use.
    CDataRentalTermClass* TermInUse() const
    {
        const CDataRentalTypeClass& type = *m_pDoc->GetDataRentalType();
        for (int i = 0; i < CDataRentalTypeClass::kTermCount; ++i) {
            CDataRentalTermClass* term = type.GetTerm(i);
            if (term && term->m_nCategory >= 0 && term->m_dRent != 0) return term;
        }
        return nullptr;
    }

    CDataRentalBasicView* view = nullptr;
};

} // namespace

TEST_F(RentalBasicTest, OpensOnTheFirstCategory)
{
    EXPECT_EQ(Caption(), m_pDoc->GetTitle() + "－賃貸条件  基礎事項");
    EXPECT_EQ(view->GetDlgItemText(10030), m_pDoc->GetDataRentalBasic(0)->m_strName);
    EXPECT_EQ(view->GetDlgItemText(10031), "2");
    ASSERT_NE(Page(0), nullptr);
    EXPECT_EQ(Page(1), nullptr) << "pages are made when first shown";
    const char* const names[] = {"screen_rentalbasic_occupancy", "screen_rentalbasic_turnover", "screen_rentalbasic_rent",
                                 "screen_rentalbasic_deposit", "screen_rentalbasic_tax"};
    for (int n = 0; n < 5; ++n) {
        ClickTab(n);
        ASSERT_NE(Page(n), nullptr) << n;
        Shot(names[n]);
    }
    ClickTab(3);
    EXPECT_TRUE(Page(3)->GetDlgItem(10036)->isVisible());
    Choose(Page(3), 10038, 2);
    EXPECT_FALSE(Page(3)->GetDlgItem(10036)->isVisible()) << "a lump sum has no grace period";
    Shot("screen_rentalbasic_deposit_lumpsum");
}

// A category change re-targets every page; the page shown or a contract
// period that is no number refuses it and the box shows the category kept.
TEST_F(RentalBasicTest, CategoryChange)
{
    ClickTab(0);
    Choose(view, 10030, 1);
    EXPECT_EQ(view->m_nCategory, 1);
    EXPECT_EQ(view->GetDlgItemText(10031), "3");
    EXPECT_EQ(Page(0)->GetDlgItemText(10003), "80");

    const struct {
        CFormWidget* pForm;
        UINT nID;
    } refusals[] = {{Page(0), 10001}, {view, 10031}};
    for (const auto& r : refusals) {
        m_boxes.m_texts.clear();
        Type(r.pForm, r.nID, "12a");
        Choose(view, 10030, 4);
        EXPECT_EQ(view->m_nCategory, 1) << r.nID;
        EXPECT_EQ(view->GetCurSel(10030), 1) << r.nID;
        EXPECT_EQ(view->GetDlgItemText(10030), m_pDoc->GetDataRentalBasic(1)->m_strName) << r.nID;
        EXPECT_EQ(Page(0)->GetDlgItemText(10003), "80") << r.nID << " the pages keep the category shown";
        EXPECT_EQ(m_boxes.m_texts.size(), 1u) << r.nID;
        Type(r.pForm, r.nID, "5");
    }
    Choose(view, 10030, 4);
    EXPECT_EQ(view->m_nCategory, 4);
    EXPECT_EQ(view->m_aRentalBasic[1].nContractYears, 5);
}

// Store: derived schedules of deposits and guarantee money, names in the
// rental-type and option records, the sheet marked.
TEST_F(RentalBasicTest, StoreDerivesTheDepositSchedules)
{
    ClickTab(2);
    Type(Page(2), 10001, "10");
    Type(Page(2), 10003, "3");
    ClickTab(3);
    Choose(Page(3), 10033, 0);
    Choose(Page(3), 10035, 1);
    Type(Page(3), 1019, "20");
    Type(view, 10030, "店舗");
    Type(view, 10030, "");
    EXPECT_EQ(view->GetDlgItemText(10030), "　");
    Choose(view, 10030, 1);
    Type(view, 10030, "住宅");
    m_pDoc->GetOptionConsumptionIncome()->m_nInterestTax = 1;  // changed elsewhere meanwhile
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(ActiveViewAs<CDataRentalBasicView>(), nullptr) << "the window closed";
    const CDataRentalBasicClass& basic = *m_pDoc->GetDataRentalBasic(0);
    EXPECT_EQ(basic.m_aRate[2].m_aDataRate[0].nEndYear, 10);
    EXPECT_EQ(basic.m_aRate[2].m_aDataRate[0].dRate, 3);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(basic.m_aRate[3].m_aDataRate[i].dRate, basic.m_aRate[2].m_aDataRate[i].dRate) << i;
        EXPECT_EQ(basic.m_aRate[3].m_aDataRate[i].nEndYear, basic.m_aRate[2].m_aDataRate[i].nEndYear) << i;
        EXPECT_EQ(basic.m_aRate[4].m_aDataRate[i].dRate, 0) << i;
        EXPECT_EQ(basic.m_aRate[4].m_aDataRate[i].nEndYear, 0) << i;
    }
    EXPECT_EQ(m_pDoc->GetOptionAdvance()->m_aRate[0].dDepositRate, 20);
    EXPECT_EQ(basic.m_strName, "　");
    EXPECT_EQ(m_pDoc->GetDataRentalType()->m_astrName[0], "　");
    EXPECT_EQ(m_pDoc->GetOptionAdvance()->m_astrTypeName[0], "　");
    EXPECT_EQ(m_pDoc->GetOptionConsumptionIncome()->m_astrTypeName[0], "　");
    EXPECT_EQ(m_pDoc->GetDataRentalType()->m_astrName[1], "住宅");
    EXPECT_EQ(m_pDoc->GetOptionAdvance()->m_astrTypeName[1], "住宅");
    EXPECT_EQ(m_pDoc->GetOptionConsumptionIncome()->m_nInterestTax, 1);
    EXPECT_TRUE(m_pDoc->m_abDataModified[7]);
}

// A lump-sum repayment keeps the hidden grace and repayment values as typed.
TEST_F(RentalBasicTest, LumpSumKeepsTheHiddenValues)
{
    ClickTab(3);
    Type(Page(3), 10036, "30");
    EXPECT_EQ(Page(3)->GetDlgItemText(10000), "3");
    Type(Page(3), 10037, "150");
    Choose(Page(3), 10038, 2);
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(ActiveViewAs<CDataRentalBasicView>(), nullptr) << "the hidden rate is not checked";
    const CDataLoanClass& loan = m_pDoc->GetDataRentalBasic(0)->m_objSecurityLoan;
    EXPECT_EQ(loan.nRepayMethod, 2);
    EXPECT_EQ(loan.m_aRepay[0].nEndYear, 30);
    EXPECT_EQ(loan.m_aRepay[0].dRate, 150);
    EXPECT_EQ(loan.m_aRepay[1].nStartYear, 3);
}

// The calculation stops at a category in use without a contract period and
// shows it in this window.
TEST_F(RentalBasicTest, CalculationOpensTheCategoryWithoutContract)
{
    Toolbar(ID_DATA_SAVE);
    CDataRentalTermClass* term = TermInUse();
    ASSERT_NE(term, nullptr);
    const int nCategory = 5;
    term->m_nCategory = nCategory;
    m_pDoc->GetDataRentalBasic(nCategory)->nContractYears = 0;
    m_boxes.m_texts.clear();
    m_pDoc->OnCalcStart();
    Pump();
    ASSERT_EQ(m_boxes.m_texts.size(), 1u);
    EXPECT_NE(m_boxes.m_texts[0].Find("の契約期間が、設定されていません。"), -1);
    view = ActiveViewAs<CDataRentalBasicView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_nCategory, nCategory);
    EXPECT_EQ(view->GetDlgItemText(10031), "0");
    EXPECT_EQ(FocusedId(), 10031u);
}

// A lower occupancy entered here lowers the rent of the calculation.
TEST_F(RentalBasicTest, OccupancyReachesTheCalculation)
{
    Toolbar(ID_DATA_SAVE);
    Calculate();
    auto rent = [this] { return m_pDoc->m_objCalc.GetYearRecord(2)->m_aadRentalIncome[0][0]; };
    const double dBefore = rent();
    ASSERT_GT(dBefore, 0);
    const int nCategory = TermInUse()->m_nCategory;
    OpenWindow();
    Choose(view, 10030, nCategory);
    ClickTab(0);
    Type(Page(0), 10000, "1");
    Type(Page(0), 10001, "99");
    Type(Page(0), 10003, "50");
    Toolbar(ID_DATA_SAVE);
    Calculate();
    EXPECT_LT(rent(), dBefore);
}
