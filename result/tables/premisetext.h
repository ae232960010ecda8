// Texts shared by the premise table builders (steps 3 to 10) and the two
// premise export sections.
#pragma once

#include <initializer_list>
#include <vector>

#include "data/datarate.h"
#include "platform/cstring.h"
#include "result/pages/resultobject.h"

class CDataExpenseClass;
class CDataRateClass;
class CResultBaseClass;
class CTavCalcClass;

// The three texts of one premise table row.
struct CPremiseRow {
    CString strItem;
    CString strContent;
    CString strMoney;
};

// Empties the page and fills it with the rows in order. FALSE with 13002
// when the row array or a row cannot be made (the rows made so far stay).
BOOL FillPremisePage(CTavCalcClass& calc, CResultBaseClass& page, const std::vector<CPremiseRow>& rows);

// String nFirstId + nValue when the value is one of the nCount choices,
// else empty: a stored value never picks an unrelated string.
CString PremiseChoice(UINT nFirstId, int nValue, int nCount);
// Name of depreciation item nItem; empty for an index outside the six items.
CString DepreciationName(const CDataExpenseClass& expense, int nItem);
// Entry 0 of a yearly series as a T; null when the series or the entry is missing.
template <class T>
const T* FirstSeriesEntry(const CDeleteObArray* pSeries)
{
    return pSeries && pSeries->GetSize() > 0 ? dynamic_cast<const T*>(pSeries->GetAt(0)) : nullptr;
}
// Starting book value of depreciation item i (entry 0 of its series); FALSE
// when the series or the entry is missing.
BOOL StartBookValue(const CTavCalcClass& calc, int i, double& dValue);

// All six decimals, trailing zeros and a bare point removed, not rounded.
CString PremisePlainNumber(double dValue);
// Two decimals, trailing zeros removed.
CString PremiseRateNumber(double dValue);
// Two decimals, kept.
CString PremiseAreaNumber(double dValue);
// Three decimals, trailing zeros removed.
CString PremiseLoanRateNumber(double dValue);

// A step from its first year to its last that changes every nInterval years.
inline BOOL IsScheduleStepSet(const tagDATARATE& step)
{
    return step.nStartYear != 0 && step.nInterval != 0;
}
// A step whose last year is below its first runs to the end of the calculation.
inline BOOL IsOpenStep(const tagDATARATE& step)
{
    return step.nStartYear > step.nEndYear;
}

// "%3d年目～" and "%3d年目まで" of the end year; an open step (start after
// end) has blanks of that width in place of its end.
CString PremisePeriodText(int nStart, int nEnd);
// A four-step change schedule as table lines, three a step ("\n" after each):
// period and interval, rate, rise or fall; an unused step gives three empty
// lines and an open step ends the schedule with 4 - k groups of them.
CString ScheduleCellText(const CDataRateClass& rate);
// The same schedule as four export lines: strFirst (on step 0 only) |
// period | interval | rate | rise or fall; an unused step gives the first
// cell alone and the steps after an open one give empty lines.
void TextScheduleLines(CTavCalcClass& calc, const CDataRateClass& rate, const CString& strFirst);
// One export line of the given cells.
void TextLine(CTavCalcClass& calc, std::initializer_list<CString> cells);

// Blocks of the first premise export section, each beside the tables it
// shows: depreciation, capital expenditure, their loans and taxes.
void TextDepreciationBlock(CTavCalcClass& calc);
void TextCapitalpayBlock(CTavCalcClass& calc);
void TextCapitalpayLoanBlock(CTavCalcClass& calc);
void TextTaxBlock(CTavCalcClass& calc);
