// The frame and view bases of every form window of a project (data, tax-rate
// and option windows): store, cancel, previous and next, and the help topic.
#pragma once

#include <QWidget>

#include "app/common/formkit.h"
#include "app/shell/commandids.h"
#include "platform/cmdtarget.h"

class CTavrinProjectDoc;
class CTavrinFormParentView;

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

    // TRUE: the view's contents are validated, stored and the record marked edited.
    virtual BOOL SaveData() { return FALSE; }
    // TRUE: the edits are thrown away and the view reloaded from the record.
    virtual BOOL CancelData() { return FALSE; }
    // TRUE: the window may be left for the previous or next one.
    virtual BOOL PrevData() { return FALSE; }
    virtual BOOL NextData() { return FALSE; }

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

private:
    BOOL IsFirstOfFamily() const;
    BOOL IsLastOfFamily() const;
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
    virtual void OnActivateView(BOOL) {}

    const UINT m_nIDTemplate;
};
