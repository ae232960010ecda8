// The program's MDI main window: menus, the four toolbars of the item-box
// tabs, the item box, the status bar and the MDI area of the project windows.
#pragma once

#include <QHash>
#include <QList>
#include <QMultiHash>
#include <QMainWindow>

#include "app/shell/tavrinformparentframe.h"
#include "platform/cmdtarget.h"

class CTavrinProjectDoc;
class CItemBoxBar;
class QAction;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;

// Takes a child window of the MDI area off the screen at once and deletes it later.
void DestroyChildWindow(QWidget* pFrame);
// Brings a child window of the MDI area to the front.
void ActivateChildWindow(QWidget* pFrame);
// The caption of a child window and of its place in the MDI area.
void SetChildWindowCaption(QWidget* pFrame, const CString& strCaption);

class CMainFrame : public QMainWindow, public CCmdTarget, public CFormFrameHost {
    Q_OBJECT
public:
    static constexpr int kToolBars = 4;

    CMainFrame();
    ~CMainFrame() override;

    // The MDI area and the way a project window enters it: pFrame becomes a
    // child window of the area, shown and activated (maximised while the user
    // keeps the area's windows maximised).
    QMdiArea* MDIClient() const { return m_pMdiArea; }
    QMdiSubWindow* AddChildFrame(QWidget* pFrame);
    // The widget of the active child window, or null.
    QWidget* MDIGetActive() const;
    // The project's basic-conditions window, maximised in the window area.
    void OpenBasicConditions(CTavrinProjectDoc* pDoc);

    // Runs command nID through the routing: the active child window, this
    // frame, the application. FALSE when no target handles it.
    BOOL SendCommand(UINT nID);
    // The same after the current event, as a posted command.
    void PostCommand(UINT nID);
    // A posted command as it arrives: run unless it is disabled by then.
    void OnMainCommand(UINT nID) override;
    void ShowHelp(const CString& strPath) override;
    // The state of command nID; disabled when no target handles it.
    CCmdUI QueryCommand(UINT nID);
    // Brings every menu item and button up to date with its command's state.
    void UpdateCommandUI();

    void OnItemBoxTabChange(int nNewTab, int nOldTab);
    void OnItemBoxSelect(int nTab, int nItem);
    // The same after the current event.
    void PostItemBoxSelect(int nTab, int nItem);
    // The report toolbar's year edit shows nYear, the start year last shown.
    void ShowResultStartYear(int nYear);
    QString ResultYearText() const;
    // FALSE when a project refused to close.
    BOOL OnClose();

    BOOL OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;

    CItemBoxBar* m_pItemBox;
    QToolBar* m_apToolBar[kToolBars] = {};
    QLineEdit* m_pYearEdit = nullptr;
    int m_nResultStartYear = 0;
    BOOL m_bClosing = FALSE;

protected:
    void closeEvent(QCloseEvent* pEvent) override;

private:
    QAction* CommandAction(UINT nID, const QString& text = {});
    // The menu item of command nID, shared by the menus of both states.
    QAction* MenuAction(UINT nID, const QString& text);
    void CreateMenus();
    // The menus of an open project follow whether a project window is active.
    void UpdateMenus();
    // The File menus list the application's recently used files.
    void UpdateRecentFiles();
    void CreateStatusBar();
    void CreateToolBars();
    void ToggleBar(QWidget* pBar);
    void OnHelp();
    void OnDocumentClosed();
    // A project of the earlier product, chosen in the import dialog, as a new project.
    void OnImportLegacy();

    QMdiArea* m_pMdiArea;
    // Whether the user keeps the child windows maximised: every window that
    // opens or becomes active is then maximised.
    bool m_bChildMaximized = true;
    // Every menu item and button of a command (one id can be on several toolbars).
    QMultiHash<UINT, QAction*> m_actions;
    QHash<UINT, QAction*> m_menuActions;
    QList<QAction*> m_noProjectMenus;
    QList<QAction*> m_projectMenus;
};
