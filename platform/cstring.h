// Text held as code page 932 bytes, indexed and measured in bytes.
#pragma once

#include <cstdarg>
#include <string>

#include "platform/afxtypes.h"

class CString {
public:
    CString() = default;
    CString(const char* psz) : m_str(psz ? psz : "") {}
    CString(const char* pch, int nLength) : m_str(pch ? std::string(pch, nLength > 0 ? nLength : 0) : "") {}
    CString(char ch, int nRepeat = 1) : m_str(nRepeat > 0 ? nRepeat : 0, ch) {}
    explicit CString(const std::string& s) : m_str(s) {}

    operator const char*() const { return m_str.c_str(); }
    const std::string& str() const { return m_str; }

    int GetLength() const { return int(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int nIndex) const;
    void SetAt(int nIndex, char ch);
    char operator[](int nIndex) const { return GetAt(nIndex); }

    CString Left(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(const char* pszSet) const;
    CString SpanExcluding(const char* pszSet) const;

    int Find(char ch, int nStart = 0) const;
    int Find(const char* psz, int nStart = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* pszSet) const;

    int Replace(char chOld, char chNew);
    int Replace(const char* pszOld, const char* pszNew);
    int Remove(char ch);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, const char* psz);
    int Delete(int nIndex, int nCount = 1);

    void TrimLeft();
    void TrimLeft(char ch);
    void TrimLeft(const char* pszSet);
    void TrimRight();
    void TrimRight(char ch);
    void TrimRight(const char* pszSet);
    void Trim() { TrimLeft(); TrimRight(); }
    void MakeUpper();
    void MakeLower();

    int Compare(const char* psz) const;
    int CompareNoCase(const char* psz) const;
    int Collate(const char* psz) const { return Compare(psz); }

    void Format(const char* pszFormat, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* pszFormat, va_list args);

    // Loads string nID from the current resource module; FALSE (and empty) when missing.
    BOOL LoadString(UINT nID);

    char* GetBuffer(int nMinBufLength);
    char* GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);

    CString& operator=(const char* psz);
    CString& operator=(char ch);
    CString& operator+=(const CString& s) { m_str += s.m_str; return *this; }
    CString& operator+=(const char* psz);
    CString& operator+=(char ch) { m_str += ch; return *this; }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_str + b.m_str); }
    friend CString operator+(const CString& a, const char* b) { CString r(a); r += b; return r; }
    friend CString operator+(const char* a, const CString& b) { CString r(a); r += b; return r; }
    friend CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }
    friend CString operator+(char a, const CString& b) { CString r(a); r += b; return r; }

    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
    friend bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator!=(const char* a, const CString& b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }
    friend bool operator>(const CString& a, const CString& b) { return b.m_str < a.m_str; }
    friend bool operator<=(const CString& a, const CString& b) { return !(b.m_str < a.m_str); }
    friend bool operator>=(const CString& a, const CString& b) { return !(a.m_str < b.m_str); }

private:
    std::string m_str;
};
