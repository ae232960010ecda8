// Condensed balance sheet table: the page builder and its export section.
#include <new>
#include <optional>
#include <vector>

#include "app/common/classobject.h"
#include "data/dataconstruction.h"
#include "data/datasupply.h"
#include "result/calc/tavcalc.h"
#include "result/calc/yearbalance.h"
#include "result/pages/resultformat.h"
#include "result/pages/resultprint.h"
#include "result/pages/resultrows.h"
#include "result/pages/tavresult.h"
#include "result/tables/yearcolumns.h"

namespace {

const int kLines = 29;
const UINT kTitleId = 18003;
const UINT kFirstAssetId = 600;     // lines 0 to 10
const UINT kFirstLiabilityId = 620; // lines 11 to 28
const int kAssetTotalLine = 10;
const int kLoanTotalLine = 11;
const int kFirstLoanLine = 12;      // the nine loans, then the shortfall loan
const int kShortLoanLine = 21;
const int kOwnFundsLine = 26;
const int kLiabilityTotalLine = 28;
const int kDepreciationItems = CDataExpenseClass::kDepreciationCount;
const int kLoans = CDataSupplyClass::kLoanCount;

// The project records the labels and the initial own funds come from.
struct SheetSources {
    const CDataExpenseClass* pExpense;
    const CDataSupplyClass* pSupply;
};

std::optional<SheetSources> GetSources(const CTavCalcClass& calc)
{
    const CDataClassObject* pData = calc.m_pDataClass;
    if (!pData || !pData->m_pDataExpense || !pData->m_pDataSupply) return std::nullopt;
    return SheetSources{pData->m_pDataExpense, pData->m_pDataSupply};
}

double InitialOwnFunds(const CDataSupplyClass& supply)
{
    const tagDATAFUND& fund = supply.m_objFund;
    double dOwnFunds = fund.dOwnFund + fund.dSubsidy;
    if (supply.m_nLandPurchaseLoan == 1) dOwnFunds += fund.dLandOwnFund;
    return dOwnFunds;
}

// The label of line 0 to 28. Depreciation items 0 and 1 are buildings; empty
// names stay empty (the page shows them as "　").
CString LineLabel(const SheetSources& sources, int nLine)
{
    if (nLine >= 1 && nLine <= kDepreciationItems) {
        const int k = nLine - 1;
        const CString name = sources.pExpense->m_aDepreciation[k].m_strName;
        return k < 2 ? CString("建物(") + name + ")" : name;
    }
    if (nLine >= kFirstLoanLine && nLine < kFirstLoanLine + kLoans)
        return CString("・") + sources.pSupply->m_aLoan[nLine - kFirstLoanLine].m_strBankName;
    CString label = nLine <= kAssetTotalLine ? LoadResultString(kFirstAssetId + nLine)
                                              : LoadResultString(kFirstLiabilityId + nLine - kLoanTotalLine);
    if (nLine == kOwnFundsLine && sources.pSupply->m_objFund.dSubsidy > 0) label += "・補助金等";
    return label;
}

// The raw amounts of one year's column; the cumulative lines run over the years before it.
struct SheetColumn {
    double adLine[kLines];
};

// Running sums carried from one year to the next.
struct SheetRunning {
    double dOwnFunds;
    double dOutsideExpense = 0;
    double dIncomeDeduction = 0;
    double dPrevBusinessTax = 0;
};

// The year's amounts in line order; the asset total is the raw sum of lines 0
// to 9 and the capital and liability total that of lines 11 and 22 to 27.
SheetColumn MakeColumn(const CTavCalcClass& calc, const CYearBalanceClass& year, SheetRunning& run)
{
    SheetColumn col{};
    double* v = col.adLine;
    v[0] = calc.m_adManageMoney[0];
    double dAssets = v[0];
    for (int k = 0; k < kDepreciationItems; ++k) {
        v[1 + k] = year.m_adBookValue[k];
        dAssets += v[1 + k];
    }
    v[7] = year.m_dStartupBookValue;
    dAssets += v[7];
    run.dOutsideExpense += year.m_dOutsideExpense;
    v[8] = run.dOutsideExpense;
    dAssets += v[8];
    v[9] = year.m_dCashOnHand;
    dAssets += v[9];
    v[kAssetTotalLine] = dAssets;

    v[kLoanTotalLine] = year.m_dLoanBalanceTotal;
    double dLiabilities = v[kLoanTotalLine];
    for (int k = 0; k < kLoans; ++k) v[kFirstLoanLine + k] = year.m_adLoanBalance[k];
    v[kShortLoanLine] = year.m_dShortLoanBalance;
    v[22] = year.m_dDepositBalance;
    dLiabilities += v[22];
    v[23] = year.m_dSecurityBalance;
    dLiabilities += v[23];
    run.dIncomeDeduction += year.m_dIncomeDeduction;
    v[24] = run.dIncomeDeduction;
    dLiabilities += v[24];
    run.dPrevBusinessTax += year.m_dPrevBusinessTax;
    v[25] = run.dPrevBusinessTax;
    dLiabilities += v[25];
    run.dOwnFunds += year.m_dAddMyMoney;
    v[kOwnFundsLine] = run.dOwnFunds;
    dLiabilities += v[kOwnFundsLine];
    v[27] = year.m_dProfitAfterTaxTotal;
    dLiabilities += v[27];
    v[kLiabilityTotalLine] = dLiabilities;
    return col;
}

// Years 0 to N; a year without its record has no column and adds to no sum.
std::vector<std::optional<SheetColumn>> MakeColumns(const CTavCalcClass& calc, const SheetSources& sources)
{
    const int nYears = calc.m_objCalcYear.nCalcYear;
    std::vector<std::optional<SheetColumn>> columns;
    SheetRunning run{InitialOwnFunds(*sources.pSupply)};
    for (int i = 0; i <= nYears; ++i) {
        const CYearBalanceClass* pYear = calc.GetYearRecord(i);
        if (pYear) columns.emplace_back(MakeColumn(calc, *pYear, run));
        else columns.emplace_back(std::nullopt);
    }
    return columns;
}

} // namespace

