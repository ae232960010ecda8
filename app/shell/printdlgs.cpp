#include "app/shell/printdlgs.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/common/numbertext.h"
#include "app/shell/commandids.h"
#include "app/shell/mainframe.h"
#include "app/shell/tavrinapp.h"
#include "platform/msgbox.h"
#include "platform/resource.h"
#include "platform/qtstring.h"

namespace {

using enum FormControlKind;

constexpr UINT IDS_JOIN = 165;
constexpr UINT IDS_PAGE = 166;
constexpr UINT IDP_NOTHING_CHOSEN = 16110;
constexpr int kButtonRow = 30;

const CFormControl kRangeControls[] = {
    {0, Label, 1, 0, 1, "印刷範囲"},
    {IDC_PRINT_ALL, Radio, 1, 1, 5, "全てを印刷"},
    {IDC_PRINT_SELECTED, Radio, 1, 1, 5, "ページ指定して印刷"},
    {0, Label, 3, 0, 1, "部数："},
    {IDC_PRINT_COPIES, Edit, 3, 1, 5, "", 4},
    {0, Label, 4, 0, 1, "日付："},
    {IDC_ERA_LABEL, Unit, 4, 1, 5, ""},
    {IDC_PRINT_YEAR, Edit, 4, 1, 5, "", 5},
    {0, Unit, 4, 1, 5, "年"},
    {IDC_PRINT_MONTH, Edit, 4, 1, 5, "", 3},
    {0, Unit, 4, 1, 5, "月"},
    {IDC_PRINT_DAY, Edit, 4, 1, 5, "", 3},
    {0, Unit, 4, 1, 5, "日"},
};

const CFormControl kButtons[] = {
    {IDOK, Button, kButtonRow, 0, 6, "OK"},
    {IDCANCEL, Button, kButtonRow, 0, 6, "ｷｬﾝｾﾙ"},
    {IDC_PRINTER_SETUP, Button, kButtonRow, 0, 6, "ﾌﾟﾘﾝﾀの設定"},
    {IDC_PRINT_HELP, Button, kButtonRow, 0, 6, "ヘルプ"},
};

const CGroupPrintForm kDataPrint = {
    {243, "入力データ／記入シート印刷", "入力データや記入シートの印刷設定を行います。"},
    {2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
    IDC_PRINT_ALL,
    131315,
    nullptr};
const CGroupPrintForm kTaxPrint = {{324, "税率データ印刷", "現在使用中の税率データを印刷します。"},
                                   {2, 1, 5, 3, 3, 2},
                                   IDC_PRINT_SELECTED,
                                   0,
                                   "tavrinapp.chm::/tavrinapp00000050.htm"};
const CGroupPrintForm kOptionPrint = {
    {412, "オプションデータ印刷", "オプションデータの印刷設定を行います。"}, {1, 1, 2, 3, 1}, IDC_PRINT_ALL, 131484, nullptr};

} // namespace

CPrintRangeDlg::CPrintRangeDlg(const CPrintDlgTemplate& form, QWidget* pParent)
    : CFormDialog(pParent), m_nIDTemplate(form.nIDTemplate)
{
    setWindowTitle(ToQString(form.pszCaption));
    const CFormControl line[] = {{0, Unit, 0, 0, 6, form.pszLine}};
    CreateControls(line);
    CreateControls(kRangeControls);
    m_pPageList = new QListWidget(this);
    m_pPageList->setSelectionMode(QAbstractItemView::MultiSelection);
    SetDlgCtrlID(m_pPageList, IDC_PRINT_PAGES);
    m_pGrid->addWidget(m_pPageList, 2, 1, 1, 5);
    CreateControls(form.extra);
    CreateControls(kButtons);
}

BOOL CPrintRangeDlg::OnInitDialog()
{
    m_nMonth = m_objPrintSetting.nMonth;
    m_nYear = m_objPrintSetting.nYear;
    m_nDay = m_objPrintSetting.nDay;
    auto* era = qobject_cast<QLabel*>(GetDlgItem(IDC_ERA_LABEL));
    if (m_objPrintSetting.nYearFlag == 1) {
        m_nYear -= m_objPrintSetting.nYearDiff;
        era->setText(ToQString(m_objPrintSetting.strYearName));
    } else {
        era->clear();
    }
    UpdateData(FALSE);
    return TRUE;
}

void CPrintRangeDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_TextInt(pDX, IDC_PRINT_COPIES, m_nCopies);
    if (pDX->m_bFailed) return;
    DDV_LongRange(pDX, m_nCopies, 1, 99);
    for (auto [nID, pn] : {std::pair{IDC_PRINT_YEAR, &m_nYear}, {IDC_PRINT_DAY, &m_nDay}, {IDC_PRINT_MONTH, &m_nMonth}}) {
        if (pDX->m_bFailed) return;
        DDX_TextInt(pDX, nID, *pn);
    }
}

BOOL CPrintRangeDlg::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

int CPrintRangeDlg::GetWesternYear() const
{
    return m_objPrintSetting.nYearFlag == 1 ? m_nYear + m_objPrintSetting.nYearDiff : m_nYear;
}

void CPrintRangeDlg::OnOK()
{
    if (UpdateData(TRUE)) EndOK();
}

void CPrintRangeDlg::SelectRange(UINT nRadioID)
{
    CheckRadioButton(IDC_PRINT_ALL, IDC_PRINT_SELECTED, nRadioID);
    m_pPageList->setVisible(nRadioID == IDC_PRINT_SELECTED);
}

