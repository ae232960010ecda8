// Rental incomes per category and year: rents and common fees, key money and
// renewal fees, deposits and guarantee money followed cohort by cohort (the
// tenants let in one year), and the other incomes.
#include "result/calc/tavcalc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <new>
#include <vector>

#include "app/common/classobject.h"
#include "result/calc/calcseries.h"
#include "result/calc/securityloan.h"
#include "result/calc/yearbalance.h"

namespace {

// Letting years a cohort table holds (index 0 unused); years past it are not followed.
constexpr int kTableYears = 100;
constexpr int kMonthsPerYear = 12;
constexpr double kOneTwelfth = 0.08333333333333333;

// Kinds of CYearBalanceClass::m_aadRentalIncome.
enum { kIncomeRent, kIncomeKeyMoney, kIncomeCommonFee, kIncomeRenewalFee, kIncomeDeposit, kIncomeSecurity };
// Consumption-tax classes of COptionConsumptionRentalClass::m_anTax.
enum { kTaxRent, kTaxCommonFee, kTaxKeyMoney, kTaxDeposit, kTaxSecurity, kTaxRenewalFee };
// Interest on guarantee money among the cost tax classes and the business-ratio flags.
constexpr int kSecurityInterest = 11;

enum { kRepayLevelPayment, kRepayLevelPrincipal, kRepayLumpSum };

int LastCohortYear(const CTavCalcClass& calc)
{
    return std::min(calc.m_objCalcYear.nCalcYear, kTableYears - 1);
}

CDataRentalBasicClass& RentalBasic(CTavCalcClass& calc, int t)
{
    return *calc.m_pDataClass->m_apDataRentalBasic[t];
}

int RentalTax(const CTavCalcClass& calc, int t, int nItem)
{
    return calc.m_pOptionClass->m_pOptionConsumptionIncome->m_aRental[t].m_anTax[nItem];
}

int ProjectInputMethod(const CTavCalcClass& calc)
{
    return calc.m_pDataClass->m_pDataBasic->nInputMethod;
}

double Occupancy(const CDataRentalBasicClass& basic, int y)
{
    return y == 0 ? 0.0 : basic.GetChangeLiveRate(y) * 0.01;
}

// Change of the occupied share from the year before.
double Increase(const CDataRentalBasicClass& basic, int y)
{
    return Occupancy(basic, y) - Occupancy(basic, y - 1);
}

double Turnover(const CDataRentalBasicClass& basic, int y)
{
    return basic.GetChangeChangeRate(y) * 0.01;
}

// The consumption-tax step of one income: the field takes the amount with its
// tax, the tax goes to the sales tax of the year.
void SplitIncome(CTavCalcClass& calc, CYearBalanceClass& r, double& dField, int nTaxFree, int y, int nMethod)
{
    calc.CalcConsumption(dField, nTaxFree, y, nMethod);
    dField = calc.m_dConsumeTotal;
    r.m_dSalesConsumptionTax += calc.m_dConsumeTax;
}

void SplitIncomeYears(CTavCalcClass& calc, int nKind, int t, int nTaxFree, int nMethod)
{
    for (int y = 1; y <= calc.m_objCalcYear.nCalcYear; ++y) {
        CYearBalanceClass& r = calc.GetYearBalance(y);
        SplitIncome(calc, r, r.m_aadRentalIncome[nKind][t], nTaxFree, y, nMethod);
    }
}

// A per-category step for categories 0 to 7, each followed by the
// consumption-tax step of its income kind.
BOOL EachCategory(CTavCalcClass& calc, BOOL (CTavCalcClass::*step)(int), int nKind, int nTaxItem, int nMethod)
{
    if (!calc.CheckYearBalance()) return FALSE;
    for (int t = 0; t < CTavCalcClass::kRentalCategories; ++t) {
        if (!(calc.*step)(t)) return FALSE;
        SplitIncomeYears(calc, nKind, t, RentalTax(calc, t, nTaxItem), nMethod);
    }
    return TRUE;
}

// Rent or common fee: the year's series value at the year's occupancy.
BOOL CalcMonthlyIncome(CTavCalcClass& calc, CDeleteObArray* const* apSeries, int nKind, int nTaxItem)
{
    if (!calc.CheckYearBalance()) return FALSE;
    for (int t = 0; t < CTavCalcClass::kRentalCategories; ++t) {
        const CDataRentalBasicClass& basic = RentalBasic(calc, t);
        for (int y = 1; y <= calc.m_objCalcYear.nCalcYear; ++y)
            calc.GetYearBalance(y).m_aadRentalIncome[nKind][t] =
                SeriesMoney(apSeries[t], y) * basic.GetChangeLiveRate(y) * 0.01;
        SplitIncomeYears(calc, nKind, t, RentalTax(calc, t, nTaxItem), ProjectInputMethod(calc));
    }
    return TRUE;
}

// The rent-change schedule of a category, read once per calculation: the
// years that change an amount and their steps. Carrying an amount to the rent
// level of a year then visits those years only, in the same order and with
// the same arithmetic as replaying the schedule from year 0.
class RentSchedule {
public:
    explicit RentSchedule(const CDataRentalBasicClass& basic)
    {
        const CDataRateClass& rent = basic.m_aRate[CDataRentalBasicClass::kRateRent];
        for (int y = 0; y < kTableYears; ++y)
            if (const tagDATARATE* step = rent.ChangingStep(y))
                m_changes.push_back({y, step->bDecrease ? -(step->dRate * 0.01) : step->dRate * 0.01});
    }
    // dAmount at the rent level of year nYear (below kTableYears).
    double Level(double dAmount, int nYear) const
    {
        for (auto change = m_changes.begin(); change != m_changes.end() && change->nYear <= nYear; ++change)
            dAmount = Apply(*change, dAmount);
        return dAmount;
    }
    // The amounts of cohorts let in years anYear[0] < anYear[1] < ... (at the
    // base level) taken to the level of year nYear in place, and into
    // adAtLetting to the level of their letting years, each exactly as Level
    // does. The cohorts go through the changes side by side, so their chains
    // of steps overlap instead of running one after the other.
    void LevelSideBySide(const int* anYear, double* adAmount, double* adAtLetting, int n, int nYear) const
    {
        int nLetting = 0;
        for (const Change& change : m_changes) {
            if (change.nYear > nYear) break;
            for (; nLetting < n && anYear[nLetting] < change.nYear; ++nLetting) adAtLetting[nLetting] = adAmount[nLetting];
            for (int i = 0; i < n; ++i) adAmount[i] = Apply(change, adAmount[i]);
        }
        std::copy(adAmount + nLetting, adAmount + n, adAtLetting + nLetting);
    }

private:
    struct Change {
        int nYear;
        double dFactor; // the rate's percent times 0.01, negative for a decrease
    };
    // As CDataRateClass::ChangeByStep, with the rate's factor taken once: x - f x
    // is x + (-f) x to the last bit, since a product's rounding keeps its sign.
    static double Apply(const Change& change, double dAmount) { return dAmount + change.dFactor * dAmount; }
    std::vector<Change> m_changes;
};

// The cohorts at their contract end in year y, oldest first: their letting
// years and their amounts at the rent level of year y and of the letting
// year (as let when pRent is null).
struct ContractEnds {
    ContractEnds(const double* cohort, int y, int nContract, const RentSchedule* pRent)
    {
        for (int j = (y - 1) % nContract + 1; j <= y - nContract; j += nContract) {
            anYear[n] = j;
            adAtYear[n] = adAtLetting[n] = cohort[j];
            ++n;
        }
        if (pRent) pRent->LevelSideBySide(anYear.data(), adAtYear.data(), adAtLetting.data(), n, y);
    }
    int n = 0;
    std::array<int, kTableYears> anYear;
    std::array<double, kTableYears> adAtYear;
    std::array<double, kTableYears> adAtLetting;
};

// The zeroed cohort table of a category. Null with bResult TRUE when there is
// no amount or no year to follow; null with bResult FALSE and the status set
// without a contract period (13004) or without memory (13002).
std::unique_ptr<double[]> NewCohorts(CTavCalcClass& calc, double dBase, int nContract, BOOL& bResult)
{
    bResult = TRUE;
    if (LastCohortYear(calc) < 1 || dBase == 0.0) return nullptr;
    if (nContract < 1) {
        calc.m_nMessageID = CALC_NO_CONTRACT_YEARS;
        bResult = FALSE;
        return nullptr;
    }
    std::unique_ptr<double[]> cohort(new (std::nothrow) double[kTableYears]());
    if (!cohort) {
        calc.m_nMessageID = CALC_OUT_OF_MEMORY;
        bResult = FALSE;
    }
    return cohort;
}

// A fall in occupancy: dLoss (base level) leaves the cohorts of years 1 to
// nYear, oldest first. leave(k, amount, whole) is told of each part before
// cohort k is reduced by it.
template <class F>
void LeaveOldestFirst(double* cohort, int nYear, double dLoss, F leave)
{
    if (!(dLoss > 0)) return;
    for (int k = 1; k <= nYear; ++k) {
        if (dLoss > cohort[k]) {
            leave(k, cohort[k], true);
            dLoss -= cohort[k];
            cohort[k] = 0.0;
        } else {
            leave(k, dLoss, false);
            cohort[k] -= dLoss;
            return;
        }
    }
}

// Key money (on new lettings and on the replaced share at a contract end) or
// renewal fees (on the share that stays); every cohort renews whole at its
// contract end.
BOOL CalcContractFee(CTavCalcClass& calc, int t, const CDeleteObArray* pSeries, bool bKeyMoney)
{
    if (!calc.CheckYearBalance()) return FALSE;
    CDataRentalBasicClass& basic = RentalBasic(calc, t);
    const double base = SeriesMoney(pSeries, 0);
    BOOL result = TRUE;
    const std::unique_ptr<double[]> cohort = NewCohorts(calc, base, basic.nContractYears, result);
    if (!cohort) return result;
    const int kind = bKeyMoney ? kIncomeKeyMoney : kIncomeRenewalFee;
    const RentSchedule rent(basic);
    for (int y = 1; y <= LastCohortYear(calc); ++y) {
        const double d = Increase(basic, y);
        const double x = base * d;
        double fee = 0.0;
        if (d >= 0) {
            cohort[y] += x;
            if (bKeyMoney) fee = rent.Level(x, y);
        } else {
            LeaveOldestFirst(cohort.get(), y, -x, [](int, double, bool) {});
        }
        const int j = y - basic.nContractYears;
        if (j >= 1) {
            const double turnover = Turnover(basic, y);
            fee += rent.Level(cohort[j], y) * (bKeyMoney ? turnover : 1 - turnover);
            cohort[y] += cohort[j];
            cohort[j] = 0.0;
        }
        double& field = calc.GetYearBalance(y).m_aadRentalIncome[kind][t];
        field = bKeyMoney ? fee : field + fee;
    }
    return TRUE;
}

// Interest and principal month by month, summed by twelve into table[nFirst],
// table[nFirst + 1], ...: nGrace months of interest only, then nMonths of
// repayment of dBalance. bAssign replaces the years' values, else adds to them.
void WriteSecurityRepayment(const CDataLoanClass& loan, tagSECURITYLOAN* pTable, int nFirst, double dBalance,
                            int nGrace, int nMonths, bool bAssign)
{
    const double graceRate = loan.m_aRepay[0].dRate * 0.01 * kOneTwelfth;
    const double rate = loan.m_aRepay[1].dRate * 0.01 * kOneTwelfth;
    const double amount = dBalance;
    const double principal = amount / nMonths;
    const double annuity = 1 - std::pow(1 + rate, -nMonths);
    const double payment = annuity == 0 ? amount / nMonths : amount * rate / annuity;
    double repaidSoFar = 0.0;
    double groupInterest = 0.0;
    double groupRepay = 0.0;
    const int total = nGrace + nMonths;
    for (int m = 0; m < total; ++m) {
        if (m < nGrace) {
            groupInterest += amount * graceRate;
        } else if (loan.nRepayMethod == kRepayLevelPrincipal) {
            const int n = m - nGrace + 1;
            groupInterest += (nMonths - n + 1) * principal * rate;
            groupRepay += principal;
        } else {
            const double interest = (amount - repaidSoFar) * rate;
            groupInterest += interest;
            groupRepay += payment - interest;
            repaidSoFar += payment - interest;
        }
        if (m % kMonthsPerYear != kMonthsPerYear - 1 && m != total - 1) continue;
        const int year = nFirst + m / kMonthsPerYear;
        if (year >= kTableYears) return;
        tagSECURITYLOAN& row = pTable[year];
        row.dInterest = bAssign ? groupInterest : row.dInterest + groupInterest;
        row.dRepay = bAssign ? groupRepay : row.dRepay + groupRepay;
        dBalance -= groupRepay;
        groupInterest = groupRepay = 0.0;
        if (dBalance < 0) {
            row.dBalance = 0.0;
            return;
        }
        row.dBalance = bAssign ? dBalance : row.dBalance + dBalance;
    }
}

// Repayment years of the guarantee money; the contract period when none are set.
int SecurityRepayYears(const CDataRentalBasicClass& basic)
{
    const int years = basic.m_objSecurityLoan.GetRepayPeriod(-1);
    return years < 1 ? basic.nContractYears : years;
}

int GraceMonths(const CDataLoanClass& loan)
{
    return std::max(0, loan.m_aRepay[0].nEndYear);
}

} // namespace

