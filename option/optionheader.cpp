#include "option/optionheader.h"

void COptionHeaderClass::InitData()
{
    COptionClass::InitData();
    m_strDate.Empty();
    m_strProjectName.Empty();
    m_strDataName.Empty();
}

void COptionHeaderClass::ReportDraw(CDC* pDC)
{
    // No title, and the window origin stays where it is.
    DrawPageHeader(pDC, m_strDate, m_strProjectName, m_strDataName);
}

BOOL COptionHeaderClass::SetFramePoint(int nPage) { return PlacePageItems(m_apFrame, nPage, PageHeaderLayout().frame); }
BOOL COptionHeaderClass::SetWLinePoint(int nPage) { return PlacePageItems(m_apWLine, nPage, PageHeaderLayout().wline); }
BOOL COptionHeaderClass::SetHLinePoint(int nPage) { return PlacePageItems(m_apHLine, nPage, PageHeaderLayout().hline); }
BOOL COptionHeaderClass::SetDataPoint(int nPage) { return PlacePageItems(m_apData, nPage, PageHeaderLayout().data); }

BOOL COptionHeaderClass::SetItemPoint(int nPage)
{
    return PlacePageItems(m_apItem, nPage, PageHeaderLayout().item) &&
           SetStringCells(m_apItem[nPage], 0, 10000, 2, 0);
}

void COptionHeaderClass::CreatePrintArray(int)
{
    COptionClass::CreatePrintArray(1);
    BuildPrintPage(0, PageHeaderLayout());
}

void COptionMemoClass::ReportDraw(CDC* pDC) { DrawPrintPage(pDC, 0, 25000); }

BOOL COptionMemoClass::SetFramePoint(int nPage) { return PlacePageItems(m_apFrame, nPage, PageMemoLayout().frame); }
BOOL COptionMemoClass::SetWLinePoint(int nPage) { return PlacePageItems(m_apWLine, nPage, PageMemoLayout().wline); }
BOOL COptionMemoClass::SetHLinePoint(int nPage) { return PlacePageItems(m_apHLine, nPage, PageMemoLayout().hline); }
BOOL COptionMemoClass::SetItemPoint(int nPage) { return PlacePageItems(m_apItem, nPage, PageMemoLayout().item); }

BOOL COptionMemoClass::SetItemData(int nPage)
{
    CObArray* pItems = PageArray(m_apItem, nPage);
    return SetStringCells(pItems, 0, 25010, 2, 1) && SetStringCells(pItems, 2, 25012, 1, 0);
}

void COptionMemoClass::CreatePrintArray(int)
{
    COptionClass::CreatePrintArray(1);
    BuildPrintPage(0, PageMemoLayout());
}
