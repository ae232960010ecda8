#include "tax/taxstandardmoney.h"

#include "sheet/sheetlayout.h"

namespace {

// Threshold tests: kind 1 is the strict one.
bool Reaches(double value, double threshold, int nExclusive)
{
    return nExclusive == 1 ? value > threshold : value >= threshold;
}

// First of nRows rows that takes the level, or -1. An inverted row (the last
// row, upper end 0) takes every level; the lower end is not tested.
int FindBurdenRow(const CTaxBurdenLevelClass* aLevel, int nRows, double level)
{
    for (int i = 0; i < nRows; ++i) {
        const CTaxBurdenLevelClass& row = aLevel[i];
        if (row.m_dLower > row.m_dUpper) return i;
        if (row.m_nUpperInclusive == 1 ? level <= row.m_dUpper : level < row.m_dUpper) return i;
    }
    return -1;
}

// The sheet's three pages.
enum Page { kHousePage, kBusinessPage, kPriceDropPage };
constexpr int kPriceDropRows = 6;
constexpr int kPageAdvance[] = {9, 11, 8}; // rows the origin moves after each page
constexpr UINT kTitleID = 10002;           // + page

// The kinds of print items, in the order of their tables.
enum Kind { kFrame, kWLine, kHLine, kItem, kSubItem, kData, kKinds };
using Tables = CSheetTables;
constexpr int kCounts[][kKinds] = {
    {4, 6, 11, 2, 28, 39},
    {4, 7, 12, 2, 36, 46},
    {4, 5, 10, 6, 8, 12},
};

// Burden-level pages, in grid columns: lower value, two kinds, "～", upper
// value, two kinds, factor.
constexpr int kFactorCol = 36;
constexpr int kFullRowCells = 7;
constexpr int kFullRowWords = 5;
constexpr UINT kPercentID = 0, kMarkID = 2, kHeadingID = 500, kPriceDropLabelID = 510;
constexpr UINT kAtLeastID = 550, kNoteID = 555, kUseID = 560;

void AddBurdenPage(Tables& l, int nRows, bool bPercentRow)
{
    const int nBottom = nRows + 1;
    const int nLast = nRows; // grid row of the last table row
    l.frame.Frame(0, 0, kSheetColumns, nBottom);
    l.hline.VLine(kFactorCol, 0, nBottom);
    for (int col : {9, 10, 13, 14, 17}) l.hline.VLine(col, 1, nBottom);
    for (int col : {19, 28, 29, 32, 33}) l.hline.VLine(col, 1, nLast);
    if (bPercentRow) l.hline.VLine(44, nLast, nBottom);
    l.item.Box(0, 0, kFactorCol).Box(kFactorCol, 0, kSheetColumns - kFactorCol);
    for (int row = 1; row < nLast; ++row) {
        l.data.Box(0, row, 9).Box(9, row, 1).Box(13, row, 1);
        l.data.Box(19, row, 9).Box(28, row, 1).Box(32, row, 1).Box(kFactorCol, row, 9);
    }
    l.data.Box(0, nLast, 9).Box(9, nLast, 1).Box(13, nLast, 1).Box(kFactorCol, nLast, bPercentRow ? 8 : 9);
}

// Sub-labels of the burden pages: the residential page takes the first ones
// of the non-residential page's, which sit in the same places.
void AddBurdenWords(CLayoutTable& t, int nRows)
{
    for (int row = 1; row <= nRows; ++row) {
        t.Box(10, row, 3).Box(14, row, 3).Box(17, row, 2);
        if (row < nRows) t.Box(29, row, 3).Box(33, row, 3);
    }
    t.Box(33, nRows, 3).Box(44, nRows, 1).Box(0, nRows + 1, kSheetColumns);
}

void AddPriceDropPage(Tables& l)
{
    l.frame.Frame(0, 0, kSheetColumns, kPriceDropRows);
    for (int col : {12, 13, 28, 29}) l.hline.VLine(col, 0, 1);
    for (int col : {12, 28, 29, 36, 37}) l.hline.VLine(col, 2, 5);
    l.hline.VLine(18, 5, 6);
    l.item.Box(0, 0, 12).Box(0, 1, kSheetColumns).Boxes(0, 2, 12, 1, 3, true).Box(0, 5, 18);
    l.subitem.Box(13, 0, 15).Box(29, 0, 16);
    l.data.Box(12, 0, 1).Box(28, 0, 1);
    for (int row = 2; row < 5; ++row) {
        l.subitem.Box(29, row, 7).Box(37, row, 8);
        l.data.Box(12, row, 16).Box(28, row, 1).Box(36, row, 1);
    }
    l.data.Box(18, 5, kSheetColumns - 18);
}

const Tables& Layout()
{
    static const Tables t = [] {
        Tables l;
        for (int row = 1; row <= 7; ++row) l.wline.HLine(row, 0, kSheetColumns);
        AddBurdenPage(l, CTaxStandardMoneyClass::kHouseRows, false);
        AddBurdenPage(l, CTaxStandardMoneyClass::kBusinessRows, true);
        AddBurdenWords(l.subitem, CTaxStandardMoneyClass::kBusinessRows);
        AddPriceDropPage(l);
        return l;
    }();
    return t;
}

// First rectangle of page nPage in the table of a kind. The pages share the
// row rules, and the two burden pages their sub-labels.
int FirstOf(Kind kind, int nPage)
{
    if (kind == kWLine || (kind == kSubItem && nPage != kPriceDropPage)) return 0;
    int n = 0;
    for (int p = (kind == kSubItem ? kBusinessPage : 0); p < nPage; ++p) n += kCounts[p][kind];
    return n;
}

// Places page nPage of the record's arrays apArray of one kind.
BOOL PlacePage(CObArray* const (&apArray)[CTaxClass::kPageCount], Kind kind, int nPage)
{
    if (nPage >= CTaxStandardMoneyClass::kSheetPages) return FALSE;
    const Tables& t = Layout();
    const CLayoutTable* tables[kKinds] = {&t.frame, &t.wline, &t.hline, &t.item, &t.subitem, &t.data};
    return CTaxClass::PlacePageItems(apArray, nPage, *tables[kind], FirstOf(kind, nPage));
}

BOOL FillBurdenWords(CObArray* pSubItem, int nRows, bool bPercentRow)
{
    const UINT w = kAtLeastID; // "以上", "超", "～", "未満", "以下"
    int n = 0;
    for (int r = 0; r < nRows - 1; ++r, n += kFullRowWords)
        if (!CTaxClass::SetStringCells(pSubItem, n, w, kFullRowWords, 1)) return FALSE;
    if (!CTaxClass::SetStringCells(pSubItem, n, w, 3, 1)) return FALSE;
    if (!bPercentRow) return TRUE;
    return CTaxClass::SetStringCells(pSubItem, n + 3, kMarkID, 1, 2) &&
           CTaxClass::SetStringCells(pSubItem, n + 4, kPercentID, 1, 1) &&
           CTaxClass::SetStringCells(pSubItem, n + 5, kNoteID, 1, 0);
}

BOOL FillBurdenValues(CObArray* pData, const CTaxBurdenLevelClass* aLevel, int nRows)
{
    int n = 0;
    for (int r = 0; r < nRows - 1; ++r, n += kFullRowCells) {
        const CTaxBurdenLevelClass& row = aLevel[r];
        if (!SetNumberCell(pData, n, row.m_dLower) || !SetCheckGroup(pData, n + 1, 2, row.m_nLowerExclusive) ||
            !SetNumberCell(pData, n + 3, row.m_dUpper) || !SetCheckGroup(pData, n + 4, 2, row.m_nUpperInclusive) ||
            !SetNumberCell(pData, n + 6, row.m_dRate))
            return FALSE;
    }
    const CTaxBurdenLevelClass& last = aLevel[nRows - 1];
    return SetNumberCell(pData, n, last.m_dLower) && SetCheckGroup(pData, n + 1, 2, last.m_nLowerExclusive) &&
           SetNumberCell(pData, n + 3, last.m_dRate);
}

BOOL FillPriceDropValues(CObArray* pData, const CTaxPriceDropClass& drop)
{
    return SetCheckGroup(pData, 0, 2, drop.m_nPriceDropUse) &&
           SetNumberCell(pData, 2, drop.m_dPriceDropRate) &&
           SetCheckGroup(pData, 3, 2, drop.m_nPriceDropExclusive) &&
           SetNumberCell(pData, 5, drop.m_dHouseLevel) &&
           SetCheckGroup(pData, 6, 2, drop.m_nHouseLevelExclusive) &&
           SetNumberCell(pData, 8, drop.m_dBusinessLevel) &&
           SetCheckGroup(pData, 9, 2, drop.m_nBusinessLevelExclusive) &&
           SetNumberCells(pData, 11, {drop.m_dAdjustRate}, 0); // left-aligned
}

} // namespace

