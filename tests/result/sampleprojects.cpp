#include "tests/result/sampleprojects.h"

namespace {

using Basic = CDataRentalBasicClass;

constexpr double kNoUpperBound = 1.0e12;

// Bracket rows of an income or inhabitant tax table: lower bound (exclusive),
// upper bound (inclusive), rate and deduction.
struct Bracket {
    double dLower, dUpper, dRate, dDeduction;
};

template <class TTable>
void SetBrackets(TTable& table, std::initializer_list<Bracket> brackets)
{
    int i = 0;
    for (const Bracket& b : brackets) {
        CTaxPersonalClass& row = table.m_aStep[i++];
        row.m_dLower = b.dLower;
        row.m_dUpper = b.dUpper;
        row.m_dRate = b.dRate;
        row.m_dDeduction = b.dDeduction;
    }
}

void SetExtent(CTaxExtentClass& row, double dLower, double dUpper, double dValue)
{
    row.m_dLower = dLower;
    row.m_dUpper = dUpper;
    row.m_dValue = dValue;
}

void SetBurdenRow(CTaxBurdenLevelClass& row, double dLower, double dUpper, int nUpperInclusive, double dRate)
{
    row.m_dLower = dLower;
    row.m_dUpper = dUpper;
    row.m_nUpperInclusive = nUpperInclusive;
    row.m_dRate = dRate;
}

void SetDepreciation(CDataDepreciationClass& item, double dAmount, int nLife, int nMethod, int nExtra = 0,
                     int nRetireYear = 0)
{
    item.dAmount = dAmount;
    item.nLife = nLife;
    item.nMethod = nMethod;
    item.nExtra = nExtra;
    item.nRetireYear = nRetireYear;
}

void SetCapitalPay(CDataCapitalPayClass& pay, int nYear, double dAmount, int nSource, int nItem)
{
    pay.nYear = nYear;
    pay.dAmount = dAmount;
    pay.nSource = nSource;
    pay.nItem = nItem;
}

void SetRestOther(CDataRestOtherMoneyClass& line, const char* pszName, int nKind, double dAmount, int nFrom,
                  int nTo)
{
    line.m_strName = pszName;
    line.nKind = nKind;
    line.dAmount = dAmount;
    line.nFromYear = nFrom;
    line.nToYear = nTo;
}

// How the individual and the corporation meet a gap in their funds.
void SetFunding(CDataSupplyClass& supply, CDataProRestOtherClass& other, ProjectKind::Funding nFunding,
                double dOwnFunds, double dShortOwnFunds, double dMinimumCash, int nMortgageFee)
{
    supply.m_nAutoLoan = 1;
    supply.m_objFund.dOwnFund = nFunding == ProjectKind::kOwnFunds ? dOwnFunds : dShortOwnFunds;
    if (nFunding == ProjectKind::kAutoLoan) supply.m_nAutoLoan = 0;
    if (nFunding == ProjectKind::kShortLoan) {
        supply.m_objShortLoan = {1, 3.0, nMortgageFee};
        other.dMinimumCash = dMinimumCash;
    }
}

// An owner building eight flats, a shop and parking on his own land, part of
// it leased; he lives in the building, so 90 % is business.
void BuildIndividual(CProjectInMemory& p, ProjectKind::Funding nFunding)
{
    CDataClassObject& d = p.m_data;
    CDataBasicClass& basic = *d.m_pDataBasic;
    basic.strProjectName = "賃貸併用住宅";
    basic.nTaxMethod = 0;
    basic.dBusinessRatio = 90.0;
    basic.nLossCarryMethod = 1;

    CDataOutlineClass& outline = *d.m_pDataOutline;
    outline.nConstructMonths = 10;
    outline.aLand[0] = {100.0, 30.0, 0.0};
    outline.aBuilding[0] = {0.0, 200.0, 170.0};
    outline.aBuilding[1] = {0.0, 661.2, 562.0};
    outline.aHouse[0].dHouse = 150.0;
    outline.nHouseCount = 8;

    CDataRentalTypeClass& type = *d.m_pDataRentalType;
    SetRentalLine(type, 0, {0, "1K", 1, 8, 72.0, 4.0, 72.0, 144.0, 0.0, 72.0});
    SetRentalLine(type, 1, {1, "店舗", 1, 1, 350.0, 15.0, 0.0, 0.0, 4200.0, 0.0});
    SetRentalLine(type, 2, {2, "駐車場", 3, 4, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0});

    Basic& flats = *d.m_apDataRentalBasic[0];
    SetRentalTerms(flats, 2, 40.0, {ScheduleStep(1, 5, 0, 100.0), ScheduleStep(6, 15, 0, 90.0), EveryYear(85.0)});
    flats.m_aRate[Basic::kRateRent].m_aDataRate[0] = ScheduleStep(1, kLastBookingYear, 3, 1.0, true);
    flats.dDepositAmortizeRatio = 15.0;
    Basic& shop = *d.m_apDataRentalBasic[1];
    SetRentalTerms(shop, 3, 50.0, {EveryYear(100.0)});
    shop.m_aRate[Basic::kRateRent].m_aDataRate[0] = ScheduleStep(1, kLastBookingYear, 5, 2.0);
    shop.dSecurityAmortizeRatio = 10.0;
    SetLoan(shop.m_objSecurityLoan, 0.0, 1, {{1, 10, 1.0}}, 12);
    SetRentalTerms(*d.m_apDataRentalBasic[2], 1, 0.0, {EveryYear(75.0)});

    CDataCostClass& cost = *d.m_pDataCost;
    SetCost(cost.m_aCostItem[0], 0, 150.0, 0.0);
    SetCost(cost.m_aCostItem[1], 1, 0.0, 2.0);
    SetCost(cost.m_aCostItem[2], 1, 0.0, 0.4);
    cost.m_aCostItem[2].m_aDataRate[0] = ScheduleStep(1, kLastBookingYear, 1, 1.5);
    SetCost(cost.m_aCostItem[3], 0, 180.0, 0.0);
    SetCost(cost.m_aCostItem[4], 0, 240.0, 0.0);
    cost.m_aCostItem[4].m_strOtherName = "共用部電気代";
    SetCost(cost.m_aCostItem[5], 0, 4000.0, 0.0, 10, 10);
    cost.m_aCostItem[5].m_strOtherName = "外壁塗装";

    CDataOtherIncomeClass& vending = d.m_pDataProRestOther->m_aOtherIncome[0];
    vending.m_strName = "自動販売機";
    vending.dAmount = 120.0;
    vending.nFromYear = 1;
    vending.nToYear = kLastBookingYear;
    d.m_pDataProRestOther->dSurplusRate = 0.05;

    CDataRestOtherClass& outside = *d.m_pDataRestOther;
    SetRestOther(outside.m_aRestOtherMoney[0], "給与所得", 0, 6000.0, 1, kLastBookingYear);
    outside.m_aRestOtherMoney[0].m_aDataRate[0] = ScheduleStep(1, kLastBookingYear, 1, 1.0);
    SetRestOther(outside.m_aRestOtherMoney[1], "社会保険料", 1, 700.0, 1, kLastBookingYear);
    SetRestOther(outside.m_aRestOtherMoney[2], "生活費", 2, 3600.0, 1, kLastBookingYear);
    SetRestOther(outside.m_aRestOtherMoney[3], "自家用車", 2, 8000.0, 1, 1);

    CDataTaxClass& tax = *d.m_pDataTax;
    tax.m_aAppraised[0].nInputMethod = 1;
    tax.m_aAppraised[0].dAmount = 400.0;
    tax.m_aAppraised[1].nInputMethod = 1;
    tax.m_aAppraised[1].dAmount = 600.0;
    tax.m_aAppraised[1].m_aDataRate[0] = ScheduleStep(1, kLastBookingYear, 3, 6.0, true);
    tax.m_objSpecialHouse.dHouseRatio = 60.0;
    tax.m_objSpecialHouse.nHouseUnits = 8;
    tax.m_objTaxBusiness.nOutsideIncome = 1;
    tax.m_objTaxBusiness.nDeferral = 1;
    tax.m_objTaxBusiness.nStandardTax = 1;

    CDataExpenseClass& expense = *d.m_pDataExpense;
    SetDepreciation(expense.m_aDepreciation[0], 120000.0, 47, 0, 1);
    SetDepreciation(expense.m_aDepreciation[1], 30000.0, 15, 0);
    SetDepreciation(expense.m_aDepreciation[2], 5000.0, 10, 1, 0, 12);
    expense.m_aDepreciation[2].m_strName = "外構";
    SetFund(expense.m_objConstructionCost, 0, 0.0, 1, 3);
    SetCapitalPay(expense.m_aCapitalPay[0], 8, 5000.0, 0, 1);

    CDataExpenseOtherClass& other = *d.m_pDataExpenseOther;
    SetFund(other.m_aExpenseMoney[2], 0, 4400.0, 1, 1);
    SetFund(other.m_aExpenseMoney[3], 1, 1.8, 2, 0);
    SetFund(other.m_aExpenseMoney[4], 0, 550.0, 2, 0);
    SetFund(other.m_aExpenseMoney[6], 0, 600.0, 3, 2);
    other.m_aExpenseMoney[6].m_strName = "登記費用";

    CDataSupplyClass& supply = *d.m_pDataSupply;
    SetLoan(supply.m_aLoan[0], 100000.0, 0, {{1, 25, 1.8}}, 0, 0);
    supply.m_aLoan[0].m_strBankName = "地方銀行";
    SetLoan(supply.m_aLoan[8], 0.0, 0, {{1, 10, 2.0}}, 0, 0);
    SetFunding(supply, *d.m_pDataProRestOther, nFunding, 75000.0, 40000.0, 3000.0, 0);
}

// A small corporation buying its site with a land-purchase loan and building
// flats, offices and parking; amounts exclude consumption tax.
void BuildCorporation(CProjectInMemory& p, ProjectKind::Funding nFunding)
{
    CDataClassObject& d = p.m_data;
    CDataBasicClass& basic = *d.m_pDataBasic;
    basic.strProjectName = "事務所付共同住宅";
    basic.nTaxMethod = 1;
    basic.dBusinessRatio = 100.0;
    basic.nInputMethod = 1;
    basic.nLossCarryMethod = 1;
    basic.bLossCarryBack = 1;

    CDataOutlineClass& outline = *d.m_pDataOutline;
    outline.nConstructMonths = 14;
    outline.aLand[0] = {60.0, 0.0, 60.0};
    outline.aBuilding[0] = {0.0, 200.0, 170.0};
    outline.aBuilding[1] = {0.0, 661.2, 562.0};
    outline.aHouse[0].dHouse = 130.0;
    outline.nHouseCount = 12;

    CDataRentalTypeClass& type = *d.m_pDataRentalType;
    SetRentalLine(type, 0, {0, "2DK", 1, 12, 85.0, 5.0, 85.0, 170.0, 0.0, 85.0});
    SetRentalLine(type, 1, {3, "事務所", 2, 40, 12.0, 1.0, 0.0, 0.0, 120.0, 0.0});
    SetRentalLine(type, 2, {2, "駐車場", 3, 6, 18.0, 0.0, 0.0, 0.0, 0.0, 0.0});

    Basic& flats = *d.m_apDataRentalBasic[0];
    SetRentalTerms(flats, 2, 25.0, {EveryYear(92.0)});
    flats.m_aRate[Basic::kRateRent].m_aDataRate[0] = ScheduleStep(1, 4, 0, 0.0);
    flats.m_aRate[Basic::kRateRent].m_aDataRate[1] = ScheduleStep(5, kLastBookingYear, 2, 1.0);
    flats.nDepositChange = 1;
    Basic& offices = *d.m_apDataRentalBasic[3];
    SetRentalTerms(offices, 2, 30.0, {ScheduleStep(1, 1, 0, 60.0), ScheduleStep(2, 2, 0, 80.0), EveryYear(100.0)});
    offices.dSecurityAmortizeRatio = 10.0;
    SetLoan(offices.m_objSecurityLoan, 0.0, 0, {{1, 5, 0.5}});
    SetRentalTerms(*d.m_apDataRentalBasic[2], 1, 0.0, {EveryYear(80.0)});

    CDataCostClass& cost = *d.m_pDataCost;
    SetCost(cost.m_aCostItem[0], 2, 0.0, 5.0);
    SetCost(cost.m_aCostItem[2], 0, 1200.0, 0.0);
    SetCost(cost.m_aCostItem[3], 0, 240.0, 0.0);
    SetCost(cost.m_aCostItem[4], 0, 480.0, 0.0);
    cost.m_aCostItem[4].m_strOtherName = "清掃費";

    CDataTaxClass& tax = *d.m_pDataTax;
    tax.m_aAppraised[0].dAmount = 45000.0;
    tax.m_aAppraised[0].m_aDataRate[0] = ScheduleStep(1, kLastBookingYear, 1, 1.0);
    tax.m_aAppraised[0].dAssetBaseRatio = 60.0;
    tax.m_aAppraised[0].dCityBaseRatio = 60.0;
    tax.m_aAppraised[1].nInputMethod = 2;
    tax.m_aAppraised[1].dAmount = 55.0;
    tax.m_aAppraised[1].m_aDataRate[0] = ScheduleStep(1, kLastBookingYear, 3, 4.0, true);
    tax.m_objSpecialHouse.dHouseRatio = 50.0;
    tax.m_objSpecialHouse.nHouseUnits = 12;
    tax.m_objMunicipal.nBuildingType = 2;
    tax.m_objMunicipal.nLandTaxBase = 1;
    tax.m_objCityPlan.nLandTaxBase = 1;
    tax.m_objBusinessPlace.nTaxation = 1;
    tax.m_objBusinessPlace.dNonTaxRatio = 30.0;
    tax.m_objTaxLand.nInputMethod = 1;
    tax.m_objTaxLand.dProjectValue = 10.0;
    tax.m_objTaxLand.dTotalValue = 1200000.0;
    tax.m_objTaxBusiness.dCapital = 10000.0;
    tax.m_objTaxBusiness.dSalary = 3000.0;
    tax.m_objTaxBusiness.nDeferral = 1;
    tax.m_objTaxBusiness.nStandardTax = 1;

    CDataExpenseClass& expense = *d.m_pDataExpense;
    SetDepreciation(expense.m_aDepreciation[0], 75.0, 47, 0);
    SetDepreciation(expense.m_aDepreciation[1], 25.0, 15, 1);
    SetFund(expense.m_objConstructionCost, 3, 900.0, 1, 3);
    SetCapitalPay(expense.m_aCapitalPay[0], 12, 8000.0, 1, 0);
    SetCapitalPay(expense.m_aCapitalPay[1], 20, 3000.0, 2, 1);

    CDataExpenseOtherClass& other = *d.m_pDataExpenseOther;
    SetFund(other.m_aExpenseMoney[0], 1, 1500.0, 0, 0);
    SetFund(other.m_aExpenseMoney[2], 1, 2.5, 1, 3);
    SetFund(other.m_aExpenseMoney[3], 0, 600.0, 1, 2);
    SetFund(other.m_aExpenseMoney[5], 0, 3000.0, 0, 0);
    SetFund(other.m_aExpenseMoney[6], 0, 500.0, 3, 0);
    other.m_aExpenseMoney[6].m_strName = "設立費用";

    CDataSupplyClass& supply = *d.m_pDataSupply;
    supply.m_nLandPurchaseLoan = 1;
    supply.m_objFund.dLandOwnFund = 20000.0;
    SetLoan(supply.m_aLoan[0], 150000.0, 0, {{1, 30, 1.0}}, 0, 0);
    supply.m_aLoan[0].nSpecialFromYear = 5;
    supply.m_aLoan[0].nSpecialToYear = 7;
    supply.m_aLoan[0].dSpecialAmount = 5000.0;
    SetLoan(supply.m_aLoan[5], 0.0, 1, {{1, 20, 2.0}}, 0, 0);
    SetLoan(supply.m_aLoan[6], 8000.0, 1, {{1, 10, 1.5}});
    supply.m_aLoan[6].m_nCapitalPayYear = 12;
    SetLoan(supply.m_aLoan[8], 0.0, 2, {{1, kLastBookingYear, 2.5}});
    SetFunding(supply, *d.m_pDataProRestOther, nFunding, 75000.0, 20000.0, 2000.0, 1);
    d.m_pDataProRestOther->dSurplusRate = 0.02;
    p.m_option.m_pOptionOtherManage->m_nYieldFormula = 1;
}

} // namespace

