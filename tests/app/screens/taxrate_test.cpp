// The tax-rate windows of one record each: captions, ranges, mirrored
// bounds, derived tiers, the area factor and the stores.
#include <gtest/gtest.h>

#include "app/shell/tavrinprojectdoc.h"
#include "app/taxopt/taxparentframe.h"
#include "platform/resource.h"
#include "result/calc/yearbalance.h"
#include "tests/app/screentest.h"
#include "tax/taxbusiness.h"
#include "tax/taxconsumption.h"
#include "tax/taxcorporation.h"
#include "tax/taxlandprice.h"
#include "tax/taxlicense.h"
#include "tax/taxmunicipal.h"

namespace {

class TaxRateScreenTest : public ScreenTest {
protected:
    CFormWidget* OpenForm(UINT nID)
    {
        CTavrinFormParentFrame* frame = Open(nID);
        return frame ? frame->GetActiveView() : nullptr;
    }
    bool IsOpen(UINT nID) const { return Active() && Active()->m_nCommandID == int(nID); }
    static CString Text(CFormWidget* form, UINT nID) { return form->GetDlgItemText(nID); }
};

struct WindowCase {
    UINT nID;
    UINT nNameID;
    const char* shot;
};

const WindowCase kWindows[] = {
    {20200, 250, "tax_municipal"},    {20201, 251, "tax_cityplan"},     {20203, 253, "tax_business"},
    {20204, 254, "tax_businessplace"}, {20205, 255, "tax_depreciation"}, {20206, 256, "tax_consumption"},
    {20207, 257, "tax_landprice"},    {20208, 258, "tax_license"},      {20209, 259, "tax_realtyget"},
    {20210, 260, "tax_corporation"},  {20213, 263, "tax_transfer"},
};

TEST_F(TaxRateScreenTest, EveryWindowOpensWithItsCaptionAndStoresUnchangedWithoutFlag)
{
    for (const WindowCase& c : kWindows) {
        SCOPED_TRACE(c.shot);
        ASSERT_NE(OpenForm(c.nID), nullptr);
        EXPECT_EQ(Caption(), LoadText(249) + LoadText(161) + LoadText(c.nNameID));
        Shot(c.shot);
        Toolbar(ID_DATA_SAVE);
        EXPECT_FALSE(IsOpen(c.nID));
        EXPECT_FALSE(m_pDoc->m_abTaxModified[c.nID - 20200]);
    }
}

// A value out of range: the prompt, the focus on the edit, the window open,
// the record unchanged.
struct RangeCase {
    UINT nWindow;
    UINT nID;
    const char* text;
    bool bAccepted;
};

const RangeCase kRanges[] = {
    {20205, 10000, "100", true},  {20205, 10000, "101", false}, {20205, 10000, "-1", false},
    {20205, 10003, "0", true},    {20205, 10003, "101", false}, {20205, 10004, "100", true},
    {20205, 10004, "100.5", false}, {20205, 10000, "1.5", false}, {20208, 10001, "100", true},
    {20208, 10001, "101", false}, {20209, 10003, "-0.1", false}, {20209, 10003, "0", true},
    {20213, 10000, "-1", false},  {20213, 10001, "100", true},  {20213, 10001, "101", false},
    {20206, 10000, "abc", false}, {20203, 10004, "-5", true},   {20203, 10010, "150", true},
};

TEST_F(TaxRateScreenTest, RangesOfTheFields)
{
    for (const RangeCase& c : kRanges) {
        SCOPED_TRACE(std::to_string(c.nWindow) + "/" + std::to_string(c.nID) + " " + c.text);
        CFormWidget* form = OpenForm(c.nWindow);
        ASSERT_NE(form, nullptr);
        m_boxes.m_texts.clear();
        Type(form, c.nID, c.text);
        Toolbar(ID_DATA_SAVE);
        EXPECT_EQ(!IsOpen(c.nWindow), c.bAccepted);
        EXPECT_EQ(m_boxes.m_texts.empty(), c.bAccepted);
        if (!c.bAccepted) {
            EXPECT_EQ(FocusedId(), c.nID);
            Toolbar(ID_DATA_CANCEL);
            Pump();
        }
    }
}

TEST_F(TaxRateScreenTest, ZeroFractionNeedsConsent)
{
    CFormWidget* form = OpenForm(20200);
    Type(form, 10002, "1");
    Type(form, 10003, "0");
    m_boxes.m_answers.push_back(IDNO);
    Toolbar(ID_DATA_SAVE);
    ASSERT_TRUE(IsOpen(20200));
    EXPECT_EQ(m_boxes.m_texts.back(), LoadText(10018));
    EXPECT_EQ(FocusedId(), 10003u);
    m_boxes.m_answers.push_back(IDYES);
    Type(form, 10007, "0");
    m_boxes.m_answers.push_back(IDNO);
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(m_boxes.m_texts.back(), LoadText(10019));
    EXPECT_EQ(FocusedId(), 10007u);
    m_boxes.m_answers.push_back(IDYES);
    m_boxes.m_answers.push_back(IDYES);
    Toolbar(ID_DATA_SAVE);
    EXPECT_FALSE(IsOpen(20200));
    EXPECT_EQ(m_pDoc->GetTaxMunicipal()->m_dHouseLandDenominator, 0.0);
    EXPECT_EQ(m_pDoc->GetTaxMunicipal()->m_dNewHouseNumerator, 0.0);
    EXPECT_TRUE(m_pDoc->m_abTaxModified[0]);

    form = OpenForm(20201);
    Type(form, 10003, "");
    EXPECT_EQ(Text(form, 10003), "1");
    Type(form, 10002, "0");
    m_boxes.m_answers.push_back(IDNO);
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(FocusedId(), 10002u);
    EXPECT_TRUE(IsOpen(20201));
}

TEST_F(TaxRateScreenTest, LowerBoundsMirrorTheUppers)
{
    CFormWidget* form = OpenForm(20205);
    Type(form, 10000, "12");
    EXPECT_EQ(Text(form, 10005), "12");
    Type(form, 10000, "");
    EXPECT_EQ(Text(form, 10005), "0");
    Toolbar(ID_DATA_CANCEL);

    form = OpenForm(20203);
    const UINT mirrors[][2] = {{10003, 10005}, {10006, 10008}, {10015, 10017}, {10018, 10020}};
    for (const auto& m : mirrors) Type(form, m[0], "3000");
    for (const auto& m : mirrors) EXPECT_EQ(Text(form, m[1]), "3,000") << m[1];
    Toolbar(ID_DATA_SAVE);
    const CTaxBusinessClass& business = *m_pDoc->GetTaxBusiness();
    EXPECT_EQ(business.m_aIncomeStep[1].m_dLower, 3000.0);
    EXPECT_EQ(business.m_aIncomeStep[2].m_dLower, 3000.0);
    EXPECT_EQ(business.m_aIncomeStep[2].m_dUpper, -1.0);
    EXPECT_EQ(business.m_aCapitalStep[2].m_dLower, 3000.0);

    m_pDoc->GetTaxLandPrice()->m_aCapitalStep[0].m_dLower = 5;
    m_pDoc->GetTaxLandPrice()->m_aCapitalStep[2].m_dUpper = 7;
    form = OpenForm(20207);
    Type(form, 10002, "100000");
    EXPECT_EQ(Text(form, 10004), "100,000");
    Toolbar(ID_DATA_SAVE);
    const CTaxLandPriceClass& land = *m_pDoc->GetTaxLandPrice();
    EXPECT_EQ(land.m_aCapitalStep[1].m_dLower, 100000.0);
    EXPECT_EQ(land.m_aCapitalStep[0].m_dLower, 0.0);
    EXPECT_EQ(land.m_aCapitalStep[2].m_dUpper, -1.0);
}

TEST_F(TaxRateScreenTest, CorporationTiersFromTheLimits)
{
    CFormWidget* form = OpenForm(20210);
    Type(form, 10000, "100000");
    EXPECT_EQ(Text(form, 10003), "100,000");
    EXPECT_EQ(Text(form, 10006), "100,000");
    Type(form, 10001, "8000");
    EXPECT_EQ(Text(form, 10004), "8,000");
    Type(form, 10002, "15");
    Type(form, 10005, "23.2");
    Type(form, 10007, "23.2");
    m_pDoc->GetTaxCorporation()->m_adCapitalStep[1][3] = 42;
    Toolbar(ID_DATA_SAVE);
    const double expected[3][6] = {
        {15, 0, 100000, 0, 0, 8000}, {23.2, 0, 100000, 42, 8000, -1}, {23.2, 100000, -1, 0, -1, -1}};
    const auto& tiers = m_pDoc->GetTaxCorporation()->m_adCapitalStep;
    for (int t = 0; t < 3; ++t)
        for (int v = 0; v < 6; ++v)
            if (v != 3 || t == 1) {
                EXPECT_EQ(tiers[t][v], expected[t][v]) << t << "," << v;
            }
}

// A factor of 0 or below is refused with 10020; a valid one converts the areas.
TEST_F(TaxRateScreenTest, AreaFactorAboveZero)
{
    const double dOld = m_pDoc->GetTaxBusinessPlace()->m_dSquareMeterPerTsubo;
    for (const char* text : {"0", "-3.3", ""}) {
        SCOPED_TRACE(text);
        CFormWidget* form = OpenForm(20204);
        m_boxes.m_texts.clear();
        Type(form, 10003, text);
        Toolbar(ID_DATA_SAVE);
        ASSERT_EQ(m_boxes.m_texts.size(), 1u);
        EXPECT_EQ(m_boxes.m_texts[0], LoadText(10020));
        EXPECT_EQ(FocusedId(), 10003u);
        EXPECT_TRUE(IsOpen(20204));
        EXPECT_EQ(m_pDoc->GetTaxBusinessPlace()->m_dSquareMeterPerTsubo, dOld);
        Toolbar(ID_DATA_CANCEL);
    }
    CFormWidget* form = OpenForm(20204);
    Type(form, 10003, "3");
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(m_pDoc->GetTaxBusinessPlace()->m_dSquareMeterPerTsubo, 3.0);
}

TEST_F(TaxRateScreenTest, CancelChecksFirstWhereTheWindowSaysSo)
{
    for (UINT nID : {20206u, 20209u}) {
        CFormWidget* form = OpenForm(nID);
        Type(form, 10000, "x");
        m_boxes.m_texts.clear();
        Toolbar(ID_DATA_CANCEL);
        EXPECT_TRUE(IsOpen(nID));
        EXPECT_EQ(m_boxes.m_texts.size(), 1u);
        Type(form, 10000, "9");
        Toolbar(ID_DATA_CANCEL);
        EXPECT_FALSE(IsOpen(nID));
    }
    EXPECT_NE(m_pDoc->GetTaxConsumption()->m_dRate, 9.0);
}

TEST_F(TaxRateScreenTest, PreviousAndNextAtTheEnds)
{
    OpenForm(20200);
    Toolbar(ID_DATA_PREV);
    EXPECT_TRUE(IsOpen(20200));
    CFormWidget* form = OpenForm(20201);
    Type(form, 10000, "0.4");
    Toolbar(ID_DATA_NEXT);
    EXPECT_EQ(m_pDoc->GetTaxCityPlan()->m_dLandRate, 0.4);
    OpenForm(20213);
    Toolbar(ID_DATA_NEXT);
    EXPECT_TRUE(IsOpen(20213));
}

TEST_F(TaxRateScreenTest, ChangedRateMovesTheResult)
{
    const auto consumptionTax = [this] {
        double dTotal = 0;
        for (int nYear = 0; nYear <= kYears; ++nYear)
            if (const CYearBalanceClass* r = m_pDoc->m_objCalc.GetYearRecord(nYear)) dTotal += r->m_dSalesConsumptionTax;
        return dTotal;
    };
    Calculate();
    const double dBefore = consumptionTax();
    Command(ID_TAX_MUNICIPAL + 6);
    CFormWidget* form = Active()->GetActiveView();
    Type(form, 10000, "20");
    Toolbar(ID_DATA_SAVE);
    Calculate();
    EXPECT_GT(consumptionTax(), dBefore);
}

} // namespace
