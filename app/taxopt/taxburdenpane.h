// The panes of the taxable-standard window: the burden-level tables of
// residential and of other land, and the price-fall conditions. They keep no
// copy of their own: they show and check the view's working copy.
#pragma once

#include "app/common/formpages.h"
#include "tax/taxstandardmoney.h"

// A burden-level table of n rows: the first row's lower bound is typed, every
// later row starts where the row above it ends, the last row has no upper end.
class CTaxBurdenLevelPane : public CFormPage {
public:
    // First control of row k: lower bound, lower kind, upper bound, upper kind, rate.
    static constexpr UINT kFirstID = 10000;
    static constexpr UINT kRowStep = 5;
    static constexpr UINT LowerID(int nRow) { return kFirstID + kRowStep * UINT(nRow); }
    static constexpr UINT LowerKindID(int nRow) { return LowerID(nRow) + 1; }
    static constexpr UINT UpperID(int nRow) { return LowerID(nRow) + 2; }
    static constexpr UINT UpperKindID(int nRow) { return LowerID(nRow) + 3; }
    static constexpr UINT RateID(int nRow) { return LowerID(nRow) + 4; }

    // The rows aLevel[0 .. nRows-1]; pEndFocus takes the focus on Tab past
    // either end; bPercentLast: the last rate is a percentage of the value.
    CTaxBurdenLevelPane(QWidget* pParent, QWidget* pEndFocus, CTaxBurdenLevelClass* aLevel, int nRows,
                        BOOL bPercentLast);

    int RowCount() const { return m_nRows; }
    UINT LastRateID() const { return RateID(m_nRows - 1); }

    void SetPageData() override;
    // The numbers must parse; levels start at 0 and no upper bound lies
    // below its lower bound; rates are not negative. Then the rows, each
    // lower bound and kind from the row above, into the working copy.
    BOOL CheckPage() override;
    void OnControlNotify(UINT nID, UINT nCode) override;
    LRESULT OnControlKey(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM lParam) override;

private:
    // The row whose upper kind is nID, or -1.
    int UpperKindRow(UINT nID) const;
    // Message nMessageID, then the focus on nID with its text selected.
    BOOL Refuse(UINT nMessageID, UINT nID);

    QWidget* m_pEndFocus;
    CTaxBurdenLevelClass* m_aLevel;
    const int m_nRows;
};

// Residential land: six rows.
class CTaxBurdenHousePane : public CTaxBurdenLevelPane {
public:
    CTaxBurdenHousePane(QWidget* pParent, QWidget* pEndFocus, CTaxStandardMoneyClass& record);
};

// Other land: seven rows, the last rate a percentage of this year's value.
class CTaxBurdenNonHousePane : public CTaxBurdenLevelPane {
public:
    CTaxBurdenNonHousePane(QWidget* pParent, QWidget* pEndFocus, CTaxStandardMoneyClass& record);
};

// The price-fall conditions; hidden (and not checked) while they are not
// taken into account.
class CTaxPriceFallPane : public CFormPage {
public:
    static constexpr UINT kUseID = 10040;
    static constexpr UINT kDropRateID = 10035;
    static constexpr UINT kAdjustRateID = 1206;

    CTaxPriceFallPane(QWidget* pParent, QWidget* pEndFocus, CTaxPriceDropClass& record);

    BOOL IsConsidered() const;

    void SetPageData() override;
    BOOL CheckPage() override;
    void OnControlNotify(UINT nID, UINT nCode) override;
    LRESULT OnControlKey(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM lParam) override;

private:
    void ShowConditions();

    QWidget* m_pEndFocus;
    CTaxPriceDropClass& m_record;
};
