// The frame and view bases of the tax-rate windows, and their frames in
// family order. A store writes the view's working copies to the document's
// tax-rate records; it marks the window's tax-rate table edited when a value
// changed and lets the document re-derive nothing (the table is saved
// through its own file command).
#pragma once

#include "app/shell/tavrinformparentframe.h"

class CTaxParentFrame : public CTavrinFormParentFrame {
public:
    using CTavrinFormParentFrame::CTavrinFormParentFrame;

    // A view that checks its input before it drops it keeps the window open
    // while the input is refused.
    BOOL CancelData() override;

protected:
    BOOL IsFirstOfFamily() const override;
    BOOL IsLastOfFamily() const override;
    BOOL UpdatesDependentData() const override { return FALSE; }
    BOOL* EditedFlag() const override;
};

class CTaxParentView : public CTavrinFormParentView {
public:
    explicit CTaxParentView(UINT nIDTemplate = 300) : CTavrinFormParentView(nIDTemplate) {}

    // TRUE: cancel validates the input first, like a store.
    virtual BOOL ChecksBeforeCancel() const { return FALSE; }

protected:
    // "税率－" + window name string nNameID.
    void SetFrameCaption(UINT nNameID);
};

template <int nCommandID>
class CTaxFrame : public CTaxParentFrame {
public:
    explicit CTaxFrame(CTavrinProjectDoc* pDoc) : CTaxParentFrame(pDoc) { m_nCommandID = nCommandID; }
};

class CTaxMunicipalFrame : public CTaxFrame<20200> {
    using CTaxFrame::CTaxFrame;
};
class CTaxCityPlanFrame : public CTaxFrame<20201> {
    using CTaxFrame::CTaxFrame;
};
class CTaxStandardMoneyFrame : public CTaxFrame<20202> {
    using CTaxFrame::CTaxFrame;
};
class CTaxBusinessFrame : public CTaxFrame<20203> {
    using CTaxFrame::CTaxFrame;
};
class CTaxBusinessPlaceFrame : public CTaxFrame<20204> {
    using CTaxFrame::CTaxFrame;
};
class CTaxDepreciationFrame : public CTaxFrame<20205> {
    using CTaxFrame::CTaxFrame;
};
class CTaxConsumptionFrame : public CTaxFrame<20206> {
    using CTaxFrame::CTaxFrame;
};
class CTaxLandPriceFrame : public CTaxFrame<20207> {
    using CTaxFrame::CTaxFrame;
};
class CTaxLicenseFrame : public CTaxFrame<20208> {
    using CTaxFrame::CTaxFrame;
};
class CTaxRealtyGetFrame : public CTaxFrame<20209> {
    using CTaxFrame::CTaxFrame;
};
class CTaxCorporationFrame : public CTaxFrame<20210> {
    using CTaxFrame::CTaxFrame;
};
class CTaxResidenceFrame : public CTaxFrame<20211> {
    using CTaxFrame::CTaxFrame;
};
class CTaxIncomeFrame : public CTaxFrame<20212> {
    using CTaxFrame::CTaxFrame;
};
class CTaxTransferFrame : public CTaxFrame<20213> {
    using CTaxFrame::CTaxFrame;
};
