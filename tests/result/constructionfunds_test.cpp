#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "tests/result/fundsproject.h"

namespace {

using ConstructionFundsTest = EngineProject;

constexpr int kMortgageFund = 21;
constexpr int kTotalFund = 27;

// Element 0 of the three land-tax series of the construction period.
std::vector<double> LandTaxes(const CTavCalcClass& calc)
{
    std::vector<double> taxes;
    for (CDeleteObArray* p : {calc.m_pMunicipalLandTaxArray, calc.m_pCityPlanLandTaxArray, calc.m_pLandPriceTaxArray}) {
        const auto* pItem = static_cast<CConsumptionMoneyClass*>(p->GetAt(0));
        taxes.push_back(pItem->m_dNetMoney + pItem->m_dTaxMoney);
    }
    return taxes;
}

} // namespace

TEST(CalcMonTest, MonthTablesByPaymentTiming)
{
    // Index = months before completion: n the start of construction, 0 completion.
    const struct {
        int months, payment;
        double amount;
        std::vector<double> table;
    } cases[] = {
        {5, 1, 100, {0, 0, 50, 50, 0, 0}},   // midway, odd: half in month 2, half in month 3
        {6, 1, 120, {0, 0, 0, 120, 0, 0, 0}}, // midway, even: all in month 3
        {4, 0, 10, {0, 0, 0, 0, 10}},        // at start
        {4, 2, 10, {10, 0, 0, 0, 0}},        // at completion
        {5, 3, 90, {30, 0, 15, 15, 0, 30}},  // three instalments
        {6, 3, 90, {30, 0, 0, 30, 0, 0, 30}},
        {3, 4, 90, {0, 30, 30, 30}},         // monthly
        {4, 5, 10, {0, 0, 0, 0, 0}},         // unknown timing
        {4, -1, 10, {0, 0, 0, 0, 0}},
        {4, 0, 0, {0, 0, 0, 0, 0}},
        {0, 0, 10, {0}},                      // no construction months
    };
    for (const auto& c : cases) {
        std::vector<double> table(c.table.size(), 0.0);
        CTavCalcClass::CalcMon(c.months, c.payment, c.amount, table.data());
        EXPECT_EQ(table, c.table) << c.months << " months, timing " << c.payment;
    }
}

