// The program's Japanese surface: Qt's own texts in Japanese, the system's
// Japanese font faces served by the IPA fonts, and message boxes.
#pragma once

#include "platform/cstring.h"

class QApplication;

void InitJapaneseUi(QApplication& app);
// Shows a message box with Japanese buttons; the answer as IDOK, IDYES ...
int ShowMessageBox(const CString& strText, const CString& strCaption, UINT nType);
