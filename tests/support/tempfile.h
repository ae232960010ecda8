// Files of a test process: paths of its own and whole-file reads and writes.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A path in the temporary folder of this process's own: the tests run side by side.
inline std::string TempPath(const char* pszName)
{
    return (std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + pszName)).string();
}

// The bytes of a file; empty when it cannot be read.
inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}
