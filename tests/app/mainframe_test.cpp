#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include "app/common/numbertext.h"
#include "app/shell/commandids.h"
#include "app/data/databasicframe.h"
#include "app/shell/itembox.h"
#include "app/shell/mainframe.h"
#include "app/shell/splashwnd.h"
#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinprojectdoc.h"
#include "app/data/tavrinprojectview.h"
#include "platform/qtstring.h"
#include "shelltest.h"
#include "tests/support/render.h"
#include "waitfor.h"

namespace {

// A project window that records the commands it receives; it handles the help topic given.
class RecordingFrame : public QWidget, public CCmdTarget {
public:
    explicit RecordingFrame(UINT nHelpTopic) : m_nHelpTopic(nHelpTopic) {}
    BOOL OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override
    {
        if (nID != m_nHelpTopic && nID != ID_DATA_SAVE) return FALSE;
        if (!pCmdUI) m_received.push_back(nID);
        return TRUE;
    }
    UINT m_nHelpTopic;
    std::vector<UINT> m_received;
};

// A project that answers the save question as scripted and records that it was asked.
class ScriptedDoc : public CTavrinProjectDoc {
public:
    ScriptedDoc(BOOL bAnswer, std::vector<std::string>& asked, std::string name)
        : m_bAnswer(bAnswer), m_asked(asked), m_name(std::move(name))
    {
    }
    BOOL SaveModified() override
    {
        m_asked.push_back(m_name);
        return m_bAnswer;
    }
    BOOL m_bAnswer;
    std::vector<std::string>& m_asked;
    std::string m_name;
};

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override { m_app.m_pMainWnd = &m_frame; }
    void TearDown() override
    {
        m_app.m_pMainWnd = nullptr;
        while (!CTavrinProjectDoc::Documents().isEmpty()) delete CTavrinProjectDoc::Documents().first();
    }
    // Lets posted commands arrive.
    static void Pump() { ::Pump(); }
    // A project in memory with its basic-conditions window in the main window, the data tab chosen.
    CDataBasicFrame* OpenBasicConditions(CTavrinProjectDoc* pDoc)
    {
        tagDATABASIC& basic = *pDoc->GetDataBasic();
        basic.strProjectName = "駅前ビル計画";
        basic.astrSubTitle[0] = "鉄筋コンクリート造　地上５階建";
        basic.nTaxMethod = 1;
        basic.dBusinessRatio = 100;
        pDoc->SetTitle("駅前ビル計画");
        auto* form = new CDataBasicFrame(pDoc);
        form->SetView(new CTavrinProjectView);
        m_frame.AddChildFrame(form)->showMaximized();
        m_frame.OnItemBoxSelect(ITEMBOX_DATA, 0);
        m_frame.UpdateCommandUI();
        return form;
    }
    // The data toolbar's button labelled pszText.
    QAction* DataButton(const char* pszText)
    {
        for (QAction* action : m_frame.m_apToolBar[ITEMBOX_DATA]->actions())
            if (action->text() == ToQString(pszText)) return action;
        ADD_FAILURE() << pszText;
        return nullptr;
    }
    QMdiSubWindow* AddProject(CTavrinProjectDoc* pDoc, QWidget* pFrame)
    {
        pDoc->AddFrame(pFrame);
        return m_frame.AddChildFrame(pFrame);
    }

    // The fixture's frame shows no splash.
    struct SplashOff {
        SplashOff() { CSplashWnd::EnableSplashScreen(FALSE); }
        ~SplashOff() { CSplashWnd::EnableSplashScreen(TRUE); }
    } m_splashOff;
    CTavrinApp m_app;
    CMainFrame m_frame;
};

