// Other incomes of the project, and the owner's money lines outside the
// project (income, deductions, non-business spending).
#pragma once

#include "data/dataclass.h"
#include "data/datarate.h"

struct tagDATAOTHERINCOME {
    double dAmount; // yearly amount before the schedule's changes, thousand yen
    int nFromYear;  // booked from this year ...
    int nToYear;    // ... up to this year, inclusive
};

// One other income with its change schedule (the CDataRateClass base).
class CDataOtherIncomeClass : public CDataClass, public CDataRateClass, public tagDATAOTHERINCOME {
public:
    CDataOtherIncomeClass();
    CDataOtherIncomeClass(const CDataOtherIncomeClass&) = default;
    CDataOtherIncomeClass& operator=(const CDataOtherIncomeClass&) = default;
    ~CDataOtherIncomeClass() override;

    // Leaves the change schedule as it is.
    void InitData() override;
    void DestroyData() override;

    // The item's block: its title, then name, amount, years and schedule.
    void ReportDraw(CDC* pDC) override;
    BOOL SetFramePoint(int nPage) override;
    BOOL SetWLinePoint(int nPage) override;
    BOOL SetHLinePoint(int nPage) override;
    BOOL SetItemPoint(int nPage) override;
    BOOL SetItemData(int nPage) override;
    BOOL SetSubItemPoint(int nPage) override;
    BOOL SetSubItemData(int nPage) override;
    BOOL SetDataPoint(int nPage) override;
    // Sets the title (the name, or "その他の収入" and the position), then the cells.
    BOOL SetDataData(int nPage) override;
    void CreatePrintArray(int nPages) override;

    CString m_strName;
    int m_nIndex; // position 0-5 in the holder
};

struct tagDATAPRORESTOTHER {
    double dSurplusRate; // interest earned on surplus funds, percent
    double dMinimumCash; // minimum cash on hand, thousand yen
};

// The other premises of the project: surplus interest, minimum cash and six
// other incomes.
class CDataProRestOtherClass : public CDataClass, public tagDATAPRORESTOTHER {
public:
    static constexpr int kIncomeCount = 6;

    CDataProRestOtherClass();
    CDataProRestOtherClass(const CDataProRestOtherClass&) = default;
    CDataProRestOtherClass& operator=(const CDataProRestOtherClass&) = default;
    ~CDataProRestOtherClass() override;

    // Numbers the items; leaves their values as they are.
    void InitData() override;
    void DestroyData() override;

    // Page 1: title, surplus rate and minimum cash, other incomes 1 to 4;
    // page 2: other incomes 5 and 6.
    void ReportDraw(CDC* pDC) override;
    void ReportDraw1(CDC* pDC);
    void ReportDraw2(CDC* pDC);
    BOOL SetFramePoint(int nPage) override;
    BOOL SetWLinePoint(int nPage) override;
    BOOL SetHLinePoint(int nPage) override;
    BOOL SetItemPoint(int nPage) override;
    BOOL SetItemData(int nPage) override;
    BOOL SetSubItemPoint(int nPage) override;
    BOOL SetSubItemData(int nPage) override;
    BOOL SetDataPoint(int nPage) override;
    // The own two cells, then every item (-1) or item n; FALSE, touching no
    // item, when an own cell is missing.
    BOOL SetDataData(int n) override;
    // The items' sheets, then the record's own block.
    void CreatePrintArray(int nPages) override;
    void DestroyPrintArray() override;

    CDataOtherIncomeClass m_aOtherIncome[kIncomeCount];
};

struct tagDATARESTOTHERMONEY {
    double dAmount; // yearly amount, thousand yen
    int nKind;      // 0 income, 1 deduction, 2 non-business spending
    int nFromYear;
    int nToYear;
};

// One money line outside the project with its change schedule.
class CDataRestOtherMoneyClass : public CDataClass, public CDataRateClass, public tagDATARESTOTHERMONEY {
public:
    enum { kKindIncome, kKindSubTract, kKindExpense }; // nKind

    CDataRestOtherMoneyClass();
    CDataRestOtherMoneyClass(const CDataRestOtherMoneyClass&) = default;
    CDataRestOtherMoneyClass& operator=(const CDataRestOtherMoneyClass&) = default;
    ~CDataRestOtherMoneyClass() override;

    // Leaves the change schedule as it is.
    void InitData() override;
    void DestroyData() override;

    // The line's block: its title, then kind, name, amount, years and schedule.
    void ReportDraw(CDC* pDC) override;
    BOOL SetFramePoint(int nPage) override;
    BOOL SetWLinePoint(int nPage) override;
    BOOL SetHLinePoint(int nPage) override;
    BOOL SetItemPoint(int nPage) override;
    BOOL SetItemData(int nPage) override;
    BOOL SetSubItemPoint(int nPage) override;
    BOOL SetSubItemData(int nPage) override;
    BOOL SetDataPoint(int nPage) override;
    // Sets the title (the name, or "プロジェクト以外の項目" and the position), then the cells.
    BOOL SetDataData(int nPage) override;
    void CreatePrintArray(int nPages) override;

    CString m_strName;
    int m_nIndex; // position 0-7 in the holder
};

// The owner's conditions outside the project: eight money lines and five
// comments kept for another screen.
class CDataRestOtherClass : public CDataClass {
public:
    static constexpr int kMoneyCount = 8;
    static constexpr int kCommentCount = 5;

    CDataRestOtherClass();
    CDataRestOtherClass(const CDataRestOtherClass&) = default;
    CDataRestOtherClass& operator=(const CDataRestOtherClass&) = default;
    ~CDataRestOtherClass() override;

    // Numbers the lines; leaves their values and the comments as they are.
    void InitData() override;
    void DestroyData() override;

    // Page 1 lines 1 to 4, page 2 lines 5 to 8; no block of its own.
    void ReportDraw(CDC* pDC) override;
    // Every line (-1) or line n.
    BOOL SetDataData(int n) override;
    void CreatePrintArray(int nPages) override;
    void DestroyPrintArray() override;

    // Whether some line of the kind has an amount above zero.
    BOOL CheckIncome() const;
    BOOL CheckSubTract() const;
    BOOL CheckExpense() const;

    CDataRestOtherMoneyClass m_aRestOtherMoney[kMoneyCount];
    CString m_astrComment[kCommentCount];

private:
    BOOL HasPositiveLine(int nKind) const;
};
