// Construction funds table (step 11) and its export section.
#include "result/calc/tavcalc.h"

#include <iterator>
#include <vector>

#include "app/common/classobject.h"
#include "result/calc/calcseries.h"
#include "result/pages/resultformat.h"
#include "result/pages/resultprint.h"
#include "result/pages/tavresult.h"
#include "result/tables/fundrows.h"

namespace {

// Entries of the construction-fund list: 0-5 the construction cost by
// depreciation item, 6-12 the fixed costs, 13-20 the free cost lines, 21-26
// the mortgage fee and the taxes, 27 the total.
constexpr int kCostItems = 6;
constexpr int kFirstFixedEntry = 6;
constexpr int kFixedCosts = 7;
constexpr int kFirstFreeEntry = 13;
constexpr int kFreeLines = 8;
constexpr int kMortgageEntry = 21;
constexpr int kLandRegistrationEntry = 22;
constexpr int kLandAcquisitionEntry = 23;
constexpr int kBuildingRegistrationEntry = 24;
constexpr int kBuildingAcquisitionEntry = 25;
constexpr int kBusinessPlaceEntry = 26;
constexpr int kTotalEntry = 27;
constexpr int kEntries = 28;
// Lines of the costs besides construction: the fixed costs with a formula
// (land price, demolition, design, interest), then the free lines.
constexpr int kFormulaLines = 4;
constexpr int kFirstFreeLine = 6;
constexpr int kGroundRentCost = 1;

// Labels of the fixed costs (rows 1 to 7).
constexpr UINT kFixedCostIds[kFixedCosts] = {1, 2, 10, 11, 12, 14, 15};
// Treatments of the consumption tax, by the engine's five totals.
const char* const kTaxTreatments[] = {"土地簿価に算入", "建物簿価に算入", "経費処理", "創業償却費処理", "事業外支出処理"};
constexpr int kTreatments = int(std::size(kTaxTreatments));

// Report modes: amounts with tax; with the tax total as a note; without tax
// and the tax in a row of its own.
constexpr int kTaxNote = 1;
constexpr int kTaxApart = 2;

constexpr UINT kTimes = 20000, kOpen = 20001, kClose = 20002, kDivide = 20003, kEquals = 20004, kMinus = 20005,
               kPlus = 20006;
constexpr UINT kThousandYen = 10020, kTsubo = 10010, kPercent = 10002, kPerTsubo = 10001, kUnits = 10003;

CString S(UINT nID)
{
    return LoadResultString(nID);
}

CString Whole(double v)
{
    return FormatResultNumber(0, v, 0);
}

CString JoinLines(const std::vector<CString>& lines)
{
    CString joined;
    for (size_t i = 0; i < lines.size(); ++i) joined += (i > 0 ? "\n" : "") + lines[i];
    return joined;
}

// The figures and formula texts of the construction funds, from the fund
// list of the engine and the project's records.
class CFundTexts {
public:
    explicit CFundTexts(CTavCalcClass& calc)
        : m_calc(calc), m_data(*calc.m_pDataClass), m_tax(*calc.m_pTaxClass),
          m_nMode(calc.m_pDataClass->m_pDataBasic->nFundReportMode)
    {
    }

    // Every entry and construction-period item the texts read is there.
    bool IsComplete() const
    {
        for (int i = 0; i < kEntries; ++i)
            if (!SeriesItem(m_calc.m_pExpenseArray, i)) return false;
        for (const CDeleteObArray* pSeries :
             {m_calc.m_pAppraisedLandArray, m_calc.m_pAppraisedBuildArray, m_calc.m_pMunicipalLandBaseArray,
              m_calc.m_pCityPlanLandBaseArray, m_calc.m_pMunicipalLandTaxArray, m_calc.m_pCityPlanLandTaxArray,
              m_calc.m_pLandPriceTaxArray})
            if (!SeriesItem(pSeries, 0)) return false;
        return true;
    }

    int Mode() const { return m_nMode; }
    const CConsumptionMoneyClass& Entry(int i) const { return FundItem(m_calc.m_pExpenseArray, i); }
    double Value(int i) const { return Entry(i).m_dNetMoney + Entry(i).m_dTaxMoney; }
    // The amount the cost rows show: net of tax in mode 2.
    double Shown(int i) const { return m_nMode == kTaxApart ? Entry(i).m_dNetMoney : Value(i); }
    CString Money(double v) const { return m_calc.FormatAmount(v); }
    CString Figure(double v) const { return FormatFigure(m_calc, v); }

