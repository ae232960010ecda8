// The construction funds table: its page, its builder and its export section.
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "result/calc/calcseries.h"
#include "result/pages/resultformat.h"
#include "result/pages/tavresult.h"
#include "result/tables/fundrows.h"
#include "sheet/printitem.h"
#include "tests/result/constructtest.h"
#include "tests/result/pages/resultpagetest.h"
#include "tests/result/pages/yeartabletest.h"
#include "tests/support/render.h"
#include "tests/support/utf8.h"

namespace {

const CPoint kStart(-100, 150);
// Sheet 3330 wide, font 40 high and 20 wide: u = 40, W = 40 units, a line 60.
const int kSheetWidth = 3330, u = 40, L = 60;
const int kItemRight = 10 * u, kAmountLeft = 32 * u, kRight = 40 * u;

// Lines of the export section: the heading, the construction cost, the
// fixed costs, the free cost lines, the taxes and the total.
const int kCostLine = 2, kFixedLine = 8, kFreeLine = 15, kTotalLine = 40, kSectionLines = 41;
// Where each page row's amount stands in the section (row 16, the
// consumption tax, has no line of its own).
const int kAmountLineOfRow[27] = {2,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                                  21, 22, -1, 23, 26, 29, 30, 33, 36, 37, 38, 39, 40};

std::vector<CRect> LinesOf(const CRecordDC& dc, CPoint start)
{
    std::vector<CRect> lines;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Line)) lines.push_back(OnPage(r, r.rc, start));
    return lines;
}

std::vector<std::string> TextsNamed(const CRecordDC& dc, const std::string& text)
{
    std::vector<std::string> found;
    for (const std::string& t : dc.Texts())
        if (t == text) found.push_back(t);
    return found;
}

// A page whose row i has item "Ii", content "Ci" and amount "Mi"; row 0's
// content has five parts, row 16 a breakdown of ten.
void FillFundsPage(CResultExpenseMoneyDataClass& page, int nMode)
{
    page.m_nFundReportMode = nMode;
    FillItemRows(page, 27, [](int i) {
        CString n;
        n.Format("%d", i);
        const CString content = i == 0 ? CString("A\n1\nB\n2\nC") : i == 16 ? CString("a\n1\nb\n2\nc\n3\nd\n4\ne\n5\n") : "C" + n;
        return std::vector<CString>{"I" + n, content, "M" + n};
    });
}

struct ModeLayout {
    int nMode;
    int nLeftBottom;  // lines
    int nLeftRules;   // horizontal rules of the left table
    bool bFramedTax;  // row 16 is a framed breakdown, else its item is a note
};

void PrintTo(const ModeLayout& m, std::ostream* os)
{
    *os << "mode " << m.nMode;
}

class FundsPageLayout : public ::testing::TestWithParam<ModeLayout> {};

