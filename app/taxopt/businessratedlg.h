// Which expense items the business ratio divides, as a dialog of the
// basic-conditions window.
#pragma once

#include "app/common/formdialog.h"

class CTavrinProjectDoc;

class CBusinessRateDlg : public CFormDialog {
public:
    CBusinessRateDlg(CTavrinProjectDoc* pDoc, QWidget* pParent);

    BOOL OnInitDialog() override;
    // The boxes into the document's record.
    void OnOK() override;
    void OnHelp() override;

private:
    CTavrinProjectDoc* m_pDocument;
};
