// The condensed balance sheet: its page, its builder and its export section.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "result/pages/resultformat.h"
#include "result/pages/resultrows.h"
#include "sampleprojects.h"
#include "sectiontext.h"
#include "tests/result/pages/resultpagetest.h"
#include "tests/result/pages/yeartabletest.h"
#include "tests/support/render.h"
#include "tests/support/utf8.h"

namespace {

// ---- page ----

CString SheetCell(int y, int k)
{
    const bool bNegative = (y == 1 && k == 26) || (y == 2 && k == 27);
    CString text;
    text.Format("%s%d,%03d", bNegative ? "-" : "", k + 1, 100 + y);
    return text;
}

void FillSheet(CResultBalanceSummaryClass& page, int nYears)
{
    FillYearColumns(page, nYears, 29, SheetCell);
    for (int k = 0; k < 29; ++k) {
        CString label;
        label.Format("L%d", k);
        LabelColumn(page)->SetData(k, label);
    }
}

const CPoint kStart(-100, 150);
// Sheet 3330 x 4700, half height 2350, A = 20: h = 2350 / 31 = 75, b = 60, L = 480, c = 259.
const int W = 3330, kHalf = 2350, h = 75, b = 60, L = 480, c = 259;

// The texts drawn in the centred caption strip x 0 to 40, with their lines.
std::vector<std::pair<std::string, int>> Captions(const CRecordDC& dc, CPoint start)
{
    std::vector<std::pair<std::string, int>> found;
    for (const CDrawRecord& r : TextsIn(dc, 0, start)) {
        const CRect rc = OnPage(r, *r.clip, start);
        if (rc.right == 40) found.push_back({r.text, rc.top / -h - 2});
    }
    return found;
}

CTavResultClass* MakeResult(int nYears, int nKind)
{
    auto* result = new CTavResultClass;
    FillSheet(result->m_objBalanceSummary, nYears);
    result->m_sizePaper = CSize(W, 4700);
    for (int s = 0; s < 11; ++s) result->SetYear(s, s);
    result->SetItemFlag(nKind);
    return result;
}

} // namespace

TEST(BalanceSheetPage, ReportKindTwelveDrawsElevenColumnsInTheTopHalf)
{
    SetTestPrintSettings();
    std::unique_ptr<CTavResultClass> result(MakeResult(50, 12));
    CLometricRecordDC dc;
    dc.SetWindowOrg(kStart);
    result->ReportDraw(&dc, 1);

    const CResultBalanceSummaryClass& page = result->m_objBalanceSummary;
    EXPECT_EQ(page.m_sizePage, CSize(W, kHalf));
    EXPECT_EQ(dc.GetWindowOrg(), kStart);
    EXPECT_EQ(TextBox(dc, U8(u8"要約貸借対照表"), kStart), CRect(0, -h, L, -2 * h));
    EXPECT_EQ(TextBox(dc, U8(u8"１０年"), kStart), CRect(L + 10 * c, -h, L + 11 * c, -2 * h));
    EXPECT_EQ(TextBox(dc, U8(u8"１１年"), kStart), CRect(-1, -1, -1, -1));

    // Seven one-character captions centred in x 0 to 2a of their lines.
    const std::vector<std::pair<std::string, int>> expected = {
        {U8(u8"資"), 2}, {U8(u8"産"), 6}, {U8(u8"資"), 14}, {U8(u8"本"), 17},
        {U8(u8"・"), 18}, {U8(u8"負"), 19}, {U8(u8"債"), 22}};
    EXPECT_EQ(Captions(dc, kStart), expected);

    const std::vector<CDrawRecord> labels = TextsIn(dc, b + 10, kStart);
    ASSERT_EQ(labels.size(), 29u);
    EXPECT_EQ(OnPage(labels[28], *labels[28].clip, kStart), CRect(b + 10, -30 * h, L, -31 * h));
    for (int s = 0; s < 11; ++s) {
        const std::vector<CDrawRecord> cells = TextsIn(dc, L + s * c, kStart);
        ASSERT_EQ(cells.size(), 30u) << s;
        EXPECT_EQ(cells[29].text, std::string(SheetCell(s, 28))) << s;
        // Negative own funds in year 1 and profit in year 2 are red.
        EXPECT_EQ(cells[27].color, s == 1 ? RGB(235, 0, 0) : RGB(0, 0, 0)) << s;
        EXPECT_EQ(cells[28].color, s == 2 ? RGB(235, 0, 0) : RGB(0, 0, 0)) << s;
    }

    // No line shaded with shade 1 and no thin rules; the frames end at line 28.
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Rectangle))
        EXPECT_NE(r.color, RGB(200, 235, 235));
    int nBottom = 0;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Line)) {
        EXPECT_NE(r.pen.lopnWidth.x, 0);
        nBottom = std::min(nBottom, int(OnPage(r, r.rc, kStart).bottom));
    }
    EXPECT_EQ(nBottom, -31 * h);
}

