// The two pages of the construction-cost window. Both edit the view's working
// copy: a page writes it when its check passes (when it is left or the window
// is stored) and is filled from it when shown again, so names typed on the
// depreciation page label the items of the capital-expenditure page.
#pragma once

#include <span>

#include "app/common/formpages.h"
#include "data/dataconstruction.h"

class CDataExpenseView;
class CDataLoanClass;

class CDataExpensePage : public CFormPage {
public:
    CDataExpensePage(CDataExpenseView* pView, std::span<const CFormControl> controls, QWidget* pParent);

protected:
    CDataExpenseView* m_pView;
};

// The six depreciation items: name, amount (or share), life, method, extra
// depreciation, disposal year and, for the other items, the proration by the
// building's book value (an option setting written at once).
class CDataDepreciationPage : public CDataExpensePage {
public:
    CDataDepreciationPage(CDataExpenseView* pView, QWidget* pParent);

    BOOL CheckPage() override;
    void SetPageData() override;
    void OnControlNotify(UINT nID, UINT nCode) override;
    // Header, units and amounts of the view's input method.
    void ShowMethod();

private:
    void ShowTotal();
};

// The two capital expenditures with the loans 7 and 8 that can pay them.
class CDataCapitalPayPage : public CDataExpensePage {
public:
    CDataCapitalPayPage(CDataExpenseView* pView, QWidget* pParent);

    BOOL CheckPage() override;
    void SetPageData() override;
    void OnControlNotify(UINT nID, UINT nCode) override;

private:
    // The loan button of a block is shown while its source is a loan.
    void ShowLoanButtons();
    void OnLoanButton(int nPay);
};

// The page of tab nPage (0 depreciation, 1 capital expenditure).
CFormPage* CreateDataExpensePage(CDataExpenseView* pView, int nPage, QWidget* pParent);

// The loan financing a capital expenditure follows it: paid by the loan with a
// year and an amount, the loan carries its amount and year; otherwise a loan
// still marked with a year is cleared. TRUE when the loan changed.
BOOL LinkCapitalLoan(const tagDATACAPITALPAY& pay, CDataLoanClass& loan);