CProjectInMemory::CProjectInMemory()
{
    m_bCreated = m_data.CreateData() && m_option.CreateData() && m_tax.CreateData();
    m_calc.m_pDataClass = &m_data;
    m_calc.m_pOptionClass = &m_option;
    m_calc.m_pTaxClass = &m_tax;
    m_calc.m_pResultClass = &m_result;
    m_calc.m_objDecimal = tagSETDECIMAL{0, 0.5, 0, 0}; // whole thousand yen, half up
    if (!m_bCreated) return;
    SetTaxTable(m_tax);
    SetProjectOptions(m_option);
}

BOOL CProjectInMemory::Calculate(int nYears)
{
    m_calc.m_objCalcYear.nCalcYear = nYears;
    m_calc.SetComs();
    for (int step = 0; step <= 2; ++step)
        if (!m_calc.Calc(step)) return FALSE;
    return TRUE;
}

BOOL CProjectInMemory::CalculateAll(int nYears)
{
    if (!Calculate(nYears)) return FALSE;
    for (int step = 3; step <= CTavCalcClass::kLastStep; ++step)
        if (!m_calc.Calc(step)) return FALSE;
    return TRUE;
}

CYearBalanceClass* CProjectInMemory::Year(int y) const
{
    return m_calc.m_pYearArray ? dynamic_cast<CYearBalanceClass*>(m_calc.m_pYearArray->GetAt(y)) : nullptr;
}

