// The record bases of the tax-rate and option libraries: their sheets stack
// by their own height and read their own string tables.
#include <gtest/gtest.h>

#include "option/optionclass.h"
#include "platform/codepage.h"
#include "platform/recorddc.h"
#include "platform/resource.h"
#include "sheet/printitem.h"
#include "sheet/sheetlayout.h"
#include "tax/taxclass.h"
#include "tests/support/utf8.h"

namespace {

struct TaxLibrary {
    using Base = CTaxClass;
    static CString Load(UINT nID) { return LoadTaxString(nID); }
    static constexpr UINT kLabel = 10016, kUnit = 0, kTitle = 10012;
    static constexpr const char8_t* kLabelText = u8"所得税";
    static constexpr const char8_t* kUnitText = u8"％";
    static constexpr const char8_t* kTitleText = u8"法人税";
    static LOGFONT* Font() { return GetTaxPrintFont(); }
    static LOGPEN* FramePen() { return GetTaxPrintFramePen(); }
    static void SetFramePen(LOGPEN* p) { SetTaxPrintFramePen(p); }
};

struct OptionLibrary {
    using Base = COptionClass;
    static CString Load(UINT nID) { return LoadOptionString(nID); }
    static constexpr UINT kLabel = 20000, kUnit = 2, kTitle = 20007;
    static constexpr const char8_t* kLabelText = u8"事業割合";
    static constexpr const char8_t* kUnitText = u8"年";
    static constexpr const char8_t* kTitleText = u8"その他の処理方法";
    static LOGFONT* Font() { return GetOptionPrintFont(); }
    static LOGPEN* FramePen() { return GetOptionPrintFramePen(); }
    static void SetFramePen(LOGPEN* p) { SetOptionPrintFramePen(p); }
};

// A two-row sheet: one frame box, one label, one unit, one value.
template <class L>
class CTestRecord : public L::Base {
public:
    void ReportDraw(CDC* pDC) override { this->DrawStackedSheet(pDC, 2); }
    BOOL DrawBlock(CDC* pDC) { return this->DrawPrintBlock(pDC, 0); }
    void CreatePrintArray(int) override
    {
        L::Base::CreatePrintArray(1);
        this->BuildPrintPage(0, {1, 0, 0, 1, 1, 1});
    }
    BOOL SetFramePoint(int) override { return CopyLayoutToPrintArray(this->m_apFrame[0], Table(), 0); }
    BOOL SetItemPoint(int) override { return CopyLayoutToPrintArray(this->m_apItem[0], Table(), 0); }
    BOOL SetSubItemPoint(int) override { return CopyLayoutToPrintArray(this->m_apSubItem[0], Table(), 0); }
    BOOL SetDataPoint(int) override { return CopyLayoutToPrintArray(this->m_apData[0], Table(), 0); }
    BOOL SetItemData(int) override { return SetCellText(this->m_apItem[0], 0, L::Load(L::kLabel), 1); }
    BOOL SetSubItemData(int) override { return SetCellText(this->m_apSubItem[0], 0, L::Load(L::kUnit), 0); }
    BOOL SetDataData(int) override
    {
        this->SetTitle(L::kTitle);
        return SetCellText(this->m_apData[0], 0, "40", 2);
    }

private:
    static const CLayoutTable& Table()
    {
        static const CLayoutTable t = CLayoutTable().Box(0, 0, 45, 2);
        return t;
    }
};

template <class L>
class StackedRecord : public ::testing::Test {};
using Libraries = ::testing::Types<TaxLibrary, OptionLibrary>;
TYPED_TEST_SUITE(StackedRecord, Libraries);

} // namespace

TYPED_TEST(StackedRecord, SheetsStackByTheirHeight)
{
    CTestRecord<TypeParam> first, second;
    first.CreatePrintArray(1);
    second.CreatePrintArray(1);
    CRecordDC dc;
    first.ReportDraw(&dc);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 750 + 1000));
    second.m_anPrintFlag[0][0] = 1; // no title: only the sheet's own height
    second.ReportDraw(&dc);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 750 + 1000 + 1000));
    auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 7u);
    EXPECT_EQ(texts[0], U8(TypeParam::kTitleText));
    EXPECT_EQ(texts[1], U8(TypeParam::kLabelText));
    EXPECT_EQ(texts[2], U8(TypeParam::kUnitText));
    first.DestroyPrintArray();
    second.DestroyPrintArray();
}

TYPED_TEST(StackedRecord, MissingSheetDrawsNothingAndKeepsTheOrigin)
{
    CTestRecord<TypeParam> record;
    CRecordDC dc;
    record.ReportDraw(&dc);
    EXPECT_TRUE(dc.Records().empty());
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 0));
}

TYPED_TEST(StackedRecord, ABlockDrawsWithoutItsTitleAndKeepsTheFlags)
{
    CTestRecord<TypeParam> record;
    record.CreatePrintArray(1);
    CRecordDC dc;
    EXPECT_TRUE(record.DrawBlock(&dc));
    EXPECT_EQ(record.m_anPrintFlag[0][0], 0);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 0));
    auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], U8(TypeParam::kLabelText));
    EXPECT_EQ(texts[2], "40");
    record.DestroyPrintArray();
    CRecordDC unbuilt;
    EXPECT_FALSE(record.DrawBlock(&unbuilt));
    EXPECT_TRUE(unbuilt.Records().empty());
}

TYPED_TEST(StackedRecord, StringCellsStopAtTheFirstMissingCell)
{
    using Base = typename TypeParam::Base;
    Base record;
    CPrintItemArray cells;
    ASSERT_TRUE(record.CreatePrintData(3, &cells));
    EXPECT_FALSE(Base::SetStringCells(&cells, 2, TypeParam::kLabel, 2, 1));
    EXPECT_EQ(GetPrintItem(&cells, 2)->m_strText, TypeParam::Load(TypeParam::kLabel));
    EXPECT_EQ(GetPrintItem(&cells, 2)->m_nAlign, 1);
    EXPECT_TRUE(GetPrintItem(&cells, 1)->m_strText.IsEmpty());
    EXPECT_TRUE(Base::SetStringCells(&cells, TypeParam::kLabel, 0));
    EXPECT_FALSE(Base::SetStringCells(nullptr, TypeParam::kLabel, 0));
    EXPECT_EQ(Base::PageArray(record.m_apFrame, -1), nullptr);
    EXPECT_EQ(Base::PageArray(record.m_apFrame, Base::kPageCount), nullptr);
}

TYPED_TEST(StackedRecord, StringsComeFromTheLibraryWhateverModuleIsCurrent)
{
    HINSTANCE other = RegisterStringTable("OtherStackedTest.DLL", {{TypeParam::kTitle, "別"}});
    HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(other);
    typename TypeParam::Base record;
    record.SetTitle(TypeParam::kTitle);
    EXPECT_EQ(record.m_strTitle, Utf8ToCP932(U8(TypeParam::kTitleText)));
    EXPECT_EQ(AfxGetResourceHandle(), other);
    AfxSetResourceHandle(previous);
}

TYPED_TEST(StackedRecord, PrintSettingsStartZeroAndAreStored)
{
    EXPECT_EQ(TypeParam::Font()->lfHeight, 0);
    LOGPEN pen;
    pen.lopnWidth.x = 7;
    TypeParam::SetFramePen(&pen);
    EXPECT_EQ(TypeParam::FramePen()->lopnWidth.x, 7);
}
