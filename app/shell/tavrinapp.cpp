#include "app/shell/tavrinapp.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include "app/shell/aboutdlg.h"
#include "app/shell/commandids.h"
#include "app/shell/filedialogs.h"
#include "app/shell/helptopics.h"
#include "app/shell/helpwindow.h"
#include "app/shell/mainframe.h"
#include "app/shell/splashwnd.h"
#include "app/shell/tavrinprojectdoc.h"
#include "platform/msgbox.h"
#include "platform/qtstring.h"
#include "result/pages/resultobject.h"

namespace {

CTavrinApp*& CurrentApp()
{
    static CTavrinApp* pApp = nullptr;
    return pApp;
}

const char kLockName[] = "TavrinV8.lock";
const char kHelpFolder[] = "help";

} // namespace

CTavrinApp* GetTavrinApp()
{
    return CurrentApp();
}

CTavrinApp::CTavrinApp() : CWinApp("Tavrin V8"), m_strVersion("08.01.07")
{
    CurrentApp() = this;
}

CTavrinApp::~CTavrinApp()
{
    DeleteDataPrintItems();
    DeleteTaxPrintItems();
    DeleteOptionPrintItems();
    DeleteResultPrintItems();
    if (CurrentApp() == this) CurrentApp() = nullptr;
}

BOOL CTavrinApp::LockSingleInstance(const CString& strLockDir)
{
    QDir().mkpath(ToQString(strLockDir));
    auto lock = std::make_unique<QLockFile>(ToQString(strLockDir) + QLatin1Char('/') + QLatin1String(kLockName));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        MessageBoxWithCaption("タブリンはすでに起動しています。", "注　意", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    m_pInstanceLock = std::move(lock);
    return TRUE;
}

void CTavrinApp::StoreToday()
{
    const QDate today = QDate::currentDate();
    m_nTodayYear = today.year();
    m_nTodayMonth = today.month();
    m_nTodayDay = today.day();
    m_strToday.Format("%d", m_nTodayYear * 10000 + m_nTodayMonth * 100 + m_nTodayDay);
}

BOOL CTavrinApp::InitInstance(int argc, char** argv)
{
    CSplashWnd::EnableSplashScreen(TRUE);
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!LockSingleInstance(FromQString(runtime.isEmpty() ? QDir::tempPath() : runtime))) return FALSE;
    m_strProgramDir = FromQString(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    // A project named on the command line (one path; spaces stay part of it),
    // taken before the program folder becomes the working folder, in which
    // the profile's relative names are found.
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const QString strCommandFile = args.isEmpty() ? QString() : QFileInfo(args.join(QLatin1Char(' '))).absoluteFilePath();
    RestoreFolder();
    StoreToday();
    LoadProfile();
    InitDataPrintFont();
    InitDataPrintTitleFont();
    SetResultPrintFonts(-1);
    InitResultPrintTitleFont();
    InitDataPrintPen();
    InitDataPrintFramePen();
    InitResultPrintPen();
    InitResultPrintFramePen();

    m_pMainWnd = new CMainFrame;
    m_pMainWnd->showMaximized();

    if (!strCommandFile.isEmpty()) {
        m_strDataFileName = FromQString(strCommandFile);
        m_bOpeningCommandLine = TRUE;
        OpenDocumentFile(m_strDataFileName);
        m_bOpeningCommandLine = FALSE;
    }
    return TRUE;
}

CTavrinProjectDoc* CTavrinApp::OpenDocumentFile(const CString& strPath)
{
    const QString path = QFileInfo(ToQString(strPath)).absoluteFilePath();
    for (CTavrinProjectDoc* pDoc : CTavrinProjectDoc::Documents()) {
        if (pDoc->GetPathName().IsEmpty() || QFileInfo(ToQString(pDoc->GetPathName())).absoluteFilePath() != path)
            continue;
        pDoc->ActivateFirstFrame();
        AddToRecentFileList(strPath);
        return pDoc;
    }
    auto* pDoc = new CTavrinProjectDoc;
    if (!ShowDocument(pDoc, pDoc->OnOpenDocument(strPath))) return nullptr;
    AddToRecentFileList(strPath);
    return pDoc;
}

void CTavrinApp::AddToRecentFileList(const CString& strPath)
{
    m_recentFileList.Add(strPath);
}

void CTavrinApp::OnOpenRecentFile(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_recentFileList.GetSize()) return;
    const CString strPath = m_recentFileList[nIndex];
    m_strDataFileName = strPath;
    if (!OpenDocumentFile(strPath)) m_recentFileList.Remove(nIndex);
}

