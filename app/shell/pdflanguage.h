// The language of a PDF file, which Qt's PDF writer leaves unset.
#pragma once

#include <QByteArray>
#include <QString>

// Adds the language (such as "ja") to the document catalog of the PDF file
// by an incremental update at its end. FALSE when the file could not be read
// or the update not written; a file whose catalog has a language already, or
// whose structure is not a plain cross-reference table, stays as it is.
bool AddPdfLanguage(const QString& strPath, const QByteArray& lang);
