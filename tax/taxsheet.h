// One-page tax sheets built from a layout: the placing and filling operations
// of a tax record, read from the record's static layout and its values.
#pragma once

#include <vector>

#include "sheet/sheetlayout.h"
#include "tax/taxclass.h"

// Where the print items of a one-page tax sheet go, what its labels and units
// say, its title and its height. Columns and rows are grid cells; a span
// nCol1-nCol2 runs from the left edge of nCol1 to the left edge of nCol2.
struct CTaxSheetLayout : CSheetTables {
    // A frame nRows rows high across the width, with a rule under every row but the last.
    CTaxSheetLayout(int nRows, UINT nTitleID, UINT nLabelID);

    // A label across the whole row.
    CTaxSheetLayout& Heading(int nRow);
    CTaxSheetLayout& Label(int nRow, int nCol1, int nCol2);
    CTaxSheetLayout& Value(int nRow, int nCol1, int nCol2);
    CTaxSheetLayout& Unit(int nRow, int nCol1, int nCol2, UINT nID);
    // Label, value and unit side by side, split at columns nCol1 and nCol2.
    CTaxSheetLayout& ValueRow(int nRow, int nCol1, int nCol2, UINT nUnitID);
    // A column rule at nCol from the top of row nRow1 to the bottom of row nRow2.
    CTaxSheetLayout& Rule(int nCol, int nRow1, int nRow2);

    std::vector<UINT> anUnitID; // string of each sub-item, in order
    UINT nTitleID;
    UINT nLabelID;              // label i is string nLabelID + i
    int nRows;
    bool bMovesOrigin = true;   // false: the caller places the sheet
};

// Columns of a bracket row: lower bound, "over" word, upper bound, "at most"
// word, value and unit; the row of the last bracket has no upper bound.
struct CTaxStepColumns {
    int nUpperEnd;              // right edge of the upper bound's cell
    UINT nOverID;
    UINT nUnderID;
    UINT nUnitID;
};
void AddStepRow(CTaxSheetLayout& layout, int nRow, const CTaxStepColumns& columns, bool bUpper);

// The values of a bracket row in cell order.
template <class TStep>
void AppendStepValues(std::vector<double>& adValues, const TStep& step, bool bUpper)
{
    adValues.push_back(step.m_dLower);
    if (bUpper) adValues.push_back(step.m_dUpper);
    adValues.push_back(step.m_dValue);
}

// TRUE when the array exists and a list of nCount entries has one for each of its cells.
inline bool ListCoversArray(const CObArray* pArray, size_t nCount)
{
    return pArray && size_t(pArray->GetSize()) <= nCount;
}

// The operations of a tax record with a one-page sheet. TRecord supplies
//   static const CTaxSheetLayout& SheetLayout();
//   std::vector<double> SheetValues() const;   // one value per cell, in cell order
template <class TRecord>
class TTaxSheetClass : public CTaxClass {
public:
    void DestroyData() override { this->InitData(); }
    void ReportDraw(CDC* pDC) override
    {
        if (Sheet().bMovesOrigin) DrawStackedSheet(pDC, Sheet().nRows);
        else DrawPrintPage(pDC, 0, 0);
    }
    BOOL SetFramePoint(int nPage) override { return PlacePageItems(m_apFrame, nPage, Sheet().frame); }
    BOOL SetWLinePoint(int nPage) override { return PlacePageItems(m_apWLine, nPage, Sheet().wline); }
    BOOL SetHLinePoint(int nPage) override { return PlacePageItems(m_apHLine, nPage, Sheet().hline); }
    BOOL SetItemPoint(int nPage) override { return PlacePageItems(m_apItem, nPage, Sheet().item); }
    BOOL SetItemData(int nPage) override
    {
        return SetStringCells(PageArray(m_apItem, nPage), Sheet().nLabelID, 1);
    }
    BOOL SetSubItemPoint(int nPage) override { return PlacePageItems(m_apSubItem, nPage, Sheet().subitem); }
    BOOL SetSubItemData(int nPage) override
    {
        CObArray* pArray = PageArray(m_apSubItem, nPage);
        return ListCoversArray(pArray, Sheet().anUnitID.size()) && SetStringCells(pArray, 0, Sheet().anUnitID, 0);
    }
    BOOL SetDataPoint(int nPage) override { return PlacePageItems(m_apData, nPage, Sheet().data); }
    BOOL SetDataData(int nPage) override
    {
        if (nPage != 0) return FALSE;
        SetTitle(Sheet().nTitleID);
        const std::vector<double> values = static_cast<const TRecord*>(this)->SheetValues();
        return ListCoversArray(m_apData[0], values.size()) && SetNumberCells(m_apData[0], 0, values);
    }
    void CreatePrintArray(int) override
    {
        CTaxClass::CreatePrintArray(1);
        BuildPrintPage(0, Sheet());
    }

private:
    static const CTaxSheetLayout& Sheet() { return TRecord::SheetLayout(); }
};
