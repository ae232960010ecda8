#include "app/shell/mainframe.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <initializer_list>
#include <span>

#include "app/common/numbertext.h"
#include "app/shell/commandids.h"
#include "app/shell/itembox.h"
#include "app/shell/splashwnd.h"
#include "app/shell/sximportdlg.h"
#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinprojectdoc.h"
#include "app/shell/windowcommands.h"
#include "platform/qtstring.h"

namespace {

constexpr UINT IDR_MAINFRAME = 128;
constexpr UINT IDS_IDLEMESSAGE = 57345;
constexpr int kUpdateIntervalMs = 200;

struct MenuItem {
    UINT nID; // 0: separator; ID_FILE_MRU_FILE1: the recently used files
    const char* pszText;
    const char* pszShortcut = nullptr;
};

// When a menu is on the menu bar.
enum class MenuShown { kAlways, kNoProject, kProject };

struct Menu {
    const char* pszTitle;
    MenuShown shown;
    std::initializer_list<MenuItem> items;
    // The window-opening commands listed before the items.
    std::span<const CWindowCommand> (*pfnWindows)() = nullptr;
};

// Menus of the main window without a project (128) and with one (129).
const Menu kMainMenu[] = {
    {"ファイル(&F)",
     MenuShown::kNoProject,
     {{ID_FILE_NEW, "新規作成(&N)", "Ctrl+N"},
      {ID_FILE_OPEN, "開く(&O)...", "Ctrl+O"},
      {0, nullptr},
      {ID_IMPORT_LEGACY, "Tavrin/SXを開く(&X)..."},
      {ID_PRINT_BLANK_FORMS, "データ記入シート印刷(&K)..."},
      {0, nullptr},
      {ID_FILE_MRU_FILE1, nullptr},
      {0, nullptr},
      {ID_APP_EXIT, "アプリケーションの終了(&X)"}}},
    {"ファイル(&F)",
     MenuShown::kProject,
     {{ID_FILE_NEW, "新規作成(&N)", "Ctrl+N"},
      {ID_FILE_OPEN, "開く(&O)...", "Ctrl+O"},
      {ID_FILE_CLOSE, "閉じる(&C)"},
      {ID_FILE_SAVE, "上書き保存(&S)", "Ctrl+S"},
      {ID_FILE_SAVE_AS, "名前を付けて保存(&A)..."},
      {0, nullptr},
      {ID_FILE_PRINT_PREVIEW, "印刷プレビュー(&V)"},
      {ID_PRINT_RESULT, "帳票印刷(&P)..."},
      {ID_PRINT_DATA, "入力データ印刷(&D)..."},
      {ID_PRINT_TAX_DATA, "税率データ印刷(&Z)..."},
      {ID_PRINT_OPTION, "オプション設定印刷(&O)..."},
      {ID_FILE_PRINT_SETUP, "プリンタの設定(&R)..."},
      {0, nullptr},
      {ID_TEXT_OUTPUT, "テキストファイル出力(&T)"},
      {0, nullptr},
      {ID_FILE_MRU_FILE1, nullptr},
      {0, nullptr},
      {ID_APP_EXIT, "アプリケーションの終了(&X)"}}},
    {"表示(&V)",
     MenuShown::kAlways,
     {{ID_VIEW_FILE_BAR, "ファイルツールバー(&F)"},
      {ID_VIEW_DATA_BAR, "データツールバー(&D)"},
      {ID_VIEW_REPORT_BAR, "帳票ツールバー(&R)"},
      {ID_VIEW_TAX_BAR, "税金ツールバー(&T)"},
      {ID_VIEW_ITEMBOX, "アイテムボックス(&I)"},
      {ID_VIEW_STATUS_BAR, "ステータス バー(&S)"}}},
    {"データ入力(&D)",
     MenuShown::kProject,
     {{0, nullptr}, {ID_DATA_CALCULATE, "◆収支計算開始◆(&C)"}, {ID_REVERSE_CALC, "収支逆算(&G)..."}},
     &DataWindowCommands},
    {"帳票表示(&R)",
     MenuShown::kProject,
     {{0, nullptr}, {ID_PAPER_B4, "大きく表示(&B)"}, {ID_PAPER_A4, "小さく表示(&L)"}},
     &ResultWindowCommands},
    {"税率(&T)",
     MenuShown::kProject,
     {{0, nullptr}, {ID_TAX_FILE_LOAD, "税率ファイル読み込み (&Y)"}, {ID_TAX_FILE_SAVE, "税率ファイル保存 (&S)"}},
     &TaxWindowCommands},
    {"設定(&S)",
     MenuShown::kProject,
     {{ID_YEAR_SETTING, "年号表示 (&Y)..."}, {ID_BUSINESS_SETTING, "基本業務設定 (&C)..."}}},
    {"ヘルプ(&H)",
     MenuShown::kAlways,
     {{ID_HELP_CONTENTS, "目次(&C)"},
      {ID_HELP_SEARCH, "キーワードで検索(&S)"},
      {0, nullptr},
      {ID_APP_ABOUT, "バージョン情報(&A)..."}}},
};

struct ToolButton {
    UINT nID;
    const char* pszText;
};

// Buttons of the toolbars of the four item-box tabs; the year edit follows "次画面" on the report bar.
const std::initializer_list<ToolButton> kToolBarButtons[CMainFrame::kToolBars] = {
    {{ID_HELP_CONTENTS, "ヘルプ"}, {ID_APP_EXIT, "終　了"}},
    {{ID_HELP, "ヘルプ"},
     {ID_DATA_SAVE, "OK"},
     {ID_DATA_CANCEL, "キャンセル"},
     {ID_DATA_PREV, "前画面"},
     {ID_DATA_NEXT, "次画面"},
     {ID_DATA_CALCULATE, "◆収支計算◆"},
     {ID_REVERSE_CALC, "収支逆算"}},
    {{ID_PRINT_RESULT, "帳票印刷"},
     {ID_HELP, "ヘルプ"},
     {ID_RESULT_PREV, "前画面"},
     {ID_RESULT_NEXT, "次画面"},
     {ID_RESULT_WORKYEAR, "工事年"},
     {ID_RESULT_BACK5, "5年前"},
     {ID_RESULT_BACK1, "１年前"},
     {ID_RESULT_FORWARD1, "１年後"},
     {ID_RESULT_FORWARD5, "５年後"},
     {ID_RESULT_LASTYEAR, "最終年"},
     {ID_RESULT_CLOSE, "閉じる"}},
    {{ID_PRINT_TAX, "印刷"},
     {ID_HELP, "ヘルプ"},
     {ID_DATA_SAVE, "OK"},
     {ID_DATA_CANCEL, "キャンセル"},
     {ID_DATA_PREV, "前画面"},
     {ID_DATA_NEXT, "次画面"},
     {ID_DATA_CALCULATE, "収支計算"}},
};

// Status-bar panes after the message pane: kana, caps, num and scroll lock.
const char* const kIndicators[] = {"ｶﾅ", "CAP", "NUM", "SCRL"};

int ToolBarOfToggle(UINT nID)
{
    return nID == ID_VIEW_TAX_BAR2 ? ITEMBOX_TAX : int(nID - ID_VIEW_FILE_BAR);
}

} // namespace

