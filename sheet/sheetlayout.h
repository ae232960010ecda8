// Sheet grid and cell helpers shared by every record sheet. Sheets are laid
// out on a grid of 400 across and 500 down (0.01 mm), y negative downwards.
#pragma once

#include <vector>

#include "platform/cobject.h"
#include "platform/cstring.h"

constexpr int kSheetColumn = 400;
constexpr int kSheetRow = 500;
constexpr int kSheetWidth = 18000;
constexpr int kSheetColumns = kSheetWidth / kSheetColumn;

// Text alignments of a cell.
enum { kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2 };

// The rectangle of a box on the grid: left, top, right, bottom.
RECT GridRect(int nCol, int nRow, int nColSpan, int nRowSpan);

// A layout table of four ints per print item, built from grid boxes and lines.
class CLayoutTable {
public:
    // A box of nColSpan columns and nRowSpan rows.
    CLayoutTable& Box(int nCol, int nRow, int nColSpan, int nRowSpan = 1);
    // A box on grid row nRow from the left edge of column nCol1 to that of nCol2.
    CLayoutTable& Span(int nRow, int nCol1, int nCol2, int nRowSpan = 1)
    {
        return Box(nCol1, nRow, nCol2 - nCol1, nRowSpan);
    }
    // nCount boxes side by side, or one below another when bDown is set.
    CLayoutTable& Boxes(int nCol, int nRow, int nColSpan, int nRowSpan, int nCount, bool bDown = false);
    // A horizontal line at the top of grid row nRow from column nCol1 to nCol2.
    CLayoutTable& HLine(int nRow, int nCol1, int nCol2);
    // A vertical line at the left of grid column nCol from row nRow1 to nRow2.
    CLayoutTable& VLine(int nCol, int nRow1, int nRow2);
    // A line or box in sheet units.
    CLayoutTable& Raw(int x1, int y1, int x2, int y2);
    // The four lines around a box.
    CLayoutTable& Frame(int nCol, int nRow, int nColSpan, int nRowSpan);

    const int* Data() const { return m_anValues.data(); }
    int Count() const { return int(m_anValues.size() / 4); }

private:
    std::vector<int> m_anValues;
};

// The layout tables of a sheet page, one per kind of print item.
struct CSheetTables {
    CLayoutTable frame, wline, hline, item, subitem, data;
};

// The page header every library prints above its sheets: the date across
// the width, then project name and page name beside their labels.
const CSheetTables& PageHeaderLayout();
// The memo sheet: department and person in charge, then remarks below a heading.
const CSheetTables& PageMemoLayout();

class CPrintItemClass;

// Sets the rectangle of item i of the array to the four ints at pTable[nStart + 4 i];
// FALSE at the first missing item.
BOOL CopyLayoutToPrintArray(CObArray* pArray, const int* pTable, int nStart);
// The same from a layout table; FALSE too when the table has fewer rectangles.
BOOL CopyLayoutToPrintArray(CObArray* pArray, const CLayoutTable& table, int nStart);
// The item at nIndex of an array of print items, or null.
CPrintItemClass* GetPrintItem(const CObArray* pArray, int nIndex);
// Sets a cell's text and alignment; FALSE when the cell is missing.
BOOL SetCellText(CObArray* pArray, int nIndex, const CString& strText, int nAlign);
// A number cell: all the decimals, trailing zeros dropped, thousands grouped;
// right-aligned. FALSE when the cell is missing.
BOOL SetNumberCell(CObArray* pArray, int nIndex, double dValue);
// Cells nFirst onwards get the number texts of the values; FALSE at the first missing cell.
BOOL SetNumberCells(CObArray* pArray, int nFirst, const std::vector<double>& values, int nAlign = kAlignRight);
// A whole-number cell, "%d", right-aligned.
BOOL SetIntegerCell(CObArray* pArray, int nIndex, int nValue);
// Empties the texts and clears the ticks of cells nFirst to nFirst + nCount - 1.
BOOL ClearCells(CObArray* pArray, int nFirst, int nCount);
// Ticks cell nFirst + nValue of a group of nCount check cells and clears the
// others; a value outside the group ticks nothing. FALSE when a cell is missing.
BOOL SetCheckGroup(CObArray* pArray, int nFirst, int nCount, int nValue);
