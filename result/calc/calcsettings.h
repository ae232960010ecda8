// Settings the program copies into the engine before a calculation.
#pragma once

// Rounding of every amount stored for display.
struct tagSETDECIMAL {
    int nDecimalNum;     // decimal places kept
    double dDecimalVal;  // addend to the magnitude before the cut
    int nDecimalFlag;    // rounding mode 0, 1 or 2
    int nDecimalZero;    // non-zero: drop trailing zeros while formatting
};

// Number of operating years to calculate.
struct tagSETCALCYEAR {
    int nCalcYear;
};
