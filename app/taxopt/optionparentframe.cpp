#include "app/taxopt/optionparentframe.h"

#include "app/shell/tavrinprojectdoc.h"
#include "platform/resource.h"

BOOL COptionParentFrame::IsFirstOfFamily() const
{
    return dynamic_cast<const COptionBusinessRateFrame*>(this) != nullptr;
}

BOOL COptionParentFrame::IsLastOfFamily() const
{
    return dynamic_cast<const COptionOtherManageFrame*>(this) != nullptr;
}

BOOL* COptionParentFrame::EditedFlag() const
{
    CTavrinProjectDoc* doc = GetActiveDocument();
    const int nOption = m_nCommandID - 20300;
    return doc && nOption >= 0 && nOption < CTavrinProjectDoc::kOptionWindows ? &doc->m_abOptionModified[nOption]
                                                                               : nullptr;
}

void COptionParentView::SetFrameCaption(UINT nNameID)
{
    SetCaption(LoadText(5) + LoadText(161) + LoadText(nNameID));
}
