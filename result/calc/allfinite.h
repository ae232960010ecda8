// Finiteness of many figures at once.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

// Every one of the n values is finite: its exponent bits are not all set.
// Branch-free, so the compiler can check several values per instruction.
inline bool AllFinite(const double* v, std::size_t n)
{
    constexpr std::uint64_t kExponent = 0x7ff0000000000000;
    bool bad = false;
    for (std::size_t i = 0; i < n; ++i) bad |= (std::bit_cast<std::uint64_t>(v[i]) & kExponent) == kExponent;
    return !bad;
}
