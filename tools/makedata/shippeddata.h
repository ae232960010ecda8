// The files of the Data folder: the standard tax-rate table, the templates
// and the sample project, each built from values in code.
#pragma once

#include <vector>

#include "tests/result/sampleprojects.h"
#include "tools/makedata/standardtax.h"

constexpr char kStandardTaxFile[] = "標準税率.tax";

struct ShippedProject {
    const char* pszFileName;
    short nKind; // 100 project, 101 template
    int nYears;  // the calculation period its figures are checked over
    void (*fnBuild)(CProjectInMemory&);
};

// The sample project first, then the templates.
const std::vector<ShippedProject>& ShippedProjects();