void SetRentalLine(CDataRentalTypeClass& type, int nLine, const RentalLine& line)
{
    CDataRentalTermClass* pTerm = type.GetTerm(nLine);
    if (!pTerm) return;
    pTerm->m_nCategory = line.nCategory;
    pTerm->m_strName = line.pszName;
    pTerm->m_nInputMethod = line.nInputMethod;
    pTerm->m_dCount = line.dCount;
    pTerm->m_dRent = line.dRent;
    pTerm->m_dCommonFee = line.dCommonFee;
    pTerm->m_dKeyMoney = line.dKeyMoney;
    pTerm->m_dDeposit = line.dDeposit;
    pTerm->m_dSecurity = line.dSecurity;
    pTerm->m_dRenewalFee = line.dRenewalFee;
}

void SetCost(CDataCostItemClass& item, int nInputMethod, double dTotal, double dShare, int nFrom, int nInterval)
{
    item.nInputMethod = nInputMethod;
    item.adAmount[0] = dTotal;
    item.adAmount[1] = dShare;
    item.nFromYear = nFrom;
    item.nToYear = kLastBookingYear;
    item.nExtra1 = nInterval;
}

void SetFund(CDataExpenseMoneyClass& line, int nInputMethod, double dAmount, int nAccounting, int nPayment)
{
    line.nInputMethod = nInputMethod;
    line.dAmount = dAmount;
    line.nAccounting = nAccounting;
    line.nPayment = nPayment;
}

