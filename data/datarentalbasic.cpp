#include "data/datarentalbasic.h"

namespace {

// The first step that holds nYear: an open step (start after end) holds
// every year. Null when none does.
const tagDATARATE* FindStep(const CDataRateClass& schedule, int nYear)
{
    for (const tagDATARATE& step : schedule.m_aDataRate) {
        if (step.nStartYear > step.nEndYear) return &step;
        if (step.nStartYear <= nYear && nYear <= step.nEndYear) return &step;
    }
    return nullptr;
}

double LevelOrLastStep(const CDataRateClass& schedule, int nYear)
{
    const tagDATARATE* step = FindStep(schedule, nYear);
    return step ? step->dRate : schedule.m_aDataRate[CDataRateClass::kStepCount - 1].dRate;
}

} // namespace

CDataRentalBasicClass::CDataRentalBasicClass()
{
    InitData();
    CreateData();
}

CDataRentalBasicClass::~CDataRentalBasicClass()
{
    DestroyData();
}

void CDataRentalBasicClass::InitData()
{
    CDataClass::InitData();
    static_cast<tagDATARENTALBASIC&>(*this) = tagDATARENTALBASIC{};
    m_strName.Empty();
}

void CDataRentalBasicClass::DestroyData()
{
    CDataClass::DestroyData();
    InitData();
}

double CDataRentalBasicClass::CalcChangeLive(double dAmount, int nYear) const
{
    const tagDATARATE* step = FindStep(m_aRate[kRateLive], nYear);
    return step ? dAmount * step->dRate * 0.01 : 0.0;
}

double CDataRentalBasicClass::GetChangeLiveRate(int nYear) const
{
    return LevelOrLastStep(m_aRate[kRateLive], nYear);
}

double CDataRentalBasicClass::GetChangeChangeRate(int nYear) const
{
    return LevelOrLastStep(m_aRate[kRateTurnover], nYear);
}

double CDataRentalBasicClass::CalcChangeRentalMoney(double dAmount, int nYear)
{
    double dMoney = dAmount;
    for (int t = 0; t <= nYear; ++t) dMoney = m_aRate[kRateRent].CalcChangeMoney(dMoney, t);
    return dMoney;
}
