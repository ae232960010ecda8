#include <climits>
#include <gtest/gtest.h>

#include "platform/recorddc.h"
#include "tests/tax/taxratefill.h"

namespace {

template <class T>
class TaxRateRecord : public ::testing::Test {};

using AllRecords = ::testing::Types<CTaxExtentClass, CTaxMunicipalClass, CTaxCityPlanClass, CTaxLandPriceClass,
                                    CTaxBusinessClass, CTaxBusinessPlaceClass, CTaxConsumptionClass,
                                    CTaxDepreciationClass, CTaxTransferClass, CTaxLicenseClass, CTaxRealtyGetClass>;
TYPED_TEST_SUITE(TaxRateRecord, AllRecords);

template <class T>
class TaxRateSheet : public ::testing::Test {};

using SheetRecords = ::testing::Types<CTaxMunicipalClass, CTaxCityPlanClass, CTaxLandPriceClass, CTaxBusinessClass,
                                      CTaxBusinessPlaceClass, CTaxConsumptionClass, CTaxDepreciationClass,
                                      CTaxTransferClass, CTaxLicenseClass, CTaxRealtyGetClass>;
TYPED_TEST_SUITE(TaxRateSheet, SheetRecords);

} // namespace

TYPED_TEST(TaxRateRecord, StartsAtZero)
{
    TypeParam record;
    for (double v : TaxMemberValues(record)) EXPECT_EQ(v, 0.0);
}

TYPED_TEST(TaxRateRecord, CopyAndAssignmentCarryEveryValue)
{
    TypeParam source;
    FillTaxRecord(source);
    source.SetTitle("title");
    source.SetPage(2);
    const std::vector<double> expected = TaxMemberValues(source);

    TypeParam copy(source);
    EXPECT_EQ(TaxMemberValues(copy), expected);
    TypeParam assigned;
    assigned = copy;
    EXPECT_EQ(TaxMemberValues(assigned), expected);
    EXPECT_EQ(assigned.m_strTitle, "title");
    EXPECT_EQ(assigned.GetPage(), 2);
    // And back onto a record that held other values.
    source = TypeParam();
    EXPECT_EQ(TaxMemberValues(source), std::vector<double>(expected.size(), 0.0));
    source = assigned;
    EXPECT_EQ(TaxMemberValues(source), expected);
}

TYPED_TEST(TaxRateRecord, InitDataAndDestroyDataResetAllButTheKeptValues)
{
    const std::vector<bool> kept = TaxMembersKept<TypeParam>();
    for (bool bDestroy : {false, true}) {
        TypeParam record;
        FillTaxRecord(record);
        const std::vector<double> filled = TaxMemberValues(record);
        record.SetTitle("title");
        record.SetPrintFlag(4, 1);
        if (bDestroy) record.DestroyData();
        else record.InitData();
        const std::vector<double> after = TaxMemberValues(record);
        for (size_t k = 0; k < after.size(); ++k)
            EXPECT_EQ(after[k], kept[k] ? filled[k] : 0.0) << "member " << k << (bDestroy ? " after DestroyData" : "");
        EXPECT_TRUE(record.m_strTitle.IsEmpty());
        EXPECT_EQ(record.m_anPrintFlag[0][4], 0);
    }
}

TYPED_TEST(TaxRateSheet, NewRecordPrintsEveryValueAsZero)
{
    TypeParam record;
    record.CreatePrintArray(1);
    ASSERT_NE(record.m_apData[0], nullptr);
    for (int i = 0; i < record.m_apData[0]->GetSize(); ++i) {
        const CPrintItemClass* cell = GetPrintItem(record.m_apData[0], i);
        EXPECT_EQ(cell->m_strText, "0") << "cell " << i;
        EXPECT_EQ(cell->m_nAlign, 2) << "cell " << i;
    }
    record.DestroyPrintArray();
}

TYPED_TEST(TaxRateSheet, PagesOtherThanTheFirstAreNeitherReadNorWritten)
{
    TypeParam record;
    FillTaxRecord(record);
    record.CreatePrintArray(1);
    const CString filled = GetPrintItem(record.m_apData[0], 0)->m_strText;
    record.InitData(); // values and title back to zero and empty
    for (int page : {-1, 1, 9, 10, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(page);
        EXPECT_FALSE(record.SetFramePoint(page));
        EXPECT_FALSE(record.SetWLinePoint(page));
        EXPECT_FALSE(record.SetHLinePoint(page));
        EXPECT_FALSE(record.SetItemPoint(page));
        EXPECT_FALSE(record.SetItemData(page));
        EXPECT_FALSE(record.SetSubItemPoint(page));
        EXPECT_FALSE(record.SetSubItemData(page));
        EXPECT_FALSE(record.SetDataPoint(page));
        EXPECT_FALSE(record.SetDataData(page));
    }
    EXPECT_TRUE(record.m_strTitle.IsEmpty());
    EXPECT_EQ(GetPrintItem(record.m_apData[0], 0)->m_strText, filled);
    EXPECT_TRUE(record.SetDataData(0));
    EXPECT_FALSE(record.m_strTitle.IsEmpty());
    EXPECT_EQ(GetPrintItem(record.m_apData[0], 0)->m_strText, "0");
    record.DestroyPrintArray();
}

TYPED_TEST(TaxRateSheet, ItemsBeyondTheLayoutAreNotPlacedOrFilled)
{
    TypeParam record;
    record.CreatePrintArray(1);
    for (CObArray* pArray : {record.m_apFrame[0], record.m_apSubItem[0], record.m_apData[0]})
        record.CreatePrintData(1, pArray);
    EXPECT_FALSE(record.SetFramePoint(0));
    EXPECT_FALSE(record.SetSubItemData(0));
    EXPECT_FALSE(record.SetDataData(0));
    record.DestroyPrintArray();
}

TYPED_TEST(TaxRateSheet, WithoutItsSheetNothingIsFilledOrDrawn)
{
    TypeParam record;
    EXPECT_FALSE(record.SetFramePoint(0));
    EXPECT_FALSE(record.SetItemData(0));
    EXPECT_FALSE(record.SetDataData(0));
    CRecordDC dc;
    record.ReportDraw(&dc);
    EXPECT_TRUE(dc.Records().empty());
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 0));
}
