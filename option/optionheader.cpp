#include "option/optionheader.h"

namespace {

const CSheetTables& HeaderLayout()
{
    static const CSheetTables l = [] {
        CSheetTables t;
        t.frame.Frame(0, 0, kSheetColumns, 3);
        t.wline.HLine(1, 0, kSheetColumns).HLine(2, 0, kSheetColumns);
        t.hline.VLine(12, 1, 3);
        t.item.Box(0, 1, 12).Box(0, 2, 12);
        t.data.Box(0, 0, kSheetColumns).Box(12, 1, 33).Box(12, 2, 33);
        return t;
    }();
    return l;
}

const CSheetTables& MemoLayout()
{
    static const CSheetTables l = [] {
        CSheetTables t;
        t.frame.Frame(0, 0, kSheetColumns, 8);
        t.wline.HLine(1, 0, kSheetColumns).HLine(2, 0, kSheetColumns);
        t.hline.VLine(8, 0, 2);
        t.item.Boxes(0, 0, 8, 1, 3, true);
        return t;
    }();
    return l;
}

} // namespace

void COptionHeaderClass::InitData()
{
    COptionClass::InitData();
    m_strDate.Empty();
    m_strProjectName.Empty();
    m_strDataName.Empty();
}

void COptionHeaderClass::ReportDraw(CDC* pDC)
{
    // The texts go into the value cells only when the values are drawn.
    if (!m_anPrintFlag[0][4]) {
        CObArray* pData = m_apData[0];
        SetCellText(pData, 0, m_strDate, 2);
        SetCellText(pData, 1, m_strProjectName, 0);
        SetCellText(pData, 2, m_strDataName, 0);
    }
    DrawPrintBlock(pDC, 0);
}

BOOL COptionHeaderClass::SetFramePoint(int nPage) { return PlacePageItems(m_apFrame, nPage, HeaderLayout().frame); }
BOOL COptionHeaderClass::SetWLinePoint(int nPage) { return PlacePageItems(m_apWLine, nPage, HeaderLayout().wline); }
BOOL COptionHeaderClass::SetHLinePoint(int nPage) { return PlacePageItems(m_apHLine, nPage, HeaderLayout().hline); }
BOOL COptionHeaderClass::SetDataPoint(int nPage) { return PlacePageItems(m_apData, nPage, HeaderLayout().data); }

BOOL COptionHeaderClass::SetItemPoint(int nPage)
{
    return PlacePageItems(m_apItem, nPage, HeaderLayout().item) &&
           SetStringCells(m_apItem[nPage], 0, 10000, 2, 0);
}

void COptionHeaderClass::CreatePrintArray(int)
{
    COptionClass::CreatePrintArray(1);
    BuildPrintPage(0, HeaderLayout());
}

void COptionMemoClass::ReportDraw(CDC* pDC) { DrawPrintPage(pDC, 0, 25000); }

BOOL COptionMemoClass::SetFramePoint(int nPage) { return PlacePageItems(m_apFrame, nPage, MemoLayout().frame); }
BOOL COptionMemoClass::SetWLinePoint(int nPage) { return PlacePageItems(m_apWLine, nPage, MemoLayout().wline); }
BOOL COptionMemoClass::SetHLinePoint(int nPage) { return PlacePageItems(m_apHLine, nPage, MemoLayout().hline); }
BOOL COptionMemoClass::SetItemPoint(int nPage) { return PlacePageItems(m_apItem, nPage, MemoLayout().item); }

BOOL COptionMemoClass::SetItemData(int nPage)
{
    CObArray* pItems = PageArray(m_apItem, nPage);
    return SetStringCells(pItems, 0, 25010, 2, 1) && SetStringCells(pItems, 2, 25012, 1, 0);
}

void COptionMemoClass::CreatePrintArray(int)
{
    COptionClass::CreatePrintArray(1);
    BuildPrintPage(0, MemoLayout());
}
