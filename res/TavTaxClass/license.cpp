// Strings of the registration tax and acquisition tax sheets.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavTaxClass.DLL", {
    // Registration and licence tax.
    {1100, "土          地"},
    {1101, "税率"},
    {1102, "課税標準額"},
    {1103, "固定資産税評価額の"},
    {1104, "建          物"},
    {1105, "税率"},
    {1106, "抵当権設定登記料"},
    {1107, "税率"},
    // Real-property acquisition tax.
    {1200, "土          地"},
    {1201, "税率"},
    {1202, "住宅部分の税率"},
    {1203, "課税標準額"},
    {1204, "固定資産税評価額の"},
    {1205, "建          物"},
    {1206, "税率"},
    {1207, "住宅部分の税率"},
    {1208, "新築住宅の税額"},
    {1252, "千円（１戸あたりの減額）"},
});

} // namespace
