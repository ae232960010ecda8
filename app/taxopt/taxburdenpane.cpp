#include "app/taxopt/taxburdenpane.h"

#include <QLineEdit>
#include <iterator>
#include <vector>

#include "app/common/numbertext.h"
#include "platform/msgbox.h"
#include "platform/resource.h"

namespace {

using K = FormControlKind;
using Pane = CTaxBurdenLevelPane;

constexpr UINT IDS_LOWER_KIND = 3360;  // "以上", then "超"
constexpr UINT IDS_UPPER_BELOW_LOWER = 3362;
constexpr UINT IDS_NOT_NEGATIVE = 3363;
constexpr int kLevelWidth = 8;

const char* const kLowerKinds = "以上\n超";
const char* const kUpperKinds = "未満\n以下";

// Row k of a table of nRows rows (the heading takes grid row 0).
void AddRow(std::vector<CFormControl>& controls, int k, int nRows, BOOL bPercentLast)
{
    const int r = k + 1;
    const bool bFirst = k == 0;
    const bool bLast = k == nRows - 1;
    if (bFirst) {
        controls.push_back({Pane::LowerID(k), K::Number, r, 0, 1, "", kLevelWidth});
        controls.push_back({Pane::LowerKindID(k), K::Combo, r, 1, 1, kLowerKinds, 4});
    } else {
        controls.push_back({Pane::LowerID(k), K::Label, r, 0});
        controls.push_back({Pane::LowerKindID(k), K::Unit, r, 1});
    }
    controls.push_back({0, K::Unit, r, 2, 1, "～"});
    if (!bLast) {
        controls.push_back({Pane::UpperID(k), K::Number, r, 3, 1, "", kLevelWidth});
        controls.push_back({Pane::UpperKindID(k), K::Combo, r, 4, 1, kUpperKinds, 4});
    } else if (bPercentLast) {
        controls.push_back({0, K::Label, r, 4, 1, "※"});
    }
    controls.push_back({Pane::RateID(k), K::Number, r, 5, 1, "", kLevelWidth});
    if (bLast && bPercentLast) controls.push_back({0, K::Unit, r, 6, 1, "％"});
}

std::vector<CFormControl> LevelControls(int nRows, BOOL bPercentLast)
{
    std::vector<CFormControl> controls = {
        {0, K::Unit, 0, 0, 5, "負担水準"},
        {0, K::Unit, 0, 5, 2, "負担調整率"},
    };
    for (int k = 0; k < nRows; ++k) AddRow(controls, k, nRows, bPercentLast);
    if (bPercentLast)
        controls.push_back({1185, K::Unit, nRows + 1, 0, 7, "※  今年度の評価額に対する割合（％）を設定してください。"});
    return controls;
}

// A combo box's choice into nValue; no choice leaves nValue as it is.
void TakeChoice(const CFormWidget* pForm, UINT nID, int& nValue)
{
    if (const int nSel = pForm->GetCurSel(nID); nSel >= 0) nValue = nSel;
}

void FormatCount(CFormWidget* pForm, UINT nID)
{
    if (auto* edit = qobject_cast<QLineEdit*>(pForm->GetDlgItem(nID))) FormatEditNumberIfEmpty(edit, 0.0);
}

CString KindText(int nKind)
{
    return LoadText(IDS_LOWER_KIND + (nKind == 1 ? 1 : 0));
}

} // namespace

CTaxBurdenLevelPane::CTaxBurdenLevelPane(QWidget* pParent, QWidget* pEndFocus, CTaxBurdenLevelClass* aLevel,
                                         int nRows, BOOL bPercentLast)
    : CFormPage(pParent), m_pEndFocus(pEndFocus), m_aLevel(aLevel), m_nRows(nRows)
{
    CreateControls(LevelControls(nRows, bPercentLast));
    // The lower bounds keep the width of the first row's edit.
    const int nWidth = GetDlgItem(LowerID(0))->minimumWidth();
    for (int k = 1; k < nRows; ++k) GetDlgItem(LowerID(k))->setMinimumWidth(nWidth);
}

void CTaxBurdenLevelPane::SetPageData()
{
    SetDlgItemText(LowerID(0), FormatNumber(-1, m_aLevel[0].m_dLower, TRUE));
    SetCurSel(LowerKindID(0), m_aLevel[0].m_nLowerExclusive);
    for (int k = 0; k < m_nRows; ++k) {
        const CTaxBurdenLevelClass& level = m_aLevel[k];
        if (k > 0) {
            SetDlgItemText(LowerID(k), FormatNumber(-1, level.m_dLower, TRUE));
            SetDlgItemText(LowerKindID(k), KindText(level.m_nLowerExclusive));
        }
        if (k < m_nRows - 1) {
            SetDlgItemText(UpperID(k), FormatNumber(-1, level.m_dUpper, TRUE));
            SetCurSel(UpperKindID(k), level.m_nUpperInclusive);
        }
        SetDlgItemText(RateID(k), FormatNumber(-1, level.m_dRate, TRUE));
    }
}

