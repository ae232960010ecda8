// UTF-8 text in tests: u8 literals are the only literals not in code page 932.
#pragma once

#include <string>

inline std::string U8(const char8_t* psz)
{
    return reinterpret_cast<const char*>(psz);
}
