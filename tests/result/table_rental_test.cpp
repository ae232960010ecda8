// The rental conditions detail and rental basic items tables: their
// builders, their export sections and their pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "app/common/classobject.h"
#include "data/datarentalbasic.h"
#include "data/datarentaltype.h"
#include "option/optionbusiness.h"
#include "platform/codepage.h"
#include "result/pages/rentalbasic.h"
#include "result/pages/rentaldetail.h"
#include "result/pages/rentalrows.h"
#include "tests/result/exampleproject.h"
#include "tests/result/sectiontext.h"
#include "tests/result/pages/resultpagetest.h"
#include "tests/result/pages/yeartabletest.h"
#include "tests/support/utf8.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

std::string Utf8(const CString& str)
{
    return CP932ToUtf8(str);
}

class RentalTables : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_project.IsCreated());
        BuildExampleProject(m_project);
        ASSERT_TRUE(m_project.Calculate(kExampleYears));
    }
    CTavCalcClass& Calc() { return m_project.m_calc; }
    CDataRentalTypeClass& Type() { return *m_project.m_data.m_pDataRentalType; }
    CDataRentalBasicClass& Basic(int c) { return *m_project.m_data.m_apDataRentalBasic[c]; }
    std::string TypeCell(int r, int i)
    {
        return Utf8(dynamic_cast<CResultRentalTypeItemClass*>(m_project.m_result.m_objRentalType.m_pItemArray->GetAt(r))
                        ->GetText(i));
    }
    std::string BasicCell(int r, int c)
    {
        return Utf8(
            dynamic_cast<CResultRentalBasicItemClass*>(m_project.m_result.m_objRentalBasic.m_pItemArray->GetAt(r))
                ->GetText(c));
    }
    // Category 3, "事務所": rent from year 3 after an unused step, occupancy
    // with an open second step, a grace period and ten years of repayment.
    void SetOffices()
    {
        CDataRentalBasicClass& office = Basic(3);
        office.m_strName = "事務所";
        office.nContractYears = 5;
        office.m_aRate[CDataRentalBasicClass::kRateRent].m_aDataRate[1] = {3, 10, 1, 2.0, 0};
        CDataRateClass& occupancy = office.m_aRate[CDataRentalBasicClass::kRateLive];
        occupancy.m_aDataRate[0] = {1, 5, 0, 90.0, 0};
        occupancy.m_aDataRate[1] = {6, 2, 0, 80.0, 0};
        occupancy.m_aDataRate[2] = {10, 20, 0, 50.0, 0};
        office.dDepositAmortizeRatio = 12.5;
        office.m_objSecurityLoan.nRepayMethod = 0;
        office.m_objSecurityLoan.m_aRepay[0] = {0, 6, 1.5};
        office.m_objSecurityLoan.m_aRepay[1] = {1, 10, 2.0};
        m_project.m_option.m_pOptionAdvance->m_aRate[3] = {30.0, 50.0};
    }

    CProjectInMemory m_project;
};

} // namespace

