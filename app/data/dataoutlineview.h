// The outline form: construction months, site and floor areas in tsubo or
// square metres, four parts entered as an area or a percentage, housing use
// and the number of dwellings.
#pragma once

#include <array>

#include "app/data/dataparentframe.h"
#include "data/dataoutline.h"

class CDataOutlineView : public CDataParentView {
public:
    // The numeric edits in the order of their checks.
    static constexpr int kNumberFields = 9;

    CDataOutlineView();

    void OnInitialUpdate() override;
    void OnActivateView(BOOL bActivate) override;
    BOOL CheckData(int nPage) override;
    BOOL StoreData() override;
    void ReloadData() override;
    void OnUpdateTitle() override;
    void OnControlNotify(UINT nID, UINT nCode) override;

    // The working copy the controls edit.
    const CDataOutlineClass& Outline() const { return m_objOutline; }

private:
    // The conversion factor of the tax-rate table, 1.0 when it has none.
    void RefreshFactor();
    // Radios, unit labels and edits from the working copy.
    void ShowRecord();
    void FillEdits();
    void ShowUnitLabels();
    // Leaving edit nID: its text into the working copy when it changed.
    void ReadField(UINT nID);
    // Every field edited and not read yet (the shown text of an unchanged value is not read back).
    void ReadChangedFields();
    void SwitchUnit(int nUnit);
    void SwitchMode(int nPart, int nMode);
    // The parts' areas and ratios made consistent, the other unit recomputed.
    void Reconcile();
    BOOL CheckParts();

    CDataOutlineClass m_objOutline;
    // Text changed since the field was last read, one per numeric edit.
    std::array<BOOL, kNumberFields> m_abChanged = {};
    // An area was read since the other unit was last recomputed.
    BOOL m_bConvert = FALSE;
};