TEST(BalanceSheetPage, ReportKindTenDrawsItBelowTheCashFlowTable)
{
    SetTestPrintSettings();
    std::unique_ptr<CTavResultClass> result(MakeResult(3, 10));
    CLometricRecordDC dc;
    dc.SetWindowOrg(kStart);
    result->ReportDraw(&dc, 1);
    // Half the sheet less half a row of the body font.
    const CSize size(W, 4700 / 2 - 20);
    EXPECT_EQ(result->m_objBalanceSummary.m_sizePage, size);
    const int rh = size.cy / 31;
    const CPoint start(kStart.x, kStart.y + (4700 / 2 + 20));
    EXPECT_EQ(TextBox(dc, U8(u8"要約貸借対照表"), start), CRect(0, -rh, L, -2 * rh));
    const std::vector<CDrawRecord> labels = TextsIn(dc, b + 10, start);
    ASSERT_EQ(labels.size(), 29u);
    EXPECT_EQ(OnPage(labels[0], *labels[0].clip, start), CRect(b + 10, -2 * rh, L, -3 * rh));
}

TEST(BalanceSheetPage, NothingIsDrawnWithoutColumns)
{
    SetTestPrintSettings();
    CResultBalanceSummaryClass page;
    page.m_sizePage = CSize(W, kHalf);
    CLometricRecordDC dc;
    page.ReportDraw(&dc);
    EXPECT_TRUE(dc.RecordsOf(CDrawRecord::Text).empty());
    EXPECT_TRUE(dc.RecordsOf(CDrawRecord::Line).empty());
}

// ---- builder and export on a calculated project ----

namespace {

// The bytes the section writes into the engine's open export file.
std::string CaptureTextBs(CTavCalcClass& calc)
{
    return CaptureBytes(calc, [&] { calc.TextBs(); });
}

} // namespace

class BalanceSheetTable : public ::testing::Test {
protected:
    void SetUp() override { Build({ProjectKind::kCorporation, ProjectKind::kAutoLoan, 12}); }

    void Build(const ProjectKind& kind)
    {
        m_project = std::make_unique<CProjectInMemory>();
        ASSERT_TRUE(m_project->IsCreated());
        BuildSampleProject(*m_project, kind);
        ASSERT_TRUE(m_project->Calculate(kind.nYears));
    }

    CTavCalcClass& Calc() { return m_project->m_calc; }
    CDataSupplyClass& Supply() { return *m_project->m_data.m_pDataSupply; }
    CResultBalanceSummaryClass& Page() { return m_project->m_result.m_objBalanceSummary; }
    std::string Cell(int nColumn, int k)
    {
        auto* p = dynamic_cast<CResultStringArrayClass*>(Page().m_pItemArray->GetAt(nColumn));
        return p ? std::string(p->GetData(k)) : std::string("(missing)");
    }
    // The whole thousand yen, half up, as the engine's settings give it.
    std::string Text(double v) { return std::string(FormatResultNumber(0, Calc().FractionManage(v), FALSE)); }

    std::unique_ptr<CProjectInMemory> m_project;
};

