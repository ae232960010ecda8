// The printed-sheet state and the virtual operations common to the record
// bases of the three record libraries. TLibrary supplies the library's string
// lookup and its print fonts and pens:
//   static CString LoadString(UINT nID);
//   static BOOL CreatePrintFonts(CFont& font, CFont& titleFont);
//   static BOOL CreatePrintPens(CPen& pen, CPen& framePen);
//
// A record that builds its sheet with CreatePrintArray owns the arrays and
// frees them (DestroyPrintArray or its destructor). Copies share the owner's
// arrays and never free them; an owner assigned from another record keeps
// its own arrays.
#pragma once

#include <new>
#include <vector>

#include "platform/cdc.h"
#include "sheet/printitem.h"
#include "sheet/sheetlayout.h"

template <int NPages, class TLibrary>
class TPrintRecord {
public:
    static constexpr int kPageCount = NPages;
    static constexpr int kFlagCount = 5;
    static constexpr int kTitleHeight = 750;

    TPrintRecord() { ClearSheetState(); InitPrintArray(); }
    TPrintRecord(const TPrintRecord& other) { CopyArrays(other); CopySheetState(other); }
    TPrintRecord& operator=(const TPrintRecord& other)
    {
        if (this != &other) {
            if (!m_bOwnsSheet) CopyArrays(other);
            CopySheetState(other);
        }
        return *this;
    }
    virtual ~TPrintRecord() { if (m_bOwnsSheet) FreeArrays(); }

    // Slots 0 to 17.
    virtual void InitData() { ClearSheetState(); }
    virtual void CreateData() {}
    virtual void DestroyData() {}
    virtual void ReportDraw(CDC*) {}
    virtual BOOL SetFramePoint(int) { return TRUE; }
    virtual BOOL SetWLinePoint(int) { return TRUE; }
    virtual BOOL SetHLinePoint(int) { return TRUE; }
    virtual BOOL SetItemPoint(int) { return TRUE; }
    virtual BOOL SetItemData(int) { return TRUE; }
    virtual BOOL SetSubItemPoint(int) { return TRUE; }
    virtual BOOL SetSubItemData(int) { return TRUE; }
    virtual BOOL SetDataPoint(int) { return TRUE; }
    virtual BOOL SetDataData(int) { return TRUE; }
    virtual void InitPrintArray();
    virtual void CreatePrintArray(int nPages);
    virtual void DestroyPrintArray();
    virtual void DrawTitle(CDC* pDC, CString strTitle);
    virtual void DrawTitle(CDC* pDC, UINT nID) { DrawTitle(pDC, TLibrary::LoadString(nID)); }

    void SetTitle(CString strTitle) { m_strTitle = strTitle; }
    void SetTitle(UINT nID) { m_strTitle = TLibrary::LoadString(nID); }
    void SetPage(int nPage) { m_nPage = nPage; }
    int GetPage() const { return m_nPage; }
    BOOL CreatePrintData(int n, CObArray* pArray);
    void SetPrintFlag(int nIndex, int nValue);
    BOOL OwnsPrintArray() const { return m_bOwnsSheet; }

    // The array of page nPage, or null for a page outside the record's.
    static CObArray* PageArray(CObArray* const (&apArrays)[NPages], int nPage)
    {
        return nPage >= 0 && nPage < NPages ? apArrays[nPage] : nullptr;
    }
    // Places the items of page nPage from rectangle nFirst of the table on;
    // FALSE for a missing page, item or rectangle.
    static BOOL PlacePageItems(CObArray* const (&apArrays)[NPages], int nPage, const CLayoutTable& table,
                               int nFirst = 0)
    {
        return CopyLayoutToPrintArray(PageArray(apArrays, nPage), table, 4 * nFirst);
    }
    // Cells nFirst to nFirst + nCount - 1 get the library's strings nFirstID
    // onwards; FALSE at the first missing cell.
    static BOOL SetStringCells(CObArray* pArray, int nFirst, UINT nFirstID, int nCount, int nAlign);
    // Cells nFirst onwards get the library's strings ids in order.
    static BOOL SetStringCells(CObArray* pArray, int nFirst, const std::vector<UINT>& ids, int nAlign);
    // Every cell i of the array gets string nFirstID + i; FALSE when the array is missing.
    static BOOL SetStringCells(CObArray* pArray, UINT nFirstID, int nAlign)
    {
        return pArray && SetStringCells(pArray, 0, nFirstID, pArray->GetSize(), nAlign);
    }

