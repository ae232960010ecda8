// Imports of the older formats: the 16-bit era's project file and the
// earlier product's index and data files, converted into the records.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <random>

#include "file/filesx.h"
#include "platform/msgbox.h"
#include "tests/file/projectfiles.h"

namespace {

const char kProjectName[] = "横浜市港北区日吉二丁目賃貸マンション計画";

// Answers message boxes and counts them.
class LegacyImport : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = SetMessageBoxHandler([this](const CString& text, const CString&, UINT) {
            ++m_nMessages;
            m_strMessage = text;
            return IDOK;
        });
    }
    void TearDown() override
    {
        SetMessageBoxHandler(m_previous);
        for (const std::string& path : {m_path, m_text}) std::filesystem::remove(path);
        std::filesystem::remove_all(m_folder);
    }

    BOOL Read16(CProjectInMemory& p, const std::string& path)
    {
        CFileDataClass file;
        file.SetDataClassObject(&p.m_data);
        file.SetOptionClassObject(&p.m_option);
        file.SetFileName(path.c_str());
        return file.ReadProject16();
    }

    // Reads bytes as a 16-bit file; a project that reads also calculates and exports.
    BOOL Read16Bytes(const std::string& bytes, bool bCalculate)
    {
        WriteFileBytes(m_path, bytes);
        CProjectInMemory p;
        const BOOL bRead = Read16(p, m_path);
        if (bRead && bCalculate) CalculateAndExport(p, 20, m_text);
        return bRead;
    }

    // A copy of a fixture folder of the earlier product.
    std::string CopyPair(const char* pszFixture)
    {
        std::filesystem::remove_all(m_folder);
        std::filesystem::copy(ProjectFixture(pszFixture), m_folder);
        return m_folder + "/TAVIDX.DAT";
    }

    MessageBoxHandler m_previous;
    int m_nMessages = 0;
    CString m_strMessage;
    const std::string m_path = ProjectTempPath("legacy16.dat");
    const std::string m_text = ProjectTempPath("legacy.txt");
    const std::string m_folder = ProjectTempPath("sx");
};

void ExpectStep(const tagDATARATE& r, int nStart, int nEnd, int nInterval, double dRate, int bDecrease)
{
    EXPECT_EQ(r.nStartYear, nStart);
    EXPECT_EQ(r.nEndYear, nEnd);
    EXPECT_EQ(r.nInterval, nInterval);
    EXPECT_DOUBLE_EQ(r.dRate, dRate);
    EXPECT_EQ(r.bDecrease, bDecrease);
}

void ExpectPeriod(const tagDATAREPAY& r, int nStart, int nEnd, double dRate)
{
    EXPECT_EQ(r.nStartYear, nStart);
    EXPECT_EQ(r.nEndYear, nEnd);
    EXPECT_DOUBLE_EQ(r.dRate, dRate);
}

} // namespace

