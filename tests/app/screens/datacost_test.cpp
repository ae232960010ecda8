#include <QTabBar>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "app/data/dataexpensepages.h"
#include "app/data/dataexpenseview.h"
#include "app/data/dataloanview.h"
#include "option/optionbusiness.h"
#include "option/optionmanage.h"
#include "platform/resource.h"
#include "result/calc/calcseries.h"
#include "../screentest.h"

namespace {

constexpr UINT IDC_INPUT_METHOD = 10000;
constexpr UINT IDC_COST_KIND = 10001;
constexpr UINT IDC_COST = 10002;
constexpr UINT IDC_BOOK_VALUE = 10004;
constexpr UINT IDC_ACCOUNTING = 10005;
constexpr UINT IDC_PAYMENT = 10006;
constexpr UINT IDC_COMPRESSION = 1287;
constexpr UINT IDC_TSUBO_PRINT = 1457;
constexpr UINT kAmountIDs[] = {10010, 10014, 10018, 10023, 10028, 10033};
constexpr UINT IDC_TOTAL = 1156;
// Capital expenditure k: year, amount, item, source, loan button.
constexpr UINT PayYearID(int k) { return 10000 + 4 * UINT(k); }
constexpr UINT PayAmountID(int k) { return 10001 + 4 * UINT(k); }
constexpr UINT PayItemID(int k) { return 10002 + 4 * UINT(k); }
constexpr UINT PaySourceID(int k) { return 10003 + 4 * UINT(k); }
constexpr UINT LoanButtonID(int k) { return 1020 + UINT(k); }
constexpr int kLoanSource = 1;

// The construction-cost window over the sample: ratio input of 504,000
// thousand yen, the main building 80 % over 47 years, the equipment 20 % over 15.
class DataExpenseTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        OpenWindow();
    }
    void OpenWindow()
    {
        Open(20002);
        m_view = ActiveViewAs<CDataExpenseView>();
        ASSERT_NE(m_view, nullptr);
        Pump();
    }
    void ShowTab(int nTab)
    {
        m_view->TabCtrl()->TabBar()->setCurrentIndex(nTab);
        Pump();
    }
    CFormPage* DepreciationPage() const { return m_view->Page(0); }
    CFormPage* CapitalPage()
    {
        ShowTab(1);
        return m_view->Page(1);
    }
    // A capital expenditure typed on its page.
    void TypePay(int k, const char* pszYear, const char* pszAmount, int nSource)
    {
        CFormPage* page = CapitalPage();
        Type(page, PayYearID(k), pszYear);
        Type(page, PayAmountID(k), pszAmount);
        Choose(page, PaySourceID(k), nSource);
    }
    // Clicks the loan button of expenditure k; steps act in the dialog and
    // return whether they ended it, else it is cancelled.
    void RunLoanButton(int k, const std::function<bool(CFormDialog&)>& steps)
    {
        QTimer::singleShot(0, [&] {
            auto* dlg = dynamic_cast<CFormDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            if (!steps(*dlg)) dlg->EndDialog(IDCANCEL);
        });
        Click(m_view->Page(1), LoanButtonID(k));
    }
    std::vector<CString> Messages() const { return m_boxes.m_texts; }
    CDataExpenseClass& Record() const { return *m_pDoc->GetDataExpense(); }
    CDataLoanClass& Loan(int nIndex) const { return m_pDoc->GetDataSupply()->m_aLoan[nIndex]; }

    CDataExpenseView* m_view = nullptr;
};

TEST_F(DataExpenseTest, OpensWithTheSampleOnBothPages)
{
    EXPECT_EQ(Caption(), m_pDoc->GetTitle() + "－工事費");
    EXPECT_EQ(FocusedId(), IDC_INPUT_METHOD);
    EXPECT_EQ(m_view->TabCtrl()->GetItemText(0), "工事費・減価償却");
    EXPECT_EQ(m_view->TabCtrl()->GetItemText(1), "資本的支出");
    EXPECT_EQ(m_view->GetCurSel(IDC_INPUT_METHOD), 1);
    EXPECT_EQ(m_view->GetDlgItemText(IDC_COST), "504,000");
    EXPECT_FALSE(m_view->GetDlgItem(IDC_COST)->isHidden());
    EXPECT_TRUE(m_view->GetDlgItem(IDC_BOOK_VALUE)->isHidden());
    CFormPage* page = DepreciationPage();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetDlgItemText(1019), "本体");
    EXPECT_EQ(page->GetDlgItemText(10010), "80");
    EXPECT_EQ(page->GetDlgItemText(10011), "47");
    EXPECT_EQ(page->GetDlgItemText(1151), "割合");
    EXPECT_EQ(page->GetDlgItemText(20042), "％");
    EXPECT_EQ(page->GetDlgItemText(IDC_TOTAL), "100");
    Shot("screen_expense");
    CFormPage* capital = CapitalPage();
    ASSERT_NE(capital, nullptr);
    EXPECT_TRUE(capital->GetDlgItem(LoanButtonID(0))->isHidden());
    Choose(capital, PaySourceID(0), kLoanSource);
    EXPECT_FALSE(capital->GetDlgItem(LoanButtonID(0))->isHidden());
    EXPECT_TRUE(capital->GetDlgItem(LoanButtonID(1))->isHidden());
    Shot("screen_expense_capital");
}