CMainFrame::CMainFrame() : m_pItemBox(new CItemBoxBar(this)), m_pMdiArea(new QMdiArea(this))
{
    setWindowTitle(LoadQString(IDR_MAINFRAME));
    setCentralWidget(m_pMdiArea);
    setContextMenuPolicy(Qt::PreventContextMenu); // the bars are shown through the View menu only
    m_pMdiArea->setBackground(palette().dark());
    CreateMenus();
    CreateStatusBar();
    addDockWidget(Qt::LeftDockWidgetArea, m_pItemBox);
    connect(m_pItemBox, &CItemBoxBar::TabChanged, this, &CMainFrame::OnItemBoxTabChange);
    connect(m_pItemBox, &CItemBoxBar::ItemClicked, this, &CMainFrame::PostCommand);
    CreateToolBars();
    m_apToolBar[ITEMBOX_FILE]->show();

    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CMainFrame::UpdateCommandUI);
    timer->start(kUpdateIntervalMs);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::UpdateCommandUI);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (sub && m_bChildMaximized && !sub->isMaximized()) sub->showMaximized();
    });
    SetFormFrameHost(this);
    CSplashWnd::ShowSplashScreen(this);
}

CMainFrame::~CMainFrame()
{
    SetFormFrameHost(nullptr);
}

