// Messages of the print-settings dialogs and the text output.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("tavrinapp.exe", {
    {16110, "印刷する項目が選択されていません。\n印刷する項目を一覧から選んでください。"},
    {16111, "テキストファイルに出力できませんでした。"},
});

} // namespace
