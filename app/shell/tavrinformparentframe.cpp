#include "app/shell/tavrinformparentframe.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "app/shell/mainframe.h"
#include "app/shell/tavrinprojectdoc.h"
#include "platform/qtstring.h"

namespace {

CFormFrameHost* g_pHost = nullptr;

// Help topics of the data windows (20000-20010) and the tax-rate windows (20200-20213).
constexpr int kDataTopics[] = {19, 21, 22, 23, 26, 27, 30, 31, 33, 34, 35};
constexpr int kTaxTopics[] = {36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49};

QMdiSubWindow* SubWindow(const QWidget* pFrame)
{
    return qobject_cast<QMdiSubWindow*>(pFrame->parentWidget());
}

} // namespace

void SetFormFrameHost(CFormFrameHost* pHost)
{
    g_pHost = pHost;
}

void PostMainCommand(UINT nID)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [nID] { if (g_pHost) g_pHost->OnMainCommand(nID); }, Qt::QueuedConnection);
}

CTavrinFormParentFrame::CTavrinFormParentFrame(CTavrinProjectDoc* pDoc) : m_pDocument(pDoc)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (m_pDocument) m_pDocument->AddFrame(this);
}

CTavrinFormParentFrame::~CTavrinFormParentFrame()
{
    if (m_pDocument) m_pDocument->RemoveFrame(this);
}

void CTavrinFormParentFrame::SetView(CTavrinFormParentView* pView)
{
    m_pView = pView;
    layout()->addWidget(pView);
    pView->OnInitialUpdate();
}

// A toolbar click takes the focus, so the field being edited is left (and its
// leaving rules run) before the command.
void CTavrinFormParentFrame::LeaveFocusedField()
{
    QWidget* focused = QApplication::focusWidget();
    if (focused && isAncestorOf(focused)) focused->clearFocus();
}

BOOL CTavrinFormParentFrame::OnCmdMsg(UINT nID, CCmdUI* pCmdUI)
{
    const BOOL bToolbar = nID == ID_DATA_SAVE || nID == ID_DATA_CANCEL || nID == ID_DATA_PREV || nID == ID_DATA_NEXT;
    if (!bToolbar && nID != ID_HELP_TOPIC) return m_pDocument && m_pDocument->OnCmdMsg(nID, pCmdUI);
    if (pCmdUI) {
        pCmdUI->Enable(IsCommandEnabled(nID));
        return TRUE;
    }
    if (bToolbar) LeaveFocusedField();
    switch (nID) {
    case ID_DATA_SAVE: OnDataSave(); break;
    case ID_DATA_CANCEL: OnDataCancel(); break;
    case ID_DATA_PREV: OnPrevPage(); break;
    case ID_DATA_NEXT: OnNextPage(); break;
    default: OnHelpTopic(); break;
    }
    return TRUE;
}

BOOL CTavrinFormParentFrame::IsCommandEnabled(UINT nID) const
{
    if (nID == ID_DATA_PREV) return !IsFirstOfFamily();
    if (nID == ID_DATA_NEXT) return !IsLastOfFamily();
    return TRUE;
}

BOOL CTavrinFormParentFrame::SaveData()
{
    if (!m_pView || !m_pDocument || !m_pView->CheckData(-1)) return FALSE;
    if (m_pView->StoreData()) {
        if (BOOL* pEdited = EditedFlag()) *pEdited = TRUE;
    }
    return TRUE;
}

BOOL CTavrinFormParentFrame::CancelData()
{
    if (!m_pView || !m_pDocument) return FALSE;
    m_pView->CancelData();
    return TRUE;
}

void CTavrinFormParentFrame::UpdateDocument()
{
    if (m_pDocument && UpdatesDependentData()) m_pDocument->UpdateDependentData();
}

void CTavrinFormParentFrame::OnDataSave()
{
    if (!SaveData()) return;
    UpdateDocument();
    if (!IsProjectFrame()) DestroyWindow();
}

