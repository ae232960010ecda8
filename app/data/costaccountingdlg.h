// The cost-accounting dialog of the other-costs window: the accounting
// treatment and payment timing of every construction-phase cost and the
// start-up amortisation years.
#pragma once

#include "app/common/formdialog.h"

class CDataExpenseOtherClass;
class CTavrinProjectDoc;

class CCostAccountingDlg : public CFormDialog {
public:
    CCostAccountingDlg();

    // The view's working copy, the document, and the input method of the
    // interest during construction (0: a total, no payment timing is asked).
    void SetData(CDataExpenseOtherClass* pExpenseOther, CTavrinProjectDoc* pDoc, int nInterestMethod);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnHelp() override;
    void OnControlNotify(UINT nID, UINT nCode) override;

private:
    CDataExpenseOtherClass* m_pExpenseOther = nullptr;
    CTavrinProjectDoc* m_pDocument = nullptr;
    int m_nInterestMethod = 0;
};