void CTaxBurdenLevelClass::InitData()
{
    CTaxClass::InitData();
    m_dLower = 0;
    m_nLowerExclusive = 0;
    m_dUpper = 0;
    m_nUpperInclusive = 0;
    m_dRate = 0;
}

void CTaxPriceDropClass::InitData()
{
    CTaxClass::InitData();
    m_nPriceDropUse = 0;
    m_dPriceDropRate = 0;
    m_nPriceDropExclusive = 0;
    m_dHouseLevel = 0;
    m_nHouseLevelExclusive = 0;
    m_dBusinessLevel = 0;
    m_nBusinessLevelExclusive = 0;
    m_dAdjustRate = 0;
}

int CTaxPriceDropClass::CheckPriceDrop(double rate)
{
    return Reaches(rate, m_dPriceDropRate, m_nPriceDropExclusive) ? 1 : 0;
}

double CTaxPriceDropClass::GetPriceDropHouseLevel(double level, double rate)
{
    return Reaches(level, m_dHouseLevel, m_nHouseLevelExclusive) ? m_dAdjustRate : rate;
}

double CTaxPriceDropClass::GetPriceDropBusinessLevel(double level, double rate)
{
    return Reaches(level, m_dBusinessLevel, m_nBusinessLevelExclusive) ? m_dAdjustRate : rate;
}

