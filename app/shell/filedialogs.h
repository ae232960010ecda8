// The project and tax-rate file dialogs: the program asks for a path, tests answer.
#pragma once

#include <functional>

#include "platform/afxtypes.h"
#include "platform/cstring.h"

struct CFileDialogRequest {
    BOOL bOpen;          // TRUE open, FALSE save
    CString strDefExt;   // appended when the user types no extension
    CString strFileName; // initial name
    CString strFilter;   // "text|pattern|...||"
};

// Returns TRUE and the chosen path, FALSE when cancelled.
using FileDialogHandler = std::function<BOOL(const CFileDialogRequest& request, CString& strPath)>;

// Installs the function that runs a file dialog; returns the previous one.
FileDialogHandler SetFileDialogHandler(FileDialogHandler handler);
BOOL RunFileDialog(const CFileDialogRequest& request, CString& strPath);

// The dialogs of the project commands.
CFileDialogRequest OpenProjectRequest();
CFileDialogRequest SaveProjectRequest(const CString& strTitle);
CFileDialogRequest LoadTaxRequest();
CFileDialogRequest SaveTaxRequest();
// The index file of the earlier product.
CFileDialogRequest SXIndexRequest();
