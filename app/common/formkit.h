// The form kit: a form built from a table of controls, the data exchange with
// its range prompts, and tables of fields that load, check and store a record.
//
// A screen is two tables and its own rules:
//   const CFormControl kControls[] = {{0, Label, 1, 0, 1, "名前："}, {10000, Edit, 1, 1, 1, "", 40}, ...};
//   const CFormField<tagREC> kFields[] = {{{.nID = 10000, .kind = FieldKind::Text, .nMaxChars = 100},
//                                          Member<&tagREC::strName>}, ...};
//   const CFormFields<tagREC> kForm(kFields);
// The view calls CreateControls(kControls) once, kForm.Load on open and cancel,
// kForm.Check then kForm.Store on save, and kForm.Notify from OnControlNotify.
#pragma once

#include <QWidget>
#include <map>
#include <span>
#include <variant>
#include <vector>

#include "app/common/focuscontrols.h"
#include "platform/cstring.h"

class QButtonGroup;
class QGridLayout;

// The framework's prompts of the value exchange.
constexpr UINT AFX_IDP_PARSE_REAL = 61713;
constexpr UINT AFX_IDP_PARSE_INT_RANGE = 61714;
constexpr UINT AFX_IDP_PARSE_STRING_SIZE = 61716;

// Label: right-aligned text before a control; Unit: text after one.
enum class FormControlKind { Title, Label, Unit, Edit, Combo, Check, Radio, Button };

// One control of a form: its id (0 for a plain label), its kind, its cell in the
// form's grid (controls of one cell follow each other), its text (a combo box's
// entries separated by "\n") and, for edits and combo boxes, a width in
// half-width characters.
struct CFormControl {
    UINT nID = 0;
    FormControlKind kind = FormControlKind::Label;
    int nRow = 0;
    int nCol = 0;
    int nColSpan = 1;
    const char* pszText = "";
    int nWidthChars = 0;
};

class CFormWidget : public QWidget, public CControlParent {
public:
    explicit CFormWidget(QWidget* pParent = nullptr);

    // Builds the controls of the table, in tab order; radio buttons that follow
    // each other form one group.
    void CreateControls(std::span<const CFormControl> controls);

    QWidget* GetDlgItem(UINT nID) const;
    CString GetDlgItemText(UINT nID) const;
    void SetDlgItemText(UINT nID, const CString& str);
    // Selection index of a combo box, -1 for none; an index outside the list selects nothing.
    int GetCurSel(UINT nID) const;
    void SetCurSel(UINT nID, int nIndex);
    BOOL IsDlgButtonChecked(UINT nID) const;
    void CheckDlgButton(UINT nID, BOOL bCheck);
    // The checked radio button between the two ids, 0 when none.
    UINT GetCheckedRadioButton(UINT nFirstID, UINT nLastID) const;
    void CheckRadioButton(UINT nFirstID, UINT nLastID, UINT nCheckID);
    void ShowDlgItem(UINT nID, BOOL bShow);
    void EnableDlgItem(UINT nID, BOOL bEnable);
    // Focus to the control; an edit gets its whole text selected.
    void GotoDlgCtrl(UINT nID);

protected:
    QGridLayout* m_pGrid;

private:
    QWidget* CreateControl(const CFormControl& control);

    std::map<UINT, QWidget*> m_mapItems;
    QButtonGroup* m_pRadioGroup = nullptr;
};

