#include "file/filestore.h"

namespace {

const char kTempSuffix[] = ".~tav";

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

BOOL SaveFileSafely(const CString& strPath, const std::function<void(CFile&)>& fnWrite)
{
    const CString strTemp = strPath + kTempSuffix;
    CFile file;
    if (!file.Open(strTemp, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive)) return FALSE;
    try {
        fnWrite(file);
        file.Flush();
        file.Close();
        CFile::Rename(strTemp, strPath);
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
    return TRUE;
}
