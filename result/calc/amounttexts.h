// Cell texts of amounts lately formatted, by value, for one set of decimal
// settings: the tables and the export format the same figures many times.
#pragma once

#include <bit>
#include <cstdint>
#include <vector>

#include "platform/cstring.h"
#include "result/calc/calcsettings.h"

class CAmountTexts {
public:
    // The text of dValue under settings: the one kept for that value, else
    // make(dValue), kept. Texts kept under other settings are dropped.
    template <class Make>
    const CString& Text(double dValue, const tagSETDECIMAL& settings, Make make)
    {
        if (m_slots.empty() || !SameSettings(settings)) Reset(settings);
        const uint64_t bits = std::bit_cast<uint64_t>(dValue);
        Slot& slot = m_slots[(bits * kSpread) >> (64 - kSlotBits)];
        if (!slot.bUsed || slot.nBits != bits) {
            slot.text = make(dValue);
            slot.nBits = bits;
            slot.bUsed = true;
        }
        return slot.text;
    }

private:
    static constexpr int kSlotBits = 12;
    // Odd multiplier spreading the bits of a double over the slot index.
    static constexpr uint64_t kSpread = 0x9E3779B97F4A7C15ull;
    struct Slot {
        uint64_t nBits = 0;
        bool bUsed = false;
        CString text;
    };

    bool SameSettings(const tagSETDECIMAL& settings) const
    {
        // The addend by its bits, so a NaN read from a profile still compares equal.
        return settings.nDecimalNum == m_settings.nDecimalNum && settings.nDecimalFlag == m_settings.nDecimalFlag &&
               settings.nDecimalZero == m_settings.nDecimalZero &&
               std::bit_cast<uint64_t>(settings.dDecimalVal) == std::bit_cast<uint64_t>(m_settings.dDecimalVal);
    }
    void Reset(const tagSETDECIMAL& settings);

    tagSETDECIMAL m_settings{};
    std::vector<Slot> m_slots;
};
