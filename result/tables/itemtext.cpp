#include "result/tables/itemtext.h"

#include <climits>
#include <cmath>

#include "result/pages/resultformat.h"
#include "result/pages/resultprint.h"

namespace {

const UINT kPercentId = 10002;
const UINT kRiseId = 10012;

// "%3d年目まで" of the step's last year, or as many blanks when the step is open.
CString StepEndText(const tagDATARATE& step, int nBlankYear)
{
    CString end;
    end.Format("%3d年目まで", IsOpenStep(step) ? nBlankYear : step.nEndYear);
    return IsOpenStep(step) ? CString(' ', end.GetLength()) : end;
}

CString StepStartText(const tagDATARATE& step)
{
    CString start;
    start.Format("%3d年目～", step.nStartYear);
    return start;
}

CString StepIntervalText(const tagDATARATE& step)
{
    CString interval;
    interval.Format("%3d年毎", step.nInterval);
    return interval;
}

} // namespace

CString PlainNumber(double dValue)
{
    return FormatResultNumber(-1, dValue, TRUE);
}

CString RateNumber(double dValue)
{
    return FormatResultNumber(2, dValue, TRUE);
}

CString AreaNumber(double dValue)
{
    return FormatResultNumber(2, dValue, FALSE);
}

int SaturateToInt(double dValue)
{
    if (std::isnan(dValue)) return 0;
    if (dValue >= double(INT_MAX)) return INT_MAX;
    if (dValue <= double(INT_MIN)) return INT_MIN;
    return int(dValue);
}

CString IndexedResultString(UINT nFirst, int nValue, int nLast)
{
    return nValue >= 0 && nValue <= nLast ? LoadResultString(nFirst + UINT(nValue)) : CString();
}

CString DirectionLabel(int bDecrease)
{
    return IndexedResultString(kRiseId, bDecrease, 1);
}

CString SeriesMoneyCell(CTavCalcClass& calc, const CObArray* pSeries, int nIndex)
{
    return SeriesItem(pSeries, nIndex) ? calc.FormatAmount(SeriesMoney(pSeries, nIndex)) : CString();
}

void WriteCells(CTavCalcClass& calc, std::initializer_list<CString> cells)
{
    for (const CString& cell : cells) calc.StringSet(cell);
    calc.TextWrite();
}

void WriteEmptyLines(CTavCalcClass& calc, int nLines)
{
    for (int i = 0; i < nLines; ++i) calc.TextWrite();
}

CString ScheduleBlockText(const CDataRateClass& rate)
{
    CString text;
    for (int k = 0; k < CDataRateClass::kStepCount; ++k) {
        const tagDATARATE& step = rate.m_aDataRate[k];
        if (!IsScheduleStepSet(step)) {
            text += "\n\n\n";
            continue;
        }
        text += StepStartText(step) + StepEndText(step, step.nEndYear) + StepIntervalText(step) + "\n";
        text += RateNumber(step.dRate) + LoadResultString(kPercentId) + "\n";
        text += DirectionLabel(step.bDecrease) + "\n";
        if (IsOpenStep(step)) {
            for (int i = k; i < CDataRateClass::kStepCount; ++i) text += "\n\n\n";
            break;
        }
    }
    return text;
}

void WriteScheduleLines(CTavCalcClass& calc, const CDataRateClass& rate)
{
    bool bEnded = false;
    for (const tagDATARATE& step : rate.m_aDataRate) {
        if (!bEnded && IsScheduleStepSet(step)) {
            calc.StringSet(CString());
            calc.StringSet(StepStartText(step) + StepEndText(step, step.nStartYear));
            calc.StringSet(StepIntervalText(step));
            calc.StringSet(RateNumber(step.dRate) + LoadResultString(kPercentId));
            calc.StringSet(DirectionLabel(step.bDecrease));
            bEnded = IsOpenStep(step);
        }
        calc.TextWrite();
    }
}
