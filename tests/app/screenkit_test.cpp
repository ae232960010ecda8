#include <QTest>
#include <gtest/gtest.h>

#include "app/data/dataframes.h"
#include "app/data/dataratepage.h"
#include "app/data/tavrinprojectview.h"
#include "app/taxopt/optionparentframe.h"
#include "app/taxopt/taxparentframe.h"
#include "formtest.h"
#include "screentest.h"

namespace {

using ScreenKitTest = ScreenTest;

// Previous and next at the ends of each family of windows.
template <class Frame>
std::pair<BOOL, BOOL> PrevNextEnabled(CTavrinProjectDoc* pDoc)
{
    Frame frame(pDoc);
    return {frame.IsCommandEnabled(ID_DATA_PREV), frame.IsCommandEnabled(ID_DATA_NEXT)};
}

} // namespace

TEST_F(ScreenKitTest, FamilyEnds)
{
    const std::pair<BOOL, BOOL> both{TRUE, TRUE};
    EXPECT_EQ(PrevNextEnabled<CDataOutlineFrame>(m_pDoc), both);
    EXPECT_EQ(PrevNextEnabled<CDataRestOtherFrame>(m_pDoc), std::make_pair(TRUE, FALSE));
    EXPECT_EQ(PrevNextEnabled<CTaxMunicipalFrame>(m_pDoc), std::make_pair(FALSE, TRUE));
    EXPECT_EQ(PrevNextEnabled<CTaxIncomeFrame>(m_pDoc), both);
    EXPECT_EQ(PrevNextEnabled<CTaxTransferFrame>(m_pDoc), std::make_pair(TRUE, FALSE));
    EXPECT_EQ(PrevNextEnabled<COptionBusinessRateFrame>(m_pDoc), std::make_pair(FALSE, TRUE));
    EXPECT_EQ(PrevNextEnabled<COptionOtherManageFrame>(m_pDoc), std::make_pair(TRUE, FALSE));
}

namespace {

// A rate page with one field of its own above the steps.
class RatePage : public CDataRatePage {
public:
    static constexpr CFormControl kOwn[] = {{0, FormControlKind::Label, 0, 0, 1, "金額："},
                                            {10030, FormControlKind::Number, 0, 1, 1, "", 14}};
    RatePage() : CDataRatePage(kOwn, 1) {}
};


} // namespace

// Leaving the fields of the steps: the next step starts a year after the
// last year left, an emptied year or interval shows 0, an emptied percent 0.0.
TEST(RatePageTest, LeavingTheSteps)
{
    RatePage page;
    ShowActive(&page);
    const struct {
        UINT nID;
        const char* pszTyped;
        const char* pszShown;
        UINT nNextID;  // 0: no next start
        const char* pszNext;
    } cases[] = {
        {10001, "5", "5", 1052, "6"},
        {10006, "", "0", 1053, "1"},
        {10011, "abc", "abc", 1054, "1"},
        {10016, "40", "40", 0, ""},
        {10002, "", "0", 0, ""},
        {10003, "", "0.0", 0, ""},
        {10000, "", "0", 0, ""},
    };
    for (const auto& c : cases) {
        Leave(&page, c.nID, c.pszTyped);
        EXPECT_EQ(page.GetDlgItemText(c.nID), c.pszShown) << c.nID;
        if (c.nNextID) {
            EXPECT_EQ(page.GetDlgItemText(c.nNextID), c.pszNext) << c.nID;
        }
    }
}

