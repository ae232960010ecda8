// The premise tables (steps 3 to 10) and the two premise export sections.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "exampleproject.h"
#include "platform/codepage.h"
#include "result/calc/consumption.h"
#include "result/pages/resultrows.h"
#include "sectiontext.h"
#include "tests/result/pages/resultpagetest.h"
#include "tests/support/utf8.h"

namespace {

std::string T(const CString& str)
{
    return CP932ToUtf8(str);
}

bool StartsWith(const std::string& str, const std::string& prefix)
{
    return str.compare(0, prefix.size(), prefix) == 0;
}

class PremiseTables : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_project.IsCreated());
        BuildExampleProject(m_project);
    }
    void Calculate() { ASSERT_TRUE(m_project.Calculate(kExampleYears)); }
    // Steps 3 to 10.
    void Build()
    {
        for (int nStep = 3; nStep <= 10; ++nStep) ASSERT_TRUE(Calc().Calc(nStep)) << nStep;
    }
    CTavCalcClass& Calc() { return m_project.m_calc; }
    CTavResultClass& Result() { return m_project.m_result; }
    CDataClassObject& Data() { return m_project.m_data; }
    const CResultItemClass& Row(const CResultBaseClass& page, int i)
    {
        static const CResultItemClass empty;
        if (!page.m_pItemArray || i >= page.m_pItemArray->GetSize()) {
            ADD_FAILURE() << "no row " << i;
            return empty;
        }
        return *dynamic_cast<const CResultItemClass*>(page.m_pItemArray->GetAt(i));
    }
    std::string Money(const CResultBaseClass& page, int i) { return T(Row(page, i).m_strMoney); }
    std::string Content(const CResultBaseClass& page, int i) { return T(Row(page, i).m_strContent); }
    std::string Item(const CResultBaseClass& page, int i) { return T(Row(page, i).m_strItem); }

    // The lines a section writes into the export file.
    std::vector<std::string> Section(void (CTavCalcClass::*pSection)(), int nOption)
    {
        return SectionLines(Calc(), pSection, nOption);
    }

    // A capital expenditure of 30 million yen in year 15 on the equipment,
    // financed by loan 7 with a grace period and an extra repayment.
    void AddCapitalExpenditureLoan()
    {
        tagDATACAPITALPAY& pay = Data().m_pDataExpense->m_aCapitalPay[0];
        pay.nYear = 15;
        pay.dAmount = 30000.0;
        pay.nSource = 1;
        pay.nItem = 1;
        CDataLoanClass& loan = Data().m_pDataSupply->m_aLoan[6];
        SetLoan(loan, 30000.0, 1, {{15, 24, 1.8}}, 6, 0);
        loan.m_aRepay[0].dRate = 2.5;
        loan.m_strBankName = "地方銀行";
        loan.m_nCapitalPayYear = 15;
        loan.nSpecialFromYear = 18;
        loan.nSpecialToYear = 19;
        loan.dSpecialAmount = 1500.5;
        loan.nSpecialSource = 1;
    }

    CProjectInMemory m_project;
};

} // namespace

