// Message boxes: the program shows them, tests answer them.
#pragma once

#include <functional>

#include "platform/cstring.h"

using MessageBoxHandler = std::function<int(const CString& strText, const CString& strCaption, UINT nType)>;

// Installs the function that shows a message box; returns the previous one.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
// Caption used when none is given (the program's title).
void SetMessageBoxCaption(const CString& strCaption);

int AfxMessageBox(const char* pszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// Text loaded from the current resource module.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = UINT(-1));
int MessageBoxWithCaption(const char* pszText, const char* pszCaption, UINT nType);
