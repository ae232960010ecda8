// Works the land's assessed value back from the yearly tax paid on it, with
// the fixed-asset (and city-planning) land rates of the project's tax-rate
// table. What was entered is remembered for the next opening.
#pragma once

#include "app/common/formdialog.h"

class CTavrinProjectDoc;
class CTaxMunicipalClass;
class CTaxCityPlanClass;

// The entries the dialog remembers for the whole run of the program.
struct tagBACKCALCENTRY {
    double dTax = 0;     // tax per year, thousand yen
    double dRate = 100;  // burden-adjustment rate, percent
    BOOL bHouse = TRUE;  // housing special rule on the land
    BOOL bCity = FALSE;  // the city-planning tax is included in the tax
};

class CLandValueBackCalcDlg : public CFormDialog {
public:
    explicit CLandValueBackCalcDlg(QWidget* pParent = nullptr);

    void SetDocument(CTavrinProjectDoc* pDoc) { m_pDocument = pDoc; }
    BOOL OnInitDialog() override;
    // A tax or rate of 0 cancels; land rates that give no finite positive
    // divisor are refused with a message and the dialog stays open.
    void OnOK() override;
    void OnControlNotify(UINT nID, UINT nCode) override;

    // The assessed value in thousand yen; FALSE when the land rates give no
    // finite positive divisor.
    static BOOL BackCalc(const tagBACKCALCENTRY& entry, const CTaxMunicipalClass& municipal,
                         const CTaxCityPlanClass& cityPlan, double& dValue);

    double m_dValue = 0;  // the result on IDOK, thousand yen
    static tagBACKCALCENTRY s_entry;

private:
    CTavrinProjectDoc* m_pDocument = nullptr;
};
