#include <gtest/gtest.h>
#include <vector>

#include "platform/msgbox.h"
#include "platform/resource.h"

TEST(MessageBox, ScriptedAnswersAndTexts)
{
    std::vector<CString> shown;
    MessageBoxHandler previous = SetMessageBoxHandler([&](const CString& text, const CString& caption, UINT) {
        shown.push_back(caption + ":" + text);
        return IDNO;
    });
    HINSTANCE module = RegisterStringTable("MsgTest.DLL", {{13001, "予期しないエラー"}});
    HINSTANCE old = AfxGetResourceHandle();
    AfxSetResourceHandle(module);
    SetMessageBoxCaption("タブリン");
    EXPECT_EQ(AfxMessageBox(13001, MB_YESNO), IDNO);
    EXPECT_EQ(MessageBoxWithCaption("すでに起動しています。", "注　意", MB_OK), IDNO);
    AfxSetResourceHandle(old);
    SetMessageBoxCaption("");
    SetMessageBoxHandler(previous);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], "タブリン:予期しないエラー");
    EXPECT_EQ(shown[1], "注　意:すでに起動しています。");
}
