// The taxable-standard window: the two burden-level tables, the price-fall
// conditions, the cancel that checks first and the store.
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

#include "app/taxopt/taxburdenpane.h"
#include "app/taxopt/taxstandardmoneyview.h"
#include "file/filetax.h"
#include "data/datatax.h"
#include "result/calc/yearbalance.h"
#include "screentest.h"
#include "tests/support/tempfile.h"

namespace {

using Pane = CTaxBurdenLevelPane;

constexpr UINT IDS_UPPER_BELOW_LOWER = 3362;
constexpr UINT IDS_NOT_NEGATIVE = 3363;
constexpr UINT IDC_USE = 10040;
constexpr UINT IDC_DROP_RATE = 10035;
constexpr UINT IDC_HOUSE_LEVEL = 10037;
constexpr UINT IDC_ADJUST_RATE = 1206;
constexpr int kHouse = CTaxStandardMoneyView::kHouseTab;
constexpr int kNonHouse = CTaxStandardMoneyView::kNonHouseTab;
constexpr int kPriceFall = CTaxStandardMoneyView::kPriceFallTab;

// Upper bounds and rates of the tables the tests start from (the last rows
// have no upper end).
constexpr double kHouseUpper[] = {0.2, 0.4, 0.6, 0.8, 1.0, 0};
constexpr double kHouseRate[] = {1.25, 1.125, 1.0833, 1.0625, 1.05, 1.0};
constexpr double kNonHouseUpper[] = {0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0};
constexpr double kNonHouseRate[] = {1.25, 1.1667, 1.125, 1.1, 1.0833, 1.0, 70};

void SetLevels(CTaxBurdenLevelClass* aLevel, const double* adUpper, const double* adRate, int nRows)
{
    for (int k = 0; k < nRows; ++k) {
        aLevel[k].m_dLower = k == 0 ? 0 : adUpper[k - 1];
        aLevel[k].m_nLowerExclusive = 0;
        aLevel[k].m_dUpper = adUpper[k];
        aLevel[k].m_nUpperInclusive = 0;
        aLevel[k].m_dRate = adRate[k];
    }
}

bool SameLevels(const CTaxStandardMoneyClass& a, const CTaxStandardMoneyClass& b)
{
    const auto same = [](const CTaxBurdenLevelClass& x, const CTaxBurdenLevelClass& y) {
        return x.m_dLower == y.m_dLower && x.m_nLowerExclusive == y.m_nLowerExclusive && x.m_dUpper == y.m_dUpper &&
               x.m_nUpperInclusive == y.m_nUpperInclusive && x.m_dRate == y.m_dRate;
    };
    for (int k = 0; k < CTaxStandardMoneyClass::kLevelCount; ++k)
        if (!same(a.m_aHouseLevel[k], b.m_aHouseLevel[k]) || !same(a.m_aBusinessLevel[k], b.m_aBusinessLevel[k]))
            return false;
    return true;
}

class TaxStandardTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        CTaxStandardMoneyClass& record = Record();
        SetLevels(record.m_aHouseLevel, kHouseUpper, kHouseRate, CTaxStandardMoneyClass::kHouseRows);
        SetLevels(record.m_aBusinessLevel, kNonHouseUpper, kNonHouseRate, CTaxStandardMoneyClass::kBusinessRows);
        record.m_objPriceDrop.m_nPriceDropUse = 1;
        OpenWindow();
    }
    void OpenWindow()
    {
        Open(20202);
        Pump();
        view = ActiveViewAs<CTaxStandardMoneyView>();
        ASSERT_NE(view, nullptr);
    }
    CTaxStandardMoneyClass& Record() const { return *m_pDoc->GetTaxStandardMoney(); }
    bool IsOpen() const { return ActiveViewAs<CTaxStandardMoneyView>() != nullptr; }
    void ClickTab(int n)
    {
        view->TabCtrl()->TabBar()->setCurrentIndex(n);
        Pump();
    }
    CFormPage* Pane(int nTab) const { return view->Pane(nTab); }
    void KeyFrom(QWidget* pItem, bool bBack)
    {
        pItem->setFocus(Qt::TabFocusReason);
        Pump();
        QTest::keyClick(pItem, bBack ? Qt::Key_Backtab : Qt::Key_Tab, bBack ? Qt::ShiftModifier : Qt::NoModifier);
        Pump();
    }
    // Closes the window by its close box: nothing is written.
    void CloseBox()
    {
        Active()->DestroyWindow();
        Pump();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    CTaxStandardMoneyView* view = nullptr;
};

} // namespace