TEST_F(ConstructionFundsTest, FundsFromTheProjectRecords)
{
    CDataExpenseClass& expense = *m_data.m_pDataExpense;
    expense.m_objConstructionCost.nAccounting = 1;
    expense.m_objConstructionCost.nPayment = 4;
    expense.m_aDepreciation[0].dAmount = 1000;
    expense.m_aDepreciation[1].dAmount = 500;
    m_option.m_pOptionBusinessRate->m_anApply[14] = 1;
    m_data.m_pDataOutline->aLand[0].dBuyLand = 50;
    m_data.m_pDataOutline->aBuilding[0].dDemolishBuild = 30;
    m_data.m_pDataBasic->nLandRentConstructRatio = 50;
    m_data.m_pDataOutline->nConstructMonths = 6;
    m_data.m_pDataSupply->m_nLandPurchaseLoan = 1;
    m_data.m_pDataSupply->m_objFund.dLandOwnFund = 5000;
    m_data.m_pDataSupply->m_aLoan[5].m_aRepay[1] = tagDATAREPAY{1, 10, 0.0};

    CDataExpenseMoneyClass* lines = m_data.m_pDataExpenseOther->m_aExpenseMoney;
    lines[0].nInputMethod = 1; // land price per tsubo
    lines[0].dAmount = 300;
    lines[0].nPayment = 2;
    lines[1].nInputMethod = 1; // demolition per tsubo
    lines[1].dAmount = 20;
    lines[2].nInputMethod = 1; // design fee, percent of the construction cost
    lines[2].dAmount = 5;
    lines[2].nAccounting = 1;
    lines[3].nInputMethod = 1; // interest as a rate
    lines[3].dAmount = 3;
    lines[6].dAmount = 70;
    lines[13].dAmount = 80;
    lines[13].nAccounting = 4;

    tagCONSUMPTIONEXPENSE* rows = m_option.m_pOptionConsumptionExpense->m_aItem;
    rows[1].nTax = 1;    // land price
    rows[7].nTax = 1;    // ground rent
    rows[9].nManage = 3; // other cost 1
    rows[16].nTax = 1;   // other cost 8
    rows[16].nManage = 4;
    m_option.m_pOptionExpenseManage->m_aManage[15] = tagEXPENSEMANAGE{2, 4};

    SetInputSeries(1200);
    ASSERT_TRUE(m_calc.CalcExpense());
    ASSERT_EQ(m_calc.m_pExpenseArray->GetSize(), 28);

    // Construction cost by item: an amount that includes its tax holds it.
    EXPECT_DOUBLE_EQ(Fund(0)->m_dNetMoney, 1000 - 1000 / 110.0 * 10);
    EXPECT_DOUBLE_EQ(Fund(0)->m_dTaxMoney, 1000 / 110.0 * 10);
    EXPECT_EQ(Fund(0)->m_nManage, 1);
    EXPECT_EQ(Fund(0)->m_nPayment, 4);
    EXPECT_EQ(Fund(0)->m_nBusinessApply, 0);
    EXPECT_EQ(Fund(1)->m_nBusinessApply, 1);
    EXPECT_DOUBLE_EQ(Fund(1)->m_dNetMoney, 500 - 500 / 110.0 * 10);

    const struct {
        int fund;
        double net, tax;
        int manage, taxManage, payment;
    } funds[] = {
        {6, 15000, 0, 0, 0, 2},                 // 50 tsubo x 300, not taxable
        {7, 600 - 600 / 110.0 * 10, 600 / 110.0 * 10, 0, 0, 0}, // 30 tsubo x 20
        {8, 1500 / 1.1 * 0.05, 1500 / 1.1 * 0.005, 1, 0, 0},    // 5 % of the net 1,500, split as excluding tax
        {9, 0, 0, 0, 0, -1},                    // set with the funding balance
        {12, 300, 0, 2, 0, 4},                  // 50 % of 1,200 / 12 for 6 months
        {13, 70 - 70 / 110.0 * 10, 70 / 110.0 * 10, 0, 3, 0},
        {20, 80, 0, 4, 4, 0},
    };
    for (const auto& f : funds) {
        EXPECT_NEAR(Fund(f.fund)->m_dNetMoney, f.net, 1e-9) << f.fund;
        EXPECT_NEAR(Fund(f.fund)->m_dTaxMoney, f.tax, 1e-12) << f.fund;
        EXPECT_EQ(Fund(f.fund)->m_nManage, f.manage) << f.fund;
        EXPECT_EQ(Fund(f.fund)->m_nTaxManage, f.taxManage) << f.fund;
        EXPECT_EQ(Fund(f.fund)->m_nPayment, f.payment) << f.fund;
    }
    EXPECT_EQ(m_calc.m_nInputMethod, 0) << "the input method is restored after the design fee";
    EXPECT_EQ(Fund(kMortgageFund)->m_nPayment, -1);
    EXPECT_DOUBLE_EQ(m_data.m_pDataSupply->m_aLoan[5].dAmount, 15000 - 5000) << "land-purchase loan";

    // Ratio input: percentages of the construction cost.
    expense.m_objConstructionCost.nInputMethod = 2;
    expense.m_aDepreciation[0].dAmount = 60;
    m_calc.m_dConstructionCost = 20000;
    ASSERT_TRUE(m_calc.CalcExpense());
    EXPECT_DOUBLE_EQ(Fund(0)->m_dNetMoney, 12000 - 12000 / 110.0 * 10);
}