void CTavrinFormParentFrame::OnDataCancel()
{
    if (!CancelData()) return;
    if (!IsProjectFrame()) DestroyWindow();
}

void CTavrinFormParentFrame::OnPrevPage()
{
    if (!PrevData()) return;
    UpdateDocument();
    if (IsFirstOfFamily()) return;
    PostMainCommand(m_nCommandID - 1);
    DestroyWindow();
}

void CTavrinFormParentFrame::OnNextPage()
{
    if (!NextData()) return;
    UpdateDocument();
    if (IsLastOfFamily()) return;
    PostMainCommand(m_nCommandID + 1);
    if (!IsProjectFrame()) DestroyWindow();
}

// Option windows have no topic of their own.
CString CTavrinFormParentFrame::HelpTopicPath() const
{
    const int nIndex = m_nCommandID - 20000;
    int nTopic = 0;
    if (nIndex >= 0 && nIndex < int(std::size(kDataTopics)))
        nTopic = kDataTopics[nIndex];
    else if (nIndex >= 200 && nIndex < 200 + int(std::size(kTaxTopics)))
        nTopic = kTaxTopics[nIndex - 200];
    if (nTopic == 0) return CString();
    CString path;
    path.Format("tavrinapp.chm::/tavrinapp000000%d.htm", nTopic);
    return path;
}

void CTavrinFormParentFrame::OnHelpTopic()
{
    const CString path = HelpTopicPath();
    if (g_pHost && !path.IsEmpty()) g_pHost->ShowHelp(path);
}

void CTavrinFormParentFrame::ActivateFrame()
{
    if (QMdiSubWindow* sub = SubWindow(this); sub && sub->mdiArea()) {
        sub->mdiArea()->setActiveSubWindow(sub);
        return;
    }
    raise();
    activateWindow();
}

void CTavrinFormParentFrame::DestroyWindow()
{
    if (m_pDocument) m_pDocument->RemoveFrame(this);
    m_pDocument = nullptr;
    DestroyChildWindow(this);
}

// Activating the window's MDI child tells the view.
bool CTavrinFormParentFrame::event(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::ParentChange) {
        if (QMdiSubWindow* sub = SubWindow(this)) {
            connect(sub, &QMdiSubWindow::aboutToActivate, this, &CTavrinFormParentFrame::OnSubWindowActivate,
                    Qt::UniqueConnection);
        }
    }
    return QWidget::event(pEvent);
}

void CTavrinFormParentFrame::OnSubWindowActivate()
{
    if (m_pView) m_pView->OnActivateView(TRUE);
}

CTavrinFormParentFrame* CTavrinFormParentView::GetParentFrame() const
{
    for (QWidget* p = parentWidget(); p; p = p->parentWidget()) {
        if (auto* frame = dynamic_cast<CTavrinFormParentFrame*>(p)) return frame;
    }
    return nullptr;
}

CTavrinProjectDoc* CTavrinFormParentView::GetDocument() const
{
    CTavrinFormParentFrame* frame = GetParentFrame();
    return frame ? frame->GetActiveDocument() : nullptr;
}

void CTavrinFormParentView::OnActivateView(BOOL bActivate)
{
    if (bActivate) PostUpdateTitle();
}

void CTavrinFormParentView::PostUpdateTitle()
{
    QMetaObject::invokeMethod(this, [this] { OnUpdateTitle(); }, Qt::QueuedConnection);
}

void CTavrinFormParentView::PostViewMessage(UINT nMessage, WPARAM wParam)
{
    QMetaObject::invokeMethod(this, [this, nMessage, wParam] { OnViewMessage(nMessage, wParam); }, Qt::QueuedConnection);
}

void CTavrinFormParentView::SetCaption(const CString& strCaption)
{
    CTavrinFormParentFrame* frame = GetParentFrame();
    if (!frame) return;
    frame->setWindowTitle(ToQString(strCaption));
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frame->parentWidget())) sub->setWindowTitle(frame->windowTitle());
}
