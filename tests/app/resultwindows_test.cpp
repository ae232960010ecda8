#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <cstdio>

#include "app/shell/commandids.h"
#include "app/data/databasicframe.h"
#include "app/shell/itembox.h"
#include "app/shell/windowcommands.h"
#include "platform/qtstring.h"
#include "result/pages/tavresult.h"
#include "resultwindowtest.h"
#include "waitfor.h"
#include "tests/support/render.h"

namespace {

// Clicks entry nItem of item-box page nTab as the user does.
void ClickItem(CMainFrame& frame, int nTab, int nItem)
{
    frame.m_pItemBox->SelectTab(nTab);
    QListWidget* page = frame.m_pItemBox->GetPage(nTab);
    QListWidgetItem* item = page->item(nItem);
    page->scrollToItem(item);
    QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, page->visualItemRect(item).center());
}

// Pixels of a clear colour (not grey).
int CountColoured(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 60) ++n;
        }
    return n;
}

// A preview page of the view on B4 landscape paper.
QImage PreviewPage(CResultParentView* pView)
{
    return RenderLometric(
        [pView](CDC* pDC) {
            pDC->SetPrinting(TRUE);
            pView->OnPrint(pDC, TRUE);
        },
        364, 257);
}

// Paint events of a widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* pWidget) { pWidget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint) ++m_nPaints;
        return false;
    }
    int m_nPaints = 0;
};

TEST_F(ResultWindowTest, ItemBoxClickRunsItsCommandAndADisabledCommandIsDropped)
{
    // Not calculated yet: the report entries are disabled and nothing opens.
    ASSERT_EQ(m_pDoc->m_nCalcResult, 0);
    ClickItem(m_frame, ITEMBOX_REPORT, 7);
    Pump();
    EXPECT_EQ(WindowCount(), 1);
    // Entry windows that are not built yet are disabled too.
    for (std::span<const CWindowCommand> rows : {DataWindowCommands(), TaxWindowCommands()}) {
        for (const CWindowCommand& row : rows) {
            if (row.pfnCreateFrame) continue;
            ClickItem(m_frame, row.nTab, row.nItem);
            Pump();
            EXPECT_EQ(WindowCount(), 1) << row.nID;
        }
    }

    Calculate();
    EXPECT_EQ(m_frame.m_pItemBox->GetCurTab(), ITEMBOX_REPORT);
    ClickItem(m_frame, ITEMBOX_REPORT, 7);
    Pump();
    ASSERT_NE(ActiveResult(), nullptr);
    EXPECT_NE(dynamic_cast<CResultBalanceBasicFrame*>(ActiveResult()), nullptr);
    EXPECT_EQ(m_frame.m_pItemBox->GetPage(ITEMBOX_REPORT)->currentRow(), 7);

    // The basic-conditions entry brings the project's first window back.
    ClickItem(m_frame, ITEMBOX_DATA, 0);
    Pump();
    EXPECT_NE(dynamic_cast<CDataBasicFrame*>(m_frame.MDIGetActive()), nullptr);
    EXPECT_EQ(m_frame.m_pItemBox->GetCurTab(), ITEMBOX_DATA);
    EXPECT_EQ(WindowCount(), 2);
}

// Every item of the item box gives the command of its menu row.
TEST_F(ResultWindowTest, ItemBoxPagesListTheWindowCommands)
{
    const struct {
        int nTab;
        std::span<const CWindowCommand> rows;
    } pages[] = {{ITEMBOX_DATA, DataWindowCommands()},
                 {ITEMBOX_REPORT, ResultWindowCommands()},
                 {ITEMBOX_TAX, TaxWindowCommands()}};
    for (const auto& page : pages) {
        QListWidget* list = m_frame.m_pItemBox->GetPage(page.nTab);
        ASSERT_EQ(list->count(), int(page.rows.size()));
        for (int i = 0; i < list->count(); ++i) {
            EXPECT_EQ(list->item(i)->data(Qt::UserRole).toUInt(), page.rows[i].nID);
            EXPECT_EQ(page.rows[i].nItem, i);
            EXPECT_EQ(page.rows[i].nTab, page.nTab);
            EXPECT_FALSE(list->item(i)->toolTip().isEmpty()) << page.rows[i].nID;
        }
    }
    EXPECT_EQ(m_frame.m_pItemBox->GetPage(ITEMBOX_FILE)->count(), 5);
}

