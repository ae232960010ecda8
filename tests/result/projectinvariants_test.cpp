// Steps 0 to 2 on complete projects: what must hold in every year record
// whatever the figures are.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/result/sampleprojects.h"

namespace {

constexpr double kTolerance = 1e-6; // thousand yen
constexpr int kAutoLoan = 8;

class ProjectInvariantsTest : public ::testing::TestWithParam<ProjectKind> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_project.IsCreated());
        BuildSampleProject(m_project, GetParam());
        ASSERT_TRUE(m_project.Calculate(GetParam().nYears)) << "status " << m_project.m_calc.m_nMessageID;
        ASSERT_EQ(m_project.m_calc.m_nMessageID, CALC_NO_ERROR);
        ASSERT_EQ(m_project.m_calc.m_pYearArray->GetSize(), N() + 1);
    }

    int N() const { return GetParam().nYears; }
    const CYearBalanceClass& Year(int y) const { return *m_project.Year(y); }
    const CDataClassObject& Data() const { return m_project.m_data; }

    // Capital expenditures of year y paid from the business or from added own funds.
    double CapitalPaidFromCash(int y) const
    {
        double sum = 0.0;
        for (const CDataCapitalPayClass& pay : Data().m_pDataExpense->m_aCapitalPay)
            if (pay.dAmount != 0 && pay.nYear == y && (pay.nSource == 0 || pay.nSource == 2)) sum += pay.dAmount;
        return sum;
    }

    // The private share of year y's capital expenditures, whatever pays them.
    double CapitalPrivateShare(int y) const
    {
        double sum = 0.0;
        for (const CDataCapitalPayClass& pay : Data().m_pDataExpense->m_aCapitalPay)
            if (pay.nYear == y) sum += (1 - Data().m_pDataBasic->dBusinessRatio * 0.01) * pay.dAmount;
        return sum;
    }

    // The year's flow of cash: retained earnings less spending outside the
    // business (but the private share of capital spending, paid below) and
    // principal repaid, deposits and guarantee money received less returned,
    // capital spending from cash, added own funds and the shortfall loan drawn.
    double Flow(int y) const
    {
        const CYearBalanceClass& r = Year(y);
        double flow = r.m_dRetainedEarnings - (r.m_dOutsideExpense - CapitalPrivateShare(y));
        for (double repay : r.m_adLoanRepay) flow -= repay;
        for (int t = 0; t < 8; ++t)
            flow += r.m_aadDeposit[t][0] + r.m_aadSecurity[t][0] - r.m_aadDeposit[t][1] - r.m_aadSecurity[t][1];
        return flow - CapitalPaidFromCash(y) + r.m_dAddMyMoney - r.m_dShortLoan;
    }

    // What loan i borrows in year y: loans of a capital expenditure start in its year.
    double Borrowed(int i, int y) const
    {
        const CDataLoanClass& loan = Data().m_pDataSupply->m_aLoan[i];
        return (i == 6 || i == 7) && loan.m_nCapitalPayYear > 0 && loan.m_nCapitalPayYear == y ? loan.dAmount : 0.0;
    }

    // The year in which a level-payment or level-principal loan is paid off.
    int LastLoanYear(int i) const
    {
        const CDataLoanClass& loan = Data().m_pDataSupply->m_aLoan[i];
        const int months = loan.m_aRepay[0].nEndYear + 12 * loan.GetRepayPeriod(-1);
        return (months + 11) / 12 + ((i == 6 || i == 7) ? loan.m_nCapitalPayYear : 0);
    }

    CProjectInMemory m_project;
};

std::string KindTestName(const ::testing::TestParamInfo<ProjectKind>& info)
{
    return KindName(info.param);
}

std::vector<ProjectKind> AllKinds()
{
    std::vector<ProjectKind> kinds;
    for (auto owner : {ProjectKind::kIndividual, ProjectKind::kCorporation})
        for (auto funding : {ProjectKind::kOwnFunds, ProjectKind::kAutoLoan, ProjectKind::kShortLoan})
            for (int years : {1, 10, 50}) kinds.push_back({owner, funding, years});
    return kinds;
}

double Sum(const double* p, int n)
{
    double s = 0.0;
    for (int i = 0; i < n; ++i) s += p[i];
    return s;
}

} // namespace

TEST_P(ProjectInvariantsTest, CashChangesByTheYearsFlow)
{
    for (int y = 1; y <= N(); ++y)
        EXPECT_NEAR(Year(y).m_dCashOnHand - Year(y - 1).m_dCashOnHand, Flow(y), kTolerance) << "year " << y;
}

