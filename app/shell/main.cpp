// The program's entry point.
#include <QApplication>

#include "app/shell/japaneseui.h"
#include "app/shell/tavrinapp.h"
#include "platform/msgbox.h"
#include "platform/resource.h"

namespace {

CTavrinApp theApp;

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    InitJapaneseUi(app);
    AfxSetResourceHandle(LoadLibrary("tavrinapp.exe"));
    SetMessageBoxHandler(ShowMessageBox);
    SetMessageBoxCaption(theApp.m_pszAppName);
    if (!theApp.InitInstance(argc, argv)) return 1;
    const int result = app.exec();
    theApp.ExitInstance();
    return result;
}
