// Projects of the 16-bit era: reading the flat structure and moving it into
// the data and option records.
#include <memory>

#include "app/common/classobject.h"
#include "file/filedata.h"
#include "file/legacyblock.h"
#include "platform/cfile.h"
#include "platform/msgbox.h"
#include "platform/resource.h"

namespace {

const char kModule[] = "TavFileClass.DLL";
constexpr UINT kIdsNotTavrinFile = 10;

// The first step of a schedule that starts in year 1 and runs to the end.
tagDATARATE& OpenStep(CDataRateClass& schedule)
{
    tagDATARATE& r = schedule.m_aDataRate[0];
    r.nStartYear = 1;
    r.nEndYear = 0;
    return r;
}

} // namespace

bool CFileDataClass::HasAllRecords() const
{
    if (!m_pDataClassObject || !m_pOptionClassObject) return false;
    for (CDataClass* p : m_pDataClassObject->Records())
        if (!p) return false;
    for (COptionClass* p : m_pOptionClassObject->Records())
        if (!p) return false;
    return true;
}

BOOL CFileDataClass::ReadProject16()
{
    CModuleStateScope scope(kModule);
    if (!HasAllRecords() || m_strFileName.IsEmpty()) return FALSE;
    CFile file;
    // Read-only files open too.
    if (!file.Open(m_strFileName, CFile::modeRead | CFile::shareDenyWrite)) return FALSE;
    auto pProject = std::make_unique<tabPROJECT>();
    UINT nRead = 0;
    try {
        nRead = file.Read(pProject->ab, tabPROJECT::kSize);
        file.Close();
    } catch (CFileException* e) {
        e->Delete();
        file.Abort();
        return FALSE;
    }
    if (pProject->Word(0) != tabPROJECT::kFirstID || pProject->Word(2) != tabPROJECT::kSecondID) {
        AfxMessageBox(kIdsNotTavrinFile, MB_OK);
        return FALSE;
    }
    // A file of neither length was cut short.
    if (nRead != UINT(tabPROJECT::kShortSize) && nRead != UINT(tabPROJECT::kSize)) return FALSE;
    for (int nStep = 0; nStep <= 14; ++nStep)
        if (!ConvertTav16FileToClass(nStep, pProject.get())) return FALSE;
    return TRUE;
}

BOOL CFileDataClass::ConvertTav16FileToClass(int nStep, tabPROJECT* pProject)
{
    using F = CFileDataClass;
    using Step = BOOL (F::*)(tabPROJECT*);
    static const Step kSteps[] = {
        &F::Tav16Basic, &F::Tav16Outline, &F::Tav16Expense, &F::Tav16ExpenseOther, &F::Tav16Tax,
        &F::Tav16Supply, &F::Tav16Cost, &F::Tav16Type, &F::Tav16Rental, &F::Tav16ProOther,
        &F::Tav16Manage, &F::Tav16Business, &F::Tav16OtherManage, &F::Tav16String, &F::Tav16Add,
    };
    if (nStep < 0 || nStep >= int(std::size(kSteps))) return TRUE;
    if (!pProject || !HasAllRecords()) return FALSE;
    return (this->*kSteps[nStep])(pProject);
}

BOOL CFileDataClass::Tav16Basic(tabPROJECT* p)
{
    CDataBasicClass& b = *m_pDataClassObject->m_pDataBasic;
    const int nTaxMethod = p->Word(508);
    b.nTaxMethod = nTaxMethod <= 2 ? nTaxMethod : 4;
    b.nConsumptionTaxMethod = p->Word(510);
    b.nInputMethod = p->Word(512) == 0;
    b.dBusinessRatio = p->Double(518);
    // Lines 0, 1 and 2 are an income, a deduction and spending outside the business.
    for (int k = 0; k < 3; ++k) {
        CDataRestOtherMoneyClass& line = m_pDataClassObject->m_pDataRestOther->m_aRestOtherMoney[k];
        tagDATARATE& r = OpenStep(line);
        r.nInterval = p->Short(526 + 6 * k);
        r.dRate = p->Double(556 + 8 * k);
        r.bDecrease = 0;
        line.nFromYear = p->Short(528 + 6 * k);
        line.nToYear = p->Short(530 + 6 * k);
        line.dAmount = p->Int(544 + 4 * k);
        line.nKind = k;
    }
    return TRUE;
}