QAction* CMainFrame::CommandAction(UINT nID, const QString& text)
{
    auto* action = new QAction(text, this);
    const QString prompt = LoadQString(nID);
    action->setStatusTip(prompt.section(QLatin1Char('\n'), 0, 0));
    action->setToolTip(prompt.section(QLatin1Char('\n'), 1));
    connect(action, &QAction::triggered, this, [this, nID] { PostCommand(nID); });
    m_actions.insert(nID, action);
    return action;
}

QAction* CMainFrame::MenuAction(UINT nID, const QString& text)
{
    QAction*& action = m_menuActions[nID];
    if (!action) action = CommandAction(nID, text);
    return action;
}

void CMainFrame::CreateMenus()
{
    for (const Menu& menu : kMainMenu) {
        QMenu* popup = menuBar()->addMenu(ToQString(menu.pszTitle));
        connect(popup, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
        if (menu.shown == MenuShown::kNoProject) m_noProjectMenus.append(popup->menuAction());
        if (menu.shown == MenuShown::kProject) m_projectMenus.append(popup->menuAction());
        if (menu.pfnWindows) {
            for (const CWindowCommand& window : menu.pfnWindows())
                popup->addAction(MenuAction(window.nID, ToQString(window.pszMenuText)));
        }
        for (const MenuItem& item : menu.items) {
            if (item.nID == 0) {
                popup->addSeparator();
                continue;
            }
            if (item.nID == ID_FILE_MRU_FILE1) {
                for (int i = 0; i < CRecentFileList::kSize; ++i) popup->addAction(MenuAction(ID_FILE_MRU_FILE1 + i, {}));
                continue;
            }
            QAction* action = MenuAction(item.nID, ToQString(item.pszText));
            if (item.pszShortcut) action->setShortcut(QKeySequence(QString::fromLatin1(item.pszShortcut)));
            popup->addAction(action);
        }
    }
    UpdateMenus();
    // F1 is the frame's help key, not a menu item.
    QAction* help = CommandAction(ID_HELP);
    help->setShortcut(Qt::Key_F1);
    addAction(help);
}

void CMainFrame::UpdateMenus()
{
    const bool bProject = MDIGetActive() != nullptr;
    for (QAction* menu : m_noProjectMenus) menu->setVisible(!bProject);
    for (QAction* menu : m_projectMenus) menu->setVisible(bProject);
    UpdateRecentFiles();
}

void CMainFrame::UpdateRecentFiles()
{
    const CTavrinApp* pApp = GetTavrinApp();
    for (int i = 0; i < CRecentFileList::kSize; ++i) {
        QAction* action = m_menuActions.value(ID_FILE_MRU_FILE1 + i);
        const bool bShown = pApp && i < pApp->m_recentFileList.GetSize();
        action->setVisible(bShown);
        if (bShown) action->setText(pApp->m_recentFileList.MenuText(i));
    }
}

void CMainFrame::CreateStatusBar()
{
    statusBar()->showMessage(LoadQString(IDS_IDLEMESSAGE));
    for (const char* pszIndicator : kIndicators) {
        // The panes keep the width of their text and show it while the lock is on.
        auto* pane = new QLabel(this);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(ToQString(pszIndicator)) + 8);
        statusBar()->addPermanentWidget(pane);
    }
}

