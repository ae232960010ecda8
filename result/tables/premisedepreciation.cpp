// Depreciation and capital expenditure tables, and their export blocks.
#include "app/common/classobject.h"
#include "result/calc/tavcalc.h"
#include "result/pages/resultformat.h"
#include "result/pages/resultprint.h"
#include "result/pages/tavresult.h"
#include "result/tables/premisetext.h"

namespace {

const int kItems = CDataExpenseClass::kDepreciationCount;
const int kPays = CDataExpenseClass::kCapitalPayCount;
const int kFirstPayLoan = 6;
const int kRepayPeriods = 4;
const UINT kPercentId = 10002;
const UINT kMonthsId = 10004;
const UINT kYearFromId = 10005;
const UINT kYearToId = 10006;
const UINT kFirstMethodId = 10140;
const UINT kNoId = 10142;
const UINT kYesId = 10143;
const UINT kDepreciationTitleId = 10144;
const UINT kFirstDepreciationHeadId = 10145;
const UINT kCapitalpayTitleId = 10148;
const UINT kReducedBookValueId = 149;
const UINT kTotalId = 15007;
const UINT kFirstSourceId = 10150;
const int kSources = 3;
const UINT kFirstCapitalpayHeadId = 10161;
const UINT kLoanTitleId = 10170;
const UINT kNotUsedId = 10171;
const UINT kNoneId = 15003;
const UINT kMortgageSetId = 15015;
const UINT kMortgageNotSetId = 15016;
const UINT kLevelPaymentId = 15017;
const UINT kLevelPrincipalId = 15018;
const UINT kGraceId = 15019;
const UINT kSpecialId = 15024;
const UINT kSpecialSourceId = 15025;
const UINT kSpecialAmountId = 15026;
const UINT kIncomeSourceId = 15029;
const UINT kOwnFundSourceId = 15030;
const UINT kMortgageFeeId = 25;
const UINT kItemHeadId = 25000;
const UINT kContentHeadId = 25001;
const UINT kAmountHeadId = 25002;

const CDataExpenseClass& Expense(const CTavCalcClass& calc)
{
    return *calc.m_pDataClass->m_pDataExpense;
}

BOOL HasReducedBookValue(const CDataExpenseClass& expense)
{
    return expense.m_objConstructionCost.nInputMethod >= 1 && expense.m_objCompression.nCompression == 1;
}

// Method, useful life, extra depreciation and capital expenditure of item i.
void DepreciationTexts(CTavCalcClass& calc, int i, CString (&astr)[4])
{
    const CDataDepreciationClass& item = Expense(calc).m_aDepreciation[i];
    astr[0] = PremiseChoice(kFirstMethodId, item.nMethod, 2);
    astr[1].Format("%3d年", item.nLife);
    astr[2] = PremiseChoice(kNoId, item.nExtra, 2);
    astr[3] = LoadResultString(calc.CheckCapitalpay(i, -1, 0) == -1 ? kNoId : kYesId);
}

// The starting book value of item i when it is shown: above 0.
BOOL ShownBookValue(const CTavCalcClass& calc, int i, double& dValue)
{
    return StartBookValue(calc, i, dValue) && dValue > 0;
}

CString PayYearText(const tagDATACAPITALPAY& pay)
{
    CString str;
    str.Format("%3d年目", pay.nYear);
    return str;
}

BOOL IsPayLoanUsed(const tagDATACAPITALPAY& pay)
{
    return pay.nYear != 0 && pay.nSource == 1;
}

CString TwoDigits(int n)
{
    CString str;
    str.Format("%2d", n);
    return str;
}

CString GraceText(const tagDATAREPAY& grace)
{
    return grace.nEndYear > 0 ? TwoDigits(grace.nEndYear) + LoadResultString(kMonthsId) : LoadResultString(kNoneId);
}

CString LoanRateText(double dRate)
{
    return PremiseLoanRateNumber(dRate) + LoadResultString(kPercentId);
}

BOOL IsPeriodSet(const tagDATAREPAY& period)
{
    return period.nStartYear > 0 && period.nStartYear <= period.nEndYear;
}

CString YearsText(int nFrom, int nTo)
{
    return TwoDigits(nFrom) + LoadResultString(kYearFromId) + TwoDigits(nTo) + LoadResultString(kYearToId);
}

CString RepayMethodText(const tagDATALOAN& loan)
{
    return LoadResultString(loan.nRepayMethod == 0 ? kLevelPaymentId : kLevelPrincipalId);
}

CString SpecialSourceText(const tagDATALOAN& loan)
{
    return LoadResultString(loan.nSpecialSource == 0 ? kIncomeSourceId : kOwnFundSourceId);
}

CString MortgageText(const tagDATALOAN& loan)
{
    return LoadResultString(loan.nMortgageFee == 0 ? kMortgageSetId : kMortgageNotSetId);
}

// The loan amount as entered, with the configured decimals but not rounded.
CString LoanAmountText(const CTavCalcClass& calc, const tagDATALOAN& loan)
{
    return FormatResultNumber(calc.m_objDecimal.nDecimalNum, loan.dAmount, calc.m_objDecimal.nDecimalZero);
}

// The 26 content lines of a loan in use: grace period, four repayment
// periods, extra repayment and mortgage fee, each line ended by "\n".
CString LoanContentText(const CDataLoanClass& loan)
{
    CString str = LoadResultString(kGraceId) + "\n";
    const tagDATAREPAY& grace = loan.m_aRepay[0];
    str += GraceText(grace) + "\n" + (grace.nEndYear > 0 ? LoanRateText(grace.dRate) : CString()) + "\n";
    for (int p = 1; p <= kRepayPeriods; ++p) {
        const tagDATAREPAY& period = loan.m_aRepay[p];
        str += LoadResultString(kGraceId + p) + "\n";
        if (IsPeriodSet(period))
            str += YearsText(period.nStartYear, period.nEndYear) + "\n" + LoanRateText(period.dRate) + "\n";
        else
            str += "\n\n";
    }
    str += LoadResultString(kSpecialId) + "\n";
    if (loan.nSpecialFromYear > 0) {
        str += YearsText(loan.nSpecialFromYear, loan.nSpecialToYear) + "\n\n";
        str += LoadResultString(kSpecialSourceId) + "\n" + SpecialSourceText(loan) + "\n\n";
        str += LoadResultString(kSpecialAmountId) + "\n" + PremisePlainNumber(loan.dSpecialAmount) + "\n\n";
    } else {
        str += LoadResultString(kNoneId) + "\n\n\n\n\n\n\n\n";
    }
    return str + LoadResultString(kMortgageFeeId) + "\n" + MortgageText(loan) + "\n";
}

} // namespace