    // The consumption tax of every entry the cost rows show, whatever the mode.
    double TaxTotal() const
    {
        double total = 0.0;
        for (int i = 0; i < kFirstFreeEntry + kFreeLines; ++i) total += Entry(i).m_dTaxMoney;
        return total;
    }

    // Construction cost: the rounded total and each item's name with its share.
    double CostTotal() const
    {
        double total = 0.0;
        for (int i = 0; i < kCostItems; ++i) total += Shown(i);
        return m_calc.FractionManage(total);
    }
    CString CostShare(int i) const
    {
        const double total = CostTotal();
        const double share = total == 0 ? 0.0 : Shown(i) * 100 / total;
        return Expense().m_aDepreciation[i].m_strName + " (" +
               FormatResultNumber(1, share + 0.05, m_calc.m_objDecimal.nDecimalZero) + "%)";
    }
    CString CostAmount(int i) const { return Figure(Shown(i)) + S(kThousandYen); }
    // The price per tsubo of the planned floor area; empty when not printed.
    CString TsuboPrice() const
    {
        if (m_data.m_pDataBasic->bNoTsuboPricePrint != 0) return CString();
        const double F = m_data.m_pDataOutline->aBuilding[0].dPlanBuild;
        const tagDATAEXPENSEMONEY& cost = Expense().m_objConstructionCost;
        const double price = cost.nInputMethod == 3 ? cost.dAmount : (F == 0 ? 0.0 : CostTotal() / F + 0.5);
        return "※工事費坪単価=" + Figure(price) + S(kThousandYen) + " (延床面積:" + PremisePlainNumber(F) + S(kTsubo) +
               ")";
    }
    CString CostContent() const
    {
        CString content;
        for (int i = 0; i < kCostItems; ++i) content += CostShare(i) + "\n" + CostAmount(i) + "\n";
        return content + TsuboPrice() + "\n\n";
    }

    // The formula of fixed cost k (0 land price to 6 ground rent); empty
    // where the amount was entered as it is.
    CString FixedCostContent(int k) const
    {
        if (k >= kFormulaLines) return k == kFixedCosts - 1 ? GroundRent() : Comment(k - kFormulaLines);
        const CDataExpenseMoneyClass& line = Other(k);
        if (line.nInputMethod != 1) return CString();
        const CString amount = PremisePlainNumber(line.dAmount);
        const tagDATAOUTLINE& outline = *m_data.m_pDataOutline;
        switch (k) {
        case 0: return PremisePlainNumber(outline.aLand[0].dBuyLand) + S(kTsubo) + S(kTimes) + amount + S(kPerTsubo);
        case 1:
            return PremisePlainNumber(outline.aBuilding[0].dDemolishBuild) + S(kTsubo) + S(kTimes) + amount +
                   S(kPerTsubo);
        case 2: return "工事費（税別）" + S(kTimes) + amount + S(kPercent);
        default: return S(25003) + amount + S(kPercent);
        }
    }
    const CDataExpenseMoneyClass& FreeLine(int k) const { return Other(kFirstFreeLine + k); }

    // The consumption-tax note of mode 1, and the treatment lines of mode 2.
    CString TaxNote() const { return "※金額には消費税が含まれています。　消費税総額＝" + TaxTotalText(); }
    CString TaxTotalText() const { return Figure(TaxTotal()) + S(kThousandYen); }
    CString Treatment(int t) const { return Figure(m_calc.m_adManageTax[t]) + S(kThousandYen); }
    CString TreatmentContent() const
    {
        CString content;
        for (int t = 0; t < kTreatments; ++t) content += CString(kTaxTreatments[t]) + "\n" + Treatment(t) + "\n";
        return content;
    }

    // The registration or the acquisition tax on the bought land: its share,
    // its taxable amount and the tax; blank lines when the tax was entered.
    std::vector<CString> LandTaxLines(bool bAcquisition) const
    {
        const CDataTaxRealtyGetClass& rule = m_data.m_pDataTax->m_objRealtyGet;
        if (bAcquisition && rule.nLandDirect == 1) return {"", "", ""};
        const tagDATALAND& land = m_data.m_pDataOutline->aLand[0];
        const CTaxLicenseClass& license = *m_tax.m_pTaxLicense;
        const CTaxRealtyGetClass& realty = *m_tax.m_pTaxRealtyGet;
        const CString share = S(15000) + S(kEquals) + PremisePlainNumber(land.dBuyLand) + S(kTsubo) + S(kDivide) +
                              S(kOpen) + PremisePlainNumber(land.dTotalLand) + S(kTsubo) + S(kMinus) +
                              PremisePlainNumber(land.dLeasedLand) + S(kTsubo) + S(kClose);
        const double standard = bAcquisition ? realty.m_dStandardRatio : license.m_dStandardRatio;
        const CString base = S(15001) + S(kEquals) + S(kOpen) + Plain(FundValue(m_calc.m_pAppraisedLandArray)) +
                             S(kThousandYen) + S(kTimes) + Whole(m_calc.m_dBuyLandRatio * 100) + S(kPercent) +
                             S(kClose) + S(kTimes) + Plain(standard) + S(kPercent);
        const double* x = Entry(bAcquisition ? kLandAcquisitionEntry : kLandRegistrationEntry).m_adExtra;
        CString tax = S(18) + S(kEquals);
        if (!bAcquisition)
            tax += Times(Plain(x[0]), license.m_dLandRate);
        else if (rule.nLandHouseSpecial == 0)
            tax += Times(Whole(x[1]), realty.m_dLandHouseRate) + S(kPlus) + Times(Whole(x[2]), realty.m_dLandRate);
        else
            tax += Times(Plain(x[0]), realty.m_dLandRate);
        return {share, base, tax};
    }