TEST_P(FundsPageLayout, TwoTablesOfTheSheetHalves)
{
    const ModeLayout& m = GetParam();
    SetTestPrintSettings();
    CTavResultClass result;
    result.m_sizePaper = CSize(kSheetWidth, 2310);
    result.SetItemFlag(2);
    FillFundsPage(result.m_objExpenseMoneyData, m.nMode);
    CLometricRecordDC dc;
    dc.SetWindowOrg(kStart);
    result.ReportDraw(&dc, 1);

    // The origin is left at the right table, 1700 to the right.
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(kStart.x - 1700, kStart.y));
    const std::vector<CDrawRecord> fills = dc.RecordsOf(CDrawRecord::Rectangle);
    ASSERT_EQ(fills.size(), 4u);
    EXPECT_EQ(OnPage(fills[0], fills[0].rc, kStart), CRect(0, 0, kRight, -L));
    EXPECT_EQ(OnPage(fills[1], fills[1].rc, kStart), CRect(0, 0, kItemRight, -m.nLeftBottom * L));
    EXPECT_EQ(OnPage(fills[3], fills[3].rc, kStart), CRect(1700, 0, 1700 + kItemRight, -25 * L));

    const std::vector<CRect> lines = LinesOf(dc, kStart);
    std::vector<CRect> leftRules, leftEdges, rightEdges;
    for (const CRect& r : lines) {
        if (r.left >= 1700) {
            if (r.left == r.right) rightEdges.push_back(r);
        } else {
            (r.top == r.bottom ? leftRules : leftEdges).push_back(r);
        }
    }
    ASSERT_EQ(int(leftRules.size()), m.nLeftRules);
    EXPECT_EQ(leftRules.back(), CRect(0, -m.nLeftBottom * L, kRight, -m.nLeftBottom * L));
    EXPECT_EQ(leftEdges, (std::vector<CRect>{{0, 0, 0, -m.nLeftBottom * L},
                                             {kItemRight, 0, kItemRight, -m.nLeftBottom * L},
                                             {kAmountLeft, 0, kAmountLeft, -m.nLeftBottom * L},
                                             {kRight, 0, kRight, -m.nLeftBottom * L}}));
    ASSERT_EQ(rightEdges.size(), 4u);
    EXPECT_EQ(rightEdges[2], CRect(1700 + kAmountLeft, 0, 1700 + kAmountLeft, -25 * L));

    // Row 0: descriptions left, figures right; a missing part repeats the last.
    EXPECT_EQ(TextsNamed(dc, "C").size(), 10u);
    const std::vector<CDrawRecord> atContent = TextsIn(dc, kItemRight, kStart);
    ASSERT_FALSE(atContent.empty());
    EXPECT_EQ(atContent[0].text, "A");
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Text))
        if (r.text == "1") { EXPECT_EQ(OnPage(r, r.rc, kStart).left, kAmountLeft - 20 - 10); }
    // The row without height is not drawn; the others are.
    EXPECT_TRUE(TextsNamed(dc, "I21").empty());
    EXPECT_EQ(TextsNamed(dc, "I26").size(), 1u);

    // Row 16: a framed five-line breakdown, or its item alone on the line below the table.
    const CRect item16 = TextBox(dc, "I16", kStart);
    if (m.bFramedTax) {
        EXPECT_LT(item16.top, -27 * L);
        EXPECT_GT(item16.bottom, -32 * L);
        EXPECT_EQ(TextsNamed(dc, "M16").size(), 1u);
        EXPECT_EQ(TextsNamed(dc, "e").size(), 1u);
    } else {
        EXPECT_EQ(item16.left, 0);
        EXPECT_EQ(item16.right, kRight);
        EXPECT_LE(item16.top, -27 * L);
        EXPECT_GE(item16.bottom, -28 * L);
        EXPECT_TRUE(TextsNamed(dc, "M16").empty());
        EXPECT_TRUE(TextsNamed(dc, "a").empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, FundsPageLayout,
                         ::testing::Values(ModeLayout{0, 27, 18, false}, ModeLayout{1, 27, 18, false},
                                           ModeLayout{2, 32, 19, true}, ModeLayout{3, 32, 19, true}));

TEST(FundsPage, TheLeftTableIs1920HighInModeTwoWithAFontOf40)
{
    SetTestPrintSettings();
    CResultExpenseMoneyDataClass page;
    FillFundsPage(page, 2);
    page.m_sizePage = CSize(kSheetWidth, 2310);
    CLometricRecordDC dc;
    page.ReportDraw(&dc);
    int lowest = 0;
    for (const CRect& r : LinesOf(dc, CPoint(0, 0)))
        if (r.left < 1700) lowest = std::min(lowest, int(r.bottom));
    EXPECT_EQ(lowest, -1920);
}

TEST(FundsPage, RowsMissingLeaveTheFramesAndHeads)
{
    SetTestPrintSettings();
    for (int nRows : {0, 5}) {
        CResultExpenseMoneyDataClass page;
        if (nRows > 0) FillFundsPage(page, 2);
        while (page.m_pItemArray && page.m_pItemArray->GetSize() > nRows) {
            delete page.m_pItemArray->GetAt(nRows);
            page.m_pItemArray->RemoveAt(nRows);
        }
        page.m_sizePage = CSize(kSheetWidth, 2310);
        CLometricRecordDC dc;
        page.ReportDraw(&dc);
        EXPECT_EQ(TextsNamed(dc, U8(u8"金額（千円）")).size(), 2u) << nRows;
        EXPECT_EQ(TextsNamed(dc, "I4").size(), nRows == 5 ? 1u : 0u);
        // Mode 0 without rows: 16 row rules on the left, 10 on the right.
        EXPECT_EQ(dc.RecordsOf(CDrawRecord::Line).size(), 2u * 4 + (nRows == 5 ? 19 : 18) + 12);
    }
}

// A calculated project with its funds page built in a report mode.
struct FundsProject {
    explicit FundsProject(int nMode, ConstructProject nProject = ConstructProject::kIndividual)
        : p(BuildConstructProject(nProject))
    {
        if (!p) return;
        p->m_data.m_pDataBasic->nFundReportMode = nMode;
        bBuilt = p->m_calc.MakeExpenseMoneyData();
    }
    const CResultExpenseMoneyDataClass& Page() const { return p->m_result.m_objExpenseMoneyData; }
    const CResultItemClass& Row(int i) const { return ItemRow(Page(), i); }
    std::vector<std::string> Text() { return CaptureLines(p->m_calc, [this] { p->m_calc.TextConst(); }); }
    double TreatmentTotal() const
    {
        const double* t = p->m_calc.m_adManageTax;
        return std::accumulate(t, t + 5, 0.0);
    }

    std::unique_ptr<CProjectInMemory> p;
    BOOL bBuilt = FALSE;
};

TEST(FundsTable, TheThreeModes)
{
    FundsProject modes[3] = {FundsProject(0), FundsProject(1), FundsProject(2)};
    for (int m = 0; m < 3; ++m) {
        ASSERT_TRUE(modes[m].bBuilt) << m;
        ASSERT_EQ(modes[m].Page().m_pItemArray->GetSize(), 27) << m;
        EXPECT_EQ(modes[m].Page().m_nFundReportMode, m);
    }
    const FundsProject& gross = modes[0];
    const FundsProject& net = modes[2];
    const CString tax = FormatFigure(net.p->m_calc, net.TreatmentTotal());
    ASSERT_GT(net.TreatmentTotal(), 1000.0);

    // Row 16: empty; a note with the tax total; the five treatments and the total.
    EXPECT_TRUE(gross.Row(16).m_strItem.IsEmpty() && gross.Row(16).m_strMoney.IsEmpty());
    EXPECT_EQ(Bytes(modes[1].Row(16).m_strItem),
              Bytes(CString("※金額には消費税が含まれています。　消費税総額＝") + tax + "千円"));
    EXPECT_TRUE(modes[1].Row(16).m_strMoney.IsEmpty());
    EXPECT_EQ(Bytes(net.Row(16).m_strItem), Bytes("消費税"));
    EXPECT_EQ(Bytes(net.Row(16).m_strMoney), Bytes(tax));
    EXPECT_EQ(Bytes(net.Row(16).m_strContent).substr(0, Bytes("土地簿価に算入\n").size()), Bytes("土地簿価に算入\n"));

    // The cost rows drop their tax in mode 2, by the tax total in all; the
    // tax rows and the total stay; mode 2's rows add up to the total.
    double dropped = 0.0, netSum = Amount(Bytes(net.Row(16).m_strMoney));
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(Bytes(modes[1].Row(i).m_strMoney), Bytes(gross.Row(i).m_strMoney)) << i;
        dropped += Amount(Bytes(gross.Row(i).m_strMoney)) - Amount(Bytes(net.Row(i).m_strMoney));
        netSum += Amount(Bytes(net.Row(i).m_strMoney));
    }
    for (int i = 17; i < 27; ++i) EXPECT_EQ(Bytes(net.Row(i).m_strMoney), Bytes(gross.Row(i).m_strMoney)) << i;
    for (int i = 17; i < 26; ++i) netSum += Amount(Bytes(net.Row(i).m_strMoney));
    EXPECT_NEAR(dropped, net.TreatmentTotal(), 16.0);
    EXPECT_NEAR(netSum, Amount(Bytes(net.Row(26).m_strMoney)), 26.0);
}

