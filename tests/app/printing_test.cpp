// The print commands of a project on a recording device context: pages,
// titles, origins, copies, the ten-year paging of the yearly tables, abort
// between pages, and the guards of the print dialogs.
#include <algorithm>
#include <QListWidget>
#include <QString>
#include <QTemporaryDir>

#include "app/shell/commandids.h"
#include "app/data/dataparentframe.h"
#include "app/shell/resultprintdlg.h"
#include "printfixture.h"
#include "tests/support/render.h"
#include "result/pages/tavresult.h"
#include "tests/support/utf8.h"

namespace {

using PrintCommands = PrintFixture;

std::vector<std::string> CallsOf(int nPages, const char* pszEnd)
{
    std::vector<std::string> calls = {"StartDoc"};
    for (int i = 0; i < nPages; ++i) {
        calls.push_back("StartPage");
        calls.push_back("EndPage");
    }
    calls.push_back(pszEnd);
    return calls;
}

// Two copies of every input sheet: 30 pages each, the first with the memo.
TEST_F(PrintCommands, DataPrintsEveryPageOncePerCopy)
{
    RecordJobs();
    AnswerPrintDialog([](CPrintRangeDlg* dlg) { dlg->Form()->SetDlgItemText(IDC_PRINT_COPIES, "2"); });
    m_pDoc->OnPrintData();
    EXPECT_EQ(m_app.m_nPrintKind, 0);
    EXPECT_EQ(m_pDoc->m_nPrintCopies, 2);
    ASSERT_EQ(m_log.calls, CallsOf(60, "EndDoc"));
    for (int copy = 0; copy < 2; ++copy) {
        const CPrintedPage& first = m_log.pages[size_t(copy * 30)];
        EXPECT_TRUE(first.HasText(U8(u8"基本条件・建物概要")));
        EXPECT_TRUE(first.HasText(U8(u8"メモ")));
        EXPECT_EQ(first.origins.front(), CPoint(-1000, 1000)); // the header
        EXPECT_TRUE(m_log.pages[size_t(copy * 30 + 1)].HasText(U8(u8"工事費－工事費用と減価償却")));
        EXPECT_TRUE(m_log.pages[size_t(copy * 30 + 29)].HasText(U8(u8"プロジェクト以外の条件（２）")));
    }
    // The first page stacks memo, basic conditions and outline further down the sheet.
    const std::vector<CPoint>& origins = m_log.pages[0].origins;
    for (int y : {3400, 9400, 14600})
        EXPECT_NE(std::find_if(origins.begin(), origins.end(), [y](CPoint p) { return p.y >= y; }), origins.end()) << y;
    // A further page: header at the top, the sheet from (-1000, 3000) on.
    EXPECT_EQ(m_log.pages[1].origins.front(), CPoint(-1000, 1000));
    EXPECT_EQ(m_log.pages[1].origins.back().x, -1000);
    EXPECT_GE(m_log.pages[1].origins.back().y, 3000);
    // The list stays until the next data print; the rental basics carry their category's name.
    ASSERT_NE(m_app.m_pDataPrintItems, nullptr);
    EXPECT_EQ(m_app.m_pDataPrintItems->GetSize(), 31);
}

TEST_F(PrintCommands, DataWithoutEntryZeroPrintsEntryOneOnItsOwnPage)
{
    RecordJobs();
    AnswerPrintDialog([](CPrintRangeDlg* dlg) { SelectLines(dlg, {0}); });
    m_pDoc->OnPrintData();
    ASSERT_EQ(m_log.pages.size(), 1u);
    EXPECT_TRUE(m_log.pages[0].HasText(U8(u8"メモ")));

    auto* list = m_app.m_pDataPrintItems;
    PrintItemAt<CDataPrintItem>(list, 0)->m_bPrint = FALSE;
    m_log = {};
    CPageRecordDC dc(m_log);
    m_pDoc->PrintDataReport(&dc);
    ASSERT_EQ(m_log.calls, (std::vector<std::string>{"StartPage", "EndPage", "EndDoc"}));
    EXPECT_TRUE(m_log.pages[0].HasText(U8(u8"建物概要")));
    EXPECT_FALSE(m_log.pages[0].HasText(U8(u8"メモ")));
}

// A group prints when its first entry is ticked, with all its records.
TEST_F(PrintCommands, TaxGroupsFollowTheirFirstEntry)
{
    RecordJobs();
    AnswerPrintDialog([](CPrintRangeDlg* dlg) { SelectLines(dlg, {2}); });
    m_pDoc->OnPrintTax();
    ASSERT_EQ(m_log.pages.size(), 1u);
    EXPECT_TRUE(m_log.pages[0].HasText(U8(u8"事業税・面積換算係数・減価償却・消費税・地価税")));

    auto* list = m_app.m_pTaxPrintItems;
    for (int i = 0; i < list->GetSize(); ++i) PrintItemAt<CTaxPrintItem>(list, i)->m_bPrint = i != 2 && i != 8;
    m_log = {};
    CPageRecordDC dc(m_log);
    m_pDoc->PrintTaxReport(&dc);
    // Groups of 2, 1, 5, 3, 3, 2 entries: the second (entry 2) and the fourth (entries 8-10) are left out.
    ASSERT_EQ(m_log.pages.size(), 4u);
    EXPECT_TRUE(m_log.pages[0].HasText(U8(u8"固定資産税・都市計画税")));
    EXPECT_TRUE(m_log.pages[0].HasText(U8(u8"メモ")));
    EXPECT_TRUE(m_log.pages[1].HasText(U8(u8"事業税・面積換算係数")));
    EXPECT_TRUE(m_log.pages[2].HasText(U8(u8"道府県民税・市町村民税・法人－住民税")));
    EXPECT_TRUE(m_log.pages[3].HasText(U8(u8"所得税・繰越欠損")));
}

TEST_F(PrintCommands, OptionLinesTwoAndFourPrintEntriesTwoThreeAndSeven)
{
    RecordJobs();
    AnswerPrintDialog([](CPrintRangeDlg* dlg) { SelectLines(dlg, {2, 4}); });
    m_pDoc->OnPrintOption();
    std::vector<BOOL> flags;
    for (int i = 0; i < 8; ++i) flags.push_back(PrintItemAt<COptionPrintItem>(m_app.m_pOptionPrintItems, i)->m_bPrint);
    EXPECT_EQ(flags, (std::vector<BOOL>{0, 0, 1, 1, 0, 0, 0, 1}));
    ASSERT_EQ(m_log.pages.size(), 2u);
    EXPECT_TRUE(m_log.pages[0].HasText(U8(u8"建設所要資金の消費税（２）・建設資金処理方法")));
    EXPECT_TRUE(m_log.pages[1].HasText(U8(u8"消費税売上区分")));
}

TEST_F(PrintCommands, CancelledSettingsPrintNothingAndDropTheList)
{
    RecordJobs();
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    m_pDoc->OnPrintOption();
    EXPECT_TRUE(m_log.calls.empty());
    EXPECT_EQ(m_app.m_pOptionPrintItems, nullptr);
}

// Basic balance table for the window 0-25: three pages of ten years.
TEST_F(PrintCommands, YearlyTablePrintsTenYearsAPage)
{
    RecordJobs();
    AnswerPrintDialog([](CPrintRangeDlg* dlg) {
        SelectLines(dlg, {8});
        dlg->Form()->SetDlgItemText(10009, "0");
        dlg->Form()->SetDlgItemText(10010, "25");
    });
    m_frame.m_nResultStartYear = 3;
    m_pDoc->SetResultStartYear(3);
    m_pDoc->OnPrintResult();
    ASSERT_EQ(m_log.calls, CallsOf(3, "EndDoc"));
    EXPECT_TRUE(m_log.pages[0].HasText(U8(u8"基本収支表（工事期間～１０年）")));
    EXPECT_TRUE(m_log.pages[1].HasText(U8(u8"基本収支表（１１年～２０年）")));
    EXPECT_TRUE(m_log.pages[2].HasText(U8(u8"基本収支表（２１年～２５年）")));
    // The windows get the report toolbar's year window back, columns included;
    // the list is gone after the job.
    EXPECT_EQ(m_pDoc->m_nStartYear, 3);
    EXPECT_EQ(m_pDoc->m_nEndYear, 13);
    EXPECT_EQ(m_pDoc->m_pResultClass->m_anYear[0], 0);
    EXPECT_EQ(m_pDoc->m_pResultClass->m_anYear[1], 3);
    EXPECT_EQ(m_pDoc->m_pResultClass->m_anYear[10], 12);
    EXPECT_EQ(m_app.m_pResultPrintItems, nullptr);
}

// The year columns a printed page draws: their heads, "工事期間" as year 0.
std::vector<int> YearColumnsOf(const CPrintedPage& page)
{
    const auto head = [](int nYear) {
        if (nYear == 0) return U8(u8"工事期間");
        QString digits;
        for (QChar ch : QString::number(nYear)) digits += QChar(0xFF10 + ch.digitValue()); // full width
        return (digits + QString::fromUtf8(U8(u8"年"))).toStdString();
    };
    std::vector<int> years;
    for (int nYear = 0; nYear <= 100; ++nYear)
        if (std::count(page.texts.begin(), page.texts.end(), head(nYear)) > 0) years.push_back(nYear);
    return years;
}

std::vector<int> Years(int nFrom, int nTo)
{
    std::vector<int> years;
    for (int y = nFrom; y <= nTo; ++y) years.push_back(y);
    return years;
}

// The ten-year paging draws on each page the year columns its title names,
// a last page of one year included.
TEST_F(PrintCommands, YearlyPagesDrawTheirYearColumns)
{
    const struct {
        const char* pszFrom;
        const char* pszTo;
        std::vector<std::vector<int>> pages;
    } cases[] = {
        {"0", "25", {Years(0, 10), Years(11, 20), Years(21, 25)}},
        {"0", "21", {Years(0, 10), Years(11, 20), {21}}},
        {"0", "20", {Years(0, 10), Years(11, 20)}},
    };
    RecordJobs();
    for (const auto& c : cases) {
        m_log = CPrintLog();
        AnswerPrintDialog([&c](CPrintRangeDlg* dlg) {
            SelectLines(dlg, {8});
            dlg->Form()->SetDlgItemText(10009, c.pszFrom);
            dlg->Form()->SetDlgItemText(10010, c.pszTo);
        });
        m_pDoc->OnPrintResult();
        ASSERT_EQ(m_log.pages.size(), c.pages.size()) << c.pszTo;
        for (size_t n = 0; n < c.pages.size(); ++n)
            EXPECT_EQ(YearColumnsOf(m_log.pages[n]), c.pages[n]) << c.pszTo << " page " << n + 1;
    }
}

// The cover has no page header; other reports have the header row above them.
TEST_F(PrintCommands, CoverIsDrawnWithoutTheHeader)
{
    RecordJobs();
    m_app.m_strOfficeName = "タブリン事務所";
    AnswerPrintDialog([](CPrintRangeDlg* dlg) { SelectLines(dlg, {0, 1}); });
    m_pDoc->OnPrintResult();
    ASSERT_EQ(m_log.pages.size(), 2u);
    EXPECT_FALSE(m_log.pages[0].HasText(U8(u8"表紙")));
    EXPECT_TRUE(m_log.pages[1].HasText(U8(u8"前提条件-1")));
    EXPECT_TRUE(m_log.pages[1].HasText(U8(u8"タブリン事務所")));
}

TEST_F(PrintCommands, CancelInThePrintingDialogAbortsAfterThePage)
{
    RecordJobs();
    m_log.onPageEnd = [this](int nPage) {
        EXPECT_FALSE(m_frame.isEnabled());
        CPrintingDlg* dlg = m_app.m_pPrintingDlg;
        ASSERT_NE(dlg, nullptr);
        EXPECT_TRUE(dlg->isVisible() && dlg->isEnabled()); // its cancel can be pressed
        EXPECT_EQ(CP932ToUtf8(dlg->m_strPage), nPage == 1 ? U8(u8"１ページ") : U8(u8"２ページ"));
        EXPECT_EQ(CP932ToUtf8(dlg->m_strDataName), nPage == 1 ? U8(u8"基本条件・建物概要") : U8(u8"工事費－工事費用と減価償却"));
        if (nPage == 2) dlg->reject();
    };
    AnswerPrintDialog(nullptr);
    m_pDoc->OnPrintData();
    EXPECT_EQ(m_log.calls, CallsOf(2, "AbortDoc"));
    EXPECT_TRUE(m_frame.isEnabled());
    EXPECT_EQ(m_app.m_pPrintingDlg, nullptr);
}

// After a report job the kind stays 1 and its list is gone: nothing may print or crash.
TEST_F(PrintCommands, StalePrintKindWithoutListPrintsNothing)
{
    RecordJobs();
    AnswerPrintDialog([](CPrintRangeDlg* dlg) { SelectLines(dlg, {1}); });
    m_pDoc->OnPrintResult();
    ASSERT_EQ(m_app.m_nPrintKind, 1);
    ASSERT_EQ(m_app.m_pResultPrintItems, nullptr);
    m_log = {};
    CDataParentView* view = m_pDoc->FindDataView();
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->PrintWithSettings());
    CPageRecordDC dc(m_log);
    view->OnPrint(&dc);
    EXPECT_EQ(m_log.calls, std::vector<std::string>{"EndDoc"});
}

