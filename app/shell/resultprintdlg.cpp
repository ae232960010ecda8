#include "app/shell/resultprintdlg.h"

#include <QLineEdit>
#include <QListWidget>

#include "app/common/numbertext.h"
#include "app/shell/commandids.h"
#include "app/shell/mainframe.h"
#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinprojectdoc.h"
#include "platform/msgbox.h"
#include "platform/qtstring.h"

namespace {

using enum FormControlKind;

constexpr UINT IDC_COMPANY_NAME = 1019;
constexpr UINT IDC_LOGO_FILE = 1021;
constexpr UINT IDC_PAPER_A4 = 1240;
constexpr UINT IDC_PAPER_B4 = 1241;
constexpr UINT IDC_GRAPH_PATTERN = 1248;
constexpr UINT IDC_GRAPH_COLOR = 1249;
constexpr UINT IDC_COVER_LOGO = 1287;
constexpr UINT IDC_FROM_YEAR = 10009;
constexpr UINT IDC_TO_YEAR = 10010;
constexpr int kResultSlots = 16;
const char kYearRange[] = "印刷年数は 0 ～ %d 年目の範囲で、開始の年目から終了の年目までを入力してください。";

const CFormControl kResultControls[] = {
    {1239, Label, 5, 0, 1, "用紙サイズ："},
    {IDC_PAPER_A4, Radio, 5, 1, 5, "A4サイズ"},
    {IDC_PAPER_B4, Radio, 5, 1, 5, "B4サイズ"},
    {1246, Label, 6, 0, 1, "グラフの印刷方法："},
    {IDC_GRAPH_PATTERN, Radio, 6, 1, 5, "モノクロパターン"},
    {IDC_GRAPH_COLOR, Radio, 6, 1, 5, "カラー"},
    {1242, Label, 7, 0, 1, "印刷年数："},
    {IDC_FROM_YEAR, Edit, 7, 1, 5, "", 4},
    {1243, Unit, 7, 1, 5, "年目～"},
    {IDC_TO_YEAR, Edit, 7, 1, 5, "", 4},
    {1244, Unit, 7, 1, 5, "年目まで"},
    {1245, Label, 8, 0, 1, "会社名："},
    {IDC_COMPANY_NAME, Edit, 8, 1, 5, "", 52},
    {IDC_COVER_LOGO, Check, 9, 1, 5, "表紙に図案を印刷"},
    {0, Label, 10, 0, 1, "図案ファイル名："},
    {IDC_LOGO_FILE, Edit, 10, 1, 5, "", 40},
};

// An edit's whole text as an int; FALSE when it is none.
BOOL ReadInt(const CFormWidget* pForm, UINT nID, int& nValue)
{
    bool ok = false;
    const int n = QByteArray(pForm->GetDlgItemText(nID)).trimmed().toInt(&ok);
    if (ok) nValue = n;
    return ok;
}

void WriteInt(CFormWidget* pForm, UINT nID, int nValue)
{
    CString str;
    str.Format("%d", nValue);
    pForm->SetDlgItemText(nID, str);
}

} // namespace

CResultPrintItem::CResultPrintItem(const CString& strTitle, int nReportNo, BOOL bMultiYear)
{
    Reset();
    m_strTitle = strTitle;
    m_nReportNo = nReportNo;
    m_bMultiYear = bMultiYear;
}

void CResultPrintItem::Reset()
{
    m_nReserved = 0;
    m_strTitle.Empty();
    m_nPage = 1;
    m_bPrint = FALSE;
    m_nReportNo = 0;
    m_bMultiYear = FALSE;
}

CResultPrintDlg::CResultPrintDlg(CTavrinProjectDoc* pDoc, QWidget* pParent)
    : CPrintRangeDlg({272, "帳票印刷", "", kResultControls}, pParent), m_pDocument(pDoc)
{
    if (auto* edit = qobject_cast<QLineEdit*>(Form()->GetDlgItem(IDC_COMPANY_NAME))) edit->setMaxLength(kCompanyNameBytes);
}

