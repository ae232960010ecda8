// Sample projects with stored fields perturbed far beyond their usual
// ranges, as a damaged or hand-edited file would hold them: every step and
// the export must end, within a time bound, either with finite figures that
// fit (a figure too large to show carries its mark, never a clamped number)
// or with a failure status. TAV_RANDOM_PROJECTS=<count> runs more projects;
// TAV_RANDOM_PROJECT=<project seed> runs the one project a failure names;
// TAV_RANDOM_DIGEST=<file> appends a digest of each seed's figures and exports
// to that file, so that a change meant to keep every output can be compared.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "result/pages/resultformat.h"
#include "tests/result/sampleprojects.h"
#include "tests/support/tempfile.h"

namespace {

using Project = CProjectInMemory;
using Rng = std::mt19937_64;

constexpr std::uint64_t kSeeds[] = {1, 29, 4242, 20261210};
constexpr int kProjectsPerSeed = 500;
// One project in this many also builds every table and the export.
constexpr int kTablesEvery = 10;
// A project that runs for minutes fails; the sanitizers slow every project down.
#ifdef __SANITIZE_ADDRESS__
constexpr auto kTimePerProject = std::chrono::seconds(30);
#else
constexpr auto kTimePerProject = std::chrono::seconds(5);
#endif

int WildInt(Rng& rng)
{
    static const int values[] = {-2147483647 - 1, -100000, -101, -13, -1, 0, 1, 2, 11, 12, 13, 24, 49, 50,
                                 51, 60, 98, 99, 100, 101, 1200, 100000, 2147483647};
    if (rng() % 3 == 0) return int(rng() % 401) - 200;
    return values[rng() % std::size(values)];
}

double WildDouble(Rng& rng)
{
    static const double values[] = {std::numeric_limits<double>::quiet_NaN(),
                                    std::numeric_limits<double>::infinity(),
                                    -std::numeric_limits<double>::infinity(),
                                    std::numeric_limits<double>::max(),
                                    -1e300, -1e15, -100, -1, -1e-300, 0, 1e-300, 0.5, 1, 99.999, 100, 1e15, 1e300};
    if (rng() % 3 == 0) return std::ldexp(double(rng() % 2000001) - 1000000.0, int(rng() % 41) - 10);
    return values[rng() % std::size(values)];
}

// One stored field and a way to reach it in a project.
using Mutation = std::function<void(Project&, Rng&)>;

template <class T>
Mutation Field(std::function<T&(Project&, Rng&)> get)
{
    return [get](Project& p, Rng& rng) {
        T& field = get(p, rng);
        if constexpr (std::is_same_v<T, int>)
            field = WildInt(rng);
        else
            field = WildDouble(rng);
    };
}

int Pick(Rng& rng, int n) { return int(rng() % unsigned(n)); }

CDataLoanClass& AnyLoan(Project& p, Rng& rng)
{
    return p.m_data.m_pDataSupply->m_aLoan[Pick(rng, CDataSupplyClass::kLoanCount)];
}

CDataRentalBasicClass& AnyRental(Project& p, Rng& rng)
{
    return *p.m_data.m_apDataRentalBasic[Pick(rng, CDataClassObject::kRentalCategories)];
}

tagDATARATE& AnyRateStep(Project& p, Rng& rng)
{
    CDataRateClass& rate = AnyRental(p, rng).m_aRate[Pick(rng, CDataRentalBasicClass::kRateCount)];
    return rate.m_aDataRate[Pick(rng, CDataRateClass::kStepCount)];
}

tagDATAREPAY& AnyRepay(Project& p, Rng& rng)
{
    return AnyLoan(p, rng).m_aRepay[Pick(rng, CDataLoanClass::kRepayCount)];
}

#define INT_FIELD(expr) Field<int>([](Project & p, Rng & rng) -> int& { (void)rng; return expr; })
#define DOUBLE_FIELD(expr) Field<double>([](Project & p, Rng & rng) -> double& { (void)rng; return expr; })

const std::vector<Mutation>& Mutations()
{
    static const std::vector<Mutation> mutations = {
        // Counts that drive loops and tables.
        INT_FIELD(p.m_calc.m_objCalcYear.nCalcYear),
        INT_FIELD(p.m_calc.m_objDecimal.nDecimalNum),
        INT_FIELD(p.m_calc.m_objDecimal.nDecimalFlag),
        INT_FIELD(p.m_data.m_pDataOutline->nConstructMonths),
        INT_FIELD(AnyRepay(p, rng).nStartYear),
        INT_FIELD(AnyRepay(p, rng).nEndYear),
        INT_FIELD(AnyLoan(p, rng).nRepayMethod),
        INT_FIELD(AnyLoan(p, rng).nSpecialFromYear),
        INT_FIELD(AnyLoan(p, rng).nSpecialToYear),
        INT_FIELD(AnyLoan(p, rng).m_nCapitalPayYear),
        INT_FIELD(AnyRental(p, rng).nContractYears),
        INT_FIELD(AnyRental(p, rng).m_objSecurityLoan.m_aRepay[Pick(rng, CDataLoanClass::kRepayCount)].nEndYear),
        INT_FIELD(AnyRental(p, rng).m_objSecurityLoan.m_aRepay[Pick(rng, CDataLoanClass::kRepayCount)].nStartYear),
        INT_FIELD(AnyRateStep(p, rng).nStartYear),
        INT_FIELD(AnyRateStep(p, rng).nEndYear),
        INT_FIELD(AnyRateStep(p, rng).nInterval),
        INT_FIELD(p.m_data.m_pDataCost->m_aCostItem[Pick(rng, CDataCostClass::kItemCount)].nFromYear),
        INT_FIELD(p.m_data.m_pDataCost->m_aCostItem[Pick(rng, CDataCostClass::kItemCount)].nToYear),
        INT_FIELD(p.m_data.m_pDataCost->m_aCostItem[Pick(rng, CDataCostClass::kItemCount)].nInputMethod),
        INT_FIELD(p.m_data.m_pDataExpense->m_aDepreciation[Pick(rng, CDataExpenseClass::kDepreciationCount)].nLife),
        INT_FIELD(
            p.m_data.m_pDataExpense->m_aDepreciation[Pick(rng, CDataExpenseClass::kDepreciationCount)].nRetireYear),
        INT_FIELD(p.m_data.m_pDataExpense->m_aDepreciation[Pick(rng, CDataExpenseClass::kDepreciationCount)].nMethod),
        INT_FIELD(p.m_data.m_pDataExpense->m_aCapitalPay[Pick(rng, CDataExpenseClass::kCapitalPayCount)].nYear),
        INT_FIELD(p.m_data.m_pDataExpense->m_aCapitalPay[Pick(rng, CDataExpenseClass::kCapitalPayCount)].nItem),
        INT_FIELD(p.m_data.m_pDataExpense->m_objConstructionCost.nInputMethod),
        INT_FIELD(p.m_data.m_pDataExpenseOther->m_aExpenseMoney[Pick(rng, CDataExpenseOtherClass::kLineCount)].nPayment),
        INT_FIELD(p.m_data.m_pDataRestOther->m_aRestOtherMoney[Pick(rng, CDataRestOtherClass::kMoneyCount)].nFromYear),
        INT_FIELD(p.m_data.m_pDataRestOther->m_aRestOtherMoney[Pick(rng, CDataRestOtherClass::kMoneyCount)].nToYear),
        INT_FIELD(p.m_data.m_pDataTax->m_objConsumption.m_anBusinessToYear[Pick(rng, 2)]),
        INT_FIELD(p.m_data.m_pDataTax->m_objConsumption.m_anConstructToYear[Pick(rng, 2)]),
        INT_FIELD(p.m_data.m_pDataBasic->nTaxMethod),
        INT_FIELD(p.m_data.m_pDataBasic->nLossCarryMethod),
        INT_FIELD(p.m_data.m_pDataBasic->nLandRentConstructRatio),
        INT_FIELD(p.m_option.m_pOptionOtherManage->m_nStartupYear),
        INT_FIELD(p.m_option.m_pOptionOtherManage->m_nYieldFormula),
        INT_FIELD(p.m_option.m_pOptionBusinessRate->m_anApply[Pick(rng, 21)]),
        INT_FIELD(p.m_tax.m_pTaxTransfer->m_nCorporateYear),
        INT_FIELD(p.m_tax.m_pTaxTransfer->m_nPersonalYear),
        INT_FIELD(p.m_tax.m_pTaxDepreciation->m_nLifeYear),
        INT_FIELD(p.m_tax.m_pTaxDepreciation->m_nExtraYear),
        // Amounts, rates and ratios.
        DOUBLE_FIELD(p.m_calc.m_objDecimal.dDecimalVal),
        DOUBLE_FIELD(AnyLoan(p, rng).dAmount),
        DOUBLE_FIELD(AnyLoan(p, rng).dSpecialAmount),
        DOUBLE_FIELD(AnyRepay(p, rng).dRate),
        DOUBLE_FIELD(AnyRateStep(p, rng).dRate),
        DOUBLE_FIELD(AnyRental(p, rng).dDepositAmortizeRatio),
        DOUBLE_FIELD(AnyRental(p, rng).m_objSecurityLoan.m_aRepay[1].dRate),
        DOUBLE_FIELD(p.m_data.m_pDataBasic->dBusinessRatio),
        DOUBLE_FIELD(p.m_data.m_pDataOutline->aLand[Pick(rng, 2)].dTotalLand),
        DOUBLE_FIELD(p.m_data.m_pDataOutline->aBuilding[Pick(rng, 2)].dPlanBuild),
        DOUBLE_FIELD(p.m_data.m_pDataOutline->aHouse[Pick(rng, 2)].dHouse),
        DOUBLE_FIELD(p.m_data.m_pDataSupply->m_objFund.dOwnFund),
        DOUBLE_FIELD(p.m_data.m_pDataSupply->m_objShortLoan.dRate),
        DOUBLE_FIELD(p.m_data.m_pDataProRestOther->dSurplusRate),
        DOUBLE_FIELD(p.m_data.m_pDataProRestOther->dMinimumCash),
        DOUBLE_FIELD(p.m_data.m_pDataCost->m_aCostItem[Pick(rng, CDataCostClass::kItemCount)].adAmount[Pick(rng, 2)]),
        DOUBLE_FIELD(p.m_data.m_pDataExpense->m_aDepreciation[Pick(rng, CDataExpenseClass::kDepreciationCount)].dAmount),
        DOUBLE_FIELD(p.m_data.m_pDataExpense->m_aCapitalPay[Pick(rng, CDataExpenseClass::kCapitalPayCount)].dAmount),
        DOUBLE_FIELD(p.m_data.m_pDataExpenseOther->m_aExpenseMoney[Pick(rng, CDataExpenseOtherClass::kLineCount)].dAmount),
        DOUBLE_FIELD(p.m_data.m_pDataRestOther->m_aRestOtherMoney[Pick(rng, CDataRestOtherClass::kMoneyCount)].dAmount),
        DOUBLE_FIELD(p.m_data.m_pDataTax->m_objConsumption.m_adBusinessRate[Pick(rng, 2)]),
        DOUBLE_FIELD(p.m_data.m_pDataTax->m_objConsumption.m_adConstructRate[Pick(rng, 2)]),
        DOUBLE_FIELD(p.m_tax.m_pTaxConsumption->m_dRate),
        DOUBLE_FIELD(p.m_tax.m_pTaxDepreciation->m_dResidualRatio),
        DOUBLE_FIELD(p.m_tax.m_pTaxLicense->m_dStandardRatio),
    };
    return mutations;
}

bool IsFiniteRecord(const CYearBalanceClass& r)
{
    const auto* p = reinterpret_cast<const double*>(static_cast<const tagYEARBALANCE*>(&r));
    for (std::size_t i = 0; i < sizeof(tagYEARBALANCE) / sizeof(double); ++i)
        if (!std::isfinite(p[i])) return false;
    return true;
}

bool HasNonFiniteText(const std::string& text)
{
    for (const char* bad : {"nan", "inf", "NAN", "INF"})
        if (text.find(bad) != std::string::npos) return true;
    return false;
}

// The end of an int or long long range printed as if it were a figure.
bool HasClampedFigure(const std::string& text)
{
    for (const char* clamp : {"2,147,483,647", "2,147,483,648", "9,223,372,036,854,775,807", "9,223,372,036,854,775,808"})
        if (text.find(clamp) != std::string::npos) return true;
    return false;
}

// FNV-1a over everything the projects of one seed gave.
struct Digest {
    std::uint64_t m_nValue = 14695981039346656037ull;
    void Add(const void* p, std::size_t n)
    {
        for (std::size_t i = 0; i < n; ++i) m_nValue = (m_nValue ^ static_cast<const unsigned char*>(p)[i]) * 1099511628211ull;
    }
};
Digest g_digest;

std::string ReadFile(const std::filesystem::path& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return {};
    std::string text;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) text.append(buffer, n);
    std::fclose(f);
    return text;
}

