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

    CDataSupplyClass();
    CDataSupplyClass(const CDataSupplyClass&) = default;
    CDataSupplyClass& operator=(const CDataSupplyClass&) = default;
    ~CDataSupplyClass() override;

    // Leaves the nine loans as they are.
    void InitData() override;
    void DestroyData() override;

    // [0]-[4] loans 1 to 5, [5] loan 6 (land purchase), [6] and [7] loans 7
    // and 8 (capital expenditures), [8] the automatic loan.
    CDataLoanClass m_aLoan[kLoanCount];
    tagDATAFUND m_objFund;
    tagDATASHORTLOAN m_objShortLoan;
    int m_nAutoLoan;         // 0 used, 1 not used
    int m_nLandPurchaseLoan; // 1 when loan 6 is the land-purchase loan
};
