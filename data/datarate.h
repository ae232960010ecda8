// Four-step rate-change schedule: from year N to year M, every K years, rise
// or fall by R percent.
#pragma once

#include "platform/afxtypes.h"

struct tagDATARATE {
    int nStartYear;
    int nEndYear;
    int nInterval;
    double dRate;
    int bDecrease;
};

class CDataRateClass {
public:
    static constexpr int kStepCount = 4;

    CDataRateClass() { InitData(); }
    CDataRateClass(const CDataRateClass&) = default;
    CDataRateClass& operator=(const CDataRateClass&) = default;
    virtual ~CDataRateClass() = default;

    // The amount after this year's change; the caller feeds each year's
    // result into the next year, so changes compound.
    virtual double CalcChangeMoney(double dMoney, int nYear);
    // The step that changes amounts in nYear; null when they stay as they are.
    const tagDATARATE* ChangingStep(int nYear) const;
    // dMoney after one change by step.
    static double ChangeByStep(const tagDATARATE& step, double dMoney)
    {
        const double c = step.dRate * 0.01 * dMoney;
        return step.bDecrease ? dMoney - c : dMoney + c;
    }
    void SetDataRate(int nIndex, tagDATARATE* pRate);
    tagDATARATE GetDataRate(int nIndex);
    void InitData();

    tagDATARATE m_aDataRate[kStepCount];
};
