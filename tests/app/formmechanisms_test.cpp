// The form kit's mechanisms on a small test form: number texts, value
// mappings, row templates, leaving rules, the changed flag of a store,
// control kinds, tab pages and dialogs.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/common/formdialog.h"
#include "app/common/formfields.h"
#include "app/common/formpages.h"
#include "app/common/numbertext.h"
#include "app/common/spinbutton.h"
#include "formtest.h"
#include "tests/support/render.h"

namespace {

using K = FormControlKind;
using F = FieldKind;

struct Line {
    double dAmount = 0;
    int nYears = 0;
};

struct Sample {
    double dRate = 0;
    int nCount = 0;
    long lBig = 0;
    int nCategory = 0;  // shown as the entry category - 1
    int bNoPrint = 0;   // a ticked box stores 0
    int nMethod = 0;    // radios 3, 7, 9
    Line aLines[3];
    int nFrom = 1;
    int nTo = 0;
};

const CFormControl kControls[] = {
    {0, K::Label, 0, 0, 1, "率："},
    {1, K::Number, 0, 1, 1, "", 10},
    {0, K::Unit, 0, 1, 1, "％"},
    {0, K::Label, 1, 0, 1, "件数："},
    {2, K::Number, 1, 1, 1, "", 10},
    {3, K::Number, 2, 1, 1, "", 14},
    {4, K::Combo, 3, 1, 1, "一\n二\n三"},
    {5, K::Check, 4, 1, 1, "印刷しない"},
    {6, K::RadioGroup, 5, 1, 1, "甲"},
    {7, K::Radio, 5, 1, 1, "乙"},
    {8, K::Radio, 5, 1, 1, "丙"},
    {30, K::Group, 6, 0, 3, "明細"},
    {0, K::Label, 0, 0, 1, "金額"},
    {0, K::Label, 0, 1, 1, "年数"},
    {100, K::Number, 1, 0, 1, "", 12},
    {101, K::Number, 1, 1, 1, "", 4},
    {102, K::Number, 2, 0, 1, "", 12},
    {103, K::Number, 2, 1, 1, "", 4},
    {104, K::Number, 3, 0, 1, "", 12},
    {105, K::Number, 3, 1, 1, "", 4},
    {0, K::GroupEnd},
    {40, K::Label, 7, 0, 1, "合計："},
    {41, K::ReadOnly, 7, 1, 1, "", 12},
    {50, K::Number, 8, 1, 1, "", 4},
    {51, K::Spin, 8, 1},
    {52, K::Number, 8, 2, 1, "", 4},
    {60, K::ComboEdit, 9, 1, 1, "", 20},
    {61, K::Button, 9, 2, 1, "設定"},
    {70, K::ScrollBar, 10, 2},
};

const int kMethodValues[] = {3, 7, 9};
const int kTickedStoresZero[] = {1, 0};

const CFormField<Sample> kFields[] = {
    {{.nID = 1, .kind = F::Number, .dMin = 0, .dMax = 100}, Member<&Sample::dRate>},
    {{.nID = 2, .kind = F::Integer, .dMin = 1, .dMax = 50, .style = NumberStyle::Count}, Member<&Sample::nCount>},
    {{.nID = 3, .kind = F::Integer}, Member<&Sample::lBig>},
    {{.nID = 4, .kind = F::Choice, .nOffset = 1}, Member<&Sample::nCategory>},
    {{.nID = 5, .kind = F::Check, .values = kTickedStoresZero}, Member<&Sample::bNoPrint>},
    {{.nID = 6, .kind = F::Radio, .nLastID = 8, .values = kMethodValues}, Member<&Sample::nMethod>},
    {{.nID = 100, .kind = F::Number}, Path<&Sample::aLines, kRow, &Line::dAmount>, 3, 2},
    {{.nID = 101, .kind = F::Integer, .style = NumberStyle::Count}, Path<&Sample::aLines, kRow, &Line::nYears>, 3, 2},
    {{.nID = 50, .kind = F::Integer}, Member<&Sample::nFrom>},
    {{.nID = 52, .kind = F::Integer, .nEmptyFromID = 50}, Member<&Sample::nTo>},
};
const CFormFields<Sample> kForm(kFields);

class SampleForm : public CFormWidget {
public:
    SampleForm() { CreateControls(kControls); }
    void OnControlNotify(UINT nID, UINT nCode) override
    {
        kForm.Notify(this, nID, nCode);
        notes.emplace_back(nID, nCode);
    }
    void OnControlScroll(UINT nID, UINT nCode, int nPos) override { scrolls.push_back({nID, nCode, nPos}); }

