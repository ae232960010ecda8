// The project's tax conditions: assessed values, the condition records of
// each tax and the stepwise consumption-tax rates, printed as the two-page
// tax sheet.
#pragma once

#include <array>

#include "data/dataappraised.h"
#include "data/datalandprice.h"
#include "data/datataxcondition.h"

// Two stages of the consumption-tax rate in the construction period and two
// after the start of business; years count from 1 within their period. A
// stage is in force when its last year and its rate are both non-zero. The
// inherited schedule is unused. No sheet.
class CDataTaxConsumptionClass : public CDataClass, public CDataRateClass {
public:
    using CDataClass::InitData;

    int m_anConstructFromYear[2] = {};
    int m_anConstructToYear[2] = {};
    double m_adConstructRate[2] = {}; // percent
    int m_anBusinessFromYear[2] = {};
    int m_anBusinessToYear[2] = {};
    double m_adBusinessRate[2] = {};  // percent
};

// Holds the sub-records by value and prints them: page 1 the eight blocks of
// the assessed values and tax conditions one below another, page 2 the
// land-value tax. It has no values and no print items of its own.
class CDataTaxClass : public CDataClass {
public:
    CDataTaxClass() = default;
    CDataTaxClass(const CDataTaxClass&) = default;
    CDataTaxClass& operator=(const CDataTaxClass&) = default;
    ~CDataTaxClass() override { DestroyData(); }

    void DestroyData() override { InitData(); }
    // Draws page m_nPage (1 or 2); any other page draws nothing.
    void ReportDraw(CDC* pDC) override;
    BOOL SetDataData(int nPage) override;
    // Builds the sheet of every printed sub-record, the assessed values as
    // land and building; the count is ignored.
    void CreatePrintArray(int nPages) override;
    void DestroyPrintArray() override;

    CDataAppraisedClass m_aAppraised[2]; // [0] land, [1] building
    CDataTaxSpecialHouseClass m_objSpecialHouse;
    CDataTaxRealtyGetClass m_objRealtyGet;
    CDataTaxMunicipalClass m_objMunicipal;
    CDataTaxCityPlanClass m_objCityPlan;
    CDataTaxBusinessPlaceClass m_objBusinessPlace;
    CDataTaxLandClass m_objTaxLand;
    CDataTaxBusinessClass m_objTaxBusiness;
    CDataTaxConsumptionClass m_objConsumption;

private:
    // A printed sub-record, its page and the rows its block takes.
    struct Block {
        CDataClass* pRecord;
        int nPage;
        int nRows;
    };
    std::array<Block, 9> Blocks();
};
