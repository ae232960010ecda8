// The consumption tax window: the rate, the exempt sales and the two values
// of the simplified method. Cancel checks the input first.
#pragma once

#include "app/taxopt/taxformview.h"
#include "tax/taxconsumption.h"

class CTaxConsumptionView : public CTaxFormView<CTaxConsumptionClass> {
public:
    CTaxConsumptionView();
    BOOL ChecksBeforeCancel() const override { return TRUE; }
};
