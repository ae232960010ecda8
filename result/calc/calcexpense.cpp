// Construction funds, their financing and accounting treatment.
#include "result/calc/tavcalc.h"

#include <algorithm>
#include <iterator>
#include <new>
#include <utility>
#include <vector>

#include "app/common/classobject.h"
#include "result/calc/calcseries.h"
#include "result/calc/consumption.h"

namespace {

// Positions in the list of construction funds.
constexpr int kFirstOtherFund = 6;
constexpr int kInterestFund = 9;
constexpr int kGroundRentFund = 12;
constexpr int kMortgageFund = 21;
constexpr int kTotalFund = 27;

// Lines of the costs besides the construction cost.
constexpr int kLandPriceLine = 0;
constexpr int kDemolitionLine = 1;
constexpr int kDesignLine = 2;
constexpr int kInterestLine = 3;
constexpr int kFirstNamedLine = 6;

// Consumption rows: construction cost, ground rent, construction-period
// taxes. Lines 0 to 5 take rows 1 to 6, the named costs rows 9 to 16.
constexpr int kCostRow = 0;
constexpr int kGroundRentRow = 7;
constexpr int kTaxRow = 8;

// Management rows: ground rent, land fixed-asset and city-planning taxes,
// land value tax, and the taxes of funds 21 to 26 in their order.
constexpr int kGroundRentManage = 15;
constexpr int kLandTaxManage = 16;
constexpr int kLandPriceTaxManage = 23;
constexpr int kTaxFundManage[] = {21, 18, 17, 20, 19, 22};

constexpr int kLandPurchaseLoan = 5;
constexpr int kCapitalPayLoan = 6;
constexpr int kAutoLoan = 8;
constexpr int kLoanCount = 8;

double Value(const CConsumptionMoneyClass* p)
{
    return p->m_dNetMoney + p->m_dTaxMoney;
}

CConsumptionExpenseClass* Fund(const CTavCalcClass& calc, int nIndex)
{
    return SeriesItem<CConsumptionExpenseClass>(calc.m_pExpenseArray, nIndex);
}

BOOL Unexpected(CTavCalcClass& calc)
{
    calc.m_nMessageID = CALC_UNEXPECTED_ERROR;
    return FALSE;
}

// Sets an amount that bears no consumption tax.
void SetTaxFree(CConsumptionMoneyClass* p, double dMoney)
{
    p->m_dMoney = p->m_dNetMoney = dMoney;
    p->m_dTaxMoney = 0.0;
    p->m_bTaxFree = 1;
}

// Appends a fund with its accounting and payment; null with 13002.
CConsumptionExpenseClass* AppendFund(CTavCalcClass& calc, int nManage, int nPayment)
{
    auto* p = AppendSeriesItem<CConsumptionExpenseClass>(calc, calc.m_pExpenseArray);
    if (!p) return nullptr;
    p->m_nManage = nManage;
    p->m_nPayment = nPayment;
    return p;
}

// Appends a fund split by its consumption row; FALSE with 13002.
BOOL AppendTaxedFund(CTavCalcClass& calc, double dMoney, int nRow, int nManage, int nPayment, int nApply = 0)
{
    CConsumptionExpenseClass* p = AppendFund(calc, nManage, nPayment);
    if (!p) return FALSE;
    const tagCONSUMPTIONEXPENSE& row = calc.m_pOptionClass->m_pOptionConsumptionExpense->m_aItem[nRow];
    calc.CalcConsumptionW(dMoney, row.nTax, nPayment, row.bStartRate);
    p->m_dMoney = dMoney;
    p->m_bTaxFree = row.nTax;
    p->m_dNetMoney = calc.m_dConsumeNet;
    p->m_dTaxMoney = calc.m_dConsumeTax;
    p->m_nTaxManage = row.nManage;
    p->m_nBusinessApply = nApply;
    return TRUE;
}

const tagEXPENSEMANAGE& ManageRow(const CTavCalcClass& calc, int nRow)
{
    return calc.m_pOptionClass->m_pOptionExpenseManage->m_aManage[nRow];
}

double SumNetConstructionCost(const CTavCalcClass& calc)
{
    double dNet = 0.0;
    for (int k = 0; k < CDataExpenseClass::kDepreciationCount; ++k) dNet += Fund(calc, k)->m_dNetMoney;
    return dNet;
}

// The ground rent during construction: the set share of the yearly land rent
// for the construction months.
BOOL AppendGroundRent(CTavCalcClass& calc)
{
    const CConsumptionMoneyClass* pRent = SeriesItem(calc.m_apCostArray[1], 0);
    if (!pRent) return Unexpected(calc);
    const tagEXPENSEMANAGE& row = ManageRow(calc, kGroundRentManage);
    const double rent = calc.m_pDataClass->m_pDataBasic->nLandRentConstructRatio * 0.01 * (Value(pRent) / 12) *
                        calc.m_pDataClass->m_pDataOutline->nConstructMonths;
    return AppendTaxedFund(calc, rent, kGroundRentRow, row.nManage, row.nPayment);
}

// Line i of the costs besides the construction cost. A design fee given as a
// percentage of the net construction cost is split as excluding tax.
BOOL AppendOtherCost(CTavCalcClass& calc, int i)
{
    const CDataExpenseMoneyClass& line = calc.m_pDataClass->m_pDataExpenseOther->m_aExpenseMoney[i];
    const CDataOutlineClass& outline = *calc.m_pDataClass->m_pDataOutline;
    double amount = line.dAmount;
    int nPayment = line.nPayment;
    int nInputMethod = calc.m_nInputMethod;
    switch (i) {
    case kLandPriceLine:
        if (line.nInputMethod == 1) amount *= outline.aLand[0].dBuyLand;
        break;
    case kDemolitionLine:
        if (line.nInputMethod == 1) amount *= outline.aBuilding[0].dDemolishBuild;
        break;
    case kDesignLine:
        if (line.nInputMethod == 1) {
            amount = line.dAmount * 0.01 * SumNetConstructionCost(calc);
            nInputMethod = 1;
        }
        break;
    case kInterestLine:
        if (line.nInputMethod == 1) amount = 0.0; // from a rate, with the funding balance
        nPayment = -1;
        break;
    default: break;
    }
    std::swap(nInputMethod, calc.m_nInputMethod);
    const BOOL bAdded =
        AppendTaxedFund(calc, amount, i < kFirstNamedLine ? i + 1 : i + 3, line.nAccounting, nPayment);
    calc.m_nInputMethod = nInputMethod;
    return bAdded;
}

// Land registration tax; keeps its base.
double LandRegistrationTax(const CTavCalcClass& calc, double dLand, CConsumptionMoneyClass* p)
{
    const CTaxLicenseClass& rate = *calc.m_pTaxClass->m_pTaxLicense;
    const double base = dLand * calc.m_dBuyLandRatio * rate.m_dStandardRatio * 0.01;
    p->m_adExtra[0] = base;
    return rate.m_dLandRate * 0.01 * base;
}

// Land acquisition tax; keeps its base and the housing and other parts.
double LandAcquisitionTax(const CTavCalcClass& calc, double dLand, CConsumptionMoneyClass* p)
{
    const CTaxRealtyGetClass& rate = *calc.m_pTaxClass->m_pTaxRealtyGet;
    const tagDATAREALTYGET& rule = calc.m_pDataClass->m_pDataTax->m_objRealtyGet;
    const double base = dLand * calc.m_dBuyLandRatio * rate.m_dStandardRatio * 0.01;
    p->m_adExtra[0] = base;
    double tax;
    if (rule.nLandHouseSpecial == 1) {
        tax = rate.m_dLandRate * 0.01 * base;
    } else {
        const double house = calc.m_dHouseUseRatio * base;
        p->m_adExtra[1] = house;
        p->m_adExtra[2] = base - house;
        tax = rate.m_dLandHouseRate * 0.01 * house + rate.m_dLandRate * 0.01 * (base - house);
    }
    return rule.nLandDirect == 1 ? rule.dLandTax : tax;
}

double BuildingRegistrationTax(const CTavCalcClass& calc, double dBuild, CConsumptionMoneyClass*)
{
    return calc.m_pTaxClass->m_pTaxLicense->m_dBuildingRate * 0.01 * dBuild;
}

// Building acquisition tax; keeps the value, the new-house and other housing
// parts and the rest.
double BuildingAcquisitionTax(const CTavCalcClass& calc, double dBuild, CConsumptionMoneyClass* p)
{
    const CTaxRealtyGetClass& rate = *calc.m_pTaxClass->m_pTaxRealtyGet;
    const tagDATAREALTYGET& rule = calc.m_pDataClass->m_pDataTax->m_objRealtyGet;
    double special = 0.0;
    double house = calc.m_dHouseUseRatio * dBuild;
    if (rule.nNewHouseSpecial == 0) {
        const int nUnits = calc.m_pDataClass->m_pDataTax->m_objSpecialHouse.nHouseUnits;
        special = std::max(0.0, calc.m_dSpecialHouseRatio * dBuild - nUnits * rate.m_dNewHouseReduction);
        const double dOther = calc.m_dHouseUseRatio - calc.m_dSpecialHouseRatio;
        house = dOther > 0 ? dOther * dBuild : 0.0;
    }
    const double rest = dBuild - calc.m_dHouseUseRatio * dBuild;
    p->m_adExtra[0] = dBuild;
    p->m_adExtra[3] = special;
    p->m_adExtra[4] = house;
    p->m_adExtra[5] = rest;
    double tax;
    if (rule.nBuildingHouseSpecial == 1)
        tax = rate.m_dBuildingRate * 0.01 * (special + house + rest);
    else
        tax = rate.m_dBuildingHouseRate * 0.01 * (special + house) + rate.m_dBuildingRate * 0.01 * rest;
    return rule.nBuildingDirect == 1 ? rule.dBuildingTax : tax;
}

// Business-place tax; keeps the area before and after the housing share, -1
// for the latter when the exemption threshold is not exceeded.
double BusinessPlaceTax(const CTavCalcClass& calc, double, CConsumptionMoneyClass* p)
{
    const tagDATABUSINESSPLACE& rule = calc.m_pDataClass->m_pDataTax->m_objBusinessPlace;
    if (rule.nTaxation != 1) return 0.0;
    const CTaxBusinessPlaceClass& rate = *calc.m_pTaxClass->m_pTaxBusinessPlace;
    double area = calc.m_pDataClass->m_pDataOutline->aBuilding[1].dPlanBuild * (1 - rule.dNonTaxRatio * 0.01);
    p->m_adExtra[0] = area;
    area -= area * calc.m_dHouseUseRatio;
    if (rule.nExemption == 0 && area <= rate.m_dExemptArea) {
        p->m_adExtra[1] = -1.0;
        return 0.0;
    }
    p->m_adExtra[1] = area;
    return area * rate.m_dTaxPerSquareMeter;
}

// The taxes of funds 22 to 26 in their order, from the assessed land and
// building values of the construction period.
using TaxFormula = double (*)(const CTavCalcClass&, double, CConsumptionMoneyClass*);
struct TaxFund {
    TaxFormula pfnTax;
    bool bBuilding;
};
const TaxFund kTaxFunds[] = {
    {LandRegistrationTax, false},    {LandAcquisitionTax, false}, {BuildingRegistrationTax, true},
    {BuildingAcquisitionTax, true}, {BusinessPlaceTax, true},
};

// Element 0 of the land fixed-asset, land city-planning and land value tax
// series, with the management row of each.
struct LandTax {
    CDeleteObArray* CTavCalcClass::*pSeries;
    int nManageRow;
};
const LandTax kLandTaxes[] = {
    {&CTavCalcClass::m_pMunicipalLandTaxArray, kLandTaxManage},
    {&CTavCalcClass::m_pCityPlanLandTaxArray, kLandTaxManage},
    {&CTavCalcClass::m_pLandPriceTaxArray, kLandPriceTaxManage},
};
constexpr int kLandTaxCount = int(std::size(kLandTaxes));

// The mortgage registration tax that a loan of dLoan + fee pays at rate m,
// so that dLoan is left; none at 100 % or more, never negative.
double MortgageFee(double dLoan, double m)
{
    if (m >= 1.0) return 0.0;
    const double fee = dLoan * m / (1 - m);
    return fee > 0.0 ? fee : 0.0;
}

// Interest during construction on the payments that the available funds do
// not cover, each for its months before completion; the funds pay the
// earliest months first.
double ConstructionInterest(const std::vector<double>& adMonth, double dAvailable, double dRate)
{
    double interest = 0.0;
    for (int k = int(adMonth.size()) - 1; k >= 0; --k) {
        const double paid = std::max(0.0, std::min(dAvailable, adMonth[k]));
        dAvailable -= paid;
        const double unpaid = adMonth[k] - paid;
        if (k >= 1) interest += k * unpaid * dRate * 0.01 / 12;
    }
    return interest;
}

// Deposits and guarantee money received before completion: the share of
// element 0 of each category's series at the first year's occupancy.
BOOL SumAdvances(CTavCalcClass& calc)
{
    calc.m_dAdvanceDepositTotal = calc.m_dAdvanceSecurityTotal = 0.0;
    for (int t = 0; t < CTavCalcClass::kRentalCategories; ++t) {
        const CConsumptionMoneyClass* pDeposit = SeriesItem(calc.m_apDepositArray[t], 0);
        const CConsumptionMoneyClass* pSecurity = SeriesItem(calc.m_apSecurityArray[t], 0);
        if (!pDeposit || !pSecurity) return Unexpected(calc);
        const CDataRentalBasicClass& basic = *calc.m_pDataClass->m_apDataRentalBasic[t];
        const tagADVANCERATE& rate = calc.m_pOptionClass->m_pOptionAdvance->m_aRate[t];
        calc.m_dAdvanceDepositTotal += rate.dDepositRate * 0.01 * basic.CalcChangeLive(Value(pDeposit), 1);
        calc.m_dAdvanceSecurityTotal += rate.dSecurityRate * 0.01 * basic.CalcChangeLive(Value(pSecurity), 1);
    }
    return TRUE;
}

// Loans taken at completion, and the part of them that pays the mortgage
// registration tax; loans of later capital expenditures are left out.
BOOL SumLoans(CTavCalcClass& calc, double& dLoans, double& dMortgaged)
{
    for (int i = 0; i < kLoanCount; ++i) {
        const CDataLoanClass& loan = calc.m_pDataClass->m_pDataSupply->m_aLoan[i];
        if (i >= kCapitalPayLoan && loan.m_nCapitalPayYear != 0) continue;
        const auto* pOpening = SeriesItem<CConsumptionLoanClass>(calc.m_apLoanArray[i], 0);
        if (!pOpening) return Unexpected(calc);
        dLoans += pOpening->m_dBalance;
        if (loan.nMortgageFee == 0) dMortgaged += pOpening->m_dBalance;
    }
    return TRUE;
}

// What is paid for an item: its amount rounded as every amount is shown.
// The item keeps its tax and takes the rounding into its net, so that what
// is booked from it is what was paid.
double PaidAmount(CTavCalcClass& calc, CConsumptionMoneyClass& item)
{
    const double v = calc.FractionManage(Value(&item));
    item.m_dNetMoney = v - item.m_dTaxMoney;
    return v;
}

// Spreads the rounded funds but the interest, and the rounded land taxes of
// the construction period, over the month table; adds them up in dSpread.
BOOL SpreadFunds(CTavCalcClass& calc, std::vector<double>& adMonth, double adLandTax[kLandTaxCount],
                 double& dSpread)
{
    const int nMonths = int(adMonth.size()) - 1;
    for (int i = 0; i < kTotalFund; ++i) {
        CConsumptionExpenseClass* p = Fund(calc, i);
        if (!p) return Unexpected(calc);
        if (i == kInterestFund) continue;
        const double v = PaidAmount(calc, *p);
        CTavCalcClass::CalcMon(nMonths, p->m_nPayment, v, adMonth.data());
        dSpread += v;
    }
    for (int i = 0; i < kLandTaxCount; ++i) {
        CConsumptionMoneyClass* p = SeriesItem(calc.*kLandTaxes[i].pSeries, 0);
        if (!p) return Unexpected(calc);
        adLandTax[i] = PaidAmount(calc, *p);
        CTavCalcClass::CalcMon(nMonths, ManageRow(calc, kLandTaxes[i].nManageRow).nPayment, adLandTax[i],
                               adMonth.data());
        dSpread += adLandTax[i];
    }
    return Fund(calc, kTotalFund) ? TRUE : Unexpected(calc);
}

// Borrows the gap dGap at completion: the automatic loan when it is used,
// else the shortfall loan when that is; a loan charged with the mortgage
// registration tax also borrows the tax.
BOOL CloseGap(CTavCalcClass& calc, double dGap)
{
    CDataSupplyClass& supply = *calc.m_pDataClass->m_pDataSupply;
    const bool bAutoLoan = supply.m_nAutoLoan == 0;
    if (!bAutoLoan && supply.m_objShortLoan.nUse != 1) return TRUE;
    CDataLoanClass& autoLoan = supply.m_aLoan[kAutoLoan];
    const bool bCharged = bAutoLoan ? autoLoan.nMortgageFee != 1 : supply.m_objShortLoan.nMortgageFee == 0;
    if (bCharged) {
        CConsumptionExpenseClass* pMortgage = Fund(calc, kMortgageFund);
        const double fee = MortgageFee(dGap, calc.m_pTaxClass->m_pTaxLicense->m_dMortgageRate * 0.01);
        SetTaxFree(pMortgage, pMortgage->m_dNetMoney + fee);
        dGap += fee;
        calc.m_dMortgageLoanTotal += dGap;
    }
    calc.m_dFundSourceTotal += dGap;
    if (bAutoLoan) {
        autoLoan.dAmount = dGap;
        return calc.CalcChangeAutoLoan();
    }
    auto* pShort = SeriesItem<CConsumptionLoanClass>(calc.m_pShortLoanArray, 0);
    if (!pShort) return Unexpected(calc);
    pShort->m_dBalance = dGap;
    return calc.CalcShortLoan(1);
}

} // namespace

