// The advance-receipt rates of deposits and guarantee money, as a dialog of
// the funding window.
#pragma once

#include "app/common/formdialog.h"

class CTavrinProjectDoc;

class CAdvanceRateDlg : public CFormDialog {
public:
    CAdvanceRateDlg(CTavrinProjectDoc* pDoc, QWidget* pParent);

    BOOL OnInitDialog() override;
    // Checks every rate and stores them into the document's record.
    void OnOK() override;
    void OnHelp() override;
    void OnControlNotify(UINT nID, UINT nCode) override;

private:
    CTavrinProjectDoc* m_pDocument;
};
