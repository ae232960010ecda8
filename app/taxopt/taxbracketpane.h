// The bracket table pane of the income-tax and inhabitant-tax windows:
// twenty rows of a progressive scale edited five at a time, and the
// fixed-rate reduction that goes with the scale.
#pragma once

#include "app/common/formpages.h"
#include "tax/taxpersonal.h"

class CTaxBracketPane : public CFormPage {
public:
    static constexpr int kStepCount = CTaxIncomeClass::kStepCount;
    static constexpr int kShownRows = 5;
    static constexpr int kLastTop = kStepCount - kShownRows;

    // pEndFocus takes the focus on Tab past either end of the table; without
    // it paging wraps round from the last rows to the first and back.
    explicit CTaxBracketPane(QWidget* pParent, QWidget* pEndFocus = nullptr);

    // The pane's copy of the rows (whole rows) from and back to a record.
    void LoadRows(const CTaxPersonalClass (&aStep)[kStepCount]);
    void StoreRows(CTaxPersonalClass (&aStep)[kStepCount]) const;
    // Shows the reduction (rate and limit in aReduction[0..1]) and writes it
    // there and to *pYear on every successful check.
    void SetReduction(double* pReduction, int* pYear);
    // Hides the reduction group; it is then never written.
    void HideReduction();

    void SetPageData() override;
    // The shown rows into the copy, every row's lower bound from the upper
    // bound of the row above it, and the reduction.
    BOOL CheckPage() override;
    // After a check, nTop (at most the last five rows) becomes the first row shown.
    BOOL ScrollTo(int nTop);
    int GetTop() const { return m_nTop; }
    const CTaxPersonalClass& Step(int nRow) const { return m_aStep[nRow]; }

    void OnControlNotify(UINT nID, UINT nCode) override;
    void OnControlScroll(UINT nID, UINT nSBCode, int nPos) override;
    LRESULT OnControlKey(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM lParam) override;

private:
    void FormatEdit(UINT nID);
    // Tab past the last rate or Shift+Tab before the first upper bound.
    void PageOn(BOOL bBack);

    QWidget* m_pEndFocus;
    CTaxPersonalClass m_aStep[kStepCount];
    double* m_pReduction = nullptr;
    int* m_pReductionYear = nullptr;
    int m_nTop = 0;
};
