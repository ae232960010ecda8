// The blocks of the project file that carry project data, and its name lists.
#include <climits>
#include <cstring>

#include "app/common/classobject.h"
#include "file/filedata.h"

namespace {

// Defaults the reader gives where a file holds none.
const char kMainBuildingName[] = "本体";
const char kEquipmentName[] = "附帯";
const char kAutoLoanName[] = "自動借入金";
const char kCoverHeading[] = "建設プロジェクト事業収支計算結果";

// The area element the outline's unit selects.
template <class T>
T& InUnit(T (&a)[2], int nUnit)
{
    return a[nUnit == 1 ? 1 : 0];
}

// An area entered as an area or as a percentage, by its input flag.
double& Part(int nInput, double& dRatio, double& dArea)
{
    return nInput == 1 ? dRatio : dArea;
}

// The year after nYear, kept within int.
int NextYear(int nYear)
{
    return nYear < INT_MAX ? nYear + 1 : nYear;
}

void ExchangeLoan(CBlockExchange& x, CDataLoanClass& loan)
{
    x.Double(4, loan.dAmount);
    x.Int(12, loan.nMortgageFee);
    x.Int(16, loan.nRepayMethod);
    x.Int(20, loan.nSpecialFromYear);
    x.Int(24, loan.nSpecialToYear);
    x.Double(28, loan.dSpecialAmount);
    x.Int(36, loan.nSpecialSource);
    x.Int(40, loan.m_nCapitalPayYear);
    x.Count(44, CDataLoanClass::kRepayCount);
}

} // namespace

BOOL CFileDataClass::Basic(bool bStoring)
{
    CDataClassObject& d = *m_pDataClassObject;
    if (!d.m_pDataBasic || !d.m_pDataExpense || !d.m_pDataSupply) return FALSE;
    tagDATABASIC& b = *d.m_pDataBasic;
    CString& strMain = d.m_pDataExpense->m_aDepreciation[0].m_strName;
    CString& strEquipment = d.m_pDataExpense->m_aDepreciation[1].m_strName;
    CString& strAutoLoan = d.m_pDataSupply->m_aLoan[CDataSupplyClass::kAutoLoan].m_strBankName;
    CBlockExchange x(m_fileBasic, sizeof m_fileBasic, bStoring);
    x.Text(4, 128, b.strProjectName);
    x.Text(132, 28, b.strLogoFile);
    x.Text(160, 30, strMain);
    x.Text(190, 30, strEquipment);
    x.Text(220, 40, strAutoLoan);
    x.Int(260, b.nTaxMethod);
    x.Int(264, b.nConsumptionTaxMethod);
    x.Double(268, b.dBusinessRatio);
    x.Int(276, b.nInputMethod);
    int* const apnFlags[] = {&b.nFundReportMode, &b.nLandRentConstructRatio, &b.bLandRentConstructRatioSet,
                             &b.bCoverTitleSet, &b.bNoTsuboPricePrint, &b.nLossCarryMethod, &b.bPrintCoverLogo,
                             &b.bLossCarryBack};
    int nOffset = 280;
    for (int* pn : apnFlags) x.Int((nOffset += 4) - 4, *pn);
    for (int& n : b.anSpare) x.Int((nOffset += 4) - 4, n);
    for (int i = 0; i < 5; ++i) {
        x.Text(400 + 128 * i, 128, b.astrSubTitle[i]);
        x.Text(1040 + 256 * i, 256, b.astrFileName[i]);
    }
    if (bStoring) return TRUE;
    if (strMain.IsEmpty()) strMain = kMainBuildingName;
    if (strEquipment.IsEmpty()) strEquipment = kEquipmentName;
    if (strAutoLoan.IsEmpty()) strAutoLoan = kAutoLoanName;
    if (!b.bLandRentConstructRatioSet) {
        b.nLandRentConstructRatio = 100;
        b.bLandRentConstructRatioSet = 1;
    }
    if (!b.bCoverTitleSet) {
        b.astrSubTitle[4] = kCoverHeading;
        b.bCoverTitleSet = 1;
    }
    return TRUE;
}

