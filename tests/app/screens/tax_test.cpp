#include <QApplication>
#include <QPointer>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "app/data/datataxpages.h"
#include "app/data/datataxview.h"
#include "app/data/landvaluebackcalcdlg.h"
#include "app/shell/filedialogs.h"
#include "platform/resource.h"
#include "result/calc/yearbalance.h"
#include "screentest.h"
#include "tax/taxconsumption.h"
#include "tax/taxlicense.h"
#include "tax/taxmunicipal.h"

namespace {

class TaxTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        m_previousDialog = SetFileDialogHandler([this](const CFileDialogRequest&, CString& strPath) {
            strPath = m_strDialogPath;
            return TRUE;
        });
        CLandValueBackCalcDlg::s_entry = {};
        CDataTaxClass& tax = *m_pDoc->GetDataTax();
        tax.m_aAppraised[0].nInputMethod = 0;
        tax.m_aAppraised[0].dAmount = 50000;
        tax.m_aAppraised[0].dAssetBaseRatio = 70;
        tax.m_aAppraised[1].nInputMethod = 0;
        tax.m_aAppraised[1].dAmount = 120000;
        tax.m_objSpecialHouse.dHouseRatio = 60;
        tax.m_objSpecialHouse.nHouseUnits = 12;
        tax.m_objRealtyGet.nNewHouseSpecial = 0;
        tax.m_objRealtyGet.nBuildingDirect = 0;
        tax.m_objCityPlan.nLandHouseSpecial = 0;
        tax.m_objTaxBusiness.nOutsideIncome = 0;
        m_pDoc->GetDataOutline()->dHouseRatio = 80;
        CTaxRealtyGetClass& realty = *m_pDoc->GetTaxRealtyGet();
        realty.m_dNewHouseReduction = 1200;
        realty.m_dBuildingHouseRate = 3;
        realty.m_dLandHouseRate = 3.5;
        CTaxMunicipalClass& municipal = *m_pDoc->GetTaxMunicipal();
        municipal.m_dLandRate = 1.4;
        municipal.m_dHouseLandNumerator = 1;
        municipal.m_dHouseLandDenominator = 6;
        municipal.m_dNewHouseNumerator = 1;
        municipal.m_dNewHouseDenominator = 2;
        CTaxCityPlanClass& city = *m_pDoc->GetTaxCityPlan();
        city.m_dLandRate = 0.3;
        city.m_dHouseLandNumerator = 1;
        city.m_dHouseLandDenominator = 3;
        m_pDoc->GetTaxConsumption()->m_dRate = 10;
        Reopen();
    }
    void TearDown() override
    {
        SetFileDialogHandler(m_previousDialog);
        ScreenTest::TearDown();
    }
    void Reopen()
    {
        Open(20004);
        view = ActiveViewAs<CDataTaxView>();
        ASSERT_NE(view, nullptr);
        Pump();
    }
    CFormPage* ShowTab(int n)
    {
        view->TabCtrl()->TabBar()->setCurrentIndex(n);
        Pump();
        return view->Page(n);
    }
    CFormPage* Page(int n) const { return view->Page(n); }
    CString Text(int nTab, UINT nID) const { return Page(nTab)->GetDlgItemText(nID); }
    const CDataTaxClass& Record() const { return *m_pDoc->GetDataTax(); }
    // Clicks the back-calculation button; act runs in the open dialog.
    void BackCalc(const std::function<void(CLandValueBackCalcDlg&)>& act)
    {
        QTimer::singleShot(0, [act] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                auto* dlg = dynamic_cast<CLandValueBackCalcDlg*>(top);
                if (dlg && dlg->IsModalRunning()) return act(*dlg);
            }
            ADD_FAILURE() << "no dialog";
        });
        Click(Page(0), 1020);
    }
    // The entries of the dialog, then OK.
    static void Enter(CLandValueBackCalcDlg& dlg, const char* pszTax, const char* pszRate, BOOL bHouse, BOOL bCity)
    {
        dlg.SetDlgItemText(1465, pszTax);
        dlg.SetDlgItemText(1020, pszRate);
        dlg.CheckDlgButton(1287, bHouse);
        dlg.CheckDlgButton(1466, bCity);
        dlg.OnOK();
    }

    CDataTaxView* view = nullptr;
    QTemporaryDir m_dir;
    CString m_strDialogPath;
    FileDialogHandler m_previousDialog;
};

} // namespace