BOOL CTavCalcClass::MakeBalanceSummary()
{
    if (!m_pResultClass) {
        m_nMessageID = CALC_UNEXPECTED_ERROR;
        return FALSE;
    }
    const std::optional<SheetSources> sources = GetSources(*this);
    if (!sources) {
        m_nMessageID = CALC_UNEXPECTED_ERROR;
        return FALSE;
    }
    CResultBalanceSummaryClass& page = m_pResultClass->m_objBalanceSummary;
    if (!CreateYearColumns(*this, page, kLines)) return FALSE;
    const int nYears = m_objCalcYear.nCalcYear;
    CResultStringArrayClass* pLabels = YearTableColumn(page, 0);
    if (!pLabels) {
        m_nMessageID = CALC_UNEXPECTED_ERROR;
        return FALSE;
    }
    for (int k = 0; k < kLines; ++k) pLabels->SetData(k, LineLabel(*sources, k));

    const std::vector<std::optional<SheetColumn>> columns = MakeColumns(*this, *sources);
    for (int i = 0; i <= nYears; ++i) {
        CResultStringArrayClass* pColumn = YearTableColumn(page, i + 1);
        if (!pColumn || !columns[i]) continue;
        for (int k = 0; k < kLines; ++k) pColumn->SetData(k, FormatAmount(columns[i]->adLine[k]));
    }
    return TRUE;
}

void CTavCalcClass::TextBs()
{
    const std::optional<SheetSources> sources = GetSources(*this);
    if (!sources) return;
    TextHead(LoadResultString(kTitleId));
    const std::vector<std::optional<SheetColumn>> columns = MakeColumns(*this, *sources);
    // The capital and liability total adds the loan lines instead of the loan total.
    std::vector<double> liabilities(columns.size(), 0.0);
    for (size_t i = 0; i < columns.size(); ++i) {
        if (!columns[i]) continue;
        for (int k = kFirstLoanLine; k < kLiabilityTotalLine; ++k) liabilities[i] += columns[i]->adLine[k];
    }
    for (int k = 0; k < kLines; ++k) {
        StringSet(LineLabel(*sources, k));
        for (size_t i = 0; i < columns.size(); ++i) {
            if (!columns[i]) StringSet("");
            else StringSet(FormatAmount(k == kLiabilityTotalLine ? liabilities[i] : columns[i]->adLine[k]));
        }
        TextWrite();
    }
}
