// String table of the option library.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavOptionClass.DLL", {
});

} // namespace