// The report print dialog as the user sees it (build/artifacts).
TEST_F(PrintCommands, PictureReportPrintDialog)
{
    m_app.CreateResultPrintItems();
    CResultPrintDlg dlg(m_pDoc);
    dlg.OnInitDialog();
    dlg.show();
    QApplication::processEvents();
    SaveArtifact(dlg.grab().toImage(), "report_print_dialog");
}

TEST_F(PrintCommands, YearRangeOutsideTheCalculationIsRefused)
{
    struct Case {
        const char* pszFrom;
        const char* pszTo;
        bool bAccepted;
    } cases[] = {{"0", "30", true}, {"5", "3", false}, {"0", "31", false}, {"30", "30", true}, {"0", "101", false}};
    m_app.CreateResultPrintItems();
    for (const Case& c : cases) {
        CResultPrintDlg dlg(m_pDoc);
        dlg.OnInitDialog();
        EXPECT_EQ(dlg.Form()->GetDlgItemText(10010), CString("30"));
        dlg.Form()->SetDlgItemText(10009, c.pszFrom);
        dlg.Form()->SetDlgItemText(10010, c.pszTo);
        dlg.SelectRange(IDC_PRINT_ALL);
        m_boxes.m_shown.clear();
        dlg.OnOK();
        EXPECT_EQ(dlg.GetResult() == IDOK, c.bAccepted) << c.pszFrom << "-" << c.pszTo;
        EXPECT_EQ(m_boxes.m_shown.empty(), c.bAccepted) << c.pszFrom << "-" << c.pszTo;
    }
}

