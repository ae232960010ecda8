// Whole files in and out: bounded reading into memory, and saving through a
// temporary file beside the target that is renamed over it.
#pragma once

#include <functional>
#include <vector>

#include "platform/cfile.h"

// The whole file, or FALSE when it is missing, locked, unreadable or larger
// than nMaxBytes.
BOOL LoadFileBytes(const CString& strPath, long long nMaxBytes, std::vector<BYTE>& bytes);
// fnWrite writes the file (CFile throws on a failed write); the target is
// replaced only when every byte reached the disk, so a failure leaves an
// existing file as it was.
BOOL SaveFileSafely(const CString& strPath, const std::function<void(CFile&)>& fnWrite);
