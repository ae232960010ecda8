// The page base of four-step change schedules: in each step an amount rises
// or falls by a percentage every N years between a first and a last year.
// A derived page adds its own controls; the block of the four steps goes
// into the page's grid at the row it names.
#pragma once

#include <span>
#include <vector>

#include "app/common/formpages.h"
#include "data/datarate.h"

class CDataRatePage : public CFormPage {
public:
    static constexpr UINT IDC_FIRST_YEAR = 10000;  // first year of step 1
    static constexpr UINT IDC_NEXT_START = 1052;   // 1052-1054: first years of steps 2-4
    static constexpr UINT kStepIDs = 5;            // ids of step i: 10001 + 5i ... 10005 + 5i
    static constexpr UINT IDC_LAST_YEAR = 10001;
    static constexpr UINT IDC_INTERVAL = 10002;
    static constexpr UINT IDC_RATE = 10003;
    static constexpr UINT IDC_RISE = 10004;
    static constexpr UINT IDC_FALL = 10005;

    // The page's own controls with the block of the steps at row nRateRow.
    CDataRatePage(std::span<const CFormControl> controls, int nRateRow, QWidget* pParent = nullptr);

    // The standard check of the steps (whole years, percentages 0-100) into
    // the members; on failure every step's last year, interval and percent
    // are selected.
    BOOL CheckPage() override;
    void OnControlNotify(UINT nID, UINT nCode) override;
    LRESULT OnControlKey(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM lParam) override;

    // The steps of a schedule into the controls and back (the first years
    // of steps 2-4 from the shown statics, the direction from the radios).
    void LoadSteps(const CDataRateClass& rate);
    void StoreSteps(CDataRateClass& rate) const;

    int m_anStartYear[4] = {};
    int m_anEndYear[4] = {};
    int m_anInterval[4] = {};
    double m_adRate[4] = {};
};