void CTavCalcClass::CalcMon(int nMonths, int nPayment, double dMoney, double* pdMonth)
{
    if (nMonths <= 0 || dMoney == 0.0) return;
    const auto midway = [&](double d) {
        if (nMonths % 2 == 0) {
            pdMonth[nMonths / 2] += d;
        } else {
            pdMonth[nMonths / 2] += d / 2;
            pdMonth[nMonths / 2 + 1] += d / 2;
        }
    };
    switch (nPayment) {
    case 0: pdMonth[nMonths] += dMoney; break;
    case 1: midway(dMoney); break;
    case 2: pdMonth[0] += dMoney; break;
    case 3:
        pdMonth[0] += dMoney / 3;
        pdMonth[nMonths] += dMoney / 3;
        midway(dMoney / 3);
        break;
    case 4:
        for (int k = 1; k <= nMonths; ++k) pdMonth[k] += dMoney / nMonths;
        break;
    default: break;
    }
}

// Treatments 0-3 book to land, building, expense and start-up, 4 outside the
// business, 5-10 to the depreciable base of depreciation item 0-5.
void CTavCalcClass::AddManageMoney(int nManage, double dMoney)
{
    if (nManage >= 0 && nManage < 4)
        m_adManageMoney[nManage] += dMoney;
    else if (nManage == 4)
        m_dNonBusinessExpend += dMoney;
    else if (nManage >= kFirstItemManage && nManage < kFirstItemManage + 6)
        m_adDepreciationAdd[nManage - kFirstItemManage] += dMoney;
}

