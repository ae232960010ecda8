// The frame of a printed tax-rate page: the header block (print date, project
// name, the page's tax names) and an empty memo block for handwriting. Neither
// moves the origin beyond its title; the caller places both.
#pragma once

#include "tax/taxclass.h"

// Three rows: the date across the top, then the project name and tax names.
class CTaxHeaderClass : public CTaxClass {
public:
    CTaxHeaderClass() { InitData(); }
    CTaxHeaderClass(const CTaxHeaderClass&) = default;
    CTaxHeaderClass& operator=(const CTaxHeaderClass&) = default;

    void SetDate(CString strDate) { m_strDate = strDate; }
    void SetProjectName(CString strName) { m_strProjectName = strName; }
    void SetDataName(CString strName) { m_strDataName = strName; }

    void InitData() override;
    // No title; the three strings go into their cells as it draws, unless the
    // values flag is set.
    void ReportDraw(CDC* pDC) override;
    BOOL SetFramePoint(int nPage) override;
    BOOL SetWLinePoint(int nPage) override;
    BOOL SetHLinePoint(int nPage) override;
    // Places and labels the two row labels.
    BOOL SetItemPoint(int nPage) override;
    BOOL SetDataPoint(int nPage) override;
    void CreatePrintArray(int nPages) override;

    CString m_strDate;         // print-date line, as the main program formats it
    CString m_strProjectName;
    CString m_strDataName;     // the page's tax names, joined with "・"
};

// Eight rows under the title "メモ": department, person in charge, remarks.
class CTaxMemoClass : public CTaxClass {
public:
    CTaxMemoClass() { InitData(); }
    CTaxMemoClass(const CTaxMemoClass&) = default;
    CTaxMemoClass& operator=(const CTaxMemoClass&) = default;

    void DestroyData() override { InitData(); }
    void ReportDraw(CDC* pDC) override;
    BOOL SetFramePoint(int nPage) override;
    BOOL SetWLinePoint(int nPage) override;
    BOOL SetHLinePoint(int nPage) override;
    BOOL SetItemPoint(int nPage) override;
    BOOL SetItemData(int nPage) override;
    void CreatePrintArray(int nPages) override;
};
