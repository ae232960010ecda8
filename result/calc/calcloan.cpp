// Loan repayment lists: loans 1 to 8, the automatic loan and the shortfall loan.
#include "result/calc/tavcalc.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

#include "app/common/classobject.h"
#include "data/datasupply.h"
#include "result/calc/calcseries.h"
#include "result/calc/consumption.h"

namespace {

constexpr int kLoanCount = 8;
constexpr int kAutoLoan = 8;
constexpr double kOneTwelfth = 0.08333333333333333;

CConsumptionLoanClass* LastLoanItem(const CObArray* pList)
{
    return SeriesItem<CConsumptionLoanClass>(pList, pList->GetUpperBound());
}

// A repayment is stored without the sign of a negative zero.
double Repayment(double dRepay)
{
    return dRepay == 0.0 ? 0.0 : dRepay;
}

// One monthly rate per month of the repayment periods, in order (a period
// that is not set has no years); false when memory runs out.
bool MakeMonthlyRates(const CDataLoanClass& loan, std::vector<double>& adRate)
{
    try {
        for (int p = 1; p < CDataLoanClass::kRepayCount; ++p) {
            const double dRate = loan.m_aRepay[p].dRate * 0.01 * kOneTwelfth;
            adRate.insert(adRate.end(), 12 * loan.GetRepayPeriod(p), dRate);
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

// The level payment on dBalance over nMonths at the monthly rate dRate.
double LevelPayment(double dBalance, double dRate, int nMonths)
{
    if (dBalance * dRate == 0) return dBalance / nMonths;
    const double dDenominator = 1 - std::pow(1 + dRate, -nMonths);
    if (dDenominator == 0) return dBalance * dRate;
    return dBalance * dRate / dDenominator;
}

} // namespace

BOOL CTavCalcClass::CalcChangeLoan(int nLoan)
{
    if (nLoan < 0 || nLoan >= kLoanCount || !m_pDataClass || !m_pDataClass->m_pDataSupply) {
        m_nMessageID = CALC_UNEXPECTED_ERROR;
        return FALSE;
    }
    return CalcLoanList(m_pDataClass->m_pDataSupply->m_aLoan[nLoan], m_apLoanArray[nLoan], FALSE);
}

BOOL CTavCalcClass::CalcChangeAutoLoan()
{
    if (!m_pDataClass || !m_pDataClass->m_pDataSupply) {
        m_nMessageID = CALC_UNEXPECTED_ERROR;
        return FALSE;
    }
    return CalcLoanList(m_pDataClass->m_pDataSupply->m_aLoan[kAutoLoan], m_pAutoLoanArray, TRUE);
}

BOOL CTavCalcClass::CalcLoanList(const CDataLoanClass& objLoan, CDeleteObArray*& pList, BOOL bAutoLoan)
{
    try {
        CDataLoanClass loan(objLoan);
        if (!NewSeries(pList)) return FALSE;
        CConsumptionLoanClass* pOpening = AppendSeriesItem<CConsumptionLoanClass>(*this, pList);
        if (!pOpening) return FALSE;
        pOpening->m_dRepay = pOpening->m_dBalance = loan.dAmount;
        switch (loan.nRepayMethod) {
        case 0: return CalcChangeLoanGanri(&loan, pList);
        case 1: return CalcChangeLoanGankin(&loan, pList);
        case 2:
            if (bAutoLoan) return CalcChangeLoanJouyo(&loan, pList);
            break;
        default: break;
        }
        return TRUE;
    } catch (const std::bad_alloc&) {
        m_nMessageID = CALC_OUT_OF_MEMORY;
        return FALSE;
    }
}

BOOL CTavCalcClass::CalcLoanGrace(CDataLoanClass* pLoan, CObArray* pList, BOOL bLevelPayment, BOOL& bDone)
{
    bDone = FALSE;
    if (pLoan->GetRepayPeriod(-1) < 1 && pLoan->dAmount > 0) {
        m_nMessageID = CALC_NO_REPAY_YEARS;
        return FALSE;
    }
    const int g = pLoan->m_aRepay[0].nEndYear;
    // A loan runs month by month: periods beyond any calculation, which only
    // a damaged file holds, are refused rather than listed.
    constexpr int kMaxLoanYears = 100;
    if (g < 0 || g > 12 * kMaxLoanYears || pLoan->GetRepayPeriod(-1) > kMaxLoanYears) {
        m_nMessageID = CALC_UNEXPECTED_ERROR;
        return FALSE;
    }
    const double rg = pLoan->m_aRepay[0].dRate * 0.01 / 12;
    const int gy = g / 12;
    // Whole grace years only: the months beyond the last whole year get no item.
    const int nItems = gy == 0 ? g : 12 * gy;
    double B = pLoan->dAmount;
    for (int t = 1; t <= nItems; ++t) {
        CConsumptionLoanClass* pItem = AppendSeriesItem<CConsumptionLoanClass>(*this, pList);
        if (!pItem) return FALSE;
        pItem->m_dNetMoney = B * rg;
        pItem->m_dBalance = B;
        if (gy == 0 || t % 12 != 0 || !pLoan->CheckSpecialLoan()) continue;
        B = CalcSpecialLoan(t / 12, pItem, pLoan);
        if (bLevelPayment ? B <= 0 : B == 0) {
            bDone = TRUE;
            return TRUE;
        }
    }
    if (!LastLoanItem(pList)) {
        m_nMessageID = CALC_UNEXPECTED_ERROR;
        return FALSE;
    }
    return TRUE;
}

BOOL CTavCalcClass::CalcLoanStart(CDataLoanClass* pLoan, CObArray* pList, BOOL bLevelPayment, int& nMonths,
                                  std::vector<double>& adRate)
{
    nMonths = 0;
    BOOL bDone = FALSE;
    if (!CalcLoanGrace(pLoan, pList, bLevelPayment, bDone)) return FALSE;
    if (bDone || pLoan->GetRepayPeriod(-1) < 1) return TRUE;
    if (!MakeMonthlyRates(*pLoan, adRate)) return FailCalc(CALC_OUT_OF_MEMORY);
    nMonths = 12 * pLoan->GetRepayPeriod(-1);
    return TRUE;
}

BOOL CTavCalcClass::CalcChangeLoanGankin(CDataLoanClass* pLoan, CObArray* pList)
{
    int M = 0;
    std::vector<double> adRate;
    if (!CalcLoanStart(pLoan, pList, FALSE, M, adRate)) return FALSE;
    if (M < 1) return TRUE;
    double B = LastLoanItem(pList)->m_dBalance;
    int c = pLoan->m_aRepay[1].nStartYear;
    double P = B / M;
    for (int m = 1; m <= M; ++m) {
        CConsumptionLoanClass* pItem = AppendSeriesItem<CConsumptionLoanClass>(*this, pList);
        if (!pItem) return FALSE;
        pItem->m_dNetMoney = (M - m + 1) * adRate[m - 1] * P;
        double repaid = P;
        if (m < M) {
            B -= P;
            if (B <= 0) B = 0;
            pItem->m_dBalance = B;
        } else {
            repaid = B;
            pItem->m_dBalance = 0;
        }
        pItem->m_dRepay = Repayment(repaid);
        if (B <= 0) return TRUE;
        if (m % 12 != 0) continue;
        if (pLoan->CheckSpecialLoan()) {
            const double r = CalcSpecialLoan(c, pItem, pLoan);
            if (r == 0) return TRUE;
            if (r != B) {
                B = r;
                P = r / (M - m);
            }
        }
        ++c;
    }
    return TRUE;
}

BOOL CTavCalcClass::CalcChangeLoanGanri(CDataLoanClass* pLoan, CObArray* pList)
{
    int M = 0;
    std::vector<double> adRate;
    if (!CalcLoanStart(pLoan, pList, TRUE, M, adRate)) return FALSE;
    if (M < 1) return TRUE;
    int c = pLoan->m_aRepay[1].nStartYear;
    double q = 0.0;
    for (int m = 1; m <= M; ++m) {
        const double i = adRate[m - 1];
        double B = LastLoanItem(pList)->m_dBalance;
        if (m == 1 || i != adRate[m - 2]) q = LevelPayment(B, i, M - m + 1);
        CConsumptionLoanClass* pItem = AppendSeriesItem<CConsumptionLoanClass>(*this, pList);
        if (!pItem) return FALSE;
        const double interest = B * i;
        double repaid = q - interest;
        pItem->m_dNetMoney = interest;
        if (m < M) {
            B -= repaid;
            if (B <= 0) B = 0;
            pItem->m_dBalance = B;
        } else {
            repaid = B;
            pItem->m_dBalance = 0;
        }
        pItem->m_dRepay = Repayment(repaid);
        if (!(B > 0)) return TRUE;
        if (m % 12 != 0) continue;
        if (pLoan->CheckSpecialLoan()) {
            const double r = CalcSpecialLoan(c, pItem, pLoan);
            if (r == 0) return TRUE;
            if (r != B) {
                const double dDenominator = 1 - std::pow(1 + i, -(M - m));
                q = dDenominator == 0 ? pItem->m_dBalance / (M - m) : r * i / dDenominator;
            }
        }
        ++c;
    }
    return TRUE;
}

BOOL CTavCalcClass::CalcChangeLoanJouyo(CDataLoanClass* pLoan, CObArray* pList)
{
    const int N = std::max(m_objCalcYear.nCalcYear, 0);
    std::vector<double> adRate;
    try {
        adRate.assign(N + 1, 0.0);
    } catch (const std::bad_alloc&) {
        m_nMessageID = CALC_OUT_OF_MEMORY;
        return FALSE;
    }
    // Yearly rates from year 1, period after period; nothing is kept beyond year N.
    int nYear = 1;
    for (int p = 1; p < CDataLoanClass::kRepayCount; ++p) {
        const tagDATAREPAY& period = pLoan->m_aRepay[p];
        if (period.nStartYear > N) break;
        for (int k = pLoan->GetRepayPeriod(p); k > 0 && nYear <= N; --k) adRate[nYear++] = period.dRate * 0.01;
    }
    for (int y = 1; y <= N; ++y) {
        CConsumptionLoanClass* pItem = AppendSeriesItem<CConsumptionLoanClass>(*this, pList);
        if (!pItem) return FALSE;
        pItem->m_dRepay = adRate[y];
    }
    return TRUE;
}

double CTavCalcClass::CalcSpecialLoan(int nYear, CObject* pItem, CDataLoanClass* pLoan)
{
    auto* pLoanItem = dynamic_cast<CConsumptionLoanClass*>(pItem);
    if (!pLoanItem) return 0.0;
    if (!pLoan->CheckSpecialLoanYear(nYear)) return pLoanItem->m_dBalance;
    const double rest = pLoanItem->m_dBalance - pLoan->dSpecialAmount;
    if (rest > 0) {
        pLoanItem->m_dRepay += pLoan->dSpecialAmount;
        pLoanItem->m_dBalance = rest;
        return rest;
    }
    pLoanItem->m_dRepay += pLoanItem->m_dBalance;
    pLoanItem->m_dBalance = 0;
    return 0.0;
}

double CTavCalcClass::CalcSpecialLoan(int nYear, double dRepaid, CObject* pItem, CDataLoanClass* pLoan)
{
    auto* pLoanItem = dynamic_cast<CConsumptionLoanClass*>(pItem);
    if (!pLoanItem) return 0.0;
    if (!pLoan->CheckSpecialLoanYear(nYear)) return -1.0;
    const double rest = pLoan->dAmount - dRepaid - pLoan->dSpecialAmount;
    if (rest > 0) {
        pLoanItem->m_dRepay += pLoan->dSpecialAmount;
        return rest;
    }
    pLoanItem->m_dRepay = pLoan->dAmount - dRepaid;
    return 0.0;
}

BOOL CTavCalcClass::CalcShortLoan(int nYear)
{
    if (!m_pShortLoanArray || nYear < 1 || !m_pDataClass || !m_pDataClass->m_pDataSupply) {
        m_nMessageID = CALC_UNEXPECTED_ERROR;
        return FALSE;
    }
    const CConsumptionLoanClass* pPrevious = SeriesItem<CConsumptionLoanClass>(m_pShortLoanArray, nYear - 1);
    if (!pPrevious) {
        m_nMessageID = CALC_OUT_OF_MEMORY;
        return FALSE;
    }
    const int N = m_objCalcYear.nCalcYear;
    if (nYear > N) return TRUE;
    const double B = pPrevious->m_dBalance;
    const double interest = m_pDataClass->m_pDataSupply->m_objShortLoan.dRate * 0.01 * B;
    // Interest only from this year on, as far as the list reaches.
    for (int k = nYear; k <= N; ++k) {
        CConsumptionLoanClass* pItem = SeriesItem<CConsumptionLoanClass>(m_pShortLoanArray, k);
        if (!pItem) break;
        pItem->m_dNetMoney = interest;
        pItem->m_dRepay = 0;
        pItem->m_dBalance = B;
    }
    return TRUE;
}