// The tax listing has five treatments: a depreciation item's tax is listed
// with the building's book value.
void CTavCalcClass::AddManageTax(int nManage, double dTax)
{
    AddManageMoney(nManage, dTax);
    if (nManage >= kFirstItemManage) nManage = 1;
    if (nManage >= 0 && nManage < 5) m_adManageTax[nManage] += dTax;
}

int CTavCalcClass::GetTaxManage(int nManage, int nTaxManage)
{
    return nTaxManage == 3 || nTaxManage == 4 ? nTaxManage - 1 : nManage;
}

BOOL CTavCalcClass::CalcExpense()
{
    if (!NewSeries(m_pExpenseArray)) return FALSE;
    if (!CalcExpenseMoney() || !CalcExpenseOtherMoney() || !CalcExpenseTaxMoney()) return FALSE;
    if (!AppendFund(*this, 0, 0)) return FALSE; // the total, set by CalcExpenseAll
    CDataSupplyClass& supply = *m_pDataClass->m_pDataSupply;
    if (supply.m_nLandPurchaseLoan == 1)
        supply.m_aLoan[kLandPurchaseLoan].dAmount =
            Value(Fund(*this, kFirstOtherFund)) - supply.m_objFund.dLandOwnFund;
    for (int i = 0; i < kLoanCount; ++i)
        if (!CalcChangeLoan(i)) return FALSE;
    return TRUE;
}