TEST_F(PrintCommands, ReportDialogWritesPaperColourCompanyAndCoverPicture)
{
    m_app.CreateResultPrintItems();
    for (int i = 0; i < 16; ++i) m_app.m_pResultPrintItems->Add(new CResultPrintItem("r", i, FALSE));
    m_app.m_nPaperSize = DMPAPER_A4SMALL;
    m_app.m_nColorFlag = 0;
    CResultPrintDlg dlg(m_pDoc);
    dlg.OnInitDialog();
    EXPECT_TRUE(dlg.Form()->IsDlgButtonChecked(1240)); // A4
    EXPECT_EQ(dlg.PageList()->count(), 16);
    // Empty year fields are filled when they lose the focus.
    dlg.Form()->SetDlgItemText(10009, "");
    dlg.Form()->SetDlgItemText(10010, "");
    dlg.OnControlNotify(10009, EN_KILLFOCUS);
    dlg.OnControlNotify(10010, EN_KILLFOCUS);
    EXPECT_EQ(dlg.Form()->GetDlgItemText(10009), CString("0"));
    EXPECT_EQ(dlg.Form()->GetDlgItemText(10010), CString("30"));
    dlg.Form()->CheckRadioButton(1248, 1249, 1249);
    dlg.Form()->SetDlgItemText(1019, "新会社");
    dlg.Form()->CheckDlgButton(1287, TRUE);
    dlg.Form()->SetDlgItemText(1021, "logo.bmp");
    SelectLines(&dlg, {2});
    dlg.OnOK();
    EXPECT_EQ(dlg.GetResult(), IDOK);
    EXPECT_EQ(m_app.m_nPaperSize, DMPAPER_A4);
    EXPECT_EQ(m_app.m_nColorFlag, 1);
    EXPECT_EQ(m_app.m_strOfficeName, CString("新会社"));
    EXPECT_EQ(m_pDoc->GetDataBasic()->bPrintCoverLogo, 1);
    EXPECT_EQ(m_pDoc->GetDataBasic()->strLogoFile, CString("logo.bmp"));
    for (int i = 0; i < 16; ++i) EXPECT_EQ(PrintItemAt<CResultPrintItem>(m_app.m_pResultPrintItems, i)->m_bPrint, i == 2);

    CResultPrintDlg all(m_pDoc);
    all.OnInitDialog();
    all.SelectRange(IDC_PRINT_ALL);
    all.OnOK();
    for (int i = 0; i < 16; ++i) EXPECT_TRUE(PrintItemAt<CResultPrintItem>(m_app.m_pResultPrintItems, i)->m_bPrint);
}

