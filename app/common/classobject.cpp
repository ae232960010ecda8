#include "app/common/classobject.h"

#include <new>

namespace {

// Allocates one record into its pointer; FALSE when memory runs out.
template <class T>
BOOL Create(T*& p)
{
    p = new (std::nothrow) T;
    return p != nullptr;
}

} // namespace

// Data holder.

std::vector<CDataClass*> CDataClassObject::Records() const
{
    std::vector<CDataClass*> records{m_pDataBasic, m_pDataOutline, m_pDataSupply, m_pDataRentalType,
                                     m_pDataProRestOther, m_pDataRestOther, m_pDataTax, m_pDataExpenseOther,
                                     m_pDataExpense, m_pDataCost};
    records.insert(records.end(), std::begin(m_apDataRentalBasic), std::end(m_apDataRentalBasic));
    return records;
}

void CDataClassObject::InitData()
{
    m_pDataBasic = nullptr;
    m_pDataOutline = nullptr;
    m_pDataCost = nullptr;
    m_pDataSupply = nullptr;
    m_pDataRentalType = nullptr;
    for (auto& p : m_apDataRentalBasic) p = nullptr;
    m_pDataProRestOther = nullptr;
    m_pDataRestOther = nullptr;
    m_pDataTax = nullptr;
    m_pDataExpenseOther = nullptr;
    m_pDataExpense = nullptr;
}

BOOL CDataClassObject::CreateData()
{
    if (!Create(m_pDataBasic) || !Create(m_pDataOutline) || !Create(m_pDataSupply) || !Create(m_pDataRentalType) ||
        !Create(m_pDataProRestOther) || !Create(m_pDataRestOther) || !Create(m_pDataTax) ||
        !Create(m_pDataExpenseOther) || !Create(m_pDataExpense) || !Create(m_pDataCost))
        return FALSE;
    for (auto& p : m_apDataRentalBasic)
        if (!Create(p)) return FALSE;
    return CreatePrintArray();
}

void CDataClassObject::DestroyData()
{
    DestroyPrintArray();
    // Records are deleted through their base, whose destructor is virtual.
    for (CDataClass* p : Records()) delete p;
    InitData();
}

BOOL CDataClassObject::CreatePrintArray()
{
    for (CDataClass* p : Records()) p->CreatePrintArray(1);
    return SetDataData();
}

void CDataClassObject::DestroyPrintArray()
{
    for (CDataClass* p : Records())
        if (p) p->DestroyPrintArray();
}

BOOL CDataClassObject::SetDataData()
{
    BOOL ok = TRUE;
    for (CDataClass* p : Records()) ok = p && p->SetDataData(0) && ok;
    return ok;
}

void CDataClassObject::SetPrintFlag(int nFlag)
{
    for (CDataClass* p : Records())
        if (p) p->SetPrintFlag(4, nFlag);
}

// Option holder.

std::vector<COptionClass*> COptionClassObject::Records() const
{
    return {m_pOptionBusinessRate, m_pOptionExpenseManage, m_pOptionAdvance, m_pOptionConsumptionCost,
            m_pOptionConsumptionIncome, m_pOptionOtherManage, m_pOptionConsumptionExpense};
}

void COptionClassObject::InitData()
{
    m_pOptionBusinessRate = nullptr;
    m_pOptionExpenseManage = nullptr;
    m_pOptionAdvance = nullptr;
    m_pOptionConsumptionCost = nullptr;
    m_pOptionConsumptionIncome = nullptr;
    m_pOptionOtherManage = nullptr;
    m_pOptionConsumptionExpense = nullptr;
}

BOOL COptionClassObject::CreateData()
{
    if (!Create(m_pOptionBusinessRate) || !Create(m_pOptionExpenseManage) || !Create(m_pOptionAdvance) ||
        !Create(m_pOptionConsumptionCost) || !Create(m_pOptionConsumptionIncome) ||
        !Create(m_pOptionOtherManage) || !Create(m_pOptionConsumptionExpense))
        return FALSE;
    return CreatePrintArray();
}

