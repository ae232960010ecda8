#include "tax/taxconsumption.h"

#include <utility>

namespace {

enum : UINT { kPercent = 0, kYear = 1, kThousandYen = 3, kTimes = 5 };

} // namespace

void CTaxConsumptionClass::InitData()
{
    CTaxClass::InitData();
    m_dRate = 0;
    m_dExemptSales = 0;
    m_dMarginRate = 0;
    m_dSimpleSalesLimit = 0;
}

const CTaxSheetLayout& CTaxConsumptionClass::SheetLayout()
{
    static const CTaxSheetLayout s = [] {
        CTaxSheetLayout l(5, 10008, 900);
        l.ValueRow(0, 12, 28, kPercent).ValueRow(1, 12, 28, kThousandYen).Heading(2);
        l.ValueRow(3, 12, 28, kThousandYen).ValueRow(4, 12, 28, kPercent);
        l.Rule(12, 0, 1).Rule(28, 0, 1).Rule(12, 3, 4).Rule(28, 3, 4);
        return l;
    }();
    return s;
}

std::vector<double> CTaxConsumptionClass::SheetValues() const
{
    return {m_dRate, m_dExemptSales, m_dSimpleSalesLimit, m_dMarginRate};
}

void CTaxDepreciationClass::InitData()
{
    CTaxClass::InitData();
    m_nLifeYear = 0;
    m_dShortLifeRatio = 0;
    m_dLongLifeRatio = 0;
    m_nExtraYear = 0;
    m_dResidualRatio = 0;
}

const CTaxSheetLayout& CTaxDepreciationClass::SheetLayout()
{
    enum : UINT { kOrMore = 850, kRatio = 851, kUnder = 853 };
    static const CTaxSheetLayout s = [] {
        CTaxSheetLayout l(6, 10007, 800);
        l.Heading(0);
        for (auto [row, bound] : {std::pair{1, kOrMore}, std::pair{2, kUnder}}) {
            l.Label(row, 0, 10).Value(row, 10, 16).Unit(row, 16, 20, bound).Unit(row, 20, 23, kRatio);
            l.Value(row, 23, 29).Unit(row, 29, 45, kTimes);
        }
        l.ValueRow(3, 10, 27, kYear).Heading(4).ValueRow(5, 10, 27, kPercent);
        l.Rule(10, 1, 3).Rule(10, 5, 5);
        for (int col : {16, 20, 23, 29}) l.Rule(col, 1, 2);
        l.Rule(27, 3, 3).Rule(27, 5, 5);
        return l;
    }();
    return s;
}

std::vector<double> CTaxDepreciationClass::SheetValues() const
{
    return {double(m_nLifeYear), m_dLongLifeRatio, double(m_nLifeYear), m_dShortLifeRatio, double(m_nExtraYear),
            m_dResidualRatio};
}

void CTaxTransferClass::InitData()
{
    CTaxClass::InitData();
    m_nCorporateYear = 0;
    m_nPersonalYear = 0;
}

const CTaxSheetLayout& CTaxTransferClass::SheetLayout()
{
    static const CTaxSheetLayout s = [] {
        CTaxSheetLayout l(4, 10017, 1700);
        l.Heading(0).ValueRow(1, 12, 29, kYear).Heading(2).ValueRow(3, 12, 29, kYear);
        l.Rule(12, 1, 1).Rule(29, 1, 1).Rule(12, 3, 3).Rule(29, 3, 3);
        return l;
    }();
    return s;
}

std::vector<double> CTaxTransferClass::SheetValues() const
{
    return {double(m_nPersonalYear), double(m_nCorporateYear)};
}
