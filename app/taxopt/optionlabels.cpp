#include "app/taxopt/optionlabels.h"

#include "app/shell/tavrinprojectdoc.h"
#include "data/datacost.h"
#include "data/dataconstruction.h"
#include "data/dataexpense.h"
#include "data/dataotherincome.h"
#include "data/datarentalbasic.h"
#include "platform/resource.h"
#include "result/pages/resultformat.h"

namespace {

constexpr UINT IDS_COST_ITEM = 2010;
constexpr UINT IDS_RENTAL_CATEGORY = 2061;
constexpr UINT IDS_OTHER_COST = 3040;
constexpr UINT IDS_OTHER_EXPENSE = 5000;
constexpr UINT IDS_OTHER_INCOME = 5060;
constexpr UINT IDS_OTHER_AMORTIZE = 6000;
constexpr UINT IDS_COLON = 167;

CString Trimmed(UINT nID)
{
    CString str = LoadText(nID);
    str.TrimRight();
    return str;
}

// The name, or the default text followed by the number in full-width digits.
CString NameOr(const CString& strName, UINT nDefaultID, int k)
{
    return strName.IsEmpty() ? Trimmed(nDefaultID) + NumberToFullWidth(k) : strName;
}

} // namespace

CString OtherExpenseLabel(const CTavrinProjectDoc& doc, int k)
{
    const CDataCostClass* cost = doc.GetDataCost();
    return NameOr(cost ? cost->m_aCostItem[3 + k].m_strOtherName : CString(), IDS_OTHER_EXPENSE, k);
}

CString CostItemLabel(const CTavrinProjectDoc& doc, int n)
{
    const CDataCostClass* cost = doc.GetDataCost();
    const CString strName = cost ? cost->m_aCostItem[n].m_strOtherName : CString();
    return strName.IsEmpty() ? LoadText(IDS_COST_ITEM + n) : strName;
}

CString OtherAmortizeLabel(const CTavrinProjectDoc& doc, int k)
{
    const CDataExpenseClass* expense = doc.GetDataExpense();
    return NameOr(expense ? expense->m_aDepreciation[1 + k].m_strName : CString(), IDS_OTHER_AMORTIZE, k);
}

CString OtherCostLabel(const CDataExpenseOtherClass& record, int k)
{
    return NameOr(record.m_aExpenseMoney[5 + k].m_strName, IDS_OTHER_COST, k);
}

CString RentalCategoryLabel(const CTavrinProjectDoc& doc, int i)
{
    const CDataRentalBasicClass* basic = doc.GetDataRentalBasic(i);
    if (!basic) return CString();
    return basic->m_strName.IsEmpty() ? Trimmed(IDS_RENTAL_CATEGORY + i) : basic->m_strName;
}

CString OtherIncomeLabel(const CTavrinProjectDoc& doc, int k)
{
    const CDataProRestOtherClass* other = doc.GetDataProRestOther();
    return NameOr(other ? other->m_aOtherIncome[k - 1].m_strName : CString(), IDS_OTHER_INCOME, k);
}

CString LabelColon()
{
    return LoadText(IDS_COLON);
}
