#include "result/pages/resultbase.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <new>

CResultBaseClass::CResultBaseClass()
{
    CResultBaseClass::InitData();
}

CResultBaseClass::~CResultBaseClass()
{
    CResultBaseClass::DestroyData();
}

CResultBaseClass::CResultBaseClass(const CResultBaseClass& other)
    : m_pItemArray(nullptr), m_sizePage(other.m_sizePage)
{
    std::copy(std::begin(other.m_anYear), std::end(other.m_anYear), m_anYear);
}

CResultBaseClass& CResultBaseClass::operator=(const CResultBaseClass& other)
{
    if (this != &other) {
        delete m_pItemArray;
        m_pItemArray = nullptr;
        m_sizePage = other.m_sizePage;
        std::copy(std::begin(other.m_anYear), std::end(other.m_anYear), m_anYear);
    }
    return *this;
}

void CResultBaseClass::InitData()
{
    m_pItemArray = nullptr;
    m_sizePage = CSize(0, 0);
    std::fill(std::begin(m_anYear), std::end(m_anYear), -1);
}

void CResultBaseClass::CreateData()
{
    m_pItemArray = new (std::nothrow) CDeleteObArray;
}

void CResultBaseClass::DestroyData()
{
    delete m_pItemArray;
    InitData();
}

void CResultBaseClass::ReportDraw(CDC*)
{
}

CResultGraphClass::CResultGraphClass()
{
    InitData();
}

void CResultGraphClass::InitData()
{
    CResultBaseClass::InitData();
    m_nAxisMin = 0;
    m_nAxisMax = 0;
    m_nAxisStep = 0;
    m_nYearCount = 0;
}

void CResultGraphClass::SplitAxisValue(double dValue, int* pnSteps, int* pnRest, int* pbPositive) const
{
    *pbPositive = dValue >= 0 ? 1 : 0;
    const double v = std::fabs(dValue) * 0.001;
    // k steps fit while k x step <= v, that is while k x step <= the whole part of v.
    const int nWhole = v < INT_MAX ? int(v) : (std::isnan(v) ? 0 : INT_MAX);
    // An axis never set (step 0) holds no whole step.
    *pnSteps = m_nAxisStep > 0 ? nWhole / m_nAxisStep : 0;
    *pnRest = nWhole - *pnSteps * m_nAxisStep;
}
