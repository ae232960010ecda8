#include "data/datasheetparts.h"

BOOL SetScheduleCells(CObArray* pArray, int nFirst, const CDataRateClass& schedule)
{
    for (const tagDATARATE& step : schedule.m_aDataRate) {
        if (!SetIntegerCell(pArray, nFirst, step.nStartYear) || !SetIntegerCell(pArray, nFirst + 1, step.nEndYear) ||
            !SetIntegerCell(pArray, nFirst + 2, step.nInterval) || !SetNumberCell(pArray, nFirst + 3, step.dRate) ||
            !SetCheckGroup(pArray, nFirst + 4, 2, step.bDecrease))
            return FALSE;
        nFirst += 6;
    }
    return TRUE;
}