TEST_F(PremiseTables, BasicConditionsRows)
{
    Calculate();
    CDataBasicClass& basic = *Data().m_pDataBasic;
    basic.astrSubTitle[1] = "第２期計画";
    m_project.m_tax.m_pTaxConsumption->m_dRate = 5.0;
    const struct {
        int nTaxMethod;
        int nConsumption;
        double dRatio;
        int nLossCarry;
        const char8_t* pszTax;
        const char8_t* pszConsumption;
        const char8_t* pszRatio;
        const char8_t* pszLossCarry;
    } cases[] = {
        {0, 0, 12.5, 1, u8"個人", u8"通常課税\n税率    5%", u8"12.5%", u8"工事期間を含める"},
        {4, 1, 20.0, 0, u8"非課税", u8"簡易課税\n税率    5%", u8"20%", u8"工事期間は含めない"},
        {5, 2, 100.0, -3, u8"", u8"\n税率    5%", u8"100%", u8"工事期間を含める"},
        {-1, -1, 0.0, 0, u8"", u8"\n税率    5%", u8"0%", u8"工事期間は含めない"},
    };
    for (const auto& test : cases) {
        basic.nTaxMethod = test.nTaxMethod;
        basic.nConsumptionTaxMethod = test.nConsumption;
        basic.dBusinessRatio = test.dRatio;
        basic.nLossCarryMethod = test.nLossCarry;
        ASSERT_TRUE(Calc().MakeBasicData());
        const CResultBaseClass& page = Result().m_objBasicData;
        ASSERT_EQ(page.m_pItemArray->GetSize(), 9);
        EXPECT_EQ(Item(page, 0), U8(u8"プロジェクト名"));
        EXPECT_EQ(Money(page, 0), U8(u8"店舗付賃貸マンション"));
        EXPECT_EQ(Item(page, 2), "");
        EXPECT_EQ(Money(page, 2), U8(u8"第２期計画"));
        EXPECT_EQ(Money(page, 4), "");
        EXPECT_EQ(Money(page, 5), U8(test.pszTax)) << test.nTaxMethod;
        EXPECT_EQ(Money(page, 6), U8(test.pszConsumption)) << test.nConsumption;
        EXPECT_EQ(Money(page, 7), U8(test.pszRatio)) << test.dRatio;
        EXPECT_EQ(Item(page, 8), U8(u8"繰越欠損の対象"));
        EXPECT_EQ(Money(page, 8), U8(test.pszLossCarry)) << test.nLossCarry;
        for (int i = 0; i < 9; ++i) EXPECT_EQ(Content(page, i), "") << i;
    }
}

TEST_F(PremiseTables, OutlineAreasInTheEnteredUnitFirst)
{
    Calculate();
    tagDATAOUTLINE& outline = *Data().m_pDataOutline;
    outline.aLand[0] = {100.0, 0.0, 20.25};
    outline.aLand[1] = {330.58, 0.0, 66.942};
    outline.aHouse[0].dHouse = 12.5;
    outline.aHouse[1].dHouse = 41.3225;
    const struct {
        int nUnit;
        int nZero;
        const char8_t* pszTotal;
        const char8_t* pszLeased;
        const char8_t* pszBuy;
        const char8_t* pszHouse;
    } cases[] = {
        {0, 0, u8"100坪\n(330.58㎡)", u8"0坪\n(0.00㎡)", u8"20.25坪\n(66.94㎡)", u8"12.50坪\n(41.32㎡)"},
        {0, 1, u8"100坪\n(330.58㎡)", u8"0坪\n(0.00㎡)", u8"20.25坪\n(66.94㎡)", u8"12.5坪\n(41.32㎡)"},
        {1, 0, u8"330.58㎡\n(100.00坪)", u8"0㎡\n(0.00坪)", u8"66.942㎡\n(20.25坪)", u8"41.32㎡\n(12.50坪)"},
        // A unit the screens never store reads no pair element.
        {7, 0, u8"", u8"", u8"", u8""},
        {-1, 0, u8"", u8"", u8"", u8""},
    };
    for (const auto& test : cases) {
        outline.nAreaUnit = test.nUnit;
        Calc().m_objDecimal.nDecimalZero = test.nZero;
        ASSERT_TRUE(Calc().MakeOutlineData());
        const CResultBaseClass& page = Result().m_objOutlineData;
        ASSERT_EQ(page.m_pItemArray->GetSize(), 9);
        EXPECT_EQ(Item(page, 0), U8(u8"敷地総面積"));
        EXPECT_EQ(Money(page, 0), U8(test.pszTotal)) << test.nUnit;
        EXPECT_EQ(Money(page, 1), U8(test.pszLeased)) << test.nUnit;
        EXPECT_EQ(Money(page, 2), U8(test.pszBuy)) << test.nUnit;
        EXPECT_EQ(Item(page, 6), U8(u8"住宅使用部分面積"));
        EXPECT_EQ(Money(page, 6), U8(test.pszHouse)) << test.nUnit << test.nZero;
        EXPECT_EQ(Money(page, 7), U8(u8"20戸"));
        EXPECT_EQ(Money(page, 8), U8(u8"12ヶ月"));
    }
}

