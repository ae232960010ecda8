// The report print dialog "帳票印刷": which reports, copies, print date,
// paper, colour or patterns, the operating years of the yearly tables, the
// company name and the cover picture; and the entries of the report list.
#pragma once

#include "app/shell/printdlgs.h"

class CTavrinProjectDoc;

class CResultPrintItem : public CObject {
public:
    CResultPrintItem() { Reset(); }
    CResultPrintItem(const CString& strTitle, int nReportNo, BOOL bMultiYear);

    void Reset();
    CString GetTitle() const { return m_strTitle; }
    void SetTitle(const CString& str) { m_strTitle = str; }

    int m_nReserved = 0;
    CString m_strTitle;
    int m_nPage = 1;
    BOOL m_bPrint = FALSE;
    int m_nReportNo = 0;   // the result object's item flag; 100 the cover
    BOOL m_bMultiYear = FALSE; // a yearly table, printed ten years a page
};

class CResultPrintDlg : public CPrintRangeDlg {
public:
    static constexpr int kMaxYear = 100;
    static constexpr int kCompanyNameBytes = 50;

    explicit CResultPrintDlg(CTavrinProjectDoc* pDoc, QWidget* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnControlNotify(UINT nID, UINT nCode) override;

    int m_nFromYear = 0;
    int m_nToYear = 0;
    CString m_strCompanyName;
    int m_nPaper = 0;
    int* m_pnCalcYear = nullptr;

protected:
    void OnPrinterSetup() override;
    void OnHelp() override;

private:
    // Paper radio by the application's paper code; other codes check neither.
    void ShowPaper();
    // FALSE, after the message, unless 0 <= from <= to <= the calculated years.
    BOOL CheckYearRange();

    CTavrinProjectDoc* m_pDocument;
};
