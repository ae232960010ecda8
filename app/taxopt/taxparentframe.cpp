#include "app/taxopt/taxparentframe.h"

#include "app/shell/tavrinprojectdoc.h"
#include "platform/resource.h"

BOOL CTaxParentFrame::IsFirstOfFamily() const
{
    return dynamic_cast<const CTaxMunicipalFrame*>(this) != nullptr;
}

BOOL CTaxParentFrame::IsLastOfFamily() const
{
    return dynamic_cast<const CTaxTransferFrame*>(this) != nullptr;
}

BOOL CTaxParentFrame::CancelData()
{
    const auto* pView = dynamic_cast<const CTaxParentView*>(GetActiveView());
    if (pView && pView->ChecksBeforeCancel() && !GetActiveView()->CheckData(-1)) return FALSE;
    return CTavrinFormParentFrame::CancelData();
}

BOOL* CTaxParentFrame::EditedFlag() const
{
    const int nWindow = m_nCommandID - ID_TAX_MUNICIPAL;
    CTavrinProjectDoc* pDoc = GetActiveDocument();
    if (!pDoc || nWindow < 0 || nWindow >= CTavrinProjectDoc::kTaxWindows) return nullptr;
    return &pDoc->m_abTaxModified[nWindow];
}

void CTaxParentView::SetFrameCaption(UINT nNameID)
{
    SetCaption(LoadText(249) + LoadText(161) + LoadText(nNameID));
}
