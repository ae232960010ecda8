// Item names of a project: the defaults, the names of a 16-bit project and
// the extension of its long form.
#include "app/common/classobject.h"
#include "file/filedata.h"
#include "file/legacyblock.h"
#include "platform/resource.h"
#include "sheet/numberformat.h"

namespace {

CString LoadFileString(UINT nID)
{
    return LoadModuleString("TavFileClass.DLL", nID);
}

// String nID followed by n in full-width digits.
CString NumberedName(UINT nID, int n)
{
    return LoadFileString(nID) + FormatFullWidthNumber(n);
}

constexpr int kNameWidth = 18;
constexpr int kCommentWidth = 42;

} // namespace

// The names go to the option records where their sheets show them: other
// expenses at their expense item (the consumption sheet counts one more),
// rental categories (not loans) in the income option.
void CFileDataClass::InitString()
{
    if (!HasAllRecords()) return;
    CDataClassObject& d = *m_pDataClassObject;
    COptionClassObject& o = *m_pOptionClassObject;
    for (int n = 1; n <= 4; ++n) {
        const CString str = NumberedName(51, n);
        d.m_pDataExpense->m_aDepreciation[1 + n].m_strName = str;
        o.m_pOptionBusinessRate->m_astrAmortizeName[n - 1] = str;
        o.m_pOptionOtherManage->m_astrAmortizeName[n - 1] = str;
    }
    for (int n = 1; n <= 8; ++n) {
        const CString str = NumberedName(52, n);
        d.m_pDataExpenseOther->m_aExpenseMoney[5 + n].m_strName = str;
        o.m_pOptionConsumptionExpense->m_astrCostName[n - 1] = str;
        d.m_pDataSupply->m_aLoan[n - 1].m_strBankName = NumberedName(53, n);
        d.m_pDataRestOther->m_aRestOtherMoney[n - 1].m_strName = NumberedName(64, n);
    }
    for (int n = 1; n <= 6; ++n) {
        const CString str = NumberedName(54, n);
        d.m_pDataCost->m_aCostItem[3 + n].m_strOtherName = str;
        o.m_pOptionBusinessRate->m_astrExpenseName[3 + n] = str;
        o.m_pOptionConsumptionCost->m_astrItemName[4 + n] = str;
        const CString strIncome = NumberedName(63, n);
        d.m_pDataProRestOther->m_aOtherIncome[n - 1].m_strName = strIncome;
        o.m_pOptionConsumptionIncome->m_astrIncomeName[n - 1] = strIncome;
    }
    for (int k = 0; k < CDataClassObject::kRentalCategories; ++k) {
        const CString str = LoadFileString(55 + k);
        d.m_apDataRentalBasic[k]->m_strName = str;
        d.m_pDataRentalType->m_astrName[k] = str;
        o.m_pOptionAdvance->m_astrTypeName[k] = str;
        o.m_pOptionConsumptionIncome->m_astrTypeName[k] = str;
    }
}