BOOL CTavCalcClass::CalcHouseRentalIncome()
{
    return CalcMonthlyIncome(*this, m_apRentArray, kIncomeRent, kTaxRent);
}

BOOL CTavCalcClass::CalcCommonIncome()
{
    return CalcMonthlyIncome(*this, m_apCommonFeeArray, kIncomeCommonFee, kTaxCommonFee);
}

BOOL CTavCalcClass::CalcRewardIncome()
{
    return EachCategory(*this, &CTavCalcClass::CalcReward, kIncomeKeyMoney, kTaxKeyMoney,
                        ProjectInputMethod(*this));
}

BOOL CTavCalcClass::CalcReward(int nCategory)
{
    return CalcContractFee(*this, nCategory, m_apKeyMoneyArray[nCategory], true);
}

BOOL CTavCalcClass::CalcRenewalIncome()
{
    return EachCategory(*this, &CTavCalcClass::CalcRenewal, kIncomeRenewalFee, kTaxRenewalFee,
                        ProjectInputMethod(*this));
}

BOOL CTavCalcClass::CalcRenewal(int nCategory)
{
    return CalcContractFee(*this, nCategory, m_apRenewalFeeArray[nCategory], false);
}

// The kept part of deposits always includes its consumption tax.
BOOL CTavCalcClass::CalcDepositIncome()
{
    return EachCategory(*this, &CTavCalcClass::CalcDeposit, kIncomeDeposit, kTaxDeposit, 0);
}

