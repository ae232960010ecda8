// Strings of the construction-cost and other-costs windows: units and the
// range messages of their shares.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("tavrinapp.exe", {
    {3048, "千円"},
    {3049, "％"},
    {10014, "0 ～ 100の数値を入力してください。"},
});

} // namespace