BOOL CFileDataClass::Tav16Outline(tabPROJECT* p)
{
    tagDATAOUTLINE& o = *m_pDataClassObject->m_pDataOutline;
    o.nConstructMonths = p->Short(580);
    // The unit indexes the area pairs: anything but tsubo is square metres.
    o.nAreaUnit = p->Word(582) != 0 ? 1 : 0;
    o.nLeasedLandInput = o.nBuyLandInput = o.nUseBuildInput = o.nHouseInput = 0;
    const int nSet = o.nAreaUnit ? 584 : 632;
    tagDATALAND& land = o.aLand[o.nAreaUnit];
    tagDATABUILDING& building = o.aBuilding[o.nAreaUnit];
    land.dTotalLand = p->Double(nSet);
    land.dLeasedLand = p->Double(nSet + 8);
    land.dBuyLand = p->Double(nSet + 16);
    building.dDemolishBuild = p->Double(nSet + 24);
    building.dPlanBuild = p->Double(nSet + 32);
    building.dUseBuild = p->Double(nSet + 40);
    return TRUE;
}

BOOL CFileDataClass::Tav16Expense(tabPROJECT* p)
{
    CDataExpenseClass& e = *m_pDataClassObject->m_pDataExpense;
    if (p->Word(680) != 0) {
        // Amounts per depreciation item.
        e.m_objConstructionCost.nInputMethod = 0;
        for (int k = 0; k < 5; ++k) {
            tagDATADEPRECIATION& d = e.m_aDepreciation[k];
            d.dAmount = p->Int(724 + 4 * k);
            d.nLife = p->Short(704 + 2 * k);
            d.nMethod = p->Short(694 + 2 * k) == 0;
            d.nExtra = p->Short(714 + 2 * k);
        }
        return TRUE;
    }
    // A total (or per-tsubo) cost shared between the building and its equipment.
    const bool bPerTsubo = p->Word(682) == 0;
    e.m_objConstructionCost.nInputMethod = bPerTsubo ? 3 : 2;
    e.m_objConstructionCost.dAmount = bPerTsubo ? p->Double(752) : double(p->Int(744));
    e.m_aDepreciation[0].nLife = p->Short(684);
    e.m_aDepreciation[1].nLife = p->Short(686);
    for (int k = 0; k < 2; ++k) {
        e.m_aDepreciation[k].nMethod = p->Word(688) == 0;
        e.m_aDepreciation[k].nExtra = p->Short(690);
    }
    e.m_objCompression.nCompression = p->Short(692);
    e.m_objCompression.dBookValue = p->Int(748);
    e.m_aDepreciation[0].dAmount = p->Double(760);
    e.m_aDepreciation[1].dAmount = 100.0 - p->Double(760);
    return TRUE;
}

BOOL CFileDataClass::Tav16ExpenseOther(tabPROJECT* p)
{
    CDataExpenseMoneyClass* aLine = m_pDataClassObject->m_pDataExpenseOther->m_aExpenseMoney;
    aLine[4].dAmount = p->Int(768);
    aLine[5].dAmount = p->Int(772);
    for (int nLine = 7; nLine < CDataExpenseOtherClass::kLineCount; ++nLine)
        aLine[nLine].dAmount = p->Int(776 + 4 * (nLine - 7));
    // Lines entered either way: a switch, then the amount of each way.
    const int anSwitched[] = {0, 1, 2, 3, 6};
    for (int i = 0; i < 5; ++i) {
        CDataExpenseMoneyClass& line = aLine[anSwitched[i]];
        const bool bTotal = p->Word(808 + 2 * i) != 0;
        line.nInputMethod = bTotal ? 0 : 1;
        line.dAmount = p->Double((bTotal ? 868 : 820) + 8 * i);
    }
    return TRUE;
}

BOOL CFileDataClass::Tav16Tax(tabPROJECT* p)
{
    CDataTaxClass& t = *m_pDataClassObject->m_pDataTax;
    CDataOutlineClass& o = *m_pDataClassObject->m_pDataOutline;
    t.m_objSpecialHouse.nHouseUnits = o.nHouseCount = p->Word(916);
    if (p->Word(918) == 1) {
        if (p->Word(920) == 0) t.m_objMunicipal.nBuildingType = 1;
        else if (p->Word(920) == 1) t.m_objMunicipal.nBuildingType = 2;
    }
    t.m_objBusinessPlace.nTaxation = p->Word(922) == 1;
    t.m_objSpecialHouse.dHouseRatio = o.dHouseRatio = p->Double(926);
    o.nHouseInput = 1;
    t.m_objBusinessPlace.dNonTaxRatio = p->Double(934);
    t.m_objTaxLand.dTotalValue = p->Double(942);
    t.m_objTaxLand.nInputMethod = 0;
    t.m_objTaxLand.dProjectValue = p->Double(994);

    CDataAppraisedClass& land = t.m_aAppraised[0];
    const bool bLandTotal = p->Word(966) != 0;
    land.dAmount = p->Double(bLandTotal ? 978 : 1002);
    land.nInputMethod = bLandTotal ? 0 : 1;
    CDataAppraisedClass& building = t.m_aAppraised[1];
    const bool bBuildingTotal = p->Word(968) != 0;
    building.dAmount = p->Double(bBuildingTotal ? 986 : 1010);
    building.nInputMethod = bBuildingTotal ? 0 : 2;

    CDataRateClass* const apSchedule[] = {&land, &building, &t.m_objTaxLand};
    for (int k = 0; k < 3; ++k) {
        tagDATARATE& r = OpenStep(*apSchedule[k]);
        r.nInterval = p->Short(972 + 2 * k);
        r.dRate = p->Double(1026 + 8 * k);
    }
    land.dAssetBaseRatio = land.dCityBaseRatio = 100.0;
    t.m_objTaxBusiness.dCapital = 110000.0;
    return TRUE;
}

