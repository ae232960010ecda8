// Copies of the records of the three record libraries: they share the sheet
// of the record they copy, only the record that built a sheet frees it, and
// a record assigned from another keeps the sheet it built.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "data/databasic.h"
#include "data/datacost.h"
#include "data/dataheader.h"
#include "data/dataloan.h"
#include "data/dataoutline.h"
#include "data/datarentalbasic.h"
#include "data/datasupply.h"
#include "data/datatax.h"
#include "option/optionbusiness.h"
#include "option/optionconsumption.h"
#include "option/optionheader.h"
#include "option/optionmanage.h"
#include "tax/taxcorporation.h"
#include "tax/taxheader.h"
#include "tax/taxpersonal.h"
#include "tax/taxstandardmoney.h"
#include "tests/support/allocations.h"

namespace {

// The sheet arrays whose freeing is watched, and how many of them were freed.
std::vector<void*> g_watched;
int g_nFreed = 0;

void CountWatchedFree(void* p)
{
    if (std::find(g_watched.begin(), g_watched.end(), p) != g_watched.end()) ++g_nFreed;
}

// The sheet arrays of a record, page by page.
template <class TRecord>
std::vector<void*> SheetArrays(const TRecord& record)
{
    std::vector<void*> arrays;
    for (int p = 0; p < TRecord::kPageCount; ++p)
        for (CObArray* pArray : {record.m_apFrame[p], record.m_apWLine[p], record.m_apHLine[p], record.m_apItem[p],
                                 record.m_apSubItem[p], record.m_apData[p]})
            arrays.push_back(pArray);
    return arrays;
}

// The non-null arrays of a built sheet, watched from now on.
template <class TRecord>
int WatchSheet(const TRecord& record)
{
    for (void* p : SheetArrays(record))
        if (p) g_watched.push_back(p);
    return int(g_watched.size());
}

template <class TRecord>
class RecordCopy : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_watched.clear();
        g_nFreed = 0;
        g_pfnWatchFree = CountWatchedFree;
    }
    void TearDown() override { g_pfnWatchFree = nullptr; }
};

// Holders whose sheets are their items' (running costs, project taxes) are
// represented by their items.
using Records = ::testing::Types<CDataBasicClass, CDataCostItemClass, CDataHeaderClass, CDataLoanClass,
                                 CDataOutlineClass, CDataRentalBasicClass, CDataSupplyClass,
                                 CDataTaxConsumptionClass, CTaxCorporationClass,
                                 CTaxHeaderClass, CTaxIncomeClass, CTaxStandardMoneyClass, COptionBusinessRateClass,
                                 COptionConsumptionIncomeClass, COptionMemoClass, COptionOtherManageClass>;
TYPED_TEST_SUITE(RecordCopy, Records);

} // namespace

TYPED_TEST(RecordCopy, CopiesShareTheSheetAndNeverFreeIt)
{
    TypeParam owner;
    owner.CreatePrintArray(1);
    ASSERT_TRUE(owner.OwnsPrintArray());
    const int nArrays = WatchSheet(owner);
    ASSERT_GT(nArrays, 0);
    const std::vector<void*> sheet = SheetArrays(owner);
    {
        TypeParam copy(owner);
        TypeParam assigned;
        assigned = owner;
        EXPECT_EQ(SheetArrays(copy), sheet);
        EXPECT_EQ(SheetArrays(assigned), sheet);
        EXPECT_FALSE(copy.OwnsPrintArray());
        EXPECT_FALSE(assigned.OwnsPrintArray());
        assigned.DestroyPrintArray();
        EXPECT_EQ(SheetArrays(assigned), std::vector<void*>(sheet.size(), nullptr));
    }
    EXPECT_EQ(g_nFreed, 0);
    EXPECT_EQ(SheetArrays(owner), sheet);
    EXPECT_TRUE(owner.OwnsPrintArray());
    owner.DestroyPrintArray();
    EXPECT_EQ(g_nFreed, nArrays);
}

TYPED_TEST(RecordCopy, AnOwnerAssignedFromAnotherKeepsItsSheet)
{
    {
        TypeParam owner;
        owner.CreatePrintArray(1);
        const std::vector<void*> sheet = SheetArrays(owner);
        TypeParam other;
        other.CreatePrintArray(1);
        const int nArrays = WatchSheet(owner);
        ASSERT_EQ(WatchSheet(other), 2 * nArrays);

        owner = other;
        EXPECT_EQ(SheetArrays(owner), sheet);
        EXPECT_TRUE(owner.OwnsPrintArray());
        EXPECT_EQ(g_nFreed, 0);
    }
    // Each sheet freed once, by its owner.
    EXPECT_EQ(g_nFreed, int(g_watched.size()));
}

TYPED_TEST(RecordCopy, ACopyOfACopyStillLeavesTheSheetToItsOwner)
{
    TypeParam owner;
    owner.CreatePrintArray(1);
    const int nArrays = WatchSheet(owner);
    {
        const TypeParam copy(owner);
        TypeParam second(copy);
        second = copy;
        EXPECT_EQ(SheetArrays(second), SheetArrays(owner));
    }
    EXPECT_EQ(g_nFreed, 0);
    owner.DestroyPrintArray();
    owner.DestroyPrintArray();
    EXPECT_EQ(g_nFreed, nArrays);
}