// The year comes back with the era settings the dialog showed it in, not the application's.
TEST_F(PrintCommands, PrintDateYearUsesTheDialogsEra)
{
    RecordJobs();
    m_app.m_nYearFlag = 0;
    m_pDoc->m_objPrintSetting.nYearFlag = 1;
    m_pDoc->m_objPrintSetting.nYearDiff = 1988;
    m_pDoc->m_objPrintSetting.strYearName = "平成";
    m_pDoc->SetPrintDate(2010, 4, 1);
    AnswerPrintDialog([](CPrintRangeDlg* dlg) {
        EXPECT_EQ(dlg->Form()->GetDlgItemText(IDC_PRINT_YEAR), CString("22"));
        SelectLines(dlg, {0});
    });
    m_pDoc->OnPrintData();
    EXPECT_EQ(m_pDoc->m_objPrintSetting.nYear, 2010);
    EXPECT_EQ(CP932ToUtf8(m_pDoc->m_strPrintDate), U8(u8"平成２２年４月１日"));
    ASSERT_EQ(m_log.pages.size(), 1u);
    EXPECT_TRUE(m_log.pages[0].HasText(U8(u8"平成２２年４月１日")));
}

TEST_F(PrintCommands, CopiesOutsideOneToNinetyNineStayInTheDialog)
{
    m_app.CreateOptionPrintItems();
    for (const char* psz : {"0", "100", "x"}) {
        COptionPrintDlg dlg;
        dlg.OnInitDialog();
        dlg.Form()->SetDlgItemText(IDC_PRINT_COPIES, psz);
        m_boxes.m_shown.clear();
        dlg.OnOK();
        EXPECT_NE(dlg.GetResult(), IDOK) << psz;
        EXPECT_EQ(m_boxes.m_shown.size(), 1u) << psz;
    }
}

