// The names of the other expenses 1 to 6 in the printed business-rate and
// consumption-tax sheets, whichever way the project was loaded.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <string>

#include "file/filesx.h"
#include "tests/file/projectfiles.h"
#include "tests/option/optiontest.h"

namespace {

using Names = std::array<std::string, 6>;

struct LoadPath {
    const char* pszName;
    std::function<BOOL(CProjectInMemory&)> load;
    Names expected; // other expenses 1 to 6
};

BOOL ReadFixture(CProjectInMemory& p, const char* pszFixture)
{
    return ReadProjectFile(p, ProjectFixture(pszFixture));
}

BOOL Read16(CProjectInMemory& p)
{
    CFileDataClass file;
    file.SetDataClassObject(&p.m_data);
    file.SetOptionClassObject(&p.m_option);
    file.SetFileName(ProjectFixture("tav16_long.dat").c_str());
    return file.ReadProject16();
}

BOOL ReadEarlierProduct(CProjectInMemory& p)
{
    // The import may write beside its files: work on a copy.
    const std::string folder = ProjectTempPath("sx_names");
    std::filesystem::remove_all(folder);
    std::filesystem::copy(ProjectFixture("sx_pair"), folder);
    CFileSXClass sx;
    BOOL bOk = sx.Read((folder + "/TAVIDX.DAT").c_str());
    sx.SetDataClassObject(&p.m_data);
    sx.SetOptionClassObject(&p.m_option);
    bOk = bOk && sx.ConvertToClass(0);
    std::filesystem::remove_all(folder);
    return bOk;
}

BOOL Defaults(CProjectInMemory& p)
{
    CFileDataClass file;
    file.SetDataClassObject(&p.m_data);
    file.SetOptionClassObject(&p.m_option);
    file.InitString();
    return TRUE;
}

std::string PrintedName(const CObArray* pData, int j)
{
    const CPrintItemClass* cell = ItemAt(pData, j);
    return cell ? std::string(cell->m_strText) : std::string("(missing)");
}

} // namespace

TEST(OptionSheetNames, OtherExpensesPrintTheirOwnNamesOnEveryLoadPath)
{
    UseSheetPrintSettings();
    const Names fixture = {"共用部清掃費", "大規模修繕積立", "", "", "", ""};
    const Names defaults = {"その他の経費１", "その他の経費２", "その他の経費３",
                            "その他の経費４", "その他の経費５", "その他の経費６"};
    const LoadPath paths[] = {
        // Version 2 keeps 31 bytes of its long first name.
        {"v2", [](CProjectInMemory& p) { return ReadFixture(p, "v2.prj"); },
         {"東京都世田谷区弦巻三丁目土地有", "大規模修繕積立", "", "", "", ""}},
        {"v3", [](CProjectInMemory& p) { return ReadFixture(p, "v3.prj"); }, fixture},
        {"v4", [](CProjectInMemory& p) { return ReadFixture(p, "v4.prj"); }, fixture},
        {"v5", [](CProjectInMemory& p) { return ReadFixture(p, "v5.prj"); }, fixture},
        {"v6", [](CProjectInMemory& p) { return ReadFixture(p, "v6.prj"); }, fixture},
        {"v7", [](CProjectInMemory& p) { return ReadFixture(p, "v7.prj"); }, fixture},
        {"16-bit", Read16, {"共用部清掃費", "エレベーター保守", "", "", "", ""}},
        {"earlier product", ReadEarlierProduct, {"清掃委託費", "", "", "", "", ""}},
        {"defaults", Defaults, defaults},
    };
    for (const LoadPath& path : paths) {
        SCOPED_TRACE(path.pszName);
        CProjectInMemory p;
        ASSERT_TRUE(p.IsCreated());
        ASSERT_TRUE(path.load(p));
        COptionBusinessRateClass& business = *p.m_option.m_pOptionBusinessRate;
        COptionConsumptionCostClass& consumption = *p.m_option.m_pOptionConsumptionCost;
        business.CreatePrintArray(1);
        consumption.CreatePrintArray(1);
        for (int j = 5; j <= 10; ++j) {
            SCOPED_TRACE(j);
            const std::string name = path.expected[j - 5];
            EXPECT_EQ(std::string(p.m_data.m_pDataCost->m_aCostItem[j - 1].m_strOtherName), name);
            EXPECT_EQ(PrintedName(business.m_apData[0], j), name);
            EXPECT_EQ(PrintedName(consumption.m_apData[0], j), name);
        }
        business.DestroyPrintArray();
        consumption.DestroyPrintArray();
    }
}
