#include "app/common/formdialog.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>

CFormDialog::CFormDialog(QWidget* pParent) : CFormWidget(pParent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
}

int CFormDialog::DoModal()
{
    m_nResult = IDCANCEL;
    OnInitDialog();
    QEventLoop loop;
    m_pLoop = &loop;
    show();
    raise();
    activateWindow();
    loop.exec(QEventLoop::DialogExec);
    m_pLoop = nullptr;
    hide();
    return m_nResult;
}

void CFormDialog::EndDialog(int nResult)
{
    m_nResult = nResult;
    if (m_pLoop) m_pLoop->quit();
}

void CFormDialog::OnControlNotify(UINT nID, UINT nCode)
{
    if (nCode != BN_CLICKED) return;
    switch (int(nID)) {
    case IDOK: OnOK(); break;
    case IDCANCEL: OnCancel(); break;
    case IDHELP: OnHelp(); break;
    default: break;
    }
}

void CFormDialog::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Escape) {
        OnCancel();
        return;
    }
    CFormWidget::keyPressEvent(pEvent);
}

void CFormDialog::closeEvent(QCloseEvent* pEvent)
{
    pEvent->ignore();
    if (m_pLoop) OnCancel();
}
