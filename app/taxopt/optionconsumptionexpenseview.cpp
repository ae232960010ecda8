#include "app/taxopt/optionconsumptionexpenseview.h"

#include "app/shell/tavrinprojectdoc.h"
#include "app/taxopt/optionlabels.h"
#include "data/dataexpense.h"

namespace {

using K = FormControlKind;
using R = COptionConsumptionExpenseClass;
using Item = tagCONSUMPTIONEXPENSE;

const char* const kLabels[] = {
    "工事費：", "購入する部分の土地代：", "建物の取り壊し費：", "設計監理費：", "建設期間中  利息：",
    "近隣対策費：", "不動産手数料：", "建設期間中 地代：", "税金：", "", "", "", "", "", "", "", "",
};
const char* const kHeads[] = {"項目名", "課税", "経理処理"};
const COptionColumn kColumns[] = {
    {10001, K::Combo, "課税する\n課税しない", 12},
    {10018, K::Combo, "項目の経理処理に合わせる\n土地価格算入\n建物簿価算入\n経費\n創業償却費", 26},
};
const COptionRowTable kTable = {"建設所要資金にかかる消費税について設定します。", kHeads, 20101, kLabels, kColumns};

// A value the boxes do not list (one the construction-tax dialog wrote) shows
// no selection and is kept.
const CFormField<R> kFields[] = {
    {{.nID = 10001, .kind = FieldKind::Choice}, Path<&R::m_aItem, kRow, &Item::nTax>, 17},
    {{.nID = 10018, .kind = FieldKind::Choice}, Path<&R::m_aItem, kRow, &Item::nManage>, 17},
};
const CFormFields<R> kForm(kFields);

} // namespace

COptionConsumptionExpenseView::COptionConsumptionExpenseView()
    : COptionRecordView(402, 311, kForm, &CTavrinProjectDoc::GetOptionConsumptionExpense)
{
    CreateControls(OptionRowControls(kTable));
}

void COptionConsumptionExpenseView::ReloadLabels()
{
    const CTavrinProjectDoc* doc = GetDocument();
    if (!doc || !doc->GetDataExpenseOther()) return;
    for (int k = 1; k <= 8; ++k) SetDlgItemText(20109 + k, OtherCostLabel(*doc->GetDataExpenseOther(), k) + LabelColon());
}
