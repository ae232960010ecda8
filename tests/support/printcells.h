// Probes of a built sheet of the record libraries: cell texts and the
// element counts of a page.
#pragma once

#include <array>
#include <string>

#include "platform/codepage.h"
#include "sheet/printitem.h"
#include "sheet/sheetlayout.h"

// UTF-8 text of cell i, or "<none>" when the cell is missing.
inline std::string CellText(const CObArray* pArray, int i)
{
    const CPrintItemClass* pItem = GetPrintItem(pArray, i);
    return pItem ? CP932ToUtf8(pItem->m_strText) : "<none>";
}

// The code page 932 bytes of cell i, or "<none>" when the cell is missing.
inline std::string CellBytes(const CObArray* pArray, int i)
{
    const CPrintItemClass* pItem = GetPrintItem(pArray, i);
    return pItem ? std::string(pItem->m_strText) : "<none>";
}

// Frame, W-line, H-line, label, sub-label and value counts of page p; -1
// for a missing array.
template <class TRecord>
std::array<int, 6> PageCounts(const TRecord& record, int p = 0)
{
    auto size = [](const CObArray* a) { return a ? a->GetSize() : -1; };
    return {size(record.m_apFrame[p]), size(record.m_apWLine[p]), size(record.m_apHLine[p]),
            size(record.m_apItem[p]), size(record.m_apSubItem[p]), size(record.m_apData[p])};
}
