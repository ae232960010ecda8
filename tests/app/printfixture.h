// Shared pieces of the printing tests: the shipped sample opened and
// calculated in a main window, scripted print dialogs and a device context
// that keeps each printed page.
#pragma once

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/shell/filedialogs.h"
#include "app/shell/mainframe.h"
#include "app/shell/printdlgs.h"
#include "app/shell/printerdc.h"
#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinprojectdoc.h"
#include "platform/codepage.h"
#include "platform/qtstring.h"
#include "platform/recorddc.h"
#include "shelltest.h"

// One printed page: its texts (UTF-8) and the window origins it drew at.
struct CPrintedPage {
    std::vector<std::string> texts;
    std::vector<CPoint> origins;

    bool HasText(const std::string& str) const
    {
        for (const std::string& t : texts)
            if (t.find(str) != std::string::npos) return true;
        return false;
    }
};

// What a job did: its calls in order and its pages.
struct CPrintLog {
    std::vector<std::string> calls;
    std::vector<CPrintedPage> pages;
    // Called after page n (1-based) has ended.
    std::function<void(int)> onPageEnd;
};

// A recording device context that keeps each page in a log.
class CPageRecordDC : public CRecordDC {
public:
    explicit CPageRecordDC(CPrintLog& log) : m_log(log) {}
    int StartDoc(const CString&) override { return Call("StartDoc"); }
    int StartPage() override
    {
        ClearRecords();
        return Call("StartPage");
    }
    int EndPage() override
    {
        CPrintedPage page;
        page.texts = Texts();
        for (const CDrawRecord& r : Records()) page.origins.push_back(r.origin);
        m_log.pages.push_back(page);
        if (m_log.onPageEnd) m_log.onPageEnd(int(m_log.pages.size()));
        return Call("EndPage");
    }
    int EndDoc() override { return Call("EndDoc"); }
    int AbortDoc() override { return Call("AbortDoc"); }

private:
    int Call(const char* psz)
    {
        m_log.calls.push_back(psz);
        return 1;
    }
    CPrintLog& m_log;
};

// Standard output of a tool, or an empty text when it did not run.
inline QString RunTool(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int PdfPages(const QString& path)
{
    const QString info = RunTool(QStringLiteral("pdfinfo"), {path});
    for (const QString& line : info.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Pages:"))) return line.mid(6).trimmed().toInt();
    return -1;
}

inline std::string PdfPageText(const QString& path, int nPage)
{
    const QString page = QString::number(nPage);
    return RunTool(QStringLiteral("pdftotext"), {"-f", page, "-l", page, path, "-"}).toStdString();
}

inline bool HasTool(const char* pszName)
{
    return !QStandardPaths::findExecutable(QString::fromLatin1(pszName)).isEmpty();
}

inline bool HasPoppler()
{
    return HasTool("pdfinfo") && HasTool("pdftotext");
}

// A field of pdfinfo's report.
inline QString PdfInfoField(const QString& path, const QString& field)
{
    for (const QString& line : RunTool(QStringLiteral("pdfinfo"), {path}).split(QLatin1Char('\n')))
        if (line.startsWith(field + QLatin1Char(':'))) return line.mid(field.size() + 1).trimmed();
    return QString();
}

// A file of the program's Data folder, in the sources.
inline CString ShippedFile(const char* pszName)
{
    return CString(TAV_SOURCE_DIR "/res/Data/") + pszName;
}

// Runs fn on the next print-settings dialog once it is shown, then presses its OK.
inline void AnswerPrintDialog(std::function<void(CPrintRangeDlg*)> fn)
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, fn] {
        auto* dlg = dynamic_cast<CPrintRangeDlg*>(QApplication::activeModalWidget());
        if (!dlg || !dlg->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        if (fn) fn(dlg);
        dlg->OnOK();
    });
    timer->start(0);
}

// Selects lines of the dialog's page list and switches it to "ページ指定して印刷".
inline void SelectLines(CPrintRangeDlg* pDlg, std::initializer_list<int> lines)
{
    pDlg->SelectRange(IDC_PRINT_SELECTED);
    for (int n : lines) pDlg->PageList()->item(n)->setSelected(true);
}

// The shipped sample with its table, opened in a main window and calculated
// for 30 years; printer files and the profile go to a scratch folder.
class PrintFixture : public ::testing::Test {
protected:
    static constexpr int kYears = 30;

    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        // A home of the test's own: nothing lands in the user's folders.
        m_savedHome = qgetenv("HOME");
        qputenv("HOME", m_dir.path().toLocal8Bit());
        m_app.m_strIniPath = FromQString(m_dir.filePath(QStringLiteral("tavrin.ini")));
        m_app.m_pMainWnd = &m_frame;
        m_app.m_nCalcYear = kYears;
        m_app.m_objDecimal = tagSETDECIMAL{0, 0.5, 0, 0};
        // Copies: the file library locks what it reads, and tests run side by side.
        m_app.m_strTaxFileName = CopyShipped("標準税率.tax");
        m_app.m_nTodayYear = 2024;
        m_app.m_nTodayMonth = 4;
        m_app.m_nTodayDay = 1;
        m_app.InitDataPrintFont();
        m_app.InitDataPrintTitleFont();
        m_app.SetResultPrintFonts(-1);
        m_app.InitResultPrintTitleFont();
        m_app.InitDataPrintPen();
        m_app.InitDataPrintFramePen();
        m_app.InitResultPrintPen();
        m_app.InitResultPrintFramePen();
        m_previousDialog = SetFileDialogHandler([this](const CFileDialogRequest& request, CString& strPath) {
            m_requests.push_back(request);
            strPath = m_strDialogPath;
            return BOOL(!m_strDialogPath.IsEmpty());
        });
        m_boxes.m_answers = {IDNO}; // no calculation while opening
        m_pDoc = m_app.OpenDocumentFile(CopyShipped("TEST.prj"));
        ASSERT_NE(m_pDoc, nullptr);
        m_pDoc->OnCalcStart();
        ASSERT_NE(m_pDoc->m_nCalcResult, 0);
        m_boxes.m_shown.clear();
    }

    void TearDown() override
    {
        qputenv("HOME", m_savedHome);
        SetPrinterDCFactory(nullptr);
        SetFileDialogHandler(m_previousDialog);
        m_boxes.m_answers = {IDNO}; // the project is not saved
        m_frame.OnClose();
        EXPECT_TRUE(CTavrinProjectDoc::Documents().empty());
    }

    // Print jobs draw on recording device contexts into m_log.
    void RecordJobs()
    {
        SetPrinterDCFactory([this](const CString&) { return std::make_unique<CPageRecordDC>(m_log); });
    }

    // A file of the Data folder copied into the scratch folder.
    CString CopyShipped(const char* pszName) const
    {
        const QString copy = m_dir.filePath(ToQString(pszName));
        QFile::copy(ToQString(ShippedFile(pszName)), copy);
        return FromQString(copy);
    }

    // A path in the scratch folder.
    QString FilePath(const char* pszName) const { return m_dir.filePath(QString::fromUtf8(pszName)); }

    QTemporaryDir m_dir;
    QByteArray m_savedHome;
    ScriptedMessageBoxes m_boxes;
    CTavrinApp m_app;
    CMainFrame m_frame;
    CTavrinProjectDoc* m_pDoc = nullptr;
    CPrintLog m_log;
    CString m_strDialogPath;
    std::vector<CFileDialogRequest> m_requests;
    FileDialogHandler m_previousDialog;
};
