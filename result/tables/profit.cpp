// Profit and loss table: the page of step 14 and its export section.
#include <new>

#include "app/common/classobject.h"
#include "result/calc/tavcalc.h"
#include "result/calc/yearbalance.h"
#include "result/pages/resultformat.h"
#include "result/pages/resultprint.h"
#include "result/pages/resultrows.h"
#include "result/pages/tavresult.h"
#include "result/tables/yearcolumns.h"

namespace {

const UINT kTitleId = 18001;
const int kLineCount = 53;

// Lines with a name-built label, and the line of each special value.
const int kFirstOtherIncome = 7, kLastOtherIncome = 12;
const int kFirstCost = 19, kLastNamedCost = 22, kLastCost = 28;
const int kFirstLoan = 31, kLastLoan = 39;
const int kFirstDepreciation = 41, kLastDepreciation = 46;
const int kFirstOtherExpense = 23;
const int kStartupAmortization = 47;

double Sum(const double* pValues, int nCount)
{
    double s = 0.0;
    for (int i = 0; i < nCount; ++i) s += pValues[i];
    return s;
}

// Fixed-asset taxes; the construction period adds its seventeen expense
// amounts, an operating year only a positive first one.
double FixedAssetTax(const CYearBalanceClass& r, int nYear)
{
    double s = r.m_dBuildFixedAssetTax + r.m_dLandFixedAssetTax;
    if (nYear == 0) {
        for (double v : r.m_adConstructExpense) s += v;
        for (double v : r.m_adFurtherExpense) s += v;
    } else if (r.m_adConstructExpense[0] > 0) {
        s += r.m_adConstructExpense[0];
    }
    return s;
}

using LineValue = double (*)(const CYearBalanceClass&, int);

// One statement line: its label id, its value and whether the page fills
// it in the construction period.
struct ProfitLine {
    UINT nLabelId;
    LineValue pValue;
    bool bConstruction;
};

#define PROFIT_FIELD(expr) [](const CYearBalanceClass& r, int) { return double(expr); }

const ProfitLine kLines[kLineCount] = {
    {300, PROFIT_FIELD(r.m_dRent), true},
    {301, PROFIT_FIELD(r.m_dCommonCharge), true},
    {302, PROFIT_FIELD(r.m_dKeyMoney), true},
    {303, PROFIT_FIELD(r.m_dRenewalFee), true},
    {304, PROFIT_FIELD(r.m_dDepositAmortization), true},
    {305, PROFIT_FIELD(r.m_dSecurityAmortization), true},
    {306, PROFIT_FIELD(r.m_dInterestIncome), true},
    {307, PROFIT_FIELD(r.m_adOtherIncome[0]), true},
    {308, PROFIT_FIELD(r.m_adOtherIncome[1]), true},
    {309, PROFIT_FIELD(r.m_adOtherIncome[2]), true},
    {310, PROFIT_FIELD(r.m_adOtherIncome[3]), true},
    {311, PROFIT_FIELD(r.m_adOtherIncome[4]), true},
    {312, PROFIT_FIELD(r.m_adOtherIncome[5]), true},
    {313, PROFIT_FIELD(r.m_dIncomeTotal), true},
    {330, FixedAssetTax, true},
    {331, PROFIT_FIELD(r.m_dBuildCityPlanTax + r.m_dLandCityPlanTax), true},
    {332, PROFIT_FIELD(r.m_dPrevBusinessTax), true},
    {333, PROFIT_FIELD(r.m_dConsumptionTaxPaid), true},
    {334, PROFIT_FIELD(r.m_dLandPriceTax), true},
    {335, PROFIT_FIELD(r.m_dManageCost), false},
    {336, PROFIT_FIELD(r.m_dGroundRent), false},
    {337, PROFIT_FIELD(r.m_dRepairCost), false},
    {338, PROFIT_FIELD(r.m_dFireInsurance), false},
    {339, PROFIT_FIELD(r.m_adOtherExpense[0]), false},
    {340, PROFIT_FIELD(r.m_adOtherExpense[1]), false},
    {341, PROFIT_FIELD(r.m_adOtherExpense[2]), false},
    {342, PROFIT_FIELD(r.m_adOtherExpense[3]), false},
    {343, PROFIT_FIELD(r.m_adOtherExpense[4]), false},
    {344, PROFIT_FIELD(r.m_adOtherExpense[5]), false},
    {345, PROFIT_FIELD(r.m_dSecurityInterest), false},
    {346, PROFIT_FIELD(r.m_dLoanInterestTotal), true},
    {347, PROFIT_FIELD(r.m_adLoanInterest[0]), false},
    {348, PROFIT_FIELD(r.m_adLoanInterest[1]), false},
    {349, PROFIT_FIELD(r.m_adLoanInterest[2]), false},
    {350, PROFIT_FIELD(r.m_adLoanInterest[3]), false},
    {351, PROFIT_FIELD(r.m_adLoanInterest[4]), false},
    {352, PROFIT_FIELD(r.m_adLoanInterest[5]), false},
    {353, PROFIT_FIELD(r.m_adLoanInterest[6]), false},
    {354, PROFIT_FIELD(r.m_adLoanInterest[7]), false},
    {355, PROFIT_FIELD(r.m_adLoanInterest[8]), false},
    {356, PROFIT_FIELD(r.m_dShortLoanInterest), false},
    {357, PROFIT_FIELD(r.m_adDepreciation[0]), false},
    {358, PROFIT_FIELD(r.m_adDepreciation[1]), false},
    {359, PROFIT_FIELD(r.m_adDepreciation[2]), false},
    {360, PROFIT_FIELD(r.m_adDepreciation[3]), false},
    {361, PROFIT_FIELD(r.m_adDepreciation[4]), false},
    {362, PROFIT_FIELD(r.m_adDepreciation[5]), false},
    {363, PROFIT_FIELD(r.m_dStartupAmortization), true},
    {364, PROFIT_FIELD(r.m_dExpenseTotal + Sum(r.m_adDepreciation, 6) + r.m_dStartupAmortization), true},
    {380, PROFIT_FIELD(r.m_dProfitAfterDepreciation), true},
    {381, PROFIT_FIELD(r.m_dOutsideIncome), true},
    {382, PROFIT_FIELD(r.m_dTax), true},
    {383, PROFIT_FIELD(r.m_dProfitAfterTax), true},
};

#undef PROFIT_FIELD

// Item names of the project; empty when its record is missing.
CString OtherIncomeName(const CDataClassObject* pData, int i)
{
    return pData && pData->m_pDataProRestOther ? pData->m_pDataProRestOther->m_aOtherIncome[i].m_strName : CString();
}

CString CostName(const CDataClassObject* pData, int i)
{
    return pData && pData->m_pDataCost ? pData->m_pDataCost->m_aCostItem[i].m_strOtherName : CString();
}

CString LoanName(const CDataClassObject* pData, int i)
{
    return pData && pData->m_pDataSupply ? pData->m_pDataSupply->m_aLoan[i].m_strBankName : CString();
}

CString DepreciationName(const CDataClassObject* pData, int i)
{
    return pData && pData->m_pDataExpense ? pData->m_pDataExpense->m_aDepreciation[i].m_strName : CString();
}

// The label of line k: an item's name where the line has one, else the
// loaded text; the first four running expenses without a name show theirs.
CString LineLabel(const CTavCalcClass& calc, int k)
{
    const CDataClassObject* pData = calc.m_pDataClass;
    if (k >= kFirstOtherIncome && k <= kLastOtherIncome) return OtherIncomeName(pData, k - kFirstOtherIncome);
    if (k >= kFirstCost && k <= kLastCost) {
        const CString name = CostName(pData, k - kFirstCost);
        if (k <= kLastNamedCost && name.IsEmpty()) return LoadResultString(kLines[k].nLabelId);
        return name;
    }
    if (k >= kFirstLoan && k <= kLastLoan) return CString("・") + LoanName(pData, k - kFirstLoan);
    if (k >= kFirstDepreciation && k <= kLastDepreciation)
        return CString("減価償却(") + DepreciationName(pData, k - kFirstDepreciation) + ")";
    return LoadResultString(kLines[k].nLabelId);
}

bool HasItemLabel(int k)
{
    return (k >= kFirstOtherIncome && k <= kLastOtherIncome) || (k >= kFirstCost && k <= kLastCost) ||
           (k >= kFirstLoan && k <= kLastLoan) || (k >= kFirstDepreciation && k <= kLastDepreciation);
}

// The amount of line k in year nYear, rounded once and formatted.
CString AmountText(CTavCalcClass& calc, const CYearBalanceClass& record, int nYear, int k)
{
    const double dValue = kLines[k].pValue(record, nYear);
    return calc.FormatAmount(dValue);
}

void FillLabelColumn(const CTavCalcClass& calc, CResultStringArrayClass& column)
{
    for (int k = 0; k < kLineCount; ++k) column.SetData(k, LoadResultString(kLines[k].nLabelId));
    for (int k = 0; k < kLineCount; ++k)
        if (HasItemLabel(k)) column.SetData(k, LineLabel(calc, k));
}

// Year 0 leaves the running lines empty; its start-up amortisation cell
// shows the construction-period expenses carried in the first other expense.
void FillYearColumn(CTavCalcClass& calc, const CYearBalanceClass& record, int nYear, CResultStringArrayClass& column)
{
    for (int k = 0; k < kLineCount; ++k) {
        if (nYear == 0 && !kLines[k].bConstruction) continue;
        const int nSource = (nYear == 0 && k == kStartupAmortization) ? kFirstOtherExpense : k;
        column.SetData(k, AmountText(calc, record, nYear, nSource));
    }
}

} // namespace