TEST_F(LegacyImport, LongSixteenBitProjectFillsTheRecords)
{
    CProjectInMemory p;
    ASSERT_TRUE(Read16(p, ProjectFixture("tav16_long.dat")));
    EXPECT_EQ(m_nMessages, 0);
    CDataClassObject& d = p.m_data;
    COptionClassObject& o = p.m_option;

    const CDataBasicClass& basic = *d.m_pDataBasic;
    EXPECT_EQ(basic.strProjectName, kProjectName);
    EXPECT_EQ(basic.nTaxMethod, 0);
    EXPECT_EQ(basic.nInputMethod, 1);
    EXPECT_EQ(basic.dBusinessRatio, 100.0);
    const CDataRestOtherMoneyClass* aRest = d.m_pDataRestOther->m_aRestOtherMoney;
    for (int k = 0; k < 3; ++k) EXPECT_EQ(aRest[k].nKind, k);
    EXPECT_EQ(aRest[0].dAmount, 6000.0);
    EXPECT_EQ(aRest[2].dAmount, 3600.0);
    EXPECT_EQ(aRest[0].nToYear, 50);
    ExpectStep(aRest[0].m_aDataRate[0], 1, 0, 2, 1.0, 0);

    // Only the entered unit's areas; the housing share from the tax block.
    const CDataOutlineClass& outline = *d.m_pDataOutline;
    EXPECT_EQ(outline.nConstructMonths, 12);
    EXPECT_EQ(outline.nAreaUnit, 1);
    EXPECT_EQ(outline.aLand[1].dTotalLand, 495.87);
    EXPECT_EQ(outline.aBuilding[1].dPlanBuild, 1200.5);
    EXPECT_EQ(outline.aLand[0].dTotalLand, 0.0);
    EXPECT_EQ(outline.nHouseInput, 1);
    EXPECT_EQ(outline.dHouseRatio, 85.0);
    EXPECT_EQ(outline.nHouseCount, 24);

    const CDataExpenseClass& expense = *d.m_pDataExpense;
    EXPECT_EQ(expense.m_objConstructionCost.nInputMethod, 2);
    EXPECT_EQ(expense.m_objConstructionCost.dAmount, 240000.0);
    EXPECT_EQ(expense.m_aDepreciation[0].dAmount, 75.0);
    EXPECT_EQ(expense.m_aDepreciation[1].dAmount, 25.0);
    EXPECT_EQ(expense.m_aDepreciation[0].nLife, 47);
    EXPECT_EQ(expense.m_aDepreciation[1].nMethod, 0);
    const CDataExpenseMoneyClass* aLine = d.m_pDataExpenseOther->m_aExpenseMoney;
    const struct {
        int nLine, nMethod;
        double dAmount;
    } kLines[] = {{0, 0, 0.0}, {1, 0, 3000.0}, {2, 1, 3.0}, {3, 1, 2.5}, {4, 0, 1500.0}, {5, 0, 2200.0},
                  {6, 0, 450.0}, {7, 0, 800.0}};
    for (const auto& c : kLines) {
        EXPECT_EQ(aLine[c.nLine].nInputMethod, c.nMethod) << "line " << c.nLine;
        EXPECT_EQ(aLine[c.nLine].dAmount, c.dAmount) << "line " << c.nLine;
    }

    const CDataTaxClass& tax = *d.m_pDataTax;
    EXPECT_EQ(tax.m_objMunicipal.nBuildingType, 2);
    EXPECT_EQ(tax.m_objBusinessPlace.nTaxation, 1);
    EXPECT_EQ(tax.m_aAppraised[0].nInputMethod, 0);
    EXPECT_EQ(tax.m_aAppraised[0].dAmount, 96000.0);
    EXPECT_EQ(tax.m_aAppraised[1].nInputMethod, 2);
    EXPECT_EQ(tax.m_aAppraised[1].dAmount, 60.0);
    EXPECT_EQ(tax.m_aAppraised[0].dAssetBaseRatio, 100.0);
    ExpectStep(tax.m_aAppraised[1].m_aDataRate[0], 1, 0, 3, 5.0, 0);
    ExpectStep(tax.m_objTaxLand.m_aDataRate[0], 1, 0, 1, 1.5, 0);
    EXPECT_EQ(tax.m_objTaxLand.dProjectValue, 150000.0);
    EXPECT_EQ(tax.m_objTaxBusiness.dCapital, 110000.0);

    const CDataSupplyClass& supply = *d.m_pDataSupply;
    EXPECT_EQ(supply.m_objFund.dOwnFund, 60000.0);
    EXPECT_EQ(supply.m_objShortLoan.nUse, 1);
    EXPECT_EQ(supply.m_nAutoLoan, 0);
    const CDataLoanClass& loan = supply.m_aLoan[0];
    EXPECT_EQ(loan.dAmount, 180000.0);
    EXPECT_EQ(loan.nMortgageFee, 0);
    ExpectPeriod(loan.m_aRepay[0], 0, 12, 2.2);
    ExpectPeriod(loan.m_aRepay[1], 2, 11, 2.2);
    ExpectPeriod(loan.m_aRepay[2], 12, 26, 3.1);
    const CDataLoanClass& autoLoan = supply.m_aLoan[CDataSupplyClass::kAutoLoan];
    EXPECT_EQ(autoLoan.nMortgageFee, 1);
    EXPECT_EQ(autoLoan.nRepayMethod, 1);
    ExpectPeriod(autoLoan.m_aRepay[1], 1, 10, 2.5);

    const CDataCostItemClass* aItem = d.m_pDataCost->m_aCostItem;
    EXPECT_EQ(aItem[0].nInputMethod, 0);
    EXPECT_EQ(aItem[0].adAmount[0], 3600.0);
    EXPECT_EQ(aItem[2].nInputMethod, 1);
    EXPECT_EQ(aItem[2].adAmount[1], 0.5);
    EXPECT_EQ(aItem[2].nFromYear, 3);
    ExpectStep(aItem[2].m_aDataRate[0], 3, 0, 1, 1.0, 0);
    EXPECT_EQ(aItem[4].adAmount[0], 480.0);
    EXPECT_EQ(aItem[4].nToYear, 50);

    const struct {
        int nLine, nCategory, nMethod;
        double dCount, dRent;
        const char* pszName;
    } kTerms[] = {{0, 1, 1, 20.0, 68.0, "1K（南向）"}, {1, 0, 2, 30.5, 12.0, "店舗Ａ"},
                  {2, 3, 3, 8.0, 25.0, "駐車場"}, {3, 1, 1, 4.0, 120.0, "ファミリータイ"}, {4, -1, 0, 0.0, 0.0, ""}};
    for (const auto& c : kTerms) {
        const CDataRentalTermClass* pTerm = d.m_pDataRentalType->GetTerm(c.nLine);
        ASSERT_TRUE(pTerm);
        EXPECT_EQ(pTerm->m_nCategory, c.nCategory) << c.nLine;
        EXPECT_EQ(pTerm->m_nInputMethod, c.nMethod) << c.nLine;
        EXPECT_EQ(pTerm->m_dCount, c.dCount) << c.nLine;
        EXPECT_EQ(pTerm->m_dRent, c.dRent) << c.nLine;
        EXPECT_EQ(pTerm->m_strName, c.pszName) << c.nLine;
    }
    EXPECT_EQ(d.m_pDataRentalType->GetTerm(1)->m_dSecurity, 2400.0);

    const CDataRentalBasicClass& flats = *d.m_apDataRentalBasic[1];
    EXPECT_EQ(flats.nContractYears, 2);
    ExpectStep(flats.m_aRate[CDataRentalBasicClass::kRateRent].m_aDataRate[0], 1, 0, 2, 1.0, 1);
    ExpectStep(flats.m_aRate[CDataRentalBasicClass::kRateTurnover].m_aDataRate[0], 1, 0, 0, 30.0, 0);
    const tagDATARATE* live = flats.m_aRate[CDataRentalBasicClass::kRateLive].m_aDataRate;
    ExpectStep(live[0], 1, 1, 0, 80.0, 0);
    ExpectStep(live[1], 2, 4, 0, 90.0, 0);
    ExpectStep(live[2], 5, 0, 0, 95.0, 0);
    EXPECT_EQ(flats.m_objSecurityLoan.nRepayMethod, 1);
    ExpectPeriod(flats.m_objSecurityLoan.m_aRepay[1], 1, 10, 0.0);
    EXPECT_EQ(flats.nDepositChange, 0);
    EXPECT_EQ(flats.nSecurityChange, 1);
    EXPECT_EQ(d.m_apDataRentalBasic[0]->dSecurityAmortizeRatio, 10.0);

    // The option records: treatments, business shares, other settings.
    const tagEXPENSEMANAGE* aManage = o.m_pOptionExpenseManage->m_aManage;
    EXPECT_EQ(expense.m_objConstructionCost.nAccounting, 2);
    EXPECT_EQ(expense.m_objConstructionCost.nPayment, 2);
    EXPECT_EQ(aManage[18].nManage, 1);
    EXPECT_EQ(aManage[18].nPayment, 0);
    EXPECT_EQ(aLine[3].nPayment, 2); // interest during construction: at completion, whatever the file says
    EXPECT_EQ(aLine[6].nAccounting, 1);
    const int* anApply = o.m_pOptionBusinessRate->m_anApply;
    EXPECT_EQ(anApply[3], 1);
    EXPECT_EQ(anApply[4], 0);
    EXPECT_EQ(anApply[19], 0);
    EXPECT_EQ(anApply[20], 1);
    EXPECT_EQ(o.m_pOptionOtherManage->m_anProrate[0], 1);
    EXPECT_EQ(o.m_pOptionOtherManage->m_anProrate[1], 0);
    EXPECT_EQ(o.m_pOptionOtherManage->m_nStartupYear, 5);
    EXPECT_EQ(o.m_pOptionOtherManage->m_nOwnFundTime, 1);
    EXPECT_EQ(o.m_pOptionAdvance->m_aRate[0].dDepositRate, 100.0);
    EXPECT_EQ(o.m_pOptionAdvance->m_aRate[1].dSecurityRate, 100.0);

    // Names: texts that fill their field are cut between characters.
    EXPECT_EQ(supply.m_aLoan[0].m_strBankName, "住宅金融公庫");
    EXPECT_EQ(supply.m_aLoan[3].m_strBankName, "商工組合中央金庫店");
    EXPECT_EQ(supply.m_aLoan[4].m_strBankName, "A信用金庫本店営業");
    EXPECT_EQ(supply.m_aLoan[6].m_strBankName, "借入金７");
    EXPECT_EQ(expense.m_aDepreciation[2].m_strName, "外構工事");
    EXPECT_EQ(o.m_pOptionOtherManage->m_astrAmortizeName[1], "昇降機設備");
    EXPECT_EQ(aLine[6].m_strName, "地盤調査費");
    EXPECT_EQ(o.m_pOptionConsumptionExpense->m_astrCostName[1], "測量費");
    EXPECT_EQ(aItem[5].m_strOtherName, "エレベーター保守");
    EXPECT_EQ(o.m_pOptionBusinessRate->m_astrExpenseName[5], "エレベーター保守");
    EXPECT_EQ(o.m_pOptionConsumptionCost->m_astrItemName[5], "共用部清掃費");
    for (int k = 0; k < 8; ++k) {
        const CString strName = d.m_apDataRentalBasic[k]->m_strName;
        EXPECT_EQ(d.m_pDataRentalType->m_astrName[k], strName);
        EXPECT_EQ(o.m_pOptionAdvance->m_astrTypeName[k], strName);
        EXPECT_EQ(o.m_pOptionConsumptionIncome->m_astrTypeName[k], strName);
    }
    EXPECT_EQ(d.m_apDataRentalBasic[1]->m_strName, "マンション");
    EXPECT_EQ(d.m_apDataRentalBasic[4]->m_strName, "その他の種別１");

    // The extension: comments, subsidy and the income periods, of which
    // the two beyond the sixth income are dropped.
    EXPECT_EQ(aLine[6].m_strComment, "ボーリング３か所");
    EXPECT_EQ(d.m_pDataRestOther->m_astrComment[1], "仲介手数料は３％");
    EXPECT_EQ(aLine[8].m_strComment, "敷地境界確定測量および地積更正登記申請費用");
    EXPECT_EQ(supply.m_objFund.dSubsidy, 5000.0);
    const struct {
        const char* pszName;
        double dAmount;
        int nFrom, nTo;
    } kIncomes[] = {{"自動販売機", 240.0, 1, 10}, {"看板設置料", 120.0, 1, 5}, {"自動販売機2", 260.0, 10, 20},
                    {"自動販売機3", 280.0, 20, 30}, {"自動販売機4", 300.0, 30, 50}, {"看板設置料2", 130.0, 5, 10}};
    for (int k = 0; k < 6; ++k) {
        const CDataOtherIncomeClass& income = d.m_pDataProRestOther->m_aOtherIncome[k];
        EXPECT_EQ(income.m_strName, kIncomes[k].pszName) << k;
        EXPECT_EQ(o.m_pOptionConsumptionIncome->m_astrIncomeName[k], kIncomes[k].pszName) << k;
        EXPECT_EQ(income.dAmount, kIncomes[k].dAmount) << k;
        EXPECT_EQ(income.nFromYear, kIncomes[k].nFrom) << k;
        EXPECT_EQ(income.nToYear, kIncomes[k].nTo) << k;
    }

    ASSERT_TRUE(CalculateAndExport(p, 30, m_text));
    EXPECT_NE(ReadFileBytes(m_text).find(kProjectName), std::string::npos);
}

