// The holders of one project's record sets: project data, options and the
// tax-rate table. Each creates, owns and frees its records.
#pragma once

#include "data/databasic.h"
#include "data/dataconstruction.h"
#include "data/datacost.h"
#include "data/dataexpense.h"
#include "data/dataotherincome.h"
#include "data/dataoutline.h"
#include "data/datarentalbasic.h"
#include "data/datarentaltype.h"
#include "data/datasupply.h"
#include "data/datatax.h"
#include "option/optionbusiness.h"
#include "option/optionconsumption.h"
#include "option/optionmanage.h"
#include "tax/taxbusiness.h"
#include "tax/taxconsumption.h"
#include "tax/taxcorporation.h"
#include "tax/taxlandprice.h"
#include "tax/taxlicense.h"
#include "tax/taxmunicipal.h"
#include "tax/taxpersonal.h"
#include "tax/taxstandardmoney.h"

#include <vector>

class CClassObject {
public:
    virtual ~CClassObject() = default;
    virtual void InitData() {}
    virtual BOOL CreateData() { return FALSE; }
    virtual void DestroyData() {}
    virtual BOOL CreatePrintArray() { return FALSE; }
    virtual void DestroyPrintArray() {}
    virtual BOOL SetDataData() = 0;
    virtual void SetPrintFlag(int) {}
};

class CDataClassObject : public CClassObject {
public:
    static constexpr int kRentalCategories = 8;

    CDataClassObject() { InitData(); }
    ~CDataClassObject() override { DestroyData(); }
    CDataClassObject(const CDataClassObject&) = delete;
    CDataClassObject& operator=(const CDataClassObject&) = delete;

    void InitData() override;
    BOOL CreateData() override;
    void DestroyData() override;
    BOOL CreatePrintArray() override;
    void DestroyPrintArray() override;
    BOOL SetDataData() override;
    void SetPrintFlag(int nFlag) override;

    CDataBasicClass* m_pDataBasic;
    CDataOutlineClass* m_pDataOutline;
    CDataCostClass* m_pDataCost;
    CDataSupplyClass* m_pDataSupply;
    CDataRentalTypeClass* m_pDataRentalType;
    CDataRentalBasicClass* m_apDataRentalBasic[kRentalCategories];
    CDataProRestOtherClass* m_pDataProRestOther;
    CDataRestOtherClass* m_pDataRestOther;
    CDataTaxClass* m_pDataTax;
    CDataExpenseOtherClass* m_pDataExpenseOther;
    CDataExpenseClass* m_pDataExpense;

    // The records in the order the holder refreshes and flags them; null ones included.
    std::vector<CDataClass*> Records() const;
};

class COptionClassObject : public CClassObject {
public:
    COptionClassObject() { InitData(); }
    ~COptionClassObject() override { DestroyData(); }
    COptionClassObject(const COptionClassObject&) = delete;
    COptionClassObject& operator=(const COptionClassObject&) = delete;

    void InitData() override;
    BOOL CreateData() override;
    void DestroyData() override;
    BOOL CreatePrintArray() override;
    void DestroyPrintArray() override;
    BOOL SetDataData() override;

    COptionBusinessRateClass* m_pOptionBusinessRate;
    COptionExpenseManageClass* m_pOptionExpenseManage;
    COptionAdvanceClass* m_pOptionAdvance;
    COptionConsumptionCostClass* m_pOptionConsumptionCost;
    COptionConsumptionIncomeClass* m_pOptionConsumptionIncome;
    COptionOtherManageClass* m_pOptionOtherManage;
    COptionConsumptionExpenseClass* m_pOptionConsumptionExpense;

    // The records in pointer order.
    std::vector<COptionClass*> Records() const;
};

class CTaxClassObject : public CClassObject {
public:
    CTaxClassObject() { InitData(); }
    ~CTaxClassObject() override { DestroyData(); }
    CTaxClassObject(const CTaxClassObject&) = delete;
    CTaxClassObject& operator=(const CTaxClassObject&) = delete;

    void InitData() override;
    BOOL CreateData() override;
    void DestroyData() override;
    BOOL CreatePrintArray() override;
    void DestroyPrintArray() override;
    BOOL SetDataData() override;

    CTaxMunicipalClass* m_pTaxMunicipal;
    CTaxCityPlanClass* m_pTaxCityPlan;
    CTaxBusinessClass* m_pTaxBusiness;
    CTaxBusinessPlaceClass* m_pTaxBusinessPlace;
    CTaxDepreciationClass* m_pTaxDepreciation;
    CTaxConsumptionClass* m_pTaxConsumption;
    CTaxLandPriceClass* m_pTaxLandPrice;
    CTaxLicenseClass* m_pTaxLicense;
    CTaxRealtyGetClass* m_pTaxRealtyGet;
    CTaxCorporationClass* m_pTaxCorporation;
    CTaxPrefecturalClass* m_pTaxPrefectural;
    CTaxVillageClass* m_pTaxVillage;
    CTaxIncomeClass* m_pTaxIncome;
    CTaxResidentCorporationClass* m_pTaxResidentCorporation;
    CTaxTransferClass* m_pTaxTransfer;
    CTaxStandardMoneyClass* m_pTaxStandardMoney;

    // The records in pointer order.
    std::vector<CTaxClass*> Records() const;
};
