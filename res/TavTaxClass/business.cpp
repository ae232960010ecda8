// Strings of the business tax and business-place sheets.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavTaxClass.DLL", {
    // Business tax.
    {600, "個          人"},
    {601, "税率"},
    {602, "控除額"},
    {603, "外形標準課税"},
    {604, "課税所得"},
    {605, "税率"},
    {606, "外形標準割合"},
    {607, "付加価値割の税率"},
    {608, "報酬給与額の控除割合"},
    {609, "資本割の税率"},
    {610, "資本金区分"},
    {611, "比率"},
    {612, "徴収猶予期間"},
    {652, "千円超 ～"},
    {653, "千円以下"},
    // Business place.
    {700, "１㎡あたりの税額"},
    {701, "免税基準の面積"},
    {702, "１坪あたりの面積換算係数"},
});

} // namespace
