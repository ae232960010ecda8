// Construction-phase costs: one cost line with its accounting and payment
// codes, and the record of the fourteen costs besides the construction cost.
#pragma once

#include "data/dataclass.h"

struct tagDATAEXPENSEMONEY {
    // By line: 0/1 total or per tsubo (lines 0, 1), amount or percent of the
    // construction cost (2), amount or interest rate (3); 0 for the others.
    int nInputMethod;
    double dAmount; // thousand yen, thousand yen per tsubo, or percent
    // 0 land book value, 1 building book value, 2 expense, 3 deferred
    // start-up cost, 4 non-business expenditure.
    int nAccounting;
    int nPayment; // 0 at start of construction, 1 midway, 2 at completion, 3 in three instalments
};

// One construction-phase cost; its position in CDataExpenseOtherClass
// (m_nIndex) picks the sheet variant and title.
class CDataExpenseMoneyClass : public CDataClass, public tagDATAEXPENSEMONEY {
public:
    CDataExpenseMoneyClass();

    // Elements of one sheet variant: land price and demolition; design fee;
    // interest during construction; neighbourhood measures and brokerage fee;
    // named other costs.
    void CreatePrintArray1();
    void CreatePrintArray2();
    void CreatePrintArray3();
    void CreatePrintArray4();
    void CreatePrintArray5();
    // Sub-labels and values: land price and demolition; design fee and
    // interest; neighbourhood measures and brokerage fee; named other costs.
    BOOL SetSubItemData1();
    BOOL SetSubItemData2();
    BOOL SetSubItemData3();
    BOOL SetSubItemData4();
    BOOL SetDataData1();
    BOOL SetDataData2();
    BOOL SetDataData3();
    BOOL SetDataData4();

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

    CString m_strName;    // name of an other cost (lines 6 to 13)
    CString m_strComment; // lines 6 to 13: content as entered; not printed
    int m_nIndex = 0;

private:
    enum Variant { kTotalOrTsubo, kConstructionShare, kInterest, kTotalOnly, kNamed };
    Variant GetVariant() const;
    void CreateVariantPage(Variant variant);
    // The five accounting checks from value cell nFirst, then the four
    // payment checks when the sheet has them.
    BOOL SetBookingData(int nFirst, BOOL bPayment);
    BOOL SetAmountData(int nCell);
};

// The fourteen costs besides the construction cost, by position: 0 land
// price of the bought part, 1 demolition, 2 design and supervision fee,
// 3 interest during construction, 4 neighbourhood measures, 5 brokerage
// fee, 6 to 13 other costs 1 to 8. Prints lines 0-5 on page 1, 6-13 on page 2.
class CDataExpenseOtherClass : public CDataClass {
public:
    static constexpr int kLineCount = 14;

    CDataExpenseOtherClass() { InitData(); }

    void InitData() override;
    void DestroyData() override { InitData(); }
    void ReportDraw(CDC* pDC) override;
    BOOL SetDataData(int nPage) override;
    void CreatePrintArray(int nPages) override;
    void DestroyPrintArray() override;

    CDataExpenseMoneyClass m_aExpenseMoney[kLineCount];
};