BOOL CFileDataClass::Outline(bool bStoring)
{
    CDataOutlineClass* p = m_pDataClassObject->m_pDataOutline;
    if (!p) return FALSE;
    tagDATAOUTLINE& o = *p;
    CBlockExchange x(m_fileOutline, sizeof m_fileOutline, bStoring);
    x.Int(4, o.nConstructMonths);
    x.Int(8, o.nAreaUnit);
    // The unit indexes the area pairs: a file with any other unit is damaged.
    if (o.nAreaUnit != 0 && o.nAreaUnit != 1 && !bStoring) return FALSE;
    const int u = o.nAreaUnit;
    x.Int(12, o.nLeasedLandInput);
    x.Int(16, o.nBuyLandInput);
    x.Double(20, InUnit(o.aLand, u).dTotalLand);
    x.Double(28, Part(o.nLeasedLandInput, o.dLeasedLandRatio, InUnit(o.aLand, u).dLeasedLand));
    x.Double(36, Part(o.nBuyLandInput, o.dBuyLandRatio, InUnit(o.aLand, u).dBuyLand));
    x.Int(44, o.nUseBuildInput);
    x.Double(48, InUnit(o.aBuilding, u).dDemolishBuild);
    x.Double(56, InUnit(o.aBuilding, u).dPlanBuild);
    x.Double(64, Part(o.nUseBuildInput, o.dUseBuildRatio, InUnit(o.aBuilding, u).dUseBuild));
    x.Int(72, o.nHouseInput);
    x.Int(76, o.nHouseCount);
    x.Double(80, Part(o.nHouseInput, o.dHouseRatio, InUnit(o.aHouse, u).dHouse));
    return TRUE;
}

BOOL CFileDataClass::Expense(bool bStoring)
{
    CDataExpenseClass* p = m_pDataClassObject->m_pDataExpense;
    if (!p) return FALSE;
    CBlockExchange x(m_fileExpense, sizeof m_fileExpense, bStoring);
    tagDATAEXPENSEMONEY& cost = p->m_objConstructionCost;
    x.Int(4, cost.nInputMethod);
    x.Double(8, cost.dAmount);
    x.Int(16, cost.nAccounting);
    x.Int(20, cost.nPayment);
    x.Int(24, p->m_objCompression.nCompression);
    x.Double(28, p->m_objCompression.dBookValue);
    x.Count(36, CDataExpenseClass::kDepreciationCount);
    x.Count(40, CDataExpenseClass::kCapitalPayCount);
    return TRUE;
}

BOOL CFileDataClass::Depreciation(bool bStoring)
{
    CDataExpenseClass* p = m_pDataClassObject->m_pDataExpense;
    if (!p) return FALSE;
    return Rows(m_pFileDepreciation, &CFileDataClass::CreateDepreciation, 44, CDataExpenseClass::kDepreciationCount,
                bStoring, [&](CBlockExchange& x, int i) {
                    tagDATADEPRECIATION& r = p->m_aDepreciation[i];
                    x.Double(4, r.dAmount);
                    x.Int(12, r.nLife);
                    x.Int(16, r.nMethod);
                    x.Int(20, r.nExtra);
                    x.Int(24, r.nRetireYear);
                });
}

BOOL CFileDataClass::Capitalpay(bool bStoring)
{
    CDataExpenseClass* p = m_pDataClassObject->m_pDataExpense;
    if (!p) return FALSE;
    return Rows(m_pFileCapitalpay, &CFileDataClass::CreateCapitalpay, 44, CDataExpenseClass::kCapitalPayCount,
                bStoring, [&](CBlockExchange& x, int i) {
                    tagDATACAPITALPAY& r = p->m_aCapitalPay[i];
                    x.Int(4, r.nYear);
                    x.Double(8, r.dAmount);
                    x.Int(16, r.nSource);
                    x.Int(20, r.nItem);
                });
}

BOOL CFileDataClass::ExpenseOther(bool bStoring)
{
    return ListBlock(m_fileExpenseOther, 48, CDataExpenseOtherClass::kLineCount, bStoring);
}

