// String table of the file library.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavFileClass.DLL", {
    // Magics of the older project-file versions.
    {1, "TAVRINV700"},
    {12, "TAVRIN97"},
    {13, "TAVRIN97A"},
    {14, "TAVRINV701"},
    {10, "指定されたファイルはタヴリンのファイルではありません。"},
    // Tax-rate files: the message for a foreign file, the older and the current magic.
    {11, "指定されたファイルはタヴリンの税率ファイルではありません。"},
    {50, "TAVRIN97TAX"},
    {69, "TAVRIN03TAX"},
    // Names of the first yearly expenses, which files before version 4 do not hold.
    {65, "管理費"},
    {66, "地代"},
    {67, "修理費"},
    {68, "火災保険料"},
    // Default item names; the numbered ones are followed by their number.
    {51, "その他の償却"},
    {52, "その他の費用"},
    {53, "借入金"},
    {54, "その他の経費"},
    {55, "店舗"},
    {56, "マンション"},
    {57, "事務所"},
    {58, "駐車場"},
    {59, "その他の種別１"},
    {60, "その他の種別２"},
    {61, "その他の種別３"},
    {62, "その他の種別４"},
    {63, "その他の収入"},
    {64, "ﾌﾟﾛｼﾞｪｸﾄ外の項目"},
});

} // namespace
