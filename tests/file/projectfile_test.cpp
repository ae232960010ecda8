// Project files: the bytes the writer stores, the round trip, the versions
// the reader accepts and what it upgrades.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cfloat>
#include <cstring>
#include <filesystem>

#include "platform/msgbox.h"
#include "tests/file/projectfiles.h"
#include "tests/result/exampleproject.h"

namespace {

constexpr size_t kVersion7Bytes = 30902;

int ReadInt(const std::string& bytes, size_t nOffset)
{
    int n;
    std::memcpy(&n, bytes.data() + nOffset, 4);
    return n;
}

// The example project with every list, name and text of the file in use.
void BuildFilledProject(CProjectInMemory& p)
{
    BuildExampleProject(p);
    CDataClassObject& d = p.m_data;
    CDataBasicClass& basic = *d.m_pDataBasic;
    basic.strLogoFile = "社章.bmp";
    for (int i = 0; i < 5; ++i) {
        basic.astrSubTitle[i].Format("副題%d行目", i + 1);
        basic.astrFileName[i].Format("税率表%d.TAX", i);
    }
    basic.bCoverTitleSet = 1;
    basic.bLandRentConstructRatioSet = 1;
    basic.nLandRentConstructRatio = 50;
    for (int i = 0; i < 22; ++i) basic.anSpare[i] = 1000 + i;
    d.m_pDataExpense->m_aDepreciation[0].m_strName = "本体工事";
    d.m_pDataExpense->m_aDepreciation[1].m_strName = "設備工事";
    for (int i = 2; i < 6; ++i) d.m_pDataExpense->m_aDepreciation[i].m_strName.Format("償却資産%d", i);
    d.m_pDataExpense->m_aCapitalPay[0] = {};
    d.m_pDataExpense->m_aCapitalPay[0].nYear = 15;
    d.m_pDataExpense->m_aCapitalPay[0].dAmount = 18000.0;
    d.m_pDataExpense->m_aCapitalPay[0].nSource = 1;
    for (int i = 6; i < 14; ++i) {
        d.m_pDataExpenseOther->m_aExpenseMoney[i].m_strName.Format("諸費用%d", i);
        d.m_pDataExpenseOther->m_aExpenseMoney[i].m_strComment.Format("第%d回支払", i);
    }
    for (int i = 0; i < 9; ++i) d.m_pDataSupply->m_aLoan[i].m_strBankName.Format("金融機関%d", i);
    for (int i = 0; i < 10; ++i) {
        d.m_pDataCost->m_aCostItem[i].m_strOtherName.Format("費用%d", i);
        if (d.m_pDataCost->m_aCostItem[i].nExtra1 == 0) d.m_pDataCost->m_aCostItem[i].nExtra1 = 1;
    }
    for (int i = 0; i < 8; ++i) d.m_apDataRentalBasic[i]->m_strName.Format("区分%d", i);
    for (int i = 0; i < 6; ++i) d.m_pDataProRestOther->m_aOtherIncome[i].m_strName.Format("収入%d", i);
    for (int i = 0; i < 8; ++i) d.m_pDataRestOther->m_aRestOtherMoney[i].m_strName.Format("事業外%d", i);
    for (int i = 0; i < 5; ++i) d.m_pDataRestOther->m_astrComment[i].Format("備考%d", i);
    CDataTaxClass& tax = *d.m_pDataTax;
    tax.m_aAppraised[0].dAssetBaseRatio = 70.0;
    tax.m_aAppraised[0].dCityBaseRatio = 80.0;
    tax.m_objTaxBusiness.dCapital = 30000.0;
    tax.m_objTaxBusiness.m_aDataRate[0] = ScheduleStep(1, 99, 1, 2.0);
    tax.m_objTaxLand.m_aDataRate[1] = ScheduleStep(5, 9, 1, 1.5, true);
    CDataTaxConsumptionClass& c = tax.m_objConsumption;
    c.m_adConstructRate[0] = 8.0;
    c.m_adConstructRate[1] = 10.0;
    c.m_anConstructToYear[0] = 1;
    c.m_anConstructToYear[1] = 99;
    c.m_adBusinessRate[0] = 10.0;
    c.m_adBusinessRate[1] = 10.0;
    c.m_anBusinessToYear[0] = 5;
    c.m_anBusinessToYear[1] = 99;
    c.m_anBusinessFromYear[1] = 6;
    c.m_anConstructFromYear[1] = 2;
    d.m_apDataRentalBasic[1]->m_objSecurityLoan.m_aRepay[1] = {1, 3, 0.5};
    p.m_option.m_pOptionConsumptionIncome->m_nInterestTax = 1;
    p.m_option.m_pOptionOtherManage->m_anProrate[2] = 1;
    p.m_option.m_pOptionAdvance->m_aRate[3] = {40.0, 60.0};
}

class ProjectRoundTrip : public ::testing::TestWithParam<bool> {
protected:
    void TearDown() override
    {
        for (const char* name : {"a.prj", "b.prj", "c.prj", "a.etd"}) std::filesystem::remove(ProjectTempPath(name));
    }
};

} // namespace

