#include "platform/cruntime.h"

#include <cstdlib>
#include <locale.h>

double ParseDouble(const char* psz)
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return psz ? strtod_l(psz, nullptr, c) : 0.0;
}
