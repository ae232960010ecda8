// The frame and view bases of the data-entry windows of a project.
#pragma once

#include "app/shell/tavrinformparentframe.h"

class CDC;

constexpr UINT ID_VIEW_UPDATETITLE = 500;

constexpr UINT ID_VIEW_CREATEPAGE = 700;
constexpr UINT ID_VIEW_CHANGEPAGE = 701;
constexpr UINT ID_VIEW_RELOAD = 900;

// The data family: a store marks the window's sheet edited when a stored
// value changed. A view that does not check its data refuses every action.
class CDataParentFrame : public CTavrinFormParentFrame {
public:
    using CTavrinFormParentFrame::CTavrinFormParentFrame;

protected:
    BOOL IsFirstOfFamily() const override;
    BOOL IsLastOfFamily() const override;
    BOOL* EditedFlag() const override;
};

class CDataParentView : public CTavrinFormParentView {
public:
    explicit CDataParentView(UINT nIDTemplate = 102) : CTavrinFormParentView(nIDTemplate) {}

    BOOL CheckData(int) override { return FALSE; }

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