// Funds 0 to 5: the construction cost of each depreciation item.
BOOL CTavCalcClass::CalcExpenseMoney()
{
    const CDataExpenseClass& expense = *m_pDataClass->m_pDataExpense;
    const tagDATAEXPENSEMONEY& cost = expense.m_objConstructionCost;
    for (int k = 0; k < CDataExpenseClass::kDepreciationCount; ++k) {
        const double amount = cost.nInputMethod < 1 ? expense.m_aDepreciation[k].dAmount
                                                    : expense.m_aDepreciation[k].dAmount * 0.01 * m_dConstructionCost;
        if (!AppendTaxedFund(*this, amount, kCostRow, cost.nAccounting, cost.nPayment,
                             m_pOptionClass->m_pOptionBusinessRate->m_anApply[13 + k]))
            return FALSE;
    }
    return TRUE;
}

// Funds 6 to 20: the costs besides the construction cost, with the ground
// rent during construction after the brokerage fee.
BOOL CTavCalcClass::CalcExpenseOtherMoney()
{
    for (int i = 0; i < CDataExpenseOtherClass::kLineCount; ++i) {
        if (kFirstOtherFund + i == kGroundRentFund && !AppendGroundRent(*this)) return FALSE;
        if (!AppendOtherCost(*this, i)) return FALSE;
    }
    return TRUE;
}