BOOL CTaxBurdenLevelPane::CheckPage()
{
    std::vector<double> adUpper(size_t(m_nRows), 0.0), adRate(size_t(m_nRows), 0.0);
    double dLower = 0;
    CDataExchange dx(this, TRUE);
    DDX_TextNumber(&dx, LowerID(0), dLower);
    for (int k = 0; k < m_nRows && !dx.m_bFailed; ++k) {
        if (k < m_nRows - 1) DDX_TextNumber(&dx, UpperID(k), adUpper[size_t(k)]);
        if (!dx.m_bFailed) DDX_TextNumber(&dx, RateID(k), adRate[size_t(k)]);
    }
    if (dx.m_bFailed) return FALSE;

    // A row whose upper bound lies below its lower bound would take every
    // level in the lookup; negative levels and rates make a negative standard.
    if (dLower < 0) return Refuse(IDS_NOT_NEGATIVE, LowerID(0));
    for (int k = 0; k < m_nRows; ++k) {
        const double dFrom = k == 0 ? dLower : adUpper[size_t(k - 1)];
        if (k < m_nRows - 1 && adUpper[size_t(k)] < dFrom) return Refuse(IDS_UPPER_BELOW_LOWER, UpperID(k));
        if (adRate[size_t(k)] < 0) return Refuse(IDS_NOT_NEGATIVE, RateID(k));
    }

    m_aLevel[0].m_dLower = dLower;
    TakeChoice(this, LowerKindID(0), m_aLevel[0].m_nLowerExclusive);
    for (int k = 0; k < m_nRows; ++k) {
        CTaxBurdenLevelClass& level = m_aLevel[k];
        level.m_dRate = adRate[size_t(k)];
        if (k == m_nRows - 1) break;
        level.m_dUpper = adUpper[size_t(k)];
        TakeChoice(this, UpperKindID(k), level.m_nUpperInclusive);
        // "未満" is followed by "以上", "以下" by "超".
        m_aLevel[k + 1].m_dLower = level.m_dUpper;
        m_aLevel[k + 1].m_nLowerExclusive = level.m_nUpperInclusive;
    }
    return TRUE;
}

BOOL CTaxBurdenLevelPane::Refuse(UINT nMessageID, UINT nID)
{
    AfxMessageBox(nMessageID, MB_ICONSTOP);
    GotoDlgCtrl(nID);
    return FALSE;
}

int CTaxBurdenLevelPane::UpperKindRow(UINT nID) const
{
    for (int k = 0; k < m_nRows - 1; ++k)
        if (nID == UpperKindID(k)) return k;
    return -1;
}

void CTaxBurdenLevelPane::OnControlNotify(UINT nID, UINT nCode)
{
    if (nCode == EN_SETFOCUS) SetImeOpenStatus(GetDlgItem(nID), FALSE);
    if (nCode == EN_KILLFOCUS) {
        FormatCount(this, nID);
        // The next row starts at this upper bound.
        for (int k = 0; k < m_nRows - 1; ++k) {
            if (nID != UpperID(k)) continue;
            CString str = GetDlgItemText(nID);
            DeleteComma(str);
            SetDlgItemText(LowerID(k + 1), str);
        }
    }
    if (nCode == CBN_SELCHANGE) {
        if (const int k = UpperKindRow(nID); k >= 0) SetDlgItemText(LowerKindID(k + 1), KindText(GetCurSel(nID)));
    }
}

