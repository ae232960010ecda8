#include <gtest/gtest.h>

#include <cstddef>

#include "result/calc/securityloan.h"
#include "tests/result/enginefixture.h"
#include "tests/support/allocations.h"

namespace {

// Size of the non-throwing array request to refuse; 0 refuses none.
std::size_t g_nRefusedSize = 0;

bool RefusesTheSize(const AllocationRequest& request)
{
    return request.bArray && request.bNoThrow && request.nSize == g_nRefusedSize;
}

} // namespace

TEST_F(EngineYearsTest, RentalTablesWithoutMemoryReportIt)
{
    const struct {
        std::size_t size;
        BOOL (CTavCalcClass::*step)();
    } cases[] = {
        {100 * sizeof(double), &CTavCalcClass::CalcRewardIncome},
        {100 * sizeof(double), &CTavCalcClass::CalcDepositIncome},
        {100 * 100 * sizeof(tagSECURITYLOAN), &CTavCalcClass::CalcSecurityIncome},
    };
    CDataRentalBasicClass& basic = *m_data.m_apDataRentalBasic[4];
    basic.nContractYears = 2;
    basic.m_aRate[CDataRentalBasicClass::kRateLive].m_aDataRate[0] = {1, 99, 0, 100.0, 0};
    AddSeriesItem(m_calc.m_apKeyMoneyArray[4], 100.0);
    AddSeriesItem(m_calc.m_apDepositArray[4], 100.0);
    AddSeriesItem(m_calc.m_apSecurityArray[4], 100.0);
    for (const auto& c : cases) {
        m_calc.m_nMessageID = CALC_NO_ERROR;
        g_nRefusedSize = c.size;
        g_pfnFailAllocation = RefusesTheSize;
        const BOOL result = (m_calc.*c.step)();
        AllowAllAllocations();
        EXPECT_FALSE(result);
        EXPECT_EQ(m_calc.m_nMessageID, CALC_OUT_OF_MEMORY);
        EXPECT_TRUE((m_calc.*c.step)());
    }
}
