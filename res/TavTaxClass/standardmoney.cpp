// Strings of the burden-level and price-drop sheet.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavTaxClass.DLL", {
    // Burden-level tables: headings, bound words and the note.
    {500, "負担水準"},
    {501, "負担調整率"},
    {550, "以上"},
    {551, "超"},
    {552, "～"},
    {553, "未満"},
    {554, "以下"},
    {555, "※  ”※”の部分は、今年度の評価額に対する割合（％）を設定してください。"},
    // Price-drop conditions: labels and choice words.
    {510, "価格下落率"},
    {511, "条          件"},
    {512, "価格下落率"},
    {513, "負担水準：住宅用地"},
    {514, "負担水準：住宅用地以外"},
    {515, "上の条件を満たす場合の負担調整率"},
    {560, "考慮する"},
    {561, "考慮しない"},
    {562, "以上"},
    {563, "超"},
    {564, "以上"},
    {565, "超"},
    {566, "以上"},
    {567, "超"},
});

} // namespace
