#include "sheet/sheetlayout.h"

#include "sheet/numberformat.h"
#include "sheet/printitem.h"

RECT GridRect(int nCol, int nRow, int nColSpan, int nRowSpan)
{
    return RECT{nCol * kSheetColumn, -nRow * kSheetRow, (nCol + nColSpan) * kSheetColumn,
                -(nRow + nRowSpan) * kSheetRow};
}

CLayoutTable& CLayoutTable::Box(int nCol, int nRow, int nColSpan, int nRowSpan)
{
    RECT rc = GridRect(nCol, nRow, nColSpan, nRowSpan);
    return Raw(rc.left, rc.top, rc.right, rc.bottom);
}

CLayoutTable& CLayoutTable::Boxes(int nCol, int nRow, int nColSpan, int nRowSpan, int nCount, bool bDown)
{
    for (int i = 0; i < nCount; ++i)
        Box(bDown ? nCol : nCol + i * nColSpan, bDown ? nRow + i * nRowSpan : nRow, nColSpan, nRowSpan);
    return *this;
}

CLayoutTable& CLayoutTable::HLine(int nRow, int nCol1, int nCol2)
{
    return Raw(nCol1 * kSheetColumn, -nRow * kSheetRow, nCol2 * kSheetColumn, -nRow * kSheetRow);
}

CLayoutTable& CLayoutTable::VLine(int nCol, int nRow1, int nRow2)
{
    return Raw(nCol * kSheetColumn, -nRow1 * kSheetRow, nCol * kSheetColumn, -nRow2 * kSheetRow);
}

CLayoutTable& CLayoutTable::Raw(int x1, int y1, int x2, int y2)
{
    m_anValues.insert(m_anValues.end(), {x1, y1, x2, y2});
    return *this;
}

CLayoutTable& CLayoutTable::Frame(int nCol, int nRow, int nColSpan, int nRowSpan)
{
    HLine(nRow, nCol, nCol + nColSpan);
    HLine(nRow + nRowSpan, nCol, nCol + nColSpan);
    VLine(nCol, nRow, nRow + nRowSpan);
    return VLine(nCol + nColSpan, nRow, nRow + nRowSpan);
}

BOOL CopyLayoutToPrintArray(CObArray* pArray, const int* pTable, int nStart)
{
    if (!pArray) return FALSE;
    for (int i = 0; i < pArray->GetSize(); ++i) {
        CPrintItemClass* pItem = GetPrintItem(pArray, i);
        if (!pItem) return FALSE;
        const int* v = pTable + nStart + 4 * i;
        pItem->m_nX1 = v[0];
        pItem->m_nY1 = v[1];
        pItem->m_nX2 = v[2];
        pItem->m_nY2 = v[3];
    }
    return TRUE;
}

BOOL CopyLayoutToPrintArray(CObArray* pArray, const CLayoutTable& table, int nStart)
{
    if (!pArray || nStart < 0 || nStart % 4 != 0 || nStart / 4 + pArray->GetSize() > table.Count()) return FALSE;
    return CopyLayoutToPrintArray(pArray, table.Data(), nStart);
}

CPrintItemClass* GetPrintItem(const CObArray* pArray, int nIndex)
{
    return pArray ? static_cast<CPrintItemClass*>(pArray->GetAt(nIndex)) : nullptr;
}

BOOL SetCellText(CObArray* pArray, int nIndex, const CString& strText, int nAlign)
{
    CPrintItemClass* pItem = GetPrintItem(pArray, nIndex);
    if (!pItem) return FALSE;
    pItem->m_strText = strText;
    pItem->m_nAlign = nAlign;
    return TRUE;
}

BOOL SetCheckGroup(CObArray* pArray, int nFirst, int nCount, int nValue)
{
    for (int i = 0; i < nCount; ++i) {
        CPrintItemClass* pItem = GetPrintItem(pArray, nFirst + i);
        if (!pItem) return FALSE;
        pItem->m_strText.Empty();
        pItem->m_nCheck = (i == nValue) ? 1 : 0;
    }
    return TRUE;
}

BOOL SetNumberCell(CObArray* pArray, int nIndex, double dValue)
{
    return SetCellText(pArray, nIndex, FormatNumberText(-1, dValue, TRUE), kAlignRight);
}

BOOL SetNumberCells(CObArray* pArray, int nFirst, const std::vector<double>& values, int nAlign)
{
    for (double d : values)
        if (!SetCellText(pArray, nFirst++, FormatNumberText(-1, d, TRUE), nAlign)) return FALSE;
    return TRUE;
}

BOOL SetIntegerCell(CObArray* pArray, int nIndex, int nValue)
{
    CString str;
    str.Format("%d", nValue);
    return SetCellText(pArray, nIndex, str, kAlignRight);
}

BOOL ClearCells(CObArray* pArray, int nFirst, int nCount)
{
    return SetCheckGroup(pArray, nFirst, nCount, -1);
}

const CSheetTables& PageHeaderLayout()
{
    static const CSheetTables t = [] {
        CSheetTables l;
        l.frame.Frame(0, 0, kSheetColumns, 3);
        l.wline.HLine(1, 0, kSheetColumns).HLine(2, 0, kSheetColumns);
        l.hline.VLine(12, 1, 3);
        l.item.Boxes(0, 1, 12, 1, 2, true);
        l.data.Box(0, 0, kSheetColumns).Boxes(12, 1, kSheetColumns - 12, 1, 2, true);
        return l;
    }();
    return t;
}

const CSheetTables& PageMemoLayout()
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
