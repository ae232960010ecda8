// The basic balance table: the builder of its page, the page it draws and its
// section of the text export.
#include <gtest/gtest.h>


#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "result/pages/resultrows.h"
#include "sampleprojects.h"
#include "tests/result/sectiontext.h"
#include "tests/result/pages/resultpagetest.h"
#include "tests/result/pages/yeartabletest.h"
#include "tests/support/render.h"
#include "tests/support/utf8.h"

namespace {

constexpr int kYears = 12;

// An amount in whole thousand yen, half away from zero, with thousands separators.
std::string Thousands(double dValue)
{
    const long long n = std::llround(std::floor(std::fabs(dValue) + 0.5));
    std::string digits = std::to_string(n);
    for (int i = int(digits.size()) - 3; i > 0; i -= 3) digits.insert(size_t(i), ",");
    return (dValue < 0 && n != 0 ? "-" : "") + digits;
}

// The yield rounded half away from zero to two places: 0.005 is added to
// the magnitude before the digits are cut.
std::string Yield(double dYield)
{
    char sz[64];
    std::snprintf(sz, sizeof(sz), "%f", std::fabs(dYield) + 0.005);
    std::string text(sz);
    text = text.substr(0, text.find('.') + 3);
    return (dYield < 0 ? "-" : "") + text;
}

// What a line shows for a year record, computed from the record here.
struct Line {
    int nLine;
    std::function<std::string(const CYearBalanceClass&)> cell;
};
const Line kLines[] = {
    {0, [](const CYearBalanceClass& y) { return Thousands(y.m_dRent); }},
    {4, [](const CYearBalanceClass& y) { return Thousands(y.m_dSecurityAmortization + y.m_dDepositAmortization); }},
    {7, [](const CYearBalanceClass& y) { return Thousands(y.m_dIncomeTotal); }},
    {9, [](const CYearBalanceClass& y) { return Thousands(y.m_dManageCost); }},
    {14, [](const CYearBalanceClass& y) { return Thousands(y.m_dLoanInterestTotal); }},
    {18, [](const CYearBalanceClass& y) { return Thousands(y.m_adDepreciation[0]); }},
    {23, [](const CYearBalanceClass& y) { return Thousands(y.m_dTax); }},
    {30, [](const CYearBalanceClass& y) { return Thousands(y.m_adLoanRepay[0]); }},
    {38, [](const CYearBalanceClass& y) { return Thousands(y.m_adLoanRepay[8]); }},
    {39, [](const CYearBalanceClass& y) { return Thousands(y.m_dShortLoan); }},
    {40, [](const CYearBalanceClass& y) { return Thousands(y.m_dSecurityIncome + y.m_dDepositIncome); }},
    {41, [](const CYearBalanceClass& y) { return Thousands(y.m_dSecurityRepay + y.m_dDepositRepay); }},
    {43, [](const CYearBalanceClass& y) { return Thousands(y.m_dCashOnHand); }},
    {44, [](const CYearBalanceClass& y) { return Yield(y.m_dYield); }},
    {46, [](const CYearBalanceClass& y) { return Thousands(y.m_adLoanBalance[0]); }},
    {54, [](const CYearBalanceClass& y) { return Thousands(y.m_adLoanBalance[8]); }},
    {55, [](const CYearBalanceClass& y) { return Thousands(y.m_dShortLoanBalance); }},
    {57, [](const CYearBalanceClass& y) { return Thousands(y.m_dSecurityBalance); }},
    {58, [](const CYearBalanceClass& y) { return Thousands(y.m_adBookValue[0]); }},
    {63, [](const CYearBalanceClass& y) { return Thousands(y.m_adBookValue[5]); }},
};

// The labels the sample project gives the page; running costs without a name
// show their standard names.
std::vector<std::string> PageLabels()
{
    std::vector<std::string> labels = {
        "賃料", "共益費", "礼金", "更新料", "敷金・保証金・償却益", "手元残高運用利息", "その他の収入",
        "　　収 入 合 計", "公租公課", "委託管理費", "地代", "修理費", "火災保険料", "保証金支払利息", "借入金支払利息",
        "その他の支出", "　　支 出 合 計", "償却前利益", "減価償却費(本体)", "減価償却費(設備)",
        "　減価償却費(その他)", "償却後利益", "プロジェクト外所得", "税金", "税引後利益",
        "税引後利益  （累計）", "内部留保", "追加自己資金", "事業外支出", "借入金元金返済額合計", "・地方銀行",
        "・", "・", "・", "・", "・", "・", "・", "・自動融資", "・ショート時借入金", "敷金・保証金収入",
        "敷金・保証金返済", "剰余金", "手元残高", "投資利回り（％）", "借入金元金残高合計", "・地方銀行", "・", "・",
        "・", "・", "・", "・", "・", "・自動融資", "・ショート時借入金", "敷金残高", "保証金残高",
        "建物簿価残高(本体)", "建物簿価残高(設備)", "簿価残高(外構)", "簿価残高()", "簿価残高()", "簿価残高()"};
    return labels;
}

std::string Cell(CResultBaseClass& page, int nColumn, int nLine)
{
    auto* pColumn = dynamic_cast<CResultStringArrayClass*>(page.m_pItemArray->GetAt(nColumn));
    return pColumn ? std::string(pColumn->GetData(nLine)) : std::string("<none>");
}

class BalanceBasicTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_project.IsCreated());
        BuildSampleProject(m_project, {ProjectKind::kCorporation, ProjectKind::kAutoLoan, kYears});
        CDataClassObject& d = m_project.m_data;
        // Named and unnamed running costs, building parts and loans.
        d.m_pDataCost->m_aCostItem[0].m_strOtherName = "委託管理費";
        d.m_pDataExpense->m_aDepreciation[0].m_strName = "本体";
        d.m_pDataExpense->m_aDepreciation[1].m_strName = "設備";
        d.m_pDataExpense->m_aDepreciation[2].m_strName = "外構";
        d.m_pDataSupply->m_aLoan[0].m_strBankName = "地方銀行";
        d.m_pDataSupply->m_aLoan[8].m_strBankName = "自動融資";
        m_project.m_option.m_pOptionOtherManage->m_nYieldFormula = 2;
        ASSERT_TRUE(m_project.Calculate(kYears));
    }

    CTavCalcClass& Calc() { return m_project.m_calc; }
    CResultBalanceBasicClass& Page() { return m_project.m_result.m_objBalanceBasic; }

    // The bytes TextBase writes into the engine's open export file.
    std::string ExportSection() { return CaptureBytes(Calc(), [&] { Calc().TextBase(); }); }

    CProjectInMemory m_project;
};

} // namespace

