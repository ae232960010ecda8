// Years of the Japanese calendar: the era a date belongs to and its year in it.
#pragma once

#include "platform/cstring.h"

struct CEraYear {
    CString strName;
    int nYear = 0;
};

// The year of the date in the chosen era (strName, the Western year of its
// year 0 in nYearDiff). A date before the chosen era began takes the era it
// belongs to; an era of an unknown name counts as begun after the newest
// known one.
CEraYear EraYearOfDate(const CString& strName, int nYearDiff, int nYear, int nMonth, int nDay);
