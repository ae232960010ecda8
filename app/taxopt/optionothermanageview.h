// The option window of the other accounting methods: start-up amortisation
// years, pro-rating of the other depreciation items, the yield formula, the
// sign of the yearly surplus and when own funds are used.
#pragma once

#include "app/taxopt/optionformview.h"
#include "option/optionmanage.h"

class COptionOtherManageView : public COptionRecordView<COptionOtherManageClass> {
public:
    COptionOtherManageView();
    void ReloadLabels() override;
};
