// Strings of the option windows and dialogs: default row labels and the
// colon that ends a label.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("tavrinapp.exe", {
    {167, "："},
    {2010, "管理費"},
    {2011, "地代"},
    {2012, "修理費"},
    {2013, "火災保険料"},
    {2061, "店舗"},
    {2062, "マンション"},
    {2063, "事務所"},
    {2064, "駐車場"},
    {2065, "その他の種別１"},
    {2066, "その他の種別２"},
    {2067, "その他の種別３"},
    {2068, "その他の種別４"},
    {3040, "その他の費用"},
    {3370, "その他の収入"},
    {5000, "その他の経費"},
    {5060, "その他の収入"},
    {6000, "その他の償却"},
});

} // namespace
