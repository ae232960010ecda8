// Entry point of the shell tests: a widget application with the program's
// Japanese surface and string table; message boxes are answered by the tests.
#include <QApplication>
#include <gtest/gtest.h>

#include "app/shell/japaneseui.h"
#include "platform/resource.h"

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitJapaneseUi(app);
    AfxSetResourceHandle(LoadLibrary("tavrinapp.exe"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