double CTaxStandardMoneyClass::GetHouseBurdenLevel(double level)
{
    const int i = FindBurdenRow(m_aHouseLevel, kHouseRows, level);
    return i < 0 ? 1.0 : m_aHouseLevel[i].m_dRate;
}

double CTaxStandardMoneyClass::GetBusinessBurdenLevel(double level)
{
    const int i = FindBurdenRow(m_aBusinessLevel, kBusinessRows, level);
    if (i < 0) return 1.0;
    return i == kBusinessRows - 1 ? kValuePercentRow : m_aBusinessLevel[i].m_dRate;
}

void CTaxStandardMoneyClass::ReportDraw(CDC* pDC)
{
    for (int p = 0; p < kSheetPages; ++p)
        if (DrawPrintPage(pDC, p, kTitleID + p)) MoveOriginDown(pDC, kPageAdvance[p] * kSheetRow);
}

void CTaxStandardMoneyClass::CreatePrintArray(int)
{
    CTaxClass::CreatePrintArray(kSheetPages);
    for (int p = 0; p < kSheetPages; ++p) {
        const int* c = kCounts[p];
        BuildPrintPage(p, {c[kFrame], c[kWLine], c[kHLine], c[kItem],
                           c[kSubItem], c[kData]});
    }
}

BOOL CTaxStandardMoneyClass::SetFramePoint(int nPage) { return PlacePage(m_apFrame, kFrame, nPage); }
BOOL CTaxStandardMoneyClass::SetWLinePoint(int nPage) { return PlacePage(m_apWLine, kWLine, nPage); }
BOOL CTaxStandardMoneyClass::SetHLinePoint(int nPage) { return PlacePage(m_apHLine, kHLine, nPage); }
BOOL CTaxStandardMoneyClass::SetItemPoint(int nPage) { return PlacePage(m_apItem, kItem, nPage); }
BOOL CTaxStandardMoneyClass::SetSubItemPoint(int nPage) { return PlacePage(m_apSubItem, kSubItem, nPage); }
BOOL CTaxStandardMoneyClass::SetDataPoint(int nPage) { return PlacePage(m_apData, kData, nPage); }

BOOL CTaxStandardMoneyClass::SetItemData(int nPage)
{
    if (nPage < 0 || nPage >= kSheetPages) return FALSE;
    if (nPage != kPriceDropPage) return SetStringCells(m_apItem[nPage], 0, kHeadingID, 2, 1);
    const UINT id = kPriceDropLabelID;
    return SetStringCells(m_apItem[nPage], 0, id, 6, 1);
}

BOOL CTaxStandardMoneyClass::SetSubItemData(int nPage)
{
    switch (nPage) {
    case kHousePage: return FillBurdenWords(m_apSubItem[nPage], kHouseRows, false);
    case kBusinessPage: return FillBurdenWords(m_apSubItem[nPage], kBusinessRows, true);
    case kPriceDropPage: {
        const UINT id = kUseID;
        return SetStringCells(m_apSubItem[nPage], 0, id, 8, 0);
    }
    default: return FALSE;
    }
}

BOOL CTaxStandardMoneyClass::SetDataData(int)
{
    const BOOL bHouse = FillBurdenValues(m_apData[kHousePage], m_aHouseLevel, kHouseRows);
    const BOOL bBusiness = FillBurdenValues(m_apData[kBusinessPage], m_aBusinessLevel, kBusinessRows);
    const BOOL bDrop = FillPriceDropValues(m_apData[kPriceDropPage], m_objPriceDrop);
    return bHouse && bBusiness && bDrop;
}
