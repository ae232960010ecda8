// Raw image blocks of a file: little-endian fields, fixed-size texts and
// record arrays allocated as bytes.
#pragma once

#include <cstring>

#include "platform/cstring.h"

// A run of fixed-size records; nPerParent children of each parent record
// when the array is nested (equal to nCount when it is flat).
struct CFileArray {
    BYTE* p = nullptr;
    int nCount = 0;
    int nPerParent = 0;

    BYTE* At(int i, int nSize) const { return p + (long long)i * nSize; }
    // Number of parent records a nested array holds.
    int Parents() const { return nPerParent > 0 ? nCount / nPerParent : 0; }
};

int GetFileInt(const BYTE* pBlock, int nOffset);
void SetFileInt(BYTE* pBlock, int nOffset, int nValue);
double GetFileDouble(const BYTE* pBlock, int nOffset);
void SetFileDouble(BYTE* pBlock, int nOffset, double dValue);

// Copies a field between a record and its image block, one direction per
// object: storing fills the block from the record, loading the reverse.
class CBlockExchange {
public:
    // Storing zeroes the block and writes the size word.
    CBlockExchange(BYTE* pBlock, int nSize, bool bStoring, int nSizeWord = -1);

    bool IsStoring() const { return m_bStoring; }
    BYTE* Block() const { return m_pBlock; }

    void Int(int nOffset, int& nValue);
    void Double(int nOffset, double& dValue);
    // A double kept as a 32-bit float in the file.
    void Float(int nOffset, double& dValue);
    // A NUL-ended text of nWidth bytes: stored cut to nWidth - 1 bytes on a
    // character boundary, loaded up to the NUL or the width.
    void Text(int nOffset, int nWidth, CString& str);
    // A count the writer stores as a constant; the reader takes it from the file.
    void Count(int nOffset, int nValue);

private:
    BYTE* m_pBlock;
    [[maybe_unused]] int m_nSize; // checked by the asserts only
    bool m_bStoring;
};

// The longest prefix of str that fits nMaxBytes without splitting a
// double-byte character.
int FitCP932(const CString& str, int nMaxBytes);
// A text field of nWidth bytes read up to its NUL, never past the width.
CString ReadFileText(const BYTE* pField, int nWidth);
void WriteFileText(BYTE* pField, int nWidth, const CString& str);
