#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <gtest/gtest.h>

#include "app/data/dataframes.h"
#include "app/shell/tavrinprojectdoc.h"
#include "formtest.h"

namespace {

// A data window whose four operations answer as told.
template <class Base>
class ScriptedFrame : public Base {
public:
    ScriptedFrame(CTavrinProjectDoc* pDoc, int nCommandID, BOOL bAnswer) : Base(pDoc), m_bAnswer(bAnswer)
    {
        this->m_nCommandID = nCommandID;
    }
    BOOL SaveData() override { return m_bAnswer; }
    BOOL CancelData() override { return m_bAnswer; }
    BOOL PrevData() override { return m_bAnswer; }
    BOOL NextData() override { return m_bAnswer; }

private:
    BOOL m_bAnswer;
};

// Records the commands and whether the frame was still in the window area then.
class AreaHost : public RecordingHost {
public:
    void OnMainCommand(UINT nID) override
    {
        RecordingHost::OnMainCommand(nID);
        frameStillShown = sub && area->subWindowList().contains(sub.data());
    }
    QMdiArea* area = nullptr;
    QPointer<QMdiSubWindow> sub;
    bool frameStillShown = false;
};

} // namespace

// What each toolbar command does in a middle window (20001) and in the last
// window of the data family (20010), for both answers of the frame.
TEST(FormFrame, ToolbarCommands)
{
    const struct {
        bool bLast;
        UINT nCommand;
        BOOL bAnswer;
        UINT nPosted;  // 0: nothing posted
        bool bClosed;
        int nUpdates;
    } cases[] = {
        {false, ID_DATA_SAVE, TRUE, 0, true, 1},
        {false, ID_DATA_SAVE, FALSE, 0, false, 0},
        {false, ID_DATA_CANCEL, TRUE, 0, true, 0},
        {false, ID_DATA_CANCEL, FALSE, 0, false, 0},
        {false, ID_DATA_PREV, TRUE, 20000, true, 1},
        {false, ID_DATA_PREV, FALSE, 0, false, 0},
        {false, ID_DATA_NEXT, TRUE, 20002, true, 1},
        {false, ID_DATA_NEXT, FALSE, 0, false, 0},
        {true, ID_DATA_NEXT, TRUE, 0, false, 1},
        {true, ID_DATA_PREV, TRUE, 20009, true, 1},
    };
    for (const auto& c : cases) {
        CountingDoc doc;
        AreaHost host;
        QMdiArea area;
        host.area = &area;
        CTavrinFormParentFrame* frame = c.bLast
            ? static_cast<CTavrinFormParentFrame*>(new ScriptedFrame<CDataRestOtherFrame>(&doc, 20010, c.bAnswer))
            : new ScriptedFrame<CDataParentFrame>(&doc, 20001, c.bAnswer);
        host.sub = area.addSubWindow(frame);
        ShowActive(&area);
        QPointer<QMdiSubWindow> sub = host.sub;

        EXPECT_TRUE(frame->OnCmdMsg(c.nCommand, nullptr));
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        const auto label = testing::Message() << (c.bLast ? "last " : "middle ") << c.nCommand << " " << c.bAnswer;
        EXPECT_EQ(host.commands, c.nPosted ? std::vector<UINT>{c.nPosted} : std::vector<UINT>{}) << label;
        EXPECT_EQ(!sub, c.bClosed) << label;
        EXPECT_EQ(doc.updates, c.nUpdates) << label;
        if (c.nPosted) {
            EXPECT_FALSE(host.frameStillShown) << label << ": the window goes before the next opens";
        }
    }
}

TEST(FormFrame, PreviousAndNextAtTheFamilyEnds)
{
    CTavrinProjectDoc doc;
    ScriptedFrame<CDataParentFrame> middle(&doc, 20005, TRUE);
    ScriptedFrame<CDataRestOtherFrame> last(&doc, 20010, TRUE);
    EXPECT_TRUE(middle.IsCommandEnabled(ID_DATA_PREV));
    EXPECT_TRUE(middle.IsCommandEnabled(ID_DATA_NEXT));
    EXPECT_TRUE(last.IsCommandEnabled(ID_DATA_PREV));
    EXPECT_FALSE(last.IsCommandEnabled(ID_DATA_NEXT));
}

// A data frame that does not override an operation refuses it.
TEST(FormFrame, DataFrameRefusesWhatItDoesNotOverride)
{
    CTavrinProjectDoc doc;
    CDataParentFrame frame(&doc);
    EXPECT_FALSE(frame.SaveData());
    EXPECT_FALSE(frame.CancelData());
    EXPECT_FALSE(frame.PrevData());
    EXPECT_FALSE(frame.NextData());
    EXPECT_FALSE(frame.OnCmdMsg(57664, nullptr)); // neither the frame nor the document handles it
}

TEST(FormFrame, HelpTopics)
{
    const struct {
        int nCommandID;
        const char* pszPath;  // empty: no topic
    } cases[] = {
        {20000, "tavrinapp.chm::/tavrinapp00000019.htm"},
        {20004, "tavrinapp.chm::/tavrinapp00000026.htm"},
        {20010, "tavrinapp.chm::/tavrinapp00000035.htm"},
        {20200, "tavrinapp.chm::/tavrinapp00000036.htm"},
        {20213, "tavrinapp.chm::/tavrinapp00000049.htm"},
        {20300, ""},
        {20011, ""},
    };
    RecordingHost host;
    for (const auto& c : cases) {
        host.help.clear();
        CDataParentFrame frame(nullptr);
        frame.m_nCommandID = c.nCommandID;
        EXPECT_TRUE(frame.OnCmdMsg(ID_HELP_TOPIC, nullptr));
        if (*c.pszPath) {
            EXPECT_EQ(host.help, std::vector<CString>{c.pszPath}) << c.nCommandID;
        } else {
            EXPECT_TRUE(host.help.empty()) << c.nCommandID;
        }
    }
}

// Storing every open form: the window lowest in the order is asked first; the
// first that refuses is brought to the front and the rest are not asked.
TEST(FormFrame, SaveOpenFormsStopsAtTheFirstRefusal)
{
    CTavrinProjectDoc doc;
    QMdiArea area;
    QMdiSubWindow* refusingLow = area.addSubWindow(new ScriptedFrame<CDataParentFrame>(&doc, 20001, FALSE));
    QMdiSubWindow* accepting = area.addSubWindow(new ScriptedFrame<CDataParentFrame>(&doc, 20002, TRUE));
    QMdiSubWindow* refusingHigh = area.addSubWindow(new ScriptedFrame<CDataParentFrame>(&doc, 20003, FALSE));
    ShowActive(&area);
    for (QMdiSubWindow* sub : {refusingLow, accepting, refusingHigh}) {
        area.setActiveSubWindow(sub);
        QApplication::processEvents();
    }
    ASSERT_EQ(area.activeSubWindow(), refusingHigh);
    EXPECT_FALSE(doc.SaveOpenForms());
    EXPECT_EQ(area.activeSubWindow(), refusingLow);

    CTavrinProjectDoc other;
    QMdiArea otherArea;
    otherArea.addSubWindow(new ScriptedFrame<CDataParentFrame>(&other, 20001, TRUE));
    otherArea.addSubWindow(new ScriptedFrame<CDataParentFrame>(&other, 20002, TRUE));
    EXPECT_TRUE(other.SaveOpenForms());
}