BOOL CTavCalcClass::CalcDeposit(int t)
{
    if (!CheckYearBalance()) return FALSE;
    CDataRentalBasicClass& basic = RentalBasic(*this, t);
    const double base = SeriesMoney(m_apDepositArray[t], 0);
    BOOL result = TRUE;
    const std::unique_ptr<double[]> cohort = NewCohorts(*this, base, basic.nContractYears, result);
    if (!cohort) return result;
    const int contract = basic.nContractYears;
    const double a = basic.dDepositAmortizeRatio * 0.01;
    const double h = 1 - a;
    const bool fixed = basic.nDepositChange != 0;
    const double advance = m_pOptionClass->m_pOptionAdvance->m_aRate[t].dDepositRate * 0.01;
    // An amount at the rent level of year y, unless deposits stay as let.
    const RentSchedule rent(basic);
    auto level = [&](double dAmount, int y) { return fixed ? dAmount : rent.Level(dAmount, y); };
    for (int y = 1; y <= LastCohortYear(*this); ++y) {
        double returned = 0.0;
        const double d = Increase(basic, y);
        double x = base * d;
        if (d >= 0) {
            cohort[y] += x;
            x = level(x, y);
        } else {
            // The leaving tenants get the refundable part at the level of their letting year.
            LeaveOldestFirst(cohort.get(), y, -x,
                             [&](int k, double dAmount, bool) { returned += level(h * dAmount, k); });
            x = 0.0;
        }
        double kept = a * x;
        double held = h * x;
        if (y - contract >= 1) {
            const double r = Turnover(basic, y);
            const ContractEnds ends(cohort.get(), y, contract, fixed ? nullptr : &rent);
            // Newest first.
            for (int i = ends.n - 1; i >= 0; --i) {
                const int j = ends.anYear[i];
                const double v = ends.adAtYear[i] * r;
                kept += a * v;
                held += h * v;
                cohort[y] += r * cohort[j];
                returned += r * h * ends.adAtLetting[i];
                cohort[j] -= cohort[j] * r;
            }
        }
        CYearBalanceClass& rec = GetYearBalance(y);
        rec.m_aadRentalIncome[kIncomeDeposit][t] = kept;
        // Year 1: the advance part came in during construction.
        rec.m_aadDeposit[t][0] =
            y == 1 ? (1 - advance) * held - advance * m_adFirstDepositAmortize[t] : rec.m_aadDeposit[t][0] + held;
        rec.m_aadDeposit[t][1] = returned;
    }
    return TRUE;
}

