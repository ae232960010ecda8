// The calculation engine: turns one project's records into yearly balance
// records (steps 0 to 2) and fills the result pages from them (steps 3 to 26).
#pragma once

#include <vector>

#include "platform/cfile.h"
#include "result/calc/amounttexts.h"
#include "result/calc/calcsettings.h"
#include "result/calc/seriesstock.h"
#include "result/pages/resultobject.h"

class CDataClassObject;
class CDataLoanClass;
class COptionClassObject;
class CTaxClassObject;
class CTavResultClass;

// Status ids, which are also the ids of the program's messages.
enum {
    CALC_NO_ERROR = 13000,
    CALC_UNEXPECTED_ERROR = 13001,
    CALC_OUT_OF_MEMORY = 13002,
    CALC_NO_REPAY_YEARS = 13003,
    CALC_NO_CONTRACT_YEARS = 13004,
    CALC_COUNT_OUT_OF_RANGE = 13007, // a year, period or count no project can mean
};

class CTavCalcClass {
public:
    static constexpr int kRentalCategories = 8;
    static constexpr int kLastStep = 26;
    // The yearly tracking tables hold fewer than 100 years.
    static constexpr int kMaxCalcYears = 99;

    CTavCalcClass();
    ~CTavCalcClass();
    CTavCalcClass(const CTavCalcClass&) = delete;
    CTavCalcClass& operator=(const CTavCalcClass&) = delete;

    void SetDataClass(CDataClassObject* p) { m_pDataClass = p; }
    void SetOptionClass(COptionClassObject* p) { m_pOptionClass = p; }
    void SetTaxClass(CTaxClassObject* p) { m_pTaxClass = p; }
    void SetResultClass(CTavResultClass* p) { m_pResultClass = p; }
    CDataClassObject* GetDataClass() { return m_pDataClass; }
    COptionClassObject* GetOptionClass() { return m_pOptionClass; }
    CTaxClassObject* GetTaxClass() { return m_pTaxClass; }
    CTavResultClass* GetResultClass() { return m_pResultClass; }
    void SetDecimalStruct(const tagSETDECIMAL* p) { m_objDecimal = *p; }
    tagSETDECIMAL* GetDecimalStruct() { return &m_objDecimal; }
    void SetCalcYearStruct(const tagSETCALCYEAR* p) { m_objCalcYear.nCalcYear = p->nCalcYear; }
    tagSETCALCYEAR* GetCalcYearStruct() { return &m_objCalcYear; }

    void InitData();
    void DestroyData();
    void SetComs();
    BOOL Calc(int nStep);
    BOOL Calc(int nStep, CDataClassObject* pData, COptionClassObject* pOption, CTaxClassObject* pTax,
              CTavResultClass* pResult);

    // Consumption tax and rounding.
    double GetdTax(int nYear);
    double GetConsumeW(double dMoney, int nYear);
    void CalcConsumption(double dMoney, int bTaxFree, int nYear, int nMethod);
    void CalcConsumption2(double dMoney, double dUnused, int nMethod);
    void CalcConsumptionW(double dMoney, int bTaxFree, int nTiming, int bOneYear);
    double FractionManage(double dValue);
    // An amount as the tables show it: rounded by FractionManage, then
    // formatted with the same decimals and zero flag.
    CString FormatAmount(double dValue);

    // Preparation and change schedules (step 0).
    BOOL CalcPreparation();
    BOOL CalcChnageMoney();
    BOOL CalcChangeAppraisedLand();
    BOOL CalcChangeAppraisedBuild();
    BOOL CalcChangeInheritance();
    BOOL CalcChangeHousyuuKyuuyo();
    BOOL CalcChangeHouseRent(int nCategory);
    BOOL CalcChangeCommon(int nCategory);
    BOOL CalcChangeReward(int nCategory);
    BOOL CalcChangeDeposit(int nCategory);
    BOOL CalcChangeSecurity(int nCategory);
    BOOL CalcChangeRenewal(int nCategory);
    BOOL CalcChangeCost(int nItem);
    BOOL CalcChangeProRestOther(int nItem);
    BOOL CalcChangeRestOther(int nLine);
    // Sums the base amounts of the rental lines of one category year by year,
    // each line carried through the category's rent-change schedule on its own
    // when bChange is set, the sum rounded every year.
    BOOL CalcChangeRentalLines(CDeleteObArray*& pSeries, int nCategory, const double* adLine, int nLines,
                               BOOL bChange);
    // Replaces a series by nCount zero items; FALSE with 13002 when memory runs out.
    BOOL NewZeroSeries(CDeleteObArray*& pSeries, int nCount);
    // Sets the status and returns FALSE.
    BOOL FailCalc(int nMessageID);

