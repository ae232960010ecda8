// The result windows as a user sees them, photographed on an X display.
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <cstdio>

#include "app/shell/itembox.h"
#include "resultwindowtest.h"
#include "tests/support/render.h"

namespace {

bool OnDisplay()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// Runs this test again in a program of its own on a virtual X display.
void RunUnderXvfb(const char* pszTest)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (xvfb.isEmpty()) GTEST_SKIP() << "xvfb-run is not installed";
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(xvfb, {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1280x960x24"),
                       QCoreApplication::applicationFilePath(),
                       QStringLiteral("--gtest_filter=*%1").arg(QString::fromLatin1(pszTest))});
    if (!child.waitForStarted()) GTEST_SKIP() << "xvfb-run could not be started";
    ASSERT_TRUE(child.waitForFinished(120000));
    const QByteArray output = child.readAll();
    std::fputs(output.constData(), stdout);
    if (output.contains("Xvfb failed to start")) GTEST_SKIP() << "Xvfb could not start a display";
    EXPECT_EQ(child.exitCode(), 0);
}

class ResultScreenTest : public ResultWindowTest {
protected:
    void SetUp() override
    {
        if (!OnDisplay()) return;
        ResultWindowTest::SetUp();
        // No window manager maximises it: the main window takes the screen itself.
        m_frame.setGeometry(m_frame.screen()->availableGeometry());
        Pump();
    }
    void TearDown() override
    {
        if (OnDisplay()) ResultWindowTest::TearDown();
    }
    // The report window of command nID maximised in the main window, the whole screen saved.
    void Photograph(UINT nID, const char* pszName)
    {
        Command(nID);
        ASSERT_NE(ActiveResult(), nullptr);
        ActiveResult()->parentWidget()->showMaximized();
        QTest::qWait(300);
        SaveArtifact(m_frame.screen()->grabWindow(0).toImage(), pszName);
    }
};

TEST_F(ResultScreenTest, ReportWindowsOnScreen)
{
    if (!OnDisplay()) {
        RunUnderXvfb("ReportWindowsOnScreen");
        return;
    }
    Calculate();
    Photograph(20107, "result_screen_balancebasic");
    Photograph(20106, "result_screen_outline");
    Photograph(20100, "result_screen_premise1");
    Photograph(20101, "result_screen_premise2");
    Photograph(20113, "result_screen_loangraph");
}

} // namespace
