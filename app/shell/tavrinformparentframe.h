// The frame and view bases of every form window of a project (data, tax-rate
// and option windows): store, cancel, previous and next, and the help topic.
#pragma once

#include <QWidget>

#include "app/common/formkit.h"
#include "app/shell/commandids.h"
#include "platform/cmdtarget.h"

class CTavrinProjectDoc;
class CTavrinFormParentView;

// Posted to the rental-basics view: wParam = the rental category to show.
constexpr UINT WM_SELECT_RENTAL_CATEGORY = WM_USER + 9;

// What the form windows need of the main window; the main frame installs itself.
class CFormFrameHost {
public:
    virtual ~CFormFrameHost() = default;
    // A command posted to the main window; it arrives after the current event.
    virtual void OnMainCommand(UINT nID) = 0;
    // Shows a topic of the help file ("file.chm::/topic.htm").
    virtual void ShowHelp(const CString& strPath) = 0;
};
void SetFormFrameHost(CFormFrameHost* pHost);
// Queues command nID for the main window (dropped when no host is installed).
void PostMainCommand(UINT nID);

class CTavrinFormParentFrame : public QWidget, public CCmdTarget {
public:
    explicit CTavrinFormParentFrame(CTavrinProjectDoc* pDoc);
    ~CTavrinFormParentFrame() override;

    // TRUE: the view's contents are validated and stored; the family's edited
    // flag is set when a stored value changed.
    virtual BOOL SaveData();
    // TRUE: the edits are thrown away and the view reloaded from the record.
    virtual BOOL CancelData();
    // TRUE: the window is stored and may be left for the previous or next
    // one; FALSE at the family's end.
    virtual BOOL PrevData() { return IsFirstOfFamily() ? FALSE : SaveData(); }
    virtual BOOL NextData() { return IsLastOfFamily() ? FALSE : SaveData(); }

    // The toolbar commands and the help topic, then the document's commands.
    BOOL OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;
    // Whether a toolbar command is enabled in this window.
    BOOL IsCommandEnabled(UINT nID) const;
    void OnDataSave();
    void OnDataCancel();
    void OnPrevPage();
    void OnNextPage();
    void OnHelpTopic();
    // "tavrinapp.chm::/tavrinapp000000NN.htm" of this window; empty when it has no topic.
    CString HelpTopicPath() const;

    // The frame takes the view into its client area.
    void SetView(CTavrinFormParentView* pView);
    CTavrinFormParentView* GetActiveView() const { return m_pView; }
    CTavrinProjectDoc* GetActiveDocument() const { return m_pDocument; }
    // Brings the window to the front.
    void ActivateFrame();
    // Takes the window off the screen at once and deletes it later.
    void DestroyWindow();

    int m_nCommandID = 0;

protected:
    bool event(QEvent* pEvent) override;
    // The family's ends: no previous window before the first, no next after the last.
    virtual BOOL IsFirstOfFamily() const { return FALSE; }
    virtual BOOL IsLastOfFamily() const { return FALSE; }
    // The window that lives as long as its project: store and cancel keep it open.
    virtual BOOL IsProjectFrame() const { return FALSE; }
    // The document's edited flag of this window, or null when its stores set none.
    virtual BOOL* EditedFlag() const { return nullptr; }
    // Whether a store lets the document re-derive the amounts that depend on it.
    virtual BOOL UpdatesDependentData() const { return TRUE; }

private:
    void UpdateDocument();
    void LeaveFocusedField();
    void OnSubWindowActivate();

    CTavrinProjectDoc* m_pDocument;
    CTavrinFormParentView* m_pView = nullptr;
};

class CTavrinFormParentView : public CFormWidget {
public:
    explicit CTavrinFormParentView(UINT nIDTemplate = 411) : m_nIDTemplate(nIDTemplate) {}

    CTavrinProjectDoc* GetDocument() const;
    CTavrinFormParentFrame* GetParentFrame() const;
    // Fills the controls from the document once the frame holds the view.
    virtual void OnInitialUpdate() {}
    // Activation posts ID_VIEW_UPDATETITLE.
    virtual void OnActivateView(BOOL bActivate);
    // Sets the frame's caption (ID_VIEW_UPDATETITLE).
    virtual void OnUpdateTitle() {}
    // Posts ID_VIEW_UPDATETITLE to the view.
    void PostUpdateTitle();
    // Queues a message for OnViewMessage (dropped when the view is gone).
    void PostViewMessage(UINT nMessage, WPARAM wParam);
    virtual LRESULT OnViewMessage(UINT, WPARAM) { return 0; }
    // Validates the input; nPage -1: every page, else that page only.
    virtual BOOL CheckData(int) { return TRUE; }
    // Writes the screen into the document's records after CheckData; TRUE
    // when a stored value changed.
    virtual BOOL StoreData() { return FALSE; }
    // Drops the screen's edits.
    virtual void CancelData() { ReloadData(); }
    // Every control and page from the document's records as they are now,
    // pages not made yet included; the screen's edits are dropped.
    virtual void ReloadData() {}
    // The project's tax-rate file was saved under another name: only what
    // shows that name is refreshed.
    virtual void ReloadTaxFileName() {}

    const UINT m_nIDTemplate;

protected:
    // The caption of the view's frame and of its window in the MDI area.
    void SetCaption(const CString& strCaption);
};