    CObArray* m_apFrame[NPages];
    CObArray* m_apWLine[NPages];
    CObArray* m_apHLine[NPages];
    CObArray* m_apItem[NPages];
    CObArray* m_apSubItem[NPages];
    CObArray* m_apData[NPages];
    int m_anPrintFlag[NPages][kFlagCount];
    CString m_strTitle;
    int m_nPage = 0;

protected:
    // Counts of frame, W-line, H-line, item, sub-item and data elements of a page.
    struct PageCounts {
        int nFrame, nWLine, nHLine, nItem, nSubItem, nData;
    };
    // Fills page nPage of a sheet built by CreatePrintArray: allocates each
    // kind's items, places them, and fills labels, sub-labels and values.
    void BuildPrintPage(int nPage, const PageCounts& counts);
    // The same with the counts of the page's layout tables.
    void BuildPrintPage(int nPage, const CSheetTables& t)
    {
        BuildPrintPage(nPage, {t.frame.Count(), t.wline.Count(), t.hline.Count(), t.item.Count(), t.subitem.Count(),
                               t.data.Count()});
    }
    // Draws page nPage: title (by nTitleID, or m_strTitle when 0), lines,
    // labels, sub-labels and values, each unless its flag is set. FALSE, with
    // nothing drawn, when a needed array or a font or pen is missing.
    BOOL DrawPrintPage(CDC* pDC, int nPage, UINT nTitleID) { return DrawPage(pDC, nPage, true, nTitleID); }
    // The same without the title, whatever flag [0] says.
    BOOL DrawPrintBlock(CDC* pDC, int nPage) { return DrawPage(pDC, nPage, false, 0); }
    // The page header block laid out by PageHeaderLayout: date, project name
    // and page name go into its value cells when the values are drawn.
    void DrawPageHeader(CDC* pDC, const CString& strDate, const CString& strProjectName,
                        const CString& strDataName)
    {
        if (!m_anPrintFlag[0][4]) {
            SetCellText(m_apData[0], 0, strDate, 2);
            SetCellText(m_apData[0], 1, strProjectName, 0);
            SetCellText(m_apData[0], 2, strDataName, 0);
        }
        DrawPrintBlock(pDC, 0);
    }
    enum { kLines, kLabels, kValues };
    // Draws every item of the array as a line, a label or a value (text or tick).
    static BOOL DrawItems(CObArray* pArray, CDC* pDC, int nWhat);
    // A one-page sheet of the libraries whose sheets stack: page 0 with the
    // title m_strTitle, then the origin moves nRows rows down. Nothing
    // happens when the sheet is missing.
    void DrawStackedSheet(CDC* pDC, int nRows)
    {
        if (DrawPrintPage(pDC, 0, 0)) MoveOriginDown(pDC, nRows * 500);
    }
    // Moves the window origin nHeight sheet units down, below a drawn sheet.
    static void MoveOriginDown(CDC* pDC, int nHeight)
    {
        CPoint org = pDC->GetWindowOrg();
        pDC->SetWindowOrg(org.x, org.y + nHeight);
    }

private:
    BOOL DrawPage(CDC* pDC, int nPage, bool bTitle, UINT nTitleID);
    void ClearSheetState();
    void CopySheetState(const TPrintRecord& other);
    void CopyArrays(const TPrintRecord& other);
    void FreeArrays();

    BOOL m_bOwnsSheet = FALSE;
};

template <int NPages, class TLibrary>
void TPrintRecord<NPages, TLibrary>::ClearSheetState()
{
    for (auto& flags : m_anPrintFlag)
        for (int& f : flags) f = 0;
    m_strTitle.Empty();
    m_nPage = 0;
}

