// The funding plan: its builder (step 17) and its export section.
#include <gtest/gtest.h>


#include <array>
#include <string>

#include "result/calc/consumption.h"
#include "result/pages/resultformat.h"
#include "result/pages/resultprint.h"
#include "result/pages/resultrows.h"
#include "sampleprojects.h"
#include "tests/result/sectiontext.h"

namespace {

constexpr int kLines = 30;

// Net and tax of year y's row of a schedule; 0 when there is none.
double Money(const CDeleteObArray* pSchedule, int y)
{
    const auto* pRow = pSchedule ? dynamic_cast<const CConsumptionMoneyClass*>(pSchedule->GetAt(y)) : nullptr;
    return pRow ? pRow->m_dTaxMoney + pRow->m_dNetMoney : 0.0;
}

CString Amount(CTavCalcClass& calc, double dValue)
{
    return FormatResultNumber(calc.m_objDecimal.nDecimalNum, calc.FractionManage(dValue),
                              calc.m_objDecimal.nDecimalZero != 0);
}

// What the table shows for year y > 0 of a calculated project: each line's
// unrounded value, and the two running sums.
struct YearPlan {
    std::array<double, kLines> adValue{};
    double dIncome = 0.0;
    double dExpense = 0.0;
};

YearPlan ExpectedYear(CTavCalcClass& calc, int y, const CYearBalanceClass& r, BOOL bLandLoan)
{
    YearPlan plan;
    auto& v = plan.adValue;
    double deposit = r.m_dDepositAmortization, security = r.m_dSecurityAmortization;
    for (int k = 0; k < 8; ++k) {
        deposit += r.m_aadDeposit[k][0];
        security += r.m_aadSecurity[k][0];
    }
    const double income[] = {r.m_dRent,          r.m_dCommonCharge, r.m_dKeyMoney, r.m_dRenewalFee, deposit, security,
                             r.m_dInterestIncome, r.m_dOtherIncome, r.m_dAddMyMoney};
    for (int k = 0; k < 9; ++k) {
        v[k] = income[k];
        plan.dIncome += income[k];
    }
    v[10] = Money(calc.m_pMunicipalLandTaxArray, y) + Money(calc.m_pMunicipalBuildTaxArray, y) +
            Money(calc.m_pCityPlanLandTaxArray, y) + Money(calc.m_pCityPlanBuildTaxArray, y) +
            Money(calc.m_pLandPriceTaxArray, y) + r.m_dConsumptionTaxPaid +
            (r.m_adConstructExpense[0] > 0 ? r.m_adConstructExpense[0] : 0.0);
    plan.dExpense += v[10];
    for (int i = 0; i < 4; ++i) {
        v[11 + i] = Money(calc.m_apCostArray[i], y);
        plan.dExpense += v[11 + i];
    }
    for (int i = 4; i < 10; ++i) {
        plan.dExpense += Money(calc.m_apCostArray[i], y);
        v[15] += calc.FractionManage(Money(calc.m_apCostArray[i], y));
    }
    v[16] = r.m_dDepositRepay;
    v[17] = r.m_dSecurityRepay;
    v[18] = r.m_dLoanRepayTotal + r.m_dLoanInterestPaid + (bLandLoan ? r.m_dLandLoanInterest : 0.0);
    for (int k = 16; k < 19; ++k) plan.dExpense += v[k];
    double loans = 0.0;
    for (double d : r.m_adLoanBalance) loans += d;
    const double closing[] = {r.m_dPlanOutsideIncome, r.m_dTax,           r.m_dPlanOutsideExpense,
                              r.m_dSurplus,           r.m_dCashOnHand,    loans,
                              r.m_dShortLoanBalance,  r.m_dDepositBalance, r.m_dSecurityBalance};
    for (int k = 0; k < 9; ++k) v[21 + k] = closing[k];
    return plan;
}

// A calculated sample project.
class FundingPlan : public ::testing::Test {
protected:
    void Build(ProjectKind kind)
    {
        BuildSampleProject(m_project, kind);
        ASSERT_TRUE(m_project.Calculate(kind.nYears));
    }
    void SetUp() override { Build({ProjectKind::kCorporation, ProjectKind::kAutoLoan, 10}); }

