// INI profile functions with the system's semantics: sections and keys match
// without regard to case, writing keeps the order of keys and unknown sections.
#pragma once

#include "platform/afxtypes.h"

// Copies the value (or the default) into pBuf, truncated to nSize - 1 bytes;
// returns the number of bytes copied. A null key lists the section's keys.
DWORD GetPrivateProfileString(const char* pszSection, const char* pszKey, const char* pszDefault,
                              char* pBuf, DWORD nSize, const char* pszFileName);
// The value's leading decimal number, or nDefault when the key is missing.
UINT GetPrivateProfileInt(const char* pszSection, const char* pszKey, int nDefault, const char* pszFileName);
// A null key removes the section, a null value removes the key.
BOOL WritePrivateProfileString(const char* pszSection, const char* pszKey, const char* pszValue,
                               const char* pszFileName);
