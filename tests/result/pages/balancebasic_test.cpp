#include <QImage>
#include <cstdio>
#include <gtest/gtest.h>
#include <vector>

#include "result/pages/tavresult.h"
#include "tests/result/pages/resultpagetest.h"
#include "tests/result/pages/yeartabletest.h"
#include "tests/support/render.h"
#include "tests/support/utf8.h"

namespace {

// The 64 lines of the basic balance table, as a calculated project labels them.
const char* const kLabels[64] = {
    "賃料", "共益費", "礼金", "更新料", "敷金・保証金・償却益", "手元残高運用利息", "その他の収入", "　　収 入 合 計",
    "公租公課", "管理費", "地代", "修理費", "火災保険料", "保証金支払利息", "借入金支払利息", "その他の支出",
    "　　支 出 合 計", "償却前利益", "減価償却費(建物)", "減価償却費(設備)", "　減価償却費(その他)", "償却後利益",
    "プロジェクト外所得", "税金", "税引後利益", "税引後利益  （累計）", "内部留保", "追加自己資金", "事業外支出",
    "借入金元金返済額合計", "・住宅金融公庫", "・○○銀行", "・", "・", "・", "・", "・", "・", "・",
    "・ショート時借入金", "敷金・保証金収入", "敷金・保証金返済", "剰余金", "手元残高", "投資利回り（％）",
    "借入金元金残高合計", "・住宅金融公庫", "・○○銀行", "・", "・", "・", "・", "・", "・", "・",
    "・ショート時借入金", "敷金残高", "保証金残高", "建物簿価残高(建物)", "建物簿価残高(設備)", "簿価残高(　)",
    "簿価残高(　)", "簿価残高(　)", "簿価残高(　)"};

// Amounts that grow with the year; the profit lines of the first years and the
// construction period's income lines are negative.
CString BalanceCell(int y, int k)
{
    if (k == 44) return y == 0 ? CString("0.00") : CString("4.35");
    const int v = (k + 1) * 137 + y * 53;
    const bool bNegative = (y == 0 && k < 8) || (y < 3 && (k == 21 || k == 24)) || (y == 1 && k == 42);
    CString text;
    text.Format("%s%d,%03d", bNegative ? "-" : "", v / 1000 + 1, v % 1000);
    return text;
}

void FillBalanceBasic(CResultBalanceBasicClass& page, int nYears)
{
    FillYearColumns(page, nYears, 64, BalanceCell);
    for (int k = 0; k < 64; ++k) LabelColumn(page)->SetData(k, kLabels[k]);
}

// The yield note after its numerator.
const std::string kYieldTail = U8(u8"÷（当初自己資金＋当初借入金）　　　　　　　　・支出の公租公課には前年課税事業税が含まれています。");

const CPoint kStart(-100, 150);
// Sheet 3330 x 4700, H = 40, A = 20: h = 70, b = 60, L = 480, c = 259.
const int h = 70, b = 60, L = 480, c = 259, W = 3330;

} // namespace