// The export section's cells by mode: five on the free cost lines, a note
// on two of them in mode 1, the treatments on five in mode 2.
struct ModeCells {
    int nMode;
    int anCells[8];
};

void PrintTo(const ModeCells& m, std::ostream* os)
{
    *os << "mode " << m.nMode;
}

class FundsText : public ::testing::TestWithParam<ModeCells> {};

TEST_P(FundsText, LinesAndCellsOfAMode)
{
    FundsProject f(GetParam().nMode);
    ASSERT_TRUE(f.bBuilt);
    const std::vector<std::string> lines = f.Text();
    ASSERT_EQ(int(lines.size()), kSectionLines);
    EXPECT_EQ(lines[0], Bytes("建設所要資金"));
    EXPECT_EQ(lines[1], Bytes("項    目    名\t内     容\t\t金額（千円）"));
    for (int k = 0; k < 8; ++k) EXPECT_EQ(int(Cells(lines[kFreeLine + k]).size()), GetParam().anCells[k]) << k;

    // Every amount and formula of the page, on the lines of the section.
    for (int i = 0; i < 27; ++i) {
        if (kAmountLineOfRow[i] < 0) continue;
        const std::vector<std::string> cells = Cells(lines[kAmountLineOfRow[i]]);
        ASSERT_GE(cells.size(), 4u) << i;
        EXPECT_EQ(cells[3], Bytes(f.Row(i).m_strMoney)) << i;
    }
    for (int line = kFixedLine; line < kFixedLine + 7; ++line)
        EXPECT_EQ(Cells(lines[line])[1], Bytes(f.Row(line - kFixedLine + 1).m_strContent)) << line;
    for (const int row : {17, 18, 20}) {
        const int first = kAmountLineOfRow[row];
        EXPECT_EQ(Cells(lines[first])[1] + "\n" + Cells(lines[first + 1])[1] + "\n" + Cells(lines[first + 2])[1],
                  Bytes(f.Row(row).m_strContent))
            << row;
    }
    EXPECT_EQ(Cells(lines[kCostLine + 5])[3] + "\n\n",
              Bytes(f.Row(0).m_strContent).substr(Bytes(f.Row(0).m_strContent).rfind(Bytes("※"))));

    // The tax total is the page's and the sum of the engine's treatment totals.
    const CString tax = FormatFigure(f.p->m_calc, f.TreatmentTotal());
    if (GetParam().nMode == 2) {
        EXPECT_EQ(Cells(lines[kFreeLine])[7], Bytes(tax));
        EXPECT_EQ(Cells(lines[kFreeLine])[7], Bytes(f.Row(16).m_strMoney));
    }
    if (GetParam().nMode == 1) { EXPECT_EQ(Cells(lines[kFreeLine + 3])[5], Bytes("  消費税総額＝" + tax + "千円")); }
}

