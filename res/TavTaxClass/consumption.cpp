// Strings of the consumption tax, depreciation and loss carry-forward sheets.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavTaxClass.DLL", {
    // Depreciation.
    {800, "割増償却"},
    {801, "耐用年数"},
    {802, "耐用年数"},
    {803, "割増償却期間"},
    {804, "残存簿価"},
    {805, "最終残存簿価比率"},
    {850, "年 以上"},
    {851, "倍率"},
    {853, "年 未満"},
    // Consumption tax.
    {900, "税率"},
    {901, "免税売上高"},
    {902, "簡易課税方式"},
    {903, "適用可能課税売上高"},
    {904, "みなしマージン率"},
    // Loss carry-forward.
    {1700, "個          人"},
    {1701, "繰越欠損できる年数"},
    {1702, "法          人"},
    {1703, "繰越欠損できる年数"},
});

} // namespace
