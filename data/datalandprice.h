// Land-value tax conditions: the inheritance-tax valuation of the land and
// of the part the project uses, with a rise/fall schedule of the valuation.
#pragma once

#include "data/datataxblock.h"

struct tagDATATAXLAND {
    int nInputMethod;     // dProjectValue as 0 an amount, 1 a share of dTotalValue
    double dProjectValue; // thousand yen (method 0) or percent of dTotalValue (method 1)
    double dTotalValue;   // valuation of the whole land, thousand yen
};

class CDataTaxLandClass : public TDataTaxBlockClass<CDataTaxLandClass>, public CDataRateClass, public tagDATATAXLAND {
public:
    CDataTaxLandClass() { InitData(); }
    CDataTaxLandClass(const CDataTaxLandClass&) = default;
    CDataTaxLandClass& operator=(const CDataTaxLandClass&) = default;
    ~CDataTaxLandClass() override { DestroyData(); }

    // Keeps the schedule.
    void InitData() override;
    BOOL SetDataData(int nPage) override;

private:
    friend class TDataTaxBlockClass<CDataTaxLandClass>;
    const CDataTaxBlockLayout& BlockLayout() const;
    UINT TitleID() const { return 20650; }
};