TEST_F(BalanceBasicTable, EveryYearGetsAColumnOfRoundedCellsUnderTheLabels)
{
    ASSERT_TRUE(Calc().MakeBalanceBasic());
    EXPECT_EQ(Calc().m_nMessageID, CALC_NO_ERROR);
    EXPECT_EQ(Page().m_nYieldFormula, 2);
    ASSERT_NE(Page().m_pItemArray, nullptr);
    ASSERT_EQ(Page().m_pItemArray->GetSize(), kYears + 2);
    for (int i = 0; i < kYears + 2; ++i)
        EXPECT_EQ(dynamic_cast<CResultStringArrayClass*>(Page().m_pItemArray->GetAt(i))->m_nCount, 68) << i;

    const std::vector<std::string> labels = PageLabels();
    for (int k = 0; k < 64; ++k) EXPECT_EQ(Cell(Page(), 0, k), labels[size_t(k)]) << k;

    for (int y = 0; y <= kYears; ++y) {
        const CYearBalanceClass& year = *m_project.Year(y);
        for (const Line& line : kLines) EXPECT_EQ(Cell(Page(), y + 1, line.nLine), line.cell(year)) << y << " " << line.nLine;
        // Only the 64 lines are written.
        EXPECT_EQ(Cell(Page(), y + 1, 64), "") << y;
    }
    // The project has a loan repaid and a yield: the lines are not all zero.
    EXPECT_NE(Cell(Page(), 3, 30), "0");
    EXPECT_NE(Cell(Page(), 3, 44), "0.00");
}

TEST_F(BalanceBasicTable, SumsAreRoundedOnceAndTheYieldKeepsItsOwnRounding)
{
    CYearBalanceClass& year = *m_project.Year(1);
    year.m_dSecurityAmortization = 0.4;
    year.m_dDepositAmortization = 0.4;
    year.m_dSecurityIncome = 1000.3;
    year.m_dDepositIncome = 0.3;
    year.m_dRent = -1234.5;
    year.m_dYield = 12.346;
    m_project.Year(2)->m_dYield = 12.344;
    m_project.Year(3)->m_dYield = 7.0;
    ASSERT_TRUE(Calc().MakeBalanceBasic());
    EXPECT_EQ(Cell(Page(), 2, 4), "1");
    EXPECT_EQ(Cell(Page(), 2, 40), "1,001");
    EXPECT_EQ(Cell(Page(), 2, 0), "-1,235");
    EXPECT_EQ(Cell(Page(), 2, 44), "12.35");
    EXPECT_EQ(Cell(Page(), 3, 44), "12.34");
    EXPECT_EQ(Cell(Page(), 4, 44), "7.00");

    // Two places, cut, trailing zeros dropped: the amounts follow, the yield does not.
    Calc().m_objDecimal = tagSETDECIMAL{2, 0.0, 1, 1};
    year.m_dRent = 1234.567;
    ASSERT_TRUE(Calc().MakeBalanceBasic());
    EXPECT_EQ(Cell(Page(), 2, 0), "1,234.56");
    EXPECT_EQ(Cell(Page(), 2, 4), "0.8");
    EXPECT_EQ(Cell(Page(), 2, 44), "12.35");
    EXPECT_EQ(Cell(Page(), 4, 44), "7.00");
}

