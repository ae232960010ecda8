#include <QDialog>

#include "app/shell/mainframe.h"
#include "app/shell/settingsdlg.h"
#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinprojectdoc.h"

namespace {

QWidget* DialogParent()
{
    const CTavrinApp* pApp = GetTavrinApp();
    return pApp ? pApp->m_pMainWnd : nullptr;
}

} // namespace

void CTavrinProjectDoc::OnYearSetting()
{
    CEraDisplayDlg dlg(DialogParent());
    dlg.m_nYearFlag = m_objPrintSetting.nYearFlag;
    dlg.m_strYearName = m_objPrintSetting.strYearName;
    dlg.m_nYearDiff = m_objPrintSetting.nYearDiff;
    if (dlg.exec() != QDialog::Accepted) return;
    SetEraDisplay(dlg.m_nYearFlag, dlg.m_strYearName, dlg.m_nYearDiff);
}

void CTavrinProjectDoc::OnBusinessSetting()
{
    CBasicSettingDlg dlg(DialogParent());
    dlg.m_nCalcYearIO = m_nCalcYear;
    dlg.m_objDecimal = m_objDecimal;
    dlg.m_nYearFlag = m_objPrintSetting.nYearFlag;
    dlg.m_strYearName = m_objPrintSetting.strYearName;
    dlg.m_nYearDiff = m_objPrintSetting.nYearDiff;
    if (dlg.exec() != QDialog::Accepted) return;
    m_objDecimal = dlg.m_objDecimal;
    m_nCalcYear = dlg.m_nCalcYearIO;
    m_objDecimal.dDecimalVal =
        CTavrinApp::DecimalValFor(m_objDecimal.nDecimalNum, m_objDecimal.nDecimalFlag, m_objDecimal.dDecimalVal);
    SetEraDisplay(dlg.m_nYearFlag, dlg.m_strYearName, dlg.m_nYearDiff);
    CTavrinApp* pApp = GetTavrinApp();
    if (!pApp) return;
    pApp->m_nCalcYear = m_nCalcYear;
    pApp->m_objDecimal = m_objDecimal;
    pApp->SaveProfile();
}

void CTavrinProjectDoc::SetEraDisplay(int nYearFlag, const CString& strYearName, int nYearDiff)
{
    m_objPrintSetting.nYearFlag = nYearFlag;
    m_objPrintSetting.strYearName = strYearName;
    m_objPrintSetting.nYearDiff = nYearDiff;
    SetPrintDate(m_objPrintSetting.nYear, m_objPrintSetting.nMonth, m_objPrintSetting.nDay);
    CTavrinApp* pApp = GetTavrinApp();
    if (!pApp) return;
    pApp->m_nYearFlag = nYearFlag;
    pApp->m_strYearName = strYearName;
    pApp->m_nYearDiff = nYearDiff;
    pApp->m_nYearChosen = 1;
    pApp->m_nTodayYear = m_objPrintSetting.nYear;
    pApp->m_nTodayMonth = m_objPrintSetting.nMonth;
    pApp->m_nTodayDay = m_objPrintSetting.nDay;
}
