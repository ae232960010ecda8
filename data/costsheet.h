// Layout and label pieces shared by the running-cost and construction-cost
// sheets.
#pragma once

#include <initializer_list>
#include <vector>

#include "data/dataclass.h"
#include "sheet/sheetlayout.h"

// Option cells of grid row nRow: a tick cell one column wide at each column
// given (a value) and its label (a sub-label) from the next column up to the
// following tick, the last one up to the sheet's right edge.
void AddOptionCells(CSheetTables& t, int nRow, std::initializer_list<int> cols);

// String ids in cell order.
class CIdList {
public:
    CIdList(std::initializer_list<UINT> ids = {}) : m_anIds(ids) {}
    CIdList& Add(std::initializer_list<UINT> ids);
    // Ids nFirst to nLast, nTimes over.
    CIdList& Run(UINT nFirst, UINT nLast, int nTimes = 1);
    const std::vector<UINT>& Ids() const { return m_anIds; }

private:
    std::vector<UINT> m_anIds;
};