TEST_F(RentalTables, DetailRowsHoldTheTextsOfTheLinesInUse)
{
    SetRentalLine(Type(), 4, {9, "範囲外", 0, 1, 10, 0, 0, 0, 0, 0});
    SetRentalLine(Type(), 5, {-1, "未使用", 0, 1, 10, 0, 0, 0, 0, 0});
    SetRentalLine(Type(), 6, {0, "特殊", 5, 3, kNaN, 0, 0, 0, 0, 1e300});
    SetRentalLine(Type(), 7, {2, "月極", 0, 12.5, 85, 0, 0, 0, 0, 0});
    SetRentalLine(Type(), 8, {0, "空室", 1, 0, 0, 0, 0, 0, 0, 0});
    SetRentalLine(Type(), 10, {8, "一つ先", 0, 1, 10, 0, 0, 0, 0, 0});
    ASSERT_TRUE(Calc().MakeRentalType());
    ASSERT_EQ(m_project.m_result.m_objRentalType.m_pItemArray->GetSize(), 10);

    const std::string flats = Utf8(Basic(0).m_strName);
    const std::vector<std::string> line0 = {"1LDK", flats, U8(u8"戸あたり"), "95", "5", "95", "190", "", "95",
                                            U8(u8"12戸")};
    for (int r = 0; r < 10; ++r) EXPECT_EQ(TypeCell(r, 0), line0[size_t(r)]) << r;
    EXPECT_EQ(TypeCell(9, 2), U8(u8"2戸"));
    EXPECT_EQ(TypeCell(2, 3), U8(u8"台  数"));
    EXPECT_EQ(TypeCell(9, 3), U8(u8"10台"));
    // Categories -1, 8 and 9 leave their column empty.
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(TypeCell(r, 4), "") << r;
        EXPECT_EQ(TypeCell(r, 5), "") << r;
        EXPECT_EQ(TypeCell(r, 10), "") << r;
    }
    // An input method outside 0 to 3: no display text, no unit.
    EXPECT_EQ(TypeCell(2, 6), "");
    EXPECT_EQ(TypeCell(9, 6), "3");
    EXPECT_EQ(TypeCell(9, 7), "12.5");
    EXPECT_EQ(TypeCell(3, 7), "85");
    EXPECT_EQ(TypeCell(4, 7), "");
    EXPECT_EQ(TypeCell(9, 8), U8(u8"0戸"));
    for (int r = 0; r < 10; ++r) EXPECT_EQ(TypeCell(r, 19), "") << r;

    const std::vector<std::string> lines = SectionLines(Calc(), &CTavCalcClass::TextRental);
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[0], U8(u8"賃貸条件詳細（金額単位：千円）"));
    EXPECT_EQ(lines[1], U8(u8"名    称\t種    類\t表    示\t賃料（月額）\t共益費（月額）\t礼    金\t敷    金\t保証金\t更新料\t"
                           u8"面積・戸数・台数"));
    EXPECT_EQ(Cells(lines[2]), line0);
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(Cells(lines[8]).size(), 10u);
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[9], U8(u8"月極\t") + Utf8(Basic(2).m_strName) + U8(u8"\t総  額\t85\t\t\t\t\t\t12.5"));
    EXPECT_EQ(lines[21], "");
}

