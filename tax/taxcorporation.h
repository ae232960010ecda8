// Taxes of a corporate owner: the three-tier corporation tax and the corporate
// inhabitant tax levied on it, each with its sheet.
#pragma once

#include "tax/taxclass.h"

// Corporation tax in three tiers; per tier [0] rate (%), [1] capital over,
// [2] capital at most, [3] kept with the file only, [4] taxable income over,
// [5] taxable income at most (thousand yen). A small corporation pays tier 0's
// rate on the income up to [0][5] and tier 1's above it; others pay tier 2's.
class CTaxCorporationClass : public CTaxClass {
public:
    static constexpr int kTierCount = 3;
    static constexpr int kValueCount = 6;

    CTaxCorporationClass() { InitData(); }

    void InitData() override;
    void DestroyData() override { InitData(); }
    void ReportDraw(CDC* pDC) override;
    void CreatePrintArray(int nPages) override;
    BOOL SetFramePoint(int nPage) override;
    BOOL SetWLinePoint(int nPage) override;
    BOOL SetHLinePoint(int nPage) override;
    BOOL SetItemPoint(int nPage) override;
    BOOL SetItemData(int nPage) override;
    BOOL SetSubItemPoint(int nPage) override;
    BOOL SetSubItemData(int nPage) override;
    BOOL SetDataPoint(int nPage) override;
    BOOL SetDataData(int nPage) override;

    double m_adCapitalStep[kTierCount][kValueCount];
};

// Corporate inhabitant tax: prefectural and municipal parts, each a
// percentage of the corporation tax.
class CTaxResidentCorporationClass : public CTaxClass {
public:
    CTaxResidentCorporationClass() { InitData(); }

    void InitData() override;
    void DestroyData() override { InitData(); }
    void ReportDraw(CDC* pDC) override;
    void CreatePrintArray(int nPages) override;
    BOOL SetFramePoint(int nPage) override;
    BOOL SetWLinePoint(int nPage) override;
    BOOL SetHLinePoint(int nPage) override;
    BOOL SetItemPoint(int nPage) override;
    BOOL SetItemData(int nPage) override;
    BOOL SetSubItemPoint(int nPage) override;
    BOOL SetSubItemData(int nPage) override;
    BOOL SetDataPoint(int nPage) override;
    BOOL SetDataData(int nPage) override;

    double m_dPrefecturalRate; // % of the corporation tax
    double m_dVillageRate;     // % of the corporation tax
};
