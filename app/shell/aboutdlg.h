// The About box: the program's name and its release.
#pragma once

#include <QDialog>

#include "platform/cstring.h"

class CAboutDlg : public QDialog {
public:
    CAboutDlg(const CString& strVersion, QWidget* pParent = nullptr);
};
