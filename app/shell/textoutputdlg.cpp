#include "app/shell/textoutputdlg.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "app/shell/dialogbuttons.h"
#include "platform/qtstring.h"

namespace {

// The empty static under the text.
constexpr int kStatusID = 1452;

} // namespace

CTextOutputProgressDlg::CTextOutputProgressDlg(QWidget* pParent) : QDialog(pParent)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    setWindowTitle(ToQString("テキストファイル出力"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ToQString("出力中……お持ち下さい。"), this));
    auto* status = new QLabel(this);
    status->setObjectName(QString::number(kStatusID));
    layout->addWidget(status);
    layout->addWidget(new CDialogButtons(this, "OK", 0, {}));
    setMinimumWidth(260);
    show();
    QCoreApplication::processEvents();
}

CTextOutputProgressDlg::~CTextOutputProgressDlg()
{
    QGuiApplication::restoreOverrideCursor();
}