// The value exchange between a form's controls and its values.
class CDataExchange {
public:
    CDataExchange(CFormWidget* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
    {
    }
    void PrepareEditCtrl(UINT nID) { m_idLastControl = nID; }
    // Ends the exchange: the last control gets the focus and its text selected.
    void Fail();

    BOOL m_bSaveAndValidate;
    CFormWidget* m_pDlgWnd;
    UINT m_idLastControl = 0;
    BOOL m_bFailed = FALSE;
};

// Shows prompt nPromptID with both bounds in pszFormat and fails the exchange;
// nothing while the exchange only loads.
void DDV_FailRange(CDataExchange* pDX, long lMin, long lMax, const char* pszFormat, UINT nPromptID);
void DDV_LongRange(CDataExchange* pDX, long lValue, long lMin, long lMax);
// Bounds shown as whole numbers.
void DDV_DoubleRange(CDataExchange* pDX, double dValue, double dMin, double dMax);
// Text length in bytes.
void DDV_MaxChars(CDataExchange* pDX, const CString& str, int nChars);
// Returns the edit's text as shown and writes it back without separators.
CString GetDlgItemTextNoComma(CFormWidget* pDlg, UINT nID);
// Reads an edit's text as a number; a text that is not one fails the exchange.
void DDX_TextNumber(CDataExchange* pDX, UINT nID, double& dValue);

// A record field bound to a control.
enum class FieldKind {
    Text,    // edit <-> CString, at most nMaxChars bytes
    Number,  // edit <-> double, with separators, in [dMin, dMax]
    Choice,  // combo box selection <-> int
    Check,   // check box <-> int 1 / 0
    Radio,   // radio buttons nID..nLastID <-> int index of the checked one
};

// How a number edit is rewritten when it loses the focus.
enum class NumberStyle {
    Comma,  // an empty text becomes dEmpty, then separators are inserted
    Plain,  // an empty text becomes dEmpty, separators are removed
};

using CFieldRef = std::variant<CString*, double*, int*>;

// One field: its control, its kind and its checks.
struct CFieldDesc {
    UINT nID = 0;
    FieldKind kind = FieldKind::Text;
    int nMaxChars = 0;
    double dMin = 0;
    double dMax = 0;
    NumberStyle style = NumberStyle::Comma;
    double dEmpty = 0;
    UINT nLastID = 0;
    // Non-zero: the range check is the screen's own, shown with this message
    // and the stop icon after the framework's checks of every field.
    UINT nMessageID = 0;
};

// A field bound to a member of the record.
template <class Record>
struct CFormField {
    CFieldDesc desc;
    CFieldRef (*pfnBind)(Record&) = nullptr;
};

// Binders of a field table: a member, or one element of an array member.
template <auto pMember, class Record>
CFieldRef Member(Record& r)
{
    return &(r.*pMember);
}
template <auto pArray, int n, class Record>
CFieldRef Element(Record& r)
{
    return &(r.*pArray)[n];
}

// The control's value to the bound member and back; checks of the fields.
void LoadField(CFormWidget* pForm, const CFieldDesc& field, const CFieldRef& ref);
void StoreField(CFormWidget* pForm, const CFieldDesc& field, const CFieldRef& ref);
BOOL CheckFields(CFormWidget* pForm, std::span<const CFieldDesc> fields);
// Input method and kill-focus formatting of the field's edit; FALSE when nID is no field.
BOOL FieldNotify(CFormWidget* pForm, std::span<const CFieldDesc> fields, UINT nID, UINT nCode);

// A record's field table: load, check and store driven by it.
template <class Record>
class CFormFields {
public:
    explicit CFormFields(std::span<const CFormField<Record>> fields) : m_fields(fields)
    {
        for (const auto& f : fields) m_desc.push_back(f.desc);
    }
    void Load(CFormWidget* pForm, Record& record) const
    {
        for (const auto& f : m_fields) LoadField(pForm, f.desc, f.pfnBind(record));
    }
    BOOL Check(CFormWidget* pForm) const { return CheckFields(pForm, m_desc); }
    void Store(CFormWidget* pForm, Record& record) const
    {
        for (const auto& f : m_fields) StoreField(pForm, f.desc, f.pfnBind(record));
    }
    BOOL Notify(CFormWidget* pForm, UINT nID, UINT nCode) const { return FieldNotify(pForm, m_desc, nID, nCode); }

private:
    std::span<const CFormField<Record>> m_fields;
    std::vector<CFieldDesc> m_desc;
};
