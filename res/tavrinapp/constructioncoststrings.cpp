// Strings of the construction-cost window: the first tab, the units of the
// depreciation amounts and the messages of the shares of the construction cost.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("tavrinapp.exe", {
    {3062, "千円"},
    {3063, "％"},
    {3100, "工事費・減価償却"},
    {10015, " 0 ～ 100の数値を入力してください。"},
    {10016, "各工事費割合の合計が 100％を超えています。工事費割合の合計は 100になるように設定してください。"},
});

} // namespace