BOOL CFileDataClass::Tav16Supply(tabPROJECT* p)
{
    CDataSupplyClass& s = *m_pDataClassObject->m_pDataSupply;
    s.m_nLandPurchaseLoan = p->Word(1052);
    s.m_objShortLoan.nUse = p->Word(1054) == 1 ? 0 : 1;
    s.m_objShortLoan.dRate = p->Double(1056);
    s.m_objShortLoan.nMortgageFee = 1;
    s.m_objFund.dOwnFund = double(p->Int(1064)) - double(p->Int(1068));
    s.m_objFund.dLandOwnFund = p->Int(1068);
    s.m_nAutoLoan = p->Word(1236) == 1 ? 0 : 1;
    // Loans 1 to 6, then the automatic loan, in one layout.
    for (int q = 0; q <= 6; ++q) {
        const bool bAuto = q == 6;
        CDataLoanClass& loan = s.m_aLoan[bAuto ? CDataSupplyClass::kAutoLoan : q];
        loan.dAmount = p->Int(1072 + 12 * q);
        loan.dSpecialAmount = p->Int(1076 + 12 * q);
        const int nFee = p->Word(1168 + 10 * q);
        loan.nMortgageFee = bAuto ? nFee != 0 : nFee == 0;
        loan.nRepayMethod = p->Word(1170 + 10 * q) != 0;
        loan.nSpecialSource = p->Word(1172 + 10 * q);
        loan.nSpecialFromYear = loan.nSpecialToYear = bAuto ? p->Short(1174 + 10 * q) : p->Word(1174 + 10 * q);
        const int nGrace = bAuto ? p->Short(1248 + 10 * q) : p->Word(1248 + 10 * q);
        loan.m_aRepay[0].nEndYear = 12 * nGrace;
        loan.m_aRepay[0].dRate = p->Double(1328 + 40 * q);
        int nEnd = nGrace;
        for (int i = 1; i <= 3; ++i) {
            loan.m_aRepay[i].nStartYear = nEnd + 1;
            nEnd += p->Short(1248 + 10 * q + 2 * i);
            loan.m_aRepay[i].nEndYear = nEnd;
            loan.m_aRepay[i].dRate = p->Double(1328 + 40 * q + 8 * i);
        }
    }
    return TRUE;
}

BOOL CFileDataClass::Tav16Cost(tabPROJECT* p)
{
    CDataCostItemClass* aItem = m_pDataClassObject->m_pDataCost->m_aCostItem;
    for (int k = 0; k < 4; ++k) {
        aItem[k].nToYear = 50;
        aItem[k].nFromYear = 1;
        OpenStep(aItem[k]);
    }
    // Management fee and land rent: a total or an amount per tsubo.
    for (int k = 0; k < 2; ++k) {
        CDataCostItemClass& item = aItem[k];
        const bool bTotal = p->Word(1738 + 2 * k) == 1;
        item.nInputMethod = bTotal ? 0 : 1;
        item.adAmount[item.nInputMethod] = p->Double((bTotal ? 1750 : 1774) + 8 * k);
        item.m_aDataRate[0].nInterval = p->Short(1744 + 2 * k);
        item.m_aDataRate[0].dRate = p->Double(1798 + 8 * k);
    }
    CDataCostItemClass& repairs = aItem[2];
    if (p->Word(1648) == 1) {
        repairs.nInputMethod = 0;
        repairs.adAmount[0] = p->Double(1658);
    } else {
        repairs.nInputMethod = 1;
        repairs.adAmount[1] = p->Double(1674);
        repairs.nFromYear = repairs.m_aDataRate[0].nStartYear = p->Short(1650);
    }
    repairs.m_aDataRate[0].nInterval = p->Short(1656);
    repairs.m_aDataRate[0].dRate = p->Double(1666);
    repairs.m_aDataRate[0].bDecrease = 0;
    CDataCostItemClass& insurance = aItem[3];
    insurance.nInputMethod = 1;
    insurance.adAmount[1] = p->Double(1698);
    insurance.m_aDataRate[0] = tagDATARATE{1, 0, 0, 0.0, 0};
    // Other expenses 1 to 6.
    for (int k = 0; k < 6; ++k) {
        CDataCostItemClass& item = aItem[4 + k];
        item.adAmount[0] = p->Int(1864 + 4 * k);
        item.nInputMethod = 0;
        item.nFromYear = p->Short(1824 + 6 * k);
        item.nToYear = p->Short(1826 + 6 * k);
        tagDATARATE& r = OpenStep(item);
        r.nInterval = p->Short(1822 + 6 * k);
        r.dRate = p->Double(1892 + 8 * k);
    }
    return TRUE;
}

