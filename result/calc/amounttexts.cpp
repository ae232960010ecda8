#include "result/calc/amounttexts.h"

void CAmountTexts::Reset(const tagSETDECIMAL& settings)
{
    m_slots.assign(std::size_t(1) << kSlotBits, Slot{});
    m_settings = settings;
}
