// Rental units by type: up to twenty rental lines, each in one of the eight
// rental categories, and the names of the categories.
#pragma once

#include "data/dataclass.h"

// One rental line. Held in an object array through its CObject part;
// deleting it through that part destroys the whole line.
class CDataRentalTermClass : public CDataClass, public CObject {
public:
    enum { kMethodTotal, kMethodDwelling, kMethodTsubo, kMethodCar }; // m_nInputMethod

    CDataRentalTermClass();
    CDataRentalTermClass(const CDataRentalTermClass&) = delete;
    CDataRentalTermClass& operator=(const CDataRentalTermClass&) = delete;
    ~CDataRentalTermClass() override;

    void InitData() override;
    void DestroyData() override;
    void ReportDraw(CDC* pDC) override;
    BOOL SetFramePoint(int nPage) override;
    BOOL SetWLinePoint(int nPage) override;
    BOOL SetHLinePoint(int nPage) override;
    BOOL SetItemPoint(int nPage) override;
    BOOL SetItemData(int nPage) override;
    BOOL SetSubItemPoint(int nPage) override;
    BOOL SetSubItemData(int nPage) override;
    BOOL SetDataPoint(int nPage) override;
    // Writes the line's values, numbered n.
    BOOL SetDataData(int n) override;
    // One page; the line never draws its title.
    void CreatePrintArray(int nPages) override;

    int m_nCategory;      // rental category 0 to 7; -1 line not in use
    CString m_strName;
    int m_nInputMethod;   // 0 total, 1 per dwelling, 2 per tsubo, 3 per car
    double m_dCount;      // dwellings, tsubo or cars by m_nInputMethod
    double m_dRent;       // monthly, thousand yen
    double m_dCommonFee;  // monthly, thousand yen
    double m_dKeyMoney;   // thousand yen
    double m_dDeposit;    // thousand yen
    double m_dSecurity;   // thousand yen
    double m_dRenewalFee; // thousand yen
};

// The project's rental lines and category names. The record owns its line
// array; a copy gets lines of its own.
class CDataRentalTypeClass : public CDataClass {
public:
    static constexpr int kTermCount = 20;
    static constexpr int kCategoryCount = 8;
    static constexpr int kTermsPerPage = 4;
    static constexpr int kSheetPages = kTermCount / kTermsPerPage;

    CDataRentalTypeClass();
    CDataRentalTypeClass(const CDataRentalTypeClass& other);
    CDataRentalTypeClass& operator=(const CDataRentalTypeClass& other);
    ~CDataRentalTypeClass() override;

    // Empties the names and frees the lines.
    void InitData() override;
    // Twenty new lines in place of any the record had.
    void CreateData() override;
    void DestroyData() override;
    // Page 1 to 5: lines 4p-3 to 4p with the category names, then the note.
    void ReportDraw(CDC* pDC) override;
    BOOL SetSubItemPoint(int nPage) override;
    BOOL SetSubItemData(int nPage) override;
    BOOL SetDataPoint(int nPage) override;
    // Numbers the lines and writes the category names.
    BOOL SetDataData(int nPage) override;
    void CreatePrintArray(int nPages) override;
    void DestroyPrintArray() override;

    // Line i (0 to 19), or null.
    CDataRentalTermClass* GetTerm(int i) const;

    CPrintItemArray* m_pTermArray = nullptr;
    CString m_astrName[kCategoryCount];

private:
    void DeleteTerms();
    // Gives this record a copy of each of the other's lines, reusing its own.
    void CopyTerms(const CDataRentalTypeClass& other);
};
