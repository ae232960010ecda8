#include "result/pages/tavresult.h"

#include <algorithm>

#include "platform/resource.h"
#include "result/pages/reportlayout.h"
#include "result/pages/resultprint.h"

namespace {

const int kYearColumns = 11;

// The yearly table pages take the result object's year window.
bool IsYearPage(int nPage)
{
    return (nPage >= 11 && nPage <= 15) || nPage == 24;
}

} // namespace

CTavResultClass::CTavResultClass()
{
    InitData();
}

CTavResultClass::~CTavResultClass()
{
    InitData();
}

void CTavResultClass::InitData()
{
    m_nItemFlag = -1;
    std::fill(std::begin(m_anYear), std::end(m_anYear), 0);
    m_nMaxYear = 0;
    m_sizePaper = CSize(0, 0);
}

void CTavResultClass::SetYear(int nIndex, int nYear)
{
    if (nIndex >= 0 && nIndex < kYearColumns) m_anYear[nIndex] = nYear;
}

int CTavResultClass::GetYear(int nIndex) const
{
    return nIndex >= 0 && nIndex < kYearColumns ? m_anYear[nIndex] : -1;
}

void CTavResultClass::ReportDraw(CDC* pDC, int nColor)
{
    if (!pDC) return;
    CModuleStateScope scope("TavResultClass.DLL");
    CResultPrintScope print(pDC, FALSE);
    if (print.IsReady()) DrawReportPages(pDC, nColor);
}

CResultBaseClass* CTavResultClass::GetPage(int nPage)
{
    CResultBaseClass* const apPages[] = {
        &m_objExpenseMoneyData, &m_objSupplyData,       &m_objBasicData,         &m_objOutlineData,
        &m_objDepreciationData, &m_objCapitalpayData,   &m_objCapitalpayLoanData, &m_objTaxData,
        &m_objProRestOtherData, &m_objRestOtherData,    &m_objBalanceBasic,      &m_objBalanceProfit,
        &m_objBalanceCapital,   &m_objBalanceSummary,   &m_objBalanceCapitalPlan, &m_objCurrentExpense,
        &m_objCurrentIncome,    &m_objRentalType,       &m_objRentalBasic,       &m_objBalanceOutline,
        &m_objGraphOutline,     &m_objGraphLoan,        &m_objGraphCapital,      &m_objBalanceTax,
    };
    return apPages[nPage - 1];
}

void CTavResultClass::DrawReportPages(CDC* pDC, int nColor)
{
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    const CPoint start = pDC->GetWindowOrg();
    for (const CReportPage& page : GetReportPages(m_nItemFlag, MakeReportMetrics(m_sizePaper, tm))) {
        const CPoint from = page.bFromStart ? start : pDC->GetWindowOrg();
        pDC->SetWindowOrg(from.x + page.offset.x, from.y + page.offset.y);
        DrawPage(pDC, nColor, page.nPage, page.size);
    }
}

void CTavResultClass::DrawPage(CDC* pDC, int nColor, int nPage, CSize size)
{
    CResultBaseClass* pPage = GetPage(nPage);
    pPage->m_sizePage = size;
    if (IsYearPage(nPage)) std::copy(std::begin(m_anYear), std::end(m_anYear), pPage->m_anYear);
    switch (nPage) {
    case 21: m_objGraphOutline.DrawGraph(pDC, nColor); break;
    case 22: m_objGraphLoan.DrawGraph(pDC, nColor); break;
    case 23: m_objGraphCapital.DrawGraph(pDC, nColor); break;
    default: pPage->ReportDraw(pDC); break;
    }
}
