#include "platform/msgbox.h"

#include <cstdio>

#include "platform/codepage.h"

namespace {

// Without a handler the text goes to the terminal and the box takes its default answer.
int DefaultAnswer(const CString& strText, const CString& strCaption, UINT nType)
{
    std::fprintf(stderr, "[%s] %s\n", CP932ToUtf8(strCaption).c_str(), CP932ToUtf8(strText).c_str());
    switch (nType & 0xF) {
    case MB_YESNO:
    case MB_YESNOCANCEL: return IDYES;
    default: return IDOK;
    }
}

MessageBoxHandler& Handler()
{
    static MessageBoxHandler handler = DefaultAnswer;
    return handler;
}

CString& DefaultCaption()
{
    static CString caption;
    return caption;
}

} // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    MessageBoxHandler old = Handler();
    Handler() = handler ? std::move(handler) : MessageBoxHandler(DefaultAnswer);
    return old;
}

void SetMessageBoxCaption(const CString& strCaption)
{
    DefaultCaption() = strCaption;
}

int AfxMessageBox(const char* pszText, UINT nType, UINT)
{
    return Handler()(CString(pszText), DefaultCaption(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT)
{
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType);
}

int MessageBoxWithCaption(const char* pszText, const char* pszCaption, UINT nType)
{
    return Handler()(CString(pszText), CString(pszCaption), nType);
}
