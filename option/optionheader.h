// The header box at the top of every printed option page, and the blank memo box.
#pragma once

#include "option/optionclass.h"
#include "option/optionsheet.h"

// Print date, project name and option-set name; 3 rows, no title, and the
// window origin stays where it is.
class COptionHeaderClass : public COptionBlockClass {
public:
    COptionHeaderClass() { InitData(); }

    void InitData() override;
    void ReportDraw(CDC* pDC) override;
    BOOL SetFramePoint(int nPage) override;
    BOOL SetWLinePoint(int nPage) override;
    BOOL SetHLinePoint(int nPage) override;
    // Places the two labels and loads their texts.
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

// Department, person in charge and remarks, all blank; 8 rows under the title
// "メモ", and the window origin stays below the title.
class COptionMemoClass : public COptionClass {
public:
    void DestroyData() override { InitData(); }
    void ReportDraw(CDC* pDC) override;
    BOOL SetFramePoint(int nPage) override;
    BOOL SetWLinePoint(int nPage) override;
    BOOL SetHLinePoint(int nPage) override;
    BOOL SetItemPoint(int nPage) override;
    BOOL SetItemData(int nPage) override;
    void CreatePrintArray(int nPages) override;
};