    // Property and city-planning tax bases (step 0).
    BOOL CalcTaxMoney();
    BOOL CalcAlwaysTax();
    BOOL CalcMunicipalLandMoney();
    BOOL CalcMunicipalLandMoneyAppraised(BOOL bNoHouseLand);
    BOOL CalcMunicipalLandMoneyStandard();
    BOOL CalcMunicipalBuildMoney();
    BOOL CalcCityPlanLandMoney();
    BOOL CalcCityPlanLandMoneyAppraised(BOOL bNoHouseLand);
    BOOL CalcCityPlanLandMoneyStandard();
    BOOL CalcCityPlanBuildMoney();
    BOOL CalcTaxMunicipal();
    BOOL CalcTaxCityPlan();
    BOOL CalcTaxShihonwari();
    BOOL CalcTaxLandPrice();
    // Index into iHouseRate of a building kind and its housing-use percentage.
    static int GetHouseRateIndex(int nKind, double dPercent);

    // Construction funds, their financing and accounting (steps 0 and 1).
    BOOL CalcExpense();
    BOOL CalcExpenseAll();
    BOOL CalcExpenseManage();
    BOOL CalcExpenseMoney();
    BOOL CalcExpenseOtherMoney();
    BOOL CalcExpenseTaxMoney();
    // Adds a payment into the month table (index = months before completion,
    // nMonths + 1 entries) by its payment timing.
    static void CalcMon(int nMonths, int nPayment, double dMoney, double* pdMonth);
    // Books an amount under an accounting treatment (0 land, 1 building,
    // 2 expense, 3 start-up cost, 4 outside the business); a consumption tax
    // goes to the tax totals too.
    void AddManageMoney(int nManage, double dMoney);
    void AddManageTax(int nManage, double dTax);
    // Treatment of a fund's consumption tax: expense or start-up cost when its
    // own row says so, else the fund's.
    static int GetTaxManage(int nManage, int nTaxManage);

    // Depreciation, capital expenditure and start-up amortisation (step 1).
    BOOL CalcDepreciation();
    BOOL CalcStartRepay();
    // Index from nFirst of the capital expenditure on nItem in nYear (-1: in
    // any year above 0); -1 when there is none.
    int CheckCapitalpay(int nItem, int nYear, int nFirst);
    // The private share of the capital expenditures of nYear: a spending
    // outside the business, paid by the expenditure's own source.
    double CalcCapitalPayRest(int nYear);
    // Per mille rates by useful life (0 to 100 years): straight-line and
    // declining balance. Offered to callers; the engine does not use them.
    static const int iFixed[101];
    static const int iFixedRate[101];

