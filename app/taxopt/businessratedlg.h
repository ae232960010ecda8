// Business-ratio dialog opened from the basic-conditions window.
// Stand-in: it edits nothing until the option dialogs are built.
#pragma once

#include "platform/afxtypes.h"

class CTavrinProjectDoc;

class CBusinessRateDlg {
public:
    void SetDocument(CTavrinProjectDoc* pDoc) { m_pDocument = pDoc; }
    int DoModal() { return IDCANCEL; }

private:
    CTavrinProjectDoc* m_pDocument = nullptr;
};
