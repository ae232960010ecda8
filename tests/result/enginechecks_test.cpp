// What the engine refuses: a missing record, a count no project can mean,
// a figure that is not finite; and freeing long item arrays.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <limits>
#include <string>

#include "tests/result/sampleprojects.h"

namespace {

constexpr ProjectKind kKind{ProjectKind::kIndividual, ProjectKind::kShortLoan, 10};

class EngineChecksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_project.IsCreated());
        BuildSampleProject(m_project, kKind);
    }

    // Runs steps 0 to 2 and returns the status of the first failure, or 13000.
    int Status()
    {
        m_project.m_calc.m_nMessageID = CALC_NO_ERROR;
        if (m_project.Calculate(m_project.m_calc.m_objCalcYear.nCalcYear)) return CALC_NO_ERROR;
        return m_project.m_calc.m_nMessageID;
    }

    CProjectInMemory m_project;
};

// Nulls one record link for the life of the object.
template <class T>
class Unlinked {
public:
    explicit Unlinked(T*& link) : m_link(link), m_saved(link) { link = nullptr; }
    ~Unlinked() { m_link = m_saved; }
    Unlinked(const Unlinked&) = delete;
    Unlinked& operator=(const Unlinked&) = delete;

private:
    T*& m_link;
    T* m_saved;
};

} // namespace

TEST_F(EngineChecksTest, EveryMissingRecordFailsWith13001)
{
    ASSERT_EQ(Status(), CALC_NO_ERROR);
    CDataClassObject& d = m_project.m_data;
    COptionClassObject& o = m_project.m_option;
    CTaxClassObject& t = m_project.m_tax;
    const std::function<void()> unlinkers[] = {
        [&] { Unlinked u(d.m_pDataBasic); EXPECT_EQ(Status(), CALC_UNEXPECTED_ERROR); },
        [&] { Unlinked u(d.m_pDataSupply); EXPECT_EQ(Status(), CALC_UNEXPECTED_ERROR); },
        [&] { Unlinked u(d.m_pDataExpense); EXPECT_EQ(Status(), CALC_UNEXPECTED_ERROR); },
        [&] { Unlinked u(d.m_pDataTax); EXPECT_EQ(Status(), CALC_UNEXPECTED_ERROR); },
        [&] { Unlinked u(d.m_apDataRentalBasic[7]); EXPECT_EQ(Status(), CALC_UNEXPECTED_ERROR); },
        [&] { Unlinked u(o.m_pOptionBusinessRate); EXPECT_EQ(Status(), CALC_UNEXPECTED_ERROR); },
        [&] { Unlinked u(o.m_pOptionConsumptionExpense); EXPECT_EQ(Status(), CALC_UNEXPECTED_ERROR); },
        [&] { Unlinked u(o.m_pOptionExpenseManage); EXPECT_EQ(Status(), CALC_UNEXPECTED_ERROR); },
        [&] { Unlinked u(t.m_pTaxBusinessPlace); EXPECT_EQ(Status(), CALC_UNEXPECTED_ERROR); },
        [&] { Unlinked u(t.m_pTaxDepreciation); EXPECT_EQ(Status(), CALC_UNEXPECTED_ERROR); },
        [&] { Unlinked u(t.m_pTaxTransfer); EXPECT_EQ(Status(), CALC_UNEXPECTED_ERROR); },
        [&] { Unlinked u(t.m_pTaxResidentCorporation); EXPECT_EQ(Status(), CALC_UNEXPECTED_ERROR); },
    };
    for (const auto& unlink : unlinkers) unlink();
    EXPECT_EQ(Status(), CALC_NO_ERROR) << "every record linked again";
}

TEST_F(EngineChecksTest, CountsBeyondAProjectFailWithTheirOwnMessage)
{
    CTavCalcClass& calc = m_project.m_calc;
    CDataClassObject& d = m_project.m_data;
    const int kMax = std::numeric_limits<int>::max();
    const struct {
        const char* field;
        std::function<int&()> get;
        int held, refused;
    } cases[] = {
        {"calculation years", [&]() -> int& { return calc.m_objCalcYear.nCalcYear; }, 99, 100},
        {"calculation years", [&]() -> int& { return calc.m_objCalcYear.nCalcYear; }, 0, -1},
        {"decimal places", [&]() -> int& { return calc.m_objDecimal.nDecimalNum; }, 6, 7},
        {"construction months", [&]() -> int& { return d.m_pDataOutline->nConstructMonths; }, 0, -1},
        {"loan period", [&]() -> int& { return d.m_pDataSupply->m_aLoan[0].m_aRepay[1].nEndYear; }, 30, kMax},
        {"grace months", [&]() -> int& { return d.m_pDataSupply->m_aLoan[0].m_aRepay[0].nEndYear; }, 12, -kMax},
        {"useful life", [&]() -> int& { return d.m_pDataExpense->m_aDepreciation[0].nLife; }, 47, kMax},
        {"rate-change interval",
         [&]() -> int& { return d.m_apDataRentalBasic[0]->m_aRate[2].m_aDataRate[0].nInterval; }, 3, kMax},
        {"contract years", [&]() -> int& { return d.m_apDataRentalBasic[0]->nContractYears; }, 2, kMax},
        {"start-up years", [&]() -> int& { return m_project.m_option.m_pOptionOtherManage->m_nStartupYear; }, 5,
         kMax},
        {"carry-forward years", [&]() -> int& { return m_project.m_tax.m_pTaxTransfer->m_nPersonalYear; }, 3, kMax},
    };
    for (const auto& c : cases) {
        int& field = c.get();
        const int saved = field;
        field = c.held;
        EXPECT_EQ(Status(), CALC_NO_ERROR) << c.field << " " << c.held;
        field = c.refused;
        EXPECT_EQ(Status(), CALC_COUNT_OUT_OF_RANGE) << c.field << " " << c.refused;
        field = saved;
    }
}

TEST_F(EngineChecksTest, FiguresThatAreNotFiniteFailWith13001)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    CDataClassObject& d = m_project.m_data;
    const struct {
        const char* field;
        double* pField;
        double value;
    } cases[] = {
        {"business ratio", &d.m_pDataBasic->dBusinessRatio, nan},
        {"construction cost", &d.m_pDataExpense->m_aDepreciation[0].dAmount, inf},
        {"loan rate", &d.m_pDataSupply->m_aLoan[0].m_aRepay[1].dRate, nan},
        {"loan amount", &d.m_pDataSupply->m_aLoan[0].dAmount, -inf},
        {"consumption rate", &m_project.m_tax.m_pTaxConsumption->m_dRate, -100},
    };
    for (const auto& c : cases) {
        const double saved = *c.pField;
        *c.pField = c.value;
        EXPECT_EQ(Status(), CALC_UNEXPECTED_ERROR) << c.field;
        *c.pField = saved;
        EXPECT_EQ(Status(), CALC_NO_ERROR) << "after " << c.field;
    }
}

TEST(DeleteObArrayTest, FreesALongArrayInLinearTime)
{
    constexpr int kItems = 400000;
    auto* pArray = new CDeleteObArray;
    for (int i = 0; i < kItems; ++i) pArray->Add(new CResultObjectClass);
    const auto start = std::chrono::steady_clock::now();
    delete pArray;
    // Shifting the rest after every delete takes minutes at this length.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}
