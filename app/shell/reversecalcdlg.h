// The reverse-calculation dialog: the measure of one year and the value it
// should reach, the input to vary and the step of each further run.
#pragma once

#include <QDialog>

#include "platform/afxtypes.h"

class CDataClassObject;
class CFormWidget;

class CReverseCalcDlg : public QDialog {
public:
    static constexpr UINT IDC_TARGET_YEAR = 1019;
    static constexpr UINT IDC_TARGET_VALUE = 1020;
    static constexpr UINT IDC_STEP = 1021;
    static constexpr UINT IDC_TARGET_ITEM = 1467;
    static constexpr UINT IDC_VARIABLE_ITEM = 1468;
    static constexpr UINT IDC_STEP_UNIT = 1469;
    static constexpr UINT IDC_TARGET_UNIT = 1471;
    // Variable item whose step is a percentage of each rent.
    static constexpr int kRentItem = 2;
    // Target item measured in percent.
    static constexpr int kYieldItem = 6;

    explicit CReverseCalcDlg(QWidget* pParent = nullptr);

    // The project's data, for the names of its other expenses.
    void SetDataClass(CDataClassObject* pDataClass) { m_pDataClass = pDataClass; }
    void OnInitDialog();
    int exec() override;
    // Takes the values; refuses a target year past the last calculated year
    // and a combo box without a selection.
    void accept() override;
    void OnHelp();
    CFormWidget* GetForm() const { return m_pForm; }

    CDataClassObject* m_pDataClass = nullptr;
    int m_nTargetYear = 0;
    int m_nTargetItem = 0;
    double m_dTargetValue = 0.0;
    int m_nVariableItem = 0;
    double m_dStep = 0.0;
    // The last year that has a result.
    int m_nLastYear = 0;

private:
    void UpdateUnits();

    CFormWidget* m_pForm;
};