// Each depreciation row stores its name, amount, life, method, extra
// depreciation and disposal year; the other items' names go to the options.
TEST_F(DataExpenseTest, DepreciationRowsStore)
{
    const struct {
        int nRow;
        UINT nName, nAmount, nLife, nMethod, nExtra, nRetire;
        const char* pszName;
        double dAmount;  // shares summing to 100 with the rows before
    } rows[] = {
        {0, 1019, 10010, 10011, 10012, 1288, 1463, "建物本体", 60},
        {1, 1020, 10014, 10015, 10016, 1289, 1464, "建物附属設備", 15},
        {2, 10022, 10018, 10019, 10020, 1290, 1465, "構築物", 10},
        {3, 10027, 10023, 10024, 10025, 1291, 1466, "機械装置", 5},
        {4, 10032, 10028, 10029, 10030, 1292, 1467, "器具備品", 5},
        {5, 10037, 10033, 10034, 10035, 1293, 1468, "外構", 5},
    };
    CFormPage* page = DepreciationPage();
    for (const auto& r : rows) {
        Type(page, r.nName, r.pszName);
        Type(page, r.nAmount, ::FormatNumber(-1, r.dAmount, TRUE));
        Type(page, r.nLife, CString(std::to_string(10 + r.nRow).c_str()));
        Choose(page, r.nMethod, r.nRow % 2);
        if (r.nRow % 2) Click(page, r.nExtra);
        Type(page, r.nRetire, "");
        EXPECT_EQ(page->GetDlgItemText(r.nRetire), "0") << r.nRow;
        Type(page, r.nRetire, CString(std::to_string(20 + r.nRow).c_str()));
    }
    EXPECT_EQ(page->GetDlgItemText(IDC_TOTAL), "100");
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(ActiveViewAs<CDataExpenseView>(), nullptr) << "the window closed";
    EXPECT_TRUE(m_pDoc->m_abDataModified[2]);
    for (const auto& r : rows) {
        const CDataDepreciationClass& item = Record().m_aDepreciation[r.nRow];
        EXPECT_EQ(item.m_strName, r.pszName) << r.nRow;
        EXPECT_EQ(item.dAmount, r.dAmount) << r.nRow;
        EXPECT_EQ(item.nLife, 10 + r.nRow) << r.nRow;
        EXPECT_EQ(item.nMethod, r.nRow % 2) << r.nRow;
        EXPECT_EQ(item.nExtra, r.nRow % 2) << r.nRow;
        EXPECT_EQ(item.nRetireYear, 20 + r.nRow) << r.nRow;
        if (r.nRow >= 2) {
            EXPECT_EQ(m_pDoc->GetOptionBusinessRate()->m_astrAmortizeName[r.nRow - 2], r.pszName);
            EXPECT_EQ(m_pDoc->GetOptionOtherManage()->m_astrAmortizeName[r.nRow - 2], r.pszName);
        }
    }
    EXPECT_EQ(Record().m_objConstructionCost.nInputMethod, 2);
    EXPECT_EQ(Record().m_objConstructionCost.dAmount, 504000);
}

TEST_F(DataExpenseTest, UnchangedStoreMarksNothing)
{
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(ActiveViewAs<CDataExpenseView>(), nullptr);
    for (const BOOL bEdited : m_pDoc->m_abDataModified) EXPECT_FALSE(bEdited);
    for (const BOOL bEdited : m_pDoc->m_abOptionModified) EXPECT_FALSE(bEdited);
}

