#include "file/filefield.h"

#include <cassert>

#include "platform/codepage.h"

int GetFileInt(const BYTE* pBlock, int nOffset)
{
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i) u = (u << 8) | pBlock[nOffset + i];
    return int(u);
}

void SetFileInt(BYTE* pBlock, int nOffset, int nValue)
{
    std::uint32_t u = std::uint32_t(nValue);
    for (int i = 0; i < 4; ++i) pBlock[nOffset + i] = BYTE(u >> (8 * i));
}

namespace {

template <class T, class U>
T LoadScalar(const BYTE* p)
{
    U u = 0;
    for (int i = int(sizeof(U)) - 1; i >= 0; --i) u = U(u << 8) | p[i];
    T v;
    std::memcpy(&v, &u, sizeof v);
    return v;
}

template <class U, class T>
void StoreScalar(BYTE* p, T v)
{
    U u;
    std::memcpy(&u, &v, sizeof u);
    for (int i = 0; i < int(sizeof(U)); ++i) p[i] = BYTE(u >> (8 * i));
}

} // namespace

double GetFileDouble(const BYTE* pBlock, int nOffset)
{
    return LoadScalar<double, std::uint64_t>(pBlock + nOffset);
}

void SetFileDouble(BYTE* pBlock, int nOffset, double dValue)
{
    StoreScalar<std::uint64_t>(pBlock + nOffset, dValue);
}

CBlockExchange::CBlockExchange(BYTE* pBlock, int nSize, bool bStoring, int nSizeWord)
    : m_pBlock(pBlock), m_nSize(nSize), m_bStoring(bStoring)
{
    if (!m_bStoring) return;
    std::memset(m_pBlock, 0, size_t(nSize));
    SetFileInt(m_pBlock, 0, nSizeWord < 0 ? nSize : nSizeWord);
}

void CBlockExchange::Int(int nOffset, int& nValue)
{
    assert(nOffset + 4 <= m_nSize);
    if (m_bStoring) SetFileInt(m_pBlock, nOffset, nValue);
    else nValue = GetFileInt(m_pBlock, nOffset);
}

void CBlockExchange::Double(int nOffset, double& dValue)
{
    assert(nOffset + 8 <= m_nSize);
    if (m_bStoring) StoreScalar<std::uint64_t>(m_pBlock + nOffset, dValue);
    else dValue = LoadScalar<double, std::uint64_t>(m_pBlock + nOffset);
}

void CBlockExchange::Float(int nOffset, double& dValue)
{
    assert(nOffset + 4 <= m_nSize);
    if (m_bStoring) StoreScalar<std::uint32_t>(m_pBlock + nOffset, float(dValue));
    else dValue = LoadScalar<float, std::uint32_t>(m_pBlock + nOffset);
}

void CBlockExchange::Text(int nOffset, int nWidth, CString& str)
{
    assert(nOffset + nWidth <= m_nSize);
    if (m_bStoring) WriteFileText(m_pBlock + nOffset, nWidth, str);
    else str = ReadFileText(m_pBlock + nOffset, nWidth);
}

void CBlockExchange::Count(int nOffset, int nValue)
{
    if (m_bStoring) SetFileInt(m_pBlock, nOffset, nValue);
}

int FitCP932(const CString& str, int nMaxBytes)
{
    int n = 0;
    while (n < str.GetLength()) {
        const int nChar = IsCP932LeadByte(BYTE(str[n])) ? 2 : 1;
        if (n + nChar > nMaxBytes) break;
        n += nChar;
    }
    return n;
}

CString ReadFileText(const BYTE* pField, int nWidth)
{
    const char* psz = reinterpret_cast<const char*>(pField);
    return CString(psz, int(strnlen(psz, size_t(nWidth))));
}

void WriteFileText(BYTE* pField, int nWidth, const CString& str)
{
    const int n = FitCP932(str, nWidth - 1);
    std::memcpy(pField, str.str().data(), size_t(n));
    std::memset(pField + n, 0, size_t(nWidth - n));
}
