// One open project: its record sets, the calculation engine and its result,
// the edited flag of each window, its windows, and the commands on the whole
// project (files and calculation).
#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "app/common/classobject.h"
#include "app/shell/printitems.h"
#include "platform/cmdtarget.h"
#include "platform/cstring.h"
#include "result/calc/tavcalc.h"

class CCalcProgressDlg;
class CDataHeaderClass;
class CDataParentView;
class CFileSXClass;
class CDC;
class COptionHeaderClass;
class CTaxHeaderClass;
class CTavResultClass;
class CTavrinFormParentView;
struct CFileDialogRequest;

class CTavrinProjectDoc : public CCmdTarget {
public:
    static constexpr int kDataWindows = 11;
    static constexpr int kTaxWindows = 14;
    static constexpr int kOptionWindows = 7;
    // Edited flags of the windows that other windows and commands mark.
    static constexpr int kBasicSheet = 0, kConstructionSheet = 2, kTaxesSheet = 4, kFundingSheet = 5, kCostSheet = 6,
                         kRentalTypeSheet = 8, kRestOtherSheet = 10;
    static constexpr int kBusinessRateOption = 0, kConsumptionExpenseOption = 1, kExpenseManageOption = 2,
                         kAdvanceOption = 3, kOtherManageOption = 6;

    CTavrinProjectDoc();
    ~CTavrinProjectDoc() override;
    CTavrinProjectDoc(const CTavrinProjectDoc&) = delete;
    CTavrinProjectDoc& operator=(const CTavrinProjectDoc&) = delete;

    // The open documents, oldest first.
    static const QList<CTavrinProjectDoc*>& Documents();
    // The document a window of the MDI area belongs to, or null.
    static CTavrinProjectDoc* FromFrame(const QWidget* pFrame);

    // Back to "nothing loaded" with the application's settings of this moment.
    void InitData();
    // Records, result object; FALSE when one could not be made.
    BOOL CreateData();
    // Frees what CreateData made, then InitData.
    void DeleteData();

