#include "app/shell/dataparentframe.h"

#include <QMdiSubWindow>

#include "app/shell/tavrinprojectdoc.h"
#include "platform/qtstring.h"

void CDataParentView::PostUpdateTitle()
{
    QMetaObject::invokeMethod(this, [this] { OnUpdateTitle(); }, Qt::QueuedConnection);
}

void CDataParentView::OnActivateView(BOOL bActivate)
{
    if (bActivate) PostUpdateTitle();
}

void CDataParentView::SetFrameCaption(UINT nNameID)
{
    CTavrinFormParentFrame* frame = GetParentFrame();
    CTavrinProjectDoc* doc = GetDocument();
    if (!frame || !doc) return;
    CString dash;
    CString name;
    dash.LoadString(161);
    name.LoadString(nNameID);
    frame->setWindowTitle(ToQString(doc->GetTitle() + dash + name));
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frame->parentWidget())) sub->setWindowTitle(frame->windowTitle());
}
