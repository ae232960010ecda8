// The frame and view bases of the data-entry windows of a project.
#pragma once

#include "app/shell/tavrinformparentframe.h"

constexpr UINT ID_VIEW_UPDATETITLE = 500;

// Every action it does not override is refused.
class CDataParentFrame : public CTavrinFormParentFrame {
public:
    using CTavrinFormParentFrame::CTavrinFormParentFrame;
};

class CDataParentView : public CTavrinFormParentView {
public:
    explicit CDataParentView(UINT nIDTemplate = 102) : CTavrinFormParentView(nIDTemplate) {}

    // Validates the input; nPage -1: every page, else that page only.
    virtual BOOL CheckData(int) { return FALSE; }
    // Sets the frame's caption (ID_VIEW_UPDATETITLE).
    virtual void OnUpdateTitle() {}
    // Posts ID_VIEW_UPDATETITLE to the view.
    void PostUpdateTitle();
    void OnActivateView(BOOL bActivate) override;

protected:
    // The frame's caption: document title + "－" + window name string nNameID.
    void SetFrameCaption(UINT nNameID);
};