TEST_F(BalanceBasicTable, ARerunRebuildsTheSamePage)
{
    ASSERT_TRUE(Calc().MakeBalanceBasic());
    std::vector<std::string> first;
    for (int i = 0; i < kYears + 2; ++i)
        for (int k = 0; k < 68; ++k) first.push_back(Cell(Page(), i, k));
    ASSERT_TRUE(Calc().MakeBalanceBasic());
    ASSERT_EQ(Page().m_pItemArray->GetSize(), kYears + 2);
    std::vector<std::string> second;
    for (int i = 0; i < kYears + 2; ++i)
        for (int k = 0; k < 68; ++k) second.push_back(Cell(Page(), i, k));
    EXPECT_EQ(first, second);
}

TEST_F(BalanceBasicTable, YearsWithoutARecordStayEmpty)
{
    // Two more years than the records hold: their columns exist, blank.
    Calc().m_objCalcYear.nCalcYear = kYears + 2;
    ASSERT_TRUE(Calc().MakeBalanceBasic());
    ASSERT_EQ(Page().m_pItemArray->GetSize(), kYears + 4);
    EXPECT_NE(Cell(Page(), kYears + 1, 0), "");
    for (int k = 0; k < 64; ++k) {
        EXPECT_EQ(Cell(Page(), kYears + 2, k), "") << k;
        EXPECT_EQ(Cell(Page(), kYears + 3, k), "") << k;
    }
}

TEST_F(BalanceBasicTable, MissingLinksFailWithoutTouchingThePage)
{
    ASSERT_TRUE(Calc().MakeBalanceBasic());
    Calc().m_pResultClass = nullptr;
    EXPECT_FALSE(Calc().MakeBalanceBasic());
    EXPECT_EQ(Calc().m_nMessageID, CALC_UNEXPECTED_ERROR);

    Calc().m_pResultClass = &m_project.m_result;
    Calc().m_nMessageID = CALC_NO_ERROR;
    COptionOtherManageClass* pOption = m_project.m_option.m_pOptionOtherManage;
    m_project.m_option.m_pOptionOtherManage = nullptr;
    EXPECT_FALSE(Calc().MakeBalanceBasic());
    m_project.m_option.m_pOptionOtherManage = pOption;
    EXPECT_EQ(Calc().m_nMessageID, CALC_UNEXPECTED_ERROR);
    EXPECT_EQ(Page().m_pItemArray->GetSize(), kYears + 2);

    // No columns at all: no label column.
    Calc().m_objCalcYear.nCalcYear = -2;
    EXPECT_FALSE(Calc().MakeBalanceBasic());
    EXPECT_EQ(Calc().m_nMessageID, CALC_UNEXPECTED_ERROR);
}

TEST(BalanceBasicTableShort, TheConstructionPeriodAloneGivesTwoColumns)
{
    CProjectInMemory project;
    ASSERT_TRUE(project.IsCreated());
    BuildSampleProject(project, {ProjectKind::kIndividual, ProjectKind::kOwnFunds, 0});
    ASSERT_TRUE(project.Calculate(0));
    ASSERT_TRUE(project.m_calc.MakeBalanceBasic());
    CResultBalanceBasicClass& page = project.m_result.m_objBalanceBasic;
    ASSERT_EQ(page.m_pItemArray->GetSize(), 2);
    EXPECT_EQ(Cell(page, 1, 43), Thousands(project.Year(0)->m_dCashOnHand));
}

