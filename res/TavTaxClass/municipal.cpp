// Strings of the fixed-asset and city-planning tax sheets.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavTaxClass.DLL", {
    {150, "分子"},
    {151, "分母"},
    // Fixed-asset tax.
    {300, "土          地"},
    {301, "税率"},
    {302, "住宅用地の特例"},
    {303, "建          物"},
    {304, "税率"},
    {305, "新築住宅の特例"},
    {306, "新築中高層耐火住宅 年数"},
    {307, "新築住宅 年数"},
    // City-planning tax.
    {400, "土          地"},
    {401, "税率"},
    {402, "住宅用地の特例"},
    {403, "建          物"},
    {404, "税率"},
});

} // namespace
