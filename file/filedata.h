// The project-file worker: lends the record holders of one project, keeps an
// image of the file in memory and reads or writes .PRJ and .ETD files.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "file/fileclass.h"
#include "file/filefield.h"
#include "platform/cstring.h"

class CDataClassObject;
class COptionClassObject;
class CDataRateClass;
class CDataLoanClass;
class CDataRentalBasicClass;
class COptionConsumptionIncomeClass;
class CProjectStream;
struct tabPROJECT;

class CFileDataClass : public CFileClass {
public:
    enum { kKindProject = 100, kKindTemplate = 101 };
    static constexpr int kCurrentVersion = 7;
    // Steps 0 to 73 convert the records and the image.
    static constexpr int kLastStep = 73;

    CFileDataClass();
    ~CFileDataClass() override;
    CFileDataClass(const CFileDataClass&) = delete;
    CFileDataClass& operator=(const CFileDataClass&) = delete;

    void InitData() override;
    BOOL CreateData() override { return TRUE; }
    void DestroyData() override;

    void SetDataClassObject(CDataClassObject* p) { m_pDataClassObject = p; }
    CDataClassObject* GetDataClassObject() { return m_pDataClassObject; }
    void SetOptionClassObject(COptionClassObject* p) { m_pOptionClassObject = p; }
    COptionClassObject* GetOptionClassObject() { return m_pOptionClassObject; }
    void SetFileName(CString str) { m_strFileName = str; }
    CString GetFileName() { return m_strFileName; }

    // Saves through a temporary file in the same folder, so a failure leaves
    // an existing file as it was.
    BOOL WriteProject(short nKind, CString strPath, CDataClassObject* pData, COptionClassObject* pOption);
    BOOL WriteProject(short nKind, CString strPath);
    BOOL WriteProject(short nKind);
    BOOL ReadProject(CString strPath, CDataClassObject* pData, COptionClassObject* pOption);
    BOOL ReadProject(CString strPath);
    BOOL ReadProject();

    BOOL ConvertClassToFile(int nStep);
    BOOL ConvertFileToClass(int nStep);

    // A project of the 16-bit era: the file named by the object, converted
    // into the holders' records, which should be freshly constructed.
    BOOL ReadProject16();
    // Step 0 to 14 of moving a 16-bit project into the records; other steps
    // do nothing. FALSE when a record is missing.
    BOOL ConvertTav16FileToClass(int nStep, tabPROJECT* pProject);
    BOOL Tav16Basic(tabPROJECT* pProject);
    BOOL Tav16Outline(tabPROJECT* pProject);
    BOOL Tav16Expense(tabPROJECT* pProject);
    BOOL Tav16ExpenseOther(tabPROJECT* pProject);
    BOOL Tav16Tax(tabPROJECT* pProject);
    BOOL Tav16Supply(tabPROJECT* pProject);
    BOOL Tav16Cost(tabPROJECT* pProject);
    BOOL Tav16Type(tabPROJECT* pProject);
    BOOL Tav16Rental(tabPROJECT* pProject);
    BOOL Tav16ProOther(tabPROJECT* pProject);
    BOOL Tav16Manage(tabPROJECT* pProject);
    BOOL Tav16Business(tabPROJECT* pProject);
    BOOL Tav16OtherManage(tabPROJECT* pProject);
    BOOL Tav16String(tabPROJECT* pProject);
    BOOL Tav16Add(tabPROJECT* pProject);
    // The default item names of the data and option records.
    void InitString();
    // Every record of both holders exists.
    bool HasAllRecords() const;

    // The version of the last file read (2 to 7), 0 before.
    int GetVersion() const { return m_nVersion; }

    CDataClassObject* m_pDataClassObject;
    COptionClassObject* m_pOptionClassObject;
    CString m_strFileName;