CTavrinProjectDoc* CTavrinApp::ShowDocument(CTavrinProjectDoc* pDoc, BOOL bLoaded)
{
    if (!bLoaded) {
        delete pDoc;
        return nullptr;
    }
    if (m_pMainWnd) m_pMainWnd->OpenBasicConditions(pDoc);
    return pDoc;
}

void CTavrinApp::OnFileOpen()
{
    ChangeToDataFolder(1);
    CString strPath;
    const BOOL bChosen = RunFileDialog(OpenProjectRequest(), strPath);
    RestoreFolder();
    if (!bChosen) return;
    m_strDataFileName = strPath;
    OpenDocumentFile(strPath);
}

CTavrinProjectDoc* CTavrinApp::OnFileNew()
{
    auto* pDoc = new CTavrinProjectDoc;
    return ShowDocument(pDoc, pDoc->OnNewDocument());
}

void CTavrinApp::ChangeToDataFolder(int nKind)
{
    const CString strFile = nKind == 0 ? m_strTaxFileName : nKind == 1 ? m_strDataFileName : CString();
    const QString folder = QFileInfo(ToQString(strFile)).absolutePath();
    if (!strFile.IsEmpty() && QDir::setCurrent(folder)) return;
    QDir::setCurrent(ToQString(m_strProgramDir) + QStringLiteral("Data"));
}

void CTavrinApp::RestoreFolder()
{
    QDir::setCurrent(ToQString(m_strProgramDir));
}

int CTavrinApp::ExitInstance()
{
    SaveProfile();
    delete m_pMainWnd;
    m_pMainWnd = nullptr;
    DeleteDataPrintItems();
    DeleteTaxPrintItems();
    DeleteOptionPrintItems();
    DeleteResultPrintItems();
    return 0;
}

BOOL CTavrinApp::HasOpenDocument() const
{
    return !CTavrinProjectDoc::Documents().isEmpty();
}

BOOL CTavrinApp::OnCmdMsg(UINT nID, CCmdUI* pCmdUI)
{
    switch (nID) {
    case ID_FILE_NEW:
        if (!pCmdUI) OnFileNew();
        return TRUE;
    case ID_FILE_OPEN:
        if (!pCmdUI) OnFileOpen();
        return TRUE;
    case ID_APP_ABOUT:
        if (!pCmdUI) OnAppAbout();
        return TRUE;
    case ID_APP_EXIT:
        if (!pCmdUI && m_pMainWnd) m_pMainWnd->close();
        return TRUE;
    case ID_HELP_CONTENTS:
        if (!pCmdUI) ShowHelpContext(0);
        return TRUE;
    case ID_HELP_SEARCH:
        if (!pCmdUI) HelpWindow()->StartSearch();
        return TRUE;
    case ID_HELP_NOTHING:
        return TRUE;
    default:
        break;
    }
    const int nRecent = int(nID) - int(ID_FILE_MRU_FILE1);
    if (nRecent < 0 || nRecent >= CRecentFileList::kSize) return FALSE;
    if (pCmdUI)
        pCmdUI->Enable(nRecent < m_recentFileList.GetSize());
    else
        OnOpenRecentFile(nRecent);
    return TRUE;
}

void CTavrinApp::OnAppAbout()
{
    CAboutDlg(m_strVersion, m_pMainWnd).exec();
}

CHelpWindow* CTavrinApp::HelpWindow()
{
    return CHelpWindow::Open(ToQString(m_strProgramDir) + QLatin1String(kHelpFolder), m_pMainWnd);
}

void CTavrinApp::ShowHelpTopic(LPCTSTR pszPath)
{
    HelpWindow()->ShowPage(ToQString(HelpPageOfPath(pszPath)));
}

void CTavrinApp::ShowHelpContext(UINT nHelpID)
{
    ShowHelpTopic(HelpPageOfContext(nHelpID));
}
