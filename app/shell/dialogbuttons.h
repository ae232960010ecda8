// The button column or row of the program's dialogs: OK under its own text,
// "ｷｬﾝｾﾙ" and "ヘルプ", each carrying its control id.
#pragma once

#include <QDialogButtonBox>
#include <functional>

#include "platform/afxtypes.h"

class QDialog;
class QPushButton;

class CDialogButtons : public QDialogButtonBox {
public:
    // OK and cancel end the dialog through its accept and reject; help calls
    // onHelp, and there is no help button without one.
    CDialogButtons(QDialog* pDlg, const char* pszOK, UINT nHelpID, const std::function<void()>& onHelp,
                   Qt::Orientation orientation = Qt::Horizontal);
    // A further button with id nID that calls onClick.
    QPushButton* AddButton(const char* pszText, UINT nID, const std::function<void()>& onClick);

    QPushButton* m_pOK;
};
