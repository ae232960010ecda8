// The construction financing table: its page, its builder and its export section.
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <string>
#include <vector>

#include "result/pages/tavresult.h"
#include "sheet/printitem.h"
#include "tests/result/constructtest.h"
#include "tests/result/pages/resultpagetest.h"
#include "tests/result/pages/yeartabletest.h"
#include "tests/support/render.h"
#include "tests/support/utf8.h"

namespace {

const CPoint kStart(-100, 150);
// Sheet 3330 wide, font 40 high and 20 wide: u = 40, W = 40 units, a line 40.
const int u = 40, h = 40, CL = 10 * u, CW = 22 * u;
const int kAmountLeft = 32 * u, kRight = 40 * u;

// Where each page row's amount stands in the export section, with the text
// option 0; loan rows (4 to 12) have theirs on their first line.
const int kOwnFundLine = 2, kDepositLine = 5, kSecurityLine = 9, kShortLoanLine = 13, kFirstLoanLine = 15;

const CDrawRecord* FindText(const CRecordDC& dc, const std::string& text)
{
    static std::vector<CDrawRecord> texts;
    texts = dc.RecordsOf(CDrawRecord::Text);
    for (const CDrawRecord& r : texts)
        if (r.text == text) return &r;
    return nullptr;
}

// The left edge of a drawn text on the page, -1 when it is not drawn.
int LeftOf(const CRecordDC& dc, const std::string& text)
{
    const CDrawRecord* r = FindText(dc, text);
    return r ? OnPage(*r, r->rc, kStart).left : -1;
}

TEST(FinancingPage, TwoTablesOfTheSheetHalves)
{
    SetTestPrintSettings();
    CTavResultClass result;
    result.m_sizePaper = CSize(3330, 2310);
    result.SetItemFlag(3);
    // Row i: item "Ii", amount "Mi"; contents by the row's kind.
    FillItemRows(result.m_objSupplyData, 14, [](int i) {
        CString n;
        n.Format("%d", i);
        CString content;
        if (i == 0) content = "own\n1\nland\n22\nsub\n3\n";
        if (i == 1)
            for (int k = 0; k < 8; ++k) content += "k" + CString('0' + k, 1) + "\n";
        if (i == 3) content = "rate\n9%\nfee\nset";
        if (i == 4)
            for (int k = 0; k < 9; ++k) {
                const CString d('0' + k, 1);
                content += "L" + d + "\nv" + d + "\nr" + d + "\n";
            }
        if (i == 8) content = "x\ny";
        if (i == 13) content = "T";
        return std::vector<CString>{"I" + n, content, "M" + n};
    });
    CLometricRecordDC dc;
    dc.SetWindowOrg(kStart);
    result.ReportDraw(&dc, 1);

    // W = (1665 - 50) / 40 = 40: columns 400, 880 and 320 wide; the right table at 1700.
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(kStart.x - 1700, kStart.y));
    std::vector<CRect> edges;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Line)) {
        const CRect rc = OnPage(r, r.rc, kStart);
        if (rc.left == rc.right) edges.push_back(rc);
    }
    EXPECT_EQ(edges, (std::vector<CRect>{{0, 0, 0, -51 * h},
                                         {CL, 0, CL, -51 * h},
                                         {kAmountLeft, 0, kAmountLeft, -51 * h},
                                         {kRight, 0, kRight, -51 * h},
                                         {1700, 0, 1700, -47 * h},
                                         {1700 + CL, 0, 1700 + CL, -47 * h},
                                         {1700 + kAmountLeft, 0, 1700 + kAmountLeft, -47 * h},
                                         {1700 + kRight, 0, 1700 + kRight, -47 * h}}));

    // Own funds: the figures end a quarter of the content column early.
    EXPECT_EQ(LeftOf(dc, "own"), CL);
    EXPECT_EQ(LeftOf(dc, "22"), CL + 3 * (CW / 4) - 40 - 10);
    // Categories in two halves; the shortfall loan's values in the right half.
    EXPECT_EQ(LeftOf(dc, "k0"), CL);
    EXPECT_EQ(LeftOf(dc, "k4"), CL + CW / 2);
    EXPECT_EQ(LeftOf(dc, "fee"), CL);
    EXPECT_EQ(LeftOf(dc, "set"), CL + CW / 2);
    // A loan: labels, values from 19 units and rates right-aligned.
    EXPECT_EQ(LeftOf(dc, "L8"), CL);
    EXPECT_EQ(LeftOf(dc, "v8"), 19 * u);
    EXPECT_EQ(LeftOf(dc, "r8"), kAmountLeft - 40 - 10);
    const CDrawRecord* pL0 = FindText(dc, "L0");
    ASSERT_TRUE(pL0);
    const CRect l0 = OnPage(*pL0, *pL0->clip, kStart);
    EXPECT_LE(l0.top, -15 * h);
    EXPECT_GE(l0.bottom, -16 * h);
    // Right table: a loan with two parts shows the last again; the total in one line.
    EXPECT_EQ(LeftOf(dc, "x"), 1700 + CL);
    int ys = 0;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Text)) ys += r.text == "y";
    EXPECT_EQ(ys, 8 + 9 + 9);
    const CDrawRecord* pTotal = FindText(dc, "M13");
    ASSERT_TRUE(pTotal);
    EXPECT_EQ(OnPage(*pTotal, *pTotal->clip, kStart).right, 1700 + kRight);
    EXPECT_LE(OnPage(*pTotal, *pTotal->clip, kStart).top, -46 * h);
}