    CTavCalcClass& Calc() { return m_project.m_calc; }
    CResultBaseClass& Page() { return m_project.m_result.m_objBalanceCapitalPlan; }
    CResultStringArrayClass* Column(int nIndex)
    {
        return dynamic_cast<CResultStringArrayClass*>(Page().m_pItemArray->GetAt(nIndex));
    }
    CString Cell(int y, int line) { return Column(y + 1)->GetData(line); }
    CDataCostClass& Costs() { return *m_project.m_data.m_pDataCost; }
    CConsumptionMoneyClass& CostRow(int i, int y)
    {
        return *dynamic_cast<CConsumptionMoneyClass*>(Calc().m_apCostArray[i]->GetAt(y));
    }
    // Whole amounts in year 1's record for lines 16 to 18 and the loan interests.
    void SetYearOneRepayments(double dLandInterest)
    {
        CYearBalanceClass& r = *m_project.Year(1);
        r.m_dDepositRepay = 3.0;
        r.m_dSecurityRepay = 4.0;
        r.m_dLoanRepayTotal = 100.0;
        r.m_dLoanInterestPaid = 20.0;
        r.m_dLandLoanInterest = dLandInterest;
    }

    CProjectInMemory m_project;
};

} // namespace

TEST_F(FundingPlan, EveryYearIsBuiltFromItsRecordAndTheSchedulesAndItsTotalsAreStored)
{
    ASSERT_TRUE(Calc().MakeBalanceCapitalPlan());
    const int N = m_project.Years();
    ASSERT_EQ(Page().m_pItemArray->GetSize(), N + 2);
    const BOOL bLandLoan = m_project.m_data.m_pDataSupply->m_nLandPurchaseLoan == 1;
    for (int y = 1; y <= N; ++y) {
        const CYearBalanceClass& r = *m_project.Year(y);
        const YearPlan plan = ExpectedYear(Calc(), y, r, bLandLoan);
        for (int line = 0; line < kLines; ++line) {
            if (line == 9 || line == 15 || line == 19 || line == 20) continue;
            EXPECT_EQ(Cell(y, line), Amount(Calc(), plan.adValue[line])) << y << " line " << line;
        }
        const double dIncome = Calc().FractionManage(plan.dIncome), dExpense = Calc().FractionManage(plan.dExpense);
        EXPECT_EQ(r.m_dPlanIncomeTotal, dIncome) << y;
        EXPECT_EQ(r.m_dPlanExpenseTotal, dExpense) << y;
        EXPECT_EQ(Cell(y, 9), Amount(Calc(), dIncome)) << y;
        EXPECT_EQ(Cell(y, 15), FormatResultNumber(0, plan.adValue[15], FALSE)) << y;
        EXPECT_EQ(Cell(y, 19), Amount(Calc(), dExpense)) << y;
        EXPECT_EQ(Cell(y, 20), Amount(Calc(), dIncome - dExpense)) << y;
    }
    // The project pays rent, running costs and loans: the lines are not all zero.
    EXPECT_NE(Cell(1, 0), "0");
    EXPECT_NE(Cell(1, 11), "0");
    EXPECT_NE(Cell(1, 18), "0");
}

TEST_F(FundingPlan, LabelsAreFixedExceptTheNamedRunningExpenses)
{
    Costs().m_aCostItem[0].m_strOtherName = "管理委託費";
    Costs().m_aCostItem[1].m_strOtherName = "";
    Costs().m_aCostItem[2].m_strOtherName = "修繕";
    Costs().m_aCostItem[3].m_strOtherName = "保険";
    ASSERT_TRUE(Calc().MakeBalanceCapitalPlan());
    const char* const labels[kLines] = {
        "賃料", "共益費", "礼金", "更新料", "敷金", "保証金", "手許残高運用利息", "その他の収入", "追加自己資金",
        "　　収 入 合 計", "公租公課", "管理委託費", "地代", "修繕", "保険", "その他の支出", "敷金返済", "保証金返済",
        "借入金返済", "　　支 出 合 計", "差引（収入－支出）", "プロジェクト外所得", "税金", "事業外支出", "剰余金",
        "手許残高", "借入金残高合計", "ショート時借入金残高", "敷金残高", "保証金残高"};
    for (int line = 0; line < kLines; ++line) EXPECT_EQ(Column(0)->GetData(line), labels[line]) << line;
    // 30 cells and their 4 spare ones in every column.
    for (int k = 0; k < Page().m_pItemArray->GetSize(); ++k) EXPECT_EQ(Column(k)->m_nCount, kLines + 4) << k;
}

