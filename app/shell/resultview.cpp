#include "app/shell/resultview.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <algorithm>
#include <cstdlib>

#include "app/shell/mainframe.h"
#include "app/shell/resultframe.h"
#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinprojectdoc.h"
#include "platform/painterdc.h"
#include "platform/qtstring.h"
#include "result/pages/resultheader.h"
#include "result/pages/tavresult.h"

namespace {

constexpr UINT kIdsCaptionDash = 161;
// The profit-and-surplus graph of the outline plots half the years beyond this.
constexpr int kOutlineGraphYears = 50;

bool IsB4(int nPaper)
{
    return nPaper == DMPAPER_B4 || nPaper == DMPAPER_B4_ISO;
}

bool IsA4(int nPaper)
{
    return nPaper == DMPAPER_A4 || nPaper == DMPAPER_A4SMALL;
}

// Buttons of the year window: the step from the shown start year.
struct YearStep {
    UINT nID;
    int nStep;
};
constexpr YearStep kYearSteps[] = {
    {ID_RESULT_BACK5, -5}, {ID_RESULT_BACK1, -1}, {ID_RESULT_FORWARD1, 1}, {ID_RESULT_FORWARD5, 5}};

CMainFrame* MainFrame()
{
    CTavrinApp* pApp = GetTavrinApp();
    return pApp ? pApp->m_pMainWnd : nullptr;
}

} // namespace

CResultParentView::CResultParentView(int nReport, const CString& strCaption, const CString& strPrintTitle)
    : m_strCaption(strCaption), m_strPrintTitle(strPrintTitle), m_nReport(nReport)
{
    setFrameShape(QFrame::NoFrame);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

CResultParentFrame* CResultParentView::GetParentFrame() const
{
    for (QWidget* p = parentWidget(); p; p = p->parentWidget())
        if (auto* frame = dynamic_cast<CResultParentFrame*>(p)) return frame;
    return nullptr;
}

CTavrinProjectDoc* CResultParentView::GetDocument() const
{
    CResultParentFrame* frame = GetParentFrame();
    return frame ? frame->GetActiveDocument() : nullptr;
}

void CResultParentView::OnInitialUpdate()
{
    if (CTavrinApp* pApp = GetTavrinApp()) {
        m_nPaperSize = pApp->m_nPaperSize;
        SetScrollSizes(pApp->GetPaperExtent(m_nPaperSize));
    }
    QMetaObject::invokeMethod(this, [this] { UpdateFrameTitle(); }, Qt::QueuedConnection);
}

void CResultParentView::OnActivateView(BOOL bActivate)
{
    if (bActivate) QMetaObject::invokeMethod(this, [this] { UpdateFrameTitle(); }, Qt::QueuedConnection);
}

void CResultParentView::UpdateFrameTitle()
{
    CResultParentFrame* frame = GetParentFrame();
    CTavrinProjectDoc* doc = GetDocument();
    if (frame && doc) SetChildWindowCaption(frame, doc->GetTitle() + LoadText(kIdsCaptionDash) + m_strCaption);
}

void CResultParentView::OnDraw(CDC* pDC)
{
    CTavrinProjectDoc* doc = GetDocument();
    CTavrinApp* pApp = GetTavrinApp();
    if (!doc || !doc->m_pResultClass || !pApp) return;
    doc->m_pResultClass->m_nItemFlag = m_nReport;
    const CSize ext = pApp->GetPaperExtent(m_nPaperSize);
    const BOOL bRoom = PreparePage(pDC, ext);
    SetScrollSizes(ext);
    if (bRoom) DrawReport(pDC);
}

BOOL CResultParentView::PreparePage(CDC*, CSize ext)
{
    CTavrinApp* pApp = GetTavrinApp();
    // A preview page keeps the size the page routine gave it.
    if (!m_bPrinting) GetDocument()->m_pResultClass->m_sizePaper = ext;
    pApp->SetResultPrintFonts(m_bPrinting ? -1 : m_nPaperSize);
    return TRUE;
}

void CResultParentView::DrawReport(CDC* pDC)
{
    GetDocument()->DrawResultReport(pDC);
}

void CResultParentView::OnPrint(CDC* pDC, BOOL bPreview)
{
    m_bPrinting = bPreview;
    CTavrinProjectDoc* doc = GetDocument();
    CTavrinApp* pApp = GetTavrinApp();
    if (!bPreview || !doc || !pApp) {
        OnDraw(pDC);
        return;
    }
    // The page centred on the paper, the header above the report.
    CSize ext = pApp->GetPaperExtent(-1);
    const int nWidth = pDC->GetDeviceCaps(HORZSIZE) * 10;
    const int nHeight = pDC->GetDeviceCaps(VERTSIZE) * 10;
    int x = 0;
    int y = 0;
    if (ext.cx < nWidth)
        x = -((nWidth - ext.cx) / 2);
    else
        ext.cx = nWidth;
    if (ext.cy < nHeight)
        y = (nHeight - ext.cy) / 2;
    else
        ext.cy = nHeight;
    pDC->SetMapMode(MM_LOMETRIC);
    pDC->SetWindowOrg(x, y);
    CResultHeaderClass header(doc->m_strOfficeName, doc->m_strPrintDate, doc->GetDataBasic()->strProjectName);
    header.SetTitle(m_strPrintTitle);
    header.m_sizePage = ext;
    header.ReportDraw(pDC);
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    pDC->SetWindowOrg(x, y + 2 * tm.tmHeight);
    ext.cy -= 2 * tm.tmHeight;
    if (doc->m_pResultClass) doc->m_pResultClass->m_sizePaper = ext;
    OnDraw(pDC);
}

void CResultParentView::OnFilePrintPreview()
{
    CTavrinApp* pApp = GetTavrinApp();
    if (!pApp) return;
    pApp->SetLandscapePrinter();
    pApp->SetResultPrintFonts(-1);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(pApp->m_printerMode.dmOrientation == DMORIENT_LANDSCAPE ? QPageLayout::Landscape
                                                                                        : QPageLayout::Portrait);
    printer.setPageSize(QPageSize(IsB4(pApp->m_printerMode.dmPaperSize) ? QPageSize::JisB4 : QPageSize::A4));
    QPrintPreviewDialog dlg(&printer, this);
    dlg.setWindowTitle(ToQString(m_strPrintTitle));
    connect(&dlg, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* pPrinter) {
        QPainter painter(pPrinter);
        CPainterDC dc(&painter);
        dc.SetPrinting(TRUE);
        OnPrint(&dc, TRUE);
    });
    dlg.exec();
    OnEndPrintPreview();
}

