#include "data/dataoutline.h"

#include <cmath>
#include <iterator>
#include <utility>

#include "sheet/sheetlayout.h"
#include "sheet/numberformat.h"

namespace {

constexpr UINT kTitle = 20001;
constexpr UINT kLabel = 200;
constexpr UINT kSubLabel = 300;

// Kinds of sheet rows: a value with its unit word, the choice of the entry
// unit, an area with 坪/㎡ boxes (and ％ for a part that may be a
// percentage), and the area-or-percentage choice below such a part.
enum RowKind { kValueUnit, kUnitChoice, kArea, kAreaRatio, kInputMethod };
constexpr RowKind kRows[] = {
    kValueUnit,                                           // construction months
    kUnitChoice,                                          // entry unit
    kArea,                                                // total site
    kAreaRatio, kInputMethod, kAreaRatio, kInputMethod,   // leased and bought parts
    kArea,      kArea,        kAreaRatio, kInputMethod,   // demolished, planned, exclusive
    kAreaRatio, kInputMethod,                             // housing use
    kValueUnit,                                           // dwellings
};
constexpr int kRowCount = int(std::size(kRows));

// Labels in columns 0-11, values in 12-27, boxes at columns 28, 33 and 39
// with their unit words to the right.
void AddRowCells(CSheetTables& l, int r, RowKind kind)
{
    switch (kind) {
    case kValueUnit:
        l.data.Box(12, r, 16);
        l.subitem.Box(28, r, 17);
        break;
    case kUnitChoice:
        l.data.Box(12, r, 1).Box(28, r, 1);
        l.subitem.Box(13, r, 15).Box(29, r, 16);
        break;
    case kArea:
    case kAreaRatio:
        l.data.Box(12, r, 16).Box(28, r, 1).Box(33, r, 1);
        l.subitem.Box(29, r, 4).Box(34, r, 5);
        if (kind == kAreaRatio) {
            l.data.Box(39, r, 1);
            l.subitem.Box(40, r, 5);
        }
        break;
    case kInputMethod:
        l.data.Box(16, r, 1).Box(28, r, 1);
        l.subitem.Box(12, r, 4).Box(17, r, 11).Box(29, r, 16);
        break;
    }
}

const CSheetTables& Layout()
{
    static const CSheetTables t = [] {
        CSheetTables l;
        l.frame.Frame(0, 0, 45, kRowCount);
        for (int r = 0; r < kRowCount; ++r) {
            // A part's two-row label has no line between its rows.
            if (r > 0) l.wline.HLine(r, kRows[r - 1] == kAreaRatio ? 12 : 0, 45);
            if (kRows[r] != kInputMethod) l.item.Box(0, r, 12, kRows[r] == kAreaRatio ? 2 : 1);
            AddRowCells(l, r, kRows[r]);
        }
        l.hline.VLine(12, 0, kRowCount).VLine(28, 0, kRowCount).VLine(29, 1, kRowCount - 1).VLine(13, 1, 2);
        for (int r : {4, 6, 10, 12}) l.hline.VLine(16, r, r + 1).VLine(17, r, r + 1);
        for (auto [top, bottom] : {std::pair{2, 4}, {5, 6}, {7, 10}, {11, 12}})
            for (int col : {33, 34, 39, 40}) l.hline.VLine(col, top, bottom);
        return l;
    }();
    return t;
}

double RoundArea(double dArea)
{
    return floor(dArea * 100 + 0.5) * 0.01;
}

void StoreArea(double& dArea, double dValue)
{
    if (dValue != -1.0 && !std::isnan(dValue)) dArea = dValue;
}

} // namespace

void CDataOutlineClass::InitData()
{
    CDataClass::InitData();
    static_cast<tagDATAOUTLINE&>(*this) = tagDATAOUTLINE{};
    m_dSquareMeterPerTsubo = 0;
}

void CDataOutlineClass::DestroyData()
{
    CDataClass::DestroyData();
    InitData();
}

double CDataOutlineClass::ConversionFactor() const
{
    return m_dSquareMeterPerTsubo > 0 ? m_dSquareMeterPerTsubo : 1.0;
}

void CDataOutlineClass::ToHeibei(double& dTsubo, double& dHeibei, double dValue) const
{
    StoreArea(dTsubo, dValue);
    dHeibei = RoundArea(dTsubo * ConversionFactor());
}

void CDataOutlineClass::ToTubo(double& dHeibei, double& dTsubo, double dValue) const
{
    StoreArea(dHeibei, dValue);
    dTsubo = RoundArea(dHeibei / ConversionFactor());
}

