// Amount items of the yearly series: an amount split into its net part and
// its consumption tax, with the further values each series keeps.
#pragma once

#include "result/pages/resultobject.h"

class CConsumptionMoneyClass : public CResultObjectClass {
public:
    CConsumptionMoneyClass() { InitData(); }
    ~CConsumptionMoneyClass() override = default;
    void InitData();
    // Splits dMoney at dRate percent: nMethod 1 means the amount excludes tax.
    void SetMoney(double dMoney, int bTaxFree, double dRate, int nMethod);
    BOOL IsFinite() const override;

    double m_dMoney;
    double m_dNetMoney;
    double m_dTaxMoney;
    int m_bTaxFree;
    double m_adExtra[10];
};

class CConsumptionLoanClass : public CConsumptionMoneyClass {
public:
    CConsumptionLoanClass() { InitData(); }
    void InitData();
    BOOL IsFinite() const override;

    double m_dRepay;   // principal repaid (the interest factor in a loan repaid from surplus)
    double m_dBalance; // balance after the item
};

class CConsumptionExpenseClass : public CConsumptionMoneyClass {
public:
    CConsumptionExpenseClass() { InitData(); }
    void InitData();

    int m_nManage;
    int m_nTaxManage;
    int m_nPayment;
    int m_nBusinessApply;
    int m_nExtra1 = 0; // InitData leaves it as it is
    int m_nExtra2;
};

class CDepreciationMoneyClass : public CConsumptionMoneyClass {
public:
    CDepreciationMoneyClass() { InitData(); }
    void InitData();
    BOOL IsFinite() const override;

    double m_dBookValue;
};
