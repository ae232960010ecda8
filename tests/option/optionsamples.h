// Option records filled with sample values, as a project would hold them.
#pragma once

#include "option/optionbusiness.h"
#include "option/optionconsumption.h"
#include "option/optionheader.h"
#include "option/optionmanage.h"

// "textN", numbered from 1.
inline CString Numbered(const char* pszText, int n)
{
    CString s;
    s.Format("%s%d", pszText, n);
    return s;
}

inline void FillSample(COptionBusinessRateClass& r)
{
    for (int j = 0; j < 21; ++j) r.m_anApply[j] = j % 3 == 1;
    for (int i = 0; i < 10; ++i) r.m_astrExpenseName[i] = Numbered("その他経費", i + 1);
    for (int i = 0; i < 4; ++i) r.m_astrAmortizeName[i] = Numbered("繰延資産", i + 1);
}

inline void FillSample(COptionAdvanceClass& r)
{
    const char* names[] = {"住宅", "店舗", "事務所", "駐車場", "倉庫", "工場", "看板", "その他"};
    for (int k = 0; k < 8; ++k) {
        r.m_aRate[k] = {10.0 * k, 100.0 - 12.5 * k};
        r.m_astrTypeName[k] = names[k];
    }
}

inline void FillSample(COptionConsumptionCostClass& r)
{
    for (int j = 0; j < 13; ++j) r.m_anTax[j] = j % 4 == 2;
    for (int i = 0; i < 13; ++i) r.m_astrItemName[i] = Numbered("経費", i + 1);
}

inline void FillSample(COptionConsumptionExpenseClass& r)
{
    for (int i = 0; i < 17; ++i) r.m_aItem[i] = {i % 2, i % 6, i % 3 == 0};
    for (int i = 0; i < 8; ++i) r.m_astrCostName[i] = Numbered("その他費用", i + 1);
}

inline void FillSample(COptionConsumptionRentalClass& r, int nSeed = 0)
{
    for (int i = 0; i < 6; ++i) r.m_anTax[i] = (i + nSeed) % 2;
    r.m_strTypeName = "住宅";
}

inline void FillSample(COptionConsumptionIncomeClass& r)
{
    for (int k = 0; k < 8; ++k) FillSample(r.m_aRental[k], k);
    for (int j = 0; j < 6; ++j) {
        r.m_anOtherTax[j] = j % 2;
        r.m_astrIncomeName[j] = Numbered("その他収入", j + 1);
    }
    r.m_nInterestTax = 1;
    for (int k = 0; k < 8; ++k) r.m_astrTypeName[k] = Numbered("種別", k + 1);
}

inline void FillSample(COptionExpenseManageClass& r)
{
    for (int i = 0; i < 24; ++i) r.m_aManage[i] = {i % 4, (i + 1) % 4};
}

inline void FillSample(COptionOtherManageClass& r)
{
    r.m_nStartupYear = 5;
    for (int j = 0; j < 4; ++j) {
        r.m_anProrate[j] = j % 2;
        r.m_astrAmortizeName[j] = Numbered("償却項目", j + 1);
    }
    r.m_nYieldFormula = 2;
    r.m_nMinusSurplus = 1;
    r.m_nOwnFundTime = 1;
}

inline void FillSample(COptionHeaderClass& r)
{
    r.SetDate("2024年4月1日");
    r.SetProjectName("駅前ビル計画");
    r.SetDataName("標準");
}

inline void FillSample(COptionMemoClass&) {}
