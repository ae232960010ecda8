// Construction financing table (step 12) and its export section.
#include "result/calc/tavcalc.h"

#include "app/common/classobject.h"
#include "result/calc/calcseries.h"
#include "result/pages/resultformat.h"
#include "result/pages/resultprint.h"
#include "result/pages/tavresult.h"
#include "result/tables/fundrows.h"

namespace {

constexpr int kCategories = CTavCalcClass::kRentalCategories;
constexpr int kLoans = CDataSupplyClass::kLoanCount;
constexpr int kCapitalPayLoans[] = {6, 7};
constexpr int kPeriods = 4;
// A note stands on content line 13 of its row.
const char kNoteLead[] = "\n\n\n\n\n\n\n\n\n\n\n\n";

constexpr UINT kPercent = 10002, kMonths = 10004, kFromYear = 10005, kToYear = 10006, kThousandYen = 10020;
constexpr UINT kNone = 15003, kMortgageFee = 25;

CString S(UINT nID)
{
    return LoadResultString(nID);
}

CString Rate(double v)
{
    return FormatResultNumber(3, v, 1) + S(kPercent);
}

CString Year(int n)
{
    CString str;
    str.Format("%2d", n);
    return str;
}

CString Years(int nFrom, int nTo)
{
    return Year(nFrom) + S(kFromYear) + Year(nTo) + S(kToYear);
}

CString Charged(int nMortgageFee)
{
    return S(nMortgageFee == 0 ? 15015 : 15016);
}

// The texts of one loan's terms, as the page lists them and the text export
// spreads them over its lines.
struct CLoanTerms {
    explicit CLoanTerms(const CDataLoanClass& loan)
    {
        const tagDATAREPAY& grace = loan.m_aRepay[0];
        if (grace.nEndYear > 0) {
            astrGrace[0] = Year(grace.nEndYear) + S(kMonths);
            astrGrace[1] = Rate(grace.dRate);
        } else {
            astrGrace[0] = S(kNone);
        }
        for (int k = 0; k < kPeriods; ++k) {
            const tagDATAREPAY& period = loan.m_aRepay[k + 1];
            abPeriod[k] = 0 < period.nStartYear && period.nStartYear <= period.nEndYear;
            if (abPeriod[k]) {
                astrPeriod[k][0] = Years(period.nStartYear, period.nEndYear);
                astrPeriod[k][1] = Rate(period.dRate);
            }
        }
        bSpecial = loan.nSpecialFromYear > 0;
        strSpecial = bSpecial ? Years(loan.nSpecialFromYear, loan.nSpecialToYear) : S(kNone);
        strSource = S(loan.nSpecialSource == 0 ? 15029 : 15030);
        strSpecialAmount = PremisePlainNumber(loan.dSpecialAmount);
        strMortgage = Charged(loan.nMortgageFee);
    }

    // The 26 lines of the page, each ended by a line feed.
    CString Content() const
    {
        CString content = S(15019) + "\n" + astrGrace[0] + "\n" + astrGrace[1] + "\n";
        for (int k = 0; k < kPeriods; ++k)
            content += S(15020 + k) + "\n" + astrPeriod[k][0] + "\n" + astrPeriod[k][1] + "\n";
        content += S(15024) + "\n" + strSpecial + "\n";
        if (bSpecial)
            content += "\n" + S(15025) + "\n" + strSource + "\n\n" + S(15026) + "\n" + strSpecialAmount + "\n\n";
        else
            content += "\n\n\n\n\n\n\n";
        return content + S(kMortgageFee) + "\n" + strMortgage + "\n";
    }

    CString astrGrace[2];
    bool abPeriod[kPeriods];
    CString astrPeriod[kPeriods][2];
    bool bSpecial;
    CString strSpecial;
    CString strSource;
    CString strSpecialAmount;
    CString strMortgage;
};

// The figures of the construction financing, from the financing record and
// what the engine's step 0 left.
class CSupplyTexts {
public:
    explicit CSupplyTexts(CTavCalcClass& calc) : m_calc(calc), m_supply(*calc.m_pDataClass->m_pDataSupply) {}

    // Every construction-period item of the advances is there.
    bool IsComplete() const
    {
        for (int i = 0; i < kCategories; ++i)
            if (!SeriesItem(m_calc.m_apDepositArray[i], 0) || !SeriesItem(m_calc.m_apSecurityArray[i], 0))
                return false;
        return true;
    }

    CString Money(double v) const { return m_calc.FormatAmount(v); }
    const tagDATAFUND& Fund() const { return m_supply.m_objFund; }
    double OwnFunds() const { return Fund().dSubsidy + Fund().dOwnFund + Fund().dLandOwnFund; }
    CString Amount(double v) const { return PremisePlainNumber(v) + S(kThousandYen); }

