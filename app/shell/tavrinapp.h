// The application object: start-up and exit, the settings profile, the print
// resources and the four print lists that every document and view reads.
#pragma once

#include <memory>
#include <vector>
#include <variant>

#include "app/shell/recentfilelist.h"
#include "platform/afxtypes.h"
#include "platform/cmdtarget.h"
#include "platform/cwinapp.h"
#include "result/calc/calcsettings.h"

class CDeleteObArray;
class CHelpWindow;
class CMainFrame;
class CPrintingDlg;
class CTavrinProjectDoc;
class QLockFile;

// Paper codes of the result reports.
constexpr short DMPAPER_A4 = 9;
constexpr short DMPAPER_A4SMALL = 10;
constexpr short DMPAPER_B4 = 12;
constexpr short DMPAPER_B4_ISO = 33;
constexpr short DMORIENT_PORTRAIT = 1;
constexpr short DMORIENT_LANDSCAPE = 2;

// The settings of the program's one printer, applied to it when a job starts.
struct CPrinterMode {
    short dmOrientation = DMORIENT_PORTRAIT;
    short dmPaperSize = DMPAPER_A4;
    short dmScale = 100;
    short dmCopies = 1;
};

// One key of the settings profile and the member it fills.
struct CProfileEntry {
    const char* pszSection;
    CString strKey;
    const char* pszDefault;
    std::variant<CString*, int*, short*, double*> value;
    // Accepted values of a number: the range nMin..nMax, or the listed codes.
    int nMin = 0;
    int nMax = -1;
    std::vector<int> anAllowed = {};
};

class CTavrinApp : public CWinApp, public CCmdTarget {
public:
    static constexpr int kIntvalCount = 20;
    static constexpr int kStrvalCount = 10;

    CTavrinApp();
    ~CTavrinApp() override;

    // Start-up; FALSE ends the program. argv[1..] name a project to open.
    BOOL InitInstance(int argc, char** argv);
    int ExitInstance();
    BOOL OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;

    // FALSE, after the warning, when another copy of the program runs.
    BOOL LockSingleInstance(const CString& strLockDir);
    BOOL HasOpenDocument() const;
    // Opens the project file, or activates its window when it is open; null
    // when the file could not be read.
    CTavrinProjectDoc* OpenDocumentFile(const CString& strPath);
    void OnFileOpen();
    // Opens entry nIndex of the recently used files; an entry that cannot be
    // opened leaves the list.
    void OnOpenRecentFile(int nIndex);
    void AddToRecentFileList(const CString& strPath);
    // A new project from a template, in its basic-conditions window; null when cancelled.
    CTavrinProjectDoc* OnFileNew();
    // The document in its basic-conditions window; deleted when it was not loaded.
    CTavrinProjectDoc* ShowDocument(CTavrinProjectDoc* pDoc, BOOL bLoaded);
    // The current folder for a file dialog: of the tax-rate file (0), of the
    // last project (1) or of the text output (2); the program's data folder
    // when that one is missing.
    void ChangeToDataFolder(int nKind);
    void RestoreFolder();
    void OnAppAbout();
    // Opens a help page given as "tavrinapp.chm::/" + page, or by context help id.
    void ShowHelpTopic(LPCTSTR pszPath);
    // The page of a context help id; 0 or an unknown id shows the contents.
    void ShowHelpContext(UINT nHelpID);
    // The help window, shown.
    CHelpWindow* HelpWindow();

    // Settings profile.
    int LoadProfile();
    int SaveProfile();
    CString GetTaxFileName() const { return m_strTaxFileName; }
    std::vector<CProfileEntry> ProfileEntries();
    // Rounding addend of nDecimals places and rounding mode nFlag; dOld for an unknown mode.
    static double DecimalValFor(int nDecimals, int nFlag, double dOld);

    // Print resources.
    void InitDataPrintFont();
    void InitDataPrintTitleFont();
    void InitDataPrintPen();
    void InitDataPrintFramePen();
    void SetResultPrintFonts(int nPaper);
    void InitResultPrintTitleFont();
    void InitResultPrintPen();
    void InitResultPrintFramePen();
    CSize GetPaperExtent(int nPaper) const;
    void SetPortraitPrinter();
    BOOL CheckPortraitPrinter();
    void SetLandscapePrinter();
    BOOL CheckLandscapePrinter();
    BOOL CreateDataPrintItems();
    BOOL CreateTaxPrintItems();
    BOOL CreateOptionPrintItems();
    BOOL CreateResultPrintItems();
    void DeleteDataPrintItems();
    void DeleteTaxPrintItems();
    void DeleteOptionPrintItems();
    void DeleteResultPrintItems();

    BOOL m_bPrintAbort = TRUE;
    CDeleteObArray* m_pDataPrintItems = nullptr;
    CDeleteObArray* m_pTaxPrintItems = nullptr;
    CDeleteObArray* m_pOptionPrintItems = nullptr;
    CDeleteObArray* m_pResultPrintItems = nullptr;
    CPrintingDlg* m_pPrintingDlg = nullptr;
    int m_nPrintKind = -1;

    // Settings profile.
    CString m_strIniPath;
    CString m_strOfficeName;
    CString m_strTaxFileName;
    int m_nCalcYear = 0;
    int m_nYearFlag = 0;
    CString m_strYearName;
    int m_nYearDiff = 0;
    // 1 once the user has confirmed an era in the settings dialogs.
    int m_nYearChosen = 0;
    int m_nColorFlag = 0;
    tagSETDECIMAL m_objDecimal = {};
    int m_anIntval[kIntvalCount] = {};
    CString m_astrStrval[kStrvalCount];
    CRecentFileList m_recentFileList;

    CString m_strToday;
    int m_nTodayYear = 0;
    int m_nTodayMonth = 0;
    int m_nTodayDay = 0;
    CString m_strDataFileName;
    // TRUE while the project named on the command line opens: it is calculated without asking.
    BOOL m_bOpeningCommandLine = FALSE;
    CString m_strProgramDir;
    CString m_strVersion;

    // Print resources.
    short m_nPaperSize = DMPAPER_B4;
    LOGFONT m_lfDataFont;
    LOGFONT m_lfDataTitleFont;
    LOGPEN m_lpDataPen;
    LOGPEN m_lpDataFramePen;
    LOGFONT m_lfResultFont;
    LOGFONT m_lfResultTitleFont;
    LOGPEN m_lpResultPen;
    LOGPEN m_lpResultFramePen;
    short m_nPrinterPaper = DMPAPER_A4;
    BOOL m_bPortraitChecked = FALSE;
    BOOL m_bLandscapeChecked = FALSE;
    CPrinterMode m_printerMode;

    CMainFrame* m_pMainWnd = nullptr;

private:
    void StoreToday();
    void BuildIniPath();
    CString ProgramIniPath() const;

    std::unique_ptr<QLockFile> m_pInstanceLock;
};

// The program's one application object.
CTavrinApp* GetTavrinApp();
