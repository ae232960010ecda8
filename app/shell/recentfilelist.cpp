#include "app/shell/recentfilelist.h"

#include <QFileInfo>
#include <algorithm>

#include "platform/profile.h"
#include "platform/qtstring.h"

namespace {

const char kSection[] = "Recent File List";
constexpr DWORD kValueBuffer = 499;

CString EntryKey(int nIndex)
{
    CString key;
    key.Format("File%d", nIndex + 1);
    return key;
}

bool SameFile(const CString& strA, const CString& strB)
{
    return QFileInfo(ToQString(strA)).absoluteFilePath() == QFileInfo(ToQString(strB)).absoluteFilePath();
}

} // namespace

void CRecentFileList::Add(const CString& strPath)
{
    std::erase_if(m_arrNames, [&](const CString& name) { return SameFile(name, strPath); });
    m_arrNames.insert(m_arrNames.begin(), strPath);
    if (m_arrNames.size() > size_t(kSize)) m_arrNames.resize(kSize);
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex >= 0 && nIndex < GetSize()) m_arrNames.erase(m_arrNames.begin() + nIndex);
}

QString CRecentFileList::MenuText(int nIndex) const
{
    QString path = ToQString(m_arrNames[size_t(nIndex)]);
    return QStringLiteral("&%1 ").arg(nIndex + 1) + path.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void CRecentFileList::ReadList(const char* pszIniPath)
{
    m_arrNames.clear();
    for (int i = 0; i < kSize; ++i) {
        char buf[kValueBuffer];
        GetPrivateProfileString(kSection, EntryKey(i), "", buf, kValueBuffer, pszIniPath);
        if (buf[0] != '\0') m_arrNames.emplace_back(buf);
    }
}

void CRecentFileList::WriteList(const char* pszIniPath) const
{
    WritePrivateProfileString(kSection, nullptr, nullptr, pszIniPath);
    for (int i = 0; i < GetSize(); ++i) WritePrivateProfileString(kSection, EntryKey(i), m_arrNames[size_t(i)], pszIniPath);
}
