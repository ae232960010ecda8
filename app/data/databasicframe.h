// Frame of the basic-conditions window, the first window of every project.
#pragma once

#include "app/data/dataparentframe.h"

class CDataBasicFrame : public CDataParentFrame {
public:
    explicit CDataBasicFrame(CTavrinProjectDoc* pDoc);

protected:
    BOOL IsProjectFrame() const override { return TRUE; }
    // Closing this window closes the whole project.
    void closeEvent(QCloseEvent* pEvent) override;
};