// Shares: each 0-100 (10015), together at most 100 (10016); amounts have no range.
TEST_F(DataExpenseTest, ShareMessages)
{
    const struct {
        const char* name;
        int nMethod;
        std::vector<const char*> values;  // rows 1-6
        UINT nMessage;                     // 0: stored
        UINT nFocus;
    } cases[] = {
        {"40, 30, 30", 1, {"40", "30", "30", "0", "0", "0"}, 0, 0},
        {"40, 30, 31", 1, {"40", "30", "31", "0", "0", "0"}, 10016, kAmountIDs[0]},
        {"a share above 100", 1, {"0", "0", "120", "0", "0", "0"}, 10015, kAmountIDs[2]},
        {"a negative share", 1, {"50", "-1", "0", "0", "0", "0"}, 10015, kAmountIDs[1]},
        {"tenths adding up to 100", 1, {"2.3", "27.4", "13.0", "52.2", "2.7", "2.4"}, 0, 0},
        {"amounts beyond 100", 0, {"400,000", "-5", "120", "0", "0", "0"}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenWindow();
        m_boxes.m_texts.clear();
        Choose(m_view, IDC_INPUT_METHOD, c.nMethod);
        for (int i = 0; i < 6; ++i) Type(DepreciationPage(), kAmountIDs[i], c.values[size_t(i)]);
        Toolbar(ID_DATA_SAVE);
        if (c.nMessage == 0) {
            EXPECT_TRUE(Messages().empty());
            EXPECT_EQ(ActiveViewAs<CDataExpenseView>(), nullptr);
            EXPECT_EQ(Record().m_aDepreciation[2].dAmount, CommaStrToDouble(c.values[2]));
            continue;
        }
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0], LoadText(c.nMessage));
        EXPECT_EQ(m_boxes.m_types[0] & MB_ICONSTOP, UINT(MB_ICONSTOP));
        EXPECT_EQ(FocusedId(), c.nFocus);
        EXPECT_EQ(ActiveViewAs<CDataExpenseView>(), m_view) << "the window stays";
        // Leaving the page is refused as well.
        m_boxes.m_texts.clear();
        ShowTab(1);
        EXPECT_EQ(m_view->GetCurPage(), 0);
        EXPECT_EQ(Messages().size(), 1u);
        Toolbar(ID_DATA_CANCEL);
    }
    EXPECT_EQ(LoadText(10015), " 0 ～ 100の数値を入力してください。");
    EXPECT_EQ(LoadText(10016), "各工事費割合の合計が 100％を超えています。工事費割合の合計は 100になるように設定してください。");
}

// Each input method shows its own column of amounts; the column not stored starts at 0.
TEST_F(DataExpenseTest, InputMethodColumns)
{
    CFormPage* page = DepreciationPage();
    Choose(m_view, IDC_INPUT_METHOD, 0);
    EXPECT_EQ(page->GetDlgItemText(1151), "金額");
    EXPECT_EQ(page->GetDlgItemText(20042), "千円");
    EXPECT_EQ(page->GetDlgItemText(1157), "千円");
    EXPECT_EQ(page->GetDlgItemText(kAmountIDs[0]), "0");
    EXPECT_TRUE(m_view->GetDlgItem(IDC_COST)->isHidden());
    EXPECT_TRUE(m_view->GetDlgItem(IDC_COMPRESSION)->isHidden());
    Type(page, kAmountIDs[0], "300000");
    EXPECT_EQ(page->GetDlgItemText(kAmountIDs[0]), "300,000");
    EXPECT_EQ(page->GetDlgItemText(IDC_TOTAL), "300,000");
    Choose(m_view, IDC_INPUT_METHOD, 1);
    EXPECT_EQ(page->GetDlgItemText(kAmountIDs[0]), "80");
    EXPECT_EQ(page->GetDlgItemText(kAmountIDs[1]), "20");
    // Switched while the page is hidden: its check and the store take the new column.
    ShowTab(1);
    Choose(m_view, IDC_INPUT_METHOD, 0);
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(Record().m_objConstructionCost.nInputMethod, 0);
    EXPECT_EQ(Record().m_aDepreciation[0].dAmount, 300000);
    EXPECT_EQ(Record().m_aDepreciation[1].dAmount, 0);
    EXPECT_EQ(Record().m_objConstructionCost.dAmount, 504000) << "the hidden cost is kept";
}

