#include "platform/cstring.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <locale.h>
#include <vector>

#include "platform/resource.h"

namespace {

const char kWhitespace[] = " \t\n\r\f\v";

bool InSet(char ch, const char* pszSet)
{
    return ch != '\0' && pszSet && std::strchr(pszSet, ch) != nullptr;
}

// printf with the "C" numeric rules, whatever locale the program has set.
locale_t CNumericLocale()
{
    static locale_t loc = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return loc;
}

} // namespace

char CString::GetAt(int nIndex) const
{
    return (nIndex >= 0 && nIndex < GetLength()) ? m_str[nIndex] : '\0';
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex >= 0 && nIndex < GetLength())
        m_str[nIndex] = ch;
}

CString CString::Left(int nCount) const
{
    nCount = std::clamp(nCount, 0, GetLength());
    return CString(m_str.substr(0, nCount));
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    nFirst = std::clamp(nFirst, 0, GetLength());
    nCount = std::clamp(nCount, 0, GetLength() - nFirst);
    return CString(m_str.substr(nFirst, nCount));
}

CString CString::Right(int nCount) const
{
    nCount = std::clamp(nCount, 0, GetLength());
    return CString(m_str.substr(GetLength() - nCount));
}

CString CString::SpanIncluding(const char* pszSet) const
{
    size_t n = m_str.find_first_not_of(pszSet ? pszSet : "");
    return CString(m_str.substr(0, n));
}

CString CString::SpanExcluding(const char* pszSet) const
{
    size_t n = m_str.find_first_of(pszSet ? pszSet : "");
    return CString(m_str.substr(0, n));
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength()) return -1;
    size_t n = m_str.find(ch, nStart);
    return n == std::string::npos ? -1 : int(n);
}

int CString::Find(const char* psz, int nStart) const
{
    if (!psz || nStart < 0 || nStart > GetLength()) return -1;
    size_t n = m_str.find(psz, nStart);
    return n == std::string::npos ? -1 : int(n);
}

int CString::ReverseFind(char ch) const
{
    size_t n = m_str.rfind(ch);
    return n == std::string::npos ? -1 : int(n);
}

int CString::FindOneOf(const char* pszSet) const
{
    size_t n = m_str.find_first_of(pszSet ? pszSet : "");
    return n == std::string::npos ? -1 : int(n);
}

int CString::Replace(char chOld, char chNew)
{
    int n = 0;
    for (char& c : m_str)
        if (c == chOld) { c = chNew; ++n; }
    return n;
}

int CString::Replace(const char* pszOld, const char* pszNew)
{
    if (!pszOld || !*pszOld) return 0;
    const std::string from(pszOld), to(pszNew ? pszNew : "");
    int n = 0;
    for (size_t pos = m_str.find(from); pos != std::string::npos; pos = m_str.find(from, pos + to.size())) {
        m_str.replace(pos, from.size(), to);
        ++n;
    }
    return n;
}

int CString::Remove(char ch)
{
    const size_t before = m_str.size();
    m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
    return int(before - m_str.size());
}

int CString::Insert(int nIndex, char ch)
{
    nIndex = std::clamp(nIndex, 0, GetLength());
    m_str.insert(m_str.begin() + nIndex, ch);
    return GetLength();
}

int CString::Insert(int nIndex, const char* psz)
{
    nIndex = std::clamp(nIndex, 0, GetLength());
    m_str.insert(nIndex, psz ? psz : "");
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    nIndex = std::clamp(nIndex, 0, GetLength());
    nCount = std::clamp(nCount, 0, GetLength() - nIndex);
    m_str.erase(nIndex, nCount);
    return GetLength();
}

void CString::TrimLeft() { TrimLeft(kWhitespace); }
void CString::TrimRight() { TrimRight(kWhitespace); }
void CString::TrimLeft(char ch) { const char set[2] = {ch, 0}; TrimLeft(set); }
void CString::TrimRight(char ch) { const char set[2] = {ch, 0}; TrimRight(set); }

void CString::TrimLeft(const char* pszSet)
{
    size_t n = 0;
    while (n < m_str.size() && InSet(m_str[n], pszSet)) ++n;
    m_str.erase(0, n);
}

void CString::TrimRight(const char* pszSet)
{
    size_t n = m_str.size();
    while (n > 0 && InSet(m_str[n - 1], pszSet)) --n;
    m_str.erase(n);
}

void CString::MakeUpper()
{
    for (char& c : m_str)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
}

void CString::MakeLower()
{
    for (char& c : m_str)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
}

int CString::Compare(const char* psz) const
{
    int r = std::strcmp(m_str.c_str(), psz ? psz : "");
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const char* psz) const
{
    CString a(*this), b(psz);
    a.MakeLower();
    b.MakeLower();
    return a.Compare(b);
}

void CString::Format(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(const char* pszFormat, va_list args)
{
    locale_t previous = uselocale(CNumericLocale());
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, pszFormat, copy);
    va_end(copy);
    if (n < 0) {
        m_str.clear();
    } else {
        std::vector<char> buf(size_t(n) + 1);
        std::vsnprintf(buf.data(), buf.size(), pszFormat, args);
        m_str.assign(buf.data(), size_t(n));
    }
    uselocale(previous);
}

BOOL CString::LoadString(UINT nID)
{
    const CString* pText = FindResourceString(AfxGetResourceHandle(), nID);
    m_str = pText ? pText->m_str : std::string();
    return pText != nullptr;
}

char* CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength()) m_str.resize(nMinBufLength);
    return m_str.data();
}

char* CString::GetBufferSetLength(int nNewLength)
{
    m_str.resize(nNewLength > 0 ? nNewLength : 0);
    return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0) nNewLength = int(std::strlen(m_str.c_str()));
    m_str.resize(std::min<size_t>(nNewLength, m_str.size()));
}

CString& CString::operator=(const char* psz)
{
    m_str = psz ? psz : "";
    return *this;
}

CString& CString::operator=(char ch)
{
    m_str.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const char* psz)
{
    if (psz) m_str += psz;
    return *this;
}
