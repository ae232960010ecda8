// Frame of the outside-project conditions window, the last data window.
// Stand-in: only its place in the family until the window is built.
#pragma once

#include "app/shell/dataparentframe.h"

class CDataRestOtherFrame : public CDataParentFrame {
public:
    explicit CDataRestOtherFrame(CTavrinProjectDoc* pDoc) : CDataParentFrame(pDoc) { m_nCommandID = 20010; }
};
