// Strings of the funding window and its loan-detail dialog.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("tavrinapp.exe", {
    {3101, "資本的支出  "},
    {3500, "土地購入用借入金"},
    {10010, "返済期間が 0年です。"},
    {10011, "借入金額がマイナスになっています。借入金額は、0以上の数値を入力してください。"},
});

} // namespace
