// The city-planning tax window: the land rate, the residential-land fraction
// and the building rate.
#pragma once

#include "app/taxopt/taxformview.h"
#include "tax/taxmunicipal.h"

class CTaxCityPlanView : public CTaxFormView<CTaxCityPlanClass> {
public:
    CTaxCityPlanView();

protected:
    // A zero part of the fraction needs the user's consent.
    BOOL CheckRules() override;
};