// Funds 21 to 26: the mortgage registration tax (set by CalcExpenseAll) and
// the construction-period taxes, which bear no consumption tax.
BOOL CTavCalcClass::CalcExpenseTaxMoney()
{
    const CConsumptionMoneyClass* pLand = SeriesItem(m_pAppraisedLandArray, 0);
    const CConsumptionMoneyClass* pBuild = SeriesItem(m_pAppraisedBuildArray, 0);
    if (!pLand || !pBuild) return Unexpected(*this);
    const int nTaxManage = m_pOptionClass->m_pOptionConsumptionExpense->m_aItem[kTaxRow].nManage;
    for (int i = 0; i < int(std::size(kTaxFundManage)); ++i) {
        const tagEXPENSEMANAGE& row = ManageRow(*this, kTaxFundManage[i]);
        CConsumptionExpenseClass* p = AppendFund(*this, row.nManage, i == 0 ? -1 : row.nPayment);
        if (!p) return FALSE;
        p->m_nTaxManage = nTaxManage;
        double tax = 0.0;
        if (i > 0) {
            const TaxFund& fund = kTaxFunds[i - 1];
            tax = fund.pfnTax(*this, Value(fund.bBuilding ? pBuild : pLand), p);
        }
        SetTaxFree(p, tax);
    }
    return TRUE;
}

