// The new-project dialog: the project templates of the program's data folder
// as icons; OK takes the selected one.
#pragma once

#include <QDialog>

#include "platform/afxtypes.h"
#include "platform/cstring.h"

class QListWidget;

class CNewProjectDlg : public QDialog {
public:
    // The templates are looked for in strFolder, the program's data folder when empty.
    explicit CNewProjectDlg(QWidget* pParent = nullptr, const CString& strFolder = CString());

    // Lists the templates; FALSE when there is none (the view stays empty).
    BOOL OnInitDialog();
    int exec() override;
    // Takes the selected template; with none selected the dialog stays open.
    void accept() override;
    void OnHelp();
    // Folder and file name of the chosen template.
    CString GetPathName() const;

    QListWidget* m_lbFiles;      // hidden: the file names, in the order of the icons
    QListWidget* m_lcTemplates;  // one icon per template
    CString m_strFileName;

private:
    CString m_strFolder;
};
