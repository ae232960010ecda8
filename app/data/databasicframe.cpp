#include "app/data/databasicframe.h"

#include <QCloseEvent>

#include "app/shell/tavrinprojectdoc.h"

CDataBasicFrame::CDataBasicFrame(CTavrinProjectDoc* pDoc) : CDataParentFrame(pDoc)
{
    m_nCommandID = 20000;
}

void CDataBasicFrame::closeEvent(QCloseEvent* pEvent)
{
    pEvent->ignore();
    if (CTavrinProjectDoc* doc = GetActiveDocument()) doc->OnCloseDocument();
}