    std::vector<std::pair<UINT, UINT>> notes;
    struct Scroll {
        UINT nID, nCode;
        int nPos;
    };
    std::vector<Scroll> scrolls;
};

Sample Filled()
{
    Sample s;
    s.dRate = 12.5;
    s.nCount = 3;
    s.lBig = 3000000000L;
    s.nCategory = 2;
    s.bNoPrint = 0;
    s.nMethod = 9;
    s.aLines[0] = {1500000, 10};
    s.aLines[1] = {2.25, 20};
    s.aLines[2] = {0, 0};
    s.nFrom = 5;
    s.nTo = 30;
    return s;
}


} // namespace

// Texts that are no finite number get the parse prompt; a decimal field's
// range prompt says 数値 with its real bounds, a whole-number field's 整数.
TEST(FormMechanisms, NumberTextsAndTheirPrompts)
{
    const struct {
        UINT nID;
        const char* pszText;
        const char* pszPrompt;  // nullptr: accepted
    } cases[] = {
        {1, "50.5", nullptr},
        {1, "nan", "数値を入力してください。"},
        {1, "inf", "数値を入力してください。"},
        {1, "-inf", "数値を入力してください。"},
        {1, "1e400", "数値を入力してください。"},
        {1, "1e2", nullptr},
        {1, "0x10", "数値を入力してください。"},
        {1, "100.5", "0 から 100 までの数値を入力してください。"},
        {2, "12.5", "整数を入力してください。"},
        {2, "51", "1 から 50 までの整数を入力してください。"},
        {2, "1,2", nullptr},
        {3, "3,000,000,000", nullptr},
    };
    for (const auto& c : cases) {
        ScriptedMessageBoxes boxes;
        SampleForm form;
        ShowActive(&form);
        Sample s = Filled();
        kForm.Load(&form, s);
        form.SetDlgItemText(c.nID, c.pszText);
        EXPECT_EQ(kForm.Check(&form), c.pszPrompt == nullptr) << c.pszText;
        if (!c.pszPrompt) continue;
        ASSERT_EQ(boxes.m_texts.size(), 1u) << c.pszText;
        EXPECT_EQ(boxes.m_texts[0], c.pszPrompt) << c.pszText;
        EXPECT_EQ(GetDlgCtrlID(QApplication::focusWidget()), c.nID) << c.pszText;
    }
}

// Offsets, value tables and a box whose tick stores 0; nested rows by a
// template; whole numbers beyond int in a long.
TEST(FormMechanisms, MappingsRowsAndNestedRecords)
{
    SampleForm form;
    Sample in = Filled();
    kForm.Load(&form, in);
    EXPECT_EQ(form.GetCurSel(4), 1);  // category 2 is the second entry
    EXPECT_TRUE(form.IsDlgButtonChecked(5));
    EXPECT_EQ(form.GetCheckedRadioButton(6, 8), 8u);
    EXPECT_EQ(form.GetDlgItemText(100), "1,500,000");
    EXPECT_EQ(form.GetDlgItemText(102), "2.25");
    EXPECT_EQ(form.GetDlgItemText(103), "20");
    EXPECT_EQ(form.GetDlgItemText(3), "3,000,000,000");
    EXPECT_DOUBLE_EQ(FieldTotal(&form, std::vector<UINT>{100, 102, 104}), 1500002.25);

    Sample out;
    EXPECT_TRUE(kForm.Store(&form, out));
    EXPECT_EQ(out.nCategory, 2);
    EXPECT_EQ(out.bNoPrint, 0);
    EXPECT_EQ(out.nMethod, 9);
    EXPECT_EQ(out.aLines[0].dAmount, 1500000);
    EXPECT_EQ(out.aLines[1].nYears, 20);
    EXPECT_EQ(out.lBig, 3000000000L);

    form.CheckDlgButton(5, FALSE);
    form.SetCurSel(4, 2);
    form.CheckRadioButton(6, 8, 7);
    kForm.Store(&form, out);
    EXPECT_EQ(out.bNoPrint, 1);
    EXPECT_EQ(out.nCategory, 3);
    EXPECT_EQ(out.nMethod, 7);

    // A value that no entry maps to shows nothing and is kept.
    Sample odd = Filled();
    odd.nMethod = 4;
    odd.nCategory = 0;
    kForm.Load(&form, odd);
    EXPECT_EQ(form.GetCheckedRadioButton(6, 8), 0u);
    EXPECT_EQ(form.GetCurSel(4), -1);
    kForm.Store(&form, odd);
    EXPECT_EQ(odd.nMethod, 4);
    EXPECT_EQ(odd.nCategory, 0);
}

