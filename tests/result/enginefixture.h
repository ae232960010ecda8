// A project in memory linked into an engine, with the per-year records and
// the yearly series that the step-2 operations read.
#pragma once

#include <gtest/gtest.h>

#include "app/common/classobject.h"
#include "result/calc/consumption.h"
#include "result/calc/tavcalc.h"
#include "result/calc/yearbalance.h"
#include "result/pages/tavresult.h"

// Appends an element with the given net and tax parts to a series, which is
// created when there is none; the engine owns both.
template <class T = CConsumptionMoneyClass>
T& AddSeriesItem(CDeleteObArray*& pSeries, double dNet = 0.0, double dTax = 0.0)
{
    if (!pSeries) pSeries = new CDeleteObArray;
    T* item = new T;
    item->m_dNetMoney = dNet;
    item->m_dTaxMoney = dTax;
    pSeries->Add(item);
    return *item;
}

// A series of nCount equal elements.
inline void FillSeries(CDeleteObArray*& pSeries, int nCount, double dNet, double dTax = 0.0)
{
    for (int i = 0; i < nCount; ++i) AddSeriesItem(pSeries, dNet, dTax);
}

// The series step 2 cannot do without: element 0 of every deposit and
// guarantee-money series, and the ten running-expense series.
inline void GiveRequiredSeries(CTavCalcClass& calc)
{
    for (int t = 0; t < CTavCalcClass::kRentalCategories; ++t) {
        if (!calc.m_apDepositArray[t]) AddSeriesItem(calc.m_apDepositArray[t]);
        if (!calc.m_apSecurityArray[t]) AddSeriesItem(calc.m_apSecurityArray[t]);
    }
    for (CDeleteObArray*& p : calc.m_apCostArray)
        if (!p) p = new CDeleteObArray;
}

// The whole business ratio applies; consumption tax 10 % from year 1.
class EngineYearsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data.CreateData());
        ASSERT_TRUE(m_option.CreateData());
        ASSERT_TRUE(m_tax.CreateData());
        m_tax.m_pTaxConsumption->m_dRate = 10.0;
        m_data.m_pDataBasic->dBusinessRatio = 100.0;
        m_calc.m_pDataClass = &m_data;
        m_calc.m_pOptionClass = &m_option;
        m_calc.m_pTaxClass = &m_tax;
        m_calc.m_pResultClass = &m_result;
        m_calc.SetComs();
        MakeYears(12);
    }

    // nYears operating years with empty records.
    void MakeYears(int nYears)
    {
        m_calc.m_objCalcYear.nCalcYear = nYears;
        delete m_calc.m_pYearArray;
        m_calc.m_pYearArray = new CDeleteObArray;
        for (int y = 0; y <= nYears; ++y) m_calc.m_pYearArray->Add(new CYearBalanceClass);
    }

    CYearBalanceClass& Year(int y) { return *static_cast<CYearBalanceClass*>(m_calc.m_pYearArray->GetAt(y)); }

    CDataClassObject m_data;
    COptionClassObject m_option;
    CTaxClassObject m_tax;
    CTavResultClass m_result;
    CTavCalcClass m_calc;
};
