// The business-tax window: the individual's rate and deduction, the
// corporate income brackets, the size-based ratios with their capital
// brackets and the deferment period. Each lower bound after the first of a
// bracket table mirrors the upper bound of the row above.
#pragma once

#include "app/taxopt/taxformview.h"
#include "tax/taxbusiness.h"

class CTaxBusinessView : public CTaxFormView<CTaxBusinessClass> {
public:
    CTaxBusinessView();

protected:
    // The last income bracket has no upper bound.
    BOOL StoreDerived(CTaxBusinessClass& record) override;
};
