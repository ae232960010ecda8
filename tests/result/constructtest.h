// Helpers of the construction funds and financing tests: one export section
// captured as lines of cells, amount texts read back, and calculated projects.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "result/calc/consumption.h"
#include "result/calc/tavcalc.h"
#include "result/pages/resultrows.h"
#include "tests/result/exampleproject.h"
#include "tests/result/sampleprojects.h"
#include "tests/result/sectiontext.h"

// The lines (without CR LF) of a file, which is then removed.
inline std::vector<std::string> TakeLines(const std::string& path)
{
    const std::string bytes = ReadBytes(path);
    std::filesystem::remove(path);
    return SplitLines(bytes);
}

// The lines that write() puts into the engine's export file.
inline std::vector<std::string> CaptureLines(CTavCalcClass& calc, const std::function<void()>& write)
{
    return SplitLines(CaptureBytes(calc, write));
}

// The bytes of a text (code page 932).
inline std::string Bytes(const CString& str)
{
    return std::string(static_cast<const char*>(str));
}

// The value of an amount text with thousands separators.
inline double Amount(const std::string& text)
{
    std::string digits;
    for (char ch : text)
        if (ch != ',') digits += ch;
    return std::strtod(digits.c_str(), nullptr);
}

// Row nRow of a page of item rows.
inline const CResultItemClass& ItemRow(const CResultBaseClass& page, int nRow)
{
    return *dynamic_cast<const CResultItemClass*>(page.m_pItemArray->GetAt(nRow));
}

// The projects whose totals are checked: the worked example, and a sample
// project of an individual and of a corporation.
enum class ConstructProject { kExample, kIndividual, kCorporation };

inline void PrintTo(ConstructProject n, std::ostream* os)
{
    const char* const names[] = {"example", "individual", "corporation"};
    *os << names[int(n)];
}

inline std::unique_ptr<CProjectInMemory> BuildConstructProject(ConstructProject nProject, int nYears = 12)
{
    auto project = std::make_unique<CProjectInMemory>();
    switch (nProject) {
    case ConstructProject::kExample: BuildExampleProject(*project); nYears = kExampleYears; break;
    case ConstructProject::kIndividual:
        BuildSampleProject(*project, {ProjectKind::kIndividual, ProjectKind::kOwnFunds, nYears});
        break;
    case ConstructProject::kCorporation:
        BuildSampleProject(*project, {ProjectKind::kCorporation, ProjectKind::kAutoLoan, nYears});
        break;
    }
    if (!project->Calculate(nYears)) return nullptr;
    return project;
}

// Empties the page and gives it nRows rows of the texts row(i) gives.
inline void FillItemRows(CResultBaseClass& page, int nRows,
                         const std::function<std::vector<CString>(int)>& row)
{
    page.DestroyData();
    page.CreateData();
    for (int i = 0; i < nRows; ++i) {
        const std::vector<CString> texts = row(i);
        auto* p = new CResultItemClass;
        p->SetItem(texts[0]);
        p->SetContent(texts[1]);
        p->SetMoney(texts[2]);
        page.m_pItemArray->Add(p);
    }
}
