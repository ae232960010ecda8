#include "data/datarentaltype.h"

#include <new>

#include "data/datasheetparts.h"

namespace {

constexpr int kTermRows = 12;     // height of a line's block
constexpr UINT kTermTitleID = 20100;
constexpr UINT kTermLabelID = 600;
constexpr UINT kTermSubLabelID = 700;
constexpr UINT kNotRegisteredID = 730;
constexpr UINT kNoteID = 740;

// Value cells of a line.
enum {
    kCellNumber = 0,
    kCellMessage = 1,
    kCellCategory = 2,  // eight check cells
    kCellName = 10,
    kCellMethod = 11,   // four check cells
    kCellCount = 15,
    kCellUnit = 16,     // three check cells: dwellings, tsubo, cars
    kCellAmount = 19,   // rent, common fee, key money, deposit, security, renewal fee
    kCellTotal = 25,
};

// Left or right half of a two-column row: a check cell, then its text.
int CheckColumn(int i) { return i % 2 ? 27 : 10; }

// A line's block: 12 rows, label column 10 wide.
const CSheetTables& TermLayout()
{
    static const CSheetTables layout = [] {
        CSheetTables l;
        l.frame.Frame(0, 0, 45, kTermRows);
        for (int r = 1; r < kTermRows; ++r) l.wline.HLine(r, (r >= 2 && r <= 4) || r == 7 ? 10 : 0, 45);
        l.hline.VLine(10, 0, 12).VLine(14, 0, 1);
        for (int r : {1, 6}) {
            const int rEnd = r == 1 ? 5 : 8;
            l.hline.VLine(11, r, rEnd).VLine(27, r, rEnd).VLine(28, r, rEnd);
        }
        for (int c : {20, 24, 28, 32}) l.hline.VLine(c, 8, 9);
        for (int c : {20, 23, 33, 42}) l.hline.VLine(c, 9, 12);

        l.item.Box(0, 0, 10).Box(0, 1, 10, 4).Box(0, 5, 10).Box(0, 6, 10, 2).Box(0, 8, 10);
        for (int r = 9; r < kTermRows; ++r) l.item.Box(0, r, 10).Box(23, r, 10);

        for (int m = 0; m < 4; ++m) l.subitem.Box(CheckColumn(m) + 1, 6 + m / 2, m % 2 ? 17 : 16);
        for (int u = 0; u < 3; ++u) l.subitem.Box(21 + 4 * u, 8, 3);
        for (int r = 9; r < kTermRows; ++r) l.subitem.Box(20, r, 3).Box(42, r, 3);

        l.data.Box(10, 0, 4).Box(14, 0, 31);
        for (int c = 0; c < CDataRentalTypeClass::kCategoryCount; ++c) l.data.Box(CheckColumn(c), 1 + c / 2, 1);
        l.data.Box(10, 5, 35);
        for (int m = 0; m < 4; ++m) l.data.Box(CheckColumn(m), 6 + m / 2, 1);
        l.data.Box(10, 8, 10);
        for (int u = 0; u < 3; ++u) l.data.Box(20 + 4 * u, 8, 1);
        for (int a = 0; a < 6; ++a) l.data.Box(a % 2 ? 33 : 10, 9 + a / 2, a % 2 ? 9 : 10);
        return l;
    }();
    return layout;
}

// The record's own cells: the note, and the category names beside a line's
// category check cells.
const CSheetTables& NameLayout()
{
    static const CSheetTables layout = [] {
        CSheetTables l;
        l.subitem.Box(0, 0, 45);
        for (int c = 0; c < CDataRentalTypeClass::kCategoryCount; ++c)
            l.data.Box(CheckColumn(c) + 1, 1 + c / 2, c % 2 ? 17 : 16);
        return l;
    }();
    return layout;
}

// Values, flags, title and page of a line; a line that owns a sheet keeps it.
void CopyTerm(const CDataRentalTermClass& from, CDataRentalTermClass& to)
{
    static_cast<CDataClass&>(to) = from;
    to.m_nCategory = from.m_nCategory;
    to.m_strName = from.m_strName;
    to.m_nInputMethod = from.m_nInputMethod;
    to.m_dCount = from.m_dCount;
    to.m_dRent = from.m_dRent;
    to.m_dCommonFee = from.m_dCommonFee;
    to.m_dKeyMoney = from.m_dKeyMoney;
    to.m_dDeposit = from.m_dDeposit;
    to.m_dSecurity = from.m_dSecurity;
    to.m_dRenewalFee = from.m_dRenewalFee;
}

} // namespace

