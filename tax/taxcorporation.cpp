#include "tax/taxcorporation.h"

#include "sheet/sheetlayout.h"

namespace {

using Tables = CSheetTables;

constexpr UINT kPercent = 0;

// Corporation tax: a heading row and one row per tier.
namespace corporation {

constexpr int kRows = 4;
constexpr UINT kTitle = 10012, kLabel = 1300, kAtMost = 1350, kOver = 1351;

const Tables& Layout()
{
    static const Tables t = [] {
        Tables l;
        l.frame.Frame(0, 0, kSheetColumns, kRows);
        for (int row = 1; row < kRows; ++row) l.wline.HLine(row, 0, kSheetColumns);
        l.hline.VLine(11, 0, kRows).VLine(22, 0, kRows);
        l.hline.VLine(6, 1, kRows).VLine(17, 1, kRows).VLine(28, 1, kRows);
        l.item.Box(0, 0, 11).Box(11, 0, 11).Box(22, 0, 7);
        l.subitem.Box(6, 1, 5).Box(17, 1, 5).Box(28, 1, 17);
        l.subitem.Box(6, 2, 5).Box(17, 2, 5).Box(28, 2, 17);
        l.subitem.Box(6, 3, 5).Box(28, 3, 17);
        for (int row = 1; row < kRows - 1; ++row) l.data.Box(0, row, 6).Box(11, row, 6).Box(22, row, 6);
        l.data.Box(0, 3, 6).Box(22, 3, 6);
        return l;
    }();
    return t;
}

} // namespace corporation

// Corporate inhabitant tax: the prefectural row and the municipal row.
namespace resident {

constexpr int kRows = 2;
constexpr UINT kTitle = 10015, kLabel = 1750;

const Tables& Layout()
{
    static const Tables t = [] {
        Tables l;
        l.frame.Frame(0, 0, kSheetColumns, kRows);
        l.wline.HLine(1, 0, kSheetColumns);
        l.hline.VLine(10, 0, kRows).VLine(28, 0, kRows);
        l.item.Boxes(0, 0, 10, 1, kRows, true);
        l.subitem.Boxes(28, 0, 17, 1, kRows, true);
        l.data.Boxes(10, 0, 18, 1, kRows, true);
        return l;
    }();
    return t;
}

} // namespace resident

} // namespace

void CTaxCorporationClass::InitData()
{
    CTaxClass::InitData();
    for (auto& tier : m_adCapitalStep)
        for (double& d : tier) d = 0;
}

void CTaxCorporationClass::ReportDraw(CDC* pDC) { DrawStackedSheet(pDC, corporation::kRows); }

void CTaxCorporationClass::CreatePrintArray(int)
{
    CTaxClass::CreatePrintArray(1);
    BuildPrintPage(0, corporation::Layout());
}

BOOL CTaxCorporationClass::SetFramePoint(int)
{
    return PlacePageItems(m_apFrame, 0, corporation::Layout().frame);
}

BOOL CTaxCorporationClass::SetWLinePoint(int)
{
    return PlacePageItems(m_apWLine, 0, corporation::Layout().wline);
}

BOOL CTaxCorporationClass::SetHLinePoint(int)
{
    return PlacePageItems(m_apHLine, 0, corporation::Layout().hline);
}

BOOL CTaxCorporationClass::SetItemPoint(int)
{
    return PlacePageItems(m_apItem, 0, corporation::Layout().item);
}

BOOL CTaxCorporationClass::SetSubItemPoint(int)
{
    return PlacePageItems(m_apSubItem, 0, corporation::Layout().subitem);
}

BOOL CTaxCorporationClass::SetDataPoint(int)
{
    return PlacePageItems(m_apData, 0, corporation::Layout().data);
}

BOOL CTaxCorporationClass::SetItemData(int)
{
    using namespace corporation;
    return SetStringCells(m_apItem[0], 0, kLabel, 3, 1);
}

BOOL CTaxCorporationClass::SetSubItemData(int)
{
    using namespace corporation;
    return SetStringCells(m_apSubItem[0], 0,
                          {kAtMost, kAtMost, kPercent, kAtMost, kOver, kPercent, kOver, kPercent}, 0);
}

BOOL CTaxCorporationClass::SetDataData(int)
{
    SetTitle(corporation::kTitle);
    const auto& s = m_adCapitalStep;
    return SetNumberCells(m_apData[0], 0, {s[0][2], s[0][5], s[0][0], s[1][2], s[1][4], s[1][0], s[2][1], s[2][0]});
}

void CTaxResidentCorporationClass::InitData()
{
    CTaxClass::InitData();
    m_dPrefecturalRate = 0;
    m_dVillageRate = 0;
}

void CTaxResidentCorporationClass::ReportDraw(CDC* pDC) { DrawStackedSheet(pDC, resident::kRows); }

void CTaxResidentCorporationClass::CreatePrintArray(int)
{
    CTaxClass::CreatePrintArray(1);
    BuildPrintPage(0, resident::Layout());
}

BOOL CTaxResidentCorporationClass::SetFramePoint(int)
{
    return PlacePageItems(m_apFrame, 0, resident::Layout().frame);
}

BOOL CTaxResidentCorporationClass::SetWLinePoint(int)
{
    return PlacePageItems(m_apWLine, 0, resident::Layout().wline);
}

BOOL CTaxResidentCorporationClass::SetHLinePoint(int)
{
    return PlacePageItems(m_apHLine, 0, resident::Layout().hline);
}

BOOL CTaxResidentCorporationClass::SetItemPoint(int)
{
    return PlacePageItems(m_apItem, 0, resident::Layout().item);
}

BOOL CTaxResidentCorporationClass::SetSubItemPoint(int)
{
    return PlacePageItems(m_apSubItem, 0, resident::Layout().subitem);
}

BOOL CTaxResidentCorporationClass::SetDataPoint(int)
{
    return PlacePageItems(m_apData, 0, resident::Layout().data);
}

BOOL CTaxResidentCorporationClass::SetItemData(int)
{
    return SetStringCells(m_apItem[0], 0, resident::kLabel, 2, 1);
}

BOOL CTaxResidentCorporationClass::SetSubItemData(int)
{
    return SetStringCells(m_apSubItem[0], 0, {kPercent, kPercent}, 0);
}

BOOL CTaxResidentCorporationClass::SetDataData(int)
{
    SetTitle(resident::kTitle);
    return SetNumberCells(m_apData[0], 0, {m_dPrefecturalRate, m_dVillageRate});
}
