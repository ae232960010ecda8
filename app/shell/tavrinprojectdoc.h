// One open project: its record sets, the edited flag of each window and the
// hooks the form windows use.
// Stand-in: only what the form windows need until the project document is built.
#pragma once

#include <vector>

#include "app/common/classobject.h"
#include "platform/cstring.h"

class CTavrinFormParentFrame;

class CTavrinProjectDoc {
public:
    static constexpr int kDataWindows = 11;
    static constexpr int kTaxWindows = 14;
    static constexpr int kOptionWindows = 7;

    CTavrinProjectDoc();
    virtual ~CTavrinProjectDoc() = default;
    CTavrinProjectDoc(const CTavrinProjectDoc&) = delete;
    CTavrinProjectDoc& operator=(const CTavrinProjectDoc&) = delete;

    CDataBasicClass* GetDataBasic() const { return m_objDataClass.m_pDataBasic; }

    const CString& GetTitle() const { return m_strTitle; }
    void SetTitle(const CString& strTitle) { m_strTitle = strTitle; }
    // While the project is new (open mode 1) its title follows the project name.
    void SetProjectTitle(const CString& strName);

    // The form windows of this project register while they are open.
    void AddFrame(CTavrinFormParentFrame* pFrame);
    void RemoveFrame(CTavrinFormParentFrame* pFrame);
    // Every open form window stores its screen, the one lowest in the window
    // order first; the first that refuses is activated and FALSE returned.
    BOOL SaveOpenForms();
    // Re-derives the amounts that depend on stored records.
    virtual void UpdateDependentData() {}
    // Closes every window of the project.
    virtual void OnCloseDocument();

    CDataClassObject m_objDataClass;
    CTaxClassObject m_objTaxClass;
    COptionClassObject m_objOptionClass;
    BOOL m_abDataModified[kDataWindows] = {};
    BOOL m_abTaxModified[kTaxWindows] = {};
    BOOL m_abOptionModified[kOptionWindows] = {};
    int m_nOpenMode = 0;

private:
    CString m_strTitle;
    std::vector<CTavrinFormParentFrame*> m_apFrames;
};