LRESULT CTaxBurdenLevelPane::OnControlKey(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    const UINT nFrom = GetDlgCtrlID(pControl);
    if (nMessage == WM_TAB_KEY && (lParam ? nFrom == LowerID(0) : nFrom == LastRateID())) {
        m_pEndFocus->setFocus(lParam ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return 1;
    }
    return CFormPage::OnControlKey(pControl, nMessage, wParam, lParam);
}

CTaxBurdenHousePane::CTaxBurdenHousePane(QWidget* pParent, QWidget* pEndFocus, CTaxStandardMoneyClass& record)
    : CTaxBurdenLevelPane(pParent, pEndFocus, record.m_aHouseLevel, CTaxStandardMoneyClass::kHouseRows, FALSE)
{
}

CTaxBurdenNonHousePane::CTaxBurdenNonHousePane(QWidget* pParent, QWidget* pEndFocus, CTaxStandardMoneyClass& record)
    : CTaxBurdenLevelPane(pParent, pEndFocus, record.m_aBusinessLevel, CTaxStandardMoneyClass::kBusinessRows, TRUE)
{
}

namespace {

constexpr UINT IDC_CONDITIONS = 20300;
constexpr UINT IDC_HOUSE_LEVEL = 10037;
constexpr UINT IDC_BUSINESS_LEVEL = 10039;

const CFormControl kPriceFallControls[] = {
    // One cell, so that hiding the conditions moves nothing.
    {0, K::Unit, 0, 0, 1, "価格下落率："},
    {CTaxPriceFallPane::kUseID, K::Combo, 0, 0, 1, "考慮する\n考慮しない", 12},
    {IDC_CONDITIONS, K::Group, 1, 0, 1, "条件"},
    {1186, K::Label, 0, 0, 2, "価格下落率："},
    {CTaxPriceFallPane::kDropRateID, K::Number, 0, 2, 1, "", kLevelWidth},
    {10036, K::Combo, 0, 3, 1, kLowerKinds, 4},
    {1187, K::Label, 1, 0, 1, "負担水準"},
    {1188, K::Label, 1, 1, 1, "住宅用地："},
    {IDC_HOUSE_LEVEL, K::Number, 1, 2, 1, "", kLevelWidth},
    {10038, K::Combo, 1, 3, 1, kLowerKinds, 4},
    {1189, K::Label, 2, 1, 1, "住宅用地以外："},
    {IDC_BUSINESS_LEVEL, K::Number, 2, 2, 1, "", kLevelWidth},
    {1205, K::Combo, 2, 3, 1, kLowerKinds, 4},
    {1190, K::Label, 3, 0, 2, "上の条件を満たす場合の負担調整率："},
    {CTaxPriceFallPane::kAdjustRateID, K::Number, 3, 2, 1, "", kLevelWidth},
    {0, K::GroupEnd},
};

// The four numbers and the three kinds of the conditions.
struct CCondition {
    UINT nID;
    double CTaxPriceDropClass::*pValue;
};
const CCondition kNumbers[] = {
    {CTaxPriceFallPane::kDropRateID, &CTaxPriceDropClass::m_dPriceDropRate},
    {IDC_HOUSE_LEVEL, &CTaxPriceDropClass::m_dHouseLevel},
    {IDC_BUSINESS_LEVEL, &CTaxPriceDropClass::m_dBusinessLevel},
    {CTaxPriceFallPane::kAdjustRateID, &CTaxPriceDropClass::m_dAdjustRate},
};
struct CKind {
    UINT nID;
    int CTaxPriceDropClass::*pKind;
};
const CKind kKinds[] = {
    {CTaxPriceFallPane::kUseID, &CTaxPriceDropClass::m_nPriceDropUse},
    {10036, &CTaxPriceDropClass::m_nPriceDropExclusive},
    {10038, &CTaxPriceDropClass::m_nHouseLevelExclusive},
    {1205, &CTaxPriceDropClass::m_nBusinessLevelExclusive},
};

} // namespace

CTaxPriceFallPane::CTaxPriceFallPane(QWidget* pParent, QWidget* pEndFocus, CTaxPriceDropClass& record)
    : CFormPage(pParent), m_pEndFocus(pEndFocus), m_record(record)
{
    CreateControls(kPriceFallControls);
}

BOOL CTaxPriceFallPane::IsConsidered() const
{
    return GetCurSel(kUseID) == 0;
}

void CTaxPriceFallPane::ShowConditions()
{
    ShowDlgItem(IDC_CONDITIONS, IsConsidered());
}

void CTaxPriceFallPane::SetPageData()
{
    for (const CKind& kind : kKinds) SetCurSel(kind.nID, m_record.*kind.pKind);
    for (const CCondition& number : kNumbers) SetDlgItemText(number.nID, FormatNumber(-1, m_record.*number.pValue, TRUE));
    ShowConditions();
}

// Hidden conditions are not checked: their texts are kept as numbers, a
// text that is no finite number as 0.
BOOL CTaxPriceFallPane::CheckPage()
{
    double adValue[std::size(kNumbers)] = {};
    if (IsConsidered()) {
        CDataExchange dx(this, TRUE);
        for (size_t i = 0; i < std::size(kNumbers) && !dx.m_bFailed; ++i)
            DDX_TextNumber(&dx, kNumbers[i].nID, adValue[i]);
        if (dx.m_bFailed) return FALSE;
    } else {
        for (size_t i = 0; i < std::size(kNumbers); ++i) {
            CString str = GetDlgItemText(kNumbers[i].nID);
            DeleteComma(str);
            if (!ParseNumber(str, adValue[i])) adValue[i] = 0;
        }
    }
    for (const CKind& kind : kKinds) TakeChoice(this, kind.nID, m_record.*kind.pKind);
    for (size_t i = 0; i < std::size(kNumbers); ++i) m_record.*kNumbers[i].pValue = adValue[i];
    return TRUE;
}

void CTaxPriceFallPane::OnControlNotify(UINT nID, UINT nCode)
{
    if (nCode == EN_SETFOCUS) SetImeOpenStatus(GetDlgItem(nID), FALSE);
    if (nCode == EN_KILLFOCUS) FormatCount(this, nID);
    if (nCode == CBN_SELCHANGE && nID == kUseID) ShowConditions();
}

LRESULT CTaxPriceFallPane::OnControlKey(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    const UINT nFrom = GetDlgCtrlID(pControl);
    if (nMessage == WM_TAB_KEY && nFrom == kUseID && !lParam && IsConsidered()) {
        GotoDlgCtrl(kDropRateID);
        return 1;
    }
    if (nMessage == WM_TAB_KEY && (nFrom == kUseID || (nFrom == kAdjustRateID && !lParam))) {
        m_pEndFocus->setFocus(lParam ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return 1;
    }
    return CFormPage::OnControlKey(pControl, nMessage, wParam, lParam);
}
