// The import dialog of the earlier product (Tavrin2000/SX): lists the
// projects of its index file and lets the user pick one for the reader.
#pragma once

#include <QDialog>
#include <memory>

#include "platform/afxtypes.h"
#include "platform/cstring.h"

class CFileSXClass;
class QLabel;
class QListWidget;
class QPushButton;

class CSXImportDlg : public QDialog {
public:
    static constexpr UINT kHelpID = 131346;

    explicit CSXImportDlg(QWidget* pParent = nullptr);
    ~CSXImportDlg() override;

    // Makes the reader and lists "TAVIDX.DAT" of the current folder.
    void OnInitDialog();
    int exec() override;
    // Lists the index file's projects; FALSE (OK disabled, the message in the
    // file-name line) when it cannot be read.
    BOOL LoadIndex(const CString& strPath);
    // Asks for an index file and lists it.
    void OnFileSelect();
    // The reader's selection := the list's.
    void accept() override;
    void OnHelp();

    QListWidget* m_lbProjects;
    // The reader; after OK it converts the chosen project.
    std::unique_ptr<CFileSXClass> m_pFileSX;

private:
    QLabel* m_pFileName;
    QPushButton* m_pOK;
};
