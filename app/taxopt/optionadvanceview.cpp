#include "app/taxopt/optionadvanceview.h"

#include "app/shell/tavrinprojectdoc.h"
#include "app/taxopt/optionlabels.h"

namespace {

using K = FormControlKind;
using R = COptionAdvanceClass;

constexpr int kCategories = 8;

const char* const kLabels[kCategories] = {"", "", "", "", "", "", "", ""};
const char* const kHeads[] = {"", "敷金前受率", "保証金前受率"};
const COptionColumn kColumns[] = {{10009, K::Number, "％", 8}, {10001, K::Number, "％", 8}};
const COptionRowTable kTable = {"敷金・保証金の前受率（建設資金流用率）について設定します。", kHeads, 20101, kLabels,
                                kColumns};

// Checked row by row, guarantee money first.
constexpr UINT kRateIDs[] = {10001, 10009, 10002, 10010, 10003, 10011, 10004, 10012,
                             10005, 10013, 10006, 10014, 10007, 10015, 10008, 10016};
CFieldRef BindRate(R& r, int n)
{
    tagADVANCERATE& rate = r.m_aRate[n / 2];
    return n % 2 ? &rate.dDepositRate : &rate.dSecurityRate;
}
const CFormField<R> kFields[] = {
    {{.nID = 10001, .kind = FieldKind::Number, .dMin = 0, .dMax = 100, .style = NumberStyle::Count}, &BindRate,
     2 * kCategories, 1, kRateIDs},
};
const CFormFields<R> kForm(kFields);

} // namespace

std::vector<CFormControl> AdvanceRateControls()
{
    return OptionRowControls(kTable);
}

const CFormFields<COptionAdvanceClass>& AdvanceRateFields()
{
    return kForm;
}

void SetAdvanceRateLabels(CFormWidget* pForm, const CTavrinProjectDoc& doc)
{
    for (int i = 0; i < kCategories; ++i) {
        const CString strName = RentalCategoryLabel(doc, i);
        if (!strName.IsEmpty()) pForm->SetDlgItemText(20101 + i, strName + LabelColon());
    }
}

COptionAdvanceView::COptionAdvanceView() : COptionRecordView(404, 308, kForm, &CTavrinProjectDoc::GetOptionAdvance)
{
    CreateControls(AdvanceRateControls());
}

void COptionAdvanceView::ReloadLabels()
{
    if (const CTavrinProjectDoc* doc = GetDocument()) SetAdvanceRateLabels(this, *doc);
}