    CString BuildingRegistration() const
    {
        return Times(Plain(FundValue(m_calc.m_pAppraisedBuildArray)), m_tax.m_pTaxLicense->m_dBuildingRate);
    }

    // The acquisition tax on the building: the new-house rule, the housing
    // and the other part; blank lines when the tax was entered.
    std::vector<CString> BuildingAcquisitionLines() const
    {
        const CDataTaxRealtyGetClass& rule = m_data.m_pDataTax->m_objRealtyGet;
        if (rule.nBuildingDirect == 1) return {"", "", ""};
        const CTaxRealtyGetClass& realty = *m_tax.m_pTaxRealtyGet;
        const tagDATASPECIALHOUSE& house = m_data.m_pDataTax->m_objSpecialHouse;
        CString special = S(15002) + S(kEquals);
        if (rule.nNewHouseSpecial == 0) {
            CString units;
            units.Format("%d", house.nHouseUnits);
            special += Times(Plain(FundValue(m_calc.m_pAppraisedBuildArray)), house.dHouseRatio) + S(kMinus) +
                       S(kOpen) + Plain(realty.m_dNewHouseReduction) + S(kThousandYen) + S(kTimes) + units +
                       S(kUnits) + S(kClose);
        } else {
            special += S(15003);
        }
        const double* x = Entry(kBuildingAcquisitionEntry).m_adExtra;
        const double rate = rule.nBuildingHouseSpecial == 0 ? realty.m_dBuildingHouseRate : realty.m_dBuildingRate;
        const CString housing = S(15100) + S(kEquals) + S(kOpen) + Plain(x[3]) + S(kThousandYen) + S(kPlus) +
                                Plain(x[4]) + S(kThousandYen) + S(kClose) + S(kTimes) + Plain(rate) + S(kPercent);
        const CString other = S(15101) + S(kEquals) + Times(Whole(x[5]), realty.m_dBuildingRate);
        return {special, housing, other};
    }

    // The business-place tax: the area, the taxable area and the tax or the
    // exemption; none when the tax is not levied.
    std::vector<CString> BusinessPlaceLines() const
    {
        const tagDATABUSINESSPLACE& rule = m_data.m_pDataTax->m_objBusinessPlace;
        if (rule.nTaxation != 1) return {};
        const double* x = Entry(kBusinessPlaceEntry).m_adExtra;
        const CString area = S(15004) + S(kEquals) + Plain(m_data.m_pDataOutline->aBuilding[1].dPlanBuild) +
                             S(kTimes) + S(kOpen) + "1－" + Plain(rule.dNonTaxRatio) + S(kPercent) + S(kClose);
        const CString taxable = S(15005) + S(kEquals) + Plain(x[0]) + S(kTimes) + S(kOpen) + "1－" +
                                Plain(m_calc.m_dHouseUseRatio * 100) + S(kPercent) + S(kClose);
        const CString tax = rule.nExemption == 0 && x[1] == -1.0
                                ? S(15006)
                                : S(18) + S(kEquals) + Plain(x[1]) + S(kTimes) +
                                      Plain(m_tax.m_pTaxBusinessPlace->m_dTaxPerSquareMeter);
        return {area, taxable, tax};
    }

    CString Mortgage() const
    {
        return Money(m_calc.m_dMortgageLoanTotal) + S(kThousandYen) + S(kTimes) +
               Plain(m_tax.m_pTaxLicense->m_dMortgageRate) + S(kPercent);
    }