TEST_F(ConstructionFundsTest, TaxesOfTheConstructionPeriod)
{
    m_calc.m_dBuyLandRatio = 0.5;
    m_calc.m_dHouseUseRatio = 0.6;
    m_calc.m_dSpecialHouseRatio = 0.4;
    CTaxLicenseClass& license = *m_tax.m_pTaxLicense;
    license.m_dStandardRatio = 100;
    license.m_dLandRate = 1.5;
    license.m_dBuildingRate = 2;
    CTaxRealtyGetClass& realty = *m_tax.m_pTaxRealtyGet;
    realty.m_dStandardRatio = 50;
    realty.m_dLandRate = 3;
    realty.m_dLandHouseRate = 1.5;
    realty.m_dBuildingRate = 4;
    realty.m_dBuildingHouseRate = 3;
    realty.m_dNewHouseReduction = 1200;
    m_tax.m_pTaxBusinessPlace->m_dTaxPerSquareMeter = 0.6;
    m_tax.m_pTaxBusinessPlace->m_dExemptArea = 1000;
    m_data.m_pDataTax->m_objSpecialHouse.nHouseUnits = 10;
    m_data.m_pDataOutline->aBuilding[1].dPlanBuild = 2000;
    tagDATAREALTYGET& rule = m_data.m_pDataTax->m_objRealtyGet;
    tagDATABUSINESSPLACE& place = m_data.m_pDataTax->m_objBusinessPlace;
    place.nTaxation = 1;
    place.dNonTaxRatio = 10;
    SetInputSeries(0, 100000, 50000);

    // Assessed land 100,000 (half of it bought), building 50,000.
    const struct {
        const char* what;
        std::function<void()> set;
        int fund;
        double tax;
        std::vector<std::pair<int, double>> extra;
    } cases[] = {
        {"land registration", [] {}, 22, 750, {{0, 50000}}},
        {"land acquisition, housing part", [] {}, 23, 225 + 300, {{0, 25000}, {1, 15000}, {2, 10000}}},
        {"land acquisition, no housing rule", [&] { rule.nLandHouseSpecial = 1; }, 23, 750, {{0, 25000}}},
        {"land acquisition entered", [&] { rule.nLandDirect = 1, rule.dLandTax = 123; }, 23, 123, {}},
        {"building registration", [] {}, 24, 1000, {}},
        // New houses 20,000 less 10 x 1,200; other housing 10,000; rest 20,000.
        {"building acquisition", [] {}, 25, 540 + 800, {{0, 50000}, {3, 8000}, {4, 10000}, {5, 20000}}},
        {"building acquisition, no housing rate", [&] { rule.nBuildingHouseSpecial = 1; }, 25, 1520, {}},
        {"building acquisition, no new-house rule", [&] { rule.nNewHouseSpecial = 1; }, 25, 900 + 800,
         {{3, 0}, {4, 30000}, {5, 20000}}},
        {"building acquisition entered", [&] { rule.nBuildingDirect = 1, rule.dBuildingTax = 77; }, 25, 77, {}},
        // 2,000 m2 less 10 % is 1,800, less 60 % housing 720: under the threshold.
        {"business place, exempt", [] {}, 26, 0, {{0, 1800}, {1, -1}}},
        {"business place, no exemption", [&] { place.nExemption = 1; }, 26, 432, {{0, 1800}, {1, 720}}},
        {"business place, above the threshold",
         [&] { m_tax.m_pTaxBusinessPlace->m_dExemptArea = 500; }, 26, 432, {{1, 720}}},
        {"business place not levied", [&] { place.nTaxation = 0; }, 26, 0, {{0, 0}, {1, 0}}},
    };
    for (const auto& c : cases) {
        const tagDATAREALTYGET savedRule = rule;
        const tagDATABUSINESSPLACE savedPlace = place;
        const double savedExempt = m_tax.m_pTaxBusinessPlace->m_dExemptArea;
        c.set();
        ASSERT_TRUE(m_calc.CalcExpense()) << c.what;
        EXPECT_DOUBLE_EQ(Fund(c.fund)->m_dNetMoney, c.tax) << c.what;
        EXPECT_EQ(Fund(c.fund)->m_dTaxMoney, 0.0) << c.what;
        for (auto [i, value] : c.extra) EXPECT_DOUBLE_EQ(Fund(c.fund)->m_adExtra[i], value) << c.what << " [" << i << "]";
        rule = savedRule;
        place = savedPlace;
        m_tax.m_pTaxBusinessPlace->m_dExemptArea = savedExempt;
    }
}