BOOL CTavCalcClass::CalcExpenseAll()
{
    const tagDATAFUND& fund = m_pDataClass->m_pDataSupply->m_objFund;
    const double own = fund.dOwnFund + fund.dLandOwnFund + fund.dSubsidy;
    double loans = 0.0, mortgaged = 0.0, spread = 0.0;
    double adLandTax[kLandTaxCount];
    std::vector<double> adMonth(std::max(m_pDataClass->m_pDataOutline->nConstructMonths, 0) + 1, 0.0);
    if (!SumAdvances(*this) || !SumLoans(*this, loans, mortgaged) || !SpreadFunds(*this, adMonth, adLandTax, spread))
        return FALSE;
    const double advances = m_dAdvanceDepositTotal + m_dAdvanceSecurityTotal;

    // Interest during construction.
    CConsumptionExpenseClass* pInterest = Fund(*this, kInterestFund);
    const CDataExpenseMoneyClass& interest = m_pDataClass->m_pDataExpenseOther->m_aExpenseMoney[kInterestLine];
    if (Value(pInterest) == 0 && interest.nInputMethod == 1) {
        const double available =
            m_pOptionClass->m_pOptionOtherManage->m_nOwnFundTime == 1 ? advances : own + advances;
        SetTaxFree(pInterest, FractionManage(ConstructionInterest(adMonth, available, interest.dAmount)));
    } else {
        SetTaxFree(pInterest, FractionManage(Value(pInterest)));
    }

    // Mortgage registration tax, uses and sources.
    CConsumptionExpenseClass* pMortgage = Fund(*this, kMortgageFund);
    SetTaxFree(pMortgage, m_pTaxClass->m_pTaxLicense->m_dMortgageRate * 0.01 * mortgaged);
    m_dMortgageLoanTotal = FractionManage(mortgaged);
    const double uses = pMortgage->m_dNetMoney + pInterest->m_dNetMoney + spread;
    const double sources = own + advances + loans;
    m_dFundSourceTotal = sources;
    m_dConstructSurplus = sources - uses;

    // The automatic or the shortfall loan closes a gap.
    if (!NewSeries(m_pShortLoanArray) || !AppendYearItems<CConsumptionLoanClass>(*this, m_pShortLoanArray)) return FALSE;
    m_stock.Keep(m_pAutoLoanArray);
    m_pDataClass->m_pDataSupply->m_aLoan[kAutoLoan].dAmount = 0.0; // nothing of an earlier run stays
    if (uses > sources && !CloseGap(*this, uses - sources)) return FALSE;

    // The total of the construction funds.
    double total = 0.0;
    for (int i = 0; i < kTotalFund; ++i) total += FractionManage(Value(Fund(*this, i)));
    for (double tax : adLandTax) total += tax;
    SetTaxFree(Fund(*this, kTotalFund), total);
    return TRUE;
}