BOOL CResultPrintDlg::OnInitDialog()
{
    CPrintRangeDlg::OnInitDialog();
    SelectRange(IDC_PRINT_SELECTED);
    CTavrinApp* pApp = GetTavrinApp();
    const CObArray* pList = pApp ? pApp->m_pResultPrintItems : nullptr;
    for (int i = 0; i < kResultSlots; ++i)
        if (const auto* pItem = PrintItemAt<CResultPrintItem>(pList, i)) PageList()->addItem(ToQString(pItem->GetTitle()));
    if (m_pDocument) {
        m_pnCalcYear = &m_pDocument->m_nCalcYear;
        WriteInt(Form(), IDC_TO_YEAR, *m_pnCalcYear);
    }
    ShowPaper();
    if (pApp) {
        m_strCompanyName = pApp->m_strOfficeName;
        Form()->SetDlgItemText(IDC_COMPANY_NAME, m_strCompanyName);
        Form()->CheckRadioButton(IDC_GRAPH_PATTERN, IDC_GRAPH_COLOR, IDC_GRAPH_PATTERN + UINT(pApp->m_nColorFlag));
    }
    if (const CDataBasicClass* pBasic = m_pDocument ? m_pDocument->GetDataBasic() : nullptr) {
        Form()->CheckDlgButton(IDC_COVER_LOGO, pBasic->bPrintCoverLogo);
        Form()->SetDlgItemText(IDC_LOGO_FILE, pBasic->strLogoFile);
    }
    return TRUE;
}

void CResultPrintDlg::ShowPaper()
{
    const CTavrinApp* pApp = GetTavrinApp();
    UINT nRadio = 0;
    switch (pApp ? pApp->m_nPaperSize : 0) {
    case DMPAPER_A4:
    case DMPAPER_A4SMALL: nRadio = IDC_PAPER_A4; break;
    case DMPAPER_B4:
    case DMPAPER_B4_ISO: nRadio = IDC_PAPER_B4; break;
    default: break;
    }
    Form()->CheckRadioButton(IDC_PAPER_A4, IDC_PAPER_B4, nRadio);
}

void CResultPrintDlg::DoDataExchange(CDataExchange* pDX)
{
    CPrintRangeDlg::DoDataExchange(pDX);
    for (auto [nID, pn] : {std::pair{IDC_FROM_YEAR, &m_nFromYear}, {IDC_TO_YEAR, &m_nToYear}}) {
        if (pDX->m_bFailed) return;
        pDX->PrepareEditCtrl(nID);
        if (!pDX->m_bSaveAndValidate) {
            WriteInt(Form(), nID, *pn);
            continue;
        }
        int n = 0;
        if (!ReadInt(Form(), nID, n)) n = -1;
        DDV_LongRange(pDX, n, 0, kMaxYear);
        if (!pDX->m_bFailed) *pn = n;
    }
    if (pDX->m_bFailed) return;
    pDX->PrepareEditCtrl(IDC_COMPANY_NAME);
    if (!pDX->m_bSaveAndValidate) {
        Form()->SetDlgItemText(IDC_COMPANY_NAME, m_strCompanyName);
        return;
    }
    const CString name = Form()->GetDlgItemText(IDC_COMPANY_NAME);
    DDV_MaxChars(pDX, name, kCompanyNameBytes);
    if (!pDX->m_bFailed) m_strCompanyName = name;
}

BOOL CResultPrintDlg::CheckYearRange()
{
    const int nLast = m_pnCalcYear ? *m_pnCalcYear : kMaxYear;
    if (m_nFromYear <= m_nToYear && m_nToYear <= nLast) return TRUE;
    CString text;
    text.Format(kYearRange, nLast);
    AfxMessageBox(text, MB_ICONSTOP);
    Form()->GotoDlgCtrl(m_nToYear > nLast ? IDC_TO_YEAR : IDC_FROM_YEAR);
    return FALSE;
}

