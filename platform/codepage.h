// Code page 932 text at the boundary to UTF-8 (Qt, terminals, tests).
#pragma once

#include <string>

#include "platform/cstring.h"

// True for a code page 932 lead byte (0x81-0x9F, 0xE0-0xFC).
inline bool IsCP932LeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Conversions through iconv's "CP932"; bytes that do not convert become U+FFFD / '?'.
std::string CP932ToUtf8(const char* pch, size_t nLength);
std::string CP932ToUtf8(const CString& str);
CString Utf8ToCP932(const std::string& utf8);
