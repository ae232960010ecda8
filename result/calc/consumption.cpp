#include "result/calc/consumption.h"

#include <algorithm>
#include <cmath>

#include "result/calc/allfinite.h"
#include "result/calc/tavcalc.h"
#include "result/pages/resultformat.h"
#include "sheet/numberformat.h"

void CConsumptionMoneyClass::InitData()
{
    m_dMoney = m_dNetMoney = m_dTaxMoney = 0.0;
    m_bTaxFree = 0;
    std::fill(std::begin(m_adExtra), std::end(m_adExtra), 0.0);
}

void CConsumptionMoneyClass::SetMoney(double dMoney, int bTaxFree, double dRate, int nMethod)
{
    m_dMoney = dMoney;
    m_bTaxFree = bTaxFree;
    if (bTaxFree == 1) {
        m_dNetMoney = dMoney;
        m_dTaxMoney = 0.0;
    } else if (nMethod == 1) {
        m_dTaxMoney = dRate * 0.01 * dMoney;
        m_dNetMoney = dMoney;
    } else {
        m_dTaxMoney = dMoney / (dRate + 100) * dRate;
        m_dNetMoney = dMoney - m_dTaxMoney;
    }
}

BOOL CConsumptionMoneyClass::IsFinite() const
{
    const double values[] = {m_dMoney, m_dNetMoney, m_dTaxMoney};
    return AllFinite(values, std::size(values)) && AllFinite(m_adExtra, std::size(m_adExtra));
}

BOOL CConsumptionLoanClass::IsFinite() const
{
    return CConsumptionMoneyClass::IsFinite() && std::isfinite(m_dRepay) && std::isfinite(m_dBalance);
}

BOOL CDepreciationMoneyClass::IsFinite() const
{
    return CConsumptionMoneyClass::IsFinite() && std::isfinite(m_dBookValue);
}

void CConsumptionLoanClass::InitData()
{
    CConsumptionMoneyClass::InitData();
    m_dRepay = m_dBalance = 0.0;
}

void CConsumptionExpenseClass::InitData()
{
    CConsumptionMoneyClass::InitData();
    m_nManage = m_nTaxManage = m_nPayment = m_nBusinessApply = 0;
    m_nExtra2 = 0;
}

void CDepreciationMoneyClass::InitData()
{
    CConsumptionMoneyClass::InitData();
    m_dBookValue = 0.0;
}

double CTavCalcClass::GetdTax(int nYear)
{
    if (nYear <= m_anBusinessTo[0]) return m_adBusinessRate[0];
    for (int s = 1; s < 3; ++s)
        if (m_anBusinessFrom[s] <= nYear && nYear <= m_anBusinessTo[s]) return m_adBusinessRate[s];
    return m_adBusinessRate[0];
}

double CTavCalcClass::GetConsumeW(double dMoney, int nYear)
{
    double rate = m_adConstructRate[0];
    for (int s = 2; s >= 1; --s)
        if (m_anConstructFrom[s] <= nYear && nYear <= m_anConstructTo[s]) {
            rate = m_adConstructRate[s];
            break;
        }
    return m_nInputMethod == 1 ? rate * 0.01 * dMoney : rate * (dMoney / (rate + 100));
}

void CTavCalcClass::CalcConsumption(double dMoney, int bTaxFree, int nYear, int nMethod)
{
    const double rate = GetdTax(nYear);
    m_dConsumeMoney = dMoney;
    m_bConsumeTaxFree = bTaxFree;
    CConsumptionMoneyClass split;
    split.SetMoney(dMoney, bTaxFree, rate, nMethod);
    m_dConsumeNet = split.m_dNetMoney;
    m_dConsumeTax = split.m_dTaxMoney;
    m_dConsumeTotal = m_dConsumeNet + m_dConsumeTax;
}

void CTavCalcClass::CalcConsumption2(double dMoney, double, int nMethod)
{
    CalcConsumption(dMoney, m_bConsumeTaxFree, 1, nMethod);
}

void CTavCalcClass::CalcConsumptionW(double dMoney, int bTaxFree, int nTiming, int bOneYear)
{
    const int M = m_nConstructMonths;
    m_dConsumeMoney = dMoney;
    m_dConsumeNet = dMoney;
    double tax = 0.0;
    if (bTaxFree != 1) {
        switch (nTiming) {
        case 0: tax = GetConsumeW(dMoney, 1); break;
        case 1: tax = GetConsumeW(dMoney, bOneYear == 1 ? 1 : M / 24 + 1); break;
        case 2: tax = GetConsumeW(dMoney, bOneYear == 1 ? 1 : M / 12 + 1); break;
        case 3:
            tax = bOneYear == 1 ? GetConsumeW(dMoney, 1)
                                : GetConsumeW(dMoney / 3, 1) + GetConsumeW(dMoney / 3, M / 24 + 1) +
                                      GetConsumeW(dMoney / 3, M / 12 + 1);
            break;
        case 4:
            if (bOneYear == 1 || M == 0) {
                tax = GetConsumeW(dMoney, 1);
            } else {
                for (int m = 1; m <= M; ++m) tax += GetConsumeW(dMoney / M, m / 12 + 1);
            }
            break;
        default: break;
        }
    }
    m_dConsumeTax = tax;
    // An amount entered with its tax holds the tax; one entered without it gets the tax on top.
    if (m_nInputMethod != 1) m_dConsumeNet = dMoney - tax;
    m_dConsumeTotal = tax + m_dConsumeNet;
}

double CTavCalcClass::FractionManage(double dValue)
{
    const int d = m_objDecimal.nDecimalNum;
    double x = ReadDecimalText(d + 1, dValue);
    const double s = x < 0 ? -1.0 : 1.0;
    switch (m_objDecimal.nDecimalFlag) {
    case 0:
    case 2: x = s * (std::abs(x) + m_objDecimal.dDecimalVal); break;
    case 1: break;
    default: x = 0.0; break;
    }
    const double result = ReadDecimalText(d, x);
    return result == 0.0 ? 0.0 : result;
}

CString CTavCalcClass::FormatAmount(double dValue)
{
    return m_amountTexts.Text(dValue, m_objDecimal, [this](double dAmount) {
        return FormatResultNumber(m_objDecimal.nDecimalNum, FractionManage(dAmount), m_objDecimal.nDecimalZero);
    });
}
