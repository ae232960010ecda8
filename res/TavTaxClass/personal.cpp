// Strings of the income-tax and inhabitant-tax tables.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavTaxClass.DLL", {
    // Prefectural inhabitant tax: headings and bound words.
    {1400, "課税所得"},
    {1401, "控除額"},
    {1402, "税率"},
    {1450, "千円超～"},
    {1451, "千円以下"},
    // Municipal inhabitant tax.
    {1500, "課税所得"},
    {1501, "控除額"},
    {1502, "税率"},
    {1550, "千円超～"},
    {1551, "千円以下"},
    // Income tax.
    {1600, "課税所得"},
    {1601, "控除額"},
    {1602, "税率"},
    {1650, "千円超～"},
    {1651, "千円以下"},
});

} // namespace
