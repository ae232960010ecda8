#include "app/shell/printerdc.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <cstdio>
#include <optional>

#include "app/shell/filedialogs.h"
#include "app/shell/pdflanguage.h"
#include "platform/qtstring.h"

namespace {

// A PDF file is laid out like a sheet on a printer with 5 mm unprintable edges.
constexpr double kPdfMarginMm = 5;
// A PDF file is written under this suffix and takes its name when it is complete.
const char kPartSuffix[] = ".part";
const char kPdfLanguage[] = "ja";

struct PaperPage {
    short nPaper;
    QPageSize::PageSizeId id;
};
constexpr PaperPage kPapers[] = {
    {DMPAPER_A4, QPageSize::A4},
    {DMPAPER_A4SMALL, QPageSize::A4},
    {DMPAPER_B4, QPageSize::JisB4},
    {DMPAPER_B4_ISO, QPageSize::B4},
};

std::optional<QString>& ChosenPrinter()
{
    static std::optional<QString> name;
    return name;
}

void ApplyMode(QPrinter& printer, const CPrinterMode& mode)
{
    printer.setPageSize(PageSizeOfPaper(mode.dmPaperSize));
    printer.setPageOrientation(mode.dmOrientation == DMORIENT_LANDSCAPE ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setCopyCount(1);
}

void SelectPrinter(QPrinter& printer, const QString& strPrinter, const QString& strOutputFile)
{
    if (strOutputFile.isEmpty() && !strPrinter.isEmpty()) {
        printer.setPrinterName(strPrinter);
        return;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    if (!strOutputFile.isEmpty()) printer.setOutputFileName(strOutputFile + kPartSuffix);
    printer.setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm), QPageLayout::Millimeter);
}

std::unique_ptr<CDC> DefaultPrinterDC(const CString& strDocName)
{
    const CTavrinApp* pApp = GetTavrinApp();
    const CPrinterMode mode = pApp ? pApp->m_printerMode : CPrinterMode{};
    const QString printer = CurrentPrinterName();
    QString file;
    if (printer.isEmpty()) {
        const CFileDialogRequest request{FALSE, "pdf", strDocName + ".pdf",
                                         "PDFファイル （*.pdf）|*.pdf;*.PDF|すべてのファイル （*.*）|*.*||"};
        CString path;
        if (!RunFileDialog(request, path)) return nullptr;
        file = ToQString(path);
    }
    return std::make_unique<CPrinterDC>(mode, printer, file);
}

PrinterDCFactory& Factory()
{
    static PrinterDCFactory factory = DefaultPrinterDC;
    return factory;
}

} // namespace

QPageSize PageSizeOfPaper(short nPaper)
{
    for (const PaperPage& p : kPapers)
        if (p.nPaper == nPaper) return QPageSize(p.id);
    return QPageSize(QPageSize::A4);
}

short PaperOfPageSize(const QPageSize& size)
{
    for (const PaperPage& p : kPapers)
        if (p.id == size.id()) return p.nPaper;
    return 0;
}

QString CurrentPrinterName()
{
    std::optional<QString>& name = ChosenPrinter();
    if (!name) {
        name = QPrinterInfo::defaultPrinterName();
        if (name->isEmpty() && !QPrinterInfo::availablePrinterNames().isEmpty())
            name = QPrinterInfo::availablePrinterNames().first();
    }
    return *name;
}

void SetCurrentPrinterName(const QString& strName)
{
    ChosenPrinter() = strName;
}

BOOL RunPrinterSetup(CPrinterMode& mode, QWidget* pParent)
{
    QPrinter printer;
    SelectPrinter(printer, CurrentPrinterName(), QString());
    ApplyMode(printer, mode);
    QPrintDialog dialog(&printer, pParent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) return FALSE;
    SetCurrentPrinterName(printer.outputFormat() == QPrinter::PdfFormat ? QString() : printer.printerName());
    mode.dmPaperSize = PaperOfPageSize(printer.pageLayout().pageSize());
    mode.dmOrientation =
        printer.pageLayout().orientation() == QPageLayout::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    return TRUE;
}

CPrinterDC::CPrinterDC(const CPrinterMode& mode, const QString& strPrinter, const QString& strOutputFile)
    : CPainterDC(&m_painter), m_strOutputFile(strOutputFile)
{
    SelectPrinter(m_printer, strPrinter, strOutputFile);
    ApplyMode(m_printer, mode);
    SetPrinting(TRUE);
}

int CPrinterDC::StartDoc(const CString& strDocName)
{
    // A printer's queue shows the job's name, a PDF file its title.
    m_printer.setDocName(ToQString(m_strOutputFile.isEmpty() || m_strTitle.IsEmpty() ? strDocName : m_strTitle));
    if (const CTavrinApp* pApp = GetTavrinApp())
        m_printer.setCreator(ToQString(CString(pApp->m_pszAppName) + " " + pApp->m_strVersion));
    m_bStarted = TRUE;
    return 1;
}

int CPrinterDC::StartPage()
{
    if (!m_bStarted) return -1;
    if (!m_painter.isActive()) {
        if (!m_painter.begin(&m_printer)) return -1;
    } else if (!m_printer.newPage()) {
        return -1;
    }
    SetDeviceClip(QRect(0, 0, m_printer.width(), m_printer.height()));
    ++m_nPages;
    return 1;
}

int CPrinterDC::EndPage()
{
    return m_painter.isActive() ? 1 : -1;
}

int CPrinterDC::EndDoc()
{
    m_bStarted = FALSE;
    if (!m_painter.isActive()) return m_nPages == 0 ? 1 : -1;
    if (!m_painter.end()) {
        RemovePartFile();
        return -1;
    }
    if (m_strOutputFile.isEmpty()) return 1;
    // The file gets its language, then replaces a file of that name in one step.
    const QByteArray part = QFile::encodeName(m_printer.outputFileName());
    if (AddPdfLanguage(m_printer.outputFileName(), kPdfLanguage) &&
        std::rename(part.constData(), QFile::encodeName(m_strOutputFile).constData()) == 0)
        return 1;
    RemovePartFile();
    return -1;
}

void CPrinterDC::RemovePartFile()
{
    if (!m_strOutputFile.isEmpty()) QFile::remove(m_printer.outputFileName());
}

int CPrinterDC::AbortDoc()
{
    m_bStarted = FALSE;
    if (m_painter.isActive()) {
        m_printer.abort();
        m_painter.end();
    }
    RemovePartFile();
    return 1;
}

int CPrinterDC::GetDeviceCaps(int nIndex) const
{
    switch (nIndex) {
    case LOGPIXELSX: return m_printer.logicalDpiX();
    case LOGPIXELSY: return m_printer.logicalDpiY();
    case HORZRES: return m_printer.width();
    case VERTRES: return m_printer.height();
    case HORZSIZE: return m_printer.widthMM();
    case VERTSIZE: return m_printer.heightMM();
    default: return 0;
    }
}

PrinterDCFactory SetPrinterDCFactory(PrinterDCFactory factory)
{
    PrinterDCFactory previous = std::move(Factory());
    Factory() = factory ? std::move(factory) : PrinterDCFactory(DefaultPrinterDC);
    return previous;
}

std::unique_ptr<CDC> CreatePrinterDC(const CString& strDocName)
{
    return Factory()(strDocName);
}
