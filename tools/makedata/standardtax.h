// The standard tax-rate table the program ships: Japanese rates in force for
// 2025 and 2026.
#pragma once

class CTaxClassObject;

// Fills the created records of tax with the standard table.
void SetStandardTaxTable(CTaxClassObject& tax);