// A store that writes what the record holds already reports no change.
TEST(FormMechanisms, StoreReportsOnlyRealChanges)
{
    SampleForm form;
    Sample record = Filled();
    kForm.Load(&form, record);
    EXPECT_FALSE(kForm.Store(&form, record));
    form.SetDlgItemText(103, "21");
    EXPECT_TRUE(kForm.Store(&form, record));
    EXPECT_EQ(record.aLines[1].nYears, 21);
    EXPECT_FALSE(kForm.Store(&form, record));
}

// Leaving an edit: the count rule keeps what was typed, an empty one becomes
// 0 or the text of the field it defaults from; amounts get separators.
TEST(FormMechanisms, LeavingRules)
{
    SampleForm form;
    ShowActive(&form);
    const struct {
        UINT nID;
        const char* pszTyped;
        const char* pszShown;
    } cases[] = {
        {2, "", "0"},
        {2, "1,2", "1,2"},
        {101, "", "0"},
        {100, "1234567.5", "1,234,567.5"},
        {100, "", "0"},
        {50, "7", "7"},
        {52, "", "7"},
        {52, "12", "12"},
    };
    for (const auto& c : cases) {
        Leave(&form, c.nID, c.pszTyped);
        EXPECT_EQ(form.GetDlgItemText(c.nID), c.pszShown) << c.nID << " " << c.pszTyped;
    }
}

// Texts by id on every kind that shows one; the read-only edit is no tab
// stop; the spin steps its buddy within its range; scroll bars and combo
// boxes tell the form.
TEST(FormMechanisms, ControlKinds)
{
    SampleForm form;
    ShowActive(&form);
    form.SetDlgItemText(30, "明細（千円）");
    EXPECT_EQ(form.GetDlgItemText(30), "明細（千円）");
    form.SetDlgItemText(40, "総合計：");
    EXPECT_EQ(form.GetDlgItemText(40), "総合計：");
    form.SetDlgItemText(61, "詳細");
    EXPECT_EQ(form.GetDlgItemText(61), "詳細");
    EXPECT_EQ(form.GetDlgItem(41)->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(qobject_cast<QLineEdit*>(form.GetDlgItem(1))->alignment() & Qt::AlignRight, Qt::AlignRight);

    form.SetComboEntries(60, {"住宅", "店舗"});
    form.SetCurSel(60, 1);
    form.SetComboEntries(60, {"住宅A", "店舗B", "事務所"});
    EXPECT_EQ(form.GetCurSel(60), 1);
    EXPECT_EQ(form.GetDlgItemText(60), "店舗B");

    form.SetSpinBuddy(51, 50);
    form.SetSpinRange(51, 1, 50);
    form.SetSpinPos(51, 49);
    auto* spin = dynamic_cast<CSpinButton*>(form.GetDlgItem(51));
    ASSERT_NE(spin, nullptr);
    spin->Step(1);
    spin->Step(1);
    EXPECT_EQ(form.GetDlgItemText(50), "50");
    form.notes.clear();
    form.SetDlgItemText(50, "1");
    spin->Step(-1);
    EXPECT_EQ(form.GetDlgItemText(50), "1");
    EXPECT_NE(std::find(form.notes.begin(), form.notes.end(), std::make_pair(51u, UDN_DELTAPOS)), form.notes.end());
    EXPECT_NE(std::find(form.notes.begin(), form.notes.end(), std::make_pair(50u, EN_CHANGE)), form.notes.end());

    form.SetScrollRange(70, 0, 15, 5);
    form.SetScrollPos(70, 3);
    auto* bar = qobject_cast<QScrollBar*>(form.GetDlgItem(70));
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    ASSERT_EQ(form.scrolls.size(), 2u);
    EXPECT_EQ(form.scrolls[0].nCode, SB_PAGEDOWN);
    EXPECT_EQ(form.scrolls[0].nPos, 8);
    EXPECT_EQ(form.scrolls[1].nCode, SB_LINEUP);
    SaveArtifact(form.grab().toImage(), "form_mechanisms");
}

namespace {

// A page whose check refuses while its edit holds "bad".
class TestPage : public CFormPage {
public:
    explicit TestPage(int nPage, QWidget* pParent) : CFormPage(pParent), m_nPage(nPage)
    {
        static const CFormControl controls[] = {{0, K::Label, 0, 0, 1, "値："}, {500, K::Edit, 0, 1, 1, "", 10},
                                                {501, K::Edit, 1, 1, 1, "", 10}};
        CreateControls(controls);
    }
    BOOL CheckPage() override
    {
        ++m_nChecks;
        if (GetDlgItemText(500) != "bad") return TRUE;
        GotoDlgCtrl(500);
        return FALSE;
    }
    void SetPageData() override { ++m_nFills; }
    int m_nPage;
    int m_nChecks = 0;
    int m_nFills = 0;
};

class TabForm : public CFormWidget {
public:
    TabForm()
    {
        static const CFormControl controls[] = {{10, K::Tab, 0, 0, 2, "土地\n建物\n住宅"},
                                                {11, K::Edit, 1, 1, 1, "", 10}};
        CreateControls(controls);
        tab = dynamic_cast<CPageTabCtrl*>(GetDlgItem(10));
        pages = std::make_unique<CPageSet>(
            tab, [this](int nPage, QWidget* pParent) { made.push_back(nPage); return new TestPage(nPage, pParent); },
            [this] { ++changes; });
    }
    TestPage* Page(int n) const { return static_cast<TestPage*>(pages->Page(n)); }
    void Click(int nTab)
    {
        tab->TabBar()->setCurrentIndex(nTab);
        QApplication::processEvents();
    }

    CPageTabCtrl* tab;
    std::unique_ptr<CPageSet> pages;
    std::vector<int> made;
    int changes = 0;
};

} // namespace

// Pages are made on first show; a page that refuses keeps its tab; the
// check of every page visits only pages that exist and shows the refusing one.
TEST(FormMechanisms, TabPages)
{
    ScriptedMessageBoxes boxes;
    TabForm form;
    ShowActive(&form);
    form.pages->CreatePage();
    EXPECT_EQ(form.made, std::vector<int>{0});
    form.tab->SetItemText(2, "住宅部分");
    EXPECT_EQ(form.tab->GetItemText(2), "住宅部分");

    form.Click(2);
    EXPECT_EQ(form.made, (std::vector<int>{0, 2}));
    EXPECT_EQ(form.pages->GetCurPage(), 2);
    EXPECT_FALSE(form.Page(0)->isVisible());

    form.Page(2)->SetDlgItemText(500, "bad");
    form.Click(0);
    EXPECT_EQ(form.pages->GetCurPage(), 2) << "the refusing page stays";
    EXPECT_EQ(form.tab->GetCurSel(), 2);
    form.Page(2)->SetDlgItemText(500, "ok");
    form.Click(0);
    EXPECT_EQ(form.pages->GetCurPage(), 0);
    EXPECT_EQ(form.Page(0)->m_nFills, 1) << "a page shown again is filled again";
    EXPECT_EQ(form.made.size(), 2u);

    form.Page(2)->SetDlgItemText(500, "bad");
    EXPECT_FALSE(form.pages->CheckData(-1));
    EXPECT_EQ(form.pages->GetCurPage(), 2);
    EXPECT_EQ(form.tab->GetCurSel(), 2);
    EXPECT_TRUE(form.Page(2)->isVisible());
    EXPECT_FALSE(form.pages->CheckData(1)) << "a page never made fails its own check";
    EXPECT_EQ(form.made.size(), 2u);

    // Tab runs from the tab row into the page shown, then on past the tab control.
    form.Page(2)->SetDlgItemText(500, "ok");
    form.tab->TabBar()->setFocus();
    QApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.Page(2)->GetDlgItem(500));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.GetDlgItem(11));
}