    // Category i's share of its first tenants' deposits or guarantee money
    // received in advance, named when it has a contract period.
    CString Advance(int i, bool bSecurity) const
    {
        const CDataRentalBasicClass& basic = *m_calc.m_pDataClass->m_apDataRentalBasic[i];
        const tagADVANCERATE& rate = m_calc.m_pOptionClass->m_pOptionAdvance->m_aRate[i];
        const CObArray* pSeries = bSecurity ? m_calc.m_apSecurityArray[i] : m_calc.m_apDepositArray[i];
        const double v = basic.CalcChangeLive(SeriesMoney(pSeries, 0), 1) *
                         (bSecurity ? rate.dSecurityRate : rate.dDepositRate) * 0.01;
        CString str = basic.nContractYears > 0 ? basic.m_strName + ":" : CString();
        if (v > 0) str += FormatFigure(m_calc, v) + S(kThousandYen);
        return str;
    }
    double AdvanceTotal(bool bSecurity) const
    {
        return bSecurity ? m_calc.m_dAdvanceSecurityTotal : m_calc.m_dAdvanceDepositTotal;
    }

    const tagDATASHORTLOAN& ShortLoan() const { return m_supply.m_objShortLoan; }
    double ShortLoanAmount() const
    {
        const auto* p = SeriesItem<CConsumptionLoanClass>(m_calc.m_pShortLoanArray, 0);
        return p ? p->m_dBalance : 0.0;
    }

    const CDataLoanClass& Loan(int i) const { return m_supply.m_aLoan[i]; }
    bool IsLandPurchaseLoan(int i) const
    {
        return i == CDataSupplyClass::kLandPurchaseLoan && m_supply.m_nLandPurchaseLoan == 1;
    }
    // The automatic loan was not needed.
    bool IsUnusedAutoLoan(int i) const { return i == CDataSupplyClass::kAutoLoan && !m_calc.m_pAutoLoanArray; }
    bool IsCapitalPayLoan(int i) const
    {
        return (i == kCapitalPayLoans[0] || i == kCapitalPayLoans[1]) && Loan(i).m_nCapitalPayYear > 0;
    }
    CString Method(int i) const
    {
        switch (Loan(i).nRepayMethod) {
        case 0: return S(15017);
        case 1: return S(15018);
        case 2: return "剰余金返済";
        default: return CString();
        }
    }
    // The amount borrowed at completion: the entered one, or the one the
    // engine set for the automatic loan.
    CString LoanAmount(int i) const
    {
        const CObArray* pSchedule =
            i == CDataSupplyClass::kAutoLoan ? m_calc.m_pAutoLoanArray : m_calc.m_apLoanArray[i];
        const auto* p = SeriesItem<CConsumptionLoanClass>(pSchedule, 0);
        return Money(p ? p->m_dBalance : 0.0);
    }

private:
    CTavCalcClass& m_calc;
    const CDataSupplyClass& m_supply;
};

CString AdvanceContent(const CSupplyTexts& t, bool bSecurity)
{
    CString content;
    for (int i = 0; i < kCategories; ++i) content += t.Advance(i, bSecurity) + "\n";
    return content;
}

CString ShortLoanContent(const CSupplyTexts& t)
{
    if (t.ShortLoan().nUse != 1) return S(15013) + "\n\n\n";
    return S(25003) + "\n" + Rate(t.ShortLoan().dRate) + "\n" + S(kMortgageFee) + "\n" +
           Charged(t.ShortLoan().nMortgageFee);
}

// Row 5 + i of the page: loan i.
BOOL AppendLoanRow(CTavCalcClass& calc, CResultBaseClass& page, const CSupplyTexts& t, int i)
{
    const CDataLoanClass& loan = t.Loan(i);
    CString item = loan.m_strBankName + "\n";
    if (t.IsLandPurchaseLoan(i))
        item += S(15031) + "\n";
    else if (t.IsUnusedAutoLoan(i))
        return AppendFundRow(calc, page, S(15032), kNoteLead + S(15034) + "\n", CString());
    if (loan.dAmount == 0.0) return AppendFundRow(calc, page, item, CString(), CString());
    if (t.IsCapitalPayLoan(i)) return AppendFundRow(calc, page, item, kNoteLead + S(15033) + "\n", CString());
    return AppendFundRow(calc, page, item + t.Method(i), CLoanTerms(loan).Content(), t.LoanAmount(i));
}

} // namespace