    // The project's records (null before CreateData).
    CDataBasicClass* GetDataBasic() const { return m_objDataClass.m_pDataBasic; }
    CDataOutlineClass* GetDataOutline() const { return m_objDataClass.m_pDataOutline; }
    CDataCostClass* GetDataCost() const { return m_objDataClass.m_pDataCost; }
    CDataSupplyClass* GetDataSupply() const { return m_objDataClass.m_pDataSupply; }
    CDataRentalTypeClass* GetDataRentalType() const { return m_objDataClass.m_pDataRentalType; }
    // The rental-basics record of category 0-7; null for any other category.
    CDataRentalBasicClass* GetDataRentalBasic(int nIndex) const;
    CDataProRestOtherClass* GetDataProRestOther() const { return m_objDataClass.m_pDataProRestOther; }
    CDataRestOtherClass* GetDataRestOther() const { return m_objDataClass.m_pDataRestOther; }
    CDataTaxClass* GetDataTax() const { return m_objDataClass.m_pDataTax; }
    CDataExpenseOtherClass* GetDataExpenseOther() const { return m_objDataClass.m_pDataExpenseOther; }
    CDataExpenseClass* GetDataExpense() const { return m_objDataClass.m_pDataExpense; }
    COptionBusinessRateClass* GetOptionBusinessRate() const { return m_objOptionClass.m_pOptionBusinessRate; }
    COptionExpenseManageClass* GetOptionExpenseManage() const { return m_objOptionClass.m_pOptionExpenseManage; }
    COptionAdvanceClass* GetOptionAdvance() const { return m_objOptionClass.m_pOptionAdvance; }
    COptionConsumptionCostClass* GetOptionConsumptionCost() const { return m_objOptionClass.m_pOptionConsumptionCost; }
    COptionConsumptionIncomeClass* GetOptionConsumptionIncome() const
    {
        return m_objOptionClass.m_pOptionConsumptionIncome;
    }
    COptionOtherManageClass* GetOptionOtherManage() const { return m_objOptionClass.m_pOptionOtherManage; }
    COptionConsumptionExpenseClass* GetOptionConsumptionExpense() const
    {
        return m_objOptionClass.m_pOptionConsumptionExpense;
    }
    CTaxMunicipalClass* GetTaxMunicipal() const { return m_objTaxClass.m_pTaxMunicipal; }
    CTaxCityPlanClass* GetTaxCityPlan() const { return m_objTaxClass.m_pTaxCityPlan; }
    CTaxBusinessClass* GetTaxBusiness() const { return m_objTaxClass.m_pTaxBusiness; }
    CTaxBusinessPlaceClass* GetTaxBusinessPlace() const { return m_objTaxClass.m_pTaxBusinessPlace; }
    CTaxDepreciationClass* GetTaxDepreciation() const { return m_objTaxClass.m_pTaxDepreciation; }
    CTaxConsumptionClass* GetTaxConsumption() const { return m_objTaxClass.m_pTaxConsumption; }
    CTaxLandPriceClass* GetTaxLandPrice() const { return m_objTaxClass.m_pTaxLandPrice; }
    CTaxLicenseClass* GetTaxLicense() const { return m_objTaxClass.m_pTaxLicense; }
    CTaxRealtyGetClass* GetTaxRealtyGet() const { return m_objTaxClass.m_pTaxRealtyGet; }
    CTaxCorporationClass* GetTaxCorporation() const { return m_objTaxClass.m_pTaxCorporation; }
    CTaxPrefecturalClass* GetTaxPrefectural() const { return m_objTaxClass.m_pTaxPrefectural; }
    CTaxVillageClass* GetTaxVillage() const { return m_objTaxClass.m_pTaxVillage; }
    CTaxIncomeClass* GetTaxIncome() const { return m_objTaxClass.m_pTaxIncome; }
    CTaxTransferClass* GetTaxTransfer() const { return m_objTaxClass.m_pTaxTransfer; }
    CTaxStandardMoneyClass* GetTaxStandardMoney() const { return m_objTaxClass.m_pTaxStandardMoney; }
    CTaxResidentCorporationClass* GetTaxResidentCorporation() const
    {
        return m_objTaxClass.m_pTaxResidentCorporation;
    }
    // The record given assigned whole to the project's record.
    void SetDataBasic(const CDataBasicClass& record);
    void SetOptionAdvance(const COptionAdvanceClass& record);
    void SetOptionOtherManage(const COptionOtherManageClass& record);

    // Files. The path is empty until the project was opened from or saved to a file.
    const CString& GetPathName() const { return m_strPathName; }
    void SetPathName(const CString& strPath) { m_strPathName = strPath; }
    BOOL IsModified() const;
    // Reads the project; FALSE (after its message) leaves the document to be discarded.
    virtual BOOL OnOpenDocument(const CString& strPath);
    // Writes the project; the edited flags are cleared only when the file was written.
    virtual BOOL OnSaveDocument(const CString& strPath);
    BOOL ReadProjectFile(const CString& strPath);
    static CString DefaultTaxFileName();
    // The tax-rate table of the project: TRUE when the whole table was read or
    // written; a failed load leaves the table in use as it was. An empty path
    // means the application's default table, which is also tried when the
    // named one cannot be read.
    BOOL ReadTaxFile(CString strPath);
    BOOL WriteTaxFile(CString strPath);
    // Reads one tax-rate file into the table.
    virtual BOOL LoadTaxFile(const CString& strPath);
    // The outline's other unit from the entered one, with the table's factor.
    BOOL ConvertAreaUnits();
    // TRUE when the project was written.
    BOOL OnFileSave();
    BOOL OnFileSaveAs();
    // A new project read from the template chosen in the new-project dialog;
    // FALSE when cancelled or unreadable.
    virtual BOOL OnNewDocument();
    // A project of the earlier product, converted by the import dialog's reader;
    // it is new and edited, so that closing it asks to save it.
    BOOL ImportLegacy(CFileSXClass& reader);
    // Post the item box to the data tab, then offer the calculation (asked
    // unless the project came from the command line).
    void OfferCalculation();
    // The tax-rate table from or to a file the user chooses. A failure says so
    // and keeps the table in use; success makes the file the project's table.
    void OnTaxFileLoad();
    void OnTaxFileSave();
    // Closes this project's tax-rate windows.
    void CloseTaxFrames();
    // The open window of data sheet nSheet (its command id - 20000) shows the
    // record as it is now; its unstored edits are dropped.
    void ReloadDataWindow(int nSheet);
    // The view of the open window of data sheet nSheet, or null.
    CTavrinFormParentView* DataWindowView(int nSheet) const;

