// Shared pieces of the form tests: a main window that records posted
// commands, and focus moves that deliver their events.
#pragma once

#include <QApplication>
#include <QWidget>
#include <vector>

#include "app/shell/tavrinformparentframe.h"
#include "app/shell/tavrinprojectdoc.h"
#include "shelltest.h"

// Stands for the main window: records the commands posted to it and the help shown.
class RecordingHost : public CFormFrameHost {
public:
    RecordingHost() { SetFormFrameHost(this); }
    ~RecordingHost() override { SetFormFrameHost(nullptr); }
    void OnMainCommand(UINT nID) override { commands.push_back(nID); }
    void ShowHelp(const CString& strPath) override { help.push_back(strPath); }

    std::vector<UINT> commands;
    std::vector<CString> help;
};

// A project that counts how often the dependent amounts are re-derived.
class CountingDoc : public CTavrinProjectDoc {
public:
    void UpdateDependentData() override { ++updates; }
    int updates = 0;
};

// Shows the window and makes it active so that focus changes send their events.
inline void ShowActive(QWidget* pWindow)
{
    pWindow->show();
    pWindow->activateWindow();
    QApplication::setActiveWindow(pWindow);
    QApplication::processEvents();
}

inline void Focus(QWidget* pWidget)
{
    pWidget->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

// The user types into control nID of the form and leaves it.
inline void Leave(CFormWidget* pForm, UINT nID, const CString& strText)
{
    QWidget* item = pForm->GetDlgItem(nID);
    Focus(item);
    pForm->SetDlgItemText(nID, strText);
    item->clearFocus();
    QApplication::processEvents();
}
