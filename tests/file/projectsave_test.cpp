// Saving beside other programs: read-only and locked files are refused, the
// old file's mode, owner and links are kept, and a save cut short leaves a
// temporary that is removed and never read as a project.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "file/filestore.h"
#include "platform/msgbox.h"
#include "tests/file/projectfiles.h"
#include "tests/result/exampleproject.h"

namespace {

const char kNewName[] = "保存後の計画";

// A child process that holds a lock on a file until the parent lets it go.
class LockingProcess {
public:
    LockingProcess(const std::string& path, int nLock)
    {
        int ready[2], release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0) return;
        m_pid = ::fork();
        if (m_pid == 0) {
            // The parent's end closed, the release is seen when the parent closes its own.
            ::close(release[1]);
            const int fd = ::open(path.c_str(), O_RDONLY);
            char c = fd >= 0 && ::flock(fd, nLock) == 0 ? 'L' : 'F';
            if (::write(ready[1], &c, 1) != 1 || ::read(release[0], &c, 1) < 0) ::_exit(1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        m_release = release[1];
        char c = 0;
        m_bLocked = ::read(ready[0], &c, 1) == 1 && c == 'L';
        ::close(ready[0]);
    }
    ~LockingProcess()
    {
        ::close(m_release);
        if (m_pid > 0) ::waitpid(m_pid, nullptr, 0);
    }
    bool m_bLocked = false;

private:
    pid_t m_pid = -1;
    int m_release = -1;
};

// A save in a child process, killed once it has written part of the file.
void KillSaveHalfway(const std::string& path)
{
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        SaveFileSafely(path.c_str(), [&](CFile& file) {
            file.Write("partial", 7);
            file.Flush();
            const char c = 'W';
            if (::write(ready[1], &c, 1) != 1) ::_exit(1);
            ::pause();
        });
        ::_exit(0);
    }
    ::close(ready[1]);
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ::close(ready[0]);
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

struct SaveCase {
    const char* pszName;
    // Arranges the saved file at path; returns the path to save through.
    std::function<std::string(const std::string& path)> fnArrange;
    bool bSaved;
    // Checks after the save, with the old file still locked where arranged.
    std::function<void(const std::string& path)> fnCheck;
};

void PrintTo(const SaveCase& c, std::ostream* os)
{
    *os << c.pszName;
}

std::string Temporary(const std::string& path)
{
    return path + ".~tav";
}

mode_t ModeOf(const std::string& path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

class ProjectSaveBeside : public ::testing::TestWithParam<SaveCase> {
protected:
    void SetUp() override
    {
        m_previous = SetMessageBoxHandler([](const CString&, const CString&, UINT) { return IDOK; });
        BuildExampleProject(m_project);
        ASSERT_TRUE(WriteProjectFile(m_project, m_path));
        m_old = ReadFileBytes(m_path);
        m_project.m_data.m_pDataBasic->strProjectName = kNewName;
    }
    void TearDown() override
    {
        SetMessageBoxHandler(m_previous);
        for (const char* pszName : {"", ".~tav", ".link"}) std::filesystem::remove(m_path + pszName);
    }
    CString SavedName(const std::string& path)
    {
        CProjectInMemory reread;
        return ReadProjectFile(reread, path) ? reread.m_data.m_pDataBasic->strProjectName : CString();
    }

    CProjectInMemory m_project;
    const std::string m_path = ProjectTempPath("beside.prj");
    std::string m_old;
    MessageBoxHandler m_previous;
};

TEST_P(ProjectSaveBeside, SavesOrLeavesTheOldFile)
{
    const SaveCase& c = GetParam();
    const std::string target = c.fnArrange(m_path);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(WriteProjectFile(m_project, target), c.bSaved ? TRUE : FALSE);
    if (c.bSaved) {
        EXPECT_EQ(SavedName(m_path), kNewName);
    } else {
        EXPECT_TRUE(ReadFileBytes(m_path) == m_old);
    }
    EXPECT_FALSE(std::filesystem::exists(Temporary(m_path)));
    if (c.fnCheck) c.fnCheck(m_path);
}

// Each case keeps the locking process alive across the save.
std::unique_ptr<LockingProcess> s_pLock;

std::string HoldLock(const std::string& path, int nLock)
{
    s_pLock = std::make_unique<LockingProcess>(path, nLock);
    EXPECT_TRUE(s_pLock->m_bLocked);
    return path;
}

void ReleaseLock(const std::string&)
{
    s_pLock.reset();
}

const SaveCase kCases[] = {
    {"ReadOnlyFile",
     [](const std::string& path) {
         ::chmod(path.c_str(), 0444);
         return path;
     },
     false, [](const std::string& path) { EXPECT_EQ(ModeOf(path), 0444u); }},
    {"ReaderOfAnotherProcess", [](const std::string& path) { return HoldLock(path, LOCK_SH); }, false, ReleaseLock},
    {"WriterOfAnotherProcess", [](const std::string& path) { return HoldLock(path, LOCK_EX); }, false, ReleaseLock},
    {"ModeAndOwnerKept",
     [](const std::string& path) {
         ::chmod(path.c_str(), 0640);
         // Giving the file away needs privileges; without them only the mode is checked.
         if (::geteuid() == 0) {
             EXPECT_EQ(::chown(path.c_str(), 4321, 4322), 0);
         }
         return path;
     },
     true,
     [](const std::string& path) {
         struct stat st {};
         ASSERT_EQ(::stat(path.c_str(), &st), 0);
         EXPECT_EQ(st.st_mode & 07777, 0640u);
         if (::geteuid() == 0) {
             EXPECT_EQ(st.st_uid, 4321u);
             EXPECT_EQ(st.st_gid, 4322u);
         }
     }},
    {"SymbolicLink",
     [](const std::string& path) {
         std::filesystem::create_symlink(std::filesystem::path(path).filename(), path + ".link");
         return path + ".link";
     },
     true,
     [](const std::string& path) {
         EXPECT_TRUE(std::filesystem::is_symlink(path + ".link"));
         EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(path)));
     }},
    {"StaleTemporary",
     [](const std::string& path) {
         WriteFileBytes(Temporary(path), "stale");
         return path;
     },
     true, nullptr},
};

INSTANTIATE_TEST_SUITE_P(Cases, ProjectSaveBeside, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.pszName); });

// A save killed halfway leaves the old file; its temporary goes when the
// project is next opened, and a temporary is never read as a project.
TEST_F(ProjectSaveBeside, KilledSaveLeavesTheOldFileAndATemporaryThatGoes)
{
    KillSaveHalfway(m_path);
    ASSERT_TRUE(ReadFileBytes(m_path) == m_old);
    ASSERT_TRUE(std::filesystem::exists(Temporary(m_path)));
    EXPECT_NE(SavedName(m_path), CString());
    EXPECT_FALSE(std::filesystem::exists(Temporary(m_path)));

    WriteFileBytes(Temporary(m_path), m_old);
    EXPECT_EQ(SavedName(Temporary(m_path)), CString());
}

// A temporary that another save is writing stays.
TEST_F(ProjectSaveBeside, TemporaryInUseStays)
{
    WriteFileBytes(Temporary(m_path), "writing");
    LockingProcess save(Temporary(m_path), LOCK_EX);
    ASSERT_TRUE(save.m_bLocked);
    EXPECT_NE(SavedName(m_path), CString());
    EXPECT_TRUE(std::filesystem::exists(Temporary(m_path)));
}

} // namespace
