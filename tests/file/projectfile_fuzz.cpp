// libFuzzer target: ReadProject and ReadTax on any bytes must fail cleanly
// or fill the records, never touch memory they do not own.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "app/common/classobject.h"
#include "file/filedata.h"
#include "file/filetax.h"
#include "platform/msgbox.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, size_t nSize)
{
    static const std::string path = "/dev/shm/tav_fuzz_" + std::to_string(::getpid()) + ".prj";
    static const bool bQuiet = (SetMessageBoxHandler([](const CString&, const CString&, UINT) { return IDOK; }), true);
    (void)bQuiet;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(pData, 1, nSize, f);
    std::fclose(f);
    CDataClassObject data;
    COptionClassObject option;
    CTaxClassObject tax;
    if (!data.CreateData() || !option.CreateData() || !tax.CreateData()) return 0;
    CFileDataClass file;
    file.ReadProject(path.c_str(), &data, &option);
    CFileTaxClass taxFile;
    taxFile.ReadTax(path.c_str(), &tax);
    return 0;
}
