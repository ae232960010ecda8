#include "app/taxopt/optionbusinessrateview.h"

#include "app/shell/tavrinprojectdoc.h"
#include "app/taxopt/optionlabels.h"

namespace {

using K = FormControlKind;
using R = COptionBusinessRateClass;

const char* const kLabels[] = {
    "公租公課：", "管理費：", "地代：", "修理費：", "火災保険料：", "", "", "", "", "", "",
    "保証金支払利息：", "借入金支払利息：", "減価償却－本体：", "減価償却－附帯：", "", "", "", "",
    "創業費：", "工事中の経費：",
};
const char* const kHeads[] = {"項目名", "事業割合"};
const COptionColumn kColumns[] = {{10001, K::Combo, "設定する\n設定しない", 12}};
const COptionRowTable kTable = {"事業割合について設定します。", kHeads, 20101, kLabels, kColumns};

const CFormField<R> kFields[] = {
    {{.nID = 10001, .kind = FieldKind::Choice}, Path<&R::m_anApply, kRow>, 21},
};
const CFormFields<R> kForm(kFields);

} // namespace

COptionBusinessRateView::COptionBusinessRateView()
    : COptionRecordView(401, 300, kForm, &CTavrinProjectDoc::GetOptionBusinessRate)
{
    CreateControls(OptionRowControls(kTable, 11));
}

void COptionBusinessRateView::ReloadLabels()
{
    const CTavrinProjectDoc* doc = GetDocument();
    if (!doc) return;
    for (int k = 1; k <= 6; ++k) SetDlgItemText(20105 + k, OtherExpenseLabel(*doc, k) + LabelColon());
    for (int k = 1; k <= 4; ++k) SetDlgItemText(20115 + k, OtherAmortizeLabel(*doc, k) + LabelColon());
}
