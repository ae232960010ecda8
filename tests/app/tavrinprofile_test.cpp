#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "app/shell/tavrinapp.h"
#include "platform/qtstring.h"

namespace {

// An application whose profile lives in a scratch folder: the user's file in
// user/, the shipped one in program/.
class AppProfileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QDir(m_dir.path()).mkpath(QStringLiteral("program"));
        m_app.m_strProgramDir = FromQString(m_dir.path() + QStringLiteral("/program/"));
        m_app.m_strIniPath = FromQString(m_dir.path() + QStringLiteral("/user/TavrinSysytemV8.ini"));
    }
    std::string UserPath() const { return (m_dir.path() + QStringLiteral("/user/TavrinSysytemV8.ini")).toStdString(); }
    std::string ProgramPath() const
    {
        return (m_dir.path() + QStringLiteral("/program/TavrinSysytemV8.ini")).toStdString();
    }
    static void Write(const std::string& path, const char* pszText)
    {
        QDir().mkpath(QString::fromStdString(path).section(QLatin1Char('/'), 0, -2));
        std::ofstream(path, std::ios::binary | std::ios::trunc) << pszText;
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }

    QTemporaryDir m_dir;
    CTavrinApp m_app;
};

TEST_F(AppProfileTest, MissingFileGivesTheDefaults)
{
    EXPECT_EQ(m_app.LoadProfile(), 1);
    EXPECT_EQ(m_app.m_strOfficeName, "株式会社");
    EXPECT_EQ(m_app.m_strTaxFileName, "Data/標準税率.tax");
    EXPECT_EQ(m_app.m_strDataFileName, "Data/TEST.prj");
    EXPECT_EQ(m_app.m_nCalcYear, 50);
    EXPECT_EQ(m_app.m_nYearFlag, 1);
    EXPECT_EQ(m_app.m_strYearName, "令和");
    EXPECT_EQ(m_app.m_nYearDiff, 2018);
    EXPECT_EQ(m_app.m_nYearChosen, 0);
    EXPECT_EQ(m_app.m_nPaperSize, 9);
    EXPECT_EQ(m_app.m_nColorFlag, 0);
    EXPECT_EQ(m_app.m_objDecimal.nDecimalNum, 0);
    EXPECT_DOUBLE_EQ(m_app.m_objDecimal.dDecimalVal, 0.5);
    EXPECT_EQ(m_app.m_objDecimal.nDecimalFlag, 0);
    EXPECT_EQ(m_app.m_objDecimal.nDecimalZero, 1);
    EXPECT_EQ(m_app.m_anIntval[3], 0);
    EXPECT_EQ(m_app.m_astrStrval[9], "");
}

// One key's text in the file and the member value it gives; numbers outside
// their accepted values take the default.
struct ProfileCase {
    const char* pszSection;
    const char* pszKey;
    const char* pszText;
    std::function<double(const CTavrinApp&)> member;
    double dExpected;
};

TEST_F(AppProfileTest, TextsBecomeMembersWithinTheirLimits)
{
    auto calcYear = [](const CTavrinApp& a) { return a.m_nCalcYear; };
    auto decimals = [](const CTavrinApp& a) { return a.m_objDecimal.nDecimalNum; };
    auto paper = [](const CTavrinApp& a) { return a.m_nPaperSize; };
    auto flag = [](const CTavrinApp& a) { return a.m_objDecimal.nDecimalFlag; };
    const ProfileCase cases[] = {
        {"Office", "CalcYear", "1", calcYear, 1},
        {"Office", "CalcYear", "35", calcYear, 35},
        {"Office", "CalcYear", "50", calcYear, 50},
        {"Office", "CalcYear", "51", calcYear, 50},
        {"Office", "CalcYear", "0", calcYear, 50},
        {"Office", "CalcYear", "-3", calcYear, 50},
        {"Office", "CalcYear", "abc", calcYear, 50},
        {"office", "calcyear", "20", calcYear, 20},
        {"Office", "DecimalNum", "3", decimals, 3},
        {"Office", "DecimalNum", "4", decimals, 0},
        {"Office", "DecimalNum", "-1", decimals, 0},
        {"Printer", "PaperSize", "12", paper, 12},
        {"Printer", "PaperSize", "10", paper, 10},
        {"Printer", "PaperSize", "33", paper, 33},
        {"Printer", "PaperSize", "11", paper, 9},
        {"Printer", "PaperSize", "0", paper, 9},
        {"Office", "DecimalFlag", "2", flag, 2},
        {"Office", "DecimalFlag", "3", flag, 0},
        {"Office", "DecimalVal", "0.005", [](const CTavrinApp& a) { return a.m_objDecimal.dDecimalVal; }, 0.005},
        {"Office", "DecimalZero", "0", [](const CTavrinApp& a) { return a.m_objDecimal.nDecimalZero; }, 0},
        {"Office", "YearFlag", "0", [](const CTavrinApp& a) { return a.m_nYearFlag; }, 0},
        {"Office", "YearDiff", "2018", [](const CTavrinApp& a) { return a.m_nYearDiff; }, 2018},
        {"Printer", "ColorFlag", "1", [](const CTavrinApp& a) { return a.m_nColorFlag; }, 1},
        {"Extend", "Intval-4", "7", [](const CTavrinApp& a) { return a.m_anIntval[3]; }, 7},
        {"Extend", "Intval-20", "9", [](const CTavrinApp& a) { return a.m_anIntval[19]; }, 9},
    };
    for (const ProfileCase& c : cases) {
        Write(UserPath(), (std::string("[") + c.pszSection + "]\r\n" + c.pszKey + "=" + c.pszText + "\r\n").c_str());
        m_app.LoadProfile();
        EXPECT_DOUBLE_EQ(c.member(m_app), c.dExpected) << c.pszKey << "=" << c.pszText;
    }
}

