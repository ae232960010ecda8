// Every option sheet: element counts per page, placement, height, and a PNG.
#include <algorithm>
#include <functional>
#include <memory>

#include "tests/option/optionsamples.h"
#include "tests/option/optiontest.h"
#include "tests/support/utf8.h"

namespace {

struct SheetCase {
    const char* pszName;
    std::function<std::unique_ptr<COptionClass>()> make; // sample values, sheet not built
    int nPage;                   // page selector when drawn
    std::vector<int> pages;      // pages with elements
    std::array<int, 6> counts;   // elements of each of those pages
    int nRows;                   // rows of one page
    int nHeight;                 // window origin after one drawing
    std::string title;           // first text drawn
};

template <class T>
std::unique_ptr<COptionClass> Sample()
{
    auto r = std::make_unique<T>();
    FillSample(*r);
    return r;
}

std::vector<int> Range(int nFirst, int nLast)
{
    std::vector<int> v;
    for (int p = nFirst; p <= nLast; ++p) v.push_back(p);
    return v;
}

// Element counts and heights of every sheet; a title is 750 high, a row 500.
const std::vector<SheetCase>& Cases()
{
    static const std::vector<SheetCase> cases = {
        {"business_rate", Sample<COptionBusinessRateClass>, 1, {0}, {4, 11, 9, 4, 42, 63}, 12, 750 + 12 * 500,
         U8(u8"事業割合")},
        {"advance", Sample<COptionAdvanceClass>, 1, {0}, {4, 8, 4, 3, 16, 24}, 9, 750 + 9 * 500,
         U8(u8"敷金・保証金の前受率")},
        {"consumption_cost", Sample<COptionConsumptionCostClass>, 1, {0}, {4, 7, 9, 4, 26, 39}, 8, 750 + 8 * 500,
         U8(u8"消費税仕入（経費）課税区分")},
        {"consumption_funds_1", Sample<COptionConsumptionExpenseClass>, 1, Range(0, 16), {4, 3, 8, 2, 7, 8}, 4,
         750 + 12 * 2000, U8(u8"建設所要資金の消費税")},
        {"consumption_funds_2", Sample<COptionConsumptionExpenseClass>, 2, Range(0, 16), {4, 3, 8, 2, 7, 8}, 4,
         750 + 5 * 2000, U8(u8"建設所要資金の消費税")},
        {"consumption_rental", Sample<COptionConsumptionRentalClass>, 1, {0}, {4, 3, 9, 10, 12, 12}, 4,
         750 + 4 * 500, U8(u8"消費税売上（収入）課税区分－住宅")},
        {"consumption_income", Sample<COptionConsumptionIncomeClass>, 1, {0}, {4, 4, 9, 4, 14, 21}, 5,
         750 + 5 * 500 + 8 * (750 + 4 * 500), U8(u8"消費税売上（収入）課税区分－その他の収入")},
        {"expense_manage", Sample<COptionExpenseManageClass>, 1, Range(15, 23), {4, 2, 8, 3, 8, 8}, 3,
         750 + 8 * 1500 + 2000, U8(u8"建設期間中経理処理方法")},
        {"other_manage", Sample<COptionOtherManageClass>, 1, {0}, {4, 9, 22, 10, 17, 20}, 10, 750 + 10 * 500,
         U8(u8"その他の処理方法")},
        {"header", Sample<COptionHeaderClass>, 1, {0}, {4, 2, 1, 2, 0, 3}, 3, 0, U8(u8"プロジェクト名")},
        {"memo", Sample<COptionMemoClass>, 1, {0}, {4, 2, 1, 3, 0, 0}, 8, 750, U8(u8"メモ")},
    };
    return cases;
}

bool Has(const std::vector<int>& pages, int p) { return std::find(pages.begin(), pages.end(), p) != pages.end(); }

} // namespace

TEST(OptionSheets, EveryPageHasItsElementsPlacedInsideTheSheet)
{
    for (const SheetCase& c : Cases()) {
        SCOPED_TRACE(c.pszName);
        auto r = c.make();
        r->CreatePrintArray(1);
        for (int p = 0; p < COptionClass::kPageCount; ++p) {
            SCOPED_TRACE(p);
            const auto n = PageCounts(*r, p);
            if (!Has(c.pages, p)) {
                // A page the record lacks has no elements and cannot be placed.
                EXPECT_TRUE(std::all_of(n.begin(), n.end(), [](int k) { return k <= 0; }));
                EXPECT_FALSE(r->SetFramePoint(p));
                continue;
            }
            EXPECT_EQ(n, c.counts);
            for (const CObArray* a : {r->m_apFrame[p], r->m_apWLine[p], r->m_apHLine[p], r->m_apItem[p],
                                      r->m_apSubItem[p], r->m_apData[p]})
                for (int i = 0; i < a->GetSize(); ++i) {
                    const CPrintItemClass* e = ItemAt(a, i);
                    EXPECT_FALSE(e->m_nX1 == e->m_nX2 && e->m_nY1 == e->m_nY2) << "unplaced element " << i;
                    for (int x : {e->m_nX1, e->m_nX2}) EXPECT_TRUE(x >= 0 && x <= 18000) << i;
                    for (int y : {e->m_nY1, e->m_nY2}) EXPECT_TRUE(y <= 0 && y >= -c.nRows * 500) << i;
                }
        }
        for (int p : {-1, 30}) EXPECT_FALSE(r->SetFramePoint(p));
        r->DestroyPrintArray();
        EXPECT_EQ(PageCounts(*r, c.pages.front())[0], -1);
    }
}

TEST(OptionSheets, DrawingMovesTheOriginByTheSheetHeight)
{
    UseSheetPrintSettings();
    for (const SheetCase& c : Cases()) {
        SCOPED_TRACE(c.pszName);
        auto r = c.make();
        r->CreatePrintArray(1);
        r->m_nPage = c.nPage;
        CRecordDC dc;
        r->ReportDraw(&dc);
        EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, c.nHeight));
        ASSERT_FALSE(dc.Texts().empty());
        EXPECT_EQ(dc.Texts()[0], c.title);
        // A second sheet drawn without touching the origin lands below the first.
        r->ReportDraw(&dc);
        EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 2 * c.nHeight));
        r->DestroyPrintArray();
    }
}

TEST(OptionSheets, WithoutASheetNothingIsDrawn)
{
    UseSheetPrintSettings();
    for (const SheetCase& c : Cases()) {
        SCOPED_TRACE(c.pszName);
        auto r = c.make();
        r->m_nPage = c.nPage;
        CRecordDC dc;
        r->ReportDraw(&dc);
        EXPECT_TRUE(dc.Records().empty());
        EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 0));
    }
}

TEST(OptionSheets, PictureOfEverySheet)
{
    UseSheetPrintSettings();
    for (const SheetCase& c : Cases()) {
        SCOPED_TRACE(c.pszName);
        auto r = c.make();
        r->CreatePrintArray(1);
        r->m_nPage = c.nPage;
        const double dHeightMm = 30 + c.nHeight / 100.0 + (c.nHeight ? 0 : 15);
        QImage image = RenderSheet([&](CDC* pDC) { r->ReportDraw(pDC); }, 210, dHeightMm);
        SaveArtifact(image, std::string("option_") + c.pszName);
        EXPECT_GT(CountInk(image), 2000);
        r->DestroyPrintArray();
    }
}