TEST_F(LegacyImport, ShortFormHasNoExtension)
{
    CProjectInMemory p;
    ASSERT_TRUE(Read16(p, ProjectFixture("tav16_short.dat")));
    CDataClassObject& d = p.m_data;
    EXPECT_EQ(d.m_pDataBasic->strProjectName, kProjectName);
    EXPECT_TRUE(d.m_pDataExpenseOther->m_aExpenseMoney[6].m_strComment.IsEmpty());
    EXPECT_EQ(d.m_pDataSupply->m_objFund.dSubsidy, 0.0);
    EXPECT_EQ(p.m_option.m_pOptionOtherManage->m_nOwnFundTime, 0);
    const CDataOtherIncomeClass* aIncome = d.m_pDataProRestOther->m_aOtherIncome;
    EXPECT_EQ(aIncome[0].dAmount, 240.0);
    EXPECT_EQ(aIncome[0].nToYear, 50);
    EXPECT_EQ(aIncome[2].m_strName, "その他の収入３");
    EXPECT_EQ(aIncome[2].dAmount, 0.0);
    ASSERT_TRUE(CalculateAndExport(p, 20, m_text));
}

// The identification words decide, and only a wrong file is told to the user;
// a file of neither length was cut and fails silently.
TEST_F(LegacyImport, SixteenBitFileIsCheckedBeforeConverting)
{
    const std::string bytes = ReadFileBytes(ProjectFixture("tav16_long.dat"));
    ASSERT_EQ(bytes.size(), 7268u);
    std::string wrongID = bytes;
    wrongID[2] = 0;
    const struct {
        const char* pszCase;
        std::string bytes;
        BOOL bRead;
        int nMessages;
    } kCases[] = {
        {"long", bytes, TRUE, 0},
        {"with bytes after the structure", bytes + "trailing", TRUE, 0},
        {"short form", bytes.substr(0, 4870), TRUE, 0},
        {"wrong second word", wrongID, FALSE, 1},
        {"a project file", ReadFileBytes(ProjectFixture("v7.prj")), FALSE, 1},
        {"empty", "", FALSE, 1},
        {"cut inside the extension", bytes.substr(0, 6000), FALSE, 0},
        {"cut before the short form ends", bytes.substr(0, 4869), FALSE, 0},
    };
    for (const auto& c : kCases) {
        m_nMessages = 0;
        EXPECT_EQ(Read16Bytes(c.bytes, false), c.bRead) << c.pszCase;
        EXPECT_EQ(m_nMessages, c.nMessages) << c.pszCase;
    }
    EXPECT_EQ(m_strMessage, "指定されたファイルはタヴリンのファイルではありません。");

    CProjectInMemory p;
    m_nMessages = 0;
    EXPECT_FALSE(Read16(p, ProjectTempPath("no_such_file.dat")));
    CFileDataClass noHolders;
    noHolders.SetFileName(ProjectFixture("tav16_long.dat").c_str());
    EXPECT_FALSE(noHolders.ReadProject16());
    EXPECT_EQ(m_nMessages, 0);
}

