#include <QTest>
#include <gtest/gtest.h>

#include "app/common/focuscontrols.h"
#include "app/common/formkit.h"
#include "formtest.h"

namespace {

// A form that records the keys its controls hand over and answers them as told.
class KeyForm : public CFormWidget {
public:
    KeyForm()
    {
        static const CFormControl controls[] = {
            {1, FormControlKind::Edit, 0, 0},
            {2, FormControlKind::Edit, 1, 0},
            {3, FormControlKind::Radio, 2, 0, 1, "A"},
            {4, FormControlKind::Radio, 2, 1, 1, "B"},
            {5, FormControlKind::Combo, 3, 0, 1, "x\ny"},
        };
        CreateControls(controls);
    }
    LRESULT OnControlKey(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM) override
    {
        keys.push_back({GetDlgCtrlID(pControl), nMessage, wParam});
        if (nMessage == WM_TAB_KEY && answer != 0) GotoDlgCtrl(tabTarget);
        return answer;
    }
    void OnControlNotify(UINT nID, UINT nCode) override
    {
        if (nID == 2 && nCode == EN_KILLFOCUS && fillOnKillFocus) SetDlgItemText(2, "0");
    }
    struct Key {
        UINT nID;
        UINT nMessage;
        WPARAM wParam;
    };
    std::vector<Key> keys;
    LRESULT answer = 0;
    UINT tabTarget = 5;
    bool fillOnKillFocus = false;
};

UINT FocusedId()
{
    QWidget* w = QApplication::focusWidget();
    return w ? GetDlgCtrlID(w) : 0;
}

} // namespace

// Tab goes to the form first; answered 0 the focus moves as usual, answered
// non-zero the form has moved it and the key goes no further.
TEST(FocusControls, TabIsHandedToTheForm)
{
    const struct {
        UINT nFrom;
        WPARAM wParam;
        LRESULT answer;
        UINT nFocusAfter;
    } cases[] = {
        {1, VK_TAB, 0, 2},
        {1, VK_TAB, 1, 5},
        {3, 1, 0, 5},
        {5, 1, 1, 5},
    };
    for (const auto& c : cases) {
        KeyForm form;
        ShowActive(&form);
        form.answer = c.answer;
        form.tabTarget = 5;
        Focus(form.GetDlgItem(c.nFrom));
        QTest::keyClick(form.GetDlgItem(c.nFrom), Qt::Key_Tab);
        ASSERT_EQ(form.keys.size(), 1u) << c.nFrom;
        EXPECT_EQ(form.keys[0].nMessage, WM_TAB_KEY);
        EXPECT_EQ(form.keys[0].wParam, c.wParam);
        EXPECT_EQ(FocusedId(), c.nFocusAfter) << c.nFrom << " answered " << c.answer;
    }
}

TEST(FocusControls, ShiftIsReportedAndPassedOn)
{
    KeyForm form;
    ShowActive(&form);
    Focus(form.GetDlgItem(1));
    QTest::keyClick(form.GetDlgItem(1), Qt::Key_Shift);
    ASSERT_EQ(form.keys.size(), 1u);
    EXPECT_EQ(form.keys[0].nMessage, WM_SHIFT_KEY);
    QTest::keyClicks(form.GetDlgItem(1), "ab");
    EXPECT_EQ(form.GetDlgItemText(1), "ab");
}

// An arrow key the form handles goes no further; answered 0 the button moves on.
TEST(FocusControls, ArrowKeysOfRadioButtons)
{
    for (LRESULT answer : {LRESULT(1), LRESULT(0)}) {
        KeyForm form;
        ShowActive(&form);
        form.answer = answer;
        form.CheckRadioButton(3, 4, 3);
        Focus(form.GetDlgItem(3));
        QTest::keyClick(form.GetDlgItem(3), Qt::Key_Right);
        ASSERT_EQ(form.keys.size(), 1u);
        EXPECT_EQ(form.keys[0].nMessage, WM_ARROW_KEY);
        EXPECT_EQ(form.keys[0].wParam, VK_RIGHT);
        EXPECT_EQ(FocusedId(), answer ? 3u : 4u);
    }
}

// Yellow while focused, white otherwise; an emptied edit shows a full-width
// space unless the form filled it in.
TEST(FocusControls, HighlightAndEmptyText)
{
    KeyForm form;
    ShowActive(&form);
    auto* edit1 = static_cast<CFocusEdit*>(form.GetDlgItem(1));
    auto* edit2 = static_cast<CFocusEdit*>(form.GetDlgItem(2));
    Focus(edit1);
    EXPECT_TRUE(edit1->IsFocused());
    EXPECT_EQ(edit1->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(edit2->palette().color(QPalette::Base), QColor(255, 255, 255));
    Focus(edit2);
    EXPECT_FALSE(edit1->IsFocused());
    EXPECT_EQ(edit1->palette().color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_EQ(edit1->text(), QStringLiteral(u"\u3000"));

    form.fillOnKillFocus = true;
    edit2->clear();
    Focus(edit1);
    EXPECT_EQ(form.GetDlgItemText(2), "0");
}
