#include "tax/taxbusiness.h"

void CTaxBusinessClass::InitData()
{
    CTaxClass::InitData();
    m_dPersonalRate = 0;
    m_dPersonalDeduction = 0;
    m_dScaleRatio = 0;
    m_dAddedValueRate = 0;
    m_dSalaryDeductionRatio = 0;
    m_dCapitalRate = 0;
    m_nDeferYear = 0;
}

const CTaxSheetLayout& CTaxBusinessClass::SheetLayout()
{
    enum : UINT { kPercent = 0, kYear = 1, kThousandYen = 3, kOver = 652, kUnder = 653 };
    static const CTaxSheetLayout s = [] {
        CTaxSheetLayout l(17, 10005, 600);
        l.Heading(0).ValueRow(1, 12, 28, kPercent).ValueRow(2, 12, 28, kThousandYen).Rule(12, 1, 2).Rule(28, 1, 2);
        l.Heading(3);
        // The rate heading reaches past column 28, so that rule starts below it.
        l.Label(4, 0, 22).Label(4, 22, 29);
        for (int i = 0; i < kStepCount; ++i) AddStepRow(l, 5 + i, {17, kOver, kUnder, kPercent}, i < kStepCount - 1);
        l.Rule(6, 5, 7).Rule(11, 5, 7).Rule(17, 5, 6).Rule(22, 4, 7).Rule(28, 5, 7);
        for (int r = 8; r <= 11; ++r) l.ValueRow(r, 12, 28, kPercent);
        l.Rule(12, 8, 11).Rule(28, 8, 11);
        l.Label(12, 0, 22).Label(12, 22, 29);
        for (int i = 0; i < kStepCount; ++i) AddStepRow(l, 13 + i, {18, kOver, kUnder, kPercent}, true);
        l.Rule(6, 13, 15).Rule(11, 13, 15).Rule(18, 13, 15).Rule(22, 12, 15).Rule(28, 13, 15);
        l.ValueRow(16, 12, 28, kYear).Rule(12, 16, 16).Rule(28, 16, 16);
        return l;
    }();
    return s;
}

std::vector<double> CTaxBusinessClass::SheetValues() const
{
    std::vector<double> v{m_dPersonalRate, m_dPersonalDeduction};
    for (int i = 0; i < kStepCount; ++i) AppendStepValues(v, m_aIncomeStep[i], i < kStepCount - 1);
    v.insert(v.end(), {m_dScaleRatio, m_dAddedValueRate, m_dSalaryDeductionRatio, m_dCapitalRate});
    for (const CTaxExtentClass& step : m_aCapitalStep) AppendStepValues(v, step, true);
    v.push_back(double(m_nDeferYear));
    return v;
}

void CTaxBusinessPlaceClass::InitData()
{
    CTaxClass::InitData();
    m_dTaxPerSquareMeter = 0;
    m_dExemptArea = 0;
    m_dSquareMeterPerTsubo = 0;
}

const CTaxSheetLayout& CTaxBusinessPlaceClass::SheetLayout()
{
    enum : UINT { kSquareMeter = 4 };
    static const CTaxSheetLayout s = [] {
        CTaxSheetLayout l(1, 10006, 702);
        l.ValueRow(0, 15, 30, kSquareMeter).Rule(15, 0, 0).Rule(30, 0, 0);
        return l;
    }();
    return s;
}

std::vector<double> CTaxBusinessPlaceClass::SheetValues() const
{
    return {m_dSquareMeterPerTsubo};
}
