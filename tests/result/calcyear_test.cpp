#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <type_traits>

#include "app/common/classobject.h"
#include "result/calc/consumption.h"
#include "result/calc/tavcalc.h"
#include "result/calc/yearbalance.h"

namespace {

constexpr double kEps = 1e-9;

// A series of nCount items, item i set by fill; the engine that holds it frees it.
template <class TItem = CConsumptionMoneyClass>
CDeleteObArray* MakeSeries(int nCount, const std::function<void(int, std::type_identity_t<TItem>&)>& fill = {})
{
    auto* pSeries = new CDeleteObArray;
    for (int i = 0; i < nCount; ++i) {
        auto* pItem = new TItem;
        if (fill) fill(i, *pItem);
        pSeries->Add(pItem);
    }
    return pSeries;
}

// A project with every record set and an engine holding empty year records,
// as the year filling of step 2 leaves them before the years are closed.
struct Project {
    static constexpr int kYears = 6;

    Project()
    {
        EXPECT_TRUE(data.CreateData());
        EXPECT_TRUE(option.CreateData());
        EXPECT_TRUE(tax.CreateData());
        calc.m_pDataClass = &data;
        calc.m_pOptionClass = &option;
        calc.m_pTaxClass = &tax;
        calc.m_objCalcYear.nCalcYear = kYears;
        data.m_pDataBasic->dBusinessRatio = 100.0;
        calc.m_pYearArray = MakeSeries<CYearBalanceClass>(kYears + 1);
    }

    CYearBalanceClass& Year(int y) { return *static_cast<CYearBalanceClass*>(calc.m_pYearArray->GetAt(y)); }
    CConsumptionLoanClass& ShortLoanItem(int y)
    {
        return *static_cast<CConsumptionLoanClass*>(calc.m_pShortLoanArray->GetAt(y));
    }
    CDataSupplyClass& Supply() { return *data.m_pDataSupply; }
    tagDATABASIC& Basic() { return *data.m_pDataBasic; }

    // Profit before depreciation of a year as rent less a management fee.
    void SetProfit(int y, double dProfit)
    {
        Year(y).m_aadRentalIncome[0][0] = dProfit > 0 ? dProfit : 0.0;
        Year(y).m_dManageCost = dProfit < 0 ? -dProfit : 0.0;
    }

    void UseShortLoan(double dMinimumCash, int nMortgageFee, double dMortgageRate)
    {
        Supply().m_objShortLoan.nUse = 1;
        Supply().m_objShortLoan.nMortgageFee = nMortgageFee;
        tax.m_pTaxLicense->m_dMortgageRate = dMortgageRate;
        data.m_pDataProRestOther->dMinimumCash = dMinimumCash;
    }

    CDataClassObject data;
    COptionClassObject option;
    CTaxClassObject tax;
    CTavCalcClass calc;
};

constexpr int kYears = Project::kYears;

} // namespace

