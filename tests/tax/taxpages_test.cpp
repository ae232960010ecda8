// The tax-rate pages as the print command lays them out: on each page the
// header, a memo, then as many tax sheets as fit, each directly below the last.
#include <functional>
#include <gtest/gtest.h>

#include "tax/taxcorporation.h"
#include "tax/taxheader.h"
#include "tax/taxpersonal.h"
#include "tax/taxstandardmoney.h"
#include "tests/support/render.h"
#include "tests/tax/sheetgeometry.h"
#include "tests/tax/taxratefill.h"

namespace {

// A stacked tax sheet: a filled record, its height below the title in rows,
// and whether the caller moves the origin past it (the sheet itself leaves
// the origin where its title put it).
struct StackedSheet {
    const char* name;
    std::function<std::unique_ptr<CTaxClass>()> make;
    int rows;
    bool placedByCaller;
    int titles = 1; // a record that draws several pages has a title on each
};

const StackedSheet kStacked[] = {
    {"fixed-asset", MakeFilled<CTaxMunicipalClass>, 8, true},
    {"city-planning", MakeFilled<CTaxCityPlanClass>, 5, true},
    {"land-value", MakeFilled<CTaxLandPriceClass>, 8, false},
    {"business", MakeFilled<CTaxBusinessClass>, 17, false},
    {"business-place", MakeFilled<CTaxBusinessPlaceClass>, 1, false},
    {"consumption", MakeFilled<CTaxConsumptionClass>, 5, false},
    {"depreciation", MakeFilled<CTaxDepreciationClass>, 6, false},
    {"loss carry-forward", MakeFilled<CTaxTransferClass>, 4, false},
    {"registration", MakeFilled<CTaxLicenseClass>, 7, false},
    {"acquisition", MakeFilled<CTaxRealtyGetClass>, 8, false},
    {"corporation", MakeFilled<CTaxCorporationClass>, 4, false},
    {"prefectural", MakeFilled<CTaxPrefecturalClass>, 21, false},
    {"municipal", MakeFilled<CTaxVillageClass>, 21, false},
    {"income", MakeFilled<CTaxIncomeClass>, 21, false},
    {"corporate inhabitant", MakeFilled<CTaxResidentCorporationClass>, 2, false},
    {"standard amounts", MakeFilled<CTaxStandardMoneyClass>, 9 + 11 + 8, false, 3},
};

constexpr int kPageHeight = 29700 - 2 * 1500; // A4 less its margins
constexpr int kHeaderHeight = 1500;
constexpr int kMemoHeight = 750 + 4000;
constexpr int kTitleHeight = 750;

int SheetHeight(const StackedSheet& s) { return s.titles * kTitleHeight + s.rows * 500; }

// The sheets of each page: a sheet that would not fit goes to the next page.
std::vector<std::vector<size_t>> Paginate()
{
    std::vector<std::vector<size_t>> pages(1);
    int used = kHeaderHeight + kMemoHeight;
    for (size_t i = 0; i < std::size(kStacked); ++i) {
        const int h = SheetHeight(kStacked[i]);
        if (used + h > kPageHeight && !pages.back().empty()) {
            pages.emplace_back();
            used = kHeaderHeight + kMemoHeight;
        }
        pages.back().push_back(i);
        used += h;
    }
    return pages;
}

class TaxRatePagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseSheetPrintSettings(SetTaxPrintFont, SetTaxPrintTitleFont, SetTaxPrintPen, SetTaxPrintFramePen);
        for (const StackedSheet& s : kStacked) {
            m_records.push_back(s.make());
            m_records.back()->CreatePrintArray(1);
        }
        m_header.SetDate("2024年4月1日");
        m_header.SetProjectName("駅前賃貸ビル計画");
        m_header.CreatePrintArray(1);
    }

    // Draws one page from the device context's origin; afterPiece runs after
    // the header, the memo and each sheet.
    void DrawPage(CDC* pDC, const std::vector<size_t>& sheets, const std::function<void()>& afterPiece)
    {
        const CPoint top = pDC->GetWindowOrg();
        CString names;
        for (size_t i : sheets) names += (names.IsEmpty() ? "" : "・") + m_records[i]->m_strTitle;
        m_header.SetDataName(names);
        m_header.ReportDraw(pDC);
        pDC->SetWindowOrg(top.x, top.y + kHeaderHeight);
        afterPiece();
        CTaxMemoClass memo;
        memo.CreatePrintArray(1);
        memo.ReportDraw(pDC);
        memo.DestroyPrintArray();
        pDC->SetWindowOrg(top.x, top.y + kHeaderHeight + kMemoHeight);
        afterPiece();
        for (size_t i : sheets) {
            const CPoint before = pDC->GetWindowOrg();
            m_records[i]->ReportDraw(pDC);
            if (kStacked[i].placedByCaller) pDC->SetWindowOrg(before.x, before.y + SheetHeight(kStacked[i]));
            afterPiece();
        }
    }

    std::vector<std::unique_ptr<CTaxClass>> m_records;
    CTaxHeaderClass m_header;
};

} // namespace

TEST_F(TaxRatePagesTest, SheetsStackWithoutOverlapAndBreakToANewPageWhenFull)
{
    const std::vector<std::vector<size_t>> pages = Paginate();
    EXPECT_GT(pages.size(), 1u);
    for (size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        CRecordDC dc;
        std::vector<size_t> marks{0};
        std::vector<int> origins;
        DrawPage(&dc, pages[p], [&] {
            marks.push_back(dc.Records().size());
            origins.push_back(dc.GetWindowOrg().y);
        });
        // Each piece draws inside its slot: from the origin before it to the origin after it.
        std::vector<int> expectedOrigins{kHeaderHeight, kHeaderHeight + kMemoHeight};
        for (size_t i : pages[p]) expectedOrigins.push_back(expectedOrigins.back() + SheetHeight(kStacked[i]));
        EXPECT_EQ(origins, expectedOrigins);
        ASSERT_EQ(marks.size(), expectedOrigins.size() + 1);
        EXPECT_LE(expectedOrigins.back(), kPageHeight);
        for (size_t k = 0; k + 1 < marks.size(); ++k) {
            const std::string piece = k == 0 ? "header" : k == 1 ? "memo" : kStacked[pages[p][k - 2]].name;
            ASSERT_LT(marks[k], marks[k + 1]) << piece << " drew nothing";
            const PageBox box = ExtentOf(dc.Records(), marks[k], marks[k + 1]);
            const int slotTop = k == 0 ? 0 : -expectedOrigins[k - 1];
            EXPECT_LE(box.top, slotTop) << piece;
            EXPECT_GE(box.bottom, -expectedOrigins[k]) << piece;
            if (k + 2 < marks.size()) {
                const PageBox next = ExtentOf(dc.Records(), marks[k + 1], marks[k + 2]);
                EXPECT_FALSE(box.Overlaps(next)) << piece << " overlaps the next piece";
            }
        }
    }
    for (size_t p = 0; p < pages.size(); ++p) {
        const QImage image = RenderSheet([&](CDC* pDC) { DrawPage(pDC, pages[p], [] {}); });
        SaveArtifact(image, "tax_rate_page_" + std::to_string(p + 1));
    }
}