TEST_F(BalanceSheetTable, EveryColumnHoldsTheYearsAmounts)
{
    ASSERT_TRUE(Calc().MakeBalanceSummary());
    ASSERT_NE(Page().m_pItemArray, nullptr);
    ASSERT_EQ(Page().m_pItemArray->GetSize(), 12 + 2);
    for (int i = 0; i < 14; ++i) {
        auto* p = dynamic_cast<CResultStringArrayClass*>(Page().m_pItemArray->GetAt(i));
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->m_nCount, 29 + 4);
    }

    const tagDATAFUND& fund = Supply().m_objFund;
    double dOwn = fund.dOwnFund + fund.dSubsidy + fund.dLandOwnFund; // land-purchase loan on
    double dOutside = 0, dDeduction = 0, dPrevTax = 0;
    for (int i = 0; i <= 12; ++i) {
        const CYearBalanceClass& y = *m_project->Year(i);
        dOutside += y.m_dOutsideExpense;
        dDeduction += y.m_dIncomeDeduction;
        dPrevTax += y.m_dPrevBusinessTax;
        dOwn += y.m_dAddMyMoney;
        double dAssets = Calc().m_adManageMoney[0];
        for (double v : y.m_adBookValue) dAssets += v;
        dAssets += y.m_dStartupBookValue + dOutside + y.m_dCashOnHand;
        const double dLiabilities = y.m_dLoanBalanceTotal + y.m_dDepositBalance + y.m_dSecurityBalance + dDeduction +
                                    dPrevTax + dOwn + y.m_dProfitAfterTaxTotal;
        const int col = i + 1;
        EXPECT_EQ(Cell(col, 0), Text(Calc().m_adManageMoney[0])) << i;
        EXPECT_EQ(Cell(col, 1), Text(y.m_adBookValue[0])) << i;
        EXPECT_EQ(Cell(col, 3), Text(y.m_adBookValue[2])) << i;
        EXPECT_EQ(Cell(col, 7), Text(y.m_dStartupBookValue)) << i;
        EXPECT_EQ(Cell(col, 8), Text(dOutside)) << i;
        EXPECT_EQ(Cell(col, 9), Text(y.m_dCashOnHand)) << i;
        EXPECT_EQ(Cell(col, 10), Text(dAssets)) << i;
        EXPECT_EQ(Cell(col, 11), Text(y.m_dLoanBalanceTotal)) << i;
        EXPECT_EQ(Cell(col, 12), Text(y.m_adLoanBalance[0])) << i;
        EXPECT_EQ(Cell(col, 20), Text(y.m_adLoanBalance[8])) << i;
        EXPECT_EQ(Cell(col, 21), Text(y.m_dShortLoanBalance)) << i;
        EXPECT_EQ(Cell(col, 22), Text(y.m_dDepositBalance)) << i;
        EXPECT_EQ(Cell(col, 23), Text(y.m_dSecurityBalance)) << i;
        EXPECT_EQ(Cell(col, 24), Text(dDeduction)) << i;
        EXPECT_EQ(Cell(col, 25), Text(dPrevTax)) << i;
        EXPECT_EQ(Cell(col, 26), Text(dOwn)) << i;
        EXPECT_EQ(Cell(col, 27), Text(y.m_dProfitAfterTaxTotal)) << i;
        EXPECT_EQ(Cell(col, 28), Text(dLiabilities)) << i;
    }
    // The project is worth something: land, a building and a loan.
    EXPECT_NE(Cell(2, 0), "0");
    EXPECT_NE(Cell(2, 11), "0");
    // A few cells as written.
    EXPECT_EQ(Cell(2, 0), "94,650");
    EXPECT_EQ(Cell(2, 11), "248,377");
    EXPECT_EQ(Cell(13, 28), "244,731");
}

TEST_F(BalanceSheetTable, LabelsComeFromTheStringsAndTheProjectNames)
{
    CDataExpenseClass& expense = *m_project->m_data.m_pDataExpense;
    expense.m_aDepreciation[0].m_strName = "";
    expense.m_aDepreciation[1].m_strName = "RC";
    expense.m_aDepreciation[2].m_strName = "外構";
    expense.m_aDepreciation[3].m_strName = "";
    Supply().m_aLoan[0].m_strBankName = "地方銀行";
    Supply().m_aLoan[1].m_strBankName = "";
    Supply().m_aLoan[8].m_strBankName = "自動";
    ASSERT_TRUE(Calc().MakeBalanceSummary());
    const std::vector<std::pair<int, std::string>> expected = {
        {0, std::string("土地")},
        {1, std::string("建物()")},
        {2, std::string("建物(RC)")},
        {3, std::string("外構")},
        {4, std::string("　")},
        {7, std::string("創業費")},
        {8, std::string("事業外支出累計")},
        {9, std::string("手元資金残高")},
        {10, std::string("　　資 産 合 計")},
        {11, std::string("借入金残高合計")},
        {12, std::string("・地方銀行")},
        {13, std::string("・")},
        {20, std::string("・自動")},
        {21, std::string("・ショート時借入金")},
        {22, std::string("敷金残高")},
        {23, std::string("保証金残高")},
        {24, std::string("所得控除額累計")},
        {25, std::string("前年課税事業税累計")},
        {26, std::string("自己資金")},
        {27, std::string("累積利益")},
        {28, std::string("　　資本・負債 合計")},
    };
    for (const auto& [k, label] : expected) EXPECT_EQ(Cell(0, k), label) << k;
}