TEST_F(LegacyImport, SixteenBitValuesOutsideTheirRange)
{
    std::string bytes = ReadFileBytes(ProjectFixture("tav16_long.dat"));
    bytes[508] = 3;                 // taxation method 3 is not offered
    bytes[582] = char(0xFF);        // area unit
    bytes[2230] = 9;                // input method of rental line 0
    WriteFileBytes(m_path, bytes);
    CProjectInMemory p;
    ASSERT_TRUE(Read16(p, m_path));
    EXPECT_EQ(p.m_data.m_pDataBasic->nTaxMethod, 4);
    EXPECT_EQ(p.m_data.m_pDataOutline->nAreaUnit, 1);
    EXPECT_EQ(p.m_data.m_pDataRentalType->GetTerm(0)->m_nInputMethod, 0);
    EXPECT_EQ(p.m_data.m_pDataRentalType->GetTerm(0)->m_dCount, 0.0);
}

// Every taxation method word of a 16-bit file: 0 to 2 as they stand, any
// other the method the program offers for them.
TEST_F(LegacyImport, SixteenBitTaxationMethods)
{
    const struct {
        unsigned nWord;
        int nMethod;
    } cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 4}, {4, 4}, {0xFFFF, 4}};
    const std::string original = ReadFileBytes(ProjectFixture("tav16_long.dat"));
    for (const auto& c : cases) {
        std::string bytes = original;
        bytes[508] = char(c.nWord & 0xFF);
        bytes[509] = char(c.nWord >> 8);
        WriteFileBytes(m_path, bytes);
        CProjectInMemory p;
        ASSERT_TRUE(Read16(p, m_path)) << c.nWord;
        EXPECT_EQ(p.m_data.m_pDataBasic->nTaxMethod, c.nMethod) << c.nWord;
    }
}