// Worked example: a loss of -300 in year 2 used up by incomes of 100 over a
// three-year carry-forward; the window ends three years back and reaches the
// construction period's result.
TEST(CalcYear, LossCarriedForwardOverThreeYears)
{
    struct Case {
        const char* what;
        int nTaxMethod;
        int nLossYear;      // year whose loss fields are followed
        double dLossYear0;  // construction period's result carried into year 0
        std::array<double, kYears + 1> profit;
        std::array<double, kYears + 1> taxable;    // taxable amount of each year
        std::array<double, kYears + 1> lossAfter;  // loss kept in nLossYear after closing each year
    } const cases[] = {
        {"individual", 0, 2, 0, {0, 0, -300, 100, 100, 100, 100}, {0, 0, 0, 0, 0, 0, 100},
         {0, 0, -300, -200, -100, 0, 0}},
        {"corporation", 1, 2, 0, {0, 0, -300, 100, 100, 100, 100}, {0, 0, 0, 0, 0, 0, 100},
         {0, 0, -300, -200, -100, 0, 0}},
        {"outside the window", 0, 2, 0, {0, 0, -300, 0, 0, 0, 100}, {0, 0, 0, 0, 0, 0, 100},
         {0, 0, -300, -300, -300, -300, -300}},
        {"used up exactly", 0, 2, 0, {0, 0, -300, 300, 100, 0, 0}, {0, 0, 0, 0, 100, 0, 0},
         {0, 0, -300, 0, 0, 0, 0}},
        {"construction period", 1, 0, -150, {0, 100, 100, 0, 0, 0, 0}, {0, 0, 50, 0, 0, 0, 0},
         {-150, -50, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Project p;
        p.Basic().nTaxMethod = c.nTaxMethod;
        p.tax.m_pTaxTransfer->m_nPersonalYear = 3;
        p.tax.m_pTaxTransfer->m_nCorporateYear = 3;
        p.Year(0).m_dLossCarry = p.Year(0).m_dLossCarryTotal = c.dLossYear0;
        for (int y = 1; y <= kYears; ++y) p.SetProfit(y, c.profit[y]);
        for (int y = 1; y <= kYears; ++y) {
            ASSERT_TRUE(p.calc.CalcYearBalance(y)) << y;
            EXPECT_DOUBLE_EQ(p.Year(y).m_dTaxableAmount, c.taxable[y]) << y;
            EXPECT_DOUBLE_EQ(p.Year(c.nLossYear).m_dLossCarry, c.lossAfter[y]) << y;
            EXPECT_DOUBLE_EQ(p.Year(c.nLossYear).m_dLossCarryTotal, c.lossAfter[y]) << y;
        }
    }
}

// The registration tax on a shortfall loan makes the year's taxes run twice;
// the second run starts from the losses as they were before the first.
TEST(CalcYear, SecondTaxRunDoesNotUseEarlierLossesTwice)
{
    Project p;
    p.tax.m_pTaxTransfer->m_nPersonalYear = 3;
    p.UseShortLoan(1000, 0, 0.4);
    p.Year(0).m_dCashOnHand = 2000;
    p.SetProfit(1, -300);
    p.SetProfit(2, 100);
    p.Year(2).m_adOutsideExpense[0] = 1200; // the cash falls to 600, below the minimum
    ASSERT_TRUE(p.calc.CalcYearBalance(1));
    ASSERT_TRUE(p.calc.CalcYearBalance(2));

    const double fee = p.Year(2).m_adConstructExpense[0];
    ASSERT_GT(fee, 0.0);
    EXPECT_DOUBLE_EQ(p.Year(2).m_dProfitAfterDepreciation, 100 - fee);
    EXPECT_DOUBLE_EQ(p.Year(1).m_dLossCarry, (100 - fee) + -300);
    EXPECT_DOUBLE_EQ(p.Year(1).m_dLossCarryTotal, (100 - fee) + -300);
    EXPECT_EQ(p.Year(2).m_dTaxableAmount, 0.0);
}

// Worked example: minimum cash 1,000 and a year that would end with 400.
TEST(CalcYear, ShortfallLoanKeepsTheMinimumCash)
{
    const double r = 0.4 * 0.01;
    struct Case {
        const char* what;
        int nMortgageFee;        // 0 charged
        double dOpeningBalance;  // shortfall loan owed at the start of year 1
        double dInterest;        // its interest in year 1
        double dProfit;
        double dShortLoan;       // negative: borrowed
        double dBalance;
        double dCash;
        double dFee;
    } const cases[] = {
        {"borrow without fee", 1, 0, 0, -600, -600, 600, 1000, 0},
        {"borrow with fee", 0, 0, 0, -600, -600 / (1 - r), 600 / (1 - r), 1000, 600 * r / (1 - r)},
        {"borrow more", 1, 500, 0, -600, -600, 1100, 1000, 0},
        {"repay in full", 1, 500, 0, 800, 500, 0, 1300, 0},
        {"repay in part", 1, 500, 20, 320, 300, 200, 1000, 0},
        {"repay exactly what is owed", 1, 500, 0, 500, 500, 0, 1000, 0},
        {"end exactly at the minimum", 0, 500, 0, 0, 0, 500, 1000, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Project p;
        p.Basic().nTaxMethod = 4;
        p.UseShortLoan(1000, c.nMortgageFee, 0.4);
        p.Year(0).m_dCashOnHand = 1000;
        p.SetProfit(1, c.dProfit);
        if (c.dOpeningBalance > 0)
            p.calc.m_pShortLoanArray =
                MakeSeries<CConsumptionLoanClass>(kYears + 1, [&c](int, CConsumptionLoanClass& item) {
                    item.m_dBalance = c.dOpeningBalance;
                    item.m_dNetMoney = c.dInterest;
                });
        ASSERT_TRUE(p.calc.CalcYearBalance(1));

        const CYearBalanceClass& R = p.Year(1);
        EXPECT_NEAR(R.m_dShortLoan, c.dShortLoan, kEps);
        EXPECT_NEAR(R.m_dShortLoanBalance, c.dBalance, kEps);
        EXPECT_NEAR(p.ShortLoanItem(1).m_dBalance, c.dBalance, kEps);
        EXPECT_NEAR(R.m_dCashOnHand, c.dCash, kEps);
        EXPECT_NEAR(R.m_adConstructExpense[0], c.dFee, kEps);
        EXPECT_NEAR(R.m_dPublicDues, c.dFee, kEps);
        EXPECT_EQ(R.m_dShortLoanInterest, c.dInterest);
        EXPECT_EQ(R.m_dLoanInterestPaid, c.dInterest);
        EXPECT_EQ(p.calc.m_pShortLoanArray->GetSize(), kYears + 1);
    }
}

TEST(CalcYear, ShortfallLoanFeeAtAFullMortgageRateIsNothing)
{
    Project p;
    p.Basic().nTaxMethod = 4;
    p.UseShortLoan(1000, 0, 100.0);
    p.SetProfit(1, -600);
    p.Year(0).m_dCashOnHand = 1000;
    ASSERT_TRUE(p.calc.CalcYearBalance(1));
    EXPECT_EQ(p.Year(1).m_adConstructExpense[0], 0.0);
    EXPECT_EQ(p.Year(1).m_dShortLoan, -600.0);
    EXPECT_EQ(p.Year(1).m_dCashOnHand, 1000.0);
}

// Carry-back of a small corporation's loss against last year's tax, at 25 %
// up to 8,000 and 50 % above.
TEST(CalcYear, LossCarryBackRefundsLastYearsTax)
{
    struct Case {
        const char* what;
        double profit[4];
        double dTax2, dTax3;    // corporation tax of years 2 and 3 (negative: refund)
        double dLoss2, dLoss3;  // losses kept for carry-forward after year 3
    } const cases[] = {
        {"loss absorbed by last year's income", {0, 1000, -300, 100}, -75, 25, 0, 0},
        {"loss larger than last year's income", {0, 1000, -1500, 100}, -250, 0, -400, 0},
        {"loss exactly last year's income", {0, 1000, -1000, 100}, -250, 25, 0, 0},
        {"no refund of a refund", {0, 1000, -300, -200}, -75, 0, 0, -200},
        {"no tax paid last year", {0, 0, -300, 100}, 0, 0, -200, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Project p;
        p.Basic().nTaxMethod = 1;
        p.Basic().bLossCarryBack = 1;
        p.tax.m_pTaxTransfer->m_nCorporateYear = 5;
        double(&tiers)[3][6] = p.tax.m_pTaxCorporation->m_adCapitalStep;
        tiers[0][0] = 25;
        tiers[0][5] = 8000;
        tiers[1][0] = 50;
        for (int y = 1; y <= 3; ++y) p.SetProfit(y, c.profit[y]);
        for (int y = 1; y <= 3; ++y) ASSERT_TRUE(p.calc.CalcYearBalance(y)) << y;
        EXPECT_NEAR(p.Year(2).m_dIncomeTax, c.dTax2, kEps);
        EXPECT_NEAR(p.Year(3).m_dIncomeTax, c.dTax3, kEps);
        EXPECT_NEAR(p.Year(2).m_dLossCarry, c.dLoss2, kEps);
        EXPECT_NEAR(p.Year(3).m_dLossCarry, c.dLoss3, kEps);
    }
}

// Business tax, income or corporation tax and the inhabitant taxes of one
// year, with rates like those in force.
TEST(CalcYear, TaxesOfTheYearByTaxationMethod)
{
    struct Case {
        const char* what;
        int nTaxMethod;
        int nOutsideIncome;  // 0: outside income pays business tax
        double dProfit, dInterest, dOutside, dDeduction;
        double dBusinessTax, dIncomeTax, dPrefectural, dMunicipal;
    } const cases[] = {
        {"individual", 0, 0, 5000, 100, 300, 100, 110, 592.5, 204, 306},
        {"individual, outside income free of business tax", 0, 1, 5000, 100, 300, 100, 100, 592.5, 204, 306},
        {"individual under the deduction", 0, 0, 2000, 0, 0, 0, 0, 102.5, 80, 120},
        {"individual exactly at the deduction", 0, 0, 2900, 0, 0, 0, 0, 192.5, 116, 174},
        {"individual at an income bracket's upper bound", 0, 0, 1950, 0, 0, 0, 0, 97.5, 78, 117},
        {"individual without profit", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {"small corporation", 1, 0, 10000, 0, 0, 0, 492, 1664, 16.64, 99.84},
        {"small corporation, reduced rate only", 1, 0, 6000, 0, 0, 0, 246, 900, 9, 54},
        {"small corporation at the first bracket's upper bound", 1, 0, 4000, 0, 0, 0, 140, 600, 6, 36},
        {"small corporation at the reduced rate's limit", 1, 0, 8000, 0, 0, 0, 352, 1200, 12, 72},
        {"small corporation without profit", 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {"large corporation, standard taxation off", 3, 0, 10000, 0, 0, 0, 492, 2320, 23.2, 139.2},
        {"not taxed", 4, 0, 10000, 0, 0, 0, 0, 0, 0, 0},
    };
    Project p;
    CTaxBusinessClass& business = *p.tax.m_pTaxBusiness;
    business.m_dPersonalRate = 5;
    business.m_dPersonalDeduction = 2900;
    const double steps[3][2] = {{4000, 3.5}, {8000, 5.3}, {-1, 7.0}};
    for (int i = 0; i < 3; ++i) {
        business.m_aIncomeStep[i].m_dUpper = steps[i][0];
        business.m_aIncomeStep[i].m_dValue = steps[i][1];
    }
    const double incomeRows[3][4] = {{0, 1950, 5, 0}, {1950, 3300, 10, 97.5}, {3300, 6950, 20, 427.5}};
    for (int i = 0; i < 3; ++i) {
        CTaxPersonalClass& row = p.tax.m_pTaxIncome->m_aStep[i];
        row.m_dLower = incomeRows[i][0];
        row.m_dUpper = incomeRows[i][1];
        row.m_dRate = incomeRows[i][2];
        row.m_dDeduction = incomeRows[i][3];
    }
    p.tax.m_pTaxPrefectural->m_aStep[0].m_dUpper = 99999999;
    p.tax.m_pTaxPrefectural->m_aStep[0].m_dRate = 4;
    p.tax.m_pTaxVillage->m_aStep[0].m_dUpper = 99999999;
    p.tax.m_pTaxVillage->m_aStep[0].m_dRate = 6;
    double(&tiers)[3][6] = p.tax.m_pTaxCorporation->m_adCapitalStep;
    tiers[0][0] = 15;
    tiers[0][5] = 8000;
    tiers[1][0] = 23.2;
    tiers[2][0] = 23.2;
    p.tax.m_pTaxResidentCorporation->m_dPrefecturalRate = 1;
    p.tax.m_pTaxResidentCorporation->m_dVillageRate = 6;
    p.data.m_pDataTax->m_objTaxBusiness.nStandardTax = 1;

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        p.Basic().nTaxMethod = c.nTaxMethod;
        p.data.m_pDataTax->m_objTaxBusiness.nOutsideIncome = c.nOutsideIncome;
        CYearBalanceClass& R = p.Year(1);
        R.InitData();
        R.m_dProfitAfterDepreciation = c.dProfit;
        R.m_dInterestIncome = c.dInterest;
        R.m_dPlanOutsideIncome = c.dOutside;
        R.m_dIncomeDeduction = c.dDeduction;
        ASSERT_TRUE(p.calc.CalcBusinessTax(1));
        ASSERT_TRUE(p.calc.CalcOtherTax(1));
        EXPECT_NEAR(R.m_dBusinessTax, c.dBusinessTax, kEps);
        EXPECT_NEAR(R.m_dIncomeTax, c.dIncomeTax, kEps);
        EXPECT_NEAR(R.m_dPrefecturalTax, c.dPrefectural, kEps);
        EXPECT_NEAR(R.m_dMunicipalTax, c.dMunicipal, kEps);
    }
}

// Size-based business tax of a large corporation: the income part at the
// scaled bracket rates, the value-added part and the capital part.
TEST(CalcYear, SizeBasedBusinessTax)
{
    struct Case {
        const char* what;
        double dProfit, dLoanInterest, dGroundRent, dSalary;
        int nSecurityType;
        double dSecurityInterest;
        int nDeferral;  // 0: subject to the collection deferral
        double dIncomePart, dValueAdded, dCapital;
        double dSalaryDeductionRatio = 70;
        int nDeferYear = 3;
    } const cases[] = {
        {"guarantee interest of another rental type", 10000, 0, 0, 0, 3, 200, 1, 72, 122.4, 50},
        {"salaries above the deduction ratio", 10000, 100, 50, 250, 0, 100, 1, 72, 124.2, 50},
        // Half of 200 is deducted: exactly the salaries, so the deduction applies.
        {"salaries exactly at the deduction ratio", 10000, 100, 0, 100, 0, 0, 1, 72, 121.2, 50, 50},
        {"first bracket only", 3000, 0, 0, 0, 0, 0, 1, 15, 36, 50},
        {"at the first bracket's upper bound", 4000, 0, 0, 0, 0, 0, 1, 20, 48, 50},
        {"loss in the deferral years", -500, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {"loss in the last deferral year", -500, 0, 0, 0, 0, 0, 0, 0, 0, 0, 70, 1},
        {"loss after the deferral years", -500, 0, 0, 0, 0, 0, 0, 0, 0, 50, 70, 0},
        {"loss without deferral", -500, 0, 0, 0, 0, 0, 1, 0, 0, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Project p;
        p.Basic().nTaxMethod = 2;
        CTaxBusinessClass& business = *p.tax.m_pTaxBusiness;
        const double steps[3][2] = {{4000, 3.5}, {8000, 5.3}, {-1, 7.0}};
        for (int i = 0; i < 3; ++i) {
            business.m_aIncomeStep[i].m_dUpper = steps[i][0];
            business.m_aIncomeStep[i].m_dValue = steps[i][1];
        }
        business.m_dScaleRatio = 85.714;
        business.m_dAddedValueRate = 1.2;
        business.m_dSalaryDeductionRatio = c.dSalaryDeductionRatio;
        business.m_nDeferYear = c.nDeferYear;
        p.calc.m_dBusinessCapitalTax = 50;
        p.calc.m_pSalaryArray =
            MakeSeries(kYears, [&c](int, CConsumptionMoneyClass& item) { item.m_dNetMoney = c.dSalary; });
        p.data.m_pDataTax->m_objTaxBusiness.nDeferral = c.nDeferral;
        CYearBalanceClass& R = p.Year(1);
        R.m_dProfitAfterDepreciation = c.dProfit;
        R.m_dLoanInterestPaid = c.dLoanInterest;
        R.m_dGroundRent = c.dGroundRent;
        R.m_adSecurityInterest[c.nSecurityType] = c.dSecurityInterest;
        ASSERT_TRUE(p.calc.CalcBusinessTax(1));
        EXPECT_NEAR(R.m_dBusinessTaxIncome, c.dIncomePart, kEps);
        EXPECT_NEAR(R.m_dBusinessTaxValueAdded, c.dValueAdded, kEps);
        EXPECT_NEAR(R.m_dBusinessTaxCapital, c.dCapital, kEps);
        EXPECT_NEAR(R.m_dBusinessTax, c.dIncomePart + c.dValueAdded + c.dCapital, kEps);
    }
}

// Scaled bracket rates keep three decimals; a fraction from 0.49999 rounds up.
TEST(CalcYear, ScaledBusinessTaxRatesRoundAtThreeDecimals)
{
    struct Case {
        double dRate, dScaleRatio, dTaxOnThousand;
    } const cases[] = {
        {3.5, 85.714, 5}, {5.3, 85.714, 8}, {7.0, 85.714, 10}, {0.0499995, 0, 1}, {0.04998, 0, 0},
    };
    Project p;
    p.Basic().nTaxMethod = 3;
    p.calc.m_pSalaryArray = MakeSeries(kYears);
    CTaxBusinessClass& business = *p.tax.m_pTaxBusiness;
    business.m_aIncomeStep[0].m_dUpper = 1e9;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dRate);
        business.m_aIncomeStep[0].m_dValue = c.dRate;
        business.m_dScaleRatio = c.dScaleRatio;
        p.Year(1).m_dProfitAfterDepreciation = 1000;
        ASSERT_TRUE(p.calc.CalcBusinessTax(1));
        EXPECT_NEAR(p.Year(1).m_dBusinessTaxIncome, c.dTaxOnThousand, kEps);
    }
}

// Consumption tax payable at a rate of 60 % (factor 0.375, so that 152 of
// taxable against 5 of non-taxable sales is a taxable-sales ratio of exactly
// 0.95) with taxable purchases of 16.
TEST(CalcYear, ConsumptionTaxPayable)
{
    struct Case {
        const char* what;
        int nMethod;
        double dTaxable, dExempt, dLimit, dExemptSales, dPayable;
    } const cases[] = {
        {"ratio exactly 0.95 deducts in full", 0, 152, 5, 0, 0, (152 - 16) * 0.375},
        {"ratio below 0.95 deducts in proportion", 0, 152, 6, 0, 0, 57 - 16 * 0.375 * (95.0 / 101)},
        {"no sales, exemption from 0", 0, 0, 0, 0, 0, 0},
        {"no sales, no exemption", 0, 0, 0, 0, -1, -6},
        {"only non-taxable sales", 0, 0, 100, 0, -1, -6},
        {"sales within the exemption", 0, 152, 5, 0, 152, 0},
        {"sales just above the exemption", 0, 152, 5, 0, 151.5, (152 - 16) * 0.375},
        {"simplified method", 1, 152, 5, 1000, 0, 0.6 * 152 * 0.375},
        {"simplified method at exactly its limit", 1, 152, 5, 152, 0, 0.6 * 152 * 0.375},
        {"simplified method above its limit", 1, 152, 5, 100, 0, (152 - 16) * 0.375},
        {"not computed", 2, 152, 5, 0, 0, 0},
    };
    Project p;
    p.calc.m_anBusinessFrom[0] = 1;
    p.calc.m_anBusinessTo[0] = 50;
    p.calc.m_adBusinessRate[0] = 60;
    p.tax.m_pTaxConsumption->m_dMarginRate = 60;
    // Key money of rental type 2 and the ground rent are not taxable.
    p.option.m_pOptionConsumptionIncome->m_aRental[2].m_anTax[2] = 1;
    p.option.m_pOptionConsumptionCost->m_anTax[2] = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        p.Basic().nConsumptionTaxMethod = c.nMethod;
        p.tax.m_pTaxConsumption->m_dSimpleSalesLimit = c.dLimit;
        p.tax.m_pTaxConsumption->m_dExemptSales = c.dExemptSales;
        CYearBalanceClass& R = p.Year(1);
        R.m_aadRentalIncome[0][2] = c.dTaxable; // rent
        R.m_aadRentalIncome[1][2] = c.dExempt;  // key money
        R.m_dManageCost = 16;
        R.m_dGroundRent = 50;
        ASSERT_TRUE(p.calc.CalcConsumptionYear(1));
        EXPECT_NEAR(R.m_dConsumptionTaxPaid, c.dPayable, kEps);
    }
}

TEST(CalcYear, PropertyTaxesAndLastYearsBusinessTaxSplitByBusinessRatio)
{
    Project p;
    p.Basic().dBusinessRatio = 60;
    CDeleteObArray** series[] = {&p.calc.m_pMunicipalLandTaxArray, &p.calc.m_pMunicipalBuildTaxArray,
                                 &p.calc.m_pCityPlanLandTaxArray, &p.calc.m_pCityPlanBuildTaxArray,
                                 &p.calc.m_pLandPriceTaxArray};
    for (int i = 0; i < 5; ++i)
        *series[i] = MakeSeries(kYears + 1, [i](int y, CConsumptionMoneyClass& item) {
            item.m_dNetMoney = 100 * (i + 1) + y;
            item.m_dTaxMoney = 10;
        });
    p.Year(0).m_dBusinessTax = 100;
    ASSERT_TRUE(p.calc.CalcYearBalance(1));

    const CYearBalanceClass& R = p.Year(1);
    const double taxes[] = {R.m_dLandFixedAssetTax, R.m_dBuildFixedAssetTax, R.m_dLandCityPlanTax,
                            R.m_dBuildCityPlanTax, R.m_dLandPriceTax};
    for (int i = 0; i < 5; ++i) EXPECT_NEAR(taxes[i], 0.6 * (100 * (i + 1) + 1 + 10), kEps) << i;
    EXPECT_NEAR(R.m_dPrevBusinessTax, 60, kEps);
    EXPECT_NEAR(R.m_dNonBusinessCost, 0.4 * (111 + 211 + 311 + 411 + 511) + 40, kEps);
}

// The automatic loan repaid from the surplus: interest on last year's
// balance at the year's rate, repayment from the cash above the minimum.
TEST(CalcYear, AutomaticLoanRepaidFromTheSurplus)
{
    Project p;
    p.Basic().nTaxMethod = 4;
    p.Basic().dBusinessRatio = 60;
    p.Supply().m_aLoan[8].nRepayMethod = 2;
    p.data.m_pDataProRestOther->dMinimumCash = 500;
    p.calc.m_pAutoLoanArray = MakeSeries<CConsumptionLoanClass>(kYears + 1, [](int y, CConsumptionLoanClass& item) {
        if (y == 0) item.m_dBalance = item.m_dRepay = 1000;
        else item.m_dRepay = 0.05;
    });
    p.SetProfit(1, 2000);
    p.SetProfit(2, 100);
    ASSERT_TRUE(p.calc.CalcYearBalance(1));
    ASSERT_TRUE(p.calc.CalcYearBalance(2));

    const CYearBalanceClass& R = p.Year(1);
    EXPECT_EQ(p.Year(0).m_adLoanBalance[8], 1000.0);
    EXPECT_NEAR(R.m_dLoanInterestPaid, 50, kEps);
    EXPECT_NEAR(R.m_adLoanInterest[8], 30, kEps);
    EXPECT_NEAR(R.m_dNonBusinessCost, 20, kEps);
    EXPECT_NEAR(R.m_adLoanRepay[8], 1000, kEps);
    EXPECT_NEAR(R.m_adLoanBalance[8], 0, kEps);
    EXPECT_NEAR(R.m_dCashOnHand, 2000 - 30 - 20 - 1000, kEps);
    EXPECT_EQ(p.Year(2).m_adLoanInterest[8], 0.0);
    EXPECT_NEAR(p.Year(2).m_dCashOnHand, 950 + 100, kEps);
}

// Only the cash above the minimum of 500 repays the automatic loan: the
// year's flow before repayment is the profit less the interest of 50.
TEST(CalcYear, AutomaticLoanRepaidOnlyAboveTheMinimum)
{
    const struct {
        double dProfit, dRepaid;
    } cases[] = {{550, 0}, {560, 10}, {1600, 1000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dProfit);
        Project p;
        p.Basic().nTaxMethod = 4;
        p.Supply().m_aLoan[8].nRepayMethod = 2;
        p.data.m_pDataProRestOther->dMinimumCash = 500;
        p.calc.m_pAutoLoanArray = MakeSeries<CConsumptionLoanClass>(
            kYears + 1, [](int y, CConsumptionLoanClass& item) { item.m_dBalance = item.m_dRepay = y == 0 ? 1000 : 0.05; });
        p.SetProfit(1, c.dProfit);
        ASSERT_TRUE(p.calc.CalcYearBalance(1));
        EXPECT_NEAR(p.Year(1).m_adLoanRepay[8], c.dRepaid, kEps);
        EXPECT_NEAR(p.Year(1).m_adLoanBalance[8], 1000 - c.dRepaid, kEps);
        EXPECT_NEAR(p.Year(1).m_dCashOnHand, c.dProfit - 50 - c.dRepaid, kEps);
    }
}

// Interest on the cash on hand is earned on what the year before ended with.
TEST(CalcYear, InterestOnLastYearsCash)
{
    Project p;
    p.Basic().nTaxMethod = 4;
    p.data.m_pDataProRestOther->dSurplusRate = 2;
    p.Year(0).m_dCashOnHand = 1000;
    p.SetProfit(1, 500);
    ASSERT_TRUE(p.calc.CalcYearBalance(1));
    ASSERT_TRUE(p.calc.CalcYearBalance(2));
    EXPECT_NEAR(p.Year(1).m_dInterestIncome, 20, kEps);
    EXPECT_NEAR(p.Year(1).m_dCashOnHand, 1520, kEps);
    EXPECT_NEAR(p.Year(2).m_dInterestIncome, 30.4, kEps);
    EXPECT_NEAR(p.Year(2).m_dCashOnHand, 1550.4, kEps);
}

// Extra own funds for a loan count from their first year to their last.
TEST(CalcYear, ExtraOwnFundsCountFromTheFirstToTheLastYear)
{
    Project p;
    CDataLoanClass& loan = p.Supply().m_aLoan[0];
    loan.dAmount = 1000;
    loan.nSpecialFromYear = 2;
    loan.nSpecialToYear = 4;
    loan.dSpecialAmount = 50;
    loan.nSpecialSource = 1;
    const double expected[] = {0, 0, 50, 50, 50, 0};
    for (int y = 1; y <= 5; ++y) {
        ASSERT_TRUE(p.calc.CalcAddMyMoney(y));
        EXPECT_EQ(p.Year(y).m_dAddMyMoney, expected[y]) << y;
    }
}

TEST(CalcYear, CashBalanceOfTheYear)
{
    Project p;
    p.Year(0).m_dCashOnHand = 500;
    p.Year(0).m_adAdvanceDeposit[0] = 1000;
    CYearBalanceClass& R = p.Year(1);
    R.m_dRetainedEarnings = 1000;
    R.m_dOutsideExpense = 100;
    R.m_adLoanRepay[0] = 150;
    R.m_aadDeposit[0][0] = 300;
    R.m_aadDeposit[0][1] = 100;
    R.m_aadSecurity[1][0] = 200;
    CDataCapitalPayClass(&pays)[2] = p.data.m_pDataExpense->m_aCapitalPay;
    pays[0].nYear = pays[1].nYear = 1;
    pays[0].dAmount = 400; // paid from the business income
    pays[0].nSource = 0;
    pays[1].dAmount = 250; // paid from additional own funds
    pays[1].nSource = 2;
    // Extra repayments of loans 1 to 3: only one with an amount and paid from own funds counts.
    const struct {
        double dAmount, dSpecial;
        int nSource;
    } loans[] = {{1000, 50, 1}, {1000, 70, 0}, {0, 80, 1}};
    for (int i = 0; i < 3; ++i) {
        CDataLoanClass& loan = p.Supply().m_aLoan[i];
        loan.dAmount = loans[i].dAmount;
        loan.nSpecialFromYear = 1;
        loan.nSpecialToYear = 2;
        loan.dSpecialAmount = loans[i].dSpecial;
        loan.nSpecialSource = loans[i].nSource;
    }
    ASSERT_TRUE(p.calc.CalcAddMyMoney(1));
    ASSERT_TRUE(p.calc.CalcMoneyBalance(1));
    EXPECT_EQ(R.m_dAddMyMoney, 300.0);
    EXPECT_EQ(R.m_dSurplus, 1000 - 100 - 150 + 400 - 650 + 300.0);
    EXPECT_EQ(R.m_dCashOnHand, 1300.0);
    EXPECT_EQ(R.m_adAdvanceDeposit[0], 1200.0);
    EXPECT_EQ(R.m_adAdvanceSecurity[1], 200.0);
}

// A deficit is met from the cash carried in; the surplus shows the year's
// own flow only when a negative surplus is to be shown.
TEST(CalcYear, DeficitMetFromTheCashCarriedIn)
{
    struct Case {
        double dFlow, dCash;
        int nMinusSurplus;
        double dSurplus, dCashAfter;
    } const cases[] = {
        {-300, 500, 0, 0, 200},     {-300, 500, 1, -300, 200}, {-800, 500, 0, -300, -300},
        {-800, 500, 1, -800, -300}, {-300, 0, 0, -300, -300},  {300, 500, 0, 300, 800},
        {-500, 500, 0, 0, 0},       {-500, 500, 1, -500, 0},
    };
    Project p;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dFlow << " " << c.dCash << " " << c.nMinusSurplus);
        p.option.m_pOptionOtherManage->m_nMinusSurplus = c.nMinusSurplus;
        p.Year(0).m_dCashOnHand = c.dCash;
        p.Year(1).m_dRetainedEarnings = c.dFlow;
        ASSERT_TRUE(p.calc.CalcMoneyBalance(1));
        EXPECT_EQ(p.Year(1).m_dSurplus, c.dSurplus);
        EXPECT_EQ(p.Year(1).m_dCashOnHand, c.dCashAfter);
    }
}

TEST(CalcYear, YieldOnTheFundsPutIn)
{
    Project p;
    CYearBalanceClass& R = p.Year(1);
    R.m_dProfitBeforeDepreciation = 50;
    R.m_dSurplus = 10;
    R.m_dProfitAfterTax = 20;
    R.m_dProfitAfterDepreciation = 30;
    R.m_dIncomeTotal = 40;
    const double expected[] = {5, 1, 2, 3, 4};
    // 500 own funds, loan 1 and the shortfall loan at their start; loan 7
    // finances a capital expenditure and is not counted.
    p.Supply().m_objFund = tagDATAFUND{300, 100, 100};
    p.Supply().m_aLoan[6].m_nCapitalPayYear = 3;
    for (int i : {0, 6})
        p.calc.m_apLoanArray[i] = MakeSeries<CConsumptionLoanClass>(
            1, [i](int, CConsumptionLoanClass& item) { item.m_dBalance = i == 0 ? 300 : 700; });
    p.calc.m_pShortLoanArray = MakeSeries<CConsumptionLoanClass>(
        kYears + 1, [](int y, CConsumptionLoanClass& item) { item.m_dBalance = y == 0 ? 200 : 999; });
    for (int formula = 0; formula < 5; ++formula) {
        p.option.m_pOptionOtherManage->m_nYieldFormula = formula;
        ASSERT_TRUE(p.calc.CalcCapitalPay(1));
        EXPECT_NEAR(R.m_dYield, expected[formula], kEps) << formula;
    }
    p.Supply().m_objFund = tagDATAFUND{-500, 0, 0};
    ASSERT_TRUE(p.calc.CalcCapitalPay(1));
    EXPECT_EQ(R.m_dYield, 0.0);
}

// A step that fails makes the year fail, with its status.
TEST(CalcYear, FailuresOfTheStepsStopTheYear)
{
    struct Case {
        const char* what;
        int nTaxMethod;
        int nYear;
    } const cases[] = {
        {"salary series missing", 2, 1},
        {"no record of the year", 0, kYears + 1},
        {"no previous year", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Project p;
        p.Basic().nTaxMethod = c.nTaxMethod;
        EXPECT_FALSE(p.calc.CalcYearBalance(c.nYear));
        EXPECT_EQ(p.calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
    }
}
