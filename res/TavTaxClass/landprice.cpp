// Strings of the land-value tax sheet.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavTaxClass.DLL", {
    {1000, "税率"},
    {1001, "個          人"},
    {1002, "控除額"},
    {1003, "法          人"},
    {1004, "資本金"},
    {1005, "控除額"},
    {1050, "千円超 ～"},
    {1051, "千円以下"},
});

} // namespace