TEST_F(PremiseTables, DepreciationRowsTotalAndReducedBookValueCaption)
{
    AddCapitalExpenditureLoan();
    Calculate();
    Calc().m_objDecimal = tagSETDECIMAL{0, 0.5, 0, 0};
    CDataExpenseClass& expense = *Data().m_pDataExpense;
    expense.m_aDepreciation[0].m_strName = "本体";
    expense.m_aDepreciation[3].m_strName = "外構";
    const struct {
        int nInput;
        int nCompression;
        const char8_t* pszCaption;
    } cases[] = {{2, 1, u8"圧縮簿価"}, {2, 0, u8""}, {0, 1, u8""}};
    for (const auto& test : cases) {
        expense.m_objConstructionCost.nInputMethod = test.nInput;
        expense.m_objCompression.nCompression = test.nCompression;
        ASSERT_TRUE(Calc().MakeDepreciationData());
        const CResultDepreciationDataClass& page = Result().m_objDepreciationData;
        ASSERT_EQ(page.m_pItemArray->GetSize(), 7);
        EXPECT_EQ(T(page.m_strBookValueTitle), U8(test.pszCaption));
    }
    const CResultBaseClass& page = Result().m_objDepreciationData;
    const double b0 = dynamic_cast<CDepreciationMoneyClass*>(Calc().m_apDepreciationArray[0]->GetAt(0))->m_dBookValue;
    const double b1 = dynamic_cast<CDepreciationMoneyClass*>(Calc().m_apDepreciationArray[1]->GetAt(0))->m_dBookValue;
    ASSERT_GT(b0, 0);
    EXPECT_EQ(Item(page, 0), U8(u8"本体"));
    EXPECT_EQ(Money(page, 0), U8(u8"定額法\n 47年\n無\n無\n") + T(Calc().FormatAmount(b0)));
    // The equipment gets the capital expenditure.
    EXPECT_EQ(Money(page, 1), U8(u8"定率法\n 15年\n無\n有\n") + T(Calc().FormatAmount(b1)));
    // No cost: the name alone, and nothing added to the total.
    EXPECT_EQ(Item(page, 3), U8(u8"外構"));
    EXPECT_EQ(Money(page, 3), "");
    EXPECT_EQ(Item(page, 6), U8(u8"合計"));
    EXPECT_EQ(Money(page, 6), T(Calc().FormatAmount(b0 + b1)));
}

TEST_F(PremiseTables, CapitalExpenditureAndItsLoan)
{
    AddCapitalExpenditureLoan();
    CDataExpenseClass& expense = *Data().m_pDataExpense;
    // The second one is paid from business income: no loan.
    static_cast<tagDATACAPITALPAY&>(expense.m_aCapitalPay[1]) = tagDATACAPITALPAY{20, 5000.0, 0, 0};
    Calculate();
    Calc().m_objDecimal = tagSETDECIMAL{0, 0.5, 0, 0};
    expense.m_aDepreciation[1].m_strName = "設備";
    ASSERT_TRUE(Calc().MakeCapitalpayData());
    ASSERT_TRUE(Calc().MakeCapitalpayLoanData());
    const CResultBaseClass& pays = Result().m_objCapitalpayData;
    EXPECT_EQ(Item(pays, 0), U8(u8"設備"));
    EXPECT_EQ(Money(pays, 0), U8(u8" 15年目\n借入金\n30,000\n"));
    EXPECT_EQ(Money(pays, 1), U8(u8" 20年目\n事業収入\n5,000\n"));

    const CResultBaseClass& loans = Result().m_objCapitalpayLoanData;
    EXPECT_EQ(Item(loans, 0), U8(u8"地方銀行\n設備\n元金均等"));
    EXPECT_EQ(Content(loans, 0), U8(u8"据置期間\n 6ヶ月\n2.5%\n"
                                     u8"返済期間１\n15年目～24年目まで\n1.8%\n"
                                     u8"返済期間２\n\n\n返済期間３\n\n\n返済期間４\n\n\n"
                                     u8"臨時返済\n18年目～19年目まで\n\n臨時返済方法\n追加自己資金\n\n"
                                     u8"臨時返済金額\n1,500.5\n\n抵当権設定登記料\n設定\n"));
    EXPECT_EQ(Money(loans, 0), "30,000");
    EXPECT_EQ(Item(loans, 1), U8(u8"利用しません。\n"));
    EXPECT_EQ(Content(loans, 1), "");

    // Without a year: an empty row, and no loan whatever the source.
    expense.m_aCapitalPay[0].nYear = 0;
    ASSERT_TRUE(Calc().MakeCapitalpayData());
    ASSERT_TRUE(Calc().MakeCapitalpayLoanData());
    EXPECT_EQ(Item(pays, 0) + Money(pays, 0), "");
    EXPECT_EQ(Item(loans, 0), U8(u8"利用しません。\n"));
}