TEST_F(TaxStandardTest, ThreePanesShowTheRecord)
{
    EXPECT_EQ(Caption(), "税率－課税標準額");
    CFormPage* house = Pane(kHouse);
    ASSERT_NE(house, nullptr);
    EXPECT_EQ(Pane(kNonHouse), nullptr) << "panes are made when first shown";
    EXPECT_EQ(house->GetDlgItemText(Pane::LowerID(0)), "0");
    EXPECT_EQ(house->GetDlgItemText(Pane::UpperID(2)), "0.6");
    EXPECT_EQ(house->GetDlgItemText(Pane::LowerID(3)), "0.6");
    EXPECT_EQ(house->GetDlgItemText(Pane::LowerKindID(3)), "以上");
    EXPECT_EQ(house->GetDlgItemText(Pane::RateID(2)), "1.0833");
    EXPECT_EQ(house->GetDlgItemText(10029), "1");
    EXPECT_EQ(house->GetDlgItem(Pane::UpperID(5)), nullptr) << "the last row is open upward";
    Shot("screen_taxstandard_house");

    ClickTab(kNonHouse);
    CFormPage* nonHouse = Pane(kNonHouse);
    ASSERT_NE(nonHouse, nullptr);
    EXPECT_EQ(nonHouse->GetDlgItemText(Pane::LowerID(6)), "0.7");
    EXPECT_EQ(nonHouse->GetDlgItemText(10034), "70");
    EXPECT_TRUE(nonHouse->GetDlgItem(1185)->isVisible());
    Shot("screen_taxstandard_nonhouse");

    ClickTab(kPriceFall);
    CFormPage* fall = Pane(kPriceFall);
    ASSERT_NE(fall, nullptr);
    EXPECT_EQ(fall->GetCurSel(IDC_USE), 1);
    EXPECT_FALSE(fall->GetDlgItem(IDC_DROP_RATE)->isVisible());
    Shot("screen_taxstandard_pricefall_off");
    Choose(fall, IDC_USE, 0);
    EXPECT_TRUE(fall->GetDlgItem(IDC_DROP_RATE)->isVisible());
    EXPECT_TRUE(fall->GetDlgItem(IDC_ADJUST_RATE)->isVisible());
    Shot("screen_taxstandard_pricefall_on");
    Choose(fall, IDC_USE, 1);
    Toolbar(ID_DATA_SAVE);
    EXPECT_FALSE(IsOpen());
    EXPECT_FALSE(m_pDoc->m_abTaxModified[2]) << "nothing changed";
}

// One edit typed and stored: the value written, or the message with the
// focus on the edit it names and the record unchanged.
struct LevelCase {
    int nTab;
    UINT nID;
    const char* text;
    UINT nMessageID;  // 0: stored
    UINT nFocusID;
};

const LevelCase kLevelCases[] = {
    {kHouse, Pane::UpperID(2), "0.5", 0, 0},
    {kHouse, Pane::UpperID(2), "0.4", 0, 0},  // an empty range takes no level
    {kHouse, Pane::UpperID(2), "0.3", IDS_UPPER_BELOW_LOWER, Pane::UpperID(2)},
    {kHouse, Pane::UpperID(1), "0.7", IDS_UPPER_BELOW_LOWER, Pane::UpperID(2)},  // the next row now starts above its end
    {kHouse, Pane::LowerID(0), "0.3", IDS_UPPER_BELOW_LOWER, Pane::UpperID(0)},
    {kHouse, Pane::LowerID(0), "-0.1", IDS_NOT_NEGATIVE, Pane::LowerID(0)},
    {kHouse, Pane::RateID(0), "-1", IDS_NOT_NEGATIVE, Pane::RateID(0)},
    {kHouse, Pane::RateID(5), "-0.5", IDS_NOT_NEGATIVE, Pane::RateID(5)},
    {kHouse, Pane::RateID(3), "0", 0, 0},
    {kHouse, Pane::RateID(3), "abc", AFX_IDP_PARSE_REAL, Pane::RateID(3)},
    {kHouse, Pane::RateID(3), "nan", AFX_IDP_PARSE_REAL, Pane::RateID(3)},
    {kHouse, Pane::UpperID(4), "1e400", AFX_IDP_PARSE_REAL, Pane::UpperID(4)},
    {kNonHouse, Pane::UpperID(5), "0.55", IDS_UPPER_BELOW_LOWER, Pane::UpperID(5)},
    {kNonHouse, Pane::UpperID(5), "1.5", 0, 0},  // the last row has no end to pass
    {kNonHouse, Pane::RateID(6), "1,070.5", 0, 0},
};