void CDataOutlineClass::TotalLandTuboToHeibei(double d) { ToHeibei(aLand[0].dTotalLand, aLand[1].dTotalLand, d); }
void CDataOutlineClass::TotalLandHeibeiToTubo(double d) { ToTubo(aLand[1].dTotalLand, aLand[0].dTotalLand, d); }
void CDataOutlineClass::LeasedLandTuboToHeibei(double d) { ToHeibei(aLand[0].dLeasedLand, aLand[1].dLeasedLand, d); }
void CDataOutlineClass::LeasedLandHeibeiToTubo(double d) { ToTubo(aLand[1].dLeasedLand, aLand[0].dLeasedLand, d); }
void CDataOutlineClass::BuyLandTuboToHeibei(double d) { ToHeibei(aLand[0].dBuyLand, aLand[1].dBuyLand, d); }
void CDataOutlineClass::BuyLandHeibeiToTubo(double d) { ToTubo(aLand[1].dBuyLand, aLand[0].dBuyLand, d); }

void CDataOutlineClass::DemolishBuildTuboToHeibei(double d)
{
    ToHeibei(aBuilding[0].dDemolishBuild, aBuilding[1].dDemolishBuild, d);
}

void CDataOutlineClass::DemolishBuildHeibeiToTubo(double d)
{
    ToTubo(aBuilding[1].dDemolishBuild, aBuilding[0].dDemolishBuild, d);
}

void CDataOutlineClass::PlanBuildTuboToHeibei(double d) { ToHeibei(aBuilding[0].dPlanBuild, aBuilding[1].dPlanBuild, d); }
void CDataOutlineClass::PlanBuildHeibeiToTubo(double d) { ToTubo(aBuilding[1].dPlanBuild, aBuilding[0].dPlanBuild, d); }
void CDataOutlineClass::UseBuildTuboToHeibei(double d) { ToHeibei(aBuilding[0].dUseBuild, aBuilding[1].dUseBuild, d); }
void CDataOutlineClass::UseBuildHeibeiToTubo(double d) { ToTubo(aBuilding[1].dUseBuild, aBuilding[0].dUseBuild, d); }
void CDataOutlineClass::HouseTuboToHeibei(double d) { ToHeibei(aHouse[0].dHouse, aHouse[1].dHouse, d); }
void CDataOutlineClass::HouseHeibeiToTubo(double d) { ToTubo(aHouse[1].dHouse, aHouse[0].dHouse, d); }

void CDataOutlineClass::LandTuboToHeibei(tagDATALAND* pLand)
{
    if (pLand) aLand[0] = *pLand;
    TotalLandTuboToHeibei(-1.0);
    LeasedLandTuboToHeibei(-1.0);
    BuyLandTuboToHeibei(-1.0);
}

void CDataOutlineClass::LandHeibeiToTubo(tagDATALAND* pLand)
{
    if (pLand) aLand[1] = *pLand;
    TotalLandHeibeiToTubo(-1.0);
    LeasedLandHeibeiToTubo(-1.0);
    BuyLandHeibeiToTubo(-1.0);
}

void CDataOutlineClass::BuildingTuboToHeibei(tagDATABUILDING* pBuilding)
{
    if (pBuilding) aBuilding[0] = *pBuilding;
    DemolishBuildTuboToHeibei(-1.0);
    PlanBuildTuboToHeibei(-1.0);
    UseBuildTuboToHeibei(-1.0);
}

void CDataOutlineClass::BuildingHeibeiToTubo(tagDATABUILDING* pBuilding)
{
    if (pBuilding) aBuilding[1] = *pBuilding;
    DemolishBuildHeibeiToTubo(-1.0);
    PlanBuildHeibeiToTubo(-1.0);
    UseBuildHeibeiToTubo(-1.0);
}

void CDataOutlineClass::HouseTuboToHeibei(tagDATAHOUSE* pHouse)
{
    if (pHouse) aHouse[0] = *pHouse;
    HouseTuboToHeibei(-1.0);
}

void CDataOutlineClass::HouseHeibeiToTubo(tagDATAHOUSE* pHouse)
{
    if (pHouse) aHouse[1] = *pHouse;
    HouseHeibeiToTubo(-1.0);
}

void CDataOutlineClass::TuboToHeibei(tagDATALAND* pLand, tagDATABUILDING* pBuilding, tagDATAHOUSE* pHouse)
{
    LandTuboToHeibei(pLand);
    BuildingTuboToHeibei(pBuilding);
    HouseTuboToHeibei(pHouse);
}

void CDataOutlineClass::HeibeiToTubo(tagDATALAND* pLand, tagDATABUILDING* pBuilding, tagDATAHOUSE* pHouse)
{
    LandHeibeiToTubo(pLand);
    BuildingHeibeiToTubo(pBuilding);
    HouseHeibeiToTubo(pHouse);
}