TEST_F(PremiseTables, TaxRowsAndTheirSchedules)
{
    Calculate();
    Calc().m_objDecimal = tagSETDECIMAL{0, 0.5, 0, 0};
    CDataTaxClass& tax = *Data().m_pDataTax;
    const std::string blank3 = "\n\n\n";
    const struct {
        std::vector<tagDATARATE> steps;
        std::string schedule;
    } cases[] = {
        {{}, blank3 + blank3 + blank3 + blank3},
        // An open first step ends the schedule with four empty groups.
        {{ScheduleStep(1, 0, 1, 2.0)},
         U8(u8"  1年目～") + std::string(11, ' ') + U8(u8"  1年毎\n2%\n上昇\n") + blank3 + blank3 + blank3 + blank3},
        // A start year without an interval is not used.
        {{ScheduleStep(3, 10, 0, 1.0), ScheduleStep(11, 20, 2, 1.25, true)},
         blank3 + U8(u8" 11年目～ 20年目まで  2年毎\n1.25%\n下降\n") + blank3 + blank3},
    };
    for (const auto& test : cases) {
        for (tagDATARATE& step : tax.m_aAppraised[0].m_aDataRate) step = {};
        for (size_t k = 0; k < test.steps.size(); ++k) tax.m_aAppraised[0].m_aDataRate[k] = test.steps[k];
        ASSERT_TRUE(Calc().MakeTaxData());
        EXPECT_EQ(Content(Result().m_objTaxData, 0), "\n" + test.schedule) << test.steps.size();
    }
    const CResultBaseClass& page = Result().m_objTaxData;
    ASSERT_EQ(page.m_pItemArray->GetSize(), 10);
    EXPECT_EQ(Item(page, 0), U8(u8"固定資産税評価額\n－土地－"));
    EXPECT_EQ(Content(page, 1).substr(0, Content(page, 1).find('\n')), U8(u8"工事費の60%"));

    tax.m_aAppraised[0].nInputMethod = 1;
    tax.m_aAppraised[0].dAmount = 400.5;
    tax.m_objTaxLand.nInputMethod = 1;
    tax.m_objTaxLand.dProjectValue = 60.0;
    tax.m_objTaxLand.dTotalValue = 50000.0;
    static_cast<tagDATABUSINESSPLACE&>(tax.m_objBusinessPlace) = tagDATABUSINESSPLACE{1, 1, 25.4};
    tax.m_objMunicipal.nBuildingType = 2;
    ASSERT_TRUE(Calc().Calc(0));
    ASSERT_TRUE(Calc().MakeTaxData());
    EXPECT_EQ(Content(page, 0).substr(0, Content(page, 0).find('\n')), U8(u8"400.5千円/坪"));
    EXPECT_EQ(Money(page, 2), "30,000");
    EXPECT_EQ(Money(page, 3), "70%");
    EXPECT_EQ(Money(page, 4), U8(u8"20戸"));
    EXPECT_EQ(Money(page, 5), U8(u8"新築住宅特例\n適用\n建物－住宅部分特例\n適用\n土地－住宅部分特例\n適用\n"));
    EXPECT_EQ(Money(page, 6), U8(u8"建築形態\n５階建以上の中高層耐火住宅\n建物－住宅部分特例\n適用\n土地－住宅部分特例\n適用\n"));
    EXPECT_EQ(Money(page, 8), U8(u8"課税\n軽減割合\n25%\n免税基準\n考慮しない\n"));
    EXPECT_EQ(Money(page, 9), U8(u8"プロジェクト以外の所得\n課税\n"));
    tax.m_objBusinessPlace.nTaxation = 0;
    ASSERT_TRUE(Calc().MakeTaxData());
    EXPECT_EQ(Money(page, 8), U8(u8"非課税\n\n\n\n\n"));
}

