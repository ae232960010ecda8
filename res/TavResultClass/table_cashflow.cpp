// Strings of the cashflow table.
#include "platform/resource.h"

namespace {

// The depreciation and loan lines (412 to 417, 422 to 430) always take the
// item names of the project.
const CStringTableRegistrar kStrings("TavResultClass.DLL", {
    {410, "◇前期繰越金◇"},
    {411, "純利益"},
    {418, "創業償却費"},
    {419, "前年課税事業税"},
    {420, "所得控除額"},
    {421, "借入金返済額合計"},
    {431, "・ショート時借入金"},
    {432, "敷金収入"},
    {433, "敷金返済"},
    {434, "保証金収入"},
    {435, "保証金返済"},
    {436, "事業外支出"},
    {437, "追加自己資金"},
    {438, "◆次期繰越金◆"},
    {18002, "資金収支表"},
});

} // namespace
