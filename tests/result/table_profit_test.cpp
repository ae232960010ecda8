// The profit and loss table: its page, its builder and its export section.
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>
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

const int kLines = 53;
const int kYears = 12;

std::string S(const CString& s)
{
    return std::string(static_cast<const char*>(s));
}

// An amount in whole thousand yen, half up, with thousands separators.
std::string Amount(double dValue)
{
    const double dRounded = std::floor(std::fabs(dValue) + 0.5);
    std::string digits = std::to_string(static_cast<long long>(dRounded));
    for (int i = int(digits.size()) - 3; i > 0; i -= 3) digits.insert(size_t(i), ",");
    return (dValue < 0 && dRounded != 0 ? "-" : "") + digits;
}

// The names the labels are built from.
void NameItems(CDataClassObject& data)
{
    for (auto& item : data.m_pDataProRestOther->m_aOtherIncome) item.m_strName = "";
    for (auto& item : data.m_pDataCost->m_aCostItem) item.m_strOtherName = "";
    for (auto& loan : data.m_pDataSupply->m_aLoan) loan.m_strBankName = "";
    for (auto& item : data.m_pDataExpense->m_aDepreciation) item.m_strName = "";
    data.m_pDataProRestOther->m_aOtherIncome[0].m_strName = "駐車場";
    data.m_pDataCost->m_aCostItem[0].m_strOtherName = "管理委託費";
    data.m_pDataCost->m_aCostItem[4].m_strOtherName = "清掃費";
    data.m_pDataSupply->m_aLoan[0].m_strBankName = "地方銀行";
    data.m_pDataSupply->m_aLoan[8].m_strBankName = "自動";
    data.m_pDataExpense->m_aDepreciation[0].m_strName = "本体";
}

// Labels of the page: the first four running costs without a name show their
// standard names, the other unnamed items a blank.
std::vector<std::string> PageLabels()
{
    std::vector<std::string> labels = {
        "賃料", "共益費", "礼金", "更新料", "敷金償却費", "保証金償却費", "手許残高運用利息", "駐車場", "　", "　",
        "　", "　", "　", "　　収 益 合 計", "固定資産税等", "都市計画税", "前年課税事業税", "納付消費税", "地価税",
        "管理委託費", "地代", "修理費", "火災保険料", "清掃費", "　", "　", "　", "　", "　", "保証金支払利息", "借入金支払利息合計",
        "・地方銀行", "・", "・", "・", "・", "・", "・", "・", "・自動", "・ショート時借入金", "減価償却(本体)",
        "減価償却()", "減価償却()", "減価償却()", "減価償却()", "減価償却()", "創業償却費（※注）", "　　損 失 合 計",
        "経常利益", "プロジェクト外所得", "税金", "純利益"};
    for (auto& label : labels) label = S(CString(label.c_str()));
    return labels;
}

// The first values of an array in order, the rest 0.
template <size_t N>
void SetFirst(double (&adValues)[N], std::initializer_list<double> values)
{
    std::fill(std::begin(adValues), std::end(adValues), 0.0);
    std::copy(values.begin(), values.end(), adValues);
}

// The same amounts in every year record, chosen so that each checked line
// has its own figure.
void SetKnownAmounts(CProjectInMemory& p)
{
    for (int y = 0; y <= p.Years(); ++y) {
        CYearBalanceClass& r = *p.Year(y);
        r.m_dRent = 1234.4;
        r.m_dIncomeTotal = 5678.5;
        r.m_dBuildFixedAssetTax = 300.2;
        r.m_dLandFixedAssetTax = 100.2;
        SetFirst(r.m_adConstructExpense, {7.4, 50});
        SetFirst(r.m_adFurtherExpense, {20});
        r.m_dBuildCityPlanTax = 60;
        r.m_dLandCityPlanTax = 20.6;
        r.m_dManageCost = 400.5;
        r.m_adOtherExpense[0] = 90.49;
        r.m_dLoanInterestTotal = 2500;
        SetFirst(r.m_adLoanInterest, {2000});
        r.m_adLoanInterest[8] = 500;
        SetFirst(r.m_adDepreciation, {3000});
        r.m_dStartupAmortization = 150;
        r.m_dExpenseTotal = 4000;
        r.m_dProfitAfterDepreciation = -1234.6;
        r.m_dProfitAfterTax = -999.7;
    }
    p.m_calc.m_objDecimal = tagSETDECIMAL{0, 0.5, 0, 0};
}

