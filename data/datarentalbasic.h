// Basic rental conditions of one rental category: contract period, turnover,
// occupancy and rent schedules, deposit and security-money rules, and the
// repayment of the security money.
#pragma once

#include "data/dataloan.h"
#include "data/datarate.h"

struct tagDATARENTALBASIC {
    int nContractYears;
    double dDepositAmortizeRatio;  // percent not refunded
    int nDepositChange;            // 0 follows the rent, 1 does not change
    double dSecurityAmortizeRatio; // percent not refunded
    int nSecurityChange;           // 0 follows the rent, 1 does not change
    int bCommonFeeFixed;           // 1 when the common fee does not follow the rent
};

class CDataRentalBasicClass : public CDataClass, public tagDATARENTALBASIC {
public:
    // Schedules of m_aRate. In the turnover and occupancy schedules a step's
    // dRate is the level in percent for the step's years; the rent schedule
    // is an ordinary rise/fall schedule. The last two are only carried.
    enum { kRateTurnover, kRateLive, kRateRent, kRateCount = 5 };

    CDataRentalBasicClass();
    CDataRentalBasicClass(const CDataRentalBasicClass&) = default;
    CDataRentalBasicClass& operator=(const CDataRentalBasicClass&) = default;
    ~CDataRentalBasicClass() override;

    // Leaves the schedules and the security-money loan as they are.
    void InitData() override;
    void DestroyData() override;

    // The sheet: six sections, one per page of the print arrays, all drawn
    // one below the other.
    enum { kSectionName, kSectionChange, kSectionLive, kSectionHouse, kSectionDeposit, kSectionSecurity,
           kSectionCount };
    void ReportDraw(CDC* pDC) override;
    BOOL SetFramePoint(int nSection) override;
    BOOL SetWLinePoint(int nSection) override;
    BOOL SetHLinePoint(int nSection) override;
    BOOL SetItemPoint(int nSection) override;
    BOOL SetItemData(int nSection) override;
    BOOL SetSubItemPoint(int nSection) override;
    BOOL SetSubItemData(int nSection) override;
    BOOL SetDataPoint(int nSection) override;
    // Section n, or all six for -1.
    BOOL SetDataData(int n) override;
    void CreatePrintArray(int nPages) override;

    // dAmount at the occupancy of year nYear; 0 when no step holds the year.
    double CalcChangeLive(double dAmount, int nYear) const;
    // Occupancy of year nYear in percent; the last step's when no step holds it.
    double GetChangeLiveRate(int nYear) const;
    // Turnover of year nYear in percent; the last step's when no step holds it.
    double GetChangeChangeRate(int nYear) const;
    // dAmount carried through the rent schedule from year 0 to nYear,
    // compounding; unchanged for a negative year.
    double CalcChangeRentalMoney(double dAmount, int nYear);

    CString m_strName;
    CDataRateClass m_aRate[kRateCount];
    CDataLoanClass m_objSecurityLoan;

private:
    BOOL SetPrintDataName();
    BOOL SetPrintDataChange();
    BOOL SetPrintDataLive();
    BOOL SetPrintDataHouse();
    BOOL SetPrintDataDeposit();
    BOOL SetPrintDataSecurity();
};
