#include "result/tables/itemtext.h"

#include <climits>
#include <cmath>

#include "result/pages/resultformat.h"
#include "result/pages/resultprint.h"

namespace {

const UINT kRiseId = 10012;

} // namespace

int SaturateToInt(double dValue)
{
    if (std::isnan(dValue)) return 0;
    if (dValue >= double(INT_MAX)) return INT_MAX;
    if (dValue <= double(INT_MIN)) return INT_MIN;
    return int(dValue);
}

CString DirectionLabel(int bDecrease)
{
    return PremiseChoice(kRiseId, bDecrease, 2);
}

CString SeriesMoneyCell(CTavCalcClass& calc, const CObArray* pSeries, int nIndex)
{
    return SeriesItem(pSeries, nIndex) ? calc.FormatAmount(SeriesMoney(pSeries, nIndex)) : CString();
}

void WriteEmptyLines(CTavCalcClass& calc, int nLines)
{
    for (int i = 0; i < nLines; ++i) calc.TextWrite();
}
