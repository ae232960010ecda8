// Sources are compiled with iconv's "IBM943"; for every character they use it
// must give the same bytes as "CP932".
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iconv.h>
#include <sstream>

namespace {

std::string Encode(const char* pszCharset, const std::string& utf8)
{
    iconv_t cd = iconv_open(pszCharset, "UTF-8");
    if (cd == iconv_t(-1)) return {};
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char buf[16];
    char* out = buf;
    size_t outLeft = sizeof buf;
    size_t r = iconv(cd, &in, &inLeft, &out, &outLeft);
    iconv_close(cd);
    return r == size_t(-1) ? std::string("<none>") : std::string(buf, out);
}

} // namespace

TEST(SourceLiterals, EncodeAlikeInBothCharsets)
{
    const std::filesystem::path root(TAV_SOURCE_DIR);
    int checked = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const auto& path = entry.path();
        const std::string rel = std::filesystem::relative(path, root).string();
        if (rel.rfind("build", 0) == 0 || rel.rfind(".git", 0) == 0) continue;
        const std::string ext = path.extension().string();
        if (ext != ".cpp" && ext != ".h") continue;
        std::ifstream file(path, std::ios::binary);
        std::stringstream ss;
        ss << file.rdbuf();
        const std::string text = ss.str();
        for (size_t i = 0; i < text.size();) {
            const unsigned char c = text[i];
            size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
            if (len > 1) {
                const std::string ch = text.substr(i, len);
                EXPECT_EQ(Encode("IBM943", ch), Encode("CP932", ch)) << rel << ": " << ch;
                ++checked;
            }
            i += len;
        }
    }
    EXPECT_GT(checked, 0);
}
