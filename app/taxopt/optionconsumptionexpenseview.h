// The option window of the consumption tax on the construction funds: per
// item whether it is taxed and how the tax is booked.
#pragma once

#include "app/taxopt/optionformview.h"
#include "option/optionconsumption.h"

class COptionConsumptionExpenseView : public COptionRecordView<COptionConsumptionExpenseClass> {
public:
    COptionConsumptionExpenseView();
    void ReloadLabels() override;
};
