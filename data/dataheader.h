// The header block printed at the top of every data page, and the blank memo form.
#pragma once

#include "data/dataclass.h"

// Print date, project name and the name of the page being printed; the texts
// enter the sheet only while it is drawn.
class CDataHeaderClass : public CDataClass {
public:
    CDataHeaderClass() { InitData(); }

    void InitData() override;
    void ReportDraw(CDC* pDC) override;
    BOOL SetFramePoint(int nPage) override;
    BOOL SetWLinePoint(int nPage) override;
    BOOL SetHLinePoint(int nPage) override;
    BOOL SetItemPoint(int nPage) override;
    BOOL SetDataPoint(int nPage) override;
    void CreatePrintArray(int nPages) override;

    void SetDate(CString strDate) { m_strDate = strDate; }
    void SetProjectName(CString strName) { m_strProjectName = strName; }
    void SetDataName(CString strName) { m_strDataName = strName; }

    CString m_strDate;
    CString m_strProjectName;
    CString m_strDataName;
};

// Department, person in charge and remarks, left empty for handwriting.
class CDataMemoClass : public CDataClass {
public:
    CDataMemoClass() { InitData(); }

    void DestroyData() override;
    void ReportDraw(CDC* pDC) override;
    BOOL SetFramePoint(int nPage) override;
    BOOL SetWLinePoint(int nPage) override;
    BOOL SetHLinePoint(int nPage) override;
    BOOL SetItemPoint(int nPage) override;
    BOOL SetItemData(int nPage) override;
    void CreatePrintArray(int nPages) override;
};
