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
// existing file as it was. A link is saved through to its target; a file
// nobody may write, or one another process holds open with a lock, is
// refused; the new file keeps the old one's mode and, where permitted, owner.
BOOL SaveFileSafely(const CString& strPath, const std::function<void(CFile&)>& fnWrite);
// FALSE for the name of a save's temporary, which is never read as a file;
// otherwise removes the temporary a save of strPath cut short left behind,
// unless a save is writing it now.
BOOL PrepareRead(const CString& strPath);
