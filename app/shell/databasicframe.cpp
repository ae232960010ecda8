#include "app/shell/databasicframe.h"

#include <QCloseEvent>

#include "app/shell/tavrinprojectdoc.h"
#include "app/shell/tavrinprojectview.h"

CDataBasicFrame::CDataBasicFrame(CTavrinProjectDoc* pDoc) : CDataParentFrame(pDoc)
{
    m_nCommandID = 20000;
}

BOOL CDataBasicFrame::SaveData()
{
    auto* view = dynamic_cast<CTavrinProjectView*>(GetActiveView());
    CTavrinProjectDoc* doc = GetActiveDocument();
    if (!view || !doc || !view->CheckData(-1)) return FALSE;
    CDataBasicClass* basic = doc->GetDataBasic();
    view->StoreRecord(*basic);
    doc->SetTitle(basic->strProjectName);
    doc->m_abDataModified[m_nCommandID - 20000] = TRUE;
    return TRUE;
}

BOOL CDataBasicFrame::CancelData()
{
    auto* view = dynamic_cast<CTavrinProjectView*>(GetActiveView());
    CTavrinProjectDoc* doc = GetActiveDocument();
    if (!view || !doc) return FALSE;
    view->LoadRecord(*doc->GetDataBasic());
    return TRUE;
}

void CDataBasicFrame::closeEvent(QCloseEvent* pEvent)
{
    pEvent->ignore();
    if (CTavrinProjectDoc* doc = GetActiveDocument()) doc->OnCloseDocument();
}
