// Strings of the text export.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kTextExportStrings("TavResultClass.DLL", {
    {10014, "（単位：千円）"},
});

} // namespace
