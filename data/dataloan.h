// One loan: amount, repayment method, extra repayment, grace period and four
// repayment periods.
#pragma once

#include "data/dataclass.h"

// One period: first and last project year (inclusive) and the interest rate
// in percent. In the grace period nEndYear holds the length in months.
struct tagDATAREPAY {
    int nStartYear;
    int nEndYear;
    double dRate;
};

struct tagDATALOAN {
    double dAmount;        // thousand yen
    int nMortgageFee;      // 0 charged, 1 not charged
    int nRepayMethod;      // 0 level payments, 1 level principal, 2 the holder's third method
    int nSpecialFromYear;  // extra repayment from this year ...
    int nSpecialToYear;    // ... up to this year, inclusive
    double dSpecialAmount; // extra repayment per year, thousand yen
    int nSpecialSource;    // 0 business income, 1 additional own funds
};

class CDataLoanClass : public CDataClass, public tagDATALOAN {
public:
    static constexpr int kRepayCount = 5;
    static constexpr int kAutoLoanIndex = 8; // m_nIndex of the funding record's automatic loan

    CDataLoanClass();
    CDataLoanClass(const CDataLoanClass&) = default;
    CDataLoanClass& operator=(const CDataLoanClass&) = default;
    ~CDataLoanClass() override;

    void InitData() override;
    void DestroyData() override;

    // Length in years of period i (0 the grace period, 1 to 4 the repayment
    // periods); -1 sums periods 1 to 4. Any other index gives 0.
    int GetRepayPeriod(int i) const;
    BOOL CheckSpecialLoan() const;
    // Does not require CheckSpecialLoan.
    BOOL CheckSpecialLoanYear(int nYear) const;

    // The loan's block on the funding sheet; m_nIndex selects the ordinary
    // or the automatic-loan variant and the title.
    void ReportDraw(CDC* pDC) override;
    BOOL SetFramePoint(int nPage) override;
    BOOL SetWLinePoint(int nPage) override;
    BOOL SetHLinePoint(int nPage) override;
    BOOL SetItemPoint(int nPage) override;
    BOOL SetItemData(int nPage) override;
    BOOL SetSubItemPoint(int nPage) override;
    BOOL SetSubItemData(int nPage) override;
    BOOL SetDataPoint(int nPage) override;
    // Sets the title, then the value cells.
    BOOL SetDataData(int nPage) override;
    void CreatePrintArray(int nPages) override;
    // Empties every value cell.
    void CreateDataData();
    // Ticks "利用する" (0) or "利用しない" (1) of the automatic loan.
    void SetUseData(int n);

    tagDATAREPAY m_aRepay[kRepayCount]; // [0] grace period, [1]-[4] repayment periods
    CString m_strBankName;
    int m_nCapitalPayYear; // capital-expenditure year financed; 0 not in use
    int m_nIndex;          // position in the funding record, 0 to 8

private:
    BOOL IsAutoLoan() const { return m_nIndex == kAutoLoanIndex; }
    void SetLoanTitle();
};