TEST_F(BalanceBasicTable, TheBuiltPageDrawsItsLabelsAndYears)
{
    ASSERT_TRUE(Calc().MakeBalanceBasic());
    SetTestPrintSettings();
    CTavResultClass& result = m_project.m_result;
    result.m_sizePaper = CSize(3330, 4700);
    for (int s = 0; s < 11; ++s) result.SetYear(s, s);
    result.SetItemFlag(7);
    CLometricRecordDC dc;
    result.ReportDraw(&dc, 1);

    const int L = 480, c = 259, b = 60;
    EXPECT_EQ(TextsIn(dc, b + 10).size(), 64u);
    const std::vector<CDrawRecord> year3 = TextsIn(dc, L + 3 * c);
    ASSERT_EQ(year3.size(), 65u);
    EXPECT_EQ(year3[0].text, U8(u8"３年"));
    EXPECT_EQ(year3[1 + 43].text, Thousands(m_project.Year(3)->m_dCashOnHand));
    EXPECT_EQ(year3[1 + 44].text, Yield(m_project.Year(3)->m_dYield));
    EXPECT_NE(TextBox(dc, U8(u8"・投資利回り＝税引後利益÷（当初自己資金＋当初借入金）　　　　　　　　・支出の公租公課には前年課税事業税が含まれています。")),
              CRect(-1, -1, -1, -1));

    // Through QPainter on A4, for a look.
    UseResultSheetSettings();
    result.m_sizePaper = CSize(1800, 2670);
    const QImage image = RenderReport(result, 7);
    SaveArtifact(image, "table_balance_basic");
    EXPECT_GT(CountInk(image), 20000);
}

TEST_F(BalanceBasicTable, TheExportWritesTheHeadingSixtyFourLinesAndTheNote)
{
    ASSERT_TRUE(Calc().MakeBalanceBasic());
    const std::string bytes = ExportSection();
    std::vector<std::string> lines;
    for (size_t pos = 0; pos < bytes.size();) {
        const size_t end = bytes.find("\r\n", pos);
        ASSERT_NE(end, std::string::npos);
        lines.push_back(bytes.substr(pos, end - pos));
        pos = end + 2;
    }
    ASSERT_EQ(lines.size(), 2u + 64u + 1u);
    EXPECT_EQ(lines[0], std::string("基本収支表\t（単位：千円）"));
    EXPECT_EQ(lines[1], std::string("基本収支表\t工事期間\t 1年\t 2年\t 3年\t 4年\t 5年\t 6年\t 7年\t 8年\t 9年\t10年\t11年\t12年"));

    // Each line: its label, then years 0 to N as on the page.
    const std::vector<std::string> labels = PageLabels();
    for (int k = 0; k < 64; ++k) {
        std::string expected = labels[size_t(k)];
        for (int y = 0; y <= kYears; ++y) expected += "\t" + Cell(Page(), y + 1, k);
        EXPECT_EQ(lines[size_t(2 + k)], expected) << k;
    }
    const CYearBalanceClass& year2 = *m_project.Year(2);
    EXPECT_NE(lines[2 + 44].find("\t" + Yield(year2.m_dYield) + "\t"), std::string::npos);
    EXPECT_EQ(lines[66], std::string("・投資利回り＝税引後利益÷（当初自己資金＋当初借入金）　　　　　　　　"
                                     "・支出の公租公課には前年課税事業税が含まれています。"));
}

TEST_F(BalanceBasicTable, TheExportReadsTheFormulaFromThePage)
{
    ASSERT_TRUE(Calc().MakeBalanceBasic());
    Page().m_nYieldFormula = 4;
    const std::string bytes = ExportSection();
    const std::string note = "・投資利回り＝収入合計÷";
    EXPECT_NE(bytes.find("\r\n" + note), std::string::npos);
}

TEST_F(BalanceBasicTable, AnIncompleteCalculationExportsNothing)
{
    // The page was never built.
    EXPECT_EQ(ExportSection(), "");
    ASSERT_TRUE(Calc().MakeBalanceBasic());
    // A year without its record.
    Calc().m_objCalcYear.nCalcYear = kYears + 1;
    EXPECT_EQ(ExportSection(), "");
    Calc().m_objCalcYear.nCalcYear = kYears;
    EXPECT_NE(ExportSection(), "");
    Calc().m_pResultClass = nullptr;
    EXPECT_EQ(ExportSection(), "");
}

TEST_F(BalanceBasicTable, TheSectionSitsInTheFileFollowedByAnEmptyLine)
{
    ASSERT_TRUE(Calc().MakeBalanceBasic());
    const std::string section = ExportSection();
    const std::string path = TempPath("_tav_balancebasic_file.txt");
    Calc().SaveTextFile(path.c_str(), "事務所", "日付", 0);
    const std::string file = ReadBytes(path);
    std::filesystem::remove(path);
    EXPECT_NE(file.find("\r\n" + section + "\r\n"), std::string::npos);
}
