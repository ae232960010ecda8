#include "platform/cobject.h"

#include <algorithm>

void CObArray::SetSize(int nNewSize)
{
    m_items.resize(std::max(nNewSize, 0), nullptr);
}

void CObArray::SetAt(int nIndex, CObject* p)
{
    if (nIndex >= 0 && nIndex < GetSize()) m_items[nIndex] = p;
}

void CObArray::SetAtGrow(int nIndex, CObject* p)
{
    if (nIndex < 0) return;
    if (nIndex >= GetSize()) SetSize(nIndex + 1);
    m_items[nIndex] = p;
}

int CObArray::Add(CObject* p)
{
    m_items.push_back(p);
    return GetUpperBound();
}

void CObArray::InsertAt(int nIndex, CObject* p, int nCount)
{
    nIndex = std::clamp(nIndex, 0, GetSize());
    m_items.insert(m_items.begin() + nIndex, std::max(nCount, 0), p);
}

void CObArray::RemoveAt(int nIndex, int nCount)
{
    if (nIndex < 0 || nIndex >= GetSize() || nCount <= 0) return;
    nCount = std::min(nCount, GetSize() - nIndex);
    m_items.erase(m_items.begin() + nIndex, m_items.begin() + nIndex + nCount);
}

CDeleteObArray::~CDeleteObArray()
{
    for (int i = 0; i < GetSize(); ++i) delete GetAt(i);
    RemoveAll();
}
