#include "data/dataheader.h"

#include "sheet/sheetlayout.h"

namespace {

constexpr UINT kMemoTitle = 20900;
constexpr UINT kMemoLabel = 2900;
constexpr UINT kHeaderLabel = 10101;

// Three rows: the date across the width, then project name and page name.
const CSheetTables& HeaderLayout()
{
    static const CSheetTables t = [] {
        CSheetTables l;
        l.frame.Frame(0, 0, 45, 3);
        l.wline.HLine(1, 0, 45).HLine(2, 0, 45);
        l.hline.VLine(12, 1, 3);
        l.item.Boxes(0, 1, 12, 1, 2, true);
        l.data.Box(0, 0, 45).Boxes(12, 1, 33, 1, 2, true);
        return l;
    }();
    return t;
}

// Eight rows: department, person in charge, then remarks below a heading.
const CSheetTables& MemoLayout()
{
    static const CSheetTables t = [] {
        CSheetTables l;
        l.frame.Frame(0, 0, 45, 8);
        l.wline.HLine(1, 0, 45).HLine(2, 0, 45);
        l.hline.VLine(8, 0, 2);
        l.item.Boxes(0, 0, 8, 1, 3, true);
        return l;
    }();
    return t;
}

} // namespace

void CDataHeaderClass::InitData()
{
    CDataClass::InitData();
    m_strDate.Empty();
    m_strProjectName.Empty();
    m_strDataName.Empty();
}

void CDataHeaderClass::ReportDraw(CDC* pDC)
{
    if (!m_apFrame[0] || !m_apItem[0] || !m_apData[0]) return;
    if (!m_anPrintFlag[0][4]) {
        SetCellText(m_apData[0], 0, m_strDate, 2);
        SetCellText(m_apData[0], 1, m_strProjectName, 0);
        SetCellText(m_apData[0], 2, m_strDataName, 0);
    }
    // The header has no title and leaves the window origin where it is.
    DrawPrintBlock(pDC, 0);
}

BOOL CDataHeaderClass::SetFramePoint(int) { return PlacePageItems(m_apFrame, 0, HeaderLayout().frame); }
BOOL CDataHeaderClass::SetWLinePoint(int) { return PlacePageItems(m_apWLine, 0, HeaderLayout().wline); }
BOOL CDataHeaderClass::SetHLinePoint(int) { return PlacePageItems(m_apHLine, 0, HeaderLayout().hline); }
BOOL CDataHeaderClass::SetDataPoint(int) { return PlacePageItems(m_apData, 0, HeaderLayout().data); }

BOOL CDataHeaderClass::SetItemPoint(int)
{
    return PlacePageItems(m_apItem, 0, HeaderLayout().item) &&
           SetStringCells(m_apItem[0], 0, kHeaderLabel, 2, 0);
}

void CDataHeaderClass::CreatePrintArray(int)
{
    CDataClass::CreatePrintArray(1);
    BuildPrintPage(0, HeaderLayout());
}

void CDataMemoClass::DestroyData()
{
    CDataClass::DestroyData();
    InitData();
}

void CDataMemoClass::ReportDraw(CDC* pDC) { DrawPrintPage(pDC, 0, kMemoTitle); }

BOOL CDataMemoClass::SetFramePoint(int) { return PlacePageItems(m_apFrame, 0, MemoLayout().frame); }
BOOL CDataMemoClass::SetWLinePoint(int) { return PlacePageItems(m_apWLine, 0, MemoLayout().wline); }
BOOL CDataMemoClass::SetHLinePoint(int) { return PlacePageItems(m_apHLine, 0, MemoLayout().hline); }
BOOL CDataMemoClass::SetItemPoint(int) { return PlacePageItems(m_apItem, 0, MemoLayout().item); }

// The remarks heading sits at the left above the free rows.
BOOL CDataMemoClass::SetItemData(int)
{
    return SetStringCells(m_apItem[0], 0, kMemoLabel, 2, 1) && SetStringCells(m_apItem[0], 2, kMemoLabel + 2, 1, 0);
}

void CDataMemoClass::CreatePrintArray(int)
{
    CDataClass::CreatePrintArray(1);
    BuildPrintPage(0, MemoLayout());
}
