// The base of the program's dialogs on the form kit: a form in a window of
// its own, run modally. Buttons IDOK, IDCANCEL and IDHELP of its control
// table end it or show its help; Esc and the close box cancel.
#pragma once

#include "app/common/formkit.h"

class QEventLoop;

constexpr int IDHELP = 9;

class CFormDialog : public CFormWidget {
public:
    explicit CFormDialog(QWidget* pParent = nullptr);

    // OnInitDialog, then the dialog until EndDialog; its result (IDOK, IDCANCEL).
    int DoModal();
    void EndDialog(int nResult);
    BOOL IsModalRunning() const { return m_pLoop != nullptr; }
    // What the last EndDialog gave (IDCANCEL before any).
    int GetResult() const { return m_nResult; }

    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual void OnHelp() {}

    // The three standard buttons; derived dialogs pass on what they do not handle.
    void OnControlNotify(UINT nID, UINT nCode) override;

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;

private:
    QEventLoop* m_pLoop = nullptr;
    int m_nResult = IDCANCEL;
};
