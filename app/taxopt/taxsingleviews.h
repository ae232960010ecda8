// The tax-rate windows of one small record each without own rules beyond
// their ranges: fixed-asset tax, depreciation, registration and licence tax,
// real property acquisition tax and loss carry-forward.
#pragma once

#include "app/taxopt/taxformview.h"
#include "tax/taxconsumption.h"
#include "tax/taxlicense.h"
#include "tax/taxmunicipal.h"

class CTaxMunicipalView : public CTaxFormView<CTaxMunicipalClass> {
public:
    CTaxMunicipalView();

protected:
    // A zero part of either special-case fraction needs the user's consent.
    BOOL CheckRules() override;
};

class CTaxDepreciationView : public CTaxFormView<CTaxDepreciationClass> {
public:
    CTaxDepreciationView();

protected:
    void ShowDerived(const CTaxDepreciationClass& record) override;
};

class CTaxLicenseView : public CTaxFormView<CTaxLicenseClass> {
public:
    CTaxLicenseView();
};

class CTaxRealtyGetView : public CTaxFormView<CTaxRealtyGetClass> {
public:
    CTaxRealtyGetView();
    BOOL ChecksBeforeCancel() const override { return TRUE; }
};

class CTaxTransferView : public CTaxFormView<CTaxTransferClass> {
public:
    CTaxTransferView();
};