TEST(RentalDetail, AProjectWithoutLinesGivesEmptyRowsAndEmptyLines)
{
    CProjectInMemory project;
    ASSERT_TRUE(project.m_calc.MakeRentalType());
    ASSERT_EQ(project.m_result.m_objRentalType.m_pItemArray->GetSize(), 10);
    const std::vector<std::string> lines = SectionLines(project.m_calc, &CTavCalcClass::TextRental);
    ASSERT_EQ(lines.size(), 22u);
    for (size_t i = 2; i < 22; ++i) EXPECT_EQ(lines[i], "") << i;

    CTavCalcClass calc;
    EXPECT_FALSE(calc.MakeRentalType());
    EXPECT_FALSE(calc.MakeRentalBasic());
    EXPECT_EQ(calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
}

TEST_F(RentalTables, BasicColumnsShowTheSchedulesRatesAndRepayment)
{
    SetOffices();
    ASSERT_TRUE(Calc().MakeRentalBasic());
    ASSERT_EQ(m_project.m_result.m_objRentalBasic.m_pItemArray->GetSize(), 10);
    EXPECT_EQ(BasicCell(0, 0), Utf8(Basic(0).m_strName));
    EXPECT_EQ(BasicCell(1, 0), U8(u8"  2年"));
    EXPECT_EQ(BasicCell(2, 0), U8(u8"  1年目～  2年毎\n1%\n下降\n\n\n\n\n\n\n\n\n\n"));
    // A level from year 1 on, stored with last year 0: shown, and it ends the schedule.
    EXPECT_EQ(BasicCell(3, 0), U8(u8"  1年目～\n95%\n\n\n\n\n\n\n\n\n\n\n"));
    EXPECT_EQ(BasicCell(4, 0), U8(u8"  1年目～\n30%\n\n\n\n\n\n\n\n\n\n\n"));
    EXPECT_EQ(BasicCell(5, 0), U8(u8"償却率＝10%\n前受率＝100%"));
    // Shops repay the guarantee money in one sum.
    EXPECT_EQ(BasicCell(7, 1), U8(u8"一括返済\n\n\n\n\n"));
    EXPECT_EQ(BasicCell(6, 1), U8(u8"償却率＝20%\n前受率＝100%"));
    // Offices: the rent step after an unused one is shown; the occupancy
    // steps after the open one are not.
    EXPECT_EQ(BasicCell(2, 3), U8(u8"\n\n\n  3年目～  1年毎\n2%\n上昇\n\n\n\n\n\n\n"));
    EXPECT_EQ(BasicCell(3, 3), U8(u8"  1年目～\n90%\n\n  6年目～\n80%\n\n\n\n\n\n\n\n"));
    EXPECT_EQ(BasicCell(5, 3), U8(u8"償却率＝12.5%\n前受率＝50%"));
    EXPECT_EQ(BasicCell(6, 3), U8(u8"償却率＝0%\n前受率＝30%"));
    EXPECT_EQ(BasicCell(7, 3), U8(u8"元利均等\n据置期間   6ヶ月\n金利 1.5%\n返済期間  10年  \n金利 2%\n"));
    // Categories without a contract period stay empty.
    for (int r = 0; r < 10; ++r)
        for (int c = 4; c < 8; ++c) EXPECT_EQ(BasicCell(r, c), "") << r << " " << c;
    EXPECT_EQ(BasicCell(8, 0), "");
}

TEST_F(RentalTables, OddRepaymentValuesBuildAndExportWithoutAFault)
{
    CDataRentalBasicClass& store = Basic(5);
    store.nContractYears = 3;
    store.m_objSecurityLoan.nRepayMethod = 9;
    store.m_objSecurityLoan.m_aRepay[1] = {4, 0, kNaN};
    store.m_aRate[CDataRentalBasicClass::kRateRent].m_aDataRate[0] = {1, 0, 1, 1e300, -4};
    ASSERT_TRUE(Calc().MakeRentalBasic());
    EXPECT_EQ(BasicCell(7, 5).substr(0, 1), "\n");
    EXPECT_NE(BasicCell(7, 5).find(U8(u8"返済期間   0年  ")), std::string::npos);
    EXPECT_EQ(SectionLines(Calc(), &CTavCalcClass::TextRental2).size(), 34u);
}

TEST_F(RentalTables, TheRentalBasicSectionHasFourLinesACategory)
{
    SetOffices();
    const std::vector<std::string> lines = SectionLines(Calc(), &CTavCalcClass::TextRental2);
    ASSERT_EQ(lines.size(), 34u);
    EXPECT_EQ(lines[0], U8(u8"賃貸条件基礎事項"));
    EXPECT_EQ(lines[1], U8(u8"種 別 名\t契約期間\t賃料等 上昇・下降率\t\t\t入 居 率\t\t入 替 率\t\t敷　金\t保証金\t保証金返済方法\t"));
    const std::string flats = Utf8(Basic(0).m_strName);
    EXPECT_EQ(lines[2], flats + U8(u8"\t  2年\t  1年目～  2年毎\t1%\t下降\t  1年目～\t95%\t  1年目～\t30%\t償却率＝10%\t"
                                   u8"償却率＝0%\t元利均等"));
    // Shops repay in one sum: the second and third lines end early.
    EXPECT_EQ(Cells(lines[7]).size(), 11u);
    EXPECT_EQ(Cells(lines[8]).size(), 9u);
    // Offices: the unused first rent step ends the rent schedule in the text.
    EXPECT_EQ(lines[14], U8(u8"事務所\t  5年\t\t\t\t  1年目～\t90%\t\t\t償却率＝12.5%\t償却率＝0%\t元利均等"));
    EXPECT_EQ(lines[15], U8(u8"\t\t\t\t\t  6年目～\t80%\t\t\t前受率＝50%\t前受率＝30%\t据置期間   6ヶ月\t金利1.5%"));
    EXPECT_EQ(lines[16], U8(u8"\t\t\t\t\t\t\t\t\t\t\t返済期間  10年  \t金利2%"));
    EXPECT_EQ(lines[17], "\t\t\t\t\t\t\t\t");
    for (size_t i = 18; i < 34; ++i) EXPECT_EQ(lines[i], "") << i;
}

// ---- Pages

namespace {

template <class Row>
void FillRows(CResultBaseClass& page, int nRows, const std::function<CString(int, int)>& text)
{
    page.DestroyData();
    page.CreateData();
    for (int r = 0; r < nRows; ++r) {
        auto* pRow = new Row;
        for (int i = 0; i < 20; ++i) pRow->SetText(i, text(r, i));
        page.m_pItemArray->Add(pRow);
    }
}

CString Cell(const char* pszFormat, int r, int i)
{
    CString text;
    text.Format(pszFormat, r, i);
    return text;
}

} // namespace

TEST(RentalPages, DetailColumnsAndRows)
{
    SetTestPrintSettings();
    CResultRentalTypeClass page;
    FillRows<CResultRentalTypeItemClass>(page, 10, [](int r, int i) { return Cell("t%d-%d", r, i); });
    const int h = 50;
    page.m_sizePage = CSize(3330, 23 * h + 11);
    const CPoint start(-100, 150);
    CLometricRecordDC dc;
    dc.SetWindowOrg(start);
    page.ReportDraw(&dc);
    EXPECT_EQ(dc.GetWindowOrg(), start);

    // 20a, 20a, 10a, then seven of (3330 - 50a) / 7 = 332.
    const int anLeft[11] = {0, 400, 800, 1000, 1332, 1664, 1996, 2328, 2660, 2992, 3324};
    EXPECT_EQ(TextBox(dc, U8(u8"賃貸条件詳細（金額単位：千円）"), start), CRect(1665 - 300, 0, 1665 + 300, -2 * h));
    EXPECT_EQ(TextBox(dc, U8(u8"名    称"), start), CRect(0, -2 * h, 400, -3 * h));
    EXPECT_EQ(TextBox(dc, U8(u8"賃料（月額）"), start), CRect(1000, -2 * h, 1332, -3 * h));
    EXPECT_EQ(TextBox(dc, U8(u8"面積・戸数・台数"), start), CRect(2992, -2 * h, 3324, -3 * h));
    EXPECT_EQ(TextBox(dc, "t0-2", start), CRect(10, -5 * h, 400, -6 * h));
    EXPECT_EQ(TextBox(dc, "t2-19", start), CRect(800, -22 * h, 1000, -23 * h));
    // Amounts fitted on the grid, right-aligned in their column.
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Text))
        if (r.text == "t9-0") {
            EXPECT_EQ(OnPage(r, *r.clip, start).right, 3324);
        }
    // Verticals at every column edge and the right edge; none inside the title band but the outer ones.
    int nVerticals = 0;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Line))
        if (r.rc.left == r.rc.right) {
            const CRect rc = OnPage(r, r.rc, start);
            ++nVerticals;
            EXPECT_EQ(rc.bottom, -23 * h);
            EXPECT_EQ(rc.top, rc.left == 0 || rc.left == 3324 ? 0 : -2 * h) << rc.left;
            EXPECT_NE(std::find(std::begin(anLeft), std::end(anLeft), rc.left), std::end(anLeft)) << rc.left;
        }
    EXPECT_EQ(nVerticals, 11);

    // Without its ten columns the page draws the frame, the title and the heads.
    FillRows<CResultRentalTypeItemClass>(page, 9, [](int r, int i) { return Cell("t%d-%d", r, i); });
    CLometricRecordDC empty;
    page.ReportDraw(&empty);
    EXPECT_EQ(empty.Texts().size(), 11u);
}

