#include "tax/taxheader.h"

#include "tax/taxsheet.h"

namespace {

enum : UINT { kHeaderLabelID = 20000, kMemoTitleID = 20010, kMemoLabelID = 20011 };

} // namespace

void CTaxHeaderClass::InitData()
{
    CTaxClass::InitData();
    m_strDate.Empty();
    m_strProjectName.Empty();
    m_strDataName.Empty();
}

void CTaxHeaderClass::ReportDraw(CDC* pDC)
{
    // No title, and the window origin stays where it is.
    DrawPageHeader(pDC, m_strDate, m_strProjectName, m_strDataName);
}

BOOL CTaxHeaderClass::SetFramePoint(int nPage) { return PlacePageItems(m_apFrame, nPage, PageHeaderLayout().frame); }
BOOL CTaxHeaderClass::SetWLinePoint(int nPage) { return PlacePageItems(m_apWLine, nPage, PageHeaderLayout().wline); }
BOOL CTaxHeaderClass::SetHLinePoint(int nPage) { return PlacePageItems(m_apHLine, nPage, PageHeaderLayout().hline); }
BOOL CTaxHeaderClass::SetDataPoint(int nPage) { return PlacePageItems(m_apData, nPage, PageHeaderLayout().data); }

BOOL CTaxHeaderClass::SetItemPoint(int nPage)
{
    return PlacePageItems(m_apItem, nPage, PageHeaderLayout().item) &&
           SetStringCells(PageArray(m_apItem, nPage), kHeaderLabelID, 0);
}

void CTaxHeaderClass::CreatePrintArray(int)
{
    CTaxClass::CreatePrintArray(1);
    BuildPrintPage(0, PageHeaderLayout());
}

void CTaxMemoClass::ReportDraw(CDC* pDC)
{
    DrawPrintPage(pDC, 0, kMemoTitleID);
}

BOOL CTaxMemoClass::SetFramePoint(int nPage) { return PlacePageItems(m_apFrame, nPage, PageMemoLayout().frame); }
BOOL CTaxMemoClass::SetWLinePoint(int nPage) { return PlacePageItems(m_apWLine, nPage, PageMemoLayout().wline); }
BOOL CTaxMemoClass::SetHLinePoint(int nPage) { return PlacePageItems(m_apHLine, nPage, PageMemoLayout().hline); }
BOOL CTaxMemoClass::SetItemPoint(int nPage) { return PlacePageItems(m_apItem, nPage, PageMemoLayout().item); }

BOOL CTaxMemoClass::SetItemData(int nPage)
{
    CObArray* pItems = PageArray(m_apItem, nPage);
    if (!SetStringCells(pItems, kMemoLabelID, 1)) return FALSE;
    CPrintItemClass* pLast = GetPrintItem(pItems, pItems->GetSize() - 1);
    if (pLast) pLast->m_nAlign = 0; // the remarks label starts at the left
    return TRUE;
}

void CTaxMemoClass::CreatePrintArray(int)
{
    CTaxClass::CreatePrintArray(1);
    BuildPrintPage(0, PageMemoLayout());
}
