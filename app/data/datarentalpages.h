// The five pages of the rental-basics window. Each shows the view's current
// category from the view's working copies and writes back to them when it
// is left or checked.
#pragma once

#include "app/common/formpages.h"
#include "app/data/dataratepage.h"

class CDataRentalBasicView;

// Occupancy (levels), turnover (levels) or rent (rise and fall, and
// whether the common fee follows).
class CDataRentalRatePage : public CDataRatePage {
public:
    // nPage: 0 occupancy, 1 turnover, 2 rent.
    CDataRentalRatePage(CDataRentalBasicView* pView, int nPage, QWidget* pParent);

    BOOL CheckPage() override;
    void SetPageData() override;

private:
    CDataRentalBasicView* m_pView;
    const int m_nSchedule;
};

class CDataRentalDepositPage : public CFormPage {
public:
    CDataRentalDepositPage(CDataRentalBasicView* pView, QWidget* pParent);

    BOOL CheckPage() override;
    void SetPageData() override;
    void OnControlNotify(UINT nID, UINT nCode) override;

private:
    BOOL IsLumpSum() const;
    // The grace and repayment controls are hidden for a lump-sum repayment.
    void ApplyMethod();

    CDataRentalBasicView* m_pView;
};

class CDataRentalConsumptionPage : public CFormPage {
public:
    CDataRentalConsumptionPage(CDataRentalBasicView* pView, QWidget* pParent);

    BOOL CheckPage() override;
    void SetPageData() override;

private:
    CDataRentalBasicView* m_pView;
};

// The page of tab nPage.
CFormPage* CreateRentalPage(CDataRentalBasicView* pView, int nPage, QWidget* pParent);
