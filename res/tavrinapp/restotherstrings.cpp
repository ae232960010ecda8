// Strings of the outside-project conditions window: the label of a line
// without a name.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("tavrinapp.exe", {
    {5090, "ﾌﾟﾛｼﾞｪｸﾄ外の項目"},
});

} // namespace