TEST_P(ProjectInvariantsTest, LoanBalancesRollAndEndAtZero)
{
    const CDataSupplyClass& supply = *Data().m_pDataSupply;
    for (int i = 0; i <= kAutoLoan; ++i) {
        const bool bCapitalLoan = Borrowed(i, supply.m_aLoan[i].m_nCapitalPayYear) > 0;
        EXPECT_DOUBLE_EQ(Year(0).m_adLoanBalance[i], bCapitalLoan ? 0.0 : supply.m_aLoan[i].dAmount) << "loan " << i;
        for (int y = 1; y <= N(); ++y) {
            const CYearBalanceClass& r = Year(y);
            EXPECT_NEAR(r.m_adLoanBalance[i], Year(y - 1).m_adLoanBalance[i] - r.m_adLoanRepay[i] + Borrowed(i, y),
                        kTolerance)
                << "loan " << i << " year " << y;
            EXPECT_GE(r.m_adLoanBalance[i], 0.0) << "loan " << i << " year " << y;
        }
        const bool bOwnTerm = i < kAutoLoan || supply.m_aLoan[i].nRepayMethod != 2;
        if (supply.m_aLoan[i].dAmount > 0 && bOwnTerm && LastLoanYear(i) <= N()) {
            for (int y = LastLoanYear(i); y <= N(); ++y)
                EXPECT_EQ(Year(y).m_adLoanBalance[i], 0.0) << "loan " << i << " year " << y;
        }
    }
    for (int y = 1; y <= N(); ++y)
        EXPECT_NEAR(Year(y).m_dShortLoanBalance, Year(y - 1).m_dShortLoanBalance - Year(y).m_dShortLoan, kTolerance)
            << "year " << y;
}

TEST_P(ProjectInvariantsTest, DepositAndGuaranteeBalancesRoll)
{
    for (int y = 1; y <= N(); ++y) {
        const CYearBalanceClass& r = Year(y);
        const CYearBalanceClass& p = Year(y - 1);
        for (int t = 0; t < 8; ++t) {
            EXPECT_NEAR(r.m_adAdvanceDeposit[t], p.m_adAdvanceDeposit[t] + r.m_aadDeposit[t][0] - r.m_aadDeposit[t][1],
                        kTolerance)
                << "type " << t << " year " << y;
            EXPECT_NEAR(r.m_adAdvanceSecurity[t],
                        p.m_adAdvanceSecurity[t] + r.m_aadSecurity[t][0] - r.m_aadSecurity[t][1], kTolerance)
                << "type " << t << " year " << y;
            EXPECT_GE(r.m_adAdvanceDeposit[t], -kTolerance) << "type " << t << " year " << y;
            EXPECT_GE(r.m_adAdvanceSecurity[t], -kTolerance) << "type " << t << " year " << y;
        }
    }
}

