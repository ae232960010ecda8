// Rental conditions detail table (step 20) and its export section.
#include <array>

#include "app/common/classobject.h"
#include "data/datarentalbasic.h"
#include "data/datarentaltype.h"
#include "platform/resource.h"
#include "result/pages/rentalrows.h"
#include "result/pages/resultprint.h"
#include "result/pages/tavresult.h"
#include "result/tables/itemtext.h"

namespace {

const int kAttributes = 10;
const int kLines = CDataRentalTypeClass::kTermCount;
const UINT kTitleId = 18008;
const UINT kFirstHeadId = 840;
const UINT kFirstMethodId = 830;
const UINT kUnitIds[4] = {0, 10003, 10010, 10018};

// The rental line in slot i when it is in use in one of the eight categories;
// a line of any other category is left out like an unused one.
const CDataRentalTermClass* UsedLine(const CTavCalcClass& calc, int i)
{
    const CDataRentalTypeClass* pType = calc.m_pDataClass ? calc.m_pDataClass->m_pDataRentalType : nullptr;
    const CDataRentalTermClass* pLine = pType ? pType->GetTerm(i) : nullptr;
    if (!pLine || pLine->m_nCategory < 0 || pLine->m_nCategory >= CTavCalcClass::kRentalCategories) return nullptr;
    return pLine;
}

// An amount as entered; empty when it is 0.
CString AmountText(double dValue)
{
    return dValue != 0.0 ? PremisePlainNumber(dValue) : CString();
}

CString CountText(const CDataRentalTermClass& line)
{
    if (line.m_dCount == 0.0 && line.m_nInputMethod == 0) return CString();
    const int m = line.m_nInputMethod;
    return PremisePlainNumber(line.m_dCount) + (m >= 1 && m <= 3 ? LoadResultString(kUnitIds[m]) : CString());
}

std::array<CString, kAttributes> AttributeTexts(const CTavCalcClass& calc, const CDataRentalTermClass& line)
{
    const CDataRentalBasicClass* pBasic = calc.m_pDataClass->m_apDataRentalBasic[line.m_nCategory];
    return {line.m_strName,
            pBasic ? pBasic->m_strName : CString(),
            PremiseChoice(kFirstMethodId, line.m_nInputMethod, 4),
            AmountText(line.m_dRent),
            AmountText(line.m_dCommonFee),
            AmountText(line.m_dKeyMoney),
            AmountText(line.m_dDeposit),
            AmountText(line.m_dSecurity),
            AmountText(line.m_dRenewalFee),
            CountText(line)};
}

} // namespace

BOOL CTavCalcClass::MakeRentalType()
{
    CModuleStateScope scope("TavResultClass.DLL");
    if (!m_pResultClass) return FailCalc(CALC_UNEXPECTED_ERROR);
    CResultRentalTypeClass& page = m_pResultClass->m_objRentalType;
    if (!CreatePageRows<CResultRentalTypeItemClass>(*this, page, kAttributes)) return FALSE;
    for (int i = 0; i < kLines; ++i) {
        const CDataRentalTermClass* pLine = UsedLine(*this, i);
        if (!pLine) continue;
        const std::array<CString, kAttributes> texts = AttributeTexts(*this, *pLine);
        for (int r = 0; r < kAttributes; ++r) PageRow<CResultRentalTypeItemClass>(page, r)->SetText(i, texts[r]);
    }
    return TRUE;
}

void CTavCalcClass::TextRental()
{
    CModuleStateScope scope("TavResultClass.DLL");
    TextLine(*this, {LoadResultString(kTitleId)});
    for (int r = 0; r < kAttributes; ++r) StringSet(LoadResultString(kFirstHeadId + UINT(r)));
    TextWrite();
    for (int i = 0; i < kLines; ++i) {
        if (const CDataRentalTermClass* pLine = UsedLine(*this, i))
            for (const CString& text : AttributeTexts(*this, *pLine)) StringSet(text);
        TextWrite();
    }
}
