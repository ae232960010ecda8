#include <gtest/gtest.h>

#include <cstddef>
#include <new>

#include "result/calc/securityloan.h"
#include "tests/result/enginefixture.h"

namespace {

// Size of the array request to refuse; 0 refuses none.
std::size_t g_nRefusedSize = 0;

} // namespace

// Refuses one array size on request, so that the engine meets a failed allocation.
void* operator new[](std::size_t nSize, const std::nothrow_t&) noexcept
{
    if (g_nRefusedSize != 0 && nSize == g_nRefusedSize) return nullptr;
    try {
        return ::operator new[](nSize);
    } catch (...) {
        return nullptr;
    }
}

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
        const BOOL result = (m_calc.*c.step)();
        g_nRefusedSize = 0;
        EXPECT_FALSE(result);
        EXPECT_EQ(m_calc.m_nMessageID, CALC_OUT_OF_MEMORY);
        EXPECT_TRUE((m_calc.*c.step)());
    }
}
