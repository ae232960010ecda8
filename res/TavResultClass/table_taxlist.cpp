// Strings of the taxlist table.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavResultClass.DLL", {
});

} // namespace
