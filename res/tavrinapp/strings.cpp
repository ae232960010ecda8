// String table of the main program.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("tavrinapp.exe", {
    {1, "タブリン"},
});

} // namespace
