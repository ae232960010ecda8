// Code page 932 text at the Qt boundary.
#pragma once

#include <QString>

#include "platform/codepage.h"

inline QString ToQString(const CString& str)
{
    return QString::fromStdString(CP932ToUtf8(str));
}

inline CString FromQString(const QString& str)
{
    return Utf8ToCP932(str.toStdString());
}

// String nID of the current resource module.
inline QString LoadQString(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return ToQString(str);
}