INSTANTIATE_TEST_SUITE_P(Modes, FundsText,
                         ::testing::Values(ModeCells{0, {5, 5, 5, 5, 5, 5, 5, 5}},
                                           ModeCells{1, {5, 5, 6, 6, 5, 5, 5, 5}},
                                           ModeCells{2, {8, 7, 7, 7, 7, 5, 5, 5}}));

// The construction funds total is one figure: the page's, the export's, and
// the financing total less the funding plan's surplus of the construction period.
class FundsTotal : public ::testing::TestWithParam<ConstructProject> {};

TEST_P(FundsTotal, PageTextAndFundingPlanAgree)
{
    FundsProject f(2, GetParam());
    ASSERT_TRUE(f.bBuilt);
    CTavCalcClass& calc = f.p->m_calc;
    ASSERT_TRUE(calc.MakeSupplyData());
    ASSERT_TRUE(calc.MakeBalanceCapitalPlan());
    const std::vector<std::string> lines = f.Text();
    ASSERT_EQ(int(lines.size()), kSectionLines);

    const std::string pageTotal = Bytes(f.Row(26).m_strMoney);
    EXPECT_EQ(Cells(lines[kTotalLine]), (std::vector<std::string>{Bytes("合計"), "", "", pageTotal}));
    const double fundTotal = SeriesMoney(calc.m_pExpenseArray, 27);
    EXPECT_NEAR(fundTotal, calc.m_dFundSourceTotal - f.p->Year(0)->m_dSurplus, 1e-6);
    // The same on the pages: financing total less the plan's year-0 surplus.
    const auto* year0 = dynamic_cast<const CResultStringArrayClass*>(
        f.p->m_result.m_objBalanceCapitalPlan.m_pItemArray->GetAt(1));
    ASSERT_TRUE(year0);
    const double financing = Amount(Bytes(ItemRow(f.p->m_result.m_objSupplyData, 13).m_strMoney));
    EXPECT_NEAR(financing - Amount(Bytes(year0->GetData(24))), Amount(pageTotal), 1.0);
    EXPECT_GT(Amount(pageTotal), 100000.0);

    // The consumption tax total: page, export and the engine's treatments.
    EXPECT_EQ(Bytes(f.Row(16).m_strMoney), Cells(lines[kFreeLine])[7]);
    EXPECT_EQ(Bytes(f.Row(16).m_strMoney), Bytes(FormatFigure(calc, f.TreatmentTotal())));
}

