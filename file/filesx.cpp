#include "file/filesx.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <system_error>

#include "file/legacyblock.h"
#include "platform/cfile.h"
#include "platform/codepage.h"
#include "platform/resource.h"

namespace {

const char kModule[] = "TavFileClass.DLL";
const char kDataFileName[] = "TAVDAT.DAT";

// One line of the project list.
class CIndexEntry : public CObject {
public:
    explicit CIndexEntry(const CString& str) : m_strText(str) {}
    CString m_strText;
};

// The folder part of a path: up to its last "\", ":" or "/".
CString FolderOf(const CString& strPath)
{
    for (int i = strPath.GetLength() - 1; i >= 0; --i) {
        const char c = strPath[i];
        // A trail byte of a double-byte character may be "\".
        if ((c == '\\' || c == ':' || c == '/') && (i == 0 || !IsCP932LeadByte(BYTE(strPath[i - 1]))))
            return strPath.Left(i + 1);
    }
    return CString();
}

bool EqualNoCase(const std::string& a, const char* psz)
{
    const std::string b(psz);
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(BYTE(a[i])) != std::toupper(BYTE(b[i]))) return false;
    return true;
}

// The file named pszName in strFolder, found whatever the case of its name;
// empty when there is none.
CString FindBeside(const CString& strFolder, const char* pszName)
{
    const CString strExact = strFolder + pszName;
    CFileStatus status;
    if (CFile::GetStatus(strExact, status)) return strExact;
    std::error_code error;
    const std::filesystem::path folder(strFolder.IsEmpty() ? std::string(".") : CP932ToUtf8(strFolder));
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (EqualNoCase(name, pszName)) return strFolder + Utf8ToCP932(name);
    }
    return CString();
}

bool ReadExactly(CFile& file, void* p, UINT nBytes)
{
    return file.Read(p, nBytes) == nBytes;
}

} // namespace

CFileSXClass::CFileSXClass()
{
    InitData();
    CreateData();
}

CFileSXClass::~CFileSXClass()
{
    DestroyData();
}

void CFileSXClass::InitData()
{
    CFileDataClass::InitData();
    m_strIndexPath.Empty();
    m_strDataPath.Empty();
    m_pIndexArray = nullptr;
    m_nCurSel = 0;
}

void CFileSXClass::DestroyData()
{
    delete m_pIndexArray;
    m_pIndexArray = nullptr;
    CFileDataClass::DestroyData();
    InitData();
}

BOOL CFileSXClass::Read(CString strIndexPath)
{
    CModuleStateScope scope(kModule);
    if (!strIndexPath.IsEmpty()) m_strFileName = strIndexPath;
    if (m_strFileName.IsEmpty()) return FALSE;
    m_strIndexPath = m_strFileName;
    CFileStatus status;
    if (!CFile::GetStatus(m_strIndexPath, status)) return FALSE;
    m_strDataPath = FindBeside(FolderOf(m_strIndexPath), kDataFileName);
    if (m_strDataPath.IsEmpty()) return FALSE;
    delete m_pIndexArray;
    m_pIndexArray = new (std::nothrow) CDeleteObArray;
    if (!m_pIndexArray) return FALSE;
    CFile index, data;
    if (!index.Open(m_strIndexPath, CFile::modeRead | CFile::shareDenyWrite) ||
        !data.Open(m_strDataPath, CFile::modeRead | CFile::shareDenyWrite))
        return FALSE;
    try {
        const BOOL bRead = ReadSlots(index, data);
        index.Close();
        data.Close();
        return bRead;
    } catch (CFileException* e) {
        e->Delete();
        index.Abort();
        data.Abort();
        return FALSE;
    }
}

// One line per slot in use, up to the last slot complete in both files.
BOOL CFileSXClass::ReadSlots(CFile& index, CFile& data)
{
    auto pRecord = std::make_unique<tavdata>();
    for (int n = 0; n < kMaxSlots; ++n) {
        TLegacyBlock<kIndexRecordSize> slot;
        if (!ReadExactly(index, slot.ab, kIndexRecordSize) || !ReadExactly(data, pRecord->ab, tavdata::kSize)) break;
        if (slot.Word(0) == 0) continue;
        CString strLine;
        strLine.Format("%3d", n + 1);
        strLine += "：" + slot.Text(2, kIndexRecordSize - 2);
        CIndexEntry* pEntry = new (std::nothrow) CIndexEntry(strLine);
        if (!pEntry) return FALSE;
        m_pIndexArray->Add(pEntry);
    }
    return TRUE;
}

int CFileSXClass::GetIndexArraySize()
{
    return m_pIndexArray ? m_pIndexArray->GetSize() : 0;
}

CString CFileSXClass::GetIndexArray(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetIndexArraySize()) return CString();
    return static_cast<CIndexEntry*>(m_pIndexArray->GetAt(nIndex))->m_strText;
}

BOOL CFileSXClass::ConvertToClass(int nSel)
{
    CModuleStateScope scope(kModule);
    if (nSel >= 0) m_nCurSel = nSel;
    if (m_strFileName.IsEmpty() || !m_pDataClassObject || !m_pOptionClassObject) return FALSE;
    const CString strLine = GetIndexArray(m_nCurSel);
    if (strLine.IsEmpty()) return FALSE;
    const int nSlot = std::atoi(strLine) - 1;
    if (nSlot < 0 || nSlot >= kMaxSlots) return FALSE;
    auto pData = std::make_unique<tavdata>();
    CFile file;
    if (!file.Open(m_strDataPath, CFile::modeRead | CFile::shareDenyWrite)) return FALSE;
    try {
        file.Seek((long long)nSlot * tavdata::kSize, CFile::begin);
        const bool bComplete = ReadExactly(file, pData->ab, tavdata::kSize);
        file.Close();
        // The data file was cut after it was listed.
        if (!bComplete) return FALSE;
    } catch (CFileException* e) {
        e->Delete();
        file.Abort();
        return FALSE;
    }
    auto pProject = std::make_unique<tabPROJECT>();
    if (!ConvertSxTo16(pProject.get(), pData.get())) return FALSE;
    for (int nStep = 0; nStep <= 14; ++nStep)
        if (!ConvertTav16FileToClass(nStep, pProject.get())) return FALSE;
    return TRUE;
}
