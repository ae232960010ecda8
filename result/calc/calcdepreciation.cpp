// Depreciation, capital expenditure and start-up amortisation.
#include "result/calc/tavcalc.h"

#include <algorithm>
#include <new>

#include "app/common/classobject.h"
#include "result/calc/calcseries.h"
#include "result/calc/consumption.h"

const int CTavCalcClass::iFixed[101] = {
    0, // life 0, then lives 1 to 100 ten a line
    1000, 500, 333, 250, 200, 166, 142, 125, 111, 100,
    90, 83, 76, 71, 66, 62, 58, 55, 52, 50,
    48, 46, 44, 42, 40, 39, 37, 36, 35, 34,
    33, 32, 31, 30, 29, 28, 27, 27, 26, 25,
    25, 24, 24, 23, 23, 22, 22, 21, 21, 20,
    20, 20, 19, 19, 19, 18, 18, 18, 17, 17,
    17, 17, 16, 16, 16, 16, 15, 15, 15, 15,
    15, 15, 15, 15, 14, 14, 14, 14, 14, 13,
    13, 13, 13, 13, 12, 12, 12, 12, 12, 12,
    12, 12, 12, 12, 11, 11, 11, 11, 11, 10,
};

const int CTavCalcClass::iFixedRate[101] = {
    0, // life 0, then lives 1 to 100 ten a line
    1000, 684, 536, 438, 369, 319, 280, 250, 226, 206,
    189, 175, 162, 152, 142, 134, 127, 120, 114, 109,
    104, 99, 95, 92, 88, 85, 82, 79, 76, 74,
    72, 69, 67, 66, 64, 62, 60, 59, 57, 56,
    55, 53, 52, 51, 50, 49, 48, 47, 46, 45,
    44, 43, 43, 42, 41, 40, 40, 39, 38, 38,
    37, 36, 36, 35, 35, 34, 34, 33, 33, 32,
    32, 32, 32, 32, 30, 30, 30, 30, 30, 28,
    28, 28, 28, 28, 26, 26, 26, 26, 26, 25,
    25, 25, 25, 25, 24, 24, 24, 24, 24, 23,
};

