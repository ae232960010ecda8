#include "data/datataxblock.h"

#include <algorithm>

namespace {

bool HasEdge(const std::vector<int>& edges, int x)
{
    return std::find(edges.begin(), edges.end(), x) != edges.end();
}

const std::vector<int> kScheduleHeadEdges = {8, 15, 23, 30, 37};
const std::vector<int> kScheduleStepEdges = {8, 11, 15, 18, 23, 26, 30, 36, 37, 38, 41, 42};

} // namespace

void CDataTaxBlockLayout::Item(int nRow, int nCol1, int nCol2, UINT nID, int nRows)
{
    item.Span(nRow, nCol1, nCol2, nRows);
    items.push_back(nID);
}

void CDataTaxBlockLayout::SubItem(int nRow, int nCol1, int nCol2, UINT nID)
{
    subitem.Span(nRow, nCol1, nCol2);
    subitems.push_back(nID);
}

void CDataTaxBlockLayout::Data(int nRow, int nCol1, int nCol2)
{
    data.Span(nRow, nCol1, nCol2);
}

void CDataTaxBlockLayout::RowLines(int nRow1, int nRow2, int nCol1, int nCol2)
{
    for (int r = nRow1; r < nRow2; ++r) wline.HLine(r, nCol1, nCol2);
}

void CDataTaxBlockLayout::CellEdges(const std::vector<std::vector<int>>& rowEdges)
{
    const int nRows = int(rowEdges.size());
    for (int r = 0; r < nRows; ++r) {
        for (int x : rowEdges[r]) {
            if (r > 0 && HasEdge(rowEdges[r - 1], x)) continue; // drawn with the row above
            int end = r + 1;
            while (end < nRows && HasEdge(rowEdges[end], x)) ++end;
            hline.VLine(x, r, end);
        }
    }
}

void CDataTaxBlockLayout::ChoiceRow(int nRow, UINT nLabel, UINT nFirst, UINT nSecond)
{
    Item(nRow, 0, 13, nLabel);
    SubItem(nRow, 14, 29, nFirst);
    SubItem(nRow, 30, 45, nSecond);
    Data(nRow, 13, 14);
    Data(nRow, 29, 30);
}

void CDataTaxBlockLayout::ScheduleItems(int nRow, UINT nFirstLabel)
{
    const std::vector<int>& heads = kScheduleHeadEdges;
    UINT id = nFirstLabel;
    for (int r = nRow; r <= nRow + CDataRateClass::kStepCount; ++r) Item(r, 0, 8, id++);
    for (int i = 0; i + 1 < int(heads.size()); ++i) Item(nRow, heads[i], heads[i + 1], id++);
    Item(nRow, heads.back(), kSheetColumns, id);
}

void CDataTaxBlockLayout::ScheduleCells(int nRow, UINT nFirstText)
{
    // Each value cell and the text after it: first year, last year, interval,
    // rate, rise, fall.
    static const struct { int nValue1, nValue2, nText2; } kSteps[] = {
        {8, 11, 15}, {15, 18, 23}, {23, 26, 30}, {30, 36, 37}, {37, 38, 41}, {41, 42, 45},
    };
    for (int r = nRow; r < nRow + CDataRateClass::kStepCount; ++r) {
        UINT id = nFirstText;
        for (const auto& s : kSteps) {
            SubItem(r, s.nValue2, s.nText2, id++);
            Data(r, s.nValue1, s.nValue2);
        }
    }
}

namespace taxblock {

const std::vector<int> kChoiceRowEdges = {13, 14, 29, 30};

std::vector<std::vector<int>> WithScheduleEdges(std::vector<std::vector<int>> rowEdges)
{
    rowEdges.push_back(kScheduleHeadEdges);
    rowEdges.insert(rowEdges.end(), CDataRateClass::kStepCount, kScheduleStepEdges);
    return rowEdges;
}

} // namespace taxblock