BOOL CPrintRangeDlg::CheckPagesChosen()
{
    if (IsAllPages() || !m_pPageList->selectedItems().isEmpty()) return TRUE;
    AfxMessageBox(IDP_NOTHING_CHOSEN, MB_ICONEXCLAMATION);
    m_pPageList->setFocus();
    return FALSE;
}

void CPrintRangeDlg::OnControlNotify(UINT nID, UINT nCode)
{
    if (nCode != BN_CLICKED) return;
    switch (nID) {
    case IDOK: OnOK(); break;
    case IDCANCEL: OnCancel(); break;
    case IDC_PRINT_ALL:
    case IDC_PRINT_SELECTED: SelectRange(nID); break;
    case IDC_PRINTER_SETUP: OnPrinterSetup(); break;
    case IDC_PRINT_HELP: OnHelp(); break;
    default: break;
    }
}

void CPrintRangeDlg::OnPrinterSetup()
{
    CTavrinApp* pApp = GetTavrinApp();
    if (!pApp) return;
    if (pApp->m_pMainWnd) pApp->m_pMainWnd->SendCommand(ID_FILE_PRINT_SETUP);
    pApp->m_bPortraitChecked = pApp->CheckPortraitPrinter();
}

CGroupPrintDlg::CGroupPrintDlg(const CGroupPrintForm& form, CObArray* pList, QWidget* pParent)
    : CPrintRangeDlg(form.form, pParent), m_group(form), m_pList(pList)
{
}

BOOL CGroupPrintDlg::OnInitDialog()
{
    CPrintRangeDlg::OnInitDialog();
    const CString join = LoadText(IDS_JOIN);
    int nEntry = 0;
    for (int nCount : m_group.groups) {
        CString line;
        for (int i = 0; i < nCount; ++i, ++nEntry) {
            const CPrintListItem* pItem = PrintItemAt<CPrintListItem>(m_pList, nEntry);
            if (!pItem) continue;
            if (i > 0) line += join;
            line += pItem->GetTitle();
        }
        PageList()->addItem(ToQString(line));
    }
    SelectRange(m_group.nFirstRadio);
    return TRUE;
}

void CGroupPrintDlg::OnOK()
{
    if (!UpdateData(TRUE) || !CheckPagesChosen()) return;
    const BOOL bAll = IsAllPages();
    int nEntry = 0;
    for (int nLine = 0; nLine < int(m_group.groups.size()); ++nLine) {
        const QListWidgetItem* line = PageList()->item(nLine);
        const BOOL bPrint = bAll || (line && line->isSelected());
        for (int i = 0; i < m_group.groups[size_t(nLine)]; ++i, ++nEntry)
            if (CPrintListItem* pItem = PrintItemAt<CPrintListItem>(m_pList, nEntry)) pItem->m_bPrint = bPrint;
    }
    EndOK();
}

void CGroupPrintDlg::OnHelp()
{
    CTavrinApp* pApp = GetTavrinApp();
    if (!pApp) return;
    if (m_group.pszHelpTopic)
        pApp->ShowHelpTopic(m_group.pszHelpTopic);
    else
        pApp->ShowHelpContext(m_group.nHelpID);
}

CDataPrintDlg::CDataPrintDlg(QWidget* pParent)
    : CGroupPrintDlg(kDataPrint, GetTavrinApp() ? GetTavrinApp()->m_pDataPrintItems : nullptr, pParent)
{
}

CTaxPrintDlg::CTaxPrintDlg(QWidget* pParent)
    : CGroupPrintDlg(kTaxPrint, GetTavrinApp() ? GetTavrinApp()->m_pTaxPrintItems : nullptr, pParent)
{
}

COptionPrintDlg::COptionPrintDlg(QWidget* pParent)
    : CGroupPrintDlg(kOptionPrint, GetTavrinApp() ? GetTavrinApp()->m_pOptionPrintItems : nullptr, pParent)
{
}

CPrintingDlg::CPrintingDlg(QWidget* pParent) : QDialog(pParent)
{
    if (CTavrinApp* pApp = GetTavrinApp()) pApp->m_bPrintAbort = FALSE;
    setWindowTitle(ToQString("印刷中．．．"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ToQString("次のデータを印刷中です。"), this));
    for (QLabel** ppLabel : {&m_pProjectName, &m_pDataName, &m_pPage}) {
        *ppLabel = new QLabel(this);
        layout->addWidget(*ppLabel);
    }
    SetDlgCtrlID(m_pProjectName, 10000);
    SetDlgCtrlID(m_pDataName, 10002);
    SetDlgCtrlID(m_pPage, 10003);
    auto* cancel = new QPushButton(ToQString("ｷｬﾝｾﾙ"), this);
    connect(cancel, &QPushButton::clicked, this, &CPrintingDlg::reject);
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
    setMinimumWidth(320);
}

void CPrintingDlg::SetProjectName(const CString& str)
{
    m_strProjectName = str;
    m_pProjectName->setText(ToQString(str));
}

void CPrintingDlg::SetDataName(const CString& str)
{
    m_strDataName = str;
    m_pDataName->setText(ToQString(str));
}

void CPrintingDlg::SetPageNumber(int nPage)
{
    m_strPage = NumberToFullWidth(nPage) + LoadText(IDS_PAGE);
    m_pPage->setText(ToQString(m_strPage));
}

void CPrintingDlg::reject()
{
    if (CTavrinApp* pApp = GetTavrinApp()) pApp->m_bPrintAbort = TRUE;
    QDialog::reject();
}

BOOL PrintAbortProc(CDC*, int)
{
    const CTavrinApp* pApp = GetTavrinApp();
    if (pApp && pApp->m_bPrintAbort) return FALSE;
    QCoreApplication::processEvents();
    return !QCoreApplication::closingDown();
}
