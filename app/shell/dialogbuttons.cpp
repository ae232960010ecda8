#include "app/shell/dialogbuttons.h"

#include <QDialog>
#include <QPushButton>

#include "platform/qtstring.h"

namespace {

constexpr UINT IDOK_BUTTON = 1;
constexpr UINT IDCANCEL_BUTTON = 2;

QPushButton* NamedButton(QDialogButtonBox* pBox, const char* pszText, QDialogButtonBox::ButtonRole role, UINT nID)
{
    QPushButton* button = pBox->addButton(ToQString(pszText), role);
    button->setObjectName(QString::number(nID));
    return button;
}

} // namespace

CDialogButtons::CDialogButtons(QDialog* pDlg, const char* pszOK, UINT nHelpID, const std::function<void()>& onHelp,
                               Qt::Orientation orientation)
    : QDialogButtonBox(orientation, pDlg), m_pOK(NamedButton(this, pszOK, AcceptRole, IDOK_BUTTON))
{
    NamedButton(this, "ｷｬﾝｾﾙ", RejectRole, IDCANCEL_BUTTON);
    if (onHelp) connect(NamedButton(this, "ヘルプ", HelpRole, nHelpID), &QPushButton::clicked, pDlg, onHelp);
    connect(this, &QDialogButtonBox::accepted, pDlg, &QDialog::accept);
    connect(this, &QDialogButtonBox::rejected, pDlg, &QDialog::reject);
}

QPushButton* CDialogButtons::AddButton(const char* pszText, UINT nID, const std::function<void()>& onClick)
{
    QPushButton* button = NamedButton(this, pszText, ActionRole, nID);
    connect(button, &QPushButton::clicked, parent(), onClick);
    return button;
}
