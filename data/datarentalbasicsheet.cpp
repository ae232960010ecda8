// The rental-basics sheet: name and contract, turnover, occupancy, rent
// changes, deposit and security money, one section below another.
#include "data/datarentalbasic.h"

#include "data/datasheetparts.h"

namespace {

constexpr UINT kSectionTitleID = 20100;
constexpr int kLabelColumns = 10;

struct CSectionSpec {
    UINT nLabelID;
    UINT nSubLabelID;
    int nSubLabelGroup; // sub-label i is string nSubLabelID + i % nSubLabelGroup
    int nRowsAfter;     // origin shift after the section, below its title
};

constexpr CSectionSpec kSections[CDataRentalBasicClass::kSectionCount] = {
    {400, 500, 1, 3},
    {410, 510, 3, 6},
    {420, 510, 3, 6},
    {430, 520, 6, 6},
    {450, 530, 3, 3},
    {460, 540, 12, 0},
};

constexpr int kSteps = CDataRateClass::kStepCount;

// Name across, contract years with "年".
CSheetTables NameLayout()
{
    CSheetTables l;
    l.frame.Frame(0, 0, 45, 2);
    l.wline.HLine(1, 0, 45);
    l.hline.VLine(kLabelColumns, 0, 2).VLine(16, 1, 2);
    l.item.Boxes(0, 0, kLabelColumns, 1, 2, true);
    l.subitem.Box(16, 1, 4);
    l.data.Box(kLabelColumns, 0, 35).Box(kLabelColumns, 1, 6);
    return l;
}

// A heading row and four step rows in a step column 4 wide; frame and rows
// are the same for the three schedule sections.
CSheetTables StepTableLayout()
{
    CSheetTables l;
    l.frame.Frame(0, 0, 45, 1 + kSteps);
    for (int r = 1; r <= kSteps; ++r) l.wline.HLine(r, 0, 45);
    l.item.Boxes(0, 1, 4, 1, kSteps, true);
    return l;
}

// Start year, end year and level of each step.
CSheetTables LevelLayout()
{
    CSheetTables l = StepTableLayout();
    for (int c : {4, 12, 21, 29}) l.hline.VLine(c, 0, 1 + kSteps);
    for (int c : {8, 16, 27}) l.hline.VLine(c, 1, 1 + kSteps);
    l.item.Box(4, 0, 8).Box(12, 0, 9).Box(21, 0, 8);
    for (int r = 1; r <= kSteps; ++r) {
        l.subitem.Box(8, r, 4).Box(16, r, 5).Box(27, r, 2);
        l.data.Box(4, r, 4).Box(12, r, 4).Box(21, r, 6);
    }
    return l;
}

// Start, end, interval, rate and rise or fall of each rent step.
CSheetTables RentLayout()
{
    CSheetTables l = StepTableLayout();
    for (int c : {4, 12, 21, 28, 36}) l.hline.VLine(c, 0, 1 + kSteps);
    for (int c : {8, 16, 24, 34, 37, 41, 42}) l.hline.VLine(c, 1, 1 + kSteps);
    l.item.Box(4, 0, 8).Box(12, 0, 9).Box(21, 0, 7).Box(28, 0, 8).Box(36, 0, 9);
    for (int r = 1; r <= kSteps; ++r) {
        l.subitem.Box(8, r, 4).Box(16, r, 5).Box(24, r, 4).Box(34, r, 2).Box(37, r, 4).Box(42, r, 3);
        l.data.Box(4, r, 4).Box(12, r, 4).Box(21, r, 3).Box(28, r, 6).Box(36, r, 1).Box(41, r, 1);
    }
    return l;
}

// Amortisation ratio, then the two change options: rows 0 and 1 of the
// deposit and the security-money sections.
void AddRatioRows(CSheetTables& l, int nRows)
{
    l.frame.Frame(0, 0, 45, nRows);
    for (int r = 1; r < nRows; ++r) l.wline.HLine(r, 0, 45);
    l.hline.VLine(kLabelColumns, 0, nRows).VLine(16, 0, 1).VLine(18, 0, 1).VLine(25, 1, 2);
    l.item.Box(0, 0, kLabelColumns).Box(0, 1, kLabelColumns);
    l.subitem.Box(16, 0, 2).Box(11, 1, 14).Box(26, 1, 19);
    l.data.Box(kLabelColumns, 0, 6).Box(kLabelColumns, 1, 1).Box(25, 1, 1);
}

CSheetTables DepositLayout()
{
    CSheetTables l;
    AddRatioRows(l, 2);
    return l;
}

// Ratio and change rows, repayment method, then the grace period and the
// repayment period under "開始年", "終了年", "金利", and the note below.
CSheetTables SecurityLayout()
{
    CSheetTables l;
    AddRatioRows(l, 6);
    l.hline.VLine(20, 2, 3).VLine(30, 2, 3).VLine(40, 2, 3);
    l.hline.VLine(20, 3, 6).VLine(30, 3, 6).VLine(40, 3, 6).VLine(25, 4, 6).VLine(37, 4, 6).VLine(15, 5, 6);
    l.item.Box(0, 2, kLabelColumns).Box(0, 4, kLabelColumns).Box(0, 5, kLabelColumns);
    l.item.Box(10, 3, 10).Box(20, 3, 10).Box(30, 3, 10);
    l.subitem.Box(11, 2, 9).Box(21, 2, 9).Box(31, 2, 9);
    l.subitem.Box(25, 4, 5).Box(37, 4, 3).Box(15, 5, 5).Box(25, 5, 5).Box(37, 5, 3).Box(0, 6, 45);
    l.data.Box(10, 2, 1).Box(20, 2, 1).Box(30, 2, 1);
    l.data.Box(20, 4, 5).Box(30, 4, 7).Box(10, 5, 5).Box(20, 5, 5).Box(30, 5, 7);
    return l;
}

const CSheetTables* SectionLayout(int k)
{
    static const CSheetTables name = NameLayout(), level = LevelLayout(), rent = RentLayout(),
                                  deposit = DepositLayout(), security = SecurityLayout();
    static const CSheetTables* const layouts[] = {&name, &level, &level, &rent, &deposit, &security};
    return (k >= 0 && k < CDataRentalBasicClass::kSectionCount) ? layouts[k] : nullptr;
}

// Start year, end year and level of each step of a turnover or occupancy schedule.
BOOL SetLevelCells(CObArray* p, const CDataRateClass& schedule)
{
    BOOL bOK = TRUE;
    for (int s = 0; bOK && s < kSteps; ++s) {
        const tagDATARATE& step = schedule.m_aDataRate[s];
        bOK = SetIntegerCell(p, 3 * s, step.nStartYear) && SetIntegerCell(p, 3 * s + 1, step.nEndYear) &&
              SetNumberCell(p, 3 * s + 2, step.dRate);
    }
    return bOK;
}

} // namespace

