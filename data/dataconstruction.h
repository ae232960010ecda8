// Construction cost: the cost line with its depreciation items, the
// compression entry and the capital expenditures made during operation.
#pragma once

#include "data/dataclass.h"
#include "data/dataexpense.h"

struct tagDATADEPRECIATION {
    double dAmount;  // thousand yen, or percent of the construction cost with ratio input
    int nLife;       // useful life in years
    int nMethod;     // 0 straight-line, 1 declining-balance
    int nExtra;      // extra depreciation: 0 not applied, 1 applied
    int nRetireYear; // project year of disposal; not printed
};

// One depreciation item: 0 main building, 1 ancillary equipment, 2 to 5
// named other items (m_nIndex, which picks the sheet variant and title).
class CDataDepreciationClass : public CDataClass, public tagDATADEPRECIATION {
public:
    CDataDepreciationClass();

    // Ticks the unit of the printed amount: 0 thousand yen, 1 percent.
    void SetUnit(int nUnit);

    void InitData() override;
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

    CString m_strName; // name of an other item (positions 2 to 5)
    int m_nIndex;

private:
    BOOL IsNamed() const { return m_nIndex != 0 && m_nIndex != 1; }
    // First value cell after the name row.
    int FirstAmountCell() const { return IsNamed() ? 1 : 0; }
};

struct tagDATACAPITALPAY {
    int nYear;      // project year of the expenditure
    double dAmount; // thousand yen
    int nSource;    // 0 business income, 1 loan (7 for the first, 8 for the second), 2 additional own funds
    int nItem;      // depreciation item it is added to, 0 to 5
};

// One capital expenditure: m_nIndex 0 the first, 1 the second.
class CDataCapitalPayClass : public CDataClass, public tagDATACAPITALPAY {
public:
    CDataCapitalPayClass();

    // Labels the six item choices from the six depreciation item names.
    void SetItemName(CString* pNames);

    void InitData() override;
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

    int m_nIndex;
};

struct tagDATACOMPRESSION {
    int nCompression;  // 0 no compression entry, 1 entry made
    double dBookValue; // book value after the entry, thousand yen
};

// The construction cost and how it is written off. Page 1 prints the cost
// block and the six depreciation items, page 2 the capital expenditures.
class CDataExpenseClass : public CDataClass {
public:
    static constexpr int kDepreciationCount = 6;
    static constexpr int kCapitalPayCount = 2;

    CDataExpenseClass() { InitData(); }

    void ReportDraw1(CDC* pDC);
    void ReportDraw2(CDC* pDC);

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
    void DestroyPrintArray() override;

    CDataDepreciationClass m_aDepreciation[kDepreciationCount];
    tagDATACOMPRESSION m_objCompression;
    // nInputMethod: 0 amounts per depreciation item, 2 ratio input with the
    // total cost, 3 ratio input with the cost per tsubo.
    CDataExpenseMoneyClass m_objConstructionCost;
    CDataCapitalPayClass m_aCapitalPay[kCapitalPayCount];

private:
    // The cost block's value cells.
    BOOL SetCostData();
};
