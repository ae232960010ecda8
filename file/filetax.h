// The tax-rate file worker: saves the tax-rate records of a holder to a .TAX
// file and loads such a file into them.
#pragma once

#include <array>

#include "file/fileclass.h"
#include "file/filefield.h"
#include "platform/cstring.h"

class CTaxClassObject;
class CProjectStream;

class CFileTaxClass : public CFileClass {
public:
    // Steps 0 to 23 convert the records and the image.
    static constexpr int kLastStep = 23;
    // Bytes of a file this writer produces.
    static constexpr int kFileSize = 15632;

    CFileTaxClass();
    ~CFileTaxClass() override;
    CFileTaxClass(const CFileTaxClass&) = delete;
    CFileTaxClass& operator=(const CFileTaxClass&) = delete;

    void InitData() override;
    BOOL CreateData() override { return TRUE; }
    void DestroyData() override;

    // Loading replaces the records only when the whole file was read and
    // every record is present; otherwise they stay as they were.
    BOOL ReadTax(CString strPath, CTaxClassObject* pTax);
    BOOL ReadTax(CString strPath);
    BOOL ReadTax();
    // Saves through a temporary file, so a failure keeps the old file.
    BOOL WriteTax(CString strPath, CTaxClassObject* pTax);
    BOOL WriteTax(CString strPath);
    BOOL WriteTax();

    void SetFileName(CString str) { m_strFileName = str; }
    CString GetFileName() { return m_strFileName; }
    void SetTaxClassObject(CTaxClassObject* p) { m_pTaxClassObject = p; }
    CTaxClassObject* GetTaxClassObject() { return m_pTaxClassObject; }

    BOOL ConvertClassToFile(int nStep);
    BOOL ConvertFileToClass(int nStep);

    BOOL CreateBusinessBurdenLevel();
    BOOL CreateHouseBurdenLevel();
    // Both business runs; the capital run always has its three default rows.
    BOOL CreateBusinessCorporation();
    BOOL CreateLandPriceCorporation();
    BOOL CreateCorporation();
    BOOL CreatePrefectural();
    BOOL CreateVillage();
    BOOL CreateIncome();

    CTaxClassObject* m_pTaxClassObject;
    CString m_strFileName;

    BYTE m_abyHeader[384];
    BYTE m_abyMunicipal[180];
    BYTE m_abyCityPlan[156];
    BYTE m_abyStandard[180];
    CFileArray m_pStandardBusiness, m_pStandardHouse;
    BYTE m_abyBusiness[144];
    CFileArray m_pBusinessItem, m_pBusinessCapital;
    BYTE m_abyBusinessPlace[148];
    BYTE m_abyDepreciation[156];
    BYTE m_abyConsumption[156];
    BYTE m_abyLandPrice[144];
    CFileArray m_pLandPriceItem;
    BYTE m_abyLicense[156];
    BYTE m_abyRealtyGet[172];
    BYTE m_abyCorporation[128];
    CFileArray m_pCorporationItem;
    BYTE m_abyPrefectural[136];
    CFileArray m_pPrefecturalItem;
    BYTE m_abyVillage[136];
    CFileArray m_pVillageItem;
    BYTE m_abyIncome[128];
    CFileArray m_pIncomeItem;
    BYTE m_abyTransfer[132];

private:
    using CreateFn = BOOL (CFileTaxClass::*)();

    std::array<CFileArray*, 9> Arrays();
    void FreeArrays();
    // A run of nCount rows of nSize bytes; FALSE when nCount is negative or
    // above nCapacity, the rows the record's table holds.
    BOOL CreateRows(CFileArray& a, int nCount, int nCapacity, int nSize);
    // Items 2 to 25 after the header, read or written; FALSE on a short or
    // damaged file.
    BOOL TransferImage(CProjectStream& s, bool bOld);
    BOOL TransferRows(CProjectStream& s, CFileArray& a, CreateFn pfnCreate, int nSize, int nDiskSize);
    bool HasRecords() const;
    // Writing allocates the run for the count its block holds; reading
    // needs the run read from the file.
    BOOL Rows(bool bStoring, CFileArray& a, CreateFn pfnCreate);
    BOOL Convert(int nStep, bool bStoring);

    BOOL Municipal(bool bStoring);
    BOOL CityPlan(bool bStoring);
    BOOL Standard(bool bStoring);
    BOOL StandardRows(bool bStoring, bool bHouse);
    BOOL Business(bool bStoring);
    BOOL BusinessItem(bool bStoring);
    BOOL BusinessPlace(bool bStoring);
    BOOL Depreciation(bool bStoring);
    BOOL Consumption(bool bStoring);
    BOOL LandPrice(bool bStoring);
    BOOL LandPriceItem(bool bStoring);
    BOOL License(bool bStoring);
    BOOL RealtyGet(bool bStoring);
    BOOL Corporation(bool bStoring);
    BOOL CorporationItem(bool bStoring);
    BOOL Prefectural(bool bStoring);
    BOOL PrefecturalItem(bool bStoring);
    BOOL Village(bool bStoring);
    BOOL VillageItem(bool bStoring);
    BOOL Income(bool bStoring);
    BOOL IncomeItem(bool bStoring);
    BOOL Transfer(bool bStoring);
};