TEST_F(TaxStandardTest, BurdenLevelCases)
{
    for (const LevelCase& c : kLevelCases) {
        SCOPED_TRACE(std::to_string(c.nID) + " " + c.text);
        const CTaxStandardMoneyClass before = Record();
        m_pDoc->m_abTaxModified[2] = FALSE;
        if (c.nTab != kHouse) ClickTab(c.nTab);
        CFormPage* pane = Pane(c.nTab);
        ASSERT_NE(pane, nullptr);
        m_boxes.m_texts.clear();
        Type(pane, c.nID, c.text);
        Toolbar(ID_DATA_SAVE);
        const CTaxBurdenLevelClass* aLevel = c.nTab == kHouse ? Record().m_aHouseLevel : Record().m_aBusinessLevel;
        const int nRow = int(c.nID - Pane::kFirstID) / int(Pane::kRowStep);
        const double dTyped = CommaStrToDouble(c.text);
        if (c.nMessageID == 0) {
            EXPECT_FALSE(IsOpen());
            EXPECT_TRUE(m_boxes.m_texts.empty());
            EXPECT_TRUE(m_pDoc->m_abTaxModified[2]);
            if (c.nID == Pane::UpperID(nRow)) {
                EXPECT_EQ(aLevel[nRow].m_dUpper, dTyped);
                EXPECT_EQ(aLevel[nRow + 1].m_dLower, dTyped);
            } else {
                EXPECT_EQ(aLevel[nRow].m_dRate, dTyped);
            }
            Record() = before;
        } else {
            ASSERT_TRUE(IsOpen());
            ASSERT_EQ(m_boxes.m_texts.size(), 1u);
            EXPECT_EQ(m_boxes.m_texts[0], LoadText(c.nMessageID));
            EXPECT_EQ(FocusedId(), c.nFocusID);
            EXPECT_FALSE(m_pDoc->m_abTaxModified[2]);
            EXPECT_TRUE(SameLevels(Record(), before));
            CloseBox();
        }
        OpenWindow();
    }
}

// The upper kind decides the next row's lower kind: on screen at once, in
// the record after the store.
TEST_F(TaxStandardTest, UpperKindAndBoundCarryToTheNextRow)
{
    CFormPage* house = Pane(kHouse);
    Choose(house, Pane::UpperKindID(2), 1);
    EXPECT_EQ(house->GetDlgItemText(Pane::LowerKindID(3)), "超");
    Type(house, Pane::UpperID(2), "0.55");
    EXPECT_EQ(house->GetDlgItemText(Pane::LowerID(3)), "0.55");
    Type(house, Pane::UpperID(3), "");
    EXPECT_EQ(house->GetDlgItemText(Pane::UpperID(3)), "0") << "an empty edit becomes 0";
    Type(house, Pane::UpperID(3), "0.8");
    Toolbar(ID_DATA_SAVE);
    const CTaxBurdenLevelClass& row3 = Record().m_aHouseLevel[3];
    EXPECT_EQ(Record().m_aHouseLevel[2].m_nUpperInclusive, 1);
    EXPECT_EQ(row3.m_nLowerExclusive, 1);
    EXPECT_EQ(row3.m_dLower, 0.55);
    EXPECT_EQ(Record().m_aHouseLevel[4].m_nLowerExclusive, 0);
}

