#include "tax/taxlandprice.h"

void CTaxExtentClass::InitData()
{
    CTaxClass::InitData();
    m_dLower = 0;
    m_dUpper = 0;
    m_dValue = 0;
}

void CTaxLandPriceClass::InitData()
{
    CTaxClass::InitData();
    m_dRate = 0;
    m_dPersonalDeduction = 0;
}

const CTaxSheetLayout& CTaxLandPriceClass::SheetLayout()
{
    enum : UINT { kPercent = 0, kThousandYen = 3, kOver = 1050, kUnder = 1051 };
    static const CTaxSheetLayout s = [] {
        CTaxSheetLayout l(8, 10009, 1000);
        l.Label(0, 0, 11).Value(0, 12, 28).Unit(0, 28, 45, kPercent).Rule(12, 0, 0).Rule(28, 0, 0);
        l.Heading(1);
        l.Label(2, 0, 11).Value(2, 12, 28).Unit(2, 28, 45, kThousandYen).Rule(12, 2, 2).Rule(28, 2, 2);
        l.Heading(3);
        // The deduction heading reaches past column 28, so that rule starts below it.
        l.Label(4, 0, 22).Label(4, 22, 31);
        const CTaxStepColumns columns{17, kOver, kUnder, kThousandYen};
        for (int i = 0; i < kStepCount; ++i) AddStepRow(l, 5 + i, columns, i < kStepCount - 1);
        l.Rule(6, 5, 7).Rule(11, 5, 7).Rule(17, 5, 6).Rule(22, 4, 7).Rule(28, 5, 7);
        return l;
    }();
    return s;
}

std::vector<double> CTaxLandPriceClass::SheetValues() const
{
    std::vector<double> v{m_dRate, m_dPersonalDeduction};
    for (int i = 0; i < kStepCount; ++i) AppendStepValues(v, m_aCapitalStep[i], i < kStepCount - 1);
    return v;
}