// Default and filled projects: the stored bytes, .PRJ against .ETD, and a
// reread project that rewrites the same bytes.
TEST_P(ProjectRoundTrip, RewritesTheSameBytes)
{
    CProjectInMemory source;
    if (GetParam()) BuildFilledProject(source);
    const std::string a = ProjectTempPath("a.prj"), b = ProjectTempPath("b.prj"), t = ProjectTempPath("a.etd");
    ASSERT_TRUE(WriteProjectFile(source, a));
    ASSERT_TRUE(WriteProjectFile(source, t, 101));
    const std::string bytes = ReadFileBytes(a), templ = ReadFileBytes(t);
    ASSERT_EQ(bytes.size(), kVersion7Bytes);
    EXPECT_EQ(ReadInt(bytes, 0), 314);
    EXPECT_STREQ(bytes.data() + 4, "TAVRINV801");
    EXPECT_EQ(bytes[260], 100);
    EXPECT_EQ(bytes[261], 0);
    ASSERT_EQ(templ.size(), bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i)
        if (i != 260) { ASSERT_EQ(bytes[i], templ[i]) << "offset " << i; }
    EXPECT_EQ(templ[260], 101);

    CProjectInMemory reread, again;
    ASSERT_TRUE(ReadProjectFile(reread, a));
    ASSERT_TRUE(WriteProjectFile(reread, b));
    ASSERT_TRUE(ReadProjectFile(again, b));
    ASSERT_TRUE(WriteProjectFile(again, ProjectTempPath("c.prj")));
    const std::string rewritten = ReadFileBytes(b);
    EXPECT_TRUE(ReadFileBytes(ProjectTempPath("c.prj")) == rewritten);
    if (GetParam()) {
        EXPECT_TRUE(rewritten == bytes);
        return;
    }
    // A default project gets the reader's defaults once, and only these.
    constexpr size_t kBasic = 314, kTax = 3862, kCostItems = 7054, kAutoLoanName = 29154;
    const struct {
        size_t nFrom, nTo;
    } kDefaulted[] = {
        {kBasic + 160, kBasic + 260},   // names of the main building, the equipment and the automatic loan
        {kBasic + 284, kBasic + 296},   // land rent ratio and the two markers
        {kBasic + 912, kBasic + 1040},  // cover heading
        {kTax + 128, kTax + 144},       // base ratios of the land's assessed value
        {kAutoLoanName, kAutoLoanName + 32},
    };
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == rewritten[i]) continue;
        bool bDefault = i >= kCostItems && i < kCostItems + 480 && (i - kCostItems) % 48 == 28; // intervals
        for (const auto& r : kDefaulted) bDefault = bDefault || (i >= r.nFrom && i < r.nTo);
        EXPECT_TRUE(bDefault) << "offset " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(DefaultAndFilled, ProjectRoundTrip, ::testing::Bool());

