// Option library strings: business-ratio and advance-receipt sheets.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavOptionClass.DLL", {
    // Business-ratio sheet: headings, choices and the fixed item names.
    {100, "項目名"},
    {101, "事業割合"},
    {102, "項目名"},
    {103, "事業割合"},
    {150, "設定"},
    {151, "非設定"},
    {200, "公租公課"},
    {201, "管理費"},
    {202, "地代"},
    {203, "修理費"},
    {204, "火災保険料"},
    {211, "保証金支払利息"},
    {212, "借入金支払利息"},
    {213, "減価償却－本体"},
    {214, "減価償却－附帯"},
    {219, "創業費"},
    {220, "工事中の経費"},
    // Advance-receipt sheet headings.
    {500, "項目名"},
    {501, "敷金前受率"},
    {502, "保証金前受率"},
});

} // namespace
