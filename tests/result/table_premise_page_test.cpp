// The premise pages 3 to 10: their layout on a recording device context and
// the two premise reports of the worked example rendered for a look.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <string>
#include <vector>

#include "exampleproject.h"
#include "result/pages/premisebasic.h"
#include "result/pages/premisecolumns.h"
#include "result/pages/resultrows.h"
#include "tests/resultpages/resultpagetest.h"
#include "tests/support/render.h"
#include "tests/support/utf8.h"

namespace {

// With H = 40 and A = 20 on a sheet 3330 wide: u = 40 and W = 1615 / 40 = 40 units.
const int H = 40;
const int u = 40;
const int c = 20;
const int W = 40;
const CSize kSheet(3330, 2400);

void AddRow(CResultBaseClass& page, const char* pszItem, const char* pszContent, const char* pszMoney)
{
    if (!page.m_pItemArray) page.CreateData();
    auto* pRow = new CResultItemClass;
    pRow->SetItem(pszItem);
    pRow->SetContent(pszContent);
    pRow->SetMoney(pszMoney);
    page.m_pItemArray->Add(pRow);
}

// Draws the page on a fresh recording context from the origin (0, 0).
void Draw(CResultBaseClass& page, CLometricRecordDC& dc)
{
    SetTestPrintSettings();
    page.m_sizePage = kSheet;
    page.ReportDraw(&dc);
}

std::vector<CDrawRecord> TextsNamed(const CRecordDC& dc, const std::string& text)
{
    std::vector<CDrawRecord> found;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Text))
        if (r.text == text) found.push_back(r);
    return found;
}

// Left edge of a right-aligned text of nBytes half-width cells ending at x.
int RightAlignedLeft(int x, int nBytes)
{
    return x - nBytes * c - c / 2;
}

bool HasLine(const CRecordDC& dc, int x1, int y1, int x2, int y2)
{
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Line))
        if (r.rc == CRect(x1, y1, x2, y2)) return true;
    return false;
}

} // namespace

TEST(PremisePages, EachPageMovesTheOriginByItsHeightPageEightStays)
{
    CResultBasicDataClass basic;
    CResultOutlineDataClass outline;
    CResultDepreciationDataClass depreciation;
    CResultCapitalpayDataClass capitalpay;
    CResultCapitalpayLoanDataClass loan;
    CResultTaxDataClass tax;
    CResultProRestOtherDataClass proRestOther;
    CResultRestOtherDataClass restOther;
    const struct {
        CResultBaseClass* pPage;
        int nMove;
        int nLines;
    } cases[] = {{&basic, 12, 12},      {&outline, 11, 11}, {&depreciation, 10, 10}, {&capitalpay, 5, 5},
                 {&loan, 21, 21},       {&tax, 0, 27},      {&proRestOther, 35, 35}, {&restOther, 43, 43}};
    for (const auto& test : cases) {
        CLometricRecordDC dc;
        dc.SetWindowOrg(-7, 100);
        Draw(*test.pPage, dc);
        EXPECT_EQ(dc.GetWindowOrg(), CPoint(-7, 100 + test.nMove * H)) << test.nLines;
        // Before any calculation: the fills, the frame and the title.
        EXPECT_EQ(dc.RecordsOf(CDrawRecord::FillRect).size() + dc.RecordsOf(CDrawRecord::Rectangle).size(), 2u);
        EXPECT_TRUE(HasLine(dc, 0, 0, W * u, 0)) << test.nLines;
        EXPECT_TRUE(HasLine(dc, W * u, 0, W * u, -test.nLines * H)) << test.nLines;
    }
}

namespace {

// The worked example calculated and its premise tables built (steps 3 to 10).
class PremiseExample : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_project.IsCreated());
        BuildExampleProject(m_project);
    }
    void Calculate()
    {
        ASSERT_TRUE(m_project.Calculate(kExampleYears));
        for (int nStep = 3; nStep <= 10; ++nStep) ASSERT_TRUE(m_project.m_calc.Calc(nStep)) << nStep;
    }
    // A4 landscape less the two header lines, or B4, with the program's fonts.
    QImage Render(int nKind, bool bB4)
    {
        LOGFONT body = SheetBodyFont(), title = SheetTitleFont();
        body.lfHeight = bB4 ? 39 : 28;
        title.lfHeight = bB4 ? 56 : 49;
        LOGPEN line = SheetLinePen(), frame = SheetFramePen();
        SetResultPrintFont(&body);
        SetResultPrintTitleFont(&title);
        SetResultPrintPen(&line);
        SetResultPrintFramePen(&frame);
        m_project.m_result.m_sizePaper = bB4 ? CSize(3330, 2270 - 2 * 39) : CSize(2670, 1800 - 2 * 28);
        return RenderReport(m_project.m_result, nKind);
    }

    CProjectInMemory m_project;
};

} // namespace

TEST_F(PremiseExample, BothReportsRenderOnA4AndB4)
{
    // A capital expenditure on a loan fills the loan page too.
    CDataExpenseClass& expense = *m_project.m_data.m_pDataExpense;
    expense.m_aCapitalPay[0].nYear = 15;
    expense.m_aCapitalPay[0].dAmount = 30000.0;
    expense.m_aCapitalPay[0].nSource = 1;
    expense.m_aCapitalPay[0].nItem = 1;
    CDataLoanClass& loan = m_project.m_data.m_pDataSupply->m_aLoan[6];
    SetLoan(loan, 30000.0, 0, {{15, 24, 1.8}}, 6);
    loan.m_strBankName = "地方銀行";
    loan.m_nCapitalPayYear = 15;
    Calculate();
    for (bool bB4 : {false, true})
        for (int nKind : {0, 1}) {
            const QImage image = Render(nKind, bB4);
            SaveArtifact(image, std::string("table_premise_kind") + std::to_string(nKind) + (bB4 ? "_b4" : "_a4"));
            EXPECT_GT(CountInk(image), 10000);
        }
}
