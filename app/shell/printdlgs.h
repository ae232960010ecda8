// The print-settings dialogs (copies, all or chosen pages, print date with
// era, printer setup) of input data, tax rates and options, the modeless
// "printing" dialog with its cancel button, and the abort check of a job.
#pragma once

#include <QDialog>
#include <span>
#include <vector>

#include "app/common/formdialog.h"
#include "app/shell/printitems.h"

class QLabel;
class QListWidget;

constexpr UINT IDC_PRINT_ALL = 1168;
constexpr UINT IDC_PRINT_SELECTED = 1169;
constexpr UINT IDC_PRINT_PAGES = 10002;
constexpr UINT IDC_PRINT_COPIES = 10003;
constexpr UINT IDC_PRINTER_SETUP = 10004;
constexpr UINT IDC_PRINT_YEAR = 10005;
constexpr UINT IDC_PRINT_MONTH = 10006;
constexpr UINT IDC_PRINT_DAY = 10007;
constexpr UINT IDC_PRINT_HELP = 1020;
constexpr UINT IDC_ERA_LABEL = 20026;

// The form of a print dialog: its controls between the date and the buttons
// come from the derived dialog.
struct CPrintDlgTemplate {
    UINT nIDTemplate;
    const char* pszCaption;
    const char* pszLine; // line 20001
    std::span<const CFormControl> extra = {};
};

class CPrintRangeDlg : public CFormDialog {
public:
    CPrintRangeDlg(const CPrintDlgTemplate& form, QWidget* pParent);

    BOOL OnInitDialog() override;
    void OnOK() override;
    virtual void DoDataExchange(CDataExchange* pDX);
    void OnControlNotify(UINT nID, UINT nCode) override;
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // The print year in the Western calendar, by the dialog's own era settings.
    int GetWesternYear() const;

    CFormWidget* Form() { return this; }
    QListWidget* PageList() const { return m_pPageList; }
    BOOL IsAllPages() const { return IsDlgButtonChecked(IDC_PRINT_ALL); }
    // Checks "全てを印刷" or "ページ指定して印刷" and shows the list with the latter only.
    void SelectRange(UINT nRadioID);
    // TRUE when something is to be printed; else says so and puts the focus on the list.
    BOOL CheckPagesChosen();

    const UINT m_nIDTemplate;
    int m_nCopies = 1;
    int m_nYear = 0;
    int m_nDay = 0;
    int m_nMonth = 0;
    tagPRINTSETTING m_objPrintSetting;

protected:
    // Closes the dialog with IDOK.
    void EndOK() { EndDialog(IDOK); }
    virtual void OnPrinterSetup();

private:
    QListWidget* m_pPageList;
};

// A print list shown in lines, each a group of consecutive entries whose
// names are joined with "・"; a line chosen prints all entries of its group.
struct CGroupPrintForm {
    CPrintDlgTemplate form;
    std::vector<int> groups; // entries per line
    UINT nFirstRadio;        // the range checked when the dialog opens
    UINT nHelpID;            // context help id, or 0
    const char* pszHelpTopic;
};

class CGroupPrintDlg : public CPrintRangeDlg {
public:
    CGroupPrintDlg(const CGroupPrintForm& form, CObArray* pList, QWidget* pParent);

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void OnHelp() override;

private:
    const CGroupPrintForm& m_group;
    CObArray* m_pList;
};

// Input data and blank sheets (template 243): basic conditions and outline on one line, the rest one each.
class CDataPrintDlg : public CGroupPrintDlg {
public:
    explicit CDataPrintDlg(QWidget* pParent = nullptr);
};

// The tax-rate table (template 324).
class CTaxPrintDlg : public CGroupPrintDlg {
public:
    explicit CTaxPrintDlg(QWidget* pParent = nullptr);
};

// The option data (template 412).
class COptionPrintDlg : public CGroupPrintDlg {
public:
    explicit COptionPrintDlg(QWidget* pParent = nullptr);
};

// "印刷中．．．": the project, the page being printed and its number; cancel
// sets the application's abort flag.
class CPrintingDlg : public QDialog {
public:
    explicit CPrintingDlg(QWidget* pParent = nullptr);

    void SetProjectName(const CString& str);
    void SetDataName(const CString& str);
    void SetPageNumber(int nPage);
    // Cancel or Esc.
    void reject() override;

    CString m_strProjectName;
    CString m_strDataName;
    CString m_strPage;

private:
    QLabel* m_pProjectName;
    QLabel* m_pDataName;
    QLabel* m_pPage;
};

// FALSE once the job is to stop: the printing dialog was cancelled or the
// program is ending. Lets waiting events run, so that the cancel is seen.
BOOL PrintAbortProc(CDC* pDC, int nCode);
