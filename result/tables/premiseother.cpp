// Other premises and outside-project tables, and the second premise export section.
#include "app/common/classobject.h"
#include "result/calc/tavcalc.h"
#include "result/pages/resultprint.h"
#include "result/pages/tavresult.h"
#include "result/tables/premisetext.h"

namespace {

const UINT kPercentId = 10002;
const UINT kThousandYenId = 10020;
const UINT kOpenBracketId = 20001;
const UINT kCloseBracketId = 20002;
const UINT kSurplusRateId = 10220;
const UINT kMinimumCashId = 10221;
const UINT kBookingYearsId = 10222;
const UINT kProRestOtherTitleId = 10223;
const UINT kFirstKindId = 10230;
const int kKinds = 3;
const UINT kRestOtherTitleId = 10233;
const UINT kItemHeadId = 25000;
const UINT kContentHeadId = 25001;
const UINT kAmountHeadId = 25002;
const int kScheduleLines = 4;

CString SurplusRateText(const tagDATAPRORESTOTHER& other)
{
    return PremisePlainNumber(other.dSurplusRate) + LoadResultString(kPercentId);
}

CString BookingYearsText(int nFrom, int nTo)
{
    CString str;
    str.Format("%3d年～%3d年まで", nFrom, nTo);
    return str;
}

// Booking years and the change schedule of an item, each line ended by "\n".
CString ItemContentText(int nFrom, int nTo, const CDataRateClass& rate)
{
    return LoadResultString(kBookingYearsId) + BookingYearsText(nFrom, nTo) + "\n" + ScheduleCellText(rate);
}

CString KindText(const tagDATARESTOTHERMONEY& line)
{
    return PremiseChoice(kFirstKindId, line.nKind, kKinds);
}

void TextHeading(CTavCalcClass& calc)
{
    TextLine(calc, {LoadResultString(kItemHeadId), LoadResultString(kContentHeadId), CString(), CString(), CString(),
                    LoadResultString(kAmountHeadId)});
}

// Five lines: the item line and its schedule, or the name and four empty
// lines when the item has no amount.
void TextItemBlock(CTavCalcClass& calc, const CString& strName, double dAmount, int nFrom, int nTo,
                   const CDataRateClass& rate, const CString& strFirst)
{
    if (dAmount == 0.0) {
        TextLine(calc, {strName});
        for (int k = 0; k < kScheduleLines; ++k) calc.TextWrite();
        return;
    }
    TextLine(calc, {strName, LoadResultString(kBookingYearsId), BookingYearsText(nFrom, nTo), CString(), CString(),
                    calc.FormatAmount(dAmount)});
    TextScheduleLines(calc, rate, strFirst);
}

} // namespace

BOOL CTavCalcClass::MakeProRestOtherData()
{
    if (!m_pResultClass) return FailCalc(CALC_UNEXPECTED_ERROR);
    const CDataProRestOtherClass& other = *m_pDataClass->m_pDataProRestOther;
    std::vector<CPremiseRow> rows = {
        {LoadResultString(kSurplusRateId), CString(), SurplusRateText(other)},
        {LoadResultString(kMinimumCashId), CString(),
         PremisePlainNumber(other.dMinimumCash) + LoadResultString(kOpenBracketId) + LoadResultString(kThousandYenId) +
             LoadResultString(kCloseBracketId)},
    };
    for (const CDataOtherIncomeClass& income : other.m_aOtherIncome) {
        CPremiseRow row{income.m_strName, CString(), CString()};
        if (income.dAmount != 0.0) {
            row.strContent = ItemContentText(income.nFromYear, income.nToYear, income);
            row.strMoney = FormatAmount(income.dAmount);
        }
        rows.push_back(row);
    }
    return FillPremisePage(*this, m_pResultClass->m_objProRestOtherData, rows);
}

BOOL CTavCalcClass::MakeRestOtherData()
{
    if (!m_pResultClass) return FailCalc(CALC_UNEXPECTED_ERROR);
    std::vector<CPremiseRow> rows;
    for (const CDataRestOtherMoneyClass& line : m_pDataClass->m_pDataRestOther->m_aRestOtherMoney) {
        if (line.dAmount == 0.0) {
            rows.push_back({line.m_strName + "\n\n", CString(), CString()});
            continue;
        }
        rows.push_back({line.m_strName + "\n" + KindText(line) + "\n",
                        ItemContentText(line.nFromYear, line.nToYear, line), FormatAmount(line.dAmount)});
    }
    return FillPremisePage(*this, m_pResultClass->m_objRestOtherData, rows);
}

void CTavCalcClass::TextBasic2()
{
    const CDataProRestOtherClass& other = *m_pDataClass->m_pDataProRestOther;
    TextLine(*this, {"前提条件－２"});
    TextLine(*this, {LoadResultString(kProRestOtherTitleId)});
    TextLine(*this, {LoadResultString(kSurplusRateId), SurplusRateText(other)});
    TextLine(*this, {LoadResultString(kMinimumCashId),
                     PremisePlainNumber(other.dMinimumCash) + LoadResultString(kThousandYenId)});
    TextHeading(*this);
    for (const CDataOtherIncomeClass& income : other.m_aOtherIncome)
        TextItemBlock(*this, income.m_strName, income.dAmount, income.nFromYear, income.nToYear, income, CString());

    TextLine(*this, {LoadResultString(kRestOtherTitleId)});
    TextHeading(*this);
    for (const CDataRestOtherMoneyClass& line : m_pDataClass->m_pDataRestOther->m_aRestOtherMoney)
        TextItemBlock(*this, line.m_strName, line.dAmount, line.nFromYear, line.nToYear, line, KindText(line));
}
