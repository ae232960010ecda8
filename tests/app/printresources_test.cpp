#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

#include "app/shell/tavrinapp.h"
#include "result/pages/resultobject.h"
#include "platform/qtstring.h"
#include "shelltest.h"
#include "tests/support/utf8.h"

namespace {

TEST(PrintResources, FontsAndPens)
{
    CTavrinApp app;
    app.InitDataPrintFont();
    app.InitDataPrintTitleFont();
    app.InitDataPrintPen();
    app.InitDataPrintFramePen();
    const struct {
        const LOGFONT& lf;
        int nHeight;
        const char* pszFace;
    } fonts[] = {{app.m_lfDataFont, 388, "ＭＳ 明朝"}, {app.m_lfDataTitleFont, 423, "ＭＳ ゴシック"}};
    for (const auto& f : fonts) {
        EXPECT_EQ(f.lf.lfHeight, f.nHeight);
        EXPECT_STREQ(f.lf.lfFaceName, f.pszFace);
        EXPECT_EQ(f.lf.lfWeight, 400);
        EXPECT_EQ(f.lf.lfCharSet, 128);
        EXPECT_EQ(f.lf.lfOutPrecision, 1);
        EXPECT_EQ(f.lf.lfPitchAndFamily, 49);
    }
    EXPECT_EQ(app.m_lpDataPen.lopnWidth.x, 0);
    EXPECT_EQ(app.m_lpDataFramePen.lopnWidth.x, 30);
    EXPECT_EQ(app.m_lpDataFramePen.lopnStyle, PS_SOLID);
}

// Result fonts and page extent by paper; 33 is laid out like B4, a negative paper means the profile's.
TEST(PrintResources, ResultFontsAndExtentFollowThePaper)
{
    const struct {
        short nProfilePaper;
        int nPaper;
        int nBody, nTitle;
        CSize extent;
    } cases[] = {
        {9, 9, 28, 49, {2670, 1800}},   {9, 10, 28, 49, {2670, 1800}},  {9, 12, 39, 56, {3330, 2270}},
        {9, 33, 39, 56, {3330, 2270}},  {12, -1, 39, 56, {3330, 2270}}, {9, -1, 28, 49, {2670, 1800}},
    };
    for (const auto& c : cases) {
        CTavrinApp app;
        app.m_nPaperSize = c.nProfilePaper;
        app.SetResultPrintFonts(c.nPaper);
        EXPECT_EQ(app.m_lfResultFont.lfHeight, c.nBody) << c.nPaper;
        EXPECT_EQ(app.m_lfResultTitleFont.lfHeight, c.nTitle) << c.nPaper;
        EXPECT_EQ(app.GetPaperExtent(c.nPaper), c.extent) << c.nPaper;
        app.InitResultPrintTitleFont();
        EXPECT_EQ(app.m_lfResultTitleFont.lfHeight, 42);
    }
}

TEST(PrintResources, PortraitCheckAsksOnceAcceptedKeepsTheSetting)
{
    ScriptedMessageBoxes boxes;
    CTavrinApp app;
    app.SetPortraitPrinter();
    EXPECT_FALSE(app.CheckPortraitPrinter()); // portrait A4: nothing asked
    EXPECT_TRUE(boxes.m_shown.empty());

    app.m_printerMode.dmPaperSize = 13; // the user chose B5
    boxes.m_answers = {IDYES};
    app.m_bPortraitChecked = app.CheckPortraitPrinter();
    EXPECT_TRUE(app.m_bPortraitChecked);
    EXPECT_EQ(app.m_nPrinterPaper, 13);
    ASSERT_EQ(boxes.m_shown.size(), 1u);
    EXPECT_NE(boxes.m_shown[0].find(U8(u8"印刷の向き「縦」以外の設定")), std::string::npos);

    app.SetPortraitPrinter(); // a later job keeps B5 and asks nothing
    EXPECT_EQ(app.m_printerMode.dmPaperSize, 13);
    EXPECT_TRUE(app.CheckPortraitPrinter());
    EXPECT_EQ(boxes.m_shown.size(), 1u);

    CTavrinApp other;
    other.m_printerMode.dmOrientation = DMORIENT_LANDSCAPE;
    boxes.m_answers = {IDNO};
    EXPECT_FALSE(other.CheckPortraitPrinter());
    EXPECT_EQ(other.m_printerMode.dmOrientation, DMORIENT_PORTRAIT);
    EXPECT_EQ(other.m_printerMode.dmPaperSize, DMPAPER_A4);
}

TEST(PrintResources, LandscapeCheckTakesKnownPapersAndRestoresOnNo)
{
    ScriptedMessageBoxes boxes;
    CTavrinApp app;
    app.m_nPaperSize = DMPAPER_A4;
    app.SetLandscapePrinter();
    app.m_printerMode.dmPaperSize = DMPAPER_B4; // landscape B4 chosen: taken without a question
    EXPECT_FALSE(app.CheckLandscapePrinter());
    EXPECT_EQ(app.m_nPaperSize, DMPAPER_B4);
    EXPECT_TRUE(boxes.m_shown.empty());

    app.m_printerMode.dmOrientation = DMORIENT_PORTRAIT;
    boxes.m_answers = {IDNO};
    EXPECT_FALSE(app.CheckLandscapePrinter());
    EXPECT_EQ(app.m_printerMode.dmOrientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(app.m_printerMode.dmPaperSize, DMPAPER_B4);
    EXPECT_EQ(boxes.m_shown.size(), 1u);

    app.m_printerMode = CPrinterMode{DMORIENT_PORTRAIT, 8, 100, 1};
    boxes.m_answers = {IDYES};
    EXPECT_TRUE(app.CheckLandscapePrinter());
    EXPECT_EQ(app.m_nPaperSize, 8);
}

TEST(PrintResources, ListsAreMadeEmptyAndDeleted)
{
    QTemporaryDir dir;
    CTavrinApp app;
    app.m_strIniPath = FromQString(dir.path() + QStringLiteral("/profile.ini"));
    ASSERT_TRUE(app.CreateResultPrintItems());
    app.m_pResultPrintItems->SetAtGrow(0, new CResultObjectClass);
    ASSERT_TRUE(app.CreateResultPrintItems());
    EXPECT_EQ(app.m_pResultPrintItems->GetSize(), 0);
    app.DeleteResultPrintItems();
    EXPECT_EQ(app.m_pResultPrintItems, nullptr);
    EXPECT_TRUE(app.CreateDataPrintItems());
    EXPECT_TRUE(app.CreateTaxPrintItems());
    EXPECT_TRUE(app.CreateOptionPrintItems());
    EXPECT_EQ(app.ExitInstance(), 0); // frees them
    EXPECT_EQ(app.m_pDataPrintItems, nullptr);
}

} // namespace
