// Strings of the tax-rate page header and memo.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavTaxClass.DLL", {
    {20000, "プロジェクト名"},
    {20001, "税金名"},
    {20010, "メモ"},
    {20011, "部署名"},
    {20012, "担当者"},
    {20013, "－備考－"},
});

} // namespace
