#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/result/enginefixture.h"

namespace {

constexpr double kTax = 10.0 / 110.0; // tax share of an amount that includes 10 % tax

class WorkTimeTest : public EngineYearsTest {
protected:
    // A monthly loan list: the opening item, then nMonths months of interest dInterest and principal dRepay.
    void MakeLoan(CDeleteObArray*& pList, double dAmount, int nMonths, double dInterest, double dRepay,
                  double dOpeningInterest = 0.0)
    {
        CConsumptionLoanClass& opening = AddSeriesItem<CConsumptionLoanClass>(pList, dOpeningInterest);
        opening.m_dRepay = opening.m_dBalance = dAmount;
        double balance = dAmount;
        for (int m = 1; m <= nMonths; ++m) {
            CConsumptionLoanClass& month = AddSeriesItem<CConsumptionLoanClass>(pList, dInterest);
            month.m_dRepay = dRepay;
            month.m_dBalance = balance -= dRepay;
        }
    }

    CConsumptionExpenseClass& AddFund(double dNet, double dTax, int nManage, int nTaxManage)
    {
        CConsumptionExpenseClass& item = AddSeriesItem<CConsumptionExpenseClass>(m_calc.m_pExpenseArray, dNet, dTax);
        item.m_nManage = nManage;
        item.m_nTaxManage = nTaxManage;
        return item;
    }
};

} // namespace

TEST_F(WorkTimeTest, ExpenseCostCountsOnlyExpensedParts)
{
    struct Case {
        int manage, taxManage;
        double expected;
    } cases[] = {
        {2, 0, 110.0}, // expensed item, its tax follows it
        {2, 3, 110.0}, // expensed item, tax expensed
        {2, 4, 100.0}, // tax booked elsewhere
        {0, 0, 0.0},   // land price: nothing expensed
        {1, 3, 10.0},  // building cost with its tax expensed
        {3, 1, 0.0},
    };
    for (const Case& c : cases) {
        CConsumptionExpenseClass item;
        item.m_dNetMoney = 100.0;
        item.m_dTaxMoney = 10.0;
        item.m_nManage = c.manage;
        item.m_nTaxManage = c.taxManage;
        EXPECT_DOUBLE_EQ(m_calc.CalcExpenseCost(&item), c.expected) << c.manage << "/" << c.taxManage;
    }
    CConsumptionMoneyClass other;
    EXPECT_EQ(m_calc.CalcExpenseCost(&other), 0.0);
    EXPECT_EQ(m_calc.CalcExpenseCost(nullptr), 0.0);
}

TEST_F(WorkTimeTest, ConstructionGapNoLoanCoversIsADeficit)
{
    GiveRequiredSeries(m_calc);
    for (int i = 0; i <= 26; ++i) AddFund(0.0, 0.0, 0, 0);
    CDataSupplyClass& supply = *m_data.m_pDataSupply;
    const struct { int autoLoan; int shortUse; double surplus; double cash; } cases[] = {
        {1, 0, 77.0, 77.0},   {1, 0, -500.0, -500.0}, // no loan: a gap is a deficit
        {0, 0, -500.0, 0.0},  {1, 1, -500.0, 0.0},    // the automatic or the shortfall loan covers it
        {0, 0, 77.0, 77.0},
    };
    for (auto c : cases) {
        supply.m_nAutoLoan = c.autoLoan;
        supply.m_objShortLoan.nUse = c.shortUse;
        m_calc.m_dConstructSurplus = c.surplus;
        Year(0).m_dCashOnHand = Year(0).m_dSurplus = 0.0;
        ASSERT_TRUE(m_calc.CalcWorkTime());
        EXPECT_EQ(Year(0).m_dSurplus, c.cash) << c.autoLoan << c.shortUse << " " << c.surplus;
        EXPECT_EQ(Year(0).m_dCashOnHand, c.cash) << c.autoLoan << c.shortUse << " " << c.surplus;
    }
}

