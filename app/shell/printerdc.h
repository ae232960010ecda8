// The program's printer: a queue of the system's printers (CUPS) or a PDF
// file, with the paper and orientation of the application's printer
// settings, and the device context a print job draws on.
#pragma once

#include <QPainter>
#include <QPrinter>
#include <functional>
#include <memory>

#include "app/shell/tavrinapp.h"
#include "platform/painterdc.h"

// The page size of a paper code: 9 and 10 A4, 12 JIS B4, 33 ISO B4; A4 for any other.
QPageSize PageSizeOfPaper(short nPaper);
// The paper code of a page size; 0 when the program has none for it.
short PaperOfPageSize(const QPageSize& size);

// The printer jobs go to: a printer's name, or empty for a PDF file. At
// first the system's default printer, or a PDF file when none is installed.
QString CurrentPrinterName();
void SetCurrentPrinterName(const QString& strName);

// The system's printer dialog on the program's printer settings (printer,
// PDF file, paper, orientation); FALSE when cancelled.
BOOL RunPrinterSetup(CPrinterMode& mode, QWidget* pParent);

// A print job on a QPrinter: the painter begins with the first page, so a job
// without pages leaves nothing behind. A PDF file replaces one of its name
// only when the job ends complete.
struct CPrinterDevice {
    QPrinter m_printer{QPrinter::HighResolution};
    QPainter m_painter;
};

class CPrinterDC : private CPrinterDevice, public CPainterDC {
public:
    // strOutputFile non-empty: a PDF file, else the named printer.
    CPrinterDC(const CPrinterMode& mode, const QString& strPrinter, const QString& strOutputFile);

    // A PDF file gets the title, the program as its creator and Japanese as its language.
    void SetDocTitle(const CString& strTitle) override { m_strTitle = strTitle; }
    int StartDoc(const CString& strDocName) override;
    int StartPage() override;
    int EndPage() override;
    int EndDoc() override;
    int AbortDoc() override;
    int GetDeviceCaps(int nIndex) const override;
    QPrinter& Printer() { return m_printer; }

private:
    void RemovePartFile();

    QString m_strOutputFile;
    CString m_strTitle;
    BOOL m_bStarted = FALSE;
    int m_nPages = 0;
};

// Makes the device context of a new job named strDocName: the program's
// printer, or a PDF file asked for with the save dialog. Null when cancelled.
using PrinterDCFactory = std::function<std::unique_ptr<CDC>(const CString& strDocName)>;
// Installs the function that makes it (tests draw on their own); returns the previous one.
PrinterDCFactory SetPrinterDCFactory(PrinterDCFactory factory);
std::unique_ptr<CDC> CreatePrinterDC(const CString& strDocName);
