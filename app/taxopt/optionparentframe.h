// The frame and view bases of the option windows, and their frames in family
// order. A store writes the view's working copy to the document's option
// record and marks the window's option edited when a value changed, so that
// closing the project asks to save it.
#pragma once

#include "app/shell/tavrinformparentframe.h"

class COptionParentFrame : public CTavrinFormParentFrame {
public:
    using CTavrinFormParentFrame::CTavrinFormParentFrame;

protected:
    BOOL IsFirstOfFamily() const override;
    BOOL IsLastOfFamily() const override;
    BOOL* EditedFlag() const override;
};

class COptionParentView : public CTavrinFormParentView {
public:
    explicit COptionParentView(UINT nIDTemplate = 400) : CTavrinFormParentView(nIDTemplate) {}

    // The controls from the working copy.
    virtual void SetViewData() {}

protected:
    // "オプション－" + window name string nNameID.
    void SetFrameCaption(UINT nNameID);
};

template <int nCommandID>
class COptionFrame : public COptionParentFrame {
public:
    explicit COptionFrame(CTavrinProjectDoc* pDoc) : COptionParentFrame(pDoc) { m_nCommandID = nCommandID; }
};

class COptionBusinessRateFrame : public COptionFrame<20300> {
    using COptionFrame::COptionFrame;
};
class COptionConsumptionExpenseFrame : public COptionFrame<20301> {
    using COptionFrame::COptionFrame;
};
class COptionExpenseManageFrame : public COptionFrame<20302> {
    using COptionFrame::COptionFrame;
};
class COptionAdvanceFrame : public COptionFrame<20303> {
    using COptionFrame::COptionFrame;
};
class COptionConsumptionCostFrame : public COptionFrame<20304> {
    using COptionFrame::COptionFrame;
};
class COptionConsumptionIncomeFrame : public COptionFrame<20305> {
    using COptionFrame::COptionFrame;
};
class COptionOtherManageFrame : public COptionFrame<20306> {
    using COptionFrame::COptionFrame;
};
