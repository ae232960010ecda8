// Outline of the planned building: construction period, site and floor areas
// held in tsubo ([0]) and square metres ([1]), housing use and dwellings.
#pragma once

#include "data/dataclass.h"

struct tagDATALAND {
    double dTotalLand;
    double dLeasedLand;
    double dBuyLand;
};

struct tagDATABUILDING {
    double dDemolishBuild;
    double dPlanBuild;
    double dUseBuild;
};

struct tagDATAHOUSE {
    double dHouse;
};

struct tagDATAOUTLINE {
    int nConstructMonths;
    int nAreaUnit;        // 0 tsubo, 1 square metres: the element that was entered
    int nLeasedLandInput; // 0 area, 1 percentage of the total site
    double dLeasedLandRatio;
    int nBuyLandInput;    // 0 area, 1 percentage of the total site
    double dBuyLandRatio;
    tagDATALAND aLand[2];
    int nUseBuildInput;   // 0 area, 1 percentage of the planned floor area
    double dUseBuildRatio;
    tagDATABUILDING aBuilding[2];
    int nHouseInput;      // 0 area, 1 percentage of the planned floor area
    double dHouseRatio;
    int nHouseCount;
    tagDATAHOUSE aHouse[2];
};

// Conversions round to two decimals, halves upwards. A value of -1.0 keeps
// the stored source area and only recomputes the other unit.
class CDataOutlineClass : public CDataClass, public tagDATAOUTLINE {
public:
    CDataOutlineClass() { InitData(); }

    void InitData() override;
    void DestroyData() override;
    void ReportDraw(CDC* pDC) override;
    BOOL SetFramePoint(int nPage) override;
    BOOL SetWLinePoint(int nPage) override;
    BOOL SetHLinePoint(int nPage) override;
    BOOL SetItemPoint(int nPage) override;
    BOOL SetItemData(int nPage) override;
    BOOL SetSubItemPoint(int nPage) override;
    BOOL SetSubItemData(int nPage) override;
    BOOL SetDataPoint(int nPage) override;
    BOOL SetDataData(int nPage) override;
    void CreatePrintArray(int nPages) override;

    // Square metres per tsubo; a factor that is not above 0 converts as 1.0.
    void SetChange(double dFactor) { m_dSquareMeterPerTsubo = dFactor; }
    double GetChange() { return m_dSquareMeterPerTsubo; }

    void TotalLandTuboToHeibei(double dValue);
    void TotalLandHeibeiToTubo(double dValue);
    void LeasedLandTuboToHeibei(double dValue);
    void LeasedLandHeibeiToTubo(double dValue);
    void BuyLandTuboToHeibei(double dValue);
    void BuyLandHeibeiToTubo(double dValue);
    void DemolishBuildTuboToHeibei(double dValue);
    void DemolishBuildHeibeiToTubo(double dValue);
    void PlanBuildTuboToHeibei(double dValue);
    void PlanBuildHeibeiToTubo(double dValue);
    void UseBuildTuboToHeibei(double dValue);
    void UseBuildHeibeiToTubo(double dValue);
    void HouseTuboToHeibei(double dValue);
    void HouseHeibeiToTubo(double dValue);

    // A non-null group is first copied into the source unit's element.
    void LandTuboToHeibei(tagDATALAND* pLand);
    void LandHeibeiToTubo(tagDATALAND* pLand);
    void BuildingTuboToHeibei(tagDATABUILDING* pBuilding);
    void BuildingHeibeiToTubo(tagDATABUILDING* pBuilding);
    void HouseTuboToHeibei(tagDATAHOUSE* pHouse);
    void HouseHeibeiToTubo(tagDATAHOUSE* pHouse);
    void TuboToHeibei(tagDATALAND* pLand, tagDATABUILDING* pBuilding, tagDATAHOUSE* pHouse);
    void HeibeiToTubo(tagDATALAND* pLand, tagDATABUILDING* pBuilding, tagDATAHOUSE* pHouse);

    double m_dSquareMeterPerTsubo;

private:
    using FormatFn = CString (*)(int, double, BOOL);

    double ConversionFactor() const;
    void ToHeibei(double& dTsubo, double& dHeibei, double dValue) const;
    void ToTubo(double& dHeibei, double& dTsubo, double dValue) const;

    // The area of the entered unit, or null when the unit is neither.
    const double* EnteredArea(const double& dTsubo, const double& dHeibei) const;
    BOOL SetAreaCells(int nCell, int nBoxes, const double* pArea, FormatFn pfnFormat);
    BOOL SetPartCells(int nCell, int nInput, double dRatio, FormatFn pfnRatio, const double* pArea,
                      FormatFn pfnArea);
};
