// One export section written on its own and read back as UTF-8 lines.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "result/calc/tavcalc.h"

// The lines section writes with option nOption, each without its CR LF, in
// UTF-8; a missing CR LF at the end fails the test.
inline std::vector<std::string> SectionLines(CTavCalcClass& calc, void (CTavCalcClass::*section)(), int nOption = 0)
{
    const std::string path =
        (std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + "_tav_section.txt")).string();
    calc.m_nTextOption = nOption;
    EXPECT_TRUE(calc.m_fileText.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite));
    (calc.*section)();
    calc.m_fileText.Close();
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove(path);
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t at; (at = bytes.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(CP932ToUtf8(bytes.substr(from, at - from).c_str(), at - from));
    EXPECT_EQ(from, bytes.size());
    return lines;
}

// The cells of a line.
inline std::vector<std::string> Cells(const std::string& line)
{
    std::vector<std::string> cells;
    size_t from = 0;
    for (size_t at; (at = line.find('\t', from)) != std::string::npos; from = at + 1)
        cells.push_back(line.substr(from, at - from));
    cells.push_back(line.substr(from));
    return cells;
}
