#include "platform/eradate.h"

#include <algorithm>
#include <iterator>

namespace {

struct Era {
    const char* pszName;
    int nStart; // first day as year * 10000 + month * 100 + day
    int nYearDiff;
};

// Newest first.
constexpr Era kEras[] = {
    {"令和", 20190501, 2018},
    {"平成", 19890108, 1988},
    {"昭和", 19261225, 1925},
    {"大正", 19120730, 1911},
};

const Era* FindEra(const CString& strName)
{
    auto it = std::find_if(std::begin(kEras), std::end(kEras), [&](const Era& era) { return strName == era.pszName; });
    return it != std::end(kEras) ? &*it : nullptr;
}

} // namespace

CEraYear EraYearOfDate(const CString& strName, int nYearDiff, int nYear, int nMonth, int nDay)
{
    const int nDate = nYear * 10000 + nMonth * 100 + nDay;
    const Era* chosen = FindEra(strName);
    if (nDate >= (chosen ? chosen->nStart : kEras[0].nStart)) return {strName, nYear - nYearDiff};
    // The era of the date; the oldest known one for a date before all of them.
    auto it = std::find_if(std::begin(kEras), std::end(kEras), [nDate](const Era& era) { return nDate >= era.nStart; });
    const Era& era = it != std::end(kEras) ? *it : kEras[std::size(kEras) - 1];
    return {era.pszName, nYear - era.nYearDiff};
}
