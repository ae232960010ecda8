#include "app/shell/tavrinprojectdoc.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <algorithm>
#include <climits>

#include "app/shell/calcprogressdlg.h"
#include "app/shell/commandids.h"
#include "app/shell/filedialogs.h"
#include "app/shell/mainframe.h"
#include "app/shell/newprojectdlg.h"
#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinformparentframe.h"
#include "file/filedata.h"
#include "file/filesx.h"
#include "file/filetax.h"
#include "platform/msgbox.h"
#include "platform/resource.h"
#include "platform/qtstring.h"
#include "result/pages/tavresult.h"

namespace {

QList<CTavrinProjectDoc*>& OpenDocuments()
{
    static QList<CTavrinProjectDoc*> documents;
    return documents;
}

// Position in the window order, back to front; frames outside a window area last.
int StackingIndex(const QWidget* pFrame)
{
    auto* sub = qobject_cast<QMdiSubWindow*>(pFrame->parentWidget());
    QMdiArea* area = sub ? sub->mdiArea() : nullptr;
    return area ? int(area->subWindowList(QMdiArea::StackingOrder).indexOf(sub)) : INT_MAX;
}

const char kReadFailed[] = "ファイルを読み込めませんでした。\n";
const char kWriteFailed[] = "ファイルに保存できませんでした。\n";
constexpr UINT kIdsTaxFileFailed = 13006;
constexpr UINT kIdsNewProjectEdited = 16000;
constexpr UINT kIdsProjectEdited = 16001;
constexpr UINT kIdsAskCalculate = 16002;
constexpr UINT kIdsNoContractYears = 10022;
constexpr UINT kIdsFirstProgress = 7000;
constexpr UINT kIdrProjectType = 129;
constexpr int kFirstDataWindow = 20000;
constexpr int kFirstTaxWindow = 20200;

// The outline's areas in the order they are converted, from tsubo and from square metres.
using AreaConvert = void (CDataOutlineClass::*)(double);
constexpr int kAreaCount = 7;
constexpr AreaConvert kTuboToHeibei[kAreaCount] = {
    &CDataOutlineClass::TotalLandTuboToHeibei,    &CDataOutlineClass::LeasedLandTuboToHeibei,
    &CDataOutlineClass::BuyLandTuboToHeibei,      &CDataOutlineClass::DemolishBuildTuboToHeibei,
    &CDataOutlineClass::PlanBuildTuboToHeibei,    &CDataOutlineClass::UseBuildTuboToHeibei,
    &CDataOutlineClass::HouseTuboToHeibei};
constexpr AreaConvert kHeibeiToTubo[kAreaCount] = {
    &CDataOutlineClass::TotalLandHeibeiToTubo,    &CDataOutlineClass::LeasedLandHeibeiToTubo,
    &CDataOutlineClass::BuyLandHeibeiToTubo,      &CDataOutlineClass::DemolishBuildHeibeiToTubo,
    &CDataOutlineClass::PlanBuildHeibeiToTubo,    &CDataOutlineClass::UseBuildHeibeiToTubo,
    &CDataOutlineClass::HouseHeibeiToTubo};

CMainFrame* MainWindow()
{
    CTavrinApp* pApp = GetTavrinApp();
    return pApp ? pApp->m_pMainWnd : nullptr;
}

// Selects an item-box tab and entry once the current command has returned.
void PostItemBoxSelect(int nTab, int nItem)
{
    CMainFrame* pMain = MainWindow();
    if (pMain) QTimer::singleShot(0, pMain, [pMain, nTab, nItem] { pMain->OnItemBoxSelect(nTab, nItem); });
}

// The wait cursor while an object of this type lives.
struct WaitCursor {
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

CTavrinProjectDoc::CTavrinProjectDoc()
{
    InitData();
    CreateData();
    OpenDocuments().append(this);
}

CTavrinProjectDoc::~CTavrinProjectDoc()
{
    CloseFrames();
    DeleteData();
    OpenDocuments().removeOne(this);
    if (CTavrinApp* pApp = GetTavrinApp(); pApp && pApp->m_pMainWnd)
        pApp->m_pMainWnd->PostCommand(ID_DOCUMENT_CLOSED);
}

void CTavrinProjectDoc::InitData()
{
    m_objDataClass.InitData();
    m_objTaxClass.InitData();
    m_objOptionClass.InitData();
    m_objCalc.InitData();
    m_pResultClass = nullptr;
    m_nOpenMode = 0;
    std::fill(std::begin(m_abDataModified), std::end(m_abDataModified), FALSE);
    std::fill(std::begin(m_abTaxModified), std::end(m_abTaxModified), FALSE);
    std::fill(std::begin(m_abOptionModified), std::end(m_abOptionModified), FALSE);
    m_strFileExt.Empty();
    m_nCalcResult = 0;
    m_nStartYear = 0;
    m_nEndYear = 10;
    const CTavrinApp* pApp = GetTavrinApp();
    m_nCalcYear = pApp ? pApp->m_nCalcYear : 0;
    m_objDecimal = pApp ? pApp->m_objDecimal : tagSETDECIMAL{};
    m_strOfficeName = pApp ? pApp->m_strOfficeName : CString();
    InitPrintData();
}

BOOL CTavrinProjectDoc::CreateData()
{
    m_objDataClass.CreateData();
    m_objTaxClass.CreateData();
    m_objOptionClass.CreateData();
    m_pResultClass = new (std::nothrow) CTavResultClass;
    if (!m_pResultClass) return FALSE;
    for (int i = 0; i < 11; ++i) m_pResultClass->m_anYear[i] = i;
    return CreatePrintHeaders();
}

void CTavrinProjectDoc::DeleteData()
{
    m_objCalc.DestroyData();
    m_objDataClass.DestroyData();
    m_objTaxClass.DestroyData();
    m_objOptionClass.DestroyData();
    delete m_pResultClass;
    DeletePrintHeaders();
    InitData();
}

void CTavrinProjectDoc::SetDataBasic(const CDataBasicClass& record)
{
    if (CDataBasicClass* basic = GetDataBasic()) *basic = record;
}

void CTavrinProjectDoc::SetOptionAdvance(const COptionAdvanceClass& record)
{
    if (COptionAdvanceClass* advance = GetOptionAdvance()) *advance = record;
}

void CTavrinProjectDoc::SetOptionOtherManage(const COptionOtherManageClass& record)
{
    if (COptionOtherManageClass* manage = GetOptionOtherManage()) *manage = record;
}

CDataRentalBasicClass* CTavrinProjectDoc::GetDataRentalBasic(int nIndex) const
{
    if (nIndex < 0 || nIndex >= CDataClassObject::kRentalCategories) return nullptr;
    return m_objDataClass.m_apDataRentalBasic[nIndex];
}

const QList<CTavrinProjectDoc*>& CTavrinProjectDoc::Documents()
{
    return OpenDocuments();
}

CTavrinProjectDoc* CTavrinProjectDoc::FromFrame(const QWidget* pFrame)
{
    for (CTavrinProjectDoc* pDoc : OpenDocuments())
        if (pDoc->m_frames.contains(pFrame)) return pDoc;
    return nullptr;
}

void CTavrinProjectDoc::SetProjectTitle(const CString& strName)
{
    if (m_nOpenMode == 1) SetTitle(strName);
}

void CTavrinProjectDoc::AddFrame(QWidget* pFrame)
{
    m_frames.append(pFrame);
}

void CTavrinProjectDoc::RemoveFrame(QWidget* pFrame)
{
    m_frames.removeAll(pFrame);
}

void CTavrinProjectDoc::ActivateFirstFrame()
{
    for (const QPointer<QWidget>& frame : m_frames) {
        if (!frame) continue;
        if (auto* sub = qobject_cast<QMdiSubWindow*>(frame->parentWidget()); sub && sub->mdiArea())
            sub->mdiArea()->setActiveSubWindow(sub);
        return;
    }
}

BOOL CTavrinProjectDoc::SaveOpenForms()
{
    QList<CTavrinFormParentFrame*> forms;
    for (const QPointer<QWidget>& frame : m_frames)
        if (auto* form = dynamic_cast<CTavrinFormParentFrame*>(frame.data())) forms.append(form);
    std::stable_sort(forms.begin(), forms.end(), [](auto* a, auto* b) { return StackingIndex(a) < StackingIndex(b); });
    for (CTavrinFormParentFrame* form : forms) {
        if (!form->SaveData()) {
            form->ActivateFrame();
            return FALSE;
        }
    }
    return TRUE;
}

void CTavrinProjectDoc::UpdateDependentData()
{
    const CDataBasicClass* basic = GetDataBasic();
    const CDataOutlineClass* outline = GetDataOutline();
    const CDataExpenseOtherClass* other = m_objDataClass.m_pDataExpenseOther;
    CDataSupplyClass* supply = m_objDataClass.m_pDataSupply;
    if (!basic || !outline || !other || !supply || !m_objDataClass.m_pDataRestOther) return;
    const CDataExpenseMoneyClass& land = other->m_aExpenseMoney[0];
    const double dLand = land.nInputMethod == 1 ? land.dAmount * outline->aLand[0].dBuyLand : land.dAmount;
    if (basic->nTaxMethod == 0 && dLand > 0 && m_objDataClass.m_pDataRestOther->CheckIncome() == 1) {
        supply->m_nLandPurchaseLoan = 1;
        supply->m_aLoan[5].dAmount = dLand;
    } else {
        supply->m_nLandPurchaseLoan = 0;
    }
}

BOOL CTavrinProjectDoc::IsModified() const
{
    auto any = [](const auto& flags) { return std::find(std::begin(flags), std::end(flags), TRUE) != std::end(flags); };
    return any(m_abDataModified) || any(m_abOptionModified);
}

BOOL CTavrinProjectDoc::OnOpenDocument(const CString& strPath)
{
    {
        WaitCursor wait;
        if (!ReadProjectFile(strPath)) return FALSE;
    }
    m_nOpenMode = 2;
    m_strPathName = strPath;
    SetTitle(FromQString(QFileInfo(ToQString(strPath)).fileName()));
    OfferCalculation();
    return TRUE;
}

void CTavrinProjectDoc::OfferCalculation()
{
    PostItemBoxSelect(ITEMBOX_DATA, 0);
    const CTavrinApp* pApp = GetTavrinApp();
    const BOOL bCommandLine = pApp && pApp->m_bOpeningCommandLine;
    if (!bCommandLine && AfxMessageBox(kIdsAskCalculate, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    if (pApp && pApp->m_pMainWnd) pApp->m_pMainWnd->PostCommand(ID_DATA_CALCULATE);
}

BOOL CTavrinProjectDoc::OnNewDocument()
{
    CNewProjectDlg dlg(MainWindow());
    if (dlg.exec() != QDialog::Accepted) return FALSE;
    {
        WaitCursor wait;
        if (!ReadProjectFile(dlg.GetPathName())) return FALSE;
    }
    m_nOpenMode = 1;
    // The framework's title of a new document: the document name and a number.
    static int nNewCount = 0;
    CString strName = LoadText(kIdrProjectType);
    if (const int nEnd = strName.Find('\n'); nEnd >= 0) strName = strName.Left(nEnd);
    CString strCount;
    strCount.Format("%d", ++nNewCount);
    SetTitle(strName + strCount);
    PostItemBoxSelect(ITEMBOX_DATA, 0);
    return TRUE;
}

BOOL CTavrinProjectDoc::ImportLegacy(CFileSXClass& reader)
{
    if (!ReadTaxFile(CString())) AfxMessageBox(kIdsTaxFileFailed, MB_OK);
    reader.SetDataClassObject(&m_objDataClass);
    reader.SetOptionClassObject(&m_objOptionClass);
    if (!reader.ConvertToClass(-1)) {
        AfxMessageBox(CString(kReadFailed) + reader.m_strDataPath, MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    CDataBasicClass* basic = GetDataBasic();
    if (basic->astrFileName[0].IsEmpty()) basic->astrFileName[0] = DefaultTaxFileName();
    SetTitle(basic->strProjectName);
    ConvertAreaUnits();
    m_nOpenMode = 1;
    m_abDataModified[kBasicSheet] = TRUE;
    return TRUE;
}

BOOL CTavrinProjectDoc::ReadProjectFile(const CString& strPath)
{
    CFileDataClass file;
    if (!file.ReadProject(strPath, &m_objDataClass, &m_objOptionClass)) {
        // A readable file of another kind has had the file library's own message.
        if (file.GetVersion() != 0 || !QFileInfo(ToQString(strPath)).isReadable())
            AfxMessageBox(CString(kReadFailed) + strPath, MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    CDataBasicClass* basic = GetDataBasic();
    if (basic->astrFileName[0].IsEmpty()) basic->astrFileName[0] = DefaultTaxFileName();
    if (!ReadTaxFile(basic->astrFileName[0])) AfxMessageBox(kIdsTaxFileFailed, MB_OK);
    return ConvertAreaUnits();
}

CString CTavrinProjectDoc::DefaultTaxFileName()
{
    const CTavrinApp* pApp = GetTavrinApp();
    return pApp ? pApp->m_strTaxFileName : CString();
}

BOOL CTavrinProjectDoc::ReadTaxFile(CString strPath)
{
    const CString strDefault = DefaultTaxFileName();
    if (strPath.IsEmpty()) strPath = strDefault;
    if (LoadTaxFile(strPath)) return TRUE;
    return strPath != strDefault && LoadTaxFile(strDefault);
}

BOOL CTavrinProjectDoc::LoadTaxFile(const CString& strPath)
{
    CFileTaxClass file;
    return file.ReadTax(strPath, &m_objTaxClass);
}

BOOL CTavrinProjectDoc::WriteTaxFile(CString strPath)
{
    if (strPath.IsEmpty()) strPath = DefaultTaxFileName();
    CFileTaxClass file;
    return file.WriteTax(strPath, &m_objTaxClass);
}

BOOL CTavrinProjectDoc::ConvertAreaUnits()
{
    CDataOutlineClass* o = GetDataOutline();
    if (!o) return TRUE;
    const CTaxBusinessPlaceClass* place = m_objTaxClass.m_pTaxBusinessPlace;
    const double dFactor = place ? place->m_dSquareMeterPerTsubo : 0.0;
    o->m_dSquareMeterPerTsubo = dFactor != 0.0 ? dFactor : 1.0;
    // A share of a reference area, or -1.0: convert the stored value.
    auto share = [](int nInput, double dRatio, double dOf) { return nInput == 1 ? dRatio * 0.01 * dOf : -1.0; };
    const int u = o->nAreaUnit == 0 ? 0 : 1;
    const double dLand = o->aLand[u].dTotalLand;
    const double dPlan = o->aBuilding[u].dPlanBuild;
    const double dHouse = o->nHouseInput == 1 ? o->dHouseRatio * 0.01 * dPlan : o->aHouse[u].dHouse;
    const double adValue[kAreaCount] = {-1.0,
                                        share(o->nLeasedLandInput, o->dLeasedLandRatio, dLand),
                                        share(o->nBuyLandInput, o->dBuyLandRatio, dLand),
                                        -1.0,
                                        -1.0,
                                        share(o->nUseBuildInput, o->dUseBuildRatio, dPlan),
                                        dHouse};
    const AreaConvert* convert = u == 0 ? kTuboToHeibei : kHeibeiToTubo;
    for (int i = 0; i < kAreaCount; ++i) (o->*convert[i])(adValue[i]);
    return TRUE;
}

BOOL CTavrinProjectDoc::OnSaveDocument(const CString& strPath)
{
    const short nKind = m_strFileExt == "ETD" ? CFileDataClass::kKindTemplate : CFileDataClass::kKindProject;
    CFileDataClass file;
    if (!file.WriteProject(nKind, strPath, &m_objDataClass, &m_objOptionClass)) {
        AfxMessageBox(CString(kWriteFailed) + strPath, MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    std::fill(std::begin(m_abDataModified), std::end(m_abDataModified), FALSE);
    std::fill(std::begin(m_abOptionModified), std::end(m_abOptionModified), FALSE);
    return TRUE;
}

BOOL CTavrinProjectDoc::OnFileSave()
{
    return SaveOpenForms() && SaveCurrent();
}

BOOL CTavrinProjectDoc::SaveCurrent()
{
    if (m_nOpenMode == 1 || m_strPathName.IsEmpty()) return OnFileSaveAs();
    return OnSaveDocument(m_strPathName);
}

BOOL CTavrinProjectDoc::OnFileSaveAs()
{
    if (!SaveOpenForms()) return FALSE;
    CString strPath;
    if (!ChooseFile(1, SaveProjectRequest(GetTitle()), strPath)) return FALSE;
    CTavrinApp* pApp = GetTavrinApp();
    const QFileInfo info(ToQString(strPath));
    m_strFileExt = FromQString(info.suffix());
    if (pApp) pApp->m_strDataFileName = strPath;
    if (!OnSaveDocument(strPath)) return FALSE;
    if (m_nOpenMode == 1) SetTitle(FromQString(info.fileName()));
    m_nOpenMode = 2;
    m_strPathName = strPath;
    if (pApp) pApp->AddToRecentFileList(strPath);
    return TRUE;
}

BOOL CTavrinProjectDoc::ChooseFile(int nFolder, const CFileDialogRequest& request, CString& strPath)
{
    CTavrinApp* pApp = GetTavrinApp();
    if (pApp) pApp->ChangeToDataFolder(nFolder);
    const BOOL bChosen = RunFileDialog(request, strPath);
    if (pApp) pApp->RestoreFolder();
    return bChosen;
}

void CTavrinProjectDoc::OnTaxFileLoad()
{
    if (TransferTaxFile(LoadTaxRequest(), [this](const CString& strPath) { return LoadTaxFile(strPath); }, kReadFailed)) {
        CloseTaxFrames();
        ReloadDataWindow(kTaxesSheet);
    }
}

void CTavrinProjectDoc::OnTaxFileSave()
{
    if (!TransferTaxFile(SaveTaxRequest(), [this](const CString& strPath) { return WriteTaxFile(strPath); },
                         kWriteFailed))
        return;
    if (CTavrinFormParentView* view = DataWindowView(kTaxesSheet)) view->ReloadTaxFileName();
}

BOOL CTavrinProjectDoc::TransferTaxFile(const CFileDialogRequest& request,
                                        const std::function<BOOL(const CString&)>& transfer, const char* pszFailed)
{
    CString strPath;
    if (!ChooseFile(0, request, strPath)) return FALSE;
    if (!transfer(strPath)) {
        AfxMessageBox(CString(pszFailed) + strPath, MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    UseTaxFile(strPath);
    return TRUE;
}

void CTavrinProjectDoc::UseTaxFile(const CString& strPath)
{
    if (CTavrinApp* pApp = GetTavrinApp()) pApp->m_strTaxFileName = strPath;
    CDataBasicClass* basic = GetDataBasic();
    if (basic && basic->astrFileName[0] != strPath) {
        // The project now names another table: closing it asks to save that.
        basic->astrFileName[0] = strPath;
        m_abDataModified[kBasicSheet] = TRUE;
    }
}

CTavrinFormParentView* CTavrinProjectDoc::DataWindowView(int nSheet) const
{
    for (const QPointer<QWidget>& frame : m_frames) {
        auto* form = dynamic_cast<CTavrinFormParentFrame*>(frame.data());
        if (form && form->m_nCommandID == kFirstDataWindow + nSheet) return form->GetActiveView();
    }
    return nullptr;
}

void CTavrinProjectDoc::ReloadDataWindow(int nSheet)
{
    if (CTavrinFormParentView* view = DataWindowView(nSheet)) view->ReloadData();
}

void CTavrinProjectDoc::CloseTaxFrames()
{
    const QList<QPointer<QWidget>> frames = m_frames;
    for (const QPointer<QWidget>& frame : frames) {
        auto* form = dynamic_cast<CTavrinFormParentFrame*>(frame.data());
        if (form && form->m_nCommandID >= kFirstTaxWindow && form->m_nCommandID < kFirstTaxWindow + kTaxWindows)
            form->DestroyWindow();
    }
}

BOOL CTavrinProjectDoc::SaveModified()
{
    if (!IsModified() || m_nOpenMode == 0) return TRUE;
    const UINT nQuestion = m_nOpenMode == 1 ? kIdsNewProjectEdited : kIdsProjectEdited;
    switch (AfxMessageBox(GetTitle() + "\n" + LoadText(nQuestion), MB_YESNOCANCEL)) {
    case IDNO: return TRUE;
    case IDYES: return m_nOpenMode == 1 ? OnFileSaveAs() : OnSaveDocument(m_strPathName);
    default: return FALSE;
    }
}

void CTavrinProjectDoc::OnCloseDocument()
{
    if (IsCalculating()) return;
    const CTavrinApp* pApp = GetTavrinApp();
    const BOOL bClosingAll = pApp && pApp->m_pMainWnd && pApp->m_pMainWnd->m_bClosing;
    if (!bClosingAll && !SaveModified()) return;
    CloseFrames();
    if (m_bAutoDelete) delete this;
}

BOOL CTavrinProjectDoc::OnCmdMsg(UINT nID, CCmdUI* pCmdUI)
{
    if (OnPrintCmdMsg(nID, pCmdUI)) return TRUE;
    switch (nID) {
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
    case ID_FILE_CLOSE:
    case ID_TAX_FILE_LOAD:
    case ID_TAX_FILE_SAVE:
    case ID_DATA_CALCULATE:
    case ID_REVERSE_CALC:
    case ID_YEAR_SETTING:
    case ID_BUSINESS_SETTING: break;
    default: return OnWindowCommand(nID, pCmdUI);
    }
    if (pCmdUI) {
        pCmdUI->Enable(!IsCalculating());
        return TRUE;
    }
    if (IsCalculating()) return TRUE;
    switch (nID) {
    case ID_FILE_SAVE: OnFileSave(); break;
    case ID_FILE_SAVE_AS: OnFileSaveAs(); break;
    case ID_FILE_CLOSE: OnCloseDocument(); break;
    case ID_TAX_FILE_LOAD: OnTaxFileLoad(); break;
    case ID_TAX_FILE_SAVE: OnTaxFileSave(); break;
    case ID_REVERSE_CALC: OnReverseCalc(); break;
    case ID_YEAR_SETTING: OnYearSetting(); break;
    case ID_BUSINESS_SETTING: OnBusinessSetting(); break;
    default: OnCalcStart(); break;
    }
    return TRUE;
}

BOOL CTavrinProjectDoc::CheckContractPeriods()
{
    const CDataRentalTypeClass* type = GetDataRentalType();
    if (!type) return TRUE;
    for (int i = 0; i < CDataRentalTypeClass::kTermCount; ++i) {
        const CDataRentalTermClass* term = type->GetTerm(i);
        // A category outside 0-7 (a damaged file) counts as none.
        const CDataRentalBasicClass* basic = term ? GetDataRentalBasic(term->m_nCategory) : nullptr;
        if (!basic) continue;
        const double adAmount[] = {term->m_dRent,    term->m_dCommonFee, term->m_dKeyMoney,
                                   term->m_dDeposit, term->m_dSecurity,  term->m_dRenewalFee};
        const BOOL bInUse = std::any_of(std::begin(adAmount), std::end(adAmount), [](double d) { return d != 0.0; });
        if (bInUse && basic->nContractYears < 1) {
            AfxMessageBox(basic->m_strName + LoadText(kIdsNoContractYears), MB_OK);
            if (CTavrinFormParentView* view = OpenFormView(ID_DATA_RENTAL_BASIC))
                view->PostViewMessage(WM_SELECT_RENTAL_CATEGORY, WPARAM(term->m_nCategory));
            return FALSE;
        }
    }
    return TRUE;
}

void CTavrinProjectDoc::LinkEngine()
{
    m_objCalc.m_pDataClass = &m_objDataClass;
    m_objCalc.m_pOptionClass = &m_objOptionClass;
    m_objCalc.m_pTaxClass = &m_objTaxClass;
    m_objCalc.m_pResultClass = m_pResultClass;
    m_objCalc.m_objDecimal = m_objDecimal;
    m_objCalc.m_objCalcYear.nCalcYear = m_nCalcYear;
}

BOOL CTavrinProjectDoc::RunCalcStep(int nStep)
{
    return m_objCalc.Calc(nStep);
}

int CTavrinProjectDoc::RunCalculation(BOOL& bCancelled)
{
    const CTavrinApp* pApp = GetTavrinApp();
    CCalcProgressDlg dlg(pApp ? pApp->m_pMainWnd : nullptr);
    m_pProgressDlg = &dlg;
    struct Finish {
        CCalcProgressDlg*& pDlg;
        ~Finish() { pDlg = nullptr; }
    } finish{m_pProgressDlg};
    dlg.show();
    LinkEngine();
    m_objCalc.SetComs();
    WaitCursor wait;
    bCancelled = FALSE;
    int nResult = 0;
    for (int nStep = 0; nStep <= CTavCalcClass::kLastStep; ++nStep) {
        dlg.SetProgress(kIdsFirstProgress + nStep, 3 * nStep);
        nResult = RunCalcStep(nStep);
        if (dlg.m_bCancel) {
            bCancelled = TRUE;
            return 0;
        }
        if (!nResult) break;
    }
    return nResult;
}

void CTavrinProjectDoc::OnCalcStart()
{
    if (IsCalculating()) return;
    SaveOpenForms();
    if (!CheckContractPeriods()) return;
    BOOL bCancelled = FALSE;
    m_nCalcResult = RunCalculation(bCancelled);
    if (bCancelled) return;
    if (m_nCalcResult)
        ShowResults();
    else
        AfxMessageBox(UINT(m_objCalc.m_nMessageID), MB_OK);
}

void CTavrinProjectDoc::ShowResults()
{
    if (!RefreshResultFrames()) PostItemBoxSelect(ITEMBOX_REPORT, 0);
}

void CTavrinProjectDoc::CloseFrames()
{
    const QList<QPointer<QWidget>> frames = m_frames;
    for (const QPointer<QWidget>& frame : frames) {
        if (!frame) continue;
        if (auto* form = dynamic_cast<CTavrinFormParentFrame*>(frame.data()))
            form->DestroyWindow();
        else
            DestroyChildWindow(frame);
    }
    m_frames.clear();
}
