// Recurring income table (step 19) and its export section.
#include "app/common/classobject.h"
#include "data/dataotherincome.h"
#include "data/datarentalbasic.h"
#include "platform/resource.h"
#include "result/pages/currentincome.h"
#include "result/pages/resultprint.h"
#include "result/pages/resultrows.h"
#include "result/pages/tavresult.h"
#include "result/tables/itemtext.h"

namespace {

const int kRows = 11;
const int kCategories = CTavCalcClass::kRentalCategories;
const int kOtherIncomes = CDataProRestOtherClass::kIncomeCount;
const UINT kFirstLabelId = 790;
const UINT kBookingYearsId = 10222;
const UINT kFirstNoteId = 810;
const UINT kSecondNoteId = 811;
const UINT kReferenceId = 18007;
const UINT kHeadIds[3] = {25000, 25001, 25002};

// The three rental incomes: their series per category, and the categories
// whose amounts the compact export follows by "千円".
struct CRentalIncome {
    CDeleteObArray* const* apSeries;
    int nUnitFrom;
};

CRentalIncome GetRentalIncome(const CTavCalcClass& calc, int nIncome)
{
    switch (nIncome) {
    case 0: return {calc.m_apRentArray, 0};
    case 1: return {calc.m_apCommonFeeArray, 4};
    default: return {calc.m_apKeyMoneyArray, 4};
    }
}

const CDataRentalBasicClass* RentalBasic(const CTavCalcClass& calc, int nCategory)
{
    return calc.m_pDataClass->m_apDataRentalBasic[nCategory];
}

BOOL IsCategoryInUse(const CTavCalcClass& calc, int nCategory)
{
    const CDataRentalBasicClass* pBasic = RentalBasic(calc, nCategory);
    return pBasic && pBasic->nContractYears > 0;
}

CString CategoryName(const CTavCalcClass& calc, int nCategory)
{
    const CDataRentalBasicClass* pBasic = RentalBasic(calc, nCategory);
    return pBasic ? pBasic->m_strName : CString();
}

// The category's name and colon when it is in use, then its amount when not 0.
CString CategoryText(const CTavCalcClass& calc, int nCategory, double dAmount, const char* pszUnit)
{
    CString text = IsCategoryInUse(calc, nCategory) ? CategoryName(calc, nCategory) + ":" : CString();
    if (dAmount != 0.0) text += PremisePlainNumber(dAmount) + pszUnit;
    return text;
}

double SumFirstEntries(CDeleteObArray* const* apSeries)
{
    double dTotal = 0.0;
    for (int c = 0; c < kCategories; ++c) dTotal += SeriesMoney(apSeries[c], 0);
    return dTotal;
}

bool HasFirstEntries(CDeleteObArray* const* apSeries)
{
    for (int c = 0; c < kCategories; ++c)
        if (!SeriesItem(apSeries[c], 0)) return false;
    return true;
}

const CDataOtherIncomeClass& OtherIncome(const CTavCalcClass& calc, int nItem)
{
    return calc.m_pDataClass->m_pDataProRestOther->m_aOtherIncome[nItem];
}

// ---- Rows of the page

// Categories 0 to 3 on the left of the four lines, 4 to 7 on the right.
BOOL SetRentalIncomeRow(CTavCalcClass& calc, CResultItemClass& row, int nIncome)
{
    CDeleteObArray* const* apSeries = GetRentalIncome(calc, nIncome).apSeries;
    if (!HasFirstEntries(apSeries)) return calc.FailCalc(CALC_UNEXPECTED_ERROR);
    CString content;
    for (int i = 0; i < kCategories; ++i) {
        const int c = i % 2 == 0 ? i / 2 : 4 + i / 2;
        content += CategoryText(calc, c, SeriesMoney(apSeries[c], 0), "千円") + "\n";
    }
    row.SetContent(content);
    row.SetMoney(calc.FormatAmount(SumFirstEntries(apSeries)));
    return TRUE;
}

BOOL SetOtherIncomeRow(CTavCalcClass& calc, CResultItemClass& row, int nItem)
{
    const CObArray* pSeries = calc.m_apOtherIncomeArray[nItem];
    if (!SeriesItem(pSeries, 0)) return calc.FailCalc(CALC_UNEXPECTED_ERROR);
    const double v = calc.FractionManage(SeriesMoney(pSeries, 0));
    if (v == 0.0) {
        row.SetContent("\n\n");
        return TRUE;
    }
    const CDataOtherIncomeClass& item = OtherIncome(calc, nItem);
    CString years;
    years.Format("%3d年目～%3d年目まで", item.nFromYear, item.nToYear);
    row.SetContent(LoadResultString(kBookingYearsId) + years + "\n" + ScheduleCellText(item));
    row.SetMoney(PremisePlainNumber(v));
    return TRUE;
}

BOOL SetReferenceRow(CTavCalcClass& calc, CResultItemClass& row, CDeleteObArray* const* apSeries)
{
    if (!HasFirstEntries(apSeries)) return calc.FailCalc(CALC_UNEXPECTED_ERROR);
    row.SetMoney(calc.FormatAmount(SumFirstEntries(apSeries)));
    return TRUE;
}

BOOL SetRow(CTavCalcClass& calc, CResultItemClass& row, int nRow)
{
    if (nRow < 3) return SetRentalIncomeRow(calc, row, nRow);
    if (nRow < 3 + kOtherIncomes) return SetOtherIncomeRow(calc, row, nRow - 3);
    return SetReferenceRow(calc, row, nRow == 9 ? calc.m_apDepositArray : calc.m_apSecurityArray);
}

// ---- Export section

void WriteRentalIncome(CTavCalcClass& calc, int nIncome, BOOL bCompact)
{
    const CRentalIncome income = GetRentalIncome(calc, nIncome);
    const CString label = LoadResultString(kFirstLabelId + UINT(nIncome));
    const CString total = calc.FormatAmount(SumFirstEntries(income.apSeries));
    for (int k = 0; k < (bCompact ? 4 : kCategories); ++k) {
        calc.StringSet(k == 0 ? label : CString());
        if (bCompact) {
            for (int c : {k, k + 4}) {
                const char* pszUnit = c >= income.nUnitFrom && c < income.nUnitFrom + 4 ? "千円" : "";
                calc.StringSet(CategoryText(calc, c, SeriesMoney(income.apSeries[c], 0), pszUnit));
            }
        } else {
            const double v = SeriesMoney(income.apSeries[k], 0);
            calc.StringSet(CategoryName(calc, k));
            calc.StringSet(v != 0.0 ? PremisePlainNumber(v) : CString());
        }
        if (k == 0) calc.StringSet(total);
        calc.TextWrite();
    }
}

void WriteOtherIncome(CTavCalcClass& calc, int nItem, BOOL bCompact)
{
    const CDataOtherIncomeClass item = OtherIncome(calc, nItem);
    if (!bCompact) {
        const double v = calc.FractionManage(SeriesMoney(calc.m_apOtherIncomeArray[nItem], 0));
        calc.StringSet(item.m_strName);
        calc.StringSet(CString());
        calc.StringSet(CString());
        if (v != 0.0) calc.StringSet(PremisePlainNumber(v));
        return calc.TextWrite();
    }
    if (item.dAmount == 0.0) {
        TextLine(calc, {item.m_strName});
        return WriteEmptyLines(calc, 4);
    }
    CString years;
    years.Format("%3d年～%3d年まで", item.nFromYear, item.nToYear);
    TextLine(calc, {item.m_strName, LoadResultString(kBookingYearsId), years, "", "", calc.FormatAmount(item.dAmount)});
    TextScheduleLines(calc, item, CString());
}

bool HasIncomeRecords(const CTavCalcClass& calc)
{
    return calc.m_pDataClass && calc.m_pDataClass->m_pDataProRestOther;
}

} // namespace

