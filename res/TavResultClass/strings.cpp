// String table of the calculation and result library.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavResultClass.DLL", {
    {10002, "%"},
    {10003, "戸"},
    {10010, "坪"},
    {10012, "上昇"},
    {10013, "下降"},
    {10017, "千円/月･坪"},
    {10018, "台"},
    {10021, "："},
    {10186, "総額"},
    {10222, "計上年"},
    {20000, "×"},
    {25000, "項    目    名"},
    {25001, "内     容"},
    {25002, "金額（千円）"},
});

} // namespace
