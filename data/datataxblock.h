// Records printed as one block of a data sheet page: their layout tables
// with the labels' string ids, and the rows of a rise/fall schedule.
#pragma once

#include <vector>

#include "data/dataclass.h"
#include "data/datarate.h"
#include "sheet/sheetlayout.h"

// The layout of a one-page block: the rectangles of each kind of print item,
// with the string ids of the labels and sub-labels in item order. Cells are
// given in grid units: row, first and last column.
struct CDataTaxBlockLayout : CSheetTables {
    std::vector<UINT> items, subitems;

    void Item(int nRow, int nCol1, int nCol2, UINT nID, int nRows = 1);
    void SubItem(int nRow, int nCol1, int nCol2, UINT nID);
    void Data(int nRow, int nCol1, int nCol2);
    // Inner row lines at the tops of rows nRow1 to nRow2 - 1.
    void RowLines(int nRow1, int nRow2, int nCol1 = 0, int nCol2 = kSheetColumns);
    // Column lines along the cell edges of each row from row 0; an edge that
    // consecutive rows share is one line.
    void CellEdges(const std::vector<std::vector<int>>& rowEdges);
    // Label [0-13], check [13-14] first choice [14-29], check [29-30] second
    // choice [30-45].
    void ChoiceRow(int nRow, UINT nLabel, UINT nFirst, UINT nSecond);
    // The rise/fall schedule: the head row nRow with its label and five column
    // heads (ids nFirstLabel on: label, four step labels, heads), and the four
    // step rows below, each with six cells and the six texts nFirstText on.
    void ScheduleItems(int nRow, UINT nFirstLabel);
    void ScheduleCells(int nRow, UINT nFirstText);
};

namespace taxblock {

// Cell edges of a choice row.
extern const std::vector<int> kChoiceRowEdges;
// The cell edges of rows followed by those of the schedule's head and step rows.
std::vector<std::vector<int>> WithScheduleEdges(std::vector<std::vector<int>> rowEdges);

} // namespace taxblock

// A record printed as one block on page 0 of its sheet, laid out by
// T::BlockLayout() and titled by string T::TitleID() (0: the record's title text).
template <class T>
class TDataTaxBlockClass : public CDataClass {
public:
    void DestroyData() override { InitData(); }
    void ReportDraw(CDC* pDC) override { DrawPrintPage(pDC, 0, Self().TitleID()); }
    BOOL SetFramePoint(int) override { return PlacePageItems(m_apFrame, 0, Layout().frame); }
    BOOL SetWLinePoint(int) override { return PlacePageItems(m_apWLine, 0, Layout().wline); }
    BOOL SetHLinePoint(int) override { return PlacePageItems(m_apHLine, 0, Layout().hline); }
    BOOL SetItemPoint(int) override { return PlacePageItems(m_apItem, 0, Layout().item); }
    BOOL SetItemData(int) override { return SetStringCells(m_apItem[0], 0, Layout().items, 1); }
    BOOL SetSubItemPoint(int) override { return PlacePageItems(m_apSubItem, 0, Layout().subitem); }
    BOOL SetSubItemData(int) override { return SetStringCells(m_apSubItem[0], 0, Layout().subitems, 0); }
    BOOL SetDataPoint(int) override { return PlacePageItems(m_apData, 0, Layout().data); }
    // One page, whatever the count asked for.
    void CreatePrintArray(int) override
    {
        CDataClass::CreatePrintArray(1);
        BuildPrintPage(0, Layout());
    }

private:
    const T& Self() const { return static_cast<const T&>(*this); }
    const CDataTaxBlockLayout& Layout() const { return Self().BlockLayout(); }
};
