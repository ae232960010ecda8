// The form kit: a form built from a table of controls and the value exchange
// with its prompts. The field tables that load, check and store a record are
// in formfields.h, tab pages in formpages.h, dialogs in formdialog.h.
//
// A screen is two tables and its own rules:
//   const CFormControl kControls[] = {{0, Label, 1, 0, 1, "名前："}, {10000, Edit, 1, 1, 1, "", 40}, ...};
//   const CFormField<tagREC> kFields[] = {{{.nID = 10000, .kind = FieldKind::Text, .nMaxChars = 100},
//                                          Member<&tagREC::strName>}, ...};
//   const CFormFields<tagREC> kForm(kFields);
// The view calls CreateControls(kControls) once, kForm.Load on open, cancel and
// reload, kForm.Check then kForm.Store on save, and kForm.Notify from OnControlNotify.
#pragma once

#include <QWidget>
#include <map>
#include <span>
#include <vector>

#include "app/common/focuscontrols.h"
#include "platform/cstring.h"

class QButtonGroup;
class QGridLayout;

// The framework's prompts of the value exchange.
constexpr UINT AFX_IDP_PARSE_INT = 61712;
constexpr UINT AFX_IDP_PARSE_REAL = 61713;
constexpr UINT AFX_IDP_PARSE_INT_RANGE = 61714;
constexpr UINT AFX_IDP_PARSE_REAL_RANGE = 61715;
constexpr UINT AFX_IDP_PARSE_STRING_SIZE = 61716;

// Label: right-aligned text before a control; Unit: text after one (both can
// carry an id and change their text). Number: a right-aligned edit for
// amounts; ReadOnly: an edit that shows a value. Combo: a drop-down list;
// ComboEdit: a combo box whose text can be typed. RadioGroup: a radio button
// that starts a new group (radios that follow each other form one group).
// Group: a group box whose grid holds the controls up to its GroupEnd.
// Spin: up and down arrows beside an edit (its buddy). ScrollBar: a vertical
// scroll bar. List: the owner-drawn list. Tab: a row of tabs (entries "\n"
// separated) over the area its pages take.
enum class FormControlKind {
    Title, Label, Unit, Edit, Number, ReadOnly, Combo, ComboEdit, Check, Radio, RadioGroup, Button,
    Group, GroupEnd, Spin, ScrollBar, List, Tab,
};

// One control of a form: its id (0 for a plain label), its kind, its cell in the
// grid of its form or group (controls of one cell follow each other), its text
// (a combo box's entries or a tab row's labels separated by "\n"), for edits
// and combo boxes a width in half-width characters, and the rows it spans.
struct CFormControl {
    UINT nID = 0;
    FormControlKind kind = FormControlKind::Label;
    int nRow = 0;
    int nCol = 0;
    int nColSpan = 1;
    const char* pszText = "";
    int nWidthChars = 0;
    int nRowSpan = 1;
};

// Further notification codes of the controls.
constexpr UINT CBN_KILLFOCUS = 4;
constexpr UINT CBN_DROPDOWN = 7;
constexpr UINT EN_CHANGE = 0x0300;
constexpr UINT UDN_DELTAPOS = 0x0722;
constexpr UINT TCN_SELCHANGE = 0x0551;

// Scroll codes of OnControlScroll.
constexpr UINT SB_LINEUP = 0;
constexpr UINT SB_LINEDOWN = 1;
constexpr UINT SB_PAGEUP = 2;
constexpr UINT SB_PAGEDOWN = 3;
constexpr UINT SB_THUMBPOSITION = 4;
constexpr UINT SB_THUMBTRACK = 5;
constexpr UINT SB_TOP = 6;
constexpr UINT SB_BOTTOM = 7;
constexpr UINT SB_ENDSCROLL = 8;

class CFormWidget : public QWidget, public CControlParent {
public:
    explicit CFormWidget(QWidget* pParent = nullptr);
    // The controls, deleted after this part of the form, notify it no more.
    ~CFormWidget() override;

    // Builds the controls of the table, in tab order.
    void CreateControls(std::span<const CFormControl> controls);

    QWidget* GetDlgItem(UINT nID) const;
    // Text of an edit, a label, a button, a group box or an editable combo box.
    CString GetDlgItemText(UINT nID) const;
    void SetDlgItemText(UINT nID, const CString& str);
    // Selection index of a combo box, -1 for none; an index outside the list selects nothing.
    int GetCurSel(UINT nID) const;
    void SetCurSel(UINT nID, int nIndex);
    // The entries of a combo box anew; the selection index is kept when it still exists.
    void SetComboEntries(UINT nID, const std::vector<CString>& entries);
    BOOL IsDlgButtonChecked(UINT nID) const;
    void CheckDlgButton(UINT nID, BOOL bCheck);
    // The checked radio button between the two ids, 0 when none.
    UINT GetCheckedRadioButton(UINT nFirstID, UINT nLastID) const;
    void CheckRadioButton(UINT nFirstID, UINT nLastID, UINT nCheckID);
    void ShowDlgItem(UINT nID, BOOL bShow);
    void EnableDlgItem(UINT nID, BOOL bEnable);
    // A read-only edit is also left out of the tab order.
    void SetReadOnly(UINT nID, BOOL bReadOnly);
    // Focus to the control; an edit gets its whole text selected.
    void GotoDlgCtrl(UINT nID);

    // Spin controls: the edit they step, their range and position.
    void SetSpinBuddy(UINT nSpinID, UINT nEditID);
    void SetSpinRange(UINT nSpinID, int nLower, int nUpper);
    void SetSpinPos(UINT nSpinID, int nPos);
    int GetSpinPos(UINT nSpinID) const;
    // Scroll bars.
    void SetScrollRange(UINT nID, int nMin, int nMax, int nPage = 1);
    void SetScrollPos(UINT nID, int nPos);
    int GetScrollPos(UINT nID) const;

protected:
    QGridLayout* m_pGrid;

private:
    struct CGridCells;
    QWidget* CreateControl(const CFormControl& control, QWidget* pParent);
    void ConnectNotify(QWidget* pWidget, const CFormControl& control);

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

// Shows prompt nPromptID with both bounds and fails the exchange; nothing
// while the exchange only loads.
void DDV_FailRange(CDataExchange* pDX, const CString& strMin, const CString& strMax, UINT nPromptID);
void DDV_LongRange(CDataExchange* pDX, long lValue, long lMin, long lMax);
// Bounds shown as the numbers they are.
void DDV_DoubleRange(CDataExchange* pDX, double dValue, double dMin, double dMax);
// Text length in bytes.
void DDV_MaxChars(CDataExchange* pDX, const CString& str, int nChars);
// Returns the edit's text as shown and writes it back without separators.
CString GetDlgItemTextNoComma(CFormWidget* pDlg, UINT nID);
// Reads an edit's text as a finite number, separators allowed; any other
// text fails the exchange with the parse prompt.
void DDX_TextNumber(CDataExchange* pDX, UINT nID, double& dValue);
// The same for a whole number.
void DDX_TextInt(CDataExchange* pDX, UINT nID, long& lValue);
void DDX_TextInt(CDataExchange* pDX, UINT nID, int& nValue);

// The whole text as a finite number (blanks around it allowed).
BOOL ParseNumber(const CString& str, double& dValue);
// The whole text as a whole number that fits a long.
BOOL ParseWholeNumber(const CString& str, long& lValue);
