#include "app/common/formkit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cstring>

#include "app/common/numbertext.h"
#include "platform/codepage.h"
#include "platform/msgbox.h"
#include "platform/painterdc.h"
#include "platform/qtstring.h"

namespace {

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

// The whole text as a number (blanks around it allowed); FALSE for anything else.
BOOL ParseNumber(CString str, double& dValue)
{
    bool ok = false;
    const double d = QByteArray(str).trimmed().toDouble(&ok);
    if (ok) dValue = d;
    return ok;
}

// Width of nChars half-width characters and the frame around them.
int CharsWidth(const QWidget* pWnd, int nChars)
{
    return pWnd->fontMetrics().horizontalAdvance(QLatin1Char('0')) * nChars + 12;
}

QLineEdit* Edit(CFormWidget* pForm, UINT nID)
{
    return qobject_cast<QLineEdit*>(pForm->GetDlgItem(nID));
}

} // namespace

CFormWidget::CFormWidget(QWidget* pParent) : QWidget(pParent), m_pGrid(new QGridLayout(this))
{
    setFont(FormFont(14, false));
    m_pGrid->setHorizontalSpacing(8);
    m_pGrid->setVerticalSpacing(6);
}

// Controls that share a cell are laid out left to right; a cell that starts
// with a label is pushed to the right, any other to the left.
void CFormWidget::CreateControls(std::span<const CFormControl> controls)
{
    std::map<std::pair<int, int>, std::pair<QHBoxLayout*, bool>> cells;
    int nLastRow = 0;
    int nLastCol = 0;
    for (const CFormControl& control : controls) {
        QWidget* widget = CreateControl(control);
        if (control.nID != 0) {
            SetDlgCtrlID(widget, control.nID);
            m_mapItems[control.nID] = widget;
        }
        auto& cell = cells[{control.nRow, control.nCol}];
        if (!cell.first) {
            cell.first = new QHBoxLayout;
            cell.first->setSpacing(6);
            cell.second = control.kind == FormControlKind::Label;
            m_pGrid->addLayout(cell.first, control.nRow, control.nCol, 1, control.nColSpan);
        }
        cell.first->addWidget(widget);
        nLastRow = std::max(nLastRow, control.nRow);
        nLastCol = std::max(nLastCol, control.nCol + control.nColSpan - 1);
    }
    for (auto& [pos, cell] : cells) {
        if (cell.second)
            cell.first->insertStretch(0);
        else
            cell.first->addStretch();
    }
    m_pGrid->setRowStretch(nLastRow + 1, 1);
    m_pGrid->setColumnStretch(nLastCol + 1, 1);
}

QWidget* CFormWidget::CreateControl(const CFormControl& control)
{
    const QString text = ToQString(control.pszText);
    if (control.kind != FormControlKind::Radio) m_pRadioGroup = nullptr;
    switch (control.kind) {
    case FormControlKind::Title: {
        auto* label = new QLabel(text, this);
        label->setFont(FormFont(18, true));
        return label;
    }
    case FormControlKind::Label:
    case FormControlKind::Unit: {
        auto* label = new QLabel(text, this);
        label->setAlignment((control.kind == FormControlKind::Label ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        return label;
    }
    case FormControlKind::Edit: {
        auto* edit = new CFocusEdit(this);
        if (control.nWidthChars > 0) edit->setFixedWidth(CharsWidth(edit, control.nWidthChars));
        return edit;
    }
    case FormControlKind::Combo: {
        auto* combo = new CFocusComboBox(this);
        if (!text.isEmpty()) combo->addItems(text.split(QLatin1Char('\n')));
        if (control.nWidthChars > 0) combo->setMinimumWidth(CharsWidth(combo, control.nWidthChars));
        connect(combo, &QComboBox::activated, this, [this, control] { OnControlNotify(control.nID, CBN_SELCHANGE); });
        return combo;
    }
    case FormControlKind::Check: {
        auto* check = new QCheckBox(text, this);
        connect(check, &QCheckBox::clicked, this, [this, control] { OnControlNotify(control.nID, BN_CLICKED); });
        return check;
    }
    case FormControlKind::Radio: {
        auto* radio = new CArrowRadioButton(text, this);
        if (!m_pRadioGroup) m_pRadioGroup = new QButtonGroup(this);
        m_pRadioGroup->addButton(radio);
        connect(radio, &QRadioButton::clicked, this, [this, control] { OnControlNotify(control.nID, BN_CLICKED); });
        return radio;
    }
    case FormControlKind::Button: {
        auto* button = new QPushButton(text, this);
        connect(button, &QPushButton::clicked, this, [this, control] { OnControlNotify(control.nID, BN_CLICKED); });
        return button;
    }
    }
    return nullptr;
}

QWidget* CFormWidget::GetDlgItem(UINT nID) const
{
    const auto it = m_mapItems.find(nID);
    return it == m_mapItems.end() ? nullptr : it->second;
}

CString CFormWidget::GetDlgItemText(UINT nID) const
{
    if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItem(nID))) return GetWindowText(edit);
    return CString();
}

void CFormWidget::SetDlgItemText(UINT nID, const CString& str)
{
    if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItem(nID))) SetWindowText(edit, str);
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

void CFormWidget::GotoDlgCtrl(UINT nID)
{
    QWidget* item = GetDlgItem(nID);
    if (!item) return;
    item->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(item)) edit->selectAll();
}

void CDataExchange::Fail()
{
    m_bFailed = TRUE;
    if (m_idLastControl != 0) m_pDlgWnd->GotoDlgCtrl(m_idLastControl);
}

