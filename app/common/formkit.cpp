#include "app/common/formkit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "app/common/formpages.h"
#include "app/common/numbertext.h"
#include "app/common/ownerdrawlist.h"
#include "app/common/spinbutton.h"
#include "platform/codepage.h"
#include "platform/msgbox.h"
#include "platform/painterdc.h"
#include "platform/qtstring.h"

namespace {

using K = FormControlKind;

// The screens' face, "ＭＳ ゴシック" (served by the IPA fonts), at a pixel height.
QFont FormFont(double dPixelHeight, bool bBold)
{
    LOGFONT lf;
    std::strcpy(lf.lfFaceName, "ＭＳ ゴシック");
    lf.lfWeight = bBold ? 700 : 400;
    return CPainterDC::MakeFont(lf, dPixelHeight);
}

// Prompt nID with %1 and %2 replaced.
CString FormatPrompt(UINT nID, const CString& str1, const CString& str2 = CString())
{
    CString prompt;
    prompt.LoadString(nID);
    prompt.Replace("%1", str1);
    prompt.Replace("%2", str2);
    return prompt;
}

// Width of nChars half-width characters and the frame around them.
int CharsWidth(const QWidget* pWnd, int nChars)
{
    return pWnd->fontMetrics().horizontalAdvance(QLatin1Char('0')) * nChars + 12;
}

QLineEdit* Edit(const CFormWidget* pForm, UINT nID)
{
    if (auto* combo = qobject_cast<QComboBox*>(pForm->GetDlgItem(nID))) return combo->lineEdit();
    return qobject_cast<QLineEdit*>(pForm->GetDlgItem(nID));
}

// The focus edit of the form's tables: right-aligned for amounts, read-only for values shown.
QWidget* CreateEdit(const CFormControl& control, QWidget* pParent)
{
    auto* edit = new CFocusEdit(pParent);
    if (control.nWidthChars > 0) edit->setFixedWidth(CharsWidth(edit, control.nWidthChars));
    if (control.kind != K::Edit) edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (control.kind == K::ReadOnly) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
    }
    return edit;
}

QWidget* CreateCombo(const CFormControl& control, QWidget* pParent)
{
    auto* combo = new CFocusComboBox(pParent);
    combo->setEditable(control.kind == K::ComboEdit);
    const QString text = ToQString(control.pszText);
    if (!text.isEmpty()) combo->addItems(text.split(QLatin1Char('\n')));
    if (control.nWidthChars > 0) combo->setMinimumWidth(CharsWidth(combo, control.nWidthChars));
    return combo;
}

// Scroll bar actions as scroll codes.
UINT ScrollCode(int nAction)
{
    switch (nAction) {
    case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
    case QAbstractSlider::SliderToMinimum: return SB_TOP;
    case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
    default: return SB_THUMBTRACK;
    }
}

} // namespace

// The grid of the form or of a group box, with the controls of each cell in a row.
struct CFormWidget::CGridCells {
    CGridCells(QWidget* pWidget, QGridLayout* pLayout) : pParent(pWidget), pGrid(pLayout) {}

    QWidget* pParent;
    QGridLayout* pGrid;
    std::map<std::pair<int, int>, std::pair<QHBoxLayout*, bool>> cells;
    int nLastRow = 0;
    int nLastCol = 0;

    void Add(QWidget* pWidget, const CFormControl& control)
    {
        auto& cell = cells[{control.nRow, control.nCol}];
        if (!cell.first) {
            cell.first = new QHBoxLayout;
            cell.first->setSpacing(6);
            cell.second = control.kind == K::Label;
            pGrid->addLayout(cell.first, control.nRow, control.nCol, control.nRowSpan, control.nColSpan);
        }
        cell.first->addWidget(pWidget);
        nLastRow = std::max(nLastRow, control.nRow + control.nRowSpan - 1);
        nLastCol = std::max(nLastCol, control.nCol + control.nColSpan - 1);
    }
    // A cell that starts with a label is pushed to the right, any other to the left.
    void Finish()
    {
        for (auto& [pos, cell] : cells) {
            if (cell.second)
                cell.first->insertStretch(0);
            else
                cell.first->addStretch();
        }
        pGrid->setRowStretch(nLastRow + 1, 1);
        pGrid->setColumnStretch(nLastCol + 1, 1);
    }
};

