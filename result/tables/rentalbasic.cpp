// Rental basic items table (step 21) and its export section.
#include <vector>

#include "app/common/classobject.h"
#include "data/datarentalbasic.h"
#include "option/optionbusiness.h"
#include "platform/resource.h"
#include "result/pages/rentalrows.h"
#include "result/pages/resultprint.h"
#include "result/pages/tavresult.h"
#include "result/tables/itemtext.h"

namespace {

const int kRows = 10;
const int kCategories = CTavCalcClass::kRentalCategories;
const int kSteps = CDataRateClass::kStepCount;
const int kLumpSum = 2;
const UINT kTitleId = 18009;
const UINT kPercentId = 10002;
const UINT kFirstMethodId = 870;
// The export's heading: the rent change over three cells, the levels over two
// and the repayment over two (0: an empty cell).
const UINT kHeadIds[] = {880, 881, 882, 0, 0, 883, 0, 884, 0, 885, 886, 887, 0};

// The three schedules in the order of the table: rent change, occupancy, turnover.
enum ScheduleKind { kRent, kOccupancy, kTurnover };

const CDataRateClass& Schedule(const CDataRentalBasicClass& basic, ScheduleKind kind)
{
    switch (kind) {
    case kRent: return basic.m_aRate[CDataRentalBasicClass::kRateRent];
    case kOccupancy: return basic.m_aRate[CDataRentalBasicClass::kRateLive];
    default: return basic.m_aRate[CDataRentalBasicClass::kRateTurnover];
    }
}

// An occupancy or turnover level entered "from year N on" is stored with its
// last year 0: it is shown as an open step, not left out.
BOOL IsEmptyStep(const tagDATARATE& step, ScheduleKind kind)
{
    if (kind == kRent) return (step.nStartYear == 0 && step.nEndYear == 0) || step.nInterval == 0;
    return step.nStartYear == 0;
}

// The texts of a shown step: three for the rent change, two for a level.
std::vector<CString> StepTexts(const tagDATARATE& step, ScheduleKind kind)
{
    CString start, interval;
    start.Format("%3d年目～", step.nStartYear);
    const CString rate = PremiseRateNumber(step.dRate) + LoadResultString(kPercentId);
    if (kind != kRent) return {start, rate};
    interval.Format("%3d年毎", step.nInterval);
    return {start + interval, rate, DirectionLabel(step.bDecrease)};
}

// The texts of each step, none for a step not shown. A step shown after an
// open one is not shown; in the export an empty step ends the schedule too.
std::vector<std::vector<CString>> ScheduleSteps(const CDataRentalBasicClass& basic, ScheduleKind kind,
                                                BOOL bEmptyEnds)
{
    std::vector<std::vector<CString>> steps(kSteps);
    for (int k = 0; k < kSteps; ++k) {
        const tagDATARATE& step = Schedule(basic, kind).m_aDataRate[k];
        const BOOL bEmpty = IsEmptyStep(step, kind);
        if (!bEmpty) steps[k] = StepTexts(step, kind);
        if ((bEmpty && bEmptyEnds) || (!bEmpty && IsOpenStep(step))) break;
    }
    return steps;
}

// The schedule as a cell: three lines per step.
CString ScheduleCell(const CDataRentalBasicClass& basic, ScheduleKind kind)
{
    CString cell;
    for (const std::vector<CString>& texts : ScheduleSteps(basic, kind, FALSE)) {
        if (texts.empty()) cell += "\n\n\n";
        else for (int i = 0; i < 3; ++i) cell += (i < int(texts.size()) ? texts[size_t(i)] : CString()) + "\n";
    }
    return cell;
}

tagADVANCERATE AdvanceRate(const CTavCalcClass& calc, int nCategory)
{
    const COptionAdvanceClass* pAdvance = calc.m_pOptionClass ? calc.m_pOptionClass->m_pOptionAdvance : nullptr;
    return pAdvance ? pAdvance->m_aRate[nCategory] : tagADVANCERATE{0.0, 0.0};
}

CString AmortizeText(double dRatio)
{
    return "償却率＝" + PremisePlainNumber(dRatio) + LoadResultString(kPercentId);
}

CString AdvanceText(double dRate)
{
    return "前受率＝" + PremisePlainNumber(dRate) + LoadResultString(kPercentId);
}

CString ContractText(const CDataRentalBasicClass& basic)
{
    CString text;
    text.Format("%3d年", basic.nContractYears);
    return text;
}

// The guarantee-money repayment: grace months, rates and years of repayment.
struct CRepayTexts {
    CString strMethod, strGrace, strGraceRate, strYears, strRate;
};

CRepayTexts RepayTexts(const CDataLoanClass& loan, const char* pszRate)
{
    const tagDATAREPAY& grace = loan.m_aRepay[0];
    const tagDATAREPAY& repay = loan.m_aRepay[1];
    CRepayTexts t;
    t.strMethod = PremiseChoice(kFirstMethodId, loan.nRepayMethod, 3);
    t.strGrace.Format("据置期間 %3dヶ月", grace.nEndYear);
    t.strGraceRate = pszRate + PremiseRateNumber(grace.dRate) + LoadResultString(kPercentId);
    t.strYears.Format("返済期間 %3d年  ", repay.nEndYear == 0 ? 0 : repay.nEndYear - repay.nStartYear + 1);
    t.strRate = pszRate + PremiseRateNumber(repay.dRate) + LoadResultString(kPercentId);
    return t;
}

CString RepayCell(const CDataLoanClass& loan)
{
    const CRepayTexts t = RepayTexts(loan, "金利 ");
    if (loan.nRepayMethod == kLumpSum) return t.strMethod + "\n\n\n\n\n";
    return t.strMethod + "\n" + t.strGrace + "\n" + t.strGraceRate + "\n" + t.strYears + "\n" + t.strRate + "\n";
}

// The record of a category shown in the table; null when it has no contract period.
const CDataRentalBasicClass* ShownCategory(const CTavCalcClass& calc, int nCategory)
{
    const CDataRentalBasicClass* pBasic = calc.m_pDataClass ? calc.m_pDataClass->m_apDataRentalBasic[nCategory] : nullptr;
    return pBasic && pBasic->nContractYears != 0 ? pBasic : nullptr;
}

std::vector<CString> ColumnTexts(const CTavCalcClass& calc, int c, const CDataRentalBasicClass& basic)
{
    const tagADVANCERATE advance = AdvanceRate(calc, c);
    return {basic.m_strName,
            ContractText(basic),
            ScheduleCell(basic, kRent),
            ScheduleCell(basic, kOccupancy),
            ScheduleCell(basic, kTurnover),
            AmortizeText(basic.dDepositAmortizeRatio) + "\n" + AdvanceText(advance.dDepositRate),
            AmortizeText(basic.dSecurityAmortizeRatio) + "\n" + AdvanceText(advance.dSecurityRate),
            RepayCell(basic.m_objSecurityLoan)};
}

// ---- Export section

// Step k of the three schedules: three cells of the rent change, two of each level.
void SetStepCells(CTavCalcClass& calc, const std::vector<std::vector<CString>> (&schedules)[3], int k)
{
    for (int s = 0; s < 3; ++s) {
        const std::vector<CString>& texts = schedules[s][size_t(k)];
        for (int i = 0; i < (s == kRent ? 3 : 2); ++i) calc.StringSet(i < int(texts.size()) ? texts[size_t(i)] : "");
    }
}

void WriteCategory(CTavCalcClass& calc, int c)
{
    const CDataRentalBasicClass* pBasic = ShownCategory(calc, c);
    if (!pBasic) return WriteEmptyLines(calc, 4);
    const std::vector<std::vector<CString>> schedules[3] = {ScheduleSteps(*pBasic, kRent, TRUE),
                                                            ScheduleSteps(*pBasic, kOccupancy, TRUE),
                                                            ScheduleSteps(*pBasic, kTurnover, TRUE)};
    const tagADVANCERATE advance = AdvanceRate(calc, c);
    const CDataLoanClass& loan = pBasic->m_objSecurityLoan;
    const CRepayTexts repay = RepayTexts(loan, "金利");
    const BOOL bDetails = loan.nRepayMethod != kLumpSum;
    for (int k = 0; k < kSteps; ++k) {
        calc.StringSet(k == 0 ? pBasic->m_strName : CString());
        calc.StringSet(k == 0 ? ContractText(*pBasic) : CString());
        SetStepCells(calc, schedules, k);
        if (k == 0) {
            calc.StringSet(AmortizeText(pBasic->dDepositAmortizeRatio));
            calc.StringSet(AmortizeText(pBasic->dSecurityAmortizeRatio));
            calc.StringSet(repay.strMethod);
        } else if (k == 1) {
            calc.StringSet(AdvanceText(advance.dDepositRate));
            calc.StringSet(AdvanceText(advance.dSecurityRate));
            if (bDetails) {
                calc.StringSet(repay.strGrace);
                calc.StringSet(repay.strGraceRate);
            }
        } else if (k == 2 && bDetails) {
            for (const CString& cell : {CString(), CString(), repay.strYears, repay.strRate}) calc.StringSet(cell);
        }
        calc.TextWrite();
    }
}

} // namespace

BOOL CTavCalcClass::MakeRentalBasic()
{
    CModuleStateScope scope("TavResultClass.DLL");
    if (!m_pResultClass) return FailCalc(CALC_UNEXPECTED_ERROR);
    CResultRentalBasicClass& page = m_pResultClass->m_objRentalBasic;
    if (!CreatePageRows<CResultRentalBasicItemClass>(*this, page, kRows)) return FALSE;
    for (int c = 0; c < kCategories; ++c) {
        const CDataRentalBasicClass* pBasic = ShownCategory(*this, c);
        if (!pBasic) continue;
        const std::vector<CString> texts = ColumnTexts(*this, c, *pBasic);
        for (size_t r = 0; r < texts.size(); ++r)
            PageRow<CResultRentalBasicItemClass>(page, int(r))->SetText(c, texts[r]);
    }
    return TRUE;
}

void CTavCalcClass::TextRental2()
{
    CModuleStateScope scope("TavResultClass.DLL");
    TextLine(*this, {LoadResultString(kTitleId)});
    for (UINT nID : kHeadIds) StringSet(nID ? LoadResultString(nID) : CString());
    TextWrite();
    for (int c = 0; c < kCategories; ++c) WriteCategory(*this, c);
}
