#include <gtest/gtest.h>

#include "tests/data/financefields.h"

namespace {

// What a filled record holds after InitData or DestroyData: the defaults,
// except for the parts the record's reset leaves alone.
void CopyKeptParts(CDataLoanClass&, CDataLoanClass&) {}

void CopyKeptParts(CDataSupplyClass& filled, CDataSupplyClass& expected)
{
    for (int i = 0; i < CDataSupplyClass::kLoanCount; ++i) expected.m_aLoan[i] = filled.m_aLoan[i];
}

void CopyKeptParts(CDataRentalBasicClass& filled, CDataRentalBasicClass& expected)
{
    for (int i = 0; i < CDataRentalBasicClass::kRateCount; ++i) expected.m_aRate[i] = filled.m_aRate[i];
    expected.m_objSecurityLoan = filled.m_objSecurityLoan;
}

void CopyKeptParts(CDataOtherIncomeClass& filled, CDataOtherIncomeClass& expected)
{
    static_cast<CDataRateClass&>(expected) = filled;
}

void CopyKeptParts(CDataRestOtherMoneyClass& filled, CDataRestOtherMoneyClass& expected)
{
    static_cast<CDataRateClass&>(expected) = filled;
}

// Holders keep their items whole and only number them.
void CopyKeptParts(CDataProRestOtherClass& filled, CDataProRestOtherClass& expected)
{
    for (int i = 0; i < CDataProRestOtherClass::kIncomeCount; ++i) {
        expected.m_aOtherIncome[i] = filled.m_aOtherIncome[i];
        expected.m_aOtherIncome[i].m_nIndex = i;
    }
}

void CopyKeptParts(CDataRestOtherClass& filled, CDataRestOtherClass& expected)
{
    for (int i = 0; i < CDataRestOtherClass::kMoneyCount; ++i) {
        expected.m_aRestOtherMoney[i] = filled.m_aRestOtherMoney[i];
        expected.m_aRestOtherMoney[i].m_nIndex = i;
    }
    for (int i = 0; i < CDataRestOtherClass::kCommentCount; ++i) expected.m_astrComment[i] = filled.m_astrComment[i];
}

template <class T>
class FinanceRecord : public ::testing::Test {};

using FinanceRecords = ::testing::Types<CDataLoanClass, CDataSupplyClass, CDataRentalBasicClass,
                                        CDataOtherIncomeClass, CDataProRestOtherClass,
                                        CDataRestOtherMoneyClass, CDataRestOtherClass>;
TYPED_TEST_SUITE(FinanceRecord, FinanceRecords);

} // namespace

TYPED_TEST(FinanceRecord, CopiesCarryEveryMemberAndShareTheSheet)
{
    TypeParam source;
    Fill(source);
    source.CreatePrintArray(1);
    const std::string filled = Describe(source);
    TypeParam fresh;
    ASSERT_NE(Describe(fresh), filled);

    TypeParam copy(source);
    EXPECT_EQ(Describe(copy), filled);
    EXPECT_EQ(copy.m_apData[0], source.m_apData[0]);
    EXPECT_FALSE(copy.OwnsPrintArray());

    TypeParam assigned;
    assigned = source;
    EXPECT_EQ(Describe(assigned), filled);
    EXPECT_EQ(assigned.m_apData[0], source.m_apData[0]);
    EXPECT_EQ(Describe(source), filled);
    source.DestroyPrintArray();
}

TYPED_TEST(FinanceRecord, InitDataAndDestroyDataResetWhatTheRecordOwns)
{
    TypeParam filled;
    Fill(filled);
    TypeParam expected;
    CopyKeptParts(filled, expected);
    const std::string reset = Describe(expected);

    TypeParam init(filled);
    init.InitData();
    EXPECT_EQ(Describe(init), reset);
    TypeParam destroyed(filled);
    destroyed.DestroyData();
    EXPECT_EQ(Describe(destroyed), reset);
}