TEST_F(MainFrameTest, ShowsTheFileToolbarAndTheFixedTitle)
{
    EXPECT_EQ(m_frame.windowTitle(), QStringLiteral("Tavrin V8"));
    EXPECT_EQ(m_frame.m_pItemBox->GetCurTab(), ITEMBOX_FILE);
    EXPECT_FALSE(m_frame.m_apToolBar[ITEMBOX_FILE]->isHidden());
    for (int tab = 1; tab < CMainFrame::kToolBars; ++tab) EXPECT_TRUE(m_frame.m_apToolBar[tab]->isHidden()) << tab;
    EXPECT_EQ(m_frame.m_pYearEdit->text(), QStringLiteral("0"));
    QStringList buttons;
    for (QAction* action : m_frame.m_apToolBar[ITEMBOX_REPORT]->actions()) buttons << action->text();
    EXPECT_EQ(buttons.join(QLatin1Char('|')),
              QString::fromUtf8(u8"帳票印刷|ヘルプ|前画面|次画面|||工事年|5年前|１年前|１年後|５年後|最終年|閉じる"));
}

// The toolbar of the new tab takes over the shown or hidden state of the old tab's toolbar.
TEST_F(MainFrameTest, TabChangesPassTheToolbarStateOn)
{
    const struct {
        int nTab;
        UINT nToggleBefore; // 0: none
        bool bShown[CMainFrame::kToolBars];
    } steps[] = {
        {ITEMBOX_DATA, 0, {false, true, false, false}},
        {ITEMBOX_REPORT, ID_VIEW_DATA_BAR, {false, false, false, false}},
        {ITEMBOX_TAX, ID_VIEW_REPORT_BAR, {false, false, false, true}},
        {ITEMBOX_FILE, ID_VIEW_TAX_BAR2, {false, false, false, false}},
    };
    for (const auto& step : steps) {
        if (step.nToggleBefore) {
            ASSERT_TRUE(m_frame.SendCommand(step.nToggleBefore));
        }
        m_frame.m_pItemBox->SelectTab(step.nTab);
        for (int bar = 0; bar < CMainFrame::kToolBars; ++bar)
            EXPECT_EQ(!m_frame.m_apToolBar[bar]->isHidden(), step.bShown[bar]) << "tab " << step.nTab << " bar " << bar;
    }
}

TEST_F(MainFrameTest, OnlyTheCurrentTabsToolbarCanBeToggled)
{
    m_frame.m_pItemBox->SelectTab(ITEMBOX_REPORT);
    const UINT toggles[] = {ID_VIEW_FILE_BAR, ID_VIEW_DATA_BAR, ID_VIEW_REPORT_BAR, ID_VIEW_TAX_BAR, ID_VIEW_TAX_BAR2};
    for (UINT nID : toggles) {
        const CCmdUI state = m_frame.QueryCommand(nID);
        EXPECT_EQ(bool(state.m_bEnabled), nID == ID_VIEW_REPORT_BAR) << nID;
    }
    EXPECT_EQ(m_frame.QueryCommand(ID_VIEW_REPORT_BAR).m_nCheck, 1);
    m_frame.SendCommand(ID_VIEW_REPORT_BAR);
    EXPECT_EQ(m_frame.QueryCommand(ID_VIEW_REPORT_BAR).m_nCheck, 0);
}

TEST_F(MainFrameTest, CommandsWithoutATargetAreDisabledAndPostedOnesDropped)
{
    for (UINT nID : {ID_DATA_SAVE, ID_DATA_CALCULATE, ID_RESULT_CLOSE, IDC_RESULT_YEAR})
        EXPECT_FALSE(m_frame.QueryCommand(nID).m_bEnabled) << nID;
    for (UINT nID : {ID_FILE_NEW, ID_FILE_OPEN, ID_IMPORT_LEGACY, ID_PRINT_BLANK_FORMS, ID_APP_ABOUT, ID_APP_EXIT,
                     ID_HELP_CONTENTS, ID_VIEW_ITEMBOX, ID_VIEW_STATUS_BAR})
        EXPECT_TRUE(m_frame.QueryCommand(nID).m_bEnabled) << nID;
    m_frame.UpdateCommandUI();
    EXPECT_FALSE(m_frame.m_pYearEdit->isEnabled());

    auto* frame = new RecordingFrame(ID_HELP_TOPIC);
    AddProject(new CTavrinProjectDoc, frame);
    EXPECT_TRUE(m_frame.QueryCommand(ID_DATA_SAVE).m_bEnabled);
    m_frame.PostCommand(ID_DATA_SAVE);
    m_frame.PostCommand(ID_DATA_CANCEL);
    Pump();
    EXPECT_EQ(frame->m_received, std::vector<UINT>{ID_DATA_SAVE});
}