TEST_F(TaxTest, OpensOnTheLandValue)
{
    EXPECT_EQ(Caption(), m_pDoc->GetTitle() + "－税金関係");
    const char* const labels[] = {"土地評価額", "建物評価額", "住宅特例", "不動産取得税", "固定資産・都市計画税",
                                  "事業税", "地価税", "消費税"};
    ASSERT_EQ(view->TabCtrl()->GetItemCount(), 8);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(view->TabCtrl()->GetItemText(i), labels[i]);
    ASSERT_NE(Page(0), nullptr);
    EXPECT_EQ(Page(1), nullptr) << "pages are made when first shown";
    EXPECT_EQ(FocusedId(), 10030u);
    EXPECT_EQ(view->GetDlgItemText(1019), m_pDoc->GetDataBasic()->astrFileName[0]);
    EXPECT_EQ(Text(0, 10031), "50,000");
    EXPECT_EQ(Text(0, 20052), "総額：");
    Shot("screen_tax_page0");
    for (int i = 1; i < 8; ++i) {
        ASSERT_NE(ShowTab(i), nullptr) << i;
        Shot("screen_tax_page" + std::to_string(i));
    }
}

// Hints from the tax-rate table, the outline and the working copy.
TEST_F(TaxTest, Hints)
{
    const struct {
        int nTab;
        UINT nID;
        const char* pszText;
    } cases[] = {
        {2, 1413, "80"},
        {2, 20004, "（ 控除額 1,200千円／戸）"},
        {3, 1417, "（控除額:1,200千円／戸）"},
        {3, 1418, "→現在は12戸"},
        {3, 1419, "（特例税率:3％）"},
        {3, 1420, "→現在は住宅割合60％"},
        {3, 1421, "（特例税率:3.5％）"},
        {3, 1422, "→現在は住宅割合80％"},
        {4, 1427, "（減税率 1/6）"},
        {4, 1428, "→現在は住宅割合80％"},
        {4, 1429, "（減税率 1/2）"},
        {4, 1430, "→現在は住宅割合60％"},
        {4, 1431, "（減税率 1/3）"},
        {4, 1432, "→現在は住宅割合80％"},
        {7, 1417, "指定しない部分は税率 10％で計算します。"},
    };
    for (const auto& c : cases) {
        ASSERT_NE(ShowTab(c.nTab), nullptr);
        EXPECT_EQ(Text(c.nTab, c.nID), c.pszText) << c.nTab << " " << c.nID;
    }
    // A share left on the housing page shows on the pages that hint it.
    ShowTab(2);
    Type(Page(2), 10030, "45");
    Type(Page(2), 10031, "7");
    ShowTab(3);
    EXPECT_EQ(Text(3, 1418), "→現在は7戸");
    EXPECT_EQ(Text(3, 1420), "→現在は住宅割合45％");
    // A rate changed in a tax-rate window shows when this window is active again.
    m_pDoc->GetTaxRealtyGet()->m_dNewHouseReduction = 1500;
    view->OnActivateView(TRUE);
    EXPECT_EQ(Text(3, 1417), "（控除額:1,500千円／戸）");
}

// Leaving fields: empty becomes 0, amounts get separators, a stage's last
// year sets the next stage's start.
TEST_F(TaxTest, LeavingTheFields)
{
    const struct {
        int nTab;
        UINT nID;
        const char* pszTyped;
        UINT nShownID;
        const char* pszShown;
    } cases[] = {
        {0, 10031, "1234567", 10031, "1,234,567"},
        {0, 10031, "", 10031, "0"},
        {0, 10001, "5", 1052, "6"},
        {0, 10003, "", 10003, "0.0"},
        {2, 10030, "", 10030, "0"},
        {2, 10031, "1200", 10031, "1,200"},
        {3, 1020, "", 1020, "0"},
        {5, 1459, "25000", 1459, "25,000"},
        {6, 10034, "", 10034, "0"},
        {7, 10001, "3", 1052, "4"},
        {7, 10011, "", 1054, "1"},
        {7, 10003, "", 10003, "0"},
    };
    for (const auto& c : cases) {
        ASSERT_NE(ShowTab(c.nTab), nullptr);
        Type(Page(c.nTab), c.nID, c.pszTyped);
        EXPECT_EQ(Text(c.nTab, c.nShownID), c.pszShown) << c.nTab << " " << c.nID << " " << c.pszTyped;
    }
}

