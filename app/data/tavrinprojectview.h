// The basic-conditions form: project name, subtitles, taxation and
// consumption-tax methods, business share, input method of amounts and the
// loss carry-forward and carry-back settings.
#pragma once

#include "app/data/dataparentframe.h"
#include "data/databasic.h"

class CTavrinProjectView : public CDataParentView {
public:
    CTavrinProjectView();

    void OnInitialUpdate() override;
    BOOL CheckData(int nPage) override;
    // The basic record and the project's title.
    BOOL StoreData() override;
    void ReloadData() override;
    void OnUpdateTitle() override;
    void OnControlNotify(UINT nID, UINT nCode) override;

    // Controls from the record and back (the record is not checked here).
    void LoadRecord(const tagDATABASIC& record);
    // TRUE when a value of the record changed.
    BOOL StoreRecord(tagDATABASIC& record);

private:
    // The check box 1472 is usable only for a corporation of capital up to
    // 100 million yen (selection 1 of 10001); otherwise it is cleared.
    void ApplyCarryBackRule();
    // Button 1296 is shown while the ratio is not exactly 100.
    void ShowBusinessRateButton(double dRatio);
};