TEST_F(BalanceSheetTable, InitialAndAdditionalOwnFunds)
{
    // Additional funds of 100 in years 3 and 5; no other additions.
    for (int i = 0; i <= 12; ++i) m_project->Year(i)->m_dAddMyMoney = (i == 3 || i == 5) ? 100.0 : 0.0;
    tagDATAFUND& fund = Supply().m_objFund;
    fund.dOwnFund = 30000.0;
    fund.dLandOwnFund = 20000.0;
    struct Case {
        double dSubsidy;
        int nLandPurchaseLoan;
        double dInitial;
        const char* pszLabel;
    } cases[] = {
        {0.0, 1, 50000.0, "自己資金"},
        {500.0, 1, 50500.0, "自己資金・補助金等"},
        {0.0, 0, 30000.0, "自己資金"},
    };
    for (const Case& t : cases) {
        fund.dSubsidy = t.dSubsidy;
        Supply().m_nLandPurchaseLoan = t.nLandPurchaseLoan;
        ASSERT_TRUE(Calc().MakeBalanceSummary());
        EXPECT_EQ(Cell(0, 26), std::string(t.pszLabel)) << t.dSubsidy;
        for (int i = 0; i <= 12; ++i) {
            const double dExpected = t.dInitial + (i >= 3 ? 100.0 : 0.0) + (i >= 5 ? 100.0 : 0.0);
            EXPECT_EQ(Cell(i + 1, 26), Text(dExpected)) << i;
        }
    }
}

TEST_F(BalanceSheetTable, TotalsRoundTheRawSum)
{
    CYearBalanceClass& y = *m_project->Year(0);
    Calc().m_adManageMoney[0] = 0.0;
    for (double& v : y.m_adBookValue) v = 0.0;
    y.m_adBookValue[0] = 0.4;
    y.m_adBookValue[1] = 0.4;
    y.m_dStartupBookValue = y.m_dOutsideExpense = y.m_dCashOnHand = 0.0;
    ASSERT_TRUE(Calc().MakeBalanceSummary());
    EXPECT_EQ(Cell(1, 1), "0");
    EXPECT_EQ(Cell(1, 2), "0");
    EXPECT_EQ(Cell(1, 10), "1");

    // Two decimals kept.
    Calc().m_objDecimal = tagSETDECIMAL{2, 0.005, 0, 0};
    ASSERT_TRUE(Calc().MakeBalanceSummary());
    EXPECT_EQ(Cell(1, 1), "0.40");
    EXPECT_EQ(Cell(1, 10), "0.80");
}

TEST_F(BalanceSheetTable, ARerunGivesTheSamePageAndAMissingResultObjectStops)
{
    ASSERT_TRUE(Calc().MakeBalanceSummary());
    std::vector<std::string> first;
    for (int col = 0; col < 14; ++col)
        for (int k = 0; k < 29; ++k) first.push_back(Cell(col, k));
    ASSERT_TRUE(Calc().MakeBalanceSummary());
    ASSERT_EQ(Page().m_pItemArray->GetSize(), 14);
    std::vector<std::string> second;
    for (int col = 0; col < 14; ++col)
        for (int k = 0; k < 29; ++k) second.push_back(Cell(col, k));
    EXPECT_EQ(first, second);

    Calc().m_nMessageID = CALC_NO_ERROR;
    Calc().m_pResultClass = nullptr;
    EXPECT_FALSE(Calc().MakeBalanceSummary());
    EXPECT_EQ(Calc().m_nMessageID, CALC_UNEXPECTED_ERROR);
    // The page of the last run is left as it was.
    EXPECT_EQ(Page().m_pItemArray->GetSize(), 14);

    // Without the project records there are no labels: the same error, and no export lines.
    Calc().m_pResultClass = &m_project->m_result;
    Calc().m_pDataClass = nullptr;
    Calc().m_nMessageID = CALC_NO_ERROR;
    EXPECT_FALSE(Calc().MakeBalanceSummary());
    EXPECT_EQ(Calc().m_nMessageID, CALC_UNEXPECTED_ERROR);
    EXPECT_EQ(CaptureTextBs(Calc()), "");
    Calc().m_pDataClass = &m_project->m_data;
}

