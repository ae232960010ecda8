#include "tests/result/exampleproject.h"

namespace {

using Basic = CDataRentalBasicClass;

} // namespace

void BuildExampleProject(CProjectInMemory& p)
{
    CDataClassObject& d = p.m_data;
    CDataBasicClass& basic = *d.m_pDataBasic;
    basic.strProjectName = "店舗付賃貸マンション";
    basic.nTaxMethod = 0;
    basic.nConsumptionTaxMethod = 0;
    basic.dBusinessRatio = 100.0;
    basic.nInputMethod = 0; // amounts include consumption tax
    basic.nLossCarryMethod = 1;

    // 180 tsubo of the owner's land; 420 tsubo of floor, 315 of it housing.
    CDataOutlineClass& outline = *d.m_pDataOutline;
    outline.nConstructMonths = 12;
    outline.aLand[0] = {180.0, 0.0, 0.0};
    outline.aBuilding[0] = {0.0, 420.0, 360.0};
    outline.aBuilding[1] = {0.0, 1388.4, 1190.1};
    outline.aHouse[0].dHouse = 315.0;
    outline.nHouseCount = 20;

    CDataRentalTypeClass& type = *d.m_pDataRentalType;
    SetRentalLine(type, 0, {0, "1LDK", 1, 12, 95.0, 5.0, 95.0, 190.0, 0.0, 95.0});
    SetRentalLine(type, 1, {0, "2LDK", 1, 8, 128.0, 6.0, 128.0, 256.0, 0.0, 128.0});
    SetRentalLine(type, 2, {1, "店舗", 1, 2, 420.0, 20.0, 0.0, 0.0, 5040.0, 0.0});
    SetRentalLine(type, 3, {2, "駐車場", 3, 10, 15.0, 0.0, 0.0, 0.0, 0.0, 0.0});

    // Flats: two-year contracts, 30 % of tenants change at a contract end,
    // 95 % let, rents 1 % lower every second year; a tenth of the deposit is kept.
    Basic& flats = *d.m_apDataRentalBasic[0];
    SetRentalTerms(flats, 2, 30.0, {EveryYear(95.0)});
    flats.m_aRate[Basic::kRateRent].m_aDataRate[0] = ScheduleStep(1, kLastBookingYear, 2, 1.0, true);
    flats.dDepositAmortizeRatio = 10.0;
    flats.bCommonFeeFixed = 1;
    // Shops: three-year leases, a fifth of the guarantee money kept, the rest
    // repaid in one sum when a lease ends.
    Basic& shops = *d.m_apDataRentalBasic[1];
    SetRentalTerms(shops, 3, 20.0, {EveryYear(100.0)});
    shops.dSecurityAmortizeRatio = 20.0;
    shops.nSecurityChange = 1;
    shops.m_objSecurityLoan.nRepayMethod = 2;
    SetRentalTerms(*d.m_apDataRentalBasic[2], 1, 0.0, {EveryYear(80.0)});

    CDataCostClass& cost = *d.m_pDataCost;
    SetCost(cost.m_aCostItem[0], 2, 0.0, 5.0); // 5 % of the rents let
    SetCost(cost.m_aCostItem[2], 1, 0.0, 0.5); // 0.5 % of the construction cost, 2 % more each year
    cost.m_aCostItem[2].m_aDataRate[0] = ScheduleStep(1, kLastBookingYear, 1, 2.0);
    SetCost(cost.m_aCostItem[3], 0, 360.0, 0.0);
    SetCost(cost.m_aCostItem[4], 0, 720.0, 0.0);
    cost.m_aCostItem[4].m_strOtherName = "清掃費";
    SetCost(cost.m_aCostItem[5], 0, 9000.0, 0.0, 12, 12);
    cost.m_aCostItem[5].m_strOtherName = "大規模修繕";

    CDataProRestOtherClass& other = *d.m_pDataProRestOther;
    other.dSurplusRate = 0.1;
    other.m_aOtherIncome[0].m_strName = "自動販売機";
    other.m_aOtherIncome[0].dAmount = 240.0;
    other.m_aOtherIncome[0].nFromYear = 1;
    other.m_aOtherIncome[0].nToYear = kLastBookingYear;

    CDataTaxClass& tax = *d.m_pDataTax;
    tax.m_aAppraised[0].dAmount = 72000.0;
    tax.m_aAppraised[1].nInputMethod = 2;
    tax.m_aAppraised[1].dAmount = 60.0; // percent of the construction cost, 5 % lower every third year
    tax.m_aAppraised[1].m_aDataRate[0] = ScheduleStep(1, kLastBookingYear, 3, 5.0, true);
    tax.m_objSpecialHouse.dHouseRatio = 70.0;
    tax.m_objSpecialHouse.nHouseUnits = 20;
    tax.m_objMunicipal.nBuildingType = 1;
    tax.m_objTaxBusiness.nDeferral = 1;
    tax.m_objTaxBusiness.nStandardTax = 1;

    // 330 million yen with tax, paid in three instalments: 80 % building, 20 % equipment.
    CDataExpenseClass& expense = *d.m_pDataExpense;
    SetFund(expense.m_objConstructionCost, 2, 330000.0, 1, 3);
    expense.m_aDepreciation[0].dAmount = 80.0;
    expense.m_aDepreciation[0].nLife = 47;
    expense.m_aDepreciation[1].dAmount = 20.0;
    expense.m_aDepreciation[1].nLife = 15;
    expense.m_aDepreciation[1].nMethod = 1;

    CDataExpenseOtherClass& funds = *d.m_pDataExpenseOther;
    SetFund(funds.m_aExpenseMoney[2], 1, 3.0, 1, 1);    // design: 3 % of the net construction cost
    SetFund(funds.m_aExpenseMoney[3], 1, 2.0, 1, 0);    // interest during construction at 2 %
    SetFund(funds.m_aExpenseMoney[4], 0, 1100.0, 2, 0); // neighbourhood measures
    SetFund(funds.m_aExpenseMoney[6], 0, 880.0, 3, 2);
    funds.m_aExpenseMoney[6].m_strName = "登記手数料";

    // Loan 1 at 1.5 % for ten years, then 2.5 %; loan 2 repaid in equal
    // principal over 15 years after six months of interest only.
    CDataSupplyClass& supply = *d.m_pDataSupply;
    supply.m_objFund.dOwnFund = 120000.0;
    supply.m_nAutoLoan = 1;
    SetLoan(supply.m_aLoan[0], 200000.0, 0, {{1, 10, 1.5}, {11, 30, 2.5}}, 0, 0);
    supply.m_aLoan[0].m_strBankName = "都市銀行";
    SetLoan(supply.m_aLoan[1], 50000.0, 1, {{1, 15, 1.2}}, 6, 1);
    supply.m_aLoan[1].m_strBankName = "信用金庫";
}