TEST_F(LegacyImport, SixteenBitTruncationAndMutationsAreSafe)
{
    const std::string bytes = ReadFileBytes(ProjectFixture("tav16_long.dat"));
    int nRead = 0;
    // One project for every length: building one takes longer than a read.
    CProjectInMemory p;
    WriteFileBytes(m_path, bytes);
    for (size_t n = bytes.size() + 1; n-- > 0;) {
        std::filesystem::resize_file(m_path, n);
        nRead += Read16(p, m_path);
    }
    EXPECT_EQ(nRead, 2); // the short and the long form

    const int kInteresting[] = {0, 1, -1, 0x7FFF, 0x8000, 0xFFFF};
    std::mt19937 random(20261210);
    nRead = 0;
    for (int k = 0; k < 400; ++k) {
        std::string mutated = bytes;
        for (int e = 1 + int(random() % 8); e > 0; --e) {
            const size_t nAt = 4 + random() % (mutated.size() - 6);
            if (random() % 2) {
                mutated[nAt] = char(random());
            } else {
                const int n = kInteresting[random() % std::size(kInteresting)];
                mutated[nAt] = char(n & 0xFF);
                mutated[nAt + 1] = char(n >> 8);
            }
        }
        nRead += Read16Bytes(mutated, k % 10 == 0);
    }
    EXPECT_EQ(nRead, 400);
}

