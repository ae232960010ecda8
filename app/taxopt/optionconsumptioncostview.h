// The option window of the consumption tax on purchases and expenses: per
// expense item whether it is taxed.
#pragma once

#include "app/taxopt/optionformview.h"
#include "option/optionconsumption.h"

class COptionConsumptionCostView : public COptionRecordView<COptionConsumptionCostClass> {
public:
    COptionConsumptionCostView();
    void ReloadLabels() override;
};
