// The land-value tax window: the rate, the individual's deduction and the
// corporate deduction in three capital brackets, each bracket starting where
// the one above ends.
#pragma once

#include "app/taxopt/taxformview.h"
#include "tax/taxlandprice.h"

class CTaxLandPriceView : public CTaxFormView<CTaxLandPriceClass> {
public:
    CTaxLandPriceView();

protected:
    // The first bracket starts at 0, the last has no upper bound.
    BOOL StoreDerived(CTaxLandPriceClass& record) override;
};