TEST_F(WorkTimeTest, ConstructionPeriodRecord)
{
    GiveRequiredSeries(m_calc);
    m_data.m_pDataBasic->dBusinessRatio = 60.0;
    // Funds 0 to 20: item 0 expensed with its tax, item 1 only its tax, the interest (9) apart.
    AddFund(100.0, 10.0, 2, 0);
    AddFund(1000.0, 100.0, 0, 3);
    for (int i = 2; i < 9; ++i) AddFund(500.0, 50.0, 0, 0);
    AddFund(50.0, 5.0, 2, 0); // interest during construction
    for (int i = 10; i <= 20; ++i) AddFund(500.0, 50.0, 1, 0);
    for (int i = 21; i <= 26; ++i) AddFund(10.0 * (i - 20), 1.0, 2, 0);
    // Year-0 land taxes: the fixed-asset and city-planning taxes expensed, the land value tax not.
    AddSeriesItem(m_calc.m_pMunicipalLandTaxArray, 30.0, 3.0);
    AddSeriesItem(m_calc.m_pCityPlanLandTaxArray, 20.0);
    AddSeriesItem(m_calc.m_pLandPriceTaxArray, 40.0);
    m_option.m_pOptionExpenseManage->m_aManage[16].nManage = 2;
    m_option.m_pOptionExpenseManage->m_aManage[23].nManage = 0;
    m_calc.m_dConstructSurplus = 77.0;

    ASSERT_TRUE(m_calc.CalcWorkTime());
    const CYearBalanceClass& r0 = Year(0);
    EXPECT_DOUBLE_EQ(r0.m_adOtherExpense[0], 0.6 * 210.0);
    EXPECT_DOUBLE_EQ(r0.m_adLoanInterest[0], 0.6 * 55.0); // made tax-free: 50 + 5
    for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(r0.m_adConstructExpense[i], 0.6 * (10.0 * (i + 1) + 1.0)) << i;
    EXPECT_DOUBLE_EQ(r0.m_dLandFixedAssetTax, 0.6 * 33.0);
    EXPECT_DOUBLE_EQ(r0.m_dLandCityPlanTax, 0.6 * 20.0);
    EXPECT_EQ(r0.m_dLandPriceTax, 0.0);
    // The rests of the business ratio: 40 % of everything booked above.
    EXPECT_NEAR(r0.m_dNonBusinessCost, 0.4 * (210.0 + 55.0 + 216.0 + 33.0 + 20.0), 1e-9);
    // The items were made tax-free in the series themselves.
    const auto* interest = static_cast<CConsumptionExpenseClass*>(m_calc.m_pExpenseArray->GetAt(9));
    EXPECT_DOUBLE_EQ(interest->m_dNetMoney, 55.0);
    EXPECT_EQ(interest->m_dTaxMoney, 0.0);
    EXPECT_EQ(r0.m_dSurplus, 77.0);
    EXPECT_EQ(r0.m_dCashOnHand, 77.0);
}