BOOL CFileDataClass::ExpenseOtherMoney(bool bStoring)
{
    CDataExpenseOtherClass* p = m_pDataClassObject->m_pDataExpenseOther;
    if (!p) return FALSE;
    return Rows(m_pFileExpenseOtherMoney, &CFileDataClass::CreateExpenseOtherMoney, 44,
                CDataExpenseOtherClass::kLineCount, bStoring, [&](CBlockExchange& x, int i) {
                    tagDATAEXPENSEMONEY& r = p->m_aExpenseMoney[i];
                    x.Int(4, r.nInputMethod);
                    x.Double(8, r.dAmount);
                    x.Int(16, r.nAccounting);
                    x.Int(20, r.nPayment);
                });
}

BOOL CFileDataClass::Tax(bool bStoring)
{
    CDataTaxClass* p = m_pDataClassObject->m_pDataTax;
    if (!p) return FALSE;
    CDataTaxClass& t = *p;
    CBlockExchange x(m_fileTax, sizeof m_fileTax, bStoring);
    x.Double(4, t.m_aAppraised[0].dAmount);
    x.Int(12, t.m_aAppraised[0].nInputMethod);
    x.Count(16, CDataRateClass::kStepCount);
    x.Double(20, t.m_aAppraised[1].dAmount);
    x.Int(28, t.m_aAppraised[1].nInputMethod);
    x.Count(32, CDataRateClass::kStepCount);
    x.Double(36, t.m_objSpecialHouse.dHouseRatio);
    x.Int(44, t.m_objSpecialHouse.nHouseUnits);
    x.Int(48, t.m_objRealtyGet.nNewHouseSpecial);
    x.Int(52, t.m_objRealtyGet.nLandHouseSpecial);
    x.Int(56, t.m_objRealtyGet.nBuildingHouseSpecial);
    x.Int(60, t.m_objMunicipal.nBuildingType);
    x.Int(64, t.m_objMunicipal.nLandHouseSpecial);
    x.Int(68, t.m_objMunicipal.nBuildingHouseSpecial);
    x.Int(72, t.m_objMunicipal.nLandTaxBase);
    x.Int(76, t.m_objCityPlan.nLandHouseSpecial);
    x.Int(80, t.m_objCityPlan.nLandTaxBase);
    x.Int(84, t.m_objBusinessPlace.nTaxation);
    x.Int(88, t.m_objBusinessPlace.nExemption);
    x.Double(92, t.m_objBusinessPlace.dNonTaxRatio);
    x.Int(100, t.m_objTaxBusiness.nOutsideIncome);
    x.Int(104, t.m_objTaxLand.nInputMethod);
    x.Double(108, t.m_objTaxLand.dProjectValue);
    x.Double(116, t.m_objTaxLand.dTotalValue);
    x.Count(124, CDataRateClass::kStepCount);
    x.Double(128, t.m_aAppraised[0].dAssetBaseRatio);
    x.Double(136, t.m_aAppraised[0].dCityBaseRatio);
    x.Int(144, t.m_objTaxBusiness.nDeferral);
    x.Double(148, t.m_objTaxBusiness.dCapital);
    x.Double(156, t.m_objTaxBusiness.dSalary);
    x.Count(164, CDataRateClass::kStepCount);
    x.Int(168, t.m_objRealtyGet.nLandDirect);
    x.Double(172, t.m_objRealtyGet.dLandTax);
    x.Int(180, t.m_objRealtyGet.nBuildingDirect);
    x.Double(184, t.m_objRealtyGet.dBuildingTax);
    CDataTaxConsumptionClass& c = t.m_objConsumption;
    x.Float(192, c.m_adBusinessRate[0]);
    x.Float(196, c.m_adBusinessRate[1]);
    x.Float(200, c.m_adConstructRate[0]);
    x.Float(204, c.m_adConstructRate[1]);
    x.Int(208, c.m_anBusinessToYear[0]);
    x.Int(212, c.m_anBusinessToYear[1]);
    x.Int(216, c.m_anConstructToYear[0]);
    x.Int(220, c.m_anConstructToYear[1]);
    x.Int(244, t.m_objTaxBusiness.nStandardTax);
    if (!bStoring) {
        // The first years are not stored: each stage starts after the one before.
        c.m_anBusinessFromYear[0] = 1;
        c.m_anConstructFromYear[0] = 1;
        c.m_anBusinessFromYear[1] = NextYear(c.m_anBusinessToYear[0]);
        c.m_anConstructFromYear[1] = NextYear(c.m_anConstructToYear[0]);
    }
    return TRUE;
}