CFormWidget::CFormWidget(QWidget* pParent) : QWidget(pParent), m_pGrid(new QGridLayout(this))
{
    setFont(FormFont(14, false));
    m_pGrid->setHorizontalSpacing(8);
    m_pGrid->setVerticalSpacing(6);
}

CFormWidget::~CFormWidget()
{
    for (auto& [nID, widget] : m_mapItems) {
        widget->disconnect(this);
        if (auto* combo = dynamic_cast<CFocusComboBox*>(widget)) {
            combo->m_onDropDown = nullptr;
            combo->m_onKillFocus = nullptr;
        } else if (auto* spin = dynamic_cast<CSpinButton*>(widget)) {
            spin->m_onDelta = nullptr;
        } else if (auto* tab = dynamic_cast<CPageTabCtrl*>(widget)) {
            tab->m_onSelChange = nullptr;
        }
    }
}

void CFormWidget::CreateControls(std::span<const CFormControl> controls)
{
    std::vector<CGridCells> stack;
    stack.emplace_back(this, m_pGrid);
    for (const CFormControl& control : controls) {
        if (control.kind == K::GroupEnd) {
            if (stack.size() > 1) {
                stack.back().Finish();
                stack.pop_back();
            }
            continue;
        }
        QWidget* widget = CreateControl(control, stack.back().pParent);
        if (control.nID != 0) {
            SetDlgCtrlID(widget, control.nID);
            m_mapItems[control.nID] = widget;
        }
        ConnectNotify(widget, control);
        stack.back().Add(widget, control);
        if (control.kind == K::Group) {
            auto* grid = new QGridLayout(widget);
            grid->setHorizontalSpacing(8);
            grid->setVerticalSpacing(6);
            stack.emplace_back(widget, grid);
        }
    }
    while (!stack.empty()) {
        stack.back().Finish();
        stack.pop_back();
    }
}