CDataRentalTermClass::CDataRentalTermClass()
{
    InitData();
}

CDataRentalTermClass::~CDataRentalTermClass()
{
    DestroyData();
}

void CDataRentalTermClass::InitData()
{
    CDataClass::InitData();
    m_nCategory = -1;
    m_strName.Empty();
    m_nInputMethod = kMethodTotal;
    m_dCount = 0.0;
    m_dRent = 0.0;
    m_dCommonFee = 0.0;
    m_dKeyMoney = 0.0;
    m_dDeposit = 0.0;
    m_dSecurity = 0.0;
    m_dRenewalFee = 0.0;
}

void CDataRentalTermClass::DestroyData()
{
    CDataClass::DestroyData();
    InitData();
}

void CDataRentalTermClass::ReportDraw(CDC* pDC)
{
    DrawPrintPage(pDC, 0, kTermTitleID);
}

BOOL CDataRentalTermClass::SetFramePoint(int)
{
    return PlacePageItems(m_apFrame, 0, TermLayout().frame);
}

BOOL CDataRentalTermClass::SetWLinePoint(int)
{
    return PlacePageItems(m_apWLine, 0, TermLayout().wline);
}

BOOL CDataRentalTermClass::SetHLinePoint(int)
{
    return PlacePageItems(m_apHLine, 0, TermLayout().hline);
}

BOOL CDataRentalTermClass::SetItemPoint(int)
{
    return PlacePageItems(m_apItem, 0, TermLayout().item);
}

BOOL CDataRentalTermClass::SetSubItemPoint(int)
{
    return PlacePageItems(m_apSubItem, 0, TermLayout().subitem);
}

BOOL CDataRentalTermClass::SetDataPoint(int)
{
    return PlacePageItems(m_apData, 0, TermLayout().data);
}

BOOL CDataRentalTermClass::SetItemData(int)
{
    return SetStringCells(m_apItem[0], kTermLabelID, 1);
}

BOOL CDataRentalTermClass::SetSubItemData(int)
{
    return SetStringCells(m_apSubItem[0], kTermSubLabelID, 0);
}

BOOL CDataRentalTermClass::SetDataData(int n)
{
    CObArray* p = m_apData[0];
    if (!SetIntegerCell(p, kCellNumber, n)) return FALSE;
    if (m_nCategory == -1)
        return SetStringCells(p, kCellMessage, kNotRegisteredID, 1, 0) &&
               ClearCells(p, kCellCategory, kCellTotal - kCellCategory);

    BOOL bOK = SetCellText(p, kCellMessage, "", 0) &&
               SetCheckGroup(p, kCellCategory, CDataRentalTypeClass::kCategoryCount, m_nCategory) &&
               SetCellText(p, kCellName, m_strName, 0) && SetCheckGroup(p, kCellMethod, 4, m_nInputMethod);
    if (m_nInputMethod != kMethodTotal)
        bOK = bOK && SetNumberCell(p, kCellCount, m_dCount) && SetCheckGroup(p, kCellUnit, 3, m_nInputMethod - 1);
    else
        bOK = bOK && ClearCells(p, kCellCount, 4);
    const double adAmount[] = {m_dRent, m_dCommonFee, m_dKeyMoney, m_dDeposit, m_dSecurity, m_dRenewalFee};
    for (int i = 0; i < 6; ++i) bOK = bOK && SetNumberCell(p, kCellAmount + i, adAmount[i]);
    return bOK;
}

void CDataRentalTermClass::CreatePrintArray(int)
{
    CDataClass::CreatePrintArray(1);
    BuildPrintPage(0, TermLayout());
    m_anPrintFlag[0][0] = 1;
}

CDataRentalTypeClass::CDataRentalTypeClass()
{
    InitData();
    CreateData();
}

CDataRentalTypeClass::CDataRentalTypeClass(const CDataRentalTypeClass& other) : CDataClass(other)
{
    for (int c = 0; c < kCategoryCount; ++c) m_astrName[c] = other.m_astrName[c];
    CopyTerms(other);
}

CDataRentalTypeClass& CDataRentalTypeClass::operator=(const CDataRentalTypeClass& other)
{
    if (this != &other) {
        CDataClass::operator=(other);
        for (int c = 0; c < kCategoryCount; ++c) m_astrName[c] = other.m_astrName[c];
        CopyTerms(other);
    }
    return *this;
}

CDataRentalTypeClass::~CDataRentalTypeClass()
{
    DestroyData();
}