void CMainFrame::CreateToolBars()
{
    for (int tab = 0; tab < kToolBars; ++tab) {
        QToolBar* bar = addToolBar(LoadQString(ID_VIEW_FILE_BAR + tab).section(QLatin1Char('\n'), 1));
        bar->setObjectName(QStringLiteral("ToolBar%1").arg(tab));
        bar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
        bar->setFloatable(false);
        bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
        for (const ToolButton& button : kToolBarButtons[tab]) {
            QAction* action = CommandAction(button.nID, ToQString(button.pszText));
            bar->addAction(action);
            if (auto* tool = qobject_cast<QToolButton*>(bar->widgetForAction(action))) tool->setAutoRaise(false);
            if (button.nID == ID_RESULT_NEXT) {
                m_pYearEdit = new QLineEdit(QStringLiteral("0"), bar);
                m_pYearEdit->setObjectName(QStringLiteral("YearEdit"));
                m_pYearEdit->setMaximumWidth(m_pYearEdit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
                m_pYearEdit->setAlignment(Qt::AlignRight);
                SetImeOpenStatus(m_pYearEdit, FALSE);
                // Only the user's typing moves the year window; the views write the year back.
                connect(m_pYearEdit, &QLineEdit::textEdited, this, [this] { OnMainCommand(IDC_RESULT_YEAR); });
                bar->addWidget(m_pYearEdit);
                bar->addWidget(new QLabel(ToQString("年"), bar));
            }
        }
        bar->hide();
        m_apToolBar[tab] = bar;
    }
}

QMdiSubWindow* CMainFrame::AddChildFrame(QWidget* pFrame)
{
    QMdiSubWindow* sub = m_pMdiArea->addSubWindow(pFrame);
    connect(sub, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates oldState, Qt::WindowStates newState) {
        // Only the user maximises or restores a window that stays active.
        if (oldState & newState & Qt::WindowActive) m_bChildMaximized = newState.testFlag(Qt::WindowMaximized);
    });
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // A blank system-menu icon in place of the toolkit's logo.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    sub->setWindowIcon(QIcon(blank));
    pFrame->show();
    if (m_bChildMaximized) sub->showMaximized();
    m_pMdiArea->setActiveSubWindow(sub);
    return sub;
}

void CMainFrame::OpenBasicConditions(CTavrinProjectDoc* pDoc)
{
    AddChildFrame(FindWindowCommand(ID_DATA_BASIC)->pfnCreateFrame(pDoc))->showMaximized();
}

void DestroyChildWindow(QWidget* pFrame)
{
    QWidget* window = pFrame;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(pFrame->parentWidget())) {
        if (sub->mdiArea()) sub->mdiArea()->removeSubWindow(sub);
        window = sub;
    }
    window->hide();
    window->deleteLater();
}

void ActivateChildWindow(QWidget* pFrame)
{
    auto* sub = qobject_cast<QMdiSubWindow*>(pFrame->parentWidget());
    if (sub && sub->mdiArea()) sub->mdiArea()->setActiveSubWindow(sub);
}

void SetChildWindowCaption(QWidget* pFrame, const CString& strCaption)
{
    pFrame->setWindowTitle(ToQString(strCaption));
    if (auto* sub = qobject_cast<QMdiSubWindow*>(pFrame->parentWidget())) sub->setWindowTitle(pFrame->windowTitle());
}

QWidget* CMainFrame::MDIGetActive() const
{
    QMdiSubWindow* sub = m_pMdiArea->currentSubWindow();
    return sub ? sub->widget() : nullptr;
}

namespace {

// The targets of a command in routing order.
template <typename F>
BOOL Route(CMainFrame* pFrame, F&& handle)
{
    if (auto* child = dynamic_cast<CCmdTarget*>(pFrame->MDIGetActive()); child && handle(child)) return TRUE;
    if (handle(static_cast<CCmdTarget*>(pFrame))) return TRUE;
    CTavrinApp* pApp = GetTavrinApp();
    return pApp && handle(static_cast<CCmdTarget*>(pApp));
}

} // namespace