BOOL CTavCalcClass::CalcExpenseManage()
{
    std::fill(std::begin(m_adManageMoney), std::end(m_adManageMoney), 0.0);
    m_dNonBusinessExpend = 0.0;
    std::fill(std::begin(m_adManageTax), std::end(m_adManageTax), 0.0);
    std::fill(std::begin(m_adDepreciationAdd), std::end(m_adDepreciationAdd), 0.0);

    for (int i = kFirstOtherFund; i < kMortgageFund; ++i) {
        const CConsumptionExpenseClass* p = Fund(*this, i);
        if (!p) continue;
        AddManageMoney(p->m_nManage, p->m_dNetMoney);
        AddManageTax(GetTaxManage(p->m_nManage, p->m_nTaxManage), p->m_dTaxMoney);
    }

    // The taxes of the construction period carry no consumption tax.
    m_dConstructTaxExpense = 0.0;
    const auto book = [this](double dValue, int nRow) {
        CalcConsumptionW(dValue, 1, 0, 0);
        const int nManage = ManageRow(*this, nRow).nManage;
        AddManageMoney(nManage, m_dConsumeNet);
        if (nManage == 2) m_dConstructTaxExpense += m_dConsumeNet;
    };
    for (int i = 0; i < int(std::size(kTaxFundManage)); ++i) {
        CConsumptionExpenseClass* p = Fund(*this, kMortgageFund + i);
        if (!p) continue;
        book(Value(p), kTaxFundManage[i]);
        p->m_dNetMoney = m_dConsumeNet;
        p->m_dTaxMoney = m_dConsumeTax;
    }
    for (const LandTax& tax : kLandTaxes) {
        const CConsumptionMoneyClass* p = SeriesItem(this->*tax.pSeries, 0);
        if (p) book(Value(p), tax.nManageRow);
    }
    return TRUE;
}
