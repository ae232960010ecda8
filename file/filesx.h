// Import of the earlier product's projects: its index file lists the
// projects, its data file beside it holds one record per index slot.
#pragma once

#include "file/filedata.h"
#include "platform/cobject.h"

class CFile;
struct tavdata;

class CFileSXClass : public CFileDataClass {
public:
    static constexpr int kMaxSlots = 200;
    static constexpr int kIndexRecordSize = 53;

    CFileSXClass();
    ~CFileSXClass() override;

    void InitData() override;
    BOOL CreateData() override { return TRUE; }
    void DestroyData() override;

    // Lists the projects of the index file (the file name when empty) and
    // of the data file "TAVDAT.DAT" in its folder, whatever its case.
    BOOL Read(CString strIndexPath);
    int GetIndexArraySize();
    // Line nIndex, "%3d：name" with the slot number; empty outside the list.
    CString GetIndexArray(int nIndex);
    void SetCurSel(int nSel) { m_nCurSel = nSel; }
    int GetCurSel() { return m_nCurSel; }
    // Converts the project of line nSel (the selected line when negative)
    // into the holders' records.
    BOOL ConvertToClass(int nSel);
    // Fills a zeroed 16-bit project from one data record.
    BOOL ConvertSxTo16(tabPROJECT* pProject, tavdata* pData);

    CString m_strIndexPath;
    CString m_strDataPath;
    CDeleteObArray* m_pIndexArray;
    int m_nCurSel;

private:
    BOOL ReadSlots(CFile& index, CFile& data);
};
