#include "data/datasupply.h"

CDataSupplyClass::CDataSupplyClass()
{
    InitData();
}

CDataSupplyClass::~CDataSupplyClass()
{
    DestroyData();
}

void CDataSupplyClass::InitData()
{
    CDataClass::InitData();
    m_objFund = tagDATAFUND{};
    m_objShortLoan = tagDATASHORTLOAN{};
    m_nAutoLoan = 0;
    m_nLandPurchaseLoan = 0;
}

void CDataSupplyClass::DestroyData()
{
    CDataClass::DestroyData();
    InitData();
}
