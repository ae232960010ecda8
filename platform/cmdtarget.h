// Command routing: a window, document or application that handles menu,
// toolbar and item-box commands by id.
#pragma once

#include "platform/afxtypes.h"

// The state of one command's menu item or button, filled by the target that handles it.
struct CCmdUI {
    UINT m_nID = 0;
    BOOL m_bEnabled = TRUE;
    int m_nCheck = -1; // -1: no check state, 0 clear, 1 checked

    void Enable(BOOL bOn = TRUE) { m_bEnabled = bOn; }
    void SetCheck(int nCheck = 1) { m_nCheck = nCheck; }
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    // With pCmdUI null runs command nID; otherwise fills its state. FALSE when
    // this target has no handler for nID, so routing goes on to the next one.
    virtual BOOL OnCmdMsg(UINT nID, CCmdUI* pCmdUI) = 0;
};
