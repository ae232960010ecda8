#include "app/taxopt/taxbusinessplaceview.h"

#include "app/common/numbertext.h"
#include "platform/msgbox.h"

namespace {

using K = FormControlKind;
using R = CTaxBusinessPlaceClass;

constexpr UINT IDC_FACTOR = 10003;

const CFormControl kControls[] = {
    {20000, K::Title, 0, 0, 2, "坪・㎡変換のための係数を設定します。"},
    {0, K::Label, 1, 0, 1, "１坪あたりの面積換算係数："},
    {IDC_FACTOR, K::Number, 1, 1, 1, "", 12},
    {0, K::Unit, 1, 1, 1, "㎡"},
};

const CFormField<R> kFields[] = {
    {TaxNumber(IDC_FACTOR, NumberStyle::Comma), Member<&R::m_dSquareMeterPerTsubo>},
};
const CFormFields<R> kForm(kFields);

} // namespace

CTaxBusinessPlaceView::CTaxBusinessPlaceView()
    : CTaxFormView({305, 254, kControls, kForm, &CTavrinProjectDoc::GetTaxBusinessPlace})
{
}

BOOL CTaxBusinessPlaceView::CheckRules()
{
    if (CommaStrToDouble(GetDlgItemText(IDC_FACTOR)) > 0) return TRUE;
    AfxMessageBox(10020, MB_ICONSTOP);
    GotoDlgCtrl(IDC_FACTOR);
    return FALSE;
}

BOOL CTaxBusinessPlaceView::StoreDerived(CTaxBusinessPlaceClass&)
{
    if (CTavrinProjectDoc* pDoc = GetDocument()) pDoc->ConvertAreaUnits();
    return FALSE;
}
