// libFuzzer target: ReadProject and ReadTax on any bytes must fail cleanly
// or fill the records, never touch memory they do not own.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "file/filedata.h"
#include "file/filetax.h"
#include "platform/msgbox.h"
#include "tests/file/fuzzholders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, size_t nSize)
{
    static const std::string path = "/dev/shm/tav_fuzz_" + std::to_string(::getpid()) + ".prj";
    static const bool bQuiet = (SetMessageBoxHandler([](const CString&, const CString&, UINT) { return IDOK; }), true);
    (void)bQuiet;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(pData, 1, nSize, f);
    std::fclose(f);
    static CFuzzHolders holders;
    if (!holders.m_bCreated) return 0;
    holders.Reset();
    CFileDataClass file;
    file.ReadProject(path.c_str(), &holders.m_data, &holders.m_option);
    CFileTaxClass taxFile;
    taxFile.ReadTax(path.c_str(), &holders.m_tax);
    return 0;
}
