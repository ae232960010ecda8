// The corporation tax window: one capital limit, one income limit and three
// rates, from which a store derives every bound of the record's three tiers.
#pragma once

#include "app/taxopt/taxformview.h"
#include "tax/taxcorporation.h"

class CTaxCorporationView : public CTaxFormView<CTaxCorporationClass> {
public:
    CTaxCorporationView();

protected:
    BOOL StoreDerived(CTaxCorporationClass& record) override;
    void ShowDerived(const CTaxCorporationClass& record) override;
};