// Each input method has its label, unit and the amount typed for it; only
// the amount of the method chosen is stored.
TEST_F(TaxTest, InputMethods)
{
    CFormPage* land = Page(0);
    Choose(land, 10030, 1);
    EXPECT_EQ(Text(0, 20052), "坪あたり：");
    EXPECT_EQ(Text(0, 20053), "千円");
    EXPECT_EQ(Text(0, 10031), "0");
    Type(land, 10031, "300");
    Choose(land, 10030, 0);
    EXPECT_EQ(Text(0, 10031), "50,000");
    Choose(land, 10030, 1);
    EXPECT_EQ(Text(0, 10031), "300");
    auto* combo = qobject_cast<QComboBox*>(land->GetDlgItem(10030));
    EXPECT_EQ(combo->count(), 2) << "the land offers no share of the construction cost";

    CFormPage* building = ShowTab(1);
    Choose(building, 10030, 2);
    EXPECT_EQ(Text(1, 20052), "工事費割合：");
    EXPECT_EQ(Text(1, 20053), "％");
    Type(building, 10031, "35");

    CFormPage* valuation = ShowTab(6);
    Choose(valuation, 10032, 1);
    EXPECT_EQ(Text(6, 1127), "割合：");
    EXPECT_EQ(Text(6, 20055), "％");
    Type(valuation, 10033, "40");
    Choose(valuation, 10032, 0);
    EXPECT_EQ(Text(6, 1127), "金額：");
    EXPECT_EQ(Text(6, 20055), "千円");
    Choose(valuation, 10032, 1);

    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(Record().m_aAppraised[0].nInputMethod, 1);
    EXPECT_EQ(Record().m_aAppraised[0].dAmount, 300);
    EXPECT_EQ(Record().m_aAppraised[1].nInputMethod, 2);
    EXPECT_EQ(Record().m_aAppraised[1].dAmount, 35);
    EXPECT_EQ(Record().m_objTaxLand.nInputMethod, 1);
    EXPECT_EQ(Record().m_objTaxLand.dProjectValue, 40);
}

// A share over 100 is refused with message 10013 on the tab change and on
// store; a stage rate over 100 with the range prompt.
TEST_F(TaxTest, SharesAndRatesOutOfRange)
{
    const struct {
        int nTab;
        UINT nMethodID;
        int nMethod;
        UINT nID;
        const char* pszPrompt;
    } cases[] = {
        {1, 10030, 2, 10031, "0 ～ 100の数値を入力してください。"},
        {6, 10032, 1, 10033, "0 ～ 100の数値を入力してください。"},
        {5, 0, 0, 10003, "0 から 100 までの数値を入力してください。"},
        {3, 0, 0, 1020, "数値を入力してください。"},
    };
    for (const auto& c : cases) {
        CFormPage* page = ShowTab(c.nTab);
        ASSERT_NE(page, nullptr);
        if (c.nMethodID) Choose(page, c.nMethodID, c.nMethod);
        Type(page, c.nID, c.nTab == 3 ? "12a" : "150");
        m_boxes.m_texts.clear();
        ShowTab(c.nTab == 1 ? 0 : 1);
        EXPECT_EQ(view->TabCtrl()->GetCurSel(), c.nTab) << "the page stays";
        ASSERT_EQ(m_boxes.m_texts.size(), 1u) << c.nTab;
        EXPECT_EQ(m_boxes.m_texts[0], c.pszPrompt) << c.nTab;
        EXPECT_EQ(FocusedId(), c.nID) << c.nTab;
        Toolbar(ID_DATA_SAVE);
        EXPECT_NE(ActiveViewAs<CDataTaxView>(), nullptr) << "the window stays";
        EXPECT_EQ(m_boxes.m_texts.size(), 2u);
        Type(page, c.nID, "50");
    }
    EXPECT_FALSE(m_pDoc->m_abDataModified[4]);
}