// What a save and a reload change on purpose.
TEST(ProjectFile, LossyRulesOfTheFormat)
{
    CProjectInMemory source;
    BuildFilledProject(source);
    CDataClassObject& d = source.m_data;
    d.m_pDataTax->m_objConsumption.m_adBusinessRate[0] = 8.1;
    d.m_pDataTax->m_objConsumption.m_anBusinessFromYear[1] = 42; // not stored: follows the first stage
    d.m_pDataCost->m_aCostItem[0].adAmount[0] = 777.0;           // per-tsubo item: the total is not stored
    d.m_pDataCost->m_aCostItem[0].nInputMethod = 1;
    d.m_pDataCost->m_aCostItem[0].adAmount[1] = 3.5;
    d.m_pDataCost->m_aCostItem[4].nExtra1 = 0;
    d.m_pDataOutline->aLand[1].dTotalLand = 595.0; // the other unit is not stored
    d.m_pDataExpense->m_aDepreciation[1].m_strName.Empty();
    d.m_pDataBasic->bCoverTitleSet = 0;
    d.m_pDataBasic->astrSubTitle[4] = "表紙";
    const std::string path = ProjectTempPath("lossy.prj");
    ASSERT_TRUE(WriteProjectFile(source, path));

    CProjectInMemory r;
    ASSERT_TRUE(ReadProjectFile(r, path));
    std::filesystem::remove(path);
    const CDataTaxConsumptionClass& c = r.m_data.m_pDataTax->m_objConsumption;
    EXPECT_EQ(c.m_adBusinessRate[0], double(8.1f));
    EXPECT_NE(c.m_adBusinessRate[0], 8.1);
    EXPECT_EQ(c.m_anBusinessFromYear[0], 1);
    EXPECT_EQ(c.m_anBusinessFromYear[1], 6);
    EXPECT_EQ(c.m_anConstructFromYear[1], 2);
    const CDataCostItemClass& item = r.m_data.m_pDataCost->m_aCostItem[0];
    EXPECT_EQ(item.adAmount[1], 3.5);
    EXPECT_EQ(item.adAmount[0], 0.0);
    EXPECT_EQ(r.m_data.m_pDataCost->m_aCostItem[4].nExtra1, 1);
    EXPECT_EQ(r.m_data.m_pDataOutline->aLand[0].dTotalLand, 180.0);
    EXPECT_EQ(r.m_data.m_pDataOutline->aLand[1].dTotalLand, 0.0);
    EXPECT_EQ(r.m_data.m_pDataExpense->m_aDepreciation[1].m_strName, "附帯");
    EXPECT_EQ(r.m_data.m_pDataBasic->astrSubTitle[4], "建設プロジェクト事業収支計算結果");
    EXPECT_EQ(r.m_data.m_pDataBasic->bCoverTitleSet, 1);
    // Names reach the option records that show them.
    EXPECT_EQ(r.m_option.m_pOptionBusinessRate->m_astrExpenseName[5], "費用5");
    EXPECT_EQ(r.m_option.m_pOptionConsumptionCost->m_astrItemName[6], "費用5");
    EXPECT_EQ(r.m_option.m_pOptionOtherManage->m_astrAmortizeName[0], "償却資産2");
    EXPECT_EQ(r.m_option.m_pOptionConsumptionExpense->m_astrCostName[7], "諸費用13");
    EXPECT_EQ(r.m_option.m_pOptionConsumptionIncome->m_astrTypeName[3], "区分3");
    EXPECT_EQ(r.m_data.m_pDataRentalType->m_astrName[3], "区分3");
    EXPECT_EQ(r.m_option.m_pOptionConsumptionIncome->m_astrIncomeName[2], "収入2");
    EXPECT_EQ(r.m_option.m_pOptionConsumptionIncome->m_nInterestTax, 1);
}

// Texts too long for their field are cut on a character boundary.
TEST(ProjectFile, LongTextsAreCutBetweenCharacters)
{
    const struct {
        const char* pszText;
        int nMax;
        int nFit;
    } kCases[] = {
        {"ABCDEFG", 4, 4},
        {"あいう", 5, 4},   // the third character would need bytes 4 and 5
        {"Aあいう", 5, 5},
        {"Aあいう", 4, 3},
        {"ｶﾅ漢字", 3, 2},   // single-byte katakana
        {"", 31, 0},
    };
    for (const auto& c : kCases) EXPECT_EQ(FitCP932(c.pszText, c.nMax), c.nFit) << c.pszText;

    CProjectInMemory source;
    CString strLong;
    for (int i = 0; i < 70; ++i) strLong += "漢";
    source.m_data.m_pDataBasic->strProjectName = strLong;
    source.m_data.m_apDataRentalBasic[0]->m_strName = "A" + strLong;
    const std::string path = ProjectTempPath("long.prj");
    ASSERT_TRUE(WriteProjectFile(source, path));
    CProjectInMemory r;
    ASSERT_TRUE(ReadProjectFile(r, path));
    std::filesystem::remove(path);
    EXPECT_EQ(r.m_data.m_pDataBasic->strProjectName, strLong.Left(126));
    EXPECT_EQ(r.m_data.m_apDataRentalBasic[0]->m_strName, ("A" + strLong).Left(31));
}

