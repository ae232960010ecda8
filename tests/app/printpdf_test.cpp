// Real print jobs of the calculated sample: every print command to a PDF
// file (checked with pdfinfo and pdftotext), an aborted job, one job through
// a CUPS queue of its own, and the text output.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <unistd.h>

#include "app/shell/commandids.h"
#include "app/shell/resultprintdlg.h"
#include "printfixture.h"
#include "tests/support/utf8.h"

namespace {

// Standard output of a tool, or an empty text when it did not run.
QString RunTool(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPages(const QString& path)
{
    const QString info = RunTool(QStringLiteral("pdfinfo"), {path});
    for (const QString& line : info.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Pages:"))) return line.mid(6).trimmed().toInt();
    return -1;
}

std::string PdfPageText(const QString& path, int nPage)
{
    const QString page = QString::number(nPage);
    return RunTool(QStringLiteral("pdftotext"), {"-f", page, "-l", page, path, "-"}).toStdString();
}

bool HasPoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PrintToPdf : public PrintFixture {
protected:
    void SetUp() override
    {
        if (!HasPoppler()) GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are not installed";
        PrintFixture::SetUp();
        SetCurrentPrinterName(QString()); // a PDF file, whatever printers the machine has
    }
};

struct PdfCase {
    const char* pszName;
    void (CTavrinProjectDoc::*pfnCommand)();
    int nPages;
    std::vector<std::pair<int, const char8_t*>> titles; // page, text on it
};

TEST_F(PrintToPdf, EveryPrintCommandOfTheSample)
{
    const PdfCase cases[] = {
        {"data.pdf", &CTavrinProjectDoc::OnPrintData, 30,
         {{1, u8"基本条件・建物概要"}, {2, u8"工事費－工事費用と減価償却"}, {30, u8"プロジェクト以外の条件（２）"}}},
        {"tax.pdf", &CTavrinProjectDoc::OnPrintTax, 6, {{1, u8"固定資産税・都市計画税"}, {6, u8"所得税・繰越欠損"}}},
        {"option.pdf", &CTavrinProjectDoc::OnPrintOption, 5, {{1, u8"事業割合の設定"}, {5, u8"消費税売上区分"}}},
        {"result.pdf", &CTavrinProjectDoc::OnPrintResult, 26,
         {{2, u8"前提条件-1"}, {9, u8"基本収支表（工事期間"}, {11, u8"基本収支表（２１年"}, {26, u8"税金一覧表（２１年"}}},
    };
    for (const PdfCase& c : cases) {
        const QString path = FilePath(c.pszName);
        m_strDialogPath = FromQString(path);
        AnswerPrintDialog([](CPrintRangeDlg* dlg) { dlg->SelectRange(IDC_PRINT_ALL); });
        (m_pDoc->*c.pfnCommand)();
        ASSERT_TRUE(QFile::exists(path)) << c.pszName;
        EXPECT_FALSE(QFile::exists(path + QStringLiteral(".part"))) << c.pszName;
        EXPECT_EQ(PdfPages(path), c.nPages) << c.pszName;
        for (const auto& [nPage, pszText] : c.titles)
            EXPECT_NE(PdfPageText(path, nPage).find(U8(pszText)), std::string::npos) << c.pszName << " page " << nPage;
    }
    // The reports are landscape B4 (JIS), the sheets portrait A4.
    EXPECT_TRUE(RunTool("pdfinfo", {FilePath("result.pdf")}).contains(QLatin1String("1032 x 729")));
    EXPECT_TRUE(RunTool("pdfinfo", {FilePath("data.pdf")}).contains(QLatin1String("595 x 842")));
    ASSERT_FALSE(m_requests.empty());
    EXPECT_EQ(m_requests.back().strDefExt, CString("pdf"));
}

// Cancel in the printing dialog: no PDF, and the file of that name stays as it was.
TEST_F(PrintToPdf, AbortedJobLeavesNoPartialFile)
{
    const QString path = FilePath("old.pdf");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    m_strDialogPath = FromQString(path);
    auto* cancel = new QTimer(&m_frame);
    QObject::connect(cancel, &QTimer::timeout, [this, cancel] {
        if (!m_app.m_pPrintingDlg) return;
        m_app.m_pPrintingDlg->reject();
        cancel->stop();
    });
    cancel->start(0);
    AnswerPrintDialog(nullptr);
    m_pDoc->OnPrintData();
    EXPECT_EQ(FileBytes(path), QByteArray("old"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.pdf")});
}

TEST_F(PrintToPdf, TextOutputEqualsTheLibrarysExportAndReplacesTheOldFile)
{
    m_pDoc->m_strOfficeName = "タブリン事務所";
    const QString path = FilePath("TAVRIN.TXT");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    m_strDialogPath = FromQString(path);
    m_pDoc->OnTextFileOutput();
    EXPECT_TRUE(m_boxes.m_shown.empty());
    ASSERT_FALSE(m_requests.empty());
    EXPECT_TRUE(m_requests.back().strFileName.Right(16) == "/Data/TAVRIN.TXT");

    const QString golden = FilePath("library.txt");
    ASSERT_TRUE(m_pDoc->m_objCalc.SaveTextFile(FromQString(golden), m_pDoc->m_strOfficeName, m_pDoc->m_strPrintDate,
                                                m_app.m_anIntval[3]));
    const QByteArray written = FileBytes(path);
    EXPECT_GT(written.size(), 1000);
    EXPECT_TRUE(written == FileBytes(golden));
    const QList<QByteArray> lines = written.split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0].trimmed(), QByteArray(m_pDoc->m_strOfficeName));
    EXPECT_EQ(lines[1].trimmed(), QByteArray(m_pDoc->m_strPrintDate));
    EXPECT_EQ(QDir(m_dir.path()).entryList({"*.part"}, QDir::Files), QStringList());
}

TEST_F(PrintToPdf, TextOutputThatCannotBeWrittenSaysSo)
{
    m_strDialogPath = FromQString(FilePath("missing/TAVRIN.TXT"));
    m_pDoc->OnTextFileOutput();
    ASSERT_EQ(m_boxes.m_shown.size(), 1u);
    EXPECT_NE(m_boxes.m_shown[0].find(U8(u8"テキストファイルに出力できませんでした。")), std::string::npos);
    EXPECT_FALSE(QFile::exists(FilePath("missing/TAVRIN.TXT")));
}

} // namespace
