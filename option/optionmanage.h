// Booking and payment of the construction-period costs, and the other
// processing methods of the calculation.
#pragma once

#include "option/optionclass.h"
#include "option/optionsheet.h"

// Booking and payment of one construction-period cost.
struct tagEXPENSEMANAGE {
    int nManage;  // 0 land price, 1 building price, 2 expense, 3 start-up amortisation
    int nPayment; // 0 at construction start, 1 midway, 2 at completion, 3 three instalments
};

// The 24 construction-period costs; rows 15 to 23 print, one block of 3 rows
// each on the page of the row's number.
class COptionExpenseManageClass : public COptionBlockClass {
public:
    COptionExpenseManageClass() { InitData(); }

    // All 0 but the mortgage registration fee, paid at completion.
    void InitData() override;
    void DestroyData() override { InitData(); }
    void ReportDraw(CDC* pDC) override;
    BOOL SetFramePoint(int nPage) override;
    BOOL SetWLinePoint(int nPage) override;
    BOOL SetHLinePoint(int nPage) override;
    BOOL SetItemPoint(int nPage) override;
    BOOL SetItemData(int nPage) override;
    BOOL SetSubItemPoint(int nPage) override;
    BOOL SetSubItemData(int nPage) override;
    BOOL SetDataPoint(int nPage) override;
    // Fills block nPage (15 to 23) only.
    BOOL SetDataData(int nPage) override;
    void CreatePrintArray(int nPages) override;

    tagEXPENSEMANAGE m_aManage[24];
};

// Start-up amortisation, pro-rating of other amortisation items, the
// investment-yield numerator, negative surplus and own-fund timing; one sheet
// of 10 rows.
class COptionOtherManageClass : public COptionClass {
public:
    COptionOtherManageClass() { InitData(); }

    void InitData() override;
    void DestroyData() override { InitData(); }
    void ReportDraw(CDC* pDC) override;
    BOOL SetFramePoint(int nPage) override;
    BOOL SetWLinePoint(int nPage) override;
    BOOL SetHLinePoint(int nPage) override;
    BOOL SetItemPoint(int nPage) override;
    BOOL SetItemData(int nPage) override;
    BOOL SetSubItemPoint(int nPage) override;
    BOOL SetSubItemData(int nPage) override;
    BOOL SetDataPoint(int nPage) override;
    BOOL SetDataData(int nPage) override;
    void CreatePrintArray(int nPages) override;

    int m_nStartupYear;             // years
    int m_anProrate[4];             // 0 pro-rated, 1 not
    int m_nYieldFormula;            // 0 to 4; the sheet has boxes for 0 to 2
    CString m_astrAmortizeName[4];
    int m_nMinusSurplus;            // 0 not shown negative, 1 shown negative
    int m_nOwnFundTime;             // 0 at construction start, 1 at completion
};
