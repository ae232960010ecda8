// Helpers of the project-file tests, the fuzz target and the benchmarks.
#pragma once

#include <string>

#include "file/filedata.h"
#include "tests/result/sampleprojects.h"

// A fixture written by make_project_fixtures.py, e.g. "v7.prj".
std::string ProjectFixture(const char* pszName);
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// A path in the temporary folder of this process's own.
std::string ProjectTempPath(const char* pszName);

// Reads a project file into the holders of project.
BOOL ReadProjectFile(CProjectInMemory& project, const std::string& path);
BOOL WriteProjectFile(CProjectInMemory& project, const std::string& path, short nKind = 100);
// Runs every calculation step and the text export; FALSE when a step fails.
BOOL CalculateAndExport(CProjectInMemory& project, int nYears, const std::string& textPath);
