// Tax condition records of the project: the housing special case, the
// fixed-asset, city-planning, acquisition, business-place and enterprise
// tax settings. Choices hold the 0-based index of the option as printed.
#pragma once

#include "data/datataxblock.h"

struct tagDATASPECIALHOUSE {
    double dHouseRatio; // share of the housing under the special rule, percent
    int nHouseUnits;    // dwellings under the new-build special rule
};

// Share and number of dwellings under the housing special rules.
class CDataTaxSpecialHouseClass : public TDataTaxBlockClass<CDataTaxSpecialHouseClass>, public tagDATASPECIALHOUSE {
public:
    CDataTaxSpecialHouseClass();
    CDataTaxSpecialHouseClass(const CDataTaxSpecialHouseClass&) = default;
    CDataTaxSpecialHouseClass& operator=(const CDataTaxSpecialHouseClass&) = default;
    ~CDataTaxSpecialHouseClass() override { DestroyData(); }

    void InitData() override;
    BOOL SetDataData(int nPage) override;

private:
    friend class TDataTaxBlockClass<CDataTaxSpecialHouseClass>;
    const CDataTaxBlockLayout& BlockLayout() const;
    UINT TitleID() const { return 20610; }
};

struct tagDATAMUNICIPAL {
    int nBuildingType;         // 0 not a mid/high-rise fireproof house, 1 one, 2 one of five floors or more
    int nLandHouseSpecial;     // 0 applied, 1 not applied
    int nBuildingHouseSpecial; // 0 applied, 1 not applied
    int nLandTaxBase;          // 0 the assessed value, 1 burden adjustment
};

// Fixed-asset tax settings.
class CDataTaxMunicipalClass : public TDataTaxBlockClass<CDataTaxMunicipalClass>, public tagDATAMUNICIPAL {
public:
    CDataTaxMunicipalClass();
    CDataTaxMunicipalClass(const CDataTaxMunicipalClass&) = default;
    CDataTaxMunicipalClass& operator=(const CDataTaxMunicipalClass&) = default;
    ~CDataTaxMunicipalClass() override { DestroyData(); }

    void InitData() override;
    BOOL SetDataData(int nPage) override;

private:
    friend class TDataTaxBlockClass<CDataTaxMunicipalClass>;
    const CDataTaxBlockLayout& BlockLayout() const;
    UINT TitleID() const { return 20630; }
};

struct tagDATACITYPLAN {
    int nLandHouseSpecial; // 0 applied, 1 not applied
    int nLandTaxBase;      // 0 the assessed value, 1 burden adjustment
};

// City-planning tax settings of the land; its block continues the
// fixed-asset block, untitled and without a top line.
class CDataTaxCityPlanClass : public TDataTaxBlockClass<CDataTaxCityPlanClass>, public tagDATACITYPLAN {
public:
    CDataTaxCityPlanClass();
    CDataTaxCityPlanClass(const CDataTaxCityPlanClass&) = default;
    CDataTaxCityPlanClass& operator=(const CDataTaxCityPlanClass&) = default;
    ~CDataTaxCityPlanClass() override { DestroyData(); }

    void InitData() override;
    BOOL SetDataData(int nPage) override;
    // Builds the block with its title switched off.
    void CreatePrintArray(int nPages) override;

private:
    friend class TDataTaxBlockClass<CDataTaxCityPlanClass>;
    const CDataTaxBlockLayout& BlockLayout() const;
    UINT TitleID() const { return 0; }
};

struct tagDATAREALTYGET {
    int nNewHouseSpecial;      // 0 applied, 1 not applied
    int nLandHouseSpecial;     // 0 applied, 1 not applied
    int nBuildingHouseSpecial; // 0 applied, 1 not applied
    int nLandDirect;           // 1: the land's tax is dLandTax as entered
    double dLandTax;           // thousand yen
    int nBuildingDirect;       // 1: the building's tax is dBuildingTax as entered
    double dBuildingTax;       // thousand yen
};

// Acquisition-tax special rules and directly entered amounts.
class CDataTaxRealtyGetClass : public TDataTaxBlockClass<CDataTaxRealtyGetClass>, public tagDATAREALTYGET {
public:
    CDataTaxRealtyGetClass();
    CDataTaxRealtyGetClass(const CDataTaxRealtyGetClass&) = default;
    CDataTaxRealtyGetClass& operator=(const CDataTaxRealtyGetClass&) = default;
    ~CDataTaxRealtyGetClass() override { DestroyData(); }

    // Keeps the directly entered amounts and their switches.
    void InitData() override;
    BOOL SetDataData(int nPage) override;

private:
    friend class TDataTaxBlockClass<CDataTaxRealtyGetClass>;
    const CDataTaxBlockLayout& BlockLayout() const;
    UINT TitleID() const { return 20620; }
};

struct tagDATABUSINESSPLACE {
    int nTaxation;       // 0 not levied, 1 levied
    int nExemption;      // 0 the exemption threshold counts, 1 it does not
    double dNonTaxRatio; // non-taxable share of the floor area, percent
};

// Business-place tax settings.
class CDataTaxBusinessPlaceClass : public TDataTaxBlockClass<CDataTaxBusinessPlaceClass>, public tagDATABUSINESSPLACE {
public:
    CDataTaxBusinessPlaceClass();
    CDataTaxBusinessPlaceClass(const CDataTaxBusinessPlaceClass&) = default;
    CDataTaxBusinessPlaceClass& operator=(const CDataTaxBusinessPlaceClass&) = default;
    ~CDataTaxBusinessPlaceClass() override { DestroyData(); }

    void InitData() override;
    // The ratio and the exemption print only when the tax is levied.
    BOOL SetDataData(int nPage) override;

private:
    friend class TDataTaxBlockClass<CDataTaxBusinessPlaceClass>;
    const CDataTaxBlockLayout& BlockLayout() const;
    UINT TitleID() const { return 20640; }
};

struct tagDATATAXBUSINESS {
    int nOutsideIncome; // income outside the project: 0 taxed, 1 not taxed
    int nDeferral;      // collection deferral: 0 yes, 1 no
    double dCapital;    // taxable capital, thousand yen
    double dSalary;     // remuneration and salary of the first year, thousand yen; changed by the schedule
    int nStandardTax;   // pro-forma standard taxation: 0 applied, 1 not applied
};

// The owner's enterprise-tax settings; the schedule changes the salary.
class CDataTaxBusinessClass : public TDataTaxBlockClass<CDataTaxBusinessClass>,
                              public CDataRateClass,
                              public tagDATATAXBUSINESS {
public:
    CDataTaxBusinessClass();
    CDataTaxBusinessClass(const CDataTaxBusinessClass&) = default;
    CDataTaxBusinessClass& operator=(const CDataTaxBusinessClass&) = default;
    ~CDataTaxBusinessClass() override { DestroyData(); }

    // Keeps nStandardTax and the schedule.
    void InitData() override;
    // Only the outside-income choice prints.
    BOOL SetDataData(int nPage) override;

private:
    friend class TDataTaxBlockClass<CDataTaxBusinessClass>;
    const CDataTaxBlockLayout& BlockLayout() const;
    UINT TitleID() const { return 20651; }
};
