// Every data, tax-rate and option sheet of a fully filled project, page after
// page, as a filled form and as a blank form.
#include <gtest/gtest.h>

#include "platform/recorddc.h"
#include "tests/result/exampleproject.h"
#include "tests/result/sampleprojects.h"
#include "tests/support/render.h"

namespace {

constexpr int kPagesTried = 6; // beyond every record's last page

class PrintAllSheets : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        LOGFONT body = SheetBodyFont(), title = SheetTitleFont();
        LOGPEN pen = SheetLinePen(), frame = SheetFramePen();
        SetDataPrintFont(&body);
        SetDataPrintTitleFont(&title);
        SetDataPrintPen(&pen);
        SetDataPrintFramePen(&frame);
        SetTaxPrintFont(&body);
        SetTaxPrintTitleFont(&title);
        SetTaxPrintPen(&pen);
        SetTaxPrintFramePen(&frame);
        SetOptionPrintFont(&body);
        SetOptionPrintTitleFont(&title);
        SetOptionPrintPen(&pen);
        SetOptionPrintFramePen(&frame);
        ASSERT_TRUE(m_project.IsCreated());
        BuildExampleProject(m_project);
        ASSERT_TRUE(m_project.m_data.SetDataData());
        ASSERT_TRUE(m_project.m_option.SetDataData());
        ASSERT_TRUE(m_project.m_tax.SetDataData());
    }

    // Draws pages 0 to kPagesTried of a record; the number of primitives drawn.
    template <class TRecord>
    size_t DrawPages(TRecord* pRecord)
    {
        size_t drawn = 0;
        for (int page = 0; page <= kPagesTried; ++page) {
            CRecordDC dc;
            pRecord->m_nPage = page;
            pRecord->ReportDraw(&dc);
            drawn += dc.Records().size();
        }
        pRecord->m_nPage = 0;
        return drawn;
    }

    CProjectInMemory m_project;
};

} // namespace

TEST_P(PrintAllSheets, EveryRecordDrawsSomething)
{
    const int blank = GetParam();
    m_project.m_data.SetPrintFlag(blank);
    for (CDataClass* p : m_project.m_data.Records()) EXPECT_GT(DrawPages(p), 0u) << typeid(*p).name();
    for (COptionClass* p : m_project.m_option.Records()) {
        for (auto& flags : p->m_anPrintFlag) flags[4] = blank;
        EXPECT_GT(DrawPages(p), 0u) << typeid(*p).name();
    }
    for (CTaxClass* p : m_project.m_tax.Records()) {
        p->SetPrintFlag(4, blank);
        EXPECT_GT(DrawPages(p), 0u) << typeid(*p).name();
    }
}

INSTANTIATE_TEST_SUITE_P(FilledAndBlank, PrintAllSheets, ::testing::Values(0, 1));
