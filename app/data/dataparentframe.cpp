#include "app/data/dataparentframe.h"

#include <QCoreApplication>
#include <QMdiSubWindow>
#include <iterator>
#include <memory>

#include "app/data/databasicframe.h"
#include "app/data/dataframes.h"
#include "app/shell/mainframe.h"
#include "app/shell/printdlgs.h"
#include "app/shell/printerdc.h"
#include "app/shell/resultprintdlg.h"
#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinprojectdoc.h"
#include "platform/codepage.h"
#include "platform/msgbox.h"
#include "platform/qtstring.h"
#include "platform/resource.h"

void CDataParentView::SetFrameCaption(UINT nNameID)
{
    CTavrinProjectDoc* doc = GetDocument();
    if (doc) SetCaption(doc->GetTitle() + LoadText(161) + LoadText(nNameID));
}

namespace {

constexpr int kDocNameBytes = 31;
constexpr UINT IDS_DASH = 161;
const char kPrintFailed[] = "印刷を開始できませんでした。";

// The job's name: at most 31 bytes, never half a double-byte character.
CString JobName(const CString& strTitle)
{
    int n = 0;
    while (n < strTitle.GetLength()) {
        const int nChar = IsCP932LeadByte(BYTE(strTitle[n])) ? 2 : 1;
        if (n + nChar > kDocNameBytes) break;
        n += nChar;
    }
    return strTitle.Left(n);
}

// What the print kinds 0 to 3 print, as their menu commands name it.
const char* const kPrintKindNames[] = {"入力データ", "帳票", "税率データ", "オプション設定"};

// The title of a job's document: what it prints and the project's name.
CString DocumentTitle(int nPrintKind, const CTavrinProjectDoc* pDoc, const CString& strDocName)
{
    const CDataBasicClass* pBasic = pDoc ? pDoc->GetDataBasic() : nullptr;
    const CString project = pBasic && !pBasic->strProjectName.IsEmpty() ? pBasic->strProjectName : strDocName;
    if (nPrintKind < 0 || nPrintKind >= int(std::size(kPrintKindNames))) return project;
    return CString(kPrintKindNames[nPrintKind]) + LoadText(IDS_DASH) + project;
}

// The settings dialog of a print kind, with its print list; null when the
// kind has none or its list does not exist.
std::unique_ptr<CPrintRangeDlg> CreatePrintDialog(const CTavrinApp& app, CTavrinProjectDoc* pDoc, QWidget* pParent)
{
    switch (app.m_nPrintKind) {
    case 0: return app.m_pDataPrintItems ? std::make_unique<CDataPrintDlg>(pParent) : nullptr;
    case 1: return app.m_pResultPrintItems ? std::make_unique<CResultPrintDlg>(pDoc, pParent) : nullptr;
    case 2: return app.m_pTaxPrintItems ? std::make_unique<CTaxPrintDlg>(pParent) : nullptr;
    case 3: return app.m_pOptionPrintItems ? std::make_unique<COptionPrintDlg>(pParent) : nullptr;
    default: return nullptr;
    }
}

} // namespace

BOOL CDataParentView::PrintWithSettings()
{
    CTavrinApp* pApp = GetTavrinApp();
    CTavrinProjectDoc* pDoc = GetDocument();
    if (!pApp || !pDoc) return FALSE;
    std::unique_ptr<CPrintRangeDlg> pDlg = CreatePrintDialog(*pApp, pDoc, this);
    if (!pDlg) return FALSE;
    pDlg->m_objPrintSetting = pDoc->m_objPrintSetting;
    if (pDlg->DoModal() != IDOK) return FALSE;
    pDoc->m_nPrintCopies = pDlg->m_nCopies;
    // The year comes back by the era settings the dialog showed it with.
    pDoc->SetPrintDate(pDlg->GetWesternYear(), pDlg->m_nMonth, pDlg->m_nDay);
    if (const auto* pResult = dynamic_cast<const CResultPrintDlg*>(pDlg.get())) {
        pDoc->m_strOfficeName = pResult->m_strCompanyName;
        if (pApp->m_bLandscapeChecked) pApp->m_nPaperSize = short(pResult->m_nPaper);
        pDoc->m_nStartYear = pResult->m_nFromYear;
        pDoc->m_nEndYear = pResult->m_nToYear;
    }
    pDlg.reset();
    OnFilePrint();
    return TRUE;
}

void CDataParentView::OnFilePrint()
{
    CTavrinApp* pApp = GetTavrinApp();
    if (!pApp) return;
    CTavrinProjectDoc* pDoc = GetDocument();
    const CString strDocName = JobName(pDoc ? pDoc->GetTitle() : FromQString(window()->windowTitle()));
    std::unique_ptr<CDC> pDC = CreatePrinterDC(strDocName);
    if (!pDC) return;
    QWidget* pMain = pApp->m_pMainWnd;
    if (pMain) pMain->setEnabled(false);
    auto* pPrinting = new CPrintingDlg(this);
    pApp->m_pPrintingDlg = pPrinting;
    pPrinting->SetProjectName(strDocName);
    pPrinting->show();
    QCoreApplication::processEvents();
    pDC->SetDocTitle(DocumentTitle(pApp->m_nPrintKind, pDoc, strDocName));
    const BOOL bStarted = pDC->StartDoc(strDocName) > 0;
    if (bStarted) OnPrint(pDC.get());
    if (pMain) pMain->setEnabled(true);
    pApp->m_pPrintingDlg = nullptr;
    delete pPrinting;
    if (!bStarted) AfxMessageBox(kPrintFailed, MB_ICONEXCLAMATION);
}

void CDataParentView::OnPrint(CDC* pDC)
{
    CTavrinProjectDoc* pDoc = GetDocument();
    const CTavrinApp* pApp = GetTavrinApp();
    if (!pDoc || !pApp) return;
    switch (pApp->m_nPrintKind) {
    case 0: pDoc->PrintDataReport(pDC); break;
    case 1: pDoc->PrintResultReport(pDC); break;
    case 2: pDoc->PrintTaxReport(pDC); break;
    case 3: pDoc->PrintOptionReport(pDC); break;
    default: pDC->EndDoc(); break;
    }
}

// The family is the frame's class: basic conditions first, outside-project conditions last.
BOOL CDataParentFrame::IsFirstOfFamily() const
{
    return dynamic_cast<const CDataBasicFrame*>(this) != nullptr;
}

BOOL CDataParentFrame::IsLastOfFamily() const
{
    return dynamic_cast<const CDataRestOtherFrame*>(this) != nullptr;
}

BOOL* CDataParentFrame::EditedFlag() const
{
    CTavrinProjectDoc* doc = GetActiveDocument();
    const int nSheet = m_nCommandID - 20000;
    return doc && nSheet >= 0 && nSheet < CTavrinProjectDoc::kDataWindows ? &doc->m_abDataModified[nSheet] : nullptr;
}