void DDV_FailRange(CDataExchange* pDX, long lMin, long lMax, const char* pszFormat, UINT nPromptID)
{
    if (!pDX->m_bSaveAndValidate) return;
    CString strMin;
    CString strMax;
    strMin.Format(pszFormat, lMin);
    strMax.Format(pszFormat, lMax);
    AfxMessageBox(FormatPrompt(nPromptID, strMin, strMax), MB_ICONEXCLAMATION, nPromptID);
    pDX->Fail();
}

void DDV_LongRange(CDataExchange* pDX, long lValue, long lMin, long lMax)
{
    if (lValue < lMin || lValue > lMax) DDV_FailRange(pDX, lMin, lMax, "%ld", AFX_IDP_PARSE_INT_RANGE);
}

void DDV_DoubleRange(CDataExchange* pDX, double dValue, double dMin, double dMax)
{
    if (!(dValue >= dMin) || dValue > dMax)
        DDV_FailRange(pDX, long(dMin), long(dMax), "%ld", AFX_IDP_PARSE_INT_RANGE);
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

void LoadField(CFormWidget* pForm, const CFieldDesc& field, const CFieldRef& ref)
{
    switch (field.kind) {
    case FieldKind::Text:
        if (QLineEdit* edit = Edit(pForm, field.nID); edit && field.nMaxChars > 0) edit->setMaxLength(field.nMaxChars);
        pForm->SetDlgItemText(field.nID, *std::get<CString*>(ref));
        break;
    case FieldKind::Number: pForm->SetDlgItemText(field.nID, FormatNumber(-1, *std::get<double*>(ref), TRUE)); break;
    case FieldKind::Choice: pForm->SetCurSel(field.nID, *std::get<int*>(ref)); break;
    case FieldKind::Check: pForm->CheckDlgButton(field.nID, *std::get<int*>(ref) == 1); break;
    case FieldKind::Radio:
        pForm->CheckRadioButton(field.nID, field.nLastID, field.nID + *std::get<int*>(ref));
        break;
    }
}

// A box without a selection and radios without a checked button keep the
// stored value (a damaged file's value is not turned into -1).
void StoreField(CFormWidget* pForm, const CFieldDesc& field, const CFieldRef& ref)
{
    switch (field.kind) {
    case FieldKind::Text: *std::get<CString*>(ref) = pForm->GetDlgItemText(field.nID); break;
    case FieldKind::Number: *std::get<double*>(ref) = CommaStrToDouble(pForm->GetDlgItemText(field.nID)); break;
    case FieldKind::Choice:
        if (const int nSel = pForm->GetCurSel(field.nID); nSel >= 0) *std::get<int*>(ref) = nSel;
        break;
    case FieldKind::Check: *std::get<int*>(ref) = pForm->IsDlgButtonChecked(field.nID) ? 1 : 0; break;
    case FieldKind::Radio:
        if (const UINT nChecked = pForm->GetCheckedRadioButton(field.nID, field.nLastID); nChecked != 0)
            *std::get<int*>(ref) = int(nChecked - field.nID);
        break;
    }
}

// The framework's checks of every field in table order, then the screen's own.
BOOL CheckFields(CFormWidget* pForm, std::span<const CFieldDesc> fields)
{
    CDataExchange dx(pForm, TRUE);
    for (const CFieldDesc& field : fields) {
        dx.PrepareEditCtrl(field.nID);
        if (field.kind == FieldKind::Text && field.nMaxChars > 0) {
            DDV_MaxChars(&dx, pForm->GetDlgItemText(field.nID), field.nMaxChars);
        } else if (field.kind == FieldKind::Number) {
            double dValue = 0;
            DDX_TextNumber(&dx, field.nID, dValue);
            if (!dx.m_bFailed && field.nMessageID == 0 && field.dMin < field.dMax)
                DDV_DoubleRange(&dx, dValue, field.dMin, field.dMax);
        }
        if (dx.m_bFailed) return FALSE;
    }
    for (const CFieldDesc& field : fields) {
        if (field.kind != FieldKind::Number || field.nMessageID == 0) continue;
        const double dValue = CommaStrToDouble(pForm->GetDlgItemText(field.nID));
        if (!(dValue >= field.dMin) || dValue > field.dMax) {
            AfxMessageBox(field.nMessageID, MB_ICONSTOP);
            pForm->GotoDlgCtrl(field.nID);
            return FALSE;
        }
    }
    return TRUE;
}

BOOL FieldNotify(CFormWidget* pForm, std::span<const CFieldDesc> fields, UINT nID, UINT nCode)
{
    const auto it = std::find_if(fields.begin(), fields.end(), [nID](const CFieldDesc& f) { return f.nID == nID; });
    if (it == fields.end() || (it->kind != FieldKind::Text && it->kind != FieldKind::Number)) return FALSE;
    QLineEdit* edit = Edit(pForm, nID);
    if (!edit || (nCode != EN_SETFOCUS && nCode != EN_KILLFOCUS)) return FALSE;
    if (it->kind == FieldKind::Text) {
        SetImeOpenStatus(edit, nCode == EN_SETFOCUS);
        return TRUE;
    }
    SetImeOpenStatus(edit, FALSE);
    if (nCode == EN_KILLFOCUS) {
        if (it->style == NumberStyle::Comma) {
            FormatEditNumber(edit, it->dEmpty);
        } else {
            CString str = GetWindowText(edit);
            DeleteComma(str);
            SetWindowText(edit, str.IsEmpty() ? DoubleToStr(-1, it->dEmpty, TRUE) : str);
        }
    }
    return TRUE;
}
