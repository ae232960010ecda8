#include "app/taxopt/constructiontaxdlg.h"

#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinprojectdoc.h"
#include "app/taxopt/optiondialogs.h"
#include "app/taxopt/optionlabels.h"
#include "data/databasic.h"
#include "data/dataexpense.h"
#include "option/optionconsumption.h"
#include "platform/qtstring.h"

namespace {

using K = FormControlKind;

constexpr int kRows = 16;
constexpr int kNamedRows = 8;
constexpr int kBasicData = 0;
constexpr UINT IDC_TAX = 1378;     // + 2 * row
constexpr UINT IDC_MANAGE = 1379;  // + 2 * row
constexpr UINT IDC_START_RATE = 1473;
constexpr UINT IDC_REPORT_MODE = 1414;

const char* const kCaptions[kNamedRows] = {
    "工　事　費", "購入した土地代", "既存建物の取壊費", "設計監理費",
    "建設期間中　利息", "近隣対策費", "不動産手数料", "建設期間中　地代",
};

UINT TaxID(int k) { return IDC_TAX + 2 * k; }
UINT ManageID(int k) { return IDC_MANAGE + 2 * k; }

// Dialog row k is record row k, or k + 1 after the taxes row (8).
tagCONSUMPTIONEXPENSE& Item(COptionConsumptionExpenseClass& record, int k)
{
    return record.m_aItem[k < kNamedRows ? k : k + 1];
}

// The entry shown for a booking: "as the item" for 0 to 2, else 3 to 5 as entries 1 to 3.
int ManageIndex(int nManage)
{
    return nManage <= 2 ? 0 : nManage - 2;
}

std::vector<CFormControl> Controls()
{
    std::vector<CFormControl> controls = {
        {0, K::Unit, 0, 0, 1, "課税の有無"},
        {0, K::Unit, 0, 1, 1, "税額部分の経理処理方法"},
        {0, K::Unit, 0, 2, 1, "着工時税率を使う"},
    };
    for (int k = 0; k < kRows; ++k) {
        controls.push_back({TaxID(k), K::Check, 1 + k, 0, 1, k < kNamedRows ? kCaptions[k] : ""});
        controls.push_back({ManageID(k), K::Combo, 1 + k, 1, 1, "項目の経理処理に合わせる\n経　費\n創業償却費\n事業外支出", 26});
        controls.push_back({IDC_START_RATE + k, K::Check, 1 + k, 2, 1, ""});
    }
    const int nRow = 1 + kRows;
    controls.push_back({0, K::Label, nRow, 0, 1, "建設所要資金帳票の\n表示方法"});
    controls.push_back({IDC_REPORT_MODE, K::Combo, nRow, 1, 1,
                        "税込み金額\n税込み金額・税額を参考表示\n税抜き金額・税額を別枠表示", 30});
    controls.push_back({IDOK, K::Button, nRow + 1, 0, 1, "OK"});
    controls.push_back({IDCANCEL, K::Button, nRow + 1, 1, 1, "ｷｬﾝｾﾙ"});
    controls.push_back({IDHELP, K::Button, nRow + 1, 2, 1, "ヘルプ"});
    return controls;
}

template <class T>
BOOL Assign(T& target, T value)
{
    if (target == value) return FALSE;
    target = value;
    return TRUE;
}

} // namespace

CConstructionTaxDlg::CConstructionTaxDlg(CTavrinProjectDoc* pDoc, const CDataExpenseOtherClass& names,
                                         QWidget* pParent)
    : CFormDialog(pParent), m_pDocument(pDoc), m_names(names)
{
    CreateControls(Controls());
    setWindowTitle(ToQString("工事期間の消費税"));
}

BOOL CConstructionTaxDlg::OnInitDialog()
{
    for (int j = 1; j <= kRows - kNamedRows; ++j) SetDlgItemText(TaxID(kNamedRows - 1 + j), OtherCostLabel(m_names, j));
    if (COptionConsumptionExpenseClass* record = m_pDocument->GetOptionConsumptionExpense()) {
        for (int k = 0; k < kRows; ++k) {
            const tagCONSUMPTIONEXPENSE& item = Item(*record, k);
            CheckDlgButton(IDC_START_RATE + k, item.bStartRate);
            CheckDlgButton(TaxID(k), item.nTax == 0);
            SetCurSel(ManageID(k), ManageIndex(item.nManage));
        }
    }
    if (const CDataBasicClass* basic = m_pDocument->GetDataBasic()) SetCurSel(IDC_REPORT_MODE, basic->nFundReportMode);
    ShowRows();
    return TRUE;
}

void CConstructionTaxDlg::ShowRows()
{
    for (int k = 0; k < kRows; ++k) {
        const BOOL bTaxed = IsDlgButtonChecked(TaxID(k));
        ShowDlgItem(ManageID(k), bTaxed);
        ShowDlgItem(IDC_START_RATE + k, bTaxed);
    }
}

void CConstructionTaxDlg::OnControlNotify(UINT nID, UINT nCode)
{
    if (nCode == BN_CLICKED && nID >= TaxID(0) && nID <= TaxID(kRows - 1) && (nID - IDC_TAX) % 2 == 0) ShowRows();
    CFormDialog::OnControlNotify(nID, nCode);
}

// A booking is written only when its box shows another entry than the one
// the stored value gives, so values the box cannot show are kept.
void CConstructionTaxDlg::OnOK()
{
    BOOL bOptionChanged = FALSE;
    if (COptionConsumptionExpenseClass* record = m_pDocument->GetOptionConsumptionExpense()) {
        for (int k = 0; k < kRows; ++k) {
            tagCONSUMPTIONEXPENSE& item = Item(*record, k);
            bOptionChanged |= Assign(item.nTax, IsDlgButtonChecked(TaxID(k)) ? 0 : 1);
            bOptionChanged |= Assign(item.bStartRate, IsDlgButtonChecked(IDC_START_RATE + k));
            const int nSel = GetCurSel(ManageID(k));
            if (nSel >= 0 && nSel != ManageIndex(item.nManage)) bOptionChanged |= Assign(item.nManage, nSel == 0 ? 0 : nSel + 2);
        }
    }
    if (bOptionChanged) m_pDocument->m_abOptionModified[CTavrinProjectDoc::kConsumptionExpenseOption] = TRUE;
    CDataBasicClass* basic = m_pDocument->GetDataBasic();
    const int nMode = GetCurSel(IDC_REPORT_MODE);
    if (basic && nMode >= 0 && Assign(basic->nFundReportMode, nMode)) m_pDocument->m_abDataModified[kBasicData] = TRUE;
    EndDialog(IDOK);
}

void CConstructionTaxDlg::OnHelp()
{
    if (CTavrinApp* pApp = GetTavrinApp()) pApp->ShowHelpTopic("tavrinapp.chm::/tavrinapp00000025.htm");
}

int RunConstructionTaxDialog(CTavrinProjectDoc* pDoc, const CDataExpenseOtherClass& names, QWidget* pParent)
{
    if (!pDoc) return IDCANCEL;
    CConstructionTaxDlg dlg(pDoc, names, pParent);
    return dlg.DoModal();
}
