// Every member of the loan, funding, rental-basics and other-income records,
// in declaration order, for filling records and comparing them whole.
#pragma once

#include <iomanip>
#include <sstream>
#include <string>

#include "data/dataotherincome.h"
#include "data/datarentalbasic.h"
#include "data/datasupply.h"

template <class V>
void VisitFields(CDataClass& r, V& v)
{
    for (auto& flags : r.m_anPrintFlag)
        for (int& f : flags) v(f);
    v(r.m_strTitle);
    v(r.m_nPage);
}

template <class V>
void VisitFields(tagDATARATE& s, V& v)
{
    v(s.nStartYear);
    v(s.nEndYear);
    v(s.nInterval);
    v(s.dRate);
    v(s.bDecrease);
}

template <class V>
void VisitFields(CDataRateClass& r, V& v)
{
    for (tagDATARATE& s : r.m_aDataRate) VisitFields(s, v);
}

template <class V>
void VisitFields(CDataLoanClass& r, V& v)
{
    VisitFields(static_cast<CDataClass&>(r), v);
    v(r.dAmount);
    v(r.nMortgageFee);
    v(r.nRepayMethod);
    v(r.nSpecialFromYear);
    v(r.nSpecialToYear);
    v(r.dSpecialAmount);
    v(r.nSpecialSource);
    for (tagDATAREPAY& p : r.m_aRepay) {
        v(p.nStartYear);
        v(p.nEndYear);
        v(p.dRate);
    }
    v(r.m_strBankName);
    v(r.m_nCapitalPayYear);
    v(r.m_nIndex);
}

template <class V>
void VisitFields(CDataSupplyClass& r, V& v)
{
    VisitFields(static_cast<CDataClass&>(r), v);
    for (CDataLoanClass& loan : r.m_aLoan) VisitFields(loan, v);
    v(r.m_objFund.dOwnFund);
    v(r.m_objFund.dLandOwnFund);
    v(r.m_objFund.dSubsidy);
    v(r.m_objShortLoan.nUse);
    v(r.m_objShortLoan.dRate);
    v(r.m_objShortLoan.nMortgageFee);
    v(r.m_nAutoLoan);
    v(r.m_nLandPurchaseLoan);
}

template <class V>
void VisitFields(CDataRentalBasicClass& r, V& v)
{
    VisitFields(static_cast<CDataClass&>(r), v);
    v(r.nContractYears);
    v(r.dDepositAmortizeRatio);
    v(r.nDepositChange);
    v(r.dSecurityAmortizeRatio);
    v(r.nSecurityChange);
    v(r.bCommonFeeFixed);
    v(r.m_strName);
    for (CDataRateClass& rate : r.m_aRate) VisitFields(rate, v);
    VisitFields(r.m_objSecurityLoan, v);
}

template <class V>
void VisitFields(CDataOtherIncomeClass& r, V& v)
{
    VisitFields(static_cast<CDataClass&>(r), v);
    VisitFields(static_cast<CDataRateClass&>(r), v);
    v(r.dAmount);
    v(r.nFromYear);
    v(r.nToYear);
    v(r.m_strName);
    v(r.m_nIndex);
}

template <class V>
void VisitFields(CDataProRestOtherClass& r, V& v)
{
    VisitFields(static_cast<CDataClass&>(r), v);
    v(r.dSurplusRate);
    v(r.dMinimumCash);
    for (CDataOtherIncomeClass& item : r.m_aOtherIncome) VisitFields(item, v);
}

template <class V>
void VisitFields(CDataRestOtherMoneyClass& r, V& v)
{
    VisitFields(static_cast<CDataClass&>(r), v);
    VisitFields(static_cast<CDataRateClass&>(r), v);
    v(r.dAmount);
    v(r.nKind);
    v(r.nFromYear);
    v(r.nToYear);
    v(r.m_strName);
    v(r.m_nIndex);
}

template <class V>
void VisitFields(CDataRestOtherClass& r, V& v)
{
    VisitFields(static_cast<CDataClass&>(r), v);
    for (CDataRestOtherMoneyClass& line : r.m_aRestOtherMoney) VisitFields(line, v);
    for (CString& comment : r.m_astrComment) v(comment);
}

// Gives every member its own non-zero value (1, 2.25, "項目3", ...).
struct CFieldFiller {
    int n = 0;
    void operator()(int& x) { x = ++n; }
    void operator()(double& x) { x = ++n + 0.25; }
    void operator()(CString& s) { s.Format("項目%d", ++n); }
};

// All members as text, one per line.
struct CFieldPrinter {
    std::ostringstream out;
    CFieldPrinter() { out << std::setprecision(17); }
    void operator()(int x) { out << x << '\n'; }
    void operator()(double x) { out << x << '\n'; }
    void operator()(const CString& s) { out << static_cast<const char*>(s) << '\n'; }
};

template <class T>
void Fill(T& r)
{
    CFieldFiller filler;
    VisitFields(r, filler);
}

template <class T>
std::string Describe(T& r)
{
    CFieldPrinter printer;
    VisitFields(r, printer);
    return printer.out.str();
}