TEST_F(ResultWindowTest, OnlyBuiltWindowsAreEnabledAndResultsOnlyAfterACalculation)
{
    auto enabled = [this](UINT nID) { return bool(m_frame.QueryCommand(nID).m_bEnabled); };
    EXPECT_TRUE(enabled(ID_DATA_BASIC));
    EXPECT_TRUE(enabled(20010));
    for (std::span<const CWindowCommand> rows : {DataWindowCommands(), TaxWindowCommands(), OptionWindowCommands()}) {
        for (const CWindowCommand& row : rows) EXPECT_EQ(enabled(row.nID), row.pfnCreateFrame != nullptr) << row.nID;
    }
    for (UINT nID = 20100; nID <= 20115; ++nID) EXPECT_FALSE(enabled(nID)) << nID;
    Calculate();
    for (UINT nID = 20100; nID <= 20115; ++nID) EXPECT_TRUE(enabled(nID)) << nID;
    // A failed run disables them again; open windows stay.
    Command(ID_RESULT_BASIC1);
    m_pDoc->m_nCalcResult = 0;
    EXPECT_FALSE(enabled(ID_RESULT_BASIC1 + 1));
    EXPECT_NE(ActiveResult(), nullptr);
}

// The sixteen windows of the calculated sample: each opens, is captioned and draws ink.
TEST_F(ResultWindowTest, EveryResultWindowOfTheSampleOpensAndDraws)
{
    Calculate();
    QElapsedTimer timer;
    for (const CWindowCommand& row : ResultWindowCommands()) {
        timer.start();
        Command(row.nID);
        CResultParentFrame* frame = ActiveResult();
        ASSERT_NE(frame, nullptr) << row.nID;
        EXPECT_EQ(frame->m_nCommandID, row.nID);
        EXPECT_TRUE(row.pfnIsFrame(frame));
        CResultParentView* view = frame->GetActiveView();
        const QImage image = view->viewport()->grab().toImage();
        std::printf("report window %u drawn in %lld ms\n", row.nID, static_cast<long long>(timer.elapsed()));
        EXPECT_GT(CountInk(image), 2000) << row.nID;
        EXPECT_EQ(frame->windowTitle(), ToQString(m_pDoc->GetTitle() + "－" + view->m_strCaption));
        EXPECT_EQ(m_frame.m_pItemBox->GetCurTab(), ITEMBOX_REPORT);
        EXPECT_EQ(m_frame.m_pItemBox->GetPage(ITEMBOX_REPORT)->currentRow(), row.nItem);
    }
    EXPECT_EQ(WindowCount(), 17);
    // Repeating a command only brings its window to the front.
    Command(ID_RESULT_BASIC1);
    EXPECT_EQ(WindowCount(), 17);
    EXPECT_EQ(ActiveResult()->m_nCommandID, ID_RESULT_BASIC1);
    // Closing the project closes its result windows.
    m_boxes.m_answers.push_back(IDNO);
    m_pDoc->OnCloseDocument();
    Pump();
    EXPECT_EQ(WindowCount(), 0);
}

