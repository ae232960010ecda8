#include "platform/profile.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <strings.h>
#include <string>
#include <vector>

namespace {

struct IniLine {
    std::string text;    // the line as read, for comments and blanks
    std::string key;     // empty for non key lines
    std::string value;
};

struct IniSection {
    std::string name;    // empty for lines before the first section
    std::vector<IniLine> lines;
};

std::string Trim(const std::string& s)
{
    size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    size_t e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

bool SameName(const std::string& a, const char* b)
{
    return b && a.size() == std::strlen(b) && strncasecmp(a.c_str(), b, a.size()) == 0;
}

std::vector<IniSection> ReadIni(const char* pszFileName)
{
    std::vector<IniSection> sections(1);
    std::ifstream in(pszFileName ? pszFileName : "", std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string t = Trim(line);
        if (t.size() >= 2 && t.front() == '[' && t.find(']') != std::string::npos) {
            sections.push_back({Trim(t.substr(1, t.find(']') - 1)), {}});
            continue;
        }
        IniLine l{line, {}, {}};
        size_t eq = t.find('=');
        if (!t.empty() && t[0] != ';' && eq != std::string::npos) {
            l.key = Trim(t.substr(0, eq));
            l.value = Trim(t.substr(eq + 1));
            if (l.value.size() >= 2 && (l.value.front() == '"' || l.value.front() == '\'') &&
                l.value.back() == l.value.front())
                l.value = l.value.substr(1, l.value.size() - 2);
        }
        sections.back().lines.push_back(l);
    }
    return sections;
}

bool WriteIni(const char* pszFileName, const std::vector<IniSection>& sections)
{
    std::ostringstream out;
    for (const IniSection& s : sections) {
        if (!s.name.empty()) out << '[' << s.name << "]\r\n";
        for (const IniLine& l : s.lines) out << l.text << "\r\n";
    }
    // Write beside the file and rename, so a failed write never loses the profile.
    const std::string path(pszFileName), temp = path + ".tmp";
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        file << out.str();
        if (!file.flush()) return false;
    }
    return std::rename(temp.c_str(), path.c_str()) == 0;
}

IniSection* FindSection(std::vector<IniSection>& sections, const char* pszSection)
{
    for (IniSection& s : sections)
        if (!s.name.empty() && SameName(s.name, pszSection)) return &s;
    return nullptr;
}

DWORD CopyOut(const std::string& value, char* pBuf, DWORD nSize)
{
    if (!pBuf || nSize == 0) return 0;
    DWORD n = std::min<DWORD>(DWORD(value.size()), nSize - 1);
    std::memcpy(pBuf, value.data(), n);
    pBuf[n] = '\0';
    return n;
}

} // namespace

DWORD GetPrivateProfileString(const char* pszSection, const char* pszKey, const char* pszDefault,
                              char* pBuf, DWORD nSize, const char* pszFileName)
{
    std::vector<IniSection> sections = ReadIni(pszFileName);
    IniSection* s = FindSection(sections, pszSection);
    if (s && !pszKey) {
        // Key names, each followed by a zero byte, then a final zero.
        std::string list;
        for (const IniLine& l : s->lines)
            if (!l.key.empty()) list += l.key + '\0';
        if (!pBuf || nSize < 2) return 0;
        DWORD n = std::min<DWORD>(DWORD(list.size()), nSize - 2);
        std::memcpy(pBuf, list.data(), n);
        pBuf[n] = '\0';
        pBuf[n + 1] = '\0';
        return n;
    }
    if (s)
        for (const IniLine& l : s->lines)
            if (!l.key.empty() && SameName(l.key, pszKey)) return CopyOut(l.value, pBuf, nSize);
    return CopyOut(Trim(pszDefault ? pszDefault : ""), pBuf, nSize);
}

UINT GetPrivateProfileInt(const char* pszSection, const char* pszKey, int nDefault, const char* pszFileName)
{
    char buf[64];
    const char kMissing[] = "\x01";
    GetPrivateProfileString(pszSection, pszKey, kMissing, buf, sizeof buf, pszFileName);
    if (std::strcmp(buf, kMissing) == 0) return UINT(nDefault);
    return UINT(std::strtol(buf, nullptr, 10));
}

BOOL WritePrivateProfileString(const char* pszSection, const char* pszKey, const char* pszValue,
                               const char* pszFileName)
{
    if (!pszSection || !pszFileName) return FALSE;
    std::vector<IniSection> sections = ReadIni(pszFileName);
    IniSection* s = FindSection(sections, pszSection);
    if (!pszKey) {
        if (s) sections.erase(sections.begin() + (s - sections.data()));
        return WriteIni(pszFileName, sections);
    }
    if (!s) {
        if (!pszValue) return TRUE;
        sections.push_back({pszSection, {}});
        s = &sections.back();
    }
    auto it = std::find_if(s->lines.begin(), s->lines.end(),
                           [&](const IniLine& l) { return !l.key.empty() && SameName(l.key, pszKey); });
    if (!pszValue) {
        if (it != s->lines.end()) s->lines.erase(it);
    } else if (it != s->lines.end()) {
        *it = IniLine{it->key + "=" + pszValue, it->key, pszValue};
    } else {
        // After the section's last key, before trailing blank lines.
        auto pos = s->lines.end();
        while (pos != s->lines.begin() && Trim((pos - 1)->text).empty()) --pos;
        s->lines.insert(pos, IniLine{std::string(pszKey) + "=" + pszValue, pszKey, pszValue});
    }
    return WriteIni(pszFileName, sections);
}