ProjectKind KindOf(Rng& rng)
{
    return {ProjectKind::Owner(Pick(rng, 2)), ProjectKind::Funding(Pick(rng, 3)), 1 + Pick(rng, 50)};
}

// Builds one perturbed project, runs it and checks what it gave; empty when all held.
std::string RunOne(Rng& rng, const std::filesystem::path& exportPath)
{
    Project p;
    if (!p.IsCreated()) return "records not created";
    const ProjectKind kind = KindOf(rng);
    BuildSampleProject(p, kind);
    p.m_calc.m_objCalcYear.nCalcYear = kind.nYears;
    const int changes = 1 + Pick(rng, 4);
    for (int i = 0; i < changes; ++i) Mutations()[Pick(rng, int(Mutations().size()))](p, rng);

    const auto start = std::chrono::steady_clock::now();
    p.m_calc.SetComs();
    const bool tables = Pick(rng, kTablesEvery) == 0;
    const int lastStep = tables ? CTavCalcClass::kLastStep : 2;
    bool ok = true;
    for (int step = 0; step <= lastStep && ok; ++step) {
        ok = p.m_calc.Calc(step);
        if (!ok && p.m_calc.m_nMessageID == CALC_NO_ERROR) return "step " + std::to_string(step) + " failed silently";
    }
    g_digest.Add(&p.m_calc.m_nMessageID, sizeof p.m_calc.m_nMessageID);
    if (ok) {
        for (int y = 0; y <= p.Years(); ++y) {
            const CYearBalanceClass* r = p.Year(y);
            if (!r) return "year " + std::to_string(y) + " missing";
            if (!IsFiniteRecord(*r)) return "year " + std::to_string(y) + " not finite";
            g_digest.Add(static_cast<const tagYEARBALANCE*>(r), sizeof(tagYEARBALANCE));
        }
        if (tables) {
            p.m_calc.SaveTextFile(exportPath.c_str(), "事務所", "日付", 0);
            const std::string text = ReadFile(exportPath);
            g_digest.Add(text.data(), text.size());
            if (HasNonFiniteText(text)) return "export not finite";
            if (HasClampedFigure(text)) return "export shows a clamped figure";
        }
    }
    if (std::chrono::steady_clock::now() - start > kTimePerProject) return "too slow";
    return {};
}

