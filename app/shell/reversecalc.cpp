// The reverse calculation of the project document: a goal seek over the
// whole calculation that changes one input by a fixed step per run.
#include <algorithm>
#include <iterator>
#include <limits>
#include <vector>

#include "app/shell/mainframe.h"
#include "app/shell/reversecalcdlg.h"
#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinprojectdoc.h"
#include "platform/msgbox.h"
#include "result/calc/yearbalance.h"

namespace {

// The dialog's values, kept for the next reverse calculation of any project.
struct CReverseCalcValues {
    int nTargetYear = 10;
    int nTargetItem = 0;
    double dTargetValue = 100.0;
    int nVariableItem = 0;
    double dStep = 10.0;
};

CReverseCalcValues& Remembered()
{
    static CReverseCalcValues values;
    return values;
}

constexpr int kMaxRuns = 11;
const char kCaption[] = "逆算結果";
const char kReached[] = "目標値に達しました";
const char kNotReached[] = "目標値に達しませんでした";

// The measures of a year record, by target item.
constexpr double CYearBalanceClass::*kMeasures[] = {
    &CYearBalanceClass::m_dCashOnHand,
    &CYearBalanceClass::m_dSurplus,
    &CYearBalanceClass::m_dProfitBeforeDepreciation,
    &CYearBalanceClass::m_dProfitAfterDepreciation,
    &CYearBalanceClass::m_dRetainedEarnings,
    &CYearBalanceClass::m_dIncomeTotal,
    &CYearBalanceClass::m_dYield,
};

// Variable items and the data window (command id - 20000) of the sheet they change.
enum { kConstructionCost, kOwnFund, kRent, kFirstExpense };

void AddClamped(double& dAmount, double dDelta)
{
    dAmount = std::max(0.0, dAmount + dDelta);
}

// The input that the reverse calculation varies; the amounts of one step are
// taken from the input as it is before the first run.
class CVariedInput {
public:
    CVariedInput(const CDataClassObject& data, int nItem, double dStep) : m_data(data), m_nItem(nItem), m_dStep(dStep)
    {
        if (nItem == kConstructionCost && PerDepreciationItem()) {
            double dTotal = 0.0;
            for (const auto& item : m_data.m_pDataExpense->m_aDepreciation) dTotal += item.dAmount;
            for (const auto& item : m_data.m_pDataExpense->m_aDepreciation)
                m_adDelta.push_back(dTotal != 0.0 ? dStep * item.dAmount / dTotal : 0.0);
        } else if (nItem == kRent) {
            for (int i = 0; i < CDataRentalTypeClass::kTermCount; ++i) {
                const CDataRentalTermClass* term = m_data.m_pDataRentalType->GetTerm(i);
                m_adDelta.push_back(term ? dStep * term->m_dRent * 0.01 : 0.0);
            }
        }
    }

    void Step() const
    {
        switch (m_nItem) {
        case kConstructionCost:
            if (PerDepreciationItem()) {
                for (size_t k = 0; k < m_adDelta.size(); ++k)
                    AddClamped(m_data.m_pDataExpense->m_aDepreciation[k].dAmount, m_adDelta[k]);
            } else {
                AddClamped(m_data.m_pDataExpense->m_objConstructionCost.dAmount, m_dStep);
            }
            break;
        case kOwnFund: AddClamped(m_data.m_pDataSupply->m_objFund.dOwnFund, m_dStep); break;
        case kRent:
            for (int i = 0; i < CDataRentalTypeClass::kTermCount; ++i)
                if (CDataRentalTermClass* term = m_data.m_pDataRentalType->GetTerm(i)) AddClamped(term->m_dRent, m_adDelta[i]);
            break;
        default: AddClamped(m_data.m_pDataCost->m_aCostItem[m_nItem + 1].adAmount[0], m_dStep); break;
        }
    }

    int Sheet() const
    {
        switch (m_nItem) {
        case kConstructionCost: return CTavrinProjectDoc::kConstructionSheet;
        case kOwnFund: return CTavrinProjectDoc::kFundingSheet;
        case kRent: return CTavrinProjectDoc::kRentalTypeSheet;
        default: return CTavrinProjectDoc::kCostSheet;
        }
    }

private:
    BOOL PerDepreciationItem() const { return m_data.m_pDataExpense->m_objConstructionCost.nInputMethod == 0; }

    const CDataClassObject& m_data;
    int m_nItem;
    double m_dStep;
    std::vector<double> m_adDelta;
};

} // namespace

void CTavrinProjectDoc::OnReverseCalc()
{
    if (IsCalculating()) return;
    SaveOpenForms();
    if (!CheckContractPeriods()) return;
    CReverseCalcValues& v = Remembered();
    const CTavrinApp* pApp = GetTavrinApp();
    CReverseCalcDlg dlg(pApp ? pApp->m_pMainWnd : nullptr);
    dlg.SetDataClass(&m_objDataClass);
    dlg.m_nLastYear = m_nCalcYear;
    dlg.m_nTargetYear = v.nTargetYear;
    dlg.m_nTargetItem = v.nTargetItem;
    dlg.m_dTargetValue = v.dTargetValue;
    dlg.m_nVariableItem = v.nVariableItem;
    dlg.m_dStep = v.dStep;
    if (dlg.exec() != QDialog::Accepted) return;
    v = {dlg.m_nTargetYear, dlg.m_nTargetItem, dlg.m_dTargetValue, dlg.m_nVariableItem, dlg.m_dStep};

    const CVariedInput input(m_objDataClass, v.nVariableItem, v.dStep);
    for (int nRun = 0; nRun < kMaxRuns; ++nRun) {
        if (nRun > 0) {
            input.Step();
            MarkSheetChanged(input.Sheet());
        }
        BOOL bCancelled = FALSE;
        m_nCalcResult = RunCalculation(bCancelled);
        if (bCancelled) return;
        if (!m_nCalcResult) {
            AfxMessageBox(UINT(m_objCalc.m_nMessageID), MB_OK);
            return;
        }
        if (YearMeasure(v.nTargetYear, v.nTargetItem) >= v.dTargetValue) {
            MessageBoxWithCaption(kReached, kCaption, MB_OK);
            ShowResults();
            return;
        }
    }
    MessageBoxWithCaption(kNotReached, kCaption, MB_OK);
    ShowResults();
}

double CTavrinProjectDoc::YearMeasure(int nYear, int nItem) const
{
    const CDeleteObArray* years = m_objCalc.m_pYearArray;
    const auto* year = years && nYear >= 0 && nYear < years->GetSize()
                           ? dynamic_cast<const CYearBalanceClass*>(years->GetAt(nYear))
                           : nullptr;
    if (!year || nItem < 0 || nItem >= int(std::size(kMeasures))) return -std::numeric_limits<double>::infinity();
    return year->*kMeasures[nItem];
}

void CTavrinProjectDoc::MarkSheetChanged(int nSheet)
{
    m_abDataModified[nSheet] = TRUE;
    ReloadDataWindow(nSheet);
}