    // Loan repayment lists.
    BOOL CalcChangeLoan(int nLoan);
    BOOL CalcChangeAutoLoan();
    BOOL CalcShortLoan(int nYear);
    // The monthly lists of the three methods, appended after the opening item.
    BOOL CalcChangeLoanGankin(CDataLoanClass* pLoan, CObArray* pList);
    BOOL CalcChangeLoanGanri(CDataLoanClass* pLoan, CObArray* pList);
    BOOL CalcChangeLoanJouyo(CDataLoanClass* pLoan, CObArray* pList);
    // The balance after the extra repayment of year nYear, booked on pItem.
    double CalcSpecialLoan(int nYear, CObject* pItem, CDataLoanClass* pLoan);
    // The same on the amount still owed after dRepaid; -1 outside the extra years.
    double CalcSpecialLoan(int nYear, double dRepaid, CObject* pItem, CDataLoanClass* pLoan);
    // Rebuilds pList from a copy of the loan.
    BOOL CalcLoanList(const CDataLoanClass& objLoan, CDeleteObArray*& pList, BOOL bAutoLoan);
    // Checks the repayment years and appends the grace items; bDone when an
    // extra repayment during the grace period paid the loan off.
    BOOL CalcLoanGrace(CDataLoanClass* pLoan, CObArray* pList, BOOL bLevelPayment, BOOL& bDone);
    // The grace items, then the monthly rates of the nMonths repayment months;
    // nMonths is 0 when nothing is left to repay.
    BOOL CalcLoanStart(CDataLoanClass* pLoan, CObArray* pList, BOOL bLevelPayment, int& nMonths,
                       std::vector<double>& adRate);

    // The per-year balance records (step 2).
    BOOL CalcBalance();
    // The record of year nYear; null when there is none.
    class CYearBalanceClass* GetYearRecord(int nYear) const;

    // Rental incomes (step 2).
    BOOL CalcHouseRentalIncome();
    BOOL CalcCommonIncome();
    BOOL CalcRewardIncome();
    BOOL CalcDepositIncome();
    BOOL CalcSecurityIncome();
    BOOL CalcRenewalIncome();
    BOOL CalcOtherIncome();
    // One rental category over all years; FALSE with 13004 when it has an
    // amount but no contract period, 13002 when its tables cannot be made.
    BOOL CalcReward(int nCategory);
    BOOL CalcDeposit(int nCategory);
    BOOL CalcSecurity(int nCategory);
    BOOL CalcRenewal(int nCategory);
    // Repayment table of the guarantee money dAmount let in nYear (base
    // level), and its recomputation after nYear from the balance left then;
    // nCohort is the letting year - 1.
    void CalcSecurityLoan(int nCategory, int nYear, double dAmount, struct tagSECURITYLOAN* pTable);
    void CalcChangeSecurityLoan(int nCategory, int nCohort, int nYear, double dBalance,
                                struct tagSECURITYLOAN* pTable);

    // Construction period, running costs, loans, depreciation and outside lines (step 2).
    BOOL CalcWorkTime();
    BOOL CalcCost();
    BOOL CalcLoan();
    BOOL CalcAutoLoan();
    BOOL CalcDepreciationCost();
    BOOL CalcRestOther();
    BOOL CalcWorkTimeBalance();
    // The expensed part of a construction-funds item (net and tax by their accounting).
    double CalcExpenseCost(CObject* pItem);
    BOOL CalcLandBuyLoan();
    // FALSE with 13001 unless records 0 to nCalcYear are all there; after
    // it, GetYearBalance gives the record of a year in that range.
    BOOL CheckYearBalance();
    class CYearBalanceClass& GetYearBalance(int nYear);

    // Yearly taxes and cash balance (step 2): the business share of an
    // amount, the shortfall loan drawn or repaid.
    BOOL CalcYearBalance(int nYear);
    void CalcBusinessRate(int nApply, double* pdAmount, double* pdRest);
    BOOL MinusShortLoan(double dShortage, int nYear);
    BOOL PlusShortLoan(double dSurplus, int nYear);
    BOOL CalcTaxAlwaysYear(int nYear);
    BOOL CalcConsumptionYear(int nYear);
    BOOL CalcBusinessTax(int nYear);
    BOOL CalcBusinessTaxPersonal(int nYear);
    BOOL CalcBusinessTaxCorporation(int nYear);
    BOOL CalcBusinessTaxCorporationBig(int nYear);
    BOOL CalcOtherTax(int nYear);
    BOOL CalcOtherTaxPersonal(int nYear);
    BOOL CalcOtherTaxCorporation(int nYear);
    BOOL CalcOtherTaxCorporationKanpu(int nYear, double dLoss);
    BOOL CalcAddMyMoney(int nYear);
    BOOL CalcMoneyBalance(int nYear);
    BOOL CalcCapitalPay(int nYear);
    // Interest of the automatic loan repaid from the surplus.
    void CalcSurplusLoanInterest(int nYear);
    // Expense totals, consumption tax payable and the two profits of a year.
    void CalcYearProfit(int nYear);
    // Business, income and inhabitant taxes, profit after tax and retained earnings.
    BOOL CalcYearTax(int nYear);