namespace {

const char kLongNameCut[] = "東京都世田谷区弦巻三丁目土地有"; // 31 bytes of a version 2 name, cut between characters

class ProjectVersions : public ::testing::TestWithParam<int> {};

} // namespace

// Every version reads to the project the fixture script wrote, with the
// reader's upgrades for what older versions do not hold.
TEST_P(ProjectVersions, ReadToTheWrittenValues)
{
    const int v = GetParam();
    CProjectInMemory p;
    CFileDataClass file;
    const std::string path = ProjectFixture(("v" + std::to_string(v) + ".prj").c_str());
    ASSERT_TRUE(file.ReadProject(path.c_str(), &p.m_data, &p.m_option));
    EXPECT_EQ(file.GetVersion(), v);
    const CDataClassObject& d = p.m_data;

    const CDataBasicClass& b = *d.m_pDataBasic;
    EXPECT_EQ(b.strProjectName, "世田谷区弦巻三丁目賃貸併用住宅");
    EXPECT_EQ(b.strLogoFile, v <= 5 ? "logo.bmp" : "tsurumaki.bmp");
    EXPECT_EQ(b.nTaxMethod, 1);
    EXPECT_EQ(b.dBusinessRatio, 92.5);
    EXPECT_EQ(b.nInputMethod, 1);
    EXPECT_EQ(b.nFundReportMode, 2);
    EXPECT_EQ(b.nLandRentConstructRatio, 100); // no marker in the file
    EXPECT_EQ(b.bLandRentConstructRatioSet, 1);
    EXPECT_EQ(b.bLossCarryBack, 1);
    EXPECT_EQ(b.anSpare[21], 121);
    EXPECT_EQ(b.astrSubTitle[1], v >= 4 ? "金融機関提出用" : "");
    EXPECT_EQ(b.astrSubTitle[4], v >= 4 ? "収支計算書" : "");
    EXPECT_EQ(b.astrFileName[0], v >= 6 ? "標準税率.TAX" : "");

    const CDataOutlineClass& o = *d.m_pDataOutline;
    EXPECT_EQ(o.nAreaUnit, 1);
    EXPECT_EQ(o.aLand[1].dTotalLand, 661.16);
    EXPECT_EQ(o.dBuyLandRatio, 25.0);
    EXPECT_EQ(o.aBuilding[1].dUseBuild, 1322.3);
    EXPECT_EQ(o.dHouseRatio, 80.0);
    EXPECT_EQ(o.nHouseCount, 24);

    const CDataExpenseClass& e = *d.m_pDataExpense;
    EXPECT_EQ(e.m_objConstructionCost.dAmount, 412500.0);
    EXPECT_EQ(e.m_objCompression.dBookValue, 380000.0);
    EXPECT_EQ(e.m_aDepreciation[0].m_strName, "鉄筋コンクリート造本体");
    EXPECT_EQ(e.m_aDepreciation[1].m_strName, "附帯");
    EXPECT_EQ(e.m_aDepreciation[1].nLife, 15);
    EXPECT_EQ(e.m_aDepreciation[2].nRetireYear, 12);
    EXPECT_EQ(e.m_aDepreciation[2].m_strName, v == 2 ? kLongNameCut : "外構工事");
    EXPECT_EQ(e.m_aCapitalPay[0].dAmount, 22000.0);
    EXPECT_EQ(d.m_pDataExpenseOther->m_aExpenseMoney[13].dAmount, 4400.0);
    EXPECT_EQ(d.m_pDataExpenseOther->m_aExpenseMoney[6].m_strComment, v == 2 ? "" : "着工前に支払");

    const CDataTaxClass& t = *d.m_pDataTax;
    EXPECT_EQ(t.m_aAppraised[1].nInputMethod, 2);
    EXPECT_EQ(t.m_aAppraised[0].m_aDataRate[1].nStartYear, 4);
    EXPECT_EQ(t.m_aAppraised[0].dCityBaseRatio, 100.0); // 0 in the file
    EXPECT_EQ(t.m_aAppraised[0].dAssetBaseRatio, 70.0);
    EXPECT_EQ(t.m_objTaxLand.m_aDataRate[0].dRate, 1.5);
    EXPECT_EQ(t.m_objBusinessPlace.dNonTaxRatio, 12.5);
    EXPECT_EQ(t.m_objTaxBusiness.nDeferral, v <= 4 ? 0 : 1);
    EXPECT_EQ(t.m_objTaxBusiness.dCapital, v <= 4 ? 110000.0 : 50000.0);
    EXPECT_EQ(t.m_objTaxBusiness.dSalary, v <= 4 ? 0.0 : 12000.0);
    EXPECT_EQ(t.m_objTaxBusiness.m_aDataRate[0].dRate, v <= 4 ? 0.0 : 2.0);
    EXPECT_EQ(t.m_objConsumption.m_adConstructRate[0], double(8.1f));
    EXPECT_EQ(t.m_objConsumption.m_anBusinessFromYear[1], 4);
    EXPECT_EQ(t.m_objRealtyGet.dLandTax, 1500.0);
    EXPECT_EQ(t.m_objTaxBusiness.nStandardTax, 1);

    const CDataSupplyClass& s = *d.m_pDataSupply;
    EXPECT_EQ(s.m_objFund.dSubsidy, 3000.0);
    EXPECT_EQ(s.m_objShortLoan.dRate, 2.75);
    EXPECT_EQ(s.m_aLoan[0].m_aRepay[2].dRate, 2.3);
    EXPECT_EQ(s.m_aLoan[0].m_strBankName, v == 2 ? kLongNameCut : "みずほ銀行");
    EXPECT_EQ(s.m_aLoan[7].m_nCapitalPayYear, 15);
    EXPECT_EQ(s.m_aLoan[7].m_strBankName, "日本政策金融公庫");
    EXPECT_EQ(s.m_aLoan[8].nRepayMethod, 2);
    EXPECT_EQ(s.m_aLoan[8].m_strBankName, "自動借入金");

    const CDataCostClass& cost = *d.m_pDataCost;
    EXPECT_EQ(cost.m_aCostItem[0].adAmount[1], 5.0);
    EXPECT_EQ(cost.m_aCostItem[3].adAmount[0], 420.0);
    EXPECT_EQ(cost.m_aCostItem[4].nExtra1, 1); // 0 in the file
    EXPECT_EQ(cost.m_aCostItem[5].nExtra2, 3);
    EXPECT_EQ(cost.m_aCostItem[2].m_aDataRate[0].nInterval, 2);
    EXPECT_EQ(cost.m_aCostItem[0].m_strOtherName, v <= 3 ? "管理費" : "");
    EXPECT_EQ(cost.m_aCostItem[3].m_strOtherName, v <= 3 ? "火災保険料" : "");
    EXPECT_EQ(cost.m_aCostItem[4].m_strOtherName, v == 2 ? kLongNameCut : "共用部清掃費");
    EXPECT_EQ(cost.m_aCostItem[5].m_strOtherName, "大規模修繕積立");

    const CDataRentalBasicClass& shops = *d.m_apDataRentalBasic[1];
    EXPECT_EQ(shops.nContractYears, 3);
    EXPECT_EQ(shops.dSecurityAmortizeRatio, 20.0);
    EXPECT_EQ(shops.m_objSecurityLoan.nRepayMethod, 2);
    EXPECT_EQ(shops.m_objSecurityLoan.m_aRepay[1].nEndYear, 3);
    EXPECT_EQ(shops.m_strName, "店舗");
    EXPECT_EQ(d.m_apDataRentalBasic[0]->m_aRate[CDataRentalBasicClass::kRateLive].m_aDataRate[0].dRate, 95.0);
    EXPECT_EQ(d.m_apDataRentalBasic[0]->m_aRate[CDataRentalBasicClass::kRateRent].m_aDataRate[0].bDecrease, 1);
    const CDataRentalTermClass& shop = *d.m_pDataRentalType->GetTerm(2);
    EXPECT_EQ(shop.m_nCategory, 1);
    EXPECT_EQ(shop.m_strName, "１階店舗");
    EXPECT_EQ(shop.m_nInputMethod, 2);
    EXPECT_EQ(shop.m_dCount, 45.5);
    EXPECT_EQ(shop.m_dSecurity, 4560.0);
    EXPECT_EQ(d.m_pDataRentalType->GetTerm(0)->m_strName, "1LDK（南向き）");
    EXPECT_EQ(d.m_pDataRentalType->GetTerm(5)->m_nCategory, -1);

    EXPECT_EQ(d.m_pDataProRestOther->dSurplusRate, 0.05);
    EXPECT_EQ(d.m_pDataProRestOther->m_aOtherIncome[1].nFromYear, 3);
    EXPECT_EQ(d.m_pDataProRestOther->m_aOtherIncome[0].m_aDataRate[0].nInterval, 5);
    EXPECT_EQ(d.m_pDataProRestOther->m_aOtherIncome[1].m_strName, "携帯電話基地局賃料");
    EXPECT_EQ(d.m_pDataRestOther->m_aRestOtherMoney[2].nKind, 2);
    EXPECT_EQ(d.m_pDataRestOther->m_aRestOtherMoney[1].m_aDataRate[0].bDecrease, 1);
    EXPECT_EQ(d.m_pDataRestOther->m_aRestOtherMoney[1].m_strName, "生命保険料控除");
    EXPECT_EQ(d.m_pDataRestOther->m_astrComment[1], v == 2 ? "" : "仲介手数料は３％＋６万円");

    const COptionClassObject& op = p.m_option;
    EXPECT_EQ(op.m_pOptionBusinessRate->m_anApply[2], 1);
    EXPECT_EQ(op.m_pOptionBusinessRate->m_anApply[18], 1);
    EXPECT_EQ(op.m_pOptionConsumptionExpense->m_aItem[3].nManage, 3);
    EXPECT_EQ(op.m_pOptionConsumptionExpense->m_aItem[0].bStartRate, 1);
    EXPECT_EQ(op.m_pOptionExpenseManage->m_aManage[23].nPayment, 0);
    EXPECT_EQ(op.m_pOptionExpenseManage->m_aManage[22].nManage, 2);
    EXPECT_EQ(op.m_pOptionAdvance->m_aRate[0].dDepositRate, 100.0);
    EXPECT_EQ(op.m_pOptionAdvance->m_aRate[1].dSecurityRate, 30.0);
    EXPECT_EQ(op.m_pOptionConsumptionCost->m_anTax[12], 1);
    EXPECT_EQ(op.m_pOptionConsumptionCost->m_astrItemName[1], v <= 3 ? "管理費" : "");
    EXPECT_EQ(op.m_pOptionConsumptionIncome->m_aRental[1].m_anTax[3], 1);
    EXPECT_EQ(op.m_pOptionConsumptionIncome->m_aRental[1].m_anTax[0], 0);
    EXPECT_EQ(op.m_pOptionConsumptionIncome->m_anOtherTax[1], 1);
    EXPECT_EQ(op.m_pOptionConsumptionIncome->m_nInterestTax, 1);
    EXPECT_EQ(op.m_pOptionConsumptionIncome->m_astrIncomeName[0], v == 2 ? kLongNameCut : "自動販売機設置料");
    EXPECT_EQ(op.m_pOptionOtherManage->m_nYieldFormula, 2);
    EXPECT_EQ(op.m_pOptionOtherManage->m_nOwnFundTime, 1);
    EXPECT_EQ(op.m_pOptionOtherManage->m_anProrate[3], 1);

    // A project read from any version calculates.
    EXPECT_TRUE(CalculateAndExport(p, 35, ProjectTempPath("version.txt")));
    std::filesystem::remove(ProjectTempPath("version.txt"));
}

