// Fixed-asset-tax assessed value of the land or of the building, with its
// rise/fall schedule for the years after.
#pragma once

#include "data/datataxblock.h"

struct tagDATAAPPRAISED {
    double dAmount;         // thousand yen in total (method 0), per tsubo (1), or percent of the construction cost (2)
    int nInputMethod;       // 0 total, 1 per tsubo, 2 share of the construction cost (building only)
    double dAssetBaseRatio; // land only: initial fixed-asset-tax base over the assessed value, percent
    double dCityBaseRatio;  // land only: the same for the city-planning tax, percent
};

class CDataAppraisedClass : public TDataTaxBlockClass<CDataAppraisedClass>,
                            public CDataRateClass,
                            public tagDATAAPPRAISED {
public:
    CDataAppraisedClass();
    CDataAppraisedClass(const CDataAppraisedClass&) = default;
    CDataAppraisedClass& operator=(const CDataAppraisedClass&) = default;
    ~CDataAppraisedClass() override { DestroyData(); }

    // Keeps the two ratios and the schedule.
    void InitData() override;
    BOOL SetHLinePoint(int nPage) override;
    BOOL SetDataData(int nPage) override;

    int m_nKind; // 0 land, 1 building

private:
    friend class TDataTaxBlockClass<CDataAppraisedClass>;
    bool IsBuilding() const { return m_nKind == 1; }
    const CDataTaxBlockLayout& BlockLayout() const;
    UINT TitleID() const { return IsBuilding() ? 20601 : 20600; }
};
