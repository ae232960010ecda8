#include "platform/codepage.h"

#include <cerrno>
#include <iconv.h>
#include <memory>
#include <type_traits>

namespace {

// Converts with iconv, replacing each byte that cannot be converted.
std::string Convert(const char* pszTo, const char* pszFrom, const char* pch, size_t n,
                    const std::string& replacement)
{
    std::string out;
    iconv_t cd = iconv_open(pszTo, pszFrom);
    if (cd == iconv_t(-1)) return std::string(pch, n);
    // Closed on every way out, a failed allocation included.
    std::unique_ptr<std::remove_pointer_t<iconv_t>, int (*)(iconv_t)> closer(cd, &iconv_close);
    char* in = const_cast<char*>(pch);
    size_t inLeft = n;
    char buf[256];
    while (inLeft > 0) {
        char* o = buf;
        size_t oLeft = sizeof buf;
        size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
        out.append(buf, o - buf);
        if (r == size_t(-1) && errno != E2BIG) {
            out += replacement;
            ++in;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

} // namespace

std::string CP932ToUtf8(const char* pch, size_t nLength)
{
    return Convert("UTF-8", "CP932", pch, nLength, "\xEF\xBF\xBD");
}

std::string CP932ToUtf8(const CString& str)
{
    return CP932ToUtf8(str, size_t(str.GetLength()));
}

CString Utf8ToCP932(const std::string& utf8)
{
    return CString(Convert("CP932", "UTF-8", utf8.data(), utf8.size(), "?"));
}
