#include "app/data/dataratepage.h"

#include <cstdlib>

#include "app/common/formfields.h"
#include "app/common/numbertext.h"

namespace {

using K = FormControlKind;
using P = CDataRatePage;
using F = FieldKind;

constexpr int kSteps = 4;
const char* const kStepLabels[kSteps] = {"１段階：", "２段階：", "３段階：", "４段階："};

// The block of the four steps in a group box at row nRow of the page.
std::vector<CFormControl> RateControls(int nRow)
{
    std::vector<CFormControl> controls = {{20041, K::Group, nRow, 0, 6, "上昇・下降率の設定"}};
    for (int i = 0; i < kSteps; ++i) {
        const UINT nBase = P::IDC_LAST_YEAR + UINT(i) * P::kStepIDs;
        const UINT nStart = i == 0 ? P::IDC_FIRST_YEAR : P::IDC_NEXT_START + UINT(i - 1);
        const UINT nLabel = 20024 + UINT(i) * 5 + (i > 0 ? 1 : 0);
        controls.insert(controls.end(), {
            {nLabel, K::Label, i, 0, 1, kStepLabels[i]},
            {nStart, i == 0 ? K::Number : K::ReadOnly, i, 1, 1, "", 5},
            {0, K::Unit, i, 1, 1, "年目 ～"},
            {nBase, K::Number, i, 2, 1, "", 5},
            {0, K::Unit, i, 2, 1, "年目まで"},
            {nBase + 1, K::Number, i, 3, 1, "", 4},
            {0, K::Unit, i, 3, 1, "年ごと"},
            {nBase + 2, K::Number, i, 4, 1, "", 7},
            {0, K::Unit, i, 4, 1, "％"},
            {nBase + 3, K::RadioGroup, i, 5, 1, "上昇"},
            {nBase + 4, K::Radio, i, 5, 1, "下降"},
        });
    }
    controls.push_back({0, K::GroupEnd});
    return controls;
}

// In the order of the standard check: first year, last years, intervals, then each percentage with its range.
const CFormField<P> kFields[] = {
    {{.nID = P::IDC_FIRST_YEAR, .kind = F::Integer, .style = NumberStyle::Count}, Element<&P::m_anStartYear, 0>},
    {{.nID = P::IDC_LAST_YEAR, .kind = F::Integer, .style = NumberStyle::Count}, Path<&P::m_anEndYear, kRow>, kSteps,
     int(P::kStepIDs)},
    {{.nID = P::IDC_INTERVAL, .kind = F::Integer, .style = NumberStyle::Count}, Path<&P::m_anInterval, kRow>, kSteps,
     int(P::kStepIDs)},
    {{.nID = P::IDC_RATE, .kind = F::Number, .dMin = 0, .dMax = 100, .style = NumberStyle::Plain},
     Path<&P::m_adRate, kRow>, kSteps, int(P::kStepIDs)},
};
const CFormFields<P> kForm(kFields);

bool IsRateEdit(UINT nID)
{
    return nID >= P::IDC_RATE && (nID - P::IDC_RATE) % P::kStepIDs == 0 && nID <= P::IDC_RATE + 3 * P::kStepIDs;
}

} // namespace

CDataRatePage::CDataRatePage(std::span<const CFormControl> controls, int nRateRow, QWidget* pParent)
    : CFormPage(pParent)
{
    std::vector<CFormControl> all(controls.begin(), controls.end());
    const std::vector<CFormControl> rate = RateControls(nRateRow);
    all.insert(all.end(), rate.begin(), rate.end());
    CreateControls(all);
    for (int i = 1; i < kSteps; ++i) SetDlgItemText(IDC_NEXT_START + UINT(i - 1), "0");
}

BOOL CDataRatePage::CheckPage()
{
    if (kForm.Check(this)) {
        kForm.Store(this, *this);
        return TRUE;
    }
    for (int i = 0; i < kSteps; ++i) {
        for (UINT nID : {IDC_LAST_YEAR, IDC_INTERVAL, IDC_RATE}) {
            if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItem(nID + UINT(i) * kStepIDs))) edit->selectAll();
        }
    }
    return FALSE;
}

// Leaving a field: an empty percentage becomes "0.0"; the last year of steps
// 1-3 sets the first year of the next step.
void CDataRatePage::OnControlNotify(UINT nID, UINT nCode)
{
    if (nCode == EN_KILLFOCUS && IsRateEdit(nID)) {
        CString str = GetDlgItemText(nID);
        str.Trim();
        if (str.IsEmpty() || str == "　") SetDlgItemText(nID, "0.0");
    }
    kForm.Notify(this, nID, nCode);
    for (int i = 0; i < kSteps - 1; ++i) {
        if (nCode == EN_KILLFOCUS && nID == IDC_LAST_YEAR + UINT(i) * kStepIDs) {
            CString str;
            str.Format("%d", std::atoi(GetDlgItemTextNoComma(this, nID)) + 1);
            SetDlgItemText(IDC_NEXT_START + UINT(i), str);
        }
    }
}

// Right on the rise radio of step 4 chooses fall, Left on fall chooses rise.
LRESULT CDataRatePage::OnControlKey(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    const UINT nRise = IDC_RISE + 3 * kStepIDs;
    const UINT nFall = IDC_FALL + 3 * kStepIDs;
    const UINT nFrom = GetDlgCtrlID(pControl);
    if (nMessage == WM_ARROW_KEY && ((nFrom == nRise && wParam == VK_RIGHT) || (nFrom == nFall && wParam == VK_LEFT))) {
        const UINT nTo = nFrom == nRise ? nFall : nRise;
        CheckRadioButton(nRise, nFall, nTo);
        GotoDlgCtrl(nTo);
        return 1;
    }
    return CFormPage::OnControlKey(pControl, nMessage, wParam, lParam);
}

void CDataRatePage::LoadSteps(const CDataRateClass& rate)
{
    for (int i = 0; i < kSteps; ++i) {
        const tagDATARATE& step = rate.m_aDataRate[i];
        const UINT nBase = IDC_LAST_YEAR + UINT(i) * kStepIDs;
        CString str;
        str.Format("%d", step.nStartYear);
        SetDlgItemText(i == 0 ? IDC_FIRST_YEAR : IDC_NEXT_START + UINT(i - 1), str);
        str.Format("%d", step.nEndYear);
        SetDlgItemText(nBase, str);
        str.Format("%d", step.nInterval);
        SetDlgItemText(nBase + 1, str);
        SetDlgItemText(nBase + 2, FormatNumber(-1, step.dRate, TRUE));
        CheckRadioButton(nBase + 3, nBase + 4, step.bDecrease ? nBase + 4 : nBase + 3);
    }
}

void CDataRatePage::StoreSteps(CDataRateClass& rate) const
{
    for (int i = 0; i < kSteps; ++i) {
        tagDATARATE& step = rate.m_aDataRate[i];
        const UINT nBase = IDC_LAST_YEAR + UINT(i) * kStepIDs;
        step.nStartYear = i == 0 ? m_anStartYear[0] : std::atoi(GetDlgItemText(IDC_NEXT_START + UINT(i - 1)));
        step.nEndYear = m_anEndYear[i];
        step.nInterval = m_anInterval[i];
        step.dRate = m_adRate[i];
        if (const UINT nChecked = GetCheckedRadioButton(nBase + 3, nBase + 4)) step.bDecrease = int(nChecked - nBase - 3);
    }
}
