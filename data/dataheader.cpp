#include "data/dataheader.h"

#include "sheet/sheetlayout.h"

namespace {

constexpr UINT kMemoTitle = 20900;
constexpr UINT kMemoLabel = 2900;
constexpr UINT kHeaderLabel = 10101;

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
    // No title, and the window origin stays where it is.
    DrawPageHeader(pDC, m_strDate, m_strProjectName, m_strDataName);
}

BOOL CDataHeaderClass::SetFramePoint(int) { return PlacePageItems(m_apFrame, 0, PageHeaderLayout().frame); }
BOOL CDataHeaderClass::SetWLinePoint(int) { return PlacePageItems(m_apWLine, 0, PageHeaderLayout().wline); }
BOOL CDataHeaderClass::SetHLinePoint(int) { return PlacePageItems(m_apHLine, 0, PageHeaderLayout().hline); }
BOOL CDataHeaderClass::SetDataPoint(int) { return PlacePageItems(m_apData, 0, PageHeaderLayout().data); }

BOOL CDataHeaderClass::SetItemPoint(int)
{
    return PlacePageItems(m_apItem, 0, PageHeaderLayout().item) &&
           SetStringCells(m_apItem[0], 0, kHeaderLabel, 2, 0);
}

void CDataHeaderClass::CreatePrintArray(int)
{
    CDataClass::CreatePrintArray(1);
    BuildPrintPage(0, PageHeaderLayout());
}

void CDataMemoClass::DestroyData()
{
    CDataClass::DestroyData();
    InitData();
}

void CDataMemoClass::ReportDraw(CDC* pDC) { DrawPrintPage(pDC, 0, kMemoTitle); }

BOOL CDataMemoClass::SetFramePoint(int) { return PlacePageItems(m_apFrame, 0, PageMemoLayout().frame); }
BOOL CDataMemoClass::SetWLinePoint(int) { return PlacePageItems(m_apWLine, 0, PageMemoLayout().wline); }
BOOL CDataMemoClass::SetHLinePoint(int) { return PlacePageItems(m_apHLine, 0, PageMemoLayout().hline); }
BOOL CDataMemoClass::SetItemPoint(int) { return PlacePageItems(m_apItem, 0, PageMemoLayout().item); }

// The remarks heading sits at the left above the free rows.
BOOL CDataMemoClass::SetItemData(int)
{
    return SetStringCells(m_apItem[0], 0, kMemoLabel, 2, 1) && SetStringCells(m_apItem[0], 2, kMemoLabel + 2, 1, 0);
}

void CDataMemoClass::CreatePrintArray(int)
{
    CDataClass::CreatePrintArray(1);
    BuildPrintPage(0, PageMemoLayout());
}
