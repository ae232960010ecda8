#include "result/pages/resultrows.h"

#include <new>

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