BOOL CFileDataClass::AppraisedLand(bool bStoring)
{
    CDataTaxClass* p = m_pDataClassObject->m_pDataTax;
    return p && Steps(m_pFileAppraisedLand, &CFileDataClass::CreateAppraisedLand, bStoring, p->m_aAppraised[0]);
}

BOOL CFileDataClass::AppraisedBuild(bool bStoring)
{
    CDataTaxClass* p = m_pDataClassObject->m_pDataTax;
    return p && Steps(m_pFileAppraisedBuild, &CFileDataClass::CreateAppraisedBuild, bStoring, p->m_aAppraised[1]);
}

BOOL CFileDataClass::Business(bool bStoring)
{
    CDataTaxClass* p = m_pDataClassObject->m_pDataTax;
    return p && Steps(m_pFileBusiness, &CFileDataClass::CreateBusiness, bStoring, p->m_objTaxBusiness);
}

BOOL CFileDataClass::Land(bool bStoring)
{
    CDataTaxClass* p = m_pDataClassObject->m_pDataTax;
    return p && Steps(m_pFileLand, &CFileDataClass::CreateLand, bStoring, p->m_objTaxLand);
}

BOOL CFileDataClass::Supply(bool bStoring)
{
    CDataSupplyClass* p = m_pDataClassObject->m_pDataSupply;
    if (!p) return FALSE;
    CBlockExchange x(m_fileSupply, sizeof m_fileSupply, bStoring);
    x.Double(4, p->m_objFund.dOwnFund);
    x.Double(12, p->m_objFund.dLandOwnFund);
    x.Int(20, p->m_objShortLoan.nUse);
    x.Double(24, p->m_objShortLoan.dRate);
    x.Int(32, p->m_objShortLoan.nMortgageFee);
    x.Int(36, p->m_nAutoLoan);
    x.Int(40, p->m_nLandPurchaseLoan);
    x.Count(44, CDataSupplyClass::kLoanCount);
    x.Double(48, p->m_objFund.dSubsidy);
    return TRUE;
}

BOOL CFileDataClass::Loan(bool bStoring)
{
    CDataSupplyClass* p = m_pDataClassObject->m_pDataSupply;
    if (!p) return FALSE;
    return Rows(m_pFileLoan, &CFileDataClass::CreateLoan, 48, CDataSupplyClass::kLoanCount, bStoring,
                [&](CBlockExchange& x, int i) { ExchangeLoan(x, p->m_aLoan[i]); });
}

BOOL CFileDataClass::LoanInterest(bool bStoring)
{
    CDataSupplyClass* p = m_pDataClassObject->m_pDataSupply;
    if (!p) return FALSE;
    return LoanPeriods(m_pFileLoanInterest, &CFileDataClass::CreateLoanInterest, CDataSupplyClass::kLoanCount,
                       bStoring, [&](int i) { return &p->m_aLoan[i]; });
}

BOOL CFileDataClass::Cost(bool bStoring)
{
    return ListBlock(m_fileCost, 48, CDataCostClass::kItemCount, bStoring);
}

BOOL CFileDataClass::CostItem(bool bStoring)
{
    CDataCostClass* p = m_pDataClassObject->m_pDataCost;
    if (!p) return FALSE;
    return Rows(m_pFileCostItem, &CFileDataClass::CreateCost, 48, CDataCostClass::kItemCount, bStoring,
                [&](CBlockExchange& x, int i) {
                    tagDATACOSTITEM& r = p->m_aCostItem[i];
                    // The input method selects which amount is stored.
                    x.Int(12, r.nInputMethod);
                    x.Double(4, r.adAmount[r.nInputMethod >= 1 ? 1 : 0]);
                    x.Int(16, r.nFromYear);
                    x.Int(20, r.nToYear);
                    x.Count(24, CDataRateClass::kStepCount);
                    x.Int(28, r.nExtra1);
                    x.Int(32, r.nExtra2);
                    if (!x.IsStoring() && r.nExtra1 == 0) r.nExtra1 = 1;
                });
}

