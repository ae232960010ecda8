// Real print jobs of the calculated sample: every print command to a PDF
// file (checked with pdfinfo and pdftotext), an aborted job, one job through
// a CUPS queue of its own, and the text output.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>
#include <pwd.h>
#include <unistd.h>

#include "app/shell/commandids.h"
#include "app/shell/pdflanguage.h"
#include "app/shell/resultprintdlg.h"
#include "printfixture.h"
#include "tests/support/utf8.h"
#include "waitfor.h"

namespace {

// The width in points of every line the PDF strokes, its transformation applied.
std::vector<double> StrokeWidths(const QString& path)
{
    static const QRegularExpression stroke(
        QStringLiteral("<stroke_path linewidth=\"([^\"]+)\"[^>]*transform=\"([^\"]+)\""));
    std::vector<double> widths;
    for (const QRegularExpressionMatch& m : stroke.globalMatch(RunTool(QStringLiteral("mutool"), {"trace", path}))) {
        const QStringList t = m.captured(2).split(QLatin1Char(' '));
        const double scale = t.size() == 6 ? std::sqrt(std::abs(t[0].toDouble() * t[3].toDouble() -
                                                                t[1].toDouble() * t[2].toDouble()))
                                           : 0;
        widths.push_back(m.captured(1).toDouble() * scale);
    }
    return widths;
}

// Runs of white space (of either width, line ends too) made one space, none at the ends.
std::string Words(const std::string& text)
{
    return QString::fromStdString(text).simplified().replace(QChar(0x3000), QLatin1Char(' ')).simplified().toStdString();
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
    void (*pfnCommand)(CTavrinProjectDoc&);
    int nPages;
    std::vector<std::pair<int, const char8_t*>> titles; // page, text on it
};

TEST_F(PrintToPdf, EveryPrintCommandOfTheSample)
{
    const PdfCase cases[] = {
        {"data.pdf", [](CTavrinProjectDoc& doc) { doc.OnPrintData(); }, 30,
         {{1, u8"基本条件・建物概要"}, {2, u8"工事費－工事費用と減価償却"}, {30, u8"プロジェクト以外の条件（２）"}}},
        {"tax.pdf", [](CTavrinProjectDoc& doc) { doc.OnPrintTax(); }, 6, {{1, u8"固定資産税・都市計画税"}, {6, u8"所得税・繰越欠損"}}},
        {"option.pdf", [](CTavrinProjectDoc& doc) { doc.OnPrintOption(); }, 5, {{1, u8"事業割合の設定"}, {5, u8"消費税売上区分"}}},
        {"result.pdf", [](CTavrinProjectDoc& doc) { doc.OnPrintResult(); }, 26,
         {{2, u8"前提条件-1"}, {9, u8"基本収支表（工事期間"}, {11, u8"基本収支表（２１年"}, {26, u8"税金一覧表（２１年"}}},
    };
    for (const PdfCase& c : cases) {
        const QString path = FilePath(c.pszName);
        QFile old(path); // a finished job replaces it
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.close();
        m_strDialogPath = FromQString(path);
        AnswerPrintDialog([](CPrintRangeDlg* dlg) { dlg->SelectRange(IDC_PRINT_ALL); });
        c.pfnCommand(*m_pDoc);
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

// The example's print-outs: lines no thinner than a hairline of 0.2 pt, the
// document's title, creator and language, and a structure that a checker passes.
TEST_F(PrintToPdf, LinesAndPropertiesOfEveryPrintCommand)
{
    if (!HasTool("mutool")) GTEST_SKIP() << "mutool (mupdf-tools) is not installed";
    const std::pair<const char8_t*, void (*)(CTavrinProjectDoc&)> jobs[] = {
        {u8"入力データ", [](CTavrinProjectDoc& doc) { doc.OnPrintData(); }},
        {u8"税率データ", [](CTavrinProjectDoc& doc) { doc.OnPrintTax(); }},
        {u8"オプション設定", [](CTavrinProjectDoc& doc) { doc.OnPrintOption(); }},
        {u8"帳票", [](CTavrinProjectDoc& doc) { doc.OnPrintResult(); }},
    };
    m_app.m_nColorFlag = 0; // graphs in black: dashed lines and hatched bars
    for (const auto& [pszName, pfnCommand] : jobs) {
        const QString path = FilePath("job.pdf");
        m_strDialogPath = FromQString(path);
        AnswerPrintDialog([](CPrintRangeDlg* dlg) { dlg->SelectRange(IDC_PRINT_ALL); });
        pfnCommand(*m_pDoc);
        const QString name = QString::fromUtf8(U8(pszName));
        const std::vector<double> widths = StrokeWidths(path);
        EXPECT_GT(widths.size(), 100u) << name.toStdString();
        EXPECT_GE(*std::min_element(widths.begin(), widths.end()), 0.2) << name.toStdString();
        EXPECT_EQ(PdfInfoField(path, "Title"), name + QString::fromUtf8(U8(u8"－店舗付賃貸マンション")));
        EXPECT_EQ(PdfInfoField(path, "Creator"), QStringLiteral("Tavrin V8 08.01.07"));
        EXPECT_EQ(RunTool("mutool", {"show", path, "trailer/Root/Lang"}).trimmed(), QStringLiteral("(ja)"));
        if (HasTool("qpdf")) {
            EXPECT_FALSE(RunTool("qpdf", {"--check", path}).isEmpty()) << name.toStdString();
        }
    }
}

// Each text of an A4 yearly page is read whole from the PDF: its characters
// are not taken for words of their own.
TEST_F(PrintToPdf, TextsOfAnA4YearlyPageAreReadAsDrawn)
{
    m_app.m_nPaperSize = DMPAPER_A4;
    const auto print = [this] {
        AnswerPrintDialog([](CPrintRangeDlg* dlg) { SelectLines(dlg, {8}); });
        m_pDoc->OnPrintResult();
    };
    RecordJobs();
    print();
    ASSERT_EQ(m_log.pages.size(), 3u);
    SetPrinterDCFactory(nullptr);
    const QString path = FilePath("a4.pdf");
    m_strDialogPath = FromQString(path);
    print();
    EXPECT_EQ(PdfInfoField(path, "Page size").left(9), QStringLiteral("842 x 595"));
    // The face draws the wave dash and the full-width tilde with one glyph.
    const std::string page = Words(QString::fromStdString(PdfPageText(path, 1)).replace(QChar(0x301C), QChar(0xFF5E)).toStdString());
    // A text's parts far apart (two full-width spaces and more) are read as blocks of their own.
    static const QRegularExpression apart(QStringLiteral("\u3000{2,}"));
    int nParts = 0;
    for (const std::string& text : m_log.pages[0].texts) {
        for (const QString& part : QString::fromStdString(text).split(apart)) {
            if (Words(part.toStdString()).empty()) continue;
            ++nParts;
            EXPECT_NE(page.find(Words(part.toStdString())), std::string::npos) << text;
        }
    }
    EXPECT_GT(nParts, 300);
    for (const char8_t* psz : {u8"基本収支表（工事期間～１０年）", u8"敷金・保証金・償却益"})
        EXPECT_NE(page.find(U8(psz)), std::string::npos) << U8(psz);
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(PdfLanguage, QtsPdfGetsItOnceAndStaysValid)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("two pages.pdf"));
    {
        QPdfWriter writer(path);
        writer.setTitle(QStringLiteral("title"));
        QPainter painter(&writer);
        painter.drawText(100, 100, QStringLiteral("one"));
        writer.newPage();
        painter.drawText(100, 100, QStringLiteral("two"));
    }
    const QByteArray written = FileBytes(path);
    ASSERT_TRUE(AddPdfLanguage(path, "ja"));
    const QByteArray updated = FileBytes(path);
    EXPECT_TRUE(updated.startsWith(written)); // an update only adds
    EXPECT_TRUE(updated.mid(written.size()).contains("/Lang (ja)"));
    ASSERT_TRUE(AddPdfLanguage(path, "en"));
    EXPECT_EQ(FileBytes(path), updated); // a language is kept

    if (HasTool("mutool")) {
        EXPECT_EQ(RunTool("mutool", {"show", path, "trailer/Root/Lang"}).trimmed(), QStringLiteral("(ja)"));
    }
    if (HasTool("qpdf")) {
        EXPECT_TRUE(RunTool("qpdf", {"--check", path}).contains(QLatin1String("No syntax or stream encoding errors")));
    }
    if (HasPoppler()) {
        EXPECT_EQ(PdfPages(path), 2);
        EXPECT_EQ(PdfInfoField(path, "Title"), QStringLiteral("title"));
    }
}

// Files of another structure stay as they are; one that cannot be read is a failure.
TEST(PdfLanguage, OtherFilesStayAsTheyAre)
{
    QTemporaryDir dir;
    const QByteArray cases[] = {
        "not a PDF",
        // no cross-reference table
        "%PDF-1.4\n1 0 obj\n<< /Type /Catalog >>\nendobj\ntrailer\n<< /Root 1 0 R >>\nstartxref\n999\n%%EOF\n",
        // a table without the catalog
        "%PDF-1.4\n1 0 obj\n<< /Type /Catalog >>\nendobj\nxref\n0 1\n0000000000 65535 f \ntrailer\n<< /Root 1 0 R "
        ">>\nstartxref\n53\n%%EOF\n",
    };
    for (const QByteArray& bytes : cases) {
        const QString path = dir.filePath(QStringLiteral("case.pdf"));
        WriteFile(path, bytes);
        EXPECT_TRUE(AddPdfLanguage(path, "ja")) << bytes.constData();
        EXPECT_EQ(FileBytes(path), bytes);
    }
    const QString missing = dir.filePath(QStringLiteral("missing.pdf"));
    EXPECT_FALSE(AddPdfLanguage(missing, "ja"));
    EXPECT_FALSE(QFile::exists(missing));
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
    EXPECT_EQ(QDir(m_dir.path()).entryList({"*.pdf", "*.part"}, QDir::Files), QStringList{QStringLiteral("old.pdf")});
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

// A CUPS scheduler of the test's own with a cups-pdf queue; stopped at the end.
class CupsScheduler {
public:
    explicit CupsScheduler(const QString& dir) : m_dir(dir) {}
    ~CupsScheduler()
    {
        if (m_process.state() == QProcess::NotRunning) return;
        m_process.terminate();
        m_process.waitForFinished(5000);
    }

    // Empty when the queue is ready, else why it is not.
    QString Start()
    {
        if (geteuid() != 0) return QStringLiteral("the cups-pdf backend runs only under a scheduler started as root");
        const QString cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"), {"/usr/sbin", "/sbin"});
        if (cupsd.isEmpty()) return QStringLiteral("cupsd is not installed");
        const QString ppd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd");
        if (!QFile::exists(ppd)) return QStringLiteral("printer-driver-cups-pdf is not installed");
        WriteConfig();
        m_process.start(cupsd, {"-f", "-c", m_dir + "/cupsd.conf", "-s", m_dir + "/cups-files.conf"});
        if (!m_process.waitForStarted(kWaitCeilingMs)) return QStringLiteral("cupsd did not start");
        qputenv("CUPS_SERVER", Socket().toLocal8Bit());
        WaitFor([this] { return QFile::exists(Socket()) || m_process.state() == QProcess::NotRunning; });
        if (m_process.state() == QProcess::NotRunning)
            return QStringLiteral("cupsd ended: ") + QString::fromLocal8Bit(m_process.readAllStandardError());
        QProcess lpadmin;
        lpadmin.start(QStringLiteral("lpadmin"), {"-p", Queue(), "-E", "-v", "cups-pdf:/", "-P", ppd});
        if (!lpadmin.waitForFinished(kWaitCeilingMs) || lpadmin.exitCode() != 0)
            return QStringLiteral("lpadmin failed: ") + QString::fromLocal8Bit(lpadmin.readAllStandardError());
        return QString();
    }
    static QString Queue() { return QStringLiteral("TavrinPDF"); }

private:
    QString Socket() const { return m_dir + QStringLiteral("/cups.sock"); }
    // Everything of the scheduler below m_dir; the filters run as another
    // user and read the queue's files.
    void WriteConfig() const
    {
        for (const char* sub : {"spool", "cache", "state", "log"}) QDir(m_dir).mkpath(QString::fromLatin1(sub));
        const QFileDevice::Permissions open = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                              QFileDevice::ReadOther | QFileDevice::ExeOther;
        for (const QString& dir : {QFileInfo(m_dir).path(), m_dir}) QFile::setPermissions(dir, open);
        Write("cupsd.conf", "Listen " + Socket() + "\nLogLevel warn\n<Location />\n  Order allow,deny\n  Allow all\n"
                            "</Location>\n<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n");
        QString files;
        for (const auto& [key, sub] : {std::pair{"ServerRoot", ""}, {"RequestRoot", "/spool"}, {"TempDir", "/spool"},
                                       {"CacheDir", "/cache"}, {"StateDir", "/state"}, {"ErrorLog", "/log/error_log"},
                                       {"AccessLog", "/log/access_log"}, {"PageLog", "/log/page_log"},
                                       {"Printcap", "/printcap"}})
            files += QString::fromLatin1(key) + QLatin1Char(' ') + m_dir + QString::fromLatin1(sub) + QLatin1Char('\n');
        Write("cups-files.conf", files);
    }
    void Write(const char* pszName, const QString& text) const
    {
        QFile file(m_dir + QLatin1Char('/') + QString::fromLatin1(pszName));
        if (file.open(QIODevice::WriteOnly)) file.write(text.toUtf8());
    }

    QString m_dir;
    QProcess m_process;
};

// cups-pdf writes the jobs of a user into PDF in the home folder the user
// database names (not the test's private HOME), a job under its title.
QString CupsPdfFolder()
{
    const passwd* pUser = getpwuid(geteuid());
    return QString::fromLocal8Bit(pUser ? pUser->pw_dir : "/root") + QStringLiteral("/PDF");
}

using PrintThroughCups = PrintFixture;

TEST_F(PrintThroughCups, ResultReportsReachTheQueuesPdf)
{
    if (!HasPoppler()) GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are not installed";
    CupsScheduler cups(m_dir.filePath(QStringLiteral("cups")));
    const QString why = cups.Start();
    if (!why.isEmpty()) GTEST_SKIP() << why.toStdString();
    SetCurrentPrinterName(CupsScheduler::Queue());
    // The CUPS library keeps the first scheduler a process asked; ctest runs each test on its own.
    if (!QPrinterInfo::availablePrinterNames().contains(CupsScheduler::Queue()))
        GTEST_SKIP() << "this process asked another CUPS scheduler before; run the test on its own";
    // A title of this process's own: checkouts run side by side.
    const QString title = QStringLiteral("tavrin-test-%1").arg(QCoreApplication::applicationPid());
    m_pDoc->SetTitle(FromQString(title));
    AnswerPrintDialog([](CPrintRangeDlg* dlg) { SelectLines(dlg, {0, 8}); });
    m_pDoc->OnPrintResult();
    EXPECT_TRUE(m_requests.empty()); // a printer: no file asked for
    QString printed;
    const bool bPrinted = WaitFor([&] {
        const QStringList names =
            QDir(CupsPdfFolder()).entryList({QStringLiteral("*") + title + QStringLiteral("*.pdf")}, QDir::Files);
        if (!names.isEmpty()) printed = CupsPdfFolder() + QLatin1Char('/') + names.first();
        return !names.isEmpty();
    });
    ASSERT_TRUE(bPrinted) << "no PDF from the queue";
    // The backend may still be writing: the cover and three pages of the basic balance table.
    EXPECT_TRUE(WaitFor([&] { return PdfPages(printed) == 4; })) << PdfPages(printed);
    QFile::remove(printed);
}

} // namespace

