#include "app/taxopt/optionconsumptioncostview.h"

#include "app/shell/tavrinprojectdoc.h"
#include "app/taxopt/optionlabels.h"

namespace {

using K = FormControlKind;
using R = COptionConsumptionCostClass;

const char* const kLabels[] = {
    "公租公課：", "管理費：", "地代：", "修理費：", "火災保険料：", "", "", "", "", "", "",
    "保証金支払利息：", "借入金支払利息：",
};
const char* const kHeads[] = {"項目名", "課税"};
const COptionColumn kColumns[] = {{10001, K::Combo, "課税する\n課税しない", 12}};
const COptionRowTable kTable = {"仕入（経費）にかかる消費税について設定します。", kHeads, 20101, kLabels, kColumns};

const CFormField<R> kFields[] = {
    {{.nID = 10001, .kind = FieldKind::Choice}, Path<&R::m_anTax, kRow>, 13},
};
const CFormFields<R> kForm(kFields);

} // namespace

COptionConsumptionCostView::COptionConsumptionCostView()
    : COptionRecordView(405, 309, kForm, &CTavrinProjectDoc::GetOptionConsumptionCost)
{
    CreateControls(OptionRowControls(kTable));
}

void COptionConsumptionCostView::ReloadLabels()
{
    const CTavrinProjectDoc* doc = GetDocument();
    if (!doc) return;
    for (int k = 1; k <= 6; ++k) SetDlgItemText(20105 + k, OtherExpenseLabel(*doc, k) + LabelColon());
}