    // Calculation: runs the engine's steps under the progress dialog.
    void OnCalcStart();
    // FALSE, after the message, when a rental category in use has no contract period.
    BOOL CheckContractPeriods();
    BOOL IsCalculating() const { return m_pProgressDlg != nullptr; }
    // Goal seek over the whole calculation (reversecalc.cpp).
    void OnReverseCalc();
    CCalcProgressDlg* GetProgressDlg() const { return m_pProgressDlg; }

    const CString& GetTitle() const { return m_strTitle; }
    void SetTitle(const CString& strTitle) { m_strTitle = strTitle; }
    // While the project is new (open mode 1) its title follows the project name.
    void SetProjectTitle(const CString& strName);

    // The windows of this project register while they are open.
    void AddFrame(QWidget* pFrame);
    void RemoveFrame(QWidget* pFrame);
    // Brings the project's first window to the front.
    void ActivateFirstFrame();
    // Every open form window stores its screen, the one lowest in the window
    // order first; the first that refuses is activated and FALSE returned.
    BOOL SaveOpenForms();
    // Re-derives the amounts that depend on stored records.
    // Loan 6 becomes the land-purchase loan for an individual who buys land and
    // has income outside the project.
    virtual void UpdateDependentData();
    // Asks whether to save an edited project; FALSE unless the project may be
    // closed (not edited, "no", or saved).
    virtual BOOL SaveModified();
    // Unless a calculation runs or the user cancels the save question, closes
    // every window of the project, then deletes the document when
    // m_bAutoDelete is set. While the main frame closes everything, it has asked already.
    virtual void OnCloseDocument();

    // The project's commands.
    BOOL OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;

    // Windows and results on screen (projectdocresults.cpp).
    // The commands that open or activate a window of the project (20000-20306).
    BOOL OnWindowCommand(UINT nID, CCmdUI* pCmdUI);
    // The project's open window that pfnIsFrame accepts, or null.
    QWidget* FindChildFrame(bool (*pfnIsFrame)(const QWidget*)) const;
    // Opens or activates the form window of command nID; its view, or null.
    CTavrinFormParentView* OpenFormView(UINT nID);
    // Draws the report named by the result object's item flag with the
    // application's result fonts and pens, on the B4 layout.
    void DrawResultReport(CDC* pDC);
    // Repaints the project's result windows; TRUE when one is open.
    BOOL RefreshResultFrames();
    // The year window of the yearly tables from nYear on (clamped to
    // 0..m_nCalcYear, ten years); the start year taken.
    int SetResultStartYear(int nYear);
    // The year window back to the start year last shown on the report
    // toolbar (after printing), the result windows repainted.
    void ResetResultYears();

    CTavCalcClass m_objCalc;
    CDataClassObject m_objDataClass;
    CTaxClassObject m_objTaxClass;
    COptionClassObject m_objOptionClass;
    BOOL m_abDataModified[kDataWindows] = {};
    BOOL m_abTaxModified[kTaxWindows] = {};
    BOOL m_abOptionModified[kOptionWindows] = {};
    CTavResultClass* m_pResultClass = nullptr;
    // 0 nothing loaded, 1 new from a template, 2 opened from or saved to a file.
    int m_nOpenMode = 0;
    // "PRJ" or "ETD" as chosen in the save dialog; "ETD" writes a template.
    CString m_strFileExt;
    // Non-zero while a complete result of the last run exists.
    int m_nCalcResult = 0;
    int m_nCalcYear = 0;
    tagSETDECIMAL m_objDecimal = {};
    int m_nStartYear = 0;
    int m_nEndYear = 10;
    CString m_strOfficeName;
    BOOL m_bAutoDelete = TRUE;