    BYTE m_fileHeader[314];
    BYTE m_fileBasic[2320];
    BYTE m_fileBasicV700[1040];
    BYTE m_fileBasic97[400];
    BYTE m_fileOutline[128];
    BYTE m_fileExpense[84];
    CFileArray m_pFileDepreciation, m_pFileCapitalpay;
    BYTE m_fileExpenseOther[48];
    CFileArray m_pFileExpenseOtherMoney;
    BYTE m_fileTax[248];
    CFileArray m_pFileAppraisedLand, m_pFileAppraisedBuild, m_pFileBusiness, m_pFileLand;
    BYTE m_fileSupply[88];
    CFileArray m_pFileLoan, m_pFileLoanInterest;
    BYTE m_fileCost[48];
    CFileArray m_pFileCostItem, m_pFileCostItemRate;
    BYTE m_fileRentalBasic[8];
    CFileArray m_pFileRentalBasicItem;
    CFileArray m_pFileRentalBasicChange, m_pFileRentalBasicLive, m_pFileRentalBasicRent;
    CFileArray m_pFileRentalBasicSecurity, m_pFileRentalBasicSecurityInterest;
    BYTE m_fileRentalType[48];
    CFileArray m_pFileRentalTypeItem;
    BYTE m_fileProRestOther[64];
    CFileArray m_pFileProRestOtherItem, m_pFileProRestOtherItemRate;
    BYTE m_fileRestOther[48];
    CFileArray m_pFileRestOtherItem, m_pFileRestOtherItemRate;
    BYTE m_fileBusinessRate[48], m_fileExpenseConsumption[48], m_fileExpenseManage[48], m_fileAdvance[48],
        m_fileCostConsumption[48];
    CFileArray m_pFileBusinessRateItem, m_pFileExpenseConsumptionItem, m_pFileExpenseManageItem, m_pFileAdvanceItem,
        m_pFileCostConsumptionItem;
    BYTE m_fileIncomeConsumption[36];
    CFileArray m_pFileRentalConsumption, m_pFileOtherIncomeConsumption, m_pFileSurplusConsumption;
    CFileArray m_pFileRentalConsumptionItem, m_pFileOtherIncomeConsumptionItem, m_pFileSurplusConsumptionItem;
    BYTE m_fileOtherManage[136];
    CFileArray m_pFileRepayDivide;
    BYTE m_fileNameDepreciation[8], m_fileNameExpenseOther[8], m_fileNameLoan[8], m_fileNameCost[8],
        m_fileNameRental[8], m_fileNameOtherIncome[8], m_fileNameRestOther[8];
    CFileArray m_pFileNameDepreciationItem, m_pFileNameExpenseOtherItem, m_pFileNameLoanItem, m_pFileNameCostItem,
        m_pFileNameRentalItem, m_pFileNameOtherIncomeItem, m_pFileNameRestOtherItem;
    CFileArray m_pFileNameExpenseOtherText;
    CFileArray m_pFileNameRestOtherText;

protected:
    using CreateFn = BOOL (CFileDataClass::*)();

    BOOL CreateDepreciation();
    BOOL CreateCapitalpay();
    BOOL CreateExpenseOtherMoney();
    BOOL CreateAppraisedLand();
    BOOL CreateAppraisedBuild();
    BOOL CreateLand();
    BOOL CreateBusiness();
    BOOL CreateLoan();
    BOOL CreateLoanInterest();
    BOOL CreateCost();
    BOOL CreateCostRate();
    BOOL CreateRentalBasic();
    BOOL CreateRentalBasicChange();
    BOOL CreateRentalBasicLive();
    BOOL CreateRentalBasicRent();
    BOOL CreateRentalBasicSecurity();
    BOOL CreateRentalBasicSecurityInterest();
    BOOL CreateRentalType();
    BOOL CreateProRestOther();
    BOOL CreateProRestOtherRate();
    BOOL CreateRestOther();
    BOOL CreateRestOtherRate();
    BOOL CreateBusinessRate();
    BOOL CreateExpenseConsume();
    BOOL CreateExpenseManage();
    BOOL CreateAddvance();
    BOOL CreateCostConsume();
    BOOL CreateRentalConsume();
    BOOL CreateRentalConsumeItem();
    BOOL CreateOtherIncomeConsume();
    BOOL CreateOtherIncomeConsumeItem();
    BOOL CreateSurplusConsume();
    BOOL CreateSurplusConsumeItem();
    BOOL CreateRepayDivide();
    BOOL CreateNameDepreciation();
    BOOL CreateNameExpenseOther();
    BOOL CreateNameLoan();
    BOOL CreateNameCost();
    BOOL CreateNameRental();
    BOOL CreateNameOtherIncome();
    BOOL CreateNameRestOther();

