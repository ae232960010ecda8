#include <gtest/gtest.h>

#include "platform/recorddc.h"
#include "platform/resource.h"
#include "sheet/sheetlayout.h"
#include "option/optionclass.h"
#include "tests/support/utf8.h"

namespace {

// A two-row option sheet: one frame box, one label, one unit, one value.
class CTestOptionRecord : public COptionClass {
public:
    void ReportDraw(CDC* pDC) override { DrawOptionSheet(pDC, 2); }
    void CreatePrintArray(int) override
    {
        COptionClass::CreatePrintArray(1);
        BuildPrintPage(0, {1, 0, 0, 1, 1, 1});
    }
    BOOL SetFramePoint(int) override { return CopyLayoutToPrintArray(m_apFrame[0], Table(), 0); }
    BOOL SetItemPoint(int) override { return CopyLayoutToPrintArray(m_apItem[0], Table(), 0); }
    BOOL SetSubItemPoint(int) override { return CopyLayoutToPrintArray(m_apSubItem[0], Table(), 0); }
    BOOL SetDataPoint(int) override { return CopyLayoutToPrintArray(m_apData[0], Table(), 0); }
    BOOL SetItemData(int) override { return SetCellText(m_apItem[0], 0, LoadOptionString(20000), 1); }
    BOOL SetSubItemData(int) override { return SetCellText(m_apSubItem[0], 0, LoadOptionString(2), 0); }
    BOOL SetDataData(int) override
    {
        SetTitle(20007u);
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

TEST(OptionClass, SheetsStackByTheirHeight)
{
    CTestOptionRecord first, second;
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
    EXPECT_EQ(texts[0], U8(u8"その他の処理方法"));
    EXPECT_EQ(texts[1], U8(u8"事業割合"));
    EXPECT_EQ(texts[2], U8(u8"年"));
    first.DestroyPrintArray();
    second.DestroyPrintArray();
}

TEST(OptionClass, MissingSheetDrawsNothingAndKeepsTheOrigin)
{
    CTestOptionRecord record;
    CRecordDC dc;
    record.ReportDraw(&dc);
    EXPECT_TRUE(dc.Records().empty());
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 0));
}

TEST(OptionClass, StringsComeFromTheTaxLibrary)
{
    HINSTANCE other = RegisterStringTable("OtherOptionTest.DLL", {{20000, "別"}});
    HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(other);
    COptionClass record;
    record.SetTitle(20000u);
    EXPECT_EQ(record.m_strTitle, "事業割合");
    EXPECT_EQ(AfxGetResourceHandle(), other);
    AfxSetResourceHandle(previous);
}

TEST(OptionClass, PrintSettingsStartZeroAndAreStored)
{
    EXPECT_EQ(GetOptionPrintFont()->lfHeight, 0);
    EXPECT_EQ(GetOptionPrintPen()->lopnWidth.x, 0);
    LOGPEN pen;
    pen.lopnWidth.x = 7;
    SetOptionPrintFramePen(&pen);
    EXPECT_EQ(GetOptionPrintFramePen()->lopnWidth.x, 7);
}