BOOL CMainFrame::SendCommand(UINT nID)
{
    return Route(this, [nID](CCmdTarget* target) { return target->OnCmdMsg(nID, nullptr); });
}

CCmdUI CMainFrame::QueryCommand(UINT nID)
{
    CCmdUI state;
    state.m_nID = nID;
    if (!Route(this, [&state](CCmdTarget* target) { return target->OnCmdMsg(state.m_nID, &state); }))
        state.m_bEnabled = FALSE;
    return state;
}

void CMainFrame::PostCommand(UINT nID)
{
    QTimer::singleShot(0, this, [this, nID] { OnMainCommand(nID); });
}

void CMainFrame::OnMainCommand(UINT nID)
{
    // A command that is disabled by the time it arrives is dropped.
    if (QueryCommand(nID).m_bEnabled) SendCommand(nID);
}

void CMainFrame::ShowHelp(const CString& strPath)
{
    if (CTavrinApp* pApp = GetTavrinApp()) pApp->ShowHelpTopic(strPath);
}

void CMainFrame::UpdateCommandUI()
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const CCmdUI state = QueryCommand(it.key());
        it.value()->setEnabled(state.m_bEnabled);
        it.value()->setCheckable(state.m_nCheck >= 0);
        if (state.m_nCheck >= 0) it.value()->setChecked(state.m_nCheck > 0);
    }
    if (m_pYearEdit) m_pYearEdit->setEnabled(QueryCommand(IDC_RESULT_YEAR).m_bEnabled);
    UpdateMenus();
}

BOOL CMainFrame::OnCmdMsg(UINT nID, CCmdUI* pCmdUI)
{
    CTavrinApp* pApp = GetTavrinApp();
    switch (nID) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN: {
        // Only while no project window is active: the application's command, then maximise.
        if (MDIGetActive() || !pApp) return FALSE;
        if (pCmdUI) return pApp->OnCmdMsg(nID, pCmdUI);
        if (!pApp->OnCmdMsg(nID, nullptr)) return FALSE;
        if (QMdiSubWindow* sub = m_pMdiArea->currentSubWindow()) sub->showMaximized();
        return TRUE;
    }
    case ID_DOCUMENT_CLOSED:
        if (!pCmdUI) OnDocumentClosed();
        return TRUE;
    case ID_VIEW_FILE_BAR:
    case ID_VIEW_DATA_BAR:
    case ID_VIEW_REPORT_BAR:
    case ID_VIEW_TAX_BAR:
    case ID_VIEW_TAX_BAR2: {
        QToolBar* bar = m_apToolBar[ToolBarOfToggle(nID)];
        if (!pCmdUI) {
            ToggleBar(bar);
        } else {
            pCmdUI->Enable(ToolBarOfToggle(nID) == m_pItemBox->GetCurTab());
            pCmdUI->SetCheck(!bar->isHidden());
        }
        return TRUE;
    }
    case ID_VIEW_ITEMBOX:
        pCmdUI ? pCmdUI->SetCheck(!m_pItemBox->isHidden()) : ToggleBar(m_pItemBox);
        return TRUE;
    case ID_VIEW_STATUS_BAR:
        pCmdUI ? pCmdUI->SetCheck(!statusBar()->isHidden()) : ToggleBar(statusBar());
        return TRUE;
    case ID_HELP:
        if (!pCmdUI) OnHelp();
        return TRUE;
    case ID_IMPORT_LEGACY:
        if (!pCmdUI) OnImportLegacy();
        return TRUE;
    case ID_PRINT_BLANK_FORMS:
        if (!pCmdUI) CTavrinProjectDoc::PrintBlankSheets();
        return TRUE;
    default:
        return FALSE;
    }
}

