// Consumption-tax classes of the project's costs, construction funds, other
// incomes and rental incomes.
#pragma once

#include "option/optionclass.h"
#include "option/optionsheet.h"

// Taxable or not, per recurring expense item; one sheet of 8 rows.
class COptionConsumptionCostClass : public COptionClass {
public:
    COptionConsumptionCostClass() { InitData(); }

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

    int m_anTax[13];            // 0 taxable ("課税"), 1 non-taxable ("非課税")
    CString m_astrItemName[13]; // names by item; [5] to [10]: other expenses 1 to 6
};

// One item of the construction funds.
struct tagCONSUMPTIONEXPENSE {
    int nTax;        // 0 taxable, 1 non-taxable
    int nManage;     // 0 as the item is booked, 1 land price, 2 building book value,
                     // 3 expense, 4 start-up amortisation, 5 non-business expenditure
    BOOL bStartRate; // use the rate in force at construction start
};

// Consumption tax on the 17 items of the construction funds: one block of
// 4 rows per item on pages 0 to 16; m_nPage 1 prints blocks 0 to 11, 2 the rest.
class COptionConsumptionExpenseClass : public COptionBlockClass {
public:
    COptionConsumptionExpenseClass() { InitData(); }

    // Keeps every bStartRate.
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
    // Fills every block, whatever the page.
    BOOL SetDataData(int nPage) override;
    void CreatePrintArray(int nPages) override;

    tagCONSUMPTIONEXPENSE m_aItem[17] = {};
    CString m_astrCostName[8]; // other costs 1 to 8 (items 9 to 16)
};

// Taxable or not, per income item of one rental category; one sheet of 4 rows
// titled with the category name.
class COptionConsumptionRentalClass : public COptionClass {
public:
    COptionConsumptionRentalClass() { InitData(); }

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

    int m_anTax[6];         // rent, common charge, key money, deposit and guarantee gains, renewal fee
    CString m_strTypeName;  // appended to the title
};

// Taxable or not, per other income and the cash-balance interest, with the
// eight rental categories' records; a sheet of 5 rows, then the eight rental sheets.
class COptionConsumptionIncomeClass : public COptionClass {
public:
    COptionConsumptionIncomeClass() { InitData(); }

    // Leaves the rental records as they are.
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

    COptionConsumptionRentalClass m_aRental[8];
    int m_anOtherTax[6];
    int m_nInterestTax;        // interest on the cash balance ("手許残高運用利息")
    CString m_astrIncomeName[6];
    CString m_astrTypeName[8]; // copied into the rental records when the sheet is built or filled
};
