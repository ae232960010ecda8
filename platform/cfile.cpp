#include "platform/cfile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <new>
#include <string>
#include <utility>

#include "platform/codepage.h"

namespace {

int CauseOf(int nErrno)
{
    switch (nErrno) {
    case ENOENT: return CFileException::fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG: return CFileException::badPath;
    case EMFILE:
    case ENFILE: return CFileException::tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return CFileException::accessDenied;
    case EWOULDBLOCK: return CFileException::sharingViolation;
    case ENOSPC: return CFileException::diskFull;
    case EIO: return CFileException::hardIO;
    default: return CFileException::genericException;
    }
}

int s_nFaultCountdown = 0;

} // namespace

std::string CFile::SystemFileName(const char* pszFileName)
{
    if (!pszFileName) return std::string();
    // A trail byte may be 0x5C; UTF-8 bytes never are, so the separators are
    // replaced after the conversion.
    std::string name = CP932ToUtf8(pszFileName, std::strlen(pszFileName));
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

void CFile::InjectFault(int nOperation)
{
    s_nFaultCountdown = nOperation > 0 ? nOperation : 0;
}

void CFile::FailIfInjected() const
{
    if (s_nFaultCountdown > 0 && --s_nFaultCountdown == 0) Throw(CFileException::diskFull);
}

CFile::~CFile()
{
    Abort();
}

BOOL CFile::Open(const char* pszFileName, UINT nOpenFlags, CFileException* pError)
{
    Abort();
    int flags = O_CLOEXEC;
    switch (nOpenFlags & 3) {
    case modeWrite: flags |= O_WRONLY; break;
    case modeReadWrite: flags |= O_RDWR; break;
    default: flags |= O_RDONLY; break;
    }
    if (nOpenFlags & modeCreate) flags |= O_CREAT | ((nOpenFlags & modeNoTruncate) ? 0 : O_TRUNC);
    // Truncating is deferred until the lock is held, so a refused open changes nothing.
    const bool truncate = (flags & O_TRUNC) != 0;
    flags &= ~O_TRUNC;
    // An open reports running out of memory as a failure, never by throwing.
    std::string name;
    CString strFileName;
    try {
        name = SystemFileName(pszFileName);
        strFileName = pszFileName;
    } catch (const std::bad_alloc&) {
        if (pError) *pError = CFileException(CauseOf(ENOMEM), ENOMEM, nullptr);
        return FALSE;
    }
    int fd = ::open(name.c_str(), flags, 0644);
    auto fail = [&](int err) {
        if (fd >= 0) ::close(fd);
        if (pError) {
            *pError = CFileException(CauseOf(err), err);
            pError->m_strFileName = std::move(strFileName);
        }
        return FALSE;
    };
    if (fd < 0) return fail(errno);
    const UINT share = nOpenFlags & 0x70;
    if (share == shareExclusive || share == shareDenyWrite || share == shareDenyRead) {
        // Readers that only keep writers out share the file with each other.
        const bool reader = share == shareDenyWrite && (flags & (O_WRONLY | O_RDWR)) == 0;
        if (::flock(fd, (reader ? LOCK_SH : LOCK_EX) | LOCK_NB) != 0) return fail(errno);
    }
    if (truncate && ::ftruncate(fd, 0) != 0) return fail(errno);
    // fdopen never truncates, whatever its mode.
    const char* mode = (flags & O_RDWR) ? "r+b" : ((flags & O_WRONLY) ? "wb" : "rb");
    m_pFile = ::fdopen(fd, mode);
    if (!m_pFile) return fail(errno);
    m_strFileName = std::move(strFileName);
    return TRUE;
}

UINT CFile::Read(void* pBuf, UINT nCount)
{
    if (!m_pFile || nCount == 0) return 0;
    size_t n = std::fread(pBuf, 1, nCount, m_pFile);
    if (n < nCount && std::ferror(m_pFile)) Throw(CFileException::hardIO);
    return UINT(n);
}

void CFile::Write(const void* pBuf, UINT nCount)
{
    if (!m_pFile) Throw(CFileException::genericException);
    FailIfInjected();
    if (nCount && std::fwrite(pBuf, 1, nCount, m_pFile) != nCount) Throw(CauseOf(errno));
}

long long CFile::Seek(long long lOff, UINT nFrom)
{
    if (!m_pFile) Throw(CFileException::genericException);
    int whence = nFrom == current ? SEEK_CUR : (nFrom == end ? SEEK_END : SEEK_SET);
    if (::fseeko(m_pFile, off_t(lOff), whence) != 0) Throw(CFileException::badSeek);
    return GetPosition();
}

long long CFile::GetPosition() const
{
    return m_pFile ? (long long)::ftello(m_pFile) : -1;
}

long long CFile::GetLength() const
{
    if (!m_pFile) return 0;
    std::fflush(m_pFile);
    struct stat st;
    return ::fstat(::fileno(m_pFile), &st) == 0 ? (long long)st.st_size : 0;
}

void CFile::SetLength(long long nLength)
{
    if (!m_pFile) Throw(CFileException::genericException);
    if (std::fflush(m_pFile) != 0 || ::ftruncate(::fileno(m_pFile), off_t(nLength)) != 0) Throw(CauseOf(errno));
}

void CFile::Flush()
{
    if (!m_pFile) return;
    FailIfInjected();
    if (std::fflush(m_pFile) != 0 || ::fsync(::fileno(m_pFile)) != 0) Throw(CauseOf(errno));
}

void CFile::Close()
{
    if (!m_pFile) return;
    std::FILE* f = m_pFile;
    m_pFile = nullptr;
    if (std::fclose(f) != 0) Throw(CauseOf(errno));
}

void CFile::Abort()
{
    if (m_pFile) std::fclose(m_pFile);
    m_pFile = nullptr;
}

void CFile::Throw(int nCause) const
{
    throw new CFileException(nCause, errno, m_strFileName);
}

BOOL CFile::GetStatus(const char* pszFileName, CFileStatus& rStatus)
{
    struct stat st;
    if (!pszFileName || ::stat(SystemFileName(pszFileName).c_str(), &st) != 0) return FALSE;
    rStatus.m_mtime = st.st_mtime;
    rStatus.m_size = st.st_size;
    rStatus.m_attribute = S_ISDIR(st.st_mode) ? 0x10 : 0;
    char full[PATH_MAX];
    const std::string system = SystemFileName(pszFileName);
    const char* name = ::realpath(system.c_str(), full) ? full : pszFileName;
    std::snprintf(rStatus.m_szFullName, sizeof rStatus.m_szFullName, "%s", name);
    return TRUE;
}

void CFile::Remove(const char* pszFileName)
{
    if (std::remove(SystemFileName(pszFileName).c_str()) != 0)
        throw new CFileException(CauseOf(errno), errno, pszFileName);
}

void CFile::Rename(const char* pszOldName, const char* pszNewName)
{
    if (std::rename(SystemFileName(pszOldName).c_str(), SystemFileName(pszNewName).c_str()) != 0)
        throw new CFileException(CauseOf(errno), errno, pszOldName);
}
