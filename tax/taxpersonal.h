// Progressive scales on an individual's taxable income: the bracket row, the
// lookup over 20 rows, and the income-tax and the two inhabitant-tax tables,
// which print as one sheet of the same form.
#pragma once

#include "tax/taxclass.h"

// One bracket row: lower bound exclusive, upper bound inclusive, in thousand
// yen; both bounds 0 is an empty row. The rate applies to the whole income,
// the deduction is subtracted from the product.
class CTaxPersonalClass : public CTaxClass {
public:
    CTaxPersonalClass() { InitData(); }

    void InitData() override;
    void DestroyData() override { InitData(); }

    int m_nSpare;
    double m_dRate;      // %
    double m_dLower;     // thousand yen, exclusive
    double m_dUpper;     // thousand yen, inclusive
    double m_dDeduction; // thousand yen
};

// A table of 20 bracket rows with its sheet: a heading row and one row per
// bracket. TRecord holds m_aStep and names its strings: kTitleID, kLabelID
// (three headings) and kBoundID (the "over" and "at most" words).
template <class TRecord>
class TTaxStepTable : public CTaxClass {
public:
    static constexpr int kStepCount = 20;

    // Index of the row that applies to dIncome: the first empty, containing
    // or inverted row; 19 when none stops the search.
    int GetCheckStep(double dIncome);

    void DestroyData() override { InitData(); }
    void ReportDraw(CDC* pDC) override;
    void CreatePrintArray(int nPages) override;
    BOOL SetFramePoint(int nPage) override;
    BOOL SetWLinePoint(int nPage) override;
    BOOL SetHLinePoint(int nPage) override;
    BOOL SetItemPoint(int nPage) override;
    BOOL SetItemData(int nPage) override;
    BOOL SetSubItemPoint(int nPage) override;
    BOOL SetSubItemData(int nPage) override;
    BOOL SetDataPoint(int nPage) override;
    BOOL SetDataData(int nPage) override;
};

// Income tax, with the fixed-rate reduction settings in pairs: [0] income-tax
// rate (%), [1] its limit (thousand yen), [2] inhabitant-tax rate, [3] its
// limit; years [0] and [1] are the last years of the two reductions.
class CTaxIncomeClass : public TTaxStepTable<CTaxIncomeClass> {
public:
    static constexpr UINT kTitleID = 10016;
    static constexpr UINT kLabelID = 1600;
    static constexpr UINT kBoundID = 1650;

    double* GetResptr() { return &m_adReduction[0]; }

    double m_adReduction[10] = {};
    int m_anReductionYear[10] = {};
    CTaxPersonalClass m_aStep[kStepCount];
};

// Prefectural inhabitant tax.
class CTaxPrefecturalClass : public TTaxStepTable<CTaxPrefecturalClass> {
public:
    static constexpr UINT kTitleID = 10013;
    static constexpr UINT kLabelID = 1400;
    static constexpr UINT kBoundID = 1450;

    CTaxPersonalClass m_aStep[kStepCount];
    int m_anSpare[5] = {};
};

// Municipal inhabitant tax.
class CTaxVillageClass : public TTaxStepTable<CTaxVillageClass> {
public:
    static constexpr UINT kTitleID = 10014;
    static constexpr UINT kLabelID = 1500;
    static constexpr UINT kBoundID = 1550;

    CTaxPersonalClass m_aStep[kStepCount];
};

extern template class TTaxStepTable<CTaxIncomeClass>;
extern template class TTaxStepTable<CTaxPrefecturalClass>;
extern template class TTaxStepTable<CTaxVillageClass>;