    // Frees a, then allocates nCount zeroed records of nSize bytes; a count
    // below 1 gives an empty array. FALSE when the allocation fails or is
    // larger than the reader allows.
    BOOL CreateArray(CFileArray& a, long long nCount, int nSize, int nPerParent = -1);
    // Children of every record of parents, nChildOffset giving each parent's
    // child count; FALSE when the parents disagree.
    BOOL CreateChildren(CFileArray& a, const CFileArray& parents, int nParentSize, int nChildOffset, int nSize);

private:
    static constexpr int kRestOtherTexts = 5;
    static constexpr int kNamedCostLines = 8;

    BOOL NoArray() { return TRUE; }
    CDataRentalBasicClass* RentalBasicRecord(int i) const;
    bool HasRentalBasics() const;
    BOOL RentalSchedules(CFileArray& a, CreateFn pfnCreate, int nRate, bool bStoring);

    std::vector<std::pair<BYTE*, size_t>> FixedBlocks();
    std::vector<CFileArray*> Arrays();
    void FreeArrays();
    BOOL SaveImage();
    // Every block after the header in file order, read or written.
    BOOL TransferImage(CProjectStream& s);
    BOOL TransferBasic(CProjectStream& s);
    void UpgradeTax(int nVersion);
    BOOL TransferList(CProjectStream& s, CFileArray& a, CreateFn pfnCreate, int nSize, int nPad);
    BOOL TransferRentalTypes(CProjectStream& s);
    BOOL TransferName(CProjectStream& s, BYTE* pEntry);
    BOOL TransferNameList(CProjectStream& s, BYTE* pHeader, CFileArray& a, CreateFn pfnCreate);
    BOOL TransferCostNames(CProjectStream& s);
    BOOL TransferTexts(CProjectStream& s, CFileArray& a);
    BOOL Convert(int nStep, bool bStoring);

    // One exchange per conversion step, in both directions.
    BOOL Basic(bool bStoring);
    BOOL Outline(bool bStoring);
    BOOL Expense(bool bStoring);
    BOOL Depreciation(bool bStoring);
    BOOL Capitalpay(bool bStoring);
    BOOL ExpenseOther(bool bStoring);
    BOOL ExpenseOtherMoney(bool bStoring);
    BOOL Tax(bool bStoring);
    BOOL AppraisedLand(bool bStoring);
    BOOL AppraisedBuild(bool bStoring);
    BOOL Business(bool bStoring);
    BOOL Land(bool bStoring);
    BOOL Supply(bool bStoring);
    BOOL Loan(bool bStoring);
    BOOL LoanInterest(bool bStoring);
    BOOL Cost(bool bStoring);
    BOOL CostItem(bool bStoring);
    BOOL CostItemRate(bool bStoring);
    BOOL RentalBasic(bool bStoring);
    BOOL RentalBasicItem(bool bStoring);
    BOOL RentalBasicItemChange(bool bStoring);
    BOOL RentalBasicItemLive(bool bStoring);
    BOOL RentalBasicItemRent(bool bStoring);
    BOOL RentalBasicItemSecurity(bool bStoring);
    BOOL RentalBasicItemSecurityInterest(bool bStoring);
    BOOL RentalType(bool bStoring);
    BOOL RentalTypeItem(bool bStoring);
    BOOL ProRestOther(bool bStoring);
    BOOL ProRestOtherItem(bool bStoring);
    BOOL ProRestOtherItemRate(bool bStoring);
    BOOL RestOther(bool bStoring);
    BOOL RestOtherItem(bool bStoring);
    BOOL RestOtherItemRate(bool bStoring);
    BOOL NameDepreciation(bool bStoring);
    BOOL NameDepreciationItem(bool bStoring);
    BOOL NameExpenseOther(bool bStoring);
    BOOL NameExpenseOtherItem(bool bStoring);
    BOOL NameLoan(bool bStoring);
    BOOL NameLoanItem(bool bStoring);
    BOOL NameCost(bool bStoring);
    BOOL NameCostItem(bool bStoring);
    BOOL NameRental(bool bStoring);
    BOOL NameRentalItem(bool bStoring);
    BOOL NameOtherIncome(bool bStoring);
    BOOL NameOtherIncomeItem(bool bStoring);
    BOOL NameRestOther(bool bStoring);
    BOOL NameRestOtherItem(bool bStoring);