QWidget* CFormWidget::CreateControl(const CFormControl& control, QWidget* pParent)
{
    const QString text = ToQString(control.pszText);
    if (control.kind != K::Radio) m_pRadioGroup = nullptr;
    switch (control.kind) {
    case K::Title: {
        auto* label = new QLabel(text, pParent);
        label->setFont(FormFont(18, true));
        return label;
    }
    case K::Label:
    case K::Unit: {
        auto* label = new QLabel(text, pParent);
        label->setAlignment((control.kind == K::Label ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        return label;
    }
    case K::Edit:
    case K::Number:
    case K::ReadOnly: return CreateEdit(control, pParent);
    case K::Combo:
    case K::ComboEdit: return CreateCombo(control, pParent);
    case K::Check: return new QCheckBox(text, pParent);
    case K::Radio:
    case K::RadioGroup: {
        auto* radio = new CArrowRadioButton(text, pParent);
        if (!m_pRadioGroup) m_pRadioGroup = new QButtonGroup(this);
        m_pRadioGroup->addButton(radio);
        return radio;
    }
    case K::Button: return new QPushButton(text, pParent);
    case K::Group: return new QGroupBox(text, pParent);
    case K::Spin: return new CSpinButton(pParent);
    case K::ScrollBar: return new QScrollBar(Qt::Vertical, pParent);
    case K::List: return new CTavrinListCtrl(pParent);
    case K::Tab: {
        auto* tab = new CPageTabCtrl(pParent);
        if (!text.isEmpty()) {
            for (const QString& label : text.split(QLatin1Char('\n'))) tab->AddTab(label);
        }
        return tab;
    }
    case K::GroupEnd: break;
    }
    return nullptr;
}

// The controls' notifications to the form as (id, code).
void CFormWidget::ConnectNotify(QWidget* pWidget, const CFormControl& control)
{
    const UINT nID = control.nID;
    auto notify = [this, nID](UINT nCode) { return [this, nID, nCode] { OnControlNotify(nID, nCode); }; };
    if (auto* edit = qobject_cast<QLineEdit*>(pWidget)) {
        connect(edit, &QLineEdit::textChanged, this, notify(EN_CHANGE));
    } else if (auto* combo = dynamic_cast<CFocusComboBox*>(pWidget)) {
        connect(combo, &QComboBox::activated, this, notify(CBN_SELCHANGE));
        combo->m_onDropDown = notify(CBN_DROPDOWN);
        combo->m_onKillFocus = notify(CBN_KILLFOCUS);
        if (QLineEdit* edit = combo->lineEdit()) connect(edit, &QLineEdit::textEdited, this, notify(EN_CHANGE));
    } else if (auto* button = qobject_cast<QAbstractButton*>(pWidget)) {
        connect(button, &QAbstractButton::clicked, this, notify(BN_CLICKED));
    } else if (auto* spin = dynamic_cast<CSpinButton*>(pWidget)) {
        spin->m_onDelta = notify(UDN_DELTAPOS);
    } else if (auto* bar = qobject_cast<QScrollBar*>(pWidget)) {
        connect(bar, &QScrollBar::actionTriggered, this,
                [this, nID, bar](int nAction) { OnControlScroll(nID, ScrollCode(nAction), bar->sliderPosition()); });
    } else if (auto* tab = dynamic_cast<CPageTabCtrl*>(pWidget)) {
        tab->m_onSelChange = notify(TCN_SELCHANGE);
    }
}

QWidget* CFormWidget::GetDlgItem(UINT nID) const
{
    const auto it = m_mapItems.find(nID);
    return it == m_mapItems.end() ? nullptr : it->second;
}

CString CFormWidget::GetDlgItemText(UINT nID) const
{
    QWidget* item = GetDlgItem(nID);
    if (QLineEdit* edit = Edit(this, nID)) return GetWindowText(edit);
    if (auto* label = qobject_cast<QLabel*>(item)) return FromQString(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(item)) return FromQString(button->text());
    if (auto* group = qobject_cast<QGroupBox*>(item)) return FromQString(group->title());
    return CString();
}

void CFormWidget::SetDlgItemText(UINT nID, const CString& str)
{
    QWidget* item = GetDlgItem(nID);
    if (QLineEdit* edit = Edit(this, nID))
        SetWindowText(edit, str);
    else if (auto* label = qobject_cast<QLabel*>(item))
        label->setText(ToQString(str));
    else if (auto* button = qobject_cast<QAbstractButton*>(item))
        button->setText(ToQString(str));
    else if (auto* group = qobject_cast<QGroupBox*>(item))
        group->setTitle(ToQString(str));
}

int CFormWidget::GetCurSel(UINT nID) const
{
    auto* combo = qobject_cast<QComboBox*>(GetDlgItem(nID));
    return combo ? combo->currentIndex() : -1;
}

void CFormWidget::SetCurSel(UINT nID, int nIndex)
{
    auto* combo = qobject_cast<QComboBox*>(GetDlgItem(nID));
    if (combo) combo->setCurrentIndex(nIndex >= 0 && nIndex < combo->count() ? nIndex : -1);
}

void CFormWidget::SetComboEntries(UINT nID, const std::vector<CString>& entries)
{
    auto* combo = qobject_cast<QComboBox*>(GetDlgItem(nID));
    if (!combo) return;
    const int nSel = combo->currentIndex();
    const QSignalBlocker block(combo);
    const QString text = combo->isEditable() ? combo->currentText() : QString();
    combo->clear();
    for (const CString& entry : entries) combo->addItem(ToQString(entry));
    combo->setCurrentIndex(nSel < combo->count() ? nSel : -1);
    if (combo->isEditable() && nSel < 0) combo->setEditText(text);
}

BOOL CFormWidget::IsDlgButtonChecked(UINT nID) const
{
    auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(nID));
    return button && button->isChecked();
}

void CFormWidget::CheckDlgButton(UINT nID, BOOL bCheck)
{
    if (auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(nID))) button->setChecked(bCheck != FALSE);
}