TEST(RentalPages, BasicColumnsAndParts)
{
    SetTestPrintSettings();
    CResultRentalBasicClass page;
    // Cell j of column c: the parts "b<c>-<j>-<n>", n = 1 to 12, a line each.
    const auto cell = [](int c, int j) {
        CString text;
        for (int n = 1; n <= 12; ++n) text += Cell("b%d-%d", c, j) + Cell("-%d", n, 0) + "\n";
        return text;
    };
    FillRows<CResultRentalBasicItemClass>(page, 10, cell);
    const int r = 30, W = 3330, u = 40;
    page.m_sizePage = CSize(W, 36 * r + 20);
    const CPoint start(-100, 150);
    CLometricRecordDC dc;
    dc.SetWindowOrg(start);
    page.ReportDraw(&dc);
    EXPECT_EQ(dc.GetWindowOrg(), start);

    const int anLeft[9] = {0, 10 * u, 15 * u, 31 * u, 43 * u, 55 * u, 63 * u, 71 * u, W};
    EXPECT_EQ(TextBox(dc, U8(u8"賃貸条件基礎事項"), start), CRect(W / 2, 0, W / 2 + 10 * u, -2 * r));
    const char8_t* const apszHeads[8] = {u8"種 別 名", u8"契約期間", u8"賃料等 上昇・下降率", u8"入 居 率",
                                         u8"入 替 率", u8"敷　金",   u8"保証金",              u8"保証金返済方法"};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(TextBox(dc, U8(apszHeads[c]), start), CRect(anLeft[c], -2 * r, anLeft[c + 1], -4 * r)) << c;
    // Category j's row starts at 4r + 4r * j; schedules three parts a line.
    const auto part = [](int c, int j, int n) { return Utf8(Cell("b%d-%d", c, j) + Cell("-%d", n, 0)); };
    EXPECT_EQ(TextBox(dc, Utf8(cell(0, 2)), start), CRect(0, -12 * r, 10 * u, -16 * r));
    EXPECT_EQ(TextBox(dc, part(2, 1, 1), start), CRect(anLeft[2] + u / 4, -8 * r, anLeft[3], -9 * r));
    EXPECT_EQ(TextBox(dc, part(2, 1, 2), start), CRect(anLeft[2], -8 * r, anLeft[3] - 3 * u - u / 4, -9 * r));
    EXPECT_EQ(TextBox(dc, part(4, 7, 12), start), CRect(anLeft[4], -35 * r, anLeft[5] - u / 4, -36 * r));
    EXPECT_EQ(TextBox(dc, part(5, 0, 1), start), CRect(anLeft[5], -5 * r, anLeft[6], -6 * r));
    EXPECT_EQ(TextBox(dc, part(5, 0, 2), start), CRect(anLeft[5], -6 * r, anLeft[6], -7 * r));
    EXPECT_EQ(TextBox(dc, part(7, 3, 1), start), CRect(anLeft[7], -16 * r, W, -17 * r));
    EXPECT_EQ(TextBox(dc, part(7, 3, 5), start), CRect(anLeft[7], -18 * r, W - u / 4, -19 * r));
    // Rules: each column's top, the band, the heads and the eight rows; the right edge.
    int nRules = 0;
    for (const CDrawRecord& rec : dc.RecordsOf(CDrawRecord::Line)) {
        const CRect rc = OnPage(rec, rec.rc, start);
        if (rc.top == rc.bottom) ++nRules;
        else EXPECT_EQ(rc.bottom, -36 * r);
    }
    EXPECT_EQ(nRules, 8 * 11);

    FillRows<CResultRentalBasicItemClass>(page, 7, [](int, int) { return CString("x"); });
    CLometricRecordDC empty;
    page.ReportDraw(&empty);
    EXPECT_EQ(empty.Texts().size(), 9u);
}

