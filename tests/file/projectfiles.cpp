#include "tests/file/projectfiles.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

std::string ProjectFixture(const char* pszName)
{
    return std::string(TAV_SOURCE_DIR) + "/tests/file/fixtures/" + pszName;
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string ProjectTempPath(const char* pszName)
{
    return (std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + "_" + pszName)).string();
}

BOOL ReadProjectFile(CProjectInMemory& project, const std::string& path)
{
    CFileDataClass file;
    return file.ReadProject(path.c_str(), &project.m_data, &project.m_option);
}

BOOL WriteProjectFile(CProjectInMemory& project, const std::string& path, short nKind)
{
    CFileDataClass file;
    return file.WriteProject(nKind, path.c_str(), &project.m_data, &project.m_option);
}

BOOL CalculateAndExport(CProjectInMemory& project, int nYears, const std::string& textPath)
{
    project.m_calc.m_objCalcYear.nCalcYear = nYears;
    project.m_calc.SetComs();
    for (int step = 0; step <= 26; ++step)
        if (!project.m_calc.Calc(step)) return FALSE;
    project.m_calc.SaveTextFile(textPath.c_str(), "事務所", "令和7年3月1日", 0);
    return TRUE;
}
