// A project with every record set and linked into an engine, with helpers
// to read and fill the engine's yearly series.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "app/common/classobject.h"
#include "result/calc/consumption.h"
#include "result/calc/tavcalc.h"
#include "result/pages/tavresult.h"

class EngineProjectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data.CreateData());
        ASSERT_TRUE(m_option.CreateData());
        ASSERT_TRUE(m_tax.CreateData());
        m_tax.m_pTaxConsumption->m_dRate = 10.0;
        m_calc.m_pDataClass = &m_data;
        m_calc.m_pOptionClass = &m_option;
        m_calc.m_pTaxClass = &m_tax;
        m_calc.m_pResultClass = &m_result;
        m_calc.m_objCalcYear.nCalcYear = 10;
        m_calc.m_objDecimal = tagSETDECIMAL{0, 0.5, 0, 0}; // whole thousand yen, half up
        m_calc.SetComs();
    }

    int Years() const { return m_calc.m_objCalcYear.nCalcYear; }

    CDataClassObject m_data;
    COptionClassObject m_option;
    CTaxClassObject m_tax;
    CTavResultClass m_result;
    CTavCalcClass m_calc;
};

inline const CConsumptionMoneyClass* Item(const CDeleteObArray* pSeries, int nIndex)
{
    return static_cast<const CConsumptionMoneyClass*>(pSeries->GetAt(nIndex));
}

// The net amounts of a series, one per item.
inline std::vector<double> Nets(const CDeleteObArray* pSeries)
{
    std::vector<double> nets;
    if (pSeries)
        for (int i = 0; i < pSeries->GetSize(); ++i) nets.push_back(Item(pSeries, i)->m_dNetMoney);
    return nets;
}

// Replaces a series by items with these net amounts.
inline void SetSeries(CDeleteObArray*& pSeries, const std::vector<double>& nets)
{
    delete pSeries;
    pSeries = new CDeleteObArray;
    for (double net : nets) {
        auto* pItem = new CConsumptionMoneyClass;
        pItem->m_dNetMoney = net;
        pSeries->Add(pItem);
    }
}

// Expects the same length and each value within a millionth of a thousand yen.
inline void ExpectSeries(const std::vector<double>& got, const std::vector<double>& expected, const char* what)
{
    ASSERT_EQ(got.size(), expected.size()) << what;
    for (size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], expected[i], 1e-6) << what << " item " << i;
}
