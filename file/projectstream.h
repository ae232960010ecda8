// The two directions of moving the project image: out of a file read into
// memory, or into a file being written.
#pragma once

#include <cstring>

#include "platform/cfile.h"

class CProjectStream {
public:
    explicit CProjectStream(int nVersion) : m_nVersion(nVersion) {}
    virtual ~CProjectStream() = default;

    int Version() const { return m_nVersion; }
    virtual bool IsReading() const = 0;
    // Reads nBytes into p, or writes them from p; FALSE at the end of the data.
    virtual bool Transfer(BYTE* p, long long nBytes) = 0;
    // Skips bytes an old version has between blocks.
    virtual bool Skip(long long nBytes) = 0;
    // Bytes still to read.
    virtual long long Left() const = 0;

private:
    int m_nVersion;
};

class CProjectReadStream : public CProjectStream {
public:
    CProjectReadStream(const BYTE* p, size_t nSize, int nVersion)
        : CProjectStream(nVersion), m_p(p), m_nLeft((long long)nSize) {}

    bool IsReading() const override { return true; }
    bool Transfer(BYTE* p, long long nBytes) override
    {
        if (nBytes > m_nLeft) return false;
        if (nBytes > 0) std::memcpy(p, m_p, size_t(nBytes));
        return Skip(nBytes);
    }
    bool Skip(long long nBytes) override
    {
        if (nBytes > m_nLeft) return false;
        m_p += nBytes;
        m_nLeft -= nBytes;
        return true;
    }
    long long Left() const override { return m_nLeft; }

private:
    const BYTE* m_p;
    long long m_nLeft;
};

// Writes the current version; CFile throws on a failed write.
class CProjectWriteStream : public CProjectStream {
public:
    explicit CProjectWriteStream(CFile& file) : CProjectStream(7), m_file(file) {}

    bool IsReading() const override { return false; }
    bool Transfer(BYTE* p, long long nBytes) override
    {
        m_file.Write(p, UINT(nBytes));
        return true;
    }
    bool Skip(long long) override { return true; }
    long long Left() const override { return -1; }

private:
    CFile& m_file;
};
