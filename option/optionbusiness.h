// Business-use ratio of the recurring expense items, and the shares of the
// deposits and guarantee money received in advance per rental category.
#pragma once

#include "option/optionclass.h"

// Whether the business-use ratio applies to each of 21 expense and
// amortisation items; one sheet of 12 rows.
class COptionBusinessRateClass : public COptionClass {
public:
    COptionBusinessRateClass() { InitData(); }

    // Clears the flags only: the names are the project's item names.
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

    int m_anApply[21];              // 0 applied ("設定"), 1 not applied ("非設定")
    CString m_astrExpenseName[10];  // names of the ten yearly expense items; [4] to [9] print as items 5 to 10
    CString m_astrAmortizeName[4];  // other amortisation, items 15 to 18
};

// Advance-receipt rates of one rental category, in percent.
struct tagADVANCERATE {
    double dSecurityRate; // guarantee money ("保証金前受率")
    double dDepositRate;  // deposits ("敷金前受率")
};

// Advance-receipt rates of the eight rental categories; one sheet of 9 rows.
class COptionAdvanceClass : public COptionClass {
public:
    COptionAdvanceClass() { InitData(); }

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

    tagADVANCERATE m_aRate[8];
    CString m_astrTypeName[8];
};