TEST_F(FundingPlan, TheConstructionPeriodPaysNoExpenseLine)
{
    Calc().m_objDecimal = tagSETDECIMAL{2, 0.005, 0, 0};
    ASSERT_TRUE(Calc().MakeBalanceCapitalPlan());
    const CYearBalanceClass& r0 = *m_project.Year(0);
    for (int line : {10, 11, 12, 13, 14, 16, 17, 18}) EXPECT_EQ(Cell(0, line), "0") << line;
    EXPECT_EQ(Cell(0, 15), "0.00");
    EXPECT_EQ(Cell(0, 19), "0.00");
    EXPECT_EQ(r0.m_dPlanExpenseTotal, 0.0);
    // The income lines and the closing lines are read as in any year.
    const YearPlan plan = ExpectedYear(Calc(), 0, r0, FALSE);
    for (int line : {0, 4, 5, 8, 21, 24, 25, 26, 29}) EXPECT_EQ(Cell(0, line), Amount(Calc(), plan.adValue[line])) << line;
    EXPECT_EQ(r0.m_dPlanIncomeTotal, Calc().FractionManage(plan.dIncome));
    EXPECT_EQ(Cell(0, 9), Amount(Calc(), plan.dIncome));
    EXPECT_EQ(Cell(0, 20), Amount(Calc(), r0.m_dPlanIncomeTotal));
}

TEST_F(FundingPlan, OtherExpensesRoundEachItemWhileTheExpenseTotalRoundsTheirSum)
{
    // Six items of 0.4 each in year 1: each rounds to 0, together they are 2.4.
    for (int i = 4; i < 10; ++i) {
        CostRow(i, 1).m_dNetMoney = 0.3;
        CostRow(i, 1).m_dTaxMoney = 0.1;
    }
    // Whole amounts everywhere else on the expense side.
    for (CDeleteObArray* pSchedule : {Calc().m_pMunicipalLandTaxArray, Calc().m_pMunicipalBuildTaxArray,
                                      Calc().m_pCityPlanLandTaxArray, Calc().m_pCityPlanBuildTaxArray,
                                      Calc().m_pLandPriceTaxArray}) {
        auto* pRow = dynamic_cast<CConsumptionMoneyClass*>(pSchedule->GetAt(1));
        pRow->m_dNetMoney = 10.0;
        pRow->m_dTaxMoney = 0.0;
    }
    CYearBalanceClass& r = *m_project.Year(1);
    r.m_dConsumptionTaxPaid = 5.0;
    r.m_adConstructExpense[0] = -8.0; // a negative first construction expense is left out
    for (int i = 0; i < 4; ++i) {
        CostRow(i, 1).m_dNetMoney = 10.0 * (i + 1);
        CostRow(i, 1).m_dTaxMoney = 1.0;
    }
    SetYearOneRepayments(0.0);
    ASSERT_TRUE(Calc().MakeBalanceCapitalPlan());
    EXPECT_EQ(Cell(1, 10), "55");
    EXPECT_EQ(Cell(1, 11), "11");
    EXPECT_EQ(Cell(1, 14), "41");
    EXPECT_EQ(Cell(1, 15), "0");
    EXPECT_EQ(Cell(1, 18), "120");
    // 55 + 104 + 2.4 + 3 + 4 + 120 = 288.4.
    EXPECT_EQ(r.m_dPlanExpenseTotal, 288.0);
    EXPECT_EQ(Cell(1, 19), "288");

    r.m_adConstructExpense[0] = 8.0;
    for (int i = 4; i < 10; ++i) CostRow(i, 1).m_dNetMoney = 0.4; // 0.5 each: 6 rounded, 3 unrounded
    ASSERT_TRUE(Calc().MakeBalanceCapitalPlan());
    EXPECT_EQ(Cell(1, 10), "63");
    EXPECT_EQ(Cell(1, 15), "6");
    EXPECT_EQ(r.m_dPlanExpenseTotal, 297.0); // 63 + 104 + 3 + 127 = 297
}

TEST_F(FundingPlan, LandPurchaseLoanInterestCountsOnlyWhenLoanSixIsTheLandLoan)
{
    SetYearOneRepayments(7.0);
    for (int nFlag : {0, 2, 1}) {
        m_project.m_data.m_pDataSupply->m_nLandPurchaseLoan = nFlag;
        ASSERT_TRUE(Calc().MakeBalanceCapitalPlan());
        EXPECT_EQ(Cell(1, 18), nFlag == 1 ? "127" : "120") << nFlag;
    }
}

TEST_F(FundingPlan, AMissingScheduleRowShowsZeroAndAMissingScheduleCountsAsNothing)
{
    CDeleteObArray& cost0 = *Calc().m_apCostArray[0];
    delete cost0.GetAt(1);
    cost0.SetAt(1, nullptr);
    const double dLandPrice = Money(Calc().m_pLandPriceTaxArray, 1);
    const YearPlan before = ExpectedYear(Calc(), 1, *m_project.Year(1), TRUE);
    delete Calc().m_pLandPriceTaxArray;
    Calc().m_pLandPriceTaxArray = nullptr;
    ASSERT_TRUE(Calc().MakeBalanceCapitalPlan());
    EXPECT_EQ(Cell(1, 11), "0");
    EXPECT_EQ(Cell(1, 10), Amount(Calc(), before.adValue[10] - dLandPrice));
    EXPECT_EQ(m_project.Year(1)->m_dPlanExpenseTotal, Calc().FractionManage(before.dExpense - dLandPrice));
}