TEST_F(RentalTables, KindFiveDrawsTheDetailOverTheBasicItems)
{
    SetOffices();
    const char* const apszCategories[3] = {"住宅", "店舗", "駐車場"};
    for (int c = 0; c < 3; ++c) Basic(c).m_strName = apszCategories[c];
    ASSERT_TRUE(Calc().MakeRentalType());
    ASSERT_TRUE(Calc().MakeRentalBasic());
    SetTestPrintSettings();
    CTavResultClass& result = m_project.m_result;
    result.m_sizePaper = CSize(3330, 2200);
    result.SetItemFlag(5);
    CLometricRecordDC dc;
    result.ReportDraw(&dc, 1);
    EXPECT_EQ(result.m_objRentalType.m_sizePage, CSize(3330, 1100 - 160));
    EXPECT_EQ(result.m_objRentalBasic.m_sizePage, CSize(3330, 1100 + 200));
    int nTitles = 0;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Text)) {
        if (r.text == U8(u8"賃貸条件詳細（金額単位：千円）")) {
            EXPECT_EQ(r.origin, CPoint(0, 0));
            ++nTitles;
        }
        if (r.text == U8(u8"賃貸条件基礎事項")) {
            EXPECT_EQ(r.origin, CPoint(0, 1100 - 120));
            ++nTitles;
        }
    }
    EXPECT_EQ(nTitles, 2);
    const std::vector<std::string> texts = dc.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), U8(u8"事務所")), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "2LDK"), texts.end());

    // The realistic example on A4 and B4, for a look.
    for (const auto& [size, nBody, pszName] :
         {std::tuple{CSize(2670, 1744), 28, "result_rental_a4"}, std::tuple{CSize(3330, 2192), 34, "result_rental_b4"}}) {
        UseResultSheetSettings();
        LOGFONT body = *GetResultPrintFont();
        body.lfHeight = nBody;
        SetResultPrintFont(&body);
        result.m_sizePaper = size;
        const QImage image = RenderReport(result, 5);
        SaveArtifact(image, pszName);
        EXPECT_GT(CountInk(image), 20000);
    }
}