void SetRentalTerms(Basic& basic, int nContractYears, double dTurnover, std::initializer_list<tagDATARATE> occupancy)
{
    basic.nContractYears = nContractYears;
    basic.m_aRate[Basic::kRateTurnover].m_aDataRate[0] = EveryYear(dTurnover);
    int i = 0;
    for (const tagDATARATE& step : occupancy) basic.m_aRate[Basic::kRateLive].m_aDataRate[i++] = step;
}

tagDATARATE ScheduleStep(int nFrom, int nTo, int nInterval, double dRate, bool bDecrease)
{
    return {nFrom, nTo, nInterval, dRate, bDecrease ? 1 : 0};
}

tagDATARATE EveryYear(double dLevel)
{
    return {1, 0, 0, dLevel, 0}; // ends before it starts: holds every year
}

void SetLoan(CDataLoanClass& loan, double dAmount, int nRepayMethod, std::initializer_list<tagDATAREPAY> periods,
             int nGraceMonths, int nMortgageFee)
{
    loan.dAmount = dAmount;
    loan.nRepayMethod = nRepayMethod;
    loan.nMortgageFee = nMortgageFee;
    int p = 1;
    for (const tagDATAREPAY& period : periods) loan.m_aRepay[p++] = period;
    loan.m_aRepay[0] = {0, nGraceMonths, periods.begin()->dRate};
}