// Every page's fields reach the record; the pages' shared records keep the
// edits of both pages.
TEST_F(TaxTest, StoreWritesEveryPage)
{
    enum Act { T, C, X };
    const struct {
        int nTab;
        Act act;
        UINT nID;
        const char* pszText;
        double (*pfnField)(const CDataTaxClass&);
        double dExpected;
    } cases[] = {
        {0, T, 10031, "60,000", [](const CDataTaxClass& t) { return t.m_aAppraised[0].dAmount; }, 60000},
        {0, T, 10003, "1.5", [](const CDataTaxClass& t) { return t.m_aAppraised[0].m_aDataRate[0].dRate; }, 1.5},
        {0, T, 10001, "5", [](const CDataTaxClass& t) { return double(t.m_aAppraised[0].m_aDataRate[1].nStartYear); },
         6},
        {1, T, 10031, "90000", [](const CDataTaxClass& t) { return t.m_aAppraised[1].dAmount; }, 90000},
        {2, C, 10032, "2", [](const CDataTaxClass& t) { return double(t.m_objMunicipal.nBuildingType); }, 2},
        {2, T, 10030, "55", [](const CDataTaxClass& t) { return t.m_objSpecialHouse.dHouseRatio; }, 55},
        {2, T, 10031, "8", [](const CDataTaxClass& t) { return double(t.m_objSpecialHouse.nHouseUnits); }, 8},
        {3, X, 1414, "", [](const CDataTaxClass& t) { return double(t.m_objRealtyGet.nNewHouseSpecial); }, 1},
        {3, X, 1288, "", [](const CDataTaxClass& t) { return double(t.m_objRealtyGet.nBuildingDirect); }, 1},
        {3, T, 1020, "300", [](const CDataTaxClass& t) { return t.m_objRealtyGet.dBuildingTax; }, 300},
        {4, X, 1426, "", [](const CDataTaxClass& t) { return double(t.m_objCityPlan.nLandHouseSpecial); }, 1},
        {4, C, 1215, "1", [](const CDataTaxClass& t) { return double(t.m_objMunicipal.nLandTaxBase); }, 1},
        {4, T, 10032, "65", [](const CDataTaxClass& t) { return t.m_aAppraised[0].dAssetBaseRatio; }, 65},
        {5, X, 1430, "", [](const CDataTaxClass& t) { return double(t.m_objTaxBusiness.nOutsideIncome); }, 1},
        {5, T, 1460, "9,000", [](const CDataTaxClass& t) { return t.m_objTaxBusiness.dSalary; }, 9000},
        {5, T, 10006, "10", [](const CDataTaxClass& t) { return double(t.m_objTaxBusiness.m_aDataRate[1].nEndYear); },
         10},
        {6, T, 10034, "80000", [](const CDataTaxClass& t) { return t.m_objTaxLand.dTotalValue; }, 80000},
        {7, T, 10006, "5", [](const CDataTaxClass& t) { return double(t.m_objConsumption.m_anConstructToYear[1]); }, 5},
        {7, T, 10011, "3", [](const CDataTaxClass& t) { return double(t.m_objConsumption.m_anBusinessFromYear[1]); },
         4},
        {7, T, 10013, "8", [](const CDataTaxClass& t) { return t.m_objConsumption.m_adBusinessRate[0]; }, 8},
    };
    for (const auto& c : cases) {
        CFormPage* page = ShowTab(c.nTab);
        ASSERT_NE(page, nullptr) << c.nTab;
        if (c.act == T) Type(page, c.nID, c.pszText);
        if (c.act == C) Choose(page, c.nID, std::atoi(c.pszText));
        if (c.act == X) Click(page, c.nID);
    }
    // The land page is left after the fixed-asset page changed the land's ratio.
    ShowTab(0);
    Type(Page(0), 10031, "60,000");
    const int nBusinessPlace = Record().m_objBusinessPlace.nTaxation;
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(ActiveViewAs<CDataTaxView>(), nullptr) << "the window closed";
    for (const auto& c : cases) EXPECT_EQ(c.pfnField(Record()), c.dExpected) << c.nTab << " " << c.nID;
    EXPECT_EQ(Record().m_objBusinessPlace.nTaxation, nBusinessPlace);
    EXPECT_TRUE(m_pDoc->m_abDataModified[4]);
}

