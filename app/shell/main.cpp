// The program's entry point: one main window.
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>

#include "platform/codepage.h"
#include "platform/msgbox.h"
#include "platform/resource.h"

namespace {

QString ToQString(const CString& str)
{
    return QString::fromStdString(CP932ToUtf8(str));
}

int ShowMessageBox(const CString& strText, const CString& strCaption, UINT nType)
{
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    switch (nType & 0xF) {
    case MB_OKCANCEL: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MB_YESNO: buttons = QMessageBox::Yes | QMessageBox::No; break;
    case MB_YESNOCANCEL: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    default: break;
    }
    QMessageBox box(QMessageBox::NoIcon, ToQString(strCaption), ToQString(strText), buttons);
    switch (box.exec()) {
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel: return IDCANCEL;
    default: return IDOK;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    AfxSetResourceHandle(LoadLibrary("tavrinapp.exe"));
    SetMessageBoxHandler(ShowMessageBox);
    CString title;
    title.LoadString(1);
    SetMessageBoxCaption(title);

    QMainWindow window;
    window.setWindowTitle(ToQString(title));
    window.resize(1024, 768);
    window.showMaximized();
    return app.exec();
}
