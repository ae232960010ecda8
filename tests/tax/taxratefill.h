// The plain values of the tax-rate records, listed once per record: tests fill
// them with distinct values, compare them and check what InitData resets.
#pragma once

#include <memory>
#include <type_traits>
#include <vector>

#include "tax/taxbusiness.h"
#include "tax/taxconsumption.h"
#include "tax/taxlicense.h"
#include "tax/taxmunicipal.h"

// TaxMembers<T>::Each(record, f) calls f(member) for each value in declaration
// order, or f(member, kKept) for one that InitData leaves alone.
template <class T>
struct TaxMembers;

constexpr bool kKept = true;

template <class F>
void EachStep(CTaxExtentClass (&steps)[3], F& f)
{
    for (CTaxExtentClass& s : steps) {
        f(s.m_dLower, kKept);
        f(s.m_dUpper, kKept);
        f(s.m_dValue, kKept);
    }
}

template <>
struct TaxMembers<CTaxExtentClass> {
    template <class F>
    static void Each(CTaxExtentClass& r, F f) { f(r.m_dLower); f(r.m_dUpper); f(r.m_dValue); }
};

template <>
struct TaxMembers<CTaxMunicipalClass> {
    template <class F>
    static void Each(CTaxMunicipalClass& r, F f)
    {
        f(r.m_dLandRate); f(r.m_dHouseLandNumerator); f(r.m_dHouseLandDenominator); f(r.m_dBuildingRate);
        f(r.m_dNewHouseNumerator); f(r.m_dNewHouseDenominator); f(r.m_nFireproofHouseYear); f(r.m_nNewHouseYear);
    }
};

template <>
struct TaxMembers<CTaxCityPlanClass> {
    template <class F>
    static void Each(CTaxCityPlanClass& r, F f)
    {
        f(r.m_dLandRate); f(r.m_dSpare, kKept); f(r.m_dHouseLandNumerator); f(r.m_dHouseLandDenominator);
        f(r.m_dBuildingRate);
    }
};

template <>
struct TaxMembers<CTaxLandPriceClass> {
    template <class F>
    static void Each(CTaxLandPriceClass& r, F f)
    {
        f(r.m_dRate); f(r.m_dPersonalDeduction);
        EachStep(r.m_aCapitalStep, f);
    }
};

template <>
struct TaxMembers<CTaxBusinessClass> {
    template <class F>
    static void Each(CTaxBusinessClass& r, F f)
    {
        f(r.m_dPersonalRate); f(r.m_dPersonalDeduction);
        EachStep(r.m_aIncomeStep, f);
        f(r.m_dScaleRatio); f(r.m_dAddedValueRate); f(r.m_dSalaryDeductionRatio); f(r.m_dCapitalRate);
        EachStep(r.m_aCapitalStep, f);
        f(r.m_nDeferYear);
    }
};

template <>
struct TaxMembers<CTaxBusinessPlaceClass> {
    template <class F>
    static void Each(CTaxBusinessPlaceClass& r, F f) { f(r.m_dTaxPerSquareMeter); f(r.m_dExemptArea); f(r.m_dSquareMeterPerTsubo); }
};

template <>
struct TaxMembers<CTaxConsumptionClass> {
    template <class F>
    static void Each(CTaxConsumptionClass& r, F f) { f(r.m_dRate); f(r.m_dExemptSales); f(r.m_dMarginRate); f(r.m_dSimpleSalesLimit); }
};

template <>
struct TaxMembers<CTaxDepreciationClass> {
    template <class F>
    static void Each(CTaxDepreciationClass& r, F f)
    {
        f(r.m_nLifeYear); f(r.m_dShortLifeRatio); f(r.m_dLongLifeRatio); f(r.m_nExtraYear); f(r.m_dResidualRatio);
    }
};

template <>
struct TaxMembers<CTaxTransferClass> {
    template <class F>
    static void Each(CTaxTransferClass& r, F f) { f(r.m_nCorporateYear); f(r.m_nPersonalYear); }
};

template <>
struct TaxMembers<CTaxLicenseClass> {
    template <class F>
    static void Each(CTaxLicenseClass& r, F f)
    {
        f(r.m_dLandRate); f(r.m_nSpare); f(r.m_dStandardRatio); f(r.m_dBuildingRate); f(r.m_dMortgageRate);
    }
};

template <>
struct TaxMembers<CTaxRealtyGetClass> {
    template <class F>
    static void Each(CTaxRealtyGetClass& r, F f)
    {
        f(r.m_dLandRate); f(r.m_dLandHouseRate); f(r.m_nSpare); f(r.m_dStandardRatio); f(r.m_dBuildingRate);
        f(r.m_dBuildingHouseRate); f(r.m_dNewHouseReduction);
    }
};

// Member k (from 1) gets k * 1000 + 0.25 when a double and k when an int,
// so that each prints as a text of its own ("3,000.25", "7").
template <class T>
void FillTaxRecord(T& record)
{
    int k = 0;
    TaxMembers<T>::Each(record, [&k](auto& member, bool = false) {
        ++k;
        if constexpr (std::is_same_v<std::remove_reference_t<decltype(member)>, int>) member = k;
        else member = k * 1000 + 0.25;
    });
}

template <class T>
std::vector<double> TaxMemberValues(T& record)
{
    std::vector<double> values;
    TaxMembers<T>::Each(record, [&values](auto& member, bool = false) { values.push_back(double(member)); });
    return values;
}

// Which members InitData leaves alone, in member order.
template <class T>
std::vector<bool> TaxMembersKept()
{
    T record;
    std::vector<bool> kept;
    TaxMembers<T>::Each(record, [&kept](auto&, bool bKept = false) { kept.push_back(bKept); });
    return kept;
}

// A new record, filled when its members are listed above.
template <class T>
std::unique_ptr<T> MakeFilled()
{
    auto record = std::make_unique<T>();
    if constexpr (requires { sizeof(TaxMembers<T>); }) FillTaxRecord(*record);
    return record;
}
