#include "tools/makedata/shippeddata.h"

#include "tests/result/exampleproject.h"

namespace {

// What the basic-settings dialog sets on every project: the share of the
// ground rent paid during construction (a file without it reads 100 %).
void SetConstructionRent(CProjectInMemory& project)
{
    project.m_data.m_pDataBasic->nLandRentConstructRatio = 100;
    project.m_data.m_pDataBasic->bLandRentConstructRatioSet = 1;
}

void BuildSample(CProjectInMemory& project)
{
    BuildExampleProject(project);
    SetConstructionRent(project);
}

// A landowner builds flats on family land, borrowing what the funds lack.
void BuildLandownerApartment(CProjectInMemory& project)
{
    BuildSampleProject(project, {ProjectKind::kIndividual, ProjectKind::kAutoLoan, 30});
    SetConstructionRent(project);
    project.m_data.m_pDataBasic->strProjectName = "個人地主のアパート";
}

// A small company puts up a building of shops and offices for rent.
void BuildCompanyBuilding(CProjectInMemory& project)
{
    BuildSampleProject(project, {ProjectKind::kCorporation, ProjectKind::kAutoLoan, 30});
    SetConstructionRent(project);
    project.m_data.m_pDataBasic->strProjectName = "中小法人の賃貸ビル";
}

} // namespace

const std::vector<ShippedProject>& ShippedProjects()
{
    static const std::vector<ShippedProject> projects = {
        // The settings name it as the project the program opens first.
        {"TEST.prj", 100, kExampleYears, BuildSample},
        {"個人地主のアパート.ETD", 101, 30, BuildLandownerApartment},
        {"中小法人の賃貸ビル.ETD", 101, 30, BuildCompanyBuilding},
    };
    return projects;
}