BOOL CFileDataClass::CostItemRate(bool bStoring)
{
    CDataCostClass* p = m_pDataClassObject->m_pDataCost;
    if (!p) return FALSE;
    return Schedules(m_pFileCostItemRate, &CFileDataClass::CreateCostRate, CDataCostClass::kItemCount, bStoring,
                     [&](int i) { return &p->m_aCostItem[i]; });
}

BOOL CFileDataClass::RentalBasic(bool bStoring)
{
    return ListBlock(m_fileRentalBasic, 8, CDataClassObject::kRentalCategories, bStoring);
}

CDataRentalBasicClass* CFileDataClass::RentalBasicRecord(int i) const
{
    return m_pDataClassObject->m_apDataRentalBasic[i];
}

bool CFileDataClass::HasRentalBasics() const
{
    for (CDataRentalBasicClass* p : m_pDataClassObject->m_apDataRentalBasic)
        if (!p) return false;
    return true;
}

BOOL CFileDataClass::RentalBasicItem(bool bStoring)
{
    if (!HasRentalBasics()) return FALSE;
    return Rows(m_pFileRentalBasicItem, &CFileDataClass::CreateRentalBasic, 68, CDataClassObject::kRentalCategories,
                bStoring, [&](CBlockExchange& x, int i) {
                    tagDATARENTALBASIC& r = *RentalBasicRecord(i);
                    x.Int(4, r.nContractYears);
                    x.Double(8, r.dDepositAmortizeRatio);
                    x.Int(16, r.nDepositChange);
                    x.Double(20, r.dSecurityAmortizeRatio);
                    x.Int(28, r.nSecurityChange);
                    x.Count(32, CDataRateClass::kStepCount);
                    x.Count(36, CDataRateClass::kStepCount);
                    x.Count(40, CDataRateClass::kStepCount);
                    x.Count(44, 1);
                    x.Int(48, r.bCommonFeeFixed);
                }, 8);
}

BOOL CFileDataClass::RentalSchedules(CFileArray& a, CreateFn pfnCreate, int nRate, bool bStoring)
{
    if (!HasRentalBasics()) return FALSE;
    return Schedules(a, pfnCreate, CDataClassObject::kRentalCategories, bStoring,
                     [&](int i) { return &RentalBasicRecord(i)->m_aRate[nRate]; });
}

BOOL CFileDataClass::RentalBasicItemChange(bool bStoring)
{
    return RentalSchedules(m_pFileRentalBasicChange, &CFileDataClass::CreateRentalBasicChange,
                           CDataRentalBasicClass::kRateTurnover, bStoring);
}

BOOL CFileDataClass::RentalBasicItemLive(bool bStoring)
{
    return RentalSchedules(m_pFileRentalBasicLive, &CFileDataClass::CreateRentalBasicLive,
                           CDataRentalBasicClass::kRateLive, bStoring);
}

BOOL CFileDataClass::RentalBasicItemRent(bool bStoring)
{
    return RentalSchedules(m_pFileRentalBasicRent, &CFileDataClass::CreateRentalBasicRent,
                           CDataRentalBasicClass::kRateRent, bStoring);
}

BOOL CFileDataClass::RentalBasicItemSecurity(bool bStoring)
{
    if (!HasRentalBasics()) return FALSE;
    return Children(m_pFileRentalBasicSecurity, &CFileDataClass::CreateRentalBasicSecurity, 48,
                    CDataClassObject::kRentalCategories, 1, bStoring,
                    [&](CBlockExchange& x, int i, int) { ExchangeLoan(x, RentalBasicRecord(i)->m_objSecurityLoan); });
}

