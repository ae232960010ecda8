// Yearly running costs: ten expense items, each with its booking span and
// change schedule, and the record that holds them.
#pragma once

#include "data/dataclass.h"
#include "data/datarate.h"

struct tagDATACOSTITEM {
    // By input method: [0] yearly total (thousand yen); [1] per tsubo or
    // percent of the construction cost.
    double adAmount[2];
    int nInputMethod; // 0 total, 1 per tsubo or share of the construction cost
    int nFromYear;    // first project year booked
    int nToYear;      // last project year booked, inclusive
    int nExtra1;      // other expenses: interval in years as entered
    int nExtra2;
};

// One running expense; its position in CDataCostClass (m_nIndex) picks the
// sheet variant and title.
class CDataCostItemClass : public CDataRateClass, public CDataClass, public tagDATACOSTITEM {
public:
    CDataCostItemClass();

    void SetOtherName(CString strName) { m_strOtherName = strName; }
    CString GetOtherName() { return m_strOtherName; }

    // Labels: management fee to fire insurance; other expenses.
    BOOL SetItemData1();
    BOOL SetItemData2();
    // Sub-labels and values: management fee and land rent; repairs and fire
    // insurance; other expenses.
    BOOL SetSubItemData1();
    BOOL SetSubItemData2();
    BOOL SetSubItemData3();
    BOOL SetDataData1();
    BOOL SetDataData2();
    BOOL SetDataData3();

    void InitData() override;
    void DestroyData() override;
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

    CString m_strOtherName;
    int m_nIndex;

private:
    enum Variant { kPerTsubo, kConstructionShare, kOtherExpense };
    Variant GetVariant() const;
    // The amount of the selected input method, or an empty text for a method
    // outside the two.
    CString SelectedAmountText() const;
    // Booking span and the four schedule steps, from value cell nFirst.
    BOOL SetScheduleData(int nFirst);
};

// The project's ten running expenses: 0 management fee, 1 land rent,
// 2 repairs, 3 fire insurance, 4 to 9 other expenses 1 to 6. Prints as two
// pages of five items.
class CDataCostClass : public CDataClass {
public:
    static constexpr int kItemCount = 10;

    CDataCostClass() { InitData(); }

    void DestroyData() override { InitData(); }
    void ReportDraw(CDC* pDC) override;
    BOOL SetDataData(int nPage) override;
    void CreatePrintArray(int nPages) override;
    void DestroyPrintArray() override;

    CDataCostItemClass m_aCostItem[kItemCount];
};
