// The settings profile: one INI file of code page 932 text. The user's copy
// lives in the per-user configuration folder; until it exists, the copy shipped
// in the program folder (if any) gives the values and is the starting point of
// the first write.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/shell/tavrinapp.h"
#include "platform/profile.h"
#include "platform/qtstring.h"

namespace {

const char kIniName[] = "TavrinSysytemV8.ini";
constexpr DWORD kValueBuffer = 499;
// The era of the defaults, and that of earlier versions' defaults.
const char kEraName[] = "令和";
const char kEraDiff[] = "2018";
const char kOldEraName[] = "平成";
constexpr int kOldEraDiff = 1988;

std::string NativePath(const CString& str)
{
    return CP932ToUtf8(str);
}

bool Accepts(const CProfileEntry& entry, int nValue)
{
    if (!entry.anAllowed.empty())
        return std::find(entry.anAllowed.begin(), entry.anAllowed.end(), nValue) != entry.anAllowed.end();
    return entry.nMin > entry.nMax || (nValue >= entry.nMin && nValue <= entry.nMax);
}

// A number outside the entry's accepted values takes the default.
int CheckedInt(const CProfileEntry& entry, const char* pszText)
{
    const int nValue = std::atoi(pszText);
    return Accepts(entry, nValue) ? nValue : std::atoi(entry.pszDefault);
}

void ReadEntry(const CProfileEntry& entry, const std::string& path)
{
    char buf[kValueBuffer];
    GetPrivateProfileString(entry.pszSection, entry.strKey, entry.pszDefault, buf, kValueBuffer, path.c_str());
    if (auto* p = std::get_if<CString*>(&entry.value)) **p = buf;
    if (auto* p = std::get_if<int*>(&entry.value)) **p = CheckedInt(entry, buf);
    if (auto* p = std::get_if<short*>(&entry.value)) **p = short(CheckedInt(entry, buf));
    if (auto* p = std::get_if<double*>(&entry.value)) **p = std::atof(buf);
}

CString EntryText(const CProfileEntry& entry)
{
    CString text;
    if (auto* p = std::get_if<CString*>(&entry.value)) text = **p;
    if (auto* p = std::get_if<int*>(&entry.value)) text.Format("%d", **p);
    if (auto* p = std::get_if<short*>(&entry.value)) text.Format("%d", **p);
    if (auto* p = std::get_if<double*>(&entry.value)) text.Format("%.6g", **p);
    return text;
}

} // namespace

std::vector<CProfileEntry> CTavrinApp::ProfileEntries()
{
    std::vector<CProfileEntry> entries = {
        {"Office", "OfficeName", "株式会社", &m_strOfficeName},
        {"Office", "TaxFileName", "Data/標準税率.tax", &m_strTaxFileName},
        {"Office", "DataFileName", "Data/TEST.prj", &m_strDataFileName},
        {"Office", "CalcYear", "50", &m_nCalcYear, 1, 50},
        {"Office", "YearFlag", "1", &m_nYearFlag, 0, 1},
        {"Office", "YearName", kEraName, &m_strYearName},
        {"Office", "YearDiff", kEraDiff, &m_nYearDiff},
        {"Office", "YearChosen", "0", &m_nYearChosen, 0, 1},
        {"Printer", "PaperSize", "9", &m_nPaperSize, 0, -1, {DMPAPER_A4, DMPAPER_A4SMALL, DMPAPER_B4, DMPAPER_B4_ISO}},
        {"Printer", "ColorFlag", "0", &m_nColorFlag},
        {"Office", "DecimalNum", "0", &m_objDecimal.nDecimalNum, 0, 3},
        {"Office", "DecimalVal", "0.5", &m_objDecimal.dDecimalVal},
        {"Office", "DecimalFlag", "0", &m_objDecimal.nDecimalFlag, 0, 2},
        {"Office", "DecimalZero", "1", &m_objDecimal.nDecimalZero, 0, 1},
    };
    for (int i = 0; i < kIntvalCount; ++i) {
        CString key;
        key.Format("Intval-%d", i + 1);
        entries.push_back({"Extend", key, "0", &m_anIntval[i]});
    }
    for (int i = 0; i < kStrvalCount; ++i) {
        CString key;
        key.Format("Strval-%d", i + 1);
        entries.push_back({"Extend", key, "", &m_astrStrval[i]});
    }
    return entries;
}

CString CTavrinApp::ProgramIniPath() const
{
    return m_strProgramDir + kIniName;
}

void CTavrinApp::BuildIniPath()
{
    if (!m_strIniPath.IsEmpty()) return;
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    m_strIniPath = FromQString(dir + QStringLiteral("/tavrin/")) + kIniName;
}

int CTavrinApp::LoadProfile()
{
    BuildIniPath();
    CString source = m_strIniPath;
    if (!QFile::exists(ToQString(source))) source = ProgramIniPath();
    const std::string path = NativePath(source);
    for (const CProfileEntry& entry : ProfileEntries()) ReadEntry(entry, path);
    m_recentFileList.ReadList(path.c_str());
    // The era of earlier versions' defaults, never chosen by the user, becomes the current one.
    if (!m_nYearChosen && m_strYearName == kOldEraName && m_nYearDiff == kOldEraDiff) {
        m_strYearName = kEraName;
        m_nYearDiff = std::atoi(kEraDiff);
    }
    return 1;
}

int CTavrinApp::SaveProfile()
{
    BuildIniPath();
    const QString user = ToQString(m_strIniPath);
    if (!QFile::exists(user)) {
        QDir().mkpath(QFileInfo(user).absolutePath());
        QFile::copy(ToQString(ProgramIniPath()), user);
        QFile(user).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    const std::string path = NativePath(m_strIniPath);
    for (const CProfileEntry& entry : ProfileEntries())
        WritePrivateProfileString(entry.pszSection, entry.strKey, EntryText(entry), path.c_str());
    m_recentFileList.WriteList(path.c_str());
    return 1;
}

double CTavrinApp::DecimalValFor(int nDecimals, int nFlag, double dOld)
{
    CString text = "0.";
    for (int i = 0; i < nDecimals; ++i) text += '0';
    switch (nFlag) {
    case 0: return std::atof(text + "5");
    case 1: return 0.0;
    case 2: return std::atof(text + "9");
    default: return dOld;
    }
}