TEST_F(PremiseTables, OtherPremisesAndOutsideProjectRows)
{
    CDataProRestOtherClass& other = *Data().m_pDataProRestOther;
    other.dMinimumCash = 5000.0;
    other.m_aOtherIncome[1].m_strName = "看板";
    CDataRestOtherMoneyClass& line = Data().m_pDataRestOther->m_aRestOtherMoney[0];
    line.m_strName = "給与所得";
    line.dAmount = 6000.0;
    line.nKind = 0;
    line.nFromYear = 1;
    line.nToYear = 10;
    line.m_aDataRate[1] = ScheduleStep(3, 0, 1, 1.0);
    Data().m_pDataRestOther->m_aRestOtherMoney[1].m_strName = "予備";
    Calculate();
    Calc().m_objDecimal = tagSETDECIMAL{0, 0.5, 0, 0};
    ASSERT_TRUE(Calc().MakeProRestOtherData());
    ASSERT_TRUE(Calc().MakeRestOtherData());

    const CResultBaseClass& pro = Result().m_objProRestOtherData;
    ASSERT_EQ(pro.m_pItemArray->GetSize(), 8);
    EXPECT_EQ(Money(pro, 0), "0.1%");
    EXPECT_EQ(Money(pro, 1), U8(u8"5,000(千円)"));
    EXPECT_EQ(Item(pro, 2), U8(u8"自動販売機"));
    EXPECT_EQ(Content(pro, 2), U8(u8"計上年  1年～ 99年まで\n") + std::string(12, '\n'));
    EXPECT_EQ(Money(pro, 2), "240");
    // No amount: the name alone.
    EXPECT_EQ(Item(pro, 3), U8(u8"看板"));
    EXPECT_EQ(Content(pro, 3) + Money(pro, 3), "");

    const CResultBaseClass& rest = Result().m_objRestOtherData;
    ASSERT_EQ(rest.m_pItemArray->GetSize(), 8);
    EXPECT_EQ(Item(rest, 0), U8(u8"給与所得\n所得金額\n"));
    EXPECT_EQ(Content(rest, 0), U8(u8"計上年  1年～ 10年まで\n\n\n\n  3年目～") + std::string(11, ' ') + U8(u8"  1年毎\n1%\n上昇\n") +
                                    std::string(9, '\n'));
    EXPECT_EQ(Money(rest, 0), "6,000");
    EXPECT_EQ(Item(rest, 1), U8(u8"予備\n\n"));
    EXPECT_EQ(Content(rest, 1) + Money(rest, 1), "");
}

TEST_F(PremiseTables, NoResultObjectStopsEveryStep)
{
    Calculate();
    Calc().m_pResultClass = nullptr;
    const struct {
        BOOL (CTavCalcClass::*pBuild)();
        int nStatus;
    } cases[] = {
        {&CTavCalcClass::MakeBasicData, CALC_UNEXPECTED_ERROR},
        {&CTavCalcClass::MakeOutlineData, CALC_OUT_OF_MEMORY},
        {&CTavCalcClass::MakeDepreciationData, CALC_UNEXPECTED_ERROR},
        {&CTavCalcClass::MakeCapitalpayData, CALC_UNEXPECTED_ERROR},
        {&CTavCalcClass::MakeCapitalpayLoanData, CALC_UNEXPECTED_ERROR},
        {&CTavCalcClass::MakeTaxData, CALC_UNEXPECTED_ERROR},
        {&CTavCalcClass::MakeProRestOtherData, CALC_UNEXPECTED_ERROR},
        {&CTavCalcClass::MakeRestOtherData, CALC_UNEXPECTED_ERROR},
    };
    for (const auto& test : cases) {
        Calc().m_nMessageID = CALC_NO_ERROR;
        EXPECT_FALSE((Calc().*test.pBuild)());
        EXPECT_EQ(Calc().m_nMessageID, test.nStatus);
    }
}