void CResultParentView::OnEndPrintPreview()
{
    m_bPrinting = FALSE;
    Refresh();
}

void CResultParentView::SetPaperSize(int nPaperSize)
{
    m_nPaperSize = nPaperSize;
    if (CTavrinApp* pApp = GetTavrinApp()) pApp->SetResultPrintFonts(nPaperSize);
    Refresh();
}

void CResultParentView::OnPaperReset()
{
    if (CTavrinApp* pApp = GetTavrinApp()) m_nPaperSize = pApp->m_nPaperSize;
}

BOOL CResultParentView::OnCmdMsg(UINT nID, CCmdUI* pCmdUI)
{
    switch (nID) {
    case ID_PAPER_B4:
    case ID_PAPER_A4: {
        const bool bB4 = nID == ID_PAPER_B4;
        if (pCmdUI)
            pCmdUI->SetCheck(bB4 ? IsB4(m_nPaperSize) : IsA4(m_nPaperSize));
        else
            SetPaperSize(bB4 ? DMPAPER_B4 : DMPAPER_A4);
        return TRUE;
    }
    case ID_VIEW_PAPER_RESET:
        if (!pCmdUI) OnPaperReset();
        return TRUE;
    case ID_FILE_PRINT_PREVIEW:
        if (!pCmdUI) OnFilePrintPreview();
        return TRUE;
    default: {
        CTavrinProjectDoc* doc = GetDocument();
        return doc && doc->OnCmdMsg(nID, pCmdUI);
    }
    }
}

void CResultParentView::SetScrollSizes(CSize sizeTotal)
{
    if (sizeTotal == m_sizeTotal) return;
    m_sizeTotal = sizeTotal;
    UpdateScrollBars();
}

int CResultParentView::ToPixels(int n, int nDpi) const
{
    return MulDiv(n, nDpi, 254);
}

void CResultParentView::UpdateScrollBars()
{
    const QSize page(ToPixels(m_sizeTotal.cx, viewport()->logicalDpiX()),
                     ToPixels(m_sizeTotal.cy, viewport()->logicalDpiY()));
    const QSize client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, page.width() - client.width()));
    horizontalScrollBar()->setPageStep(std::max(1, client.width()));
    horizontalScrollBar()->setSingleStep(std::max(1, page.width() / 100));
    verticalScrollBar()->setRange(0, std::max(0, page.height() - client.height()));
    verticalScrollBar()->setPageStep(std::max(1, client.height()));
    verticalScrollBar()->setSingleStep(std::max(1, page.height() / 100));
}