BOOL CTavCalcClass::MakeDepreciationData()
{
    if (!m_pResultClass) return FailCalc(CALC_UNEXPECTED_ERROR);
    CResultDepreciationDataClass& page = m_pResultClass->m_objDepreciationData;
    const CDataExpenseClass& expense = Expense(*this);
    std::vector<CPremiseRow> rows;
    double dTotal = 0.0;
    for (int i = 0; i < kItems; ++i) {
        CPremiseRow row{expense.m_aDepreciation[i].m_strName, CString(), CString()};
        double dValue;
        if (ShownBookValue(*this, i, dValue)) {
            CString astr[4];
            DepreciationTexts(*this, i, astr);
            row.strMoney = astr[0] + "\n" + astr[1] + "\n" + astr[2] + "\n" + astr[3] + "\n" + FormatAmount(dValue);
            dTotal += dValue;
        }
        rows.push_back(row);
    }
    rows.push_back({LoadResultString(kTotalId), CString(), FormatAmount(dTotal)});
    const BOOL bFilled = FillPremisePage(*this, page, rows);
    page.m_strBookValueTitle = HasReducedBookValue(expense) ? LoadResultString(kReducedBookValueId) : CString();
    return bFilled;
}

BOOL CTavCalcClass::MakeCapitalpayData()
{
    if (!m_pResultClass) return FailCalc(CALC_UNEXPECTED_ERROR);
    const CDataExpenseClass& expense = Expense(*this);
    std::vector<CPremiseRow> rows;
    for (const tagDATACAPITALPAY& pay : expense.m_aCapitalPay) {
        if (pay.nYear <= 0) {
            rows.push_back({});
            continue;
        }
        rows.push_back({DepreciationName(expense, pay.nItem), CString(),
                        PayYearText(pay) + "\n" + PremiseChoice(kFirstSourceId, pay.nSource, kSources) + "\n" +
                            FormatAmount(pay.dAmount) + "\n"});
    }
    return FillPremisePage(*this, m_pResultClass->m_objCapitalpayData, rows);
}

BOOL CTavCalcClass::MakeCapitalpayLoanData()
{
    if (!m_pResultClass) return FailCalc(CALC_UNEXPECTED_ERROR);
    const CDataExpenseClass& expense = Expense(*this);
    std::vector<CPremiseRow> rows;
    for (int c = 0; c < kPays; ++c) {
        const tagDATACAPITALPAY& pay = expense.m_aCapitalPay[c];
        if (!IsPayLoanUsed(pay)) {
            rows.push_back({LoadResultString(kNotUsedId) + "\n", CString(), CString()});
            continue;
        }
        const CDataLoanClass loan = m_pDataClass->m_pDataSupply->m_aLoan[kFirstPayLoan + c];
        rows.push_back({loan.m_strBankName + "\n" + DepreciationName(expense, pay.nItem) + "\n" + RepayMethodText(loan),
                        LoanContentText(loan), LoanAmountText(*this, loan)});
    }
    return FillPremisePage(*this, m_pResultClass->m_objCapitalpayLoanData, rows);
}