TEST(FinancingPage, WithoutRowsOnlyTheFramesAndHeads)
{
    SetTestPrintSettings();
    CResultSupplyDataClass page;
    page.m_sizePage = CSize(3330, 2310);
    CLometricRecordDC dc;
    page.ReportDraw(&dc);
    EXPECT_EQ(dc.Texts().size(), 6u);
    EXPECT_EQ(dc.RecordsOf(CDrawRecord::Line).size(), size_t(2 + 8 + 4 + 2 + 6 + 4));
}

struct SupplyProject {
    explicit SupplyProject(ConstructProject nProject) : p(BuildConstructProject(nProject))
    {
        bBuilt = p && p->m_calc.MakeSupplyData();
    }
    const CResultItemClass& Row(int i) const { return ItemRow(p->m_result.m_objSupplyData, i); }
    std::vector<std::string> Text(int nOption)
    {
        p->m_calc.m_nTextOption = nOption;
        return CaptureLines(p->m_calc, [this] { p->m_calc.TextSupply(); });
    }

    std::unique_ptr<CProjectInMemory> p;
    BOOL bBuilt = FALSE;
};

class FinancingTable : public ::testing::TestWithParam<ConstructProject> {};

// Fourteen rows; the export has 97 lines, or 91 with the categories left
// out, and the page's amounts; both totals are the engine's.
TEST_P(FinancingTable, PageAndTextAgree)
{
    SupplyProject s(GetParam());
    ASSERT_TRUE(s.bBuilt);
    CTavCalcClass& calc = s.p->m_calc;
    ASSERT_EQ(s.p->m_result.m_objSupplyData.m_pItemArray->GetSize(), 14);
    const std::string total = Bytes(calc.FormatAmount(calc.m_dFundSourceTotal));
    EXPECT_EQ(Bytes(s.Row(13).m_strMoney), total);

    const std::vector<std::string> lines = s.Text(0);
    ASSERT_EQ(lines.size(), 97u);
    EXPECT_EQ(lines[0], Bytes("建設資金調達"));
    EXPECT_EQ(lines[96], Bytes("合計\t\t\t\t") + total);
    const int amountLines[] = {kOwnFundLine, kDepositLine, kSecurityLine, kShortLoanLine};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Cells(lines[amountLines[i]])[4], Bytes(s.Row(i).m_strMoney)) << i;
    for (int i = 0; i < 9; ++i) {
        const std::vector<std::string> first = Cells(lines[kFirstLoanLine + 9 * i]);
        EXPECT_EQ(first[0], Bytes(s.p->m_data.m_pDataSupply->m_aLoan[i].m_strBankName)) << i;
        if (!s.Row(4 + i).m_strMoney.IsEmpty()) {
            ASSERT_EQ(first.size(), 5u) << i;
            EXPECT_EQ(first[4], Bytes(s.Row(4 + i).m_strMoney)) << i;
        }
    }
    // The categories: k and k + 4 on line k, as the page's lines.
    for (int k = 0; k < 4; ++k) {
        const std::vector<std::string> cells = Cells(lines[kDepositLine + k]);
        EXPECT_EQ(cells[1], Bytes(GetTextLine(s.Row(1).m_strContent, k + 1))) << k;
        EXPECT_EQ(cells[2], Bytes(GetTextLine(s.Row(1).m_strContent, k + 5))) << k;
    }

    const std::vector<std::string> brief = s.Text(1);
    ASSERT_EQ(brief.size(), 91u);
    EXPECT_EQ(brief[5], Bytes("敷金前受金\t\t\t\t") + Bytes(s.Row(1).m_strMoney));
    EXPECT_EQ(brief[6], Bytes("保証金前受金\t\t\t\t") + Bytes(s.Row(2).m_strMoney));
}

