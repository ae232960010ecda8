#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QFile>
#include <QMdiArea>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>

#include "app/shell/mainframe.h"
#include "app/shell/splashwnd.h"
#include "app/shell/tavrinapp.h"
#include "platform/qtstring.h"
#include "shelltest.h"
#include "tests/support/utf8.h"
#include "waitfor.h"

namespace {

const std::string kSecondStart = U8(u8"注　意:タブリンはすでに起動しています。");

TEST(SingleInstance, ASecondCopyIsWarnedAndRefused)
{
    QTemporaryDir dir;
    ScriptedMessageBoxes boxes;
    auto first = std::make_unique<CTavrinApp>();
    ASSERT_TRUE(first->LockSingleInstance(FromQString(dir.path())));
    EXPECT_TRUE(boxes.m_shown.empty());
    {
        CTavrinApp second;
        EXPECT_FALSE(second.LockSingleInstance(FromQString(dir.path())));
    }
    EXPECT_EQ(boxes.m_shown, std::vector<std::string>{kSecondStart});
    first.reset();
    CTavrinApp later;
    EXPECT_TRUE(later.LockSingleInstance(FromQString(dir.path())));
}

// The built program holds the lock while it runs.
TEST(SingleInstance, TheRunningProgramHoldsTheLock)
{
    ScratchUserFolders folders;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(TAVRINAPP_PATH), {});
    ASSERT_TRUE(program.waitForStarted());
    const QString lock = folders.RuntimeDir() + QStringLiteral("/TavrinV8.lock");
    ASSERT_TRUE(WaitFor([&lock] { return QFile::exists(lock); }));

    ScriptedMessageBoxes boxes;
    CTavrinApp second;
    EXPECT_FALSE(second.LockSingleInstance(FromQString(folders.RuntimeDir())));
    EXPECT_EQ(boxes.m_shown, std::vector<std::string>{kSecondStart});
    program.kill();
    program.waitForFinished();
}

TEST(StartUp, ReadsTheProfileShowsTheWindowAndWritesTheProfileOnExit)
{
    ScratchUserFolders folders;
    std::ofstream(folders.IniPath(), std::ios::binary) << "[Office]\r\nCalcYear=20\r\n[Printer]\r\nPaperSize=12\r\n";
    CSplashWnd::EnableSplashScreen(FALSE);
    CTavrinApp app;
    char name[] = "tavrinapp";
    char* argv[] = {name, nullptr};
    ASSERT_TRUE(app.InitInstance(1, argv));
    CSplashWnd::EnableSplashScreen(TRUE);
    EXPECT_EQ(app.m_nCalcYear, 20);
    EXPECT_EQ(app.m_strVersion, "08.01.07");
    EXPECT_EQ(app.m_strToday.GetLength(), 8);
    EXPECT_EQ(app.m_lfResultFont.lfHeight, MulDiv(11, 254, 72)); // B4 body
    EXPECT_EQ(app.m_lfResultTitleFont.lfHeight, MulDiv(12, 254, 72));
    ASSERT_NE(app.m_pMainWnd, nullptr);
    EXPECT_TRUE(app.m_pMainWnd->isVisible());
    EXPECT_TRUE(app.m_pMainWnd->MDIClient()->subWindowList().isEmpty());

    app.m_nCalcYear = 33;
    app.ExitInstance();
    std::ifstream in(folders.IniPath(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("CalcYear=33\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("PaperSize=12\r\n"), std::string::npos);
}

TEST(Splash, GoesOnAKeyOrAfterItsTimeAndNotAtAllWhenSwitchedOff)
{
    QWidget owner;
    owner.show();
    CSplashWnd::ShowSplashScreen(&owner);
    ASSERT_NE(CSplashWnd::Current(), nullptr);
    EXPECT_TRUE(CSplashWnd::Current()->isVisible());
    QTest::keyClick(&owner, Qt::Key_A);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);

    CSplashWnd::ShowSplashScreen(&owner);
    ASSERT_NE(CSplashWnd::Current(), nullptr);
    QElapsedTimer shown;
    shown.start();
    ASSERT_TRUE(WaitFor([] { return CSplashWnd::Current() == nullptr; }));
    EXPECT_GE(shown.elapsed(), CSplashWnd::kShowMs * 9 / 10); // a coarse timer may end a little early

    CSplashWnd::EnableSplashScreen(FALSE);
    CSplashWnd::ShowSplashScreen(&owner);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    CSplashWnd::EnableSplashScreen(TRUE);
}

} // namespace

namespace {

// The system's Japanese faces are served by the IPA fonts on screen; the
// windows' own face is the proportional gothic.
TEST(JapaneseUi, FacesMapToTheIpaFonts)
{
    const struct {
        const char8_t* face;
        const char* family;
    } cases[] = {{u8"ＭＳ 明朝", "IPAMincho"},
                 {u8"ＭＳ ゴシック", "IPAGothic"},
                 {u8"ＭＳ Ｐゴシック", "IPAPGothic"},
                 {u8"ＭＳ Ｐ明朝", "IPAPMincho"}};
    for (const auto& c : cases)
        EXPECT_EQ(QFontInfo(QFont(QString::fromStdString(U8(c.face)))).family(), QString::fromLatin1(c.family))
            << U8(c.face);
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), QStringLiteral("IPAPGothic"));
}

} // namespace