BOOL CTavCalcClass::CalcSecurityIncome()
{
    if (!CheckYearBalance()) return FALSE;
    const int applyInterest = m_pOptionClass->m_pOptionBusinessRate->m_anApply[kSecurityInterest];
    const int interestTaxFree = m_pOptionClass->m_pOptionConsumptionCost->m_anTax[kSecurityInterest];
    const int years = m_objCalcYear.nCalcYear;
    for (int t = 0; t < kRentalCategories; ++t) {
        if (!CalcSecurity(t)) return FALSE;
        for (int y = 1; y <= years; ++y) {
            CYearBalanceClass& r = GetYearBalance(y);
            double rest = 0.0;
            CalcBusinessRate(applyInterest, &r.m_adSecurityInterest[t], &rest);
            r.m_dNonBusinessCost += rest;
        }
        // Both always include their consumption tax.
        for (int y = 1; y <= years; ++y) {
            CYearBalanceClass& r = GetYearBalance(y);
            CalcConsumption(r.m_adSecurityInterest[t], interestTaxFree, y, 0);
            r.m_adSecurityInterest[t] = m_dConsumeTotal;
            r.m_dPurchaseConsumptionTax += m_dConsumeTax;
            SplitIncome(*this, r, r.m_aadRentalIncome[kIncomeSecurity][t], RentalTax(*this, t, kTaxSecurity), y, 0);
        }
    }
    return TRUE;
}