void CResultPrintDlg::OnOK()
{
    if (!UpdateData(TRUE) || !CheckYearRange() || !CheckPagesChosen()) return;
    CTavrinApp* pApp = GetTavrinApp();
    if (pApp) {
        pApp->m_strOfficeName = m_strCompanyName;
        pApp->SaveProfile();
    }
    if (CDataBasicClass* pBasic = m_pDocument ? m_pDocument->GetDataBasic() : nullptr) {
        pBasic->bPrintCoverLogo = Form()->IsDlgButtonChecked(IDC_COVER_LOGO);
        pBasic->strLogoFile = Form()->GetDlgItemText(IDC_LOGO_FILE);
    }
    m_nPaper = Form()->IsDlgButtonChecked(IDC_PAPER_A4) ? DMPAPER_A4 : DMPAPER_B4;
    if (!pApp) {
        EndOK();
        return;
    }
    // The printer's paper follows the choice; the reports are landscape.
    pApp->m_nPaperSize = short(m_nPaper);
    pApp->m_printerMode.dmPaperSize = short(m_nPaper);
    pApp->m_printerMode.dmOrientation = DMORIENT_LANDSCAPE;
    if (const UINT nColor = Form()->GetCheckedRadioButton(IDC_GRAPH_PATTERN, IDC_GRAPH_COLOR); nColor != 0)
        pApp->m_nColorFlag = int(nColor - IDC_GRAPH_PATTERN);
    const BOOL bAll = IsAllPages();
    CObArray* pList = pApp->m_pResultPrintItems;
    const int nLines = PageList()->count();
    for (int i = 0; pList && i < pList->GetSize(); ++i) {
        auto* pItem = PrintItemAt<CResultPrintItem>(pList, i);
        if (bAll)
            pItem->m_bPrint = TRUE;
        else if (i < nLines)
            pItem->m_bPrint = PageList()->item(i)->isSelected();
    }
    EndOK();
}

void CResultPrintDlg::OnControlNotify(UINT nID, UINT nCode)
{
    QWidget* edit = Form()->GetDlgItem(nID);
    if (nCode == EN_SETFOCUS && (nID == IDC_FROM_YEAR || nID == IDC_TO_YEAR || nID == IDC_LOGO_FILE || nID == IDC_COMPANY_NAME)) {
        SetImeOpenStatus(edit, nID == IDC_COMPANY_NAME);
    } else if (nCode == EN_KILLFOCUS && (nID == IDC_COMPANY_NAME || nID == IDC_LOGO_FILE)) {
        SetImeOpenStatus(edit, FALSE);
    } else if (nCode == EN_KILLFOCUS && (nID == IDC_FROM_YEAR || nID == IDC_TO_YEAR)) {
        if (QByteArray(Form()->GetDlgItemText(nID)).trimmed().isEmpty())
            WriteInt(Form(), nID, nID == IDC_TO_YEAR && m_pnCalcYear ? *m_pnCalcYear : 0);
    } else {
        CPrintRangeDlg::OnControlNotify(nID, nCode);
    }
}

void CResultPrintDlg::OnPrinterSetup()
{
    CTavrinApp* pApp = GetTavrinApp();
    if (!pApp) return;
    if (pApp->m_pMainWnd) pApp->m_pMainWnd->SendCommand(ID_FILE_PRINT_SETUP);
    pApp->m_bLandscapeChecked = pApp->CheckLandscapePrinter();
    if (pApp->m_bLandscapeChecked != TRUE) ShowPaper();
}

void CResultPrintDlg::OnHelp()
{
    if (CTavrinApp* pApp = GetTavrinApp()) pApp->ShowHelpTopic("tavrinapp.chm::/tavrinapp00000052.htm");
}
