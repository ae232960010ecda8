// One calculation year's balance: index 0 the construction period, 1 to N
// the operating years. Amounts in thousand yen.
#pragma once

#include "result/pages/resultobject.h"

// The fields, in order; all start at 0.0.
struct tagYEARBALANCE {
    double m_aadRentalIncome[6][8];   // kinds: rent, key money, common charges, renewal fees, kept deposits, kept guarantee money
    double m_dInterestIncome;
    double m_adOtherIncome[6];
    double m_adFurtherIncome[17];
    double m_dLossCarry;
    double m_dLossCarryTotal;
    double m_dPlanIncomeTotal;
    double m_dIncomeTotal;
    double m_dLandFixedAssetTax;
    double m_dBuildFixedAssetTax;
    double m_dLandCityPlanTax;
    double m_dBuildCityPlanTax;
    double m_dPrevBusinessTax;
    double m_dConsumptionTaxPaid;
    double m_dLandPriceTax;
    double m_dManageCost;
    double m_dGroundRent;
    double m_dRepairCost;
    double m_dFireInsurance;
    double m_adOtherExpense[6];
    double m_adSecurityInterest[8];
    double m_adLoanInterest[9];       // loans 1 to 8, [8] the automatic loan
    double m_dShortLoanInterest;
    double m_adConstructExpense[6];
    double m_adFurtherExpense[11];
    double m_dPlanExpenseTotal;
    double m_dLoanInterestPaid;
    double m_dLandLoanInterest;
    double m_dExpenseTotal;
    double m_adDepreciation[6];
    double m_adBookValue[6];
    double m_dStartupAmortization;
    double m_dDepreciationTotal;
    double m_dStartupBookValue;
    double m_dProfitBeforeDepreciation;
    double m_dProfitAfterDepreciation;
    double m_dProfitAfterTax;
    double m_dProfitAfterTaxTotal;
    double m_adOutsideIncome[8];
    double m_adIncomeDeduction[8];
    double m_adOutsideExpense[8];
    double m_dNonBusinessCost;
    double m_dPlanOutsideIncome;
    double m_dIncomeDeduction;
    double m_dPlanOutsideExpense;
    double m_dOutsideExpense;
    double m_adLoanRepay[9];
    double m_dShortLoan;              // negative: borrowed, positive: repaid
    double m_adLoanBalance[9];
    double m_dShortLoanBalance;
    double m_aadDeposit[8][2];        // received, returned
    double m_aadSecurity[8][2];
    double m_adAdvanceDeposit[8];
    double m_adAdvanceSecurity[8];
    double m_dSalesConsumptionTax;
    double m_dPurchaseConsumptionTax;
    double m_dIncomeBeforeLoss;
    double m_dTaxableAmount;
    double m_dBusinessTaxIncome;
    double m_dBusinessTaxValueAdded;
    double m_dBusinessTaxCapital;
    double m_dBusinessTax;
    double m_dIncomeTax;
    double m_dPrefecturalTax;
    double m_dMunicipalTax;
    double m_dRetainedEarnings;
    double m_dSurplus;
    double m_dCashOnHand;
    double m_dYield;
    double m_dAddMyMoney;
    // Summary block.
    double m_dRent;
    double m_dCommonCharge;
    double m_dKeyMoney;
    double m_dRenewalFee;
    double m_dDepositAmortization;
    double m_dSecurityAmortization;
    double m_dPublicDues;
    double m_dOtherIncome;
    double m_dSecurityInterest;
    double m_dLoanInterestTotal;
    double m_dOtherExpense;
    double m_dOtherDepreciation;
    double m_dTax;
    double m_dOutsideIncome;
    double m_dLoanRepayTotal;
    double m_dDepositIncome;
    double m_dDepositRepay;
    double m_dSecurityIncome;
    double m_dSecurityRepay;
    double m_dLoanBalanceTotal;
    double m_dDepositBalance;
    double m_dSecurityBalance;
};

class CYearBalanceClass : public CResultObjectClass, public tagYEARBALANCE {
public:
    CYearBalanceClass() { InitData(); }
    ~CYearBalanceClass() override { InitData(); }

    void InitData() { static_cast<tagYEARBALANCE&>(*this) = tagYEARBALANCE{}; }
    BOOL IsFinite() const override;
    void CalcIncomeTotal();
    void CalcExpenseTotal();
    void CalcDepreciationTotal();
    void CalcOutsideTotal();
    void CalcOutsideExpense();
    void CalcProfitAfterTax();
    void CalcRetainedEarnings();
    void CalcSummary();
};
