// The project files used last, newest first, as the File menu lists them.
#pragma once

#include <QString>
#include <vector>

#include "platform/cstring.h"

class CRecentFileList {
public:
    static constexpr int kSize = 4;

    // Puts the path first; an entry of the same file moves there, the oldest
    // beyond kSize drops off.
    void Add(const CString& strPath);
    void Remove(int nIndex);
    int GetSize() const { return int(m_arrNames.size()); }
    const CString& operator[](int nIndex) const { return m_arrNames[size_t(nIndex)]; }
    // The menu text of entry nIndex: its number as the access key, then the path.
    QString MenuText(int nIndex) const;

    // The profile's section "Recent File List", keys File1 to File4.
    void ReadList(const char* pszIniPath);
    void WriteList(const char* pszIniPath) const;

private:
    std::vector<CString> m_arrNames;
};