TEST_F(BalanceSheetTable, StepSixteenFillsTheSheet)
{
    for (int step = 3; step <= 16; ++step) ASSERT_TRUE(Calc().Calc(step)) << step;
    ASSERT_NE(Page().m_pItemArray, nullptr);
    EXPECT_EQ(Page().m_pItemArray->GetSize(), 14);
    EXPECT_EQ(Cell(0, 0), std::string("土地"));
}

TEST_F(BalanceSheetTable, ExportLinesMatchThePage)
{
    Supply().m_objFund.dSubsidy = 500.0;
    m_project->m_data.m_pDataExpense->m_aDepreciation[3].m_strName = "";
    ASSERT_TRUE(Calc().MakeBalanceSummary());
    const std::vector<std::string> lines = SplitLines(CaptureTextBs(Calc()));
    ASSERT_EQ(lines.size(), 2u + 29u);
    EXPECT_EQ(lines[0], std::string("要約貸借対照表\t（単位：千円）"));
    EXPECT_EQ(lines[1].substr(0, std::string("要約貸借対照表\t工事期間\t 1年").size()),
              std::string("要約貸借対照表\t工事期間\t 1年"));
    // Land: the same amount every year.
    std::string land = "土地";
    for (int i = 0; i <= 12; ++i) land += "\t" + Text(Calc().m_adManageMoney[0]);
    EXPECT_EQ(lines[2], land);
    // Every amount as the page shows it; labels too, but an empty name stays empty.
    for (int k = 0; k < 29; ++k) {
        const std::vector<std::string> cells = Cells(lines[2 + k]);
        ASSERT_EQ(cells.size(), 14u) << k;
        for (int col = 0; col < 14; ++col) {
            const std::string page = Cell(col, k);
            if (col == 0 && page == std::string("　")) EXPECT_EQ(cells[0], "") << k;
            else EXPECT_EQ(cells[col], page) << k << " " << col;
        }
    }
    EXPECT_EQ(Cells(lines[2 + 26])[0], std::string("自己資金・補助金等"));
    EXPECT_EQ(Cells(lines[2 + 4])[0], "");
}

TEST(BalanceSheetTableYears, SixtyYearsExportAndBuildEveryColumn)
{
    CProjectInMemory project;
    ASSERT_TRUE(project.IsCreated());
    BuildSampleProject(project, {ProjectKind::kIndividual, ProjectKind::kOwnFunds, 60});
    ASSERT_TRUE(project.Calculate(60));
    ASSERT_TRUE(project.m_calc.MakeBalanceSummary());
    EXPECT_EQ(project.m_result.m_objBalanceSummary.m_pItemArray->GetSize(), 62);
    const std::vector<std::string> lines = SplitLines(CaptureTextBs(project.m_calc));
    ASSERT_EQ(lines.size(), 31u);
    for (size_t k = 2; k < lines.size(); ++k) EXPECT_EQ(Cells(lines[k]).size(), 62u) << k;
    // The totals of year 60 as on the page.
    auto* p = dynamic_cast<CResultStringArrayClass*>(project.m_result.m_objBalanceSummary.m_pItemArray->GetAt(61));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(Cells(lines[2 + 10])[61], std::string(p->GetData(10)));
    EXPECT_EQ(Cells(lines[2 + 28])[61], std::string(p->GetData(28)));
}

TEST_F(BalanceSheetTable, PictureOfAFilledPage)
{
    ASSERT_TRUE(Calc().MakeBalanceSummary());
    UseResultSheetSettings();
    CTavResultClass& result = m_project->m_result;
    result.m_sizePaper = CSize(1800, 2670);
    const QImage image = RenderReport(result, 12);
    SaveArtifact(image, "result_balance_sheet");
    EXPECT_GT(CountInk(image), 10000);
}

TEST_F(BalanceSheetTable, TheExportFileHoldsTheSectionFollowedByAnEmptyLine)
{
    const std::string section = CaptureTextBs(Calc());
    ASSERT_FALSE(section.empty());
    const std::string path = TempPath("_tav_textbs_file.txt");
    Calc().SaveTextFile(path.c_str(), "A", "B", 0);
    const std::string file = ReadBytes(path);
    std::filesystem::remove(path);
    const size_t at = file.find(section);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(file.substr(at + section.size(), 2), "\r\n");
}

// ---- the sheet balances ----

