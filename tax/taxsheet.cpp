#include "tax/taxsheet.h"

CTaxSheetLayout::CTaxSheetLayout(int nRows, UINT nTitleID, UINT nLabelID)
    : nTitleID(nTitleID), nLabelID(nLabelID), nRows(nRows)
{
    frame.Frame(0, 0, kSheetColumns, nRows);
    for (int r = 1; r < nRows; ++r) wline.HLine(r, 0, kSheetColumns);
}

CTaxSheetLayout& CTaxSheetLayout::Heading(int nRow)
{
    return Label(nRow, 0, kSheetColumns);
}

CTaxSheetLayout& CTaxSheetLayout::Label(int nRow, int nCol1, int nCol2)
{
    item.Span(nRow, nCol1, nCol2);
    return *this;
}

CTaxSheetLayout& CTaxSheetLayout::Value(int nRow, int nCol1, int nCol2)
{
    data.Span(nRow, nCol1, nCol2);
    return *this;
}

CTaxSheetLayout& CTaxSheetLayout::Unit(int nRow, int nCol1, int nCol2, UINT nID)
{
    subitem.Span(nRow, nCol1, nCol2);
    anUnitID.push_back(nID);
    return *this;
}

CTaxSheetLayout& CTaxSheetLayout::ValueRow(int nRow, int nCol1, int nCol2, UINT nUnitID)
{
    return Label(nRow, 0, nCol1).Value(nRow, nCol1, nCol2).Unit(nRow, nCol2, kSheetColumns, nUnitID);
}

CTaxSheetLayout& CTaxSheetLayout::Rule(int nCol, int nRow1, int nRow2)
{
    hline.VLine(nCol, nRow1, nRow2 + 1);
    return *this;
}

void AddStepRow(CTaxSheetLayout& layout, int nRow, const CTaxStepColumns& c, bool bUpper)
{
    layout.Value(nRow, 0, 6).Unit(nRow, 6, 11, c.nOverID);
    if (bUpper) layout.Value(nRow, 11, c.nUpperEnd).Unit(nRow, c.nUpperEnd, 22, c.nUnderID);
    layout.Value(nRow, 22, 28).Unit(nRow, 28, kSheetColumns, c.nUnitID);
}