BOOL CFileDataClass::Tav16Type(tabPROJECT* p)
{
    CDataRentalTypeClass& type = *m_pDataClassObject->m_pDataRentalType;
    if (!type.m_pTermArray) return TRUE;
    for (int i = 0; i < CDataRentalTypeClass::kTermCount; ++i) {
        CDataRentalTermClass* pTerm = type.GetTerm(i);
        if (!pTerm) {
            pTerm = new (std::nothrow) CDataRentalTermClass;
            if (!pTerm) continue;
            type.m_pTermArray->SetAtGrow(i, pTerm);
        }
        pTerm->m_strName = p->Text(1948 + 14 * i, 14);
        const int nCategory = p->Word(2228 + 10 * i);
        pTerm->m_nCategory = nCategory >= 1 && nCategory <= 4 ? nCategory - 1 : -1;
        const int nMethod = p->Word(2230 + 10 * i);
        const int nMoney = 2428 + 80 * i;
        pTerm->m_nInputMethod = nMethod >= 1 && nMethod <= 3 ? nMethod : 0;
        pTerm->m_dCount = nMethod == 1 || nMethod == 3 ? p->Word(2232 + 10 * i)
                          : nMethod == 2             ? p->Double(nMoney)
                                                     : 0.0;
        pTerm->m_dRent = p->Double(nMoney + 8);
        pTerm->m_dKeyMoney = p->Double(nMoney + 16);
        pTerm->m_dCommonFee = p->Double(nMoney + 24);
        pTerm->m_dDeposit = p->Double(nMoney + 32);
        pTerm->m_dSecurity = p->Double(nMoney + 40);
        pTerm->m_dRenewalFee = p->Double(nMoney + 48);
    }
    return TRUE;
}

BOOL CFileDataClass::Tav16Rental(tabPROJECT* p)
{
    for (int k = 0; k < 4; ++k) {
        CDataRentalBasicClass& r = *m_pDataClassObject->m_apDataRentalBasic[k];
        const int n = 4028 + 20 * k, d = 4128 + 80 * k;
        r.nContractYears = p->Short(n);
        r.dDepositAmortizeRatio = p->Double(d);
        r.dSecurityAmortizeRatio = p->Double(d + 64);

        OpenStep(r.m_aRate[CDataRentalBasicClass::kRateTurnover]).dRate = p->Double(d + 16);

        tagDATARATE& rent = OpenStep(r.m_aRate[CDataRentalBasicClass::kRateRent]);
        rent.nInterval = p->Short(n + 2);
        rent.bDecrease = p->Short(n + 14) == 1;
        rent.dRate = p->Double(d + 8);

        // Occupancy in three steps: to Y1 - 1, to Y2 - 1, then to the end.
        tagDATARATE* live = r.m_aRate[CDataRentalBasicClass::kRateLive].m_aDataRate;
        const int nY1 = p->Short(n + 4), nY2 = p->Short(n + 6);
        live[0].nStartYear = 1;
        live[0].nEndYear = nY1 - 1;
        live[1].nStartYear = nY1;
        live[1].nEndYear = nY2 - 1;
        live[2].nStartYear = nY2;
        live[2].nEndYear = 0;
        for (int s = 0; s < 3; ++s) {
            live[s].bDecrease = p->Short(n + 16) == 1;
            live[s].dRate = p->Double(d + 24 + 8 * s);
        }

        CDataLoanClass& loan = r.m_objSecurityLoan;
        loan.nRepayMethod = p->Short(n + 8);
        const int nGrace = p->Short(n + 10);
        loan.m_aRepay[0].nEndYear = 12 * nGrace;
        loan.m_aRepay[1].nStartYear = nGrace + 1;
        loan.m_aRepay[1].nEndYear = nGrace + p->Short(n + 12);
        loan.m_aRepay[0].dRate = p->Double(d + 48);
        loan.m_aRepay[1].dRate = p->Double(d + 56);
    }
    return TRUE;
}