// Store without a change marks nothing; cancel drops the edits.
TEST_F(TaxTest, UnchangedStoreAndCancel)
{
    ShowTab(4);
    ShowTab(7);
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(ActiveViewAs<CDataTaxView>(), nullptr);
    EXPECT_FALSE(m_pDoc->m_abDataModified[4]);
    Reopen();
    Type(Page(0), 10031, "1");
    Toolbar(ID_DATA_CANCEL);
    EXPECT_EQ(ActiveViewAs<CDataTaxView>(), nullptr);
    EXPECT_EQ(Record().m_aAppraised[0].dAmount, 50000);
    EXPECT_FALSE(m_pDoc->m_abDataModified[4]);
}

// Loading another tax-rate file with the window open: the same eight tabs,
// the pages made so far and the hints from the document again, the new file's name.
TEST_F(TaxTest, TaxFileLoadReloadsThePages)
{
    const CString strOther = FromQString(m_dir.filePath(QStringLiteral("other.tax")));
    m_pDoc->GetTaxRealtyGet()->m_dNewHouseReduction = 999;
    m_strDialogPath = strOther;
    m_pDoc->OnTaxFileSave();
    m_pDoc->GetTaxRealtyGet()->m_dNewHouseReduction = 1200;
    CFormPage* land = Page(0);
    CFormPage* housing = ShowTab(2);
    EXPECT_EQ(Text(2, 20004), "（ 控除額 1,200千円／戸）");
    Type(housing, 10031, "30");
    Type(land, 10031, "77");
    m_pDoc->GetDataTax()->m_objRealtyGet.dLandTax = 432;

    m_pDoc->OnTaxFileLoad();
    Pump();
    EXPECT_EQ(view->TabCtrl()->GetItemCount(), 8) << "no tabs added";
    EXPECT_EQ(Page(0), land);
    EXPECT_EQ(Page(2), housing);
    EXPECT_EQ(Text(2, 20004), "（ 控除額 999千円／戸）");
    EXPECT_EQ(Text(2, 10031), "12") << "a reload drops what the page held";
    EXPECT_EQ(Text(0, 10031), "50,000");
    EXPECT_EQ(view->GetDlgItemText(1019), strOther);
    ASSERT_NE(ShowTab(3), nullptr);
    EXPECT_EQ(Text(3, 1019), "432") << "a page made later shows the record as reloaded";
    EXPECT_EQ(Text(3, 1417), "（控除額:999千円／戸）");
}

// Saving the tax-rate file shows its new name and keeps the edits not stored yet.
TEST_F(TaxTest, TaxFileSaveKeepsTheEdits)
{
    ShowTab(2);
    Type(Page(2), 10031, "30");
    const CString strSaved = FromQString(m_dir.filePath(QStringLiteral("saved.tax")));
    m_strDialogPath = strSaved;
    m_pDoc->OnTaxFileSave();
    Pump();
    EXPECT_EQ(view->GetDlgItemText(1019), strSaved);
    EXPECT_EQ(Text(2, 10031), "30");
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(Record().m_objSpecialHouse.nHouseUnits, 30);
}

// The back-calculation against figures worked by hand; divisors that are
// not a positive finite number give no value.
TEST_F(TaxTest, BackCalcFormula)
{
    CTaxMunicipalClass municipal;
    municipal.m_dLandRate = 1.4;
    municipal.m_dHouseLandNumerator = 1;
    municipal.m_dHouseLandDenominator = 6;
    CTaxCityPlanClass city;
    city.m_dLandRate = 0.3;
    city.m_dHouseLandNumerator = 1;
    city.m_dHouseLandDenominator = 3;
    const struct {
        tagBACKCALCENTRY entry;
        double dLandRate;
        double dDenominator;
        double dCityRate;
        BOOL bValue;
        double dValue;
    } cases[] = {
        {{140, 100, FALSE, FALSE}, 1.4, 6, 0.3, TRUE, 10000},        // 140 / 1 / 0.014
        {{140, 100, TRUE, FALSE}, 1.4, 6, 0.3, TRUE, 60000},         // six times with 1/6
        {{170, 100, FALSE, TRUE}, 1.4, 6, 0.3, TRUE, 10000},         // 170 / (0.014 + 0.003)
        {{100, 80, TRUE, TRUE}, 1.4, 6, 0.3, TRUE, 37500},           // 125 / (0.014/6 + 0.003/3)
        {{140, 100, FALSE, FALSE}, 0, 6, 0.3, FALSE, 0},             // no land rate
        {{140, 100, TRUE, FALSE}, 1.4, 0, 0.3, FALSE, 0},            // a fraction over 0
        {{140, 100, FALSE, TRUE}, 0.3, 6, -0.3, FALSE, 0},           // rates that cancel out
        {{140, 100, FALSE, FALSE}, -1.4, 6, 0.3, FALSE, 0},          // a negative rate
    };
    for (const auto& c : cases) {
        municipal.m_dLandRate = c.dLandRate;
        municipal.m_dHouseLandDenominator = c.dDenominator;
        city.m_dLandRate = c.dCityRate;
        double dValue = -1;
        EXPECT_EQ(CLandValueBackCalcDlg::BackCalc(c.entry, municipal, city, dValue), c.bValue) << c.entry.dTax;
        if (c.bValue) { EXPECT_NEAR(dValue, c.dValue, 1e-6) << c.entry.dTax; }
        else EXPECT_EQ(dValue, -1);
    }
}

