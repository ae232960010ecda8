#include "app/shell/tavrinprojectdoc.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>
#include <climits>

#include "app/shell/tavrinformparentframe.h"

CTavrinProjectDoc::CTavrinProjectDoc()
{
    m_objDataClass.CreateData();
    m_objTaxClass.CreateData();
    m_objOptionClass.CreateData();
}

void CTavrinProjectDoc::SetProjectTitle(const CString& strName)
{
    if (m_nOpenMode == 1) SetTitle(strName);
}

void CTavrinProjectDoc::AddFrame(CTavrinFormParentFrame* pFrame)
{
    m_apFrames.push_back(pFrame);
}

void CTavrinProjectDoc::RemoveFrame(CTavrinFormParentFrame* pFrame)
{
    std::erase(m_apFrames, pFrame);
}

namespace {

// Position in the window order, back to front; frames outside a window area last.
int StackingIndex(const CTavrinFormParentFrame* pFrame)
{
    auto* sub = qobject_cast<QMdiSubWindow*>(pFrame->parentWidget());
    QMdiArea* area = sub ? sub->mdiArea() : nullptr;
    return area ? int(area->subWindowList(QMdiArea::StackingOrder).indexOf(sub)) : INT_MAX;
}

} // namespace

BOOL CTavrinProjectDoc::SaveOpenForms()
{
    std::vector<CTavrinFormParentFrame*> frames = m_apFrames;
    std::stable_sort(frames.begin(), frames.end(), [](auto* a, auto* b) { return StackingIndex(a) < StackingIndex(b); });
    for (CTavrinFormParentFrame* frame : frames) {
        if (!frame->SaveData()) {
            frame->ActivateFrame();
            return FALSE;
        }
    }
    return TRUE;
}

void CTavrinProjectDoc::OnCloseDocument()
{
    const std::vector<CTavrinFormParentFrame*> frames = m_apFrames;
    for (CTavrinFormParentFrame* frame : frames) frame->DestroyWindow();
}