INSTANTIATE_TEST_SUITE_P(TwoToSeven, ProjectVersions, ::testing::Range(2, 8));

TEST(ProjectFile, TemplateDiffersFromProjectInTheKindOnly)
{
    const std::string prj = ReadFileBytes(ProjectFixture("v7.prj")), etd = ReadFileBytes(ProjectFixture("v7.etd"));
    ASSERT_EQ(prj.size(), etd.size());
    size_t nDiffer = 0;
    for (size_t i = 0; i < prj.size(); ++i) nDiffer += prj[i] != etd[i];
    EXPECT_EQ(nDiffer, 1u);
    EXPECT_EQ(etd[260], 101);
    CProjectInMemory p;
    EXPECT_TRUE(ReadProjectFile(p, ProjectFixture("v7.etd")));
}

// Installed templates are read-only; they open for reading.
TEST(ProjectFile, ReadOnlyFileOpens)
{
    const std::string path = ProjectTempPath("readonly.etd");
    WriteFileBytes(path, ReadFileBytes(ProjectFixture("v7.etd")));
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    CProjectInMemory p;
    EXPECT_TRUE(ReadProjectFile(p, path));
    ::chmod(path.c_str(), 0644);
    std::filesystem::remove(path);
}

// Only the whole magic selects a version; anything else is not our file.
TEST(ProjectFile, MagicDecidesAndTellsTheUser)
{
    const std::string v7 = ReadFileBytes(ProjectFixture("v7.prj"));
    auto withMagic = [&](const std::string& magic) {
        std::string bytes = v7;
        std::memset(bytes.data() + 4, 0, 256);
        std::memcpy(bytes.data() + 4, magic.data(), std::min<size_t>(magic.size(), 256));
        return bytes;
    };
    const struct {
        const char* pszCase;
        std::string bytes;
        bool bRead;
        int nMessages;
    } kCases[] = {
        {"text after the NUL", withMagic(std::string("TAVRINV801\0junk", 15)), true, 0},
        {"longer magic", withMagic("TAVRINV801X"), false, 1},
        {"no NUL in 256 bytes", withMagic(std::string(256, 'T')), false, 1},
        {"lower case", withMagic("tavrinv801"), false, 1},
        {"empty file", std::string(), false, 1},
        {"header only", v7.substr(0, 314), false, 0},
    };
    int nMessages = 0;
    CString strText;
    MessageBoxHandler previous = SetMessageBoxHandler([&](const CString& text, const CString&, UINT) {
        ++nMessages;
        strText = text;
        return IDOK;
    });
    const std::string path = ProjectTempPath("magic.prj");
    for (const auto& c : kCases) {
        nMessages = 0;
        WriteFileBytes(path, c.bytes);
        CProjectInMemory p;
        EXPECT_EQ(ReadProjectFile(p, path), c.bRead ? TRUE : FALSE) << c.pszCase;
        EXPECT_EQ(nMessages, c.nMessages) << c.pszCase;
    }
    EXPECT_EQ(strText, "指定されたファイルはタヴリンのファイルではありません。");
    nMessages = 0;
    CProjectInMemory p;
    EXPECT_FALSE(ReadProjectFile(p, ProjectTempPath("missing.prj")));
    EXPECT_EQ(nMessages, 0);
    SetMessageBoxHandler(previous);
    std::filesystem::remove(path);
}

// Missing holders or path fail before any file is touched.
TEST(ProjectFile, NeedsBothHoldersAndAPath)
{
    CProjectInMemory p;
    CFileDataClass file;
    const std::string path = ProjectTempPath("none.prj");
    EXPECT_FALSE(file.WriteProject(100, path.c_str(), &p.m_data, nullptr));
    EXPECT_FALSE(file.WriteProject(100, "", &p.m_data, &p.m_option));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(file.ReadProject(ProjectFixture("v7.prj").c_str(), nullptr, &p.m_option));
    delete p.m_data.m_apDataRentalBasic[3];
    p.m_data.m_apDataRentalBasic[3] = nullptr;
    EXPECT_FALSE(file.WriteProject(100, path.c_str(), &p.m_data, &p.m_option));
    EXPECT_FALSE(std::filesystem::exists(path));
}
