#include "result/pages/resultrows.h"

#include <new>
#include <utility>

#include "sheet/printitem.h"

namespace {

const char kFullWidthSpace[] = "　";

} // namespace

CResultStringArrayClass::CResultStringArrayClass()
{
    InitData();
}

CResultStringArrayClass::~CResultStringArrayClass()
{
    DestroyData();
}

void CResultStringArrayClass::InitData()
{
    m_pstrData = nullptr;
    m_nCount = -1;
}

BOOL CResultStringArrayClass::CreateData(int n)
{
    DestroyData();
    // Four cells more than asked for; a count below -4 cannot be allocated.
    if (n < -4) return FALSE;
    m_pstrData = new (std::nothrow) CString[n + 4];
    if (!m_pstrData) return FALSE;
    m_nCount = n + 4;
    return TRUE;
}

void CResultStringArrayClass::DestroyData()
{
    delete[] m_pstrData;
    InitData();
}

void CResultStringArrayClass::SetData(int nIndex, CString text)
{
    if (nIndex < 0 || nIndex >= m_nCount) return;
    if (text.IsEmpty()) {
        m_pstrData[nIndex] = kFullWidthSpace;
    } else {
        m_pstrData[nIndex] = std::move(text);
    }
}

CString CResultStringArrayClass::GetData(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_nCount ? m_pstrData[nIndex] : CString(kFullWidthSpace);
}

CResultDoubleArrayClass::CResultDoubleArrayClass() : m_pdData(nullptr), m_nCount(-1)
{
}

CResultDoubleArrayClass::~CResultDoubleArrayClass()
{
    DestroyData();
}

BOOL CResultDoubleArrayClass::CreateData(int n)
{
    DestroyData();
    if (n < 0) return FALSE;
    m_pdData = new (std::nothrow) double[n];
    if (!m_pdData) return FALSE;
    m_nCount = n;
    return TRUE;
}

void CResultDoubleArrayClass::DestroyData()
{
    delete[] m_pdData;
    m_pdData = nullptr;
    m_nCount = -1;
}

CString JoinTextParts(const CString& str, int nFirst, int nStep, int nCount)
{
    CString joined;
    for (int i = 0; i < nCount; ++i) {
        if (i > 0) joined += "\n";
        joined += GetTextLine(str, nFirst + i * nStep);
    }
    return joined;
}
