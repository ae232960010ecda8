// How long the program takes from the start of its process until the result
// of the sample named on its command line exists. Run alone (as CTest does),
// the process start is this test's own.
#include <QFileInfo>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinprojectdoc.h"
#include "shelltest.h"
#include "waitfor.h"

namespace {

// Seconds since boot when this process started, and now.
double ProcessStartSeconds()
{
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Fields after the command name in parentheses; starttime is field 22.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i) fields >> field;
    return std::stod(field) / double(sysconf(_SC_CLK_TCK));
}

// Processor seconds this process has used, in all its threads.
double ProcessorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double UptimeSeconds()
{
    std::ifstream uptime("/proc/uptime");
    double dSeconds = 0.0;
    uptime >> dSeconds;
    return dSeconds;
}

TEST(StartUpTime, SampleOnTheCommandLineIsCalculatedSoonAfterTheProcessStarts)
{
    ScratchUserFolders folders;
    ScriptedMessageBoxes boxes;
    const std::string sample =
        (QFileInfo(QStringLiteral(TAVRINAPP_PATH)).absolutePath() + QStringLiteral("/Data/TEST.prj")).toStdString();
    std::string name = "tavrinapp";
    char* argv[] = {name.data(), const_cast<char*>(sample.c_str()), nullptr};
    CTavrinApp app;
    ASSERT_TRUE(app.InitInstance(2, argv));
    ASSERT_EQ(CTavrinProjectDoc::Documents().size(), 1);
    const CTavrinProjectDoc* doc = CTavrinProjectDoc::Documents().first();
    WaitFor([&] { return doc->m_nCalcResult != 0 || !boxes.m_texts.empty(); });
    const double dSeconds = UptimeSeconds() - ProcessStartSeconds();
    const double dProcessorSeconds = ProcessorSeconds();
    std::printf("process start to the sample's result: %.2f s, %.2f s of processor time\n", dSeconds,
                dProcessorSeconds);
    EXPECT_NE(doc->m_nCalcResult, 0);
    EXPECT_TRUE(boxes.m_texts.empty());
    // Processor time: what other processes of a busy machine take does not count.
    EXPECT_LT(dProcessorSeconds, 5.0);
    while (!CTavrinProjectDoc::Documents().isEmpty()) delete CTavrinProjectDoc::Documents().first();
    app.ExitInstance();
}

} // namespace