namespace {

constexpr int kItemCount = CDataExpenseClass::kDepreciationCount;
constexpr int kFirstApply = 13; // business-ratio flag of item 0
constexpr int kStartupEntry = 3;
constexpr int kApplyStartup = 19; // business-ratio flag of the start-up costs

// Appends nCount zeroed items; FALSE with 13002 when memory runs out.
BOOL AppendBookItems(CTavCalcClass& calc, CDeleteObArray& series, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        if (!AppendSeriesItem<CDepreciationMoneyClass>(calc, &series)) return FALSE;
    return TRUE;
}

// Cost of each item: the compressed book value shared by the items'
// percentages, or the net construction cost of the item with its consumption
// tax booked by its treatment. FALSE with 13001 when a fund is missing.
BOOL ItemCosts(CTavCalcClass& calc, double adCost[kItemCount])
{
    const CDataExpenseClass& expense = *calc.m_pDataClass->m_pDataExpense;
    const bool bCompressed =
        expense.m_objConstructionCost.nInputMethod >= 1 && expense.m_objCompression.nCompression == 1;
    for (int k = 0; k < kItemCount; ++k) {
        const auto* p = dynamic_cast<const CConsumptionExpenseClass*>(
            calc.m_pExpenseArray ? calc.m_pExpenseArray->GetAt(k) : nullptr);
        if (!p) {
            calc.m_nMessageID = CALC_UNEXPECTED_ERROR;
            return FALSE;
        }
        if (bCompressed) {
            adCost[k] = expense.m_objCompression.dBookValue * expense.m_aDepreciation[k].dAmount * 0.01;
        } else {
            adCost[k] = p->m_dNetMoney;
            calc.AddManageTax(CTavCalcClass::GetTaxManage(p->m_nManage, p->m_nTaxManage), p->m_dTaxMoney);
        }
    }
    return TRUE;
}

// Depreciable bases: the funds booked to the building are shared out over the
// pro-rated items by cost, then each item's own cost is booked by its
// construction cost's treatment (land counts as building).
void DepreciableBases(CTavCalcClass& calc, const double adCost[kItemCount], double adBase[kItemCount])
{
    const int* anProrate = calc.m_pOptionClass->m_pOptionOtherManage->m_anProrate;
    const auto prorated = [&](int k) { return k < 2 || anProrate[k - 2] == 0; };
    double total = adCost[0] + adCost[1];
    for (int k = 2; k < kItemCount; ++k)
        if (prorated(k)) total += adCost[k];
    const double building = calc.m_adManageMoney[1];
    for (int k = 0; k < kItemCount; ++k)
        adBase[k] = prorated(k) && total != 0 ? building / total * adCost[k] : 0.0;
    for (int k = 0; k < kItemCount; ++k) {
        const auto* p = static_cast<const CConsumptionExpenseClass*>(calc.m_pExpenseArray->GetAt(k));
        if (p->m_nManage == 0 || p->m_nManage == 1) {
            adBase[k] += adCost[k];
            calc.AddManageMoney(1, p->m_dNetMoney);
        } else {
            calc.AddManageMoney(p->m_nManage, p->m_dNetMoney);
        }
    }
    for (int k = 0; k < kItemCount; ++k) adBase[k] += calc.m_adDepreciationAdd[k];
}

// Depreciates item k year by year from its base into its series of N + 1 items.
void Depreciate(CTavCalcClass& calc, int k, double dBase, const CDeleteObArray& series)
{
    const CDataExpenseClass& expense = *calc.m_pDataClass->m_pDataExpense;
    const tagDATADEPRECIATION& item = expense.m_aDepreciation[k];
    const CTaxDepreciationClass& tax = *calc.m_pTaxClass->m_pTaxDepreciation;
    const int nApply = calc.m_pOptionClass->m_pOptionBusinessRate->m_anApply[kFirstApply + k];
    double rest;
    calc.CalcBusinessRate(nApply, &dBase, &rest);
    calc.m_dNonBusinessExpend += rest; // the private share was paid in the construction period
    SeriesItem<CDepreciationMoneyClass>(&series, 0)->m_dBookValue = dBase;

    const int nLife = item.nLife;
    const bool bDeclining = item.nMethod == 1;
    const double rate = bDeclining ? 2.5 / nLife : 1.0 / nLife;
    double residual = tax.m_dResidualRatio * 0.01 * dBase;
    const double factor = nLife >= tax.m_nLifeYear ? tax.m_dLongLifeRatio : tax.m_dShortLifeRatio;
    double accumulated = 0.0;
    int j = 1; // years since the base was set
    bool bSwitched = false;
    double fixed = 0.0;
    double retired = 0.0;

    for (int y = 1; y < series.GetSize(); ++y) {
        double book = SeriesItem<CDepreciationMoneyClass>(&series, y - 1)->m_dBookValue;
        const bool bRetire = y == item.nRetireYear;
        if (bRetire) retired = book;

        // A capital expenditure restarts the item from its new book value.
        bool bCapital = false;
        for (int i = calc.CheckCapitalpay(k, y, 0); i >= 0; i = calc.CheckCapitalpay(k, y, i + 1)) {
            double amount = expense.m_aCapitalPay[i].dAmount;
            calc.CalcBusinessRate(nApply, &amount, &rest);
            book += amount;
            dBase = book;
            residual += tax.m_dResidualRatio * 0.01 * amount;
            accumulated = 0.0;
            j = 0;
            bSwitched = false;
            bCapital = true;
            if (bRetire) dBase = amount;
        }

        double depreciation;
        if (bDeclining && !bSwitched) {
            const double base = dBase - accumulated - residual;
            const double byRate = base * rate;
            const double byYears = base / (nLife - j + 1);
            if (byYears > byRate) {
                depreciation = fixed = byYears;
                bSwitched = true;
            } else {
                depreciation = byRate;
            }
        } else if (bDeclining) {
            depreciation = fixed;
        } else {
            depreciation = (dBase - residual) * rate;
        }
        if (bCapital) depreciation = 0.0;
        if (item.nExtra == 1 && y <= tax.m_nExtraYear) {
            const double house = calc.m_dHouseUseRatio * depreciation;
            depreciation = depreciation - house + house * factor;
        }
        if (bRetire) depreciation = retired;

        CDepreciationMoneyClass* p = SeriesItem<CDepreciationMoneyClass>(&series, y);
        if (book - depreciation >= residual) {
            p->m_dNetMoney = depreciation;
            p->m_dBookValue = book - depreciation;
            accumulated += depreciation;
        } else {
            p->m_dNetMoney = book - residual;
            p->m_dBookValue = residual;
        }
        ++j;
    }
}

} // namespace

