#include <gtest/gtest.h>
#include <new>
#include <vector>

#include "app/common/classobject.h"

namespace {

// Fails the nth allocation made with new (std::nothrow) while armed.
int g_nFailAt = 0;
int g_nCount = 0;

struct FailAt {
    explicit FailAt(int n) { g_nFailAt = n; g_nCount = 0; }
    ~FailAt() { g_nFailAt = 0; }
};

// Which of the holder's records exist, in the order the holder creates them.
std::vector<bool> Created(const CDataClassObject& h)
{
    std::vector<bool> made{h.m_pDataBasic != nullptr,     h.m_pDataOutline != nullptr, h.m_pDataSupply != nullptr,
                           h.m_pDataRentalType != nullptr, h.m_pDataProRestOther != nullptr,
                           h.m_pDataRestOther != nullptr,  h.m_pDataTax != nullptr,     h.m_pDataExpenseOther != nullptr,
                           h.m_pDataExpense != nullptr,    h.m_pDataCost != nullptr};
    for (auto* p : h.m_apDataRentalBasic) made.push_back(p != nullptr);
    return made;
}

} // namespace

void* operator new(std::size_t n, const std::nothrow_t&) noexcept
{
    if (g_nFailAt > 0 && ++g_nCount == g_nFailAt) return nullptr;
    try {
        return ::operator new(n);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void* operator new[](std::size_t n, const std::nothrow_t& t) noexcept
{
    return operator new(n, t);
}

TEST(Holders, EmptyHoldersDestroyNothing)
{
    CDataClassObject data;
    data.DestroyData();
    EXPECT_EQ(data.m_pDataBasic, nullptr);
    COptionClassObject option;
    option.DestroyData();
    CTaxClassObject tax;
    tax.DestroyData();
    EXPECT_EQ(tax.m_pTaxStandardMoney, nullptr);
}

TEST(Holders, CreateEveryRecordWithItsSheet)
{
    CDataClassObject data;
    COptionClassObject option;
    CTaxClassObject tax;
    EXPECT_TRUE(data.CreateData());
    EXPECT_TRUE(option.CreateData());
    EXPECT_TRUE(tax.CreateData());
    for (bool made : Created(data)) EXPECT_TRUE(made);
    EXPECT_NE(option.m_pOptionConsumptionExpense, nullptr);
    EXPECT_NE(tax.m_pTaxStandardMoney, nullptr);
    EXPECT_TRUE(data.SetDataData());
    EXPECT_TRUE(option.SetDataData());
    EXPECT_TRUE(tax.SetDataData());
    data.SetPrintFlag(1);
    EXPECT_EQ(data.m_pDataCost->m_anPrintFlag[0][4], 1);
    EXPECT_EQ(data.m_apDataRentalBasic[7]->m_anPrintFlag[9][4], 1);
}

TEST(Holders, AFailedAllocationStopsAtThatRecord)
{
    // Whichever allocation fails (a record, or a part a record allocates for
    // itself), the records made form a prefix of the creation order and
    // DestroyData frees exactly those (checked by the sanitizers).
    size_t prefix = 0;
    for (int k = 1; k <= 60; ++k) {
        CDataClassObject data;
        BOOL ok;
        {
            FailAt fail(k);
            ok = data.CreateData();
        }
        const std::vector<bool> made = Created(data);
        prefix = 0;
        while (prefix < made.size() && made[prefix]) ++prefix;
        for (size_t i = prefix; i < made.size(); ++i) EXPECT_FALSE(made[i]) << "k " << k << " record " << i;
        if (prefix < made.size()) {
            EXPECT_FALSE(ok) << k;
        }
        data.DestroyData();
        for (bool m : Created(data)) EXPECT_FALSE(m);
    }
    EXPECT_EQ(prefix, Created(CDataClassObject()).size());
}

TEST(Holders, OptionAndTaxHoldersFailPartWay)
{
    COptionClassObject option;
    {
        FailAt fail(3);
        EXPECT_FALSE(option.CreateData());
    }
    EXPECT_NE(option.m_pOptionExpenseManage, nullptr);
    EXPECT_EQ(option.m_pOptionAdvance, nullptr);
    option.DestroyData();

    CTaxClassObject tax;
    {
        FailAt fail(10);
        EXPECT_FALSE(tax.CreateData());
    }
    EXPECT_NE(tax.m_pTaxRealtyGet, nullptr);
    EXPECT_EQ(tax.m_pTaxCorporation, nullptr);
    tax.DestroyData();
}
