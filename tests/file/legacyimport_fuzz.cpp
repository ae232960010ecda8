// libFuzzer target of the two older-format readers: the first byte chooses
// the 16-bit project reader (odd) or the earlier product's index and data
// files (even; the next two bytes give the index file's length, the rest is
// the data file). Any bytes must fail cleanly or fill the records.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "file/filesx.h"
#include "platform/msgbox.h"
#include "tests/file/fuzzholders.h"

namespace {

void WriteBytes(const std::string& path, const std::uint8_t* p, size_t n)
{
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(p, 1, n, f);
        std::fclose(f);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, size_t nSize)
{
    static const std::string folder = "/dev/shm/tav_legacy_fuzz_" + std::to_string(::getpid());
    static const bool bReady = (SetMessageBoxHandler([](const CString&, const CString&, UINT) { return IDOK; }),
                                std::filesystem::create_directories(folder), true);
    (void)bReady;
    if (nSize < 1) return 0;
    static CFuzzHolders holders;
    if (!holders.m_bCreated) return 0;
    holders.Reset();
    CDataClassObject& data = holders.m_data;
    COptionClassObject& option = holders.m_option;
    if (pData[0] & 1) {
        const std::string path = folder + "/project16.dat";
        WriteBytes(path, pData + 1, nSize - 1);
        CFileDataClass file;
        file.SetDataClassObject(&data);
        file.SetOptionClassObject(&option);
        file.SetFileName(path.c_str());
        file.ReadProject16();
        return 0;
    }
    if (nSize < 3) return 0;
    const size_t nIndex = std::min(nSize - 3, size_t(pData[1] | pData[2] << 8));
    const std::string index = folder + "/TAVIDX.DAT";
    WriteBytes(index, pData + 3, nIndex);
    WriteBytes(folder + "/tavdat.dat", pData + 3 + nIndex, nSize - 3 - nIndex);
    CFileSXClass sx;
    if (!sx.Read(index.c_str())) return 0;
    sx.SetDataClassObject(&data);
    sx.SetOptionClassObject(&option);
    for (int line = 0; line < sx.GetIndexArraySize(); ++line) sx.ConvertToClass(line);
    return 0;
}
