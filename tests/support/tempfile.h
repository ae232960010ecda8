// Files of a test process: paths of its own and whole-file reads and writes.
#pragma once

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A folder of this process's own under the system's temporary folder, made
// on first use and removed with everything in it when the process ends: test
// processes and checkouts run side by side.
inline const std::filesystem::path& ProcessTempFolder()
{
    struct Folder {
        std::filesystem::path path;
        Folder()
        {
            std::string pattern = (std::filesystem::temp_directory_path() / "tav-test-XXXXXX").string();
            if (::mkdtemp(pattern.data()) == nullptr) throw std::filesystem::filesystem_error(
                "mkdtemp", pattern, std::error_code(errno, std::generic_category()));
            path = pattern;
        }
        ~Folder()
        {
            std::error_code error;
            std::filesystem::remove_all(path, error);
        }
    };
    static const Folder folder;
    return folder.path;
}

// A path in this process's own temporary folder.
inline std::string TempPath(const char* pszName)
{
    return (ProcessTempFolder() / pszName).string();
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
