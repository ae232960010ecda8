// Prints the year records of the worked example, one line a year, in
// thousand yen: the program runs steps 0 to 2 and nothing else.
#include <cstdio>

#include "tests/result/exampleproject.h"

int main()
{
    CProjectInMemory project;
    if (!project.IsCreated()) return 1;
    BuildExampleProject(project);
    if (!project.Calculate(kExampleYears)) {
        std::printf("calculation failed: status %d\n", project.m_calc.m_nMessageID);
        return 1;
    }
    std::printf("%4s %10s %10s %10s %10s %9s %10s %9s %10s %9s %9s %9s %9s %10s\n", "year", "income", "expense",
                "deprec", "profit", "int.1", "balance.1", "int.2", "balance.2", "bus.tax", "inc.tax", "pref.tax",
                "muni.tax", "cash");
    for (int y = 0; y <= kExampleYears; ++y) {
        const CYearBalanceClass& r = *project.Year(y);
        std::printf("%4d %10.1f %10.1f %10.1f %10.1f %9.1f %10.1f %9.1f %10.1f %9.1f %9.1f %9.1f %9.1f %10.1f\n", y,
                    r.m_dIncomeTotal, r.m_dExpenseTotal, r.m_dDepreciationTotal, r.m_dProfitAfterDepreciation,
                    r.m_adLoanInterest[0], r.m_adLoanBalance[0], r.m_adLoanInterest[1], r.m_adLoanBalance[1],
                    r.m_dBusinessTax, r.m_dIncomeTax, r.m_dPrefecturalTax, r.m_dMunicipalTax, r.m_dCashOnHand);
    }
    return 0;
}
