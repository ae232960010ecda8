// The option window of the accounting of the taxes and costs of the
// construction period: how each is booked and when it is paid.
#pragma once

#include "app/taxopt/optionformview.h"
#include "option/optionmanage.h"

class COptionExpenseManageView : public COptionRecordView<COptionExpenseManageClass> {
public:
    COptionExpenseManageView();
    // Row 21 (mortgage registration) is always paid at completion.
    BOOL StoreData() override;
};
