// Option library strings: header and memo boxes.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavOptionClass.DLL", {
    {10000, "プロジェクト名"},
    {10001, "オプション名"},
    {25010, "部署名"},
    {25011, "担当者"},
    {25012, "－備考－"},
});

} // namespace