template <int NPages, class TLibrary>
void TPrintRecord<NPages, TLibrary>::CopySheetState(const TPrintRecord& other)
{
    for (int p = 0; p < NPages; ++p)
        for (int i = 0; i < kFlagCount; ++i) m_anPrintFlag[p][i] = other.m_anPrintFlag[p][i];
    m_strTitle = other.m_strTitle;
    m_nPage = other.m_nPage;
}

template <int NPages, class TLibrary>
void TPrintRecord<NPages, TLibrary>::CopyArrays(const TPrintRecord& other)
{
    for (int p = 0; p < NPages; ++p) {
        m_apFrame[p] = other.m_apFrame[p];
        m_apWLine[p] = other.m_apWLine[p];
        m_apHLine[p] = other.m_apHLine[p];
        m_apItem[p] = other.m_apItem[p];
        m_apSubItem[p] = other.m_apSubItem[p];
        m_apData[p] = other.m_apData[p];
    }
    m_bOwnsSheet = FALSE;
}

template <int NPages, class TLibrary>
void TPrintRecord<NPages, TLibrary>::FreeArrays()
{
    for (int p = 0; p < NPages; ++p)
        for (CObArray* pArray : {m_apFrame[p], m_apWLine[p], m_apHLine[p], m_apItem[p], m_apSubItem[p], m_apData[p]})
            delete static_cast<CPrintItemArray*>(pArray);
    m_bOwnsSheet = FALSE;
}

template <int NPages, class TLibrary>
void TPrintRecord<NPages, TLibrary>::InitPrintArray()
{
    for (int p = 0; p < NPages; ++p)
        m_apFrame[p] = m_apWLine[p] = m_apHLine[p] = m_apItem[p] = m_apSubItem[p] = m_apData[p] = nullptr;
    m_bOwnsSheet = FALSE;
}

template <int NPages, class TLibrary>
void TPrintRecord<NPages, TLibrary>::CreatePrintArray(int nPages)
{
    TPrintRecord::DestroyPrintArray();
    if (nPages > NPages) nPages = NPages;
    for (int p = 0; p < nPages; ++p) {
        for (CObArray** ppArray : {&m_apFrame[p], &m_apWLine[p], &m_apHLine[p], &m_apItem[p], &m_apSubItem[p], &m_apData[p]})
            *ppArray = new (std::nothrow) CPrintItemArray;
    }
    m_bOwnsSheet = nPages > 0;
}

template <int NPages, class TLibrary>
void TPrintRecord<NPages, TLibrary>::DestroyPrintArray()
{
    if (m_bOwnsSheet) FreeArrays();
    InitPrintArray();
}

template <int NPages, class TLibrary>
BOOL TPrintRecord<NPages, TLibrary>::CreatePrintData(int n, CObArray* pArray)
{
    if (!pArray) return FALSE;
    for (int i = 0; i < n; ++i) {
        CPrintItemClass* pItem = new (std::nothrow) CPrintItemClass;
        if (!pItem) return FALSE;
        pArray->Add(pItem);
    }
    return TRUE;
}

template <int NPages, class TLibrary>
BOOL TPrintRecord<NPages, TLibrary>::SetStringCells(CObArray* pArray, int nFirst, UINT nFirstID, int nCount,
                                                    int nAlign)
{
    for (int i = 0; i < nCount; ++i)
        if (!SetCellText(pArray, nFirst + i, TLibrary::LoadString(nFirstID + UINT(i)), nAlign)) return FALSE;
    return TRUE;
}

template <int NPages, class TLibrary>
BOOL TPrintRecord<NPages, TLibrary>::SetStringCells(CObArray* pArray, int nFirst, const std::vector<UINT>& ids,
                                                    int nAlign)
{
    for (UINT nID : ids)
        if (!SetCellText(pArray, nFirst++, TLibrary::LoadString(nID), nAlign)) return FALSE;
    return TRUE;
}