TEST_F(MainFrameTest, HelpKeyPostsTheHelpTopicOfTheActiveWindow)
{
    m_frame.SendCommand(ID_HELP); // no window: nothing happens
    for (UINT nTopic : {ID_HELP_TOPIC, ID_HELP_RESULT_TOPIC}) {
        auto* frame = new RecordingFrame(nTopic);
        AddProject(new CTavrinProjectDoc, frame);
        ASSERT_TRUE(m_frame.SendCommand(ID_HELP));
        EXPECT_TRUE(frame->m_received.empty()); // posted, not sent
        Pump();
        EXPECT_EQ(frame->m_received, std::vector<UINT>{nTopic});
    }
}

TEST_F(MainFrameTest, ClosingAsksEveryProjectAndStopsAtCancel)
{
    std::vector<std::string> asked;
    AddProject(new ScriptedDoc(FALSE, asked, "first"), new QWidget);
    AddProject(new ScriptedDoc(TRUE, asked, "second"), new QWidget);
    EXPECT_FALSE(m_frame.OnClose());
    EXPECT_FALSE(m_frame.m_bClosing);
    EXPECT_EQ(asked, (std::vector<std::string>{"second", "first"}));
    ASSERT_EQ(CTavrinProjectDoc::Documents().size(), 1);
    EXPECT_EQ(m_frame.MDIClient()->subWindowList().size(), 1);

    static_cast<ScriptedDoc*>(CTavrinProjectDoc::Documents().first())->m_bAnswer = TRUE;
    EXPECT_TRUE(m_frame.OnClose());
    EXPECT_TRUE(CTavrinProjectDoc::Documents().isEmpty());
    EXPECT_TRUE(m_frame.MDIClient()->subWindowList().isEmpty());
}

TEST_F(MainFrameTest, ClosingTheLastProjectReturnsTheItemBoxToTheFileTab)
{
    auto* first = new CTavrinProjectDoc;
    auto* second = new CTavrinProjectDoc;
    AddProject(first, new QWidget);
    m_frame.OnItemBoxSelect(ITEMBOX_REPORT, 3);
    first->OnCloseDocument();
    Pump();
    EXPECT_EQ(m_frame.m_pItemBox->GetCurTab(), ITEMBOX_REPORT);
    second->OnCloseDocument();
    Pump();
    EXPECT_EQ(m_frame.m_pItemBox->GetCurTab(), ITEMBOX_FILE);
    EXPECT_FALSE(m_frame.m_apToolBar[ITEMBOX_FILE]->isHidden());
}

// The main window as a user sees it; under Xvfb the whole screen, splash included.
TEST_F(MainFrameTest, Screenshot)
{
    CSplashWnd::EnableSplashScreen(TRUE);
    CMainFrame frame;
    frame.resize(1024, 700);
    frame.show();
    frame.statusBar()->showMessage(frame.m_apToolBar[0]->actions().first()->statusTip());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame, kWaitCeilingMs));
    ASSERT_NE(CSplashWnd::Current(), nullptr);
    EXPECT_TRUE(CSplashWnd::Current()->isVisible());
    SaveArtifact(CSplashWnd::Current()->grab().toImage(), "shell_splash");
    const bool onScreen = QGuiApplication::platformName() == QLatin1String("xcb");
    SaveArtifact((onScreen ? frame.screen()->grabWindow(0) : frame.grab()).toImage(), "shell_mainframe_splash");
    EXPECT_TRUE(WaitFor([] { return CSplashWnd::Current() == nullptr; }));
    frame.m_pItemBox->SelectTab(ITEMBOX_REPORT);
    QTest::qWait(50);
    SaveArtifact((onScreen ? frame.screen()->grabWindow(0) : frame.grab()).toImage(), "shell_mainframe_report");
    if (!onScreen) return;
    QMenu* file = frame.menuBar()->actions().first()->menu();
    file->popup(frame.mapToGlobal(frame.menuBar()->actionGeometry(frame.menuBar()->actions().first()).bottomLeft()));
    QTest::qWait(100);
    SaveArtifact(frame.screen()->grabWindow(0).toImage(), "shell_mainframe_filemenu");
    file->close();
}

