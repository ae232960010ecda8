#include <gtest/gtest.h>

#include "app/common/classobject.h"
#include "result/calc/tavcalc.h"
#include "result/calc/yearbalance.h"
#include "result/pages/tavresult.h"
#include "tests/result/enginefixture.h"

namespace {

// A project with every record set, linked into an engine.
class TavCalcTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data.CreateData());
        ASSERT_TRUE(m_option.CreateData());
        ASSERT_TRUE(m_tax.CreateData());
        m_tax.m_pTaxConsumption->m_dRate = 10.0;
        Link(m_calc);
    }
    void Link(CTavCalcClass& calc)
    {
        calc.m_pDataClass = &m_data;
        calc.m_pOptionClass = &m_option;
        calc.m_pTaxClass = &m_tax;
        calc.m_pResultClass = m_pResult;
    }

    CDataClassObject m_data;
    COptionClassObject m_option;
    CTaxClassObject m_tax;
    CTavResultClass m_result;
    CTavResultClass* m_pResult = &m_result;
    CTavCalcClass m_calc;
};

struct Stages {
    int from[3], to[3];
    double rate[3];
};

Stages BusinessStages(const CTavCalcClass& c)
{
    Stages s;
    for (int i = 0; i < 3; ++i) {
        s.from[i] = c.m_anBusinessFrom[i];
        s.to[i] = c.m_anBusinessTo[i];
        s.rate[i] = c.m_adBusinessRate[i];
    }
    return s;
}

Stages ConstructStages(const CTavCalcClass& c)
{
    Stages s;
    for (int i = 0; i < 3; ++i) {
        s.from[i] = c.m_anConstructFrom[i];
        s.to[i] = c.m_anConstructTo[i];
        s.rate[i] = c.m_adConstructRate[i];
    }
    return s;
}

void ExpectStages(const Stages& got, const Stages& expected)
{
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(got.from[i], expected.from[i]) << "stage " << i + 1;
        EXPECT_EQ(got.to[i], expected.to[i]) << "stage " << i + 1;
        EXPECT_EQ(got.rate[i], expected.rate[i]) << "stage " << i + 1;
    }
}

} // namespace

TEST_F(TavCalcTest, StepsOutsideTheTableDoNothing)
{
    for (int step : {-1, 27, 100}) {
        EXPECT_TRUE(m_calc.Calc(step));
        EXPECT_EQ(m_calc.m_nMessageID, CALC_NO_ERROR);
        EXPECT_EQ(m_calc.m_pYearArray, nullptr);
    }
}

TEST_F(TavCalcTest, MissingLinksFailWithAnUnexpectedError)
{
    CTavCalcClass fresh;
    EXPECT_FALSE(fresh.Calc(2, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(fresh.m_nMessageID, CALC_UNEXPECTED_ERROR);

    // Null arguments keep the links already set.
    GiveRequiredSeries(m_calc);
    EXPECT_TRUE(m_calc.Calc(2, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(m_calc.m_pDataClass, &m_data);
    ASSERT_NE(m_calc.m_pYearArray, nullptr);

    m_calc.DestroyData();
    EXPECT_EQ(m_calc.m_pYearArray, nullptr);
    EXPECT_FALSE(m_calc.Calc(0));
    EXPECT_EQ(m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
}

TEST_F(TavCalcTest, ConsumptionStagesFromTheProjectRecord)
{
    m_calc.SetComs();
    const Stages empty{{1, 51, 0}, {50, 60, 0}, {10, 10, 10}};
    ExpectStages(BusinessStages(m_calc), empty);
    ExpectStages(ConstructStages(m_calc), empty);

    CDataTaxConsumptionClass& stages = m_data.m_pDataTax->m_objConsumption;
    stages.m_anBusinessToYear[0] = 3;
    stages.m_adBusinessRate[0] = 5.0;
    stages.m_anConstructToYear[0] = 2;
    stages.m_adConstructRate[0] = 8.0;
    stages.m_anConstructToYear[1] = 4;
    stages.m_adConstructRate[1] = 9.0;
    m_data.m_pDataOutline->nConstructMonths = 18;
    m_data.m_pDataBasic->nInputMethod = 1;
    m_calc.SetComs();
    ExpectStages(BusinessStages(m_calc), Stages{{1, 4, 0}, {3, 60, 0}, {5, 10, 10}});
    ExpectStages(ConstructStages(m_calc), Stages{{1, 3, 5}, {2, 4, 60}, {8, 9, 10}});
    EXPECT_EQ(m_calc.m_nConstructMonths, 18);
    EXPECT_EQ(m_calc.m_nInputMethod, 1);
}

TEST_F(TavCalcTest, BalanceRecordsOnePerCalculationYear)
{
    const std::pair<int, int> cases[] = {{0, 1}, {1, 2}, {50, 51}};
    GiveRequiredSeries(m_calc);
    for (auto [years, records] : cases) {
        m_calc.m_objCalcYear.nCalcYear = years;
        ASSERT_TRUE(m_calc.Calc(2));
        ASSERT_TRUE(m_calc.Calc(2)); // a second run replaces the first
        ASSERT_NE(m_calc.m_pYearArray, nullptr);
        EXPECT_EQ(m_calc.m_pYearArray->GetSize(), records) << years;
        EXPECT_NE(dynamic_cast<CYearBalanceClass*>(m_calc.m_pYearArray->GetAt(records - 1)), nullptr);
    }
}

TEST_F(TavCalcTest, SettersAndDirectWritesGiveTheSameState)
{
    tagSETDECIMAL decimal{2, 0.005, 1, 1};
    tagSETCALCYEAR years{30};
    CTavCalcClass other;
    other.SetDecimalStruct(&decimal);
    other.SetCalcYearStruct(&years);
    other.SetDataClass(&m_data);
    EXPECT_EQ(other.GetDecimalStruct()->nDecimalNum, 2);
    EXPECT_EQ(other.GetDecimalStruct()->dDecimalVal, 0.005);
    EXPECT_EQ(other.GetCalcYearStruct()->nCalcYear, 30);
    EXPECT_EQ(other.GetDataClass(), &m_data);
    other.InitData();
    EXPECT_EQ(other.GetDataClass(), nullptr);
    EXPECT_EQ(other.GetCalcYearStruct()->nCalcYear, 0);
}