TEST_F(ConstructionFundsTest, MissingInputSeriesAreUnexpected)
{
    const std::function<void()> removals[] = {
        [&] {
            delete m_calc.m_apCostArray[1];
            m_calc.m_apCostArray[1] = nullptr;
        },
        [&] { SetSeries(m_calc.m_pAppraisedBuildArray, {}); },
    };
    for (const auto& remove : removals) {
        SetInputSeries();
        remove();
        m_calc.m_nMessageID = CALC_NO_ERROR;
        EXPECT_FALSE(m_calc.CalcExpense());
        EXPECT_EQ(m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
    }

    const std::function<void()> allRemovals[] = {
        [&] { SetSeries(m_calc.m_apSecurityArray[7], {}); },
        [&] { SetSeries(m_calc.m_pLandPriceTaxArray, {}); },
        [&] { SetSeries(m_calc.m_apLoanArray[2], {}); },
    };
    for (const auto& remove : allRemovals) {
        SetInputSeries();
        ASSERT_TRUE(m_calc.CalcExpense());
        remove();
        m_calc.m_nMessageID = CALC_NO_ERROR;
        EXPECT_FALSE(m_calc.CalcExpenseAll());
        EXPECT_EQ(m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
    }
}

TEST_F(ConstructionFundsTest, InterestDuringConstruction)
{
    // 1,200 paid monthly over 12 months at 3 %; 600 of own funds pay the first
    // six months, so months 6 to 1 before completion bear interest.
    m_calc.m_objDecimal = tagSETDECIMAL{2, 0.005, 0, 0};
    m_data.m_pDataExpense->m_aDepreciation[0].dAmount = 1200;
    m_data.m_pDataExpense->m_objConstructionCost.nPayment = 4;
    m_option.m_pOptionConsumptionExpense->m_aItem[0].nTax = 1;
    m_data.m_pDataExpenseOther->m_aExpenseMoney[3].nInputMethod = 1;
    m_data.m_pDataExpenseOther->m_aExpenseMoney[3].dAmount = 3;
    m_data.m_pDataSupply->m_objFund.dOwnFund = 600;
    SetInputSeries();
    SetLoan(0, 700);

    const struct {
        int ownFundTime;
        double interest;
    } cases[] = {
        {0, (1 + 2 + 3 + 4 + 5 + 6) * 100 * 0.03 / 12},  // 5.25
        {1, (12 * 13 / 2) * 100 * 0.03 / 12},             // own funds at completion: 19.5
    };
    for (auto c : cases) {
        m_option.m_pOptionOtherManage->m_nOwnFundTime = c.ownFundTime;
        ASSERT_TRUE(m_calc.CalcExpense());
        ASSERT_TRUE(m_calc.CalcExpenseAll());
        EXPECT_DOUBLE_EQ(FundValue(9), c.interest) << c.ownFundTime;
        EXPECT_DOUBLE_EQ(m_calc.m_dConstructSurplus, 600 + 700 - 1200 - c.interest);
        EXPECT_DOUBLE_EQ(m_calc.m_dFundSourceTotal, 1300);
    }

    // An amount entered instead of a rate is only rounded.
    m_data.m_pDataExpenseOther->m_aExpenseMoney[3].nInputMethod = 0;
    m_data.m_pDataExpenseOther->m_aExpenseMoney[3].dAmount = 12.345;
    ASSERT_TRUE(m_calc.CalcExpense());
    ASSERT_TRUE(m_calc.CalcExpenseAll());
    EXPECT_DOUBLE_EQ(FundValue(9), 12.35);
}

TEST_F(ConstructionFundsTest, EnoughFundsNeedNoLoan)
{
    // Advances: 90 % occupancy in year 1, half the deposits and a tenth of
    // the guarantee money received before completion.
    m_data.m_apDataRentalBasic[0]->m_aRate[CDataRentalBasicClass::kRateLive].m_aDataRate[0] =
        tagDATARATE{1, 10, 0, 90.0, 0};
    m_option.m_pOptionAdvance->m_aRate[0] = tagADVANCERATE{10, 50};
    m_data.m_pDataExpense->m_aDepreciation[0].dAmount = 10000;
    m_option.m_pOptionConsumptionExpense->m_aItem[0].nTax = 1;
    m_data.m_pDataSupply->m_objFund = tagDATAFUND{3000, 1000, 500};
    m_data.m_pDataSupply->m_objShortLoan.nUse = 1;
    m_tax.m_pTaxLicense->m_dMortgageRate = 0.4;
    SetInputSeries();
    SetSeries(m_calc.m_apDepositArray[0], {1000});
    SetSeries(m_calc.m_apSecurityArray[0], {2000});
    SetLoan(0, 5000, 0);

    ASSERT_TRUE(m_calc.CalcExpense());
    ASSERT_TRUE(m_calc.CalcExpenseAll());
    EXPECT_DOUBLE_EQ(m_calc.m_dAdvanceDepositTotal, 450);
    EXPECT_DOUBLE_EQ(m_calc.m_dAdvanceSecurityTotal, 180);
    EXPECT_DOUBLE_EQ(FundValue(kMortgageFund), 20) << "0.4 % of the mortgaged loan";
    EXPECT_DOUBLE_EQ(m_calc.m_dMortgageLoanTotal, 5000);
    EXPECT_DOUBLE_EQ(m_calc.m_dFundSourceTotal, 4500 + 630 + 5000);
    EXPECT_DOUBLE_EQ(m_calc.m_dConstructSurplus, 4500 + 630 + 5000 - 10000 - 20);
    EXPECT_DOUBLE_EQ(FundValue(kTotalFund), 10020);
    ASSERT_EQ(m_calc.m_pShortLoanArray->GetSize(), kYears + 1);
    EXPECT_EQ(static_cast<CConsumptionLoanClass*>(m_calc.m_pShortLoanArray->GetAt(0))->m_dBalance, 0.0);
    EXPECT_EQ(m_calc.m_pAutoLoanArray, nullptr);

    // A second run does not add the advances again.
    ASSERT_TRUE(m_calc.CalcExpenseAll());
    EXPECT_DOUBLE_EQ(m_calc.m_dAdvanceDepositTotal, 450);
}

TEST_F(ConstructionFundsTest, LoansThatCloseTheGap)
{
    // Uses of 10,000 without any source; the loan carries its own registration fee.
    m_data.m_pDataExpense->m_aDepreciation[0].dAmount = 10000;
    m_option.m_pOptionConsumptionExpense->m_aItem[0].nTax = 1;
    m_tax.m_pTaxLicense->m_dMortgageRate = 0.4;
    SetAutoLoan(0);
    m_data.m_pDataSupply->m_objShortLoan.dRate = 2;
    SetInputSeries();
    CDataSupplyClass& supply = *m_data.m_pDataSupply;

    const struct {
        const char* what;
        int autoLoan, autoFee, shortUse, shortFee;
        double loan, fee;
    } cases[] = {
        {"automatic loan with the fee", 0, 0, 0, 0, 10000 / (1 - 0.004), 10000 / (1 - 0.004) - 10000},
        {"automatic loan without the fee", 0, 1, 0, 0, 10000, 0},
        {"shortfall loan with the fee", 1, 0, 1, 0, 10000 / (1 - 0.004), 10000 / (1 - 0.004) - 10000},
        {"shortfall loan without the fee", 1, 0, 1, 1, 10000, 0},
        {"no loan", 1, 0, 0, 0, 0, 0},
    };
    for (auto c : cases) {
        supply.m_nAutoLoan = c.autoLoan;
        supply.m_aLoan[8].nMortgageFee = c.autoFee;
        supply.m_objShortLoan.nUse = c.shortUse;
        supply.m_objShortLoan.nMortgageFee = c.shortFee;
        ASSERT_TRUE(m_calc.CalcExpense()) << c.what;
        ASSERT_TRUE(m_calc.CalcExpenseAll()) << c.what;
        const double shortLoan = static_cast<CConsumptionLoanClass*>(m_calc.m_pShortLoanArray->GetAt(0))->m_dBalance;
        EXPECT_NEAR(c.autoLoan == 0 ? supply.m_aLoan[8].dAmount : shortLoan, c.loan, 1e-9) << c.what;
        EXPECT_NEAR(FundValue(kMortgageFund), c.fee, 1e-9) << c.what;
        EXPECT_NEAR(m_calc.m_dMortgageLoanTotal, c.fee > 0 ? c.loan : 0.0, 1e-9) << c.what;
        EXPECT_NEAR(m_calc.m_dFundSourceTotal, c.loan, 1e-9) << c.what;
        EXPECT_DOUBLE_EQ(m_calc.m_dConstructSurplus, -10000) << c.what;
    }
}

TEST_F(ConstructionFundsTest, StaleAutomaticLoanAmountIsCleared)
{
    // An earlier run left an automatic loan in the record; now own funds suffice.
    m_data.m_pDataSupply->m_aLoan[8].dAmount = 999;
    m_data.m_pDataExpense->m_aDepreciation[0].dAmount = 1000;
    m_data.m_pDataSupply->m_objFund.dOwnFund = 2000;
    SetInputSeries();
    ASSERT_TRUE(m_calc.CalcExpense());
    ASSERT_TRUE(m_calc.CalcExpenseAll());
    EXPECT_EQ(m_data.m_pDataSupply->m_aLoan[8].dAmount, 0.0);

    // Also when the automatic loan is switched off.
    m_data.m_pDataSupply->m_aLoan[8].dAmount = 999;
    m_data.m_pDataSupply->m_nAutoLoan = 1;
    m_data.m_pDataSupply->m_objFund.dOwnFund = 0;
    ASSERT_TRUE(m_calc.CalcExpenseAll());
    EXPECT_EQ(m_data.m_pDataSupply->m_aLoan[8].dAmount, 0.0);
}

TEST_F(ConstructionFundsTest, MortgageRateOfAHundredPercentOrMoreChargesNoFee)
{
    m_data.m_pDataExpense->m_aDepreciation[0].dAmount = 10000;
    m_option.m_pOptionConsumptionExpense->m_aItem[0].nTax = 1;
    SetAutoLoan(0);
    SetInputSeries();
    CDataSupplyClass& supply = *m_data.m_pDataSupply;
    for (double rate : {100.0, 150.0}) {
        m_tax.m_pTaxLicense->m_dMortgageRate = rate;
        for (int autoLoan : {0, 1}) {
            supply.m_nAutoLoan = autoLoan;
            supply.m_objShortLoan.nUse = 1;
            ASSERT_TRUE(m_calc.CalcExpense());
            ASSERT_TRUE(m_calc.CalcExpenseAll());
            const double shortLoan =
                static_cast<CConsumptionLoanClass*>(m_calc.m_pShortLoanArray->GetAt(0))->m_dBalance;
            EXPECT_EQ(autoLoan == 0 ? supply.m_aLoan[8].dAmount : shortLoan, 10000) << rate << "% " << autoLoan;
            EXPECT_EQ(FundValue(kMortgageFund), 0.0);
            EXPECT_EQ(FundValue(kTotalFund), 10000);
        }
    }
}

TEST_F(ConstructionFundsTest, StepZeroFailsWhenTheFinancingFails)
{
    // The funds are listed, but the financing cannot be completed: a deposit
    // series is missing, or (once the automatic loan's list is built) the
    // automatic loan has no repayment years.
    m_data.m_pDataExpense->m_aDepreciation[0].dAmount = 1000;
    SetInputSeries();
    delete m_calc.m_apDepositArray[0];
    m_calc.m_apDepositArray[0] = nullptr;
    EXPECT_FALSE(m_calc.Calc(0));
    EXPECT_NE(m_calc.m_nMessageID, CALC_NO_ERROR);
    ASSERT_NE(m_calc.m_pExpenseArray, nullptr);
    EXPECT_EQ(m_calc.m_pExpenseArray->GetSize(), 28);
}

TEST_F(ConstructionFundsTest, FundsSortedByAccountingTreatment)
{
    SetInputSeries();
    ASSERT_TRUE(m_calc.CalcExpense());
    // Funds 6 to 20: net amount by the fund's treatment, tax by its own row
    // (3 expense, 4 start-up) or with the fund.
    const struct {
        int fund, manage, taxManage;
        double net, tax;
    } funds[] = {
        {6, 0, 0, 1000, 0},  {7, 1, 0, 200, 20},  {8, 2, 3, 300, 30}, {10, 3, 4, 400, 40},
        {11, 4, 0, 500, 50}, {13, 1, 3, 600, 60}, {20, 2, 4, 700, 70},
        {12, 5, 0, 800, 80}, {14, 10, 3, 900, 90}, // to depreciation items 0 and 5
    };
    for (auto f : funds) {
        Fund(f.fund)->m_nManage = f.manage;
        Fund(f.fund)->m_nTaxManage = f.taxManage;
        Fund(f.fund)->m_dNetMoney = f.net;
        Fund(f.fund)->m_dTaxMoney = f.tax;
    }
    // Taxes 21 to 26 by their management rows 21, 18, 17, 20, 19, 22, then the
    // land taxes of the construction period by rows 16 and 23.
    tagEXPENSEMANAGE* rows = m_option.m_pOptionExpenseManage->m_aManage;
    rows[21].nManage = 1;
    rows[18].nManage = 0;
    rows[17].nManage = 2;
    rows[20].nManage = 1;
    rows[19].nManage = 2;
    rows[22].nManage = 4;
    rows[16].nManage = 2;
    rows[23].nManage = 3;
    for (int i = 21; i <= 26; ++i) Fund(i)->m_dNetMoney = i;
    SetSeries(m_calc.m_pMunicipalLandTaxArray, {3});
    SetSeries(m_calc.m_pCityPlanLandTaxArray, {5});
    SetSeries(m_calc.m_pLandPriceTaxArray, {7});
    m_calc.m_adDepreciationAdd[2] = 9;

    ASSERT_TRUE(m_calc.CalcExpenseManage());
    EXPECT_DOUBLE_EQ(m_calc.m_adManageMoney[0], 1000 + 22);
    EXPECT_DOUBLE_EQ(m_calc.m_adManageMoney[1], 200 + 20 + 600 + 21 + 24);
    EXPECT_DOUBLE_EQ(m_calc.m_adManageMoney[2], 300 + 30 + 60 + 90 + 700 + 23 + 25 + 3 + 5);
    EXPECT_DOUBLE_EQ(m_calc.m_adManageMoney[3], 400 + 40 + 70 + 7);
    EXPECT_DOUBLE_EQ(m_calc.m_dNonBusinessExpend, 500 + 50 + 26);
    const double tax[] = {0, 20 + 80, 30 + 60 + 90, 40 + 70, 50};
    for (int t = 0; t < 5; ++t) EXPECT_DOUBLE_EQ(m_calc.m_adManageTax[t], tax[t]) << t;
    EXPECT_DOUBLE_EQ(m_calc.m_dConstructTaxExpense, 23 + 25 + 3 + 5);
    const double added[] = {800 + 80, 0, 0, 0, 0, 900};
    for (int k = 0; k < 6; ++k) EXPECT_DOUBLE_EQ(m_calc.m_adDepreciationAdd[k], added[k]) << k;
    EXPECT_EQ(Fund(26)->m_dTaxMoney, 0.0);
    EXPECT_EQ(Fund(26)->m_dNetMoney, 26);

    // A second run starts from zero.
    ASSERT_TRUE(m_calc.CalcExpenseManage());
    EXPECT_DOUBLE_EQ(m_calc.m_dNonBusinessExpend, 500 + 50 + 26);
}

// Invariants over a table of projects: the total is the sum of the rounded
// funds; sources equal uses once a loan closes the gap; every fund is booked
// under exactly one treatment.
TEST_F(ConstructionFundsTest, InvariantsOverProjects)
{
    const struct Project {
        int months, payment, inputMethod, decimals;
        double cost, other, landTax, own, loan;
        int loanFee, autoLoan, autoFee, shortUse, shortFee;
        double mortgageRate, interestRate;
    } projects[] = {
        {12, 4, 0, 0, 100000, 3000, 123.456, 20000, 70000, 0, 0, 0, 0, 0, 0.4, 2.0},
        {5, 1, 0, 0, 55555.55, 1234.5, 0, 80000, 0, 0, 0, 0, 0, 0, 0.4, 3.0},
        {6, 3, 0, 1, 80000.7, 999.9, 77.77, 10000, 30000, 0, 0, 1, 0, 0, 0.4, 0},
        {7, 0, 0, 2, 90000.123, 50, 10.101, 5000, 40000, 1, 1, 0, 1, 0, 0.4, 1.5},
        {0, 2, 0, 0, 30000, 0, 0, 1000, 0, 0, 1, 0, 0, 0, 0.4, 3.0},
        {24, 4, 0, 0, 120000, 5000, 200, 0, 50000, 0, 0, 0, 0, 0, 100.0, 2.5},
        {18, 3, 1, 0, 70000, 700, 33.3, 15000, 20000, 0, 0, 0, 0, 0, 1.5, 2.0},
        {9, 1, 1, 3, 65000.4321, 321.7, 5.5555, 1000, 0, 0, 1, 0, 1, 1, 0.4, 4.0},
    };
    SetAutoLoan(0);
    CDataSupplyClass& supply = *m_data.m_pDataSupply;
    int n = 0;
    for (const Project& p : projects) {
        SCOPED_TRACE("project " + std::to_string(n++));
        m_calc.m_objDecimal = tagSETDECIMAL{p.decimals, 5 / std::pow(10.0, p.decimals + 1), 0, 0};
        m_data.m_pDataOutline->nConstructMonths = p.months;
        m_data.m_pDataBasic->nInputMethod = p.inputMethod;
        m_calc.SetComs();
        CDataExpenseClass& expense = *m_data.m_pDataExpense;
        expense.m_objConstructionCost.nPayment = p.payment;
        expense.m_aDepreciation[0].dAmount = p.cost * 0.7;
        expense.m_aDepreciation[1].dAmount = p.cost * 0.3;
        CDataExpenseMoneyClass* lines = m_data.m_pDataExpenseOther->m_aExpenseMoney;
        for (int i : {1, 4, 5, 6, 9}) {
            lines[i].dAmount = p.other / (i + 1);
            lines[i].nPayment = (p.payment + i) % 5;
            lines[i].nAccounting = i % 5;
        }
        lines[3].nInputMethod = 1;
        lines[3].dAmount = p.interestRate;
        supply.m_objFund.dOwnFund = p.own;
        supply.m_nAutoLoan = p.autoLoan;
        supply.m_aLoan[8].nMortgageFee = p.autoFee;
        supply.m_objShortLoan.nUse = p.shortUse;
        supply.m_objShortLoan.nMortgageFee = p.shortFee;
        m_tax.m_pTaxLicense->m_dMortgageRate = p.mortgageRate;
        SetInputSeries();
        SetLoan(0, p.loan, p.loanFee);
        SetSeries(m_calc.m_pMunicipalLandTaxArray, {p.landTax});
        SetSeries(m_calc.m_pCityPlanLandTaxArray, {p.landTax / 3});
        SetSeries(m_calc.m_pLandPriceTaxArray, {p.landTax / 7});

        ASSERT_TRUE(m_calc.CalcExpense());
        ASSERT_TRUE(m_calc.CalcExpenseAll());

        double rounded = 0.0;
        for (int i = 0; i < kTotalFund; ++i) rounded += m_calc.FractionManage(FundValue(i));
        for (double tax : LandTaxes(m_calc)) rounded += m_calc.FractionManage(tax);
        EXPECT_DOUBLE_EQ(FundValue(kTotalFund), rounded);

        double uses = FundValue(kMortgageFund) + FundValue(9);
        for (int i = 0; i < kTotalFund; ++i)
            if (i != 9 && i != kMortgageFund) uses += m_calc.FractionManage(FundValue(i));
        for (double tax : LandTaxes(m_calc)) uses += m_calc.FractionManage(tax);
        const bool loanTaken = m_calc.m_dConstructSurplus < 0 && (p.autoLoan == 0 || p.shortUse == 1);
        if (loanTaken)
            EXPECT_NEAR(m_calc.m_dFundSourceTotal, uses, 1e-6);
        else
            EXPECT_NEAR(m_calc.m_dConstructSurplus, m_calc.m_dFundSourceTotal - uses, 1e-6);
        EXPECT_EQ(supply.m_aLoan[8].dAmount > 0, loanTaken && p.autoLoan == 0);

        ASSERT_TRUE(m_calc.CalcExpenseManage());
        double booked = m_calc.m_dNonBusinessExpend, listed = 0.0;
        for (double money : m_calc.m_adManageMoney) booked += money;
        for (double money : m_calc.m_adDepreciationAdd) booked += money;
        for (int i = 6; i < kTotalFund; ++i) listed += FundValue(i);
        for (double tax : LandTaxes(m_calc)) listed += tax;
        EXPECT_NEAR(booked, listed, 1e-6);
    }
}
