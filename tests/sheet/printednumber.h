// The defining forms of the number texts, for checking the fast ones:
// "%f" of the magnitude cut at nDecimals places (-1: all six), and strtod.
#pragma once

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

inline std::string PrintedText(int nDecimals, double dValue, bool bTrimZeros)
{
    const bool negative = !(dValue >= 0);
    char buffer[400];
    std::snprintf(buffer, sizeof(buffer), "%f", negative ? -dValue : dValue + 0.0);
    std::string text = buffer;
    const size_t dot = text.find('.');
    const std::string integer = text.substr(0, dot);
    std::string fraction = dot == std::string::npos ? std::string() : text.substr(dot + 1);
    if (nDecimals >= 0 && size_t(nDecimals) < fraction.size()) fraction.resize(nDecimals);
    if (bTrimZeros) fraction.erase(fraction.find_last_not_of('0') + 1);
    text = fraction.empty() ? integer : integer + "." + fraction;
    return negative ? "-" + text : text;
}

inline double ReadPrinted(int nDecimals, double dValue)
{
    return std::strtod(PrintedText(nDecimals, dValue, false).c_str(), nullptr);
}

inline bool SameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}
