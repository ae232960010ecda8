// The MDI area keeps the maximised state the user left while reports are
// walked through, closed and opened, and while a project closes.
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/shell/commandids.h"
#include "resultwindowtest.h"

namespace {

class WindowStateTest : public ResultWindowTest {
protected:
    // The active window maximised and as large as the area, and so every
    // other one when it is activated in turn; the active one is activated again.
    void ExpectAllMaximised(const char* pszStep) const
    {
        QMdiArea* area = m_frame.MDIClient();
        QMdiSubWindow* active = area->currentSubWindow();
        ASSERT_NE(active, nullptr) << pszStep;
        QList<QMdiSubWindow*> order = area->subWindowList();
        order.removeOne(active);
        order.prepend(active);
        order.append(active);
        for (QMdiSubWindow* sub : order) {
            area->setActiveSubWindow(sub);
            Pump();
            EXPECT_TRUE(sub->isMaximized()) << pszStep << ": " << sub->windowTitle().toStdString();
            EXPECT_EQ(sub->size(), area->viewport()->size()) << pszStep << ": " << sub->windowTitle().toStdString();
        }
    }
    // Every child window restored, none of them as large as the area.
    void ExpectNoneMaximised(const char* pszStep) const
    {
        const QMdiArea* area = m_frame.MDIClient();
        for (const QMdiSubWindow* sub : area->subWindowList())
            EXPECT_FALSE(sub->isMaximized()) << pszStep << ": " << sub->windowTitle().toStdString();
    }
};

TEST_F(WindowStateTest, MaximisedWindowsStayMaximisedThroughNextPreviousAndClose)
{
    Calculate();
    Command(ID_RESULT_BASIC1);
    Command(ID_RESULT_BASIC1 + 5);
    Command(ID_RESULT_BASIC1 + 9);
    ASSERT_EQ(WindowCount(), 4);
    ExpectAllMaximised("opened");

    Command(ID_RESULT_NEXT);
    Pump();
    EXPECT_EQ(ActiveResult()->m_nCommandID, ID_RESULT_BASIC1 + 10);
    ExpectAllMaximised("next");
    Command(ID_RESULT_PREV);
    Pump();
    EXPECT_EQ(ActiveResult()->m_nCommandID, ID_RESULT_BASIC1 + 9);
    ExpectAllMaximised("previous");
    Command(ID_RESULT_CLOSE);
    Pump();
    EXPECT_EQ(WindowCount(), 3);
    ExpectAllMaximised("closed");
    Command(ID_RESULT_BASIC1 + 12);
    ExpectAllMaximised("opened after the close");
}

TEST_F(WindowStateTest, RestoredWindowsStayRestoredAndKeepTheirSizes)
{
    Calculate();
    Command(ID_RESULT_BASIC1);
    Command(ID_RESULT_BASIC1 + 1);
    m_frame.MDIClient()->currentSubWindow()->showNormal();
    Pump();
    QMdiSubWindow* first = m_frame.MDIClient()->subWindowList().first();
    first->showNormal();
    first->setGeometry(10, 10, 400, 300);
    Command(ID_RESULT_NEXT);
    Pump();
    ExpectNoneMaximised("next");
    EXPECT_EQ(first->geometry(), QRect(10, 10, 400, 300));
    Command(ID_RESULT_CLOSE);
    Pump();
    ExpectNoneMaximised("closed");
    EXPECT_EQ(first->geometry(), QRect(10, 10, 400, 300));

    // Maximising one maximises the area again: the next report opens maximised.
    m_frame.MDIClient()->currentSubWindow()->showMaximized();
    Command(ID_RESULT_BASIC1 + 4);
    ExpectAllMaximised("maximised again");
}

TEST_F(WindowStateTest, ClosingAProjectLeavesTheOtherProjectMaximised)
{
    Calculate();
    Command(ID_RESULT_BASIC1);
    CTavrinProjectDoc* first = m_pDoc;
    OpenSample();
    ASSERT_EQ(WindowCount(), 3);
    first->OnCloseDocument();
    Pump();
    ASSERT_EQ(WindowCount(), 1);
    ExpectAllMaximised("project closed");
}

} // namespace
