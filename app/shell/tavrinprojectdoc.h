// One open project: its record sets, the edited flag of each window, its
// windows and the hooks the form windows use.
// Stand-in: only what the main frame and the form windows need until the
// project document is built (files, calculation, printing and the
// window-opening commands come with it).
#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include "app/common/classobject.h"
#include "platform/cmdtarget.h"
#include "platform/cstring.h"

class CTavrinProjectDoc : public CCmdTarget {
public:
    static constexpr int kDataWindows = 11;
    static constexpr int kTaxWindows = 14;
    static constexpr int kOptionWindows = 7;

    CTavrinProjectDoc();
    ~CTavrinProjectDoc() override;
    CTavrinProjectDoc(const CTavrinProjectDoc&) = delete;
    CTavrinProjectDoc& operator=(const CTavrinProjectDoc&) = delete;

    // The open documents, oldest first.
    static const QList<CTavrinProjectDoc*>& Documents();
    // The document a window of the MDI area belongs to, or null.
    static CTavrinProjectDoc* FromFrame(const QWidget* pFrame);

    CDataBasicClass* GetDataBasic() const { return m_objDataClass.m_pDataBasic; }

    const CString& GetTitle() const { return m_strTitle; }
    void SetTitle(const CString& strTitle) { m_strTitle = strTitle; }
    // While the project is new (open mode 1) its title follows the project name.
    void SetProjectTitle(const CString& strName);

    // The windows of this project register while they are open.
    void AddFrame(QWidget* pFrame);
    void RemoveFrame(QWidget* pFrame);
    // Every open form window stores its screen, the one lowest in the window
    // order first; the first that refuses is activated and FALSE returned.
    BOOL SaveOpenForms();
    // Re-derives the amounts that depend on stored records.
    virtual void UpdateDependentData() {}
    // Asks whether to save; FALSE when the user cancels.
    virtual BOOL SaveModified() { return TRUE; }
    // Closes every window of the project, then deletes the document when
    // m_bAutoDelete is set.
    virtual void OnCloseDocument();

    // The project's commands (the window-opening ones among them).
    BOOL OnCmdMsg(UINT, CCmdUI*) override { return FALSE; }

    CDataClassObject m_objDataClass;
    CTaxClassObject m_objTaxClass;
    COptionClassObject m_objOptionClass;
    BOOL m_abDataModified[kDataWindows] = {};
    BOOL m_abTaxModified[kTaxWindows] = {};
    BOOL m_abOptionModified[kOptionWindows] = {};
    int m_nOpenMode = 0;
    BOOL m_bAutoDelete = TRUE;

private:
    // Takes the project's windows off the screen; they no longer refer to it.
    void CloseFrames();

    CString m_strTitle;
    QList<QPointer<QWidget>> m_frames;
};
