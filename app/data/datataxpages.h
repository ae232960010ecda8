// The eight pages of the taxes window. Each page edits some sub-records of
// the view's working copy through its field table: the page is filled from
// the working copy and written back to it only when its check passes. Pages
// with a change schedule derive the rate page; the others show hints taken
// from the tax-rate table, the outline and the working copy.
#pragma once

#include <span>

#include "app/common/formfields.h"
#include "app/data/dataratepage.h"
#include "data/datatax.h"

class CDataTaxView;
class CTavrinProjectDoc;

// A hint: a text around a value of the tax-rate table, the outline or the
// working copy, read when the hints are refreshed.
struct CRateHint {
    UINT nID;
    const char* pszBefore;
    CString (*pfnValue)(const CTavrinProjectDoc& doc, const CDataTaxClass& tax);
    const char* pszAfter;
};

// An edit whose stage-1 last year sets the start shown for stage 2.
struct CNextStart {
    UINT nEndID;
    UINT nStartID;
};

// What a page without a schedule shows and edits.
struct CTaxPageKind {
    std::span<const CFormControl> controls;
    const CFormFields<CDataTaxClass>& form;
    std::span<const CRateHint> hints;
    std::span<const CNextStart> nextStarts;
};

// An amount entered by one of several methods (a total, per tsubo, a share):
// the page keeps the amount typed for each method, so switching the method
// and back shows it again. The method whose amount is a percentage is
// checked against 0-100.
struct CTaxAmountInput {
    UINT nMethodID;
    UINT nAmountID;
    UINT nLabelID;
    UINT nUnitID;
    std::span<const UINT> labelStrings;  // per method
    std::span<const UINT> unitStrings;   // per method
    int nShareMethod;
};

// What a page with a schedule shows and edits.
struct CTaxSchedulePageKind {
    std::span<const CFormControl> controls;
    int nRateRow;
    const CFormFields<CDataTaxClass>& form;
    CDataRateClass& (*pfnRate)(CDataTaxClass& tax);
    const CTaxAmountInput* pAmount;  // null: none
};

// Housing special rules, acquisition tax, fixed-asset and city-planning tax,
// and the stepwise consumption-tax rates.
class CDataTaxPage : public CFormPage {
public:
    CDataTaxPage(CDataTaxView* pView, const CTaxPageKind& kind, QWidget* pParent);

    BOOL CheckPage() override;
    void SetPageData() override;
    void OnControlNotify(UINT nID, UINT nCode) override;
    void ShowRateHints();

private:
    const CTaxPageKind& m_kind;
    CDataTaxView* m_pView;
};

// Owner's business tax and land valuation, and the base of the assessed values.
class CDataTaxSchedulePage : public CDataRatePage {
public:
    CDataTaxSchedulePage(CDataTaxView* pView, const CTaxSchedulePageKind& kind, QWidget* pParent);

    BOOL CheckPage() override;
    void SetPageData() override;
    void OnControlNotify(UINT nID, UINT nCode) override;

protected:
    // The amount of the method chosen, with its label and unit.
    void ShowMethod(int nMethod);

    const CTaxSchedulePageKind& m_kind;
    CDataTaxView* m_pView;
    double m_adAmount[3] = {};  // the amount typed for each method
};

// The assessed value of the land (page 0) or of the building (page 1); the
// land's can be worked back from the tax paid.
class CDataTaxAppraisedPage : public CDataTaxSchedulePage {
public:
    CDataTaxAppraisedPage(CDataTaxView* pView, int nPageIndex, QWidget* pParent);

    void OnControlNotify(UINT nID, UINT nCode) override;

    const int m_nPageIndex;

private:
    void OnBackCalc();
};

// The page of tab nPage (0-7).
CFormPage* CreateDataTaxPage(CDataTaxView* pView, int nPage, QWidget* pParent);