UINT CFormWidget::GetCheckedRadioButton(UINT nFirstID, UINT nLastID) const
{
    for (UINT nID = nFirstID; nID <= nLastID; ++nID) {
        if (IsDlgButtonChecked(nID)) return nID;
    }
    return 0;
}

// An id outside the range leaves every button unchecked.
void CFormWidget::CheckRadioButton(UINT nFirstID, UINT nLastID, UINT nCheckID)
{
    for (UINT nID = nFirstID; nID <= nLastID; ++nID) {
        auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(nID));
        if (!button) continue;
        if (QButtonGroup* group = button->group()) group->setExclusive(false);
        button->setChecked(nID == nCheckID);
        if (QButtonGroup* group = button->group()) group->setExclusive(true);
    }
}

void CFormWidget::ShowDlgItem(UINT nID, BOOL bShow)
{
    if (QWidget* item = GetDlgItem(nID)) item->setVisible(bShow != FALSE);
}

void CFormWidget::EnableDlgItem(UINT nID, BOOL bEnable)
{
    if (QWidget* item = GetDlgItem(nID)) item->setEnabled(bEnable != FALSE);
}

void CFormWidget::SetReadOnly(UINT nID, BOOL bReadOnly)
{
    QLineEdit* edit = Edit(this, nID);
    if (!edit) return;
    edit->setReadOnly(bReadOnly != FALSE);
    edit->setFocusPolicy(bReadOnly ? Qt::NoFocus : Qt::StrongFocus);
}

void CFormWidget::GotoDlgCtrl(UINT nID)
{
    QWidget* item = GetDlgItem(nID);
    if (!item) return;
    item->setFocus(Qt::OtherFocusReason);
    if (QLineEdit* edit = Edit(this, nID)) edit->selectAll();
}

void CFormWidget::SetSpinBuddy(UINT nSpinID, UINT nEditID)
{
    if (auto* spin = dynamic_cast<CSpinButton*>(GetDlgItem(nSpinID))) spin->SetBuddy(Edit(this, nEditID));
}

void CFormWidget::SetSpinRange(UINT nSpinID, int nLower, int nUpper)
{
    if (auto* spin = dynamic_cast<CSpinButton*>(GetDlgItem(nSpinID))) spin->SetRange(nLower, nUpper);
}

void CFormWidget::SetSpinPos(UINT nSpinID, int nPos)
{
    if (auto* spin = dynamic_cast<CSpinButton*>(GetDlgItem(nSpinID))) spin->SetPos(nPos);
}

int CFormWidget::GetSpinPos(UINT nSpinID) const
{
    auto* spin = dynamic_cast<CSpinButton*>(GetDlgItem(nSpinID));
    return spin ? spin->GetPos() : 0;
}

void CFormWidget::SetScrollRange(UINT nID, int nMin, int nMax, int nPage)
{
    if (auto* bar = qobject_cast<QScrollBar*>(GetDlgItem(nID))) {
        bar->setRange(nMin, nMax);
        bar->setPageStep(nPage);
    }
}

void CFormWidget::SetScrollPos(UINT nID, int nPos)
{
    if (auto* bar = qobject_cast<QScrollBar*>(GetDlgItem(nID))) {
        const QSignalBlocker block(bar);
        bar->setValue(nPos);
        bar->setSliderPosition(nPos);
    }
}

int CFormWidget::GetScrollPos(UINT nID) const
{
    auto* bar = qobject_cast<QScrollBar*>(GetDlgItem(nID));
    return bar ? bar->value() : 0;
}

void CDataExchange::Fail()
{
    m_bFailed = TRUE;
    if (m_idLastControl != 0) m_pDlgWnd->GotoDlgCtrl(m_idLastControl);
}

void DDV_FailRange(CDataExchange* pDX, const CString& strMin, const CString& strMax, UINT nPromptID)
{
    if (!pDX->m_bSaveAndValidate) return;
    AfxMessageBox(FormatPrompt(nPromptID, strMin, strMax), MB_ICONEXCLAMATION, nPromptID);
    pDX->Fail();
}

