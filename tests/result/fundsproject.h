// A project in memory linked into an engine, with helpers that set up the
// yearly series and loan lists the construction-funds and depreciation steps
// read, as the earlier steps would leave them.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "app/common/classobject.h"
#include "result/calc/consumption.h"
#include "result/calc/tavcalc.h"
#include "result/pages/tavresult.h"

class EngineProject : public ::testing::Test {
protected:
    static constexpr int kYears = 12;

    void SetUp() override
    {
        ASSERT_TRUE(m_data.CreateData());
        ASSERT_TRUE(m_option.CreateData());
        ASSERT_TRUE(m_tax.CreateData());
        m_calc.m_pDataClass = &m_data;
        m_calc.m_pOptionClass = &m_option;
        m_calc.m_pTaxClass = &m_tax;
        m_calc.m_pResultClass = &m_result;
        m_calc.m_objCalcYear.nCalcYear = kYears;
        m_calc.m_objDecimal = tagSETDECIMAL{0, 0.5, 0, 0};
        m_tax.m_pTaxConsumption->m_dRate = 10.0;
        m_tax.m_pTaxLicense->m_dMortgageRate = 0.0;
        m_data.m_pDataOutline->nConstructMonths = 12;
        m_calc.SetComs();
    }

    // Replaces a series by items with these values as net amounts.
    static void SetSeries(CDeleteObArray*& pSeries, std::initializer_list<double> values)
    {
        delete pSeries;
        pSeries = new CDeleteObArray;
        for (double v : values) {
            auto* p = new CConsumptionMoneyClass;
            p->m_dNetMoney = v;
            pSeries->Add(p);
        }
    }

    // The series step 0 reads besides the funds, all zero but the land rent
    // (yearly, element 0) and the assessed values of the construction period.
    void SetInputSeries(double dLandRent = 0.0, double dLand = 0.0, double dBuild = 0.0)
    {
        SetSeries(m_calc.m_apCostArray[1], {dLandRent});
        SetSeries(m_calc.m_pAppraisedLandArray, {dLand});
        SetSeries(m_calc.m_pAppraisedBuildArray, {dBuild});
        SetSeries(m_calc.m_pMunicipalLandTaxArray, {0.0});
        SetSeries(m_calc.m_pCityPlanLandTaxArray, {0.0});
        SetSeries(m_calc.m_pLandPriceTaxArray, {0.0});
        for (int t = 0; t < CTavCalcClass::kRentalCategories; ++t) {
            SetSeries(m_calc.m_apDepositArray[t], {0.0});
            SetSeries(m_calc.m_apSecurityArray[t], {0.0});
        }
        for (int i = 0; i < 8; ++i) SetLoanList(i);
    }

    // Loan i of the record over ten years at 0 %, with its list.
    void SetLoan(int i, double dAmount, int nMortgageFee = 1)
    {
        CDataLoanClass& loan = m_data.m_pDataSupply->m_aLoan[i];
        loan.dAmount = dAmount;
        loan.nMortgageFee = nMortgageFee;
        loan.m_aRepay[1] = tagDATAREPAY{1, 10, 0.0};
        SetLoanList(i);
    }

    // The list of loan i: its opening item holds the record's amount.
    void SetLoanList(int i)
    {
        delete m_calc.m_apLoanArray[i];
        m_calc.m_apLoanArray[i] = new CDeleteObArray;
        auto* pOpening = new CConsumptionLoanClass;
        pOpening->m_dRepay = pOpening->m_dBalance = m_data.m_pDataSupply->m_aLoan[i].dAmount;
        m_calc.m_apLoanArray[i]->Add(pOpening);
    }

    // The automatic loan's record, repaid over ten years.
    void SetAutoLoan(int nMortgageFee)
    {
        CDataLoanClass& loan = m_data.m_pDataSupply->m_aLoan[8];
        loan.nMortgageFee = nMortgageFee;
        loan.m_aRepay[1] = tagDATAREPAY{1, 10, 1.0};
    }

    CConsumptionExpenseClass* Fund(int i) const
    {
        return dynamic_cast<CConsumptionExpenseClass*>(m_calc.m_pExpenseArray->GetAt(i));
    }
    double FundValue(int i) const { return Fund(i)->m_dNetMoney + Fund(i)->m_dTaxMoney; }

    CDataClassObject m_data;
    COptionClassObject m_option;
    CTaxClassObject m_tax;
    CTavResultClass m_result;
    CTavCalcClass m_calc;
};