TEST_F(WorkTimeTest, OpeningBalancesAndAdvanceReceipts)
{
    GiveRequiredSeries(m_calc);
    for (int i = 0; i < 8; ++i) MakeLoan(m_calc.m_apLoanArray[i], 1000.0 + i, 12, 1.0, 10.0);
    m_data.m_pDataSupply->m_aLoan[7].m_nCapitalPayYear = 5; // loan 8 starts in year 5
    m_data.m_pDataSupply->m_aLoan[2].m_nCapitalPayYear = 5; // only loans 7 and 8 may start later
    MakeLoan(m_calc.m_pAutoLoanArray, 300.0, 12, 1.0, 10.0);
    AddSeriesItem<CConsumptionLoanClass>(m_calc.m_pShortLoanArray).m_dBalance = 40.0;
    for (int k = 0; k < 6; ++k)
        AddSeriesItem<CDepreciationMoneyClass>(m_calc.m_apDepreciationArray[k]).m_dBookValue = 100.0 * k;
    AddSeriesItem<CDepreciationMoneyClass>(m_calc.m_pStartupArray).m_dBookValue = 90.0;

    // Category 2: deposits 1000 with tax 100, guarantee money 2000, 80 % let in year 1.
    static_cast<CConsumptionMoneyClass*>(m_calc.m_apDepositArray[2]->GetAt(0))->m_dNetMoney = 1000.0;
    static_cast<CConsumptionMoneyClass*>(m_calc.m_apDepositArray[2]->GetAt(0))->m_dTaxMoney = 100.0;
    static_cast<CConsumptionMoneyClass*>(m_calc.m_apSecurityArray[2]->GetAt(0))->m_dNetMoney = 2000.0;
    CDataRentalBasicClass& basic = *m_data.m_apDataRentalBasic[2];
    basic.m_aRate[CDataRentalBasicClass::kRateLive].m_aDataRate[0] = {1, 10, 0, 80.0, 0};
    basic.dDepositAmortizeRatio = 10.0;
    basic.dSecurityAmortizeRatio = 20.0;
    m_option.m_pOptionAdvance->m_aRate[2] = {25.0, 50.0};

    ASSERT_TRUE(m_calc.CalcWorkTime());
    const CYearBalanceClass& r0 = Year(0);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(r0.m_adLoanBalance[i], 1000.0 + i) << i;
    EXPECT_EQ(r0.m_adLoanBalance[7], 0.0);
    EXPECT_EQ(r0.m_adLoanBalance[8], 300.0);
    EXPECT_EQ(r0.m_dShortLoanBalance, 40.0);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(r0.m_adBookValue[k], 100.0 * k);
    EXPECT_EQ(r0.m_dStartupBookValue, 90.0);
    EXPECT_DOUBLE_EQ(m_calc.m_adFirstDepositAmortize[2], 0.1 * 880.0);
    EXPECT_DOUBLE_EQ(r0.m_adAdvanceDeposit[2], 880.0 * 0.5);
    EXPECT_DOUBLE_EQ(m_calc.m_adFirstSecurityAmortize[2], 0.2 * 1600.0);
    EXPECT_DOUBLE_EQ(r0.m_adAdvanceSecurity[2], 1600.0 * 0.25);
    EXPECT_EQ(m_calc.m_adFirstDepositAmortize[0], 0.0);
}

