// The project's window-opening commands and its result reports on screen.
#include <algorithm>

#include "app/shell/mainframe.h"
#include "app/shell/resultframe.h"
#include "app/shell/resultview.h"
#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinformparentframe.h"
#include "app/shell/tavrinprojectdoc.h"
#include "app/shell/windowcommands.h"
#include "result/pages/resultprint.h"
#include "result/pages/tavresult.h"

namespace {

constexpr int kYearColumns = 10;

CMainFrame* MainFrame()
{
    CTavrinApp* pApp = GetTavrinApp();
    return pApp ? pApp->m_pMainWnd : nullptr;
}

void PostItemBoxSelect(int nTab, int nItem)
{
    if (CMainFrame* pMain = MainFrame(); pMain && nTab >= 0) pMain->PostItemBoxSelect(nTab, nItem);
}

} // namespace

BOOL CTavrinProjectDoc::OnWindowCommand(UINT nID, CCmdUI* pCmdUI)
{
    const CWindowCommand* cmd = FindWindowCommand(nID);
    if (!cmd) return FALSE;
    const BOOL bBuilt = cmd->pfnCreateFrame != nullptr;
    const BOOL bEnabled = bBuilt && (!IsResultWindowCommand(nID) || m_nCalcResult != 0);
    if (pCmdUI) {
        pCmdUI->Enable(bEnabled);
        return TRUE;
    }
    if (!bEnabled) return TRUE;
    if (nID == ID_DATA_BASIC) {
        // The basic-conditions window is only brought to the front.
        auto* basic = dynamic_cast<CTavrinFormParentFrame*>(FindChildFrame(cmd->pfnIsFrame));
        if (!basic) return TRUE;
        basic->ActivateFrame();
        basic->m_nCommandID = int(ID_DATA_BASIC);
        PostItemBoxSelect(cmd->nTab, cmd->nItem);
        return TRUE;
    }
    PostItemBoxSelect(cmd->nTab, cmd->nItem);
    if (QWidget* frame = FindChildFrame(cmd->pfnIsFrame)) {
        ActivateChildWindow(frame);
        return TRUE;
    }
    if (CMainFrame* pMain = MainFrame()) pMain->AddChildFrame(cmd->pfnCreateFrame(this));
    return TRUE;
}

QWidget* CTavrinProjectDoc::FindChildFrame(bool (*pfnIsFrame)(const QWidget*)) const
{
    if (!pfnIsFrame) return nullptr;
    for (auto it = m_frames.crbegin(); it != m_frames.crend(); ++it)
        if (*it && pfnIsFrame(*it)) return *it;
    return nullptr;
}

void CTavrinProjectDoc::DrawResultReport(CDC* pDC)
{
    CTavrinApp* pApp = GetTavrinApp();
    if (!pDC || !m_pResultClass || !pApp) return;
    pDC->SaveDC();
    // The library keeps copies: the fonts and pens of this moment.
    LOGFONT font = pApp->m_lfResultFont;
    LOGFONT titleFont = pApp->m_lfResultTitleFont;
    LOGPEN pen = pApp->m_lpResultPen;
    LOGPEN framePen = pApp->m_lpResultFramePen;
    SetResultPrintFont(&font);
    SetResultPrintTitleFont(&titleFont);
    SetResultPrintPen(&pen);
    SetResultPrintFramePen(&framePen);
    pDC->SetMapMode(MM_LOMETRIC);
    pDC->SetBkMode(TRANSPARENT);
    // The screen lays every report out on B4.
    SetPaperSize(DMPAPER_B4);
    m_pResultClass->ReportDraw(pDC, pApp->m_nColorFlag);
}

BOOL CTavrinProjectDoc::RefreshResultFrames()
{
    BOOL bFound = FALSE;
    for (const QPointer<QWidget>& frame : m_frames) {
        auto* result = dynamic_cast<CResultParentFrame*>(frame.data());
        if (!result) continue;
        bFound = TRUE;
        if (CResultParentView* view = result->GetActiveView()) view->Refresh();
    }
    return bFound;
}

int CTavrinProjectDoc::SetResultStartYear(int nYear)
{
    const int nStart = std::max(std::min(nYear, m_nCalcYear), 0);
    m_nStartYear = nStart;
    m_nEndYear = std::min(nStart + kYearColumns, m_nCalcYear);
    if (m_pResultClass) {
        int* anYear = m_pResultClass->m_anYear;
        // The construction period stays in view for the first ten years.
        anYear[0] = nStart <= kYearColumns ? 0 : -1;
        for (int i = 1, y = std::max(nStart, 1); i <= kYearColumns; ++i, ++y) anYear[i] = y <= m_nEndYear ? y : -1;
    }
    return nStart;
}

void CTavrinProjectDoc::ResetResultYears()
{
    const CMainFrame* pMain = MainFrame();
    SetResultStartYear(pMain ? pMain->m_nResultStartYear : m_nStartYear);
    RefreshResultFrames();
}