    // The fixed-asset or city-planning tax on the land for the construction months.
    CString LandHoldingTax(bool bCityPlan) const
    {
        const CObArray* pBase = bCityPlan ? m_calc.m_pCityPlanLandBaseArray : m_calc.m_pMunicipalLandBaseArray;
        const double rate = bCityPlan ? m_tax.m_pTaxCityPlan->m_dLandRate : m_tax.m_pTaxMunicipal->m_dLandRate;
        CString months;
        months.Format("%dヶ月÷12ヶ月", m_data.m_pDataOutline->nConstructMonths);
        return Times(Plain(FundValue(pBase)), rate) + S(kTimes) + months;
    }

private:
    static CString Plain(double v) { return PremisePlainNumber(v); }
    // "amount千円×rate%".
    static CString Times(const CString& strAmount, double dRate)
    {
        return strAmount + S(kThousandYen) + S(kTimes) + Plain(dRate) + S(kPercent);
    }
    static double FundValue(const CObArray* pSeries) { return SeriesMoney(pSeries, 0); }
    const CDataExpenseClass& Expense() const { return *m_data.m_pDataExpense; }
    const CDataExpenseMoneyClass& Other(int i) const { return m_data.m_pDataExpenseOther->m_aExpenseMoney[i]; }
    const CString& Comment(int i) const { return m_data.m_pDataRestOther->m_astrComment[i]; }

    // The ground rent during construction: the rent of the construction
    // months, by the tsubo of the leased land when entered so, at the set share.
    CString GroundRent() const
    {
        const tagDATACOSTITEM& rent = m_data.m_pDataCost->m_aCostItem[kGroundRentCost];
        const tagDATAOUTLINE& outline = *m_data.m_pDataOutline;
        CString months;
        CString content;
        // Any method other than a total reads the second amount, as the file stores it.
        if (rent.nInputMethod >= 1) {
            months.Format("%2d", outline.nConstructMonths);
            content = S(kOpen) + Plain(rent.adAmount[1]) + S(kPerTsubo) + S(kTimes) +
                      Figure(m_calc.FractionManage(outline.aLand[0].dLeasedLand)) + S(kTsubo) + S(kClose) +
                      S(kTimes) + months + "ヶ月";
        } else {
            months.Format("%d", outline.nConstructMonths);
            content = Plain(rent.adAmount[0]) + S(kThousandYen) + S(kTimes) + months + "ヶ月";
        }
        return content + S(kTimes) + Plain(m_data.m_pDataBasic->nLandRentConstructRatio) + "%";
    }

    CTavCalcClass& m_calc;
    const CDataClassObject& m_data;
    const CTaxClassObject& m_tax;
    int m_nMode;
};

} // namespace

BOOL CTavCalcClass::MakeExpenseMoneyData()
{
    if (!m_pResultClass) return FailCalc(CALC_UNEXPECTED_ERROR);
    CResultExpenseMoneyDataClass& page = m_pResultClass->m_objExpenseMoneyData;
    page.m_nFundReportMode = m_pDataClass->m_pDataBasic->nFundReportMode;
    page.DestroyData();
    page.CreateData();
    const CFundTexts t(*this);
    if (!t.IsComplete()) return FailCalc(CALC_UNEXPECTED_ERROR);
    const auto add = [&](const CString& item, const CString& content, const CString& money) {
        return AppendFundRow(*this, page, item, content, money);
    };

    // Left table: construction cost, fixed costs, free cost lines, consumption tax.
    if (!add(S(3), t.CostContent(), t.Figure(t.CostTotal()))) return FALSE;
    for (int k = 0; k < kFixedCosts; ++k)
        if (!add(S(kFixedCostIds[k]), t.FixedCostContent(k), t.Money(t.Shown(kFirstFixedEntry + k)))) return FALSE;
    for (int k = 0; k < kFreeLines; ++k) {
        const CDataExpenseMoneyClass& line = t.FreeLine(k);
        if (!add(line.m_strName, line.m_strComment, t.Money(t.Shown(kFirstFreeEntry + k)))) return FALSE;
    }
    BOOL bAdded;
    if (t.Mode() == kTaxNote)
        bAdded = add(t.TaxNote(), CString(), CString());
    else if (t.Mode() == kTaxApart)
        bAdded = add("消費税", t.TreatmentContent(), t.Figure(t.TaxTotal()));
    else
        bAdded = add(CString(), CString(), CString());
    if (!bAdded) return FALSE;

    // Right table: the taxes and charges of the construction period, and the total.
    if (!add(S(16), JoinLines(t.LandTaxLines(false)), t.Money(t.Value(kLandRegistrationEntry))) ||
        !add(S(19), JoinLines(t.LandTaxLines(true)), t.Money(t.Value(kLandAcquisitionEntry))) ||
        !add(S(17), t.BuildingRegistration(), t.Money(t.Value(kBuildingRegistrationEntry))) ||
        !add(S(20), JoinLines(t.BuildingAcquisitionLines()), t.Money(t.Value(kBuildingAcquisitionEntry))) ||
        !add(S(21), JoinLines(t.BusinessPlaceLines()), t.Money(t.Value(kBusinessPlaceEntry))) ||
        !add(S(25), t.Mortgage(), t.Money(t.Value(kMortgageEntry))) ||
        !add(S(22), t.LandHoldingTax(false), t.Money(SeriesMoney(m_pMunicipalLandTaxArray, 0))) ||
        !add(S(23), t.LandHoldingTax(true), t.Money(SeriesMoney(m_pCityPlanLandTaxArray, 0))) ||
        !add(S(24), CString(), t.Money(SeriesMoney(m_pLandPriceTaxArray, 0))) ||
        !add(S(15007), CString(), t.Money(t.Value(kTotalEntry))))
        return FALSE;
    return TRUE;
}

