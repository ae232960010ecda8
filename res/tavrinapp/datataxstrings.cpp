// Strings of the taxes window: its tab labels, the labels and units of its
// input methods, and the back-calculation's refusal.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("tavrinapp.exe", {
    {3020, "土地評価額"},
    {3021, "建物評価額"},
    {3022, "住宅特例"},
    {3023, "不動産取得税"},
    {3024, "固定資産・都市計画税"},
    {3025, "事業税"},
    {3026, "地価税"},
    {3027, "消費税"},
    {3032, "総額："},
    {3033, "坪あたり："},
    {3034, "工事費割合："},
    {3035, "千円"},
    {3036, "千円"},
    {3037, "％"},
    {3038, "金額："},
    {3039, "割合："},
    {10050, "税率ファイルの土地の税率（固定資産税・都市計画税）と住宅用地の特例割合からは評価額を逆算できません。税率ファイルの値を確かめてください。"},
});

} // namespace
