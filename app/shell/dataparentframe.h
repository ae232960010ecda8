// The frame and view bases of the data-entry windows of a project.
#pragma once

#include "app/shell/tavrinformparentframe.h"

class CDC;

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

    // Every print job of the project goes through this view: runs the
    // print-settings dialog of the application's print kind, copies its
    // settings into the document and prints; FALSE when cancelled.
    BOOL PrintWithSettings();
    // The print loop: the printer, the printing dialog, the document's page
    // routine of the print kind; the main window is disabled meanwhile.
    void OnFilePrint();
    // The document's page routine of the application's print kind.
    virtual void OnPrint(CDC* pDC);

protected:
    // The frame's caption: document title + "－" + window name string nNameID.
    void SetFrameCaption(UINT nNameID);
};