void CResultParentView::Refresh()
{
    viewport()->repaint();
}

void CResultParentView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    CPainterDC dc(&painter);
    dc.SetMapMode(MM_LOMETRIC);
    dc.SetViewportOrg(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    OnDraw(&dc);
}

void CResultParentView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void CResultParentView::resizeEvent(QResizeEvent* pEvent)
{
    QAbstractScrollArea::resizeEvent(pEvent);
    UpdateScrollBars();
}

void CResultBalanceView::SetStartYear(int nYear)
{
    CTavrinProjectDoc* doc = GetDocument();
    if (!doc) return;
    const int nStart = doc->SetResultStartYear(nYear);
    Refresh();
    if (CMainFrame* pMain = MainFrame()) pMain->ShowResultStartYear(nStart);
}

void CResultBalanceView::OnConstructionYear()
{
    CTavrinProjectDoc* doc = GetDocument();
    if (!doc) return;
    doc->m_nStartYear = 0;
    doc->m_nEndYear = 10;
    SetStartYear(0);
}

void CResultBalanceView::OnYearEditChange()
{
    CMainFrame* pMain = MainFrame();
    const QString text = pMain ? pMain->ResultYearText() : QString();
    if (!text.isEmpty()) SetStartYear(std::atoi(text.toLatin1().constData()));
}

BOOL CResultBalanceView::OnCmdMsg(UINT nID, CCmdUI* pCmdUI)
{
    CTavrinProjectDoc* doc = GetDocument();
    const bool bYearCommand = nID == IDC_RESULT_YEAR || nID == ID_RESULT_WORKYEAR || nID == ID_RESULT_LASTYEAR ||
                              std::any_of(std::begin(kYearSteps), std::end(kYearSteps),
                                          [nID](const YearStep& step) { return step.nID == nID; });
    if (!bYearCommand) return CResultParentView::OnCmdMsg(nID, pCmdUI);
    if (pCmdUI) {
        pCmdUI->Enable(doc != nullptr);
        return TRUE;
    }
    if (!doc) return TRUE;
    if (nID == IDC_RESULT_YEAR)
        OnYearEditChange();
    else if (nID == ID_RESULT_WORKYEAR)
        OnConstructionYear();
    else if (nID == ID_RESULT_LASTYEAR)
        SetStartYear(doc->m_nCalcYear);
    for (const YearStep& step : kYearSteps)
        if (step.nID == nID) SetStartYear(doc->m_nStartYear + step.nStep);
    return TRUE;
}

BOOL CResultGraphView::PreparePage(CDC* pDC, CSize)
{
    CTavrinApp* pApp = GetTavrinApp();
    CTavResultClass* result = GetDocument()->m_pResultClass;
    if (!m_bPrinting) {
        // The graph fills the visible client area.
        const int nOldMode = pDC->SetMapMode(MM_LOMETRIC);
        CPoint corners[2] = {CPoint(0, 0), CPoint(viewport()->width(), viewport()->height())};
        pDC->DPtoLP(corners, 2);
        pDC->SetMapMode(nOldMode);
        result->m_sizePaper = CSize(corners[1].x - corners[0].x, corners[0].y - corners[1].y);
    }
    const bool bAppPaper = m_bPrinting || GetReport() == 13;
    pApp->SetResultPrintFonts(bAppPaper ? -1 : m_nPaperSize);
    // A view without room draws nothing.
    return result->m_sizePaper.cx > 0 && result->m_sizePaper.cy > 0;
}

CResultBalanceOutlineView::CResultBalanceOutlineView()
    : CResultParentView(6, LoadText(1506), LoadText(1522))
{
}

void CResultBalanceOutlineView::DrawReport(CDC* pDC)
{
    CTavrinProjectDoc* doc = GetDocument();
    CTavResultClass* result = doc->m_pResultClass;
    const int nYears = doc->m_nCalcYear;
    if (nYears > kOutlineGraphYears) {
        result->m_objGraphOutline.m_nYearCount = nYears / 2;
        result->m_objGraphLoan.m_nYearCount = nYears / 2;
    }
    CResultParentView::DrawReport(pDC);
    result->m_objGraphOutline.m_nYearCount = nYears;
    result->m_objGraphLoan.m_nYearCount = nYears;
}
