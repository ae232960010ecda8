#include "app/taxopt/taxbracketpane.h"

#include <QLineEdit>
#include <algorithm>
#include <vector>

#include "app/common/numbertext.h"

namespace {

using K = FormControlKind;

constexpr UINT IDC_LOWER = 10000;
constexpr UINT IDC_UPPER = 10005;
constexpr UINT IDC_DEDUCTION = 10010;
constexpr UINT IDC_RATE = 10015;
constexpr UINT IDC_LAST_RATE = IDC_RATE + 4;
constexpr UINT IDC_SCROLL = 1220;
constexpr UINT IDC_REDUCTION_RATE = 1019;
constexpr UINT IDC_REDUCTION_LIMIT = 1020;
constexpr UINT IDC_REDUCTION_YEAR = 1021;
constexpr UINT IDC_REDUCTION_GROUP = 1441;

const CFormControl kHead[] = {
    {0, K::Unit, 0, 2, 1, "課税所得"},
    {0, K::Unit, 0, 4, 1, "控除額"},
    {0, K::Unit, 0, 6, 1, "税率"},
};

// Shown row i: lower bound, upper bound, deduction, rate.
constexpr int kRowControls = 8;
constexpr CFormControl RowControl(int i, int k)
{
    const int nRow = 1 + i;
    const UINT n = UINT(i);
    const CFormControl controls[kRowControls] = {
        {IDC_LOWER + n, K::Label, nRow, 0}, {0, K::Unit, nRow, 1, 1, "千円超 ～"},
        {IDC_UPPER + n, K::Number, nRow, 2, 1, "", 12}, {0, K::Unit, nRow, 3, 1, "千円以下"},
        {IDC_DEDUCTION + n, K::Number, nRow, 4, 1, "", 10}, {0, K::Unit, nRow, 5, 1, "千円"},
        {IDC_RATE + n, K::Number, nRow, 6, 1, "", 6}, {0, K::Unit, nRow, 7, 1, "％"},
    };
    return controls[k];
}

const CFormControl kTail[] = {
    {IDC_SCROLL, K::ScrollBar, 1, 8, 1, "", 0, 5},
    {IDC_REDUCTION_GROUP, K::Group, 6, 0, 9, "定率減税"},
    {1250, K::Label, 0, 0, 1, "減税率："},
    {IDC_REDUCTION_RATE, K::Number, 0, 1, 1, "", 6},
    {1251, K::Unit, 0, 1, 1, "％"},
    {1252, K::Label, 0, 2, 1, "上限額："},
    {IDC_REDUCTION_LIMIT, K::Number, 0, 3, 1, "", 10},
    {1253, K::Unit, 0, 3, 1, "千円"},
    {1439, K::Label, 0, 4, 1, "適用"},
    {IDC_REDUCTION_YEAR, K::Number, 0, 5, 1, "", 4},
    {1440, K::Unit, 0, 5, 1, "年目まで"},
    {0, K::GroupEnd},
};

// The heading, the five rows in tab order (row by row) and the rest.
std::vector<CFormControl> Controls()
{
    std::vector<CFormControl> controls(std::begin(kHead), std::end(kHead));
    for (int i = 0; i < CTaxBracketPane::kShownRows; ++i) {
        for (int k = 0; k < kRowControls; ++k) controls.push_back(RowControl(i, k));
    }
    controls.insert(controls.end(), std::begin(kTail), std::end(kTail));
    return controls;
}

BOOL IsAmountEdit(UINT nID)
{
    return nID >= IDC_UPPER && nID < IDC_RATE;
}

BOOL IsCountEdit(UINT nID)
{
    return (nID >= IDC_RATE && nID <= IDC_LAST_RATE) || (nID >= IDC_REDUCTION_RATE && nID <= IDC_REDUCTION_YEAR);
}

} // namespace

CTaxBracketPane::CTaxBracketPane(QWidget* pParent, QWidget* pEndFocus) : CFormPage(pParent), m_pEndFocus(pEndFocus)
{
    CreateControls(Controls());
    SetScrollRange(IDC_SCROLL, 0, kLastTop, kShownRows);
    for (const UINT nID : {IDC_REDUCTION_RATE, IDC_REDUCTION_LIMIT, IDC_REDUCTION_YEAR}) SetDlgItemText(nID, "0");
    // The lower bounds keep their column while the rows change.
    for (int i = 0; i < kShownRows; ++i) {
        QWidget* label = GetDlgItem(IDC_LOWER + UINT(i));
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("999,999,999")));
    }
}

void CTaxBracketPane::LoadRows(const CTaxPersonalClass (&aStep)[kStepCount])
{
    std::copy(std::begin(aStep), std::end(aStep), m_aStep);
    SetPageData();
}

void CTaxBracketPane::StoreRows(CTaxPersonalClass (&aStep)[kStepCount]) const
{
    std::copy(std::begin(m_aStep), std::end(m_aStep), aStep);
}

void CTaxBracketPane::SetReduction(double* pReduction, int* pYear)
{
    m_pReduction = pReduction;
    m_pReductionYear = pYear;
    SetDlgItemText(IDC_REDUCTION_RATE, FormatNumber(-1, pReduction[0], TRUE));
    SetDlgItemText(IDC_REDUCTION_LIMIT, FormatNumber(-1, pReduction[1], TRUE));
    SetDlgItemText(IDC_REDUCTION_YEAR, FormatNumber(-1, *pYear, TRUE));
}

void CTaxBracketPane::HideReduction()
{
    ShowDlgItem(IDC_REDUCTION_GROUP, FALSE);
    m_pReduction = nullptr;
    m_pReductionYear = nullptr;
}

