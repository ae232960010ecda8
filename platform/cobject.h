// Object base and the pointer array of the framework layer.
#pragma once

#include <vector>

#include "platform/afxtypes.h"

class CObject {
public:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
    virtual ~CObject() = default;
};

// Array of object pointers; it never deletes what it points to.
class CObArray : public CObject {
public:
    int GetSize() const { return int(m_items.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return m_items.empty(); }
    void SetSize(int nNewSize);

    // Null outside the array.
    CObject* GetAt(int nIndex) const
    {
        return (nIndex >= 0 && nIndex < GetSize()) ? m_items[std::size_t(nIndex)] : nullptr;
    }
    void SetAt(int nIndex, CObject* p);
    // Sets element nIndex, growing the array with nulls as needed; a negative index does nothing.
    void SetAtGrow(int nIndex, CObject* p);
    CObject*& ElementAt(int nIndex) { return m_items.at(nIndex); }
    CObject* operator[](int nIndex) const { return GetAt(nIndex); }

    int Add(CObject* p);
    void InsertAt(int nIndex, CObject* p, int nCount = 1);
    void RemoveAt(int nIndex, int nCount = 1);
    void RemoveAll() { m_items.clear(); }

private:
    std::vector<CObject*> m_items;
};

// Owns its elements: destroying the array deletes every non-null element.
class CDeleteObArray : public CObArray {
public:
    CDeleteObArray() = default;
    ~CDeleteObArray() override;
    CDeleteObArray(const CDeleteObArray&) = delete;
    CDeleteObArray& operator=(const CDeleteObArray&) = delete;
};
