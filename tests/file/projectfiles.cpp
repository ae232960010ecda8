#include "tests/file/projectfiles.h"

#include <filesystem>
#include <fstream>

#include "tests/support/tempfile.h"

std::string ProjectFixture(const char* pszName)
{
    return std::string(TAV_SOURCE_DIR) + "/tests/file/fixtures/" + pszName;
}

std::string ReadFileBytes(const std::string& path)
{
    return ReadBytes(path);
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    WriteBytes(path, bytes);
}

std::string ProjectTempPath(const char* pszName)
{
    return TempPath(("_" + std::string(pszName)).c_str());
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