void DDV_LongRange(CDataExchange* pDX, long lValue, long lMin, long lMax)
{
    if (lValue >= lMin && lValue <= lMax) return;
    CString strMin;
    CString strMax;
    strMin.Format("%ld", lMin);
    strMax.Format("%ld", lMax);
    DDV_FailRange(pDX, strMin, strMax, AFX_IDP_PARSE_INT_RANGE);
}

void DDV_DoubleRange(CDataExchange* pDX, double dValue, double dMin, double dMax)
{
    if (dValue >= dMin && dValue <= dMax) return;
    DDV_FailRange(pDX, DoubleToStr(-1, dMin, TRUE), DoubleToStr(-1, dMax, TRUE), AFX_IDP_PARSE_REAL_RANGE);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& str, int nChars)
{
    if (!pDX->m_bSaveAndValidate || str.GetLength() <= nChars) return;
    CString strCount;
    strCount.Format("%d", nChars);
    AfxMessageBox(FormatPrompt(AFX_IDP_PARSE_STRING_SIZE, strCount), MB_ICONEXCLAMATION, AFX_IDP_PARSE_STRING_SIZE);
    pDX->Fail();
}

CString GetDlgItemTextNoComma(CFormWidget* pDlg, UINT nID)
{
    QLineEdit* edit = Edit(pDlg, nID);
    return edit ? GetWindowTextNoComma(edit) : CString();
}

BOOL ParseNumber(const CString& str, double& dValue)
{
    bool ok = false;
    const QByteArray text = QByteArray(str).trimmed();
    // Only digits, a sign, a point and an exponent: no "nan" or "inf".
    const bool bPlain = std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E';
    });
    const double d = text.toDouble(&ok);
    if (!ok || !bPlain || !std::isfinite(d)) return FALSE;
    dValue = d;
    return TRUE;
}

BOOL ParseWholeNumber(const CString& str, long& lValue)
{
    bool ok = false;
    const long l = QByteArray(str).trimmed().toLong(&ok);
    if (!ok) return FALSE;
    lValue = l;
    return TRUE;
}

void DDX_TextNumber(CDataExchange* pDX, UINT nID, double& dValue)
{
    pDX->PrepareEditCtrl(nID);
    if (!pDX->m_bSaveAndValidate) {
        pDX->m_pDlgWnd->SetDlgItemText(nID, FormatNumber(-1, dValue, TRUE));
        return;
    }
    CString str = pDX->m_pDlgWnd->GetDlgItemText(nID);
    DeleteComma(str);
    if (!ParseNumber(str, dValue)) {
        AfxMessageBox(AFX_IDP_PARSE_REAL, MB_ICONEXCLAMATION, AFX_IDP_PARSE_REAL);
        pDX->Fail();
    }
}

void DDX_TextInt(CDataExchange* pDX, UINT nID, long& lValue)
{
    pDX->PrepareEditCtrl(nID);
    if (!pDX->m_bSaveAndValidate) {
        CString str;
        str.Format("%ld", lValue);
        pDX->m_pDlgWnd->SetDlgItemText(nID, str);
        return;
    }
    CString str = pDX->m_pDlgWnd->GetDlgItemText(nID);
    DeleteComma(str);
    if (!ParseWholeNumber(str, lValue)) {
        AfxMessageBox(AFX_IDP_PARSE_INT, MB_ICONEXCLAMATION, AFX_IDP_PARSE_INT);
        pDX->Fail();
    }
}

// A whole number beyond an int is no int.
void DDX_TextInt(CDataExchange* pDX, UINT nID, int& nValue)
{
    long lValue = nValue;
    DDX_TextInt(pDX, nID, lValue);
    if (!pDX->m_bSaveAndValidate || pDX->m_bFailed) return;
    if (lValue < INT_MIN || lValue > INT_MAX) {
        AfxMessageBox(AFX_IDP_PARSE_INT, MB_ICONEXCLAMATION, AFX_IDP_PARSE_INT);
        pDX->Fail();
        return;
    }
    nValue = int(lValue);
}