void CTavCalcClass::TextConst()
{
    const CFundTexts t(*this);
    const CString empty;
    TextLine(*this, {"建設所要資金"});
    TextLine(*this, {S(25000), S(25001), empty, S(25002)});

    // Construction cost, one line per depreciation item.
    TextLine(*this, {S(3), t.CostShare(0), t.CostAmount(0), t.Figure(t.CostTotal())});
    for (int i = 1; i < kCostItems - 1; ++i) TextLine(*this, {empty, t.CostShare(i), t.CostAmount(i)});
    TextLine(*this, {empty, t.CostShare(kCostItems - 1), t.CostAmount(kCostItems - 1), t.TsuboPrice()});

    for (int k = 0; k < kFixedCosts; ++k)
        TextLine(*this, {S(kFixedCostIds[k]), t.FixedCostContent(k), empty,
                              t.Money(t.Shown(kFirstFixedEntry + k))});

    // The free cost lines carry the consumption tax from their fifth cell on.
    for (int k = 0; k < kFreeLines; ++k) {
        const CDataExpenseMoneyClass& line = t.FreeLine(k);
        for (const CString& cell : {line.m_strName, line.m_strComment, empty, t.Money(t.Shown(kFirstFreeEntry + k)),
                                    k == 0 && t.Mode() > 0 ? CString("消費税") : empty})
            StringSet(cell);
        if (t.Mode() == kTaxNote && k == 2) StringSet("※金額には消費税が含まれています。");
        if (t.Mode() == kTaxNote && k == 3) StringSet("  消費税総額＝" + t.TaxTotalText());
        if (t.Mode() == kTaxApart && k < kTreatments) {
            StringSet(kTaxTreatments[k]);
            StringSet(t.Treatment(k));
            if (k == 0) StringSet(t.Figure(t.TaxTotal()));
        }
        TextWrite();
    }

    // The taxes of three lines each; a business-place tax not levied leaves its lines blank.
    const auto writeLines = [&](const CString& item, const std::vector<CString>& lines, double dAmount) {
        TextLine(*this, {item, lines.empty() ? empty : lines[0], empty, t.Money(dAmount)});
        for (size_t k = 1; k < 3; ++k) {
            if (lines.empty())
                TextWrite();
            else
                TextLine(*this, {empty, lines[k]});
        }
    };
    writeLines("登録免許税（土地）", t.LandTaxLines(false), t.Value(kLandRegistrationEntry));
    writeLines("不動産取得税（土地）", t.LandTaxLines(true), t.Value(kLandAcquisitionEntry));
    TextLine(*this, {"登録免許税（建物）", t.BuildingRegistration(), empty,
                          t.Money(t.Value(kBuildingRegistrationEntry))});
    writeLines("不動産取得税（建物）", t.BuildingAcquisitionLines(), t.Value(kBuildingAcquisitionEntry));
    writeLines(S(21), t.BusinessPlaceLines(), t.Value(kBusinessPlaceEntry));
    TextLine(*this, {S(25), t.Mortgage(), empty, t.Money(t.Value(kMortgageEntry))});
    TextLine(*this, {S(22), t.LandHoldingTax(false), empty, t.Money(SeriesMoney(m_pMunicipalLandTaxArray, 0))});
    TextLine(*this, {S(23), t.LandHoldingTax(true), empty, t.Money(SeriesMoney(m_pCityPlanLandTaxArray, 0))});
    TextLine(*this, {S(24), empty, empty, t.Money(SeriesMoney(m_pLandPriceTaxArray, 0))});
    TextLine(*this, {S(15007), empty, empty, t.Money(t.Value(kTotalEntry))});
}
