// Strings of the settings commands, the recently used files and the item box.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("tavrinapp.exe", {
    {20400, "西暦・和暦の設定を行います。\n年号表示"},
    {20401, "会社名、収支計算年数、金額と日付の表示方法の設定を行います。\n基本業務設定"},
    {20500, "（この画面はまだありません）"},
    {57616, "このプロジェクトを開きます。\n開く"},
    {57617, "このプロジェクトを開きます。\n開く"},
    {57618, "このプロジェクトを開きます。\n開く"},
    {57619, "このプロジェクトを開きます。\n開く"},
});

} // namespace
