// Entry point of the widget tests: a widget application with the main
// program's strings current.
#include <QApplication>
#include <gtest/gtest.h>

#include "platform/resource.h"

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AfxSetResourceHandle(LoadLibrary("tavrinapp.exe"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
