// Frame of the basic-conditions window, the first window of every project.
#pragma once

#include "app/shell/dataparentframe.h"

class CDataBasicFrame : public CDataParentFrame {
public:
    explicit CDataBasicFrame(CTavrinProjectDoc* pDoc);

    // Validates the view and stores the basic record and the project name.
    BOOL SaveData() override;
    // Reloads the view from the record.
    BOOL CancelData() override;
    BOOL PrevData() override { return FALSE; }
    BOOL NextData() override { return SaveData(); }

protected:
    // Closing this window closes the whole project.
    void closeEvent(QCloseEvent* pEvent) override;
};
