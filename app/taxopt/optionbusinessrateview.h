// The business-ratio option window: for each expense item whether the
// business ratio divides it.
#pragma once

#include "app/taxopt/optionformview.h"
#include "option/optionbusiness.h"

class COptionBusinessRateView : public COptionRecordView<COptionBusinessRateClass> {
public:
    COptionBusinessRateView();
    void ReloadLabels() override;
};
