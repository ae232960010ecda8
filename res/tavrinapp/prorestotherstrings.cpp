// Strings of the other-conditions window: the label of an other income
// without a name.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("tavrinapp.exe", {
    {5060, "その他の収入"},
});

} // namespace
