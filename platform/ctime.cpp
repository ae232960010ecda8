#include "platform/ctime.h"

namespace {

std::time_t& FixedNow()
{
    static std::time_t fixed = 0;
    return fixed;
}

} // namespace

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    std::tm tm{};
    tm.tm_year = nYear - 1900;
    tm.tm_mon = nMonth - 1;
    tm.tm_mday = nDay;
    tm.tm_hour = nHour;
    tm.tm_min = nMin;
    tm.tm_sec = nSec;
    tm.tm_isdst = -1;
    m_time = std::mktime(&tm);
}

CTime CTime::GetCurrentTime()
{
    return CTime(FixedNow() ? FixedNow() : std::time(nullptr));
}

void CTime::SetCurrentTimeForTesting(std::time_t t)
{
    FixedNow() = t;
}

std::tm CTime::Local() const
{
    std::tm tm{};
    localtime_r(&m_time, &tm);
    return tm;
}
