#include "app/shell/textoutputdlg.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/qtstring.h"

CTextOutputProgressDlg::CTextOutputProgressDlg(QWidget* pParent) : QDialog(pParent)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    setWindowTitle(ToQString("テキストファイル出力"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ToQString("出力中……お持ち下さい。"), this));
    setMinimumWidth(260);
    show();
    QCoreApplication::processEvents();
}

CTextOutputProgressDlg::~CTextOutputProgressDlg()
{
    QGuiApplication::restoreOverrideCursor();
}
