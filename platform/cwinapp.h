// Application object of a library or of the program.
#pragma once

#include "platform/cstring.h"

class CWinApp {
public:
    explicit CWinApp(const char* pszAppName = nullptr) : m_pszAppName(pszAppName) {}
    virtual ~CWinApp() = default;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    const char* m_pszAppName;
};
