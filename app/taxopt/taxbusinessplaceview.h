// The area-factor window: square metres per tsubo. A store recomputes the
// outline's areas in the unit that was not entered.
#pragma once

#include "app/taxopt/taxformview.h"
#include "tax/taxbusiness.h"

class CTaxBusinessPlaceView : public CTaxFormView<CTaxBusinessPlaceClass> {
public:
    CTaxBusinessPlaceView();

protected:
    // A factor of 0 or less would break the conversion: refused.
    BOOL CheckRules() override;
    BOOL StoreDerived(CTaxBusinessPlaceClass& record) override;
};