    BOOL BusinessRate(bool bStoring);
    BOOL BusinessRateItem(bool bStoring);
    BOOL ExpenseConsumption(bool bStoring);
    BOOL ExpenseConsumptionItem(bool bStoring);
    BOOL ExpenseManage(bool bStoring);
    BOOL ExpenseManageItem(bool bStoring);
    BOOL Advance(bool bStoring);
    BOOL AdvanceItem(bool bStoring);
    BOOL CostConsumption(bool bStoring);
    BOOL CostConsumptionItem(bool bStoring);
    BOOL IncomeConsumption(bool bStoring);
    BOOL RentalConsumption(bool bStoring);
    BOOL RentalConsumptionItem(bool bStoring);
    BOOL OtherIncomeConsumption(bool bStoring);
    BOOL OtherIncomeConsumptionItem(bool bStoring);
    BOOL SurplusConsumption(bool bStoring);
    BOOL SurplusConsumptionItem(bool bStoring);
    BOOL OtherManage(bool bStoring);
    BOOL RepayDivide(bool bStoring);

    // Helpers shared by the exchanges.
    using RowFn = std::function<void(CBlockExchange&, int)>;
    // A 48-byte list block holding nCount at 4.
    BOOL ListBlock(BYTE* pBlock, int nSize, int nCount, bool bStoring);
    // Rows 0 .. min(records in the array, nCapacity) - 1; storing first
    // allocates the array through pfnCreate.
    BOOL Rows(CFileArray& a, CreateFn pfnCreate, int nSize, int nCapacity, bool bStoring, const RowFn& fnRow,
              int nSizeWord = -1);
    // Child j of parent i for the capacities given, element nPerParent * i + j.
    BOOL Children(CFileArray& a, CreateFn pfnCreate, int nSize, int nParents, int nChildren, bool bStoring,
                  const std::function<void(CBlockExchange&, int, int)>& fnChild);
    BOOL Schedules(CFileArray& a, CreateFn pfnCreate, int nParents, bool bStoring,
                   const std::function<CDataRateClass*(int)>& fnSchedule);
    BOOL LoanPeriods(CFileArray& a, CreateFn pfnCreate, int nParents, bool bStoring,
                     const std::function<CDataLoanClass*(int)>& fnLoan);
    // A name list header (size 8, count) and its 36-byte entries.
    BOOL NameList(BYTE* pHeader, int nCount, bool bStoring);
    // The name of entry i is *fnName(i); the reader also hands it to fnCopy.
    using NameCopyFn = std::function<void(int, const CString&)>;
    BOOL Names(CFileArray& a, CreateFn pfnCreate, int nCapacity, bool bStoring,
               const std::function<CString*(int)>& fnName, const NameCopyFn& fnCopy = {});
    // The four steps of one schedule as a flat list.
    BOOL Steps(CFileArray& a, CreateFn pfnCreate, bool bStoring, CDataRateClass& schedule);

    BOOL Groups(CFileArray& a, CreateFn pfnCreate, int nGroups, int nRows, int nSizeWord, bool bStoring);
    BOOL GroupRows(CFileArray& a, CreateFn pfnCreate, int nGroups, int nRows, bool bStoring,
                   const std::function<int&(COptionConsumptionIncomeClass&, int, int)>& fnTax);

    int m_nVersion;
    // Bytes the reader may still allocate for the image; -1 when writing.
    long long m_nAllocLimit;
};