int ProjectsPerSeed()
{
    const char* count = std::getenv("TAV_RANDOM_PROJECTS");
    return count && std::atoi(count) > 0 ? std::atoi(count) : kProjectsPerSeed;
}

class RandomProjectTest : public ::testing::TestWithParam<std::uint64_t> {};

} // namespace

TEST_P(RandomProjectTest, EndsSoundlyOrFailsWithAStatus)
{
    const std::filesystem::path exportPath = TempPath(("tav_random_" + std::to_string(GetParam()) + ".txt").c_str());
    Rng rng(GetParam());
    g_digest = {};
    if (const char* one = std::getenv("TAV_RANDOM_PROJECT")) {
        Rng projectRng(std::strtoull(one, nullptr, 10));
        const std::string fault = RunOne(projectRng, exportPath);
        ASSERT_TRUE(fault.empty()) << fault;
        return;
    }
    const int count = ProjectsPerSeed();
    for (int i = 0; i < count; ++i) {
        const std::uint64_t seed = rng();
        Rng projectRng(seed);
        const std::string fault = RunOne(projectRng, exportPath);
        ASSERT_TRUE(fault.empty()) << fault << " (project seed " << seed << ")";
    }
    std::filesystem::remove(exportPath);
    if (const char* file = std::getenv("TAV_RANDOM_DIGEST"))
        std::ofstream(file, std::ios::app) << GetParam() << ' ' << count << ' ' << std::hex << g_digest.m_nValue << '\n';
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomProjectTest, ::testing::ValuesIn(kSeeds));

