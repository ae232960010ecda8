// Strings of the balancebasic table.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavResultClass.DLL", {
});

} // namespace
