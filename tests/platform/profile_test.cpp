#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "platform/profile.h"
#include "tests/support/tempfile.h"

namespace {

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        m_path = TempPath(("tav_profile_" + name + ".ini").c_str());
        std::ofstream(m_path, std::ios::trunc) << "; settings\r\n[Office]\r\nName=Tavrin Office\r\nZip=100\r\n\r\n"
                                                  "[Unknown]\r\nKeep=1\r\n[Extend]\r\nCalcYear=50\r\n";
    }
    void TearDown() override { std::filesystem::remove(m_path); }
    std::string Contents() const
    {
        std::ifstream in(m_path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    std::string m_path;
};

} // namespace

TEST_F(ProfileTest, ReadsValuesAndDefaults)
{
    char buf[64];
    EXPECT_EQ(GetPrivateProfileString("office", "NAME", "", buf, sizeof buf, m_path.c_str()), 13u);
    EXPECT_STREQ(buf, "Tavrin Office");
    GetPrivateProfileString("Office", "Missing", "def", buf, sizeof buf, m_path.c_str());
    EXPECT_STREQ(buf, "def");
    GetPrivateProfileString("Office", "Name", "", buf, 7, m_path.c_str());
    EXPECT_STREQ(buf, "Tavrin");
    EXPECT_EQ(GetPrivateProfileInt("Extend", "CalcYear", 10, m_path.c_str()), 50u);
    EXPECT_EQ(GetPrivateProfileInt("Extend", "Missing", 10, m_path.c_str()), 10u);
    EXPECT_EQ(GetPrivateProfileInt("Office", "Name", 10, m_path.c_str()), 0u);
}

TEST_F(ProfileTest, WritingKeepsOrderUnknownSectionsAndComments)
{
    ASSERT_TRUE(WritePrivateProfileString("Office", "Zip", "200", m_path.c_str()));
    ASSERT_TRUE(WritePrivateProfileString("Office", "Tel", "03", m_path.c_str()));
    ASSERT_TRUE(WritePrivateProfileString("Printer", "Color", "1", m_path.c_str()));
    EXPECT_EQ(Contents(), "; settings\r\n[Office]\r\nName=Tavrin Office\r\nZip=200\r\nTel=03\r\n\r\n"
                          "[Unknown]\r\nKeep=1\r\n[Extend]\r\nCalcYear=50\r\n[Printer]\r\nColor=1\r\n");
    ASSERT_TRUE(WritePrivateProfileString("Office", "Zip", nullptr, m_path.c_str()));
    ASSERT_TRUE(WritePrivateProfileString("Unknown", nullptr, nullptr, m_path.c_str()));
    EXPECT_EQ(Contents(), "; settings\r\n[Office]\r\nName=Tavrin Office\r\nTel=03\r\n\r\n"
                          "[Extend]\r\nCalcYear=50\r\n[Printer]\r\nColor=1\r\n");
}

TEST_F(ProfileTest, MissingFileGivesDefaultsAndIsCreatedOnWrite)
{
    std::filesystem::remove(m_path);
    char buf[16];
    GetPrivateProfileString("Office", "Name", "x", buf, sizeof buf, m_path.c_str());
    EXPECT_STREQ(buf, "x");
    ASSERT_TRUE(WritePrivateProfileString("Office", "Name", "y", m_path.c_str()));
    EXPECT_EQ(Contents(), "[Office]\r\nName=y\r\n");
}
