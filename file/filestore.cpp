#include "file/filestore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/codepage.h"

namespace {

const char kTempSuffix[] = ".~tav";
// Links followed before a path counts as a loop.
constexpr int kMaxLinks = 40;

std::string FolderOf(const std::string& name)
{
    const size_t nSlash = name.rfind('/');
    if (nSlash == std::string::npos) return ".";
    return nSlash == 0 ? "/" : name.substr(0, nSlash);
}

// The file a chain of symbolic links ends at (it need not exist); empty for
// a loop or an unreadable link.
std::string LinkTarget(std::string name)
{
    for (int i = 0; i < kMaxLinks; ++i) {
        struct stat st;
        if (::lstat(name.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return name;
        std::string link(size_t(st.st_size) + 1, '\0');
        const ssize_t n = ::readlink(name.c_str(), link.data(), link.size());
        if (n <= 0 || size_t(n) >= link.size()) return std::string();
        link.resize(size_t(n));
        name = link[0] == '/' ? link : FolderOf(name) + "/" + link;
    }
    return std::string();
}

// The path to write for strPath: the target of a link, as code page 932 bytes.
BOOL ResolveTarget(const CString& strPath, CString& strTarget)
{
    const std::string system = CFile::SystemFileName(strPath);
    const std::string target = LinkTarget(system);
    if (target.empty()) return FALSE;
    if (target == system) {
        strTarget = strPath;
        return TRUE;
    }
    strTarget = Utf8ToCP932(target);
    // A name that has no code page 932 form cannot be written back.
    return CFile::SystemFileName(strTarget) == target;
}

// The old file's mode, and its owner where the system permits it.
void KeepModeAndOwner(const CString& strFile, const struct stat& old)
{
    const std::string name = CFile::SystemFileName(strFile);
    // Another owner needs privileges; the group alone may still be ours to
    // give; else the file stays the saver's.
    if (::chown(name.c_str(), old.st_uid, old.st_gid) != 0 && ::chown(name.c_str(), uid_t(-1), old.st_gid) != 0) {
    }
    if (::chmod(name.c_str(), old.st_mode & 07777) != 0) throw new CFileException(CFileException::accessDenied, errno, strFile);
}

// A rename reaches the disk with its folder.
void SyncFolder(const CString& strFile)
{
    const std::string folder = FolderOf(CFile::SystemFileName(strFile));
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) throw new CFileException(CFileException::hardIO, errno, strFile);
    // Some file systems cannot sync a folder and say so with EINVAL.
    const bool bSynced = ::fsync(fd) == 0 || errno == EINVAL;
    const int nError = errno;
    ::close(fd);
    if (!bSynced) throw new CFileException(CFileException::hardIO, nError, strFile);
}

// A temporary nobody is writing: a save of ours that was cut short.
void RemoveIfStale(const CString& strTemp)
{
    struct stat st;
    if (::lstat(CFile::SystemFileName(strTemp).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
    CFile temp;
    if (!temp.Open(strTemp, CFile::modeRead | CFile::shareExclusive)) return;
    try {
        CFile::Remove(strTemp);
    } catch (CFileException* e) {
        e->Delete();
    }
}

} // namespace

BOOL LoadFileBytes(const CString& strPath, long long nMaxBytes, std::vector<BYTE>& bytes)
{
    CFileStatus status;
    if (!CFile::GetStatus(strPath, status) || status.m_size > nMaxBytes) return FALSE;
    CFile file;
    // Read-only files open too: installed files are read-only.
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite)) return FALSE;
    try {
        const long long nLength = file.GetLength();
        if (nLength < 0 || nLength > nMaxBytes) return FALSE;
        bytes.resize(size_t(nLength));
        const UINT nRead = file.Read(bytes.data(), UINT(nLength));
        bytes.resize(nRead);
        file.Close();
    } catch (CFileException* e) {
        e->Delete();
        file.Abort();
        return FALSE;
    }
    return TRUE;
}

BOOL PrepareRead(const CString& strPath)
{
    if (strPath.Right(int(sizeof kTempSuffix) - 1) == kTempSuffix) return FALSE;
    CString strTarget;
    if (ResolveTarget(strPath, strTarget)) RemoveIfStale(strTarget + kTempSuffix);
    return TRUE;
}

BOOL SaveFileSafely(const CString& strPath, const std::function<void(CFile&)>& fnWrite)
{
    CString strTarget;
    if (!ResolveTarget(strPath, strTarget)) return FALSE;
    // An existing file is written only as writing into it would be allowed,
    // and only while no other process has it open with a lock.
    struct stat old;
    const bool bExists = ::stat(CFile::SystemFileName(strTarget).c_str(), &old) == 0;
    CFile lock;
    if (bExists && ((old.st_mode & 0222) == 0 || !S_ISREG(old.st_mode))) return FALSE;
    if (bExists && !lock.Open(strTarget, CFile::modeReadWrite | CFile::shareExclusive)) return FALSE;
    const CString strTemp = strTarget + kTempSuffix;
    CFile file;
    if (!file.Open(strTemp, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive)) return FALSE;
    try {
        fnWrite(file);
        file.Flush();
        if (bExists) KeepModeAndOwner(strTemp, old);
        file.Close();
        CFile::Rename(strTemp, strTarget);
    } catch (CFileException* e) {
        e->Delete();
        file.Abort();
        try {
            CFile::Remove(strTemp);
        } catch (CFileException* eRemove) {
            eRemove->Delete();
        }
        return FALSE;
    }
    try {
        SyncFolder(strTarget);
    } catch (CFileException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}