// Cancel checks the pane first: a refused pane keeps the window and its
// edits; a valid one is dropped.
TEST_F(TaxStandardTest, CancelChecksFirst)
{
    for (const char* text : {"x", "0.1"}) {
        SCOPED_TRACE(text);
        m_boxes.m_texts.clear();
        Type(Pane(kHouse), Pane::UpperID(3), text);
        Toolbar(ID_DATA_CANCEL);
        ASSERT_TRUE(IsOpen());
        EXPECT_EQ(m_boxes.m_texts.size(), 1u);
        EXPECT_EQ(FocusedId(), Pane::UpperID(3));
        EXPECT_EQ(Pane(kHouse)->GetDlgItemText(Pane::UpperID(3)), text);
    }
    Type(Pane(kHouse), Pane::UpperID(3), "0.9");
    Toolbar(ID_DATA_CANCEL);
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(Record().m_aHouseLevel[3].m_dUpper, 0.8);
    EXPECT_FALSE(m_pDoc->m_abTaxModified[2]);
}

// A refused pane keeps its tab; the store writes what the panes checked and
// nothing else of the tax-rate table, spare rows included.
TEST_F(TaxStandardTest, StoreWritesOnlyTheCheckedPanes)
{
    const CTaxStandardMoneyClass before = Record();
    const std::string path = TempPath("_standard.tax");
    CFileTaxClass file;
    ASSERT_TRUE(file.WriteTax(path.c_str(), &m_pDoc->m_objTaxClass));
    const std::string bytesBefore = ReadBytes(path);

    ClickTab(kNonHouse);
    Type(Pane(kNonHouse), Pane::RateID(3), "x");
    m_boxes.m_texts.clear();
    ClickTab(kPriceFall);
    EXPECT_EQ(view->TabCtrl()->GetCurSel(), kNonHouse);
    EXPECT_EQ(m_boxes.m_texts.size(), 1u);
    Type(Pane(kNonHouse), Pane::RateID(3), "1.2");
    ClickTab(kPriceFall);
    CFormPage* fall = Pane(kPriceFall);
    Choose(fall, IDC_USE, 0);
    Type(fall, IDC_DROP_RATE, "0.05");
    Choose(fall, 10036, 1);
    Type(fall, IDC_ADJUST_RATE, "1.02");
    Record().m_aHouseLevel[8].m_dRate = 9;  // a spare row changed meanwhile
    Toolbar(ID_DATA_SAVE);
    ASSERT_FALSE(IsOpen());

    const CTaxStandardMoneyClass& after = Record();
    EXPECT_EQ(after.m_aBusinessLevel[3].m_dRate, 1.2);
    EXPECT_EQ(after.m_objPriceDrop.m_nPriceDropUse, 0);
    EXPECT_EQ(after.m_objPriceDrop.m_dPriceDropRate, 0.05);
    EXPECT_EQ(after.m_objPriceDrop.m_nPriceDropExclusive, 1);
    EXPECT_EQ(after.m_objPriceDrop.m_dAdjustRate, 1.02);
    EXPECT_EQ(after.m_aHouseLevel[8].m_dRate, 9.0);
    for (int k = 0; k < CTaxStandardMoneyClass::kHouseRows; ++k)
        EXPECT_EQ(after.m_aHouseLevel[k].m_dRate, before.m_aHouseLevel[k].m_dRate) << k;
    for (int n = 0; n < CTavrinProjectDoc::kTaxWindows; ++n)
        EXPECT_EQ(m_pDoc->m_abTaxModified[n], n == 2) << n;

    // With this record put back, the tax-rate file is the same as before.
    Record() = before;
    ASSERT_TRUE(file.WriteTax(path.c_str(), &m_pDoc->m_objTaxClass));
    EXPECT_EQ(ReadBytes(path), bytesBefore);
    std::filesystem::remove(path);
}