BOOL CTavCalcClass::MakeCurrentIncome()
{
    CModuleStateScope scope("TavResultClass.DLL");
    if (!m_pResultClass || !HasIncomeRecords(*this)) return FailCalc(CALC_UNEXPECTED_ERROR);
    CResultCurrentIncomeClass& page = m_pResultClass->m_objCurrentIncome;
    if (!CreatePageRows<CResultItemClass>(*this, page, kRows)) return FALSE;
    for (int i = 0; i < kRows; ++i) {
        CResultItemClass* pRow = PageRow<CResultItemClass>(page, i);
        if (!pRow) return FailCalc(CALC_UNEXPECTED_ERROR);
        pRow->SetItem(LoadResultString(kFirstLabelId + UINT(i)));
        if (i >= 3 && i < 3 + kOtherIncomes) pRow->SetItem(OtherIncome(*this, i - 3).m_strName);
    }
    for (int i = 0; i < kRows; ++i)
        if (!SetRow(*this, *PageRow<CResultItemClass>(page, i), i)) return FALSE;
    return TRUE;
}

void CTavCalcClass::TextInout2()
{
    CModuleStateScope scope("TavResultClass.DLL");
    if (!HasIncomeRecords(*this)) return;
    const BOOL bCompact = m_nTextOption == 0;
    TextLine(*this, {"経常収入"});
    TextLine(*this, {LoadResultString(kHeadIds[0]), LoadResultString(kHeadIds[1]), "", LoadResultString(kHeadIds[2])});
    for (int i = 0; i < 3; ++i) WriteRentalIncome(*this, i, bCompact);
    for (int k = 0; k < kOtherIncomes; ++k) WriteOtherIncome(*this, k, bCompact);
    TextLine(*this, {"", LoadResultString(kFirstNoteId)});
    TextLine(*this, {LoadResultString(kReferenceId)});
    TextLine(*this, {"敷　金", "", "", FormatAmount(SumFirstEntries(m_apDepositArray))});
    TextLine(*this, {"保証金", "", "", FormatAmount(SumFirstEntries(m_apSecurityArray))});
    TextLine(*this, {"", LoadResultString(kSecondNoteId)});
}
