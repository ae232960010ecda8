// Strings of the yearly table pages and the basic balance table page.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kYearTableStrings("TavResultClass.DLL", {
    {200, "・投資利回り＝"},
    {201, "償却前利益"},
    {202, "剰余金"},
    {203, "税引後利益"},
    {204, "償却後利益"},
    {205, "収入合計"},
    {206, "÷（当初自己資金＋当初借入金）　　　　　　　　・支出の公租公課には前年課税事業税が含まれています。"},
    {210, "収"},
    {211, "入"},
    {213, "支"},
    {214, "出"},
    {215, "参"},
    {216, "考"},
    {10014, "（単位：千円）"},
    {10015, "工事期間"},
    {10016, "年"},
    {18000, "基本収支表"},
});

} // namespace
