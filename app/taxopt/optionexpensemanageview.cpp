#include "app/taxopt/optionexpensemanageview.h"

#include "app/shell/tavrinprojectdoc.h"

namespace {

using K = FormControlKind;
using R = COptionExpenseManageClass;

constexpr int kFirstRow = 15;
constexpr int kRows = 9;
constexpr int kRegistrationRow = 21;
constexpr int kAtCompletion = 2;

const char* const kLabels[] = {
    "建設期間中 地代：", "固定資産税，都市計画税：", "不動産取得税（土地）：", "登録免許税（土地）：",
    "不動産取得税（建物）：", "登録免許税（建物）：", "抵当権設定登記料：", "事業所税：", "地価税：",
};
const char* const kHeads[] = {"項目名", "経理処理", "支払処理"};
const COptionColumn kColumns[] = {
    {10001 + kFirstRow, K::Combo, "土地価格算入\n建物価格算入\n経費\n創業償却費", 16},
    {10025 + kFirstRow, K::Combo, "着工時払\n中間時払\n竣工時払\n３期分割払", 14},
};
const COptionRowTable kTable = {"建設期間中に発生する税金などの経理処理方法について設定します。", kHeads, 0, kLabels,
                                kColumns};

// The rows shown are 15 to 23; row 21's payment box is not shown.
constexpr UINT kPaymentIDs[] = {10040, 10041, 10042, 10043, 10044, 10045, 10047, 10048};
const CFormField<R> kFields[] = {
    {{.nID = 10016, .kind = FieldKind::Choice},
     [](R& r, int n) -> CFieldRef { return &r.m_aManage[kFirstRow + n].nManage; }, kRows},
    {{.nID = 10040, .kind = FieldKind::Choice},
     [](R& r, int n) -> CFieldRef {
         const int nRow = kFirstRow + n;
         return &r.m_aManage[nRow < kRegistrationRow ? nRow : nRow + 1].nPayment;
     },
     kRows - 1, 1, kPaymentIDs},
};
const CFormFields<R> kForm(kFields);

} // namespace

COptionExpenseManageView::COptionExpenseManageView()
    : COptionRecordView(403, 307, kForm, &CTavrinProjectDoc::GetOptionExpenseManage)
{
    std::vector<CFormControl> controls = OptionRowControls(kTable);
    controls.push_back({0, K::Unit, 2 + kRows, 0, 3,
                        "※  建設所要資金の経理処理方法については、データ編集画面の「工事費」，または「工事費以外」で行います。"});
    CreateControls(controls);
    ShowDlgItem(10025 + kRegistrationRow, FALSE);
}

BOOL COptionExpenseManageView::StoreData()
{
    BOOL bChanged = COptionRecordView::StoreData();
    R* record = DocRecord();
    if (record && record->m_aManage[kRegistrationRow].nPayment != kAtCompletion) {
        record->m_aManage[kRegistrationRow].nPayment = kAtCompletion;
        bChanged = TRUE;
    }
    return bChanged;
}
