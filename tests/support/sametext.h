// Whole CR LF text files compared so that a failure shows the first line
// where they part, in UTF-8.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/codepage.h"

// Line n (from 1) of CR LF separated code page 932 bytes, in UTF-8.
inline std::string LineOf(const std::string& bytes, int n)
{
    size_t from = 0;
    for (int i = 1; i < n && from != std::string::npos; ++i) {
        from = bytes.find("\r\n", from);
        if (from != std::string::npos) from += 2;
    }
    if (from == std::string::npos || from >= bytes.size()) return "(no line)";
    const size_t to = std::min(bytes.find("\r\n", from), bytes.size());
    return CP932ToUtf8(bytes.substr(from, to - from).c_str(), to - from);
}

// The first line where two texts differ (0 when they are the same).
inline int FirstDifferingLine(const std::string& a, const std::string& b)
{
    int line = 1;
    for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (i >= a.size() || i >= b.size() || a[i] != b[i]) return line;
        if (a[i] == '\n') ++line;
    }
    return 0;
}

// Success when the texts are the same; else the first differing line of each.
inline ::testing::AssertionResult SameText(const std::string& actual, const std::string& expected)
{
    const int line = FirstDifferingLine(actual, expected);
    if (line == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "line " << line << " differs\n  written:  " << LineOf(actual, line)
                                         << "\n  expected: " << LineOf(expected, line);
}
