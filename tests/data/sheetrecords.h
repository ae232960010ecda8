// A project's rental, funding and other-income records filled with plausible
// values, for drawing their sheets.
#pragma once

#include "data/dataotherincome.h"
#include "data/datarentalbasic.h"
#include "data/datarentaltype.h"
#include "data/datasupply.h"

inline void FillSchedule(CDataRateClass& schedule, int nSeed)
{
    for (int s = 0; s < CDataRateClass::kStepCount; ++s)
        schedule.m_aDataRate[s] = {1 + 10 * s, 10 + 10 * s, 2 + s % 2, 1.5 + nSeed + s, (nSeed + s) % 2};
}

inline void FillLoan(CDataLoanClass& loan, int nSeed)
{
    loan.dAmount = 120000.0 + 1000.5 * nSeed;
    loan.nMortgageFee = nSeed % 2;
    loan.nRepayMethod = nSeed % 2;
    loan.nSpecialFromYear = 5;
    loan.nSpecialToYear = 7 + nSeed;
    loan.dSpecialAmount = 2500.25;
    loan.nSpecialSource = (nSeed + 1) % 2;
    loan.m_aRepay[0] = {0, 6, 1.2};
    for (int p = 1; p < CDataLoanClass::kRepayCount; ++p) loan.m_aRepay[p] = {1 + 10 * (p - 1), 10 * p, 1.875 + p};
    loan.m_strBankName.Format("第%d銀行", nSeed + 1);
}

inline void FillRentalTypes(CDataRentalTypeClass& record)
{
    for (int c = 0; c < CDataRentalTypeClass::kCategoryCount; ++c) record.m_astrName[c].Format("種別%d", c + 1);
    for (int i = 0; CDataRentalTermClass* pTerm = record.GetTerm(i); ++i) {
        pTerm->m_nCategory = i % CDataRentalTypeClass::kCategoryCount;
        pTerm->m_strName.Format("タイプ%c", 'A' + i);
        pTerm->m_nInputMethod = i % 4;
        pTerm->m_dCount = 12.5 + i;
        pTerm->m_dRent = 85.5 + i;
        pTerm->m_dCommonFee = 5;
        pTerm->m_dKeyMoney = 171;
        pTerm->m_dDeposit = 171;
        pTerm->m_dSecurity = 1250.75;
        pTerm->m_dRenewalFee = 85.5;
    }
}

inline void FillRentalBasic(CDataRentalBasicClass& record)
{
    record.m_strName = "住宅";
    record.nContractYears = 2;
    record.dDepositAmortizeRatio = 10;
    record.nDepositChange = 1;
    record.dSecurityAmortizeRatio = 12.5;
    record.nSecurityChange = 0;
    for (int i = 0; i < 3; ++i) FillSchedule(record.m_aRate[i], i);
    FillLoan(record.m_objSecurityLoan, 1);
}

inline void FillSupply(CDataSupplyClass& record)
{
    record.m_objFund = {50000, 12000.5, 3000};
    record.m_objShortLoan = {1, 2.475, 1};
    for (int i = 0; i < CDataSupplyClass::kLoanCount; ++i) FillLoan(record.m_aLoan[i], i);
    record.m_aLoan[6].m_nCapitalPayYear = 12;
    record.m_nAutoLoan = 0;
    record.m_nLandPurchaseLoan = 1;
}

inline void FillProRestOther(CDataProRestOtherClass& record)
{
    record.dSurplusRate = 0.25;
    record.dMinimumCash = 3000;
    for (int i = 0; i < CDataProRestOtherClass::kIncomeCount; ++i) {
        CDataOtherIncomeClass& item = record.m_aOtherIncome[i];
        if (i % 2) item.m_strName.Format("駐輪場%d", i);
        item.dAmount = 1234567.5 / (i + 1);
        item.nFromYear = 1;
        item.nToYear = 30;
        FillSchedule(item, i);
    }
}

inline void FillRestOther(CDataRestOtherClass& record)
{
    for (int i = 0; i < CDataRestOtherClass::kMoneyCount; ++i) {
        CDataRestOtherMoneyClass& line = record.m_aRestOtherMoney[i];
        if (i % 3) line.m_strName.Format("給与所得%d", i);
        line.nKind = i % 3;
        line.dAmount = 6000 + 250.5 * i;
        line.nFromYear = 1;
        line.nToYear = 20;
        FillSchedule(line, i);
    }
}
