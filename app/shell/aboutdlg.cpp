#include "app/shell/aboutdlg.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/qtstring.h"

namespace {

constexpr UINT IDR_MAINFRAME = 128;

} // namespace

CAboutDlg::CAboutDlg(const CString& strVersion, QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(ToQString("バージョン情報"));
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    auto* name = new QLabel(LoadQString(IDR_MAINFRAME), this);
    // The release is the version text from its fourth character: "01.07" of "08.01.07".
    auto* release = new QLabel(QStringLiteral("Release: ") + ToQString(strVersion.Mid(3, 5)), this);
    release->setObjectName(QStringLiteral("1462"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(release);
    auto* top = new QHBoxLayout(this);
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts);
    top->addWidget(ok, 0, Qt::AlignTop);
}
