// Calendar date and time of day, with a settable "today" for tests.
#pragma once

#include <ctime>

class CTime {
public:
    CTime() = default;
    explicit CTime(std::time_t t) : m_time(t) {}
    CTime(int nYear, int nMonth, int nDay, int nHour = 0, int nMin = 0, int nSec = 0);

    // Now, or the time fixed with SetCurrentTimeForTesting.
    static CTime GetCurrentTime();
    // 0 returns to the clock.
    static void SetCurrentTimeForTesting(std::time_t t);

    int GetYear() const { return Local().tm_year + 1900; }
    int GetMonth() const { return Local().tm_mon + 1; }
    int GetDay() const { return Local().tm_mday; }
    int GetHour() const { return Local().tm_hour; }
    int GetMinute() const { return Local().tm_min; }
    int GetSecond() const { return Local().tm_sec; }
    int GetDayOfWeek() const { return Local().tm_wday + 1; }
    std::time_t GetTime() const { return m_time; }

private:
    std::tm Local() const;
    std::time_t m_time = 0;
};