// The loss fields are written after the income total, so they are not part of it.
TEST_P(ProjectInvariantsTest, TotalsEqualTheirParts)
{
    for (int y = 0; y <= N(); ++y) {
        const CYearBalanceClass& r = Year(y);
        const double rental = Sum(&r.m_aadRentalIncome[0][0], 48);
        EXPECT_NEAR(r.m_dIncomeTotal,
                    rental + r.m_dInterestIncome + Sum(r.m_adOtherIncome, 6) + Sum(r.m_adFurtherIncome, 17),
                    kTolerance)
            << "year " << y;
        const double taxes = r.m_dLandFixedAssetTax + r.m_dBuildFixedAssetTax + r.m_dLandCityPlanTax +
                             r.m_dBuildCityPlanTax + r.m_dPrevBusinessTax + r.m_dConsumptionTaxPaid + r.m_dLandPriceTax;
        const double costs =
            r.m_dManageCost + r.m_dGroundRent + r.m_dRepairCost + r.m_dFireInsurance + Sum(r.m_adOtherExpense, 6);
        const double interest = Sum(r.m_adSecurityInterest, 8) + Sum(r.m_adLoanInterest, 9) + r.m_dShortLoanInterest;
        EXPECT_NEAR(r.m_dExpenseTotal,
                    taxes + costs + interest + Sum(r.m_adConstructExpense, 6) + Sum(r.m_adFurtherExpense, 11),
                    kTolerance)
            << "year " << y;
        EXPECT_NEAR(r.m_dDepreciationTotal, Sum(r.m_adDepreciation, 6) + r.m_dStartupAmortization, kTolerance);
        EXPECT_NEAR(r.m_dProfitBeforeDepreciation, r.m_dIncomeTotal - r.m_dExpenseTotal, kTolerance);
        EXPECT_NEAR(r.m_dProfitAfterDepreciation, r.m_dProfitBeforeDepreciation - r.m_dDepreciationTotal, kTolerance);

        EXPECT_NEAR(r.m_dRent + r.m_dKeyMoney + r.m_dCommonCharge + r.m_dRenewalFee + r.m_dDepositAmortization +
                        r.m_dSecurityAmortization,
                    rental, kTolerance);
        EXPECT_NEAR(r.m_dOtherIncome, Sum(r.m_adOtherIncome, 6), kTolerance);
        EXPECT_NEAR(r.m_dSecurityInterest, Sum(r.m_adSecurityInterest, 8), kTolerance);
        EXPECT_NEAR(r.m_dLoanInterestTotal, Sum(r.m_adLoanInterest, 9) + r.m_dShortLoanInterest, kTolerance);
        EXPECT_NEAR(r.m_dOtherExpense, Sum(r.m_adOtherExpense, 6), kTolerance);
        EXPECT_NEAR(r.m_dTax, r.m_dBusinessTax + r.m_dIncomeTax + r.m_dPrefecturalTax + r.m_dMunicipalTax, kTolerance);
        EXPECT_NEAR(r.m_dLoanRepayTotal, Sum(r.m_adLoanRepay, 9) + r.m_dShortLoan, kTolerance);
        EXPECT_NEAR(r.m_dLoanBalanceTotal, Sum(r.m_adLoanBalance, 9) + r.m_dShortLoanBalance, kTolerance);
        EXPECT_NEAR(r.m_dDepositBalance, Sum(r.m_adAdvanceDeposit, 8), kTolerance);
        EXPECT_NEAR(r.m_dSecurityBalance, Sum(r.m_adAdvanceSecurity, 8), kTolerance);
        EXPECT_NEAR(r.m_dOutsideExpense, r.m_dPlanOutsideExpense + r.m_dNonBusinessCost, kTolerance);
        if (y == 0) continue;

        // Operating years only: the construction period books its
        // non-business spending and its result differently.
        EXPECT_NEAR(r.m_dPlanOutsideIncome, Sum(r.m_adOutsideIncome, 8), kTolerance);
        EXPECT_NEAR(r.m_dIncomeDeduction, Sum(r.m_adIncomeDeduction, 8), kTolerance);
        EXPECT_NEAR(r.m_dPlanOutsideExpense, Sum(r.m_adOutsideExpense, 8), kTolerance);
        EXPECT_NEAR(r.m_dProfitAfterTax,
                    r.m_dPlanOutsideIncome + r.m_dProfitAfterDepreciation - r.m_dIncomeDeduction - r.m_dTax,
                    kTolerance);
        EXPECT_NEAR(r.m_dProfitAfterTaxTotal, Year(y - 1).m_dProfitAfterTaxTotal + r.m_dProfitAfterTax, kTolerance);
        EXPECT_NEAR(r.m_dRetainedEarnings,
                    r.m_dPlanOutsideIncome + r.m_dProfitBeforeDepreciation + r.m_dPrevBusinessTax - r.m_dTax,
                    kTolerance);
    }
}

// What an item is depreciated by, and what is left of it, adds up to its
// base and the business share of the capital spent on it; the start-up
// costs' business share is amortised whole.
TEST_P(ProjectInvariantsTest, DepreciationAddsUpToTheBase)
{
    const double ratio = Data().m_pDataBasic->dBusinessRatio * 0.01;
    for (int k = 0; k < 6; ++k) {
        double added = 0.0;
        for (const CDataCapitalPayClass& pay : Data().m_pDataExpense->m_aCapitalPay)
            if (pay.nItem == k && pay.nYear >= 1 && pay.nYear <= N()) added += ratio * pay.dAmount;
        double depreciated = 0.0;
        for (int y = 1; y <= N(); ++y) {
            depreciated += Year(y).m_adDepreciation[k];
            EXPECT_GE(Year(y).m_adDepreciation[k], 0.0) << "item " << k << " year " << y;
        }
        EXPECT_NEAR(depreciated + Year(N()).m_adBookValue[k], Year(0).m_adBookValue[k] + added, kTolerance)
            << "item " << k;
    }
    double amortized = 0.0;
    for (int y = 1; y <= N(); ++y) amortized += Year(y).m_dStartupAmortization;
    EXPECT_NEAR(amortized, Year(0).m_dStartupBookValue - Year(N()).m_dStartupBookValue, kTolerance);
}