// The total or per-tsubo cost each keeps what was typed for it.
TEST_F(DataExpenseTest, CostPerTsubo)
{
    Choose(m_view, IDC_COST_KIND, 1);
    EXPECT_EQ(m_view->GetDlgItemText(IDC_COST), "0");
    Type(m_view, IDC_COST, "1250.5");
    EXPECT_EQ(m_view->GetDlgItemText(IDC_COST), "1,250.5");
    Choose(m_view, IDC_COST_KIND, 0);
    EXPECT_EQ(m_view->GetDlgItemText(IDC_COST), "504,000");
    Choose(m_view, IDC_COST_KIND, 1);
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(Record().m_objConstructionCost.nInputMethod, 3);
    EXPECT_EQ(Record().m_objConstructionCost.dAmount, 1250.5);
}

// The book value shows only for ratio input with a compression entry.
TEST_F(DataExpenseTest, CompressionBookValue)
{
    const auto shown = [this] { return !m_view->GetDlgItem(IDC_BOOK_VALUE)->isHidden(); };
    EXPECT_FALSE(shown());
    Click(m_view, IDC_COMPRESSION);
    EXPECT_TRUE(shown());
    Choose(m_view, IDC_INPUT_METHOD, 0);
    EXPECT_FALSE(shown());
    Choose(m_view, IDC_INPUT_METHOD, 1);
    EXPECT_TRUE(shown());
    Type(m_view, IDC_BOOK_VALUE, "");
    EXPECT_EQ(m_view->GetDlgItemText(IDC_BOOK_VALUE), "0");
    Type(m_view, IDC_BOOK_VALUE, "400000");
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(Record().m_objCompression.nCompression, 1);
    EXPECT_EQ(Record().m_objCompression.dBookValue, 400000);
}

// Accounting 0 shows the building's book value and is stored as 1; a value a
// box does not list is kept, not turned into -1.
TEST_F(DataExpenseTest, ChoicesOutsideTheirLists)
{
    Toolbar(ID_DATA_CANCEL);
    CDataExpenseClass& record = Record();
    record.m_objConstructionCost.nAccounting = 0;
    record.m_objConstructionCost.nPayment = 7;
    record.m_objConstructionCost.nInputMethod = 5;
    record.m_aDepreciation[1].nMethod = 4;
    record.m_aCapitalPay[1].nItem = 9;
    record.m_aCapitalPay[1].nSource = 6;
    OpenWindow();
    EXPECT_EQ(m_view->GetCurSel(IDC_ACCOUNTING), 0);
    EXPECT_EQ(m_view->GetCurSel(IDC_PAYMENT), -1);
    EXPECT_EQ(m_view->GetCurSel(IDC_COST_KIND), -1);
    EXPECT_EQ(DepreciationPage()->GetCurSel(10016), -1);
    EXPECT_EQ(CapitalPage()->GetCurSel(PayItemID(1)), -1);
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(ActiveViewAs<CDataExpenseView>(), nullptr);
    EXPECT_EQ(record.m_objConstructionCost.nAccounting, 1);
    EXPECT_EQ(record.m_objConstructionCost.nPayment, 7);
    EXPECT_EQ(record.m_objConstructionCost.nInputMethod, 5);
    EXPECT_EQ(record.m_aDepreciation[1].nMethod, 4);
    EXPECT_EQ(record.m_aCapitalPay[1].nItem, 9);
    EXPECT_EQ(record.m_aCapitalPay[1].nSource, 6);
}

// The price-per-tsubo flag and the proration boxes go to the document at
// once: a cancel of the window keeps them, and their sheets are marked edited.
TEST_F(DataExpenseTest, AtOnceWrites)
{
    Click(DepreciationPage(), 1295);
    Click(m_view, IDC_TSUBO_PRINT);
    ShowTab(1);
    EXPECT_EQ(m_pDoc->GetOptionOtherManage()->m_anProrate[1], 1);
    EXPECT_EQ(m_pDoc->GetOptionOtherManage()->m_anProrate[0], 0);
    EXPECT_TRUE(m_pDoc->m_abOptionModified[6]);
    Type(CapitalPage(), PayYearID(0), "4");
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(m_pDoc->GetDataBasic()->bNoTsuboPricePrint, 1);
    EXPECT_TRUE(m_pDoc->m_abDataModified[0]);
    OpenWindow();
    EXPECT_FALSE(m_view->IsDlgButtonChecked(IDC_TSUBO_PRINT));
    EXPECT_FALSE(DepreciationPage()->IsDlgButtonChecked(1295));
    EXPECT_TRUE(DepreciationPage()->IsDlgButtonChecked(1294));
}

