// Complete projects held in memory: the three record sets filled as a user
// would fill them, linked into an engine that runs steps 0 to 2.
#pragma once

#include <initializer_list>
#include <ostream>
#include <string>

#include "app/common/classobject.h"
#include "result/calc/tavcalc.h"
#include "result/calc/yearbalance.h"
#include "result/pages/tavresult.h"

// Booking windows that run to the end of any calculation end in this year.
constexpr int kLastBookingYear = 99;

// The kinds of sample project.
struct ProjectKind {
    enum Owner { kIndividual, kCorporation };
    // How the construction funds and later cash deficits are met.
    enum Funding { kOwnFunds, kAutoLoan, kShortLoan };

    Owner nOwner;
    Funding nFunding;
    int nYears;
};

// "IndividualOwnFunds10": owner, funding and years, usable as a test name.
std::string KindName(const ProjectKind& kind);
// Prints a kind by its name in test messages.
void PrintTo(const ProjectKind& kind, std::ostream* os);

// The record holders, a result object and the engine linked to them.
class CProjectInMemory {
public:
    CProjectInMemory();
    CProjectInMemory(const CProjectInMemory&) = delete;
    CProjectInMemory& operator=(const CProjectInMemory&) = delete;

    // Every record was created.
    bool IsCreated() const { return m_bCreated; }
    // SetComs, then steps 0, 1 and 2; FALSE at the first step that fails.
    BOOL Calculate(int nYears);
    // Calculate, then every table builder (steps 3 to the last).
    BOOL CalculateAll(int nYears);
    int Years() const { return m_calc.m_objCalcYear.nCalcYear; }
    // The record of year y (0 the construction period); null when missing.
    CYearBalanceClass* Year(int y) const;

    CDataClassObject m_data;
    COptionClassObject m_option;
    CTaxClassObject m_tax;
    CTavResultClass m_result;
    CTavCalcClass m_calc;

private:
    bool m_bCreated;
};

// One rental line of the rental-types record.
struct RentalLine {
    int nCategory;
    const char* pszName;
    int nInputMethod; // 0 total, 1 per dwelling, 2 per tsubo, 3 per car
    double dCount;
    double dRent;      // monthly
    double dCommonFee; // monthly
    double dKeyMoney;
    double dDeposit;
    double dSecurity;
    double dRenewalFee;
};
void SetRentalLine(CDataRentalTypeClass& type, int nLine, const RentalLine& line);

// A schedule step from year nFrom to nTo changing by dRate percent every
// nInterval years (a level in percent for occupancy and turnover).
tagDATARATE ScheduleStep(int nFrom, int nTo, int nInterval, double dRate, bool bDecrease = false);
// A step that holds every year: a constant level.
tagDATARATE EveryYear(double dLevel);

// A rental category's contract years, turnover (percent of the tenants
// replaced at a contract end) and occupancy steps.
void SetRentalTerms(CDataRentalBasicClass& basic, int nContractYears, double dTurnover,
                    std::initializer_list<tagDATARATE> occupancy);

// A running cost: method 0 the first amount, 1 the second (per tsubo or a
// share); booked every nInterval years (0: every year) from nFrom on.
void SetCost(CDataCostItemClass& item, int nInputMethod, double dTotal, double dShare, int nFrom = 1,
             int nInterval = 0);

// A construction-phase cost with its accounting and payment timing.
void SetFund(CDataExpenseMoneyClass& line, int nInputMethod, double dAmount, int nAccounting, int nPayment);

// A loan of dAmount repaid by nRepayMethod over the periods given, after
// nGraceMonths of interest only at the first period's rate.
void SetLoan(CDataLoanClass& loan, double dAmount, int nRepayMethod, std::initializer_list<tagDATAREPAY> periods,
             int nGraceMonths = 0, int nMortgageFee = 1);

// A tax-rate table with the rates of the late 2010s, in thousand yen.
void SetTaxTable(CTaxClassObject& tax);
// Options of a usual rental project: residential rents free of consumption
// tax, commercial ones taxable; construction-period taxes expensed.
void SetProjectOptions(COptionClassObject& option);

// Fills the records of a sample project of the given kind.
void BuildSampleProject(CProjectInMemory& project, const ProjectKind& kind);