TEST_P(ProjectInvariantsTest, SecondRunGivesIdenticalRecords)
{
    std::vector<tagYEARBALANCE> first;
    for (int y = 0; y <= N(); ++y) first.push_back(Year(y));
    ASSERT_TRUE(m_project.Calculate(N()));
    EXPECT_EQ(m_project.m_calc.m_nMessageID, CALC_NO_ERROR);
    ASSERT_EQ(m_project.m_calc.m_pYearArray->GetSize(), N() + 1);
    for (int y = 0; y <= N(); ++y)
        EXPECT_EQ(std::memcmp(&first[y], static_cast<const tagYEARBALANCE*>(&Year(y)), sizeof(tagYEARBALANCE)), 0)
            << "year " << y;
}

INSTANTIATE_TEST_SUITE_P(SampleProjects, ProjectInvariantsTest, ::testing::ValuesIn(AllKinds()), KindTestName);

// An engine that ran one project reuses that run's items for the next: it
// gives another project, of other years and series, the figures of a new engine.
TEST(ProjectEngineReuseTest, NextProjectGetsTheFiguresOfANewEngine)
{
    const std::vector<ProjectKind> kinds = AllKinds();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const ProjectKind& next = kinds[(i + 1) % kinds.size()];
        SCOPED_TRACE(KindName(kinds[i]) + " then " + KindName(next));
        CProjectInMemory used, fresh;
        ASSERT_TRUE(used.IsCreated() && fresh.IsCreated());
        BuildSampleProject(used, kinds[i]);
        ASSERT_TRUE(used.Calculate(kinds[i].nYears));
        BuildSampleProject(fresh, next);
        ASSERT_TRUE(fresh.Calculate(next.nYears));
        used.m_calc.SetDataClass(&fresh.m_data);
        used.m_calc.SetOptionClass(&fresh.m_option);
        used.m_calc.SetTaxClass(&fresh.m_tax);
        used.m_calc.m_objCalcYear.nCalcYear = next.nYears;
        used.m_calc.SetComs();
        for (int step = 0; step <= 2; ++step) ASSERT_TRUE(used.m_calc.Calc(step)) << "step " << step;
        for (int y = 0; y <= next.nYears; ++y)
            EXPECT_EQ(std::memcmp(static_cast<const tagYEARBALANCE*>(used.Year(y)),
                                  static_cast<const tagYEARBALANCE*>(fresh.Year(y)), sizeof(tagYEARBALANCE)),
                      0)
                << "year " << y;
    }
}

// When every tenant has left, every deposit and all guarantee money has been
// returned, whatever the repayment terms and however rents have moved.
TEST(ProjectTenantsLeaveTest, EverythingHeldIsReturned)
{
    using Basic = CDataRentalBasicClass;
    const struct {
        int nRepayMethod; // guarantee money: level payment, level principal, lump sum
        int nGraceMonths;
        int nLastLetYear;
    } cases[] = {{0, 0, 3}, {0, 12, 6}, {1, 0, 6}, {1, 12, 9}, {2, 0, 3}, {2, 12, 9}};
    for (const auto& c : cases) {
        CProjectInMemory project;
        ASSERT_TRUE(project.IsCreated());
        BuildSampleProject(project, {ProjectKind::kIndividual, ProjectKind::kOwnFunds, 12});
        Basic& shop = *project.m_data.m_apDataRentalBasic[1];
        shop.m_objSecurityLoan.nRepayMethod = c.nRepayMethod;
        shop.m_objSecurityLoan.m_aRepay[0].nEndYear = c.nGraceMonths;
        for (Basic* pBasic : {&shop, project.m_data.m_apDataRentalBasic[0]}) {
            tagDATARATE* occupancy = pBasic->m_aRate[Basic::kRateLive].m_aDataRate;
            occupancy[0] = ScheduleStep(1, c.nLastLetYear, 0, 100.0);
            occupancy[1] = EveryYear(0.0);
            occupancy[2] = tagDATARATE{};
        }
        ASSERT_TRUE(project.Calculate(12));
        for (int y = 1; y <= 12; ++y) {
            const CYearBalanceClass& r = *project.Year(y);
            const bool bLet = y <= c.nLastLetYear;
            EXPECT_EQ(r.m_adAdvanceDeposit[0] > kTolerance, bLet) << "deposits, year " << y;
            EXPECT_EQ(r.m_adAdvanceSecurity[1] > kTolerance, bLet) << "guarantee money, year " << y;
            if (bLet) continue;
            EXPECT_NEAR(r.m_adAdvanceDeposit[0], 0.0, kTolerance) << "year " << y;
            EXPECT_NEAR(r.m_adAdvanceSecurity[1], 0.0, kTolerance) << "year " << y;
        }
    }
}