void CDataOutlineClass::ReportDraw(CDC* pDC) { DrawPrintPage(pDC, 0, kTitle); }

BOOL CDataOutlineClass::SetFramePoint(int) { return PlacePageItems(m_apFrame, 0, Layout().frame); }
BOOL CDataOutlineClass::SetWLinePoint(int) { return PlacePageItems(m_apWLine, 0, Layout().wline); }
BOOL CDataOutlineClass::SetHLinePoint(int) { return PlacePageItems(m_apHLine, 0, Layout().hline); }
BOOL CDataOutlineClass::SetItemPoint(int) { return PlacePageItems(m_apItem, 0, Layout().item); }
BOOL CDataOutlineClass::SetSubItemPoint(int) { return PlacePageItems(m_apSubItem, 0, Layout().subitem); }
BOOL CDataOutlineClass::SetDataPoint(int) { return PlacePageItems(m_apData, 0, Layout().data); }

BOOL CDataOutlineClass::SetItemData(int) { return SetStringCells(m_apItem[0], 0, kLabel, Layout().item.Count(), 1); }

BOOL CDataOutlineClass::SetSubItemData(int)
{
    return SetStringCells(m_apSubItem[0], 0, kSubLabel, Layout().subitem.Count(), 0);
}

const double* CDataOutlineClass::EnteredArea(const double& dTsubo, const double& dHeibei) const
{
    if (nAreaUnit == 0) return &dTsubo;
    return nAreaUnit == 1 ? &dHeibei : nullptr;
}

// The area in cell nCell and the tick of its unit among nBoxes unit boxes.
BOOL CDataOutlineClass::SetAreaCells(int nCell, int nBoxes, const double* pArea, FormatFn pfnFormat)
{
    return SetCellText(m_apData[0], nCell, pArea ? pfnFormat(-1, *pArea, TRUE) : CString(), 2) &&
           SetCheckGroup(m_apData[0], nCell + 1, nBoxes, pArea ? nAreaUnit : -1);
}

// A part entered as a percentage shows it with the ％ box ticked, else its area.
BOOL CDataOutlineClass::SetPartCells(int nCell, int nInput, double dRatio, FormatFn pfnRatio, const double* pArea,
                                     FormatFn pfnArea)
{
    if (nInput != 1) return SetAreaCells(nCell, 3, pArea, pfnArea);
    return SetCellText(m_apData[0], nCell, pfnRatio(-1, dRatio, TRUE), 2) &&
           SetCheckGroup(m_apData[0], nCell + 1, 3, 2);
}

// Separators only in the months and the site areas (not the bought part's percentage).
BOOL CDataOutlineClass::SetDataData(int)
{
    CObArray* pData = m_apData[0];
    return SetCellText(pData, 0, FormatNumberText(0, nConstructMonths, TRUE), 2) &&
           SetCheckGroup(pData, 1, 2, nAreaUnit) &&
           SetAreaCells(3, 2, EnteredArea(aLand[0].dTotalLand, aLand[1].dTotalLand), FormatNumberText) &&
           SetPartCells(6, nLeasedLandInput, dLeasedLandRatio, FormatNumberText,
                        EnteredArea(aLand[0].dLeasedLand, aLand[1].dLeasedLand), FormatNumberText) &&
           SetCheckGroup(pData, 10, 2, nLeasedLandInput) &&
           SetPartCells(12, nBuyLandInput, dBuyLandRatio, FormatDecimalText,
                        EnteredArea(aLand[0].dBuyLand, aLand[1].dBuyLand), FormatNumberText) &&
           SetCheckGroup(pData, 16, 2, nBuyLandInput) &&
           SetAreaCells(18, 2, EnteredArea(aBuilding[0].dDemolishBuild, aBuilding[1].dDemolishBuild),
                        FormatDecimalText) &&
           SetAreaCells(21, 2, EnteredArea(aBuilding[0].dPlanBuild, aBuilding[1].dPlanBuild), FormatDecimalText) &&
           SetPartCells(24, nUseBuildInput, dUseBuildRatio, FormatDecimalText,
                        EnteredArea(aBuilding[0].dUseBuild, aBuilding[1].dUseBuild), FormatDecimalText) &&
           SetCheckGroup(pData, 28, 2, nUseBuildInput) &&
           SetPartCells(30, nHouseInput, dHouseRatio, FormatDecimalText,
                        EnteredArea(aHouse[0].dHouse, aHouse[1].dHouse), FormatDecimalText) &&
           SetCheckGroup(pData, 34, 2, nHouseInput) &&
           SetCellText(pData, 36, FormatDecimalText(0, nHouseCount, TRUE), 2);
}

void CDataOutlineClass::CreatePrintArray(int)
{
    CDataClass::CreatePrintArray(1);
    BuildPrintPage(0, Layout());
}
