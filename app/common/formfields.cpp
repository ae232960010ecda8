#include "app/common/formfields.h"

#include <QLineEdit>
#include <algorithm>
#include <climits>

#include "app/common/numbertext.h"
#include "platform/msgbox.h"

namespace {

QLineEdit* Edit(CFormWidget* pForm, UINT nID)
{
    return qobject_cast<QLineEdit*>(pForm->GetDlgItem(nID));
}

// The stored value of list entry nIndex, and back; -1 when no entry has the value.
int IndexValue(const CFieldDesc& field, int nIndex)
{
    return field.values.empty() ? nIndex + field.nOffset : field.values[size_t(nIndex)];
}

int ValueIndex(const CFieldDesc& field, int nValue)
{
    if (field.values.empty()) return nValue - field.nOffset;
    const auto it = std::find(field.values.begin(), field.values.end(), nValue);
    return it == field.values.end() ? -1 : int(it - field.values.begin());
}

int CheckValue(const CFieldDesc& field, bool bChecked)
{
    return field.values.size() == 2 ? field.values[bChecked ? 1 : 0] : (bChecked ? 1 : 0);
}

long WholeValue(const CFieldRef& ref)
{
    if (int* const* p = std::get_if<int*>(&ref)) return **p;
    return *std::get<long*>(ref);
}

template <class T>
BOOL Assign(T& target, const T& value)
{
    if (target == value) return FALSE;
    target = value;
    return TRUE;
}

// A whole number into an int or a long member; the check has kept it in range.
BOOL AssignWhole(const CFieldRef& ref, long lValue)
{
    if (int* const* p = std::get_if<int*>(&ref)) return Assign(**p, int(std::clamp<long>(lValue, INT_MIN, INT_MAX)));
    return Assign(*std::get<long*>(ref), lValue);
}

int& IntMember(const CFieldRef& ref)
{
    return *std::get<int*>(ref);
}

BOOL IsBlank(const QLineEdit* pEdit)
{
    CString str = GetWindowText(pEdit);
    str.Trim();
    return str.IsEmpty() || str == "　";
}

// Leaving a number edit: an empty one takes another field's text when the
// field says so, then the style's rule.
void LeaveNumber(CFormWidget* pForm, const CFieldDesc& field, QLineEdit* pEdit)
{
    if (field.nEmptyFromID && IsBlank(pEdit)) SetWindowText(pEdit, pForm->GetDlgItemText(field.nEmptyFromID));
    switch (field.style) {
    case NumberStyle::Count:
        if (IsBlank(pEdit)) SetWindowText(pEdit, DoubleToStr(-1, field.dEmpty, TRUE));
        break;
    case NumberStyle::Comma: FormatEditNumber(pEdit, field.dEmpty); break;
    case NumberStyle::Plain: {
        CString str = GetWindowText(pEdit);
        DeleteComma(str);
        SetWindowText(pEdit, str.IsEmpty() ? DoubleToStr(-1, field.dEmpty, TRUE) : str);
        break;
    }
    }
}

} // namespace

void LoadField(CFormWidget* pForm, const CFieldDesc& field, const CFieldRef& ref)
{
    switch (field.kind) {
    case FieldKind::Text:
        if (QLineEdit* edit = Edit(pForm, field.nID); edit && field.nMaxChars > 0) edit->setMaxLength(field.nMaxChars);
        pForm->SetDlgItemText(field.nID, *std::get<CString*>(ref));
        break;
    case FieldKind::Number: pForm->SetDlgItemText(field.nID, FormatNumber(-1, *std::get<double*>(ref), TRUE)); break;
    case FieldKind::Integer: {
        CString str;
        str.Format("%ld", WholeValue(ref));
        if (field.style == NumberStyle::Comma) InsertComma(str);
        pForm->SetDlgItemText(field.nID, str);
        break;
    }
    case FieldKind::Choice: pForm->SetCurSel(field.nID, ValueIndex(field, IntMember(ref))); break;
    case FieldKind::Check: pForm->CheckDlgButton(field.nID, IntMember(ref) == CheckValue(field, true)); break;
    case FieldKind::Radio: {
        const int nIndex = ValueIndex(field, IntMember(ref));
        pForm->CheckRadioButton(field.nID, field.nLastID, nIndex < 0 ? 0 : field.nID + UINT(nIndex));
        break;
    }
    }
}

