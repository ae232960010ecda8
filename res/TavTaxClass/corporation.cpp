// Strings of the corporation-tax and corporate inhabitant-tax sheets.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavTaxClass.DLL", {
    // Corporation tax: headings and bound words.
    {1300, "資本金"},
    {1301, "課税所得"},
    {1302, "税率"},
    {1350, "千円以下"},
    {1351, "千円超～"},
    // Corporate inhabitant tax.
    {1750, "道府県民税"},
    {1751, "市町村民税"},
});

} // namespace
