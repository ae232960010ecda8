// The result object of one project: the 24 result pages that the calculation
// fills, and the drawing of one report made of some of them.
#pragma once

#include "platform/cdc.h"
#include "result/pages/balancebasic.h"
#include "result/pages/balancesheet.h"
#include "result/pages/cashflow.h"
#include "result/pages/constructfinancing.h"
#include "result/pages/constructfunds.h"
#include "result/pages/currentexpense.h"
#include "result/pages/currentincome.h"
#include "result/pages/fundingplan.h"
#include "result/pages/premisebasic.h"
#include "result/pages/premisecolumns.h"
#include "result/pages/profit.h"
#include "result/pages/rentalbasic.h"
#include "result/pages/rentaldetail.h"
#include "result/pages/summary.h"
#include "result/pages/taxlist.h"
#include "result/pages/trendgraph.h"

class CTavResultClass {
public:
    CTavResultClass();
    ~CTavResultClass();
    // Copies hold no rows: each page copies its extent, year columns and own members.
    CTavResultClass(const CTavResultClass& other) = default;
    CTavResultClass& operator=(const CTavResultClass& other) = default;

    // No report, an empty year window and sheet; the pages keep their rows.
    void InitData();

    void SetItemFlag(int nItemFlag) { m_nItemFlag = nItemFlag; }
    int GetItemFlag() const { return m_nItemFlag; }
    // Element nIndex (0 to 10) of the year window; other indexes are ignored / give -1.
    void SetYear(int nIndex, int nYear);
    int GetYear(int nIndex) const;
    void SetMaxYear(int nMaxYear) { m_nMaxYear = nMaxYear; }
    int GetMaxYear() const { return m_nMaxYear; }
    void SetPaperSize(CSize size) { m_sizePaper = size; }
    CSize GetPaperSize() const { return m_sizePaper; }

    // Draws report kind m_nItemFlag (0 to 16; others draw nothing) from the
    // window origin of pDC with the library's print settings; nColor goes to
    // the graphs. The origin stays where the last page left it.
    void ReportDraw(CDC* pDC, int nColor);

    int m_nItemFlag;
    int m_anYear[11];
    int m_nMaxYear;
    CSize m_sizePaper;
    CResultExpenseMoneyDataClass m_objExpenseMoneyData;
    CResultSupplyDataClass m_objSupplyData;
    CResultBasicDataClass m_objBasicData;
    CResultOutlineDataClass m_objOutlineData;
    CResultDepreciationDataClass m_objDepreciationData;
    CResultCapitalpayDataClass m_objCapitalpayData;
    CResultCapitalpayLoanDataClass m_objCapitalpayLoanData;
    CResultTaxDataClass m_objTaxData;
    CResultProRestOtherDataClass m_objProRestOtherData;
    CResultRestOtherDataClass m_objRestOtherData;
    CResultBalanceBasicClass m_objBalanceBasic;
    CResultBalanceProfitClass m_objBalanceProfit;
    CResultBalanceCapitalClass m_objBalanceCapital;
    CResultBalanceSummaryClass m_objBalanceSummary;
    CResultBalanceCapitalPlanClass m_objBalanceCapitalPlan;
    CResultCurrentExpenseClass m_objCurrentExpense;
    CResultCurrentIncomeClass m_objCurrentIncome;
    CResultRentalTypeClass m_objRentalType;
    CResultRentalBasicClass m_objRentalBasic;
    CResultBalanceOutlineClass m_objBalanceOutline;
    CResultGraphOutlineClass m_objGraphOutline;
    CResultGraphLoanClass m_objGraphLoan;
    CResultGraphCapitalClass m_objGraphCapital;
    CResultBalanceTaxClass m_objBalanceTax;

private:
    // Page nPage (1 to 24) in member order.
    CResultBaseClass* GetPage(int nPage);
    void DrawReportPages(CDC* pDC, int nColor);
    // Gives page nPage its extent (and the year window to the yearly pages), then draws it.
    void DrawPage(CDC* pDC, int nColor, int nPage, CSize size);
};