void SetTaxTable(CTaxClassObject& tax)
{
    CTaxConsumptionClass& consumption = *tax.m_pTaxConsumption;
    consumption.m_dRate = 10.0;
    consumption.m_dExemptSales = 10000.0;
    consumption.m_dMarginRate = 60.0;
    consumption.m_dSimpleSalesLimit = 50000.0;

    CTaxMunicipalClass& municipal = *tax.m_pTaxMunicipal;
    municipal.m_dLandRate = 1.4;
    municipal.m_dHouseLandNumerator = 1.0;
    municipal.m_dHouseLandDenominator = 6.0;
    municipal.m_dBuildingRate = 1.4;
    municipal.m_dNewHouseNumerator = 1.0;
    municipal.m_dNewHouseDenominator = 2.0;
    municipal.m_nFireproofHouseYear = 5;
    municipal.m_nNewHouseYear = 3;
    CTaxCityPlanClass& cityPlan = *tax.m_pTaxCityPlan;
    cityPlan.m_dLandRate = 0.3;
    cityPlan.m_dHouseLandNumerator = 1.0;
    cityPlan.m_dHouseLandDenominator = 3.0;
    cityPlan.m_dBuildingRate = 0.3;

    // Burden adjustment: a low level rises towards the assessed value; the
    // seventh business row caps the base at 70 % of the value.
    CTaxStandardMoneyClass& standard = *tax.m_pTaxStandardMoney;
    SetBurdenRow(standard.m_aHouseLevel[0], 0.0, 0.8, 0, 1.1);
    SetBurdenRow(standard.m_aHouseLevel[1], 0.8, 1.0, 1, 1.05);
    SetBurdenRow(standard.m_aBusinessLevel[0], 0.0, 0.6, 0, 1.1);
    SetBurdenRow(standard.m_aBusinessLevel[1], 0.6, 0.7, 1, 1.0);
    SetBurdenRow(standard.m_aBusinessLevel[CTaxStandardMoneyClass::kBusinessRows - 1], 0.7, kNoUpperBound, 0, 70.0);
    standard.m_objPriceDrop.m_nPriceDropUse = 1;

    CTaxBusinessClass& business = *tax.m_pTaxBusiness;
    business.m_dPersonalRate = 5.0;
    business.m_dPersonalDeduction = 2900.0;
    SetExtent(business.m_aIncomeStep[0], 0.0, 4000.0, 3.5);
    SetExtent(business.m_aIncomeStep[1], 4000.0, 8000.0, 5.3);
    SetExtent(business.m_aIncomeStep[2], 8000.0, kNoUpperBound, 7.0);
    business.m_dAddedValueRate = 1.2;
    business.m_dSalaryDeductionRatio = 70.0;
    business.m_dCapitalRate = 0.5;
    SetExtent(business.m_aCapitalStep[0], 0.0, 1000000.0, 100.0);
    SetExtent(business.m_aCapitalStep[1], 1000000.0, 5000000.0, 50.0);
    SetExtent(business.m_aCapitalStep[2], 5000000.0, 10000000.0, 25.0);
    business.m_nDeferYear = 3;
    tax.m_pTaxBusinessPlace->m_dTaxPerSquareMeter = 0.6;
    tax.m_pTaxBusinessPlace->m_dExemptArea = 1000.0;

    CTaxDepreciationClass& depreciation = *tax.m_pTaxDepreciation;
    depreciation.m_nLifeYear = 35;
    depreciation.m_dShortLifeRatio = 1.4;
    depreciation.m_dLongLifeRatio = 1.7;
    depreciation.m_nExtraYear = 5;
    depreciation.m_dResidualRatio = 10.0;

    CTaxLandPriceClass& landPrice = *tax.m_pTaxLandPrice;
    landPrice.m_dRate = 0.15;
    landPrice.m_dPersonalDeduction = 300000.0;
    for (CTaxExtentClass& row : landPrice.m_aCapitalStep) SetExtent(row, 0.0, 0.0, 1000000.0);

    CTaxLicenseClass& license = *tax.m_pTaxLicense;
    license.m_dLandRate = 1.5;
    license.m_dStandardRatio = 100.0;
    license.m_dBuildingRate = 0.4;
    license.m_dMortgageRate = 0.4;
    CTaxRealtyGetClass& realty = *tax.m_pTaxRealtyGet;
    realty.m_dLandRate = 3.0;
    realty.m_dLandHouseRate = 3.0;
    realty.m_dStandardRatio = 50.0;
    realty.m_dBuildingRate = 4.0;
    realty.m_dBuildingHouseRate = 3.0;
    realty.m_dNewHouseReduction = 12000.0;

    CTaxCorporationClass& corporation = *tax.m_pTaxCorporation;
    corporation.m_adCapitalStep[0][0] = 15.0;
    corporation.m_adCapitalStep[0][5] = 8000.0;
    corporation.m_adCapitalStep[1][0] = 23.2;
    corporation.m_adCapitalStep[1][4] = 8000.0;
    corporation.m_adCapitalStep[1][5] = kNoUpperBound;
    corporation.m_adCapitalStep[2][0] = 23.2;
    tax.m_pTaxResidentCorporation->m_dPrefecturalRate = 1.0;
    tax.m_pTaxResidentCorporation->m_dVillageRate = 6.0;

    SetBrackets(*tax.m_pTaxIncome, {{0.0, 1950.0, 5.0, 0.0},
                                    {1950.0, 3300.0, 10.0, 97.5},
                                    {3300.0, 6950.0, 20.0, 427.5},
                                    {6950.0, 9000.0, 23.0, 636.0},
                                    {9000.0, 18000.0, 33.0, 1536.0},
                                    {18000.0, 40000.0, 40.0, 2796.0},
                                    {40000.0, kNoUpperBound, 45.0, 4796.0}});
    SetBrackets(*tax.m_pTaxPrefectural, {{0.0, kNoUpperBound, 4.0, 0.0}});
    SetBrackets(*tax.m_pTaxVillage, {{0.0, kNoUpperBound, 6.0, 0.0}});
    tax.m_pTaxTransfer->m_nCorporateYear = 10;
    tax.m_pTaxTransfer->m_nPersonalYear = 3;
}