TEST_F(PremiseTables, MissingAssessedValuesStopTheTaxTable)
{
    Calculate();
    delete Calc().m_pAppraisedBuildArray;
    Calc().m_pAppraisedBuildArray = nullptr;
    EXPECT_FALSE(Calc().MakeTaxData());
    EXPECT_EQ(Calc().m_nMessageID, CALC_UNEXPECTED_ERROR);
    // The land row made before stays; the export writes an empty amount.
    EXPECT_EQ(Result().m_objTaxData.m_pItemArray->GetSize(), 1);
    EXPECT_EQ(Section(&CTavCalcClass::TextBasic, 0).size(), 83u);
}

// ---- Export sections

TEST_F(PremiseTables, TheExportSectionsOfTheExample)
{
    AddCapitalExpenditureLoan();
    Calculate();
    Calc().m_objDecimal = tagSETDECIMAL{0, 0.5, 0, 0};
    m_project.m_tax.m_pTaxConsumption->m_dRate = 10.0;
    Data().m_pDataBasic->astrSubTitle[4] = "建設プロジェクト事業収支計算結果";
    Data().m_pDataOutline->aLand[1].dTotalLand = 595.04;
    const std::vector<std::string> lines = Section(&CTavCalcClass::TextBasic, 0);
    ASSERT_EQ(lines.size(), 83u);
    const std::vector<std::string> expected = {
        U8(u8"前提条件－１"),
        U8(u8"基本条件"),
        U8(u8"プロジェクト名\t店舗付賃貸マンション\t建設プロジェクト事業収支計算結果"),
        "\t", "\t", "\t", "\t",
        U8(u8"課税方法\t個人"),
        U8(u8"消費税課税方法\t通常課税\t税率\t10%"),
        U8(u8"事業割合\t100%"),
        U8(u8"繰越欠損の対象\t工事期間を含める"),
        U8(u8"計画建物の概要"),
        U8(u8"敷地総面積\t180坪\t595.04㎡"),
    };
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << i;
    EXPECT_EQ(lines[18], U8(u8"住宅使用部分面積\t315.00坪\t0.00㎡"));
    EXPECT_EQ(lines[20], U8(u8"工事期間\t12ヶ月"));
    EXPECT_EQ(lines[21], U8(u8"減価償却"));
    EXPECT_EQ(lines[22], U8(u8"項    目    名\t償却方法\t耐用年数\t割増償却\t資本的支出\t簿価（千円）"));
    EXPECT_EQ(lines[24].substr(0, lines[24].rfind('\t')), U8(u8"\t定率法\t 15年\t無\t有"));
    EXPECT_EQ(lines[26], "");
    EXPECT_EQ(lines[29].substr(0, lines[29].rfind('\t')), U8(u8"合計\t\t\t\t"));
    EXPECT_EQ(lines[30], U8(u8"資本的支出"));
    EXPECT_EQ(lines[32], U8(u8"\t 15年目\t借入金\t30,000"));
    EXPECT_EQ(lines[33], "");
    EXPECT_EQ(lines[34], U8(u8"資本的支出借入金詳細"));
    EXPECT_EQ(lines[35], U8(u8"項    目    名\t内     容\t\t\t金額（千円）"));
    EXPECT_EQ(lines[36], U8(u8"地方銀行\t据置期間\t 6ヶ月\t2.5%\t30,000"));
    EXPECT_EQ(lines[37], U8(u8"\t返済期間１\t15年目～24年目まで\t1.8%"));
    EXPECT_EQ(lines[38], U8(u8"元金均等\t返済期間２"));
    EXPECT_EQ(lines[39], U8(u8"\t返済期間３"));
    EXPECT_EQ(lines[41], U8(u8"\t臨時返済\t18年目～19年目まで"));
    EXPECT_EQ(lines[42], U8(u8"\t臨時返済方法\t追加自己資金"));
    EXPECT_EQ(lines[43], U8(u8"\t臨時返済金額\t1,500.5"));
    EXPECT_EQ(lines[44], U8(u8"\t抵当権設定登記料\t設定"));
    EXPECT_EQ(lines[45], U8(u8"利用しません。"));
    EXPECT_EQ(lines[46] + lines[53], "");
    EXPECT_EQ(lines[54], U8(u8"税金"));
    EXPECT_EQ(lines[56], U8(u8"固定資産税評価額\t\t\t\t\t72,000"));
    EXPECT_EQ(lines[57], U8(u8"－土地－"));
    EXPECT_EQ(lines[61].substr(0, lines[61].rfind('\t')), U8(u8"固定資産税評価額\t工事費の60%\t\t\t"));
    EXPECT_EQ(lines[62], U8(u8"－建物－\t  1年目～ 99年目まで\t  3年毎\t5%\t下降"));
    EXPECT_EQ(lines[66], U8(u8"相続税評価額\t"));
    EXPECT_EQ(lines[67] + lines[70], "");
    EXPECT_EQ(lines[71], U8(u8"特例を受ける住宅割合\t70%"));
    EXPECT_EQ(lines[73], U8(u8"不動産取得税\t新築住宅特例\t適用"));
    EXPECT_EQ(lines[74], U8(u8"\t建物－住宅部分特例\t適用"));
    EXPECT_EQ(lines[76], U8(u8"固定資産税\t建築形態\t中高層耐火住宅"));
    EXPECT_EQ(lines[79], U8(u8"都市計画税\t土地－住宅部分特例\t適用"));
    EXPECT_EQ(lines[80], U8(u8"事業所税\t非課税"));
    EXPECT_EQ(lines[81], "");
    EXPECT_EQ(lines[82], U8(u8"事業税\tプロジェクト以外の所得\t課税"));

    // Without the option the subtitles are left out.
    const std::vector<std::string> brief = Section(&CTavCalcClass::TextBasic, 1);
    ASSERT_EQ(brief.size(), 79u);
    EXPECT_EQ(brief[2], U8(u8"プロジェクト名\t店舗付賃貸マンション"));
    EXPECT_EQ(brief[3], U8(u8"課税方法\t個人"));

    const std::vector<std::string> other = Section(&CTavCalcClass::TextBasic2, 0);
    ASSERT_EQ(other.size(), 77u);
    EXPECT_EQ(other[0], U8(u8"前提条件－２"));
    EXPECT_EQ(other[3], U8(u8"最低確保する手元資金\t0千円"));
    EXPECT_EQ(other[4], U8(u8"項    目    名\t内     容\t\t\t\t金額（千円）"));
    EXPECT_EQ(other[5], U8(u8"自動販売機\t計上年\t  1年～ 99年まで\t\t\t240"));
    EXPECT_EQ(other[6] + other[7] + other[8] + other[9], "");
    EXPECT_EQ(other[35], U8(u8"プロジェクト以外の条件"));
}