// The cells of those amounts, worked out by hand: the fixed-asset line takes
// every construction and further expense in year 0 (300.2 + 100.2 + 7.4 + 50
// + 20), later only the first construction amount; the expense total adds
// the depreciation and the start-up amortisation.
struct KnownLine {
    int k;
    const char* pszYear0;
    const char* pszLater;
};
const KnownLine kKnownLines[] = {
    {0, "1,234", "1,234"},   {13, "5,679", "5,679"},  {14, "478", "408"},     {15, "81", "81"},
    {19, "401", "401"},      {23, "90", "90"},        {30, "2,500", "2,500"}, {31, "2,000", "2,000"},
    {39, "500", "500"},      {41, "3,000", "3,000"},  {47, "150", "150"},     {48, "7,150", "7,150"},
    {49, "-1,235", "-1,235"}, {52, "-1,000", "-1,000"},
};

std::string KnownCell(int y, const KnownLine& line)
{
    return y == 0 ? line.pszYear0 : line.pszLater;
}

std::string Cell(CResultBaseClass& page, int nColumn, int k)
{
    auto* column = dynamic_cast<CResultStringArrayClass*>(page.m_pItemArray->GetAt(nColumn));
    return column ? S(column->GetData(k)) : "<missing>";
}

// The bytes that TextSon writes; nothing follows the last CR LF.
std::string ExportSection(CTavCalcClass& calc)
{
    const std::string bytes = CaptureBytes(calc, [&] { calc.TextSon(); });
    EXPECT_TRUE(bytes.empty() || bytes.ends_with("\r\n"));
    return bytes;
}

class ProfitTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_project.IsCreated());
        BuildSampleProject(m_project, {ProjectKind::kCorporation, ProjectKind::kAutoLoan, kYears});
        ASSERT_TRUE(m_project.Calculate(kYears));
        NameItems(m_project.m_data);
    }
    CResultBaseClass& Page() { return m_project.m_result.m_objBalanceProfit; }

    CProjectInMemory m_project;
};

} // namespace

TEST_F(ProfitTable, BuildsTheLabelsAndEveryYearsAmounts)
{
    SetKnownAmounts(m_project);
    ASSERT_TRUE(m_project.m_calc.MakeBalanceProfit());
    ASSERT_EQ(Page().m_pItemArray->GetSize(), kYears + 2);
    const std::vector<std::string> labels = PageLabels();
    for (int k = 0; k < kLines; ++k) EXPECT_EQ(Cell(Page(), 0, k), labels[size_t(k)]) << k;
    for (int n = 0; n < kYears + 2; ++n)
        EXPECT_EQ(static_cast<CResultStringArrayClass*>(Page().m_pItemArray->GetAt(n))->m_nCount, kLines + 4);

    for (int y : {1, 2, kYears})
        for (const KnownLine& line : kKnownLines) EXPECT_EQ(Cell(Page(), y + 1, line.k), line.pszLater) << y << " " << line.k;
}

TEST_F(ProfitTable, TheConstructionPeriodLeavesTheRunningLinesEmpty)
{
    SetKnownAmounts(m_project);
    m_project.Year(0)->m_adOtherExpense[0] = 812.6;
    ASSERT_TRUE(m_project.m_calc.MakeBalanceProfit());
    const CYearBalanceClass& r0 = *m_project.Year(0);
    EXPECT_EQ(Cell(Page(), 1, 47), "813");
    for (int k = 0; k < kLines; ++k) {
        const bool bEmpty = (k >= 19 && k <= 29) || (k >= 31 && k <= 46);
        if (bEmpty) EXPECT_EQ(Cell(Page(), 1, k), "") << k;
        else EXPECT_NE(Cell(Page(), 1, k), "") << k;
    }
    for (const KnownLine& line : kKnownLines) {
        if (line.k < 19 || line.k == 30 || line.k > 47) {
            EXPECT_EQ(Cell(Page(), 1, line.k), line.pszYear0) << line.k;
        }
    }
    // The start-up amortisation cell shows the construction-period expenses.
    EXPECT_EQ(Cell(Page(), 1, 47), Amount(r0.m_adOtherExpense[0]));
}

TEST_F(ProfitTable, FixedAssetTaxesAddOnlyAPositiveFirstConstructionAmountLater)
{
    const struct {
        double dFirst;
        double dAdded;
    } cases[] = {{-5.0, 0.0}, {0.0, 0.0}, {7.4, 7.4}};
    for (const auto& test : cases) {
        CYearBalanceClass& r = *m_project.Year(3);
        r.m_dBuildFixedAssetTax = 1000.2;
        r.m_dLandFixedAssetTax = 200.2;
        r.m_adConstructExpense[0] = test.dFirst;
        r.m_adConstructExpense[1] = 50.0;
        ASSERT_TRUE(m_project.m_calc.MakeBalanceProfit());
        // One rounding of the sum: 1,200.4 + 7.4 gives 1,208.
        EXPECT_EQ(Cell(Page(), 4, 14), Amount(1200.4 + test.dAdded)) << test.dFirst;
    }
    EXPECT_EQ(Cell(Page(), 4, 14), "1,208");
}

