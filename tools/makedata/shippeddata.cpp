#include "tools/makedata/shippeddata.h"

#include "tests/result/exampleproject.h"

// Prices and rates of 2025, in thousand yen:
//  - Construction cost per m2 of floor before tax: building-starts statistics
//    of 2024 put reinforced concrete above 300 and wood near 200 nationally;
//    the projects take 330 for reinforced concrete in a city and 250 for a
//    wooden apartment, with the rises in materials and labour since.
//  - Rents of new flats: about 2,100 to 2,800 yen per m2 a month in the
//    suburbs of the large cities, offices about 14 per tsubo in a regional
//    city; deposits one month, key money none.
//  - Loans for rental buildings: about 2 % floating for 30 years at
//    regional banks and credit unions, a little more for a short term.
//  - Repairs: exterior walls and roof every 12 years at about 15 per m2 of
//    floor for an apartment, 25 for a concrete building.

namespace {

// What the basic-settings dialog sets on every project: the share of the
// ground rent paid during construction (a file without it reads 100 %).
void SetConstructionRent(CProjectInMemory& project)
{
    project.m_data.m_pDataBasic->nLandRentConstructRatio = 100;
    project.m_data.m_pDataBasic->bLandRentConstructRatioSet = 1;
}

// Building fixtures acquired since 2016-04 depreciate straight-line only.
void SetFixturesStraightLine(CDataClassObject& data)
{
    data.m_pDataExpense->m_aDepreciation[1].nMethod = 0;
}

// The worked example's building of 1,388 m2 (20 flats of 42 and 62 m2, two
// shops, ten cars) at the prices of 2025.
void BuildSample(CProjectInMemory& project)
{
    BuildExampleProject(project);
    SetConstructionRent(project);
    CDataClassObject& d = project.m_data;
    // 1,388 m2 at 330 before tax, 10 % tax on top.
    d.m_pDataExpense->m_objConstructionCost.dAmount = 504000.0;
    SetFixturesStraightLine(d);
    CDataRentalTypeClass& type = *d.m_pDataRentalType;
    SetRentalLine(type, 0, {0, "1LDK", 1, 12, 112.0, 6.0, 0.0, 112.0, 0.0, 112.0});
    SetRentalLine(type, 1, {0, "2LDK", 1, 8, 155.0, 8.0, 0.0, 155.0, 0.0, 155.0});
    SetRentalLine(type, 2, {1, "店舗", 1, 2, 480.0, 20.0, 0.0, 0.0, 5760.0, 0.0});
    SetRentalLine(type, 3, {2, "駐車場", 3, 10, 18.0, 0.0, 0.0, 0.0, 0.0, 0.0});
    SetCost(d.m_pDataCost->m_aCostItem[3], 0, 600.0, 0.0); // fire and earthquake insurance
    SetCost(d.m_pDataCost->m_aCostItem[5], 0, 35000.0, 0.0, 12, 12);
    d.m_pDataCost->m_aCostItem[5].m_strOtherName = "大規模修繕";

    CDataSupplyClass& supply = *d.m_pDataSupply;
    supply.m_objFund.dOwnFund = 150000.0;
    SetLoan(supply.m_aLoan[0], 320000.0, 0, {{1, 10, 1.9}, {11, 30, 2.6}}, 0, 0);
    SetLoan(supply.m_aLoan[1], 60000.0, 1, {{1, 15, 2.2}}, 6, 1);
}

// A landowner builds a two-storey wooden apartment of eight 1LDK flats of
// 40 m2 with six parking spaces on 330 m2 of family land.
void BuildLandownerApartment(CProjectInMemory& p)
{
    SetConstructionRent(p);
    CDataClassObject& d = p.m_data;
    CDataBasicClass& basic = *d.m_pDataBasic;
    basic.strProjectName = "個人地主のアパート";
    basic.nTaxMethod = 0;
    basic.dBusinessRatio = 100.0;
    basic.nInputMethod = 0; // amounts include consumption tax
    basic.nLossCarryMethod = 1;

    CDataOutlineClass& outline = *d.m_pDataOutline;
    outline.nConstructMonths = 6;
    outline.aLand[0] = {100.0, 0.0, 0.0};
    outline.aLand[1] = {330.58, 0.0, 0.0};
    outline.aBuilding[0] = {0.0, 110.0, 97.0};
    outline.aBuilding[1] = {0.0, 363.64, 320.66};
    outline.aHouse[0].dHouse = 97.0;
    outline.aHouse[1].dHouse = 320.66;
    outline.nHouseCount = 8;

    // 2,150 yen per m2 a month, common fee 3.
    CDataRentalTypeClass& type = *d.m_pDataRentalType;
    SetRentalLine(type, 0, {0, "1LDK", 1, 8, 86.0, 3.0, 0.0, 86.0, 0.0, 86.0});
    SetRentalLine(type, 1, {2, "駐車場", 3, 6, 8.0, 0.0, 0.0, 0.0, 0.0, 0.0});
    // Two-year contracts, a third of the tenants change at each end; 95 %
    // let for ten years, then 92 %; rents 1 % lower every third year.
    CDataRentalBasicClass& flats = *d.m_apDataRentalBasic[0];
    SetRentalTerms(flats, 2, 33.0, {ScheduleStep(1, 10, 0, 95.0), EveryYear(92.0)});
    flats.m_aRate[CDataRentalBasicClass::kRateRent].m_aDataRate[0] = ScheduleStep(1, kLastBookingYear, 3, 1.0, true);
    SetRentalTerms(*d.m_apDataRentalBasic[2], 1, 0.0, {EveryYear(80.0)});

    CDataCostClass& cost = *d.m_pDataCost;
    SetCost(cost.m_aCostItem[0], 2, 0.0, 5.0); // management: 5 % of the rents let
    SetCost(cost.m_aCostItem[2], 1, 0.0, 0.5); // repairs: 0.5 % of the construction cost, 2 % more each year
    cost.m_aCostItem[2].m_aDataRate[0] = ScheduleStep(1, kLastBookingYear, 1, 2.0);
    SetCost(cost.m_aCostItem[3], 0, 150.0, 0.0); // fire and earthquake insurance
    SetCost(cost.m_aCostItem[4], 0, 240.0, 0.0);
    cost.m_aCostItem[4].m_strOtherName = "清掃費";
    SetCost(cost.m_aCostItem[5], 0, 5500.0, 0.0, 12, 12); // 15 per m2 of floor
    cost.m_aCostItem[5].m_strOtherName = "外壁屋根改修";

    // Land valued at 60 per m2; the building at 50 % of its cost, 5 % lower
    // every second year.
    CDataTaxClass& tax = *d.m_pDataTax;
    tax.m_aAppraised[0].dAmount = 19800.0;
    tax.m_aAppraised[1].nInputMethod = 2;
    tax.m_aAppraised[1].dAmount = 50.0;
    tax.m_aAppraised[1].m_aDataRate[0] = ScheduleStep(1, kLastBookingYear, 2, 5.0, true);
    tax.m_objSpecialHouse.dHouseRatio = 100.0;
    tax.m_objSpecialHouse.nHouseUnits = 8;
    tax.m_objTaxBusiness.nDeferral = 1;
    tax.m_objTaxBusiness.nStandardTax = 1;

    // 364 m2 at 250 before tax: 100 million with tax; wood lasts 22 years,
    // its fixtures 15, both straight-line.
    CDataExpenseClass& expense = *d.m_pDataExpense;
    SetFund(expense.m_objConstructionCost, 2, 100000.0, 1, 3);
    expense.m_aDepreciation[0].dAmount = 80.0;
    expense.m_aDepreciation[0].nLife = 22;
    expense.m_aDepreciation[1].dAmount = 20.0;
    expense.m_aDepreciation[1].nLife = 15;

    CDataExpenseOtherClass& funds = *d.m_pDataExpenseOther;
    SetFund(funds.m_aExpenseMoney[2], 1, 3.0, 1, 1); // design: 3 % of the net construction cost
    SetFund(funds.m_aExpenseMoney[3], 1, 2.1, 1, 0); // interest during construction
    SetFund(funds.m_aExpenseMoney[6], 0, 500.0, 3, 2);
    funds.m_aExpenseMoney[6].m_strName = "登記手数料";

    // A 30-year loan at 2.1 % for 85 % of the cost; what the funds lack is
    // lent on the same terms, and a shortfall loan keeps the cash at 3 million.
    CDataSupplyClass& supply = *d.m_pDataSupply;
    supply.m_objFund.dOwnFund = 25000.0;
    SetLoan(supply.m_aLoan[0], 85000.0, 0, {{1, 30, 2.1}}, 0, 0);
    supply.m_aLoan[0].m_strBankName = "地方銀行";
    supply.m_nAutoLoan = 0;
    SetLoan(supply.m_aLoan[8], 0.0, 0, {{1, 30, 2.1}}, 0, 0);
    supply.m_aLoan[8].m_strBankName = "地方銀行";
    supply.m_objShortLoan = {1, 2.5, 0};
    d.m_pDataProRestOther->dMinimumCash = 3000.0;
    d.m_pDataProRestOther->dSurplusRate = 0.1;
}

// A small company buys 198 m2 and puts up a concrete building of 661 m2:
// twelve 1LDK flats of 36 m2, 132 m2 of offices and six parking spaces.
void BuildCompanyBuilding(CProjectInMemory& project)
{
    BuildSampleProject(project, {ProjectKind::kCorporation, ProjectKind::kAutoLoan, 30});
    SetConstructionRent(project);
    CDataClassObject& d = project.m_data;
    d.m_pDataBasic->strProjectName = "中小法人の賃貸ビル";
    // 330 per m2 before tax: 1,090 per tsubo.
    d.m_pDataExpense->m_objConstructionCost.dAmount = 1090.0;
    SetFixturesStraightLine(d);
    CDataRentalTypeClass& type = *d.m_pDataRentalType;
    SetRentalLine(type, 0, {0, "1LDK", 1, 12, 95.0, 5.0, 0.0, 95.0, 0.0, 95.0});
    SetRentalLine(type, 1, {3, "事務所", 2, 40, 14.0, 1.5, 0.0, 0.0, 140.0, 0.0});
    SetRentalLine(type, 2, {2, "駐車場", 3, 6, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0});
    SetCost(d.m_pDataCost->m_aCostItem[3], 0, 350.0, 0.0); // fire and earthquake insurance

    CDataSupplyClass& supply = *d.m_pDataSupply;
    supply.m_objFund.dOwnFund = 40000.0;
    SetLoan(supply.m_aLoan[0], 180000.0, 0, {{1, 30, 2.0}}, 0, 0);
    supply.m_aLoan[0].nSpecialFromYear = 0;
    supply.m_aLoan[0].nSpecialToYear = 0;
    supply.m_aLoan[0].dSpecialAmount = 0.0;
    supply.m_aLoan[0].m_strBankName = "地方銀行";
    SetLoan(supply.m_aLoan[5], 0.0, 1, {{1, 25, 2.2}}, 0, 0);
    supply.m_aLoan[5].m_strBankName = "地方銀行";
    SetLoan(supply.m_aLoan[6], 8000.0, 1, {{1, 10, 2.4}});
    supply.m_aLoan[6].m_strBankName = "信用金庫";
    SetLoan(supply.m_aLoan[8], 0.0, 0, {{1, 30, 2.0}}, 0, 0);
    supply.m_aLoan[8].m_strBankName = "地方銀行";
}

} // namespace

const std::vector<ShippedProject>& ShippedProjects()
{
    static const std::vector<ShippedProject> projects = {
        // The settings name it as the project the program opens first.
        {"TEST.prj", 100, kExampleYears, BuildSample},
        {"個人地主のアパート.ETD", 101, 30, BuildLandownerApartment},
        {"中小法人の賃貸ビル.ETD", 101, 30, BuildCompanyBuilding},
    };
    return projects;
}