TEST_F(PremiseTables, TheSectionsKeepTheirLineCountsWhateverTheData)
{
    AddCapitalExpenditureLoan();
    Calculate();
    CDataClassObject& d = Data();
    std::vector<std::function<void()>> variants = {
        [] {},
        [&] { static_cast<tagDATACAPITALPAY&>(d.m_pDataExpense->m_aCapitalPay[1]) = tagDATACAPITALPAY{3, 100.0, 1, 4}; },
        [&] { d.m_pDataSupply->m_aLoan[6].nSpecialFromYear = 0; },
        [&] {
            for (tagDATARATE& step : d.m_pDataTax->m_aAppraised[1].m_aDataRate) step = ScheduleStep(2, 1, 1, 1.0);
            d.m_pDataTax->m_objBusinessPlace.nTaxation = 1;
        },
        [&] {
            for (CDataOtherIncomeClass& income : d.m_pDataProRestOther->m_aOtherIncome) {
                income.dAmount = 10.0;
                income.m_aDataRate[0] = ScheduleStep(4, 0, 1, 1.0);
            }
            for (CDataRestOtherMoneyClass& line : d.m_pDataRestOther->m_aRestOtherMoney) {
                line.dAmount = -10.0;
                line.m_aDataRate[2] = ScheduleStep(1, 5, 1, 1.0);
            }
        },
    };
    for (size_t v = 0; v < variants.size(); ++v) {
        variants[v]();
        for (int nOption : {0, 1, 3}) {
            EXPECT_EQ(Section(&CTavCalcClass::TextBasic, nOption).size(), nOption == 0 ? 83u : 79u) << v;
            EXPECT_EQ(Section(&CTavCalcClass::TextBasic2, nOption).size(), 77u) << v;
        }
    }
}