void SetProjectOptions(COptionClassObject& option)
{
    // Construction-period taxes: land registration and acquisition to the
    // land, building registration to the building, the rest expensed; all
    // paid at completion.
    tagEXPENSEMANAGE* manage = option.m_pOptionExpenseManage->m_aManage;
    for (int row : {15, 16, 19, 21, 22, 23}) manage[row] = {2, 2};
    manage[17] = manage[18] = {0, 2};
    manage[20] = {1, 2};

    // Taxes, ground rent, fire insurance and interest bear no consumption tax.
    int* costTax = option.m_pOptionConsumptionCost->m_anTax;
    for (int item : {0, 2, 4, 11, 12}) costTax[item] = 1;
    // Residential rents bear none either; shops, offices and parking do.
    COptionConsumptionIncomeClass& income = *option.m_pOptionConsumptionIncome;
    for (int& n : income.m_aRental[0].m_anTax) n = 1;
    income.m_nInterestTax = 1;
    // Land price, interest during construction, ground rent and taxes.
    tagCONSUMPTIONEXPENSE* fund = option.m_pOptionConsumptionExpense->m_aItem;
    for (int row : {1, 4, 7, 8}) fund[row].nTax = 1;

    // The first tenants' deposits and the offices' and shops' guarantee money come in before completion.
    option.m_pOptionAdvance->m_aRate[0].dDepositRate = 100.0;
    option.m_pOptionAdvance->m_aRate[1].dSecurityRate = 100.0;
    option.m_pOptionAdvance->m_aRate[3].dSecurityRate = 100.0;

    COptionOtherManageClass& other = *option.m_pOptionOtherManage;
    other.m_nStartupYear = 5;
    other.m_nMinusSurplus = 1;
}

void BuildSampleProject(CProjectInMemory& project, const ProjectKind& kind)
{
    if (kind.nOwner == ProjectKind::kIndividual)
        BuildIndividual(project, kind.nFunding);
    else
        BuildCorporation(project, kind.nFunding);
}

std::string KindName(const ProjectKind& kind)
{
    const char* owner[] = {"Individual", "Corporation"};
    const char* funding[] = {"OwnFunds", "AutoLoan", "ShortLoan"};
    return std::string(owner[kind.nOwner]) + funding[kind.nFunding] + std::to_string(kind.nYears);
}

void PrintTo(const ProjectKind& kind, std::ostream* os)
{
    *os << KindName(kind);
}
