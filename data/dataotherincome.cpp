#include "data/dataotherincome.h"

CDataOtherIncomeClass::CDataOtherIncomeClass()
{
    InitData();
}

CDataOtherIncomeClass::~CDataOtherIncomeClass()
{
    DestroyData();
}

void CDataOtherIncomeClass::InitData()
{
    CDataClass::InitData();
    static_cast<tagDATAOTHERINCOME&>(*this) = tagDATAOTHERINCOME{};
    m_strName.Empty();
    m_nIndex = 0;
}

void CDataOtherIncomeClass::DestroyData()
{
    CDataClass::DestroyData();
    InitData();
}

CDataProRestOtherClass::CDataProRestOtherClass()
{
    InitData();
}

CDataProRestOtherClass::~CDataProRestOtherClass()
{
    DestroyData();
}

void CDataProRestOtherClass::InitData()
{
    CDataClass::InitData();
    for (int i = 0; i < kIncomeCount; ++i) m_aOtherIncome[i].m_nIndex = i;
    static_cast<tagDATAPRORESTOTHER&>(*this) = tagDATAPRORESTOTHER{};
}

void CDataProRestOtherClass::DestroyData()
{
    CDataClass::DestroyData();
    InitData();
}

CDataRestOtherMoneyClass::CDataRestOtherMoneyClass()
{
    InitData();
}

CDataRestOtherMoneyClass::~CDataRestOtherMoneyClass()
{
    DestroyData();
}

void CDataRestOtherMoneyClass::InitData()
{
    CDataClass::InitData();
    static_cast<tagDATARESTOTHERMONEY&>(*this) = tagDATARESTOTHERMONEY{};
    m_strName.Empty();
    m_nIndex = 0;
}

void CDataRestOtherMoneyClass::DestroyData()
{
    CDataClass::DestroyData();
    InitData();
}

CDataRestOtherClass::CDataRestOtherClass()
{
    InitData();
}

CDataRestOtherClass::~CDataRestOtherClass()
{
    DestroyData();
}

void CDataRestOtherClass::InitData()
{
    CDataClass::InitData();
    for (int i = 0; i < kMoneyCount; ++i) m_aRestOtherMoney[i].m_nIndex = i;
}

void CDataRestOtherClass::DestroyData()
{
    CDataClass::DestroyData();
    InitData();
}

BOOL CDataRestOtherClass::CheckIncome() const
{
    return HasPositiveLine(CDataRestOtherMoneyClass::kKindIncome);
}

BOOL CDataRestOtherClass::CheckSubTract() const
{
    return HasPositiveLine(CDataRestOtherMoneyClass::kKindSubTract);
}

BOOL CDataRestOtherClass::CheckExpense() const
{
    return HasPositiveLine(CDataRestOtherMoneyClass::kKindExpense);
}

BOOL CDataRestOtherClass::HasPositiveLine(int nKind) const
{
    for (const CDataRestOtherMoneyClass& line : m_aRestOtherMoney)
        if (line.nKind == nKind && line.dAmount > 0.0) return TRUE;
    return FALSE;
}