TEST_F(FundingPlan, ARerunGivesTheSamePageAndTotals)
{
    ASSERT_TRUE(Calc().MakeBalanceCapitalPlan());
    const int N = m_project.Years();
    std::vector<CString> first;
    for (int k = 0; k < N + 2; ++k)
        for (int line = 0; line < kLines; ++line) first.push_back(Column(k)->GetData(line));
    std::vector<double> totals;
    for (int y = 0; y <= N; ++y) {
        totals.push_back(m_project.Year(y)->m_dPlanIncomeTotal);
        totals.push_back(m_project.Year(y)->m_dPlanExpenseTotal);
    }
    ASSERT_TRUE(Calc().MakeBalanceCapitalPlan());
    ASSERT_EQ(Page().m_pItemArray->GetSize(), N + 2);
    size_t i = 0;
    for (int k = 0; k < N + 2; ++k)
        for (int line = 0; line < kLines; ++line) EXPECT_EQ(Column(k)->GetData(line), first[i++]) << k << " " << line;
    i = 0;
    for (int y = 0; y <= N; ++y) {
        EXPECT_EQ(m_project.Year(y)->m_dPlanIncomeTotal, totals[i++]);
        EXPECT_EQ(m_project.Year(y)->m_dPlanExpenseTotal, totals[i++]);
    }
}

TEST_F(FundingPlan, WithoutAResultObjectTheStepFails)
{
    Calc().m_pResultClass = nullptr;
    Calc().m_nMessageID = CALC_NO_ERROR;
    EXPECT_FALSE(Calc().MakeBalanceCapitalPlan());
    EXPECT_EQ(Calc().m_nMessageID, CALC_UNEXPECTED_ERROR);
}

TEST_F(FundingPlan, AYearWithoutRecordStaysBlank)
{
    CDeleteObArray& years = *Calc().m_pYearArray;
    delete years.GetAt(2);
    years.SetAt(2, nullptr);
    ASSERT_TRUE(Calc().MakeBalanceCapitalPlan());
    for (int line = 0; line < kLines; ++line) EXPECT_TRUE(Cell(2, line).IsEmpty()) << line;
    EXPECT_FALSE(Cell(3, 0).IsEmpty());
}

namespace {

// The bytes the funding plan section writes.
std::string ExportSection(CTavCalcClass& calc)
{
    return CaptureBytes(calc, [&] { calc.TextSik(); });
}

std::string Bytes(const CString& str)
{
    return static_cast<const char*>(str);
}

} // namespace

TEST_F(FundingPlan, TheExportWritesThePageWithDefaultNamesAndAZeroBalanceForTheConstructionPeriod)
{
    Costs().m_aCostItem[0].m_strOtherName = "管理委託費";
    Costs().m_aCostItem[1].m_strOtherName = "";
    Costs().m_aCostItem[2].m_strOtherName = "修繕";
    Costs().m_aCostItem[3].m_strOtherName = "";
    SetYearOneRepayments(7.0);
    ASSERT_TRUE(Calc().MakeBalanceCapitalPlan());
    const int N = m_project.Years();
    std::string expected = Bytes("資金計画表\t（単位：千円）\r\n資金計画表\t工事期間");
    for (int y = 1; y <= N; ++y) {
        CString head;
        head.Format("\t%2d年", y);
        expected += Bytes(head);
    }
    expected += "\r\n";
    // Items 1 and 3 have no name: the page shows a blank, the export the default label.
    for (int line = 0; line < kLines; ++line) {
        CString label = Column(0)->GetData(line);
        if (line == 12) label = "地代";
        if (line == 14) label = "火災保険料";
        std::string bytes = Bytes(label);
        for (int y = 0; y <= N; ++y) bytes += "\t" + Bytes(line == 20 && y == 0 ? CString("0") : Cell(y, line));
        expected += bytes + "\r\n";
    }
    const std::string section = ExportSection(Calc());
    EXPECT_EQ(section, expected);
    // Year 1 of the named lines and of the repayments, byte for byte.
    EXPECT_NE(section.find(Bytes("\r\n地代\t0\t")), std::string::npos);
    EXPECT_NE(section.find(Bytes("\r\n借入金返済\t0\t127\t")), std::string::npos);
    EXPECT_NE(section.find(Bytes("\r\n差引（収入－支出）\t0\t")), std::string::npos);
}
