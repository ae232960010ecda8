// String table of the project data library.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavDataClass.DLL", {
    {10101, "プロジェクト名"},
    {10102, "データ名"},
});

} // namespace
