#include "app/shell/resultframe.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "app/shell/mainframe.h"
#include "app/shell/resultview.h"
#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinformparentframe.h"
#include "app/shell/tavrinprojectdoc.h"

namespace {

// Help topics of the reports follow their commands: 20100 has topic 62.
constexpr int kFirstHelpTopic = 62;

} // namespace

CResultParentFrame::CResultParentFrame(CTavrinProjectDoc* pDoc, UINT nCommandID) : m_nCommandID(nCommandID)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (pDoc) pDoc->AddFrame(this);
}

CResultParentFrame::~CResultParentFrame()
{
    if (CTavrinProjectDoc* doc = GetActiveDocument()) doc->RemoveFrame(this);
}

CTavrinProjectDoc* CResultParentFrame::GetActiveDocument() const
{
    return CTavrinProjectDoc::FromFrame(this);
}

void CResultParentFrame::SetView(CResultParentView* pView)
{
    m_pView = pView;
    layout()->addWidget(pView);
    pView->OnInitialUpdate();
}

BOOL CResultParentFrame::OnCmdMsg(UINT nID, CCmdUI* pCmdUI)
{
    if (m_pView && m_pView->OnCmdMsg(nID, pCmdUI)) return TRUE;
    switch (nID) {
    case ID_RESULT_PREV:
    case ID_RESULT_NEXT: {
        const BOOL bPrev = nID == ID_RESULT_PREV;
        const BOOL bEnabled = m_nCommandID != (bPrev ? ID_RESULT_BASIC1 : ID_RESULT_BALANCE_TAX);
        if (pCmdUI)
            pCmdUI->Enable(bEnabled);
        else if (bEnabled)
            bPrev ? OnPrevReport() : OnNextReport();
        return TRUE;
    }
    case ID_RESULT_CLOSE:
        if (!pCmdUI) OnCloseReport();
        return TRUE;
    case ID_HELP_RESULT_TOPIC:
        if (!pCmdUI) OnHelpTopic();
        return TRUE;
    default:
        return FALSE;
    }
}

void CResultParentFrame::OnPrevReport()
{
    if (m_nCommandID != ID_RESULT_BASIC1) MoveToReport(m_nCommandID - 1);
}

void CResultParentFrame::OnNextReport()
{
    if (m_nCommandID != ID_RESULT_BALANCE_TAX) MoveToReport(m_nCommandID + 1);
}

void CResultParentFrame::MoveToReport(UINT nID)
{
    PostMainCommand(nID);
    OnCloseReport();
}

void CResultParentFrame::OnCloseReport()
{
    if (CTavrinProjectDoc* doc = GetActiveDocument()) doc->RemoveFrame(this);
    DestroyChildWindow(this);
}

CString CResultParentFrame::HelpTopicPath() const
{
    CString path;
    path.Format("tavrinapp.chm::/tavrinapp000000%d.htm", int(m_nCommandID - ID_RESULT_BASIC1) + kFirstHelpTopic);
    return path;
}

void CResultParentFrame::OnHelpTopic()
{
    if (CTavrinApp* pApp = GetTavrinApp()) pApp->ShowHelpTopic(HelpTopicPath());
}

// Activating the window's MDI child tells the view.
bool CResultParentFrame::event(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::ParentChange) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
            connect(sub, &QMdiSubWindow::aboutToActivate, this, &CResultParentFrame::OnSubWindowActivate,
                    Qt::UniqueConnection);
    }
    return QWidget::event(pEvent);
}

void CResultParentFrame::OnSubWindowActivate()
{
    if (m_pView) m_pView->OnActivateView(TRUE);
}