BOOL CTavCalcClass::CalcSecurity(int t)
{
    if (!CheckYearBalance()) return FALSE;
    CDataRentalBasicClass& basic = RentalBasic(*this, t);
    const double base = SeriesMoney(m_apSecurityArray[t], 0);
    BOOL result = TRUE;
    const std::unique_ptr<double[]> cohort = NewCohorts(*this, base, basic.nContractYears, result);
    if (!cohort) return result;
    // Table k: the repayment table of the cohort let in year k, by year.
    const std::unique_ptr<tagSECURITYLOAN[]> tables(new (std::nothrow) tagSECURITYLOAN[kTableYears * kTableYears]());
    if (!tables) {
        m_nMessageID = CALC_OUT_OF_MEMORY;
        return FALSE;
    }
    auto table = [&](int k) { return tables.get() + k * kTableYears; };
    const int contract = basic.nContractYears;
    const double a = basic.dSecurityAmortizeRatio * 0.01;
    const double h = 1 - a;
    const bool fixed = basic.nSecurityChange != 0;
    const bool lumpSum = basic.m_objSecurityLoan.nRepayMethod == kRepayLumpSum;
    const double advance = m_pOptionClass->m_pOptionAdvance->m_aRate[t].dSecurityRate * 0.01;
    const RentSchedule rent(basic);
    // Where table k keeps the balance owed in year y: that year's balance, or
    // for a lump sum the balance due at the cohort's next contract end; null past the table.
    auto owed = [&](int k, int y) -> tagSECURITYLOAN* {
        const int due = lumpSum ? k + contract * ((y - k + contract - 1) / contract) : y;
        return due < kTableYears ? &table(k)[due] : nullptr;
    };
    for (int y = 1; y <= LastCohortYear(*this); ++y) {
        double kept = 0.0;
        double held = 0.0;
        double repaid = 0.0;
        const double d = Increase(basic, y);
        double x = base * d;
        if (d >= 0) {
            cohort[y] += x;
            if (!fixed) x = rent.Level(x, y);
            kept = a * x;
            held = h * x;
        } else {
            // Leaving tenants get their share of the balance owed back.
            LeaveOldestFirst(cohort.get(), y, -x, [&](int k, double dAmount, bool bWhole) {
                tagSECURITYLOAN* balance = owed(k, y);
                const double owing = balance ? balance->dBalance : 0.0;
                if (bWhole) {
                    repaid += owing;
                    table(k)[y].dBalance = 0.0;
                    std::fill(table(k) + y + 1, table(k) + kTableYears, tagSECURITYLOAN{});
                    return;
                }
                const double part = dAmount / cohort[k] * owing;
                repaid += part;
                if (!lumpSum)
                    CalcChangeSecurityLoan(t, k - 1, y, owing - part, table(k));
                else if (balance)
                    balance->dBalance = owing - part;
            });
        }
        if (y - contract >= 1) {
            const double r = Turnover(basic, y);
            const ContractEnds ends(cohort.get(), y, contract, fixed ? nullptr : &rent);
            // Newest first.
            for (int i = ends.n - 1; i >= 0; --i) {
                const int j = ends.anYear[i];
                const double v = ends.adAtYear[i] * r;
                kept += a * v;
                held += h * v;
                cohort[y] += r * cohort[j];
                tagSECURITYLOAN& end = table(j)[y];
                end.dRepay += r * end.dBalance;
                CalcChangeSecurityLoan(t, j - 1, y, end.dBalance * (1 - r), table(j));
                cohort[j] -= cohort[j] * r;
            }
        }
        CalcSecurityLoan(t, y, cohort[y], table(y));
        double interest = 0.0;
        for (int k = 0; k < kTableYears; ++k) {
            repaid += table(k)[y].dRepay;
            interest += table(k)[y].dInterest;
        }
        CYearBalanceClass& rec = GetYearBalance(y);
        rec.m_aadRentalIncome[kIncomeSecurity][t] += kept;
        // Year 1: the advance part came in during construction.
        rec.m_aadSecurity[t][0] =
            y == 1 ? (1 - advance) * held - advance * m_adFirstSecurityAmortize[t] : rec.m_aadSecurity[t][0] + held;
        rec.m_aadSecurity[t][1] += repaid;
        rec.m_adSecurityInterest[t] += interest;
    }
    return TRUE;
}