int CTavCalcClass::CheckCapitalpay(int nItem, int nYear, int nFirst)
{
    const CDataExpenseClass& expense = *m_pDataClass->m_pDataExpense;
    for (int i = std::max(nFirst, 0); i < CDataExpenseClass::kCapitalPayCount; ++i) {
        const tagDATACAPITALPAY& pay = expense.m_aCapitalPay[i];
        if (pay.nItem == nItem && (nYear == -1 ? pay.nYear > 0 : pay.nYear == nYear)) return i;
    }
    return -1;
}

double CTavCalcClass::CalcCapitalPayRest(int nYear)
{
    double sum = 0.0;
    for (int k = 0; k < kItemCount; ++k) {
        const int nApply = m_pOptionClass->m_pOptionBusinessRate->m_anApply[kFirstApply + k];
        for (int i = CheckCapitalpay(k, nYear, 0); i >= 0; i = CheckCapitalpay(k, nYear, i + 1)) {
            double amount = m_pDataClass->m_pDataExpense->m_aCapitalPay[i].dAmount;
            double rest;
            CalcBusinessRate(nApply, &amount, &rest);
            sum += rest;
        }
    }
    return sum;
}

BOOL CTavCalcClass::CalcDepreciation()
{
    double adCost[kItemCount], adBase[kItemCount];
    if (!ItemCosts(*this, adCost)) return FALSE;
    DepreciableBases(*this, adCost, adBase);
    const int nCount = std::max(m_objCalcYear.nCalcYear, 0) + 1;
    for (int k = 0; k < kItemCount; ++k) {
        if (!NewSeries(m_apDepreciationArray[k]) || !AppendBookItems(*this, *m_apDepreciationArray[k], nCount))
            return FALSE;
        Depreciate(*this, k, adBase[k], *m_apDepreciationArray[k]);
    }
    return TRUE;
}

// The business share of the start-up costs is amortised evenly, the last
// year taking what is left; the private share was paid in the construction period.
BOOL CTavCalcClass::CalcStartRepay()
{
    if (!NewSeries(m_pStartupArray)) return FALSE;
    int n = m_pOptionClass->m_pOptionOtherManage->m_nStartupYear;
    if (n == 0) n = 1;
    double total = m_adManageMoney[kStartupEntry];
    double rest;
    CalcBusinessRate(m_pOptionClass->m_pOptionBusinessRate->m_anApply[kApplyStartup], &total, &rest);
    m_dNonBusinessExpend += rest;
    if (!AppendBookItems(*this, *m_pStartupArray, std::max(n, 0) + 1)) return FALSE;
    SeriesItem<CDepreciationMoneyClass>(m_pStartupArray, 0)->m_dBookValue = total;
    double book = total;
    for (int i = 1; i <= n; ++i) {
        CDepreciationMoneyClass* p = SeriesItem<CDepreciationMoneyClass>(m_pStartupArray, i);
        if (i < n) {
            p->m_dNetMoney = total / n;
            book -= total / n;
        } else {
            p->m_dNetMoney = book;
            book = 0.0;
        }
        p->m_dBookValue = book;
    }
    return TRUE;
}