// Earlier versions wrote their default era 平成 into every profile: unless the
// user confirmed an era in the settings dialogs, that pair becomes 令和.
TEST_F(AppProfileTest, TheOldDefaultEraBecomesTheCurrentOneUnlessTheUserChoseIt)
{
    struct EraCase {
        const char* pszKeys;
        const char* pszName;
        int nDiff;
    };
    const EraCase cases[] = {
        {"YearName=平成\r\nYearDiff=1988\r\n", "令和", 2018},
        {"YearName=平成\r\nYearDiff=1988\r\nYearChosen=0\r\n", "令和", 2018},
        {"YearName=平成\r\nYearDiff=1988\r\nYearChosen=1\r\n", "平成", 1988},
        {"YearName=平成\r\nYearDiff=1989\r\n", "平成", 1989},
        {"YearName=昭和\r\nYearDiff=1925\r\n", "昭和", 1925},
        {"YearName=令和\r\nYearDiff=2018\r\n", "令和", 2018},
    };
    for (const EraCase& c : cases) {
        Write(UserPath(), (std::string("[Office]\r\n") + c.pszKeys).c_str());
        m_app.LoadProfile();
        EXPECT_EQ(m_app.m_strYearName, c.pszName) << c.pszKeys;
        EXPECT_EQ(m_app.m_nYearDiff, c.nDiff) << c.pszKeys;
    }

    Write(UserPath(), "[Office]\r\nYearName=平成\r\nYearDiff=1988\r\n");
    m_app.LoadProfile();
    m_app.SaveProfile();
    const std::string text = Read(UserPath());
    EXPECT_NE(text.find("YearName=令和\r\nYearDiff=2018\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("YearChosen=0\r\n"), std::string::npos) << text;
}

TEST_F(AppProfileTest, TextsAreReadAsWrittenAndCutTo498Bytes)
{
    const std::string longName(600, 'x');
    Write(UserPath(), ("[Office]\r\nOfficeName=有限会社　タブリン\r\nYearName=令和\r\n[Extend]\r\nStrval-10=" + longName +
                       "\r\n").c_str());
    m_app.LoadProfile();
    EXPECT_EQ(m_app.m_strOfficeName, "有限会社　タブリン");
    EXPECT_EQ(m_app.m_strYearName, "令和");
    EXPECT_EQ(m_app.m_astrStrval[9].GetLength(), 498);
}

TEST_F(AppProfileTest, SavingKeepsUnknownSectionsAndTheKeyOrder)
{
    Write(UserPath(), "; my settings\r\n[Office]\r\nOfficeName=A\r\nCalcYear=30\r\n[Mine]\r\nKeep=1\r\n");
    m_app.LoadProfile();
    m_app.m_objDecimal.nDecimalNum = 2;
    m_app.m_objDecimal.dDecimalVal = CTavrinApp::DecimalValFor(2, 0, 0.5);
    ASSERT_EQ(m_app.SaveProfile(), 1);
    const std::string text = Read(UserPath());
    EXPECT_EQ(text.find("; my settings\r\n[Office]\r\nOfficeName=A\r\nCalcYear=30\r\nTaxFileName="), 0u) << text;
    EXPECT_NE(text.find("[Mine]\r\nKeep=1\r\n"), std::string::npos);
    EXPECT_NE(text.find("DecimalVal=0.005\r\n"), std::string::npos);
    EXPECT_LT(text.find("PaperSize=9"), text.find("ColorFlag=0"));
    EXPECT_LT(text.find("Intval-20=0"), text.find("Strval-1="));

    CTavrinApp reread;
    reread.m_strIniPath = m_app.m_strIniPath;
    reread.LoadProfile();
    EXPECT_EQ(reread.m_nCalcYear, 30);
    EXPECT_DOUBLE_EQ(reread.m_objDecimal.dDecimalVal, 0.005);
}

TEST_F(AppProfileTest, ShippedDefaultsServeUntilTheUserHasAProfile)
{
    Write(ProgramPath(), "[Office]\r\nOfficeName=出荷時\r\nCalcYear=40\r\n[Vendor]\r\nKey=1\r\n");
    QFile(QString::fromStdString(ProgramPath())).setPermissions(QFileDevice::ReadOwner);
    m_app.LoadProfile();
    EXPECT_EQ(m_app.m_strOfficeName, "出荷時");
    EXPECT_EQ(m_app.m_nCalcYear, 40);

    m_app.m_strOfficeName = "利用者";
    m_app.SaveProfile();
    EXPECT_NE(Read(UserPath()).find("[Vendor]\r\nKey=1"), std::string::npos);
    EXPECT_NE(Read(ProgramPath()).find("OfficeName=出荷時"), std::string::npos);
    m_app.LoadProfile();
    EXPECT_EQ(m_app.m_strOfficeName, "利用者");
}

TEST(DecimalVal, FollowsTheDecimalsAndTheRoundingMode)
{
    const struct {
        int nDecimals, nFlag;
        double dExpected;
    } cases[] = {{0, 0, 0.5}, {2, 0, 0.005}, {3, 0, 0.0005}, {1, 2, 0.09}, {0, 2, 0.9}, {2, 1, 0.0}, {2, 7, 0.25}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(CTavrinApp::DecimalValFor(c.nDecimals, c.nFlag, 0.25), c.dExpected)
            << c.nDecimals << " places, mode " << c.nFlag;
}

} // namespace