TEST_F(LegacyImport, InitStringGivesTheDefaultNames)
{
    CProjectInMemory p;
    CFileDataClass file;
    file.SetDataClassObject(&p.m_data);
    file.SetOptionClassObject(&p.m_option);
    file.InitString();
    CDataClassObject& d = p.m_data;
    COptionClassObject& o = p.m_option;
    EXPECT_EQ(d.m_pDataExpense->m_aDepreciation[5].m_strName, "その他の償却４");
    EXPECT_EQ(o.m_pOptionOtherManage->m_astrAmortizeName[0], "その他の償却１");
    EXPECT_EQ(d.m_pDataExpenseOther->m_aExpenseMoney[13].m_strName, "その他の費用８");
    EXPECT_EQ(o.m_pOptionConsumptionExpense->m_astrCostName[7], "その他の費用８");
    EXPECT_TRUE(d.m_pDataSupply->m_aLoan[8].m_strBankName.IsEmpty()); // the automatic loan has its own
    EXPECT_EQ(d.m_pDataSupply->m_aLoan[7].m_strBankName, "借入金８");
    EXPECT_EQ(d.m_pDataCost->m_aCostItem[9].m_strOtherName, "その他の経費６");
    EXPECT_EQ(o.m_pOptionBusinessRate->m_astrExpenseName[9], "その他の経費６");
    EXPECT_EQ(o.m_pOptionConsumptionCost->m_astrItemName[10], "その他の経費６");
    EXPECT_EQ(d.m_pDataProRestOther->m_aOtherIncome[5].m_strName, "その他の収入６");
    EXPECT_EQ(d.m_pDataRestOther->m_aRestOtherMoney[7].m_strName, "ﾌﾟﾛｼﾞｪｸﾄ外の項目８");
    const char* const apszCategory[] = {"店舗", "マンション", "事務所", "駐車場",
                                        "その他の種別１", "その他の種別２", "その他の種別３", "その他の種別４"};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(d.m_apDataRentalBasic[k]->m_strName, apszCategory[k]);
        EXPECT_EQ(o.m_pOptionConsumptionIncome->m_astrTypeName[k], apszCategory[k]);
    }
}

// ---- The earlier product's index and data files ----------------------------