BOOL CFileDataClass::RentalBasicItemSecurityInterest(bool bStoring)
{
    if (!HasRentalBasics()) return FALSE;
    // Parent k is security-money loan k of the whole list; only the first
    // loan of each rental basic record has a place in the records.
    const int nPerRecord = m_pFileRentalBasicSecurity.nPerParent;
    return LoanPeriods(m_pFileRentalBasicSecurityInterest, &CFileDataClass::CreateRentalBasicSecurityInterest,
                       CDataClassObject::kRentalCategories * std::max(nPerRecord, 1), bStoring,
                       [&](int k) -> CDataLoanClass* {
                           if (nPerRecord < 1 || k % nPerRecord != 0) return nullptr;
                           return &RentalBasicRecord(k / nPerRecord)->m_objSecurityLoan;
                       });
}

BOOL CFileDataClass::RentalType(bool bStoring)
{
    return ListBlock(m_fileRentalType, 48, CDataRentalTypeClass::kTermCount, bStoring);
}

BOOL CFileDataClass::RentalTypeItem(bool bStoring)
{
    CDataRentalTypeClass* p = m_pDataClassObject->m_pDataRentalType;
    if (!p) return FALSE;
    return Rows(m_pFileRentalTypeItem, &CFileDataClass::CreateRentalType, 120, CDataRentalTypeClass::kTermCount,
                bStoring, [&](CBlockExchange& x, int i) {
                    CDataRentalTermClass* pTerm = p->GetTerm(i);
                    if (!pTerm) {
                        // A line without object is written as zeros and not read.
                        if (x.IsStoring()) std::memset(x.Block(), 0, 120);
                        return;
                    }
                    x.Int(4, pTerm->m_nCategory);
                    x.Text(8, 32, pTerm->m_strName);
                    x.Int(40, pTerm->m_nInputMethod);
                    x.Double(44, pTerm->m_dCount);
                    x.Double(52, pTerm->m_dRent);
                    x.Double(60, pTerm->m_dCommonFee);
                    x.Double(68, pTerm->m_dKeyMoney);
                    x.Double(76, pTerm->m_dDeposit);
                    x.Double(84, pTerm->m_dSecurity);
                    x.Double(92, pTerm->m_dRenewalFee);
                });
}

BOOL CFileDataClass::ProRestOther(bool bStoring)
{
    CDataProRestOtherClass* p = m_pDataClassObject->m_pDataProRestOther;
    if (!p) return FALSE;
    CBlockExchange x(m_fileProRestOther, sizeof m_fileProRestOther, bStoring);
    x.Double(4, p->dSurplusRate);
    x.Double(12, p->dMinimumCash);
    x.Count(20, CDataProRestOtherClass::kIncomeCount);
    return TRUE;
}

BOOL CFileDataClass::ProRestOtherItem(bool bStoring)
{
    CDataProRestOtherClass* p = m_pDataClassObject->m_pDataProRestOther;
    if (!p) return FALSE;
    return Rows(m_pFileProRestOtherItem, &CFileDataClass::CreateProRestOther, 44,
                CDataProRestOtherClass::kIncomeCount, bStoring, [&](CBlockExchange& x, int i) {
                    tagDATAOTHERINCOME& r = p->m_aOtherIncome[i];
                    x.Double(4, r.dAmount);
                    x.Int(12, r.nFromYear);
                    x.Int(16, r.nToYear);
                    x.Count(20, CDataRateClass::kStepCount);
                });
}

BOOL CFileDataClass::ProRestOtherItemRate(bool bStoring)
{
    CDataProRestOtherClass* p = m_pDataClassObject->m_pDataProRestOther;
    if (!p) return FALSE;
    return Schedules(m_pFileProRestOtherItemRate, &CFileDataClass::CreateProRestOtherRate,
                     CDataProRestOtherClass::kIncomeCount, bStoring, [&](int i) { return &p->m_aOtherIncome[i]; });
}

BOOL CFileDataClass::RestOther(bool bStoring)
{
    return ListBlock(m_fileRestOther, 48, CDataRestOtherClass::kMoneyCount, bStoring);
}

