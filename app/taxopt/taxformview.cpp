#include "app/taxopt/taxformview.h"

#include "app/common/numbertext.h"
#include "platform/msgbox.h"

BOOL ConfirmTaxFraction(CFormWidget* pForm, UINT nNumeratorID, UINT nDenominatorID, UINT nMessageID)
{
    const double dNumerator = CommaStrToDouble(pForm->GetDlgItemText(nNumeratorID));
    const double dDenominator = CommaStrToDouble(pForm->GetDlgItemText(nDenominatorID));
    if (dNumerator != 0 && dDenominator != 0) return TRUE;
    if (AfxMessageBox(nMessageID, MB_YESNO | MB_ICONSTOP) == IDYES) return TRUE;
    pForm->GotoDlgCtrl(dNumerator != 0 ? nDenominatorID : nNumeratorID);
    return FALSE;
}
