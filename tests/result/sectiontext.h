// Export sections written on their own and read back as lines of cells.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "result/calc/tavcalc.h"
#include "tests/support/tempfile.h"

// The bytes that write() puts into the engine's export file.
inline std::string CaptureBytes(CTavCalcClass& calc, const std::function<void()>& write)
{
    const std::string path = TempPath("_tav_section.txt");
    EXPECT_TRUE(calc.m_fileText.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite));
    write();
    calc.m_fileText.Close();
    const std::string bytes = ReadBytes(path);
    std::filesystem::remove(path);
    return bytes;
}

// The lines of the bytes, each without its CR LF; bytes after the last CR LF are dropped.
inline std::vector<std::string> SplitLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t at; (at = bytes.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(bytes.substr(from, at - from));
    return lines;
}

// The lines section writes with option nOption, each without its CR LF, in
// UTF-8; a missing CR LF at the end fails the test.
inline std::vector<std::string> SectionLines(CTavCalcClass& calc, void (CTavCalcClass::*section)(), int nOption = 0)
{
    calc.m_nTextOption = nOption;
    const std::string bytes = CaptureBytes(calc, [&] { (calc.*section)(); });
    std::vector<std::string> lines = SplitLines(bytes);
    size_t size = 0;
    for (std::string& line : lines) {
        size += line.size() + 2;
        line = CP932ToUtf8(line.c_str(), line.size());
    }
    EXPECT_EQ(size, bytes.size());
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