INSTANTIATE_TEST_SUITE_P(Projects, FinancingTable,
                         ::testing::Values(ConstructProject::kExample, ConstructProject::kIndividual,
                                           ConstructProject::kCorporation));

// A loan set out on 26 content lines and nine text lines.
TEST(FinancingTable, ALoanOfEveryPart)
{
    SupplyProject s(ConstructProject::kExample);
    ASSERT_TRUE(s.bBuilt);
    CDataLoanClass& loan = s.p->m_data.m_pDataSupply->m_aLoan[0];
    loan.m_aRepay[0] = {0, 6, 1.25};
    loan.m_aRepay[3] = {12, 11, 2.0}; // start after end: not set
    loan.nSpecialFromYear = 5;
    loan.nSpecialToYear = 7;
    loan.dSpecialAmount = 1500.5;
    loan.nSpecialSource = 1;
    ASSERT_TRUE(s.p->m_calc.MakeSupplyData());
    const std::string content = Bytes(s.Row(4).m_strContent);
    EXPECT_EQ(content, Bytes("据置期間\n 6ヶ月\n1.25%\n"
                             "返済期間１\n 1年目～10年目まで\n1.5%\n"
                             "返済期間２\n11年目～30年目まで\n2.5%\n"
                             "返済期間３\n\n\n"
                             "返済期間４\n\n\n"
                             "臨時返済\n 5年目～ 7年目まで\n\n臨時返済方法\n追加自己資金\n\n臨時返済金額\n1,500.5\n\n"
                             "抵当権設定登記料\n設定\n"));
    const std::vector<std::string> lines = s.Text(0);
    const std::vector<std::string> expected = {
        Bytes("都市銀行\t据置期間\t 6ヶ月\t1.25%\t") + Bytes(s.Row(4).m_strMoney),
        Bytes("\t返済期間１\t 1年目～10年目まで\t1.5%"),
        Bytes("元利均等\t返済期間２\t11年目～30年目まで\t2.5%"),
        Bytes("\t返済期間３"),
        Bytes("\t返済期間４"),
        Bytes("\t臨時返済\t 5年目～ 7年目まで"),
        Bytes("\t臨時返済方法\t追加自己資金"),
        Bytes("\t臨時返済金額\t1,500.5"),
        Bytes("\t抵当権設定登記料\t設定"),
    };
    EXPECT_EQ(std::vector<std::string>(lines.begin() + kFirstLoanLine, lines.begin() + kFirstLoanLine + 9), expected);
}

// Loans not set out: without an amount, financing a later capital
// expenditure, the automatic loan not needed, and the land-purchase loan.
TEST(FinancingTable, LoansWithoutTerms)
{
    SupplyProject s(ConstructProject::kExample);
    ASSERT_TRUE(s.bBuilt);
    CDataSupplyClass& supply = *s.p->m_data.m_pDataSupply;
    supply.m_aLoan[2].m_strBankName = "地方銀行";
    supply.m_aLoan[5].m_strBankName = "農協";
    supply.m_nLandPurchaseLoan = 1;
    supply.m_aLoan[6].m_strBankName = "リース";
    supply.m_aLoan[6].m_nCapitalPayYear = 10;
    supply.m_aLoan[8].m_strBankName = "自動";
    ASSERT_TRUE(s.p->m_calc.MakeSupplyData());
    const std::string lead(12, '\n');

    EXPECT_EQ(Bytes(s.Row(6).m_strItem), Bytes("地方銀行\n"));
    EXPECT_EQ(Bytes(s.Row(6).m_strContent), "");
    EXPECT_EQ(Bytes(s.Row(9).m_strItem), Bytes("農協\n土地購入用借入金\n"));
    // The page names a capital-expenditure loan's note only when it has an amount.
    EXPECT_EQ(Bytes(s.Row(10).m_strContent), "");
    EXPECT_EQ(Bytes(s.Row(12).m_strItem), Bytes("自動借入金"));
    EXPECT_EQ(Bytes(s.Row(12).m_strContent), lead + Bytes("自動借入金は利用しません。\n"));
    EXPECT_EQ(Bytes(s.Row(12).m_strMoney), "");

    const std::vector<std::string> lines = s.Text(0);
    ASSERT_EQ(lines.size(), 97u);
    EXPECT_EQ(lines[kFirstLoanLine + 9 * 2], Bytes("地方銀行"));
    EXPECT_EQ(lines[kFirstLoanLine + 9 * 5], Bytes("農協"));
    EXPECT_EQ(lines[kFirstLoanLine + 9 * 6], Bytes("リース\tこの借入金は資本的支出に利用します。"));
    EXPECT_EQ(lines[kFirstLoanLine + 9 * 8], Bytes("自動\t自動借入金は利用しません。"));
    for (int k = 1; k < 9; ++k) EXPECT_EQ(lines[kFirstLoanLine + 9 * 6 + k], "") << k;

    supply.m_aLoan[6].dAmount = 3000.0;
    ASSERT_TRUE(s.p->m_calc.MakeSupplyData());
    EXPECT_EQ(Bytes(s.Row(10).m_strContent), lead + Bytes("この借入金は資本的支出に利用します。\n"));
    EXPECT_EQ(Bytes(s.Row(10).m_strMoney), "");
}

