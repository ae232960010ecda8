#include "app/taxopt/taxparentframe.h"

#include "platform/resource.h"

BOOL CTaxParentFrame::IsFirstOfFamily() const
{
    return dynamic_cast<const CTaxMunicipalFrame*>(this) != nullptr;
}

BOOL CTaxParentFrame::IsLastOfFamily() const
{
    return dynamic_cast<const CTaxTransferFrame*>(this) != nullptr;
}

void CTaxParentView::SetFrameCaption(UINT nNameID)
{
    SetCaption(LoadText(249) + LoadText(161) + LoadText(nNameID));
}