void CDataRentalTypeClass::InitData()
{
    CDataClass::InitData();
    for (CString& name : m_astrName) name.Empty();
    DeleteTerms();
}

void CDataRentalTypeClass::CreateData()
{
    DeleteTerms();
    m_pTermArray = new (std::nothrow) CPrintItemArray;
    for (int i = 0; m_pTermArray && i < kTermCount; ++i) {
        CDataRentalTermClass* pTerm = new (std::nothrow) CDataRentalTermClass;
        if (!pTerm) break;
        m_pTermArray->Add(pTerm);
    }
}

void CDataRentalTypeClass::DestroyData()
{
    DeleteTerms();
    InitData();
}

void CDataRentalTypeClass::ReportDraw(CDC* pDC)
{
    if (!m_pTermArray || !m_apSubItem[0] || !m_apData[0] || m_nPage < 1 || m_nPage > kSheetPages) return;
    CFont font, titleFont;
    if (!CreateDataPrintFonts(font, titleFont)) return;
    CFont* pOldFont = pDC->SelectObject(&font);
    const int nFirst = (m_nPage - 1) * kTermsPerPage;
    for (int i = nFirst; i < nFirst + kTermsPerPage; ++i) {
        CDataRentalTermClass* pTerm = GetTerm(i);
        if (!pTerm) break;
        DrawSubRecord(pDC, *pTerm, m_anPrintFlag[0][4]);
        DrawItems(m_apData[0], pDC, kValues); // the category names print on blank forms too
        MoveOriginDown(pDC, kTermRows * kSheetRow);
    }
    if (!m_anPrintFlag[0][3]) DrawItems(m_apSubItem[0], pDC, kLabels);
    pDC->SelectObject(pOldFont);
}

BOOL CDataRentalTypeClass::SetSubItemPoint(int)
{
    return PlacePageItems(m_apSubItem, 0, NameLayout().subitem);
}

BOOL CDataRentalTypeClass::SetDataPoint(int)
{
    return PlacePageItems(m_apData, 0, NameLayout().data);
}

BOOL CDataRentalTypeClass::SetSubItemData(int)
{
    return SetStringCells(m_apSubItem[0], 0, kNoteID, 1, 0);
}

BOOL CDataRentalTypeClass::SetDataData(int)
{
    if (!m_pTermArray) return FALSE;
    for (int i = 0; CDataRentalTermClass* pTerm = GetTerm(i); ++i) pTerm->SetDataData(i + 1);
    BOOL bOK = TRUE;
    for (int c = 0; bOK && c < kCategoryCount; ++c) bOK = SetCellText(m_apData[0], c, m_astrName[c], 0);
    return bOK;
}

void CDataRentalTypeClass::CreatePrintArray(int)
{
    if (!m_pTermArray) return;
    for (int i = 0; CDataRentalTermClass* pTerm = GetTerm(i); ++i) pTerm->CreatePrintArray(1);
    CDataClass::CreatePrintArray(1);
    BuildPrintPage(0, NameLayout());
}

void CDataRentalTypeClass::DestroyPrintArray()
{
    for (int i = 0; CDataRentalTermClass* pTerm = GetTerm(i); ++i) pTerm->DestroyPrintArray();
    CDataClass::DestroyPrintArray();
}

CDataRentalTermClass* CDataRentalTypeClass::GetTerm(int i) const
{
    return m_pTermArray ? static_cast<CDataRentalTermClass*>(m_pTermArray->GetAt(i)) : nullptr;
}

void CDataRentalTypeClass::DeleteTerms()
{
    delete m_pTermArray;
    m_pTermArray = nullptr;
}

void CDataRentalTypeClass::CopyTerms(const CDataRentalTypeClass& other)
{
    if (!other.m_pTermArray) {
        DeleteTerms();
        return;
    }
    if (!m_pTermArray) m_pTermArray = new (std::nothrow) CPrintItemArray;
    if (!m_pTermArray) return;
    const int nCount = other.m_pTermArray->GetSize();
    for (int i = m_pTermArray->GetUpperBound(); i >= nCount; --i) {
        delete m_pTermArray->GetAt(i);
        m_pTermArray->RemoveAt(i);
    }
    for (int i = 0; i < nCount; ++i) {
        CDataRentalTermClass* pTerm = GetTerm(i);
        if (!pTerm) {
            pTerm = new (std::nothrow) CDataRentalTermClass;
            if (!pTerm) return;
            m_pTermArray->Add(pTerm);
        }
        CopyTerm(*other.GetTerm(i), *pTerm);
    }
}
