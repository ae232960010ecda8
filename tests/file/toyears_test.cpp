// Last years of a booking "to the end": any value is saved, read back and
// calculated like the last calculation year.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <functional>
#include <vector>

#include "tests/file/projectfiles.h"

namespace {

constexpr int kYears = 15;

struct ToYearField {
    const char* pszName;
    std::function<int&(CDataClassObject&)> field;
};

// The individual's project with an extra repayment and two consumption-tax stages.
void BuildProject(CProjectInMemory& p)
{
    BuildSampleProject(p, {ProjectKind::kIndividual, ProjectKind::kShortLoan, kYears});
    CDataLoanClass& loan = p.m_data.m_pDataSupply->m_aLoan[0];
    loan.nSpecialFromYear = 5;
    loan.nSpecialToYear = kYears;
    loan.dSpecialAmount = 1000.0;
    CDataTaxConsumptionClass& stages = p.m_data.m_pDataTax->m_objConsumption;
    stages.m_adBusinessRate[0] = 8.0;
    stages.m_anBusinessToYear[0] = 3;
    stages.m_adBusinessRate[1] = 10.0;
    stages.m_anBusinessToYear[1] = kYears;
    stages.m_adConstructRate[0] = 8.0;
    stages.m_anConstructToYear[0] = kYears;
}

// Saves the project with the field at nValue, reads it into a new project
// and calculates every step; the year records of the run.
std::vector<tagYEARBALANCE> SaveReadAndCalculate(const ToYearField& f, int nValue)
{
    CProjectInMemory written;
    BuildProject(written);
    f.field(written.m_data) = nValue;
    const std::string path = ProjectTempPath("toyears.prj");
    EXPECT_TRUE(WriteProjectFile(written, path));
    CProjectInMemory read;
    EXPECT_TRUE(ReadProjectFile(read, path));
    std::filesystem::remove(path);
    EXPECT_EQ(f.field(read.m_data), nValue);
    EXPECT_TRUE(read.CalculateAll(kYears)) << "status " << read.m_calc.m_nMessageID;
    std::vector<tagYEARBALANCE> years;
    for (int y = 0; y <= kYears && read.Year(y); ++y) years.push_back(*read.Year(y));
    return years;
}

} // namespace

TEST(ToYears, AnyLastYearCalculatesLikeTheLastCalculationYear)
{
    const ToYearField fields[] = {
        {"running cost", [](CDataClassObject& d) -> int& { return d.m_pDataCost->m_aCostItem[0].nToYear; }},
        {"other income",
         [](CDataClassObject& d) -> int& { return d.m_pDataProRestOther->m_aOtherIncome[0].nToYear; }},
        {"outside line",
         [](CDataClassObject& d) -> int& { return d.m_pDataRestOther->m_aRestOtherMoney[0].nToYear; }},
        {"extra repayment", [](CDataClassObject& d) -> int& { return d.m_pDataSupply->m_aLoan[0].nSpecialToYear; }},
        {"rent step",
         [](CDataClassObject& d) -> int& {
             return d.m_apDataRentalBasic[0]->m_aRate[CDataRentalBasicClass::kRateRent].m_aDataRate[0].nEndYear;
         }},
        {"consumption tax, second stage",
         [](CDataClassObject& d) -> int& { return d.m_pDataTax->m_objConsumption.m_anBusinessToYear[1]; }},
        {"consumption tax, construction",
         [](CDataClassObject& d) -> int& { return d.m_pDataTax->m_objConsumption.m_anConstructToYear[0]; }},
    };
    for (const ToYearField& f : fields) {
        SCOPED_TRACE(f.pszName);
        const std::vector<tagYEARBALANCE> expected = SaveReadAndCalculate(f, kYears);
        ASSERT_EQ(expected.size(), size_t(kYears + 1));
        for (int value : {99, 1201, 9999, INT_MAX}) {
            SCOPED_TRACE(value);
            const std::vector<tagYEARBALANCE> years = SaveReadAndCalculate(f, value);
            ASSERT_EQ(years.size(), expected.size());
            for (int y = 0; y <= kYears; ++y)
                EXPECT_EQ(std::memcmp(&years[y], &expected[y], sizeof(tagYEARBALANCE)), 0) << "year " << y;
        }
    }
}