// The menus of an open project list the same commands as the item box.
TEST_F(ResultWindowTest, ProjectMenusListTheWindowCommands)
{
    QStringList shown;
    for (QAction* menu : m_frame.menuBar()->actions())
        if (menu->isVisible()) shown << menu->text();
    EXPECT_EQ(shown, QStringList({QStringLiteral("ファイル(&F)"), QStringLiteral("表示(&V)"), QStringLiteral("データ入力(&D)"),
                                  QStringLiteral("帳票表示(&R)"), QStringLiteral("税率(&T)"), QStringLiteral("設定(&S)"),
                                  QStringLiteral("ヘルプ(&H)")}));
    QMenu* reports = m_frame.menuBar()->actions().at(4)->menu();
    ASSERT_EQ(reports->actions().size(), 19);
    EXPECT_EQ(reports->actions().first()->text(), QStringLiteral("前提条件－１ (&B)"));
    EXPECT_EQ(reports->actions().last()->text(), QStringLiteral("小さく表示(&L)"));
    // Without a project the file menu of the program alone.
    m_boxes.m_answers.push_back(IDNO);
    m_pDoc->OnCloseDocument();
    Pump();
    m_frame.UpdateCommandUI();
    shown.clear();
    for (QAction* menu : m_frame.menuBar()->actions())
        if (menu->isVisible()) shown << menu->text();
    EXPECT_EQ(shown, QStringList({QStringLiteral("ファイル(&F)"), QStringLiteral("表示(&V)"), QStringLiteral("ヘルプ(&H)")}));
}

// Each project has its own report windows.
TEST_F(ResultWindowTest, AReportOpenInAnotherProjectOpensOneForThisProject)
{
    Calculate();
    Command(ID_RESULT_BASIC1);
    CTavrinProjectDoc* first = m_pDoc;
    OpenSample();
    ASSERT_NE(m_pDoc, first);
    Calculate();
    Command(ID_RESULT_BASIC1);
    EXPECT_EQ(WindowCount(), 4);
    EXPECT_EQ(ActiveResult()->GetActiveDocument(), m_pDoc);
    EXPECT_NE(first->FindChildFrame(ResultWindowCommands()[0].pfnIsFrame), ActiveResult());
}

TEST_F(ResultWindowTest, PreviousAndNextWalkTheReportsInMenuOrder)
{
    Calculate();
    Command(ID_RESULT_BASIC1);
    EXPECT_FALSE(m_frame.QueryCommand(ID_RESULT_PREV).m_bEnabled);
    EXPECT_TRUE(m_frame.QueryCommand(ID_RESULT_NEXT).m_bEnabled);
    Command(ID_RESULT_NEXT);
    Pump();
    ASSERT_NE(ActiveResult(), nullptr);
    EXPECT_EQ(ActiveResult()->m_nCommandID, ID_RESULT_BASIC1 + 1);
    EXPECT_EQ(WindowCount(), 2);

    // Report numbers jump from 11 to 9, the commands do not.
    Command(20110);
    Command(ID_RESULT_PREV);
    Pump();
    EXPECT_EQ(ActiveResult()->m_nCommandID, 20109u);

    Command(ID_RESULT_BALANCE_TAX);
    EXPECT_FALSE(m_frame.QueryCommand(ID_RESULT_NEXT).m_bEnabled);
    Command(ID_RESULT_CLOSE);
    EXPECT_EQ(WindowCount(), 3);
}

TEST_F(ResultWindowTest, HelpTopicsFollowTheReportCommands)
{
    const struct {
        UINT nID;
        const char* pszPath;
    } cases[] = {{20100, "tavrinapp.chm::/tavrinapp00000062.htm"},
                 {20107, "tavrinapp.chm::/tavrinapp00000069.htm"},
                 {20115, "tavrinapp.chm::/tavrinapp00000077.htm"}};
    for (const auto& c : cases) EXPECT_EQ(CResultParentFrame(nullptr, c.nID).HelpTopicPath(), CString(c.pszPath));
}

