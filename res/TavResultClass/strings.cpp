// String table of the calculation and result library.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavResultClass.DLL", {
});

} // namespace
