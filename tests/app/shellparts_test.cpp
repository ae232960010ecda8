// Small parts of the shell: the item box's items of windows not built yet,
// the calculation's progress bar and the text output's progress dialog.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/shell/calcprogressdlg.h"
#include "app/shell/commandids.h"
#include "app/shell/itembox.h"
#include "app/shell/textoutputdlg.h"
#include "app/shell/windowcommands.h"
#include "platform/qtstring.h"
#include "tests/support/render.h"

namespace {

QString U(const char8_t* psz)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(psz));
}

constexpr UINT kPendingID = ID_DATA_BASIC + 5;

TEST(ItemBox, ItemsOfWindowsNotBuiltLookDisabledAndSaySo)
{
    CItemBoxBar box(nullptr);
    box.ShowPendingItems([](UINT nID) { return nID == kPendingID; });
    QListWidget* data = box.GetPage(ITEMBOX_DATA);
    for (int i = 0; i < data->count(); ++i) {
        const QListWidgetItem* item = data->item(i);
        const bool bPending = item->data(Qt::UserRole).toUInt() == kPendingID;
        EXPECT_EQ(!(item->flags() & Qt::ItemIsEnabled), bPending) << i;
        EXPECT_EQ(item->statusTip().endsWith(U(u8"（この画面はまだありません）")), bPending) << i;
    }
    EXPECT_EQ(data->item(5)->statusTip(), U(u8"建設資金の調達の設定を行います。（この画面はまだありません）"));

    // A click on it gives no command; one on a built window does.
    std::vector<UINT> clicked;
    QObject::connect(&box, &CItemBoxBar::ItemClicked, [&clicked](UINT nID) { clicked.push_back(nID); });
    box.resize(160, 900);
    box.show();
    box.SelectTab(ITEMBOX_DATA);
    QTest::qWait(20);
    for (int row : {5, 4}) QTest::mouseClick(data->viewport(), Qt::LeftButton, {}, data->visualItemRect(data->item(row)).center());
    EXPECT_EQ(clicked, std::vector<UINT>{ID_DATA_BASIC + 4});
    SaveArtifact(box.grab().toImage(), "shell_itembox_pending");

    // Built again, the item is enabled with its own status text.
    box.ShowPendingItems([](UINT) { return false; });
    EXPECT_TRUE(data->item(5)->flags() & Qt::ItemIsEnabled);
    EXPECT_EQ(data->item(5)->statusTip(), U(u8"建設資金の調達の設定を行います。"));
}

TEST(ItemBox, FollowsTheWindowCommands)
{
    CItemBoxBar box(nullptr);
    for (int tab = 0; tab < ITEMBOX_TABS; ++tab) {
        const QListWidget* page = box.GetPage(tab);
        for (int i = 0; i < page->count(); ++i) {
            const UINT nID = page->item(i)->data(Qt::UserRole).toUInt();
            EXPECT_EQ(bool(page->item(i)->flags() & Qt::ItemIsEnabled), !IsPendingWindowCommand(nID)) << nID;
        }
    }
}

TEST(CalcProgress, TheDonePartIsYellowAndTheRestWhite)
{
    CProgressBarWnd bar(nullptr);
    bar.resize(241, 21);
    bar.SetPercent(30);
    const QImage image = bar.grab().toImage();
    EXPECT_EQ(image.pixelColor(30, 10), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(71, 10), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(72, 10), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(73, 10), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(150, 10), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(150, 0), QColor(Qt::black));
    bar.SetPercent(0);
    EXPECT_EQ(bar.grab().toImage().pixelColor(1, 10), QColor(Qt::white));
    CCalcProgressDlg dlg(nullptr);
    dlg.show();
    dlg.SetProgress(7003, 3 * 3);
    dlg.m_pBar->SetPercent(60);
    QTest::qWait(20);
    SaveArtifact(dlg.grab().toImage(), "shell_calcprogress");
}

TEST(TextOutputProgress, HasItsTextAnEmptyStaticAndTwoButtons)
{
    CTextOutputProgressDlg dlg;
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.findChild<QPushButton*>(QStringLiteral("1"))->text(), QStringLiteral("OK"));
    EXPECT_EQ(dlg.findChild<QPushButton*>(QStringLiteral("2"))->text(), U(u8"ｷｬﾝｾﾙ"));
    EXPECT_EQ(dlg.findChildren<QPushButton*>().size(), 2);
    const QLabel* status = dlg.findChild<QLabel*>(QStringLiteral("1452"));
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->text().isEmpty());
    SaveArtifact(dlg.grab().toImage(), "shell_textoutputprogress");
    dlg.findChild<QPushButton*>(QStringLiteral("2"))->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
}

} // namespace