INSTANTIATE_TEST_SUITE_P(Projects, FundsTotal,
                         ::testing::Values(ConstructProject::kExample, ConstructProject::kIndividual,
                                           ConstructProject::kCorporation));

// The ground rent by its input method: any method from 1 reads the second
// amount, as the file keeps it; others the total.
TEST(FundsTable, GroundRentByInputMethod)
{
    FundsProject f(0);
    ASSERT_TRUE(f.bBuilt);
    CDataCostItemClass& rent = f.p->m_data.m_pDataCost->m_aCostItem[1];
    rent.adAmount[0] = 360.0;
    rent.adAmount[1] = 2.5;
    f.p->m_data.m_pDataBasic->nLandRentConstructRatio = 50;
    const struct {
        int nMethod;
        const char* pszContent;
    } kCases[] = {
        {0, "360千円×10ヶ月×50%"},
        {1, "(2.5千円/坪×30坪)×10ヶ月×50%"},
        {2, "(2.5千円/坪×30坪)×10ヶ月×50%"},
        {1000000, "(2.5千円/坪×30坪)×10ヶ月×50%"},
        {-1, "360千円×10ヶ月×50%"},
    };
    for (const auto& c : kCases) {
        rent.nInputMethod = c.nMethod;
        ASSERT_TRUE(f.p->m_calc.MakeExpenseMoneyData());
        EXPECT_EQ(Bytes(f.Row(7).m_strContent), Bytes(c.pszContent)) << c.nMethod;
        EXPECT_EQ(Cells(f.Text()[kFixedLine + 6])[1], Bytes(c.pszContent)) << c.nMethod;
    }
}

// Taxes entered directly and a business-place tax not levied or exempt.
TEST(FundsTable, TaxRowsWithoutFormula)
{
    FundsProject f(0, ConstructProject::kCorporation);
    ASSERT_TRUE(f.bBuilt);
    CDataTaxClass& tax = *f.p->m_data.m_pDataTax;
    tax.m_objRealtyGet.nLandDirect = 1;
    tax.m_objRealtyGet.dLandTax = 777.0;
    tax.m_objRealtyGet.nBuildingDirect = 1;
    tax.m_objRealtyGet.dBuildingTax = 888.0;
    tax.m_objBusinessPlace.nTaxation = 0;
    ASSERT_TRUE(f.p->Calculate(12));
    ASSERT_TRUE(f.p->m_calc.MakeExpenseMoneyData());
    std::vector<std::string> lines = f.Text();
    ASSERT_EQ(int(lines.size()), kSectionLines);
    EXPECT_EQ(Bytes(f.Row(18).m_strContent), "\n\n");
    EXPECT_EQ(Bytes(f.Row(18).m_strMoney), "777");
    EXPECT_EQ(Bytes(f.Row(20).m_strContent), "\n\n");
    EXPECT_EQ(Bytes(f.Row(21).m_strContent), "");
    EXPECT_EQ(lines[26], Bytes("不動産取得税（土地）\t\t\t777"));
    EXPECT_EQ(lines[27], "\t");
    EXPECT_EQ(lines[31], "\t");
    EXPECT_EQ(Cells(lines[33]), (std::vector<std::string>{Bytes("事業所税"), "", "", "0"}));
    EXPECT_EQ(lines[34], "");
    EXPECT_EQ(lines[35], "");

    // Levied but below the exemption threshold: the message instead of the tax.
    tax.m_objBusinessPlace.nTaxation = 1;
    tax.m_objBusinessPlace.nExemption = 0;
    f.p->m_tax.m_pTaxBusinessPlace->m_dExemptArea = 1.0e9;
    ASSERT_TRUE(f.p->Calculate(12));
    ASSERT_TRUE(f.p->m_calc.MakeExpenseMoneyData());
    const std::string message = Bytes("免税基準を超えていないため、課税されません。");
    EXPECT_EQ(Bytes(GetTextLine(f.Row(21).m_strContent, 3)), message);
    EXPECT_EQ(Cells(f.Text()[35]), (std::vector<std::string>{"", message}));
}

