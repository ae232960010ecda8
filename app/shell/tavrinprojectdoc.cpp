#include "app/shell/tavrinprojectdoc.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>
#include <climits>

#include "app/shell/commandids.h"
#include "app/shell/mainframe.h"
#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinformparentframe.h"

namespace {

QList<CTavrinProjectDoc*>& OpenDocuments()
{
    static QList<CTavrinProjectDoc*> documents;
    return documents;
}

// Position in the window order, back to front; frames outside a window area last.
int StackingIndex(const QWidget* pFrame)
{
    auto* sub = qobject_cast<QMdiSubWindow*>(pFrame->parentWidget());
    QMdiArea* area = sub ? sub->mdiArea() : nullptr;
    return area ? int(area->subWindowList(QMdiArea::StackingOrder).indexOf(sub)) : INT_MAX;
}

} // namespace

CTavrinProjectDoc::CTavrinProjectDoc()
{
    m_objDataClass.CreateData();
    m_objTaxClass.CreateData();
    m_objOptionClass.CreateData();
    OpenDocuments().append(this);
}

CTavrinProjectDoc::~CTavrinProjectDoc()
{
    CloseFrames();
    OpenDocuments().removeOne(this);
    if (CTavrinApp* pApp = GetTavrinApp(); pApp && pApp->m_pMainWnd)
        pApp->m_pMainWnd->PostCommand(ID_DOCUMENT_CLOSED);
}

const QList<CTavrinProjectDoc*>& CTavrinProjectDoc::Documents()
{
    return OpenDocuments();
}

CTavrinProjectDoc* CTavrinProjectDoc::FromFrame(const QWidget* pFrame)
{
    for (CTavrinProjectDoc* pDoc : OpenDocuments())
        if (pDoc->m_frames.contains(pFrame)) return pDoc;
    return nullptr;
}

void CTavrinProjectDoc::SetProjectTitle(const CString& strName)
{
    if (m_nOpenMode == 1) SetTitle(strName);
}

void CTavrinProjectDoc::AddFrame(QWidget* pFrame)
{
    m_frames.append(pFrame);
}

void CTavrinProjectDoc::RemoveFrame(QWidget* pFrame)
{
    m_frames.removeAll(pFrame);
}

BOOL CTavrinProjectDoc::SaveOpenForms()
{
    QList<CTavrinFormParentFrame*> forms;
    for (const QPointer<QWidget>& frame : m_frames)
        if (auto* form = dynamic_cast<CTavrinFormParentFrame*>(frame.data())) forms.append(form);
    std::stable_sort(forms.begin(), forms.end(), [](auto* a, auto* b) { return StackingIndex(a) < StackingIndex(b); });
    for (CTavrinFormParentFrame* form : forms) {
        if (!form->SaveData()) {
            form->ActivateFrame();
            return FALSE;
        }
    }
    return TRUE;
}

void CTavrinProjectDoc::OnCloseDocument()
{
    CloseFrames();
    if (m_bAutoDelete) delete this;
}

void CTavrinProjectDoc::CloseFrames()
{
    const QList<QPointer<QWidget>> frames = m_frames;
    for (const QPointer<QWidget>& frame : frames) {
        if (!frame) continue;
        if (auto* form = dynamic_cast<CTavrinFormParentFrame*>(frame.data()))
            form->DestroyWindow();
        else
            DestroyChildWindow(frame);
    }
    m_frames.clear();
}