BOOL CFileDataClass::RestOtherItem(bool bStoring)
{
    CDataRestOtherClass* p = m_pDataClassObject->m_pDataRestOther;
    if (!p) return FALSE;
    return Rows(m_pFileRestOtherItem, &CFileDataClass::CreateRestOther, 48, CDataRestOtherClass::kMoneyCount,
                bStoring, [&](CBlockExchange& x, int i) {
                    tagDATARESTOTHERMONEY& r = p->m_aRestOtherMoney[i];
                    x.Double(4, r.dAmount);
                    x.Int(12, r.nKind);
                    x.Int(16, r.nFromYear);
                    x.Int(20, r.nToYear);
                    x.Count(24, CDataRateClass::kStepCount);
                });
}

BOOL CFileDataClass::RestOtherItemRate(bool bStoring)
{
    CDataRestOtherClass* p = m_pDataClassObject->m_pDataRestOther;
    if (!p) return FALSE;
    return Schedules(m_pFileRestOtherItemRate, &CFileDataClass::CreateRestOtherRate, CDataRestOtherClass::kMoneyCount,
                     bStoring, [&](int i) { return &p->m_aRestOtherMoney[i]; });
}

// ---- Name lists ---------------------------------------------------------------

BOOL CFileDataClass::NameDepreciation(bool bStoring)
{
    return NameList(m_fileNameDepreciation, CDataExpenseClass::kDepreciationCount - 2, bStoring);
}

BOOL CFileDataClass::NameDepreciationItem(bool bStoring)
{
    CDataExpenseClass* p = m_pDataClassObject->m_pDataExpense;
    COptionBusinessRateClass* pRate = m_pOptionClassObject->m_pOptionBusinessRate;
    COptionOtherManageClass* pManage = m_pOptionClassObject->m_pOptionOtherManage;
    if (!p || !pRate || !pManage) return FALSE;
    return Names(m_pFileNameDepreciationItem, &CFileDataClass::CreateNameDepreciation,
                 CDataExpenseClass::kDepreciationCount - 2, bStoring,
                 [&](int i) { return &p->m_aDepreciation[2 + i].m_strName; },
                 [&](int i, const CString& str) {
                     pRate->m_astrAmortizeName[i] = str;
                     pManage->m_astrAmortizeName[i] = str;
                 });
}

BOOL CFileDataClass::NameExpenseOther(bool bStoring)
{
    return NameList(m_fileNameExpenseOther, kNamedCostLines, bStoring);
}

BOOL CFileDataClass::NameExpenseOtherItem(bool bStoring)
{
    CDataExpenseOtherClass* p = m_pDataClassObject->m_pDataExpenseOther;
    COptionConsumptionExpenseClass* pOption = m_pOptionClassObject->m_pOptionConsumptionExpense;
    if (!p || !pOption) return FALSE;
    const int nFirst = CDataExpenseOtherClass::kLineCount - kNamedCostLines;
    return Names(m_pFileNameExpenseOtherItem, &CFileDataClass::CreateNameExpenseOther, kNamedCostLines, bStoring,
                 [&](int i) { return &p->m_aExpenseMoney[nFirst + i].m_strName; },
                 [&](int i, const CString& str) { pOption->m_astrCostName[i] = str; }) &&
           Rows(m_pFileNameExpenseOtherText, &CFileDataClass::NoArray, 68, kNamedCostLines, bStoring,
                [&](CBlockExchange& x, int i) { x.Text(4, 64, p->m_aExpenseMoney[nFirst + i].m_strComment); });
}

BOOL CFileDataClass::NameLoan(bool bStoring)
{
    return NameList(m_fileNameLoan, CDataSupplyClass::kLoanCount, bStoring);
}

BOOL CFileDataClass::NameLoanItem(bool bStoring)
{
    CDataSupplyClass* p = m_pDataClassObject->m_pDataSupply;
    if (!p) return FALSE;
    // The automatic loan's name is in the basic block too; an empty entry
    // keeps the name (or default) read there.
    CString strAuto = p->m_aLoan[CDataSupplyClass::kAutoLoan].m_strBankName;
    const BOOL bOK = Names(m_pFileNameLoanItem, &CFileDataClass::CreateNameLoan, CDataSupplyClass::kLoanCount,
                           bStoring, [&](int i) { return &p->m_aLoan[i].m_strBankName; });
    CString& strName = p->m_aLoan[CDataSupplyClass::kAutoLoan].m_strBankName;
    if (!bStoring && strName.IsEmpty()) strName = strAuto;
    return bOK;
}

