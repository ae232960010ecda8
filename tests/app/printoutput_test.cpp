// The report print dialog's paper and empty choice, and the modes of the text output file.
#include <QFile>
#include <sys/stat.h>

#include "app/shell/commandids.h"
#include "app/shell/resultprintdlg.h"
#include "printfixture.h"
#include "tests/support/utf8.h"

namespace {

constexpr UINT IDC_PAPER_A4 = 1240;
constexpr UINT IDC_PAPER_B4 = 1241;

class PrintOutput : public PrintFixture {
protected:
    void SetUp() override
    {
        PrintFixture::SetUp();
        SetCurrentPrinterName(QString()); // a PDF file, whatever printers the machine has
    }

    // Prints the cover alone on the paper chosen in the dialog; the size pdfinfo reports.
    QString PrintedPageSize(short nAppPaper, UINT nRadio)
    {
        m_app.m_nPaperSize = nAppPaper;
        const QString path = FilePath("paper.pdf");
        m_strDialogPath = FromQString(path);
        AnswerPrintDialog([nRadio](CPrintRangeDlg* dlg) {
            SelectLines(dlg, {0});
            dlg->Form()->CheckRadioButton(IDC_PAPER_A4, IDC_PAPER_B4, nRadio);
        });
        m_pDoc->OnPrintResult();
        return PdfInfoField(path, "Page size").section(QLatin1Char(' '), 0, 2);
    }

    // Text output into path under the given umask; the file's permission bits.
    mode_t WrittenMode(const QString& path, mode_t nUmask)
    {
        m_strDialogPath = FromQString(path);
        const mode_t previous = ::umask(nUmask);
        m_pDoc->OnTextFileOutput();
        ::umask(previous);
        struct stat st {};
        EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
        return st.st_mode & 07777;
    }
};

TEST_F(PrintOutput, PdfPaperFollowsTheDialogsChoice)
{
    if (!HasPoppler()) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    EXPECT_EQ(PrintedPageSize(DMPAPER_A4, IDC_PAPER_B4), QStringLiteral("1032 x 729"));
    EXPECT_EQ(m_app.m_nPaperSize, DMPAPER_B4);
    EXPECT_EQ(PrintedPageSize(DMPAPER_B4, IDC_PAPER_A4), QStringLiteral("842 x 595"));
    EXPECT_EQ(m_app.m_nPaperSize, DMPAPER_A4);
}

// OK with no report chosen says so and leaves the dialog open; nothing is asked or written.
TEST_F(PrintOutput, NothingChosenKeepsTheDialogOpen)
{
    RecordJobs();
    bool bStillOpen = false;
    AnswerPrintDialog([this, &bStillOpen](CPrintRangeDlg* dlg) {
        dlg->SelectRange(IDC_PRINT_SELECTED);
        dlg->OnOK();
        bStillOpen = dlg->isVisible() && m_log.calls.empty();
        dlg->PageList()->item(1)->setSelected(true);
    });
    m_pDoc->OnPrintResult();
    EXPECT_TRUE(bStillOpen);
    ASSERT_EQ(m_boxes.m_shown.size(), 1u);
    EXPECT_NE(m_boxes.m_shown[0].find(U8(u8"印刷する項目が選択されていません。")), std::string::npos);
    EXPECT_EQ(m_log.pages.size(), 1u);
}

// The same holds for the sheet lists of the input data.
TEST_F(PrintOutput, NothingChosenInASheetListIsRefused)
{
    RecordJobs();
    bool bStillOpen = false;
    AnswerPrintDialog([&bStillOpen](CPrintRangeDlg* dlg) {
        dlg->SelectRange(IDC_PRINT_SELECTED);
        dlg->OnOK();
        bStillOpen = dlg->isVisible();
        dlg->SelectRange(IDC_PRINT_ALL);
    });
    m_pDoc->OnPrintData();
    EXPECT_TRUE(bStillOpen);
    EXPECT_EQ(m_boxes.m_shown.size(), 1u);
    EXPECT_EQ(m_log.pages.size(), 30u);
}

// The blank sheets: the pages of the input data with their labels and none of the project's values.
TEST_F(PrintOutput, BlankSheetsFromTheMenu)
{
    if (!HasPoppler()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString path = FilePath("blank.pdf");
    m_strDialogPath = FromQString(path);
    AnswerPrintDialog([](CPrintRangeDlg* dlg) { dlg->SelectRange(IDC_PRINT_ALL); });
    m_frame.SendCommand(ID_PRINT_BLANK_FORMS);
    EXPECT_EQ(PdfPages(path), 30);
    EXPECT_EQ(PdfInfoField(path, "Page size").section(QLatin1Char(' '), 0, 2), QStringLiteral("595 x 842"));
    const std::string first = PdfPageText(path, 1);
    for (const char8_t* psz : {u8"基本条件", u8"プロジェクト名"})
        EXPECT_NE(first.find(U8(psz)), std::string::npos) << U8(psz);
    for (int nPage = 1; nPage <= 30; ++nPage)
        EXPECT_EQ(PdfPageText(path, nPage).find(U8(u8"店舗付賃貸マンション")), std::string::npos) << nPage;
    EXPECT_EQ(CTavrinProjectDoc::Documents().size(), 1);
}

// A new file gets the mode of the program's other new files (0644) less what
// the umask takes; a replaced one keeps its own.
TEST_F(PrintOutput, TextOutputModes)
{
    const struct {
        mode_t nUmask;
        mode_t nOld; // 0: no file yet
        mode_t nExpected;
    } cases[] = {
        {022, 0, 0644}, {002, 0, 0644}, {077, 0, 0600}, {022, 0640, 0640}, {077, 0664, 0664}, {022, 0604, 0604},
    };
    int n = 0;
    for (const auto& c : cases) {
        const QString path = FilePath("out") + QString::number(n++) + QStringLiteral(".TXT");
        if (c.nOld) {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.close();
            ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), c.nOld), 0);
        }
        EXPECT_EQ(WrittenMode(path, c.nUmask), c.nExpected) << std::oct << c.nUmask << " " << c.nOld;
        EXPECT_GT(QFile(path).size(), 1000);
    }
    EXPECT_TRUE(m_boxes.m_shown.empty());
}

} // namespace