void COptionClassObject::DestroyData()
{
    DestroyPrintArray();
    // Records are deleted through their base, whose destructor is virtual.
    for (COptionClass* p : Records()) delete p;
    InitData();
}

BOOL COptionClassObject::CreatePrintArray()
{
    for (COptionClass* p : Records()) p->CreatePrintArray(1);
    return SetDataData();
}

void COptionClassObject::DestroyPrintArray()
{
    for (COptionClass* p : Records())
        if (p) p->DestroyPrintArray();
}

BOOL COptionClassObject::SetDataData()
{
    BOOL ok = TRUE;
    COptionClass* const records[] = {m_pOptionBusinessRate,     m_pOptionAdvance,     m_pOptionConsumptionCost,
                                     m_pOptionConsumptionIncome, m_pOptionOtherManage, m_pOptionConsumptionExpense};
    for (COptionClass* p : records) ok = p && p->SetDataData(0) && ok;
    for (int nPage = 15; nPage <= 23; ++nPage) ok = m_pOptionExpenseManage && m_pOptionExpenseManage->SetDataData(nPage) && ok;
    return ok;
}

// Tax-rate holder.

std::vector<CTaxClass*> CTaxClassObject::Records() const
{
    return {m_pTaxMunicipal, m_pTaxCityPlan,   m_pTaxBusiness,  m_pTaxBusinessPlace,       m_pTaxDepreciation,
            m_pTaxConsumption, m_pTaxLandPrice, m_pTaxLicense, m_pTaxRealtyGet,          m_pTaxCorporation,
            m_pTaxPrefectural, m_pTaxVillage,   m_pTaxIncome,  m_pTaxResidentCorporation, m_pTaxTransfer,
            m_pTaxStandardMoney};
}

void CTaxClassObject::InitData()
{
    m_pTaxMunicipal = nullptr;
    m_pTaxCityPlan = nullptr;
    m_pTaxBusiness = nullptr;
    m_pTaxBusinessPlace = nullptr;
    m_pTaxDepreciation = nullptr;
    m_pTaxConsumption = nullptr;
    m_pTaxLandPrice = nullptr;
    m_pTaxLicense = nullptr;
    m_pTaxRealtyGet = nullptr;
    m_pTaxCorporation = nullptr;
    m_pTaxPrefectural = nullptr;
    m_pTaxVillage = nullptr;
    m_pTaxIncome = nullptr;
    m_pTaxResidentCorporation = nullptr;
    m_pTaxTransfer = nullptr;
    m_pTaxStandardMoney = nullptr;
}

BOOL CTaxClassObject::CreateData()
{
    if (!Create(m_pTaxMunicipal) || !Create(m_pTaxCityPlan) || !Create(m_pTaxBusiness) ||
        !Create(m_pTaxBusinessPlace) || !Create(m_pTaxDepreciation) || !Create(m_pTaxConsumption) ||
        !Create(m_pTaxLandPrice) || !Create(m_pTaxLicense) || !Create(m_pTaxRealtyGet) ||
        !Create(m_pTaxCorporation) || !Create(m_pTaxPrefectural) || !Create(m_pTaxVillage) ||
        !Create(m_pTaxIncome) || !Create(m_pTaxResidentCorporation) || !Create(m_pTaxTransfer) ||
        !Create(m_pTaxStandardMoney))
        return FALSE;
    return CreatePrintArray();
}

void CTaxClassObject::DestroyData()
{
    DestroyPrintArray();
    // Records are deleted through their base, whose destructor is virtual.
    for (CTaxClass* p : Records()) delete p;
    InitData();
}

BOOL CTaxClassObject::CreatePrintArray()
{
    for (CTaxClass* p : Records()) p->CreatePrintArray(1);
    return SetDataData();
}

void CTaxClassObject::DestroyPrintArray()
{
    for (CTaxClass* p : Records())
        if (p) p->DestroyPrintArray();
}

BOOL CTaxClassObject::SetDataData()
{
    BOOL ok = TRUE;
    for (CTaxClass* p : Records()) ok = p && p->SetDataData(0) && ok;
    return ok;
}
