// Tax list table.
#include <new>

#include "app/common/classobject.h"
#include "platform/resource.h"
#include "result/calc/tavcalc.h"
#include "result/calc/yearbalance.h"
#include "result/pages/resultformat.h"
#include "result/pages/resultrows.h"
#include "result/pages/tavresult.h"
#include "result/tables/yearcolumns.h"

// Labels of the property and consumption taxes, and of the income and profit taxes.
CString g_astrTaxListDuesLabel[9] = {
    "土地固定資産税", "建物固定資産税", "土地都市計画税", "建物都市計画税", "　　-売上消費税",
    "　　-仕入消費税", "納付消費税",     "前年課税事業税", "地価税",
};
CString g_astrTaxListIncomeLabel[9] = {
    "所得利益", "課税対象額", "所得税", "都道府県民税", "市町村民税", "事業税",
    "　　事業税所得割", "　　事業税付加価値割", "　　事業税資本割",
};

namespace {

const int kCells = 18;
const int kDuesLines = 9;
const int kIncomeLines = 9;
const int kNotTaxable = 4;

// Lines of the income block.
enum { kIncome, kTaxable, kIncomeTax, kPrefectural, kMunicipal, kBusiness, kBreakdown };

enum CorporateMode { kIndividual, kCorporation, kStandardTaxation };

// The project's tax method; a project without its basic record counts as an individual.
int TaxMethod(const CTavCalcClass& calc)
{
    const CDataClassObject* pData = calc.m_pDataClass;
    return pData && pData->m_pDataBasic ? pData->m_pDataBasic->nTaxMethod : 0;
}

CorporateMode GetCorporateMode(const CTavCalcClass& calc)
{
    const int t = TaxMethod(calc);
    if (t == 1) return kCorporation;
    if (t != 2 && t != 3) return kIndividual;
    const CDataClassObject* pData = calc.m_pDataClass;
    const int s = pData->m_pDataTax ? pData->m_pDataTax->m_objTaxBusiness.nStandardTax : 0;
    return s == 1 ? kCorporation : kStandardTaxation;
}

// The label of income-block line k in the mode.
CString IncomeLabel(int k, CorporateMode mode)
{
    if (mode != kIndividual && k == kIncomeTax) return "法人税";
    if (mode != kIndividual && k == kBusiness) return "法人事業税";
    if (mode != kStandardTaxation && k >= kBreakdown) return "";
    return g_astrTaxListIncomeLabel[k];
}

// The amounts of the dues block, in line order.
double CYearBalanceClass::* const kDuesMembers[kDuesLines] = {
    &CYearBalanceClass::m_dLandFixedAssetTax,      &CYearBalanceClass::m_dBuildFixedAssetTax,
    &CYearBalanceClass::m_dLandCityPlanTax,        &CYearBalanceClass::m_dBuildCityPlanTax,
    &CYearBalanceClass::m_dSalesConsumptionTax,    &CYearBalanceClass::m_dPurchaseConsumptionTax,
    &CYearBalanceClass::m_dConsumptionTaxPaid,     &CYearBalanceClass::m_dPrevBusinessTax,
    &CYearBalanceClass::m_dLandPriceTax,
};

// The amounts of the income block from the income tax on, in line order.
double CYearBalanceClass::* const kIncomeMembers[kIncomeLines] = {
    nullptr,
    &CYearBalanceClass::m_dTaxableAmount,
    &CYearBalanceClass::m_dIncomeTax,
    &CYearBalanceClass::m_dPrefecturalTax,
    &CYearBalanceClass::m_dMunicipalTax,
    &CYearBalanceClass::m_dBusinessTax,
    &CYearBalanceClass::m_dBusinessTaxIncome,
    &CYearBalanceClass::m_dBusinessTaxValueAdded,
    &CYearBalanceClass::m_dBusinessTaxCapital,
};

// The amount of income-block line k of a year record.
double IncomeAmount(const CYearBalanceClass& year, int k)
{
    if (k == kIncome) return year.m_dPlanOutsideIncome + year.m_dProfitAfterDepreciation - year.m_dIncomeDeduction;
    return year.*kIncomeMembers[k];
}

void FillLabels(CResultStringArrayClass& column, CorporateMode mode)
{
    for (int k = 0; k < kDuesLines; k++) column.SetData(k, g_astrTaxListDuesLabel[k]);
    for (int k = 0; k < kIncomeLines; k++) column.SetData(kDuesLines + k, IncomeLabel(k, mode));
}

// Year i's cells; the taxable amount is 0 in the construction period and
// for a project that is not taxable, in the record too.
void FillYear(CTavCalcClass& calc, CResultStringArrayClass& column, CYearBalanceClass& year, int i,
              CorporateMode mode)
{
    for (int k = 0; k < kDuesLines; k++) column.SetData(k, calc.FormatAmount(year.*kDuesMembers[k]));
    const int nShown = mode == kStandardTaxation ? kIncomeLines : kBreakdown;
    for (int k = 0; k < nShown; k++) {
        CString text = calc.FormatAmount(IncomeAmount(year, k));
        if (k == kTaxable && (i == 0 || TaxMethod(calc) == kNotTaxable)) {
            year.m_dTaxableAmount = 0.0;
            text = calc.FormatAmount(0.0);
        }
        column.SetData(kDuesLines + k, text);
    }
    for (int k = nShown; k < kIncomeLines; k++) column.SetData(kDuesLines + k, "");
}

} // namespace