TEST_F(LegacyImport, IndexListsTheSlotsInUseAndFindsTheDataFileInAnyCase)
{
    const std::string index = CopyPair("sx_pair");
    CFileSXClass sx;
    ASSERT_TRUE(sx.Read(index.c_str()));
    EXPECT_EQ(sx.m_strDataPath, (m_folder + "/tavdat.dat").c_str());
    ASSERT_EQ(sx.GetIndexArraySize(), 2);
    EXPECT_EQ(sx.GetIndexArray(0), "  1：山田ビル建替計画");
    EXPECT_EQ(sx.GetIndexArray(1), "  3：鈴木アパート新築（法人）");
    for (int n : {-1, 2, 1000}) EXPECT_TRUE(sx.GetIndexArray(n).IsEmpty()) << n;

    // The second line is slot 3: the corporation's project.
    CProjectInMemory corporate;
    sx.SetDataClassObject(&corporate.m_data);
    sx.SetOptionClassObject(&corporate.m_option);
    ASSERT_TRUE(sx.ConvertToClass(1));
    EXPECT_EQ(sx.GetCurSel(), 1);
    EXPECT_EQ(corporate.m_data.m_pDataBasic->strProjectName, "鈴木アパート新築（法人）");
    EXPECT_EQ(corporate.m_data.m_pDataBasic->nTaxMethod, 1);
    // Without bought land the third loan is loan 3.
    EXPECT_EQ(corporate.m_data.m_pDataSupply->m_aLoan[2].m_strBankName, "日本政策金融公庫");
    ASSERT_TRUE(CalculateAndExport(corporate, 25, m_text));

    CProjectInMemory p;
    sx.SetDataClassObject(&p.m_data);
    sx.SetOptionClassObject(&p.m_option);
    sx.SetCurSel(0);
    ASSERT_TRUE(sx.ConvertToClass(-1));
    CDataClassObject& d = p.m_data;
    EXPECT_EQ(d.m_pDataBasic->strProjectName, "山田ビル建替計画");
    EXPECT_EQ(d.m_pDataBasic->nTaxMethod, 0);
    EXPECT_EQ(d.m_pDataOutline->nAreaUnit, 0);
    EXPECT_EQ(d.m_pDataOutline->aLand[0].dBuyLand, 50.0);
    EXPECT_EQ(d.m_pDataOutline->aBuilding[0].dPlanBuild, 360.0);
    EXPECT_EQ(d.m_pDataExpense->m_objConstructionCost.nInputMethod, 2);
    EXPECT_EQ(d.m_pDataExpense->m_objConstructionCost.dAmount, 234000.0);
    EXPECT_EQ(d.m_pDataExpense->m_aDepreciation[1].dAmount, 20.0);
    EXPECT_EQ(d.m_pDataExpense->m_aDepreciation[2].m_strName, "外構工事");
    // An individual buying land with it: the third loan is the land-purchase loan.
    const CDataSupplyClass& supply = *d.m_pDataSupply;
    EXPECT_EQ(supply.m_nLandPurchaseLoan, 1);
    EXPECT_EQ(supply.m_aLoan[5].m_strBankName, "日本政策金融公庫");
    EXPECT_EQ(supply.m_aLoan[5].dAmount, 40000.0);
    ExpectPeriod(supply.m_aLoan[5].m_aRepay[1], 1, 20, 1.5);
    EXPECT_EQ(supply.m_aLoan[0].dAmount, 150000.0);
    ExpectPeriod(supply.m_aLoan[0].m_aRepay[0], 0, 12, 2.0);
    ExpectPeriod(supply.m_aLoan[0].m_aRepay[1], 2, 26, 2.0);
    EXPECT_EQ(supply.m_objFund.dOwnFund, 40000.0);
    EXPECT_EQ(supply.m_objFund.dLandOwnFund, 10000.0);
    EXPECT_EQ(supply.m_nAutoLoan, 0);
    ExpectPeriod(supply.m_aLoan[CDataSupplyClass::kAutoLoan].m_aRepay[1], 1, 10, 2.5);
    // Single-precision rates widened.
    EXPECT_EQ(d.m_pDataExpenseOther->m_aExpenseMoney[2].nInputMethod, 1);
    EXPECT_EQ(d.m_pDataExpenseOther->m_aExpenseMoney[2].dAmount, 3.0);
    EXPECT_EQ(d.m_pDataExpenseOther->m_aExpenseMoney[0].dAmount, 60000.0);
    EXPECT_EQ(d.m_pDataProRestOther->dSurplusRate, 0.25);
    EXPECT_EQ(d.m_pDataRestOther->m_aRestOtherMoney[0].dAmount, 4800.0);
    EXPECT_EQ(d.m_pDataRestOther->m_aRestOtherMoney[0].nToYear, 50);
    const CDataRentalTermClass* pTerm = d.m_pDataRentalType->GetTerm(1);
    EXPECT_EQ(pTerm->m_strName, "店舗");
    EXPECT_EQ(pTerm->m_nCategory, 0);
    EXPECT_EQ(pTerm->m_dCount, 25.0);
    EXPECT_EQ(pTerm->m_dSecurity, 3500.0);
    EXPECT_EQ(d.m_pDataRentalType->GetTerm(0)->m_dCommonFee, 5.0);
    const CDataRentalBasicClass& flats = *d.m_apDataRentalBasic[1];
    EXPECT_EQ(flats.m_strName, "マンション");
    EXPECT_EQ(flats.nContractYears, 2);
    ExpectStep(flats.m_aRate[CDataRentalBasicClass::kRateLive].m_aDataRate[1], 2, 2, 0, 90.0, 0);
    ExpectStep(flats.m_aRate[CDataRentalBasicClass::kRateRent].m_aDataRate[0], 1, 0, 2, 1.0, 0);
    // The fifth category does not reach the records.
    EXPECT_EQ(d.m_apDataRentalBasic[4]->nContractYears, 0);
    EXPECT_EQ(d.m_pDataCost->m_aCostItem[4].m_strOtherName, "清掃委託費");
    EXPECT_EQ(p.m_option.m_pOptionAdvance->m_aRate[1].dDepositRate, 100.0);
    ASSERT_TRUE(CalculateAndExport(p, 25, m_text));
    EXPECT_NE(ReadFileBytes(m_text).find("山田ビル建替計画"), std::string::npos);
}

