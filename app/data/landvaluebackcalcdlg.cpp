#include "app/data/landvaluebackcalcdlg.h"

#include <cmath>

#include "app/common/formfields.h"
#include "app/shell/tavrinprojectdoc.h"
#include "platform/msgbox.h"
#include "platform/qtstring.h"
#include "tax/taxmunicipal.h"

namespace {

using K = FormControlKind;
using F = FieldKind;
using E = tagBACKCALCENTRY;

constexpr UINT IDC_TAX = 1465;
constexpr UINT IDC_RATE = 1020;
constexpr UINT IDC_HOUSE = 1287;
constexpr UINT IDC_CITY = 1466;
constexpr UINT IDS_NO_DIVISOR = 10050;

const CFormControl kControls[] = {
    {0, K::Unit, 0, 0, 2, "◆支払っている税額から土地評価額を逆算します。"},
    {0, K::Label, 1, 0, 1, "支払い税年額："},
    {IDC_TAX, K::Number, 1, 1, 1, "", 14},
    {0, K::Unit, 1, 1, 1, "千円"},
    {IDC_HOUSE, K::Check, 2, 1, 1, "住宅特例適用"},
    {IDC_CITY, K::Check, 3, 1, 1, "都市計画税も含む"},
    {0, K::Label, 4, 0, 1, "負担調整率："},
    {IDC_RATE, K::Number, 4, 1, 1, "", 8},
    {0, K::Unit, 4, 1, 1, "%"},
    {IDOK, K::Button, 5, 1, 1, "これで逆算"},
    {IDCANCEL, K::Button, 5, 1, 1, "ｷｬﾝｾﾙ"},
};

const CFormField<E> kFields[] = {
    {{.nID = IDC_TAX, .kind = F::Number}, Member<&E::dTax>},
    {{.nID = IDC_RATE, .kind = F::Number, .style = NumberStyle::Plain}, Member<&E::dRate>},
    {{.nID = IDC_HOUSE, .kind = F::Check}, Member<&E::bHouse>},
    {{.nID = IDC_CITY, .kind = F::Check}, Member<&E::bCity>},
};
const CFormFields<E> kForm(kFields);

// A land rate in parts, reduced by the residential-land fraction when the housing rule applies.
double LandRate(double dRate, double dNumerator, double dDenominator, BOOL bHouse)
{
    const double dPart = dRate * 0.01;
    return bHouse ? dPart * dNumerator / dDenominator : dPart;
}

// The number an edit shows; anything that is not a finite number reads as 0.
double EditNumber(const CFormWidget* pForm, UINT nID)
{
    CString str = pForm->GetDlgItemText(nID);
    str.Remove(',');
    double dValue = 0;
    return ParseNumber(str, dValue) ? dValue : 0;
}

} // namespace

tagBACKCALCENTRY CLandValueBackCalcDlg::s_entry;

CLandValueBackCalcDlg::CLandValueBackCalcDlg(QWidget* pParent) : CFormDialog(pParent)
{
    setWindowTitle(ToQString("土地評価額の逆算"));
    CreateControls(kControls);
}

BOOL CLandValueBackCalcDlg::OnInitDialog()
{
    kForm.Load(this, s_entry);
    return TRUE;
}

BOOL CLandValueBackCalcDlg::BackCalc(const tagBACKCALCENTRY& entry, const CTaxMunicipalClass& municipal,
                                     const CTaxCityPlanClass& cityPlan, double& dValue)
{
    double dDivisor = LandRate(municipal.m_dLandRate, municipal.m_dHouseLandNumerator,
                               municipal.m_dHouseLandDenominator, entry.bHouse);
    if (entry.bCity)
        dDivisor += LandRate(cityPlan.m_dLandRate, cityPlan.m_dHouseLandNumerator, cityPlan.m_dHouseLandDenominator,
                             entry.bHouse);
    const double dResult = entry.dTax / (entry.dRate * 0.01) / dDivisor;
    if (!(dDivisor > 0) || !std::isfinite(dDivisor) || !std::isfinite(dResult)) return FALSE;
    dValue = dResult;
    return TRUE;
}

// What was entered is remembered before anything is worked out.
void CLandValueBackCalcDlg::OnOK()
{
    m_dValue = 0;
    s_entry.dTax = EditNumber(this, IDC_TAX);
    s_entry.dRate = EditNumber(this, IDC_RATE);
    s_entry.bHouse = IsDlgButtonChecked(IDC_HOUSE);
    s_entry.bCity = IsDlgButtonChecked(IDC_CITY);
    if (s_entry.dTax == 0 || s_entry.dRate == 0) {
        EndDialog(IDCANCEL);
        return;
    }
    if (!m_pDocument || !BackCalc(s_entry, *m_pDocument->GetTaxMunicipal(), *m_pDocument->GetTaxCityPlan(), m_dValue)) {
        AfxMessageBox(IDS_NO_DIVISOR, MB_ICONSTOP);
        return;
    }
    EndDialog(IDOK);
}

void CLandValueBackCalcDlg::OnControlNotify(UINT nID, UINT nCode)
{
    kForm.Notify(this, nID, nCode);
    CFormDialog::OnControlNotify(nID, nCode);
}
