// Helpers for the tax-rate sheet tests: cell texts and rectangles, counts of
// a built page, and the program's print settings for rendering.
#pragma once

#include <array>
#include <string>

#include "platform/codepage.h"
#include "sheet/printitem.h"
#include "sheet/sheetlayout.h"
#include "tax/taxclass.h"
#include "tests/support/printcells.h"
#include "tests/support/render.h"

inline std::array<int, 4> CellRect(const CObArray* pArray, int i)
{
    const CPrintItemClass* pItem = GetPrintItem(pArray, i);
    if (!pItem) return {-1, -1, -1, -1};
    return {pItem->m_nX1, pItem->m_nY1, pItem->m_nX2, pItem->m_nY2};
}

inline int CellCheck(const CObArray* pArray, int i)
{
    const CPrintItemClass* pItem = GetPrintItem(pArray, i);
    return pItem ? pItem->m_nCheck : -1;
}

inline int CellAlign(const CObArray* pArray, int i)
{
    const CPrintItemClass* pItem = GetPrintItem(pArray, i);
    return pItem ? pItem->m_nAlign : -1;
}

// Every placing operation of page p finds a rectangle for each item.
inline bool PlacesEveryItem(CTaxClass& record, int p)
{
    return record.SetFramePoint(p) && record.SetWLinePoint(p) && record.SetHLinePoint(p) &&
           record.SetItemPoint(p) && record.SetSubItemPoint(p) && record.SetDataPoint(p);
}

// The program's fonts and pens for the tax sheets.
inline void UseSheetPrintSettings()
{
    UseSheetPrintSettings(SetTaxPrintFont, SetTaxPrintTitleFont, SetTaxPrintPen, SetTaxPrintFramePen);
}
