#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "app/common/ownerdrawlist.h"
#include "platform/qtstring.h"

namespace {

// Holds the list and records what it hears from it.
class ListParent : public QWidget, public CControlParent {
public:
    ListParent() : list(new CTavrinListCtrl(this))
    {
        resize(300, 400);
        list->resize(300, 400);
        list->InsertColumn(0, "種別");
        list->InsertColumn(1, "賃料", LVCFMT_RIGHT, 80);
        for (int i = 0; i < 5; ++i) {
            CString str;
            str.Format("タイプ%d", i + 1);
            list->SetItem(str, i, 0);
            list->SetItem("100", i, 1);
        }
    }
    LRESULT OnControlKey(QWidget*, UINT nMessage, WPARAM wParam, LPARAM lParam) override
    {
        keys.push_back({nMessage, {int(wParam), int(lParam)}});
        return 1;
    }
    void OnControlNotify(UINT nID, UINT) override { commands.push_back(nID); }

    CTavrinListCtrl* list;
    std::vector<std::pair<UINT, std::pair<int, int>>> keys;
    std::vector<UINT> commands;
};

void Pump()
{
    QTest::qWait(10);
}

TEST(OwnerDrawList, TextThatDoesNotFitEndsInDots)
{
    const QFontMetrics metrics(QApplication::font());
    const QString text = QStringLiteral("Apartment A with a long name");
    const int nFull = metrics.horizontalAdvance(text);
    EXPECT_EQ(FitText(metrics, text, nFull), text);
    const QString cut = FitText(metrics, text, nFull / 2);
    EXPECT_TRUE(cut.endsWith(QStringLiteral("...")));
    EXPECT_LE(metrics.horizontalAdvance(cut), nFull / 2);
    EXPECT_TRUE(text.startsWith(cut.chopped(3)));
    EXPECT_GT(metrics.horizontalAdvance(cut.chopped(3) + text[cut.size() - 3] + QStringLiteral("...")), nFull / 2);
    EXPECT_EQ(FitText(metrics, text, 0), QStringLiteral("..."));
}

TEST(OwnerDrawList, ItemsColumnsAndSelection)
{
    ListParent parent;
    CTavrinListCtrl& list = *parent.list;
    EXPECT_EQ(list.GetItemCount(), 5);
    EXPECT_EQ(list.GetItemText(2, 0), CString("タイプ3"));
    EXPECT_EQ(list.GetColumnFormat(1), LVCFMT_RIGHT);
    EXPECT_EQ(list.columnWidth(0), list.fontMetrics().horizontalAdvance(ToQString("種別")) + 15);
    EXPECT_EQ(list.GetSelectedItem(), -1);
    list.SelectItem(3);
    EXPECT_EQ(list.GetSelectedItem(), 3);
    list.DeselectItem(3);
    EXPECT_EQ(list.GetSelectedItem(), -1);
}

TEST(OwnerDrawList, KeysPostSelectAndDeleteOnlyWithASelection)
{
    ListParent parent;
    parent.show();
    CTavrinListCtrl& list = *parent.list;
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Delete); // nothing selected
    Pump();
    EXPECT_TRUE(parent.commands.empty());
    list.SelectItem(1);
    parent.commands.clear();
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Delete);
    Pump();
    EXPECT_EQ(list.GetSelectedItem(), 2);
    EXPECT_EQ(parent.commands, (std::vector<UINT>{ID_LIST_SELECT, ID_LIST_DELETE}));

    // Tab reaches the parent only when the list wants all keys.
    QTest::keyClick(&list, Qt::Key_Tab);
    EXPECT_TRUE(parent.keys.empty());
    list.m_bWantAllKeys = TRUE;
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Tab);
    ASSERT_EQ(parent.keys.size(), 1u);
    EXPECT_EQ(parent.keys[0].first, WM_TAB_KEY);
    EXPECT_EQ(parent.keys[0].second.first, 1);
}

TEST(OwnerDrawList, DragReportsTheRowOfTheDropOrTheItemCountOutsideTheRows)
{
    ListParent parent;
    parent.show();
    CTavrinListCtrl& list = *parent.list;
    QWidget* viewport = list.viewport();
    const QPoint from = list.visualItemRect(list.topLevelItem(0)).center();
    const QPoint to = list.visualItemRect(list.topLevelItem(3)).center();
    const QPoint outside(from.x(), list.visualItemRect(list.topLevelItem(4)).bottom() + 40);
    for (const auto& [target, nExpected] : {std::pair{to, 3}, std::pair{outside, 5}}) {
        parent.keys.clear();
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        QTest::mouseMove(viewport, from + QPoint(0, 20));
        QTest::mouseMove(viewport, target);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, target);
        ASSERT_EQ(parent.keys.size(), 1u);
        EXPECT_EQ(parent.keys[0].first, WM_LIST_ITEM_MOVED);
        EXPECT_EQ(parent.keys[0].second, std::make_pair(0, nExpected));
        EXPECT_FALSE(list.m_bDragging);
    }
    // A click selects and posts the selection.
    parent.commands.clear();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, to);
    Pump();
    EXPECT_EQ(list.GetSelectedItem(), 3);
    EXPECT_EQ(parent.commands, (std::vector<UINT>{ID_LIST_SELECT}));
}

} // namespace
