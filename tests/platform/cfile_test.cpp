#include <algorithm>
#include <cstdio>
#include <iterator>
#include <filesystem>
#include <gtest/gtest.h>

#include "platform/cfile.h"
#include "tests/support/tempfile.h"

TEST(CFile, WriteReadSeekAndLength)
{
    const std::string path = TempPath("tav_cfile_rw.bin");
    {
        CFile f;
        ASSERT_TRUE(f.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary));
        f.Write("HELLO WORLD", 11);
        EXPECT_EQ(f.GetLength(), 11);
        f.Close();
    }
    CFile f;
    ASSERT_TRUE(f.Open(path.c_str(), CFile::modeRead));
    char buf[32] = {};
    f.Seek(6, CFile::begin);
    EXPECT_EQ(f.Read(buf, sizeof buf), 5u);
    EXPECT_STREQ(buf, "WORLD");
    EXPECT_EQ(f.Read(buf, sizeof buf), 0u);
    // A file opened for reading cannot be cut.
    try {
        f.SetLength(5);
        ADD_FAILURE() << "cut a file opened for reading";
    } catch (CFileException* e) {
        e->Delete();
    }
    f.Close();

    // Written over without emptying it first, then cut behind what was written.
    ASSERT_TRUE(f.Open(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite));
    EXPECT_EQ(f.GetLength(), 11);
    f.Write("BYE", 3);
    f.SetLength(f.GetPosition());
    f.Close();
    ASSERT_TRUE(f.Open(path.c_str(), CFile::modeRead));
    std::fill(std::begin(buf), std::end(buf), 0);
    EXPECT_EQ(f.Read(buf, sizeof buf), 3u);
    EXPECT_STREQ(buf, "BYE");
    f.Close();
    std::remove(path.c_str());
}

TEST(CFile, MissingFileFailsWithCause)
{
    CFile f;
    CFileException e;
    EXPECT_FALSE(f.Open(TempPath("tav_no_such_dir/x.prj").c_str(), CFile::modeRead, &e));
    EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
    CFileStatus status;
    EXPECT_FALSE(CFile::GetStatus(TempPath("tav_no_such_file.prj").c_str(), status));
}

namespace {

// A file of four bytes at path.
void WriteFourBytes(const std::string& path)
{
    CFile f;
    ASSERT_TRUE(f.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
    f.Write("DATA", 4);
}

} // namespace

TEST(CFile, ExclusiveOpenLocksOutOthersAndLeavesContent)
{
    const std::string path = TempPath("tav_cfile_lock.bin");
    WriteFourBytes(path);
    CFile first;
    ASSERT_TRUE(first.Open(path.c_str(), CFile::modeRead | CFile::shareExclusive));
    CFile second;
    CFileException e;
    // A refused create must not truncate the file the first opener holds.
    EXPECT_FALSE(second.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, &e));
    EXPECT_EQ(e.m_cause, CFileException::sharingViolation);
    EXPECT_EQ(first.GetLength(), 4);
    first.Close();
    EXPECT_TRUE(second.Open(path.c_str(), CFile::modeRead | CFile::shareExclusive));
    second.Close();
    std::remove(path.c_str());
}

// Several programs may read one project at once; none may write it meanwhile.
TEST(CFile, DenyWriteReadersShareTheFileAndKeepWritersOut)
{
    const std::string path = TempPath("tav_cfile_share.bin");
    WriteFourBytes(path);
    CFile first;
    CFile second;
    ASSERT_TRUE(first.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite));
    EXPECT_TRUE(second.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite));
    CFile writer;
    CFileException e;
    EXPECT_FALSE(writer.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, &e));
    EXPECT_EQ(e.m_cause, CFileException::sharingViolation);
    EXPECT_EQ(first.GetLength(), 4);
    first.Close();
    second.Close();
    EXPECT_TRUE(writer.Open(path.c_str(), CFile::modeWrite | CFile::shareExclusive));
    writer.Close();
    std::remove(path.c_str());
}

TEST(CFile, WriteOnAClosedFileThrows)
{
    CFile f;
    try {
        f.Write("x", 1);
        FAIL() << "no exception";
    } catch (CFileException* e) {
        e->Delete();
    }
}

// File names are code page 932 with "\" separators; the system sees UTF-8
// with "/". "表" has 0x5C as its trail byte and must survive.
TEST(CFile, NamesAreConvertedForTheSystem)
{
    const std::filesystem::path folder = TempPath("cfile_names");
    std::filesystem::create_directories(folder);
    const CString name = CString(folder.string().c_str()) + "\\標準税率表.tax";
    CFile file;
    ASSERT_TRUE(file.Open(name, CFile::modeCreate | CFile::modeWrite));
    file.Write("x", 1);
    file.Close();
    const std::filesystem::path system = folder / std::filesystem::path(u8"標準税率表.tax");
    EXPECT_TRUE(std::filesystem::exists(system));
    CFileStatus status;
    EXPECT_TRUE(CFile::GetStatus(name, status));
    CFile::Rename(name, name + ".bak");
    EXPECT_TRUE(std::filesystem::exists(system.string() + ".bak"));
    CFile::Remove(name + ".bak");
    EXPECT_FALSE(std::filesystem::exists(system.string() + ".bak"));
    std::filesystem::remove_all(folder);
}