TEST_F(WorkTimeTest, MissingSeriesStopWithAnUnexpectedError)
{
    GiveRequiredSeries(m_calc);
    delete m_calc.m_apSecurityArray[7];
    m_calc.m_apSecurityArray[7] = nullptr;
    EXPECT_FALSE(m_calc.CalcWorkTime());
    EXPECT_EQ(m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);

    m_calc.m_nMessageID = CALC_NO_ERROR;
    delete m_calc.m_apDepositArray[3]; // a series without its element 0
    m_calc.m_apDepositArray[3] = new CDeleteObArray;
    EXPECT_FALSE(m_calc.CalcWorkTime());
    EXPECT_EQ(m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);

    m_calc.m_nMessageID = CALC_NO_ERROR;
    delete m_calc.m_apCostArray[9];
    m_calc.m_apCostArray[9] = nullptr;
    EXPECT_FALSE(m_calc.CalcCost());
    EXPECT_EQ(m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);

    // Records short of the number of years.
    m_calc.m_nMessageID = CALC_NO_ERROR;
    m_calc.m_objCalcYear.nCalcYear = 13;
    EXPECT_FALSE(m_calc.CalcLoan());
    EXPECT_EQ(m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
}

TEST_F(WorkTimeTest, RunningExpensesBookedInTheirYearsAndInterval)
{
    GiveRequiredSeries(m_calc);
    for (CDeleteObArray*& series : m_calc.m_apCostArray) FillSeries(series, 13, 100.0, 10.0);
    // Source of the numbers: a running expense from year 3 to year 11 every 4 years is booked in 3, 7 and 11.
    struct Case {
        int item, from, to, interval;
        std::vector<int> years;
    } cases[] = {
        {4, 3, 11, 4, {3, 7, 11}},
        {0, 1, 2, 0, {1, 2}},        // interval 0 counts as 1
        {2, 10, 20, 1, {10, 11, 12}}, // past the horizon
        {3, 5, 4, 1, {}},
    };
    for (const Case& c : cases) {
        CDataCostItemClass& item = m_data.m_pDataCost->m_aCostItem[c.item];
        item.nFromYear = c.from;
        item.nToYear = c.to;
        item.nExtra1 = c.interval;
    }
    // Only the repairs lose 40 % to the business ratio; their tax too.
    m_data.m_pDataBasic->dBusinessRatio = 60.0;
    for (int i = 1; i <= 10; ++i) m_option.m_pOptionBusinessRate->m_anApply[i] = i == 3 ? 0 : 1;

    ASSERT_TRUE(m_calc.CalcCost());
    for (int y = 1; y <= 12; ++y) {
        const CYearBalanceClass& r = Year(y);
        auto booked = [&](const Case& c) { return std::find(c.years.begin(), c.years.end(), y) != c.years.end(); };
        EXPECT_EQ(r.m_adOtherExpense[0], booked(cases[0]) ? 110.0 : 0.0) << y;
        EXPECT_EQ(r.m_dManageCost, booked(cases[1]) ? 110.0 : 0.0) << y;
        EXPECT_DOUBLE_EQ(r.m_dRepairCost, booked(cases[2]) ? 66.0 : 0.0) << y;
        EXPECT_EQ(r.m_dFireInsurance, 0.0) << y;
        const int count = booked(cases[0]) + booked(cases[1]);
        EXPECT_DOUBLE_EQ(r.m_dPurchaseConsumptionTax, 10.0 * count + (booked(cases[2]) ? 6.0 : 0.0)) << y;
        EXPECT_DOUBLE_EQ(r.m_dNonBusinessCost, booked(cases[2]) ? 44.0 : 0.0) << y;
    }
}

TEST_F(WorkTimeTest, LoanRowsByYear)
{
    // Loan 1: 30 months of interest 2 and principal 10 from 300.
    MakeLoan(m_calc.m_apLoanArray[0], 300.0, 30, 2.0, 10.0);
    m_option.m_pOptionConsumptionCost->m_anTax[12] = 1;
    ASSERT_TRUE(m_calc.CalcLoan());
    const double interest[] = {0, 24, 24, 12, 0};
    const double repay[] = {0, 120, 120, 60, 0};
    const double balance[] = {0, 180, 60, 0, 0};
    for (int y = 1; y <= 4; ++y) {
        EXPECT_DOUBLE_EQ(Year(y).m_adLoanInterest[0], interest[y]) << y;
        EXPECT_DOUBLE_EQ(Year(y).m_dLoanInterestPaid, interest[y]) << y;
        EXPECT_DOUBLE_EQ(Year(y).m_adLoanRepay[0], repay[y]) << y;
        EXPECT_DOUBLE_EQ(Year(y).m_adLoanBalance[0], balance[y]) << y;
    }
}

TEST_F(WorkTimeTest, CapitalExpenditureLoanStartsInItsYear)
{
    // Loan 7 finances the capital expenditure of year 5: opening interest 3, then 24 months.
    MakeLoan(m_calc.m_apLoanArray[6], 240.0, 24, 1.0, 10.0, 3.0);
    m_data.m_pDataSupply->m_aLoan[6].m_nCapitalPayYear = 5;
    m_option.m_pOptionConsumptionCost->m_anTax[12] = 1;
    ASSERT_TRUE(m_calc.CalcLoan());
    for (int y = 1; y < 5; ++y) EXPECT_EQ(Year(y).m_adLoanBalance[6], 0.0) << y;
    EXPECT_EQ(Year(5).m_adLoanInterest[6], 3.0);
    EXPECT_EQ(Year(5).m_adLoanRepay[6], 0.0);
    EXPECT_EQ(Year(5).m_adLoanBalance[6], 240.0);
    EXPECT_EQ(static_cast<CConsumptionLoanClass*>(m_calc.m_apLoanArray[6]->GetAt(0))->m_dRepay, 0.0);
    EXPECT_DOUBLE_EQ(Year(6).m_adLoanRepay[6], 120.0);
    EXPECT_DOUBLE_EQ(Year(7).m_adLoanBalance[6], 0.0);
    EXPECT_DOUBLE_EQ(Year(7).m_adLoanInterest[6], 12.0);
    EXPECT_EQ(Year(8).m_adLoanInterest[6], 0.0);
}

TEST_F(WorkTimeTest, BusinessRatioComesOffLoanInterestBeforeItsTax)
{
    MakeLoan(m_calc.m_apLoanArray[2], 1200.0, 12, 110.0 / 12, 100.0);
    m_data.m_pDataBasic->dBusinessRatio = 60.0;
    ASSERT_TRUE(m_calc.CalcLoan());
    const CYearBalanceClass& r = Year(1);
    EXPECT_NEAR(r.m_dLoanInterestPaid, 110.0, 1e-9);
    EXPECT_NEAR(r.m_dNonBusinessCost, 44.0, 1e-9);
    EXPECT_NEAR(r.m_adLoanInterest[2], 66.0, 1e-9); // with its tax
    EXPECT_NEAR(r.m_dPurchaseConsumptionTax, 66.0 * kTax, 1e-9);
}

TEST_F(WorkTimeTest, LandPurchaseLoanInterestIsAllNonBusiness)
{
    MakeLoan(m_calc.m_apLoanArray[5], 600.0, 24, 5.0, 25.0);
    m_data.m_pDataSupply->m_nLandPurchaseLoan = 1;
    ASSERT_TRUE(m_calc.CalcLoan());
    for (int y : {1, 2}) {
        const CYearBalanceClass& r = Year(y);
        EXPECT_EQ(r.m_dLandLoanInterest, 60.0);
        EXPECT_EQ(r.m_dNonBusinessCost, 60.0);
        EXPECT_EQ(r.m_adLoanInterest[5], 0.0);
        EXPECT_EQ(r.m_dLoanInterestPaid, 0.0);
        EXPECT_EQ(r.m_dPurchaseConsumptionTax, 0.0);
        EXPECT_EQ(r.m_adLoanRepay[5], 300.0);
    }
    EXPECT_EQ(Year(2).m_adLoanBalance[5], 0.0);
    EXPECT_EQ(Year(3).m_dLandLoanInterest, 0.0);
}

TEST_F(WorkTimeTest, AutomaticLoanUnlessRepaidFromTheSurplus)
{
    MakeLoan(m_calc.m_pAutoLoanArray, 120.0, 12, 1.0, 10.0);
    m_option.m_pOptionConsumptionCost->m_anTax[12] = 1;
    CDataLoanClass& autoLoan = m_data.m_pDataSupply->m_aLoan[8];
    autoLoan.nRepayMethod = 2;
    ASSERT_TRUE(m_calc.CalcAutoLoan());
    EXPECT_EQ(Year(1).m_adLoanInterest[8], 0.0);
    autoLoan.nRepayMethod = 0;
    ASSERT_TRUE(m_calc.CalcAutoLoan());
    EXPECT_DOUBLE_EQ(Year(1).m_adLoanInterest[8], 12.0);
    EXPECT_DOUBLE_EQ(Year(1).m_adLoanRepay[8], 120.0);
    EXPECT_DOUBLE_EQ(Year(1).m_dLoanInterestPaid, 12.0);
}

TEST_F(WorkTimeTest, DepreciationAndStartupCosts)
{
    for (int k = 0; k < 6; ++k)
        for (int y = 0; y < 4; ++y) {
            AddSeriesItem<CDepreciationMoneyClass>(m_calc.m_apDepreciationArray[k], 10.0 * k + y).m_dBookValue =
                1000.0 - y;
        }
    for (int y = 0; y < 3; ++y)
        AddSeriesItem<CDepreciationMoneyClass>(m_calc.m_pStartupArray, 50.0).m_dBookValue = 100.0 - 50 * y;
    m_data.m_pDataBasic->dBusinessRatio = 60.0;
    ASSERT_TRUE(m_calc.CalcDepreciationCost());
    for (int y = 1; y <= 4; ++y)
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(Year(y).m_adDepreciation[k], y < 4 ? 10.0 * k + y : 0.0);
            EXPECT_EQ(Year(y).m_adBookValue[k], y < 4 ? 1000.0 - y : 0.0);
        }
    // The series holds the business share alone; it was paid from the
    // construction funds and costs nothing outside the business in the year.
    EXPECT_DOUBLE_EQ(Year(1).m_dStartupAmortization, 50.0);
    EXPECT_DOUBLE_EQ(Year(1).m_dNonBusinessCost, 0.0);
    EXPECT_EQ(Year(2).m_dStartupBookValue, 0.0);
    EXPECT_EQ(Year(3).m_dStartupAmortization, 0.0);
}

