// Strings of the fundingplan table.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavResultClass.DLL", {
});

} // namespace
