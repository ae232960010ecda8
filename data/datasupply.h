// The project's own funds, subsidy, fund-shortage loan and nine loans.
#pragma once

#include "data/dataloan.h"

struct tagDATAFUND {
    double dOwnFund;     // thousand yen
    double dLandOwnFund; // own funds for the land purchase, thousand yen
    double dSubsidy;     // thousand yen
};

// The loan taken when funds fall short.
struct tagDATASHORTLOAN {
    int nUse;         // 0 not used, 1 used
    double dRate;     // percent
    int nMortgageFee; // 0 charged, 1 not charged
};

class CDataSupplyClass : public CDataClass {
public:
    static constexpr int kLoanCount = 9;
    static constexpr int kLandPurchaseLoan = 5;
    static constexpr int kAutoLoan = CDataLoanClass::kAutoLoanIndex;

    CDataSupplyClass();
    CDataSupplyClass(const CDataSupplyClass&) = default;
    CDataSupplyClass& operator=(const CDataSupplyClass&) = default;
    ~CDataSupplyClass() override;

    // Leaves the nine loans as they are.
    void InitData() override;
    void DestroyData() override;

    // The funding sheet: page 1 the record's own block with loans 1 and 2,
    // pages 2 to 4 the other loans.
    void ReportDraw(CDC* pDC) override;
    void ReportDraw1(CDC* pDC);
    void ReportDraw2(CDC* pDC);
    BOOL SetFramePoint(int nPage) override;
    BOOL SetWLinePoint(int nPage) override;
    BOOL SetHLinePoint(int nPage) override;
    BOOL SetItemPoint(int nPage) override;
    BOOL SetItemData(int nPage) override;
    BOOL SetSubItemPoint(int nPage) override;
    BOOL SetSubItemData(int nPage) override;
    BOOL SetDataPoint(int nPage) override;
    // The record's own cells, then every loan's, with the titles and the
    // automatic loan's use.
    BOOL SetDataData(int nPage) override;
    // Numbers the loans and builds their sheets, then the record's own.
    void CreatePrintArray(int nPages) override;
    void DestroyPrintArray() override;

    // [0]-[4] loans 1 to 5, [5] loan 6 (land purchase), [6] and [7] loans 7
    // and 8 (capital expenditures), [8] the automatic loan.
    CDataLoanClass m_aLoan[kLoanCount];
    tagDATAFUND m_objFund;
    tagDATASHORTLOAN m_objShortLoan;
    int m_nAutoLoan;         // 0 used, 1 not used
    int m_nLandPurchaseLoan; // 1 when loan 6 is the land-purchase loan
};