// Percentages from 0 to 100; a refused page selects the fields of every step.
TEST(RatePageTest, CheckOfTheSteps)
{
    const struct {
        const char* pszRate;
        const char* pszPrompt;  // nullptr: accepted
    } cases[] = {
        {"100", nullptr}, {"0", nullptr}, {"2.5", nullptr},
        {"100.5", "0 から 100 までの数値を入力してください。"},
        {"-1", "0 から 100 までの数値を入力してください。"},
        {"x", "数値を入力してください。"},
    };
    for (const auto& c : cases) {
        ScriptedMessageBoxes boxes;
        RatePage page;
        ShowActive(&page);
        CDataRateClass rate;
        rate.m_aDataRate[0] = {1, 10, 2, 3.5, 0};
        rate.m_aDataRate[1] = {11, 20, 1, 1.25, 1};
        page.LoadSteps(rate);
        page.SetDlgItemText(10013, c.pszRate);
        EXPECT_EQ(page.CheckPage(), c.pszPrompt == nullptr) << c.pszRate;
        if (!c.pszPrompt) {
            CDataRateClass out;
            page.StoreSteps(out);
            EXPECT_EQ(out.m_aDataRate[1].nStartYear, 11);
            EXPECT_EQ(out.m_aDataRate[1].bDecrease, 1);
            EXPECT_EQ(out.m_aDataRate[0].nEndYear, 10);
            EXPECT_DOUBLE_EQ(out.m_aDataRate[2].dRate, CommaStrToDouble(c.pszRate));
            continue;
        }
        ASSERT_EQ(boxes.m_texts.size(), 1u);
        EXPECT_EQ(boxes.m_texts[0], c.pszPrompt);
        EXPECT_EQ(GetDlgCtrlID(QApplication::focusWidget()), 10013u);
        EXPECT_TRUE(qobject_cast<QLineEdit*>(page.GetDlgItem(10006))->hasSelectedText());
    }
}

// Right on step 4's rise chooses fall, Left on fall chooses rise.
TEST(RatePageTest, ArrowKeysOfTheLastStep)
{
    RatePage page;
    ShowActive(&page);
    page.CheckRadioButton(10019, 10020, 10019);
    page.GotoDlgCtrl(10019);
    QTest::keyClick(page.GetDlgItem(10019), Qt::Key_Right);
    EXPECT_TRUE(page.IsDlgButtonChecked(10020));
    EXPECT_EQ(GetDlgCtrlID(QApplication::focusWidget()), 10020u);
    QTest::keyClick(page.GetDlgItem(10020), Qt::Key_Left);
    EXPECT_TRUE(page.IsDlgButtonChecked(10019));
    page.resize(page.sizeHint());
    SaveArtifact(page.grab().toImage(), "rate_page");
}

// A store that changes nothing leaves the project unedited; one that does
// marks its sheet. The caption names the project.
TEST_F(ScreenKitTest, BasicWindowStoresAndCaption)
{
    Open(20000);
    auto* view = ActiveViewAs<CTavrinProjectView>();
    ASSERT_NE(view, nullptr);
    Pump();
    EXPECT_EQ(Caption(), m_pDoc->GetTitle() + "－基本条件");
    Toolbar(ID_DATA_SAVE);
    EXPECT_FALSE(m_pDoc->m_abDataModified[0]);
    EXPECT_FALSE(m_pDoc->IsModified());
    Type(view, 1019, "第二案");
    Toolbar(ID_DATA_SAVE);
    EXPECT_TRUE(m_pDoc->m_abDataModified[0]);
    EXPECT_EQ(m_pDoc->GetDataBasic()->astrSubTitle[0], "第二案");
}

// After the document changed a record (a reverse calculation), the window
// shows the record and a later store writes no stale value back.
TEST_F(ScreenKitTest, ReloadLeavesNoStaleCopy)
{
    Open(20000);
    auto* view = ActiveViewAs<CTavrinProjectView>();
    ASSERT_NE(view, nullptr);
    Type(view, 10002, "80");
    m_pDoc->GetDataBasic()->dBusinessRatio = 90;
    m_pDoc->ReloadDataWindow(0);
    EXPECT_EQ(view->GetDlgItemText(10002), "90");
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(m_pDoc->GetDataBasic()->dBusinessRatio, 90);
}