void CMainFrame::OnImportLegacy()
{
    CTavrinApp* pApp = GetTavrinApp();
    CSXImportDlg dlg(this);
    if (!pApp || dlg.exec() != QDialog::Accepted) return;
    auto* pDoc = new CTavrinProjectDoc;
    if (pApp->ShowDocument(pDoc, pDoc->ImportLegacy(*dlg.m_pFileSX))) pDoc->OfferCalculation();
}

void CMainFrame::ToggleBar(QWidget* pBar)
{
    pBar->setVisible(pBar->isHidden());
}

void CMainFrame::OnItemBoxTabChange(int nNewTab, int nOldTab)
{
    if (nNewTab < 0) nNewTab = m_pItemBox->GetCurTab();
    if (nOldTab < 0) nOldTab = m_pItemBox->GetCurTab();
    if (nNewTab == nOldTab || nNewTab >= kToolBars || nOldTab >= kToolBars) return;
    m_apToolBar[nNewTab]->setVisible(!m_apToolBar[nOldTab]->isHidden());
    m_apToolBar[nOldTab]->hide();
}

void CMainFrame::OnItemBoxSelect(int nTab, int nItem)
{
    m_pItemBox->SelectTab(nTab);
    m_pItemBox->SelectItem(nItem);
}

void CMainFrame::PostItemBoxSelect(int nTab, int nItem)
{
    QTimer::singleShot(0, this, [this, nTab, nItem] { OnItemBoxSelect(nTab, nItem); });
}

void CMainFrame::ShowResultStartYear(int nYear)
{
    m_nResultStartYear = nYear;
    if (m_pYearEdit) m_pYearEdit->setText(QString::number(nYear));
}

QString CMainFrame::ResultYearText() const
{
    return m_pYearEdit ? m_pYearEdit->text() : QString();
}

void CMainFrame::OnHelp()
{
    // A form window opens its help topic, a result window its own.
    QPointer<QWidget> child = MDIGetActive();
    auto* target = dynamic_cast<CCmdTarget*>(child.data());
    if (!target) return;
    for (UINT nTopic : {ID_HELP_TOPIC, ID_HELP_RESULT_TOPIC}) {
        CCmdUI state;
        state.m_nID = nTopic;
        if (target->OnCmdMsg(nTopic, &state) && state.m_bEnabled) {
            QTimer::singleShot(0, this, [child, nTopic] {
                if (auto* t = dynamic_cast<CCmdTarget*>(child.data())) t->OnCmdMsg(nTopic, nullptr);
            });
            return;
        }
    }
}

void CMainFrame::OnDocumentClosed()
{
    CTavrinApp* pApp = GetTavrinApp();
    if (pApp && !pApp->HasOpenDocument()) m_pItemBox->SelectTab(ITEMBOX_FILE);
}

BOOL CMainFrame::OnClose()
{
    // Never while a project calculates: its progress dialog is on the screen.
    for (const CTavrinProjectDoc* pDoc : CTavrinProjectDoc::Documents())
        if (pDoc->IsCalculating()) return FALSE;
    m_bClosing = TRUE;
    auto activeChild = [this] {
        const QList<QMdiSubWindow*> children = m_pMdiArea->subWindowList();
        return m_pMdiArea->currentSubWindow() ? m_pMdiArea->currentSubWindow()
                                              : (children.isEmpty() ? nullptr : children.last());
    };
    while (QMdiSubWindow* sub = activeChild()) {
        CTavrinProjectDoc* pDoc = CTavrinProjectDoc::FromFrame(sub->widget());
        if (!pDoc) {
            m_pMdiArea->removeSubWindow(sub);
            delete sub;
            continue;
        }
        if (!pDoc->SaveModified()) {
            m_bClosing = FALSE;
            return FALSE;
        }
        pDoc->OnCloseDocument();
    }
    return TRUE;
}

void CMainFrame::closeEvent(QCloseEvent* pEvent)
{
    if (OnClose())
        pEvent->accept();
    else
        pEvent->ignore();
}
