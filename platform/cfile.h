// Binary files with the framework's open modes and error reporting.
#pragma once

#include <cstdio>
#include <ctime>
#include <string>

#include "platform/cobject.h"
#include "platform/cstring.h"

class CFileException : public CObject {
public:
    enum {
        none = 0, genericException, fileNotFound, badPath, tooManyOpenFiles, accessDenied,
        invalidFile, removeCurrentDir, directoryFull, badSeek, hardIO, sharingViolation,
        lockViolation, diskFull, endOfFile
    };
    CFileException(int nCause = none, int nOsError = 0, const char* pszFileName = nullptr)
        : m_cause(nCause), m_lOsError(nOsError), m_strFileName(pszFileName) {}
    // Thrown exceptions are heap objects that the catcher deletes.
    void Delete() { delete this; }

    int m_cause;
    int m_lOsError;
    CString m_strFileName;
};

struct CFileStatus {
    std::time_t m_mtime = 0;
    long long m_size = 0;
    BYTE m_attribute = 0;
    char m_szFullName[4096] = {};
};

class CFile : public CObject {
public:
    enum OpenFlags {
        modeRead = 0x0000, modeWrite = 0x0001, modeReadWrite = 0x0002,
        shareCompat = 0x0000, shareExclusive = 0x0010, shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030, shareDenyNone = 0x0040,
        modeNoInherit = 0x0080, modeCreate = 0x1000, modeNoTruncate = 0x2000,
        typeText = 0x4000, typeBinary = 0x8000
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile() = default;
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE with the cause in *pError when the file cannot be opened; a file
    // opened shareExclusive is locked against other exclusive openers, a
    // read-only shareDenyWrite open shares its lock with other such readers.
    BOOL Open(const char* pszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    // Reads up to nCount bytes and returns how many were read.
    UINT Read(void* pBuf, UINT nCount);
    // Throws CFileException* when not every byte is written.
    void Write(const void* pBuf, UINT nCount);
    long long Seek(long long lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    long long SeekToEnd() { return Seek(0, end); }
    long long GetPosition() const;
    long long GetLength() const;
    // Cuts or extends the file to nLength bytes; throws CFileException* on failure.
    void SetLength(long long nLength);
    // Writes the buffers through to the disk.
    void Flush();
    // Close throws CFileException* on a failed flush; Abort never throws.
    void Close();
    void Abort();
    BOOL IsOpen() const { return m_pFile != nullptr; }
    const CString& GetFilePath() const { return m_strFileName; }

    // The name the system takes for a file name of code page 932 bytes:
    // UTF-8 with "/" for "\".
    static std::string SystemFileName(const char* pszFileName);

    static BOOL GetStatus(const char* pszFileName, CFileStatus& rStatus);
    static void Remove(const char* pszFileName);
    static void Rename(const char* pszOldName, const char* pszNewName);

    // For tests: the nth Write or Flush from now on (1 the next) throws as a
    // full disk would; 0 turns the fault off.
    static void InjectFault(int nOperation);

private:
    [[noreturn]] void Throw(int nCause) const;
    void FailIfInjected() const;

    std::FILE* m_pFile = nullptr;
    CString m_strFileName;
};