// OK puts the result into the land's total without decimals; a tax of 0
// ends as cancelled; the entries are there at the next opening.
TEST_F(TaxTest, BackCalcDialog)
{
    Choose(Page(0), 10030, 1);
    BackCalc([this](CLandValueBackCalcDlg& dlg) {
        EXPECT_EQ(dlg.GetDlgItemText(1465), "0");
        EXPECT_EQ(dlg.GetDlgItemText(1020), "100");
        EXPECT_TRUE(dlg.IsDlgButtonChecked(1287));
        EXPECT_FALSE(dlg.IsDlgButtonChecked(1466));
        SaveArtifact(dlg.grab().toImage(), "screen_tax_backcalc");
        Enter(dlg, "1,000", "75", FALSE, TRUE);
    });
    EXPECT_EQ(Text(0, 10031), "78,431") << "1000 / 0.75 / 0.017, cut";
    EXPECT_EQ(Text(0, 20052), "総額：");
    EXPECT_EQ(qobject_cast<QComboBox*>(Page(0)->GetDlgItem(10030))->currentIndex(), 0);

    BackCalc([](CLandValueBackCalcDlg& dlg) {
        EXPECT_EQ(dlg.GetDlgItemText(1465), "1,000");
        EXPECT_EQ(dlg.GetDlgItemText(1020), "75");
        EXPECT_TRUE(dlg.IsDlgButtonChecked(1466));
        Enter(dlg, "0", "75", FALSE, TRUE);
    });
    EXPECT_EQ(Text(0, 10031), "78,431");
    Toolbar(ID_DATA_SAVE);
    EXPECT_EQ(Record().m_aAppraised[0].dAmount, 78431);
    EXPECT_EQ(Record().m_aAppraised[0].nInputMethod, 0);
}

// Land rates that give no divisor: a stop message of its own, the dialog
// stays open, the page keeps its amount.
TEST_F(TaxTest, BackCalcRefusesAZeroDivisor)
{
    m_pDoc->GetTaxMunicipal()->m_dHouseLandDenominator = 0;
    bool bStayed = false;
    BackCalc([this, &bStayed](CLandValueBackCalcDlg& dlg) {
        Enter(dlg, "140", "100", TRUE, FALSE);
        ASSERT_EQ(m_boxes.m_texts.size(), 1u);
        EXPECT_EQ(m_boxes.m_texts[0], LoadText(10050));
        // Still open once the dialog's loop runs again.
        QTimer::singleShot(0, [dialog = QPointer<CLandValueBackCalcDlg>(&dlg), &bStayed] {
            bStayed = dialog && dialog->IsModalRunning();
            if (dialog) dialog->OnCancel();
        });
    });
    EXPECT_TRUE(bStayed) << "no OK";
    EXPECT_EQ(Text(0, 10031), "50,000");
}

// A changed assessed value of the land moves its fixed-asset tax.
TEST_F(TaxTest, AssessedValueReachesTheTaxList)
{
    Toolbar(ID_DATA_CANCEL);
    Calculate();
    const double dBefore = m_pDoc->m_objCalc.GetYearRecord(3)->m_dLandFixedAssetTax;
    Reopen();
    Type(Page(0), 10031, "150,000");
    Toolbar(ID_DATA_SAVE);
    Calculate();
    EXPECT_GT(m_pDoc->m_objCalc.GetYearRecord(3)->m_dLandFixedAssetTax, dBefore);
}
