// Reading a page's rows by position.
#pragma once

#include "result/pages/resultbase.h"

// Row nIndex of a page as Row; null when it is missing or of another type.
template <class Row>
Row* PageRow(const CResultBaseClass& page, int nIndex)
{
    return page.m_pItemArray ? dynamic_cast<Row*>(page.m_pItemArray->GetAt(nIndex)) : nullptr;
}

// The page holds rows 0 to nRows - 1, each a Row.
template <class Row>
bool HasPageRows(const CResultBaseClass& page, int nRows)
{
    for (int i = 0; i < nRows; ++i)
        if (!PageRow<Row>(page, i)) return false;
    return true;
}
