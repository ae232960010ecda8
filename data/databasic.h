// Basic conditions of the project: names, taxation and consumption-tax
// methods, business share and the report options.
#pragma once

#include "data/dataclass.h"

struct tagDATABASIC {
    CString strProjectName;
    CString astrSubTitle[5];  // [0]-[3] subtitle lines, [4] report cover heading
    CString astrFileName[5];  // [0] tax-rate file, [1]-[4] further files
    CString strLogoFile;
    int nTaxMethod = 0;            // 0 individual, 1-3 corporation by capital, 4 not taxable
    int nConsumptionTaxMethod = 0; // 0 normal, 1 simplified
    double dBusinessRatio = 0;     // percent
    int nInputMethod = 0;          // 0 amounts include consumption tax, 1 exclude it
    int nFundReportMode = 0;
    int nLandRentConstructRatio = 0; // percent
    int bLandRentConstructRatioSet = 0;
    int bCoverTitleSet = 0;
    int bNoTsuboPricePrint = 0;
    int nLossCarryMethod = 0;
    int bPrintCoverLogo = 0;
    int bLossCarryBack = 0;
    int anSpare[22] = {};
};

class CDataBasicClass : public CDataClass, public tagDATABASIC {
public:
    CDataBasicClass() { InitData(); }
    CDataBasicClass(const CDataBasicClass&) = default;
    CDataBasicClass& operator=(const CDataBasicClass&) = default;
    ~CDataBasicClass() override { DestroyData(); }

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
};