// The job's name is the project's title, at most 31 bytes and never half a character.
TEST_F(PrintCommands, JobNameIsTheTitleCutTo31Bytes)
{
    std::vector<CString> names;
    SetPrinterDCFactory([this, &names](const CString& strName) {
        names.push_back(strName);
        return std::make_unique<CPageRecordDC>(m_log);
    });
    m_pDoc->SetTitle("賃貸マンション計画書・第二期工事の収支計画案.PRJ");
    m_pDoc->FindDataView()->OnFilePrint();
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0], CString("賃貸マンション計画書・第二期工")); // 30 bytes
    EXPECT_EQ(m_log.calls, (std::vector<std::string>{"StartDoc", "EndDoc"}));
}

// Results and text output need a calculated project; the print command follows the active window.
TEST_F(PrintCommands, CommandStatesAndTheRoutedPrintCommand)
{
    for (UINT nID : {ID_PRINT_RESULT, ID_FILE_PRINT, ID_TEXT_OUTPUT}) {
        CCmdUI ui;
        EXPECT_TRUE(m_pDoc->OnCmdMsg(nID, &ui));
        EXPECT_TRUE(ui.m_bEnabled);
        m_pDoc->m_nCalcResult = 0;
        EXPECT_TRUE(m_pDoc->OnCmdMsg(nID, &ui));
        EXPECT_FALSE(ui.m_bEnabled) << nID;
        m_pDoc->m_nCalcResult = 1;
    }
    // The basic-conditions window is a data window: 25006 becomes the data print.
    RecordJobs();
    m_pDoc->OnPrintReport();
    AnswerPrintDialog([](CPrintRangeDlg* dlg) {
        EXPECT_EQ(dlg->m_nIDTemplate, 243u);
        SelectLines(dlg, {1});
    });
    QApplication::processEvents();
    EXPECT_EQ(m_log.pages.size(), 1u);
}

} // namespace

namespace {

// Paper codes become page sizes; the printer prints one copy a page, the copies come from the page loop.
TEST(PrinterDC, PaperOrientationAndOneCopy)
{
    const struct {
        short nPaper;
        QPageSize::PageSizeId id;
    } cases[] = {{9, QPageSize::A4}, {10, QPageSize::A4}, {12, QPageSize::JisB4}, {33, QPageSize::B4}, {13, QPageSize::A4}};
    QTemporaryDir dir;
    for (const auto& c : cases) {
        EXPECT_EQ(PageSizeOfPaper(c.nPaper).id(), c.id) << c.nPaper;
        CPrinterDC dc({DMORIENT_LANDSCAPE, c.nPaper, 100, 3}, QString(), dir.filePath(QStringLiteral("x.pdf")));
        EXPECT_EQ(dc.Printer().pageLayout().pageSize().id(), c.id) << c.nPaper;
        EXPECT_EQ(dc.Printer().pageLayout().orientation(), QPageLayout::Landscape);
        EXPECT_EQ(dc.Printer().copyCount(), 1);
    }
    EXPECT_EQ(PaperOfPageSize(QPageSize(QPageSize::JisB4)), DMPAPER_B4);
    EXPECT_EQ(PaperOfPageSize(QPageSize(QPageSize::Letter)), 0);
}

} // namespace
