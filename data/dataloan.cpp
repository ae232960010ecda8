#include "data/dataloan.h"

#include <climits>

namespace {

// A period counts when it ends no earlier than it starts and is not all zero.
int PeriodYears(const tagDATAREPAY& period)
{
    if (period.nEndYear < period.nStartYear) return 0;
    if (period.nStartYear == 0 && period.nEndYear == 0) return 0;
    const long long nYears = (long long)period.nEndYear - period.nStartYear + 1;
    return nYears > INT_MAX ? INT_MAX : int(nYears);
}

} // namespace

CDataLoanClass::CDataLoanClass()
{
    InitData();
}

CDataLoanClass::~CDataLoanClass()
{
    DestroyData();
}

void CDataLoanClass::InitData()
{
    CDataClass::InitData();
    static_cast<tagDATALOAN&>(*this) = tagDATALOAN{};
    for (tagDATAREPAY& period : m_aRepay) period = tagDATAREPAY{};
    m_strBankName.Empty();
    m_nCapitalPayYear = 0;
    m_nIndex = 0;
}

void CDataLoanClass::DestroyData()
{
    CDataClass::DestroyData();
    InitData();
}

int CDataLoanClass::GetRepayPeriod(int i) const
{
    if (i == -1) {
        // Kept within a count of months that int can hold, whatever a file says.
        long long nYears = 0;
        for (int k = 1; k < kRepayCount; ++k) nYears += PeriodYears(m_aRepay[k]);
        return nYears > INT_MAX / 12 ? INT_MAX / 12 : int(nYears);
    }
    if (i < 0 || i >= kRepayCount) return 0;
    return PeriodYears(m_aRepay[i]);
}

BOOL CDataLoanClass::CheckSpecialLoan() const
{
    return nSpecialFromYear > 0 && nSpecialToYear >= nSpecialFromYear;
}

BOOL CDataLoanClass::CheckSpecialLoanYear(int nYear) const
{
    return nSpecialFromYear <= nYear && nYear <= nSpecialToYear;
}
