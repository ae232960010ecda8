#include "app/taxopt/businessratedlg.h"

#include "app/common/formfields.h"
#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinprojectdoc.h"
#include "app/taxopt/optiondialogs.h"
#include "app/taxopt/optionlabels.h"
#include "option/optionbusiness.h"
#include "platform/qtstring.h"

namespace {

using K = FormControlKind;
using R = COptionBusinessRateClass;

constexpr UINT IDC_FIRST = 1298;
constexpr int kItems = 21;
constexpr int kRowsPerColumn = 11;

const char* const kCaptions[kItems] = {
    "公租公課", "管理費", "地  代", "修理費", "火災保険料", "", "", "", "", "", "",
    "保証金支払利息", "借入金支払利息", "減価償却－本体", "減価償却－附帯", "", "", "", "",
    "創業費", "工事中の経費",
};

// Ticked: the business ratio divides the item (0); not ticked: 1.
constexpr int kApplyValues[] = {1, 0};
const CFormField<R> kFields[] = {
    {{.nID = IDC_FIRST, .kind = FieldKind::Check, .values = kApplyValues}, Path<&R::m_anApply, kRow>, kItems},
};
const CFormFields<R> kForm(kFields);

std::vector<CFormControl> Controls()
{
    std::vector<CFormControl> controls = {
        {0, K::Unit, 0, 0, 3, "チェックされている項目は事業割合に応じて金額を「経費」と「事業外支出」に按分します。"},
        {0, K::Unit, 1, 0, 3, "チェックされていないものは全額「経費」として計算します。"},
    };
    for (int i = 0; i < kItems; ++i)
        controls.push_back({IDC_FIRST + i, K::Check, 2 + i % kRowsPerColumn, i / kRowsPerColumn, 1, kCaptions[i]});
    controls.push_back({IDOK, K::Button, 3 + kRowsPerColumn, 0, 1, "OK"});
    controls.push_back({IDCANCEL, K::Button, 3 + kRowsPerColumn, 1, 1, "ｷｬﾝｾﾙ"});
    controls.push_back({IDHELP, K::Button, 3 + kRowsPerColumn, 2, 1, "ヘルプ"});
    return controls;
}

} // namespace

CBusinessRateDlg::CBusinessRateDlg(CTavrinProjectDoc* pDoc, QWidget* pParent) : CFormDialog(pParent), m_pDocument(pDoc)
{
    CreateControls(Controls());
    setWindowTitle(ToQString("事業割合の設定"));
}

BOOL CBusinessRateDlg::OnInitDialog()
{
    for (int n = 0; n < 4; ++n) SetDlgItemText(IDC_FIRST + 1 + n, CostItemLabel(*m_pDocument, n));
    for (int k = 1; k <= 6; ++k) SetDlgItemText(IDC_FIRST + 4 + k, OtherExpenseLabel(*m_pDocument, k));
    for (int k = 1; k <= 4; ++k) SetDlgItemText(IDC_FIRST + 14 + k, OtherAmortizeLabel(*m_pDocument, k));
    if (R* record = m_pDocument->GetOptionBusinessRate()) kForm.Load(this, *record);
    return TRUE;
}

void CBusinessRateDlg::OnOK()
{
    R* record = m_pDocument->GetOptionBusinessRate();
    if (record && kForm.Store(this, *record)) m_pDocument->m_abOptionModified[CTavrinProjectDoc::kBusinessRateOption] = TRUE;
    EndDialog(IDOK);
}

void CBusinessRateDlg::OnHelp()
{
    if (CTavrinApp* pApp = GetTavrinApp()) pApp->ShowHelpTopic("tavrinapp.chm::/tavrinapp00000020.htm");
}

int RunBusinessRateDialog(CTavrinProjectDoc* pDoc, QWidget* pParent)
{
    if (!pDoc) return IDCANCEL;
    CBusinessRateDlg dlg(pDoc, pParent);
    return dlg.DoModal();
}
