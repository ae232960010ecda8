// Three-column premise pages: depreciation, capital expenditure, its loans,
// tax settings, other premises and conditions outside the project.
#pragma once

#include "platform/cstring.h"
#include "result/pages/resultbase.h"

// Page 5: depreciation.
class CResultDepreciationDataClass : public CResultBaseClass {
public:
    CResultDepreciationDataClass();
    void InitData() override;
    void ReportDraw(CDC* pDC) override;

    // Caption of the total row: "圧縮簿価" with the reduced book value, else empty.
    CString m_strBookValueTitle;
};

// Page 6: capital expenditure.
class CResultCapitalpayDataClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};

// Page 7: capital-expenditure loan detail.
class CResultCapitalpayLoanDataClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};

// Page 8: tax settings.
class CResultTaxDataClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};

// Page 9: other premises.
class CResultProRestOtherDataClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};

// Page 10: conditions outside the project.
class CResultRestOtherDataClass : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override;
};