namespace {

struct BalanceCase {
    double dBusinessRatio;
    ProjectKind::Owner nOwner;
    bool bCapitalAndStartup; // a capital expenditure and start-up costs, or neither
    int nDesignAccounting = -1; // the design fee's treatment, -1 as the sample has it
};

std::string BalanceCaseName(const ::testing::TestParamInfo<BalanceCase>& info)
{
    const BalanceCase& c = info.param;
    return (c.nOwner == ProjectKind::kIndividual ? std::string("Individual") : std::string("Corporation")) +
           std::to_string(int(c.dBusinessRatio)) + (c.bCapitalAndStartup ? "WithCapital" : "WithoutCapital") +
           (c.nDesignAccounting < 0 ? std::string() : "DesignTo" + std::to_string(c.nDesignAccounting));
}

std::vector<BalanceCase> BalanceCases()
{
    std::vector<BalanceCase> cases;
    for (double ratio : {100.0, 90.0, 80.0, 50.0, 0.0})
        for (auto owner : {ProjectKind::kIndividual, ProjectKind::kCorporation})
            for (bool capital : {true, false}) cases.push_back({ratio, owner, capital});
    // The design fee booked to the first and to the last depreciation item.
    cases.push_back({100.0, ProjectKind::kIndividual, true, 5});
    cases.push_back({80.0, ProjectKind::kCorporation, true, 10});
    return cases;
}

// Takes out the capital expenditures, the loan that finances one and the start-up costs.
void RemoveCapitalAndStartup(CDataClassObject& data)
{
    for (CDataCapitalPayClass& pay : data.m_pDataExpense->m_aCapitalPay) pay.dAmount = 0.0;
    for (CDataLoanClass& loan : data.m_pDataSupply->m_aLoan)
        if (loan.m_nCapitalPayYear > 0) loan.dAmount = 0.0;
    for (CDataExpenseMoneyClass& line : data.m_pDataExpenseOther->m_aExpenseMoney)
        if (line.nAccounting == 3) line.dAmount = 0.0;
}

} // namespace

class BalanceSheetBalances : public ::testing::TestWithParam<BalanceCase> {};

TEST_P(BalanceSheetBalances, AssetsEqualCapitalAndLiabilitiesInEveryYear)
{
    const BalanceCase& c = GetParam();
    const int nYears = 25;
    CProjectInMemory project;
    ASSERT_TRUE(project.IsCreated());
    BuildSampleProject(project, {c.nOwner, ProjectKind::kAutoLoan, nYears});
    project.m_data.m_pDataBasic->dBusinessRatio = c.dBusinessRatio;
    if (!c.bCapitalAndStartup) RemoveCapitalAndStartup(project.m_data);
    CDataExpenseMoneyClass& design = project.m_data.m_pDataExpenseOther->m_aExpenseMoney[2];
    if (c.nDesignAccounting >= 0) {
        ASSERT_GT(design.dAmount, 0);
        design.nAccounting = c.nDesignAccounting;
    }
    ASSERT_TRUE(project.Calculate(nYears));
    ASSERT_TRUE(project.m_calc.MakeBalanceSummary());

    const CDataSupplyClass& supply = *project.m_data.m_pDataSupply;
    double own = supply.m_objFund.dOwnFund + supply.m_objFund.dSubsidy +
                 (supply.m_nLandPurchaseLoan == 1 ? supply.m_objFund.dLandOwnFund : 0.0);
    double outside = 0, deduction = 0, prevTax = 0;
    for (int i = 0; i <= nYears; ++i) {
        const CYearBalanceClass& y = *project.Year(i);
        outside += y.m_dOutsideExpense;
        deduction += y.m_dIncomeDeduction;
        prevTax += y.m_dPrevBusinessTax;
        own += y.m_dAddMyMoney;
        double assets = project.m_calc.m_adManageMoney[0] + y.m_dStartupBookValue + outside + y.m_dCashOnHand;
        for (double v : y.m_adBookValue) assets += v;
        const double liabilities = y.m_dLoanBalanceTotal + y.m_dDepositBalance + y.m_dSecurityBalance + deduction +
                                   prevTax + own + y.m_dProfitAfterTaxTotal;
        EXPECT_NEAR(assets, liabilities, 1e-6) << "year " << i;
        auto* column = dynamic_cast<CResultStringArrayClass*>(
            project.m_result.m_objBalanceSummary.m_pItemArray->GetAt(i + 1));
        ASSERT_NE(column, nullptr);
        EXPECT_EQ(std::string(column->GetData(10)), std::string(column->GetData(28))) << "year " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Shares, BalanceSheetBalances, ::testing::ValuesIn(BalanceCases()), BalanceCaseName);