void CDataRentalBasicClass::CreatePrintArray(int)
{
    CDataClass::CreatePrintArray(kSectionCount);
    for (int k = 0; k < kSectionCount; ++k) BuildPrintPage(k, *SectionLayout(k));
}

void CDataRentalBasicClass::ReportDraw(CDC* pDC)
{
    for (int k = 0; k < kSectionCount; ++k)
        if (!m_apFrame[k] || !m_apItem[k] || !m_apSubItem[k] || !m_apData[k]) return;
    for (int k = 0; k < kSectionCount; ++k) {
        if (!DrawPrintPage(pDC, k, kSectionTitleID + k)) return;
        MoveOriginDown(pDC, kSections[k].nRowsAfter * kSheetRow);
    }
}

BOOL CDataRentalBasicClass::SetFramePoint(int k)
{
    const CSheetTables* l = SectionLayout(k);
    return l && PlacePageItems(m_apFrame, k, l->frame);
}

BOOL CDataRentalBasicClass::SetWLinePoint(int k)
{
    const CSheetTables* l = SectionLayout(k);
    return l && PlacePageItems(m_apWLine, k, l->wline);
}

BOOL CDataRentalBasicClass::SetHLinePoint(int k)
{
    const CSheetTables* l = SectionLayout(k);
    return l && PlacePageItems(m_apHLine, k, l->hline);
}