void TextDepreciationBlock(CTavCalcClass& calc)
{
    TextLine(calc, {LoadResultString(kDepreciationTitleId)});
    calc.StringSet(LoadResultString(kItemHeadId));
    for (int k = 0; k < 5; ++k) calc.StringSet(LoadResultString(kFirstDepreciationHeadId + k));
    calc.TextWrite();
    const CDataExpenseClass& expense = Expense(calc);
    double dTotal = 0.0;
    for (int i = 0; i < kItems; ++i) {
        calc.StringSet(expense.m_aDepreciation[i].m_strName);
        double dValue;
        if (ShownBookValue(calc, i, dValue)) {
            CString astr[4];
            DepreciationTexts(calc, i, astr);
            for (const CString& str : astr) calc.StringSet(str);
            calc.StringSet(calc.FormatAmount(dValue));
            dTotal += dValue;
        }
        calc.TextWrite();
    }
    CString strTotal = LoadResultString(kTotalId);
    if (HasReducedBookValue(expense)) strTotal += "(" + LoadResultString(kReducedBookValueId) + ")";
    TextLine(calc, {strTotal, CString(), CString(), CString(), CString(), calc.FormatAmount(dTotal)});
}

void TextCapitalpayBlock(CTavCalcClass& calc)
{
    TextLine(calc, {LoadResultString(kCapitalpayTitleId)});
    TextLine(calc, {LoadResultString(kItemHeadId), LoadResultString(kFirstCapitalpayHeadId),
                    LoadResultString(kFirstCapitalpayHeadId + 1), LoadResultString(kFirstCapitalpayHeadId + 2)});
    const CDataExpenseClass& expense = Expense(calc);
    for (const tagDATACAPITALPAY& pay : expense.m_aCapitalPay) {
        if (pay.nYear > 0)
            TextLine(calc, {DepreciationName(expense, pay.nItem), PayYearText(pay),
                            PremiseChoice(kFirstSourceId, pay.nSource, kSources), calc.FormatAmount(pay.dAmount)});
        else
            calc.TextWrite();
    }
}

void TextCapitalpayLoanBlock(CTavCalcClass& calc)
{
    TextLine(calc, {LoadResultString(kLoanTitleId)});
    TextLine(calc, {LoadResultString(kItemHeadId), LoadResultString(kContentHeadId), CString(), CString(),
                    LoadResultString(kAmountHeadId)});
    const CDataExpenseClass& expense = Expense(calc);
    for (int c = 0; c < kPays; ++c) {
        const tagDATACAPITALPAY& pay = expense.m_aCapitalPay[c];
        if (!IsPayLoanUsed(pay)) {
            TextLine(calc, {LoadResultString(kNotUsedId)});
            for (int k = 0; k < 8; ++k) calc.TextWrite();
            continue;
        }
        const CDataLoanClass loan = calc.m_pDataClass->m_pDataSupply->m_aLoan[kFirstPayLoan + c];
        const tagDATAREPAY& grace = loan.m_aRepay[0];
        TextLine(calc, {loan.m_strBankName, LoadResultString(kGraceId), GraceText(grace),
                        grace.nEndYear > 0 ? LoanRateText(grace.dRate) : CString(), LoanAmountText(calc, loan)});
        const CString astrFirst[kRepayPeriods] = {DepreciationName(expense, pay.nItem), RepayMethodText(loan)};
        for (int p = 1; p <= kRepayPeriods; ++p) {
            const tagDATAREPAY& period = loan.m_aRepay[p];
            calc.StringSet(astrFirst[p - 1]);
            calc.StringSet(LoadResultString(kGraceId + p));
            if (IsPeriodSet(period)) {
                calc.StringSet(YearsText(period.nStartYear, period.nEndYear));
                calc.StringSet(LoanRateText(period.dRate));
            }
            calc.TextWrite();
        }
        const BOOL bSpecial = loan.nSpecialFromYear > 0;
        TextLine(calc, {CString(), LoadResultString(kSpecialId),
                        bSpecial ? YearsText(loan.nSpecialFromYear, loan.nSpecialToYear) : LoadResultString(kNoneId)});
        if (bSpecial) {
            TextLine(calc, {CString(), LoadResultString(kSpecialSourceId), SpecialSourceText(loan)});
            TextLine(calc, {CString(), LoadResultString(kSpecialAmountId), PremisePlainNumber(loan.dSpecialAmount)});
        } else {
            calc.TextWrite();
            calc.TextWrite();
        }
        TextLine(calc, {CString(), LoadResultString(kMortgageFeeId), MortgageText(loan)});
    }
}
