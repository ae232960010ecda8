// The help pages the program opens: every page a help button, F1 or a help
// command can show, with the context help ids that lead to a page.
#pragma once

#include <span>

#include "platform/cstring.h"

struct CHelpTopic {
    const char* pszPage; // file name in the help folder
    UINT nContextID;     // context help id that opens the page; 0: none
};

// The contents page first, then the pages in the order of the index.
std::span<const CHelpTopic> HelpTopics();
// The page of a context help id; the contents page for an unknown id.
const char* HelpPageOfContext(UINT nContextID);
// The page named by a help path "tavrinapp.chm::/page" (or by the page alone).
CString HelpPageOfPath(const CString& strPath);