template <int NPages, class TLibrary>
void TPrintRecord<NPages, TLibrary>::SetPrintFlag(int nIndex, int nValue)
{
    if (nIndex < 0 || nIndex >= kFlagCount) return;
    for (int p = 0; p < NPages; ++p) m_anPrintFlag[p][nIndex] = nValue;
}

template <int NPages, class TLibrary>
void TPrintRecord<NPages, TLibrary>::DrawTitle(CDC* pDC, CString strTitle)
{
    CPrintItemClass title;
    title.m_nX2 = 18000;
    title.m_nY2 = -1000;
    title.m_strText = strTitle;
    title.DrawText(pDC, 0);
    MoveOriginDown(pDC, kTitleHeight);
}

template <int NPages, class TLibrary>
void TPrintRecord<NPages, TLibrary>::BuildPrintPage(int nPage, const PageCounts& c)
{
    if (nPage < 0 || nPage >= NPages) return;
    if (CreatePrintData(c.nFrame, m_apFrame[nPage])) SetFramePoint(nPage);
    if (CreatePrintData(c.nWLine, m_apWLine[nPage])) SetWLinePoint(nPage);
    if (CreatePrintData(c.nHLine, m_apHLine[nPage])) SetHLinePoint(nPage);
    if (CreatePrintData(c.nItem, m_apItem[nPage])) { SetItemPoint(nPage); SetItemData(nPage); }
    if (CreatePrintData(c.nSubItem, m_apSubItem[nPage])) { SetSubItemPoint(nPage); SetSubItemData(nPage); }
    if (CreatePrintData(c.nData, m_apData[nPage])) { SetDataPoint(nPage); SetDataData(nPage); }
}

template <int NPages, class TLibrary>
BOOL TPrintRecord<NPages, TLibrary>::DrawItems(CObArray* pArray, CDC* pDC, int nWhat)
{
    if (!pArray) return FALSE;
    for (int i = 0; i < pArray->GetSize(); ++i) {
        auto* pItem = static_cast<CPrintItemClass*>(pArray->GetAt(i));
        if (!pItem) continue;
        if (nWhat == kLines) pItem->DrawLine(pDC);
        else if (nWhat == kLabels) pItem->DrawItem(pDC);
        else pItem->DrawData(pDC);
    }
    return TRUE;
}

template <int NPages, class TLibrary>
BOOL TPrintRecord<NPages, TLibrary>::DrawPage(CDC* pDC, int p, bool bTitle, UINT nTitleID)
{
    if (p < 0 || p >= NPages || !m_apFrame[p] || !m_apItem[p] || !m_apSubItem[p] || !m_apData[p]) return FALSE;
    CFont font, titleFont;
    if (!TLibrary::CreatePrintFonts(font, titleFont)) return FALSE;
    CPen pen, framePen;
    if (!TLibrary::CreatePrintPens(pen, framePen)) return FALSE;
    CFont* pOldFont = pDC->SelectObject(&font);
    CPen* pOldPen = pDC->SelectObject(&pen);
    const int* flags = m_anPrintFlag[p];
    if (bTitle && !flags[0]) {
        pDC->SelectObject(&titleFont);
        if (nTitleID) DrawTitle(pDC, nTitleID);
        else DrawTitle(pDC, m_strTitle);
        pDC->SelectObject(&font);
    }
    if (!flags[1]) {
        pDC->SelectObject(&framePen);
        DrawItems(m_apFrame[p], pDC, kLines);
        pDC->SelectObject(&pen);
        DrawItems(m_apWLine[p], pDC, kLines);
        DrawItems(m_apHLine[p], pDC, kLines);
    }
    if (!flags[2]) DrawItems(m_apItem[p], pDC, kLabels);
    if (!flags[3]) DrawItems(m_apSubItem[p], pDC, kLabels);
    if (!flags[4]) DrawItems(m_apData[p], pDC, kValues);
    pDC->SelectObject(pOldFont);
    pDC->SelectObject(pOldPen);
    return TRUE;
}
