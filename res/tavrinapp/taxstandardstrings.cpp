// Strings of the taxable-standard window: the kinds of a burden level's lower
// end and the prompts of its burden-level tables.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("tavrinapp.exe", {
    {3360, "以上"},
    {3361, "超"},
    {3362, "負担水準の上限には、下限以上の数値を入力してください。"},
    {3363, "0以上の数値を入力してください。"},
});

} // namespace