    // Printing and text output (projectdocprint.cpp).
    BOOL OnPrintCmdMsg(UINT nID, CCmdUI* pCmdUI);
    // 25006: the print command of the active window's family.
    void OnPrintReport();
    void OnPrintData();
    // The data-entry sheets with labels and lines only, on a project of its own.
    static void PrintBlankSheets();
    void OnPrintResult();
    void OnPrintTax();
    void OnPrintOption();
    // Page routines of a job started by the data view; each ends the job.
    void PrintDataReport(CDC* pDC);
    void PrintResultReport(CDC* pDC);
    void PrintTaxReport(CDC* pDC);
    void PrintOptionReport(CDC* pDC);
    // The print date (Western year) and its header line, in the era when the era display is on.
    void SetPrintDate(int nYear, int nMonth, int nDay);
    void OnFilePrintSetup();
    // Writes every result table to a tab-separated text file chosen by the
    // user; a file of that name is replaced only by a complete one.
    void OnTextFileOutput();
    // The project's data view that runs its print jobs, or null.
    CDataParentView* FindDataView() const;

    // Settings commands (projectdocsettings.cpp): the era display of the
    // print date, and the business settings kept in the profile.
    void OnYearSetting();
    void OnBusinessSetting();
    // The era display taken by the print date and by the application, with the
    // print date as the application's date.
    void SetEraDisplay(int nYearFlag, const CString& strYearName, int nYearDiff);

    CDataHeaderClass* m_pDataHeader = nullptr;
    CTaxHeaderClass* m_pTaxHeader = nullptr;
    COptionHeaderClass* m_pOptionHeader = nullptr;
    CString m_strPrintDate;
    int m_nPrintCopies = 0;
    tagPRINTSETTING m_objPrintSetting;

protected:
    // One step of the engine; the status of a failure is in m_objCalc.m_nMessageID.
    virtual BOOL RunCalcStep(int nStep);

private:
    // The print settings of InitData, the page headers of CreateData and DeleteData.
    void InitPrintData();
    BOOL CreatePrintHeaders();
    void DeletePrintHeaders();

    // The engine linked to this project's records and settings.
    void LinkEngine();
    // Runs steps 0-26 under the progress dialog; the last step's result, 0 when cancelled.
    int RunCalculation(BOOL& bCancelled);
    // Saves under the current name, or asks for one while the project is new.
    BOOL SaveCurrent();
    // Runs a file dialog in the folder of the tax-rate file (0) or of the last project (1).
    static BOOL ChooseFile(int nFolder, const CFileDialogRequest& request, CString& strPath);
    // Reads or writes the table with the file the user chose; FALSE after the
    // message pszFailed when that failed, or when cancelled.
    BOOL TransferTaxFile(const CFileDialogRequest& request, const std::function<BOOL(const CString&)>& transfer,
                         const char* pszFailed);
    // The tax-rate file now holds the table in use.
    void UseTaxFile(const CString& strPath);
    // Shows the results of a successful run: repaints the open result windows,
    // or turns the item box to the reports when none is open.
    void ShowResults();
    // Measure nItem of the reverse calculation in year record nYear; minus
    // infinity when there is no such record.
    double YearMeasure(int nYear, int nItem) const;
    // The reverse calculation changed data sheet nSheet: it is marked edited
    // and its open window reloaded.
    void MarkSheetChanged(int nSheet);
    // Takes the project's windows off the screen; they no longer refer to it.
    void CloseFrames();

    CString m_strTitle;
    CString m_strPathName;
    CCalcProgressDlg* m_pProgressDlg = nullptr;
    QList<QPointer<QWidget>> m_frames;
};