TEST_F(ProfitTable, ASecondBuildReplacesEveryColumn)
{
    ASSERT_TRUE(m_project.m_calc.MakeBalanceProfit());
    const std::string before = Cell(Page(), kYears + 1, 52);
    ASSERT_TRUE(m_project.m_calc.MakeBalanceProfit());
    ASSERT_EQ(Page().m_pItemArray->GetSize(), kYears + 2);
    EXPECT_EQ(Cell(Page(), kYears + 1, 52), before);

    ASSERT_TRUE(m_project.Calculate(5));
    ASSERT_TRUE(m_project.m_calc.MakeBalanceProfit());
    EXPECT_EQ(Page().m_pItemArray->GetSize(), 7);
    EXPECT_EQ(Cell(Page(), 6, 0), Amount(m_project.Year(5)->m_dRent));
}

TEST_F(ProfitTable, NoResultObjectIsAnUnexpectedError)
{
    ASSERT_TRUE(m_project.m_calc.MakeBalanceProfit());
    m_project.m_calc.m_pResultClass = nullptr;
    m_project.m_calc.m_nMessageID = CALC_NO_ERROR;
    EXPECT_FALSE(m_project.m_calc.MakeBalanceProfit());
    EXPECT_EQ(m_project.m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
    EXPECT_EQ(Page().m_pItemArray->GetSize(), kYears + 2);
}

TEST_F(ProfitTable, ExportWritesEveryLineForEveryYear)
{
    CTavCalcClass& calc = m_project.m_calc;
    SetKnownAmounts(m_project);
    const std::vector<std::string> lines = SplitLines(ExportSection(calc));
    ASSERT_EQ(lines.size(), size_t(2 + kLines));
    EXPECT_EQ(lines[0], S("損益計算表\t（単位：千円）"));
    EXPECT_EQ(lines[1].rfind(S("損益計算表\t工事期間\t 1年\t 2年\t"), 0), 0u);

    // Label, year 0 to N, an empty cell.
    // Year 0 writes the record's amount on every line.
    auto expected = [&](const std::string& label, const KnownLine& known) {
        std::string line = label;
        for (int y = 0; y <= kYears; ++y) line += "\t" + KnownCell(y, known);
        return line + "\t";
    };
    const std::vector<std::string> page = PageLabels();
    for (const KnownLine& known : kKnownLines) {
        std::string label = page[size_t(known.k)];
        if (known.k == 19) label = S("管理委託費");
        if (known.k == 23) label = S("清掃費");
        EXPECT_EQ(lines[size_t(2 + known.k)], expected(label, known)) << known.k;
    }
    // Empty names: blank cells, the first four running expenses their own labels.
    EXPECT_EQ(lines[2 + 8].substr(0, 1), "\t");
    EXPECT_EQ(lines[2 + 20].substr(0, 5), S("地代\t"));
    EXPECT_EQ(lines[2 + 22].substr(0, 11), S("火災保険料\t"));
    EXPECT_EQ(lines[2 + 24].substr(0, 1), "\t");
    EXPECT_EQ(lines[2 + 42].substr(0, 11), S("減価償却()\t"));
}

TEST_F(ProfitTable, ExportWithoutOperatingYearsHasFourCellsALine)
{
    CTavCalcClass& calc = m_project.m_calc;
    calc.m_objCalcYear.nCalcYear = 0;
    const std::string bytes = ExportSection(calc);
    const CYearBalanceClass& r0 = *m_project.Year(0);
    EXPECT_NE(bytes.find(S("\r\n賃料\t") + Amount(r0.m_dRent) + "\t\r\n"), std::string::npos);
    EXPECT_NE(bytes.find(S("\r\n創業償却費（※注）\t") + Amount(r0.m_dStartupAmortization) + "\t\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find(S("\r\n清掃費\t") + Amount(r0.m_adOtherExpense[0]) + "\t\r\n"), std::string::npos);
    EXPECT_NE(bytes.find(S("\r\n管理委託費\t0\t\r\n")), std::string::npos);
    for (const std::string& line : SplitLines(bytes)) {
        if (line.rfind(S("損益計算表"), 0) == 0) continue;
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 2) << line;
    }
}

namespace {

const CPoint kStart(-100, 150);
// Sheet 3330 x 4700, H = 40, A = 20: h = 4700 / 56.
const int h = 83, b = 60, L = 480, c = 259, W = 3330;

} // namespace

TEST_F(ProfitTable, PageDrawsItsGroupsCaptionsRulesAndNote)
{
    SetTestPrintSettings();
    ASSERT_TRUE(m_project.m_calc.MakeBalanceProfit());
    CTavResultClass& result = m_project.m_result;
    result.m_sizePaper = CSize(W, 4700);
    for (int s = 0; s < 11; ++s) result.SetYear(s, s);
    result.SetItemFlag(8);
    CLometricRecordDC dc;
    dc.SetWindowOrg(kStart);
    result.ReportDraw(&dc, 1);

    EXPECT_EQ(dc.GetWindowOrg(), kStart);
    EXPECT_EQ(TextBox(dc, U8(u8"損益計算表"), kStart), CRect(0, -h, L, -2 * h));
    const std::string note = U8(u8"※注 創業償却費の工事期間欄には、便宜上、工事費以外の各種経費（経費設定した消費税金額も含む）の合計が入っています。工事期間のみ創業償却費金額ではありません。");
    EXPECT_EQ(TextBox(dc, note, kStart), CRect(b, -55 * h, W, -4700));

    ExpectBandCaptions(dc, kStart, h,
                       {{U8(u8"収"), 3}, {U8(u8"益"), 10}, {U8(u8"損"), 23},
                        {U8(u8"失"), 39}, {U8(u8"利"), 50}, {U8(u8"益"), 51}});

    const std::vector<CDrawRecord> labels = TextsIn(dc, b + 10, kStart);
    ASSERT_EQ(labels.size(), size_t(kLines));
    EXPECT_EQ(labels[31].text, U8(u8"・地方銀行"));
    EXPECT_EQ(OnPage(labels[52], *labels[52].clip, kStart).bottom, -55 * h);
    // The construction period shows its head and 53 - 27 amounts; a year all 53.
    for (int s = 0; s < 2; ++s) {
        size_t nShown = 0;
        for (const CDrawRecord& r : TextsIn(dc, L + s * c, kStart)) nShown += r.text == U8(u8"　") ? 0 : 1;
        EXPECT_EQ(nShown, size_t(s == 0 ? 1 + kLines - 27 : 1 + kLines)) << s;
    }

    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Rectangle)) EXPECT_NE(r.color, RGB(200, 235, 235));
    std::vector<CRect> thin;
    size_t nFrames = 0;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Line)) {
        if (r.pen.lopnWidth.x == 0) thin.push_back(OnPage(r, r.rc, kStart));
        else ++nFrames;
    }
    EXPECT_EQ(thin, (std::vector<CRect>{{b, -15 * h, W, -15 * h}, {b, -50 * h, W, -50 * h}}));
    // Title, three banded groups in two parts; eleven columns of a head and
    // three groups; the right edge.
    EXPECT_EQ(nFrames, size_t((1 + 3 * 2 + 11 * 4) * 3 + 1));
}