TEST_F(WorkTimeTest, OutsideLinesByKind)
{
    for (int i = 0; i < 4; ++i) {
        FillSeries(m_calc.m_apRestOtherArray[i], 6, 10.0 * (i + 1), 1.0);
        CDataRestOtherMoneyClass& line = m_data.m_pDataRestOther->m_aRestOtherMoney[i];
        line.nKind = i; // kind 3 books nothing
        line.nFromYear = 2;
        line.nToYear = 7;
    }
    ASSERT_TRUE(m_calc.CalcRestOther());
    for (int y = 1; y <= 7; ++y) {
        const bool booked = y >= 2 && y <= 5; // the series ends with year 5
        EXPECT_EQ(Year(y).m_adOutsideIncome[0], booked ? 11.0 : 0.0) << y;
        EXPECT_EQ(Year(y).m_adIncomeDeduction[1], booked ? 21.0 : 0.0) << y;
        EXPECT_EQ(Year(y).m_adOutsideExpense[2], booked ? 31.0 : 0.0) << y;
        EXPECT_EQ(Year(y).m_adOutsideIncome[3] + Year(y).m_adIncomeDeduction[3] + Year(y).m_adOutsideExpense[3], 0.0);
    }
}

TEST_F(WorkTimeTest, ClosingTheConstructionPeriod)
{
    for (int lossCarry : {0, 1}) {
        SCOPED_TRACE(lossCarry);
        MakeYears(2);
        m_data.m_pDataBasic->nLossCarryMethod = lossCarry;
        m_calc.m_dNonBusinessExpend = 7.0;
        CYearBalanceClass& r0 = Year(0);
        r0.m_aadRentalIncome[0][0] = 5.0;
        r0.m_dLandFixedAssetTax = 100.0;
        r0.m_adConstructExpense[0] = 20.0;
        r0.m_adConstructExpense[5] = 30.0;
        r0.m_adFurtherExpense[10] = 1.0;
        r0.m_adLoanInterest[0] = 40.0;
        r0.m_dLoanInterestPaid = 2.0; // not an expense, yet counted in the public dues
        r0.m_adDepreciation[1] = 8.0;
        r0.m_dNonBusinessCost = 3.0; // private shares of the construction period
        ASSERT_TRUE(m_calc.CalcWorkTimeBalance());
        EXPECT_DOUBLE_EQ(r0.m_dExpenseTotal, 191.0);
        EXPECT_DOUBLE_EQ(r0.m_dProfitBeforeDepreciation, -186.0);
        EXPECT_DOUBLE_EQ(r0.m_dProfitAfterDepreciation, -194.0);
        EXPECT_DOUBLE_EQ(r0.m_dProfitAfterTax, -194.0);
        EXPECT_DOUBLE_EQ(r0.m_dProfitAfterTaxTotal, -194.0);
        EXPECT_EQ(r0.m_dLossCarry, lossCarry ? -194.0 : 0.0);
        EXPECT_EQ(r0.m_dLossCarryTotal, lossCarry ? -194.0 : 0.0);
        EXPECT_EQ(r0.m_dOutsideExpense, 10.0);
        EXPECT_EQ(r0.m_dPlanOutsideExpense, 7.0);
        // Summary dues (100 + 20) and the eighteen fields from the second construction tax to the interest paid.
        EXPECT_DOUBLE_EQ(r0.m_dPublicDues, 120.0 + 30.0 + 1.0 + 2.0);
        EXPECT_EQ(r0.m_dRent, 5.0);
    }
}

TEST_F(WorkTimeTest, StepTwoRunsEveryStepOverTheYears)
{
    GiveRequiredSeries(m_calc);
    FillSeries(m_calc.m_apCostArray[0], 4, 100.0);
    m_data.m_pDataCost->m_aCostItem[0].nFromYear = 1;
    m_data.m_pDataCost->m_aCostItem[0].nToYear = 3;
    MakeLoan(m_calc.m_apLoanArray[0], 240.0, 24, 1.0, 10.0);
    m_calc.m_objCalcYear.nCalcYear = 3;
    ASSERT_TRUE(m_calc.Calc(2));
    ASSERT_EQ(m_calc.m_pYearArray->GetSize(), 4);
    EXPECT_EQ(Year(0).m_adLoanBalance[0], 240.0);
    EXPECT_EQ(Year(3).m_dManageCost, 100.0);
    EXPECT_DOUBLE_EQ(Year(2).m_adLoanRepay[0], 120.0);
    EXPECT_EQ(Year(3).m_adLoanRepay[0], 0.0);
}