BOOL CTavCalcClass::MakeBalanceTax()
{
    CModuleStateScope scope("TavResultClass.DLL");
    if (!m_pResultClass) return FailCalc(CALC_UNEXPECTED_ERROR);
    CResultBaseClass& page = m_pResultClass->m_objBalanceTax;
    if (!CreateYearColumns(*this, page, kCells)) return FALSE;

    const CorporateMode mode = GetCorporateMode(*this);
    FillLabels(*YearTableColumn(page, 0), mode);
    for (int i = 0; i <= m_objCalcYear.nCalcYear; i++) {
        CResultStringArrayClass* pColumn = YearTableColumn(page, i + 1);
        CYearBalanceClass* pYear = GetYearRecord(i);
        if (pColumn && pYear) FillYear(*this, *pColumn, *pYear, i, mode);
    }
    return TRUE;
}

void CTavCalcClass::TextTax()
{
    CModuleStateScope scope("TavResultClass.DLL");
    if (!m_pResultClass) {
        m_nMessageID = CALC_UNEXPECTED_ERROR;
        return;
    }
    const CorporateMode mode = GetCorporateMode(*this);
    const int nYears = m_objCalcYear.nCalcYear;
    // A label, the amounts of years 0 to N (empty for a missing record) and one empty cell.
    auto writeLine = [&](const CString& label, auto amount) {
        StringSet(label);
        for (int i = 0; i <= nYears; i++) {
            const CYearBalanceClass* pYear = GetYearRecord(i);
            StringSet(pYear ? FormatAmount(amount(*pYear)) : CString());
        }
        StringSet("");
        TextWrite();
    };
    TextHead("税金一覧表");
    for (int k = 0; k < kDuesLines; k++)
        writeLine(g_astrTaxListDuesLabel[k], [k](const CYearBalanceClass& y) { return y.*kDuesMembers[k]; });
    const int nShown = mode == kStandardTaxation ? kIncomeLines : kBreakdown;
    for (int k = 0; k < nShown; k++)
        writeLine(IncomeLabel(k, mode), [k](const CYearBalanceClass& y) { return IncomeAmount(y, k); });
    for (int k = nShown; k < kIncomeLines; k++) {
        for (int c = 0; c < nYears + 3; c++) StringSet("");
        TextWrite();
    }
}