TEST(BalanceBasicPage, ReportKindSevenDrawsTheFullSheetFromTheStartingOrigin)
{
    SetTestPrintSettings();
    CTavResultClass result;
    FillBalanceBasic(result.m_objBalanceBasic, 2);
    result.m_objBalanceBasic.m_nYieldFormula = 1;
    result.m_sizePaper = CSize(W, 4700);
    for (int s = 0; s < 11; ++s) result.SetYear(s, s);
    result.SetItemFlag(7);
    CLometricRecordDC dc;
    dc.SetWindowOrg(kStart);
    result.ReportDraw(&dc, 1);

    EXPECT_EQ(result.m_objBalanceBasic.m_sizePage, CSize(W, 4700));
    EXPECT_EQ(result.m_objBalanceBasic.m_anYear[2], 2);
    EXPECT_EQ(dc.GetWindowOrg(), kStart);
    EXPECT_EQ(TextBox(dc, U8(u8"基本収支表"), kStart), CRect(0, -h, L, -2 * h));
    EXPECT_EQ(TextBox(dc, U8(u8"（単位：千円）"), kStart), CRect(W / 2, 0, W, -h));
    EXPECT_EQ(TextBox(dc, U8(u8"２年"), kStart), CRect(L + 2 * c, -h, L + 3 * c, -2 * h));
    EXPECT_EQ(TextBox(dc, U8(u8"３年"), kStart), CRect(-1, -1, -1, -1));
    EXPECT_EQ(TextBox(dc, U8(u8"・投資利回り＝剰余金") + kYieldTail, kStart), CRect(0, -66 * h, W, -4700));

    // Band captions on lines 1, 6, 9, 15, 49 and 57.
    ExpectBandCaptions(dc, kStart, h,
                       {{U8(u8"収"), 1}, {U8(u8"入"), 6}, {U8(u8"支"), 9},
                        {U8(u8"出"), 15}, {U8(u8"参"), 49}, {U8(u8"考"), 57}});

    // 64 labels; three columns of 64 cells with their heads, the income of the
    // construction period in red.
    const std::vector<CDrawRecord> labels = TextsIn(dc, b + 10, kStart);
    ASSERT_EQ(labels.size(), 64u);
    EXPECT_EQ(labels[30].text, U8(u8"・住宅金融公庫"));
    EXPECT_EQ(labels[63].text, U8(u8"簿  価  残  高 ( 　 )"));
    EXPECT_EQ(OnPage(labels[63], *labels[63].clip, kStart), CRect(b + 10, -65 * h, L, -66 * h));
    for (int s = 0; s < 3; ++s) {
        const std::vector<CDrawRecord> cells = TextsIn(dc, L + s * c, kStart);
        ASSERT_EQ(cells.size(), 65u) << s;
        EXPECT_EQ(cells[1].color, s == 0 ? RGB(235, 0, 0) : RGB(0, 0, 0)) << s;
        EXPECT_EQ(cells[45].text, s == 0 ? "0.00" : "4.35");
    }

    // Shade 1 on lines 21, 24, 42 and 43; thin rules from the band above lines 7 and 16.
    std::vector<int> shaded;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Rectangle))
        if (r.color == RGB(200, 235, 235)) shaded.push_back(OnPage(r, r.rc, kStart).top / -h - 2);
    EXPECT_EQ(shaded, (std::vector<int>{21, 24, 42, 43}));
    std::vector<CRect> thin;
    size_t nFrames = 0;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Line)) {
        if (r.pen.lopnWidth.x == 0) thin.push_back(OnPage(r, r.rc, kStart));
        else ++nFrames;
    }
    EXPECT_EQ(thin, (std::vector<CRect>{{b, -9 * h, W, -9 * h}, {b, -18 * h, W, -18 * h}}));
    // Title, three banded groups in two parts, two without band; eleven columns
    // of a head and five groups; the right edge.
    EXPECT_EQ(nFrames, size_t((1 + 3 * 2 + 2 + 11 * 6) * 3 + 1));
}

TEST(BalanceBasicPage, TheYieldNoteNamesTheNumeratorOfTheFormula)
{
    SetTestPrintSettings();
    const struct {
        int nFormula;
        const char8_t* pszNumerator;
    } cases[] = {{0, u8"償却前利益"}, {1, u8"剰余金"}, {2, u8"税引後利益"}, {3, u8"償却後利益"},
                 {4, u8"収入合計"},   {5, u8""},       {-1, u8""}};
    for (const auto& test : cases) {
        CResultBalanceBasicClass page;
        FillBalanceBasic(page, 0);
        page.m_sizePage = CSize(W, 4700);
        page.m_anYear[0] = 0;
        page.m_nYieldFormula = test.nFormula;
        CLometricRecordDC dc;
        page.ReportDraw(&dc);
        // The note comes before the title, both from x = 0.
        const std::vector<CDrawRecord> note = TextsIn(dc, 0);
        ASSERT_FALSE(note.empty());
        EXPECT_EQ(note.front().text, U8(u8"・投資利回り＝") + U8(test.pszNumerator) + kYieldTail) << test.nFormula;
    }
    CResultBalanceBasicClass page;
    page.m_nYieldFormula = 3;
    page.InitData();
    EXPECT_EQ(page.m_nYieldFormula, 0);
}

TEST(BalanceBasicPage, PictureOfAFilledPage)
{
    UseResultSheetSettings();

    CTavResultClass result;
    FillBalanceBasic(result.m_objBalanceBasic, 12);
    result.m_objBalanceBasic.m_nYieldFormula = 2;
    result.m_sizePaper = CSize(1800, 2670);
    const QImage image = RenderReport(result, 7);
    SaveArtifact(image, "result_balance_basic");
    EXPECT_GT(CountInk(image), 20000);
    EXPECT_GT(CountRed(image), 50);
}