// The year window of the yearly tables, on a document alone.
TEST(ResultYearWindow, StartYearIsClampedAndFillsTheTenColumns)
{
    const struct {
        int nCalcYear;
        int nYear;
        int nStart;
        int nEnd;
        int anYear[11];
    } cases[] = {
        {8, 0, 0, 8, {0, 1, 2, 3, 4, 5, 6, 7, 8, -1, -1}},
        {8, 8, 8, 8, {0, 8, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
        {8, 99, 8, 8, {0, 8, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
        {8, -3, 0, 8, {0, 1, 2, 3, 4, 5, 6, 7, 8, -1, -1}},
        {30, 1, 1, 11, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {30, 5, 5, 15, {0, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
        {30, 10, 10, 20, {0, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}},
        {30, 11, 11, 21, {-1, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
        {30, 25, 25, 30, {-1, 25, 26, 27, 28, 29, 30, -1, -1, -1, -1}},
        {0, 3, 0, 0, {0, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
    };
    CTavrinProjectDoc doc;
    for (const auto& c : cases) {
        doc.m_nCalcYear = c.nCalcYear;
        EXPECT_EQ(doc.SetResultStartYear(c.nYear), c.nStart);
        EXPECT_EQ(doc.m_nStartYear, c.nStart);
        EXPECT_EQ(doc.m_nEndYear, c.nEnd);
        for (int i = 0; i < 11; ++i)
            EXPECT_EQ(doc.m_pResultClass->m_anYear[i], c.anYear[i]) << c.nCalcYear << "/" << c.nYear << " column " << i;
    }
}

// The report toolbar moves the one year window of the project.
TEST_F(ResultWindowTest, YearButtonsAndEditMoveTheSharedWindow)
{
    Calculate();
    Command(ID_RESULT_BASIC1);
    EXPECT_FALSE(m_frame.QueryCommand(ID_RESULT_FORWARD5).m_bEnabled);
    EXPECT_FALSE(m_frame.m_pYearEdit->isEnabled());
    Command(20107);
    m_frame.UpdateCommandUI();
    EXPECT_TRUE(m_frame.m_pYearEdit->isEnabled());
    const struct {
        UINT nID;
        int nStart;
    } steps[] = {{ID_RESULT_FORWARD1, 1}, {ID_RESULT_FORWARD1, 2}, {ID_RESULT_FORWARD5, 7},
                 {ID_RESULT_BACK1, 6},    {ID_RESULT_LASTYEAR, kYears}, {ID_RESULT_FORWARD5, kYears},
                 {ID_RESULT_BACK5, kYears - 5}, {ID_RESULT_WORKYEAR, 0}, {ID_RESULT_FORWARD1, 1},
                 {ID_RESULT_FORWARD1, 2}, {ID_RESULT_FORWARD1, 3}, {ID_RESULT_BACK5, 0}};
    for (const auto& step : steps) {
        Command(step.nID);
        EXPECT_EQ(m_pDoc->m_nStartYear, step.nStart) << step.nID;
        EXPECT_EQ(m_frame.m_pYearEdit->text(), QString::number(step.nStart));
        EXPECT_EQ(m_frame.m_nResultStartYear, step.nStart);
    }
    // Typing a year moves the window; the clamped year is written back; an empty text is ignored.
    const struct {
        const char* pszTyped;
        int nStart;
    } typed[] = {{"12", 12}, {"99", kYears}, {"", kYears}, {"x", 0}};
    for (const auto& t : typed) {
        m_frame.m_pYearEdit->clear();
        m_frame.m_pYearEdit->setFocus();
        if (*t.pszTyped) QTest::keyClicks(m_frame.m_pYearEdit, QString::fromLatin1(t.pszTyped));
        else QTest::keyClick(m_frame.m_pYearEdit, Qt::Key_Backspace);
        Pump();
        EXPECT_EQ(m_pDoc->m_nStartYear, t.nStart) << t.pszTyped;
    }
    EXPECT_EQ(m_frame.m_pYearEdit->text(), QStringLiteral("0"));
    // Another yearly table shows the same window.
    Command(ID_RESULT_FORWARD5);
    Command(20108);
    EXPECT_EQ(m_pDoc->m_pResultClass->m_anYear[1], 5);
    EXPECT_EQ(m_pDoc->m_nStartYear, 5);
    // Printing moves the window; afterwards it returns to the year on the toolbar.
    m_pDoc->SetResultStartYear(20);
    PaintCounter paints(ActiveView()->viewport());
    m_pDoc->ResetResultYears();
    EXPECT_EQ(m_pDoc->m_nStartYear, 5);
    EXPECT_EQ(m_pDoc->m_pResultClass->m_anYear[1], 5);
    EXPECT_GT(paints.m_nPaints, 0);
}

TEST_F(ResultWindowTest, ANewCalculationRepaintsTheOpenWindowsAndKeepsTheItemBox)
{
    Calculate();
    Command(20107);
    PaintCounter paints(ActiveView()->viewport());
    m_frame.m_pItemBox->SelectTab(ITEMBOX_DATA);
    Calculate();
    EXPECT_GT(paints.m_nPaints, 0);
    EXPECT_EQ(m_frame.m_pItemBox->GetCurTab(), ITEMBOX_DATA);
    EXPECT_TRUE(m_pDoc->RefreshResultFrames());
    Command(ID_RESULT_CLOSE);
    EXPECT_FALSE(m_pDoc->RefreshResultFrames());
}

TEST_F(ResultWindowTest, PaperCommandsResizeThePageButNotTheApplicationPaper)
{
    Calculate();
    Command(ID_RESULT_BASIC1);
    CResultParentView* view = ActiveView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetTotalSize(), CSize(3330, 2270));
    EXPECT_EQ(m_frame.QueryCommand(ID_PAPER_B4).m_nCheck, 1);
    EXPECT_EQ(m_frame.QueryCommand(ID_PAPER_A4).m_nCheck, 0);
    Command(ID_PAPER_A4);
    EXPECT_EQ(view->GetTotalSize(), CSize(2670, 1800));
    EXPECT_EQ(m_pDoc->m_pResultClass->m_sizePaper, CSize(2670, 1800));
    EXPECT_EQ(m_frame.QueryCommand(ID_PAPER_A4).m_nCheck, 1);
    EXPECT_EQ(m_app.m_nPaperSize, DMPAPER_B4);
    Command(ID_PAPER_B4);
    EXPECT_EQ(view->GetTotalSize(), CSize(3330, 2270));
    // The reset takes the application's paper again.
    Command(ID_PAPER_A4);
    view->OnCmdMsg(ID_VIEW_PAPER_RESET, nullptr);
    EXPECT_EQ(view->m_nPaperSize, DMPAPER_B4);
}

// A graph fills the client area; a view without room draws nothing and divides by nothing.
TEST_F(ResultWindowTest, GraphViewsFollowTheClientAreaAndAnEmptyOneDrawsNothing)
{
    Calculate();
    Command(20113);
    CResultParentView* view = ActiveView();
    ASSERT_NE(view, nullptr);
    ActiveResult()->parentWidget()->showNormal();
    ActiveResult()->parentWidget()->resize(600, 400);
    Pump();
    const CSize page = m_pDoc->m_pResultClass->m_sizePaper;
    const int dpi = view->viewport()->logicalDpiX();
    EXPECT_NEAR(page.cx, view->viewport()->width() * 254.0 / dpi, 2);
    EXPECT_NEAR(page.cy, view->viewport()->height() * 254.0 / dpi, 2);
    EXPECT_EQ(view->GetTotalSize(), CSize(3330, 2270));

    view->setFixedSize(0, 0);
    const QImage image = RenderLometric([view](CDC* pDC) { view->OnDraw(pDC); }, 40, 40);
    EXPECT_EQ(m_pDoc->m_pResultClass->m_sizePaper, CSize(0, 0));
    EXPECT_EQ(CountInk(image), 0);
}

// The screen shows graphs in colour; the preview, a printer page, follows the colour flag.
TEST_F(ResultWindowTest, GraphsFollowTheColourFlagOnPaperOnly)
{
    Calculate();
    Command(20112);
    CResultParentView* view = ActiveView();
    for (int nFlag : {0, 1}) {
        m_app.m_nColorFlag = nFlag;
        EXPECT_GT(CountColoured(view->viewport()->grab().toImage()), 1000) << nFlag;
        // The page without its header, whose rules are coloured.
        const QImage full = PreviewPage(view);
        const QImage page = full.copy(0, full.height() / 10, full.width(), full.height() * 9 / 10);
        SaveArtifact(full, nFlag ? "result_preview_graph_colour" : "result_preview_graph_patterns");
        EXPECT_GT(CountInk(page), 2000);
        if (nFlag)
            EXPECT_GT(CountColoured(page), 1000);
        else
            EXPECT_EQ(CountColoured(page), 0);
    }
}

// Beyond fifty years the outline plots half the years; the graph pages keep the whole count.
TEST_F(ResultWindowTest, OutlineOfALongCalculationKeepsTheGraphYears)
{
    for (int nYears : {50, 60}) {
        m_pDoc->m_nCalcYear = nYears;
        Calculate();
        Command(20106);
        ActiveView()->Refresh();
        EXPECT_EQ(m_pDoc->m_pResultClass->m_objGraphOutline.m_nYearCount, nYears);
        EXPECT_EQ(m_pDoc->m_pResultClass->m_objGraphLoan.m_nYearCount, nYears);
        EXPECT_GT(CountInk(ActiveView()->viewport()->grab().toImage()), 2000);
    }
}

// The preview page: the header above the report, the page centred on the paper.
TEST_F(ResultWindowTest, PreviewPageHasTheHeaderAndTheReportCentred)
{
    Calculate();
    Command(20107);
    CResultParentView* view = ActiveView();
    const QImage image = PreviewPage(view);
    SaveArtifact(image, "result_preview_page");
    EXPECT_TRUE(view->m_bPrinting);
    const CSize page = m_pDoc->m_pResultClass->m_sizePaper;
    EXPECT_EQ(page.cx, 3330);
    EXPECT_LT(page.cy, 2270);
    // Ink on both halves and in the header band above the report.
    const QImage left = image.copy(0, 0, image.width() / 2, image.height());
    const QImage right = image.copy(image.width() / 2, 0, image.width() / 2, image.height());
    EXPECT_GT(CountInk(left), 2000);
    EXPECT_GT(CountInk(right), 2000);
    view->OnEndPrintPreview();
    EXPECT_FALSE(view->m_bPrinting);
}

TEST_F(ResultWindowTest, PrintPreviewCommandShowsQtsPreviewOfTheLandscapePage)
{
    Calculate();
    Command(ID_RESULT_BASIC1);
    bool bShown = false;
    WhenModalShown([&bShown](QWidget* dialog) {
        bShown = true;
        dialog->close();
    });
    m_frame.SendCommand(ID_FILE_PRINT_PREVIEW);
    EXPECT_TRUE(bShown);
    EXPECT_EQ(m_app.m_printerMode.dmOrientation, DMORIENT_LANDSCAPE);
    EXPECT_FALSE(ActiveView()->m_bPrinting);
}

// Columns past the calculated years are drawn empty.
TEST_F(ResultWindowTest, ACalculationShorterThanTheYearWindowDraws)
{
    m_pDoc->m_nCalcYear = 8;
    Calculate();
    Command(20107);
    const QImage page = PreviewPage(ActiveView());
    SaveArtifact(page, "result_short_calculation");
    EXPECT_GT(CountInk(page), 2000);
}

} // namespace