    // Steps 3 to 26: the result tables.
    BOOL MakeBasicData();
    BOOL MakeOutlineData();
    BOOL MakeDepreciationData();
    BOOL MakeCapitalpayData();
    BOOL MakeCapitalpayLoanData();
    BOOL MakeTaxData();
    BOOL MakeProRestOtherData();
    BOOL MakeRestOtherData();
    BOOL MakeExpenseMoneyData();
    BOOL MakeSupplyData();
    BOOL MakeBalanceBasic();
    BOOL MakeBalanceProfit();
    BOOL MakeBalanceCapital();
    BOOL MakeBalanceSummary();
    BOOL MakeBalanceCapitalPlan();
    BOOL MakeCurrentExpense();
    BOOL MakeCurrentIncome();
    BOOL MakeRentalType();
    BOOL MakeRentalBasic();
    BOOL MakeBalanceOutline();
    BOOL MakeGraphOutline();
    BOOL MakeGraphLoan();
    BOOL MakeGraphCapital();
    // Sets the value axis of a graph page (million yen) from its largest and
    // smallest value (thousand yen), and its year count.
    void CalcGraphMaxMin(class CResultGraphClass* pPage, double dMax, double dMin);
    BOOL MakeBalanceTax();

    // Text export: one TAB-separated file of every result table, lines in
    // CP932 ended by CR LF, the file ended by 0x1A.
    // Writes the file; TRUE when it was written whole. FALSE and nothing
    // written when it cannot be opened; FALSE when a write fails or memory
    // runs out (status 13002; 13001 for anything else thrown) part way, with
    // the partly written file removed and the file closed.
    BOOL SaveTextFile(CString strPath, CString strOffice, CString strDate, int nOption);
    // Appends one cell and its TAB; a cell that would not leave room for the
    // line's CR LF is left out.
    void StringSet(const CString& strText);
    void TabSet();
    // Ends the current line (drops its last TAB) and writes it.
    void TextWrite();
    // The caption and unit line, then the caption and year line (0 to N).
    void TextHead(CString strCaption);
    // The sections, in the order of the file.
    void TextBasic();
    void TextBasic2();
    void TextConst();
    void TextSupply();
    void TextInout();
    void TextInout2();
    void TextRental();
    void TextRental2();
    void TextOutLine();
    void TextBase();
    void TextSon();
    void TextSik();
    void TextSyu();
    void TextBs();
    void TextTax();

    int m_nMessageID;
    CDataClassObject* m_pDataClass;
    COptionClassObject* m_pOptionClass;
    CTaxClassObject* m_pTaxClass;
    CTavResultClass* m_pResultClass;
    tagSETDECIMAL m_objDecimal;
    tagSETCALCYEAR m_objCalcYear;

    // Values steps 0 and 1 derive once from the records.
    double m_dHouseUseRatio;
    double m_dSpecialHouseRatio;
    double m_dOwnLandArea;
    double m_dBuyLandRatio;
    double m_dInheritanceRatio;
    double m_dConstructionCost;
    double m_dMortgageLoanTotal;
    double m_dAdvanceDepositTotal;
    double m_dAdvanceSecurityTotal;
    double m_dFundSourceTotal;
    double m_adManageMoney[4];     // land, building, expense, start-up
    double m_dConstructTaxExpense;
    double m_adDepreciationAdd[6]; // funds booked to depreciation items (treatments 5-10)
    static constexpr int kFirstItemManage = 5;
    double m_adManageTax[5];
    double m_dConstructSurplus;
    double m_dNonBusinessExpend;
    double m_dBusinessCapitalTax;

    // Property and city-planning tax bases: the residential-use share of the
    // land, percent, by GetHouseRateIndex.
    static constexpr int iHouseRate[10] = {0, 50, 100, 0, 50, 100, 0, 50, 75, 100};

