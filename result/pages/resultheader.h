// Page header of printed result reports.
#pragma once

#include "platform/cstring.h"
#include "result/pages/resultbase.h"

// One ruled row of four cells above a printed page: project name, report
// title, office name and date.
class CResultHeaderClass : public CResultGraphClass {
public:
    CResultHeaderClass() = default;
    CResultHeaderClass(CString strOfficeName, CString strDate, CString strProjectName);

    void InitData() override;
    // Draws the row across m_sizePage.cx from the window origin.
    void ReportDraw(CDC* pDC) override;

    void SetOfficeName(CString str) { m_strOfficeName = str; }
    void SetTitle(CString str) { m_strTitle = str; }
    void SetDate(CString str) { m_strDate = str; }
    void SetProjectName(CString str) { m_strProjectName = str; }
    CString GetOfficeName() const { return m_strOfficeName; }
    CString GetTitle() const { return m_strTitle; }
    CString GetDate() const { return m_strDate; }
    CString GetProjectName() const { return m_strProjectName; }

    CString m_strOfficeName;
    CString m_strTitle;
    CString m_strDate;
    CString m_strProjectName;
};
