// The option window of the advance-receipt rates of deposits and guarantee
// money per rental category; its rows also make the advance-rate dialog.
#pragma once

#include "app/taxopt/optionformview.h"
#include "option/optionbusiness.h"

// The rows of the rates: labels 20101-20108, deposit rates 10009-10016,
// guarantee-money rates 10001-10008.
std::vector<CFormControl> AdvanceRateControls();
const CFormFields<COptionAdvanceClass>& AdvanceRateFields();
void SetAdvanceRateLabels(CFormWidget* pForm, const CTavrinProjectDoc& doc);

class COptionAdvanceView : public COptionRecordView<COptionAdvanceClass> {
public:
    COptionAdvanceView();
    void ReloadLabels() override;
};