// Conditions not taken into account are hidden, never refused and stored
// as they stand; a text that is no finite number is stored as 0.
TEST_F(TaxStandardTest, HiddenConditionsAreStoredUnchecked)
{
    ClickTab(kPriceFall);
    CFormPage* fall = Pane(kPriceFall);
    Choose(fall, IDC_USE, 0);
    Type(fall, IDC_DROP_RATE, "nan");
    Type(fall, IDC_HOUSE_LEVEL, "0.9");
    Choose(fall, IDC_USE, 1);
    EXPECT_FALSE(fall->GetDlgItem(IDC_HOUSE_LEVEL)->isVisible());
    Toolbar(ID_DATA_SAVE);
    ASSERT_FALSE(IsOpen());
    EXPECT_TRUE(m_boxes.m_texts.empty());
    const CTaxPriceDropClass& drop = Record().m_objPriceDrop;
    EXPECT_EQ(drop.m_nPriceDropUse, 1);
    EXPECT_EQ(drop.m_dPriceDropRate, 0.0);
    EXPECT_EQ(drop.m_dHouseLevel, 0.9);
}

// Tab from the tab row enters the shown pane; Tab past its end goes back.
TEST_F(TaxStandardTest, TabBetweenTheTabRowAndThePanes)
{
    QTabBar* row = view->TabCtrl()->TabBar();
    KeyFrom(row, false);
    EXPECT_EQ(FocusedId(), Pane::LowerID(0));
    KeyFrom(row, true);
    EXPECT_EQ(FocusedId(), 10029u);
    KeyFrom(Pane(kHouse)->GetDlgItem(10029), false);
    EXPECT_EQ(QApplication::focusWidget(), row);
    ClickTab(kNonHouse);
    KeyFrom(row, true);
    EXPECT_EQ(FocusedId(), 10034u);
    KeyFrom(Pane(kNonHouse)->GetDlgItem(Pane::LowerID(0)), true);
    EXPECT_EQ(QApplication::focusWidget(), row);

    ClickTab(kPriceFall);
    CFormPage* fall = Pane(kPriceFall);
    KeyFrom(row, true);
    EXPECT_EQ(FocusedId(), IDC_USE) << "conditions hidden";
    KeyFrom(fall->GetDlgItem(IDC_USE), false);
    EXPECT_EQ(QApplication::focusWidget(), row);
    Choose(fall, IDC_USE, 0);
    KeyFrom(fall->GetDlgItem(IDC_USE), false);
    EXPECT_EQ(FocusedId(), IDC_DROP_RATE);
    KeyFrom(row, true);
    EXPECT_EQ(FocusedId(), IDC_ADJUST_RATE);
    KeyFrom(fall->GetDlgItem(IDC_ADJUST_RATE), false);
    EXPECT_EQ(QApplication::focusWidget(), row);
}

// With the first land standard at 55 % of the value, year 1's burden level
// is 0.55: residential row 2 and non-residential row 4 set its factor, both
// 1.0833. Raised to 1.2, year 1's land taxes grow by 1.2 / 1.0833.
TEST_F(TaxStandardTest, FactorsReachTheLandTaxes)
{
    Toolbar(ID_DATA_CANCEL);
    CDataTaxClass* tax = m_pDoc->GetDataTax();
    tax->m_objMunicipal.nLandTaxBase = 1;
    tax->m_objCityPlan.nLandTaxBase = 1;
    tax->m_aAppraised[0].dAssetBaseRatio = 55;
    tax->m_aAppraised[0].dCityBaseRatio = 55;
    Calculate();
    const CYearBalanceClass before = *m_pDoc->m_objCalc.GetYearRecord(1);
    ASSERT_GT(before.m_dLandFixedAssetTax, 0);
    ASSERT_GT(before.m_dLandCityPlanTax, 0);

    OpenWindow();
    Type(Pane(kHouse), Pane::RateID(2), "1.2");
    ClickTab(kNonHouse);
    Type(Pane(kNonHouse), Pane::RateID(4), "1.2");
    Toolbar(ID_DATA_SAVE);
    ASSERT_FALSE(IsOpen());
    Calculate();
    const CYearBalanceClass& after = *m_pDoc->m_objCalc.GetYearRecord(1);
    EXPECT_NEAR(after.m_dLandFixedAssetTax, before.m_dLandFixedAssetTax * 1.2 / 1.0833, 1e-6);
    EXPECT_NEAR(after.m_dLandCityPlanTax, before.m_dLandCityPlanTax * 1.2 / 1.0833, 1e-6);
}
