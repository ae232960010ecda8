#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "app/common/numbertext.h"
#include "app/data/databasicframe.h"
#include "app/data/dataframes.h"
#include "app/shell/tavrinprojectdoc.h"
#include "app/data/tavrinprojectview.h"
#include "formtest.h"
#include "platform/codepage.h"
#include "tests/support/render.h"

namespace {

// The basic-conditions window of a project whose record holds known values.
class ProjectViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tagDATABASIC& basic = *doc.GetDataBasic();
        basic.strProjectName = "駅前ビル計画";
        basic.astrSubTitle[0] = "第一案";
        basic.astrSubTitle[4] = "収支計画書";
        basic.nTaxMethod = 1;
        basic.nConsumptionTaxMethod = 1;
        basic.dBusinessRatio = 1.25;
        basic.nInputMethod = 1;
        basic.nLossCarryMethod = 1;
        basic.bLossCarryBack = 1;
        doc.SetTitle("駅前ビル計画");
        doc.m_nOpenMode = 2;
        doc.m_bAutoDelete = FALSE;  // the fixture owns it
        Open();
    }
    void TearDown() override { delete frame.data(); }

    void Open()
    {
        frame = new CDataBasicFrame(&doc);
        view = new CTavrinProjectView;
        frame->SetView(view);
        ShowActive(frame);
    }
    QLineEdit* Edit(UINT nID) { return static_cast<QLineEdit*>(view->GetDlgItem(nID)); }
    QComboBox* Combo(UINT nID) { return static_cast<QComboBox*>(view->GetDlgItem(nID)); }
    void Type(UINT nID, const CString& text)
    {
        Focus(Edit(nID));
        SetWindowText(Edit(nID), text);
    }
    // The user picks an entry of a combo box.
    void Choose(UINT nID, int nIndex)
    {
        Combo(nID)->setCurrentIndex(nIndex);
        emit Combo(nID)->activated(nIndex);
    }
    UINT FocusedId() { return QApplication::focusWidget() ? GetDlgCtrlID(QApplication::focusWidget()) : 0; }
    CString Caption() { return Utf8ToCP932(frame->windowTitle().toStdString()); }

    CountingDoc doc;
    QPointer<CDataBasicFrame> frame;
    CTavrinProjectView* view = nullptr;
    ScriptedMessageBoxes boxes;
    RecordingHost host;
};

} // namespace

TEST_F(ProjectViewTest, OpensWithTheRecordAndItsCaption)
{
    EXPECT_EQ(view->GetDlgItemText(10000), "駅前ビル計画");
    EXPECT_EQ(view->GetDlgItemText(1019), "第一案");
    EXPECT_EQ(view->GetDlgItemText(1023), "収支計画書");
    EXPECT_EQ(view->GetCurSel(10001), 1);
    EXPECT_EQ(view->GetCurSel(10003), 1);
    EXPECT_EQ(view->GetDlgItemText(10002), "1.25");
    EXPECT_EQ(view->GetCheckedRadioButton(10004, 10005), 10005u);
    EXPECT_EQ(view->GetCurSel(10015), 1);
    EXPECT_TRUE(view->IsDlgButtonChecked(1472));
    EXPECT_TRUE(view->GetDlgItem(1472)->isEnabled());
    EXPECT_TRUE(view->GetDlgItem(1296)->isVisible());
    QApplication::processEvents();
    EXPECT_EQ(Caption(), "駅前ビル計画－基本条件");
}

