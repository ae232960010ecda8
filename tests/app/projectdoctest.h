// The project-document fixture: the worked example written to a scratch
// folder, opened into a document whose tax-rate table and calculation steps
// the test controls, with scripted message boxes and file dialogs.
#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QDeadlineTimer>
#include <QTimer>
#include <QApplication>
#include <QTest>
#include "waitfor.h"
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/shell/calcprogressdlg.h"
#include "app/shell/commandids.h"
#include "app/shell/filedialogs.h"
#include "app/shell/mainframe.h"
#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinformparentframe.h"
#include "app/shell/tavrinprojectdoc.h"
#include "file/filedata.h"
#include "platform/cfile.h"
#include "platform/qtstring.h"
#include "result/calc/yearbalance.h"
#include "shelltest.h"
#include "tests/result/exampleproject.h"

// Square metres per tsubo of the tables ExampleDoc reads; 0 leaves the example's.
inline double g_dTableFactor = 0.0;

// A project that reads the worked example's tax-rate table and can fail or
// be cancelled at one step of the calculation.
class ExampleDoc : public CTavrinProjectDoc {
public:
    BOOL LoadTaxFile(const CString&) override
    {
        SetTaxTable(m_objTaxClass);
        if (g_dTableFactor != 0.0) m_objTaxClass.m_pTaxBusinessPlace->m_dSquareMeterPerTsubo = g_dTableFactor;
        return TRUE;
    }
    BOOL RunCalcStep(int nStep) override
    {
        m_steps.push_back(nStep);
        if (m_onStep) m_onStep(nStep);
        if (nStep == m_nFailStep) {
            m_objCalc.m_nMessageID = CALC_NO_REPAY_YEARS;
            return FALSE;
        }
        return CTavrinProjectDoc::RunCalcStep(nStep);
    }
    int m_nFailStep = -1;
    std::function<void(int)> m_onStep;
    std::vector<int> m_steps;
};

// A literal of the sources (code page 932) in UTF-8, as the message boxes are recorded.
inline std::string Utf8(const char* psz)
{
    return CP932ToUtf8(CString(psz));
}

// A file of the program's Data folder, in the sources.
inline CString ShippedFile(const char* pszName)
{
    return CString(TAV_SOURCE_DIR "/res/Data/") + pszName;
}

// A view that counts how often it was reloaded from the records, and how
// often only its tax-rate file name.
class ReloadCountingView : public CTavrinFormParentView {
public:
    void ReloadData() override { ++m_nReloads; }
    void ReloadTaxFileName() override { ++m_nFileNameReloads; }
    int m_nReloads = 0;
    int m_nFileNameReloads = 0;
};

// A form window of the project with a counting view.
class ReloadCountingFrame : public CTavrinFormParentFrame {
public:
    ReloadCountingFrame(CTavrinProjectDoc* pDoc, UINT nCommandID) : CTavrinFormParentFrame(pDoc)
    {
        m_nCommandID = int(nCommandID);
        SetView(m_pCounting = new ReloadCountingView);
    }
    int Reloads() const { return m_pCounting->m_nReloads; }
    int FileNameReloads() const { return m_pCounting->m_nFileNameReloads; }

private:
    ReloadCountingView* m_pCounting;
};

// Runs act on the next modal dialog of type Dialog once it is on the screen
// and active, so that its initial focus has arrived; a dialog still not active
// at the ceiling is acted on as it is, one that never came is left.
template <class Dialog>
void WhenShown(std::function<void(Dialog*)> act, QDeadlineTimer ceiling = QDeadlineTimer(kWaitCeilingMs))
{
    QTimer::singleShot(10, [act, ceiling] {
        auto* dlg = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
        if (dlg && (dlg->isActiveWindow() || ceiling.hasExpired()))
            act(dlg);
        else if (!ceiling.hasExpired())
            WhenShown<Dialog>(act, ceiling);
    });
}

inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ProjectDocTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_app.m_pMainWnd = &m_frame;
        m_app.m_nCalcYear = kExampleYears;
        m_app.m_objDecimal = tagSETDECIMAL{0, 0.5, 0, 0};
        m_app.m_strTaxFileName = "標準税率.tax";
        m_previousDialog = SetFileDialogHandler([this](const CFileDialogRequest& request, CString& strPath) {
            m_requests.push_back(request);
            strPath = m_strDialogPath;
            return BOOL(!m_strDialogPath.IsEmpty());
        });
        ASSERT_TRUE(m_example.IsCreated());
        BuildExampleProject(m_example);
        m_strPath = Path("example.PRJ");
        CFileDataClass file;
        ASSERT_TRUE(file.WriteProject(CFileDataClass::kKindProject, m_strPath, &m_example.m_data, &m_example.m_option));
    }
    void TearDown() override
    {
        CFile::InjectFault(0);
        g_dTableFactor = 0.0;
        SetFileDialogHandler(m_previousDialog);
        while (!CTavrinProjectDoc::Documents().isEmpty()) delete CTavrinProjectDoc::Documents().first();
        m_app.m_pMainWnd = nullptr;
    }
    CString Path(const char* pszName) const { return FromQString(m_dir.filePath(QString::fromLatin1(pszName))); }
    static void Pump() { ::Pump(); }
    // A cancelled run shows nothing; a failing one the engine's message.
    void ExpectRunMessage(bool bCancelled) const
    {
        if (bCancelled) {
            EXPECT_TRUE(m_boxes.m_texts.empty());
            return;
        }
        ASSERT_EQ(m_boxes.m_texts.size(), 1u);
        CString expected;
        expected.LoadString(CALC_NO_REPAY_YEARS);
        EXPECT_EQ(m_boxes.m_texts[0], expected);
    }
    // The example opened into an ExampleDoc, the calculation not offered.
    ExampleDoc* OpenExample(const CString& strPath)
    {
        auto* doc = new ExampleDoc;
        m_boxes.m_answers.push_back(IDNO);
        if (!doc->OnOpenDocument(strPath)) {
            delete doc;
            return nullptr;
        }
        m_frame.OpenBasicConditions(doc);
        return doc;
    }

    CTavrinApp m_app;
    CMainFrame m_frame;
    ScriptedMessageBoxes m_boxes;
    QTemporaryDir m_dir;
    CProjectInMemory m_example;
    CString m_strPath;
    CString m_strDialogPath;
    std::vector<CFileDialogRequest> m_requests;
    FileDialogHandler m_previousDialog;
};