// A box without a selection and radios without a checked button keep the
// stored value (a damaged file's value is not turned into -1).
BOOL StoreField(CFormWidget* pForm, const CFieldDesc& field, const CFieldRef& ref)
{
    switch (field.kind) {
    case FieldKind::Text: return Assign(*std::get<CString*>(ref), pForm->GetDlgItemText(field.nID));
    case FieldKind::Number: return Assign(*std::get<double*>(ref), CommaStrToDouble(pForm->GetDlgItemText(field.nID)));
    case FieldKind::Integer: {
        CString str = pForm->GetDlgItemText(field.nID);
        DeleteComma(str);
        long lValue = 0;
        if (ParseWholeNumber(str, lValue)) return AssignWhole(ref, lValue);
        return FALSE;
    }
    case FieldKind::Choice:
        if (const int nSel = pForm->GetCurSel(field.nID); nSel >= 0) return Assign(IntMember(ref), IndexValue(field, nSel));
        return FALSE;
    case FieldKind::Check: return Assign(IntMember(ref), CheckValue(field, pForm->IsDlgButtonChecked(field.nID)));
    case FieldKind::Radio:
        if (const UINT nChecked = pForm->GetCheckedRadioButton(field.nID, field.nLastID); nChecked != 0)
            return Assign(IntMember(ref), IndexValue(field, int(nChecked - field.nID)));
        return FALSE;
    }
    return FALSE;
}

// The framework's checks of every field in table order, then the screen's own.
BOOL CheckFields(CFormWidget* pForm, std::span<const CFieldDesc> fields)
{
    CDataExchange dx(pForm, TRUE);
    const auto hasRange = [](const CFieldDesc& f) { return f.nMessageID == 0 && f.dMin < f.dMax; };
    for (const CFieldDesc& field : fields) {
        dx.PrepareEditCtrl(field.nID);
        if (field.kind == FieldKind::Text && field.nMaxChars > 0) {
            DDV_MaxChars(&dx, pForm->GetDlgItemText(field.nID), field.nMaxChars);
        } else if (field.kind == FieldKind::Number) {
            double dValue = 0;
            DDX_TextNumber(&dx, field.nID, dValue);
            if (!dx.m_bFailed && hasRange(field)) DDV_DoubleRange(&dx, dValue, field.dMin, field.dMax);
        } else if (field.kind == FieldKind::Integer) {
            long lValue = 0;
            DDX_TextInt(&dx, field.nID, lValue);
            if (!dx.m_bFailed && hasRange(field)) DDV_LongRange(&dx, lValue, long(field.dMin), long(field.dMax));
        }
        if (dx.m_bFailed) return FALSE;
    }
    for (const CFieldDesc& field : fields) {
        if ((field.kind != FieldKind::Number && field.kind != FieldKind::Integer) || field.nMessageID == 0) continue;
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
    if (it == fields.end()) return FALSE;
    const BOOL bEdit = it->kind == FieldKind::Text || it->kind == FieldKind::Number || it->kind == FieldKind::Integer;
    QLineEdit* edit = Edit(pForm, nID);
    if (!bEdit || !edit || (nCode != EN_SETFOCUS && nCode != EN_KILLFOCUS)) return FALSE;
    if (it->kind == FieldKind::Text) {
        SetImeOpenStatus(edit, nCode == EN_SETFOCUS);
        return TRUE;
    }
    SetImeOpenStatus(edit, FALSE);
    if (nCode == EN_KILLFOCUS) LeaveNumber(pForm, *it, edit);
    return TRUE;
}

double FieldTotal(const CFormWidget* pForm, std::span<const UINT> ids)
{
    double dTotal = 0;
    for (const UINT nID : ids) dTotal += CommaStrToDouble(pForm->GetDlgItemText(nID));
    return dTotal;
}