BOOL CFileDataClass::NameCost(bool bStoring)
{
    return NameList(m_fileNameCost, CDataCostClass::kItemCount, bStoring);
}

BOOL CFileDataClass::NameCostItem(bool bStoring)
{
    CDataCostClass* p = m_pDataClassObject->m_pDataCost;
    COptionBusinessRateClass* pRate = m_pOptionClassObject->m_pOptionBusinessRate;
    COptionConsumptionCostClass* pCost = m_pOptionClassObject->m_pOptionConsumptionCost;
    if (!p || !pRate || !pCost) return FALSE;
    return Names(m_pFileNameCostItem, &CFileDataClass::CreateNameCost, CDataCostClass::kItemCount, bStoring,
                 [&](int i) { return &p->m_aCostItem[i].m_strOtherName; },
                 [&](int i, const CString& str) {
                     pRate->m_astrExpenseName[i] = str;
                     pCost->m_astrItemName[i + 1] = str;
                 });
}

BOOL CFileDataClass::NameRental(bool bStoring)
{
    return NameList(m_fileNameRental, CDataClassObject::kRentalCategories, bStoring);
}

BOOL CFileDataClass::NameRentalItem(bool bStoring)
{
    CDataRentalTypeClass* pType = m_pDataClassObject->m_pDataRentalType;
    COptionAdvanceClass* pAdvance = m_pOptionClassObject->m_pOptionAdvance;
    COptionConsumptionIncomeClass* pIncome = m_pOptionClassObject->m_pOptionConsumptionIncome;
    if (!HasRentalBasics() || !pType || !pAdvance || !pIncome) return FALSE;
    return Names(m_pFileNameRentalItem, &CFileDataClass::CreateNameRental, CDataClassObject::kRentalCategories,
                 bStoring, [&](int i) { return &RentalBasicRecord(i)->m_strName; },
                 [&](int i, const CString& str) {
                     pType->m_astrName[i] = str;
                     pAdvance->m_astrTypeName[i] = str;
                     pIncome->m_astrTypeName[i] = str;
                 });
}

BOOL CFileDataClass::NameOtherIncome(bool bStoring)
{
    return NameList(m_fileNameOtherIncome, CDataProRestOtherClass::kIncomeCount, bStoring);
}

BOOL CFileDataClass::NameOtherIncomeItem(bool bStoring)
{
    CDataProRestOtherClass* p = m_pDataClassObject->m_pDataProRestOther;
    COptionConsumptionIncomeClass* pIncome = m_pOptionClassObject->m_pOptionConsumptionIncome;
    if (!p || !pIncome) return FALSE;
    return Names(m_pFileNameOtherIncomeItem, &CFileDataClass::CreateNameOtherIncome,
                 CDataProRestOtherClass::kIncomeCount, bStoring,
                 [&](int i) { return &p->m_aOtherIncome[i].m_strName; },
                 [&](int i, const CString& str) { pIncome->m_astrIncomeName[i] = str; });
}

BOOL CFileDataClass::NameRestOther(bool bStoring)
{
    return NameList(m_fileNameRestOther, CDataRestOtherClass::kMoneyCount, bStoring);
}

BOOL CFileDataClass::NameRestOtherItem(bool bStoring)
{
    CDataRestOtherClass* p = m_pDataClassObject->m_pDataRestOther;
    if (!p) return FALSE;
    return Names(m_pFileNameRestOtherItem, &CFileDataClass::CreateNameRestOther, CDataRestOtherClass::kMoneyCount,
                 bStoring, [&](int i) { return &p->m_aRestOtherMoney[i].m_strName; }) &&
           Rows(m_pFileNameRestOtherText, &CFileDataClass::NoArray, 68, CDataRestOtherClass::kCommentCount, bStoring,
                [&](CBlockExchange& x, int i) { x.Text(4, 64, p->m_astrComment[i]); });
}