BOOL CFileDataClass::Tav16ProOther(tabPROJECT* p)
{
    CDataProRestOtherClass& o = *m_pDataClassObject->m_pDataProRestOther;
    o.dMinimumCash = p->Int(4528);
    o.dSurplusRate = p->Double(4532);
    for (int k = 0; k < 2; ++k) {
        CDataOtherIncomeClass& income = o.m_aOtherIncome[k];
        tagDATARATE& r = OpenStep(income);
        r.nInterval = p->Short(4540 + 6 * k);
        r.dRate = p->Double(4582 + 8 * k);
        r.bDecrease = 0;
        income.nFromYear = p->Short(4542 + 6 * k);
        income.nToYear = p->Short(4544 + 6 * k);
        income.dAmount = p->Double(4558 + 8 * k);
    }
    return TRUE;
}

BOOL CFileDataClass::Tav16Manage(tabPROJECT* p)
{
    // Entry e's treatment is at 4606 + 2e and its timing at 4656 + 2e.
    enum Kind { kLine, kConstruction, kManage };
    static const struct {
        Kind kind;
        int nIndex;
    } kEntries[] = {
        {kLine, 0}, {kLine, 1}, {kConstruction, 0}, {kLine, 2}, {kManage, 18}, {kManage, 17},
        {kManage, 20}, {kManage, 19}, {kManage, 22}, {kManage, 23}, {kManage, 21}, {kManage, 15},
        {kManage, 16}, {kLine, 4}, {kLine, 5}, {kLine, 3}, {kLine, 6}, {kLine, 7}, {kLine, 8},
        {kLine, 9}, {kLine, 10}, {kLine, 11}, {kLine, 12}, {kLine, 13},
    };
    constexpr int kInterestLine = 15; // interest during construction: paid at completion
    for (int e = 0; e < int(std::size(kEntries)); ++e) {
        const int nTreatment = p->Word(4606 + 2 * e);
        const int nTiming = e == kInterestLine ? 2 : p->Word(4656 + 2 * e);
        switch (kEntries[e].kind) {
        case kManage: {
            tagEXPENSEMANAGE& m = m_pOptionClassObject->m_pOptionExpenseManage->m_aManage[kEntries[e].nIndex];
            m.nManage = nTreatment;
            m.nPayment = nTiming;
            break;
        }
        default: {
            tagDATAEXPENSEMONEY& m = kEntries[e].kind == kConstruction
                                         ? m_pDataClassObject->m_pDataExpense->m_objConstructionCost
                                         : m_pDataClassObject->m_pDataExpenseOther->m_aExpenseMoney[kEntries[e].nIndex];
            m.nAccounting = nTreatment;
            m.nPayment = nTiming;
        }
        }
    }
    return TRUE;
}

BOOL CFileDataClass::Tav16Business(tabPROJECT* p)
{
    int* anApply = m_pOptionClassObject->m_pOptionBusinessRate->m_anApply;
    for (int e = 0; e <= 16; ++e) anApply[e] = (p->Word(4706 + 2 * e) & 1) == 0;
    anApply[19] = (p->Word(4740) & 1) == 0;
    anApply[20] = (p->Word(4742) & 1) == 0;
    return TRUE;
}

BOOL CFileDataClass::Tav16OtherManage(tabPROJECT* p)
{
    COptionOtherManageClass& m = *m_pOptionClassObject->m_pOptionOtherManage;
    m.m_anProrate[0] = (p->Word(4746) & 1) == 0;
    m.m_anProrate[1] = (p->Word(4748) & 1) == 0;
    m.m_nStartupYear = p->Short(4754);
    m.m_nYieldFormula = p->Word(4760);
    for (int k = 0; k < 4; ++k) {
        CDataRentalBasicClass& r = *m_pDataClassObject->m_apDataRentalBasic[k];
        r.nDepositChange = (p->ab[4756] & 1) == 0;
        r.nSecurityChange = (p->Word(4758) & 1) == 0;
        tagADVANCERATE& a = m_pOptionClassObject->m_pOptionAdvance->m_aRate[k];
        a.dSecurityRate = p->Short(4770 + 2 * k);
        a.dDepositRate = p->Short(4762 + 2 * k);
    }
    return TRUE;
}