// Names typed on the depreciation page label the items of the capital page.
TEST_F(DataExpenseTest, ItemNamesReachTheCapitalPage)
{
    Type(DepreciationPage(), 10022, "駐車場");
    CFormPage* capital = CapitalPage();
    auto* combo = qobject_cast<QComboBox*>(capital->GetDlgItem(PayItemID(0)));
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 6);
    EXPECT_EQ(FromQString(combo->itemText(2)), "駐車場");
    EXPECT_EQ(FromQString(combo->itemText(3)), "") << "an empty name stays empty";
    Choose(capital, PayItemID(0), 2);
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(Record().m_aCapitalPay[0].nItem, 2);
}

// A capital expenditure paid by a loan makes loan 7 or 8 carry it; another
// source clears a linked loan, and leaves an unlinked one as it is.
TEST_F(DataExpenseTest, CapitalExpenditureLoans)
{
    const struct {
        const char* name;
        const char* pszYear;
        const char* pszAmount;
        int nSource;
        double dLoanAmount;
        int nLoanYear;
    } cases[] = {
        {"by loan", "5", "1,000", kLoanSource, 1000, 5},
        {"a new amount", "5", "1500", kLoanSource, 1500, 5},
        {"from business income", "5", "1500", 0, 0, 0},
        {"by loan without a year", "0", "1500", kLoanSource, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const int k : {0, 1}) TypePay(k, c.pszYear, c.pszAmount, c.nSource);
        Toolbar(ID_DATA_SAVE);
        for (const int k : {0, 1}) {
            EXPECT_EQ(Loan(6 + k).dAmount, c.dLoanAmount);
            EXPECT_EQ(Loan(6 + k).m_nCapitalPayYear, c.nLoanYear);
        }
        EXPECT_EQ(Record().m_aCapitalPay[0].nSource, c.nSource);
        OpenWindow();
    }
    // A loan the funding window set without a capital year stays as it is.
    Loan(7).dAmount = 700;
    TypePay(1, "3", "900", 2);
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(Loan(7).dAmount, 700);
    EXPECT_EQ(Loan(7).m_nCapitalPayYear, 0);
}

// The loan button links the loan at once and edits it in the funding
// window's dialog; OK brings the loan's amount back to the expenditure.
TEST_F(DataExpenseTest, LoanDetailFromTheCapitalPage)
{
    // A refused field opens no dialog.
    TypePay(0, "3", "abc", kLoanSource);
    EXPECT_FALSE(ClickOpensDialog(m_view->Page(1), LoanButtonID(0)));
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_EQ(FocusedId(), PayAmountID(0));
    Type(m_view->Page(1), PayAmountID(0), "2000");
    bool bLocked = false;
    CString strTitle;
    RunLoanButton(0, [&](CFormDialog& dlg) {
        strTitle = FromQString(dlg.windowTitle());
        auto* amount = qobject_cast<QLineEdit*>(dlg.GetDlgItem(10043));
        bLocked = amount && amount->isReadOnly();
        EXPECT_EQ(dlg.GetDlgItemText(10043), "2,000");
        Type(&dlg, 10001, "10");
        Type(&dlg, 10003, "1.5");
        SaveArtifact(dlg.grab().toImage(), "dialog_expense_loandetail");
        Click(&dlg, IDOK);
        return true;
    });
    EXPECT_EQ(strTitle, "借入金－７");
    EXPECT_TRUE(bLocked) << "the amount follows the expenditure";
    EXPECT_EQ(Loan(6).dAmount, 2000);
    EXPECT_EQ(Loan(6).m_nCapitalPayYear, 3);
    EXPECT_EQ(Loan(6).m_aRepay[1].dRate, 1.5);
    EXPECT_TRUE(m_pDoc->m_abDataModified[5]);
    // Unlinked (no amount yet): the dialog sets the amount, the typed year stays.
    TypePay(1, "6", "0", kLoanSource);
    RunLoanButton(1, [&](CFormDialog& dlg) {
        Type(&dlg, 10043, "800");
        Type(&dlg, 10001, "10");
        Click(&dlg, IDOK);
        return true;
    });
    CFormPage* capital = m_view->Page(1);
    EXPECT_EQ(capital->GetDlgItemText(PayAmountID(1)), "800");
    EXPECT_EQ(capital->GetDlgItemText(PayYearID(1)), "6");
    // The loans stay written when the window is cancelled.
    Toolbar(ID_DATA_CANCEL);
    EXPECT_EQ(Loan(6).m_aRepay[1].dRate, 1.5);
    EXPECT_EQ(Loan(7).dAmount, 800);
    EXPECT_EQ(Record().m_aCapitalPay[0].dAmount, 0);
}