    // Yearly series owned by the engine.
    CDeleteObArray* m_pExpenseArray;
    CDeleteObArray* m_pYearArray;
    CDeleteObArray* m_pAppraisedLandArray;
    CDeleteObArray* m_pAppraisedBuildArray;
    CDeleteObArray* m_pSalaryArray;
    CDeleteObArray* m_pInheritanceArray;
    CDeleteObArray* m_apCostArray[10];
    CDeleteObArray* m_apRentArray[kRentalCategories];
    CDeleteObArray* m_apCommonFeeArray[kRentalCategories];
    CDeleteObArray* m_apKeyMoneyArray[kRentalCategories];
    CDeleteObArray* m_apDepositArray[kRentalCategories];
    CDeleteObArray* m_apSecurityArray[kRentalCategories];
    CDeleteObArray* m_apRenewalFeeArray[kRentalCategories];
    CDeleteObArray* m_apOtherIncomeArray[6];
    CDeleteObArray* m_apRestOtherArray[8];
    CDeleteObArray* m_apDepreciationArray[6];
    CDeleteObArray* m_pStartupArray;
    CDeleteObArray* m_pMunicipalLandBaseArray;
    CDeleteObArray* m_pMunicipalBuildBaseArray;
    CDeleteObArray* m_pCityPlanLandBaseArray;
    CDeleteObArray* m_pCityPlanBuildBaseArray;
    CDeleteObArray* m_apLoanArray[8];
    CDeleteObArray* m_pAutoLoanArray;
    CDeleteObArray* m_pShortLoanArray;
    CDeleteObArray* m_pLandPriceTaxArray;
    CDeleteObArray* m_pMunicipalLandTaxArray;
    CDeleteObArray* m_pMunicipalBuildTaxArray;
    CDeleteObArray* m_pCityPlanLandTaxArray;
    CDeleteObArray* m_pCityPlanBuildTaxArray;
    // Items and arrays of the previous run, reused by the next.
    CSeriesStock m_stock;
    // Texts FormatAmount made lately.
    CAmountTexts m_amountTexts;

    double m_adFirstDepositAmortize[kRentalCategories];
    double m_adFirstSecurityAmortize[kRentalCategories];

    // Text export.
    CFile m_fileText;
    char m_szTextLine[4000];
    int m_nTextLength;
    int m_nTextOption;

    // Consumption-tax stages and the working values of the last split.
    double m_adConstructRate[3];
    int m_anConstructFrom[3];
    int m_anConstructTo[3];
    double m_adBusinessRate[3];
    int m_anBusinessFrom[3];
    int m_anBusinessTo[3];
    double m_dConsumeMoney;
    int m_bConsumeTaxFree;
    double m_dConsumeNet;
    double m_dConsumeTax;
    int m_nInputMethod;
    double m_dConsumeTotal;
    int m_nConstructMonths;

private:
    // Every owned series, for freeing and zeroing them in one walk.
    template <class F>
    void ForEachSeries(F f);
    std::vector<const CDeleteObArray*> AllSeries();
    BOOL CalcStep0();
    BOOL CalcStep1();
    BOOL RunStep(int nStep);
    // Stocks the series and zeroes the totals of an earlier run; keeps the links and settings.
    void ClearResults();
    // Every record the engine reads is linked.
    BOOL HasAllRecords() const;
    // Every count from a record is one a project can mean.
    BOOL HasProjectCounts() const;
    // Every derived total is finite.
    BOOL HasFiniteTotals() const;
    // Every figure of the series and the year records is finite.
    BOOL HasFiniteSeries();
    // Replaces a series with a new empty one; FALSE with 13002 when memory runs out.
    BOOL NewSeries(CDeleteObArray*& pSeries);
    // The export's two header lines, its sections and its end byte.
    void WriteTextSections(const CString& strOffice, const CString& strDate);
    // Closes the export file without a flush and removes it.
    // Empties the export line buffer.
    void ClearTextLine();
};
