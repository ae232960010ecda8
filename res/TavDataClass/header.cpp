// Strings of the memo sheet.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavDataClass.DLL", {
    {2900, "部署名"},
    {2901, "担当者"},
    {2902, "－備考－"},
    {20900, "メモ"},
});

} // namespace