// The basic-conditions window inside the main window: the data toolbar follows
// the form's state, its buttons reach the form, closing the main window ends the project.
TEST_F(MainFrameTest, BasicConditionsFormTakesTheDataToolbar)
{
    auto* doc = new CTavrinProjectDoc;
    CDataBasicFrame* form = OpenBasicConditions(doc);
    ASSERT_EQ(m_frame.MDIGetActive(), form);
    EXPECT_FALSE(m_frame.m_apToolBar[ITEMBOX_DATA]->isHidden());
    const struct {
        const char* pszButton;
        bool bEnabled;
    } buttons[] = {{"OK", true}, {"キャンセル", true}, {"前画面", false}, {"次画面", true}, {"ヘルプ", true}};
    for (const auto& b : buttons) EXPECT_EQ(DataButton(b.pszButton)->isEnabled(), b.bEnabled) << b.pszButton;

    ScriptedMessageBoxes boxes;
    const auto edit = [form](UINT nID) { return static_cast<QLineEdit*>(form->GetActiveView()->GetDlgItem(nID)); };
    SetWindowText(edit(10002), "150");
    DataButton("OK")->trigger();
    Pump();
    ASSERT_EQ(boxes.m_texts.size(), 1u);
    EXPECT_EQ(boxes.m_texts[0], CString("0 から 100 までの数値を入力してください。"));
    EXPECT_EQ(doc->GetDataBasic()->dBusinessRatio, 100);
    EXPECT_FALSE(doc->m_abDataModified[0]);

    SetWindowText(edit(10002), "80");
    SetWindowText(edit(10000), "駅前ビル第二計画");
    DataButton("OK")->trigger();
    Pump();
    EXPECT_EQ(boxes.m_texts.size(), 1u);
    EXPECT_EQ(doc->GetDataBasic()->dBusinessRatio, 80);
    EXPECT_EQ(doc->GetDataBasic()->strProjectName, CString("駅前ビル第二計画"));
    EXPECT_TRUE(doc->m_abDataModified[0]);

    SetWindowText(edit(10000), "書きかけ");
    DataButton("キャンセル")->trigger();
    Pump();
    EXPECT_EQ(GetWindowText(edit(10000)), CString("駅前ビル第二計画"));

    EXPECT_TRUE(m_frame.OnClose());
    EXPECT_TRUE(CTavrinProjectDoc::Documents().isEmpty());
    EXPECT_TRUE(m_frame.MDIClient()->subWindowList().isEmpty());
}

// The main window with the basic-conditions window open, as a user sees it.
TEST_F(MainFrameTest, BasicConditionsScreenshot)
{
    m_frame.resize(1024, 740);
    m_frame.show();
    CDataBasicFrame* form = OpenBasicConditions(new CTavrinProjectDoc);
    QTest::qWait(100);
    EXPECT_EQ(form->GetActiveView()->font().family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(m_frame.MDIClient()->currentSubWindow()->windowTitle(), ToQString("駅前ビル計画－基本条件"));
    const bool onScreen = QGuiApplication::platformName() == QLatin1String("xcb");
    SaveArtifact((onScreen ? m_frame.screen()->grabWindow(0) : m_frame.grab()).toImage(), "shell_mainframe_basic_conditions");
}

} // namespace

// A key or click before the main window appears hides the splash for good:
// the owner's first showing must not bring it back.
TEST_F(MainFrameTest, SplashHiddenBeforeItsOwnerAppearsStaysHidden)
{
    CSplashWnd::EnableSplashScreen(TRUE);
    CMainFrame frame;
    ASSERT_NE(CSplashWnd::Current(), nullptr);
    CSplashWnd::HideSplashScreen();
    frame.show();
    QTest::qWait(100);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    const QWidgetList widgets = QApplication::topLevelWidgets();
    EXPECT_FALSE(std::any_of(widgets.begin(), widgets.end(), [](QWidget* w) {
        return dynamic_cast<CSplashWnd*>(w) && w->isVisible();
    }));
}