void CTaxBracketPane::SetPageData()
{
    for (int i = 0; i < kShownRows; ++i) {
        const CTaxPersonalClass& step = m_aStep[m_nTop + i];
        SetDlgItemText(IDC_LOWER + UINT(i), FormatNumber(-1, step.m_dLower, TRUE));
        SetDlgItemText(IDC_UPPER + UINT(i), FormatNumber(-1, step.m_dUpper, TRUE));
        SetDlgItemText(IDC_DEDUCTION + UINT(i), FormatNumber(-1, step.m_dDeduction, TRUE));
        SetDlgItemText(IDC_RATE + UINT(i), FormatNumber(-1, step.m_dRate, TRUE));
    }
    SetScrollPos(IDC_SCROLL, m_nTop);
}

BOOL CTaxBracketPane::CheckPage()
{
    double adUpper[kShownRows], adDeduction[kShownRows], adRate[kShownRows];
    double dReductionRate = 0, dReductionLimit = 0;
    int nReductionYear = 0;
    CDataExchange dx(this, TRUE);
    for (int i = 0; i < kShownRows && !dx.m_bFailed; ++i) {
        DDX_TextNumber(&dx, IDC_UPPER + UINT(i), adUpper[i]);
        if (!dx.m_bFailed) DDX_TextNumber(&dx, IDC_DEDUCTION + UINT(i), adDeduction[i]);
        if (!dx.m_bFailed) DDX_TextNumber(&dx, IDC_RATE + UINT(i), adRate[i]);
    }
    if (!dx.m_bFailed) DDX_TextNumber(&dx, IDC_REDUCTION_RATE, dReductionRate);
    if (!dx.m_bFailed) DDX_TextNumber(&dx, IDC_REDUCTION_LIMIT, dReductionLimit);
    if (!dx.m_bFailed) DDX_TextInt(&dx, IDC_REDUCTION_YEAR, nReductionYear);
    if (dx.m_bFailed) return FALSE;

    for (int i = 0; i < kShownRows; ++i) {
        CTaxPersonalClass& step = m_aStep[m_nTop + i];
        step.m_dUpper = adUpper[i];
        step.m_dDeduction = adDeduction[i];
        step.m_dRate = adRate[i];
    }
    // The lookup reads every row: each row starts where the one above ends.
    for (int j = 0; j + 1 < kStepCount; ++j) m_aStep[j + 1].m_dLower = m_aStep[j].m_dUpper;
    if (m_pReduction) {
        m_pReduction[0] = dReductionRate;
        m_pReduction[1] = dReductionLimit;
        *m_pReductionYear = nReductionYear;
    }
    return TRUE;
}

BOOL CTaxBracketPane::ScrollTo(int nTop)
{
    const BOOL bChecked = CheckPage();
    if (bChecked) {
        m_nTop = std::clamp(nTop, 0, kLastTop);
        SetPageData();
    }
    SetScrollPos(IDC_SCROLL, m_nTop);
    return bChecked;
}

void CTaxBracketPane::FormatEdit(UINT nID)
{
    auto* edit = qobject_cast<QLineEdit*>(GetDlgItem(nID));
    if (!edit) return;
    if (IsAmountEdit(nID)) FormatEditNumber(edit, 0.0);
    if (IsCountEdit(nID)) FormatEditNumberIfEmpty(edit, 0.0);
    // The next shown row starts at this upper bound.
    if (nID >= IDC_UPPER && nID < IDC_UPPER + kShownRows - 1)
        SetDlgItemText(IDC_LOWER + (nID - IDC_UPPER) + 1, GetDlgItemText(nID));
}

void CTaxBracketPane::OnControlNotify(UINT nID, UINT nCode)
{
    if (nCode == EN_SETFOCUS) SetImeOpenStatus(GetDlgItem(nID), FALSE);
    if (nCode == EN_KILLFOCUS) FormatEdit(nID);
}

void CTaxBracketPane::OnControlScroll(UINT nID, UINT nSBCode, int nPos)
{
    if (nID != IDC_SCROLL) return;
    int nTarget = m_nTop;
    switch (nSBCode) {
    case SB_LINEUP: nTarget -= 1; break;
    case SB_LINEDOWN: nTarget += 1; break;
    case SB_PAGEUP: nTarget -= kShownRows; break;
    case SB_PAGEDOWN: nTarget += kShownRows; break;
    case SB_TOP: nTarget = 0; break;
    case SB_BOTTOM: nTarget = kStepCount; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: nTarget = nPos; break;
    default: return;
    }
    ScrollTo(nTarget);
}

void CTaxBracketPane::PageOn(BOOL bBack)
{
    const UINT nFrom = bBack ? IDC_UPPER : IDC_LAST_RATE;
    const BOOL bAtEnd = bBack ? m_nTop == 0 : m_nTop >= kLastTop;
    if (bAtEnd && m_pEndFocus) {
        m_pEndFocus->setFocus(bBack ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return;
    }
    FormatEdit(nFrom);
    const int nTop = bAtEnd ? (bBack ? kLastTop : 0) : m_nTop + (bBack ? -kShownRows : kShownRows);
    if (ScrollTo(nTop)) GotoDlgCtrl(bBack ? IDC_LAST_RATE : IDC_UPPER);
}

LRESULT CTaxBracketPane::OnControlKey(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    const UINT nFrom = GetDlgCtrlID(pControl);
    const BOOL bBack = lParam != 0;
    if (nMessage == WM_TAB_KEY && ((!bBack && nFrom == IDC_LAST_RATE) || (bBack && nFrom == IDC_UPPER))) {
        PageOn(bBack);
        return 1;
    }
    return CFormPage::OnControlKey(pControl, nMessage, wParam, lParam);
}
