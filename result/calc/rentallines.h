// The rental lines of the rental-types record as base amounts of the six
// yearly rental series.
#pragma once

#include <vector>

#include "data/dataclass.h"
#include "data/datarentalbasic.h"

// The amounts of a rental line that become yearly series, in build order.
enum RentalField {
    kRentalRent,
    kRentalCommonFee,
    kRentalKeyMoney,
    kRentalDeposit,
    kRentalSecurity,
    kRentalRenewalFee,
    kRentalFieldCount
};

// Whether a series follows the rent-change schedule of its category. The
// renewal fee has no flag of its own and goes with the security money.
inline bool RentalFollowsRent(const tagDATARENTALBASIC& basic, RentalField field)
{
    switch (field) {
    case kRentalCommonFee: return basic.bCommonFeeFixed == 0;
    case kRentalDeposit: return basic.nDepositChange == 0;
    case kRentalSecurity:
    case kRentalRenewalFee: return basic.nSecurityChange == 0;
    default: return true;
    }
}

// The yearly base amount of one line: the field, times the count when the
// line is priced per dwelling, tsubo or car, times 12 for the monthly rent
// and common fee.
template <class TLine>
double RentalLineAmount(const TLine& line, RentalField field)
{
    const double adField[] = {line.m_dRent,    line.m_dCommonFee, line.m_dKeyMoney,
                              line.m_dDeposit, line.m_dSecurity,  line.m_dRenewalFee};
    double amount = adField[field];
    if (line.m_nInputMethod != 0) amount = amount * line.m_dCount;
    if (field == kRentalRent || field == kRentalCommonFee) amount = amount * 12;
    return amount;
}

// The base amounts of the lines of category nCategory (0 to 7), in line
// order. No line array, an empty slot and a line of another category (-1:
// not in use) add nothing.
template <class TLine, class TType>
std::vector<double> RentalLineAmounts(const TType& type, int nCategory, RentalField field)
{
    std::vector<double> amounts;
    if (!type.m_pTermArray) return amounts;
    for (int i = 0; i < type.m_pTermArray->GetSize(); ++i) {
        const auto* pLine = static_cast<const TLine*>(type.m_pTermArray->GetAt(i));
        if (pLine && pLine->m_nCategory == nCategory) amounts.push_back(RentalLineAmount(*pLine, field));
    }
    return amounts;
}