TEST_F(PremiseTables, OddStoredValuesGiveEmptyCellsNotFaults)
{
    Calculate();
    CDataClassObject& d = Data();
    d.m_pDataBasic->strProjectName.Empty();
    d.m_pDataBasic->nTaxMethod = 1000000;
    d.m_pDataOutline->nAreaUnit = 7;
    CDataExpenseClass& expense = *d.m_pDataExpense;
    for (CDataDepreciationClass& item : expense.m_aDepreciation) {
        item.m_strName.Empty();
        item.nMethod = 9;
        item.nExtra = -4;
    }
    static_cast<tagDATACAPITALPAY&>(expense.m_aCapitalPay[0]) = tagDATACAPITALPAY{5, 1000.0, 1, -1};
    static_cast<tagDATACAPITALPAY&>(expense.m_aCapitalPay[1]) = tagDATACAPITALPAY{6, 1000.0, 7, 6};
    d.m_pDataTax->m_aAppraised[0].m_aDataRate[0] = {1, 5, 1, 1.0, 4};
    d.m_pDataTax->m_objMunicipal.nBuildingType = 3;
    d.m_pDataTax->m_objRealtyGet.nNewHouseSpecial = -1;
    d.m_pDataTax->m_objBusinessPlace.nTaxation = 2;
    d.m_pDataTax->m_objTaxBusiness.nOutsideIncome = 2;
    CDataRestOtherMoneyClass& line = d.m_pDataRestOther->m_aRestOtherMoney[0];
    line.dAmount = 100.0;
    line.nKind = 9;
    line.m_aDataRate[0] = {1, 5, 1, 1.0, 2};
    d.m_pDataProRestOther->m_aOtherIncome[0].m_strName.Empty();
    Build();

    EXPECT_EQ(Money(Result().m_objBasicData, 0), "");
    EXPECT_EQ(Money(Result().m_objBasicData, 5), "");
    EXPECT_EQ(Money(Result().m_objOutlineData, 0), "");
    EXPECT_EQ(Item(Result().m_objCapitalpayData, 0), "");
    EXPECT_EQ(Item(Result().m_objCapitalpayData, 1), "");
    EXPECT_TRUE(StartsWith(Money(Result().m_objCapitalpayData, 1), U8(u8"  6年目\n\n")));
    EXPECT_EQ(Item(Result().m_objCapitalpayLoanData, 0).substr(0, 2), "\n\n");
    EXPECT_TRUE(StartsWith(Content(Result().m_objTaxData, 0), U8(u8"\n  1年目～  5年目まで  1年毎\n1%\n\n")));
    EXPECT_TRUE(StartsWith(Money(Result().m_objTaxData, 6), U8(u8"建築形態\n\n")));
    EXPECT_EQ(Money(Result().m_objTaxData, 8), "\n\n\n\n\n");
    EXPECT_EQ(Item(Result().m_objRestOtherData, 0), "\n\n");
    EXPECT_EQ(Item(Result().m_objProRestOtherData, 2), "");
    for (int nOption : {0, 1}) {
        EXPECT_EQ(Section(&CTavCalcClass::TextBasic, nOption).size(), nOption == 0 ? 83u : 79u);
        EXPECT_EQ(Section(&CTavCalcClass::TextBasic2, nOption).size(), 77u);
    }
    // Both premise reports draw them.
    SetTestPrintSettings();
    Result().m_sizePaper = CSize(2670, 1744);
    for (int nKind : {0, 1}) {
        Result().SetItemFlag(nKind);
        CLometricRecordDC dc;
        Result().ReportDraw(&dc, 1);
        EXPECT_GT(dc.RecordsOf(CDrawRecord::Text).size(), 15u);
    }
    const std::vector<std::string> lines = Section(&CTavCalcClass::TextBasic, 0);
    EXPECT_EQ(lines[7], U8(u8"課税方法\t"));
    EXPECT_EQ(lines[12], U8(u8"敷地総面積\t\t"));
    EXPECT_EQ(lines[32], U8(u8"\t  5年目\t借入金\t1,000"));
}