BOOL CTavCalcClass::MakeBalanceProfit()
{
    if (!m_pResultClass) {
        m_nMessageID = CALC_UNEXPECTED_ERROR;
        return FALSE;
    }
    CResultBaseClass& page = m_pResultClass->m_objBalanceProfit;
    if (!CreateYearColumns(*this, page, kLineCount)) return FALSE;
    const int nYears = m_objCalcYear.nCalcYear;
    FillLabelColumn(*this, *YearTableColumn(page, 0));
    for (int y = 0; y <= nYears; ++y) {
        CResultStringArrayClass* pColumn = YearTableColumn(page, y + 1);
        const CYearBalanceClass* pRecord = GetYearRecord(y);
        if (pColumn && pRecord) FillYearColumn(*this, *pRecord, y, *pColumn);
    }
    return TRUE;
}

void CTavCalcClass::TextSon()
{
    TextHead(LoadResultString(kTitleId));
    for (int k = 0; k < kLineCount; ++k) {
        StringSet(LineLabel(*this, k));
        for (int y = 0; y <= m_objCalcYear.nCalcYear; ++y) {
            const CYearBalanceClass* pRecord = GetYearRecord(y);
            StringSet(pRecord ? AmountText(*this, *pRecord, y, k) : CString());
        }
        StringSet(CString());
        TextWrite();
    }
}