// The funding window open at the same time: the store of either keeps what
// the other stored.
TEST_F(DataExpenseTest, FundingWindowOpenMeanwhile)
{
    Open(20005);
    auto* funding = ActiveViewAs<CDataLoanView>();
    ASSERT_NE(funding, nullptr);
    Type(funding, 10030, "12,345");
    // Loan 8 edited in the funding window's dialog, not stored yet.
    QTimer::singleShot(0, &funding->LoanDetailDlg(), [this, funding] {
        CLoanDetailDlg& dlg = funding->LoanDetailDlg();
        Type(&dlg, 10043, "700");
        Type(&dlg, 10001, "10");
        Click(&dlg, IDOK);
        if (!Messages().empty()) dlg.EndDialog(IDCANCEL);
    });
    Click(funding, 1035);
    EXPECT_TRUE(Messages().empty());

    Open(20002);
    m_view = ActiveViewAs<CDataExpenseView>();
    ASSERT_NE(m_view, nullptr);
    TypePay(0, "5", "1000", kLoanSource);
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(Loan(6).dAmount, 1000);
    EXPECT_EQ(Loan(6).m_nCapitalPayYear, 5);

    Open(20005);
    ASSERT_EQ(ActiveViewAs<CDataLoanView>(), funding);
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(m_pDoc->GetDataSupply()->m_objFund.dOwnFund, 12345);
    EXPECT_EQ(Loan(7).dAmount, 700);
    EXPECT_EQ(Loan(6).dAmount, 1000) << "the funding store keeps the linked loan";
    EXPECT_EQ(Loan(6).m_nCapitalPayYear, 5);

    // The other way: the expenditure's store leaves loan 8 of the funding window.
    OpenWindow();
    TypePay(0, "5", "1200", kLoanSource);
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(Loan(6).dAmount, 1200);
    EXPECT_EQ(Loan(7).dAmount, 700);
}

// Reload re-reads the working copy and every page made, dropping the edits.
TEST_F(DataExpenseTest, ReloadRereadsEveryPage)
{
    Type(DepreciationPage(), 10011, "30");
    TypePay(0, "9", "99", 2);
    Type(m_view, IDC_COST, "1");
    CDataExpenseClass& record = Record();
    record.m_objConstructionCost.dAmount = 480000;
    record.m_aDepreciation[0].dAmount = 70;
    record.m_aDepreciation[1].dAmount = 30;
    record.m_aCapitalPay[0].nYear = 2;
    m_view->ReloadData();
    EXPECT_EQ(m_view->GetDlgItemText(IDC_COST), "480,000");
    EXPECT_EQ(m_view->Page(1)->GetDlgItemText(PayYearID(0)), "2");
    EXPECT_EQ(m_view->Page(1)->GetDlgItemText(PayAmountID(0)), "0");
    ShowTab(0);
    EXPECT_EQ(DepreciationPage()->GetDlgItemText(10011), "47");
    EXPECT_EQ(DepreciationPage()->GetDlgItemText(kAmountIDs[0]), "70");
    EXPECT_EQ(DepreciationPage()->GetDlgItemText(IDC_TOTAL), "100");
}

// Through the menu command: the construction cost and the shares move the
// cost total and the main building's depreciable base of the calculation.
TEST_F(DataExpenseTest, CostReachesTheCalculation)
{
    Toolbar(ID_DATA_CANCEL);
    Calculate();
    const auto base = [this] {
        const auto* item = SeriesItem<CDepreciationMoneyClass>(m_pDoc->m_objCalc.m_apDepreciationArray[0], 0);
        return item ? item->m_dBookValue : -1.0;
    };
    EXPECT_EQ(m_pDoc->m_objCalc.m_dConstructionCost, 504000);
    const double dBase = base();
    OpenWindow();
    Type(m_view, IDC_COST, "600,000");
    Type(DepreciationPage(), kAmountIDs[0], "60");
    Type(DepreciationPage(), kAmountIDs[1], "40");
    Toolbar(ID_DATA_SAVE);
    Calculate();
    EXPECT_EQ(m_pDoc->m_objCalc.m_dConstructionCost, 600000);
    EXPECT_GT(dBase, 0);
    EXPECT_NE(base(), dBase);
}

} // namespace