// Projects that once wrote "nan" or "inf" into the export (damaged areas and
// minimum cash on the premise pages) or a clamped figure.
TEST(RandomProjectCases, OnceFailedProjectsEndSoundly)
{
    const std::filesystem::path exportPath = TempPath("tav_random_cases.txt");
    for (std::uint64_t seed : {3590426675516651743ull, 16355921031382858127ull, 12474970621178593705ull,
                               8674303917014046421ull, 8474797515235709821ull, 4291457882671415306ull}) {
        Rng rng(seed);
        EXPECT_EQ(RunOne(rng, exportPath), "") << "project seed " << seed;
    }
    std::filesystem::remove(exportPath);
}

// An ordinary project whose figures outgrow what can be shown: a rent rising
// 1,000 % a year for 99 years. Those figures carry the mark.
TEST(RandomProjectCases, RentRisingTenfoldShowsTheMark)
{
    const std::filesystem::path exportPath = TempPath("tav_random_rent.txt");
    Project p;
    ASSERT_TRUE(p.IsCreated());
    BuildSampleProject(p, {ProjectKind::kIndividual, ProjectKind::kOwnFunds, 99});
    p.m_calc.m_objCalcYear.nCalcYear = 99;
    for (CDataRentalBasicClass* pRental : p.m_data.m_apDataRentalBasic)
        pRental->m_aRate[CDataRentalBasicClass::kRateRent].m_aDataRate[0] = {1, 99, 1, 1000.0, 0};
    p.m_calc.SetComs();
    for (int step = 0; step <= CTavCalcClass::kLastStep; ++step) ASSERT_TRUE(p.m_calc.Calc(step)) << step;
    ASSERT_TRUE(p.m_calc.SaveTextFile(exportPath.c_str(), "事務所", "日付", 0));
    const std::string text = ReadFile(exportPath);
    EXPECT_FALSE(HasClampedFigure(text));
    EXPECT_NE(text.find(kFigureTooLargeMark), std::string::npos);
    std::filesystem::remove(exportPath);
}
