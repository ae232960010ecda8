// The two settings dialogs: basic business settings (office name, number of
// years, display of amounts, date display) and the era display of a project.
// Controls carry their ids as object names.
#pragma once

#include <QDialog>

#include "platform/cstring.h"
#include "result/calc/calcsettings.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;

class CBasicSettingDlg : public QDialog {
public:
    explicit CBasicSettingDlg(QWidget* pParent = nullptr);

    // Filled by the caller before exec, read back after OK.
    int m_nCalcYearIO = 0;
    tagSETDECIMAL m_objDecimal = {};
    int m_nYearFlag = 0;
    CString m_strYearName;
    int m_nYearDiff = 0;

    // Exchanged with the controls.
    CString m_strOfficeName;
    int m_nCalcYear = 0;
    int m_nDecimalNum = 0;

    // Fills the controls from the members; exec does it first.
    void OnInitDialog();
    int exec() override;
    void accept() override;

private:
    BOOL UpdateData();

    QLineEdit* m_pOfficeName;
    QLineEdit* m_pCalcYear;
    QLineEdit* m_pDecimalNum;
    QComboBox* m_pDecimalFlag;
    QComboBox* m_pDecimalZero;
    QButtonGroup* m_pYearFlag;
    QLineEdit* m_pYearName;
    QLineEdit* m_pYearDiff;
};

class CEraDisplayDlg : public QDialog {
public:
    static constexpr UINT kHelpID = 131486;

    explicit CEraDisplayDlg(QWidget* pParent = nullptr);

    // Filled by the caller from the project's print settings, read back after OK.
    int m_nYearDiff = 0;
    CString m_strYearName;
    int m_nYearFlag = 0;

    void OnInitDialog();
    int exec() override;
    void accept() override;

private:
    QLineEdit* m_pYearDiff;
    QLineEdit* m_pYearName;
    QButtonGroup* m_pYearFlag;
};
