// Strings of the tax-rate windows: the confirmations of a zero special-case
// fraction and the prompt of the area factor.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("tavrinapp.exe", {
    {10018, "住宅用地特例の分子または分母が 0になっているため、住宅用地特例の計算を行うことはできません。"
            "このままの設定でよろしいですか？\n（＜はい＞－設定を保管して編集画面を閉じる。＜いいえ＞－編集画面に戻る。）"},
    {10019, "新築住宅特例の分子または分母が 0になっているため、新築住宅特例の計算を行うことはできません。"
            "このままの設定でよろしいですか？\n（＜はい＞－設定を保管して編集画面を閉じる。＜いいえ＞－編集画面に戻る。）"},
    {10020, "１坪あたりの面積変換係数が 0になっています。この係数が 0の場合、変換計算時にエラーが起こる可能性があり"
            "ますので、0より大きい数値を入力してください。"},
});

} // namespace
