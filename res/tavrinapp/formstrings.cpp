// Strings of the form windows: window names, the caption separator and the
// prompts of the value exchange.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("tavrinapp.exe", {
    {150, "基本条件"},
    {151, "建物の概要"},
    {152, "工事費"},
    {153, "工事費以外"},
    {154, "税金関係"},
    {155, "建設資金\n調達"},
    {156, "各年の経費"},
    {157, "賃貸条件\n基礎事項"},
    {158, "タイプ別\n賃貸条件"},
    {159, "その他の条件"},
    {160, "プロジェクト\n以外の条件"},
    {161, "－"},
    {162, "タイプ別賃貸条件"},
    {163, "賃貸条件  基礎事項"},
    {164, "プロジェクト以外の条件"},
    {10013, "0 ～ 100の数値を入力してください。"},
    {61713, "数値を入力してください。"},
    {61714, "%1 から %2 までの整数を入力してください。"},
    {61716, "半角%1文字（全角ではその半分）以内で入力してください。"},
});

} // namespace