// Store copies every control into the record, marks it edited, tells the
// document and keeps the window open.
TEST_F(ProjectViewTest, StoreWritesTheRecord)
{
    Type(10000, "駅南ビル計画");
    Type(1022, "第四行");
    Type(1023, "");
    Choose(10001, 3);
    Choose(10003, 0);
    Type(10002, "80.5");
    view->CheckRadioButton(10004, 10005, 10004);
    Choose(10015, 0);
    frame->OnCmdMsg(ID_DATA_SAVE, nullptr);
    QApplication::processEvents();

    const tagDATABASIC& basic = *doc.GetDataBasic();
    EXPECT_EQ(basic.strProjectName, "駅南ビル計画");
    EXPECT_EQ(basic.astrSubTitle[0], "第一案");
    EXPECT_EQ(basic.astrSubTitle[3], "第四行");
    EXPECT_EQ(basic.astrSubTitle[4], "　") << "an emptied text is one full-width space";
    EXPECT_EQ(basic.nTaxMethod, 3);
    EXPECT_EQ(basic.nConsumptionTaxMethod, 0);
    EXPECT_DOUBLE_EQ(basic.dBusinessRatio, 80.5);
    EXPECT_EQ(basic.nInputMethod, 0);
    EXPECT_EQ(basic.nLossCarryMethod, 0);
    EXPECT_EQ(basic.bLossCarryBack, 0);
    EXPECT_TRUE(doc.m_abDataModified[0]);
    EXPECT_EQ(doc.GetTitle(), "駅南ビル計画");
    EXPECT_EQ(doc.updates, 1);
    EXPECT_TRUE(boxes.m_texts.empty());
    ASSERT_TRUE(frame);
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(ProjectViewTest, CancelReloadsTheRecord)
{
    Type(10000, "別の名前");
    Type(10002, "50");
    Choose(10001, 0);
    view->CheckRadioButton(10004, 10005, 10004);
    frame->OnCmdMsg(ID_DATA_CANCEL, nullptr);
    QApplication::processEvents();

    EXPECT_EQ(view->GetDlgItemText(10000), "駅前ビル計画");
    EXPECT_EQ(view->GetDlgItemText(10002), "1.25");
    EXPECT_EQ(view->GetCurSel(10001), 1);
    EXPECT_TRUE(view->IsDlgButtonChecked(1472));
    EXPECT_EQ(view->GetCheckedRadioButton(10004, 10005), 10005u);
    EXPECT_EQ(doc.GetDataBasic()->strProjectName, "駅前ビル計画");
    EXPECT_FALSE(doc.m_abDataModified[0]);
    EXPECT_EQ(doc.updates, 0);
    ASSERT_TRUE(frame);
}

// A refused value: the prompt, the focus on the field with its text selected,
// the record and the flags untouched, the typed text kept.
TEST_F(ProjectViewTest, RefusedValuesKeepTheRecord)
{
    // The edits take at most 100 characters; the record takes 100 bytes.
    const CString tooLong = CString('x', 99) + "全";
    CString fiftyOneWide;
    for (int i = 0; i < 51; ++i) fiftyOneWide += "全";
    const struct {
        UINT nID;
        CString text;
        const char* pszPrompt;
    } cases[] = {
        {10002, "1,000", "0 から 100 までの数値を入力してください。"},
        {10002, "-0.5", "0 から 100 までの数値を入力してください。"},
        {10002, "8O", "数値を入力してください。"},
        {10000, fiftyOneWide, "半角100文字（全角ではその半分）以内で入力してください。"},
        {1021, tooLong, "半角100文字（全角ではその半分）以内で入力してください。"},
        {1023, tooLong, "半角100文字（全角ではその半分）以内で入力してください。"},
    };
    for (const auto& c : cases) {
        frame->OnCmdMsg(ID_DATA_CANCEL, nullptr);
        boxes.m_texts.clear();
        SetWindowText(Edit(c.nID), c.text);
        for (UINT command : {ID_DATA_SAVE, ID_DATA_NEXT}) {
            boxes.m_texts.clear();
            frame->OnCmdMsg(command, nullptr);
            QApplication::processEvents();
            ASSERT_EQ(boxes.m_texts.size(), 1u) << c.nID << " " << command;
            EXPECT_EQ(boxes.m_texts[0], c.pszPrompt);
            EXPECT_EQ(FocusedId(), c.nID);
            EXPECT_EQ(Edit(c.nID)->selectedText(), Edit(c.nID)->text());
            // Leaving the ratio field drops its separators, nothing else changes.
            CString shown = view->GetDlgItemText(c.nID);
            CString typed = c.text;
            DeleteComma(shown);
            DeleteComma(typed);
            EXPECT_EQ(shown, typed);
        }
        EXPECT_EQ(doc.GetDataBasic()->strProjectName, "駅前ビル計画");
        EXPECT_DOUBLE_EQ(doc.GetDataBasic()->dBusinessRatio, 1.25);
        EXPECT_FALSE(doc.m_abDataModified[0]);
        EXPECT_EQ(doc.updates, 0);
        EXPECT_TRUE(host.commands.empty());
    }
}

// Only a corporation of capital up to 100 million yen may use the carry-back;
// any other choice clears the check box and disables it.
TEST_F(ProjectViewTest, CarryBackRule)
{
    const struct {
        int nChoice;
        bool bEnabled;
    } steps[] = {{0, false}, {1, true}, {2, false}, {4, false}, {1, true}};
    for (const auto& s : steps) {
        if (view->GetDlgItem(1472)->isEnabled()) view->CheckDlgButton(1472, TRUE);
        Choose(10001, s.nChoice);
        EXPECT_EQ(view->GetDlgItem(1472)->isEnabled(), s.bEnabled) << s.nChoice;
        EXPECT_FALSE(view->IsDlgButtonChecked(1472)) << s.nChoice;
    }
    view->CheckDlgButton(1472, TRUE);
    frame->OnCmdMsg(ID_DATA_SAVE, nullptr);
    EXPECT_EQ(doc.GetDataBasic()->bLossCarryBack, 1);
    Choose(10001, 0);
    frame->OnCmdMsg(ID_DATA_SAVE, nullptr);
    EXPECT_EQ(doc.GetDataBasic()->bLossCarryBack, 0);
    EXPECT_EQ(doc.GetDataBasic()->nTaxMethod, 0);

    // A record that claims the carry-back for an individual opens without it.
    doc.GetDataBasic()->bLossCarryBack = 1;
    frame->OnCmdMsg(ID_DATA_CANCEL, nullptr);
    EXPECT_FALSE(view->IsDlgButtonChecked(1472));
    EXPECT_FALSE(view->GetDlgItem(1472)->isEnabled());
}

// Leaving the ratio: an empty text becomes 100, separators go, the detail
// button shows only while the ratio is not 100.
TEST_F(ProjectViewTest, BusinessRatioLeavingTheField)
{
    const struct {
        const char* pszTyped;
        const char* pszShown;
        bool bButton;
    } cases[] = {
        {"", "100", false},
        {"80", "80", true},
        {"1,000", "1000", true},
        {"100", "100", false},
        {"99.99", "99.99", true},
    };
    for (const auto& c : cases) {
        Type(10002, c.pszTyped);
        Focus(Edit(10000));
        EXPECT_EQ(view->GetDlgItemText(10002), c.pszShown) << c.pszTyped;
        EXPECT_EQ(view->GetDlgItem(1296)->isVisible(), c.bButton) << c.pszTyped;
    }
}

// The toolbar command leaves the field being edited first, as a click does.
TEST_F(ProjectViewTest, CommandLeavesTheFieldBeingEdited)
{
    Type(10002, "");
    frame->OnCmdMsg(ID_DATA_SAVE, nullptr);
    EXPECT_TRUE(boxes.m_texts.empty());
    EXPECT_DOUBLE_EQ(doc.GetDataBasic()->dBusinessRatio, 100);
    EXPECT_FALSE(view->GetDlgItem(1296)->isVisible());
}

// A new project takes its title from the name as soon as the field is left;
// an opened one only when the window is stored.
TEST_F(ProjectViewTest, ProjectNameRenamesTheWindow)
{
    for (int nOpenMode : {1, 2}) {
        doc.m_nOpenMode = nOpenMode;
        doc.SetTitle("駅前ビル計画");
        Type(10000, "新築計画");
        Focus(Edit(10002));
        QApplication::processEvents();
        EXPECT_EQ(Caption(), nOpenMode == 1 ? "新築計画－基本条件" : "駅前ビル計画－基本条件");
        frame->OnCmdMsg(ID_DATA_SAVE, nullptr);
        view->OnActivateView(TRUE);
        QApplication::processEvents();
        EXPECT_EQ(Caption(), "新築計画－基本条件");
        frame->OnCmdMsg(ID_DATA_CANCEL, nullptr);
        doc.GetDataBasic()->strProjectName = "駅前ビル計画";
    }
}

// Next stores and opens the outline window (20001) and stays; Previous is
// disabled and, if it arrives anyway, does nothing.
TEST_F(ProjectViewTest, PreviousAndNextOfTheFirstWindow)
{
    EXPECT_FALSE(frame->IsCommandEnabled(ID_DATA_PREV));
    EXPECT_TRUE(frame->IsCommandEnabled(ID_DATA_NEXT));
    EXPECT_TRUE(frame->IsCommandEnabled(ID_DATA_SAVE));
    EXPECT_TRUE(frame->IsCommandEnabled(ID_DATA_CANCEL));

    frame->OnCmdMsg(ID_DATA_PREV, nullptr);
    QApplication::processEvents();
    EXPECT_TRUE(host.commands.empty());
    EXPECT_EQ(doc.updates, 0);

    Type(10000, "次へ");
    frame->OnCmdMsg(ID_DATA_NEXT, nullptr);
    EXPECT_TRUE(host.commands.empty()) << "posted, not sent";
    QApplication::processEvents();
    EXPECT_EQ(host.commands, std::vector<UINT>{20001});
    EXPECT_EQ(doc.GetDataBasic()->strProjectName, "次へ");
    EXPECT_TRUE(doc.m_abDataModified[0]);
    EXPECT_EQ(doc.updates, 1);
    ASSERT_TRUE(frame);
    EXPECT_TRUE(frame->isVisible());
}

// Closing the basic-conditions window closes every window of the project.
TEST_F(ProjectViewTest, ClosingTheFirstWindowClosesTheProject)
{
    QPointer<CDataRestOtherFrame> other = new CDataRestOtherFrame(&doc);
    frame->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(frame);
    EXPECT_FALSE(other);
}

// The form as the user sees it in the main window's area, saved for review.
TEST(ProjectViewPicture, BasicConditionsWindow)
{
    CTavrinProjectDoc doc;
    tagDATABASIC& basic = *doc.GetDataBasic();
    basic.strProjectName = "駅前ビル計画";
    basic.astrSubTitle[0] = "鉄筋コンクリート造　地上５階建";
    basic.nTaxMethod = 2;
    basic.dBusinessRatio = 80;
    doc.SetTitle("駅前ビル計画");
    QMdiArea area;
    area.resize(900, 560);
    auto* frame = new CDataBasicFrame(&doc);
    frame->SetView(new CTavrinProjectView);
    QMdiSubWindow* sub = area.addSubWindow(frame);
    ShowActive(&area);
    sub->resize(sub->sizeHint().expandedTo(QSize(760, 500)));
    QApplication::processEvents();
    const QImage image = area.grab().toImage();
    SaveArtifact(image, "basic_conditions_form");
    EXPECT_GT(CountInk(image), 1000);
    EXPECT_EQ(frame->GetActiveView()->font().family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(sub->windowTitle(), QString::fromStdString(CP932ToUtf8("駅前ビル計画－基本条件")));
}
