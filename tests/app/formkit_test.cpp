#include <QLineEdit>
#include <gtest/gtest.h>

#include "app/common/formfields.h"
#include "app/common/numbertext.h"
#include "formtest.h"

namespace {

struct Sample {
    CString strName;
    double dAmount = 0;
    double dPercent = 0;
    int nChoice = 0;
    int nRadio = 0;
    int bCheck = 0;
};

using K = FormControlKind;
const CFormControl kControls[] = {
    {1, K::Edit, 0, 1},
    {2, K::Edit, 1, 1},
    {3, K::Edit, 2, 1},
    {4, K::Combo, 3, 1, 1, "a\nb\nc"},
    {5, K::Radio, 4, 1, 1, "x"},
    {6, K::Radio, 4, 1, 1, "y"},
    {7, K::Check, 5, 1, 1, "z"},
};

// The percent field carries the screens' own message: it is checked after
// the framework's checks of every field, whatever its place in the table.
const CFormField<Sample> kFields[] = {
    {{.nID = 3, .kind = FieldKind::Number, .dMin = 0, .dMax = 100, .nMessageID = 10013}, Member<&Sample::dPercent>},
    {{.nID = 1, .kind = FieldKind::Text, .nMaxChars = 10}, Member<&Sample::strName>},
    {{.nID = 2, .kind = FieldKind::Number, .dMin = -1000, .dMax = 999999}, Member<&Sample::dAmount>},
    {{.nID = 4, .kind = FieldKind::Choice}, Member<&Sample::nChoice>},
    {{.nID = 5, .kind = FieldKind::Radio, .nLastID = 6}, Member<&Sample::nRadio>},
    {{.nID = 7, .kind = FieldKind::Check}, Member<&Sample::bCheck>},
};
const CFormFields<Sample> kForm(kFields);

class SampleForm : public CFormWidget {
public:
    SampleForm() { CreateControls(kControls); }
    void OnControlNotify(UINT nID, UINT nCode) override { kForm.Notify(this, nID, nCode); }
};

} // namespace

TEST(FormKit, LoadAndStoreThroughTheFieldTable)
{
    SampleForm form;
    Sample in{"名前", 1234567.5, 12.5, 2, 1, 1};
    kForm.Load(&form, in);
    EXPECT_EQ(form.GetDlgItemText(1), "名前");
    EXPECT_EQ(form.GetDlgItemText(2), "1,234,567.5");
    EXPECT_EQ(form.GetCurSel(4), 2);
    EXPECT_EQ(form.GetCheckedRadioButton(5, 6), 6u);
    EXPECT_TRUE(form.IsDlgButtonChecked(7));

    Sample out;
    kForm.Store(&form, out);
    EXPECT_EQ(out.strName, "名前");
    EXPECT_DOUBLE_EQ(out.dAmount, 1234567.5);
    EXPECT_DOUBLE_EQ(out.dPercent, 12.5);
    EXPECT_EQ(out.nChoice, 2);
    EXPECT_EQ(out.nRadio, 1);
    EXPECT_EQ(out.bCheck, 1);
}

// Values outside a box's list show no selection and are kept on store, not
// turned into -1.
TEST(FormKit, ValuesOutsideTheListsAreKept)
{
    SampleForm form;
    Sample in{"", 0, 0, 7, 5, 2};
    kForm.Load(&form, in);
    EXPECT_EQ(form.GetCurSel(4), -1);
    EXPECT_EQ(form.GetCheckedRadioButton(5, 6), 0u);
    EXPECT_FALSE(form.IsDlgButtonChecked(7));
    kForm.Store(&form, in);
    EXPECT_EQ(in.nChoice, 7);
    EXPECT_EQ(in.nRadio, 5);
    EXPECT_EQ(in.bCheck, 0);
}

TEST(FormKit, ChecksInOrderWithTheirMessages)
{
    const struct {
        const char* pszName;
        const char* pszAmount;
        const char* pszPercent;
        const char* pszMessage;  // nullptr: accepted
        UINT nType;
        UINT nFocus;
    } cases[] = {
        {"abc", "1,000", "50", nullptr, 0, 0},
        {"abc", "1,000", "100.5", "0 ～ 100の数値を入力してください。", MB_ICONSTOP, 3},
        {"abc", "1,000,000", "100.5", "-1000 から 999999 までの数値を入力してください。", MB_ICONEXCLAMATION, 2},
        {"abc", "", "50", "数値を入力してください。", MB_ICONEXCLAMATION, 2},
        {"全角六文字分", "1", "50", "半角10文字（全角ではその半分）以内で入力してください。", MB_ICONEXCLAMATION, 1},
    };
    for (const auto& c : cases) {
        ScriptedMessageBoxes boxes;
        SampleForm form;
        ShowActive(&form);
        form.SetDlgItemText(1, c.pszName);
        form.SetDlgItemText(2, c.pszAmount);
        form.SetDlgItemText(3, c.pszPercent);
        EXPECT_EQ(kForm.Check(&form), c.pszMessage == nullptr) << c.pszAmount << " " << c.pszPercent;
        if (!c.pszMessage) {
            EXPECT_TRUE(boxes.m_texts.empty());
            continue;
        }
        ASSERT_EQ(boxes.m_texts.size(), 1u);
        EXPECT_EQ(boxes.m_texts[0], c.pszMessage);
        EXPECT_EQ(boxes.m_types[0], c.nType);
        EXPECT_EQ(GetDlgCtrlID(QApplication::focusWidget()), c.nFocus);
        EXPECT_EQ(form.GetDlgItemText(2), c.pszAmount) << "the shown text stays";
    }
}

// Number fields: separators back on leaving, an empty text becomes the default.
TEST(FormKit, NumberFieldLeavingTheEdit)
{
    SampleForm form;
    ShowActive(&form);
    const struct {
        const char* pszTyped;
        const char* pszShown;
    } cases[] = {{"", "0"}, {"1234567", "1,234,567"}, {"12,34", "1,234"}, {"-5000.25", "-5,000.25"}};
    for (const auto& c : cases) {
        Focus(form.GetDlgItem(2));
        form.SetDlgItemText(2, c.pszTyped);
        Focus(form.GetDlgItem(1));
        EXPECT_EQ(form.GetDlgItemText(2), c.pszShown) << c.pszTyped;
    }
    EXPECT_EQ(GetDlgItemTextNoComma(&form, 2), "-5,000.25");
    EXPECT_EQ(form.GetDlgItemText(2), "-5000.25");
}

// Name fields open the input method, number fields close it.
TEST(FormKit, InputMethodFollowsTheField)
{
    SampleForm form;
    ShowActive(&form);
    Focus(form.GetDlgItem(1));
    EXPECT_TRUE(form.GetDlgItem(1)->testAttribute(Qt::WA_InputMethodEnabled));
    Focus(form.GetDlgItem(2));
    EXPECT_FALSE(form.GetDlgItem(1)->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_FALSE(form.GetDlgItem(2)->testAttribute(Qt::WA_InputMethodEnabled));
}