// The automatic loan the engine took is set out like the others, with the amount it set.
TEST(FinancingTable, TheAutomaticLoanTaken)
{
    SupplyProject s(ConstructProject::kCorporation);
    ASSERT_TRUE(s.bBuilt);
    CTavCalcClass& calc = s.p->m_calc;
    ASSERT_TRUE(calc.m_pAutoLoanArray);
    EXPECT_EQ(Bytes(s.Row(12).m_strMoney), Bytes(calc.FormatAmount(s.p->m_data.m_pDataSupply->m_aLoan[8].dAmount)));
    const std::string content = Bytes(s.Row(12).m_strContent);
    EXPECT_EQ(content.substr(0, Bytes("据置期間\n").size()), Bytes("据置期間\n"));
    EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 26);
    EXPECT_EQ(Bytes(GetTextLine(s.Row(12).m_strItem, 2)), Bytes("剰余金返済"));
}

// Section (c) of the file: the funds lines, the financing lines at once
// after them, then one blank line.
TEST(FinancingTable, SectionCOfTheExportFile)
{
    for (const int nOption : {0, 1}) {
        SupplyProject s(ConstructProject::kCorporation);
        ASSERT_TRUE(s.bBuilt);
        s.p->m_data.m_pDataBasic->nFundReportMode = 2;
        const std::string path = TempPath("_tav_section_c.txt");
        s.p->m_calc.SaveTextFile(path.c_str(), "office", "date", nOption);
        const std::vector<std::string> lines = TakeLines(path);
        const auto first = std::find(lines.begin(), lines.end(), Bytes("建設所要資金"));
        ASSERT_NE(first, lines.end());
        const size_t funds = size_t(first - lines.begin()), supply = funds + 41;
        const size_t nSupply = nOption == 0 ? 97 : 91;
        ASSERT_GT(lines.size(), supply + nSupply);
        EXPECT_EQ(lines[supply], Bytes("建設資金調達"));
        EXPECT_EQ(Cells(lines[funds + 15]).size(), 8u);
        EXPECT_EQ(Cells(lines[supply + nSupply - 1])[0], Bytes("合計"));
        EXPECT_EQ(lines[supply + nSupply], "");
    }
}

TEST(FinancingTable, FailsWithoutResultOrAdvances)
{
    CTavCalcClass calc;
    EXPECT_FALSE(calc.MakeSupplyData());
    EXPECT_EQ(calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
    CProjectInMemory project;
    BuildSampleProject(project, {ProjectKind::kIndividual, ProjectKind::kOwnFunds, 5});
    EXPECT_FALSE(project.m_calc.MakeSupplyData());
    EXPECT_EQ(project.m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
    EXPECT_EQ(CaptureLines(project.m_calc, [&] { project.m_calc.TextSupply(); }).size(), 97u);
}

TEST(FinancingPage, PictureOfTheCorporation)
{
    SupplyProject s(ConstructProject::kCorporation);
    ASSERT_TRUE(s.bBuilt);
    UseResultSheetSettings();
    s.p->m_result.m_sizePaper = CSize(2670, 1800);
    const QImage image = RenderReport(s.p->m_result, 3);
    SaveArtifact(image, "result_construct_financing");
    EXPECT_GT(CountInk(image), 10000);
}

} // namespace
