// String table of the tax-rate library.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavTaxClass.DLL", {
});

} // namespace
