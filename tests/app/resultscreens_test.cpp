// The result windows as a user sees them, photographed on an X display.
#include <QGuiApplication>
#include <QProcess>
#include <QSet>
#include <QScreen>
#include <QStandardPaths>
#include <cstdio>

#include "app/shell/itembox.h"
#include "resultwindowtest.h"
#include "waitfor.h"
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
    // The window fills the main window's client area and shows its report
    // drawn: text and rules in more than a few colours.
    void Photograph(UINT nID, const char* pszName)
    {
        Command(nID);
        CResultParentFrame* report = ActiveResult();
        ASSERT_NE(report, nullptr);
        QWidget* window = report->parentWidget();
        window->showMaximized();
        const QWidget* area = m_frame.MDIClient()->viewport();
        ASSERT_TRUE(WaitFor([&] { return window->isMaximized() && window->size() == area->size(); })) << pszName;
        Pump();
        const QImage screen = m_frame.screen()->grabWindow(0).toImage();
        SaveArtifact(screen, pszName);
        const QImage shown = screen.copy(QRect(report->mapToGlobal(QPoint()), report->size()));
        QSet<QRgb> colours;
        int nDark = 0;
        for (int y = 0; y < shown.height(); y += 2)
            for (int x = 0; x < shown.width(); x += 2) {
                const QRgb pixel = shown.pixel(x, y);
                colours.insert(pixel);
                nDark += qGray(pixel) < 128 ? 1 : 0;
            }
        EXPECT_GT(colours.size(), 8) << pszName;
        EXPECT_GT(nDark, shown.width() * shown.height() / 4 / 500) << pszName;
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
