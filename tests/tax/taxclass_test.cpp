#include <gtest/gtest.h>

#include "platform/recorddc.h"
#include "platform/resource.h"
#include "sheet/sheetlayout.h"
#include "tax/taxclass.h"
#include "tests/support/utf8.h"

namespace {

// A two-row tax sheet: one frame box, one label, one unit, one value.
class CTestTaxRecord : public CTaxClass {
public:
    void ReportDraw(CDC* pDC) override { DrawTaxSheet(pDC, 2); }
    void CreatePrintArray(int) override
    {
        CTaxClass::CreatePrintArray(1);
        BuildPrintPage(0, {1, 0, 0, 1, 1, 1});
    }
    BOOL SetFramePoint(int) override { return CopyLayoutToPrintArray(m_apFrame[0], Table(), 0); }
    BOOL SetItemPoint(int) override { return CopyLayoutToPrintArray(m_apItem[0], Table(), 0); }
    BOOL SetSubItemPoint(int) override { return CopyLayoutToPrintArray(m_apSubItem[0], Table(), 0); }
    BOOL SetDataPoint(int) override { return CopyLayoutToPrintArray(m_apData[0], Table(), 0); }
    BOOL SetItemData(int) override { return SetCellText(m_apItem[0], 0, LoadTaxString(10016), 1); }
    BOOL SetSubItemData(int) override { return SetCellText(m_apSubItem[0], 0, LoadTaxString(0), 0); }
    BOOL SetDataData(int) override
    {
        SetTitle(10012u);
        return SetCellText(m_apData[0], 0, "40", 2);
    }

private:
    static const CLayoutTable& Table()
    {
        static const CLayoutTable t = CLayoutTable().Box(0, 0, 45, 2);
        return t;
    }
};

} // namespace

TEST(TaxClass, SheetsStackByTheirHeight)
{
    CTestTaxRecord first, second;
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
    EXPECT_EQ(texts[0], U8(u8"法人税"));
    EXPECT_EQ(texts[1], U8(u8"所得税"));
    EXPECT_EQ(texts[2], U8(u8"％"));
    first.DestroyPrintArray();
    second.DestroyPrintArray();
}

TEST(TaxClass, MissingSheetDrawsNothingAndKeepsTheOrigin)
{
    CTestTaxRecord record;
    CRecordDC dc;
    record.ReportDraw(&dc);
    EXPECT_TRUE(dc.Records().empty());
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 0));
}

TEST(TaxClass, StringsComeFromTheTaxLibrary)
{
    HINSTANCE other = RegisterStringTable("OtherTaxTest.DLL", {{10000, "別"}});
    HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(other);
    CTaxClass record;
    record.SetTitle(10000u);
    EXPECT_EQ(record.m_strTitle, "固定資産税");
    EXPECT_EQ(AfxGetResourceHandle(), other);
    AfxSetResourceHandle(previous);
}

TEST(TaxClass, PrintSettingsStartZeroAndAreStored)
{
    EXPECT_EQ(GetTaxPrintFont()->lfHeight, 0);
    EXPECT_EQ(GetTaxPrintPen()->lopnWidth.x, 0);
    LOGPEN pen;
    pen.lopnWidth.x = 7;
    SetTaxPrintFramePen(&pen);
    EXPECT_EQ(GetTaxPrintFramePen()->lopnWidth.x, 7);
}