namespace {

class TestDialog : public CFormDialog {
public:
    TestDialog()
    {
        static const CFormControl controls[] = {{0, K::Label, 0, 0, 1, "値："},
                                                {600, K::Edit, 0, 1, 1, "", 10},
                                                {IDOK, K::Button, 1, 1, 1, "OK"},
                                                {IDCANCEL, K::Button, 1, 1, 1, "ｷｬﾝｾﾙ"}};
        CreateControls(controls);
    }
    BOOL OnInitDialog() override
    {
        SetDlgItemText(600, "初期");
        return TRUE;
    }
    // OK only with a value.
    void OnOK() override
    {
        if (!GetDlgItemText(600).IsEmpty()) EndDialog(IDOK);
    }
};

int RunWith(TestDialog& dlg, const std::function<void()>& act)
{
    QTimer::singleShot(0, act);
    return dlg.DoModal();
}

} // namespace

TEST(FormMechanisms, Dialogs)
{
    TestDialog dlg;
    EXPECT_EQ(RunWith(dlg, [&] { static_cast<QPushButton*>(dlg.GetDlgItem(IDOK))->click(); }), IDOK);
    EXPECT_EQ(dlg.GetDlgItemText(600), "初期");
    EXPECT_EQ(RunWith(dlg,
                      [&] {
                          dlg.SetDlgItemText(600, "");
                          static_cast<QPushButton*>(dlg.GetDlgItem(IDOK))->click();
                          EXPECT_TRUE(dlg.IsModalRunning()) << "OK refused";
                          QTest::keyClick(&dlg, Qt::Key_Escape);
                      }),
              IDCANCEL);
    EXPECT_FALSE(dlg.isVisible());
}
