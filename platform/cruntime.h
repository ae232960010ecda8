// Number conversions of the C runtime, always with the "C" numeric rules.
#pragma once

// The leading decimal number of the text, as atof reads it; 0 when there is none.
double ParseDouble(const char* psz);
