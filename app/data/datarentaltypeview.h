// The rental-type window: twenty rental lines in a list, each edited in the
// fields below it (category, name, input method and count, rent, common fee,
// key money, deposit, security money, renewal fee).
#pragma once

#include <array>

#include "app/data/dataparentframe.h"
#include "data/datarentaltype.h"

class CTavrinListCtrl;

// The values of a line this window edits.
struct tagRENTALLINE {
    int nCategory = -1;  // -1 not in use
    CString strName;
    int nInputMethod = 0;
    double dCount = 0;
    double dRent = 0;
    double dCommonFee = 0;
    double dKeyMoney = 0;
    double dDeposit = 0;
    double dSecurity = 0;
    double dRenewalFee = 0;
    bool operator==(const tagRENTALLINE&) const = default;
};

class CDataRentalTypeView : public CDataParentView {
public:
    static constexpr int kLines = CDataRentalTypeClass::kTermCount;

    CDataRentalTypeView();

    void OnInitialUpdate() override;
    void OnActivateView(BOOL bActivate) override;
    // The line being edited; TRUE without one or when it is not in use.
    BOOL CheckData(int nPage) override;
    BOOL StoreData() override;
    void ReloadData() override;
    void OnUpdateTitle() override;
    void OnControlNotify(UINT nID, UINT nCode) override;
    LRESULT OnControlKey(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM lParam) override;

    // The category names from the rental-basics records.
    void ReloadCategoryNames();
    // Row nRow selected: the current line checked, then row nRow shown.
    void SelectLine(int nRow);
    // Delete: the current line is no longer in use (its row shows "なし").
    void DeleteLine();
    // The line of row nFrom moves to row nTo; the rows between shift.
    void MoveLine(int nFrom, int nTo);
    CTavrinListCtrl* List() const { return m_pList; }

    std::array<tagRENTALLINE, kLines> m_aLines;
    std::array<bool, kLines> m_abDeleted = {};
    int m_nCurSel = 0;

private:
    void ShowRow(int nRow);
    void ShowLine();
    void ApplyMethod();
    BOOL HasCurrentLine() const { return !m_abDeleted[size_t(m_nCurSel)]; }
    tagRENTALLINE& Line() { return m_aLines[size_t(m_nCurSel)]; }

    CTavrinListCtrl* m_pList;
    CString m_astrKindName[9];
};