TEST_F(LegacyImport, ListEndsAtTheLastCompleteSlotAndAtTwoHundred)
{
    CFileSXClass sx;
    ASSERT_TRUE(sx.Read(CopyPair("sx_short").c_str()));
    EXPECT_EQ(sx.GetIndexArraySize(), 2);
    EXPECT_EQ(sx.GetIndexArray(1), "  2：目黒賃貸");

    ASSERT_TRUE(sx.Read(CopyPair("sx_many").c_str()));
    ASSERT_EQ(sx.GetIndexArraySize(), 200);
    EXPECT_EQ(sx.GetIndexArray(199), "200：物件200");
    CProjectInMemory p;
    sx.SetDataClassObject(&p.m_data);
    sx.SetOptionClassObject(&p.m_option);
    EXPECT_TRUE(sx.ConvertToClass(199));
    EXPECT_EQ(p.m_data.m_pDataBasic->strProjectName, "物件200");
}

TEST_F(LegacyImport, ImportFailsWithoutItsFilesOrHolders)
{
    CFileSXClass sx;
    EXPECT_FALSE(sx.Read(""));
    EXPECT_FALSE(sx.Read(ProjectTempPath("no_such_folder/TAVIDX.DAT").c_str()));
    const std::string index = CopyPair("sx_pair");
    CProjectInMemory p;
    EXPECT_FALSE(sx.ConvertToClass(0)); // nothing read yet
    ASSERT_TRUE(sx.Read(index.c_str()));
    EXPECT_FALSE(sx.ConvertToClass(0)); // no holders
    sx.SetDataClassObject(&p.m_data);
    sx.SetOptionClassObject(&p.m_option);
    EXPECT_FALSE(sx.ConvertToClass(5)); // no such line
    // The data file cut after it was listed.
    std::filesystem::resize_file(m_folder + "/tavdat.dat", 3364 * 2 + 100);
    EXPECT_FALSE(sx.ConvertToClass(1));
    EXPECT_TRUE(sx.ConvertToClass(0));
    std::filesystem::remove(m_folder + "/tavdat.dat");
    EXPECT_FALSE(sx.Read(index.c_str()));
    EXPECT_EQ(m_nMessages, 0);
}

// A path without a folder looks in the current folder.
TEST_F(LegacyImport, IndexWithoutFolderPart)
{
    CopyPair("sx_pair");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(m_folder);
    CFileSXClass sx;
    const BOOL bRead = sx.Read("TAVIDX.DAT");
    std::filesystem::current_path(previous);
    ASSERT_TRUE(bRead);
    EXPECT_EQ(sx.m_strDataPath, "tavdat.dat");
    EXPECT_EQ(sx.GetIndexArraySize(), 2);
}

TEST_F(LegacyImport, DamagedIndexAndDataFilesAreSafe)
{
    const std::string index = CopyPair("sx_pair");
    const std::string indexBytes = ReadFileBytes(index), dataBytes = ReadFileBytes(m_folder + "/tavdat.dat");
    // Cut anywhere: the list shrinks, never beyond the complete slots.
    for (size_t n = 0; n <= indexBytes.size(); ++n) {
        WriteFileBytes(index, indexBytes.substr(0, n));
        CFileSXClass sx;
        ASSERT_TRUE(sx.Read(index.c_str()));
        EXPECT_EQ(sx.GetIndexArraySize(), n >= 159 ? 2 : n >= 53 ? 1 : 0) << n;
    }
    WriteFileBytes(index, indexBytes);
    std::mt19937 random(20261211);
    int nConverted = 0;
    for (int k = 0; k < 300; ++k) {
        std::string data = dataBytes, names = indexBytes;
        for (int e = 1 + int(random() % 12); e > 0; --e) data[random() % data.size()] = char(random());
        // Names without NUL.
        if (k % 3 == 0)
            for (size_t i = 2; i < 53; ++i) names[i] = char(0x81 + random() % 0x7B);
        WriteFileBytes(m_folder + "/tavdat.dat", data.substr(0, k % 5 == 0 ? random() % data.size() : data.size()));
        WriteFileBytes(index, names);
        CFileSXClass sx;
        if (!sx.Read(index.c_str())) continue;
        CProjectInMemory p;
        sx.SetDataClassObject(&p.m_data);
        sx.SetOptionClassObject(&p.m_option);
        for (int line = 0; line < sx.GetIndexArraySize(); ++line) {
            if (!sx.ConvertToClass(line)) continue;
            ++nConverted;
            EXPECT_LE(p.m_data.m_pDataBasic->strProjectName.GetLength(), 51);
            if (k % 10 == 0) CalculateAndExport(p, 20, m_text);
        }
    }
    EXPECT_GT(nConverted, 300);
}
