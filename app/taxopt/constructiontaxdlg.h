// The consumption tax of the construction period, as a dialog of the
// other-costs window: per construction-fund item whether it is taxed, how the
// tax is booked and whether the rate at construction start applies, and how
// the funds report shows the tax.
#pragma once

#include "app/common/formdialog.h"

class CTavrinProjectDoc;
class CDataExpenseOtherClass;

class CConstructionTaxDlg : public CFormDialog {
public:
    CConstructionTaxDlg(CTavrinProjectDoc* pDoc, const CDataExpenseOtherClass& names, QWidget* pParent);

    BOOL OnInitDialog() override;
    // The rows and the report mode straight into the document's records.
    void OnOK() override;
    void OnHelp() override;
    void OnControlNotify(UINT nID, UINT nCode) override;

    // A row's accounting and start-rate boxes are shown while it is taxed.
    void ShowRows();

private:
    CTavrinProjectDoc* m_pDocument;
    const CDataExpenseOtherClass& m_names;
};