BOOL CFileDataClass::Tav16String(tabPROJECT* p)
{
    InitString();
    CDataClassObject& d = *m_pDataClassObject;
    COptionClassObject& o = *m_pOptionClassObject;
    d.m_pDataBasic->strProjectName = p->Text(4818, 52);
    auto name = [p](int nOffset) { return p->Text(nOffset, kNameWidth); };
    for (int k = 0; k < 4; ++k) {
        const CString str = name(4 + kNameWidth * k);
        d.m_apDataRentalBasic[k]->m_strName = str;
        d.m_pDataRentalType->m_astrName[k] = str;
        o.m_pOptionAdvance->m_astrTypeName[k] = str;
        o.m_pOptionConsumptionIncome->m_astrTypeName[k] = str;
    }
    for (int j = 0; j < 2; ++j) {
        const CString str = name(76 + kNameWidth * j);
        d.m_pDataExpense->m_aDepreciation[2 + j].m_strName = str;
        o.m_pOptionBusinessRate->m_astrAmortizeName[j] = str;
        o.m_pOptionOtherManage->m_astrAmortizeName[j] = str;
    }
    for (int j = 0; j < 6; ++j) d.m_pDataSupply->m_aLoan[j].m_strBankName = name(112 + kNameWidth * j);
    for (int j = 0; j < 8; ++j) {
        const CString str = name(220 + kNameWidth * j);
        d.m_pDataExpenseOther->m_aExpenseMoney[6 + j].m_strName = str;
        o.m_pOptionConsumptionExpense->m_astrCostName[j] = str;
    }
    for (int j = 0; j < 6; ++j) {
        const CString str = name(364 + kNameWidth * j);
        d.m_pDataCost->m_aCostItem[4 + j].m_strOtherName = str;
        o.m_pOptionBusinessRate->m_astrExpenseName[4 + j] = str;
        o.m_pOptionConsumptionCost->m_astrItemName[5 + j] = str;
    }
    for (int j = 0; j < 2; ++j) {
        const CString str = name(472 + kNameWidth * j);
        d.m_pDataProRestOther->m_aOtherIncome[j].m_strName = str;
        o.m_pOptionConsumptionIncome->m_astrIncomeName[j] = str;
    }
    return TRUE;
}

BOOL CFileDataClass::Tav16Add(tabPROJECT* p)
{
    CDataClassObject& d = *m_pDataClassObject;
    CDataExpenseMoneyClass* aLine = d.m_pDataExpenseOther->m_aExpenseMoney;
    // Ten comments: other cost 1, the two comments of the outside-project
    // record, other costs 2 to 8.
    CString* const apComment[] = {
        &aLine[6].m_strComment, &d.m_pDataRestOther->m_astrComment[0], &d.m_pDataRestOther->m_astrComment[1],
        &aLine[7].m_strComment, &aLine[8].m_strComment, &aLine[9].m_strComment, &aLine[10].m_strComment,
        &aLine[11].m_strComment, &aLine[12].m_strComment, &aLine[13].m_strComment,
    };
    for (int i = 0; i < 10; ++i) *apComment[i] = p->Text(5038 + kCommentWidth * i, kCommentWidth);
    if (p->Int(5710) > 0) d.m_pDataSupply->m_objFund.dSubsidy = p->Int(5710);
    m_pOptionClassObject->m_pOptionOtherManage->m_nOwnFundTime = p->Short(5714);

    // Each of the first two other incomes may change its amount up to three
    // times; each later period becomes an other income of its own at the
    // next free position. Periods beyond the sixth income are dropped.
    CDataOtherIncomeClass* aIncome = d.m_pDataProRestOther->m_aOtherIncome;
    CString* astrIncomeName = m_pOptionClassObject->m_pOptionConsumptionIncome->m_astrIncomeName;
    int nFree = 2;
    for (int k = 0; k < 2; ++k) {
        int anYear[6];
        double adAmount[6];
        for (int j = 0; j < 6; ++j) {
            anYear[j] = p->Short(5722 + 12 * k + 2 * j);
            adAmount[j] = p->Double(5758 + 48 * k + 8 * j);
        }
        if (p->Word(5716 + 2 * k) == 0 || anYear[0] == 0 || adAmount[0] == 0.0) continue;
        aIncome[k].dAmount = adAmount[0];
        aIncome[k].nFromYear = anYear[0];
        aIncome[k].nToYear = anYear[1];
        for (int j = 1; j <= 3 && anYear[j] != 0 && adAmount[j] != 0.0; ++j, ++nFree) {
            if (nFree >= CDataProRestOtherClass::kIncomeCount) continue;
            CDataOtherIncomeClass& extra = aIncome[nFree];
            extra.m_strName = aIncome[k].m_strName + FormatNumberText(-1, j + 1, TRUE);
            astrIncomeName[nFree] = extra.m_strName;
            extra.dAmount = adAmount[j];
            extra.nFromYear = anYear[j];
            extra.nToYear = j == 3 ? 50 : anYear[j + 1];
        }
    }
    return TRUE;
}
