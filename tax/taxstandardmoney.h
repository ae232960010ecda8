// Burden-level adjustment of the land standard of the fixed-asset and
// city-planning taxes: the burden-level rows, the price-drop conditions, and
// the record holding both tables and the conditions, with its three-page sheet.
#pragma once

#include "tax/taxclass.h"

// One row of a burden-level table. Kinds: lower end 0 "at least", 1 "over";
// upper end 0 "under", 1 "at most" (any other value reads as 0). The last row
// of a table leaves its upper end 0.
class CTaxBurdenLevelClass : public CTaxClass {
public:
    CTaxBurdenLevelClass() { InitData(); }

    void InitData() override;

    double m_dLower;
    int m_nLowerExclusive;
    double m_dUpper;
    int m_nUpperInclusive;
    double m_dRate; // factor on last year's standard
};

// Price-drop conditions and the factor used when they hold. Kinds: 0 "at
// least", 1 "over" (any other value reads as 0).
class CTaxPriceDropClass : public CTaxClass {
public:
    CTaxPriceDropClass() { InitData(); }

    void InitData() override;

    // 1 when the drop rate reaches the threshold; m_nPriceDropUse is the caller's.
    int CheckPriceDrop(double rate);
    // m_dAdjustRate when the level reaches the threshold, else rate unchanged.
    double GetPriceDropHouseLevel(double level, double rate);
    double GetPriceDropBusinessLevel(double level, double rate);

    int m_nPriceDropUse; // 0 take into account, 1 do not
    double m_dPriceDropRate;
    int m_nPriceDropExclusive;
    double m_dHouseLevel;
    int m_nHouseLevelExclusive;
    double m_dBusinessLevel;
    int m_nBusinessLevelExclusive;
    double m_dAdjustRate;
};

// The record of the land-standard screen. Non-residential rows 0-6 and
// residential rows 0-5 are used; the rest is spare. Its sheet has three pages
// (residential, non-residential, price drop) drawn one under another.
class CTaxStandardMoneyClass : public CTaxClass {
public:
    static constexpr int kLevelCount = 10;
    static constexpr int kHouseRows = 6;
    static constexpr int kBusinessRows = 7;
    static constexpr int kSheetPages = 3;
    // GetBusinessBurdenLevel's answer for the seventh row, whose m_dRate is a
    // percentage of this year's assessed value.
    static constexpr double kValuePercentRow = -100.0;

    // Factor of the first row whose range takes the level; 1.0 when none does.
    double GetHouseBurdenLevel(double level);
    double GetBusinessBurdenLevel(double level);

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

    CTaxBurdenLevelClass m_aBusinessLevel[kLevelCount];
    CTaxBurdenLevelClass m_aHouseLevel[kLevelCount];
    CTaxPriceDropClass m_objPriceDrop;
};
