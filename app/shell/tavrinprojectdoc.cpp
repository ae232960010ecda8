#include "app/shell/tavrinprojectdoc.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/shell/commandids.h"
#include "app/shell/mainframe.h"
#include "app/shell/tavrinapp.h"

namespace {

QList<CTavrinProjectDoc*>& OpenDocuments()
{
    static QList<CTavrinProjectDoc*> documents;
    return documents;
}

} // namespace

CTavrinProjectDoc::CTavrinProjectDoc()
{
    OpenDocuments().append(this);
}

CTavrinProjectDoc::~CTavrinProjectDoc()
{
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

void CTavrinProjectDoc::AddFrame(QWidget* pFrame)
{
    m_frames.append(pFrame);
}

void CTavrinProjectDoc::OnCloseDocument()
{
    for (const QPointer<QWidget>& frame : m_frames) {
        if (!frame) continue;
        auto* sub = qobject_cast<QMdiSubWindow*>(frame->parentWidget());
        QWidget* window = sub ? static_cast<QWidget*>(sub) : frame.data();
        window->hide();
        if (sub && sub->mdiArea()) sub->mdiArea()->removeSubWindow(sub);
        window->deleteLater();
    }
    delete this;
}
