// The project's print commands, their page routines, the print date and the
// text output.
#include <QApplication>
#include <QTemporaryFile>
#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <new>

#include "app/common/numbertext.h"
#include "app/shell/commandids.h"
#include "app/data/dataparentframe.h"
#include "app/shell/filedialogs.h"
#include "app/shell/mainframe.h"
#include "app/shell/printdlgs.h"
#include "app/shell/printerdc.h"
#include "app/shell/resultprintdlg.h"
#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinprojectdoc.h"
#include "app/shell/textoutputdlg.h"
#include "app/shell/windowcommands.h"
#include "data/dataheader.h"
#include "file/filedata.h"
#include "file/filestore.h"
#include "option/optionheader.h"
#include "platform/cfile.h"
#include "platform/eradate.h"
#include "platform/msgbox.h"
#include "platform/resource.h"
#include "platform/qtstring.h"
#include "result/pages/resultheader.h"
#include "result/pages/resultprint.h"
#include "result/pages/resulttitle.h"
#include "result/pages/tavresult.h"
#include "tax/taxheader.h"

namespace {

constexpr UINT IDS_JOIN = 165;
constexpr UINT IDS_BLANK_SHEETS = 50;
constexpr UINT IDS_DATA_FOLDER = 6500;
constexpr UINT IDS_FIRST_DATA_PAGE = 40000;
constexpr UINT IDS_FIRST_TAX_PAGE = 40100;
constexpr UINT IDS_FIRST_OPTION_PAGE = 40200;
constexpr UINT IDS_FIRST_REPORT = 1515;
constexpr int kCoverReport = 100;
constexpr int kYearsPerPage = 10;
constexpr UINT IDP_TEXT_OUTPUT_FAILED = 16111;

// The sheets of a print list: one record and its pages per row, in list order.
template <class TRecord>
struct SheetRows {
    TRecord* pRecord;
    int nPages;
};

template <class TItem, class TRecord>
void FillSheetList(CObArray& list, UINT nFirstID, std::initializer_list<SheetRows<TRecord>> rows)
{
    UINT nID = nFirstID;
    for (const auto& row : rows)
        for (int nPage = 1; nPage <= row.nPages; ++nPage)
            if (auto* pItem = new (std::nothrow) TItem(row.pRecord, LoadText(nID++), nPage)) list.Add(pItem);
}

// A family of sheets: its print kind and the application's list of it.
struct SheetFamily {
    int nKind;
    CDeleteObArray* CTavrinApp::*pList;
    BOOL (CTavrinApp::*pfnCreate)();
    void (CTavrinApp::*pfnDelete)();
};
const SheetFamily kDataFamily = {0, &CTavrinApp::m_pDataPrintItems, &CTavrinApp::CreateDataPrintItems,
                                 &CTavrinApp::DeleteDataPrintItems};
const SheetFamily kTaxFamily = {2, &CTavrinApp::m_pTaxPrintItems, &CTavrinApp::CreateTaxPrintItems,
                                &CTavrinApp::DeleteTaxPrintItems};
const SheetFamily kOptionFamily = {3, &CTavrinApp::m_pOptionPrintItems, &CTavrinApp::CreateOptionPrintItems,
                                   &CTavrinApp::DeleteOptionPrintItems};

// Makes the family's list, fills it and prints it on portrait paper through
// the project's data view. The list stays for the next job unless it was cancelled.
void PrintSheetFamily(CDataParentView* pView, const SheetFamily& family, const std::function<void(CObArray&)>& fill)
{
    CTavrinApp* pApp = GetTavrinApp();
    if (!pApp || !pView) return;
    pApp->m_nPrintKind = family.nKind;
    if (!(pApp->*family.pfnCreate)()) return;
    fill(*(pApp->*family.pList));
    pApp->SetPortraitPrinter();
    if (!pView->PrintWithSettings()) (pApp->*family.pfnDelete)();
}

// The input-data sheets of the records in print-list order.
void FillDataSheets(CObArray& list, const CDataClassObject& d)
{
    FillSheetList<CDataPrintItem, CDataClass>(list, IDS_FIRST_DATA_PAGE,
                                              {{d.m_pDataBasic, 1}, {d.m_pDataOutline, 1}, {d.m_pDataExpense, 2},
                                               {d.m_pDataExpenseOther, 2}, {d.m_pDataTax, 2},
                                               {d.m_pDataSupply, 4}, {d.m_pDataCost, 2}});
    // Rental basics: one page per category, titled with its name.
    const CString dash = LoadText(161);
    for (int k = 0; k < CDataClassObject::kRentalCategories; ++k) {
        CDataRentalBasicClass* pRecord = d.m_apDataRentalBasic[k];
        const CString name =
            LoadText(IDS_FIRST_DATA_PAGE + 14 + UINT(k)) + dash + (pRecord ? pRecord->m_strName : CString());
        if (auto* pItem = new (std::nothrow) CDataPrintItem(pRecord, name, 1)) list.Add(pItem);
    }
    FillSheetList<CDataPrintItem, CDataClass>(
        list, IDS_FIRST_DATA_PAGE + 22, {{d.m_pDataRentalType, 5}, {d.m_pDataProRestOther, 2}, {d.m_pDataRestOther, 2}});
}

// The report list: report number and multi-year flag of each title.
struct ReportRow {
    int nReportNo;
    BOOL bMultiYear;
};
constexpr ReportRow kReports[] = {
    {kCoverReport, FALSE}, {0, FALSE},  {1, FALSE},  {2, FALSE}, {3, FALSE},  {4, FALSE},  {5, FALSE},  {6, FALSE},
    {7, TRUE},             {8, TRUE},   {9, TRUE},   {10, TRUE}, {13, FALSE}, {14, FALSE}, {15, FALSE}, {16, TRUE},
};

// How a sheet list is printed: entries per page in list order; the first
// page also holds the memo, and the origin moves down by the offsets before
// the memo and before each of its entries.
struct SheetJob {
    std::vector<int> groups;
    std::vector<int> memoOffsets;
    // Input data: with entry 0 not ticked, entry 1 prints on a page of its own.
    bool bSplitFirst = false;
};

const SheetJob kDataJob = {{2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
                           {2400, 6000, 5200},
                           true};
const SheetJob kTaxJob = {{2, 1, 5, 3, 3, 2}, {2400, 6000, 7000}};
const SheetJob kOptionJob = {{1, 1, 2, 3, 1}, {2400, 6000}};

const CPoint kHeaderOrigin(-1000, 1000);
const CPoint kSheetOrigin(-1000, 3000);

// The print-setting setters of a drawing library.
struct PrintSetters {
    void (*pfnFont)(LOGFONT*);
    void (*pfnTitleFont)(LOGFONT*);
    void (*pfnPen)(LOGPEN*);
    void (*pfnFramePen)(LOGPEN*);
};
const PrintSetters kSheetLibraries[] = {
    {SetDataPrintFont, SetDataPrintTitleFont, SetDataPrintPen, SetDataPrintFramePen},
    {SetTaxPrintFont, SetTaxPrintTitleFont, SetTaxPrintPen, SetTaxPrintFramePen},
    {SetOptionPrintFont, SetOptionPrintTitleFont, SetOptionPrintPen, SetOptionPrintFramePen},
};
const PrintSetters kResultLibrary = {SetResultPrintFont, SetResultPrintTitleFont, SetResultPrintPen,
                                     SetResultPrintFramePen};

// The library gets copies of the fonts and pens.
void PassPrintSettings(const PrintSetters& lib, LOGFONT font, LOGFONT titleFont, LOGPEN pen, LOGPEN framePen)
{
    lib.pfnFont(&font);
    lib.pfnTitleFont(&titleFont);
    lib.pfnPen(&pen);
    lib.pfnFramePen(&framePen);
}

// The application's data fonts and pens serve the sheets of all three record libraries.
void PassSheetFonts(const CTavrinApp& app)
{
    for (const PrintSetters& lib : kSheetLibraries)
        PassPrintSettings(lib, app.m_lfDataFont, app.m_lfDataTitleFont, app.m_lpDataPen, app.m_lpDataFramePen);
}

void PassResultFonts(const CTavrinApp& app)
{
    PassPrintSettings(kResultLibrary, app.m_lfResultFont, app.m_lfResultTitleFont, app.m_lpResultPen,
                      app.m_lpResultFramePen);
}

// One of the application's print lists, or null.
const CObArray* AppPrintList(CDeleteObArray* CTavrinApp::*pList)
{
    const CTavrinApp* pApp = GetTavrinApp();
    return pApp ? pApp->*pList : nullptr;
}

CString ProjectName(const CTavrinProjectDoc& doc)
{
    const CDataBasicClass* pBasic = doc.GetDataBasic();
    return pBasic ? pBasic->strProjectName : CString();
}

// The printing dialog shows the page being printed.
void ShowProgress(const CString& strTitle, int nPage)
{
    const CTavrinApp* pApp = GetTavrinApp();
    if (!pApp || !pApp->m_pPrintingDlg) return;
    pApp->m_pPrintingDlg->SetDataName(strTitle);
    pApp->m_pPrintingDlg->SetPageNumber(nPage);
}

// FALSE when the page could not be ended or the job is to stop.
BOOL EndPrintedPage(CDC* pDC)
{
    return pDC->EndPage() >= 0 && PrintAbortProc(pDC, 0);
}

// Ends the job as it went and gives the device context its state back.
void EndJob(CDC* pDC, BOOL bAbort, int nSaved)
{
    if (bAbort)
        pDC->AbortDoc();
    else
        pDC->EndDoc();
    pDC->RestoreDC(nSaved);
}

// The pages of a sheet job: the entries of each page that prints (its first entry ticked).
template <class TItem>
std::vector<std::vector<TItem*>> SheetPages(const CObArray& list, const SheetJob& job, bool& bMemoPage)
{
    std::vector<int> groups = job.groups;
    const TItem* pFirst = PrintItemAt<TItem>(&list, 0);
    if (job.bSplitFirst && pFirst && !pFirst->m_bPrint && groups[0] > 1) {
        groups.insert(groups.begin() + 1, size_t(groups[0] - 1), 1);
        groups[0] = 1;
    }
    std::vector<std::vector<TItem*>> pages;
    int nEntry = 0;
    for (size_t g = 0; g < groups.size(); ++g) {
        std::vector<TItem*> page;
        for (int i = 0; i < groups[g]; ++i)
            if (TItem* pItem = PrintItemAt<TItem>(&list, nEntry++)) page.push_back(pItem);
        if (g == 0) bMemoPage = groups[0] == job.groups[0] && !page.empty() && page[0]->m_bPrint;
        if (!page.empty() && page[0]->m_bPrint) pages.push_back(std::move(page));
    }
    return pages;
}

// Prints the ticked pages of a sheet list, once per copy, with the page
// header above; the first page of the list carries the memo block.
template <class TItem, class TMemo, class THeader>
void PrintSheetList(CDC* pDC, const CObArray* pList, const SheetJob& job, THeader* pHeader, int nCopies,
                    const CString& strDate, const CString& strProject)
{
    const CTavrinApp* pApp = GetTavrinApp();
    const int nSaved = pDC->SaveDC();
    if (pApp) PassSheetFonts(*pApp);
    pDC->SetMapMode(MM_HIMETRIC);
    pDC->SetBkMode(TRANSPARENT);
    if (nCopies < 1 || !pList || !pHeader) {
        EndJob(pDC, FALSE, nSaved);
        return;
    }
    bool bMemoPage = false;
    const auto pages = SheetPages<TItem>(*pList, job, bMemoPage);
    const CString join = LoadText(IDS_JOIN);
    BOOL bAbort = FALSE;
    for (int nCopy = 1; nCopy <= nCopies && !bAbort; ++nCopy) {
        int nPageNo = 1;
        for (size_t p = 0; p < pages.size() && !bAbort; ++p) {
            const std::vector<TItem*>& entries = pages[p];
            CString title;
            for (size_t i = 0; i < entries.size(); ++i) title += (i ? join : CString()) + entries[i]->GetTitle();
            ShowProgress(title, nPageNo);
            if (pDC->StartPage() < 0) {
                bAbort = TRUE;
                break;
            }
            pDC->SetWindowOrg(kHeaderOrigin);
            pHeader->SetDate(strDate);
            pHeader->SetProjectName(strProject);
            pHeader->SetDataName(title);
            pHeader->ReportDraw(pDC);
            const bool bMemo = p == 0 && bMemoPage;
            CPoint origin = bMemo ? kHeaderOrigin : kSheetOrigin;
            if (bMemo) {
                origin.y += job.memoOffsets[0];
                pDC->SetWindowOrg(origin);
                TMemo memo;
                memo.CreatePrintArray(1);
                memo.ReportDraw(pDC);
            }
            pDC->SetWindowOrg(origin);
            for (size_t i = 0; i < entries.size(); ++i) {
                if (bMemo && i + 1 < job.memoOffsets.size()) {
                    origin.y += job.memoOffsets[i + 1];
                    pDC->SetWindowOrg(origin);
                }
                if (!entries[i]->m_pRecord) continue;
                entries[i]->m_pRecord->m_nPage = entries[i]->m_nPage;
                entries[i]->m_pRecord->ReportDraw(pDC);
            }
            bAbort = !EndPrintedPage(pDC);
            ++nPageNo;
        }
    }
    EndJob(pDC, bAbort, nSaved);
}

// The title of a yearly table's page: "（工事期間～１０年）" or "（１１年～２０年）".
CString YearRangeTitle(const CString& strTitle, int nFrom, int nTo)
{
    const int nLast = std::min(nTo, nFrom + (nFrom == 0 ? kYearsPerPage : kYearsPerPage - 1));
    const CString from = nFrom == 0 ? CString("工事期間") : NumberToFullWidth(nFrom) + "年";
    return strTitle + "（" + from + "～" + NumberToFullWidth(nLast) + "年" + "）";
}

// The year columns of one page from nFrom on; the first year of the next page.
int SetYearColumns(CTavResultClass& result, int nFrom, int nTo)
{
    if (nFrom == 0) {
        result.m_anYear[0] = 0;
        nFrom = 1;
    } else {
        result.m_anYear[0] = -1;
    }
    for (int i = 1; i <= kYearsPerPage; ++i) {
        const int nYear = nFrom + i - 1;
        result.m_anYear[i] = nYear <= nTo ? nYear : -1;
    }
    return nFrom + kYearsPerPage;
}

} // namespace

void CTavrinProjectDoc::InitPrintData()
{
    m_pDataHeader = nullptr;
    m_pTaxHeader = nullptr;
    m_pOptionHeader = nullptr;
    m_strPrintDate.Empty();
    m_nPrintCopies = 0;
    m_objPrintSetting = tagPRINTSETTING{};
    const CTavrinApp* pApp = GetTavrinApp();
    if (!pApp) return;
    m_objPrintSetting.nYearFlag = pApp->m_nYearFlag;
    m_objPrintSetting.strYearName = pApp->m_strYearName;
    m_objPrintSetting.nYearDiff = pApp->m_nYearDiff;
    SetPrintDate(pApp->m_nTodayYear, pApp->m_nTodayMonth, pApp->m_nTodayDay);
}

BOOL CTavrinProjectDoc::CreatePrintHeaders()
{
    m_pDataHeader = new (std::nothrow) CDataHeaderClass;
    if (!m_pDataHeader) return FALSE;
    m_pDataHeader->CreatePrintArray(1);
    m_pTaxHeader = new (std::nothrow) CTaxHeaderClass;
    if (!m_pTaxHeader) return FALSE;
    m_pTaxHeader->CreatePrintArray(1);
    m_pOptionHeader = new (std::nothrow) COptionHeaderClass;
    if (!m_pOptionHeader) return FALSE;
    m_pOptionHeader->CreatePrintArray(1);
    return TRUE;
}

void CTavrinProjectDoc::DeletePrintHeaders()
{
    delete m_pDataHeader;
    delete m_pTaxHeader;
    delete m_pOptionHeader;
    m_pDataHeader = nullptr;
    m_pTaxHeader = nullptr;
    m_pOptionHeader = nullptr;
}

void CTavrinProjectDoc::SetPrintDate(int nYear, int nMonth, int nDay)
{
    m_objPrintSetting.nYear = nYear;
    m_objPrintSetting.nMonth = nMonth;
    m_objPrintSetting.nDay = nDay;
    if (m_objPrintSetting.nYearFlag == 1) {
        const CEraYear era = EraYearOfDate(m_objPrintSetting.strYearName, m_objPrintSetting.nYearDiff, nYear, nMonth, nDay);
        m_strPrintDate = era.strName + FormatDateFullWidth(era.nYear, nMonth, nDay);
    } else {
        m_strPrintDate = FormatDateFullWidth(nYear, nMonth, nDay);
    }
}

BOOL CTavrinProjectDoc::OnPrintCmdMsg(UINT nID, CCmdUI* pCmdUI)
{
    BOOL bEnabled = !IsCalculating();
    switch (nID) {
    case ID_PRINT_DATA:
    case ID_PRINT_TAX_DATA:
    case ID_PRINT_OPTION:
    case ID_PRINT_TAX:
    case ID_FILE_PRINT_SETUP: break;
    case ID_PRINT_RESULT:
    case ID_FILE_PRINT:
    case ID_TEXT_OUTPUT: bEnabled = bEnabled && m_nCalcResult != 0; break;
    default: return FALSE;
    }
    if (pCmdUI) {
        pCmdUI->Enable(bEnabled);
        return TRUE;
    }
    if (!bEnabled) return TRUE;
    switch (nID) {
    case ID_PRINT_DATA: OnPrintData(); break;
    case ID_PRINT_TAX_DATA: OnPrintTax(); break;
    case ID_PRINT_OPTION: OnPrintOption(); break;
    case ID_PRINT_TAX: OnPrintReport(); break;
    case ID_FILE_PRINT_SETUP: OnFilePrintSetup(); break;
    case ID_TEXT_OUTPUT: OnTextFileOutput(); break;
    default: OnPrintResult(); break;
    }
    return TRUE;
}

void CTavrinProjectDoc::OnPrintReport()
{
    CTavrinApp* pApp = GetTavrinApp();
    CMainFrame* pMain = pApp ? pApp->m_pMainWnd : nullptr;
    QWidget* pActive = pMain ? pMain->MDIGetActive() : nullptr;
    if (!pActive) return;
    UINT nCommand = 0;
    if (const auto* pForm = dynamic_cast<const CTavrinFormParentFrame*>(pActive)) {
        const int nID = pForm->m_nCommandID;
        if (dynamic_cast<const CDataParentFrame*>(pForm))
            nCommand = ID_PRINT_DATA;
        else if (nID >= 20200 && nID <= 20213)
            nCommand = ID_PRINT_TAX_DATA;
        else if (nID >= 20300 && nID <= 20306)
            nCommand = ID_PRINT_OPTION;
    } else if (FromFrame(pActive)) {
        nCommand = ID_PRINT_RESULT; // a project's only other windows show its reports
    }
    if (nCommand) pMain->PostCommand(nCommand);
}

CDataParentView* CTavrinProjectDoc::FindDataView() const
{
    for (const QPointer<QWidget>& frame : m_frames)
        if (auto* pFrame = dynamic_cast<CDataParentFrame*>(frame.data()))
            if (auto* pView = dynamic_cast<CDataParentView*>(pFrame->GetActiveView())) return pView;
    return nullptr;
}

void CTavrinProjectDoc::OnPrintData()
{
    if (!GetTavrinApp() || !SaveOpenForms()) return;
    m_objDataClass.SetDataData();
    const CDataClassObject& d = m_objDataClass;
    PrintSheetFamily(FindDataView(), kDataFamily, [&d](CObArray& list) { FillDataSheets(list, d); });
}

void CTavrinProjectDoc::PrintBlankSheets()
{
    if (!GetTavrinApp()) return;
    // A project of default texts whose values are not drawn.
    CTavrinProjectDoc doc;
    CFileDataClass file;
    file.SetDataClassObject(&doc.m_objDataClass);
    file.SetOptionClassObject(&doc.m_objOptionClass);
    file.InitString();
    doc.m_objDataClass.SetDataData();
    doc.m_objDataClass.SetPrintFlag(1);
    doc.SetTitle(LoadText(IDS_BLANK_SHEETS));
    // Printed through the data view of a frame that is never shown.
    const std::unique_ptr<QWidget> pFrame(FindWindowCommand(ID_DATA_BASIC)->pfnCreateFrame(&doc));
    const CDataClassObject& d = doc.m_objDataClass;
    PrintSheetFamily(doc.FindDataView(), kDataFamily, [&d](CObArray& list) { FillDataSheets(list, d); });
}

void CTavrinProjectDoc::OnPrintTax()
{
    if (!GetTavrinApp() || !SaveOpenForms()) return;
    CTaxClassObject& t = m_objTaxClass;
    if (t.m_pTaxIncome && t.m_pTaxPrefectural) {
        // The inhabitant-tax reduction travels in the prefectural record's spare block.
        std::memcpy(&t.m_pTaxPrefectural->m_anSpare[0], &t.m_pTaxIncome->m_adReduction[2], 2 * sizeof(double));
        t.m_pTaxPrefectural->m_anSpare[4] = t.m_pTaxIncome->m_anReductionYear[1];
    }
    t.SetDataData();
    PrintSheetFamily(FindDataView(), kTaxFamily, [&t](CObArray& list) {
        FillSheetList<CTaxPrintItem, CTaxClass>(
            list, IDS_FIRST_TAX_PAGE,
            {{t.m_pTaxMunicipal, 1}, {t.m_pTaxCityPlan, 1}, {t.m_pTaxStandardMoney, 1}, {t.m_pTaxBusiness, 1},
             {t.m_pTaxBusinessPlace, 1}, {t.m_pTaxDepreciation, 1}, {t.m_pTaxConsumption, 1}, {t.m_pTaxLandPrice, 1},
             {t.m_pTaxLicense, 1}, {t.m_pTaxRealtyGet, 1}, {t.m_pTaxCorporation, 1}, {t.m_pTaxPrefectural, 1},
             {t.m_pTaxVillage, 1}, {t.m_pTaxResidentCorporation, 1}, {t.m_pTaxIncome, 1}, {t.m_pTaxTransfer, 1}});
    });
}

void CTavrinProjectDoc::OnPrintOption()
{
    if (!GetTavrinApp() || !SaveOpenForms()) return;
    m_objOptionClass.SetDataData();
    const COptionClassObject& o = m_objOptionClass;
    PrintSheetFamily(FindDataView(), kOptionFamily, [&o](CObArray& list) {
        FillSheetList<COptionPrintItem, COptionClass>(
            list, IDS_FIRST_OPTION_PAGE,
            {{o.m_pOptionBusinessRate, 1}, {o.m_pOptionConsumptionExpense, 2}, {o.m_pOptionExpenseManage, 1},
             {o.m_pOptionAdvance, 1}, {o.m_pOptionConsumptionCost, 1}, {o.m_pOptionOtherManage, 1},
             {o.m_pOptionConsumptionIncome, 1}});
    });
}

void CTavrinProjectDoc::OnPrintResult()
{
    CTavrinApp* pApp = GetTavrinApp();
    if (!pApp || !m_nCalcResult || !m_pResultClass) return;
    CDataParentView* pView = FindDataView();
    if (!pView) return;
    pApp->m_nPrintKind = 1;
    if (!pApp->CreateResultPrintItems()) return;
    for (int i = 0; i < int(std::size(kReports)); ++i) {
        auto* pItem = new (std::nothrow) CResultPrintItem(LoadText(IDS_FIRST_REPORT + UINT(i)), kReports[i].nReportNo,
                                                          kReports[i].bMultiYear);
        if (pItem) pApp->m_pResultPrintItems->Add(pItem);
    }
    pApp->SetLandscapePrinter();
    // The dialog's year range serves the job only: the windows go back to the
    // start year of the report toolbar, or to their own without a main frame.
    const int nStartYear = m_nStartYear;
    const int nEndYear = m_nEndYear;
    pView->PrintWithSettings();
    pApp->DeleteResultPrintItems();
    m_nStartYear = nStartYear;
    m_nEndYear = nEndYear;
    ResetResultYears();
}

void CTavrinProjectDoc::PrintDataReport(CDC* pDC)
{
    PrintSheetList<CDataPrintItem, CDataMemoClass>(pDC, AppPrintList(&CTavrinApp::m_pDataPrintItems), kDataJob,
                                                   m_pDataHeader, m_nPrintCopies, m_strPrintDate, ProjectName(*this));
}

void CTavrinProjectDoc::PrintTaxReport(CDC* pDC)
{
    PrintSheetList<CTaxPrintItem, CTaxMemoClass>(pDC, AppPrintList(&CTavrinApp::m_pTaxPrintItems), kTaxJob,
                                                 m_pTaxHeader, m_nPrintCopies, m_strPrintDate, ProjectName(*this));
}

void CTavrinProjectDoc::PrintOptionReport(CDC* pDC)
{
    PrintSheetList<COptionPrintItem, COptionMemoClass>(pDC, AppPrintList(&CTavrinApp::m_pOptionPrintItems),
                                                       kOptionJob, m_pOptionHeader, m_nPrintCopies, m_strPrintDate,
                                                       ProjectName(*this));
}

void CTavrinProjectDoc::PrintResultReport(CDC* pDC)
{
    CTavrinApp* pApp = GetTavrinApp();
    const int nSaved = pDC->SaveDC();
    const CObArray* pList = pApp ? pApp->m_pResultPrintItems : nullptr;
    const CDataBasicClass* pBasic = GetDataBasic();
    if (!pApp || !pList || !m_pResultClass || !pBasic || m_nPrintCopies < 1) {
        EndJob(pDC, FALSE, nSaved);
        return;
    }
    pApp->SetResultPrintFonts(-1);
    pApp->InitResultPrintTitleFont();
    PassResultFonts(*pApp);
    pDC->SetMapMode(MM_LOMETRIC);
    pDC->SetBkMode(TRANSPARENT);

    CSize extent = pApp->GetPaperExtent(-1);
    CResultHeaderClass header(m_strOfficeName, m_strPrintDate, pBasic->strProjectName);
    // The report is centred in the printable area; a larger report is cut to it.
    const int nWidth = pDC->GetDeviceCaps(HORZSIZE) * 10;
    const int nHeight = pDC->GetDeviceCaps(VERTSIZE) * 10;
    CPoint origin;
    if (extent.cx < nWidth)
        origin.x = -(nWidth - extent.cx) / 2;
    else
        extent.cx = nWidth;
    if (extent.cy < nHeight)
        origin.y = (nHeight - extent.cy) / 2;
    else
        extent.cy = nHeight;
    header.m_sizePage = extent;
    // The year window, kept within the calculated years.
    const int nTo = std::clamp(m_nEndYear, 0, std::max(m_nCalcYear, 0));
    const int nStart = std::clamp(m_nStartYear, 0, nTo);

    CFont bodyFont;
    LOGFONT lfBody = pApp->m_lfResultFont;
    bodyFont.CreateFontIndirect(&lfBody);
    BOOL bAbort = FALSE;
    for (int nCopy = 1; nCopy <= m_nPrintCopies && !bAbort; ++nCopy) {
        int nPageNo = 1;
        for (int i = 0; i < pList->GetSize() && !bAbort; ++i) {
            const auto* pItem = PrintItemAt<CResultPrintItem>(pList, i);
            if (!pItem || !pItem->m_bPrint) continue;
            int nFrom = nStart;
            do {
                const CString title =
                    pItem->m_bMultiYear ? YearRangeTitle(pItem->GetTitle(), nFrom, nTo) : pItem->GetTitle();
                ShowProgress(title, nPageNo);
                if (pDC->StartPage() < 0) {
                    bAbort = TRUE;
                    break;
                }
                pDC->SetMapMode(MM_LOMETRIC);
                pDC->SetBkMode(TRANSPARENT);
                pDC->SetWindowOrg(origin);
                if (pItem->m_nReportNo == kCoverReport) {
                    CString subTitles[CResultTitleClass::kSubTitles];
                    std::copy(std::begin(pBasic->astrSubTitle), std::end(pBasic->astrSubTitle), subTitles);
                    CResultTitleClass cover(m_strOfficeName, m_strPrintDate, pBasic->strProjectName, subTitles,
                                            pBasic->strLogoFile, pBasic->bPrintCoverLogo);
                    cover.m_sizePage = extent;
                    cover.ReportDraw(pDC);
                } else {
                    header.SetTitle(title);
                    header.ReportDraw(pDC);
                    CFont* pOldFont = pDC->SelectObject(&bodyFont);
                    TEXTMETRIC tm;
                    pDC->GetTextMetrics(&tm);
                    pDC->SelectObject(pOldFont);
                    const int nLines = 2 * tm.tmHeight;
                    pDC->SetWindowOrg(origin.x, origin.y + nLines);
                    m_pResultClass->m_sizePaper = CSize(extent.cx, extent.cy - nLines);
                    if (pItem->m_bMultiYear) nFrom = SetYearColumns(*m_pResultClass, nFrom, nTo);
                    m_pResultClass->m_nItemFlag = pItem->m_nReportNo;
                    m_pResultClass->ReportDraw(pDC, pApp->m_nColorFlag);
                }
                bAbort = !EndPrintedPage(pDC);
                ++nPageNo;
            } while (pItem->m_bMultiYear && nFrom <= nTo && !bAbort);
        }
    }
    EndJob(pDC, bAbort, nSaved);
}

void CTavrinProjectDoc::OnFilePrintSetup()
{
    CTavrinApp* pApp = GetTavrinApp();
    if (pApp) RunPrinterSetup(pApp->m_printerMode, QApplication::activeModalWidget());
}

void CTavrinProjectDoc::OnTextFileOutput()
{
    CTavrinApp* pApp = GetTavrinApp();
    if (!pApp || !m_nCalcResult || !SaveOpenForms()) return;
    const CString strDefault = GetProgramDirectory() + LoadText(IDS_DATA_FOLDER) + "/TAVRIN.TXT";
    pApp->ChangeToDataFolder(2);
    CString strPath;
    const BOOL bChosen = RunFileDialog(
        {FALSE, "TXT", strDefault, "テキストファイル （*.TXT）|*.TXT;*.txt|すべてのファイル （*.*）|*.*||"}, strPath);
    pApp->RestoreFolder();
    if (!bChosen) return;
    BOOL bWritten = FALSE;
    {
        CTextOutputProgressDlg progress;
        // Exported to a scratch file first, then saved over the chosen file as
        // any project file is: with the old file's mode or a new file's default.
        QTemporaryFile part;
        if (part.open()) {
            part.close();
            bWritten = m_objCalc.SaveTextFile(FromQString(part.fileName()), m_strOfficeName, m_strPrintDate,
                                              pApp->m_anIntval[3]) &&
                       part.open() && SaveFileSafely(strPath, [&part](CFile& file) {
                           const QByteArray bytes = part.readAll();
                           file.Write(bytes.constData(), UINT(bytes.size()));
                       });
        }
    }
    if (!bWritten) AfxMessageBox(IDP_TEXT_OUTPUT_FAILED, MB_ICONSTOP);
}
