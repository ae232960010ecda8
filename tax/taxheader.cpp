#include "tax/taxheader.h"

#include "tax/taxsheet.h"

namespace {

const CSheetTables& HeaderLayout()
{
    static const CSheetTables t = [] {
        CSheetTables l;
        l.frame.Frame(0, 0, kSheetColumns, 3);
        l.wline.HLine(1, 0, kSheetColumns).HLine(2, 0, kSheetColumns);
        l.hline.VLine(12, 1, 3);
        l.item.Box(0, 1, 12).Box(0, 2, 12);
        l.data.Box(0, 0, kSheetColumns).Box(12, 1, kSheetColumns - 12).Box(12, 2, kSheetColumns - 12);
        return l;
    }();
    return t;
}

const CSheetTables& MemoLayout()
{
    static const CSheetTables t = [] {
        CSheetTables l;
        l.frame.Frame(0, 0, kSheetColumns, 8);
        l.wline.HLine(1, 0, kSheetColumns).HLine(2, 0, kSheetColumns);
        l.hline.VLine(8, 0, 2);
        l.item.Boxes(0, 0, 8, 1, 3, true);
        return l;
    }();
    return t;
}

enum : UINT { kHeaderLabelID = 20000, kMemoTitleID = 20010, kMemoLabelID = 20011 };

template <class F>
void ForEachItem(CObArray* pArray, F draw)
{
    for (int i = 0; i < pArray->GetSize(); ++i)
        if (CPrintItemClass* pItem = GetPrintItem(pArray, i)) draw(*pItem);
}

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
    if (!m_apFrame[0] || !m_apItem[0] || !m_apData[0]) return;
    CFont font, titleFont;
    if (!CreateTaxPrintFonts(font, titleFont)) return;
    CPen pen, framePen;
    if (!CreateTaxPrintPens(pen, framePen)) return;
    CFont* pOldFont = pDC->SelectObject(&font);
    CPen* pOldPen = pDC->SelectObject(&pen);
    const int* flags = m_anPrintFlag[0];
    const auto drawLine = [pDC](CPrintItemClass& item) { item.DrawLine(pDC); };
    const auto drawText = [pDC](CPrintItemClass& item) { item.DrawItem(pDC); };
    if (!flags[1]) {
        pDC->SelectObject(&framePen);
        ForEachItem(m_apFrame[0], drawLine);
        pDC->SelectObject(&pen);
        if (m_apWLine[0]) ForEachItem(m_apWLine[0], drawLine);
        if (m_apHLine[0]) ForEachItem(m_apHLine[0], drawLine);
    }
    if (!flags[2]) ForEachItem(m_apItem[0], drawText);
    if (!flags[4]) {
        SetCellText(m_apData[0], 0, m_strDate, 2);
        SetCellText(m_apData[0], 1, m_strProjectName, 0);
        SetCellText(m_apData[0], 2, m_strDataName, 0);
        ForEachItem(m_apData[0], drawText);
    }
    pDC->SelectObject(pOldFont);
    pDC->SelectObject(pOldPen);
}

BOOL CTaxHeaderClass::SetFramePoint(int nPage) { return PlacePageItems(m_apFrame, nPage, HeaderLayout().frame); }
BOOL CTaxHeaderClass::SetWLinePoint(int nPage) { return PlacePageItems(m_apWLine, nPage, HeaderLayout().wline); }
BOOL CTaxHeaderClass::SetHLinePoint(int nPage) { return PlacePageItems(m_apHLine, nPage, HeaderLayout().hline); }
BOOL CTaxHeaderClass::SetDataPoint(int nPage) { return PlacePageItems(m_apData, nPage, HeaderLayout().data); }

BOOL CTaxHeaderClass::SetItemPoint(int nPage)
{
    return PlacePageItems(m_apItem, nPage, HeaderLayout().item) &&
           SetStringCells(PageArray(m_apItem, nPage), kHeaderLabelID, 0);
}

void CTaxHeaderClass::CreatePrintArray(int)
{
    CTaxClass::CreatePrintArray(1);
    BuildPrintPage(0, HeaderLayout());
}

void CTaxMemoClass::ReportDraw(CDC* pDC)
{
    DrawPrintPage(pDC, 0, kMemoTitleID);
}

BOOL CTaxMemoClass::SetFramePoint(int nPage) { return PlacePageItems(m_apFrame, nPage, MemoLayout().frame); }
BOOL CTaxMemoClass::SetWLinePoint(int nPage) { return PlacePageItems(m_apWLine, nPage, MemoLayout().wline); }
BOOL CTaxMemoClass::SetHLinePoint(int nPage) { return PlacePageItems(m_apHLine, nPage, MemoLayout().hline); }
BOOL CTaxMemoClass::SetItemPoint(int nPage) { return PlacePageItems(m_apItem, nPage, MemoLayout().item); }

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
    BuildPrintPage(0, MemoLayout());
}
