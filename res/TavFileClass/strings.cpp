// String table of the file library.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavFileClass.DLL", {
});

} // namespace