BOOL CTavCalcClass::MakeSupplyData()
{
    if (!m_pResultClass) return FailCalc(CALC_UNEXPECTED_ERROR);
    CResultSupplyDataClass& page = m_pResultClass->m_objSupplyData;
    page.DestroyData();
    page.CreateData();
    const CSupplyTexts t(*this);
    if (!t.IsComplete()) return FailCalc(CALC_UNEXPECTED_ERROR);

    const tagDATAFUND& fund = t.Fund();
    const CString own = "自己資金\n" + t.Amount(fund.dOwnFund) + "\n" + S(15009) + "\n" + t.Amount(fund.dLandOwnFund) +
                        "\n補助金等\n" + t.Amount(fund.dSubsidy) + "\n";
    if (!AppendFundRow(*this, page, S(15008), own, t.Money(t.OwnFunds())) ||
        !AppendFundRow(*this, page, S(15010), AdvanceContent(t, false), t.Money(t.AdvanceTotal(false))) ||
        !AppendFundRow(*this, page, S(15011), AdvanceContent(t, true), t.Money(t.AdvanceTotal(true))) ||
        !AppendFundRow(*this, page, S(15012), ShortLoanContent(t), t.Money(t.ShortLoanAmount())))
        return FALSE;
    for (int i = 0; i < kLoans; ++i)
        if (!AppendLoanRow(*this, page, t, i)) return FALSE;
    return AppendFundRow(*this, page, S(15007), CString(), t.Money(m_dFundSourceTotal));
}

void CTavCalcClass::TextSupply()
{
    const CSupplyTexts t(*this);
    const CString empty;
    TextLine(*this, {"建設資金調達"});
    TextLine(*this, {S(25000), S(25001), empty, empty, S(25002)});

    const tagDATAFUND& fund = t.Fund();
    TextLine(*this, {S(15008), S(15008), t.Amount(fund.dOwnFund), empty, t.Money(t.OwnFunds())});
    TextLine(*this, {empty, S(15009), t.Amount(fund.dLandOwnFund)});
    TextLine(*this, {empty, "補助金等", t.Amount(fund.dSubsidy)});

    // Deposits and guarantee money: categories k and k + 4 side by side, or the total alone.
    for (const bool bSecurity : {false, true}) {
        const CString item = S(bSecurity ? 15011 : 15010), total = t.Money(t.AdvanceTotal(bSecurity));
        if (m_nTextOption != 0) {
            TextLine(*this, {item, empty, empty, empty, total});
            continue;
        }
        TextLine(*this, {item, t.Advance(0, bSecurity), t.Advance(4, bSecurity), empty, total});
        for (int k = 1; k < kCategories / 2; ++k)
            TextLine(*this, {empty, t.Advance(k, bSecurity), t.Advance(k + 4, bSecurity), empty});
    }

    const tagDATASHORTLOAN& shortLoan = t.ShortLoan();
    const CString shortAmount = t.Money(t.ShortLoanAmount());
    if (shortLoan.nUse == 1) {
        TextLine(*this, {S(15012), S(25003), Rate(shortLoan.dRate), empty, shortAmount});
        TextLine(*this, {empty, S(kMortgageFee), Charged(shortLoan.nMortgageFee)});
    } else {
        TextLine(*this, {S(15012), S(15013), empty, empty, shortAmount});
        TextWrite();
    }

    // Nine lines per loan; a loan not set out has its first line and eight blank ones.
    for (int i = 0; i < kLoans; ++i) {
        const CDataLoanClass& loan = t.Loan(i);
        CString note;
        if (t.IsCapitalPayLoan(i))
            note = S(15033);
        else if (t.IsUnusedAutoLoan(i))
            note = S(15034);
        if (!note.IsEmpty() || loan.dAmount == 0.0) {
            if (note.IsEmpty())
                TextLine(*this, {loan.m_strBankName});
            else
                TextLine(*this, {loan.m_strBankName, note});
            for (int k = 0; k < 8; ++k) TextWrite();
            continue;
        }
        const CLoanTerms terms(loan);
        TextLine(*this, {loan.m_strBankName, S(15019), terms.astrGrace[0], terms.astrGrace[1], t.LoanAmount(i)});
        for (int k = 0; k < kPeriods; ++k) {
            StringSet(k == 0 && t.IsLandPurchaseLoan(i) ? S(15031) : k == 1 ? t.Method(i) : empty);
            StringSet(S(15020 + k));
            if (terms.abPeriod[k]) {
                StringSet(terms.astrPeriod[k][0]);
                StringSet(terms.astrPeriod[k][1]);
            }
            TextWrite();
        }
        TextLine(*this, {empty, S(15024), terms.strSpecial});
        if (terms.bSpecial) {
            TextLine(*this, {empty, S(15025), terms.strSource});
            TextLine(*this, {empty, S(15026), terms.strSpecialAmount});
        } else {
            TextWrite();
            TextWrite();
        }
        TextLine(*this, {empty, S(kMortgageFee), terms.strMortgage});
    }

    TextLine(*this, {S(15007), empty, empty, empty, t.Money(m_dFundSourceTotal)});
}