BOOL CDataRentalBasicClass::SetItemPoint(int k)
{
    const CSheetTables* l = SectionLayout(k);
    return l && PlacePageItems(m_apItem, k, l->item);
}

BOOL CDataRentalBasicClass::SetSubItemPoint(int k)
{
    const CSheetTables* l = SectionLayout(k);
    return l && PlacePageItems(m_apSubItem, k, l->subitem);
}

BOOL CDataRentalBasicClass::SetDataPoint(int k)
{
    const CSheetTables* l = SectionLayout(k);
    return l && PlacePageItems(m_apData, k, l->data);
}

BOOL CDataRentalBasicClass::SetItemData(int k)
{
    if (k < 0 || k >= kSectionCount) return FALSE;
    return SetStringCells(m_apItem[k], kSections[k].nLabelID, 1);
}

BOOL CDataRentalBasicClass::SetSubItemData(int k)
{
    if (k < 0 || k >= kSectionCount || !m_apSubItem[k]) return FALSE;
    const CSectionSpec& s = kSections[k];
    for (int i = 0; i < m_apSubItem[k]->GetSize(); ++i)
        if (!SetStringCells(m_apSubItem[k], i, s.nSubLabelID + i % s.nSubLabelGroup, 1, 0)) return FALSE;
    return TRUE;
}

BOOL CDataRentalBasicClass::SetDataData(int n)
{
    auto fill = [this](int k) {
        switch (k) {
        case kSectionName: return SetPrintDataName();
        case kSectionChange: return SetPrintDataChange();
        case kSectionLive: return SetPrintDataLive();
        case kSectionHouse: return SetPrintDataHouse();
        case kSectionDeposit: return SetPrintDataDeposit();
        case kSectionSecurity: return SetPrintDataSecurity();
        default: return FALSE;
        }
    };
    if (n == -1)
        for (int k = 0; k < kSectionCount; ++k) fill(k);
    else
        fill(n);
    return TRUE;
}

BOOL CDataRentalBasicClass::SetPrintDataName()
{
    CObArray* p = m_apData[kSectionName];
    return SetCellText(p, 0, m_strName, 0) && SetIntegerCell(p, 1, nContractYears);
}

BOOL CDataRentalBasicClass::SetPrintDataChange()
{
    return SetLevelCells(m_apData[kSectionChange], m_aRate[kRateTurnover]);
}

BOOL CDataRentalBasicClass::SetPrintDataLive()
{
    return SetLevelCells(m_apData[kSectionLive], m_aRate[kRateLive]);
}

BOOL CDataRentalBasicClass::SetPrintDataHouse()
{
    return SetScheduleCells(m_apData[kSectionHouse], 0, m_aRate[kRateRent]);
}

BOOL CDataRentalBasicClass::SetPrintDataDeposit()
{
    CObArray* p = m_apData[kSectionDeposit];
    return SetNumberCell(p, 0, dDepositAmortizeRatio) && SetCheckGroup(p, 1, 2, nDepositChange);
}

BOOL CDataRentalBasicClass::SetPrintDataSecurity()
{
    constexpr int kLumpSum = 2;
    CObArray* p = m_apData[kSectionSecurity];
    const CDataLoanClass& loan = m_objSecurityLoan;
    if (!SetNumberCell(p, 0, dSecurityAmortizeRatio) || !SetCheckGroup(p, 1, 2, nSecurityChange) ||
        !SetCheckGroup(p, 3, 3, loan.nRepayMethod))
        return FALSE;
    if (loan.nRepayMethod == kLumpSum) return ClearCells(p, 6, 5);
    // Only the first repayment period prints.
    return SetIntegerCell(p, 6, loan.m_aRepay[0].nEndYear) && SetNumberCell(p, 7, loan.m_aRepay[0].dRate) &&
           SetIntegerCell(p, 8, loan.m_aRepay[1].nStartYear) && SetIntegerCell(p, 9, loan.m_aRepay[1].nEndYear) &&
           SetNumberCell(p, 10, loan.m_aRepay[1].dRate);
}