void CTavCalcClass::CalcSecurityLoan(int nCategory, int nYear, double dAmount, tagSECURITYLOAN* pTable)
{
    CDataRentalBasicClass& basic = RentalBasic(*this, nCategory);
    if (basic.nSecurityChange == 0) dAmount = basic.CalcChangeRentalMoney(dAmount, nYear);
    const double balance = (1 - basic.dSecurityAmortizeRatio * 0.01) * dAmount;
    const CDataLoanClass& loan = basic.m_objSecurityLoan;
    if (loan.nRepayMethod == kRepayLumpSum) {
        if (nYear + basic.nContractYears < kTableYears) pTable[nYear + basic.nContractYears].dBalance += balance;
        return;
    }
    WriteSecurityRepayment(loan, pTable, nYear, balance, GraceMonths(loan), SecurityRepayYears(basic) * kMonthsPerYear,
                           false);
}

void CTavCalcClass::CalcChangeSecurityLoan(int nCategory, int nCohort, int nYear, double dBalance,
                                           tagSECURITYLOAN* pTable)
{
    const CDataRentalBasicClass& basic = RentalBasic(*this, nCategory);
    const CDataLoanClass& loan = basic.m_objSecurityLoan;
    if (loan.nRepayMethod == kRepayLumpSum) {
        if (nYear + basic.nContractYears < kTableYears) pTable[nYear + basic.nContractYears].dBalance = dBalance;
        return;
    }
    // The balance left after this year is repaid over the months that remain, from the next year on.
    pTable[nYear].dBalance = dBalance;
    std::fill(pTable + nYear + 1, pTable + kTableYears, tagSECURITYLOAN{});
    const int elapsed = (nYear - nCohort) * kMonthsPerYear;
    const int months = (SecurityRepayYears(basic) - (nYear - nCohort)) * kMonthsPerYear;
    if (months <= 0) {
        pTable[nYear].dRepay += dBalance;
        pTable[nYear].dBalance = 0.0;
        return;
    }
    const int grace = std::max(0, GraceMonths(loan) - elapsed);
    WriteSecurityRepayment(loan, pTable, nYear + 1, dBalance, grace, months, true);
}

BOOL CTavCalcClass::CalcOtherIncome()
{
    if (!CheckYearBalance()) return FALSE;
    for (int i = 0; i < CDataProRestOtherClass::kIncomeCount; ++i) {
        const CDeleteObArray* series = m_apOtherIncomeArray[i];
        if (!series) continue;
        const CDataOtherIncomeClass& income = m_pDataClass->m_pDataProRestOther->m_aOtherIncome[i];
        for (int y = std::max(1, income.nFromYear); y <= m_objCalcYear.nCalcYear && y <= income.nToYear; ++y) {
            const CConsumptionMoneyClass* item = SeriesItem<CConsumptionMoneyClass>(series, y);
            if (!item) continue;
            CYearBalanceClass& r = GetYearBalance(y);
            r.m_adOtherIncome[i] += item->m_dNetMoney + item->m_dTaxMoney;
            r.m_dSalesConsumptionTax += item->m_dTaxMoney;
        }
    }
    return TRUE;
}
