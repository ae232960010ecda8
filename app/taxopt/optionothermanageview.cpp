#include "app/taxopt/optionothermanageview.h"

#include "app/shell/tavrinprojectdoc.h"
#include "app/taxopt/optionlabels.h"

namespace {

using K = FormControlKind;
using R = COptionOtherManageClass;

constexpr char kProrate[] = "按分する\n按分しない";

const CFormControl kControls[] = {
    {0, K::Unit, 0, 0, 2, "創業償却年数や工事費の按分方法などについて設定します。"},
    {0, K::Group, 1, 0, 2, "創業償却について"},
    {0, K::Label, 0, 0, 1, "償却年数："},
    {10001, K::Number, 0, 1, 1, "", 4},
    {0, K::Unit, 0, 1, 1, "年"},
    {0, K::GroupEnd},
    {0, K::Group, 2, 0, 2, "建物簿価算入の按分について"},
    {20103, K::Label, 0, 0},
    {10002, K::Combo, 0, 1, 1, kProrate, 12},
    {20104, K::Label, 1, 0},
    {10003, K::Combo, 1, 1, 1, kProrate, 12},
    {20105, K::Label, 2, 0},
    {10004, K::Combo, 2, 1, 1, kProrate, 12},
    {20106, K::Label, 3, 0},
    {10005, K::Combo, 3, 1, 1, kProrate, 12},
    {0, K::GroupEnd},
    {0, K::Group, 3, 0, 2, "投資利回り計算式について"},
    {10006, K::Combo, 0, 0, 1, "償却前利益\n剰余金\n税引後利益\n償却後利益\n収入合計", 14},
    {0, K::Unit, 0, 1, 1, "÷ （当初自己資金 ＋ 当初借入金）"},
    {0, K::GroupEnd},
    {0, K::Group, 4, 0, 1, "単年度剰余金のマイナス表示"},
    {10007, K::Combo, 0, 0, 1, "マイナスにしない\nマイナス表示", 16},
    {0, K::GroupEnd},
    {0, K::Group, 4, 1, 1, "自己資金利用時期"},
    {10008, K::Combo, 0, 0, 1, "着工時\n竣工時", 10},
    {0, K::GroupEnd},
};

const CFormField<R> kFields[] = {
    {{.nID = 10001, .kind = FieldKind::Integer, .dMin = 0, .dMax = 50, .style = NumberStyle::Count},
     Member<&R::m_nStartupYear>},
    {{.nID = 10002, .kind = FieldKind::Choice}, Path<&R::m_anProrate, kRow>, 4},
    {{.nID = 10006, .kind = FieldKind::Choice}, Member<&R::m_nYieldFormula>},
    {{.nID = 10007, .kind = FieldKind::Choice}, Member<&R::m_nMinusSurplus>},
    {{.nID = 10008, .kind = FieldKind::Choice}, Member<&R::m_nOwnFundTime>},
};
const CFormFields<R> kForm(kFields);

} // namespace

COptionOtherManageView::COptionOtherManageView()
    : COptionRecordView(410, 306, kForm, &CTavrinProjectDoc::GetOptionOtherManage)
{
    CreateControls(kControls);
}

void COptionOtherManageView::ReloadLabels()
{
    const CTavrinProjectDoc* doc = GetDocument();
    if (!doc) return;
    for (int k = 1; k <= 4; ++k) SetDlgItemText(20102 + k, OtherAmortizeLabel(*doc, k) + LabelColon());
}
