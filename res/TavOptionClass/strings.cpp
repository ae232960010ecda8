// String table of the option library.
#include "platform/resource.h"

namespace {

const CStringTableRegistrar kStrings("TavOptionClass.DLL", {
    // Units shared by the sheets.
    {0, "％"},
    {2, "年"},
    // Sheet titles.
    {20000, "事業割合"},
    {20001, "建設所要資金の消費税"},
    {20002, "建設期間中経理処理方法"},
    {20003, "敷金・保証金の前受率"},
    {20004, "消費税仕入（経費）課税区分"},
    {20005, "消費税売上（収入）課税区分－その他の収入"},
    {20006, "消費税売上（収入）課税区分－"},
    {20007, "その他の処理方法"},
    {25000, "メモ"},
});

} // namespace