// Every construction-cost item filled, the last one included: the total is
// their sum and each item shows its share of it.
TEST(FundsTable, CostTotalOfEveryItem)
{
    FundsProject f(0);
    ASSERT_TRUE(f.bBuilt);
    for (int i = 0; i < 6; ++i) {
        auto* pItem = dynamic_cast<CConsumptionMoneyClass*>(f.p->m_calc.m_pExpenseArray->GetAt(i));
        ASSERT_TRUE(pItem);
        pItem->m_dNetMoney = 1000.0 * (i + 1);
        pItem->m_dTaxMoney = 0.0;
    }
    ASSERT_TRUE(f.p->m_calc.MakeExpenseMoneyData());
    EXPECT_EQ(Bytes(f.Row(0).m_strMoney), "21,000");
    const std::string content = Bytes(f.Row(0).m_strContent);
    EXPECT_NE(content.find(Bytes("(28.6%)\n6,000千円\n")), std::string::npos) << CP932ToUtf8(content.c_str(), content.size());
    EXPECT_NE(content.find(Bytes("(4.8%)\n1,000千円\n")), std::string::npos) << CP932ToUtf8(content.c_str(), content.size());
    EXPECT_EQ(Cells(f.Text()[kCostLine]).back(), "21,000");
}

TEST(FundsTable, NoTsuboPriceLeavesTheCellEmpty)
{
    FundsProject f(0);
    ASSERT_TRUE(f.bBuilt);
    f.p->m_data.m_pDataBasic->bNoTsuboPricePrint = 1;
    ASSERT_TRUE(f.p->m_calc.MakeExpenseMoneyData());
    const std::string content = Bytes(f.Row(0).m_strContent);
    EXPECT_EQ(content.find(Bytes("※")), std::string::npos);
    EXPECT_EQ(content.substr(content.size() - 7), Bytes("千円\n\n\n"));
    const std::vector<std::string> cells = Cells(f.Text()[kCostLine + 5]);
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[3], "");
}

TEST(FundsTable, FailsWithoutResultOrFunds)
{
    CTavCalcClass calc;
    EXPECT_FALSE(calc.MakeExpenseMoneyData());
    EXPECT_EQ(calc.m_nMessageID, CALC_UNEXPECTED_ERROR);

    // Linked but not calculated: no fund list.
    CProjectInMemory project;
    BuildSampleProject(project, {ProjectKind::kIndividual, ProjectKind::kOwnFunds, 5});
    EXPECT_FALSE(project.m_calc.MakeExpenseMoneyData());
    EXPECT_EQ(project.m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
    // The export of such an engine writes its lines without failing.
    EXPECT_EQ(int(CaptureLines(project.m_calc, [&] { project.m_calc.TextConst(); }).size()), kSectionLines);
}

TEST(FundsPage, PictureOfTheExampleInEachMode)
{
    for (int nMode : {0, 1, 2}) {
        FundsProject f(nMode, ConstructProject::kExample);
        ASSERT_TRUE(f.bBuilt);
        UseResultSheetSettings();
        f.p->m_result.m_sizePaper = CSize(2670, 1800);
        const QImage image = RenderReport(f.p->m_result, 2);
        SaveArtifact(image, "result_construct_funds_mode" + std::to_string(nMode));
        EXPECT_GT(CountInk(image), 10000);
    }
}

} // namespace
