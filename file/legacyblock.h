// Fixed images of the older formats: the 16-bit era's project structure and
// the earlier product's project record, little-endian fields at fixed offsets.
#pragma once

#include <cassert>
#include <climits>
#include <cmath>
#include <cstring>

#include "file/filefield.h"
#include "platform/cstring.h"

template <int N>
struct TLegacyBlock {
    static constexpr int kSize = N;
    BYTE ab[N] = {};

    int Word(int nOffset) const { return At(nOffset, 2)[0] | (At(nOffset, 2)[1] << 8); }
    int Short(int nOffset) const { return short(Word(nOffset)); }
    int Int(int nOffset) const { return GetFileInt(At(nOffset, 4), 0); }
    double Double(int nOffset) const { return GetFileDouble(At(nOffset, 8), 0); }
    double Float(int nOffset) const
    {
        const int n = Int(nOffset);
        float f;
        std::memcpy(&f, &n, sizeof f);
        return f;
    }
    // Up to the NUL or the field's end, never splitting a double-byte character.
    CString Text(int nOffset, int nWidth) const
    {
        const CString str = ReadFileText(At(nOffset, nWidth), nWidth);
        return str.Left(FitCP932(str, str.GetLength()));
    }

    void SetWord(int nOffset, int n)
    {
        BYTE* p = At(nOffset, 2);
        p[0] = BYTE(n & 0xFF);
        p[1] = BYTE((n >> 8) & 0xFF);
    }
    void SetInt(int nOffset, int n) { SetFileInt(At(nOffset, 4), 0, n); }
    void SetDouble(int nOffset, double d) { SetFileDouble(At(nOffset, 8), 0, d); }
    void SetText(int nOffset, int nWidth, const CString& str) { WriteFileText(At(nOffset, nWidth), nWidth, str); }

private:
    const BYTE* At(int nOffset, int nWidth) const
    {
        assert(nOffset >= 0 && nOffset + nWidth <= N);
        (void)nWidth;
        return ab + nOffset;
    }
    BYTE* At(int nOffset, int nWidth) { return const_cast<BYTE*>(static_cast<const TLegacyBlock*>(this)->At(nOffset, nWidth)); }
};

// The 16-bit era's project; files hold the whole structure or its short
// form, which lacks the extension from kShortSize on.
struct tabPROJECT : TLegacyBlock<7268> {
    static constexpr int kShortSize = 4870;
    static constexpr int kFirstID = 2103;
    static constexpr int kSecondID = 2001;
};

// One project record of the earlier product's data file.
struct tavdata : TLegacyBlock<3364> {};

// A double cut to an int; NaN gives 0, values beyond the range its ends.
inline int SaturatingInt(double d)
{
    if (std::isnan(d)) return 0;
    if (d >= double(INT_MAX)) return INT_MAX;
    if (d <= double(INT_MIN)) return INT_MIN;
    return int(d);
}
