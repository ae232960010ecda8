#include "data/costsheet.h"

void AddOptionCells(CSheetTables& t, int nRow, std::initializer_list<int> cols)
{
    for (auto it = cols.begin(); it != cols.end(); ++it) {
        const int nNext = (it + 1 != cols.end()) ? *(it + 1) : kSheetColumns;
        t.data.Box(*it, nRow, 1);
        t.subitem.Box(*it + 1, nRow, nNext - *it - 1);
    }
}

CIdList& CIdList::Add(std::initializer_list<UINT> ids)
{
    m_anIds.insert(m_anIds.end(), ids);
    return *this;
}

CIdList& CIdList::Run(UINT nFirst, UINT nLast, int nTimes)
{
    for (int n = 0; n < nTimes; ++n)
        for (UINT id = nFirst; id <= nLast; ++id) m_anIds.push_back(id);
    return *this;
}