TEST(ProfitPage, NothingIsDrawnWithoutColumnsOrWithTooMany)
{
    SetTestPrintSettings();
    for (int nYears : {-2, 51}) {
        CResultBalanceProfitClass page;
        if (nYears >= 0) FillYearColumns(page, nYears, kLines, [](int, int) { return CString("1"); });
        page.m_sizePage = CSize(W, 4700);
        CLometricRecordDC dc;
        page.ReportDraw(&dc);
        EXPECT_TRUE(dc.Records().empty()) << nYears;
    }
}

TEST_F(ProfitTable, PictureOfAFilledPage)
{
    UseResultSheetSettings();
    ASSERT_TRUE(m_project.m_calc.MakeBalanceProfit());
    CTavResultClass& result = m_project.m_result;
    result.m_sizePaper = CSize(1800, 2670);
    const QImage image = RenderReport(result, 8);
    SaveArtifact(image, "result_profit");
    EXPECT_GT(CountInk(image), 20000);
}

TEST_F(ProfitTable, YearsWithoutARecordStayEmpty)
{
    CTavCalcClass& calc = m_project.m_calc;
    calc.m_objCalcYear.nCalcYear = kYears + 1;
    ASSERT_TRUE(calc.MakeBalanceProfit());
    ASSERT_EQ(Page().m_pItemArray->GetSize(), kYears + 3);
    EXPECT_EQ(Cell(Page(), kYears + 1, 0), Amount(m_project.Year(kYears)->m_dRent));
    for (int k = 0; k < kLines; ++k) EXPECT_EQ(Cell(Page(), kYears + 2, k), "") << k;

    const std::vector<std::string> lines = SplitLines(ExportSection(calc));
    ASSERT_EQ(lines.size(), size_t(2 + kLines));
    // The missing year writes an empty cell before the closing one.
    EXPECT_EQ(lines[2].substr(lines[2].size() - 2), "\t\t");
}
