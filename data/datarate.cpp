#include "data/datarate.h"

double CDataRateClass::CalcChangeMoney(double dMoney, int nYear)
{
    const tagDATARATE* step = ChangingStep(nYear);
    return step ? ChangeByStep(*step, dMoney) : dMoney;
}

const tagDATARATE* CDataRateClass::ChangingStep(int nYear) const
{
    for (int i = 0; i < kStepCount; ++i) {
        const tagDATARATE& step = m_aDataRate[i];
        // An open step (end before start) takes every year no earlier step took.
        if (step.nEndYear >= step.nStartYear && (nYear < step.nStartYear || nYear > step.nEndYear)) continue;
        if (i == 0 && nYear == step.nStartYear) return nullptr;
        // Years as stored may lie anywhere in the int range: their distance is wider.
        if (step.nInterval == 0 || (static_cast<long long>(nYear) - step.nStartYear) % step.nInterval != 0) return nullptr;
        return &step;
    }
    return nullptr;
}

void CDataRateClass::SetDataRate(int nIndex, tagDATARATE* pRate)
{
    if (pRate && nIndex >= 0 && nIndex < kStepCount) m_aDataRate[nIndex] = *pRate;
}

tagDATARATE CDataRateClass::GetDataRate(int nIndex)
{
    return (nIndex >= 0 && nIndex < kStepCount) ? m_aDataRate[nIndex] : tagDATARATE{};
}

void CDataRateClass::InitData()
{
    for (tagDATARATE& step : m_aDataRate) step = tagDATARATE{};
}
