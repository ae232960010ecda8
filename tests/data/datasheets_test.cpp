// Every sheet of the rental, funding and other-income records, page after
// page, as a filled and as a blank form; each filled page is rendered to PNG.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "tests/data/drawnsheet.h"
#include "tests/data/sheetrecords.h"

namespace {

struct CSheetCase {
    const char* name;
    std::function<std::unique_ptr<CDataClass>()> make;
    int nPages; // pages counted from 1; 0 for a one-page sheet drawn whatever the page
};

template <class T>
std::function<std::unique_ptr<CDataClass>()> Maker(void (*fill)(T&))
{
    return [fill] {
        auto record = std::make_unique<T>();
        fill(*record);
        return record;
    };
}

const CSheetCase kSheets[] = {
    {"rentaltypes", Maker(&FillRentalTypes), 5},
    {"rentalbasic", Maker(&FillRentalBasic), 0},
    {"supply", Maker(&FillSupply), 4},
    {"prorestother", Maker(&FillProRestOther), 2},
    {"restother", Maker(&FillRestOther), 2},
};

} // namespace

TEST(DataSheets, EveryPageDrawsFilledAndBlank)
{
    UseSheetPrintSettings();
    for (const CSheetCase& sheet : kSheets) {
        std::unique_ptr<CDataClass> record = sheet.make();
        record->CreatePrintArray(1);
        record->SetDataData(-1);
        for (int nPage = sheet.nPages ? 1 : 0; nPage <= sheet.nPages; ++nPage) {
            record->SetPage(nPage);
            for (int nBlank : {0, 1}) {
                record->SetPrintFlag(4, nBlank);
                CRecordDC dc;
                record->ReportDraw(&dc);
                SCOPED_TRACE(std::string(sheet.name) + " page " + std::to_string(nPage) + (nBlank ? " blank" : ""));
                EXPECT_GT(dc.Texts().size(), 10u);
                EXPECT_GT(dc.RecordsOf(CDrawRecord::Line).size(), 10u);
                EXPECT_EQ(CountDrawnTicks(dc) == 0, nBlank == 1);
            }
            record->SetPrintFlag(4, 0);
            const QImage image = RenderSheet([&record](CDC* pDC) { record->ReportDraw(pDC); });
            EXPECT_GT(CountInk(image), 20000);
            SaveArtifact(image, std::string("data_") + sheet.name + (sheet.nPages ? "_p" + std::to_string(nPage) : ""));
        }
        record->DestroyPrintArray();
    }
}
